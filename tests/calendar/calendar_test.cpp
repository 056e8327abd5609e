// Alarms to iCalendar and back: Chronelle's own events return exactly,
// another library and recurrence engine (Python's icalendar and dateutil)
// read the export and expand each rule to the occurrences the scheduler
// rings, and other programs' events are taken or left with a reason.

#include "alarmcalendar.h"
#include "alarmfile.h"
#include "apperror.h"
#include "cataloguerow.h"
#include "datetimeformatter.h"
#include "calendartransfer.h"
#include "enginetestsupport.h"
#include "qtprint.h"
#include "schedulerules.h"
#include "testfiles.h"
#include "timezone.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <sys/stat.h>

namespace {

const QByteArray kZone = "Europe/Berlin";
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);

// A row and a record that agree, as the editor makes them.
ExportedAlarm alarmOf(Frequency frequency, const QDate &date, const QTime &time, const QString &mask, int slot)
{
    ExportedAlarm alarm;
    AlarmRecord &r = alarm.record;
    r.frequencyCode = int(frequency);
    r.alarmDate = date;
    r.alarmTime = time;
    for (int day = 0; day < 7; ++day)
        r.dayFlags[std::size_t(day)] = mask[day] == u'1';
    alarm.row.caption = QStringLiteral("Alarm %1").arg(slot);
    alarm.row.frequencyName = frequencyNames().at(int(frequency));
    alarm.row.timeText = time.toString(QStringLiteral("hh:mm:ss AP"));
    alarm.row.dateText = date.toString(QStringLiteral("M/d/yyyy"));
    alarm.row.timeKey = time.toString(QStringLiteral("HHmmss"));
    alarm.row.dateKey = date.toString(QStringLiteral("ddMMyyyy"));
    alarm.row.weekdayMask = mask;
    alarm.row.slot = slot;
    r.reminder = alarm.row.caption + u'\n';
    return alarm;
}

// One alarm of each frequency, chosen to cross the changes of daylight
// saving time in Berlin (29 March and 25 October 2026), short months and
// 29 February.
std::vector<ExportedAlarm> everyFrequency()
{
    return {
        alarmOf(Frequency::Once, QDate(2026, 3, 29), QTime(7, 30, 5), QStringLiteral("0111110"), 0),
        alarmOf(Frequency::Hourly, QDate(2026, 3, 28), QTime(14, 15, 30), QStringLiteral("0111110"), 1),
        alarmOf(Frequency::Daily, QDate(2026, 3, 20), QTime(2, 30, 0), QStringLiteral("0111110"), 2),
        alarmOf(Frequency::Weekly, QDate(2026, 10, 21), QTime(6, 45, 0), QStringLiteral("1100010"), 3),
        alarmOf(Frequency::Monthly, QDate(2026, 1, 31), QTime(8, 0, 0), QStringLiteral("0111110"), 4),
        alarmOf(Frequency::Yearly, QDate(2024, 2, 29), QTime(12, 0, 0), QStringLiteral("0111110"), 5),
    };
}

// What the independent reader (Python's icalendar and dateutil) prints for
// these arguments after the file, one line each.
QStringList judge(const QString &file, const QStringList &arguments)
{
    QProcess python;
    // Debian's Python, which has the packages, not one of the user's own.
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(CHRONELLE_SOURCE_DIR "/tests/calendar/expand_ics.py"), file} + arguments);
    const bool finished = python.waitForFinished(60000);
    EXPECT_TRUE(finished);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

// Every setting, odd ones too, and the on/off, skip and pause state come
// back exactly: the alarm files an import writes are those that went out.
TEST(Calendar, OwnEventsComeBackExactly)
{
    std::vector<ExportedAlarm> alarms = everyFrequency();
    ExportedAlarm &odd = alarms[3];
    // Songs are files that are there: what is not passes no import.
    QTemporaryDir music;
    const QStringList songs{music.filePath(QStringLiteral("a, b; c\\d.mp3")), music.filePath(QStringLiteral("ü.ogg"))};
    for (const QString &song : songs)
        ASSERT_TRUE(writeAll(song, "x"));
    odd.row.caption = QStringLiteral("Gym, then; work \\ «ü» 🎵");
    odd.record = AlarmRecord{.frequencyCode = int(Frequency::Weekly),
                             .alarmTime = QTime(6, 45),
                             .alarmDate = QDate(2026, 10, 21),
                             .dayFlags = {true, true, false, false, false, true, false},
                             .playListOn = false,
                             .playList = songs,
                             .soundOn = true,
                             .soundNumber = 3,
                             .soundMinutes = 44,
                             .fadeInOn = true,
                             .fadeInMinutes = 7,
                             .fadeOutOn = true,
                             .fadeOutMinutes = 59,
                             .snoozeMinutes = 0,
                             .autoSnoozeOn = true,
                             .autoSnoozeMinutes = 3,
                             .volume = 0,
                             .closingFlags = {false, false, true},
                             .autoCloseMinutes = 12,
                             .powerAction = int(PowerAction::Suspend),
                             .reminder = QStringLiteral("first\r\nsecond\rstill second\n\n\tfourth")};
    odd.state.enabled = false;
    odd.state.skippedDue = ScheduleRules::wallMoment(QDate(2026, 12, 7), QTime(6, 45));
    alarms[1].state.pausedUntil = QDate(2027, 1, 6);

    // Neither caption nor reminder: no empty SUMMARY or DESCRIPTION, and back as empty.
    alarms[0].row.caption.clear();
    alarms[0].record.reminder.clear();
    alarms[5].state.pausedUntil = QDate(2027, 1, 6);
    alarms[5].state.skippedDue = ScheduleRules::wallMoment(QDate(2028, 2, 29), QTime(12, 0));

    const QByteArray exported = AlarmCalendar::exportAlarms(alarms, kZone, kNow).calendar;
    EXPECT_TRUE(exported.startsWith("BEGIN:VCALENDAR\r\n")) << exported.left(40).toStdString();
    EXPECT_EQ(AlarmCalendar::exportAlarms(alarms, kZone, kNow).calendar, exported)
        << "the same alarms export differently";
    const CalendarImport back =
        AlarmCalendar::importAlarms(exported, kZone, kNow.addDays(400), 256, ImportConsent{.powerActions = true});
    EXPECT_EQ(back.skipped, QStringList());
    ASSERT_EQ(back.alarms.size(), alarms.size());
    for (std::size_t i = 0; i < alarms.size(); ++i) {
        SCOPED_TRACE(alarms[i].row.caption.toStdString());
        EXPECT_EQ(AlarmFile::encode(back.alarms[i].record), AlarmFile::encode(alarms[i].record));
        EXPECT_EQ(back.alarms[i].caption, alarms[i].row.caption);
        EXPECT_EQ(back.alarms[i].state, alarms[i].state);
    }
}

