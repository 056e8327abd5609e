<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>a opção “%1” deve ser %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>opção desconhecida “%1” (opções: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>não há barramento de sessão (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>não foi possível oferecer %1 no barramento de sessão</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>o nome de barramento %1 está ocupado por outra cópia</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>O alarme com ID %1 não vai tocar de novo; não há nada a pular.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>opção desconhecida “%1” (opções: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>O calendário tem %1 bytes; o Chronelle importa no máximo %2 bytes.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1 “%2”: não é uma data no formato AAAA-MM-DD</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1 “%2”: o alarme não ficaria pausado de forma alguma; informe um dia depois de hoje</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>propriedade %1 danificada</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>sem hora de início</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>um evento de dia inteiro, sem hora para tocar</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>um alarme do KAlarm do tipo %1, não um alarme ativo</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>um alarme do KAlarm só com data, sem hora para tocar</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>mais de uma RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>já passou</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Evento %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>O arquivo tem %1 bytes; um calendário de alarmes tem no máximo %2 bytes.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>Este não é um arquivo iCalendar: ele não começa com BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>Este não é um arquivo iCalendar: não foi possível lê-lo como tal.</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Desligar o monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Suspender o PC</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Desligar o PC</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>o mesmo UID de um evento anterior</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>Ação de energia de %1 deixada de fora: “%2” precisa do seu consentimento (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>Os fusos horários do calendário têm mais regras do que o Chronelle lê (na linha %1).</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>O calendário tem mais de %1 componentes (eventos, lembretes, fusos horários e suas partes); o Chronelle lê no máximo essa quantidade.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>A linha %1 do calendário aninha componentes em mais de %2 níveis.</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>A linha %1 do calendário tem mais de %2 bytes; o Chronelle lê no máximo isso.</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: um fuso horário que nem o calendário nem o banco de dados de fusos horários descrevem</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>não lido: seguir sua regra exige mais trabalho do que uma importação pode dedicar</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>uma série sem título</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>uma alteração na ocorrência de %1 de uma série que não está neste calendário</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>uma alteração na ocorrência de %1 de %2, já passada</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>uma alteração na ocorrência de %1 de %2, que é ignorada</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>uma alteração na ocorrência de %1 de %2, incluída no alarme dessa série</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: um lembrete em um momento fixo de um evento que se repete</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>ele começa em %1, e um alarme a cada hora só pode esperar pelo início de um dia</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>em %1 seus dias não são os de um único alarme (a partir de %2)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: %n dia futuro excluído (%1)</numerusform>
            <numerusform>EXDATE: %n dias futuros excluídos (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: %n ocorrência futura alterada (%1)</numerusform>
            <numerusform>RECURRENCE-ID: %n ocorrências futuras alteradas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>mantém de agora em diante seu horário local %1, embora a diferença entre %2 e %3 mude: em %4 o evento é aqui às %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>“%1” não é uma posição de alarme válida (0 a %2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>A lista de alarmes %1 não é um arquivo, mas %2. O Chronelle inicia sem alarmes e a deixa como está; para manter alarmes, remova-a ou coloque a lista de alarmes nesse lugar.</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (linha 1: o número de alarmes)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>A primeira linha anuncia “%1” alarmes, mas seguem %2 linhas (oito para cada alarme).</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> após a linha %1</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

Não foi possível ler a lista de alarmes %2%3. O %n alarme lido dela foi mantido.</numerusform>
            <numerusform>%1

Não foi possível ler a lista de alarmes %2%3. Os %n alarmes lidos dela foram mantidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

Não foi possível ler a lista de alarmes.</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> O arquivo original foi preservado como %1.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> Não foi possível guardar uma cópia do arquivo original como %1 (%2); salve seus alarmes em outro lugar antes de sair do programa.</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>não está em UTF-8; foi lida inteira como Windows-1252</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>está em %1 (começa com uma marca de ordem de bytes); foi lida inteira</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>A lista de alarmes %1 %2 e, de agora em diante, será salva em UTF-8 sem marca de ordem de bytes. Nenhum alarme foi perdido.</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> Não foi possível guardar uma cópia do arquivo original como %1 (%2).</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (linha %2: %3 do alarme %4)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>a chave de hora</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>a chave de data</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>a posição</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>A posição de alarme “%1” é usada por dois alarmes (linha %2)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>e mais %n outro.</numerusform>
            <numerusform>e mais %n outros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n alarme não tem arquivo de alarme em %1. Ele toca mesmo assim, com o primeiro som integrado e sem lembrete:
%2

Edite esse alarme para lhe dar configurações novamente, ou exclua-o.</numerusform>
            <numerusform>%n alarmes não têm arquivo de alarme em %1. Eles tocam mesmo assim, com o primeiro som integrado e sem lembrete:
%2

Edite cada um desses alarmes para lhe dar configurações novamente, ou exclua-o.</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>A lista de alarmes %1 indica a posição de alarme %2 como “%3” (linha %4); de agora em diante, ela será salva como “%2”.</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> Nenhum alarme foi perdido.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>Não é possível salvar o alarme “%1”: %2. Nada foi salvo.</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>o campo %1 contém uma quebra de linha ou um caractere que uma linha do arquivo não pode conter</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>o campo %1 tem %2 caracteres; uma linha da lista de alarmes comporta no máximo %3</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1 “%2”: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>não é uma hora no formato HH:MM ou HH:MM:SS</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>a hora deve ser de 0 a 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>os minutos devem ser de 0 a 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>os segundos devem ser de 0 a 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>não é uma data no formato AAAA-MM-DD</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>nenhum dia informado (dias: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>“%1” não é um dia (dias: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>o dia do mês deve ser de 1 a 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>não é um mês e dia no formato MM-DD</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: o lembrete está vazio</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: o lembrete contém um caractere de controle (U+%1)</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>um nome de arquivo com quebra de linha não pode ficar na playlist</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>não é um caminho completo</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>não é nenhum de %1</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>não aceita valor</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>deve ser de 0 a 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>esse momento já passou</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1 “%2”: arquivo inexistente</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1 “%2”: não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1 “%2”: não é um arquivo comum, mas uma visão do sistema em execução</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1 “%2”: o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>som embutido</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>minutos de som</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>minutos de aumento gradual</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>minutos de redução gradual</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>minutos de soneca</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>minutos até a soneca automática</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>volume</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>minutos até o fechamento automático</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>ação de energia</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>deve ser de %1 a %2</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>hora do alarme</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>não é uma data e hora válidas</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>modo de fechamento</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>exatamente um dos três interruptores deve estar ligado</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>lista de reprodução</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>no máximo %1 arquivos são tocados</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>item da lista de reprodução</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>Todos os %1 alarmes estão em uso. Exclua um alarme antes de adicionar um novo.</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>Todos os %1 alarmes estão em uso; exclua um antes de adicionar outro.</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>Não há alarme com ID %1.</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>Nenhum alarme está tocando.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>O alarme “%1” foi alterado ou excluído enquanto era editado; a edição não foi salva.</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>O alarme “%1” não pode ser restaurado: a posição dele está ocupada por outro alarme.</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>Não há alarme na linha %1.</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>linhas %1 a %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>O alarme teria %1 caracteres; um arquivo de alarme comporta no máximo %2. Encurte o lembrete ou a playlist para salvá-lo.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1 tem %2 caracteres; um arquivo de alarme comporta linhas de no máximo %3 caracteres. Encurte-a para salvar o alarme.</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>Uma entrada da playlist</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>Uma linha do lembrete</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>O arquivo do alarme %1 não existe. O editor mostra as configurações de um alarme novo; “OK” as salva como %1.</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> Ele foi preservado como %1.</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

Nada pôde ser lido do arquivo do alarme, por isso o alarme não pode ser editado.%2 Exclua o alarme e adicione-o de novo, ou corrija o arquivo.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

Não foi possível guardar o arquivo do alarme como %2 (%3), por isso o alarme não pode ser editado agora: a edição o substituiria.</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

Não foi possível ler o arquivo do alarme por inteiro; ele foi preservado como %2. O editor mostra o que foi lido e, para o resto, as configurações de um alarme novo; “OK” substitui %3 pelo que é mostrado.</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>pausado até %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>pulado até %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>pulado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Não se esqueça de ...
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>Pausar alarme</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>&amp;Volta a tocar em:</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Ligado</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>&amp;Pular o próximo</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>P&amp;ausar até...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>O alarme “%1” não pode ser agendado e será ignorado: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>Minutos passados</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>Minutos não passados</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>Linha %1 dos estados dos alarmes: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>Os estados dos alarmes anunciam %1 entradas, mas seguem %2 linhas (quatro para cada).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>“%1” não é uma posição de alarme livre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>“%1” não é nem TRUE nem FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>“%1” não é um momento</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>“%1” não é uma data</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>Não foi possível ler os estados dos alarmes %1: %2

Todos os alarmes estão ligados e nada fica pulado ou pausado até que você altere isso.%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> O arquivo foi preservado como %1.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>“%1” não pertence a este lugar</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>O som estava desligado e em %1 %; para este alarme, está ligado em %2 %.</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>O som estava desligado; para este alarme, está ligado.</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>O som estava em %1 %; para este alarme, está em %2 %.</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>O som do Chronelle estava desligado; para este alarme, está ligado.</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>Não foi possível verificar o som: %1.</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>O servidor de som desapareceu enquanto o alarme tocava.</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>o servidor de som não respondeu</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>não há saída de som</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>o servidor de som se recusou a alterar a saída</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>mais %n evento ignorado, não listado</numerusform>
            <numerusform>mais %n eventos ignorados, não listados</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>“%1”: o mesmo alarme de um evento anterior (id %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>Nada foi importado: só caberiam %1 do %n alarme do arquivo (o Chronelle guarda no máximo %2 alarmes, %3 estão em uso e %4 dos alarmes do arquivo já estão aqui).</numerusform>
            <numerusform>Nada foi importado: só caberiam %1 dos %n alarmes do arquivo (o Chronelle guarda no máximo %2 alarmes, %3 estão em uso e %4 dos alarmes do arquivo já estão aqui).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>Nada foi importado: o %n alarme não foi adicionado nem atualizado, e todos os alarmes estão como estavam. %1</numerusform>
            <numerusform>Nada foi importado: nenhum dos %n alarmes foi adicionado ou atualizado, e todos os alarmes estão como estavam. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>Outra importação está sendo lida; tente de novo quando ela terminar.</translation>
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
        <translation>dia %1 de cada mês</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>Um despertador para a área de trabalho, com mostrador de matriz de pontos, que fica na área de notificação.</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>Um dos comandos abaixo, com seus argumentos.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

Os alarmes lidos na inicialização tocam normalmente, mas nenhuma alteração feita de agora em diante poderá ser salva.</translation>
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
        <translation>As configurações do relógio %1 não são um arquivo, mas %2. São usados o tamanho normal e “Azul”, e nada nele é alterado.</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (linha 1: o tamanho)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

Não foi possível ler as configurações do relógio em %2; são usados o tamanho normal e “Azul”, e um arquivo correto será gravado ao sair.</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 foi informado %2 vezes</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID “%1”: não é um ID de alarme (o número que `chronelle list` mostra)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 e --%2 não podem ser informados juntos</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: o nome do arquivo está vazio</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume “%1”: deve ser um número inteiro de 0 a 100</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>Nenhum alarme vai tocar.
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>todos os alarmes: ID, ligado/desligado, frequência, hora, agenda, próximo toque, título</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>Um array de objetos JSON.</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>o próximo alarme que vai tocar</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>adiciona um alarme e mostra o ID dele</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>Uma vez, neste dia.</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>A cada hora.</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>Todos os dias.</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>Nestes dias: mon,tue,wed,thu,fri,sat,sun.</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>Neste dia de cada mês.</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>Neste dia de cada ano.</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>O lembrete.</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>Um arquivo da playlist.</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>O volume, em porcentagem.</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>exclui o alarme</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>liga o alarme</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>desliga o alarme</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>pula o próximo toque do alarme</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>o alarme volta a tocar a partir desse dia</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>O primeiro dia em que ele volta a tocar.</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause precisa de --until AAAA-MM-DD</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>desfaz um pulo ou uma pausa</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>põe em soneca o alarme que está tocando</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>para o alarme que está tocando, como o botão OK dele</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>grava todos os alarmes como iCalendar em FILE ou na saída padrão</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>%n alarme importado%1</numerusform>
            <numerusform>%n alarmes importados%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>Ignorado %1</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>Comandos (com o programa em execução, vão para ele; senão, para a pasta de dados):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>Códigos de saída: 0 concluído, 1 não foi possível, 2 uso incorreto.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>“%1” não é um comando</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>uso: chronelle %1%2</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>adiciona os alarmes de um arquivo iCalendar, todos ou nenhum; um evento já importado atualiza seu alarme; informa quais eventos deixou de fora e por quê</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>Mantém as ações de energia dos eventos (desligar o monitor, suspender, desligar); sem isso elas ficam de fora.</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n alarme atualizado no lugar: %1</numerusform>
            <numerusform>%n alarmes atualizados no lugar: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n alarme deixado como estava, seu evento sem mudanças: %1</numerusform>
            <numerusform>%n alarmes deixados como estavam, seus eventos sem mudanças: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>Mais %n evento ignorado, não listado aqui</numerusform>
            <numerusform>Mais %n eventos ignorados, não listados aqui</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>Deixado de fora: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>Argumento inválido para a codificação de hora</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>Argumento inválido para a codificação de data</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>“%1” estava programado para %2</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
e mais de %n outro.</numerusform>
            <numerusform>
e mais de %n outros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
e mais %n outro.</numerusform>
            <numerusform>
e mais %n outros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Enquanto o computador não estava de olho no relógio, mais de %n alarme passou sem tocar:
%1</numerusform>
            <numerusform>Enquanto o computador não estava de olho no relógio, mais de %n alarmes passaram sem tocar:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>Enquanto o computador não estava de olho no relógio, %n alarme passou sem tocar:
%1</numerusform>
            <numerusform>Enquanto o computador não estava de olho no relógio, %n alarmes passaram sem tocar:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>Alarme perdido</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
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
        <translation>Frequência: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>Dias da semana:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>&amp;Ligado</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>Lembrete:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>Não se esqueça de ...
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>Fechamento </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>Fechamento</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>Não fechar a janela do alarme</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>Fechar a janela do alarme automaticamente</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>Fechar após                       minutos</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>Economia de energia</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>Economia de energia</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>Você pode economizar energia suspendendo ou desligando o PC, ou desligando o monitor </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>Desligar o monitor</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>Suspender o PC</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>Desligar o PC</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>não suportado aqui</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>Indisponível: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>Arquivos de áudio (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;Todos os arquivos (*)</translation>
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
        <translation>Tocar músicas:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Músicas</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>Tocar som de alarme</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>Som 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>Som 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>Som 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>Som 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>Som de alarme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>Estes arquivos não foram adicionados porque seus nomes contêm uma quebra de linha. Renomeie-os e adicione-os novamente:
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
        <translation>Volume </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>Volume</translation>
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
        <translation>Redução gradual após:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>Minuto de início da redução gradual</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>Tempo de soneca:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>Volume máximo:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>Soneca automática após</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>Soneca automática após</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>Minutos até a soneca automática</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(mais %n linha)</numerusform>
            <numerusform>(mais %n linhas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

O Chronelle continua em execução para que nada seja perdido: ele será encerrado assim que tudo estiver salvo. Corrija a causa (se o disco estiver cheio, libere algum espaço) e escolha Sair novamente.</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>a lista de alarmes (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>as configurações do relógio (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

O Chronelle será encerrado sem salvar %2.</translation>
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
        <translation>O Chronelle não pode guardar seus arquivos em %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>Não foi possível substituir %1: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>Não foi possível remover %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>Não foi possível salvar %1: é um link simbólico para %2, em outro sistema de arquivos, onde não pode ser substituído em uma só etapa. O arquivo foi deixado como estava.</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>Não foi possível remover %1: é uma pasta, não um arquivo, e foi deixada como está.</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> A alteração foi guardada e será concluída na próxima inicialização.</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>a linha %1 diz “%2”, o que nenhuma alteração pode fazer</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>O registro de alterações %1 não pode ser seguido: %2. Também não foi possível movê-lo para %3 (%4). Até que ele seja removido, nenhum alarme pode ser adicionado, alterado ou excluído.</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>O registro de alterações %1 não pode ser seguido: %2. Nada do que ele contém foi feito, e ele foi preservado como %3. Os alarmes estão como estavam antes da alteração que ele descreve (ou depois dela, se ela foi concluída). Verifique seus alarmes; depois, %3 pode ser excluído.</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>A cada hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensalmente</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anualmente</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Ano</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Ajuda do Chronelle</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>Página &amp;inicial</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>O arquivo de ajuda %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>O visualizador de ajuda não tem uma pasta para guardar seu índice (%1).</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>Não foi possível iniciar o visualizador de ajuda: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>O visualizador de ajuda não conseguiu ler %1: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>O arquivo de ajuda %1 não tem a página %2.</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>não foi possível iniciar o reprodutor de som: %1.</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>Não é possível tocar: nenhum arquivo está aberto.</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>não foi possível iniciá-lo: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>ele fechou inesperadamente</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>ele terminou com o status %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>ele ficou %n segundo sem avançar</numerusform>
            <numerusform>ele ficou %n segundos sem avançar</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>o reprodutor de som parou: %1.</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>Não é possível tocar “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>Não é possível abrir um arquivo sem nome.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>Não é possível abrir “%1”: o arquivo não existe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>Não é possível abrir “%1”: não é um arquivo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Não é possível abrir “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>Não é possível abrir “%1”: o arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>O arquivo não pode ser tocado.</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>o servidor de som: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>não suportado</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>requer autorização</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>não permitido</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>não suportado por este sistema</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>o gerenciador de energia respondeu “%1”</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>não suportado por esta tela</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>não suportado neste ambiente Wayland</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>não suportado nesta tela (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>não suportado: sem barramento do sistema (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>não suportado: sem conexão com o servidor X</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>não suportado por este servidor X (sem DPMS)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>não suportado por esta tela (ela não tem economia de energia)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>o servidor X se recusou a ativar o DPMS (erro %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>o servidor X se recusou a desligar o monitor (erro %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>Não foi possível desligar o monitor: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>Não foi possível suspender: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>Não foi possível desligar: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

Em vez disso, o alarme toca seu som integrado.</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>O som de alarme número %1 não existe; o alarme toca sem som.</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

O som do alarme será tentado novamente a cada poucos segundos.</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>não suportado aqui</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>Opções do alarme</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>General </source>
        <translation>Geral </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>%1 caracteres no total</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>uma música de %1 caracteres</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>uma linha de %1 caracteres</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>Não pode ser salvo: %1 (máximo de %2).</translation>
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
        <translation>Lembre-se:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Programado para %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>Alarme programado para %1</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Suporte técnico</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página inicial</translation>
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
        <translation>Gerenciador de alarmes</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>Alarmes não tiram o PC da suspensão. &lt;a href=&quot;why&quot;&gt;Por quê?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>O sistema recusou o horário para despertar este computador.</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>o sistema recusou o horário para despertá-lo</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>Os alarmes não vão tirar este computador da suspensão: %1.

%2%3Os alarmes cuja hora passar enquanto ele estiver suspenso serão avisados quando ele voltar.</translation>
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
        <translation>Cinza</translation>
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Metade do tamanho</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Tamanho normal</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Tamanho duplo</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>Clique duas vezes aqui para mudar o tamanho do LCD</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>Clique duas vezes aqui para mudar a cor do LCD</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>Sobre o Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>&amp;Ocultar na área de notificação</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>Gerenciar &amp;alarmes</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>&amp;Pular o próximo alarme</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>&amp;Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>&amp;Tamanho do relógio</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>&amp;Cor do LCD</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>So&amp;bre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: nenhum alarme vai tocar</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>Próximo alarme: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>&amp;Pular o próximo alarme: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>Alarme pulado</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 não vai tocar.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>UTF-8 com marca de ordem de bytes</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>o arquivo começa com a marca de ordem de bytes de %1, mas não é %1 válido</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>um pipe nomeado (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>um dispositivo de caractere</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>um dispositivo de bloco</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>um arquivo especial</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 não é um arquivo, mas %2; não será lido.</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>um link simbólico que forma um ciclo</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>um link simbólico para %1, que não existe</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>um link simbólico para %1, que não pode ser acessado (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>um link simbólico para %1, que é %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>Não foi possível salvar %1: não é um arquivo, mas %2, e foi deixado como está.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 é maior que os %2 bytes permitidos; não será lido.</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>a linha %1 tem mais de %2 caracteres</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>o arquivo é maior que os %1 caracteres permitidos; não será lido</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>Não foi possível salvar %1: %2. O arquivo foi deixado como estava.</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>não é um arquivo, mas %1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>Não foi possível criar o novo arquivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>O Chronelle está em execução com a pasta de dados %1, mas não pode ser contatado pelo barramento de sessão.</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> Abra o Chronelle para ver os alarmes antes de alterá-los daqui.</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>este programa não tem a capacidade CAP_WAKE_ALARM</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>Para permitir isso, um administrador pode executar uma vez:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>este sistema não tem um relógio capaz de despertá-lo</translation>
    </message>
</context>
</TS>
