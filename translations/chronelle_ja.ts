<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AlarmBus</name>
    <message>
        <source>option &apos;%1&apos; must be %2</source>
        <translation>オプション「%1」は %2 である必要があります</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: memo, sounds, volume)</source>
        <translation>不明なオプション「%1」(オプション: memo, sounds, volume)</translation>
    </message>
    <message>
        <source>there is no session bus (%1)</source>
        <translation>セッションバスがありません (%1)</translation>
    </message>
    <message>
        <source>could not serve %1 on the session bus</source>
        <translation>セッションバスで %1 を提供できませんでした</translation>
    </message>
    <message>
        <source>the bus name %1 is taken by another copy</source>
        <translation>バス名 %1 は別のコピーが使用しています</translation>
    </message>
    <message>
        <source>The alarm with id %1 will not ring again; there is nothing to skip.</source>
        <translation>ID %1 のアラームはもう鳴りません。スキップするものはありません。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (options: %2)</source>
        <translation>不明なオプション「%1」(オプション: %2)</translation>
    </message>
    <message>
        <source>The calendar is %1 bytes long; Chronelle imports at most %2 bytes.</source>
        <translation>カレンダーは %1 バイトあります。Chronelle がインポートできるのは最大 %2 バイトです。</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a date as YYYY-MM-DD</source>
        <translation>%1「%2」: YYYY-MM-DD 形式の日付ではありません</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the alarm would not be paused at all; give a day after today</source>
        <translation>%1「%2」: これではアラームがまったく一時停止されません。今日より後の日を指定してください</translation>
    </message>