// What Debian's Python (icalendar and dateutil, which have the packages, not
// one of the user's own) rings of an export: for each event its summary,
// then the first `count` ringings (wall-clock) its VALARM gives.
QStringList ringingsReadBy(const QByteArray &calendar, int count)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("alarms.ics"));
    writeAll(file, calendar);
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(CHRONELLE_SOURCE_DIR "/tests/calendar/expand_ics.py"), file, QString::number(count),
                  QStringLiteral("--ringing")});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << "the reader failed: " << python.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// What the scheduler rings of the same alarms: the rule's occurrences from
// its first on, those the alarm's state lets ring.
QStringList ringingsOfScheduler(const std::vector<ExportedAlarm> &alarms, int count)
{
    QStringList ringings;
    for (const ExportedAlarm &alarm : alarms) {
        ringings << QStringLiteral("SUMMARY %1").arg(alarm.row.caption);
        const ScheduleRules::RowKeys keys = ScheduleRules::parse(alarm.row);
        std::optional<QDateTime> next = ScheduleRules::firstDueAtOrAfter(
            keys, ScheduleRules::wallMoment(QDate(keys.keyYear, keys.keyMonth, keys.keyDay), QTime(0, 0)));
        int rung = 0;
        for (int step = 0; step < 5000 && rung < count && next && alarm.state.enabled; ++step) {
            if (alarm.state.letsRing(*next)) {
                ringings << next->toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
                ++rung;
            }
            next = ScheduleRules::nextOccurrence(keys, *next);
        }
    }
    return ringings;
}

// A calendar program that reads the export (Python's icalendar, zones by
// their IANA names, and dateutil's recurrence engine) rings exactly what the
// scheduler rings, across both changes of daylight saving time: nothing of
// an alarm switched off, no skipped ringing, nothing before a pause ends.
TEST(Calendar, AnotherRecurrenceEngineRingsWhatTheSchedulerRings)
{
    const auto wall = [](int y, int m, int d, int h, int min, int sec = 0) {
        return ScheduleRules::wallMoment(QDate(y, m, d), QTime(h, min, sec));
    };
    const std::optional<QDateTime> noSkip;
    const std::optional<QDate> noPause;
    struct Case
    {
        const char *name;
        std::size_t alarm; // in everyFrequency()
        bool enabled;
        std::optional<QDateTime> skipped;
        std::optional<QDate> pausedUntil;
    };
    const Case cases[] = {
        {"as it is", 3, true, noSkip, noPause},
        {"switched off", 3, false, noSkip, noPause},
        {"a ringing skipped in the night clocks go forward", 2, true, wall(2026, 3, 29, 2, 30), noPause},
        {"paused: the hourly series starts later", 1, true, noSkip, QDate(2026, 3, 30)},
        {"paused, then its first ringing skipped", 4, true, wall(2026, 3, 31, 8, 0), QDate(2026, 2, 1)},
        {"paused over three leap days", 5, true, noSkip, QDate(2028, 3, 1)},
        {"once, skipped", 0, true, wall(2026, 3, 29, 7, 30, 5), noPause},
        {"once, paused past its day", 0, true, noSkip, QDate(2026, 3, 30)},
        {"once, paused to its day", 0, true, noSkip, QDate(2026, 3, 29)},
    };
    std::vector<ExportedAlarm> alarms;
    for (const Case &c : cases) {
        ExportedAlarm alarm = everyFrequency()[c.alarm];
        alarm.row.caption = QString::fromLatin1(c.name);
        alarm.state = AlarmState{c.enabled, c.skipped, c.pausedUntil, std::nullopt};
        alarms.push_back(alarm);
    }
    const QByteArray calendar = AlarmCalendar::exportAlarms(alarms, kZone, kNow).calendar;
    // Zones by the names other programs write, not libical's own.
    EXPECT_FALSE(calendar.contains("freeassociation")) << calendar.toStdString();
    EXPECT_TRUE(calendar.contains("TZID:Europe/Berlin\r\n"));
    EXPECT_EQ(ringingsReadBy(calendar, 50), ringingsOfScheduler(alarms, 50));
}

// What libical's own reader finds wrong in a calendar: the X-LIC-ERROR
// properties it adds while reading and while checking RFC 5545's rules.
int errorsLibicalFinds(const QByteArray &calendar, std::string *said)
{
    icalcomponent *root = icalparser_parse_string(calendar.constData());
    if (!root)
        return -1;
    icalrestriction_check(root);
    const int errors = icalcomponent_count_errors(root);
    char *text = icalcomponent_as_ical_string_r(root);
    *said = text;
    icalmemory_free_buffer(text);
    icalcomponent_free(root);
    return errors;
}

