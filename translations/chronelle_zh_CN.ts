<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>选项“%1”必须是 %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>未知选项“%1”（可用选项：memo、sounds、volume）</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>没有会话总线（%1）</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>无法在会话总线上提供 %1</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>总线名称 %1 已被另一个实例占用</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>ID 为 %1 的闹钟不会再响，没有可跳过的响铃。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>未知选项“%1”（可用选项：%2）</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>日历有 %1 字节；Chronelle 最多导入 %2 字节。</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1“%2”：不是 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1“%2”：这样闹钟根本不会暂停；请给出今天之后的某一天</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>%1 已损坏</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>没有开始时间</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>全天事件，没有响铃时间</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>KAlarm 的 %1 闹钟，不是活动闹钟</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>只有日期的 KAlarm 闹钟，没有响铃时间</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>有多个 RRULE</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>时间已过</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>事件 %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>该文件长 %1 字节，而闹钟日历最多只能有 %2 字节。</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>这不是 iCalendar 文件：它不是以 BEGIN:VCALENDAR 开头。</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>这不是 iCalendar 文件：无法按 iCalendar 格式读取。</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>关闭显示器</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>挂起电脑</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>关闭电脑</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>与前一个事件的 UID 相同</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>已略去 %1 的电源操作：“%2”需要您的同意（import --with-power-actions）</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>日历的时区规则超出 Chronelle 读取的范围（第 %1 行）。</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>日历的组件（事件、提醒、时区及其部分）超过 %1 个；Chronelle 最多读取这么多。</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>日历第 %1 行的组件嵌套超过 %2 层。</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>日历第 %1 行超过 %2 字节；Chronelle 最多读取这么长。</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1：日历和时区数据库都没有描述的时区</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>未读取：遵循其重复规则所需的工作量超出导入所能投入的限度</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>无标题的系列</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>对一个不在此日历中的系列在 %1 的那次重复所做的更改</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>对 %2 在 %1 的那次重复所做的更改，时间已过</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>对 %2 在 %1 的那次重复所做的更改，该系列被跳过</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>对 %2 在 %1 的那次重复所做的更改，已包含在该系列的闹钟中</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME：重复事件中某一时刻的提醒</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>它从 %1 开始，而每小时闹钟只能等到某一天开始时</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>在 %1，其日期与单个闹钟的日期不一致（从 %2 起）</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE：今后有 %n 个被排除的日期（%1）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID：今后有 %n 次被更改的重复（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>今后保持其本地时间 %1，尽管 %2 与 %3 之间的时差会变化：在 %4，该事件在此处的时间为 %5</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>“%1”不是有效的闹钟序号（0 至 %2）</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>闹钟列表 %1 不是文件，而是%2。Chronelle 将在没有闹钟的情况下启动，并保持其原样；若要保存闹钟，请删除它，或在该处放置闹钟列表。</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1（第 1 行：闹钟数量）</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>第一行声明有“%1”个闹钟，但后面有 %2 行（每个闹钟应有八行）。</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation>（第 %1 行之后）</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

无法读取闹钟列表 %2%3。已从中读取的 %n 个闹钟将保留。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

无法读取闹钟列表。</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation>原文件已保存为 %1。</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation>无法将原文件的副本保存为 %1（%2）；请在退出程序前将您的闹钟保存到其他位置。</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>不是 UTF-8 编码，已按 Windows-1252 完整读取</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>为 %1 编码（以字节顺序标记开头），已完整读取</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>闹钟列表 %1 %2，今后将以不带字节顺序标记的 UTF-8 编码保存。没有丢失任何闹钟。</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation>无法将原文件的副本保存为 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1（第 %2 行：闹钟 %4 的%3）</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>时间键</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>日期键</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>闹钟序号“%1”被两个闹钟使用（第 %2 行）</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>另有 %n 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n 个闹钟在 %1 中没有闹钟文件。它们仍会响铃，但使用第一个内置铃声，且没有备忘：
%2

