<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>optie ‘%1’ moet %2 zijn</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>onbekende optie ‘%1’ (opties: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>er is geen sessiebus (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>%1 kon niet worden aangeboden op de sessiebus</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>de busnaam %1 is al in gebruik door een ander exemplaar</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>Het alarm met id %1 gaat niet meer af; er valt niets over te slaan.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>onbekende optie ‘%1’ (opties: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>De agenda is %1 bytes lang; Chronelle importeert hoogstens %2 bytes.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 ‘%2’: geen datum in de vorm JJJJ-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 ‘%2’: het alarm zou helemaal niet gepauzeerd worden; geef een dag na vandaag op</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>een beschadigde eigenschap %1</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>geen begintijd</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>een gebeurtenis voor de hele dag, zonder tijdstip om af te gaan</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>een KAlarm-alarm van het type %1, geen actief alarm</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>een KAlarm-alarm met alleen een datum, zonder tijdstip om af te gaan</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>meer dan één RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>al voorbij</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Gebeurtenis %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>Het bestand is %1 bytes groot; een agenda met alarmen is hoogstens %2 bytes groot.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Dit is geen iCalendar-bestand: het begint niet met BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>Dit is geen iCalendar-bestand: het kon niet als zodanig worden gelezen.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>geannuleerd</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Monitor uitzetten</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Slaapstand</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Computer afsluiten</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>dezelfde UID als een eerdere gebeurtenis</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Energieactie van %1 weggelaten: ‘%2’ heeft uw toestemming nodig (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>De tijdzones van de agenda hebben meer regels dan Chronelle leest (op regel %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>De agenda heeft meer dan %1 onderdelen (afspraken, herinneringen, tijdzones en hun delen); Chronelle leest er hoogstens zoveel.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>Regel %1 van de agenda nest onderdelen dieper dan %2 niveaus.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>Regel %1 van de agenda is langer dan %2 bytes; Chronelle leest hoogstens zoveel.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: een tijdzone die noch de agenda noch de tijdzonedatabase beschrijft</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>niet gelezen: het volgen van de regel kost meer werk dan een import mag besteden</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>een naamloze reeks</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>een wijziging van het exemplaar van %1 van een reeks die niet in deze agenda staat</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>een wijziging van het exemplaar van %1 van %2, al voorbij</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>een wijziging van het exemplaar van %1 van %2, die wordt overgeslagen</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>een wijziging van het exemplaar van %1 van %2, opgenomen in het alarm van die reeks</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: een herinnering op één moment van een terugkerende gebeurtenis</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>ze begint op %1, en een alarm dat elk uur afgaat kan alleen op het begin van een dag wachten</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>in %1 zijn de dagen niet die van één alarm (vanaf %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: %n komende uitgesloten dag (%1)</numerusform>
            <numerusform>EXDATE: %n komende uitgesloten dagen (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: %n komend gewijzigd exemplaar (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n komende gewijzigde exemplaren (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>houdt vanaf nu de lokale tijd %1 aan, hoewel het tijdsverschil tussen %2 en %3 verandert: op %4 is de gebeurtenis hier om %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>‘%1’ is geen geldige alarmplaats (0 tot en met %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>De alarmlijst %1 is geen bestand maar %2. Chronelle start zonder alarmen en laat het ongemoeid; verwijder het of zet de alarmlijst daar neer om alarmen te bewaren.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (regel 1: het aantal alarmen)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>De eerste regel kondigt ‘%1’ alarmen aan, maar er volgen %2 regels (acht per alarm).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> na regel %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

De alarmlijst %2 kon niet worden gelezen%3. Het %n alarm dat eruit is gelezen, blijft behouden.</numerusform>
            <numerusform>%1

De alarmlijst %2 kon niet worden gelezen%3. De %n alarmen die eruit zijn gelezen, blijven behouden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

De alarmlijst kon niet worden gelezen.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> Het oorspronkelijke bestand is bewaard als %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Er kon geen kopie van het oorspronkelijke bestand worden bewaard als %1 (%2); sla uw alarmen ergens anders op voordat u het programma afsluit.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>is niet in UTF-8; ze is in haar geheel als Windows-1252 gelezen</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>is in %1 (ze begint met een byte-order-markering); ze is in haar geheel gelezen</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>De alarmlijst %1 %2 en wordt vanaf nu in UTF-8 zonder byte-order-markering opgeslagen. Er is geen alarm verloren gegaan.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Er kon geen kopie van het oorspronkelijke bestand worden bewaard als %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (regel %2: de %3 van alarm %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>tijdsleutel</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>datumsleutel</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>alarmplaats</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>De alarmplaats ‘%1’ wordt door twee alarmen gebruikt (regel %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>en nog %n ander alarm.</numerusform>
            <numerusform>en nog %n andere alarmen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n alarm heeft geen alarmbestand in %1. Het gaat toch af, met het eerste ingebouwde geluid en zonder herinnering:
%2

Bewerk zo&apos;n alarm om het weer instellingen te geven, of verwijder het.</numerusform>
            <numerusform>%n alarmen hebben geen alarmbestand in %1. Ze gaan toch af, met het eerste ingebouwde geluid en zonder herinnering:
%2

Bewerk zo&apos;n alarm om het weer instellingen te geven, of verwijder het.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>De alarmlijst %1 geeft de alarmplaats %2 als ‘%3’ (regel %4); vanaf nu wordt die als ‘%2’ opgeslagen.</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Er is geen alarm verloren gegaan.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>Het alarm ‘%1’ kan niet worden opgeslagen: %2. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>het veld %1 bevat een regeleinde of een teken dat een regel van het bestand niet kan dragen</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>het veld %1 is %2 tekens lang; een regel van de alarmlijst bevat er hoogstens %3</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 ‘%2’: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>geen tijd in de vorm UU:MM of UU:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>het uur moet 0 tot en met 23 zijn</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>de minuten moeten 0 tot en met 59 zijn</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>de seconden moeten 0 tot en met 59 zijn</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>geen datum in de vorm JJJJ-MM-DD</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>geen dag opgegeven (dagen: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>‘%1’ is geen dag (dagen: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>de dag van de maand moet 1 tot en met 31 zijn</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>geen maand en dag in de vorm MM-DD</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: de herinnering is leeg</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: de herinnering bevat een stuurteken (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>een bestandsnaam met een regeleinde kan niet in de afspeellijst staan</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>geen volledig pad</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>niet een van %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>accepteert geen waarde</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>moet 0 tot en met 100 zijn</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>dat tijdstip is al voorbij</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 ‘%2’: bestand bestaat niet</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 ‘%2’: geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 ‘%2’: geen gewoon bestand maar een weergave van het draaiende systeem</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 ‘%2’: het bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequentie</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>ingebouwd geluid</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>geluidsminuten</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>minuten infaden</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>minuten uitfaden</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>sluimerminuten</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>minuten tot automatisch sluimeren</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volume</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>minuten tot automatisch sluiten</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>energieactie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>moet %1 tot %2 zijn</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>alarmtijd</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>geen geldige datum en tijd</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>manier van sluiten</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>precies één van de drie schakelaars moet aan staan</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>afspeellijst</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>er worden hoogstens %1 bestanden afgespeeld</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>item van de afspeellijst</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Alle %1 alarmen zijn in gebruik. Verwijder een alarm voordat u een nieuw alarm toevoegt.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Alle %1 alarmen zijn in gebruik; verwijder er een voordat u een ander toevoegt.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Er is geen alarm met id %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Er gaat geen alarm af.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>Het alarm ‘%1’ is gewijzigd of verwijderd terwijl het werd bewerkt; de bewerking wordt niet opgeslagen.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>Het alarm ‘%1’ kan niet worden teruggezet: zijn plaats is ingenomen door een ander alarm.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>Er staat geen alarm in rij %1.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>regels %1 tot en met %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>Het alarm zou %1 tekens lang zijn; een alarmbestand bevat hoogstens %2 tekens. Maak de herinnering of de afspeellijst korter om het op te slaan.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 is %2 tekens lang; een alarmbestand bevat regels van hoogstens %3 tekens. Maak deze korter om het alarm op te slaan.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Een item van de afspeellijst</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Een regel van de herinnering</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>Het alarmbestand %1 ontbreekt. De editor toont de instellingen van een nieuw alarm; ‘OK’ slaat ze op als %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Het is bewaard als %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Er kon niets uit het alarmbestand worden gelezen, dus het alarm kan niet worden bewerkt.%2 Verwijder het alarm en voeg het opnieuw toe, of herstel het bestand.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Het alarmbestand kon niet worden bewaard als %2 (%3), dus het alarm kan nu niet worden bewerkt: de bewerking zou het vervangen.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Het alarmbestand kon niet volledig worden gelezen; het is bewaard als %2. De editor toont wat er is gelezen, en voor de rest de instellingen van een nieuw alarm; ‘OK’ vervangt %3 door wat de editor toont.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>gepauzeerd tot %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>overgeslagen tot %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Niet vergeten: ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Alarm pauzeren</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Gaat weer af op:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Aan</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>Volgende over&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>&amp;Pauzeren tot...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Hervatten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>Het alarm ‘%1’ kan niet worden ingepland en wordt overgeslagen: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minuten verstreken</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minuten nog niet verstreken</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Regel %1 van de alarmstatussen: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>De alarmstatussen kondigen %1 items aan, maar er volgen %2 regels (vier per item).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>‘%1’ is geen vrije alarmplaats</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>‘%1’ is noch TRUE noch FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>‘%1’ is geen tijdstip</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>‘%1’ is geen datum</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>De alarmstatussen %1 konden niet worden gelezen: %2

Elk alarm staat aan en niets wordt overgeslagen of gepauzeerd, totdat u dat wijzigt.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> Het bestand is bewaard als %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>‘%1’ hoort hier niet</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>Het geluid stond uit en op %1 %; voor dit alarm staat het aan, op %2 %.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>Het geluid stond uit; voor dit alarm staat het aan.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>Het geluid stond op %1 %; voor dit alarm staat het op %2 %.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Het geluid van Chronelle stond uit; voor dit alarm staat het aan.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Het geluid kon niet worden gecontroleerd: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>De geluidsserver is verdwenen terwijl het alarm afging.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>de geluidsserver antwoordde niet</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>er is geen geluidsuitvoer</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>de geluidsserver weigerde de uitvoer te wijzigen</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>De map %1 kon niet worden aangemaakt.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>nog %n overgeslagen gebeurtenis, niet vermeld</numerusform>
            <numerusform>nog %n overgeslagen gebeurtenissen, niet vermeld</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>‘%1’: hetzelfde alarm als een eerdere gebeurtenis (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Niets geïmporteerd: slechts %1 van het %n alarm in het bestand zou passen (Chronelle bewaart hoogstens %2 alarmen, %3 zijn in gebruik en %4 van de alarmen in het bestand zijn er al).</numerusform>
            <numerusform>Niets geïmporteerd: slechts %1 van de %n alarmen in het bestand zouden passen (Chronelle bewaart hoogstens %2 alarmen, %3 zijn in gebruik en %4 van de alarmen in het bestand zijn er al).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Niets geïmporteerd: het %n alarm is niet toegevoegd of bijgewerkt, en alle alarmen zijn zoals ze waren. %1</numerusform>
            <numerusform>Niets geïmporteerd: geen van de %n alarmen is toegevoegd of bijgewerkt, en alle alarmen zijn zoals ze waren. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Er wordt al een andere import gelezen; probeer het opnieuw als die klaar is.</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>%1 van elk uur</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>de %1e van elke maand</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Een wekker voor het bureaublad met een dotmatrixdisplay, die in het systeemvak woont.</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Een van de onderstaande opdrachten, met de bijbehorende argumenten.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

De bij het starten gelezen alarmen gaan gewoon af, maar vanaf nu kan geen enkele wijziging worden opgeslagen.</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[opdracht [argumenten]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>De klokinstellingen %1 zijn geen bestand maar %2. Normale grootte en ‘Blauw’ worden gebruikt, en het wordt ongemoeid gelaten.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (regel 1: de grootte)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

De klokinstellingen in %2 konden niet worden gelezen; normale grootte en ‘Blauw’ worden gebruikt en bij het afsluiten wordt een correct bestand geschreven.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 is %2 keer opgegeven</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID ‘%1’: geen alarm-id (het nummer dat `chronelle list` toont)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 en --%2 kunnen niet allebei worden opgegeven</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: de bestandsnaam is leeg</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume ‘%1’: moet een geheel getal van 0 tot en met 100 zijn</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Er zal geen alarm afgaan.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>alle alarmen: id, aan/uit, herhaling, tijd, planning, volgende keer afgaan, titel</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Een array van JSON-objecten.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>het volgende alarm dat afgaat</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>voegt een alarm toe en toont het id ervan</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Eenmalig, op deze dag.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>Elk uur.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Elke dag.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>Op deze dagen: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>Op deze dag van elke maand.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>Op deze dag van elk jaar.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>De herinnering.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Een bestand van de afspeellijst.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>Het volume, in procenten.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>verwijdert het alarm</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>zet het alarm aan</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>zet het alarm uit</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>slaat de volgende keer dat het alarm afgaat over</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>het alarm gaat vanaf die dag weer af</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>De eerste dag waarop het weer afgaat.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause vereist --until JJJJ-MM-DD</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>maakt het overslaan of pauzeren ongedaan</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>laat het afgaande alarm sluimeren</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>stopt het afgaande alarm, zoals de knop OK</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>schrijft alle alarmen als iCalendar naar FILE of naar de standaarduitvoer</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>%n alarm geïmporteerd%1</numerusform>
            <numerusform>%n alarmen geïmporteerd%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Overgeslagen: %1</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Opdrachten (als het programma draait, gaan ze naar het programma; anders naar de gegevensmap):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Afsluitcodes: 0 gelukt, 1 niet gelukt, 2 verkeerd gebruik.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>‘%1’ is geen opdracht</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>gebruik: chronelle %1%2</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>voegt de alarmen uit een iCalendar-bestand toe, alle of geen; een eerder geïmporteerde gebeurtenis werkt haar alarm bij; meldt welke gebeurtenissen zijn overgeslagen en waarom</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>De energieacties van de gebeurtenissen behouden (monitor uit, slaapstand, afsluiten); zonder deze optie worden ze weggelaten.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n alarm ter plaatse bijgewerkt: %1</numerusform>
            <numerusform>%n alarmen ter plaatse bijgewerkt: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n alarm gelaten zoals het was, de gebeurtenis onveranderd: %1</numerusform>
            <numerusform>%n alarmen gelaten zoals ze waren, de gebeurtenissen onveranderd: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>nog %n gebeurtenis overgeslagen, hier niet vermeld</numerusform>
            <numerusform>nog %n gebeurtenissen overgeslagen, hier niet vermeld</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Weggelaten: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Ongeldig argument voor tijdcodering</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Ongeldig argument voor datumcodering</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>‘%1’ stond gepland op %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
en nog meer dan %n ander alarm.</numerusform>
            <numerusform>
en nog meer dan %n andere alarmen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
en nog %n ander alarm.</numerusform>
            <numerusform>
en nog %n andere alarmen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Terwijl de computer de klok niet in de gaten hield, is meer dan %n alarm voorbijgegaan zonder af te gaan:
%1</numerusform>
            <numerusform>Terwijl de computer de klok niet in de gaten hield, zijn meer dan %n alarmen voorbijgegaan zonder af te gaan:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Terwijl de computer de klok niet in de gaten hield, is %n alarm voorbijgegaan zonder af te gaan:
%1</numerusform>
            <numerusform>Terwijl de computer de klok niet in de gaten hield, zijn %n alarmen voorbijgegaan zonder af te gaan:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Gemist alarm</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
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
        <translation>Herhaling: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Dagen van de week:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Zo</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Za</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>Alarm aa&amp;n</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Herinnering:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Niet vergeten: ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Sluiten </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Alarmvenster niet vanzelf sluiten</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Alarmvenster automatisch sluiten</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Sluiten na                       minuten</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Energiebesparing</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Energiebesparing</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>U kunt energie besparen door de computer in slaapstand te zetten of af te sluiten, of door de monitor uit te zetten </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Niets doen</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Monitor uitzetten</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Slaapstand</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Computer afsluiten</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>hier niet ondersteund</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Niet beschikbaar: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Audiobestanden (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>Afspeellijst </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>Afspeellijst</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>Muziek afspelen:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Erbij</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Wis</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Hoger</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Lager</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Nummers</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Alarmgeluid:</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Geluid 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Geluid 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Geluid 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Geluid 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Alarmgeluid</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Deze bestanden zijn niet toegevoegd, omdat hun namen een regeleinde bevatten. Geef ze een andere naam en voeg ze opnieuw toe:
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
        <translation>Volume </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>Infaden over:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>Infaden in minuten</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>Uitfaden na:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Uitfaden na minuten</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Sluimertijd:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Maximaal volume:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Automatisch sluimeren na</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Automatisch sluimeren na</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Automatisch sluimeren na minuten</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(nog %n regel)</numerusform>
            <numerusform>(nog %n regels)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

Chronelle blijft draaien, zodat er niets verloren gaat: het programma stopt zodra alles is opgeslagen. Verhelp de oorzaak (maak bij een volle schijf wat ruimte vrij) en kies opnieuw Afsluiten.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>de alarmlijst (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>de klokinstellingen (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle stopt zonder %2 op te slaan.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle kan zijn bestanden niet in %1 bewaren: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>%1 kon niet worden vervangen: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 kon niet worden verwijderd: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>%1 kon niet worden opgeslagen: het is een symbolische koppeling naar %2, op een ander bestandssysteem, waar het niet in één stap kan worden vervangen. Het bestand blijft zoals het was.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>%1 kon niet worden verwijderd: het is een map, geen bestand, en blijft zoals het is.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> De wijziging is vastgelegd en wordt bij de volgende start voltooid.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>regel %1 zegt ‘%2’, wat geen enkele wijziging mag doen</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>Het wijzigingslogboek %1 kan niet worden gevolgd: %2. Het kon ook niet opzij worden gezet als %3 (%4). Zolang het niet is verwijderd, kan geen enkel alarm worden toegevoegd, gewijzigd of verwijderd.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>Het wijzigingslogboek %1 kan niet worden gevolgd: %2. Er is niets van uitgevoerd en het is bewaard als %3. De alarmen zijn zoals ze waren vóór de wijziging die erin staat (of erna, als die voltooid was). Controleer uw alarmen; daarna kan %3 worden verwijderd.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Eenmalig</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Elk uur</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dagelijks</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Maandelijks</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jaarlijks</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Eenmalig</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jaar</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Chronelle-hulp</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Zoeken naar:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>&amp;Startpagina</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Het hulpbestand %1 ontbreekt.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>Het hulpvenster heeft geen map om zijn index in te bewaren (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>Het hulpvenster kon niet starten: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>Het hulpvenster kon %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>Het hulpbestand %1 heeft geen pagina %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>de geluidsspeler kon niet worden gestart: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Kan niet afspelen: er is geen bestand geopend.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>hij kon niet worden gestart: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>hij is gecrasht</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>hij is gestopt met status %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>hij kwam %n seconde lang niet verder</numerusform>
            <numerusform>hij kwam %n seconden lang niet verder</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>de geluidsspeler is gestopt: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>Kan ‘%1’ niet afspelen: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Kan geen bestand zonder naam openen.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>Kan ‘%1’ niet openen: het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Kan ‘%1’ niet openen: het is geen bestand.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Kan ‘%1’ niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>Kan ‘%1’ niet openen: het bestand is leeg.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>Het bestand kan niet worden afgespeeld.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>de geluidsserver: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>niet ondersteund</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>vereist toestemming</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>niet toegestaan</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>niet ondersteund door dit systeem</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>het energiebeheer antwoordde ‘%1’</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>niet ondersteund door dit beeldscherm</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>niet ondersteund op dit Wayland-bureaublad</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>niet ondersteund op dit beeldscherm (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>niet ondersteund: geen systeembus (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>niet ondersteund: geen verbinding met de X-server</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>niet ondersteund door deze X-server (geen DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>niet ondersteund door dit beeldscherm (het heeft geen energiebesparing)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>de X-server weigerde DPMS in te schakelen (fout %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>de X-server weigerde de monitor uit te zetten (fout %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>De monitor kon niet worden uitgezet: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Slaapstand is niet gelukt: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Afsluiten is niet gelukt: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

Het alarm speelt in plaats daarvan zijn ingebouwde geluid af.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>Alarmgeluid nummer %1 bestaat niet; het alarm gaat af zonder geluid.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

Het alarmgeluid wordt om de paar seconden opnieuw geprobeerd.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>hier niet ondersteund</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Alarminstellingen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleer</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Algemeen </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Afspeellijst</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>in totaal %1 tekens</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>een nummer van %1 tekens</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>een regel van %1 tekens</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Niet op te slaan: %1 (hoogstens %2).</translation>
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
        <translation>Niet vergeten:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Gepland om %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarm om %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Technische ondersteuning</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Website</translation>
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
        <translation>Alarmbeheer</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Wi&amp;ssen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Herstel</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Alarmen wekken de pc niet uit de slaapstand. &lt;a href=&quot;why&quot;&gt;Waarom?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>Het systeem weigerde het tijdstip om deze computer te wekken.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>het systeem weigerde het tijdstip om hem te wekken</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Alarmen wekken deze computer niet uit de slaapstand: %1.

%2%3Alarmen waarvan de tijd verstrijkt terwijl hij slaapt, worden gemeld zodra hij weer wakker is.</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Halve grootte</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normale grootte</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Dubbele grootte</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Dubbelklik hier om de LCD-grootte te wijzigen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Dubbelklik hier om de LCD-kleur te wijzigen</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>Over Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>In systeemvak &amp;verbergen</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>&amp;Alarmbeheer</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>Volgend alarm over&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>S&amp;tarten bij aanmelden</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Grootte van de wekker</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>LCD-&amp;kleur</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: er gaat geen alarm af</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Volgend alarm: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>He&amp;rstellen</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>Volgend alarm over&amp;slaan: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Alarm overgeslagen</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 gaat niet af.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 met byte-order-markering</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>het bestand begint met de byte-order-markering van %1, maar is geen geldige %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>een named pipe (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>een tekenapparaat</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>een blokapparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>een speciaal bestand</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 is geen bestand maar %2; het wordt niet gelezen.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>een symbolische koppeling die in een kringetje rondgaat</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>een symbolische koppeling naar %1, dat niet bestaat</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>een symbolische koppeling naar %1, dat niet bereikbaar is (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>een symbolische koppeling naar %1, dat %2 is</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>%1 kon niet worden opgeslagen: het is geen bestand maar %2, en blijft zoals het is.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 is groter dan de toegestane %2 bytes; het wordt niet gelezen.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>regel %1 is langer dan %2 tekens</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>het bestand is groter dan de toegestane %1 tekens; het wordt niet gelezen</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>%1 kon niet worden opgeslagen: %2. Het bestand blijft zoals het was.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>het is geen bestand maar %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Het nieuwe bestand %1 kon niet worden gemaakt: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle draait met de gegevensmap %1, maar is niet bereikbaar via de sessiebus.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Start Chronelle om de alarmen te bekijken voordat u ze van hieruit wijzigt.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>dit programma mist de bevoegdheid CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Om dit toe te staan, kan een beheerder eenmalig het volgende uitvoeren:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>dit systeem heeft geen klok die het kan wekken</translation>
    </message>
</context>
</TS>