// Odd alarms still make a calendar libical reads without one error: no
// empty SUMMARY or DESCRIPTION, no control character in a text, a start
// date even where the alarm has none that rings.
TEST(Calendar, TheExportIsValidToLibicalsOwnReader)
{
    const std::vector<ExportedAlarm> plain = everyFrequency();
    std::vector<ExportedAlarm> alarms = plain;
    alarms[0].row.caption.clear();
    alarms[0].record.reminder.clear();
    alarms[1].row.caption = QStringLiteral("bell\a and\x1b escape");
    alarms[1].record.reminder = QStringLiteral("line\r\nwith \x01\x7f\n");
    alarms[2].record.reminder = QStringLiteral("\n\n");
    alarms[2].record.playList = {QString(), QStringLiteral("/music/a.ogg")};
    // A row the scheduler can't read, over a record without a date.
    alarms[3].row.timeKey = QStringLiteral("xx");
    alarms[3].record.alarmDate = QDate();
    // A weekly alarm on no day never rings.
    alarms[4] = alarmOf(Frequency::Weekly, QDate(2026, 12, 7), QTime(7, 0), QStringLiteral("0000000"), 4);
    for (const QByteArray &zone : {kZone, QByteArray("UTC"), QByteArray("Nowhere/Atlantis")}) {
        SCOPED_TRACE(zone.toStdString());
        const QByteArray calendar = AlarmCalendar::exportAlarms(alarms, zone, kNow).calendar;
        std::string said;
        EXPECT_EQ(errorsLibicalFinds(calendar, &said), 0) << said;
        EXPECT_FALSE(calendar.contains("00000000T")) << calendar.toStdString();
        EXPECT_EQ(calendar.count("BEGIN:VEVENT"), qsizetype(alarms.size()));
        // The alarms that never ring have no VALARM.
        EXPECT_EQ(calendar.count("BEGIN:VALARM"), qsizetype(alarms.size() - 2));
    }
}

// An alarm whose event this program's import would refuse is left out and
// named; the others go out.
TEST(Calendar, AnAlarmTheImportWouldRefuseIsLeftOutOfTheExport)
{
    std::vector<ExportedAlarm> alarms = everyFrequency();
    // Control characters send the reminder out percent-encoded besides: three bytes each.
    alarms[2].record.reminder = QString(400 * 1024, u'\x01');
    const CalendarExport written = AlarmCalendar::exportAlarms(alarms, kZone, kNow);
    ASSERT_EQ(written.left.size(), 1);
    EXPECT_TRUE(written.left[0].startsWith(QStringLiteral("\"Alarm 2\": Line "))) << written.left[0].toStdString();
    EXPECT_EQ(written.calendar.count("BEGIN:VEVENT"), qsizetype(alarms.size() - 1));
    EXPECT_EQ(AlarmCalendar::importAlarms(written.calendar, kZone, kNow, 256).alarms.size(), alarms.size() - 1);
}

// Another program's events: each rule one of the six frequencies holds is
// taken with a new alarm's settings and its summary as the reminder; the
// others are left, each with what stood in the way.
TEST(Calendar, OtherProgramsEventsAreTakenOrLeftWithAReason)
{
    const QByteArray calendar =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
        "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20261208T053000Z\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;TZID=Europe/Berlin:20261207T064500\r\n"
        "RRULE:FREQ=DAILY;BYDAY=MO,WE\r\nSUMMARY:Gym\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:3\r\nDTSTART:20261207T100000\r\nRRULE:FREQ=MINUTELY\r\n"
        "SUMMARY:Stretch\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:4\r\nDTSTART:20261207T100000\r\nRRULE:FREQ=WEEKLY;INTERVAL=2\r\n"
        "SUMMARY:Bins\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:5\r\nDTSTART:20261207T100000\r\nRRULE:FREQ=DAILY;COUNT=5\r\n"
        "SUMMARY:Pills\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:6\r\nDTSTART:20261207T100000\r\nRRULE:FREQ=MONTHLY;BYDAY=2MO\r\n"
        "SUMMARY:Club\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:7\r\nDTSTART;VALUE=DATE:20261224\r\nSUMMARY:Christmas Eve\r\n"
        "END:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:8\r\nDTSTART:20250101T100000\r\nSUMMARY:Long ago\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:9\r\nDTSTART:20261130T200000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=31\r\n"
        "SUMMARY:Rent\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:10\r\nDTSTART:20261207T081500\r\nRRULE:FREQ=YEARLY\r\n"
        "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT0S\r\nDESCRIPTION:Birthday card\r\n"
        "END:VALARM\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    const CalendarImport result = AlarmCalendar::importAlarms(calendar, kZone, kNow, 256);
    EXPECT_EQ(result.skipped,
              (QStringList{QStringLiteral("\"Stretch\": FREQ=MINUTELY"), QStringLiteral("\"Bins\": INTERVAL=2"),
                           QStringLiteral("\"Pills\": COUNT=5"), QStringLiteral("\"Club\": BYDAY=2MO"),
                           QStringLiteral("\"Christmas Eve\": an all-day event, with no time to ring at"),
                           QStringLiteral("\"Long ago\": already past")}));
    ASSERT_EQ(result.alarms.size(), 4u);
    const AlarmRecord defaults = AlarmRecord::newAlarm(kNow);
    const auto expectAlarm = [&](std::size_t i, Frequency frequency, const QDate &date, const QTime &time,
                                 const QString &reminder) {
        SCOPED_TRACE(reminder.toStdString());
        AlarmRecord expected = defaults;
        expected.frequencyCode = int(frequency);
        expected.alarmDate = date;
        expected.alarmTime = time;
        expected.reminder = reminder;
        if (frequency == Frequency::Weekly)
            expected.dayFlags = {false, true, false, true, false, false, false};
        EXPECT_EQ(QString::fromUtf8(AlarmFile::encode(result.alarms[i].record)),
                  QString::fromUtf8(AlarmFile::encode(expected)));
        EXPECT_EQ(result.alarms[i].caption, reminder);
        EXPECT_TRUE(result.alarms[i].state.isDefault());
    };
    // 05:30 UTC is 06:30 in Berlin in winter.
    expectAlarm(0, Frequency::Once, QDate(2026, 12, 8), QTime(6, 30), QStringLiteral("Dentist"));
    // The dates are those of the next occurrences.
    expectAlarm(1, Frequency::Weekly, QDate(2026, 12, 9), QTime(6, 45), QStringLiteral("Gym"));
    // The 31st after 30 November is in December.
    expectAlarm(2, Frequency::Monthly, QDate(2026, 12, 31), QTime(20, 0), QStringLiteral("Rent"));
    expectAlarm(3, Frequency::Yearly, QDate(2027, 12, 7), QTime(8, 15), QStringLiteral("Birthday card"));
}