请编辑这些闹钟以重新设置，或将其删除。</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>闹钟列表 %1 将闹钟序号 %2 写为“%3”（第 %4 行）；今后将保存为“%2”。</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> 没有丢失任何闹钟。</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>无法保存闹钟“%1”：%2。未保存任何内容。</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>其 %1 含有换行符或文件中一行无法容纳的字符</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>其 %1 长 %2 个字符；闹钟列表的一行最多容纳 %3 个字符</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1“%2”：%3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>不是 HH:MM 或 HH:MM:SS 格式的时间</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>小时必须为 0 至 23</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>分钟必须为 0 至 59</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>秒必须为 0 至 59</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>不是 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>未指定星期（星期：mon,tue,wed,thu,fri,sat,sun）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>“%1”不是星期（星期：mon,tue,wed,thu,fri,sat,sun）</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>日期必须为 1 至 31</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>不是 MM-DD 格式的月日</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo：备忘为空</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo：备忘中含有控制字符（U+%1）</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>含有换行符的文件名不能放入播放列表</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>不是完整路径</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>不是 %1 之一</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>不接受值</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>必须为 0 至 100</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>该时刻已过</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1“%2”：没有这个文件</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1“%2”：不是普通文件</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1“%2”：不是普通文件，而是运行中系统的视图</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1“%2”：无法读取该文件</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>内置声音</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>声音分钟数</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>渐强分钟数</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>渐弱分钟数</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>贪睡分钟数</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>自动贪睡前的分钟数</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>自动关闭前的分钟数</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>电源操作</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>必须在 %1 到 %2 之间</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>闹钟时间</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>不是有效的日期和时间</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>关闭方式</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>三个开关中必须恰好有一个打开</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>最多播放 %1 个文件</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>播放列表项</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>全部 %1 个闹钟位置均已占用。请先删除一个闹钟，再添加新闹钟。</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>全部 %1 个闹钟位置均已占用；请先删除一个，再添加。</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>没有 ID 为 %1 的闹钟。</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>没有正在响铃的闹钟。</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>闹钟“%1”在编辑期间已被更改或删除；所做的编辑未保存。</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>无法恢复闹钟“%1”：它的位置已被另一个闹钟占用。</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>第 %1 行没有闹钟。</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>第 %1 至 %2 行</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 的%1</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>该闹钟将有 %1 个字符，而闹钟文件最多容纳 %2 个字符。请缩短备忘或播放列表后再保存。</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1长 %2 个字符，而闹钟文件每行最多 %3 个字符。请将其缩短后再保存闹钟。</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>播放列表中的一项</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>备忘中的一行</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>闹钟文件 %1 不存在。编辑器中显示的是新闹钟的设置；点击“确定”会将其保存为 %1。</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation>它已保存为 %1。</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

无法从闹钟文件中读取任何内容，因此无法编辑该闹钟。%2请删除该闹钟并重新添加，或修复该文件。</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

无法将闹钟文件保存为 %2（%3），因此现在无法编辑该闹钟：编辑会替换该文件。</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

