<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>параметр «%1»: ожидается %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>неизвестный параметр «%1» (параметры: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>нет сеансовой шины (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>не удалось предоставить %1 на сеансовой шине</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>имя %1 на шине занято другим экземпляром программы</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>Будильник с идентификатором %1 больше не зазвонит; пропускать нечего.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>неизвестный параметр «%1» (параметры: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>Календарь занимает %1 байт; Chronelle импортирует не более %2 байт.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 «%2»: ожидается дата в формате ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 «%2»: будильник вообще не был бы приостановлен; укажите день после сегодняшнего</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>повреждённое свойство %1</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>нет времени начала</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>событие на весь день, без времени звонка</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>неактивный будильник KAlarm (тип: %1)</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>будильник KAlarm только с датой, без времени звонка</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>более одного правила RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>уже в прошлом</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Событие %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>Размер файла в байтах — %1, а календарь будильников может занимать не более %2.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Это не файл iCalendar: он не начинается с BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>Это не файл iCalendar: его не удалось прочитать в этом формате.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Выключить экран</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Спящий режим</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Выключить ПК</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>тот же UID, что у предыдущего события</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Действие питания события %1 не перенесено: для «%2» нужно ваше согласие (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>В часовых поясах календаря больше правил, чем читает Chronelle (в строке %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>В календаре больше %1 компонентов (событий, напоминаний, часовых поясов и их частей); Chronelle читает не больше.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>Строка %1 календаря вкладывает компоненты глубже %2 уровней.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>Строка %1 календаря длиннее %2 байт; Chronelle читает не больше.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: часовой пояс, который не описан ни в календаре, ни в базе данных часовых поясов</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>не прочитано: разбор его правила потребовал бы больше работы, чем допустимо при импорте</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>без названия</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>изменение повторения от %1 серии, которой нет в этом календаре</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>изменение повторения от %1 серии %2, уже в прошлом</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>изменение повторения от %1 серии %2, которая пропускается</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>изменение повторения от %1 серии %2, учтённое в будильнике этой серии</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: напоминание в определённый момент повторяющегося события</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>оно начинается %1, а ежечасный будильник может ждать только начала суток</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>в %1 его дни не совпадают с днями одного будильника (начиная с %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: впереди %n исключённый день (%1)</numerusform>
            <numerusform>EXDATE: впереди %n исключённых дня (%1)</numerusform>
            <numerusform>EXDATE: впереди %n исключённых дней (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: впереди %n изменённое повторение (%1)</numerusform>
            <numerusform>RECURRENCE-ID: впереди %n изменённых повторения (%1)</numerusform>
            <numerusform>RECURRENCE-ID: впереди %n изменённых повторений (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>отныне сохраняет своё местное время %1, хотя разница между %2 и %3 меняется: %4 событие здесь будет в %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>«%1» — недопустимый номер ячейки будильника (от 0 до %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>Список будильников %1 — не файл, а %2. Chronelle запускается без будильников и ничего с ним не делает; чтобы сохранять будильники, удалите этот объект или поместите на его место список будильников.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (строка 1: число будильников)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>В первой строке указано число будильников «%1», но далее следует строк: %2 (по восемь на каждый будильник).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> после строки %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

Не удалось прочитать список будильников %2%3. Прочитанный из него %n будильник сохранён.</numerusform>
            <numerusform>%1

Не удалось прочитать список будильников %2%3. Прочитанные из него %n будильника сохранены.</numerusform>
            <numerusform>%1

Не удалось прочитать список будильников %2%3. Прочитанные из него %n будильников сохранены.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

Не удалось прочитать список будильников.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> Исходный файл сохранён как %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Не удалось сохранить копию исходного файла как %1 (%2); прежде чем выйти из программы, сохраните свои будильники в другом месте.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>записан не в UTF-8; он полностью прочитан как Windows-1252</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>записан в кодировке %1 (он начинается с метки порядка байтов); он прочитан полностью</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>Список будильников %1 %2 и отныне сохраняется в UTF-8 без метки порядка байтов. Ни один будильник не потерян.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Не удалось сохранить копию исходного файла как %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (строка %2: %3 будильника %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>ключ времени</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>ключ даты</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>номер ячейки</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>Ячейка будильника «%1» занята двумя будильниками (строка %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>и ещё %n будильник.</numerusform>
            <numerusform>и ещё %n будильника.</numerusform>
            <numerusform>и ещё %n будильников.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>У %n будильника нет файла в %1. Он всё равно звонит, но первым встроенным звуком и без напоминания:
%2

Измените такой будильник, чтобы снова задать его настройки, или удалите его.</numerusform>
            <numerusform>У %n будильников нет файлов в %1. Они всё равно звонят, но первым встроенным звуком и без напоминания:
%2

Измените такой будильник, чтобы снова задать его настройки, или удалите его.</numerusform>
            <numerusform>У %n будильников нет файлов в %1. Они всё равно звонят, но первым встроенным звуком и без напоминания:
%2

Измените такой будильник, чтобы снова задать его настройки, или удалите его.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>Список будильников %1 указывает ячейку будильника %2 как «%3» (строка %4); отныне она сохраняется как «%2».</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Ни один будильник не потерян.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>Будильник «%1» нельзя сохранить: %2. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>его поле %1 содержит перевод строки или символ, который строка файла не может вместить</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>его поле %1 длиной %2 символов; строка списка будильников вмещает не более %3</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>ожидается время в формате ЧЧ:ММ или ЧЧ:ММ:СС</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>час должен быть от 0 до 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>минуты должны быть от 0 до 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>секунды должны быть от 0 до 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>ожидается дата в формате ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>не указан день (дни: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>«%1» — не день недели (дни: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>день месяца должен быть от 1 до 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>ожидаются месяц и день в формате ММ-ДД</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: напоминание пустое</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: напоминание содержит управляющий символ (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>имя файла с переводом строки нельзя хранить в плейлисте</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>это не полный путь</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>допустимые значения: %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>значение не допускается</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>должно быть от 0 до 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>этот момент уже прошёл</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 «%2»: нет такого файла</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 «%2»: это не обычный файл</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 «%2»: это не обычный файл, а представление работающей системы</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 «%2»: файл не читается</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>частота</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>встроенный звук</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>минуты звука</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>минуты нарастания</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>минуты затухания</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>минуты отсрочки</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>минуты до автоотсрочки</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>громкость</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>минуты до автозакрытия</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>действие питания</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>должно быть от %1 до %2</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>время будильника</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>недопустимые дата и время</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>способ закрытия</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>включён должен быть ровно один из трёх переключателей</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>список воспроизведения</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>воспроизводится не более %1 файлов</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>элемент списка воспроизведения</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Все ячейки для будильников (%1) заняты. Удалите какой-нибудь будильник, прежде чем добавлять новый.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Все ячейки для будильников (%1) заняты; удалите один, прежде чем добавлять другой.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Будильника с идентификатором %1 нет.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Сейчас не звонит ни один будильник.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>Будильник «%1» был изменён или удалён во время редактирования; изменения не сохранены.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>Будильник «%1» нельзя восстановить: его место занято другим будильником.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>В строке %1 нет будильника.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>строки с %1 по %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 в файле %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>Длина будильника составила бы %1 симв., а файл будильника вмещает не более %2. Сократите напоминание или плейлист, чтобы его сохранить.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1: длина %2 симв., а строки файла будильника не длиннее %3 симв. Сократите её, чтобы сохранить будильник.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Запись плейлиста</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Строка напоминания</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Файл будильника %1 отсутствует. В редакторе показаны настройки нового будильника; кнопка «ОК» сохранит их как %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Он сохранён как %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Из файла будильника ничего не удалось прочитать, поэтому будильник нельзя изменить.%2 Удалите будильник и добавьте его заново или исправьте файл.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Не удалось сохранить файл будильника как %2 (%3), поэтому сейчас будильник нельзя изменить: изменение заменило бы этот файл.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Файл будильника прочитан не полностью; он сохранён как %2. В редакторе показано то, что удалось прочитать, а остальное — по настройкам нового будильника; кнопка «ОК» заменит %3 тем, что показано.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>приостановлен до %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>пропущен до %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>пропущен</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>включён</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Не забыть ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Приостановить будильник</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Снова звонит с:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Включён</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Пропустить следующий</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>Приостановить &amp;до...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Во&amp;зобновить</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>Будильник «%1» невозможно запланировать, он пропускается: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Минуты прошли</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Минуты не прошли</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Строка %1 файла состояний будильников: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>В состояниях будильников указано записей: %1, но далее следует строк: %2 (по четыре на каждую запись).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>«%1» — не свободная ячейка будильника</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>«%1» — ни TRUE, ни FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>«%1» — не момент времени</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>«%1» — не дата</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>Не удалось прочитать состояния будильников %1: %2

Все будильники включены, ни один не пропущен и не приостановлен, пока вы это не измените.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> Файл сохранён как %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>«%1» здесь не к месту</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>Звук был выключен (%1 %); для будильника он включён на %2 %.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>Звук был выключен; для будильника он включён.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>Громкость была %1 %; для будильника — %2 %.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Звук Chronelle был выключен; для будильника он включён.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Не удалось проверить звук: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>Звуковой сервер отключился во время звонка будильника.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>звуковой сервер не ответил</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>нет устройства вывода звука</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>звуковой сервер отказался изменить вывод</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>Не удалось удалить %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Не удалось создать папку %1.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>ещё %n пропущенное событие, не перечислено</numerusform>
            <numerusform>ещё %n пропущенных события, не перечислены</numerusform>
            <numerusform>ещё %n пропущенных событий, не перечислены</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>«%1»: тот же будильник, что и у предыдущего события (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Ничего не импортировано: поместился бы только %1 из %n будильника в файле (Chronelle хранит не более %2 будильников, занято %3, и %4 будильников из файла уже здесь).</numerusform>
            <numerusform>Ничего не импортировано: поместилось бы только %1 из %n будильников в файле (Chronelle хранит не более %2 будильников, занято %3, и %4 будильников из файла уже здесь).</numerusform>
            <numerusform>Ничего не импортировано: поместилось бы только %1 из %n будильников в файле (Chronelle хранит не более %2 будильников, занято %3, и %4 будильников из файла уже здесь).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Ничего не импортировано: %n будильник не добавлен и не обновлён, все будильники остались прежними. %1</numerusform>
            <numerusform>Ничего не импортировано: ни один из %n будильников не добавлен и не обновлён, все будильники остались прежними. %1</numerusform>
            <numerusform>Ничего не импортировано: ни один из %n будильников не добавлен и не обновлён, все будильники остались прежними. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Уже читается другой импорт; повторите, когда он завершится.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 каждого часа</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>%1-го числа каждого месяца</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Будильник для рабочего стола с точечно-матричным циферблатом, который живёт в области уведомлений.</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Одна из команд ниже с её аргументами.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Непредвиденный аргумент «%1».</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Будильники, прочитанные при запуске, звонят как обычно, но дальнейшие изменения сохранить не удастся.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[команда [аргументы]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>Настройки часов %1 — не файл, а %2. Используются обычный размер и цвет «Синий», а сам объект оставлен как есть.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (строка 1: размер)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

Не удалось прочитать настройки часов в %2; используются обычный размер и цвет «Синий», а при выходе будет записан правильный файл.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 указан несколько раз (%2)</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID «%1»: это не идентификатор будильника (число, которое показывает `chronelle list`)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 и --%2 нельзя указывать вместе</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: пустое имя файла</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume «%1»: требуется целое число от 0 до 100</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Ни один будильник не зазвонит.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>все будильники: id, вкл./выкл., повтор, время, расписание, следующий звонок, заголовок</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Массив объектов JSON.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>следующий будильник, который зазвонит</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>добавляет будильник и выводит его id</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Однократно, в этот день.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Каждый час.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Каждый день.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>В эти дни: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>В этот день каждого месяца.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>В этот день каждого года.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>Напоминание.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Файл плейлиста.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>Громкость в процентах.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>удаляет будильник</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>включает будильник</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>выключает будильник</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>пропускает следующий звонок будильника</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>будильник снова звонит начиная с этого дня</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>Первый день, когда будильник снова зазвонит.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>для pause нужен параметр --until ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>отменяет пропуск или приостановку</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>откладывает звонящий будильник</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>останавливает звонящий будильник, как его кнопка «ОК»</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>записывает все будильники в формате iCalendar в FILE или в стандартный вывод</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>Импортирован %n будильник%1</numerusform>
            <numerusform>Импортировано %n будильника%1</numerusform>
            <numerusform>Импортировано %n будильников%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Пропущено — %1</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Команды (если программа запущена, они передаются ей, если нет — выполняются над папкой данных):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Коды возврата: 0 — выполнено, 1 — выполнить не удалось, 2 — неверный вызов.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>«%1» — неизвестная команда</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>использование: chronelle %1%2</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>добавляет будильники из файла iCalendar, все или ни одного; уже импортированное событие обновляет свой будильник; сообщает, какие события пропущены и почему</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Сохранить действия питания событий (выключение монитора, спящий режим, выключение); без этого они не переносятся.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>Обновлён на месте %n будильник: %1</numerusform>
            <numerusform>Обновлены на месте %n будильника: %1</numerusform>
            <numerusform>Обновлены на месте %n будильников: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>Оставлен как был %n будильник, его событие не изменилось: %1</numerusform>
            <numerusform>Оставлены как были %n будильника, их события не изменились: %1</numerusform>
            <numerusform>Оставлены как были %n будильников, их события не изменились: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>Пропущено ещё %n событие, здесь не перечислено</numerusform>
            <numerusform>Пропущено ещё %n события, здесь не перечислены</numerusform>
            <numerusform>Пропущено ещё %n событий, здесь не перечислены</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Не экспортирован: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» — недопустимое целое число</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Недопустимый аргумент для кодирования времени</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Недопустимый аргумент для кодирования даты</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>«%1» — время звонка %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
и ещё более %n будильника.</numerusform>
            <numerusform>
и ещё более %n будильников.</numerusform>
            <numerusform>
и ещё более %n будильников.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
и ещё %n будильник.</numerusform>
            <numerusform>
и ещё %n будильника.</numerusform>
            <numerusform>
и ещё %n будильников.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Пока компьютер не следил за временем, более %n будильника прошло без звонка:
%1</numerusform>
            <numerusform>Пока компьютер не следил за временем, более %n будильников прошло без звонка:
%1</numerusform>
            <numerusform>Пока компьютер не следил за временем, более %n будильников прошло без звонка:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Пока компьютер не следил за временем, %n будильник прошёл без звонка:
%1</numerusform>
            <numerusform>Пока компьютер не следил за временем, %n будильника прошли без звонка:
%1</numerusform>
            <numerusform>Пока компьютер не следил за временем, %n будильников прошли без звонка:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Пропущенный будильник</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>EditorGeneralPage</name>
    <message>
        <source>Alarm Frequency: </source>
        <translation>Повтор: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Дни недели:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>&amp;Включён</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Напоминание:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Не забыть ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Закрытие окна </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Закрытие окна</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Не закрывать автоматически</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Закрывать автоматически</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Закрыть через                    мин.</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>Для экономии энергии можно перевести компьютер в спящий режим, выключить его или выключить монитор </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Ничего не делать</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Выключить экран</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Спящий режим</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Выключить ПК</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>здесь не поддерживается</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Недоступно: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Аудиофайлы (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>Плейлист </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Плейлист</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>Играть музыку:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Доб.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удал.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Композиции</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Встроенный звук:</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Звук 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Звук 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Звук 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Звук 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Звук будильника</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Эти файлы не добавлены, так как их имена содержат перевод строки. Переименуйте их и добавьте снова:
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
</context>
<context>
    <name>EditorSoundPage</name>
    <message>
        <source>Volum effect </source>
        <translation>Громкость </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>Нарастание:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Длительность нарастания, минут</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Затухание через:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Начало затухания, минут</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Отложить на:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Максимальная громкость:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Отложить автоматически через</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Отложить автоматически через</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Минут до автоматического откладывания</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(ещё %n строка)</numerusform>
            <numerusform>(ещё %n строки)</numerusform>
            <numerusform>(ещё %n строк)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle продолжает работать, чтобы ничего не потерялось: программа завершится, когда всё будет сохранено. Устраните причину (если диск заполнен, освободите место) и снова выберите «Выход».</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>список будильников (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>настройки часов (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle завершает работу, не сохранив %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle не может хранить свои файлы в %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Не удалось заменить %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Не удалось удалить %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>Не удалось сохранить %1: это символическая ссылка на %2 в другой файловой системе, где файл нельзя заменить за один шаг. Файл оставлен без изменений.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>Не удалось удалить %1: это папка, а не файл; она оставлена как есть.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> Изменение сохранено и будет завершено при следующем запуске.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>в строке %1 указано «%2», а такое изменение недопустимо</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>Не удаётся выполнить журнал изменений %1: %2. Переместить его в %3 тоже не удалось (%4). Пока он не удалён, добавлять, изменять и удалять будильники нельзя.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>Не удаётся выполнить журнал изменений %1: %2. Ничего из него не выполнено, он сохранён как %3. Будильники остались такими, какими были до указанного в нём изменения (или после него, если оно было завершено). Проверьте свои будильники; после этого %3 можно удалить.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Однократно</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Ежечасно</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ежегодно</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Разово</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Год</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Справка Chronelle</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Искать:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Указатель</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>&amp;Главная страница</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Файл справки %1 отсутствует.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>У окна справки нет папки для хранения указателя (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>Не удалось открыть окно справки: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>Окну справки не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>В файле справки %1 нет страницы %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» — недопустимое целое число</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>не удалось запустить проигрыватель: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Воспроизведение невозможно: файл не открыт.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>его не удалось запустить: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>он аварийно завершился</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>он завершился с кодом %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>он завис на %n секунду</numerusform>
            <numerusform>он завис на %n секунды</numerusform>
            <numerusform>он завис на %n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>проигрыватель остановился: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>Не удаётся воспроизвести «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Невозможно открыть файл без имени.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>Не удаётся открыть «%1»: файл не существует.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Не удаётся открыть «%1»: это не файл.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>Не удаётся открыть «%1»: файл пуст.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>Этот файл невозможно воспроизвести.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>звуковой сервер: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>не поддерживается</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>требуется авторизация</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>не разрешено</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>не поддерживается этой системой</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>менеджер питания ответил «%1»</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>не поддерживается этим дисплеем</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>не поддерживается в этом окружении Wayland</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>не поддерживается на этом дисплее (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>не поддерживается: нет системной шины (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>не поддерживается: нет соединения с X-сервером</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>не поддерживается этим X-сервером (нет DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>не поддерживается этим дисплеем (у него нет энергосбережения)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>X-сервер отказался включить DPMS (ошибка %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>X-сервер отказался выключить монитор (ошибка %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>Не удалось выключить монитор: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Не удалось перейти в спящий режим: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Не удалось выключить компьютер: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

Вместо этого будильник звонит встроенным звуком.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>Звука будильника с номером %1 нет; будильник звонит без звука.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

Попытка воспроизвести звук будильника повторяется каждые несколько секунд.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>здесь не поддерживается</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Параметры будильника</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>От&amp;мена</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Общие </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Плейлист</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>общая длина %1 симв.</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>запись плейлиста длиной %1 симв.</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>строка длиной %1 симв.</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Нельзя сохранить: %1 (не более %2).</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Не забудьте:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Назначен на %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Будильник на %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Техническая поддержка</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TFormAlarmList</name>
    <message>
        <source>Alarm Manager</source>
        <translation>Список будильников</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Будильники</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>О&amp;тменить</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Будильники не выведут ПК из сна. &lt;a href=&quot;why&quot;&gt;Почему?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>Система отклонила время пробуждения этого компьютера.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>система отклонила время пробуждения</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Будильники не будут выводить этот компьютер из спящего режима: %1.

%2%3О будильниках, время которых пройдёт, пока компьютер спит, будет сообщено при его пробуждении.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Половинный размер</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Обычный размер</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Двойной размер</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Дважды щёлкните здесь, чтобы изменить размер дисплея</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Дважды щёлкните здесь, чтобы изменить цвет дисплея</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>О программе Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>С&amp;крыть в область уведомлений</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>Список &amp;будильников</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>&amp;Пропустить следующий будильник</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>&amp;Запускать при входе</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Размер часов</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>&amp;Цвет дисплея</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: ни один будильник не зазвонит</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Следующий будильник: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>&amp;Пропустить следующий будильник: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Будильник пропущен</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 не зазвонит.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 с меткой порядка байтов</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>файл начинается с метки порядка байтов %1, но не является корректным текстом в %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>именованный канал (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>символьное устройство</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>блочное устройство</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>специальный файл</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 — не файл, а %2, поэтому не читается.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>символическая ссылка, которая образует петлю</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>символическая ссылка на несуществующий объект %1</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>символическая ссылка на недоступный объект %1 (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>символическая ссылка на %1 (это %2)</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>Не удалось сохранить %1: это не файл, а %2; объект оставлен как есть.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>Размер %1 превышает допустимый (%2 байт), поэтому файл не читается.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>строка %1 длиннее допустимого (%2 симв.)</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>файл больше допустимого размера (%1 симв.), поэтому не читается</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>Не удалось сохранить %1: %2. Файл оставлен без изменений.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>это не файл, а %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Не удалось создать новый файл %1: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle работает с папкой данных %1, но на сеансовой шине программа недоступна.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Запустите Chronelle и проверьте будильники, прежде чем изменять их отсюда.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>у программы нет привилегии CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Чтобы это разрешить, администратор может один раз выполнить:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>в этой системе нет часов, способных её разбудить</translation>
    </message>
</context>
</TS>