// What is not a calendar, or too much of one, is refused or bounded at once.
TEST(Calendar, BadOrHugeFilesAreRefusedOrBounded)
{
    const auto refusal = [](const QByteArray &data) {
        try {
            AlarmCalendar::importAlarms(data, kZone, kNow, 256);
        } catch (const AppError &error) {
            return error.message();
        }
        return QString();
    };
    EXPECT_TRUE(refusal("1\r\nWake up\r\nOnce\r\n").contains(QStringLiteral("not an iCalendar file")));
    EXPECT_TRUE(refusal(QByteArray(10, '\0')).contains(QStringLiteral("not an iCalendar file")));
    EXPECT_TRUE(refusal("BEGIN:VCALENDAR\r\n" + QByteArray(AlarmCalendar::MaxBytes, 'x'))
                    .contains(QStringLiteral("at most 8388608 bytes")));
    // Broken lines inside a calendar hold no alarm, and no error either.
    EXPECT_EQ(refusal("BEGIN:VCALENDAR\r\n\x01\x02garbage;;;\r\n::\r\nEND:VCALENDAR\r\n"), QString());

    // Ten thousand events: as many alarms as there is room for, the UIDs of
    // the rest kept to be counted; ten thousand skipped ones are all counted
    // and the first of them listed.
    QByteArray many = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int i = 0; i < 10000; ++i)
        many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                "\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Event\r\nEND:VEVENT\r\n"
                "BEGIN:VEVENT\r\nUID:m" +
                QByteArray::number(i) + "\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=MINUTELY\r\nEND:VEVENT\r\n";
    many += "END:VCALENDAR\r\n";
    const CalendarImport bounded = AlarmCalendar::importAlarms(many, kZone, kNow, 250);
    EXPECT_EQ(bounded.alarms.size(), 250u);
    EXPECT_EQ(bounded.uidsBeyondRoom.size(), 9750);
    EXPECT_EQ(bounded.uidsBeyondRoom.constFirst(), QStringLiteral("250"));
    EXPECT_EQ(bounded.skippedCount, 10000);
    EXPECT_EQ(bounded.skipped.size(), AlarmCalendar::ListedSkips);
    EXPECT_EQ(bounded.skipped.constFirst(), QStringLiteral("Event 2: FREQ=MINUTELY"));
}

