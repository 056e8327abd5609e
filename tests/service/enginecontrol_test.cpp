// The verbs on an engine: what list and next say after skips, pauses and
// switches; ids that don't exist; and a refused verb that changes nothing.

#include "alarmfile.h"
#include "apperror.h"
#include "enginecontrol.h"
#include "enginetestsupport.h"
#include "savefaults.h"
#include "testfiles.h"
#include "timezone.h"

#include <QFileInfo>

namespace {

// Monday 7 December 2026, 08:00 in Berlin.
const QDateTime kMonday(QDate(2026, 12, 7), QTime(8, 0, 0));

AlarmChoices choices(const char *time, const char *frequency, const char *schedule, const char *memo)
{
    AlarmChoices c;
    c.time = QString::fromUtf8(time);
    c.frequency = QString::fromUtf8(frequency);
    c.schedule = QString::fromUtf8(schedule);
    c.memo = QString::fromUtf8(memo);
    return c;
}

AppError::Kind refusalKind(const std::function<void()> &verb)
{
    try {
        verb();
    } catch (const AppError &error) {
        return error.kind();
    }
    ADD_FAILURE() << "not refused";
    return AppError::Kind::Failure;
}

} // namespace

TEST(EngineControl, ListsWhatReallyRingsNextAfterSwitchesSkipsAndPauses)
{
    ScopedTimeZone berlin("Europe/Berlin");
    EngineOn<> on(kMonday);
    EngineControl control(on.engine);
    EXPECT_EQ(control.add(choices("06:30", "weekly", "mon,fri", "Gym\nbring shoes")), 0);
    EXPECT_EQ(control.add(choices("09:15:30", "monthly", "31", "Rent")), 1);
    EXPECT_EQ(control.add(choices("07:00", "yearly", "03-29", "Spring")), 2);
    EXPECT_EQ(control.add(choices("07:45", "once", "2026-12-24", "Gifts")), 3);

    QList<QVariantMap> alarms = control.list();
    ASSERT_EQ(alarms.size(), 4);
    const QVariantMap &gym = alarms[0];
    EXPECT_EQ(gym.value(QStringLiteral("id")).toInt(), 0);
    EXPECT_TRUE(gym.value(QStringLiteral("enabled")).toBool());
    EXPECT_EQ(gym.value(QStringLiteral("frequency")).toString(), QStringLiteral("weekly"));
    EXPECT_EQ(gym.value(QStringLiteral("time")).toString(), QStringLiteral("06:30:00"));
    EXPECT_EQ(gym.value(QStringLiteral("schedule")).toString(), QStringLiteral("mon,fri"));
    EXPECT_EQ(gym.value(QStringLiteral("next")).toString(), QStringLiteral("2026-12-11T06:30:00+01:00"));
    EXPECT_EQ(gym.value(QStringLiteral("caption")).toString(), QStringLiteral("Gym"));
    EXPECT_EQ(gym.value(QStringLiteral("memo")).toString(), QStringLiteral("Gym\nbring shoes\n"));
    EXPECT_EQ(alarms[1].value(QStringLiteral("schedule")).toString(), QStringLiteral("31"));
    EXPECT_EQ(alarms[1].value(QStringLiteral("next")).toString(), QStringLiteral("2026-12-31T09:15:30+01:00"));
    // Summer time on the day of the yearly alarm: the offset is that day's.
    EXPECT_EQ(alarms[2].value(QStringLiteral("next")).toString(), QStringLiteral("2027-03-29T07:00:00+02:00"));
    EXPECT_EQ(alarms[3].value(QStringLiteral("schedule")).toString(), QStringLiteral("2026-12-24"));
    EXPECT_EQ(control.next().value(QStringLiteral("id")).toInt(), 0);

    control.skip(0);
    control.pause(1, QStringLiteral("2027-02-01"));
    control.setEnabled(2, false);
    control.skip(3); // a Once alarm skipped is off
    alarms = control.list();
    EXPECT_EQ(alarms[0].value(QStringLiteral("skipped")).toString(), QStringLiteral("2026-12-11T06:30:00+01:00"));
    EXPECT_EQ(alarms[0].value(QStringLiteral("next")).toString(), QStringLiteral("2026-12-14T06:30:00+01:00"));
    EXPECT_EQ(alarms[1].value(QStringLiteral("pausedUntil")).toString(), QStringLiteral("2027-02-01"));
    EXPECT_EQ(alarms[1].value(QStringLiteral("next")).toString(), QStringLiteral("2027-03-31T09:15:30+02:00"));
    EXPECT_FALSE(alarms[2].value(QStringLiteral("enabled")).toBool());
    EXPECT_TRUE(alarms[2].value(QStringLiteral("next")).toString().isEmpty());
    EXPECT_FALSE(alarms[3].value(QStringLiteral("enabled")).toBool());
    EXPECT_EQ(control.next().value(QStringLiteral("id")).toInt(), 0);

    control.resume(0);
    control.resume(1);
    alarms = control.list();
    EXPECT_EQ(alarms[0].value(QStringLiteral("next")).toString(), QStringLiteral("2026-12-11T06:30:00+01:00"));
    EXPECT_TRUE(alarms[1].value(QStringLiteral("pausedUntil")).toString().isEmpty());
    control.remove(0);
    control.remove(1);
    control.remove(2);
    control.remove(3);
    EXPECT_TRUE(control.list().isEmpty());
    EXPECT_TRUE(control.next().isEmpty());
}

