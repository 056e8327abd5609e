<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» doit être %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» (options&#xa0;: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>il n&apos;y a pas de bus de session (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>impossible de servir %1 sur le bus de session</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>le nom de bus %1 est pris par une autre copie</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>L&apos;alarme d&apos;identifiant %1 ne sonnera plus&#xa0;; il n&apos;y a rien à sauter.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>option inconnue « %1 » (options : %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>Le calendrier fait %1 octets ; Chronelle importe au plus %2 octets.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 «&#xa0;%2&#xa0;»&#xa0;: pas une date au format AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 «&#xa0;%2&#xa0;»&#xa0;: l&apos;alarme ne serait pas du tout mise en pause&#xa0;; indiquez un jour après aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>propriété %1 endommagée</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>pas d&apos;heure de début</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>un événement sur toute la journée, sans heure à laquelle sonner</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>une alarme KAlarm de type « %1 », pas une alarme active</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>une alarme KAlarm avec une date seulement, sans heure à laquelle sonner</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>plus d&apos;une RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>déjà passé</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Événement %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>Le fichier fait %1 octets ; un calendrier d&apos;alarmes fait au plus %2 octets.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Ce n&apos;est pas un fichier iCalendar : il ne commence pas par BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>Ce n&apos;est pas un fichier iCalendar : il n&apos;a pas pu être lu comme tel.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Éteindre l&apos;écran</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Mettre le PC en veille</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Éteindre le PC</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>le même UID qu&apos;un événement précédent</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Action d&apos;énergie de %1 laissée de côté : « %2 » demande votre accord (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>Les fuseaux horaires du calendrier ont plus de règles que Chronelle n’en lit (à la ligne %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>Le calendrier a plus de %1 composants (événements, rappels, fuseaux horaires et leurs parties) ; Chronelle en lit au plus autant.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>La ligne %1 du calendrier imbrique des composants sur plus de %2 niveaux.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>La ligne %1 du calendrier dépasse %2 octets ; Chronelle en lit au plus autant.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1&#xa0;: un fuseau horaire que ni le calendrier ni la base de données des fuseaux horaires ne décrit</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>non lu&#xa0;: suivre sa règle demanderait plus de travail qu&apos;une importation ne peut y consacrer</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>sans titre</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>une modification de l&apos;occurrence du %1 d&apos;une série absente de ce calendrier</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>une modification de l&apos;occurrence du %1 de la série %2, déjà passée</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>une modification de l&apos;occurrence du %1 de la série %2, qui est ignorée</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>une modification de l&apos;occurrence du %1 de la série %2, contenue dans l&apos;alarme de cette série</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME&#xa0;: un rappel à un moment précis d&apos;un événement qui se répète</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>il commence le %1, et une alarme qui sonne chaque heure ne peut attendre que le début d&apos;une journée</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>dans %1, ses jours ne sont pas ceux d&apos;une seule alarme (à partir du %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE&#xa0;: %n jour exclu à venir (%1)</numerusform>
            <numerusform>EXDATE&#xa0;: %n jours exclus à venir (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID&#xa0;: %n occurrence modifiée à venir (%1)</numerusform>
            <numerusform>RECURRENCE-ID&#xa0;: %n occurrences modifiées à venir (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>garde désormais son heure locale %1, bien que le décalage entre %2 et %3 change&#xa0;: le %4, l&apos;événement a lieu ici à %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un emplacement d&apos;alarme valide (0 à %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>La liste des alarmes %1 n&apos;est pas un fichier mais %2. Chronelle démarre sans alarmes et la laisse telle quelle&#xa0;; pour conserver des alarmes, supprimez-la ou placez-y la liste des alarmes.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (ligne 1&#xa0;: le nombre d&apos;alarmes)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>La première ligne annonce «&#xa0;%1&#xa0;» alarmes, mais %2 lignes suivent (huit par alarme).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> après la ligne %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

La liste des alarmes %2 n&apos;a pas pu être lue%3. L&apos;alarme lue (%n) est conservée.</numerusform>
            <numerusform>%1

La liste des alarmes %2 n&apos;a pas pu être lue%3. Les %n alarmes lues sont conservées.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

La liste des alarmes n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> Le fichier d&apos;origine est conservé sous %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Une copie du fichier d&apos;origine n&apos;a pas pu être conservée sous %1 (%2)&#xa0;; sauvegardez vos alarmes ailleurs avant de quitter le programme.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>n&apos;est pas en UTF-8&#xa0;; elle a été lue entièrement en Windows-1252</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>est en %1 (elle commence par une marque d&apos;ordre des octets)&#xa0;; elle a été lue entièrement</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>La liste des alarmes %1 %2 et sera désormais enregistrée en UTF-8 sans marque d&apos;ordre des octets. Aucune alarme n&apos;a été perdue.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Une copie du fichier d&apos;origine n&apos;a pas pu être conservée sous %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (ligne %2&#xa0;: %3 de l&apos;alarme %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>clé d&apos;heure</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>clé de date</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>emplacement</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>L&apos;emplacement d&apos;alarme «&#xa0;%1&#xa0;» est utilisé par deux alarmes (ligne %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n alarme n&apos;a pas de fichier d&apos;alarme dans %1. Elle sonne quand même, avec le premier son intégré et sans message&#xa0;:
%2

Modifiez cette alarme pour lui redonner ses réglages, ou supprimez-la.</numerusform>
            <numerusform>%n alarmes n&apos;ont pas de fichier d&apos;alarme dans %1. Elles sonnent quand même, avec le premier son intégré et sans message&#xa0;:
%2

Modifiez ces alarmes pour leur redonner leurs réglages, ou supprimez-les.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>La liste des alarmes %1 donne l&apos;emplacement d&apos;alarme %2 sous la forme «&#xa0;%3&#xa0;» (ligne %4)&#xa0;; il sera désormais enregistré sous la forme «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Aucune alarme n&apos;a été perdue.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>L’alarme « %1 » ne peut pas être enregistrée : %2. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>son champ %1 contient un saut de ligne ou un caractère qu’une ligne de son fichier ne peut pas porter</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>son champ %1 compte %2 caractères ; une ligne de la liste des alarmes en contient au plus %3</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>pas une heure au format HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>l&apos;heure doit être de 0 à 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>les minutes doivent être de 0 à 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>les secondes doivent être de 0 à 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>pas une date au format AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>aucun jour donné (jours&#xa0;: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un jour (jours&#xa0;: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>le jour du mois doit être de 1 à 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>pas un mois et un jour au format MM-JJ</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo&#xa0;: le message est vide</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo&#xa0;: le message contient un caractère de contrôle (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>un nom de fichier avec un saut de ligne ne peut pas figurer dans la liste de lecture</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>pas un chemin complet</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>pas l&apos;un de %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>ne prend pas de valeur</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>doit être de 0 à 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>ce moment est passé</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 « %2 » : fichier introuvable</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 « %2 » : pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 « %2 » : pas un fichier ordinaire mais une vue du système en marche</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 « %2 » : le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>son intégré</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>minutes de son</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>minutes de fondu d&apos;entrée</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>minutes de fondu de sortie</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>minutes de répétition</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>minutes avant répétition automatique</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volume</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>minutes avant fermeture automatique</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>action d&apos;énergie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>doit être de %1 à %2</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>pas une date et une heure valides</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>mode de fermeture</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>exactement un de ses trois interrupteurs doit être activé</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>liste de lecture</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>%1 fichiers au plus sont joués</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>entrée de la liste de lecture</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Les %1 alarmes sont toutes utilisées. Supprimez une alarme avant d&apos;en ajouter une nouvelle.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>L&apos;alarme «&#xa0;%1&#xa0;» ne peut pas être rétablie&#xa0;: sa place est prise par une autre alarme.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>Il n&apos;y a pas d&apos;alarme à la ligne %1.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Les %1 alarmes sont toutes utilisées&#xa0;; supprimez-en une avant d&apos;en ajouter une autre.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Il n&apos;y a pas d&apos;alarme d&apos;identifiant %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Aucune alarme ne sonne.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>L&apos;alarme «&#xa0;%1&#xa0;» a été modifiée ou supprimée pendant sa modification&#xa0;; la modification n&apos;est pas enregistrée.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>lignes %1 à %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>L&apos;alarme ferait %1 caractères&#xa0;; un fichier d&apos;alarme en contient au plus %2. Raccourcissez le message ou la liste de lecture pour l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 fait %2 caractères&#xa0;; un fichier d&apos;alarme contient des lignes d&apos;au plus %3 caractères. Raccourcissez-la pour enregistrer l&apos;alarme.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Une entrée de la liste de lecture</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Une ligne du message</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Le fichier d&apos;alarme %1 est absent. L&apos;éditeur affiche les réglages d&apos;une nouvelle alarme&#xa0;; «&#xa0;OK&#xa0;» les enregistre sous %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Il est conservé sous %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Rien n&apos;a pu être lu dans le fichier d&apos;alarme, l&apos;alarme ne peut donc pas être modifiée.%2 Supprimez l&apos;alarme et recréez-la, ou réparez le fichier.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Le fichier d&apos;alarme n&apos;a pas pu être conservé sous %2 (%3), l&apos;alarme ne peut donc pas être modifiée maintenant&#xa0;: la modification le remplacerait.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Le fichier d&apos;alarme n&apos;a pas pu être lu entièrement&#xa0;; il est conservé sous %2. L&apos;éditeur affiche ce qui a été lu, et pour le reste les réglages d&apos;une nouvelle alarme&#xa0;; «&#xa0;OK&#xa0;» remplace %3 par ce qu&apos;il affiche.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>en pause jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>sautée jusqu&apos;à %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>sautée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Ne pas oublier de ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Mettre l&apos;alarme en pause</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Sonne de nouveau le&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activée</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Sauter la prochaine</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>&amp;Pause jusqu&apos;au...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>S&amp;upprimer</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>L&apos;alarme «&#xa0;%1&#xa0;» ne peut pas être planifiée et est ignorée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minutes écoulées</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minutes non écoulées</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Ligne %1 des états des alarmes&#xa0;: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>Les états des alarmes annoncent %1 entrées, mais %2 lignes suivent (quatre par entrée).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un emplacement d&apos;alarme libre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni TRUE ni FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un instant</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>Les états des alarmes %1 n&apos;ont pas pu être lus&#xa0;: %2

Toutes les alarmes sont activées et rien n&apos;est sauté ni en pause tant que vous ne le changez pas.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> Le fichier est conservé sous %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>« %1 » n&apos;a pas sa place ici</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>Le son était coupé et à %1 %&#xa0;; il est activé à %2 % pour cette alarme.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>Le son était coupé&#xa0;; il est activé pour cette alarme.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>Le son était à %1 %&#xa0;; il est à %2 % pour cette alarme.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Le son de Chronelle était coupé&#xa0;; il est activé pour cette alarme.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Le son n&apos;a pas pu être vérifié&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>Le serveur de son a disparu pendant que l&apos;alarme sonnait.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>le serveur de son n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>il n&apos;y a pas de sortie audio</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>le serveur de son a refusé de modifier la sortie</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>%n autre événement ignoré, non listé</numerusform>
            <numerusform>%n autres événements ignorés, non listés</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>« %1 » : la même alarme qu&apos;un événement précédent (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Rien n&apos;a été importé : seules %1 des %n alarme du fichier tiendraient (Chronelle garde au plus %2 alarmes, %3 sont utilisées, et %4 des alarmes du fichier sont déjà là).</numerusform>
            <numerusform>Rien n&apos;a été importé : seules %1 des %n alarmes du fichier tiendraient (Chronelle garde au plus %2 alarmes, %3 sont utilisées, et %4 des alarmes du fichier sont déjà là).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Rien n&apos;a été importé : la %n alarme n&apos;a été ni ajoutée ni mise à jour, et toutes les alarmes sont restées telles quelles. %1</numerusform>
            <numerusform>Rien n&apos;a été importé : aucune des %n alarmes n&apos;a été ajoutée ou mise à jour, et toutes les alarmes sont restées telles quelles. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Une autre importation est en cours de lecture ; réessayez quand elle sera terminée.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 de chaque heure</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>le %1 de chaque mois</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Un réveil de bureau à cadran matriciel qui se loge dans la zone de notification.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Une des commandes ci-dessous, avec ses arguments.</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Les alarmes lues au démarrage sonnent comme d&apos;habitude, mais plus aucune modification ne peut être enregistrée.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[commande [arguments]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>Les réglages de l&apos;horloge %1 ne sont pas un fichier mais %2. La taille normale et «&#xa0;Bleu&#xa0;» sont utilisés, et il est laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (ligne 1&#xa0;: la taille)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

Les réglages de l&apos;horloge dans %2 n&apos;ont pas pu être lus&#xa0;; la taille normale et «&#xa0;Bleu&#xa0;» sont utilisés et un fichier correct est écrit à la sortie.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 est donné %2 fois</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID «&#xa0;%1&#xa0;»&#xa0;: pas un identifiant d&apos;alarme (le nombre qu&apos;affiche `chronelle list`)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 et --%2 ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume «&#xa0;%1&#xa0;»&#xa0;: doit être un nombre entier de 0 à 100</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Aucune alarme ne sonnera.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>toutes les alarmes&#xa0;: id, activée ou non, fréquence, heure, calendrier, prochaine sonnerie, titre</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Un tableau d&apos;objets JSON.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>la prochaine alarme qui sonnera</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>ajoute une alarme et affiche son identifiant</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Une fois, ce jour-là.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Toutes les heures.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Tous les jours.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>Ces jours-là&#xa0;: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>Ce jour de chaque mois.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>Ce jour de chaque année.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>Le message.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Un fichier de la liste de lecture.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>Le volume, en pourcentage.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>supprime l&apos;alarme</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>active l&apos;alarme</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>désactive l&apos;alarme</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>saute la prochaine sonnerie de l&apos;alarme</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>l&apos;alarme sonne de nouveau à partir de ce jour</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>Le premier jour où elle sonne de nouveau.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause nécessite --until AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>annule un saut ou une pause</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>répète plus tard l&apos;alarme qui sonne</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>arrête l&apos;alarme qui sonne, comme son bouton OK</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Commandes (si le programme tourne, elles lui sont transmises&#xa0;; sinon, elles agissent sur le dossier de données)&#xa0;:
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Codes de sortie&#xa0;: 0 fait, 1 impossible, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une commande</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>utilisation&#xa0;: chronelle %1%2</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound&#xa0;: le nom de fichier est vide</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>écrit toutes les alarmes en iCalendar dans FILE ou sur la sortie standard</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>%n alarme importée%1</numerusform>
            <numerusform>%n alarmes importées%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Ignoré : %1</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>ajoute les alarmes d&apos;un fichier iCalendar, toutes ou aucune ; un événement déjà importé met à jour son alarme ; indique les événements laissés de côté et pourquoi</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Garder les actions d&apos;énergie des événements (écran éteint, veille, arrêt) ; sans cela elles sont laissées de côté.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n alarme mise à jour sur place : %1</numerusform>
            <numerusform>%n alarmes mises à jour sur place : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n alarme laissée telle quelle, son événement inchangé : %1</numerusform>
            <numerusform>%n alarmes laissées telles quelles, leurs événements inchangés : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>%n autre événement ignoré, non listé ici</numerusform>
            <numerusform>%n autres événements ignorés, non listés ici</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Laissée de côté : %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un entier valide</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argument non valide pour l&apos;encodage de l&apos;heure</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argument non valide pour l&apos;encodage de la date</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>«&#xa0;%1&#xa0;» était prévue le %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
et plus de %n autre.</numerusform>
            <numerusform>
et plus de %n autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
et %n autre.</numerusform>
            <numerusform>
et %n autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Pendant que l&apos;ordinateur ne surveillait pas l&apos;heure, plus de %n alarme est passée sans sonner&#xa0;:
%1</numerusform>
            <numerusform>Pendant que l&apos;ordinateur ne surveillait pas l&apos;heure, plus de %n alarmes sont passées sans sonner&#xa0;:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Pendant que l&apos;ordinateur ne surveillait pas l&apos;heure, %n alarme est passée sans sonner&#xa0;:
%1</numerusform>
            <numerusform>Pendant que l&apos;ordinateur ne surveillait pas l&apos;heure, %n alarmes sont passées sans sonner&#xa0;:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Alarme manquée</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
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
        <translation>Fréquence&#xa0;: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Jours&#xa0;:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>&amp;Activée</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Ne pas oublier de ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Fermeture </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Ne pas fermer la fenêtre d&apos;alarme</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Fermer la fenêtre d&apos;alarme automatiquement</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Fermer après                       minutes</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Économie d&apos;énergie</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Économie d&apos;énergie</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>Économisez l&apos;énergie en mettant le PC en veille ou en l&apos;éteignant, ou en éteignant l&apos;écran </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Éteindre l&apos;écran</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Mettre le PC en veille</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Éteindre le PC</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>non pris en charge ici</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Indisponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Fichiers audio (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>Liste de lecture </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>Jouer de la musique&#xa0;:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajout</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Suppr.</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Morceaux</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Jouer un son d&apos;alarme</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Son 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Son 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Son 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Son 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Son d&apos;alarme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés, car leur nom contient un saut de ligne. Renommez-les et ajoutez-les de nouveau&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
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
        <translation>Fondu d&apos;entrée&#xa0;:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Fondu d&apos;entrée, minutes</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Fondu de sortie à&#xa0;:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Fondu de sortie à la minute</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Durée de répétition&#xa0;:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Volume maximal&#xa0;:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Répéter automatiquement après</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Répéter automatiquement après</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Répéter automatiquement après minutes</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(%n ligne de plus)</numerusform>
            <numerusform>(%n lignes de plus)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle continue de tourner pour que rien ne soit perdu&#xa0;: il se termine une fois tout enregistré. Corrigez la cause (sur un disque plein, libérez de la place) et choisissez de nouveau Quitter.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>la liste des alarmes (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>les réglages de l&apos;horloge (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle se termine sans enregistrer %2.</translation>
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
        <translation>Chronelle ne peut pas conserver ses fichiers dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Impossible de remplacer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: c&apos;est un lien symbolique vers %2, sur un autre système de fichiers, où il ne peut pas être remplacé en une seule étape. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>Impossible de supprimer %1&#xa0;: c&apos;est un dossier, pas un fichier, et il est laissé tel quel.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> La modification est conservée et sera terminée au prochain démarrage.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>la ligne %1 indique «&#xa0;%2&#xa0;», ce qu&apos;aucune modification ne peut faire</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>Le journal des modifications %1 ne peut pas être suivi&#xa0;: %2. Il n&apos;a pas non plus pu être mis de côté sous %3 (%4). Tant qu&apos;il n&apos;est pas supprimé, aucune alarme ne peut être ajoutée, modifiée ou supprimée.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>Le journal des modifications %1 ne peut pas être suivi&#xa0;: %2. Rien de ce qu&apos;il contient n&apos;a été fait, et il est conservé sous %3. Les alarmes sont telles qu&apos;avant la modification qu&apos;il décrit (ou après, si elle était complète). Vérifiez vos alarmes&#xa0;; %3 peut ensuite être supprimé.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Chaque heure</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Chaque année</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Année</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Aide de Chronelle</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>Page d&apos;&amp;accueil</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Le fichier d&apos;aide %1 est absent.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>L&apos;afficheur d&apos;aide n&apos;a pas de dossier pour conserver son index (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>L&apos;afficheur d&apos;aide n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>L&apos;afficheur d&apos;aide n&apos;a pas pu lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas de page %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un entier valide</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>le lecteur de son n&apos;a pas pu être démarré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Lecture impossible&#xa0;: aucun fichier n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>il n&apos;a pas pu être démarré&#xa0;: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>il a planté</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>il s&apos;est terminé avec le code %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>il n&apos;a pas progressé pendant %n seconde</numerusform>
            <numerusform>il n&apos;a pas progressé pendant %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>le lecteur de son s&apos;est arrêté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Impossible d&apos;ouvrir un fichier sans nom.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: le fichier est vide.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>le serveur de son&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>non pris en charge</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>nécessite une autorisation</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>non autorisé</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>non pris en charge par ce système</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>le gestionnaire d&apos;énergie a répondu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>non pris en charge par cet écran</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>non pris en charge sur ce bureau Wayland</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>non pris en charge sur cet affichage (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>non pris en charge&#xa0;: pas de bus système (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>non pris en charge&#xa0;: pas de connexion au serveur X</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>non pris en charge par ce serveur X (pas de DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>non pris en charge par cet écran (il n&apos;a pas d&apos;économie d&apos;énergie)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>le serveur X a refusé d&apos;activer DPMS (erreur %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>le serveur X a refusé d&apos;éteindre l&apos;écran (erreur %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>Impossible d&apos;éteindre l&apos;écran&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Impossible de mettre en veille&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Impossible d&apos;éteindre&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

L&apos;alarme sonne avec son son intégré à la place.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>Le son d&apos;alarme numéro %1 n&apos;existe pas&#xa0;; l&apos;alarme sonne sans son.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

Le son d&apos;alarme est réessayé toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>non pris en charge ici</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Options de l&apos;alarme</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Général </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>%1 caractères en tout</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>un morceau de %1 caractères</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>une ligne de %1 caractères</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Impossible d&apos;enregistrer&#xa0;: %1 (au plus %2).</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>N&apos;oubliez pas&#xa0;:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Prévue à %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarme à %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Assistance technique</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d&apos;accueil</translation>
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
        <translation>Gestionnaire d&apos;alarmes</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Suppr.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Les alarmes ne sortiront pas le PC de veille. &lt;a href=&quot;why&quot;&gt;Pourquoi&#xa0;?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>Le système a refusé l&apos;heure de réveil de cet ordinateur.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>le système a refusé l&apos;heure de réveil</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Les alarmes ne sortiront pas cet ordinateur de veille&#xa0;: %1.

%2%3Les alarmes dont l&apos;heure passe pendant la veille sont annoncées au réveil.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Demi-taille</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Taille normale</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Taille double</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Double-cliquez ici pour changer la taille de l&apos;écran LCD</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Double-cliquez ici pour changer la couleur de l&apos;écran LCD</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>À propos de Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>&amp;Masquer dans la zone de notification</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>&amp;Gestionnaire d&apos;alarmes</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>&amp;Sauter la prochaine alarme</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>&amp;Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Taille du réveil</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>&amp;Couleur de l&apos;écran LCD</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle&#xa0;: aucune alarme ne sonnera</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Prochaine alarme&#xa0;: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>&amp;Sauter la prochaine alarme&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Alarme sautée</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 ne sonnera pas.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 avec marque d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>le fichier commence par la marque d&apos;ordre des octets de %1 mais n&apos;est pas du %1 valide</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 n&apos;est pas un fichier mais %2&#xa0;; il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>un lien symbolique qui tourne en boucle</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>un lien symbolique vers %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>un lien symbolique vers %1, qui est inaccessible (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>un lien symbolique vers %1, qui est %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: ce n&apos;est pas un fichier mais %2, et il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 dépasse les %2 octets autorisés&#xa0;; il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>la ligne %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>le fichier dépasse les %1 caractères autorisés&#xa0;; il n&apos;est pas lu</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>ce n&apos;est pas un fichier mais %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Impossible de créer le nouveau fichier %1 : %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle tourne sur le dossier de données %1 mais ne peut pas être joint sur le bus de session.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Démarrez Chronelle pour examiner les alarmes avant de les modifier d&apos;ici.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>ce programme n&apos;a pas la capacité CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Pour l&apos;autoriser, un administrateur peut exécuter une fois&#xa0;:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>ce système n&apos;a pas d&apos;horloge capable de le réveiller</translation>
    </message>
</context>
</TS>
