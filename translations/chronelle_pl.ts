<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>opcja „%1” musi być typu: %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>nieznana opcja „%1” (opcje: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>brak magistrali sesji (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>nie udało się udostępnić %1 na magistrali sesji</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>nazwa magistrali %1 jest zajęta przez inną kopię programu</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>Alarm o identyfikatorze %1 już nie zadzwoni; nie ma czego pomijać.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>nieznana opcja „%1” (opcje: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>Kalendarz ma %1 bajtów; Chronelle importuje najwyżej %2 bajtów.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 „%2”: to nie jest data w formacie RRRR-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 „%2”: alarm w ogóle nie zostałby wstrzymany; podaj dzień po dzisiejszym</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>uszkodzona właściwość %1</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>brak czasu rozpoczęcia</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>wydarzenie całodniowe, bez godziny dzwonienia</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>nieaktywny alarm KAlarm (typ: %1)</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>alarm KAlarm z samą datą, bez godziny dzwonienia</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>więcej niż jedna reguła RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>termin już minął</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Wydarzenie %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>Plik ma rozmiar %1 B; kalendarz alarmów może mieć najwyżej %2 B.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>To nie jest plik iCalendar: nie zaczyna się od BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>To nie jest plik iCalendar: nie udało się go odczytać w tym formacie.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>odwołane</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Wyłącz monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Uśpij komputer</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>ten sam UID co wcześniejsze wydarzenie</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Pominięto akcję zasilania wydarzenia %1: „%2” wymaga Twojej zgody (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>Strefy czasowe kalendarza mają więcej reguł, niż Chronelle czyta (w wierszu %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>Kalendarz ma więcej niż %1 składników (wydarzeń, przypomnień, stref czasowych i ich części); Chronelle czyta najwyżej tyle.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>Wiersz %1 kalendarza zagnieżdża składniki głębiej niż na %2 poziomów.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>Wiersz %1 kalendarza jest dłuższy niż %2 bajtów; Chronelle czyta najwyżej tyle.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: strefa czasowa, której nie opisuje ani kalendarz, ani baza danych stref czasowych</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>nieprzeczytane: śledzenie jego reguły wymaga więcej pracy, niż może poświęcić import</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n inny</numerusform>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>bez tytułu</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>zmiana wystąpienia z %1 serii, której nie ma w tym kalendarzu</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>zmiana wystąpienia z %1 serii %2, które już minęło</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>zmiana wystąpienia z %1 serii %2, która jest pomijana</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>zmiana wystąpienia z %1 serii %2, uwzględniona w alarmie tej serii</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: przypomnienie w jednym momencie powtarzającego się wydarzenia</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>zaczyna się %1, a alarm cogodzinny może czekać tylko na początek dnia</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>w %1 jego dni nie są dniami jednego alarmu (od %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: %n nadchodzący wykluczony dzień (%1)</numerusform>
            <numerusform>EXDATE: %n nadchodzące wykluczone dni (%1)</numerusform>
            <numerusform>EXDATE: %n nadchodzących wykluczonych dni (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: %n nadchodzące zmienione wystąpienie (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n nadchodzące zmienione wystąpienia (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n nadchodzących zmienionych wystąpień (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>od teraz zachowuje swój czas lokalny %1, choć różnica między %2 a %3 się zmienia: %4 wydarzenie jest tutaj o %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>„%1” nie jest prawidłowym numerem miejsca alarmu (od 0 do %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Cykl</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>Lista alarmów %1 nie jest plikiem, lecz %2. Chronelle uruchamia się bez alarmów i pozostawia ten obiekt bez zmian; aby zachować alarmy, należy go usunąć albo umieścić w tym miejscu listę alarmów.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (wiersz 1: liczba alarmów)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>Pierwszy wiersz zapowiada liczbę alarmów „%1”, ale dalszych wierszy jest %2 (po osiem na każdy alarm).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> dalej niż do wiersza %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

Nie udało się odczytać listy alarmów %2%3. Odczytany z niej %n alarm zostaje zachowany.</numerusform>
            <numerusform>%1

Nie udało się odczytać listy alarmów %2%3. Odczytane z niej %n alarmy zostają zachowane.</numerusform>
            <numerusform>%1

Nie udało się odczytać listy alarmów %2%3. Zachowano %n odczytanych z niej alarmów.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

Nie udało się odczytać listy alarmów.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> Oryginalny plik zachowano jako %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Nie udało się zachować kopii oryginalnego pliku jako %1 (%2); przed zamknięciem programu należy zapisać alarmy w innym miejscu.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>nie jest zapisana w UTF-8; w całości odczytano ją jako Windows-1252</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>jest zapisana w %1 (zaczyna się znacznikiem kolejności bajtów); odczytano ją w całości</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>Lista alarmów %1 %2 i od teraz będzie zapisywana w UTF-8 bez znacznika kolejności bajtów. Żaden alarm nie został utracony.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Nie udało się zachować kopii oryginalnego pliku jako %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (wiersz %2: %3 alarmu nr %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>klucz godziny</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>klucz daty</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>miejsce</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>Miejsce alarmu „%1” jest zajęte przez dwa alarmy (wiersz %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>i %n inny.</numerusform>
            <numerusform>i %n inne.</numerusform>
            <numerusform>i %n innych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n alarm nie ma pliku alarmu w %1. Mimo to zadzwoni, z pierwszym wbudowanym dźwiękiem i bez przypomnienia:
%2

Taki alarm należy edytować, aby znów nadać mu ustawienia, albo go usunąć.</numerusform>
            <numerusform>%n alarmy nie mają pliku alarmu w %1. Mimo to zadzwonią, z pierwszym wbudowanym dźwiękiem i bez przypomnienia:
%2

Takie alarmy należy edytować, aby znów nadać im ustawienia, albo je usunąć.</numerusform>
            <numerusform>%n alarmów nie ma pliku alarmu w %1. Mimo to zadzwonią, z pierwszym wbudowanym dźwiękiem i bez przypomnienia:
%2

Takie alarmy należy edytować, aby znów nadać im ustawienia, albo je usunąć.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>Lista alarmów %1 podaje miejsce alarmu %2 jako „%3” (wiersz %4); od teraz jest ono zapisywane jako „%2”.</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Żaden alarm nie został utracony.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>Nie można zapisać alarmu „%1”: %2. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>jego pole %1 zawiera podział wiersza lub znak, którego wiersz pliku nie może przechować</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>jego pole %1 ma %2 znaków; wiersz listy alarmów mieści najwyżej %3</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 „%2”: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>to nie jest godzina w formacie HH:MM ani HH:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>godzina musi mieścić się w zakresie od 0 do 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>minuty muszą mieścić się w zakresie od 0 do 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>sekundy muszą mieścić się w zakresie od 0 do 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>to nie jest data w formacie RRRR-MM-DD</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>nie podano dnia (dni: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>„%1” nie jest dniem (dni: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>dzień miesiąca musi mieścić się w zakresie od 1 do 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>to nie jest miesiąc i dzień w formacie MM-DD</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: przypomnienie jest puste</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: przypomnienie zawiera znak sterujący (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>nazwa pliku ze znakiem nowego wiersza nie może znaleźć się na liście odtwarzania</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>to nie jest pełna ścieżka</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>wymagana jedna z wartości: %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>musi mieścić się w zakresie od 0 do 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>ta chwila już minęła</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 „%2”: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 „%2”: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 „%2”: to nie jest zwykły plik, lecz widok działającego systemu</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 „%2”: nie można odczytać pliku</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>częstotliwość</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>wbudowany dźwięk</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>minuty dźwięku</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>minuty narastania</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>minuty wyciszania</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>minuty drzemki</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>minuty do samoczynnej drzemki</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>głośność</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>minuty do samoczynnego zamknięcia</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>akcja zasilania</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>musi mieścić się w zakresie od %1 do %2</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>godzina alarmu</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>to nie jest poprawna data i godzina</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>sposób zamykania</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>dokładnie jeden z trzech przełączników musi być włączony</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>lista odtwarzania</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>odtwarzanych jest najwyżej %1 plików</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>pozycja listy odtwarzania</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Wszystkie miejsca na alarmy (%1) są zajęte. Przed dodaniem nowego alarmu należy usunąć któryś z istniejących.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Wszystkie miejsca na alarmy (%1) są zajęte; przed dodaniem kolejnego alarmu należy usunąć któryś z istniejących.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Nie ma alarmu o identyfikatorze %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Żaden alarm nie dzwoni.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>Alarm „%1” został zmieniony lub usunięty w trakcie edycji; zmiany nie zostały zapisane.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>Nie można przywrócić alarmu „%1”: jego miejsce zajął inny alarm.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>W wierszu %1 nie ma alarmu.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>wiersze od %1 do %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 pliku %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>Alarm miałby długość %1 zn., a plik alarmu mieści najwyżej %2. Aby go zapisać, należy skrócić przypomnienie lub listę odtwarzania.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 ma długość %2 zn., a wiersz pliku alarmu może mieć najwyżej %3 zn. Aby zapisać alarm, należy go skrócić.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Wpis listy odtwarzania</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Wiersz przypomnienia</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Brak pliku alarmu %1. Edytor pokazuje ustawienia nowego alarmu; „OK” zapisze je jako %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Zachowano go jako %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Z pliku alarmu nie udało się nic odczytać, więc alarmu nie można edytować.%2 Należy usunąć alarm i dodać go od nowa albo naprawić plik.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Nie udało się zachować pliku alarmu jako %2 (%3), więc alarmu nie można teraz edytować: edycja by go zastąpiła.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Nie udało się odczytać całego pliku alarmu; zachowano go jako %2. Edytor pokazuje to, co odczytano, a w pozostałych miejscach ustawienia nowego alarmu; „OK” zastąpi %3 tym, co widać w edytorze.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>wstrzymany do %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>pominięty do %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>pominięty</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączony</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>włączony</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Pamiętać o ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Wstrzymaj alarm</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Dzwoni ponownie od:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Włączony</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Pomiń następny</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>Ws&amp;trzymaj do...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Wz&amp;nów</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>Nie można zaplanować alarmu „%1”, więc zostaje pominięty: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minuty minęły</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minuty nie minęły</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Wiersz %1 stanów alarmów: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>Stany alarmów zapowiadają liczbę wpisów %1, ale dalszych wierszy jest %2 (po cztery na każdy wpis).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>„%1” nie jest wolnym miejscem alarmu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>„%1” nie jest ani TRUE, ani FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>„%1” nie jest chwilą w czasie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>„%1” nie jest datą</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>Nie udało się odczytać stanów alarmów %1: %2

Wszystkie alarmy są włączone i żaden nie jest pominięty ani wstrzymany, dopóki się tego nie zmieni.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> Plik zachowano jako %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>„%1” nie powinno tu być</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>Dźwięk był wyłączony (%1%); na czas alarmu włączono go na %2%.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>Dźwięk był wyłączony; na czas alarmu go włączono.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>Głośność wynosiła %1%; na czas alarmu ustawiono %2%.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Dźwięk programu Chronelle był wyłączony; na czas alarmu go włączono.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Nie udało się sprawdzić dźwięku: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>Serwer dźwięku przestał działać podczas dzwonienia alarmu.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>serwer dźwięku nie odpowiedział</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>brak wyjścia dźwięku</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>serwer dźwięku odmówił zmiany wyjścia</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>Nie udało się usunąć %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Nie udało się utworzyć folderu %1.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>jeszcze %n pominięte wydarzenie, niewymienione</numerusform>
            <numerusform>jeszcze %n pominięte wydarzenia, niewymienione</numerusform>
            <numerusform>jeszcze %n pominiętych wydarzeń, niewymienionych</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>„%1”: ten sam alarm co wcześniejsze wydarzenie (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Nic nie zaimportowano: zmieściłoby się tylko %1 z %n alarmu w pliku (Chronelle mieści najwyżej %2 alarmów, %3 jest w użyciu, a %4 alarmów z pliku już tu jest).</numerusform>
            <numerusform>Nic nie zaimportowano: zmieściłoby się tylko %1 z %n alarmów w pliku (Chronelle mieści najwyżej %2 alarmów, %3 jest w użyciu, a %4 alarmów z pliku już tu jest).</numerusform>
            <numerusform>Nic nie zaimportowano: zmieściłoby się tylko %1 z %n alarmów w pliku (Chronelle mieści najwyżej %2 alarmów, %3 jest w użyciu, a %4 alarmów z pliku już tu jest).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Nic nie zaimportowano: %n alarm nie został dodany ani zaktualizowany, wszystkie alarmy są jak były. %1</numerusform>
            <numerusform>Nic nie zaimportowano: żaden z %n alarmów nie został dodany ani zaktualizowany, wszystkie alarmy są jak były. %1</numerusform>
            <numerusform>Nic nie zaimportowano: żaden z %n alarmów nie został dodany ani zaktualizowany, wszystkie alarmy są jak były. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Inny import jest właśnie wczytywany; spróbuj ponownie, gdy się zakończy.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 każdej godziny</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>%1. dnia każdego miesiąca</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Budzik na pulpit z tarczą w stylu wyświetlacza matrycowego, działający w obszarze powiadomień.</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Jedno z poniższych poleceń wraz z argumentami.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Alarmy odczytane przy uruchomieniu dzwonią jak zwykle, ale od teraz nie da się zapisać żadnej zmiany.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[polecenie [argumenty]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>Ustawienia zegara %1 nie są plikiem, lecz %2. Używany jest normalny rozmiar i kolor „Niebieski”, a ten obiekt pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (wiersz 1: rozmiar)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

Nie udało się odczytać ustawień zegara z %2; używany jest normalny rozmiar i kolor „Niebieski”, a przy zamykaniu programu zostanie zapisany poprawny plik.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 podano %2 razy</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID „%1”: to nie jest identyfikator alarmu (liczba, którą pokazuje `chronelle list`)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>nie można podać jednocześnie --%1 i --%2</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: nazwa pliku jest pusta</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume „%1”: wymagana liczba całkowita od 0 do 100</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Żaden alarm nie zadzwoni.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>wszystkie alarmy: identyfikator, wł./wył., powtarzanie, godzina, harmonogram, następne dzwonienie, nazwa</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Tablica obiektów JSON.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>następny alarm, który zadzwoni</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>dodaje alarm i wypisuje jego identyfikator</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Jednorazowo, tego dnia.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Co godzinę.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Codziennie.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>W te dni: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>Tego dnia każdego miesiąca.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>Tego dnia każdego roku.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>Przypomnienie.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Plik listy odtwarzania.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>Głośność w procentach.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>usuwa alarm</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>włącza alarm</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>wyłącza alarm</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>pomija następne dzwonienie alarmu</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>alarm dzwoni ponownie od tego dnia</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>Pierwszy dzień, w którym alarm znów zadzwoni.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause wymaga --until RRRR-MM-DD</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>cofa pominięcie lub wstrzymanie</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>włącza drzemkę dzwoniącego alarmu</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>zatrzymuje dzwoniący alarm, tak jak jego przycisk OK</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>zapisuje wszystkie alarmy w formacie iCalendar do pliku FILE lub na standardowe wyjście</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>Zaimportowano %n alarm%1</numerusform>
            <numerusform>Zaimportowano %n alarmy%1</numerusform>
            <numerusform>Zaimportowano %n alarmów%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Pominięto %1</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Polecenia (gdy program działa, trafiają do niego; w przeciwnym razie do folderu danych):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Kody wyjścia: 0 wykonano, 1 nie udało się wykonać, 2 błędne użycie.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>„%1” nie jest poleceniem</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>użycie: chronelle %1%2</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>dodaje alarmy z pliku iCalendar, wszystkie albo żadnego; wcześniej zaimportowane wydarzenie aktualizuje swój alarm; podaje, które wydarzenia pominięto i dlaczego</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Zachowuje akcje zasilania wydarzeń (wyłączenie monitora, uśpienie, zamknięcie systemu); bez tej opcji są pomijane.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>Zaktualizowano na miejscu %n alarm: %1</numerusform>
            <numerusform>Zaktualizowano na miejscu %n alarmy: %1</numerusform>
            <numerusform>Zaktualizowano na miejscu %n alarmów: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>Pozostawiono bez zmian %n alarm, jego wydarzenie się nie zmieniło: %1</numerusform>
            <numerusform>Pozostawiono bez zmian %n alarmy, ich wydarzenia się nie zmieniły: %1</numerusform>
            <numerusform>Pozostawiono bez zmian %n alarmów, ich wydarzenia się nie zmieniły: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>Pominięto jeszcze %n wydarzenie, niewymienione tutaj</numerusform>
            <numerusform>Pominięto jeszcze %n wydarzenia, niewymienione tutaj</numerusform>
            <numerusform>Pominięto jeszcze %n wydarzeń, niewymienionych tutaj</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Pominięto: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Nieprawidłowy argument kodowania godziny</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Nieprawidłowy argument kodowania daty</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>„%1” miał zadzwonić %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
i ponad %n inny.</numerusform>
            <numerusform>
i ponad %n inne.</numerusform>
            <numerusform>
i ponad %n innych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
i %n inny.</numerusform>
            <numerusform>
i %n inne.</numerusform>
            <numerusform>
i %n innych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Gdy komputer nie śledził czasu, ponad %n alarm minął bez dzwonienia:
%1</numerusform>
            <numerusform>Gdy komputer nie śledził czasu, ponad %n alarmy minęły bez dzwonienia:
%1</numerusform>
            <numerusform>Gdy komputer nie śledził czasu, ponad %n alarmów minęło bez dzwonienia:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Gdy komputer nie śledził czasu, %n alarm minął bez dzwonienia:
%1</numerusform>
            <numerusform>Gdy komputer nie śledził czasu, %n alarmy minęły bez dzwonienia:
%1</numerusform>
            <numerusform>Gdy komputer nie śledził czasu, %n alarmów minęło bez dzwonienia:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Przegapiony alarm</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>EditorGeneralPage</name>
    <message>
        <source>Alarm Frequency: </source>
        <translation>Powtarzanie: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Dni tygodnia:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>&amp;Włączony</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Przypomnienie:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Pamiętać o ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Zamykanie </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Zamykanie</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Nie zamykaj okna alarmu automatycznie</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Zamykaj okno alarmu automatycznie</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Zamknij po                 min</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Oszczędzanie energii</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Oszczędzanie energii</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>Energię można oszczędzać, usypiając lub wyłączając komputer albo wyłączając monitor </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Wyłącz monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Uśpij komputer</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>nieobsługiwane na tym komputerze</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Niedostępne: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Pliki dźwiękowe (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>Lista odtwarzania </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Lista odtwarzania</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>Odtwarzaj muzykę:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Wyżej</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Niżej</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Utwory</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Odtwarzaj dźwięk</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Dźwięk 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Dźwięk 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Dźwięk 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Dźwięk 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Dźwięk alarmu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Tych plików nie dodano, ponieważ ich nazwy zawierają znak nowego wiersza. Należy zmienić ich nazwy i dodać je ponownie:
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>EditorSoundPage</name>
    <message>
        <source>Volum effect </source>
        <translation>Głośność </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>Zgłaśnianie przez:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Zgłaśnianie, minuty</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Wyciszanie od:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Wyciszanie od minuty</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Czas drzemki:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Maksymalna głośność:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Automatyczna drzemka po</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Automatyczna drzemka po odtwarzaniu przez</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Automatyczna drzemka po minutach</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(i jeszcze %n wiersz)</numerusform>
            <numerusform>(i jeszcze %n wiersze)</numerusform>
            <numerusform>(i jeszcze %n wierszy)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle nadal działa, aby nic nie zostało utracone: zakończy działanie, gdy wszystko zostanie zapisane. Należy usunąć przyczynę (przy zapełnionym dysku zwolnić trochę miejsca) i ponownie wybrać Zakończ.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>listy alarmów (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>ustawień zegara (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle kończy działanie bez zapisania %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle nie może przechowywać swoich plików w %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Nie udało się zastąpić %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Nie udało się usunąć %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>Nie udało się zapisać %1: jest to dowiązanie symboliczne do %2 w innym systemie plików, gdzie nie można go zastąpić w jednym kroku. Plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>Nie udało się usunąć %1: jest to folder, a nie plik, więc pozostaje bez zmian.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> Zmiana została zachowana i zostanie dokończona przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>wiersz %1 zawiera „%2”, czego żadna zmiana nie może robić</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>Nie można wykonać dziennika zmian %1: %2. Nie udało się go też odłożyć na bok jako %3 (%4). Dopóki nie zostanie usunięty, nie można dodawać, zmieniać ani usuwać alarmów.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>Nie można wykonać dziennika zmian %1: %2. Nic z niego nie zostało wykonane, a sam dziennik zachowano jako %3. Alarmy są takie jak przed zmianą, którą opisuje (albo po niej, jeśli była kompletna). Należy sprawdzić alarmy; potem można usunąć %3.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Jednorazowo</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Co godzinę</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Co rok</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Raz</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Co godz.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Co dzień</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydz.</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co mies.</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Co rok</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Pomoc programu Chronelle</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Spis &amp;treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Nawigacja</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>Strona &amp;główna</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Brak pliku pomocy %1.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>Przeglądarka pomocy nie ma folderu, w którym mogłaby przechowywać indeks (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>Nie udało się uruchomić przeglądarki pomocy: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>Przeglądarka pomocy nie mogła odczytać %1: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>Plik pomocy %1 nie zawiera strony %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>nie udało się uruchomić odtwarzacza dźwięku: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Nie można odtwarzać: żaden plik nie jest otwarty.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>nie udało się go uruchomić: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>uległ awarii</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>zakończył działanie z kodem %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>nie robił postępów przez %n sekundę</numerusform>
            <numerusform>nie robił postępów przez %n sekundy</numerusform>
            <numerusform>nie robił postępów przez %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>odtwarzacz dźwięku przestał działać: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>Nie można odtworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Nie można otworzyć pliku bez nazwy.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>Nie można otworzyć „%1”: plik nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Nie można otworzyć „%1”: to nie jest plik.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>Nie można otworzyć „%1”: plik jest pusty.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>Nie można odtworzyć tego pliku.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>serwer dźwięku: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Położenie</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>nieobsługiwane</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>wymaga uprawnień</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>niedozwolone</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>nieobsługiwane przez ten system</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>menedżer zasilania odpowiedział „%1”</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>nieobsługiwane przez ten ekran</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>nieobsługiwane na tym pulpicie Wayland</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>nieobsługiwane na tym ekranie (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>nieobsługiwane: brak magistrali systemowej (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>nieobsługiwane: brak połączenia z serwerem X</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>nieobsługiwane przez ten serwer X (brak DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>nieobsługiwane przez ten ekran (nie ma on trybu oszczędzania energii)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>serwer X odmówił włączenia DPMS (błąd %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>serwer X odmówił wyłączenia monitora (błąd %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>Nie udało się wyłączyć monitora: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Nie udało się uśpić komputera: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Nie udało się wyłączyć komputera: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

Zamiast tego alarm dzwoni wbudowanym dźwiękiem.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>Dźwięk alarmu numer %1 nie istnieje; alarm dzwoni bez dźwięku.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

Dźwięk alarmu będzie ponownie uruchamiany co kilka sekund.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>nieobsługiwane na tym komputerze</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Ustawienia alarmu</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Ogólne </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Lista odtwarzania</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>łącznie %1 zn.</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>utwór o długości %1 zn.</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>wiersz o długości %1 zn.</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Nie można zapisać: %1 (maks. %2).</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Przypomnienie:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Zaplanowany na %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarm o %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormAlarmList</name>
    <message>
        <source>Alarm Manager</source>
        <translation>Menedżer alarmów</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Alarmy nie wybudzą PC ze snu. &lt;a href=&quot;why&quot;&gt;Dlaczego?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>System odrzucił godzinę wybudzenia tego komputera.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>system odrzucił godzinę wybudzenia</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Alarmy nie wybudzą tego komputera z uśpienia: %1.

%2%3Alarmy, których czas minie podczas uśpienia, zostaną zgłoszone po wybudzeniu.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Pół rozmiaru</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normalny rozmiar</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Podwójny rozmiar</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Kliknij dwukrotnie, aby zmienić rozmiar LCD</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Kliknij dwukrotnie, aby zmienić kolor LCD</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>O programie Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>&amp;Ukryj w obszarze powiadomień</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>Menedżer &amp;alarmów</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>Pomiń &amp;następny alarm</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>Uruchamiaj przy &amp;logowaniu</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Rozmiar budzika</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>&amp;Kolor LCD</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: żaden alarm nie zadzwoni</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Następny alarm: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Przy&amp;wróć</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>Pomiń &amp;następny alarm: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Alarm pominięty</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 nie zadzwoni.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 ze znacznikiem kolejności bajtów</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>plik zaczyna się znacznikiem kolejności bajtów %1, ale nie jest poprawnym tekstem %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folderem</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>potokiem nazwanym (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>urządzeniem znakowym</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>urządzeniem blokowym</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdem</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>plikiem specjalnym</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 nie jest plikiem, lecz %2; odczyt pominięto.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>dowiązaniem symbolicznym, które tworzy pętlę</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>dowiązaniem symbolicznym do nieistniejącego obiektu %1</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>dowiązaniem symbolicznym do niedostępnego obiektu %1 (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>dowiązaniem symbolicznym do obiektu %1, który jest %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>Nie udało się zapisać %1: nie jest plikiem, lecz %2, i pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Nie udało się otworzyć %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 przekracza dopuszczalny rozmiar %2 B; odczyt pominięto.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>wiersz %1 przekracza dopuszczalną długość %2 zn.</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>plik przekracza dopuszczalną długość %1 zn.; odczyt pominięto</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>Nie udało się zapisać %1: %2. Plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>nie jest plikiem, lecz %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Nie można utworzyć nowego pliku %1: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle działa na folderze danych %1, ale nie można się z nim połączyć przez magistralę sesji.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Przed zmienianiem alarmów w ten sposób należy uruchomić Chronelle i je przejrzeć.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>ten program nie ma uprawnienia CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Aby na to zezwolić, administrator może jednorazowo wykonać polecenie:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>ten system nie ma zegara, który mógłby go wybudzić</translation>
    </message>
</context>
</TS>
