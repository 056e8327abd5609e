<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>Option „%1“ muss %2 sein</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>unbekannte Option „%1“ (Optionen: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>es gibt keinen Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>%1 konnte nicht auf dem Sitzungsbus angeboten werden</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>der Busname %1 ist von einer anderen Kopie belegt</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>Der Alarm mit der ID %1 klingelt nicht mehr; es gibt nichts zu überspringen.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>unbekannte Option „%1“ (Optionen: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>Der Kalender ist %1 Byte lang; Chronelle importiert höchstens %2 Byte.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 „%2“: kein Datum als JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 „%2“: der Alarm würde gar nicht pausiert; geben Sie einen Tag nach heute an</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>beschädigte Eigenschaft %1</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>keine Anfangszeit</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>ein ganztägiger Termin, ohne Uhrzeit zum Klingeln</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>ein KAlarm-Alarm der Art „%1“, kein aktiver</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>ein KAlarm-Alarm nur mit Datum, ohne Uhrzeit zum Klingeln</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>mehr als eine RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>bereits vorbei</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Termin %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>Die Datei ist %1 Byte groß; ein Kalender mit Alarmen hat höchstens %2 Byte.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Dies ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>Dies ist keine iCalendar-Datei: Sie konnte nicht als solche gelesen werden.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgesagt</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Monitor ausschalten</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>PC in Bereitschaft</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>PC herunterfahren</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>dieselbe UID wie ein früherer Termin</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Energieaktion von %1 weggelassen: „%2“ braucht Ihre Zustimmung (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>Die Zeitzonen des Kalenders haben mehr Regeln, als Chronelle liest (in Zeile %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>Der Kalender hat mehr als %1 Komponenten (Termine, Erinnerungen, Zeitzonen und ihre Teile); Chronelle liest höchstens so viele.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>Zeile %1 des Kalenders verschachtelt Komponenten tiefer als %2 Ebenen.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>Zeile %1 des Kalenders ist länger als %2 Byte; Chronelle liest höchstens so viel.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: eine Zeitzone, die weder der Kalender noch die Zeitzonendatenbank beschreibt</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>nicht gelesen: seine Regel auszuwerten kostet mehr Aufwand, als ein Import aufwenden darf</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>ohne Titel</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>eine Änderung am Vorkommen vom %1 einer Serie, die nicht in diesem Kalender ist</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>eine Änderung am Vorkommen vom %1 der Serie %2, bereits vorbei</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>eine Änderung am Vorkommen vom %1 der Serie %2, die übersprungen wird</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>eine Änderung am Vorkommen vom %1 der Serie %2, im Alarm dieser Serie enthalten</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: eine Erinnerung zu einem festen Zeitpunkt eines wiederkehrenden Termins</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>er beginnt am %1, und ein stündlicher Alarm kann nur auf den Beginn eines Tages warten</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>in %1 passen seine Tage nicht zu einem einzigen Alarm (ab %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: %n künftiger ausgeschlossener Tag (%1)</numerusform>
            <numerusform>EXDATE: %n künftige ausgeschlossene Tage (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: %n künftiges geändertes Vorkommen (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n künftige geänderte Vorkommen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>behält ab jetzt seine Ortszeit %1, obwohl sich der Zeitunterschied zwischen %2 und %3 ändert: am %4 ist der Termin hier um %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>„%1“ ist kein gültiger Alarmplatz (0 bis %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Turnus</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>Die Alarmliste %1 ist keine Datei, sondern %2. Chronelle startet ohne Alarme und lässt sie, wie sie ist; um Alarme zu behalten, entfernen Sie sie oder legen Sie die Alarmliste dorthin.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (Zeile 1: die Anzahl der Alarme)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>Die erste Zeile kündigt „%1“ Alarme an, aber es folgen %2 Zeilen (acht je Alarm).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> nach Zeile %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

Die Alarmliste %2 konnte nicht gelesen werden%3. Der %n daraus gelesene Alarm bleibt erhalten.</numerusform>
            <numerusform>%1

Die Alarmliste %2 konnte nicht gelesen werden%3. Die %n daraus gelesenen Alarme bleiben erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

Die Alarmliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> Die ursprüngliche Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Eine Kopie der ursprünglichen Datei konnte nicht als %1 angelegt werden (%2); sichern Sie Ihre Alarme anderswo, bevor Sie das Programm beenden.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>ist nicht in UTF-8; sie wurde vollständig als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>ist in %1 (sie beginnt mit einer Byte-Order-Markierung); sie wurde vollständig gelesen</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>Die Alarmliste %1 %2 und wird ab jetzt in UTF-8 ohne Byte-Order-Markierung gespeichert. Kein Alarm ging verloren.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Eine Kopie der ursprünglichen Datei konnte nicht als %1 angelegt werden (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (Zeile %2: %3 von Alarm %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>Zeitschlüssel</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>Datumsschlüssel</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>Alarmplatz</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>Der Alarmplatz „%1“ wird von zwei Alarmen belegt (Zeile %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weiterer.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n Alarm hat keine Alarmdatei in %1. Er klingelt trotzdem, mit dem ersten eingebauten Klang und ohne Erinnerung:
%2

Bearbeiten Sie einen solchen Alarm, um ihm wieder Einstellungen zu geben, oder löschen Sie ihn.</numerusform>
            <numerusform>%n Alarme haben keine Alarmdatei in %1. Sie klingeln trotzdem, mit dem ersten eingebauten Klang und ohne Erinnerung:
%2

Bearbeiten Sie einen solchen Alarm, um ihm wieder Einstellungen zu geben, oder löschen Sie ihn.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>Die Alarmliste %1 gibt den Alarmplatz %2 als „%3“ an (Zeile %4); er wird ab jetzt als „%2“ gespeichert.</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Kein Alarm ging verloren.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>Der Alarm „%1“ kann nicht gespeichert werden: %2. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>sein Feld %1 enthält einen Zeilenumbruch oder ein Zeichen, das eine Zeile seiner Datei nicht tragen kann</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>sein Feld %1 ist %2 Zeichen lang; eine Zeile der Alarmliste fasst höchstens %3</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 „%2“: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>keine Uhrzeit als HH:MM oder HH:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>die Stunde muss 0 bis 23 sein</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>die Minuten müssen 0 bis 59 sein</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>die Sekunden müssen 0 bis 59 sein</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>kein Datum als JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>kein Tag angegeben (Tage: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>„%1“ ist kein Tag (Tage: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>der Tag des Monats muss 1 bis 31 sein</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>kein Monat und Tag als MM-TT</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: die Erinnerung ist leer</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: die Erinnerung enthält ein Steuerzeichen (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>ein Dateiname mit Zeilenumbruch kann nicht in der Playlist stehen</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>keines von %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>nimmt keinen Wert</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>muss 0 bis 100 sein</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>dieser Zeitpunkt ist vorbei</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 „%2“: keine solche Datei</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 „%2“: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 „%2“: keine reguläre Datei, sondern eine Ansicht des laufenden Systems</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 „%2“: die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>eingebauter Klang</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>Klangminuten</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>Minuten Einblenden</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>Minuten Ausblenden</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>Schlummerminuten</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>Minuten bis Auto-Schlummern</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>Minuten bis Auto-Schließen</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>Energieaktion</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>muss %1 bis %2 sein</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>Schließart</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>genau einer ihrer drei Schalter muss an sein</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>höchstens %1 Dateien werden gespielt</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>Eintrag der Wiedergabeliste</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Alle %1 Alarme sind belegt. Löschen Sie einen Alarm, bevor Sie einen neuen hinzufügen.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>Der Alarm „%1“ kann nicht wiederhergestellt werden: Sein Platz ist von einem anderen Alarm belegt.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>In Zeile %1 gibt es keinen Alarm.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Alle %1 Alarme sind belegt; löschen Sie einen, bevor Sie einen weiteren hinzufügen.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Es gibt keinen Alarm mit der ID %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Kein Alarm klingelt.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>Der Alarm „%1“ wurde während der Bearbeitung geändert oder gelöscht; die Bearbeitung wird nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>Zeilen %1 bis %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>Der Alarm wäre %1 Zeichen lang; eine Alarmdatei fasst höchstens %2. Kürzen Sie die Erinnerung oder die Playlist, um ihn zu speichern.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 ist %2 Zeichen lang; eine Alarmdatei fasst Zeilen von höchstens %3 Zeichen. Kürzen Sie sie, um den Alarm zu speichern.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Ein Eintrag der Playlist</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Eine Zeile der Erinnerung</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Die Alarmdatei %1 fehlt. Der Editor zeigt die Einstellungen eines neuen Alarms; „OK“ speichert sie als %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Sie bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Aus der Alarmdatei konnte nichts gelesen werden, daher kann der Alarm nicht bearbeitet werden.%2 Löschen Sie den Alarm und legen Sie ihn neu an, oder reparieren Sie die Datei.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Die Alarmdatei konnte nicht als %2 gesichert werden (%3), daher kann der Alarm jetzt nicht bearbeitet werden: Die Bearbeitung würde sie ersetzen.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Die Alarmdatei konnte nicht vollständig gelesen werden; sie bleibt als %2 erhalten. Der Editor zeigt, was gelesen wurde, und für den Rest die Einstellungen eines neuen Alarms; „OK“ ersetzt %3 durch das Angezeigte.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>pausiert bis %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>übersprungen bis %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Nicht vergessen: ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Alarm pausieren</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Klingelt wieder am:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Ein</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>Nächsten &amp;überspringen</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>&amp;Pausieren bis ...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>Der Alarm „%1“ kann nicht eingeplant werden und wird übergangen: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minuten vergangen</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minuten nicht vergangen</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Zeile %1 der Alarmzustände: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>Die Alarmzustände kündigen %1 Einträge an, aber es folgen %2 Zeilen (vier je Eintrag).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>„%1“ ist kein freier Alarmplatz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>„%1“ ist weder TRUE noch FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>„%1“ ist kein Zeitpunkt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>Die Alarmzustände %1 konnten nicht gelesen werden: %2

Jeder Alarm ist eingeschaltet, und nichts ist übersprungen oder pausiert, bis Sie es ändern.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> Die Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>„%1“ gehört nicht hierher</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>Der Ton war aus und auf %1 %; für diesen Alarm ist er an, auf %2 %.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>Der Ton war aus; für diesen Alarm ist er an.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>Der Ton war auf %1 %; für diesen Alarm ist er auf %2 %.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Der Ton von Chronelle war aus; für diesen Alarm ist er an.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Der Ton konnte nicht geprüft werden: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>Der Sound-Server ist verschwunden, während der Alarm klingelte.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>der Sound-Server hat nicht geantwortet</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>es gibt keine Tonausgabe</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>der Sound-Server hat die Änderung der Ausgabe abgelehnt</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>%n weiterer übersprungener Termin, nicht aufgeführt</numerusform>
            <numerusform>%n weitere übersprungene Termine, nicht aufgeführt</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>„%1“: derselbe Alarm wie ein früherer Termin (ID %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Nichts wurde importiert: nur %1 des %n Alarms der Datei würde passen (Chronelle fasst höchstens %2 Alarme, %3 sind belegt, und %4 der Alarme der Datei sind schon hier).</numerusform>
            <numerusform>Nichts wurde importiert: nur %1 der %n Alarme der Datei würden passen (Chronelle fasst höchstens %2 Alarme, %3 sind belegt, und %4 der Alarme der Datei sind schon hier).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Nichts wurde importiert: der %n Alarm wurde weder hinzugefügt noch aktualisiert, und alle Alarme sind wie zuvor. %1</numerusform>
            <numerusform>Nichts wurde importiert: keiner der %n Alarme wurde hinzugefügt oder aktualisiert, und alle Alarme sind wie zuvor. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Ein anderer Import wird gerade gelesen; versuchen Sie es erneut, wenn er fertig ist.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 jede Stunde</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>%1. jedes Monats</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Ein Wecker für den Desktop mit einem Punktmatrix-Zifferblatt, der im Infobereich wohnt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Ein Befehl von unten, mit seinen Argumenten.</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Die beim Start gelesenen Alarme klingeln wie gewohnt, aber ab jetzt kann keine Änderung gespeichert werden.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[Befehl [Argumente]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>Die Uhreinstellungen %1 sind keine Datei, sondern %2. Normale Größe und „Blau“ werden verwendet, und sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (Zeile 1: die Größe)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

Die Uhreinstellungen in %2 konnten nicht gelesen werden; normale Größe und „Blau“ werden verwendet, und beim Beenden wird eine korrekte Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 ist %2-mal angegeben</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID „%1“: keine Alarm-ID (die Zahl, die `chronelle list` zeigt)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 und --%2 können nicht beide angegeben werden</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume „%1“: muss eine ganze Zahl von 0 bis 100 sein</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Kein Alarm wird klingeln.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>alle Alarme: ID, ein/aus, Turnus, Zeit, Plan, nächstes Klingeln, Titel</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Ein Array von JSON-Objekten.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>der nächste Alarm, der klingeln wird</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>fügt einen Alarm hinzu und gibt seine ID aus</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Einmal, an diesem Tag.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Jede Stunde.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Jeden Tag.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>An diesen Tagen: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>An diesem Tag jedes Monats.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>An diesem Tag jedes Jahres.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>Die Erinnerung.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Eine Datei der Playlist.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>Die Lautstärke in Prozent.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>löscht den Alarm</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>schaltet den Alarm ein</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>schaltet den Alarm aus</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>überspringt das nächste Klingeln des Alarms</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>der Alarm klingelt ab diesem Tag wieder</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>Der erste Tag, an dem er wieder klingelt.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause braucht --until JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>hebt ein Überspringen oder eine Pause auf</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>lässt den klingelnden Alarm schlummern</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>beendet den klingelnden Alarm wie dessen OK</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Befehle (läuft das Programm, gehen sie an es, sonst an den Datenordner):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Exit-Codes: 0 erledigt, 1 nicht möglich, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>„%1“ ist kein Befehl</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>Aufruf: chronelle %1%2</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: der Dateiname ist leer</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>schreibt alle Alarme als iCalendar in FILE oder auf die Standardausgabe</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>%n Alarm importiert%1</numerusform>
            <numerusform>%n Alarme importiert%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>fügt die Alarme einer iCalendar-Datei hinzu, alle oder keinen; ein schon importierter Termin aktualisiert seinen Alarm; nennt die übergangenen Termine und den Grund</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Die Energieaktionen der Termine übernehmen (Monitor aus, Bereitschaft, Herunterfahren); ohne dies werden sie weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n Alarm an Ort und Stelle aktualisiert: %1</numerusform>
            <numerusform>%n Alarme an Ort und Stelle aktualisiert: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n Alarm unverändert gelassen, sein Termin ist gleich geblieben: %1</numerusform>
            <numerusform>%n Alarme unverändert gelassen, ihre Termine sind gleich geblieben: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>%n weiterer Termin übersprungen, hier nicht aufgeführt</numerusform>
            <numerusform>%n weitere Termine übersprungen, hier nicht aufgeführt</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ungültiges Argument für die Zeitkodierung</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ungültiges Argument für die Datumskodierung</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>„%1“ war fällig am %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
und mehr als %n weiterer.</numerusform>
            <numerusform>
und mehr als %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
und %n weiterer.</numerusform>
            <numerusform>
und %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Während der Computer nicht auf die Uhr achtete, ging mehr als %n Alarm vorüber, ohne zu klingeln:
%1</numerusform>
            <numerusform>Während der Computer nicht auf die Uhr achtete, gingen mehr als %n Alarme vorüber, ohne zu klingeln:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Während der Computer nicht auf die Uhr achtete, ging %n Alarm vorüber, ohne zu klingeln:
%1</numerusform>
            <numerusform>Während der Computer nicht auf die Uhr achtete, gingen %n Alarme vorüber, ohne zu klingeln:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Verpasster Alarm</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
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
        <translation>Wiederholung: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Wochentage:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>Alarm &amp;ein</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Erinnerung:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Nicht vergessen: ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Schließen </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Alarmfenster nicht selbst schließen</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Alarmfenster automatisch schließen</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Schließen nach                      Minuten</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>Sie können Energie sparen, indem Sie den PC ruhen lassen oder ausschalten oder den Monitor abschalten </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Monitor ausschalten</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>PC in Bereitschaft</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>PC herunterfahren</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>hier nicht unterstützt</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Nicht verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Audiodateien (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>Playlist </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>Musik abspielen:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entf.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Hoch</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Tiefer</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Alarmklänge abspielen</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Klang 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Klang 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Klang 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Klang 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarmklang</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Diese Dateien wurden nicht hinzugefügt, weil ihre Namen einen Zeilenumbruch enthalten. Benennen Sie sie um und fügen Sie sie erneut hinzu:
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>EditorSoundPage</name>
    <message>
        <source>Volum effect </source>
        <translation>Lautstärke </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>Einblenden über:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Einblenden, Minuten</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Ausblenden ab:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Ausblenden ab Minute</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Schlummerzeit:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Höchste Lautstärke:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Automatisch schlummern nach</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Automatisch schlummern nach</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Automatisch schlummern nach Minuten</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(%n weitere Zeile)</numerusform>
            <numerusform>(%n weitere Zeilen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle läuft weiter, damit nichts verloren geht: Es endet, sobald alles gespeichert ist. Beheben Sie die Ursache (bei voller Festplatte etwas Platz schaffen) und wählen Sie erneut Beenden.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>die Alarmliste (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>die Uhreinstellungen (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle endet, ohne %2 zu speichern.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle kann seine Dateien nicht in %1 ablegen: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>%1 konnte nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>%1 konnte nicht gespeichert werden: Es ist ein symbolischer Link auf %2 in einem anderen Dateisystem, wo es nicht in einem Schritt ersetzt werden kann. Die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>%1 konnte nicht entfernt werden: Es ist ein Ordner, keine Datei, und bleibt, wie es ist.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> Die Änderung bleibt vorgemerkt und wird beim nächsten Start abgeschlossen.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>Zeile %1 sagt „%2“, was keine Änderung tun darf</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>Dem Änderungsprotokoll %1 kann nicht gefolgt werden: %2. Es konnte auch nicht als %3 beiseitegelegt werden (%4). Bis es entfernt ist, kann kein Alarm hinzugefügt, geändert oder gelöscht werden.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>Dem Änderungsprotokoll %1 kann nicht gefolgt werden: %2. Nichts davon wurde ausgeführt, und es bleibt als %3 erhalten. Die Alarme sind, wie sie vor der darin genannten Änderung waren (oder danach, falls sie vollständig war). Prüfen Sie Ihre Alarme; %3 kann dann gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Stündlich</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Chronelle-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Die Hilfedatei %1 fehlt.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>Die Hilfeanzeige hat keinen Ordner für ihren Index (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>Die Hilfeanzeige konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>Die Hilfeanzeige konnte %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>Die Hilfedatei %1 hat keine Seite %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>das Wiedergabeprogramm konnte nicht gestartet werden: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Wiedergabe nicht möglich: Keine Datei ist geöffnet.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>es konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>es ist abgestürzt</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>es endete mit Status %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>es kam %n Sekunde lang nicht voran</numerusform>
            <numerusform>es kam %n Sekunden lang nicht voran</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>das Wiedergabeprogramm hat aufgehört: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Eine Datei ohne Namen kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine Datei.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>Die Datei kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>der Sound-Server: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>nicht unterstützt</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>braucht eine Berechtigung</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>nicht erlaubt</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>von diesem System nicht unterstützt</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>die Energieverwaltung antwortete „%1“</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>von diesem Bildschirm nicht unterstützt</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>auf diesem Wayland-Desktop nicht unterstützt</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>auf diesem Bildschirm nicht unterstützt (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>nicht unterstützt: kein Systembus (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>nicht unterstützt: keine Verbindung zum X-Server</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>von diesem X-Server nicht unterstützt (kein DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>von diesem Bildschirm nicht unterstützt (er hat keinen Energiesparmodus)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>der X-Server hat das Einschalten von DPMS abgelehnt (Fehler %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>der X-Server hat das Ausschalten des Monitors abgelehnt (Fehler %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>Der Monitor konnte nicht ausgeschaltet werden: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Bereitschaft nicht möglich: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Herunterfahren nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

Der Alarm klingelt stattdessen mit seinem eingebauten Klang.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>Den Alarmklang Nummer %1 gibt es nicht; der Alarm klingelt ohne Ton.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

Der Alarmklang wird alle paar Sekunden erneut versucht.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>hier nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Alarm-Einstellungen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbruch</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Allgemein </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>insgesamt %1 Zeichen</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>ein Titel mit %1 Zeichen</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>eine Zeile mit %1 Zeichen</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Nicht speicherbar: %1 (höchstens %2).</translation>
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
        <translation>Nicht vergessen:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Fällig um %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarm um %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technischer Support</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
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
        <translation>Alarmverwaltung</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Alarme wecken den PC nicht aus dem Schlaf. &lt;a href=&quot;why&quot;&gt;Warum?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>Das System hat den Weckzeitpunkt für diesen Computer abgelehnt.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>das System hat den Weckzeitpunkt abgelehnt</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Alarme wecken diesen Computer nicht aus dem Schlaf: %1.

%2%3Alarme, deren Zeit verstreicht, während er schläft, werden beim Aufwachen gemeldet.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Halbe Größe</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normale Größe</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Doppelte Größe</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Doppelklick hier ändert die LCD-Größe</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Doppelklick hier ändert die LCD-Farbe</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>Über Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>In den Infobereich &amp;verbergen</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>&amp;Alarmverwaltung</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>Nächsten Alarm &amp;überspringen</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>Bei Anmeldung &amp;starten</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Größe des Weckers</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>LCD-&amp;Farbe</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: Kein Alarm wird klingeln</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Nächster Alarm: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>Nächsten Alarm &amp;überspringen: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Alarm übersprungen</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 klingelt nicht.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 mit Byte-Order-Markierung</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>die Datei beginnt mit der Byte-Order-Markierung von %1, ist aber kein gültiges %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 ist keine Datei, sondern %2; es wird nicht gelesen.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>ein symbolischer Link, der im Kreis führt</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>ein symbolischer Link auf %1, das nicht existiert</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>ein symbolischer Link auf %1, das nicht erreichbar ist (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>ein symbolischer Link auf %1, das %2 ist</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>%1 konnte nicht gespeichert werden: Es ist keine Datei, sondern %2, und bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 ist größer als die erlaubten %2 Bytes; es wird nicht gelesen.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>Zeile %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>die Datei ist größer als die erlaubten %1 Zeichen; sie wird nicht gelesen</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>%1 konnte nicht gespeichert werden: %2. Die Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>es ist keine Datei, sondern %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Die neue Datei %1 konnte nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle läuft auf dem Datenordner %1, ist aber über den Sitzungsbus nicht erreichbar.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Starten Sie Chronelle und sehen Sie sich die Alarme an, bevor Sie sie von hier aus ändern.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>diesem Programm fehlt die Fähigkeit CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Um sie zu erlauben, kann ein Administrator einmal ausführen:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>dieses System hat keine Uhr, die es wecken kann</translation>
    </message>
</context>
</TS>