TEST(EngineControl, ARefusedVerbChangesNothing)
{
    EngineOn<> on(kMonday);
    EngineControl control(on.engine);
    control.add(choices("06:30", "daily", "", "Wake"));
    control.skip(0);
    const QMap<QString, QByteArray> before = filesIn(on.dir.path());
    const QList<QVariantMap> listed = control.list();

    using Kind = AppError::Kind;
    EXPECT_EQ(refusalKind([&]() { control.remove(5); }), Kind::Failure);
    EXPECT_EQ(refusalKind([&]() { control.setEnabled(300, false); }), Kind::Failure);
    EXPECT_EQ(refusalKind([&]() { control.skip(-1); }), Kind::Failure);
    EXPECT_EQ(refusalKind([&]() { control.pause(0, QStringLiteral("2026-12-07")); }), Kind::BadArgument);
    EXPECT_EQ(refusalKind([&]() { control.pause(0, QStringLiteral("07.01.2027")); }), Kind::BadArgument);
    EXPECT_EQ(refusalKind([&]() { control.pause(9, QStringLiteral("2027-01-07")); }), Kind::Failure);
    EXPECT_EQ(refusalKind([&]() { control.add(choices("06:30", "weekly", "mo", "x")); }), Kind::BadArgument);
    EXPECT_EQ(refusalKind([&]() { control.answerRinging(AlarmEngine::RingingAnswer::Snooze); }), Kind::Failure);
    EXPECT_EQ(refusalKind([&]() { control.answerRinging(AlarmEngine::RingingAnswer::Stop); }), Kind::Failure);
    // An alarm that won't ring again has nothing to skip.
    control.setEnabled(0, false);
    const QMap<QString, QByteArray> off = filesIn(on.dir.path());
    EXPECT_EQ(refusalKind([&]() { control.skip(0); }), Kind::Failure);
    EXPECT_EQ(filesIn(on.dir.path()), off);
    control.setEnabled(0, true);

    EXPECT_EQ(filesIn(on.dir.path()), before);
    EXPECT_EQ(control.list(), listed);
}

// The end of a pause is refused in the words of whoever asked: the command
// line names its option, the bus its method's argument.
TEST(EngineControl, ARefusedPauseNamesTheArgumentAsTheCallerSpellsIt)
{
    using Caller = EngineControl::Caller;
    const QDate today(2026, 12, 7);
    const struct
    {
        const char *until;
        Caller caller;
        const char *says;
    } rows[] = {
        {"someday", Caller::CommandLine, "--until 'someday': not a date as YYYY-MM-DD"},
        {"someday", Caller::Bus, "until 'someday': not a date as YYYY-MM-DD"},
        {"2026-12-07", Caller::CommandLine, "--until '2026-12-07': the alarm would not be paused at all"},
        {"2026-12-07", Caller::Bus, "until '2026-12-07': the alarm would not be paused at all"},
        {"2026-02-30", Caller::Bus, "until '2026-02-30': not a date"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.until);
        try {
            EngineControl::pauseEnd(QString::fromLatin1(row.until), today, row.caller);
            ADD_FAILURE() << "not refused";
        } catch (const AppError &error) {
            EXPECT_EQ(error.kind(), AppError::Kind::BadArgument);
            EXPECT_TRUE(error.message().startsWith(QString::fromLatin1(row.says))) << error.message().toStdString();
        }
    }
    EXPECT_EQ(EngineControl::pauseEnd(QStringLiteral("2026-12-08"), today, Caller::Bus), QDate(2026, 12, 8));
}