// What a file brings passes the check of what the user adds: an own event
// whose settings the editor could not give is skipped with the setting that
// fails, and a power action comes only with the user's consent.
TEST(Calendar, AnEventWithSettingsTheEditorCannotGiveIsSkippedAndPowerNeedsConsent)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        const char *name;
        std::function<void(AlarmRecord &)> change;
        const char *says; // empty: imported
    } rows[] = {
        {"volume 999", [](AlarmRecord &r) { r.volume = 999; }, "volume 999: must be 0 to 100"},
        {"volume -50", [](AlarmRecord &r) { r.volume = -50; }, "volume -50: must be 0 to 100"},
        {"volume 100", [](AlarmRecord &r) { r.volume = 100; }, ""},
        {"power action 99", [](AlarmRecord &r) { r.powerAction = 99; }, "power action 99: must be 0 to 3"},
        {"sound 9999", [](AlarmRecord &r) { r.soundNumber = 9999; }, "built-in sound 9999: must be 0 to 3"},
        {"frequency 99", [](AlarmRecord &r) { r.frequencyCode = 99; }, "frequency 99: must be 0 to 5"},
        {"snooze -1", [](AlarmRecord &r) { r.snoozeMinutes = -1; }, "snooze minutes -1: must be 0 to 59"},
        {"snooze 2147483647", [](AlarmRecord &r) { r.snoozeMinutes = 2147483647; }, "snooze minutes 2147483647"},
        {"snooze 59", [](AlarmRecord &r) { r.snoozeMinutes = 59; }, ""},
        {"two closing methods",
         [](AlarmRecord &r) {
             r.closingFlags = {true, true, false};
         },
         "closing method"},
        {"10,000 songs",
         [&folder](AlarmRecord &r) { r.playList = QStringList(10000, folder.filePath(QStringLiteral("song.mp3"))); },
         "play list 10000: at most 256 files are played"},
        {"/dev/zero", [](AlarmRecord &r) { r.playList = {QStringLiteral("/dev/zero")}; }, "not a regular file"},
        {"/dev/urandom", [](AlarmRecord &r) { r.playList = {QStringLiteral("/dev/urandom")}; }, "not a regular file"},
        {"/proc/self/mem", [](AlarmRecord &r) { r.playList = {QStringLiteral("/proc/self/mem")}; }, "/proc/self/mem'"},
        {"a FIFO", [&fifo](AlarmRecord &r) { r.playList = {fifo}; }, "not a regular file"},
        {"a folder", [&folder](AlarmRecord &r) { r.playList = {folder.path()}; }, "not a regular file"},
        {"relative", [](AlarmRecord &r) { r.playList = {QStringLiteral("song.mp3")}; }, "not a full path"},
        {"256 songs",
         [&folder](AlarmRecord &r) { r.playList = QStringList(256, folder.filePath(QStringLiteral("song.mp3"))); }, ""},
    };
    ASSERT_TRUE(writeAll(folder.filePath(QStringLiteral("song.mp3")), "x"));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<ExportedAlarm> alarms{
            alarmOf(Frequency::Daily, QDate(2026, 12, 8), QTime(6, 30), QStringLiteral("0111110"), 0)};
        row.change(alarms[0].record);
        const CalendarImport back =
            AlarmCalendar::importAlarms(AlarmCalendar::exportAlarms(alarms, kZone, kNow).calendar, kZone, kNow, 256);
        if (*row.says == '\0') {
            EXPECT_EQ(back.skipped, QStringList());
            EXPECT_EQ(back.alarms.size(), 1u);
            continue;
        }
        EXPECT_TRUE(back.alarms.empty());
        ASSERT_EQ(back.skipped.size(), 1);
        EXPECT_TRUE(back.skipped[0].startsWith(QStringLiteral("\"Alarm 0\": "))) << back.skipped[0].toStdString();
        EXPECT_TRUE(back.skipped[0].contains(QString::fromUtf8(row.says))) << back.skipped[0].toStdString();
    }

    // Shut down after the alarm: left off and said, unless the user agreed.
    std::vector<ExportedAlarm> alarms{
        alarmOf(Frequency::Daily, QDate(2026, 12, 8), QTime(6, 30), QStringLiteral("0111110"), 0),
        alarmOf(Frequency::Daily, QDate(2026, 12, 8), QTime(7, 30), QStringLiteral("0111110"), 1)};
    alarms[0].record.powerAction = int(PowerAction::PowerOff);
    alarms[1].record.powerAction = int(PowerAction::MonitorOff);
    const QByteArray calendar = AlarmCalendar::exportAlarms(alarms, kZone, kNow).calendar;
    const CalendarImport unasked = AlarmCalendar::importAlarms(calendar, kZone, kNow, 256);
    ASSERT_EQ(unasked.alarms.size(), 2u);
    EXPECT_EQ(unasked.alarms[0].record.powerAction, int(PowerAction::DoNothing));
    EXPECT_EQ(unasked.alarms[1].record.powerAction, int(PowerAction::DoNothing));
    EXPECT_EQ(unasked.alarms[0].eventPowerAction, int(PowerAction::PowerOff));
    EXPECT_EQ(unasked.alarms[0].leftOff, QStringLiteral("Power action of \"Alarm 0\" left off: \"Shut down PC\" "
                                                        "needs your consent (import --with-power-actions)"));
    EXPECT_EQ(unasked.alarms[1].leftOff, QStringLiteral("Power action of \"Alarm 1\" left off: \"Turn monitor off\" "
                                                        "needs your consent (import --with-power-actions)"));
    const CalendarImport asked = AlarmCalendar::importAlarms(calendar, kZone, kNow, 256, ImportConsent{true});
    ASSERT_EQ(asked.alarms.size(), 2u);
    EXPECT_EQ(asked.alarms[0].record.powerAction, int(PowerAction::PowerOff));
    EXPECT_EQ(asked.alarms[0].leftOff, QString());
}

// Every alarm carries its event's UID; a second event of the same UID is
// the same event, and is skipped.
TEST(Calendar, AnEventsUidComesWithItsAlarmAndASecondOneIsSkipped)
{
    const QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
                                "BEGIN:VEVENT\r\nUID: abc@example.org \r\nDTSTART:20270101T080000\r\n"
                                "RRULE:FREQ=DAILY\r\nSUMMARY:First\r\nEND:VEVENT\r\n"
                                "BEGIN:VEVENT\r\nDTSTART:20270101T090000\r\nRRULE:FREQ=DAILY\r\nSUMMARY:No "
                                "UID\r\nEND:VEVENT\r\n"
                                "BEGIN:VEVENT\r\nUID:abc@example.org\r\nDTSTART:20270101T100000\r\n"
                                "RRULE:FREQ=DAILY\r\nSUMMARY:Again\r\nEND:VEVENT\r\n"
                                "END:VCALENDAR\r\n";
    const CalendarImport result = AlarmCalendar::importAlarms(calendar, kZone, kNow, 256);
    ASSERT_EQ(result.alarms.size(), 2u);
    EXPECT_EQ(result.alarms[0].uid, QStringLiteral("abc@example.org"));
    EXPECT_EQ(result.alarms[1].uid, QString());
    EXPECT_EQ(result.skipped, QStringList{QStringLiteral("\"Again\": the same UID as an earlier event")});
}

