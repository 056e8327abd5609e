<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>l&apos;opzione «%1» deve essere %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>opzione «%1» sconosciuta (opzioni: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>non c&apos;è alcun bus di sessione (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>impossibile offrire %1 sul bus di sessione</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>il nome di bus %1 è già occupato da un&apos;altra copia</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>La sveglia con ID %1 non suonerà più; non c&apos;è nulla da saltare.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>opzione sconosciuta «%1» (opzioni: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>Il calendario è lungo %1 byte; Chronelle importa al massimo %2 byte.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 «%2»: non è una data nel formato AAAA-MM-GG</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 «%2»: la sveglia non verrebbe affatto messa in pausa; indica un giorno dopo oggi</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>proprietà %1 danneggiata</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>nessun orario di inizio</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>un evento di un giorno intero, senza un orario a cui suonare</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>una sveglia KAlarm di tipo %1, non attiva</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>una sveglia KAlarm con la sola data, senza un orario a cui suonare</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>più di una RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>già passato</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Evento %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>Il file è lungo %1 byte; un calendario di sveglie può essere lungo al massimo %2 byte.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Questo non è un file iCalendar: non inizia con BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>Questo non è un file iCalendar: non è stato possibile leggerlo come tale.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Spegni il monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Sospendi il PC</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Spegni il PC</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>lo stesso UID di un evento precedente</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Azione di risparmio energetico di %1 tralasciata: «%2» richiede il tuo consenso (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>I fusi orari del calendario hanno più regole di quante Chronelle ne legga (alla riga %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>Il calendario ha più di %1 componenti (eventi, promemoria, fusi orari e loro parti); Chronelle ne legge al massimo altrettanti.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>La riga %1 del calendario annida componenti per più di %2 livelli.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>La riga %1 del calendario è più lunga di %2 byte; Chronelle legge al massimo questo.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: un fuso orario che né il calendario né il database dei fusi orari descrivono</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>non letto: seguire la sua regola richiede più lavoro di quanto un&apos;importazione possa impiegare</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>una serie senza titolo</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>una modifica all&apos;occorrenza del %1 di una serie che non è in questo calendario</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>una modifica all&apos;occorrenza del %1 di %2, già passata</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>una modifica all&apos;occorrenza del %1 di %2, che viene tralasciata</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>una modifica all&apos;occorrenza del %1 di %2, compresa nella sveglia di quella serie</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: un promemoria in un momento preciso di un evento che si ripete</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>inizia il %1, e una sveglia che suona ogni ora può attendere solo l&apos;inizio di un giorno</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>in %1 i suoi giorni non sono quelli di una sola sveglia (dal %2 in poi)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: %n giorno futuro escluso (%1)</numerusform>
            <numerusform>EXDATE: %n giorni futuri esclusi (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: %n occorrenza futura modificata (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n occorrenze future modificate (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>mantiene d&apos;ora in poi la sua ora locale %1, anche se la differenza tra %2 e %3 cambia: il %4 l&apos;evento è qui alle %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>«%1» non è una posizione di sveglia valida (da 0 a %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Cadenza</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>L&apos;elenco delle sveglie %1 non è un file ma %2. Chronelle si avvia senza sveglie e lo lascia com&apos;è; per conservare delle sveglie, rimuoverlo o mettere al suo posto l&apos;elenco delle sveglie.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (riga 1: il numero di sveglie)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>La prima riga annuncia «%1» sveglie, ma seguono %2 righe (otto per ogni sveglia).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> dopo la riga %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

Impossibile leggere l&apos;elenco delle sveglie %2%3. La sveglia letta (%n) viene conservata.</numerusform>
            <numerusform>%1

Impossibile leggere l&apos;elenco delle sveglie %2%3. Le %n sveglie lette vengono conservate.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

Impossibile leggere l&apos;elenco delle sveglie.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> Il file originale viene conservato come %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Impossibile conservare una copia del file originale come %1 (%2); salvare le sveglie altrove prima di uscire dal programma.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>non è in UTF-8; è stato letto interamente come Windows-1252</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>è in %1 (inizia con un BOM, il marcatore dell&apos;ordine dei byte); è stato letto interamente</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>L&apos;elenco delle sveglie %1 %2 e d&apos;ora in poi viene salvato in UTF-8 senza BOM. Nessuna sveglia è andata persa.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Impossibile conservare una copia del file originale come %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (riga %2: %3 della sveglia %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>chiave dell&apos;ora</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>chiave della data</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>posizione</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>La posizione di sveglia «%1» è usata da due sveglie (riga %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>e %n altra.</numerusform>
            <numerusform>e altre %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n sveglia non ha un file della sveglia in %1. Suona comunque, con il primo suono incorporato e senza promemoria:
%2

Modificare la sveglia per ridarle le sue impostazioni, oppure eliminarla.</numerusform>
            <numerusform>%n sveglie non hanno un file della sveglia in %1. Suonano comunque, con il primo suono incorporato e senza promemoria:
%2

Modificare queste sveglie per ridare loro le impostazioni, oppure eliminarle.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>L&apos;elenco delle sveglie %1 indica la posizione di sveglia %2 come «%3» (riga %4); d&apos;ora in poi viene salvata come «%2».</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Nessuna sveglia è andata persa.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>Impossibile salvare la sveglia «%1»: %2. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>il suo campo %1 contiene un a capo o un carattere che una riga del suo file non può contenere</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>il suo campo %1 è lungo %2 caratteri; una riga dell’elenco delle sveglie ne contiene al massimo %3</translation>
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
        <translation>non è un orario nel formato HH:MM o HH:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>l&apos;ora deve essere compresa tra 0 e 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>i minuti devono essere compresi tra 0 e 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>i secondi devono essere compresi tra 0 e 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>non è una data nel formato AAAA-MM-GG</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>nessun giorno indicato (giorni: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>«%1» non è un giorno (giorni: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>il giorno del mese deve essere compreso tra 1 e 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>non è un mese e giorno nel formato MM-GG</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: il promemoria è vuoto</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: il promemoria contiene un carattere di controllo (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>un nome di file con un a capo non può stare nella playlist</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>non è un percorso completo</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>non è tra %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>non accetta alcun valore</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>deve essere compreso tra 0 e 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>quel momento è già passato</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 «%2»: file inesistente</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 «%2»: non è un file regolare</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 «%2»: non è un file regolare ma una vista del sistema in esecuzione</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 «%2»: il file non può essere letto</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>suono incorporato</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>minuti di suono</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>minuti di dissolvenza in entrata</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>minuti di dissolvenza in uscita</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>minuti di posticipo</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>minuti prima del posticipo automatico</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volume</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>minuti prima della chiusura automatica</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>azione di risparmio energetico</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>deve essere da %1 a %2</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>ora della sveglia</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>non è una data e ora valida</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>modo di chiusura</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>esattamente uno dei suoi tre interruttori deve essere attivo</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>playlist</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>vengono riprodotti al massimo %1 file</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>voce della playlist</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Tutte le %1 sveglie sono in uso. Eliminare una sveglia prima di aggiungerne una nuova.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Tutte le %1 sveglie sono in uso; eliminarne una prima di aggiungerne un&apos;altra.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Non esiste alcuna sveglia con ID %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Nessuna sveglia sta suonando.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>La sveglia «%1» è stata modificata o eliminata mentre la si modificava; le modifiche non vengono salvate.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>Impossibile ripristinare la sveglia «%1»: il suo posto è occupato da un&apos;altra sveglia.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>Non c&apos;è alcuna sveglia nella riga %1.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>righe da %1 a %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>La sveglia sarebbe lunga %1 caratteri; un file della sveglia ne contiene al massimo %2. Per salvarla, accorciare il promemoria o la playlist.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 è lunga %2 caratteri; un file della sveglia contiene righe di al massimo %3 caratteri. Accorciarla per salvare la sveglia.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Una voce della playlist</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Una riga del promemoria</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Il file della sveglia %1 manca. L&apos;editor mostra le impostazioni di una nuova sveglia; «OK» le salva come %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Viene conservato come %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Non è stato possibile leggere nulla dal file della sveglia, quindi la sveglia non può essere modificata.%2 Eliminare la sveglia e aggiungerla di nuovo, oppure riparare il file.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Impossibile conservare il file della sveglia come %2 (%3), quindi ora la sveglia non può essere modificata: la modifica lo sostituirebbe.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Impossibile leggere interamente il file della sveglia; viene conservato come %2. L&apos;editor mostra ciò che è stato letto e, per il resto, le impostazioni di una nuova sveglia; «OK» sostituisce %3 con ciò che mostra.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>in pausa fino al %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>saltata fino a %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltata</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>attiva</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Non dimenticare di ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Metti in pausa la sveglia</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Suona di nuovo il:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Attiva</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Salta la prossima</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>&amp;Pausa fino al...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>Impossibile pianificare la sveglia «%1», che viene saltata: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minuti trascorsi</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minuti non trascorsi</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Riga %1 degli stati delle sveglie: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>Gli stati delle sveglie annunciano %1 voci, ma seguono %2 righe (quattro per ogni voce).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>«%1» non è una posizione di sveglia libera</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>«%1» non è né TRUE né FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>«%1» non è un istante</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>«%1» non è una data</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>Impossibile leggere gli stati delle sveglie %1: %2

Tutte le sveglie sono attive e nessuna è saltata o in pausa finché non la si modifica.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> Il file viene conservato come %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>«%1» non va qui</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>L&apos;audio era disattivato e al %1 %; per questa sveglia è attivo al %2 %.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>L&apos;audio era disattivato; per questa sveglia è attivo.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>L&apos;audio era al %1 %; per questa sveglia è al %2 %.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>L&apos;audio di Chronelle era disattivato; per questa sveglia è attivo.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Impossibile controllare l&apos;audio: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>Il server audio è scomparso mentre la sveglia suonava.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>il server audio non ha risposto</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>non c&apos;è alcuna uscita audio</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>il server audio ha rifiutato di modificare l&apos;uscita</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossibile rimuovere %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>%n altro evento tralasciato, non elencato</numerusform>
            <numerusform>altri %n eventi tralasciati, non elencati</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>«%1»: la stessa sveglia di un evento precedente (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Non è stato importato nulla: ci starebbero solo %1 della %n sveglia del file (Chronelle ne tiene al massimo %2, %3 sono in uso e %4 delle sveglie del file sono già qui).</numerusform>
            <numerusform>Non è stato importato nulla: ci starebbero solo %1 delle %n sveglie del file (Chronelle ne tiene al massimo %2, %3 sono in uso e %4 delle sveglie del file sono già qui).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Non è stato importato nulla: la %n sveglia non è stata né aggiunta né aggiornata, e tutte le sveglie sono come prima. %1</numerusform>
            <numerusform>Non è stato importato nulla: nessuna delle %n sveglie è stata aggiunta o aggiornata, e tutte le sveglie sono come prima. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Un&apos;altra importazione è in corso di lettura; riprova quando è terminata.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 di ogni ora</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>il %1 di ogni mese</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Una sveglia per il desktop con quadrante a matrice di punti che risiede nell&apos;area di notifica.</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Uno dei comandi elencati sotto, con i suoi argomenti.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Le sveglie lette all&apos;avvio suonano come sempre, ma d&apos;ora in poi nessuna modifica potrà essere salvata.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[comando [argomenti]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>Le impostazioni dell&apos;orologio %1 non sono un file ma %2. Vengono usati la dimensione normale e «Blu», e l&apos;elemento viene lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (riga 1: la dimensione)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

Impossibile leggere le impostazioni dell&apos;orologio in %2; vengono usati la dimensione normale e «Blu» e all&apos;uscita viene scritto un file corretto.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 è indicato %2 volte</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID «%1»: non è un ID di sveglia (il numero mostrato da `chronelle list`)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 e --%2 non possono essere indicati insieme</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: il nome del file è vuoto</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume «%1»: deve essere un numero intero da 0 a 100</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Nessuna sveglia suonerà.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>tutte le sveglie: ID, attiva/disattivata, cadenza, ora, programmazione, prossimo suono, titolo</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Un array di oggetti JSON.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>la prossima sveglia che suonerà</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>aggiunge una sveglia e ne mostra l&apos;ID</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Una volta, in questo giorno.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Ogni ora.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Ogni giorno.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>In questi giorni: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>In questo giorno di ogni mese.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>In questo giorno di ogni anno.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>Il promemoria.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Un file della playlist.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>Il volume, in percentuale.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>elimina la sveglia</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>attiva la sveglia</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>disattiva la sveglia</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>salta il prossimo suono della sveglia</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>la sveglia suona di nuovo a partire da quel giorno</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>Il primo giorno in cui suona di nuovo.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause richiede --until AAAA-MM-GG</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>annulla un salto o una pausa</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>posticipa la sveglia che sta suonando</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>ferma la sveglia che sta suonando, come il suo pulsante OK</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>scrive tutte le sveglie in formato iCalendar in FILE o sullo standard output</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>Importata %n sveglia%1</numerusform>
            <numerusform>Importate %n sveglie%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Tralasciato %1</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Comandi (se il programma è in esecuzione vengono inviati al programma, altrimenti agiscono sulla cartella dei dati):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Codici di uscita: 0 eseguito, 1 impossibile eseguire, 2 uso errato.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>«%1» non è un comando</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>uso: chronelle %1%2</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>aggiunge le sveglie di un file iCalendar, tutte o nessuna; un evento già importato aggiorna la sua sveglia; indica quali eventi ha tralasciato e perché</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Mantiene le azioni di risparmio energetico degli eventi (spegni monitor, sospendi, spegni); senza, vengono tralasciate.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n sveglia aggiornata sul posto: %1</numerusform>
            <numerusform>%n sveglie aggiornate sul posto: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n sveglia lasciata com&apos;era, il suo evento è invariato: %1</numerusform>
            <numerusform>%n sveglie lasciate com&apos;erano, i loro eventi sono invariati: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>%n altro evento tralasciato, non elencato qui</numerusform>
            <numerusform>altri %n eventi tralasciati, non elencati qui</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Esclusa: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argomento non valido per la codifica dell&apos;ora</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argomento non valido per la codifica della data</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>«%1» era prevista per il %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
e più di %n altra.</numerusform>
            <numerusform>
e più di altre %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
e %n altra.</numerusform>
            <numerusform>
e altre %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Mentre il computer non controllava l&apos;ora, più di %n sveglia è passata senza suonare:
%1</numerusform>
            <numerusform>Mentre il computer non controllava l&apos;ora, più di %n sveglie sono passate senza suonare:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Mentre il computer non controllava l&apos;ora, %n sveglia è passata senza suonare:
%1</numerusform>
            <numerusform>Mentre il computer non controllava l&apos;ora, %n sveglie sono passate senza suonare:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Sveglia persa</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
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
        <translation>Cadenza: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Giorni della settimana:</translation>
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
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>A&amp;ttiva</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Promemoria:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Non dimenticare di ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Chiusura </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Chiusura</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Lascia aperta la finestra della sveglia</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Chiudi la finestra automaticamente</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Chiudi dopo                            minuti</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Risparmio energetico</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Risparmio energetico</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>È possibile risparmiare energia sospendendo o spegnendo il PC oppure spegnendo il monitor </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Spegni il monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Sospendi il PC</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Spegni il PC</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>non supportato qui</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Non disponibile: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>File audio (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Tutti i file (*)</translation>
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
        <translation>Riproduci brani:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;pri</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Togli</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Su</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Brani</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Suoni della sveglia</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Suono 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Suono 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Suono 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Suono 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Suono della sveglia</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Questi file non sono stati aggiunti perché il loro nome contiene un a capo. Rinominarli e aggiungerli di nuovo:
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
</context>
<context>
    <name>EditorSoundPage</name>
    <message>
        <source>Volum effect </source>
        <translation>Volume </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>Crescendo in:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Minuti di crescendo</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Diminuendo dopo:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Minuti prima del diminuendo</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Posticipo:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Volume massimo:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Posticipa automaticamente dopo</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Posticipa automaticamente dopo</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Minuti prima del posticipo automatico</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(%n altra riga)</numerusform>
            <numerusform>(altre %n righe)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle resta in esecuzione perché nulla vada perso: termina non appena tutto è salvato. Rimuovere la causa (se il disco è pieno, liberare spazio) e scegliere di nuovo Esci.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>l&apos;elenco delle sveglie (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>le impostazioni dell&apos;orologio (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle termina senza salvare %2.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle non può conservare i propri file in %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Impossibile sostituire %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>Impossibile salvare %1: è un collegamento simbolico a %2, su un altro file system, dove non può essere sostituito in un solo passaggio. Il file viene lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>Impossibile rimuovere %1: è una cartella, non un file, e viene lasciata com&apos;è.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> La modifica viene conservata e sarà completata al prossimo avvio.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>la riga %1 dice «%2», cosa che nessuna modifica può fare</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>Impossibile seguire il registro delle modifiche %1: %2. Non è stato possibile nemmeno metterlo da parte come %3 (%4). Finché non viene rimosso, nessuna sveglia può essere aggiunta, modificata o eliminata.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>Impossibile seguire il registro delle modifiche %1: %2. Nulla di quanto contiene è stato eseguito, e viene conservato come %3. Le sveglie sono come erano prima della modifica che indica (o dopo, se era completa). Controllare le sveglie; dopodiché %3 può essere eliminato.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Ogni ora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ogni anno</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Sett.</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anno</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Guida di Chronelle</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>In&amp;dietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>&amp;Pagina iniziale</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Il file della guida %1 manca.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>Il visualizzatore della guida non ha una cartella in cui conservare il proprio indice (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>Impossibile avviare il visualizzatore della guida: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>Il visualizzatore della guida non è riuscito a leggere %1: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>Il file della guida %1 non contiene la pagina %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>impossibile avviare il lettore audio: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Impossibile riprodurre: nessun file è aperto.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>non è stato possibile avviarlo: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>si è chiuso in modo anomalo</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>è terminato con lo stato %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>non è avanzato per %n secondo</numerusform>
            <numerusform>non è avanzato per %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>il lettore audio si è fermato: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>Impossibile riprodurre «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Impossibile aprire un file senza nome.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>Impossibile aprire «%1»: il file non esiste.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Impossibile aprire «%1»: non è un file.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>Impossibile aprire «%1»: il file è vuoto.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>Impossibile riprodurre il file.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>il server audio: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>non supportato</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>richiede un&apos;autorizzazione</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>non consentito</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>non supportato da questo sistema</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>il gestore dell&apos;alimentazione ha risposto «%1»</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>non supportato da questo schermo</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>non supportato su questo desktop Wayland</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>non supportato su questo display (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>non supportato: nessun bus di sistema (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>non supportato: nessuna connessione al server X</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>non supportato da questo server X (nessun DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>non supportato da questo schermo (non ha il risparmio energetico)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>il server X ha rifiutato di attivare il DPMS (errore %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>il server X ha rifiutato di spegnere il monitor (errore %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>Impossibile spegnere il monitor: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Impossibile sospendere: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Impossibile spegnere: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

La sveglia suona invece con il suo suono incorporato.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>Il suono della sveglia numero %1 non esiste; la sveglia suona senza audio.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

Il suono della sveglia viene riprovato a intervalli di pochi secondi.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>non supportato qui</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opzioni della sveglia</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Generale </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>%1 caratteri in tutto</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>un brano di %1 caratteri</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>una riga di %1 caratteri</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Impossibile salvare: %1 (al massimo %2).</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Promemoria:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Prevista alle %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Sveglia alle %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Assistenza tecnica</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Sito web</translation>
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
        <translation>Gestione sveglie</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Sveglie</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Le sveglie non riattivano il PC sospeso. &lt;a href=&quot;why&quot;&gt;Perché?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>Il sistema ha rifiutato l&apos;orario di riattivazione di questo computer.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>il sistema ha rifiutato l&apos;orario di riattivazione</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Le sveglie non riattiveranno questo computer dalla sospensione: %1.

%2%3Le sveglie il cui orario passa mentre è sospeso vengono segnalate al risveglio.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
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
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Metà</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Doppia</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Doppio clic qui per cambiare la dimensione del display</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Doppio clic qui per cambiare il colore del display</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>Informazioni su Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>&amp;Nascondi nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>&amp;Gestione sveglie</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>&amp;Salta la prossima sveglia</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>&amp;Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Dimensione orologio</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>&amp;Colore LCD</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>G&amp;uida</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: nessuna sveglia suonerà</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Prossima sveglia: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>&amp;Salta la prossima sveglia: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Sveglia saltata</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 non suonerà.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 con BOM</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>il file inizia con il BOM di %1 ma non è %1 valido</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una pipe con nome (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo a caratteri</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un file speciale</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 non è un file ma %2; non viene letto.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>un collegamento simbolico che gira in un ciclo</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>un collegamento simbolico a %1, che non esiste</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>un collegamento simbolico a %1, che non è raggiungibile (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>un collegamento simbolico a %1, che è %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>Impossibile salvare %1: non è un file ma %2, e viene lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 supera i %2 byte consentiti; non viene letto.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>la riga %1 supera i %2 caratteri</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>il file supera i %1 caratteri consentiti; non viene letto</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>Impossibile salvare %1: %2. Il file viene lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>non è un file ma %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Impossibile creare il nuovo file %1: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle è in esecuzione sulla cartella dei dati %1 ma non è raggiungibile sul bus di sessione.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Avviare Chronelle per controllare le sveglie prima di modificarle da qui.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>a questo programma manca la capacità CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Per concederla, un amministratore può eseguire una volta:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>questo sistema non ha un orologio in grado di riattivarlo</translation>
    </message>
</context>
</TS>