TEST(EngineControl, AnswersTheRingingAlarmThroughTheEngine)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(6, 29, 59, 900)));
    EngineControl control(on.engine);
    control.add(choices("06:30", "daily", "", "Wake"));
    QList<AlarmEngine::RingingAnswer> asked;
    QObject::connect(&on.engine, &AlarmEngine::ringingAnswerRequested, &on.engine,
                     [&asked](AlarmEngine::RingingAnswer answer) { asked << answer; });
    int ringingSlot = -1;
    on.engine.setRinger([&](const RingingRequest &) {
        ringingSlot = on.engine.ringingSlot();
        control.answerRinging(AlarmEngine::RingingAnswer::Snooze);
        control.answerRinging(AlarmEngine::RingingAnswer::Stop);
    });
    on.clock.advance(200);
    tick(on.engine);
    EXPECT_EQ(ringingSlot, 0);
    EXPECT_EQ(asked, (QList<AlarmEngine::RingingAnswer>{AlarmEngine::RingingAnswer::Snooze,
                                                        AlarmEngine::RingingAnswer::Stop}));
    EXPECT_EQ(on.engine.ringingSlot(), -1);
}

// What one data folder exports, a fresh one imports back: the same alarm
// files byte for byte, the same rows and the same switches, skips and pauses.
TEST(EngineControl, AnExportImportedOnAFreshFolderGivesTheSameAlarms)
{
    ScopedTimeZone berlin("Europe/Berlin");
    EngineOn<> from(kMonday);
    EngineControl source(from.engine);
    source.add(choices("06:30", "weekly", "mon,fri", "Gym\nbring shoes"));
    source.add(choices("09:15:30", "monthly", "31", "Rent"));
    source.add(choices("07:00", "yearly", "02-29", "Leap day"));
    source.add(choices("21:05", "hourly", "", "Stretch"));
    source.add(choices("07:45", "once", "2026-12-24", "Gifts"));
    source.add(choices("05:55", "daily", "", "Wake up"));
    source.skip(0);
    source.pause(1, QStringLiteral("2027-02-01"));
    source.setEnabled(2, false);
    const QByteArray calendar = source.exportCalendar().calendar;

    EngineOn<> to(kMonday);
    EngineControl target(to.engine);
    const CalendarTransfer::ImportReport report = target.importCalendar(calendar);
    EXPECT_EQ(report.ids, (QList<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(report.skipped, QStringList());
    for (int slot = 0; slot < 6; ++slot) {
        const QString file = QStringLiteral("%1.ini").arg(slot);
        EXPECT_EQ(QString::fromUtf8(readAll(to.path(file))), QString::fromUtf8(readAll(from.path(file))))
            << file.toStdString();
    }
    EXPECT_EQ(readAll(to.path(QStringLiteral("al.ini"))), readAll(from.path(QStringLiteral("al.ini"))));
    // The same switches, skips and pauses; each alarm also remembers the
    // event it came from, so that importing the file again adds nothing.
    QMap<int, AlarmState> imported = AlarmStates::decode(readAll(to.path(QStringLiteral("alstate.ini"))));
    EXPECT_EQ(imported.size(), 6);
    for (AlarmState &state : imported) {
        EXPECT_TRUE(state.importedFrom.has_value());
        state.importedFrom.reset();
    }
    imported.removeIf([](const auto &entry) { return entry.value().isDefault(); });
    EXPECT_EQ(imported, AlarmStates::decode(readAll(from.path(QStringLiteral("alstate.ini")))));
    // And what the fresh folder exports is the same calendar, byte for byte.
    EXPECT_EQ(QString::fromUtf8(target.exportCalendar().calendar), QString::fromUtf8(calendar));
}

// An alarm file the reader refuses leaves that alarm out of the export,
// named with why; the others go out.
TEST(EngineControl, AnAlarmFileThatCannotBeReadIsNamedAndTheOthersExported)
{
    ScopedTimeZone berlin("Europe/Berlin");
    EngineOn<> on(kMonday);
    EngineControl control(on.engine);
    control.add(choices("06:30", "weekly", "mon,fri", "Gym"));
    control.add(choices("09:15:30", "monthly", "31", "Rent"));
    control.add(choices("07:45", "once", "2026-12-24", "Gifts"));
    // 31 February (lines 8 and 9, the month and the day): the editor's reader refuses it.
    QList<QByteArray> lines = readAll(on.path(QStringLiteral("1.ini"))).split('\n');
    lines[7] = "2\r";
    lines[8] = "31\r";
    writeAll(on.path(QStringLiteral("1.ini")), lines.join('\n'));

    const CalendarTransfer::ExportReport report = control.exportCalendar();
    ASSERT_EQ(report.left.size(), 1);
    EXPECT_TRUE(report.left[0].startsWith(QStringLiteral("\"Rent\": "))) << report.left[0].toStdString();
    EXPECT_TRUE(report.left[0].contains(QStringLiteral("1.ini"))) << report.left[0].toStdString();
    EXPECT_EQ(report.calendar.count("BEGIN:VEVENT"), 2);
    EXPECT_TRUE(report.calendar.contains("SUMMARY:Gym\r\n"));
    EXPECT_TRUE(report.calendar.contains("SUMMARY:Gifts\r\n"));
}

// An import is one change: when one of its alarms can't be written, none is.
TEST(EngineControl, AnImportThatCannotBeWrittenWholeChangesNothing)
{
    EngineOn<> on(kMonday);
    AlarmRecord fits = AlarmRecord::newAlarm(kMonday);
    AlarmRecord tooLong = fits;
    tooLong.reminder = QString(AlarmFile::limits().maxLineCharacters + 1, u'x');
    const QByteArray listBefore = readAll(on.path(QStringLiteral("al.ini")));
    EXPECT_THROW(on.engine.addAlarmsFromRecords({{fits, {}, QStringLiteral("Fits")}, {tooLong, {}, {}}}), AppError);
    EXPECT_EQ(on.engine.catalogue().size(), 0);
    EXPECT_FALSE(QFileInfo::exists(on.path(QStringLiteral("0.ini"))));
    EXPECT_EQ(readAll(on.path(QStringLiteral("al.ini"))), listBefore);

    // Without room for all, nothing either.
    QList<AlarmEngine::NewAlarm> many(AlarmCatalogue::SlotCount + 1, {fits, {}, {}});
    EXPECT_THROW(on.engine.addAlarmsFromRecords(many), AppError);
    EXPECT_EQ(on.engine.catalogue().size(), 0);
}

namespace {

// A calendar of another program: daily events at 06:00, 06:01, ... with
// UIDs "event-N@example.org", and the one changed as `changedAt` says.
QByteArray foreignCalendar(int events, int changed = -1, const char *changedTime = "T070000")
{
    QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n";
    for (int i = 0; i < events; ++i) {
        const QByteArray time =
            i == changed ? QByteArray(changedTime) : "T06" + QByteArray::number(i % 60).rightJustified(2, '0') + "00";
        calendar += "BEGIN:VEVENT\r\nUID:event-" + QByteArray::number(i) + "@example.org\r\nDTSTAMP:2026120" +
                    QByteArray::number(i % 9 + 1) + "T000000Z\r\nDTSTART:20270101" + time +
                    "\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Event " + QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    }
    return calendar + "END:VCALENDAR\r\n";
}

QString importRefusal(EngineControl &control, const QByteArray &calendar)
{
    try {
        control.importCalendar(calendar);
    } catch (const AppError &error) {
        return error.message();
    }
    return {};
}

} // namespace

// The same file imported twice adds nothing; an event changed since updates
// its alarm in place (same id, same place, off if the user switched it off);
// an alarm the user changed is left while its event is not; and the
// program's own export, imported where it came from, adds nothing either.
TEST(EngineControl, ImportingAgainUpdatesOrLeavesInsteadOfAdding)
{
    ScopedTimeZone berlin("Europe/Berlin");
    EngineOn<> on(kMonday);
    EngineControl control(on.engine);
    control.add(choices("05:00", "daily", "", "Mine"));
    CalendarTransfer::ImportReport first = control.importCalendar(foreignCalendar(82));
    EXPECT_EQ(first.ids.size(), 82);
    EXPECT_EQ(first.ids.constFirst(), 1);
    ASSERT_EQ(on.engine.catalogue().size(), 83);
    const QMap<QString, QByteArray> afterFirst = filesIn(on.dir.path());

    const CalendarTransfer::ImportReport again = control.importCalendar(foreignCalendar(82));
    EXPECT_EQ(again.ids, QList<int>());
    EXPECT_EQ(again.updated, QList<int>());
    EXPECT_EQ(again.unchanged.size(), 82);
    EXPECT_EQ(on.engine.catalogue().size(), 83);
    EXPECT_EQ(filesIn(on.dir.path()), afterFirst);

    // Event 5 moves to 07:00; the user has switched its alarm (id 6) off and
    // changed the time of event 7's alarm (id 8) by hand.
    control.setEnabled(6, false);
    const int rowOfEvent7 = on.engine.rowOfSlot(8);
    AlarmRecord edited;
    AlarmFile::read(on.path(QStringLiteral("8.ini")), AlarmFile::ReadMode::Editing, edited);
    edited.alarmTime = QTime(9, 9);
    on.engine.addAlarmsFromRecords({}, {{8, {edited, on.engine.states().state(8), QStringLiteral("Event 7")}}});
    EXPECT_EQ(on.engine.rowOfSlot(8), rowOfEvent7);
    const CalendarTransfer::ImportReport moved = control.importCalendar(foreignCalendar(82, 5));
    EXPECT_EQ(moved.ids, QList<int>());
    EXPECT_EQ(moved.updated, QList<int>{6});
    EXPECT_EQ(moved.unchanged.size(), 81);
    EXPECT_EQ(on.engine.rowOfSlot(6), 6);
    const QVariantMap event5 = control.list().at(6);
    EXPECT_EQ(event5.value(QStringLiteral("id")).toInt(), 6);
    EXPECT_EQ(event5.value(QStringLiteral("time")).toString(), QStringLiteral("07:00:00"));
    EXPECT_FALSE(event5.value(QStringLiteral("enabled")).toBool())
        << "an update switched on what the user switched off";
    EXPECT_EQ(control.list().at(rowOfEvent7).value(QStringLiteral("time")).toString(), QStringLiteral("09:09:00"));

    // The program's own export, imported where it came from.
    const QMap<QString, QByteArray> beforeOwn = filesIn(on.dir.path());
    const CalendarTransfer::ImportReport own = control.importCalendar(control.exportCalendar().calendar);
    EXPECT_EQ(own.ids, QList<int>());
    EXPECT_EQ(own.updated, QList<int>());
    EXPECT_EQ(own.unchanged.size(), 83);
    EXPECT_EQ(filesIn(on.dir.path()), beforeOwn);
}

// All or none: when the new alarms don't all fit, nothing is imported and
// the first line says how many would and how many the file holds, whatever
// its updates; a disk that does not take them says plainly that nothing was
// imported and why, naming no file as "left as it was" that never was.
TEST(EngineControl, AnImportThatDoesNotFitOrIsNotTakenImportsNothingAndSaysSo)
{
    EngineOn<> on(kMonday);
    EngineControl control(on.engine);
    control.importCalendar(foreignCalendar(20));
    QList<AlarmEngine::NewAlarm> filler(230, {AlarmRecord::newAlarm(kMonday), {}, QStringLiteral("Filler")});
    on.engine.addAlarmsFromRecords(filler);
    const QMap<QString, QByteArray> before = filesIn(on.dir.path());
    const struct
    {
        const char *name;
        int events;
        const char *says; // empty: imported
    } rows[] = {
        {"20 known and 7 new for 6 places", 27,
         "Nothing was imported: only 26 of the 27 alarm(s) in the file would fit (Chronelle holds at most 256 alarms, "
         "250 are in use, and 20 of the file's alarms are already here)."},
        {"far past the 256th", 600, "Nothing was imported: only 26 of the 600 alarm(s) in the file would fit"},
        {"20 known and 6 new", 26, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString refusal = importRefusal(control, foreignCalendar(row.events));
        if (*row.says == '\0') {
            EXPECT_EQ(refusal, QString());
            EXPECT_EQ(on.engine.catalogue().size(), 256);
            continue;
        }
        EXPECT_TRUE(refusal.startsWith(QString::fromUtf8(row.says))) << refusal.toStdString();
        EXPECT_EQ(filesIn(on.dir.path()), before);
    }

    EngineOn<> full(kMonday);
    EngineControl fullControl(full.engine);
    const QMap<QString, QByteArray> empty = filesIn(full.dir.path());
    {
        SaveFaults::HookGuard noSpace([](const char *call, const QString &path) {
            return QByteArray(call) == "write" && path.contains(QStringLiteral("144.ini")) ? ENOSPC : 0;
        });
        const QString refusal = importRefusal(fullControl, foreignCalendar(200));
        EXPECT_TRUE(refusal.startsWith(QStringLiteral("Nothing was imported: none of the 200 alarm(s) was added or "
                                                      "updated, and every alarm is as it was.")))
            << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QStringLiteral("No space left on device"))) << refusal.toStdString();
        EXPECT_FALSE(refusal.contains(QStringLiteral("left as it was"))) << refusal.toStdString();
    }
    EXPECT_EQ(filesIn(full.dir.path()), empty);
    EXPECT_EQ(full.engine.catalogue().size(), 0);
}