// A calendar that would keep libical busy for long is refused before libical
// reads it, with what is too much; one just within the bounds is read.
TEST(Calendar, WhatWouldKeepLibicalBusyIsRefusedBeforeItIsRead)
{
    const QByteArray head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    const QByteArray tail = "END:VCALENDAR\r\n";
    const QByteArray event = "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20270101T080000\r\nSUMMARY:E\r\nEND:VEVENT\r\n";
    const auto repeated = [](const QByteArray &part, int times) -> QByteArray {
        QByteArray all;
        for (int i = 0; i < times; ++i)
            all += part;
        return all;
    };
    // `rules` rules, repeating yearly from `from` when given, at once otherwise.
    const auto zone = [&](const char *id, int rules, const char *from = nullptr) -> QByteArray {
        const QByteArray rule =
            "BEGIN:STANDARD\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nDTSTART:" + QByteArray(from ? from : "1970") +
            "0101T000000\r\n" + (from ? "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n" : "") + "END:STANDARD\r\n";
        return "BEGIN:VTIMEZONE\r\nTZID:" + QByteArray(id) + "\r\n" + repeated(rule, rules) + "END:VTIMEZONE\r\n";
    };
    const auto summaryOf = [](qsizetype bytes) -> QByteArray {
        return "SUMMARY:" + QByteArray(bytes - 8, 'x') + "\r\n";
    };
    const qsizetype line = 1024 * 1024;
    struct Case
    {
        const char *name;
        QByteArray calendar;
        const char *refusal; // empty: read
    };
    const Case cases[] = {
        {"a line of the longest length", head + "BEGIN:VEVENT\r\n" + summaryOf(line) + "END:VEVENT\r\n" + tail, ""},
        {"a line one byte longer", head + "BEGIN:VEVENT\r\n" + summaryOf(line + 1) + "END:VEVENT\r\n" + tail,
         "Line 4 of the calendar is longer than 1048576 bytes"},
        {"a long line folded",
         head + "BEGIN:VEVENT\r\nSUMMARY:" + repeated(QByteArray(1000, 'x') + "\r\n ", 1100) + "\r\nEND:VEVENT\r\n" +
             tail,
         "Line 4 of the calendar is longer than 1048576 bytes"},
        {"as many components as are read", head + repeated(event, 49999) + tail, ""},
        {"one component more", head + repeated(event, 50000) + tail, "more than 50000 components"},
        {"nesting as deep as is read", head + repeated("BEGIN:X-A\r\n", 7) + repeated("END:X-A\r\n", 7) + tail, ""},
        {"nesting one deeper", head + repeated("BEGIN:X-A\r\n", 8) + repeated("END:X-A\r\n", 8) + tail,
         "Line 10 of the calendar nests components deeper than 8 levels"},
        {"zones with as many rules as are read", head + zone("A", 150) + zone("B", 50) + event + tail, ""},
        {"zones with one rule more", head + zone("A", 150) + zone("B", 51) + event + tail,
         "more rules than Chronelle reads (at line 1008)"},
        // Outlook's zones repeat from 1601: twenty of them are read, and the
        // years one more such rule spans are too many.
        {"twenty zones of Outlook's", head + repeated(zone("W. Europe Standard Time", 2, "1601"), 20) + event + tail,
         ""},
        {"repeating rules that span too many years",
         head + repeated(zone("W. Europe Standard Time", 2, "1601"), 20) + zone("Old", 1, "1601") + event + tail,
         "more rules than Chronelle reads (at line 310)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString refusal;
        try {
            AlarmCalendar::importAlarms(c.calendar, kZone, kNow, 256);
        } catch (const AppError &error) {
            refusal = error.message();
        }
        if (*c.refusal == '\0')
            EXPECT_EQ(refusal, QString());
        else
            EXPECT_TRUE(refusal.contains(QString::fromLatin1(c.refusal))) << refusal.toStdString();
    }
}

// The calendar is read away from the thread that rings: the engine's timer
// goes on ticking while the largest calendar the bounds allow is read, and
// the import is made when it is done.
TEST(Calendar, TheClockTicksWhileAnImportIsRead)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    // A few alarms among many events no alarm can hold.
    for (int i = 0; i < 49000; ++i)
        calendar += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                    "\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=" + (i % 1000 == 0 ? "DAILY" : "MINUTELY") +
                    "\r\nSUMMARY:Event\r\nEND:VEVENT\r\n";
    calendar += "END:VCALENDAR\r\n";
    on.engine.timer()->setInterval(1);
    int ticks = 0;
    QObject::connect(on.engine.timer(), &QTimer::timeout, [&ticks]() { ++ticks; });
    const CalendarTransfer::ImportReport report = CalendarTransfer::importAlarms(on.engine, calendar);
    EXPECT_GE(ticks, 3) << "the clock stood still while the calendar was read";
    EXPECT_EQ(report.ids.size(), 49);
    EXPECT_EQ(on.engine.catalogue().size(), 49);
}

// A calendar laid out as KAlarm keeps its alarms (written by hand after
// KAlarm's published calendar notes): the text in the display alarm, a
// time marked local whatever its TZID, archived alarms, templates and
// date-only alarms beside the active ones.
TEST(Calendar, ACalendarInKAlarmsLayoutGivesItsActiveAlarms)
{
    const CalendarImport result = AlarmCalendar::importAlarms(
        readAll(QStringLiteral(CHRONELLE_SOURCE_DIR "/tests/calendar/kalarm-layout.ics")), kZone, kNow, 256);
    EXPECT_EQ(result.skipped,
              (QStringList{QStringLiteral("\"Renew the parking permit\": a KAlarm archived alarm, not an active one"),
                           QStringLiteral("\"Meeting template\": a KAlarm template alarm, not an active one"),
                           QStringLiteral("\"Buy the tree\": a date-only KAlarm alarm, with no time to ring at"),
                           QStringLiteral("\"Water the plants\": INTERVAL=2")}));
    ASSERT_EQ(result.alarms.size(), 3u);
    const auto summary = [&](std::size_t i) {
        const AlarmRecord &r = result.alarms[i].record;
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(frequencyNames().value(r.frequencyCode), r.alarmTime.toString(QStringLiteral("HH:mm:ss")),
                 r.alarmDate.toString(Qt::ISODate), r.weekdayMask(), result.alarms[i].caption);
    };
    // Local 07:00 although the TZID says New York.
    EXPECT_EQ(summary(0), QStringLiteral("Daily 07:00:00 2026-12-08 0111110 Take the pills"));
    // 17:30 UTC is 18:30 in Berlin.
    EXPECT_EQ(summary(1), QStringLiteral("Weekly 18:30:00 2026-12-07 0101010 Choir practice"));
    EXPECT_EQ(summary(2), QStringLiteral("Monthly 12:00:00 2026-12-15 0111110 Pay the rent"));
}

