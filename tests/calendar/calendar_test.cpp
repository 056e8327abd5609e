// Alarms to iCalendar and back: Chronelle's own events return exactly,
// another library and recurrence engine (Python's icalendar and dateutil)
// read the export and expand each rule to the occurrences the scheduler
// rings, and other programs' events are taken or left with a reason.

#include "alarmcalendar.h"
#include "alarmfile.h"
#include "apperror.h"
#include "calendartransfer.h"
#include "enginetestsupport.h"
#include "qtprint.h"
#include "schedulerules.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <libical/ical.h>

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
    alarm.row.slot = QString::number(slot);
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

} // namespace

// Every setting, odd ones too, and the on/off, skip and pause state come
// back exactly: the alarm files an import writes are those that went out.
TEST(Calendar, OwnEventsComeBackExactly)
{
    std::vector<ExportedAlarm> alarms = everyFrequency();
    ExportedAlarm &odd = alarms[3];
    odd.row.caption = QStringLiteral("Gym, then; work \\ «ü» 🎵");
    odd.record = AlarmRecord{
        .frequencyCode = int(Frequency::Weekly),
        .alarmTime = QTime(6, 45),
        .alarmDate = QDate(2026, 10, 21),
        .dayFlags = {true, true, false, false, false, true, false},
        .playListOn = false,
        .playList = {QStringLiteral("/home/me/Music/a, b; c\\d.mp3"), QString(), QStringLiteral("relative.ogg")},
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
        .volume = 137,
        .closingFlags = {false, true, true},
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
    const CalendarImport back = AlarmCalendar::importAlarms(exported, kZone, kNow.addDays(400), 256);
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
        alarm.state = AlarmState{c.enabled, c.skipped, c.pausedUntil};
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
    expectAlarm(1, Frequency::Weekly, QDate(2026, 12, 7), QTime(6, 45), QStringLiteral("Gym"));
    // The 31st after 30 November is in December.
    expectAlarm(2, Frequency::Monthly, QDate(2026, 12, 31), QTime(20, 0), QStringLiteral("Rent"));
    expectAlarm(3, Frequency::Yearly, QDate(2026, 12, 7), QTime(8, 15), QStringLiteral("Birthday card"));
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

    // Ten thousand events: as many alarms as there is room for, the rest counted in one line.
    QByteArray many = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int i = 0; i < 10000; ++i)
        many += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) +
                "\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Event\r\nEND:VEVENT\r\n";
    many += "END:VCALENDAR\r\n";
    const CalendarImport bounded = AlarmCalendar::importAlarms(many, kZone, kNow, 250);
    EXPECT_EQ(bounded.alarms.size(), 250u);
    EXPECT_EQ(bounded.skipped,
              QStringList{QStringLiteral("9750 more event(s): no free place, Chronelle holds at most 256 alarms")});
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
    EXPECT_EQ(summary(0), QStringLiteral("Daily 07:00:00 2026-12-01 0111110 Take the pills"));
    // 17:30 UTC is 18:30 in Berlin.
    EXPECT_EQ(summary(1), QStringLiteral("Weekly 18:30:00 2026-11-30 0101010 Choir practice"));
    EXPECT_EQ(summary(2), QStringLiteral("Monthly 12:00:00 2026-12-15 0111110 Pay the rent"));
}