无法完整读取闹钟文件；该文件已保存为 %2。编辑器中显示已读取的内容，其余部分为新闹钟的设置；点击“确定”会用所显示的内容替换 %3。</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>暂停至 %1</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>跳过至 %1 %2</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>别忘了……
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>暂停闹钟</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>恢复响铃日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>启用(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>跳过下一次(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>暂停至(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>无法安排闹钟“%1”，已将其跳过：%2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>分钟已过</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>分钟未过</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>闹钟状态第 %1 行：%2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>闹钟状态声明有 %1 个条目，但后面有 %2 行（每个条目应有四行）。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>“%1”不是空闲的闹钟序号</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>“%1”既不是 TRUE 也不是 FALSE</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>“%1”不是时刻</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>“%1”不是日期</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>无法读取闹钟状态 %1：%2

在您更改之前，所有闹钟均为启用状态，且没有跳过或暂停。%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation>该文件已保存为 %1。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>“%1”不应出现在这里</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>声音原为关闭，音量为 %1%；已为此闹钟打开声音，音量设为 %2%。</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>声音原为关闭；已为此闹钟打开。</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>音量原为 %1%；已为此闹钟设为 %2%。</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Chronelle 的声音原为关闭；已为此闹钟打开。</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>无法检查声音：%1。</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>闹钟响铃期间声音服务器已断开。</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>声音服务器没有应答</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>没有声音输出设备</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>声音服务器拒绝更改输出</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>无法删除 %1。</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>另有 %n 个被跳过的事件未列出</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>“%1”：与前一个事件是同一个闹钟（编号 %2）</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>未导入任何内容：文件中的 %n 个闹钟只能放下 %1 个（Chronelle 最多保存 %2 个闹钟，已用 %3 个，文件中有 %4 个闹钟已在这里）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>未导入任何内容：%n 个闹钟都没有添加或更新，所有闹钟保持原样。%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>另一个导入正在读取；请在其完成后重试。</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>每小时 %1</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>每月 %1 日</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>一款驻留在通知区域、带点阵时钟显示的桌面闹钟。</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>下列子命令之一及其参数。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

启动时读取的闹钟会照常响铃，但从现在起所做的任何更改都无法保存。</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[子命令 [参数]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>时钟设置 %1 不是文件，而是%2。将使用正常大小和“蓝色”，并保持其原样。</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1（第 1 行：大小）</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

无法读取 %2 中的时钟设置；将使用正常大小和“蓝色”，并在退出时写入正确的文件。</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 指定了 %2 次</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID“%1”：不是闹钟 ID（即 `chronelle list` 显示的编号）</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 和 --%2 不能同时指定</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound：文件名为空</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume“%1”：必须是 0 至 100 的整数</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>没有将要响铃的闹钟。
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>列出所有闹钟：ID、开/关、重复、时间、日程、下次响铃、标题</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>输出 JSON 对象数组。</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>下一个将要响铃的闹钟</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>添加一个闹钟并输出其 ID</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>仅在这一天响一次。</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>每小时。</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>每天。</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>在这些日子：mon,tue,wed,thu,fri,sat,sun。</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>每月的这一天。</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>每年的这一天。</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>备忘内容。</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>播放列表中的一个文件。</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>音量，以百分比表示。</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>删除闹钟</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>启用闹钟</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>停用闹钟</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>跳过闹钟的下一次响铃</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>闹钟从该日起恢复响铃</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>恢复响铃的第一天。</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause 需要 --until YYYY-MM-DD</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>取消跳过或暂停</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>让正在响铃的闹钟稍后提醒</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>停止正在响铃的闹钟（与其“确定”按钮相同）</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>将所有闹钟以 iCalendar 格式写入 FILE 或标准输出</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>已导入 %n 个闹钟%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>已跳过 %1</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>子命令（程序运行时发送给程序；未运行时直接作用于数据文件夹）：
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>退出码：0 已完成，1 无法完成，2 用法错误。
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>“%1”不是子命令</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>用法：chronelle %1%2</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>添加 iCalendar 文件中的闹钟，要么全部添加，要么都不添加；以前导入过的事件会更新其闹钟；并说明未导入哪些事件及其原因</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>保留事件的电源操作（关闭显示器、休眠、关机）；不加此选项则略去它们。</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>已就地更新 %n 个闹钟：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n 个闹钟保持原样，其事件未变：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>另有 %n 个事件被跳过，此处未列出</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>已略过：%1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>时间编码的参数无效</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>日期编码的参数无效</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>“%1”原定于 %2 响铃</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
另有超过 %n 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
另有 %n 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>在电脑未能留意时间期间，有超过 %n 个闹钟已过时而未响铃：
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>在电脑未能留意时间期间，有 %n 个闹钟已过时而未响铃：
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>错过的闹钟</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>EditorGeneralPage</name>
    <message>
        <source>Alarm Frequency: </source>
        <translation>重复：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>星期：</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>一</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>六</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>启用(&amp;O)</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>备忘：</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>别忘了……
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>关闭方式 </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>关闭方式</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>不自动关闭闹钟窗口</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>自动关闭闹钟窗口</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>自动关闭于                  分钟后</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>节能</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>节能</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>您可以通过挂起或关闭电脑、关闭显示器来节省电能 </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>不执行操作</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>关闭显示器</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>挂起电脑</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>关闭电脑</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>当前环境不支持</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>不可用：%1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>音频文件 (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>播放列表 </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>播放音乐：</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>歌曲</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>播放闹铃声</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>铃声 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>铃声 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>铃声 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>铃声 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>闹铃声</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>以下文件的名称中含有换行符，因此未添加。请将其重命名后重新添加：
%1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>EditorSoundPage</name>
    <message>
        <source>Volum effect </source>
        <translation>音量效果 </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>音量效果</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>淡入：</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>淡入分钟数</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>淡出，开始于：</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>淡出开始的分钟数</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>稍后提醒间隔：</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>最大闹铃音量：</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>自动稍后提醒的播放时长：</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>自动稍后提醒的播放时长</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>自动稍后提醒前的分钟数</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>（另有 %n 行）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

为避免丢失数据，Chronelle 将继续运行，待所有内容保存后才会退出。请排除原因（如磁盘已满，请释放一些空间），然后再次选择“退出”。</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>闹钟列表（al.ini）</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>时钟设置（LCD.ini）</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle 将退出，不保存%2。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle 无法在 %1 中保存其文件：%2。</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>无法删除 %1：%2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>无法保存 %1：它是指向另一文件系统上 %2 的符号链接，无法一步完成替换。该文件保持原样。</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>无法删除 %1：它是文件夹而不是文件，将保持原样。</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation>该更改已保留，将在下次启动时完成。</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>第 %1 行为“%2”，任何更改都不允许这样做</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>无法执行变更日志 %1：%2。也无法将其移至 %3（%4）。在删除它之前，无法添加、更改或删除任何闹钟。</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>无法执行变更日志 %1：%2。其中的内容均未执行，该日志已保存为 %3。闹钟保持在其所记录的更改之前的状态（如果该更改已完成，则为之后的状态）。请检查您的闹钟，然后即可删除 %3。</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>仅一次</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>每小时</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>每年</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>一次</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>每小时</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>每年</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Chronelle 帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>查找(&amp;L)：</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>首页(&amp;S)</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>帮助文件 %1 不存在。</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>帮助查看器没有可存放索引的文件夹（%1）。</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>无法启动帮助查看器：%1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>帮助查看器无法读取 %1：%2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>帮助文件 %1 中没有页面 %2。</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>无法启动声音播放器：%1。</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>无法播放：没有打开的文件。</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>无法启动：%1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>它已崩溃</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>它已退出，状态为 %1</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>它已有 %n 秒没有进展</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>声音播放器已停止：%1。</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>无法播放“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>无法打开没有名称的文件。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>无法打开“%1”：文件不存在。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>无法打开“%1”：它不是文件。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>无法打开“%1”：文件为空。</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>无法播放该文件。</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>声音服务器：%1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>不支持</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>需要授权</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>不允许</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>此系统不支持</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>电源管理器的应答为“%1”</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>此显示器不支持</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>此 Wayland 桌面不支持</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>此显示器不支持（%1）</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>不支持：没有系统总线（%1）</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>不支持：未连接到 X 服务器</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>此 X 服务器不支持（没有 DPMS）</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>此显示器不支持（它没有节能功能）</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>X 服务器拒绝启用 DPMS（错误 %1）</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>X 服务器拒绝关闭显示器（错误 %1）</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>无法关闭显示器：%1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>无法挂起：%1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>无法关机：%1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

闹钟将改用内置铃声响铃。</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>不存在第 %1 号闹铃声；闹钟将无声响铃。</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

每隔几秒会重试播放闹铃声。</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>当前环境不支持</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>闹钟选项</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>General </source>
        <translation>常规 </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>共 %1 个字符</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>某首歌曲长 %1 个字符</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>某行长 %1 个字符</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>无法保存：%1（最多 %2 个）。</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>别忘了：</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>预定时间 %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>%1 的闹钟</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TFormAlarmList</name>
    <message>
        <source>Alarm Manager</source>
        <translation>闹钟管理</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>闹钟无法将电脑从睡眠中唤醒。&lt;a href=&quot;why&quot;&gt;为什么？&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>系统拒绝了唤醒此电脑的时间设置。</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>系统拒绝了唤醒时间设置</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>闹钟无法将此电脑从睡眠中唤醒：%1。

%2%3在睡眠期间到时的闹钟，会在电脑唤醒后通知您。</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>一半大小</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>正常大小</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>两倍大小</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>双击此处更改 LCD 大小</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>双击此处更改 LCD 颜色</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>关于 Chronelle</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>隐藏到系统托盘(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>闹钟管理(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>跳过下一个闹钟(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>登录时启动(&amp;S)</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>时钟大小(&amp;C)</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>LCD 颜色(&amp;O)</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>帮助(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>关于(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle：没有将要响铃的闹钟</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>下一个闹钟：%1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>显示时钟(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>跳过下一个闹钟：%1(&amp;K)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>已跳过闹钟</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 不会响铃。</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>带字节顺序标记的 UTF-8</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>该文件以 %1 的字节顺序标记开头，但不是有效的 %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>命名管道（FIFO）</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>字符设备</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>块设备</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>特殊文件</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 不是文件，而是%2；不会读取它。</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>形成循环的符号链接</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>指向不存在的 %1 的符号链接</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>指向无法访问的 %1 的符号链接（%2）</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>指向%2 %1 的符号链接</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>无法保存 %1：它不是文件，而是%2，将保持原样。</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 超过了允许的 %2 字节上限；不会读取它。</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>第 %1 行超过 %2 个字符</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>该文件超过了允许的 %1 个字符上限；不会读取它</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>无法保存 %1：%2。该文件保持原样。</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>它不是文件，而是%1</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>无法创建新文件 %1：%2。</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle 正在使用数据文件夹 %1 运行，但无法通过会话总线与其联系。</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation>请先启动 Chronelle 查看闹钟，然后再从这里更改它们。</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>此程序缺少 CAP_WAKE_ALARM 权能</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>若要允许，管理员可运行一次以下命令：
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>此系统没有可用于唤醒的时钟</translation>
    </message>
</context>
</TS>