namespace {

// A calendar as another program writes it, read at a moment in a zone, and
// what the import must say about it.
struct ForeignCalendar
{
    const char *file;
    const char *zone;
    QDateTime now; // wall clock
    QStringList skipped;
    // The alarms whose event's zone changes its clocks on other days.
    QStringList keepLocalTime;
};

void PrintTo(const ForeignCalendar &calendar, std::ostream *out)
{
    *out << calendar.file << " in " << calendar.zone;
}

QDateTime wall(int year, int month, int day, int hour, int minute)
{
    return ScheduleRules::wallMoment(QDate(year, month, day), QTime(hour, minute));
}

const QString kUnknownZone = QStringLiteral(
    "\"Club night\": TZID=Custom/Nowhere: a time zone that neither the calendar nor the time-zone database describes");
const QString kMomentOfSeries =
    QStringLiteral("\"Water the plants\": TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event");

class ForeignCalendarRings : public testing::TestWithParam<ForeignCalendar>
{
};

} // namespace

// Each alarm the import makes of another program's calendar rings its next
// 20 times (across changes of daylight saving time) exactly when the
// independent reader says the event's reminder is due, on the local clock;
// an alarm that keeps its local time from now on, at that time on the
// event's days. What it can't hold it leaves, saying why.
TEST_P(ForeignCalendarRings, EachAlarmRingsWhenTheIndependentReaderSays)
{
    const ForeignCalendar &calendar = GetParam();
    const ScopedTimeZone zone(calendar.zone);
    const QString file = QStringLiteral(CHRONELLE_SOURCE_DIR "/tests/calendar/") + QString::fromLatin1(calendar.file);
    const CalendarImport result = AlarmCalendar::importAlarms(readAll(file), calendar.zone, calendar.now, 256);
    EXPECT_EQ(result.skipped, calendar.skipped);
    QStringList noted;
    for (const QString &note : result.notes) {
        noted << note.section(u'"', 1, 1);
        EXPECT_TRUE(note.contains(QStringLiteral("\": keeps its local time ")) &&
                    note.contains(QStringLiteral(" and ") + calendar.zone + QStringLiteral(" changes: on ")))
            << note.toStdString();
    }
    EXPECT_EQ(noted, calendar.keepLocalTime);

    constexpr int kRingings = 20;
    QMap<QString, QList<std::pair<QDateTime, QDateTime>>> expected; // by summary: on the event's clock, locally
    QString summary;
    for (const QString &line :
         judge(file, {QString::number(kRingings), calendar.now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
                      QString::fromLatin1(calendar.zone)})) {
        if (line.startsWith(QLatin1String("SUMMARY "))) {
            summary = line.mid(8);
            continue;
        }
        const auto moment = [&](int part) {
            return QDateTime::fromString(line.section(u' ', part, part) + u'Z', Qt::ISODate);
        };
        expected[summary].append({moment(0), moment(1)});
    }

    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    for (const ImportedAlarm &alarm : result.alarms) {
        SCOPED_TRACE(alarm.caption.toStdString());
        ASSERT_TRUE(expected.contains(alarm.caption));
        const QList<std::pair<QDateTime, QDateTime>> &due = expected[alarm.caption];
        ASSERT_FALSE(due.isEmpty());
        const bool keepsLocalTime = calendar.keepLocalTime.contains(alarm.caption);
        const qint64 shift = due.front().first.secsTo(due.front().second);
        QStringList want;
        for (const auto &[onEventClock, local] : due)
            want << (keepsLocalTime ? onEventClock.addSecs(shift) : local).toString(Qt::ISODate);

        const AlarmRecord &r = alarm.record;
        const ScheduleRules::RowKeys keys = ScheduleRules::parse(CatalogueRow::fromEditorResult(
            {alarm.caption, r.frequencyCode, r.alarmTime, r.alarmDate, r.weekdayMask(), true}, 0, formatter));
        QStringList rings;
        std::optional<QDateTime> next = alarm.state.firstRingingAtOrAfter(keys, calendar.now.addSecs(1));
        for (int n = 0; n < want.size() && next; ++n) {
            rings << next->toString(Qt::ISODate);
            next = alarm.state.firstRingingAtOrAfter(keys, next->addSecs(1));
        }
        EXPECT_EQ(rings, want);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calendars, ForeignCalendarRings,
    testing::Values(
        // A start ahead: daily, weekly, monthly, yearly and hourly.
        ForeignCalendar{"google-future-start.ics",
                        "Europe/Berlin",
                        wall(2026, 12, 14, 9, 0),
                        {QStringLiteral("\"Stand and stretch\": it starts at 2027-01-10 09:15, and an hourly alarm "
                                        "can wait for the start of a day only")},
                        {}},
        ForeignCalendar{
            "google-future-start.ics",
            "America/New_York",
            wall(2026, 12, 14, 9, 0),
            {QStringLiteral("\"Drink water\": it starts at 2027-01-09 18:15, and an hourly alarm can "
                            "wait for the start of a day only"),
             QStringLiteral("\"Stand and stretch\": it starts at 2027-01-10 03:15, and an hourly alarm "
                            "can wait for the start of a day only")},
            {QStringLiteral("Weekly review"), QStringLiteral("Language class"), QStringLiteral("Pay the rent")}},
        // Exclusions: the next one, two further ahead, past ones, the next two.
        ForeignCalendar{"thunderbird-exclusions.ics",
                        "Europe/Berlin",
                        wall(2027, 3, 20, 9, 0),
                        {QStringLiteral("\"Piano practice\": EXDATE: 2 excluded day(s) ahead (2027-03-24 18:00, "
                                        "2027-03-31 18:00)")},
                        {}},
        ForeignCalendar{"thunderbird-exclusions.ics",
                        "America/New_York",
                        wall(2027, 3, 20, 9, 0),
                        {QStringLiteral("\"Piano practice\": EXDATE: 2 excluded day(s) ahead (2027-03-24 18:00, "
                                        "2027-03-31 18:00)")},
                        {QStringLiteral("Morning run"), QStringLiteral("Vitamins"), QStringLiteral("Yoga")}},
        // Changed occurrences: the next cancelled, one moved ahead, one past,
        // one with its time kept; each change says what became of it.
        ForeignCalendar{
            "nextcloud-changes.ics",
            "Europe/Berlin",
            wall(2027, 10, 20, 10, 0),
            {QStringLiteral("\"Team standup\": a change to the occurrence of 2027-10-21 09:30 of \"Team standup\", "
                            "held in the alarm of that series"),
             QStringLiteral("\"1:1 with Alex\": RECURRENCE-ID: 1 changed occurrence(s) ahead (2027-11-04 14:00)"),
             QStringLiteral("\"1:1 with Alex (moved)\": a change to the occurrence of 2027-11-04 14:00 of \"1:1 with "
                            "Alex\", which is skipped"),
             QStringLiteral(
                 "\"Book club\": a change to the occurrence of 2027-09-12 19:00 of \"Book club\", already past"),
             QStringLiteral("\"Daily planning (budget week)\": a change to the occurrence of 2027-10-25 08:45 of "
                            "\"Daily planning\", held in the alarm of that series")},
            {}},
        // Weekdays and days that cross midnight; Windows zone names.
        ForeignCalendar{"outlook-midnight.ics",
                        "Europe/Berlin",
                        wall(2027, 1, 10, 12, 0),
                        {QStringLiteral("\"Month-end close\": in Europe/Berlin its days are not those of one alarm "
                                        "(from 2027-03-01 03:00 on)")},
                        {QStringLiteral("Call with the Chicago office"), QStringLiteral("Payroll run")}},
        ForeignCalendar{"outlook-midnight.ics", "America/Chicago", wall(2027, 1, 10, 12, 0), {}, {}},
        // The offset of the next occurrence, from the time-zone database
        // rather than a VTIMEZONE that stops at the year it was written.
        ForeignCalendar{"davx5-zone-offsets.ics",
                        "Asia/Tokyo",
                        wall(2027, 6, 10, 9, 0),
                        {kUnknownZone},
                        {QStringLiteral("Morning briefing"), QStringLiteral("Weekly sync")}},
        ForeignCalendar{"davx5-zone-offsets.ics",
                        "Europe/Berlin",
                        wall(2027, 10, 20, 9, 0),
                        {kUnknownZone},
                        {QStringLiteral("Morning briefing"), QStringLiteral("Cricket stream")}},
        ForeignCalendar{"davx5-zone-offsets.ics",
                        "America/New_York",
                        wall(2027, 10, 20, 9, 0),
                        {kUnknownZone},
                        {QStringLiteral("Weekly sync"), QStringLiteral("Cricket stream")}},
        // Reminders before the start or the end, at a moment, the earliest
        // display or audio one of several.
        ForeignCalendar{"thunderbird-reminders.ics", "Europe/Berlin", wall(2027, 1, 20, 9, 0), {kMomentOfSeries}, {}},
        ForeignCalendar{"thunderbird-reminders.ics",
                        "America/New_York",
                        wall(2027, 1, 20, 9, 0),
                        {kMomentOfSeries},
                        {QStringLiteral("Gym class"), QStringLiteral("Bins out")}}),
    [](const testing::TestParamInfo<ForeignCalendar> &row) {
        return QString::fromLatin1(row.param.file).section(u'.', 0, 0).remove(u'-').toStdString() +
               QString::fromLatin1(row.param.zone).section(u'/', -1).remove(u'_').toStdString();
    });

// Following rules costs libical's expander time: a calendar of many events
// from another zone (a year of each is compared) is read within a fixed
// amount of work, and the events past it are left, each saying so.
TEST(Calendar, ManyRulesFromAnotherZoneAreReadWithinABoundedWork)
{
    QByteArray many = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    constexpr int kEvents = 350;
    for (int i = 0; i < kEvents; ++i)
        many +=
            "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
            "\r\nDTSTART;TZID=America/Chicago:20250101T081500\r\nRRULE:FREQ=HOURLY\r\nSUMMARY:Event\r\nEND:VEVENT\r\n";
    many += "END:VCALENDAR\r\n";
    const CalendarImport result = AlarmCalendar::importAlarms(many, kZone, kNow, kEvents);
    const QString leftUnread =
        QStringLiteral("\"Event\": left unread: its rule takes more work to follow than an import may spend");
    ASSERT_FALSE(result.skipped.isEmpty());
    EXPECT_EQ(result.skipped.front(), leftUnread);
    EXPECT_GT(result.alarms.size(), 0u);
    EXPECT_EQ(int(result.alarms.size()) + result.skipped.count(leftUnread), kEvents);
}