</context>
<context>
    <name>AlarmCalendar</name>
    <message>
        <source>a damaged %1</source>
        <translation>%1 が壊れています</translation>
    </message>
    <message>
        <source>no start time</source>
        <translation>開始時刻がありません</translation>
    </message>
    <message>
        <source>an all-day event, with no time to ring at</source>
        <translation>終日の予定で、鳴らす時刻がありません</translation>
    </message>
    <message>
        <source>a KAlarm %1 alarm, not an active one</source>
        <translation>KAlarm の「%1」アラームで、有効なアラームではありません</translation>
    </message>
    <message>
        <source>a date-only KAlarm alarm, with no time to ring at</source>
        <translation>日付だけの KAlarm アラームで、鳴らす時刻がありません</translation>
    </message>
    <message>
        <source>more than one RRULE</source>
        <translation>RRULE が複数あります</translation>
    </message>
    <message>
        <source>already past</source>
        <translation>すでに過ぎています</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>予定 %1</translation>
    </message>
    <message>
        <source>The file is %1 bytes long; a calendar of alarms is at most %2 bytes.</source>
        <translation>ファイルの大きさは %1 バイトです。アラームのカレンダーは最大 %2 バイトです。</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.</source>
        <translation>iCalendar ファイルではありません: BEGIN:VCALENDAR で始まっていません。</translation>
    </message>
    <message>
        <source>This is not an iCalendar file: it could not be read as one.</source>
        <translation>iCalendar ファイルではありません: iCalendar として読み込めませんでした。</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセル済みです</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>モニターの電源を切る</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>PC をサスペンド</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>PC をシャットダウン</translation>
    </message>
    <message>
        <source>the same UID as an earlier event</source>
        <translation>前の予定と同じ UID です</translation>
    </message>
    <message>
        <source>Power action of %1 left off: &quot;%2&quot; needs your consent (import --with-power-actions)</source>
        <translation>%1 の省電力動作を外しました: 「%2」にはあなたの同意が必要です (import --with-power-actions)</translation>
    </message>
    <message>
        <source>The time zones of the calendar have more rules than Chronelle reads (at line %1).</source>
        <translation>カレンダーのタイムゾーンの規則が Chronelle が読み込める数を超えています（%1 行目）。</translation>
    </message>
    <message>
        <source>The calendar has more than %1 components (events, alarms, zones and their parts); Chronelle reads at most that many.</source>
        <translation>カレンダーのコンポーネント（予定、通知、タイムゾーンとその部分）が %1 を超えています。Chronelle が読み込むのはその数までです。</translation>
    </message>
    <message>
        <source>Line %1 of the calendar nests components deeper than %2 levels.</source>
        <translation>カレンダーの %1 行目でコンポーネントが %2 階層より深く入れ子になっています。</translation>
    </message>
    <message>
        <source>Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.</source>
        <translation>カレンダーの %1 行目が %2 バイトを超えています。Chronelle が読み込むのはその長さまでです。</translation>
    </message>
    <message>
        <source>TZID=%1: a time zone that neither the calendar nor the time-zone database describes</source>
        <translation>TZID=%1: カレンダーにもタイムゾーンデータベースにも記述のないタイムゾーンです</translation>
    </message>
    <message>
        <source>left unread: its rule takes more work to follow than an import may spend</source>
        <translation>読み込みませんでした: 繰り返し規則をたどるのに、インポートで使える以上の処理が必要です</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>an untitled series</source>
        <translation>無題の繰り返し予定</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of a series that is not in this calendar</source>
        <translation>このカレンダーにない繰り返し予定の %1 の回への変更です</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, already past</source>
        <translation>%2 の %1 の回への変更で、すでに過ぎています</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, which is skipped</source>
        <translation>%2 の %1 の回への変更で、その繰り返し予定はスキップされます</translation>
    </message>
    <message>
        <source>a change to the occurrence of %1 of %2, held in the alarm of that series</source>
        <translation>%2 の %1 の回への変更で、その繰り返し予定のアラームに含まれています</translation>
    </message>
    <message>
        <source>TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event</source>
        <translation>TRIGGER;VALUE=DATE-TIME: 繰り返す予定の特定の一時点に対する通知です</translation>
    </message>
    <message>
        <source>it starts at %1, and an hourly alarm can wait for the start of a day only</source>
        <translation>開始が %1 ですが、毎時のアラームは日の始まりまでしか待てません</translation>
    </message>
    <message>
        <source>in %1 its days are not those of one alarm (from %2 on)</source>
        <translation>%1 では、その日付が 1 つのアラームの日付と一致しません (%2 以降)</translation>
    </message>
    <message numerus="yes">
        <source>EXDATE: %n excluded day(s) ahead (%1)</source>
        <translation>
            <numerusform>EXDATE: 今後の除外日が %n 日あります (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>RECURRENCE-ID: %n changed occurrence(s) ahead (%1)</source>
        <translation>
            <numerusform>RECURRENCE-ID: 今後の変更された回が %n 件あります (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>keeps its local time %1 from now on, though the offset between %2 and %3 changes: on %4 the event is at %5 here</source>
        <translation>今後もローカル時刻 %1 を保ちますが、%2 と %3 の時差が変わります: %4 には、予定はこちらで %5 になります</translation>
    </message>
</context>
<context>
    <name>AlarmCatalogue</name>
    <message>
        <source>&apos;%1&apos; is not a valid alarm slot (0 to %2)</source>
        <translation>「%1」は有効なアラーム番号ではありません (0～%2)</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>The alarm list %1 is not a file but %2. Chronelle starts without alarms and leaves it as it is; to keep alarms, remove it or put the alarm list there.</source>
        <translation>アラーム一覧 %1 はファイルではなく%2です。Chronelle はアラームなしで起動し、それには手を付けません。アラームを保存するには、それを削除するか、そこにアラーム一覧を置いてください。</translation>
    </message>
    <message>
        <source>%1 (line 1: the number of alarms)</source>
        <translation>%1 (1 行目: アラームの数)</translation>
    </message>
    <message>
        <source>The first line announces &apos;%1&apos; alarms, but %2 lines follow (eight for each alarm).</source>
        <translation>1 行目はアラーム数を「%1」としていますが、続く行は %2 行です (アラームごとに 8 行)。</translation>
    </message>
    <message>
        <source> past line %1</source>
        <translation> (%1 行目以降)</translation>
    </message>
    <message numerus="yes">
        <source>%1

The alarm list %2 could not be read%3. The %n alarm(s) read from it are kept.</source>
        <translation>
            <numerusform>%1

アラーム一覧 %2 を読み込めませんでした%3。読み込めた %n 件のアラームは残ります。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

The alarm list could not be read.</source>
        <translation>%1

アラーム一覧を読み込めませんでした。</translation>
    </message>
    <message>
        <source> The original file is kept as %1.</source>
        <translation> 元のファイルは %1 として保存されています。</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2); save your alarms elsewhere before leaving the program.</source>
        <translation> 元のファイルのコピーを %1 として保存できませんでした (%2)。プログラムを終了する前に、アラームを別の場所に保存してください。</translation>
    </message>
    <message>
        <source>is not in UTF-8; it was read whole as Windows-1252</source>
        <translation>は UTF-8 ではないため、全体を Windows-1252 として読み込みました</translation>
    </message>
    <message>
        <source>is in %1 (it starts with a byte-order mark); it was read whole</source>
        <translation>は %1 です (バイトオーダーマークで始まります)。全体を読み込みました</translation>
    </message>
    <message>
        <source>The alarm list %1 %2 and is saved in UTF-8 without a byte-order mark from now on. No alarm was lost.</source>
        <translation>アラーム一覧 %1 %2。今後はバイトオーダーマークなしの UTF-8 で保存します。失われたアラームはありません。</translation>
    </message>
    <message>
        <source> A copy of the original file could not be kept as %1 (%2).</source>
        <translation> 元のファイルのコピーを %1 として保存できませんでした (%2)。</translation>
    </message>
    <message>
        <source>%1 (line %2: the %3 of alarm %4)</source>
        <translation>%1 (%2 行目: アラーム %4 の%3)</translation>
    </message>
    <message>
        <source>time key</source>
        <translation>時刻キー</translation>
    </message>
    <message>
        <source>date key</source>
        <translation>日付キー</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>アラーム番号</translation>
    </message>
    <message>
        <source>The alarm slot &apos;%1&apos; is used by two alarms (line %2)</source>
        <translation>アラーム番号「%1」が 2 つのアラームで使われています (%2 行目)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>ほか %n 件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in sound and without a reminder:
%2

Edit such an alarm to give it its settings again, or delete it.</source>
        <translation>
            <numerusform>%n 件のアラームには %1 にアラームファイルがありません。これらは 1 番目の内蔵サウンドで、メモなしで鳴ります:
%2

これらのアラームを編集して設定し直すか、削除してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>The alarm list %1 gives the alarm slot %2 as &apos;%3&apos; (line %4); it is saved as &apos;%2&apos; from now on.</source>
        <translation>アラーム一覧 %1 ではアラーム番号 %2 が「%3」と記されています (%4 行目)。今後は「%2」として保存します。</translation>
    </message>
    <message>
        <source> No alarm was lost.</source>
        <translation> 失われたアラームはありません。</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be saved: %2. Nothing was saved.</source>
        <translation>アラーム「%1」を保存できません: %2。何も保存されませんでした。</translation>
    </message>
    <message>
        <source>its %1 holds a line break or a character a line of its file can&apos;t carry</source>
        <translation>%1 に改行か、ファイルの 1 行に書けない文字が含まれています</translation>
    </message>
    <message>
        <source>its %1 is %2 characters long; a line of the alarm list holds at most %3</source>
        <translation>%1 は %2 文字あります。アラーム一覧の 1 行は最大 %3 文字です</translation>
    </message>
</context>
<context>
    <name>AlarmChoices</name>
    <message>
        <source>%1 &apos;%2&apos;: %3</source>
        <translation>%1「%2」: %3</translation>
    </message>
    <message>
        <source>not a time as HH:MM or HH:MM:SS</source>
        <translation>HH:MM または HH:MM:SS 形式の時刻ではありません</translation>
    </message>
    <message>
        <source>the hour must be 0 to 23</source>
        <translation>時は 0～23 で指定してください</translation>
    </message>
    <message>
        <source>the minutes must be 0 to 59</source>
        <translation>分は 0～59 で指定してください</translation>
    </message>
    <message>
        <source>the seconds must be 0 to 59</source>
        <translation>秒は 0～59 で指定してください</translation>
    </message>
    <message>
        <source>not a date as YYYY-MM-DD</source>
        <translation>YYYY-MM-DD 形式の日付ではありません</translation>
    </message>
    <message>
        <source>no day given (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>曜日が指定されていません (曜日: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day (days: mon,tue,wed,thu,fri,sat,sun)</source>
        <translation>「%1」は曜日ではありません (曜日: mon,tue,wed,thu,fri,sat,sun)</translation>
    </message>
    <message>
        <source>the day of the month must be 1 to 31</source>
        <translation>日は 1～31 で指定してください</translation>
    </message>
    <message>
        <source>not a month and day as MM-DD</source>
        <translation>MM-DD 形式の月日ではありません</translation>
    </message>
    <message>
        <source>--memo: the reminder is empty</source>
        <translation>--memo: メモが空です</translation>
    </message>
    <message>
        <source>--memo: the reminder holds a control character (U+%1)</source>
        <translation>--memo: メモに制御文字 (U+%1) が含まれています</translation>
    </message>
    <message>
        <source>a file name with a line break can&apos;t be kept in the play list</source>
        <translation>改行を含むファイル名はプレイリストに入れられません</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>完全なパスではありません</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>%1 のいずれでもありません</translation>
    </message>
    <message>
        <source>takes no value</source>
        <translation>値は指定できません</translation>
    </message>
    <message>
        <source>must be 0 to 100</source>
        <translation>0～100 で指定してください</translation>
    </message>
    <message>
        <source>that moment has passed</source>
        <translation>その日時は過ぎています</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: no such file</source>
        <translation>%1「%2」: そのようなファイルはありません</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file</source>
        <translation>%1「%2」: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: not a regular file but a view of the running system</source>
        <translation>%1「%2」: 通常のファイルではなく、動作中のシステムの表示です</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;: the file can&apos;t be read</source>
        <translation>%1「%2」: ファイルを読み取れません</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>built-in sound</source>
        <translation>内蔵サウンド</translation>
    </message>
    <message>
        <source>sound minutes</source>
        <translation>サウンドの分数</translation>
    </message>
    <message>
        <source>fade-in minutes</source>
        <translation>フェードインの分数</translation>
    </message>
    <message>
        <source>fade-out minutes</source>
        <translation>フェードアウトの分数</translation>
    </message>
    <message>
        <source>snooze minutes</source>
        <translation>スヌーズの分数</translation>
    </message>
    <message>
        <source>auto-snooze minutes</source>
        <translation>自動スヌーズまでの分数</translation>
    </message>
    <message>
        <source>volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>auto-close minutes</source>
        <translation>自動で閉じるまでの分数</translation>
    </message>
    <message>
        <source>power action</source>
        <translation>省電力動作</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>must be %1 to %2</source>
        <translation>%1 から %2 の範囲である必要があります</translation>
    </message>
    <message>
        <source>alarm time</source>
        <translation>アラーム時刻</translation>
    </message>
    <message>
        <source>not a valid date and time</source>
        <translation>有効な日時ではありません</translation>
    </message>
    <message>
        <source>closing method</source>
        <translation>閉じ方</translation>
    </message>
    <message>
        <source>exactly one of its three switches must be on</source>
        <translation>3 つのスイッチのうちちょうど 1 つがオンである必要があります</translation>
    </message>
    <message>
        <source>play list</source>
        <translation>再生リスト</translation>
    </message>
    <message>
        <source>at most %1 files are played</source>
        <translation>再生されるのは最大 %1 個のファイルです</translation>
    </message>
    <message>
        <source>play-list entry</source>
        <translation>再生リストの項目</translation>
    </message>
</context>
<context>
    <name>AlarmEngine</name>
    <message>
        <source>All %1 alarms are in use. Delete an alarm before adding a new one.</source>
        <translation>%1 件のアラームがすべて使用中です。新しいアラームを追加する前に、いずれかを削除してください。</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be brought back: its place is taken by another alarm.</source>
        <translation>アラーム「%1」を元に戻せません: その場所は別のアラームが使っています。</translation>
    </message>
    <message>
        <source>There is no alarm in row %1.</source>
        <translation>%1 行目にアラームはありません。</translation>
    </message>
    <message>
        <source>All %1 alarms are in use; delete one before adding another.</source>
        <translation>%1 件のアラームがすべて使用中です。追加する前にいずれかを削除してください。</translation>
    </message>
    <message>
        <source>There is no alarm with id %1.</source>
        <translation>ID %1 のアラームはありません。</translation>
    </message>
    <message>
        <source>No alarm is ringing.</source>
        <translation>鳴っているアラームはありません。</translation>
    </message>
    <message>
        <source>The alarm &quot;%1&quot; was changed or deleted while it was being edited; the edit is not saved.</source>
        <translation>アラーム「%1」は編集中に変更または削除されたため、編集内容は保存されません。</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>lines %1 to %2</source>
        <translation>%1～%2 行目</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の%1</translation>
    </message>
    <message>
        <source>The alarm would be %1 characters long; an alarm file holds at most %2. Shorten the reminder or the play list to save it.</source>
        <translation>アラームの長さが %1 文字になります。アラームファイルに入るのは最大 %2 文字です。保存するには、メモかプレイリストを短くしてください。</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; an alarm file holds lines of at most %3 characters. Shorten it to save the alarm.</source>
        <translation>%1が %2 文字あります。アラームファイルの 1 行は最大 %3 文字です。アラームを保存するには短くしてください。</translation>
    </message>
    <message>
        <source>A play-list entry</source>
        <translation>プレイリストの項目</translation>
    </message>
    <message>
        <source>A line of the reminder</source>
        <translation>メモの 1 行</translation>
    </message>
    <message>
        <source>The alarm file %1 is missing. The editor shows the settings of a new alarm; &quot;OK&quot; saves them as %1.</source>
        <translation>アラームファイル %1 がありません。エディターには新しいアラームの設定を表示します。「OK」でそれを %1 として保存します。</translation>
    </message>
    <message>
        <source> It is kept as %1.</source>
        <translation> %1 として保存されています。</translation>
    </message>
    <message>
        <source>%1

Nothing could be read from the alarm file, so the alarm can&apos;t be edited.%2 Delete the alarm and add it anew, or mend the file.</source>
        <translation>%1

アラームファイルから何も読み込めなかったため、このアラームは編集できません。%2 アラームを削除して追加し直すか、ファイルを修復してください。</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be kept as %2 (%3), so the alarm can&apos;t be edited now: the edit would replace it.</source>
        <translation>%1

アラームファイルを %2 として保存できなかったため (%3)、今はこのアラームを編集できません: 編集するとファイルが置き換えられます。</translation>
    </message>
    <message>
        <source>%1

The alarm file could not be read whole; it is kept as %2. The editor shows what was read, and the settings of a new alarm for the rest; &quot;OK&quot; replaces %3 with what it shows.</source>
        <translation>%1

アラームファイルをすべては読み込めませんでした。ファイルは %2 として保存されています。エディターには読み込めた内容と、残りは新しいアラームの設定を表示します。「OK」で %3 を表示内容に置き換えます。</translation>
    </message>
</context>
<context>
    <name>AlarmListModel</name>
    <message>
        <source>paused until %1</source>
        <translation>%1 まで一時停止</translation>
    </message>
    <message>
        <source>skipped until %1 %2</source>
        <translation>%1 %2 までスキップ</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the days of a weekly alarm in the list: &quot;Mon, Wed, Fri&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
</context>
<context>
    <name>AlarmRecord</name>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>忘れずに…
</translation>
    </message>
</context>
<context>
    <name>AlarmRowActions</name>
    <message>
        <source>Pause Alarm</source>
        <translation>アラームの一時停止</translation>
    </message>
    <message>
        <source>&amp;Rings again on:</source>
        <translation>再び鳴る日(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>オン(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Skip next</source>
        <translation>次回をスキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Pause until...</source>
        <translation>一時停止(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>AlarmScheduler</name>
    <message>
        <source>The alarm &quot;%1&quot; can&apos;t be scheduled and is skipped: %2</source>
        <translation>アラーム「%1」は予定に入れられないため、飛ばします: %2</translation>
    </message>
    <message>
        <source>Minutes Passed</source>
        <translation>分が経過</translation>
    </message>
    <message>
        <source>Minutes have not Passed</source>
        <translation>分は未経過</translation>
    </message>
</context>
<context>
    <name>AlarmStates</name>
    <message>
        <source>Line %1 of the alarm states: %2</source>
        <translation>アラーム状態の %1 行目: %2</translation>
    </message>
    <message>
        <source>The alarm states announce %1 entries, but %2 lines follow (four for each).</source>
        <translation>アラーム状態は項目数を %1 としていますが、続く行は %2 行です (項目ごとに 4 行)。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no free alarm slot</source>
        <translation>「%1」は使えるアラーム番号ではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither TRUE nor FALSE</source>
        <translation>「%1」は TRUE でも FALSE でもありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no moment</source>
        <translation>「%1」は日時ではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <translation>「%1」は日付ではありません</translation>
    </message>
    <message>
        <source>The alarm states %1 could not be read: %2

Every alarm is on and nothing is skipped or paused until you change it.%3</source>
        <translation>アラーム状態 %1 を読み込めませんでした: %2

変更するまで、すべてのアラームはオンで、スキップや一時停止はありません。%3</translation>
    </message>
    <message>
        <source> The file is kept as %1.</source>
        <translation> ファイルは %1 として保存されています。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not belong here</source>
        <translation>「%1」はここにあるべきものではありません</translation>
    </message>
</context>
<context>
    <name>AudibleGuard</name>
    <message>
        <source>The sound was off and at %1 %; it is on at %2 % for this alarm.</source>
        <translation>音声はオフで %1 % でした。このアラームのためにオンにして %2 % にしました。</translation>
    </message>
    <message>
        <source>The sound was off; it is on for this alarm.</source>
        <translation>音声はオフでした。このアラームのためにオンにしました。</translation>
    </message>
    <message>
        <source>The sound was at %1 %; it is at %2 % for this alarm.</source>
        <translation>音量は %1 % でした。このアラームのために %2 % にしました。</translation>
    </message>
    <message>
        <source>Chronelle&apos;s sound was off; it is on for this alarm.</source>
        <translation>Chronelle の音声はオフでした。このアラームのためにオンにしました。</translation>
    </message>
    <message>
        <source>The sound could not be checked: %1.</source>
        <translation>音声を確認できませんでした: %1。</translation>
    </message>
    <message>
        <source>The sound server went away while the alarm rang.</source>
        <translation>アラームが鳴っている間にサウンドサーバーが停止しました。</translation>
    </message>
    <message>
        <source>the sound server did not answer</source>
        <translation>サウンドサーバーが応答しませんでした</translation>
    </message>
    <message>
        <source>there is no sound output</source>
        <translation>音声出力がありません</translation>
    </message>
    <message>
        <source>the sound server refused to change the output</source>
        <translation>サウンドサーバーが出力の変更を拒否しました</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Could not remove %1.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>Could not create the folder %1.</source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>CalendarTransfer</name>
    <message numerus="yes">
        <source>%n more skipped event(s), not listed</source>
        <translation>
            <numerusform>ほか %n 件の予定をスキップしました (一覧にはありません)</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the same alarm as an earlier event (id %2)</source>
        <translation>「%1」: 前の予定と同じアラームです (ID %2)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: only %1 of the %n alarm(s) in the file would fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the file&apos;s alarms are already here).</source>
        <translation>
            <numerusform>何もインポートしませんでした: ファイルの %n 件のアラームのうち入るのは %1 件だけです (Chronelle のアラームは最大 %2 件で、%3 件が使用中、ファイルのアラームのうち %4 件はすでにあります)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: none of the %n alarm(s) was added or updated, and every alarm is as it was. %1</source>
        <translation>
            <numerusform>何もインポートしませんでした: %n 件のアラームはどれも追加も更新もされず、すべてのアラームは元のままです。%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Another import is being read; try again when it is done.</source>
        <translation>別のインポートを読み込み中です。終わってからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>CatalogueRow</name>
    <message>
        <source>%1 of every hour</source>
        <translation>毎時 %1</translation>
    </message>
    <message>
        <source>%1 of every month</source>
        <translation>毎月 %1 日</translation>
    </message>
</context>
<context>
    <name>Chronelle</name>
    <message>
        <source>A desktop alarm clock with a dot-matrix clock face that lives in the notification area.</source>
        <translation>ドットマトリクス表示の時計を持ち、通知領域に常駐するデスクトップ用目覚まし時計です。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>A verb below, with its arguments.</source>
        <translation>下記のサブコマンドとその引数。</translation>
    </message>
    <message>
        <source>

The alarms read at start ring as usual, but nothing changed from now on can be saved.</source>
        <translation>

起動時に読み込んだアラームは通常どおり鳴りますが、今後の変更は保存できません。</translation>
    </message>
    <message>
        <source>[verb [arguments]]</source>
        <translation>[サブコマンド [引数]]</translation>
    </message>
</context>
<context>
    <name>ClockSettings</name>
    <message>
        <source>The clock settings %1 are not a file but %2. Normal size and &quot;Blue&quot; are used, and it is left as it is.</source>
        <translation>時計の設定 %1 はファイルではなく%2です。標準サイズと「青」を使い、それには手を付けません。</translation>
    </message>
    <message>
        <source>%1 (line 1: the size)</source>
        <translation>%1 (1 行目: サイズ)</translation>
    </message>
    <message>
        <source>%1

The clock settings in %2 could not be read; normal size and &quot;Blue&quot; are used and a correct file is written at exit.</source>
        <translation>%1

%2 の時計の設定を読み込めませんでした。標準サイズと「青」を使い、終了時に正しいファイルを書き込みます。</translation>
    </message>
</context>
<context>
    <name>CommandVerbs</name>
    <message>
        <source>--%1 is given %2 times</source>
        <translation>--%1 が %2 回指定されています</translation>
    </message>
    <message>
        <source>ID &apos;%1&apos;: not an alarm id (the number `chronelle list` shows)</source>
        <translation>ID「%1」: アラーム ID ではありません (`chronelle list` が表示する番号)</translation>
    </message>
    <message>
        <source>--%1 and --%2 can&apos;t both be given</source>
        <translation>--%1 と --%2 は同時に指定できません</translation>
    </message>
    <message>
        <source>--volume &apos;%1&apos;: must be a whole number from 0 to 100</source>
        <translation>--volume「%1」: 0～100 の整数で指定してください</translation>
    </message>
    <message>
        <source>No alarm will ring.
</source>
        <translation>鳴る予定のアラームはありません。
</translation>
    </message>
    <message>
        <source>every alarm: id, on/off, frequency, time, schedule, next ringing, caption</source>
        <translation>すべてのアラーム: ID、オン/オフ、頻度、時刻、予定、次に鳴る日時、タイトル</translation>
    </message>
    <message>
        <source>An array of JSON objects.</source>
        <translation>JSON オブジェクトの配列。</translation>
    </message>
    <message>
        <source>the next alarm that will ring</source>
        <translation>次に鳴るアラーム</translation>
    </message>
    <message>
        <source>adds an alarm and prints its id</source>
        <translation>アラームを追加して ID を表示</translation>
    </message>
    <message>
        <source>Once, on this day.</source>
        <translation>この日に 1 回だけ。</translation>
    </message>
    <message>
        <source>Every hour.</source>
        <translation>毎時。</translation>
    </message>
    <message>
        <source>Every day.</source>
        <translation>毎日。</translation>
    </message>
    <message>
        <source>On these days: mon,tue,wed,thu,fri,sat,sun.</source>
        <translation>指定した曜日: mon,tue,wed,thu,fri,sat,sun。</translation>
    </message>
    <message>
        <source>On this day of every month.</source>
        <translation>毎月この日。</translation>
    </message>
    <message>
        <source>On this day of every year.</source>
        <translation>毎年この日。</translation>
    </message>
    <message>
        <source>The reminder.</source>
        <translation>メモ。</translation>
    </message>
    <message>
        <source>A file of the play list.</source>
        <translation>プレイリストのファイル。</translation>
    </message>
    <message>
        <source>The volume, in percent.</source>
        <translation>音量 (パーセント)。</translation>
    </message>
    <message>
        <source>deletes the alarm</source>
        <translation>アラームを削除</translation>
    </message>
    <message>
        <source>switches the alarm on</source>
        <translation>アラームをオン</translation>
    </message>
    <message>
        <source>switches the alarm off</source>
        <translation>アラームをオフ</translation>
    </message>
    <message>
        <source>skips the alarm&apos;s next ringing</source>
        <translation>アラームの次回をスキップ</translation>
    </message>
    <message>
        <source>the alarm rings again from that day</source>
        <translation>その日からアラームが再び鳴る</translation>
    </message>
    <message>
        <source>The first day it rings again.</source>
        <translation>再び鳴る最初の日。</translation>
    </message>
    <message>
        <source>pause needs --until YYYY-MM-DD</source>
        <translation>pause には --until YYYY-MM-DD が必要です</translation>
    </message>
    <message>
        <source>undoes a skip or a pause</source>
        <translation>スキップや一時停止を取り消す</translation>
    </message>
    <message>
        <source>snoozes the ringing alarm</source>
        <translation>鳴っているアラームをスヌーズ</translation>
    </message>
    <message>
        <source>stops the ringing alarm, as its OK does</source>
        <translation>鳴っているアラームを止める (OK と同じ)</translation>
    </message>
    <message>
        <source>Verbs (with the program running they go to it; without, to the data folder):
</source>
        <translation>サブコマンド (プログラムの実行中はプログラムに、実行していないときはデータフォルダーに作用します):
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 could not be done, 2 wrong usage.
</source>
        <translation>終了コード: 0 完了、1 実行できなかった、2 使い方の誤り。
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a verb</source>
        <translation>「%1」はサブコマンドではありません</translation>
    </message>
    <message>
        <source>usage: chronelle %1%2</source>
        <translation>使い方: chronelle %1%2</translation>
    </message>
    <message>
        <source>--sound: the file name is empty</source>
        <translation>--sound: ファイル名が空です</translation>
    </message>
    <message>
        <source>writes every alarm as iCalendar to FILE or the standard output</source>
        <translation>すべてのアラームを iCalendar 形式で FILE か標準出力に書き出す</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n alarm(s)%1</source>
        <translation>
            <numerusform>%n 件のアラームをインポートしました%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped %1</source>
        <translation>スキップ: %1</translation>
    </message>
    <message>
        <source>adds the alarms of an iCalendar file, all or none; an event imported before updates its alarm; says which events it left and why</source>
        <translation>iCalendar ファイルのアラームをすべて追加するか何も追加しない。以前インポートした予定はそのアラームを更新する。取り込まなかった予定とその理由を表示</translation>
    </message>
    <message>
        <source>Keep the events&apos; power actions (monitor off, suspend, shut down); without it they are left off.</source>
        <translation>予定の省電力動作 (モニターオフ、スリープ、シャットダウン) を残します。指定しないと外されます。</translation>
    </message>
    <message numerus="yes">
        <source>Updated %n alarm(s) in place: %1</source>
        <translation>
            <numerusform>%n 件のアラームをその場で更新しました: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left %n alarm(s) as they were, their events unchanged: %1</source>
        <translation>
            <numerusform>%n 件のアラームをそのままにしました (予定に変更なし): %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Skipped %n more event(s), not listed here</source>
        <translation>
            <numerusform>ほか %n 件の予定をスキップしました (ここには表示していません)</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out %1</source>
        <translation>除外: %1</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数ではありません</translation>
    </message>
    <message>
        <source>Invalid argument to time encode</source>
        <translation>時刻の変換に無効な引数が渡されました</translation>
    </message>
    <message>
        <source>Invalid argument to date encode</source>
        <translation>日付の変換に無効な引数が渡されました</translation>
    </message>
</context>
<context>
    <name>DesktopAnnouncer</name>
    <message>
        <source>&quot;%1&quot; was due at %2</source>
        <translation>「%1」の予定は %2 でした</translation>
    </message>
    <message numerus="yes">
        <source>
and more than %n more.</source>
        <translation>
            <numerusform>
ほか %n 件以上。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>
and %n more.</source>
        <translation>
            <numerusform>
ほか %n 件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, more than %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>PC が時計を見ていない間に、%n 件を超えるアラームが鳴らずに過ぎました:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the computer was not watching the clock, %n alarm(s) went by without ringing:
%1</source>
        <translation>
            <numerusform>PC が時計を見ていない間に、%n 件のアラームが鳴らずに過ぎました:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>鳴らなかったアラーム</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
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
        <translation>頻度: </translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時刻:</translation>
    </message>
    <message>
        <source>Days of week:</source>
        <translation>曜日:</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tur</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Alarm &amp;on</source>
        <translation>有効(&amp;O)</translation>
    </message>
    <message>
        <source>Reminder:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Don&apos;t for get to ...
</source>
        <translation>忘れずに…
</translation>
    </message>
</context>
<context>
    <name>EditorOthersPage</name>
    <message>
        <source>Closing method </source>
        <translation>閉じ方 </translation>
    </message>
    <message>
        <source>Closing method</source>
        <translation>閉じ方</translation>
    </message>
    <message>
        <source>Don&apos;t auto-close alarm window</source>
        <translation>アラーム画面を自動で閉じない</translation>
    </message>
    <message>
        <source>Close alarm window Automatically</source>
        <translation>アラーム画面を自動で閉じる</translation>
    </message>
    <message>
        <source>Auto-close after                 minutes</source>
        <translation>自動で閉じるまで                  分</translation>
    </message>
    <message>
        <source>Power  Saving</source>
        <translation>省電力</translation>
    </message>
    <message>
        <source>Power Saving</source>
        <translation>省電力</translation>
    </message>
    <message>
        <source>You can save power by suspending/shut down your PC or turning off the monitor </source>
        <translation>PC のサスペンドやシャットダウン、モニターの電源オフで電力を節約できます </translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>何もしない</translation>
    </message>
    <message>
        <source>Turn monitor off</source>
        <translation>モニターの電源を切る</translation>
    </message>
    <message>
        <source>Hibernate PC</source>
        <translation>PC をサスペンド</translation>
    </message>
    <message>
        <source>Shut down PC</source>
        <translation>PC をシャットダウン</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>この環境では使えません</translation>
    </message>
    <message>
        <source>Not available: %1</source>
        <translation>使用できません: %1</translation>
    </message>
</context>
<context>
    <name>EditorPlayListPage</name>
    <message>
        <source>Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;All files (*)</source>
        <translation>音声ファイル (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Play list </source>
        <translation>プレイリスト </translation>
    </message>
    <message>
        <source>Play list</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Play msuic songs:</source>
        <translation>音楽を再生:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>曲</translation>
    </message>
    <message>
        <source>Play alarm sounds</source>
        <translation>アラーム音を再生</translation>
    </message>
    <message>
        <source>Sound 1</source>
        <translation>サウンド 1</translation>
    </message>
    <message>
        <source>Sound 2</source>
        <translation>サウンド 2</translation>
    </message>
    <message>
        <source>Sound 3</source>
        <translation>サウンド 3</translation>
    </message>
    <message>
        <source>Sound 4</source>
        <translation>サウンド 4</translation>
    </message>
    <message>
        <source>Alarm sound</source>
        <translation>アラーム音</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>These files were not added, because their names contain a line break. Rename them and add them again:
%1</source>
        <translation>次のファイルは名前に改行が含まれているため追加しませんでした。名前を変えてから追加し直してください:
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
        <translation>音量効果 </translation>
    </message>
    <message>
        <source>Volum effect</source>
        <translation>音量効果</translation>
    </message>
    <message>
        <source>Fade in effect:</source>
        <translation>フェードイン:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Fade in minutes</source>
        <translation>フェードインの分数</translation>
    </message>
    <message>
        <source>Fade out effect, begin at:</source>
        <translation>フェードアウト開始:</translation>
    </message>
    <message>
        <source>Fade out begins at minutes</source>
        <translation>フェードアウト開始の分</translation>
    </message>
    <message>
        <source>Snooze time:</source>
        <translation>スヌーズ時間:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Max alarm sound volume:</source>
        <translation>アラームの最大音量:</translation>
    </message>
    <message>
        <source>Auto begin snooze after  playing music for</source>
        <translation>自動でスヌーズするまでの再生時間</translation>
    </message>
    <message>
        <source>Auto begin snooze after playing music for</source>
        <translation>自動でスヌーズするまでの再生時間</translation>
    </message>
    <message>
        <source>Auto begin snooze after minutes</source>
        <translation>自動でスヌーズするまでの分数</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>(%n more lines)</source>
        <translation>
            <numerusform>(ほか %n 行)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExitSequence</name>
    <message>
        <source>

Chronelle keeps running, so that nothing is lost: it ends once everything is saved. Mend the cause (on a full disk, free some space) and choose Exit again.</source>
        <translation>

何も失われないよう、Chronelle は動作を続けます。すべて保存できた時点で終了します。原因を解消し (ディスクがいっぱいなら空きを作り)、もう一度「終了」を選んでください。</translation>
    </message>
    <message>
        <source>the alarm list (al.ini)</source>
        <translation>アラーム一覧 (al.ini)</translation>
    </message>
    <message>
        <source>the clock settings (LCD.ini)</source>
        <translation>時計の設定 (LCD.ini)</translation>
    </message>
    <message>
        <source>%1

Chronelle ends without saving %2.</source>
        <translation>%1

Chronelle は%2を保存せずに終了します。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>と</translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>Chronelle cannot keep its files in %1: %2.</source>
        <translation>Chronelle は %1 にファイルを保存できません: %2。</translation>
    </message>
</context>
<context>
    <name>FileTransaction</name>
    <message>
        <source>Could not replace %1: %2</source>
        <translation>%1 を置き換えられませんでした: %2</translation>
    </message>
    <message>
        <source>Could not remove %1: %2</source>
        <translation>%1 を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>Could not save %1: it is a symbolic link to %2, on another file system, where it can&apos;t be replaced in one step. The file is left as it was.</source>
        <translation>%1 を保存できませんでした: 別のファイルシステムにある %2 へのシンボリックリンクで、一度に置き換えられません。ファイルは元のままです。</translation>
    </message>
    <message>
        <source>Could not remove %1: it is a folder, not a file, and is left as it is.</source>
        <translation>%1 を削除できませんでした: ファイルではなくフォルダーのため、そのままにします。</translation>
    </message>
    <message>
        <source> The change is kept and will be completed at the next start.</source>
        <translation> 変更は保持され、次回の起動時に完了します。</translation>
    </message>
    <message>
        <source>line %1 says &quot;%2&quot;, which no change may do</source>
        <translation>%1 行目は「%2」となっていますが、これはどの変更にも許されません</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. It could not be moved aside as %3 either (%4). Until it is removed, no alarm can be added, changed or deleted.</source>
        <translation>変更記録 %1 をたどれません: %2。%3 として退避することもできませんでした (%4)。これを削除するまで、アラームの追加・変更・削除はできません。</translation>
    </message>
    <message>
        <source>The change journal %1 can&apos;t be followed: %2. Nothing in it was done, and it is kept as %3. The alarms are as they were before the change it names (or after it, if that was complete). Check your alarms; %3 can then be deleted.</source>
        <translation>変更記録 %1 をたどれません: %2。記録の内容は何も実行せず、%3 として保存しました。アラームは記録された変更の前 (完了していた場合は後) の状態です。アラームを確認してから %3 を削除してください。</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Once</source>
        <translation>1 回のみ</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>毎時</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>毎年</translation>
    </message>
</context>
<context>
    <name>FrequencyColumn</name>
    <message>
        <source>Once</source>
        <translation>1 回のみ</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>毎時</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>毎年</translation>
    </message>
</context>
<context>
    <name>HelpLauncher</name>
    <message>
        <source>Chronelle Help</source>
        <translation>Chronelle ヘルプ</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>検索(&amp;L):</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>ナビゲーション</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Start Page</source>
        <translation>開始ページ(&amp;S)</translation>
    </message>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>ヘルプファイル %1 がありません。</translation>
    </message>
    <message>
        <source>The help viewer has no folder to keep its index in (%1).</source>
        <translation>ヘルプビューアーに索引を保存するフォルダーがありません (%1)。</translation>
    </message>
    <message>
        <source>The help viewer could not start: %1</source>
        <translation>ヘルプビューアーを起動できませんでした: %1</translation>
    </message>
    <message>
        <source>The help viewer could not read %1: %2</source>
        <translation>ヘルプビューアーは %1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>The help file %1 has no page %2.</source>
        <translation>ヘルプファイル %1 にはページ %2 がありません。</translation>
    </message>
</context>
<context>
    <name>LcdScript</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」は有効な整数ではありません</translation>
    </message>
</context>
<context>
    <name>MediaPlayer</name>
    <message>
        <source>the sound player could not be started: %1.</source>
        <translation>サウンドプレーヤーを起動できませんでした: %1。</translation>
    </message>
    <message>
        <source>Cannot play: no file is open.</source>
        <translation>再生できません: ファイルが開かれていません。</translation>
    </message>
    <message>
        <source>it could not be started: %1</source>
        <translation>起動できませんでした: %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>異常終了しました</translation>
    </message>
    <message>
        <source>it ended with status %1</source>
        <translation>状態 %1 で終了しました</translation>
    </message>
    <message numerus="yes">
        <source>it made no progress for %n seconds</source>
        <translation>
            <numerusform>%n 秒間進みませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>the sound player stopped: %1.</source>
        <translation>サウンドプレーヤーが停止しました: %1。</translation>
    </message>
    <message>
        <source>Cannot play &quot;%1&quot;: %2</source>
        <translation>「%1」を再生できません: %2</translation>
    </message>
    <message>
        <source>Cannot open a file without a name.</source>
        <translation>名前のないファイルは開けません。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file does not exist.</source>
        <translation>「%1」を開けません: ファイルがありません。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>「%1」を開けません: ファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is empty.</source>
        <translation>「%1」を開けません: ファイルが空です。</translation>
    </message>
    <message>
        <source>The file can&apos;t be played.</source>
        <translation>このファイルは再生できません。</translation>
    </message>
    <message>
        <source>the sound server: %1</source>
        <translation>サウンドサーバー: %1</translation>
    </message>
</context>
<context>
    <name>PlayListModel</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>not supported</source>
        <translation>サポートされていません</translation>
    </message>
    <message>
        <source>needs an authorization</source>
        <translation>認証が必要です</translation>
    </message>
    <message>
        <source>not permitted</source>
        <translation>許可されていません</translation>
    </message>
    <message>
        <source>not supported by this system</source>
        <translation>このシステムではサポートされていません</translation>
    </message>
    <message>
        <source>the power manager answered &quot;%1&quot;</source>
        <translation>電源管理の応答は「%1」でした</translation>
    </message>
    <message>
        <source>not supported by this display</source>
        <translation>このディスプレイではサポートされていません</translation>
    </message>
    <message>
        <source>not supported on this Wayland desktop</source>
        <translation>この Wayland デスクトップではサポートされていません</translation>
    </message>
    <message>
        <source>not supported on this display (%1)</source>
        <translation>このディスプレイではサポートされていません (%1)</translation>
    </message>
    <message>
        <source>not supported: no system bus (%1)</source>
        <translation>サポートされていません: システムバスがありません (%1)</translation>
    </message>
    <message>
        <source>not supported: no connection to the X server</source>
        <translation>サポートされていません: X サーバーに接続されていません</translation>
    </message>
    <message>
        <source>not supported by this X server (no DPMS)</source>
        <translation>この X サーバーではサポートされていません (DPMS なし)</translation>
    </message>
    <message>
        <source>not supported by this display (it has no power saving)</source>
        <translation>このディスプレイではサポートされていません (省電力機能なし)</translation>
    </message>
    <message>
        <source>the X server refused to switch DPMS on (error %1)</source>
        <translation>X サーバーが DPMS の有効化を拒否しました (エラー %1)</translation>
    </message>
    <message>
        <source>the X server refused to turn the monitor off (error %1)</source>
        <translation>X サーバーがモニターの電源オフを拒否しました (エラー %1)</translation>
    </message>
    <message>
        <source>Could not turn the monitor off: %1</source>
        <translation>モニターの電源を切れませんでした: %1</translation>
    </message>
    <message>
        <source>Could not suspend: %1</source>
        <translation>サスペンドできませんでした: %1</translation>
    </message>
    <message>
        <source>Could not shut down: %1</source>
        <translation>シャットダウンできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>RingingSession</name>
    <message>
        <source>%1

The alarm rings its built-in sound instead.</source>
        <translation>%1

代わりに内蔵のアラーム音を鳴らします。</translation>
    </message>
    <message>
        <source>The alarm sound number %1 does not exist; the alarm rings without sound.</source>
        <translation>アラーム音 %1 番はありません。音なしで鳴らします。</translation>
    </message>
    <message>
        <source>%1

The alarm sound is tried again every few seconds.</source>
        <translation>%1

数秒ごとにアラーム音を再試行します。</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>この環境では使えません</translation>
    </message>
</context>
<context>
    <name>TAlarmOptions</name>
    <message>
        <source>Alarm Options</source>
        <translation>アラームの設定</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>General </source>
        <translation>全般 </translation>
    </message>
    <message>
        <source>Play List</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Sound effect</source>
        <translation>音の効果</translation>
    </message>
    <message>
        <source>Ohters</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>%1 characters in all</source>
        <translation>全体で %1 文字</translation>
    </message>
    <message>
        <source>a song of %1 characters</source>
        <translation>%1 文字の曲</translation>
    </message>
    <message>
        <source>a line of %1 characters</source>
        <translation>%1 文字の行</translation>
    </message>
    <message>
        <source>Can&apos;t be saved: %1 (at most %2).</source>
        <translation>保存できません: %1 (最大 %2)。</translation>
    </message>
</context>
<context>
    <name>TAlarmRun</name>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>予定 %1</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>%1 のアラーム</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>技術サポート</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>ホームページ</translation>
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
        <translation>アラーム管理</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep. &lt;a href=&quot;why&quot;&gt;Why?&lt;/a&gt;</source>
        <translation>アラームでこの PC はスリープから復帰しません。&lt;a href=&quot;why&quot;&gt;理由&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The system refused the moment to wake this computer.</source>
        <translation>システムがこの PC の復帰時刻の設定を拒否しました。</translation>
    </message>
    <message>
        <source>the system refused the moment to wake it</source>
        <translation>システムが復帰時刻の設定を拒否しました</translation>
    </message>
    <message>
        <source>Alarms won&apos;t wake this computer from sleep: %1.

%2%3Alarms whose time passes while it sleeps are announced when it wakes.</source>
        <translation>アラームでこの PC はスリープから復帰しません: %1。

%2%3スリープ中に時刻を過ぎたアラームは、復帰したときに通知します。</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>半分のサイズ</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>標準サイズ</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>2 倍のサイズ</translation>
    </message>
    <message>
        <source>Double click here to change LCD size</source>
        <translation>ダブルクリックで LCD のサイズを変更</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Double click here to change LCD color</source>
        <translation>ダブルクリックで LCD の色を変更</translation>
    </message>
    <message>
        <source>About Chronelle</source>
        <translation>Chronelle について</translation>
    </message>
    <message>
        <source>&amp;Hide to system tray</source>
        <translation>通知領域に隠す(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Alarms Manager</source>
        <translation>アラーム管理(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm</source>
        <translation>次のアラームをスキップ(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Start at Login</source>
        <translation>ログイン時に起動(&amp;S)</translation>
    </message>
    <message>
        <source>Alarm &amp;Clock Size</source>
        <translation>時計のサイズ(&amp;C)</translation>
    </message>
    <message>
        <source>LCD C&amp;olor</source>
        <translation>LCD の色(&amp;O)</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>ヘルプ(&amp;E)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>バージョン情報(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Chronelle: no alarm will ring</source>
        <translation>Chronelle: 鳴る予定のアラームはありません</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2 %3</source>
        <translation>次のアラーム: %1 %2 %3</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>時計を表示(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;kip next alarm: %1</source>
        <translation>次のアラームをスキップ: %1(&amp;K)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an alarm&apos;s caption, then its day and time</comment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Alarm skipped</source>
        <translation>アラームをスキップしました</translation>
    </message>
    <message>
        <source>%1 will not ring.</source>
        <translation>%1 は鳴りません。</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>バイトオーダーマーク付き UTF-8</translation>
    </message>
    <message>
        <source>the file starts with the byte-order mark of %1 but is not valid %1</source>
        <translation>ファイルは %1 のバイトオーダーマークで始まりますが、正しい %1 ではありません</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>名前付きパイプ (FIFO)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>キャラクターデバイス</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ブロックデバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>特殊ファイル</translation>
    </message>
    <message>
        <source>%1 is not a file but %2; it is not read.</source>
        <translation>%1 はファイルではなく%2です。読み込みません。</translation>
    </message>
    <message>
        <source>a symbolic link that leads round in a loop</source>
        <translation>循環しているシンボリックリンク</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which does not exist</source>
        <translation>存在しない %1 へのシンボリックリンク</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which can&apos;t be reached (%2)</source>
        <translation>たどれない %1 へのシンボリックリンク (%2)</translation>
    </message>
    <message>
        <source>a symbolic link to %1, which is %2</source>
        <translation>%2である %1 へのシンボリックリンク</translation>
    </message>
    <message>
        <source>Could not save %1: it is not a file but %2, and is left as it is.</source>
        <translation>%1 を保存できませんでした: ファイルではなく%2のため、そのままにします。</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 bytes it may hold; it is not read.</source>
        <translation>%1 は上限の %2 バイトを超えているため、読み込みません。</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>%1 行目が %2 文字を超えています</translation>
    </message>
    <message>
        <source>the file is larger than the %1 characters it may hold; it is not read</source>
        <translation>ファイルが上限の %1 文字を超えているため、読み込みません</translation>
    </message>
    <message>
        <source>Could not save %1: %2. The file is left as it was.</source>
        <translation>%1 を保存できませんでした: %2。ファイルは元のままです。</translation>
    </message>
    <message>
        <source>it is not a file but %1</source>
        <translation>ファイルではなく%1です</translation>
    </message>
    <message>
        <source>Could not make the new file %1: %2.</source>
        <translation>新しいファイル %1 を作成できませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>VerbSession</name>
    <message>
        <source>Chronelle runs on the data folder %1 but can&apos;t be reached on the session bus.</source>
        <translation>Chronelle はデータフォルダー %1 で動作していますが、セッションバスで連絡できません。</translation>
    </message>
    <message>
        <source> Start Chronelle to look at the alarms before changing them from here.</source>
        <translation> ここから変更する前に、Chronelle を起動してアラームを確認してください。</translation>
    </message>
</context>
<context>
    <name>WakeTimer</name>
    <message>
        <source>this program lacks the capability CAP_WAKE_ALARM</source>
        <translation>このプログラムには CAP_WAKE_ALARM 権限がありません</translation>
    </message>
    <message>
        <source>To allow it, an administrator can run once:
sudo setcap cap_wake_alarm+ep %1</source>
        <translation>許可するには、管理者が次のコマンドを一度実行してください:
sudo setcap cap_wake_alarm+ep %1</translation>
    </message>
    <message>
        <source>this system has no clock that can wake it</source>
        <translation>このシステムには復帰に使える時計がありません</translation>
    </message>
</context>
</TS>
