<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>la opción «%1» debe ser %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>opción desconocida «%1» (opciones: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>no hay bus de sesión (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>no se pudo ofrecer %1 en el bus de sesión</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>otra copia ocupa el nombre de bus %1</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>La alarma con id %1 no volverá a sonar; no hay nada que omitir.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>opción desconocida «%1» (opciones: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>El calendario ocupa %1 bytes; Chronelle importa como máximo %2 bytes.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 «%2»: no es una fecha como AAAA-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 «%2»: la alarma no quedaría en pausa en absoluto; indique un día posterior a hoy</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>propiedad %1 dañada</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>sin hora de inicio</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>un evento de todo el día, sin hora a la que sonar</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>una alarma de KAlarm de tipo «%1», no una activa</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>una alarma de KAlarm solo con fecha, sin hora a la que sonar</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>más de una RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>ya pasada</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Evento %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>El archivo ocupa %1 bytes; un calendario de alarmas ocupa como máximo %2 bytes.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>No es un archivo iCalendar: no empieza por BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>No es un archivo iCalendar: no se pudo leer como tal.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Apagar el monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Suspender el PC</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Apagar el PC</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>el mismo UID que un evento anterior</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Acción de energía de %1 omitida: «%2» necesita su consentimiento (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>Las zonas horarias del calendario tienen más reglas de las que Chronelle lee (en la línea %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>El calendario tiene más de %1 componentes (eventos, avisos, zonas horarias y sus partes); Chronelle lee como máximo esa cantidad.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>La línea %1 del calendario anida componentes a más de %2 niveles.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>La línea %1 del calendario ocupa más de %2 bytes; Chronelle lee como máximo eso.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: una zona horaria que no describen ni el calendario ni la base de datos de zonas horarias</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>sin leer: seguir su regla requiere más trabajo del que puede dedicar una importación</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>una serie sin título</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>un cambio en la repetición del %1 de una serie que no está en este calendario</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>un cambio en la repetición del %1 de %2, ya pasada</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>un cambio en la repetición del %1 de %2, que se omite</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>un cambio en la repetición del %1 de %2, recogido en la alarma de esa serie</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: un aviso en un momento concreto de un evento que se repite</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>empieza el %1, y una alarma que suena cada hora solo puede esperar al inicio de un día</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>en %1 sus días no son los de una sola alarma (a partir del %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: %n día futuro excluido (%1)</numerusform>
            <numerusform>EXDATE: %n días futuros excluidos (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: %n repetición futura modificada (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n repeticiones futuras modificadas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>mantiene a partir de ahora su hora local %1, aunque cambia la diferencia horaria entre %2 y %3: el %4 el evento es aquí a las %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>«%1» no es una posición de alarma válida (de 0 a %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>La lista de alarmas %1 no es un archivo, sino %2. Chronelle se inicia sin alarmas y la deja como está; para conservar alarmas, elimínela o ponga allí la lista de alarmas.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (línea 1: el número de alarmas)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>La primera línea anuncia «%1» alarmas, pero siguen %2 líneas (ocho por alarma).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> después de la línea %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

No se pudo leer la lista de alarmas %2%3. Se conserva la %n alarma leída.</numerusform>
            <numerusform>%1

No se pudo leer la lista de alarmas %2%3. Se conservan las %n alarmas leídas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

No se pudo leer la lista de alarmas.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> El archivo original se conserva como %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> No se pudo guardar una copia del archivo original como %1 (%2); guarde sus alarmas en otro lugar antes de salir del programa.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>no está en UTF-8; se leyó entera como Windows-1252</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>está en %1 (empieza con una marca de orden de bytes); se leyó entera</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>La lista de alarmas %1 %2 y a partir de ahora se guarda en UTF-8 sin marca de orden de bytes. No se perdió ninguna alarma.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> No se pudo guardar una copia del archivo original como %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (línea %2: %3 de la alarma %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>clave de hora</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>clave de fecha</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>posición</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>La posición de alarma «%1» la usan dos alarmas (línea %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n alarma no tiene archivo de alarma en %1. Suena igualmente, con el primer sonido incorporado y sin recordatorio:
%2

Edite esa alarma para devolverle su configuración, o elimínela.</numerusform>
            <numerusform>%n alarmas no tienen archivo de alarma en %1. Suenan igualmente, con el primer sonido incorporado y sin recordatorio:
%2

Edite esas alarmas para devolverles su configuración, o elimínelas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>La lista de alarmas %1 indica la posición de alarma %2 como «%3» (línea %4); a partir de ahora se guarda como «%2».</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> No se perdió ninguna alarma.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>No se puede guardar la alarma «%1»: %2. No se guardó nada.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>su %1 contiene un salto de línea o un carácter que una línea de su archivo no puede llevar</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>su %1 tiene %2 caracteres; una línea de la lista de alarmas admite como máximo %3</translation>
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
        <translation>no es una hora como HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>la hora debe ser de 0 a 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>los minutos deben ser de 0 a 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>los segundos deben ser de 0 a 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>no es una fecha como AAAA-MM-DD</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>no se indica ningún día (días: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>«%1» no es un día (días: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>el día del mes debe ser de 1 a 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>no es un mes y un día como MM-DD</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: el recordatorio está vacío</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: el recordatorio contiene un carácter de control (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>un nombre de archivo con un salto de línea no puede estar en la lista de reproducción</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>no es una ruta completa</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>no es ninguno de %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>no admite valor</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>debe ser de 0 a 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>ese momento ya pasó</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 «%2»: no existe el archivo</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 «%2»: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 «%2»: no es un archivo normal sino una vista del sistema en marcha</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 «%2»: no se puede leer el archivo</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>sonido integrado</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>minutos de sonido</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>minutos de entrada gradual</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>minutos de salida gradual</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>minutos de repetición</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>minutos hasta la repetición automática</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volumen</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>minutos hasta el cierre automático</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>acción de energía</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>debe ser de %1 a %2</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>hora de la alarma</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>no es una fecha y hora válidas</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>forma de cierre</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>exactamente uno de sus tres interruptores debe estar activado</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>lista de reproducción</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>se reproducen como mucho %1 archivos</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>entrada de la lista de reproducción</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Las %1 alarmas están en uso. Elimine una alarma antes de añadir otra nueva.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>No se puede recuperar la alarma «%1»: otra alarma ocupa su lugar.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>No hay ninguna alarma en la fila %1.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Las %1 alarmas están en uso; elimine una antes de añadir otra.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>No hay ninguna alarma con id %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>No está sonando ninguna alarma.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>La alarma «%1» se cambió o eliminó mientras se editaba; la edición no se guarda.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>líneas %1 a %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>La alarma tendría %1 caracteres; un archivo de alarma admite como máximo %2. Acorte el recordatorio o la lista de reproducción para guardarla.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 tiene %2 caracteres; un archivo de alarma admite líneas de como máximo %3 caracteres. Acórtela para guardar la alarma.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Una entrada de la lista de reproducción</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Una línea del recordatorio</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Falta el archivo de alarma %1. El editor muestra la configuración de una alarma nueva; «Aceptar» la guarda como %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Se conserva como %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

No se pudo leer nada del archivo de alarma, así que la alarma no se puede editar.%2 Elimine la alarma y añádala de nuevo, o repare el archivo.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

No se pudo guardar el archivo de alarma como %2 (%3), así que ahora la alarma no se puede editar: la edición lo reemplazaría.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

No se pudo leer el archivo de alarma entero; se conserva como %2. El editor muestra lo que se leyó y, para el resto, la configuración de una alarma nueva; «Aceptar» reemplaza %3 por lo que muestra.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>en pausa hasta el %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>omitida hasta %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitida</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>activada</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>No olvides ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Pausar alarma</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Vuelve a sonar el:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activada</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Omitir la próxima</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>&amp;Pausar hasta...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>La alarma «%1» no se puede programar y se omite: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minutos pasados</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minutos no pasados</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Línea %1 de los estados de alarma: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>Los estados de alarma anuncian %1 entradas, pero siguen %2 líneas (cuatro por entrada).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>«%1» no es una posición de alarma libre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>«%1» no es ni TRUE ni FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>«%1» no es un momento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>No se pudieron leer los estados de alarma %1: %2

Todas las alarmas están activadas y ninguna está omitida ni en pausa hasta que lo cambie.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> El archivo se conserva como %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>«%1» no corresponde aquí</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>El sonido estaba silenciado y al %1 %; para esta alarma está activado al %2 %.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>El sonido estaba silenciado; para esta alarma está activado.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>El sonido estaba al %1 %; para esta alarma está al %2 %.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>El sonido de Chronelle estaba silenciado; para esta alarma está activado.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>No se pudo comprobar el sonido: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>El servidor de sonido desapareció mientras sonaba la alarma.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>el servidor de sonido no respondió</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>no hay salida de sonido</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>el servidor de sonido se negó a cambiar la salida</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo eliminar %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>%n evento omitido más, sin listar</numerusform>
            <numerusform>%n eventos omitidos más, sin listar</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>«%1»: la misma alarma que un evento anterior (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>No se importó nada: solo cabrían %1 de la %n alarma del archivo (Chronelle admite como mucho %2 alarmas, %3 están en uso y %4 de las alarmas del archivo ya están aquí).</numerusform>
            <numerusform>No se importó nada: solo cabrían %1 de las %n alarmas del archivo (Chronelle admite como mucho %2 alarmas, %3 están en uso y %4 de las alarmas del archivo ya están aquí).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>No se importó nada: la %n alarma no se añadió ni se actualizó, y todas las alarmas siguen como estaban. %1</numerusform>
            <numerusform>No se importó nada: ninguna de las %n alarmas se añadió ni se actualizó, y todas las alarmas siguen como estaban. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Ya se está leyendo otra importación; inténtelo de nuevo cuando termine.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 de cada hora</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>día %1 de cada mes</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Un despertador de escritorio con esfera de matriz de puntos que vive en el área de notificación.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Uno de los comandos de abajo, con sus argumentos.</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Las alarmas leídas al inicio suenan como siempre, pero a partir de ahora no se puede guardar ningún cambio.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[comando [argumentos]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>La configuración del reloj %1 no es un archivo, sino %2. Se usan el tamaño normal y «Azul», y se deja como está.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (línea 1: el tamaño)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

No se pudo leer la configuración del reloj en %2; se usan el tamaño normal y «Azul», y al salir se escribe un archivo correcto.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 se indica %2 veces</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID «%1»: no es un id de alarma (el número que muestra `chronelle list`)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 y --%2 no pueden indicarse a la vez</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume «%1»: debe ser un número entero de 0 a 100</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>No sonará ninguna alarma.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>todas las alarmas: id, activada o no, frecuencia, hora, calendario, próximo aviso, título</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Una matriz de objetos JSON.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>la próxima alarma que sonará</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>añade una alarma y muestra su id</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Una vez, ese día.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Cada hora.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Cada día.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>Estos días: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>Este día de cada mes.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>Este día de cada año.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>El recordatorio.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Un archivo de la lista de reproducción.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>El volumen, en porcentaje.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>elimina la alarma</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>activa la alarma</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>desactiva la alarma</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>omite el próximo aviso de la alarma</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>la alarma vuelve a sonar desde ese día</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>El primer día en que vuelve a sonar.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause necesita --until AAAA-MM-DD</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>deshace una omisión o una pausa</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>pospone la alarma que está sonando</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>detiene la alarma que está sonando, como su botón Aceptar</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Comandos (con el programa en marcha van a él; sin él, a la carpeta de datos):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Códigos de salida: 0 hecho, 1 no se pudo hacer, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>«%1» no es un comando</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>uso: chronelle %1%2</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: el nombre de archivo está vacío</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>escribe todas las alarmas como iCalendar en FILE o en la salida estándar</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>%n alarma importada%1</numerusform>
            <numerusform>%n alarmas importadas%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Omitido: %1</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>añade las alarmas de un archivo iCalendar, todas o ninguna; un evento ya importado actualiza su alarma; indica qué eventos dejó y por qué</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Conservar las acciones de energía de los eventos (apagar el monitor, suspender, apagar); sin esto se omiten.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n alarma actualizada en su sitio: %1</numerusform>
            <numerusform>%n alarmas actualizadas en su sitio: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n alarma dejada como estaba, su evento sin cambios: %1</numerusform>
            <numerusform>%n alarmas dejadas como estaban, sus eventos sin cambios: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>%n evento más omitido, no listado aquí</numerusform>
            <numerusform>%n eventos más omitidos, no listados aquí</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Omitida: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argumento no válido al codificar la hora</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argumento no válido al codificar la fecha</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>«%1» estaba prevista el %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
y más de %n más.</numerusform>
            <numerusform>
y más de %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
y %n más.</numerusform>
            <numerusform>
y %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Mientras el equipo no vigilaba el reloj, pasó más de %n alarma sin sonar:
%1</numerusform>
            <numerusform>Mientras el equipo no vigilaba el reloj, pasaron más de %n alarmas sin sonar:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Mientras el equipo no vigilaba el reloj, pasó %n alarma sin sonar:
%1</numerusform>
            <numerusform>Mientras el equipo no vigilaba el reloj, pasaron %n alarmas sin sonar:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Alarma perdida</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>EditorGeneralPage</name>
    <message>
        <source>Alarm Frequency: </source>
        <translation>Frecuencia: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Días:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>&amp;Activada</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Recordatorio:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>No olvides ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Cierre </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>No cerrar la ventana de alarma</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Cerrar la ventana de alarma automáticamente</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Cerrar tras                       minutos</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Ahorro de energía</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>Puede ahorrar energía suspendiendo o apagando el PC, o apagando el monitor </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Apagar el monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Suspender el PC</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Apagar el PC</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>no disponible aquí</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>No disponible: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Archivos de audio (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>Lista de reproducción </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>Reproducir música:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Canciones</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Reproducir sonidos de alarma</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Sonido 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Sonido 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Sonido 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Sonido 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Sonido de alarma</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oír</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Estos archivos no se añadieron porque sus nombres contienen un salto de línea. Cámbieles el nombre y añádalos de nuevo:
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>EditorSoundPage</name>
    <message>
        <source>Volum effect </source>
        <translation>Volumen </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>Aumento gradual:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Minutos de aumento gradual</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Descenso gradual desde:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>El descenso gradual empieza en el minuto</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Posponer:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Volumen máximo:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Posponer automáticamente tras sonar durante</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Posponer automáticamente tras sonar durante</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Posponer automáticamente tras minutos</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(%n línea más)</numerusform>
            <numerusform>(%n líneas más)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle sigue en marcha para que no se pierda nada: termina en cuanto todo esté guardado. Corrija la causa (si el disco está lleno, libere espacio) y vuelva a elegir Salir.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>la lista de alarmas (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>la configuración del reloj (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle termina sin guardar %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> ni </translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle no puede guardar sus archivos en %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>No se pudo reemplazar %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>No se pudo eliminar %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>No se pudo guardar %1: es un enlace simbólico a %2, en otro sistema de archivos, donde no se puede reemplazar en un solo paso. El archivo queda como estaba.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>No se pudo eliminar %1: es una carpeta, no un archivo, y se deja como está.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> El cambio se conserva y se completará en el próximo inicio.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>la línea %1 dice «%2», algo que ningún cambio puede hacer</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>No se puede seguir el registro de cambios %1: %2. Tampoco se pudo apartar como %3 (%4). Hasta que se elimine, no se puede añadir, cambiar ni eliminar ninguna alarma.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>No se puede seguir el registro de cambios %1: %2. No se hizo nada de lo que contiene, y se conserva como %3. Las alarmas están como antes del cambio que nombra (o después, si estaba completo). Revise sus alarmas; después puede eliminar %3.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Cada hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Cada año</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Año</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Ayuda de Chronelle</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>Página de &amp;inicio</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Falta el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>El visor de ayuda no tiene carpeta donde guardar su índice (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>No se pudo iniciar el visor de ayuda: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>El visor de ayuda no pudo leer %1: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>El archivo de ayuda %1 no tiene la página %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>no se pudo iniciar el reproductor de sonido: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>No se puede reproducir: no hay ningún archivo abierto.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>no se pudo iniciar: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>terminó con el estado %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>no avanzó durante %n segundo</numerusform>
            <numerusform>no avanzó durante %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>el reproductor de sonido se detuvo: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>No se puede reproducir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>No se puede abrir un archivo sin nombre.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>No se puede abrir «%1»: el archivo no existe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>No se puede abrir «%1»: no es un archivo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>No se puede abrir «%1»: el archivo está vacío.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>El archivo no se puede reproducir.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>el servidor de sonido: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>no compatible</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>necesita una autorización</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>no permitido</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>no compatible con este sistema</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>el gestor de energía respondió «%1»</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>no compatible con esta pantalla</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>no compatible con este escritorio Wayland</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>no compatible con esta pantalla (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>no compatible: no hay bus del sistema (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>no compatible: no hay conexión con el servidor X</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>no compatible con este servidor X (sin DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>no compatible con esta pantalla (no tiene ahorro de energía)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>el servidor X se negó a activar DPMS (error %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>el servidor X se negó a apagar el monitor (error %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>No se pudo apagar el monitor: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>No se pudo suspender: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>No se pudo apagar: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

La alarma suena con su sonido incorporado en su lugar.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>El sonido de alarma número %1 no existe; la alarma suena sin sonido.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

El sonido de alarma se vuelve a intentar cada pocos segundos.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>no disponible aquí</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opciones de alarma</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>General </source>
        <translation>General </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>%1 caracteres en total</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>una canción de %1 caracteres</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>una línea de %1 caracteres</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>No se puede guardar: %1 (como máximo %2).</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Recuerde:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Prevista a las %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarma a las %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Soporte técnico</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TFormAlarmList</name>
    <message>
        <source>Alarm Manager</source>
        <translation>Gestor de alarmas</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Las alarmas no despertarán este equipo. &lt;a href=&quot;why&quot;&gt;¿Por qué?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>El sistema rechazó la hora para despertar este equipo.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>el sistema rechazó la hora para despertarlo</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Las alarmas no despertarán este equipo de la suspensión: %1.

%2%3Las alarmas cuya hora pase mientras está suspendido se anuncian al despertar.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Tamaño mitad</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Tamaño normal</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Tamaño doble</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Doble clic aquí para cambiar el tamaño de la pantalla LCD</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Doble clic aquí para cambiar el color de la pantalla LCD</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>Acerca de Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>&amp;Ocultar en el área de notificación</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>&amp;Gestor de alarmas</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>Omitir la &amp;próxima alarma</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>&amp;Iniciar al entrar en la sesión</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Tamaño del reloj</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>&amp;Color de la pantalla LCD</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: no sonará ninguna alarma</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Próxima alarma: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>Omitir la &amp;próxima alarma: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Alarma omitida</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 no sonará.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 con marca de orden de bytes</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>el archivo empieza con la marca de orden de bytes de %1 pero no es %1 válido</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 no es un archivo, sino %2; no se lee.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>un enlace simbólico que da vueltas en un bucle</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>un enlace simbólico a %1, que no existe</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>un enlace simbólico a %1, que no es accesible (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>un enlace simbólico a %1, que es %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>No se pudo guardar %1: no es un archivo, sino %2, y se deja como está.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 supera los %2 bytes permitidos; no se lee.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>la línea %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>el archivo supera los %1 caracteres permitidos; no se lee</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>No se pudo guardar %1: %2. El archivo queda como estaba.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>no es un archivo, sino %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>No se pudo crear el archivo nuevo %1: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle se ejecuta sobre la carpeta de datos %1, pero no se puede contactar en el bus de sesión.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Inicie Chronelle para revisar las alarmas antes de cambiarlas desde aquí.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>este programa no tiene la capacidad CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Para permitirlo, un administrador puede ejecutar una vez:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>este sistema no tiene ningún reloj que pueda despertarlo</translation>
    </message>
</context>
</TS>
