// The command line's verbs: arguments read and checked before the alarms are
// reached, exit codes, one line on standard error, and what list prints.

#include "apperror.h"
#include "commandverbs.h"
#include "enginecontrol.h"
#include "enginetestsupport.h"
#include "timezone.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

struct VerbRun
{
    int code = -1;
    QString out;
    QString err;
    bool reached = false; // whether the verb asked for the alarms
};

// Runs a command line ("add 06:30 --daily") on the engine.
VerbRun run(AlarmEngine &engine, const QStringList &arguments)
{
    EngineControl control(engine);
    VerbRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    CommandVerbs::Output output{out, err};
    result.code = CommandVerbs::run(
        arguments,
        [&]() -> AlarmControl & {
            result.reached = true;
            return control;
        },
        output);
    out.flush();
    err.flush();
    return result;
}

VerbRun run(AlarmEngine &engine, const char *commandLine)
{
    return run(engine, QString::fromUtf8(commandLine).split(u' '));
}

} // namespace

TEST(CommandVerbs, WrongUsageIsRefusedBeforeTheAlarmsAreReached)
{
    // Far enough ahead that a once date of 2030 is in the future.
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    const struct
    {
        const char *commandLine;
        const char *says;
    } rows[] = {
        {"add", "usage: chronelle add TIME"},
        {"add 06:30 07:30", "usage: chronelle add"},
        {"add 06:30 --daily --hourly", "can't both be given"},
        {"add 06:30 --volume loud", "--volume 'loud': must be a whole number"},
        {"add 06:30 --volume 5 --volume 6", "--volume is given 2 times"},
        {"add 06:30 --once", "Missing value after '--once'"},
        {"add 06:30 --memo=", "--memo: the reminder is empty"},
        {"add 06:30 --colour red", "Unknown option 'colour'"},
        {"remove", "usage: chronelle remove ID"},
        {"remove seven", "ID 'seven': not an alarm id"},
        {"enable 1 2", "usage: chronelle enable ID"},
        {"pause 0", "pause needs --until YYYY-MM-DD"},
        {"pause 0 --until someday", "--until 'someday': not a date as YYYY-MM-DD"},
        {"pause 0 --until 2000-01-01", "--until '2000-01-01': the alarm would not be paused at all"},
        {"list --yaml", "Unknown option 'yaml'"},
        {"frob", "'frob' is not a verb"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.commandLine);
        const VerbRun result = run(on.engine, row.commandLine);
        EXPECT_EQ(result.code, CommandVerbs::Usage);
        EXPECT_FALSE(result.reached);
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("chronelle: "))) << result.err.toStdString();
        EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(row.says))) << result.err.toStdString();
    }
    EXPECT_EQ(on.engine.catalogue().size(), 0);
}

TEST(CommandVerbs, AddListAndChangeByIdWithTheirExitCodes)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    QTemporaryDir songs;
    const QString song = songs.filePath(QStringLiteral("wake up.mp3"));
    QFile(song).open(QIODevice::WriteOnly);

    VerbRun added = run(on.engine, {QStringLiteral("add"), QStringLiteral("06:30"), QStringLiteral("--weekly"),
                                    QStringLiteral("mon,fri"), QStringLiteral("--memo"), QStringLiteral("Gym"),
                                    QStringLiteral("--sound"), song, QStringLiteral("--volume"), QStringLiteral("40")});
    EXPECT_EQ(added.code, CommandVerbs::Done) << added.err.toStdString();
    EXPECT_EQ(added.out, QStringLiteral("0\n"));
    EXPECT_EQ(run(on.engine, "add 23:59:59 --once 2030-01-01").out, QStringLiteral("1\n"));

    const VerbRun listed = run(on.engine, "list");
    EXPECT_EQ(listed.out, QStringLiteral("ID  STATE  FREQUENCY  TIME      SCHEDULE    NEXT                 CAPTION\n"
                                         "0   on     weekly     06:30:00  mon,fri     2026-12-11 06:30:00  Gym\n"
                                         "1   on     once       23:59:59  2030-01-01  2030-01-01 23:59:59  "
                                         "Don't for get to ...\n"));
    const QJsonArray json = QJsonDocument::fromJson(run(on.engine, "list --json").out.toUtf8()).array();
    ASSERT_EQ(json.size(), 2);
    const QJsonObject gym = json[0].toObject();
    EXPECT_EQ(gym.value(QStringLiteral("id")).toInt(-1), 0);
    EXPECT_EQ(gym.value(QStringLiteral("enabled")).toBool(false), true);
    EXPECT_EQ(gym.value(QStringLiteral("frequency")).toString(), QStringLiteral("weekly"));
    EXPECT_EQ(gym.value(QStringLiteral("next")).toString(), QStringLiteral("2026-12-11T06:30:00+00:00"));
    EXPECT_EQ(gym.value(QStringLiteral("memo")).toString(), QStringLiteral("Gym\n"));
    EXPECT_TRUE(gym.value(QStringLiteral("pausedUntil")).isNull());

    EXPECT_EQ(run(on.engine, "next").out, QStringLiteral("2026-12-11 06:30:00  id 0  Gym\n"));
    EXPECT_EQ(run(on.engine, "disable 0").code, CommandVerbs::Done);
    EXPECT_EQ(run(on.engine, "next").out, QStringLiteral("2030-01-01 23:59:59  id 1  Don't for get to ...\n"));

    const VerbRun missing = run(on.engine, "remove 7");
    EXPECT_EQ(missing.code, CommandVerbs::Failed);
    EXPECT_EQ(missing.err, QStringLiteral("chronelle: There is no alarm with id 7.\n"));
    const VerbRun silence = run(on.engine, "stop");
    EXPECT_EQ(silence.code, CommandVerbs::Failed);
    EXPECT_EQ(silence.err, QStringLiteral("chronelle: No alarm is ringing.\n"));
    const VerbRun noSong = run(on.engine, {QStringLiteral("add"), QStringLiteral("06:30"), QStringLiteral("--sound"),
                                           songs.filePath(QStringLiteral("gone.mp3"))});
    EXPECT_EQ(noSong.code, CommandVerbs::Failed);
    EXPECT_TRUE(noSong.err.contains(QStringLiteral("gone.mp3': no such file"))) << noSong.err.toStdString();

    EXPECT_EQ(run(on.engine, "remove 0").code, CommandVerbs::Done);
    EXPECT_EQ(run(on.engine, "remove 1").code, CommandVerbs::Done);
    EXPECT_EQ(run(on.engine, "next").out, QStringLiteral("No alarm will ring.\n"));
}

// On the nights the clock changes, add takes the skipped and the repeated
// time, and list, next and the export name the one instant the engine rings
// them at, with the offset the clock has then.
TEST(CommandVerbs, TheNightsTheClockChangesShowTheInstantThatRings)
{
    const ScopedTimeZone newYork("America/New_York");
    EngineOn<> on(QDateTime(QDate(2027, 3, 13), QTime(22, 0)));
    EXPECT_EQ(run(on.engine, "add 02:30 --once 2027-03-14").out, QStringLiteral("0\n"));
    EXPECT_EQ(run(on.engine, "add 01:30 --once 2027-11-07").out, QStringLiteral("1\n"));
    EXPECT_EQ(run(on.engine, "add 02:30 --daily").out, QStringLiteral("2\n"));
    const QJsonArray json = QJsonDocument::fromJson(run(on.engine, "list --json").out.toUtf8()).array();
    ASSERT_EQ(json.size(), 3);
    const char *const next[] = {"2027-03-14T03:00:00-04:00", "2027-11-07T01:30:00-04:00", "2027-03-14T03:00:00-04:00"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(json[i].toObject().value(QStringLiteral("next")).toString(), QString::fromLatin1(next[i])) << i;
        EXPECT_EQ(QDateTime::fromString(QString::fromLatin1(next[i]), Qt::ISODate).toSecsSinceEpoch(),
                  ScheduleRules::ringInstant(*on.engine.nextRinging(i), QTimeZone::systemTimeZone()).toSecsSinceEpoch())
            << i;
    }
    EXPECT_EQ(run(on.engine, "next").out, QStringLiteral("2027-03-14 03:00:00  id 0  Don't for get to ...\n"));
    // A single ringing is exported at the instant it rings; the series keeps its time of day.
    // Long lines are folded; unfolded, each property is one line.
    const QString calendar = run(on.engine, "export").out.replace(QStringLiteral("\r\n "), QString());
    for (const char *start : {"20270314T030000", "20271107T013000", "20270313T023000"}) {
        const QRegularExpression line(
            QStringLiteral("\r\nDTSTART;TZID=[^:\r]*America/New_York:%1\r\n").arg(QString::fromLatin1(start)));
        EXPECT_TRUE(line.match(calendar).hasMatch()) << start << "\n" << calendar.toStdString();
    }
}

// import: the report's counts first, each skipped event, what was left off;
// the power actions only with --with-power-actions; a file that does not
// fit imports nothing and exits 1, its first line saying how many would fit.
TEST(CommandVerbs, ImportSaysWhatItDidCountsFirst)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("events.ics"));
    QByteArray calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=DAILY\r\n"
                          "SUMMARY:Daily\r\nEND:VEVENT\r\n";
    for (int i = 0; i < 3; ++i)
        calendar += "BEGIN:VEVENT\r\nUID:m" + QByteArray::number(i) +
                    "\r\nDTSTART:20270101T080000\r\nRRULE:FREQ=MINUTELY\r\nSUMMARY:Often\r\nEND:VEVENT\r\n";
    ASSERT_TRUE(writeAll(file, calendar + "END:VCALENDAR\r\n"));
    const QStringList import{QStringLiteral("import"), file};

    const VerbRun first = run(on.engine, import);
    EXPECT_EQ(first.code, CommandVerbs::Done) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringLiteral("Imported 1 alarm(s): 0\n"
                                        "Skipped \"Often\": FREQ=MINUTELY\n"
                                        "Skipped \"Often\": FREQ=MINUTELY\n"
                                        "Skipped \"Often\": FREQ=MINUTELY\n"));
    const VerbRun again = run(on.engine, import + QStringList{QStringLiteral("--with-power-actions")});
    EXPECT_EQ(again.code, CommandVerbs::Done) << again.err.toStdString();
    EXPECT_TRUE(again.out.startsWith(QStringLiteral("Imported 0 alarm(s)\nLeft 1 alarm(s) as they were")))
        << again.out.toStdString();
    EXPECT_EQ(on.engine.catalogue().size(), 1);

    QList<AlarmEngine::NewAlarm> filler(255, {AlarmRecord::newAlarm(on.clock.now()), {}, QStringLiteral("Filler")});
    on.engine.addAlarmsFromRecords(filler);
    calendar.replace("UID:1\r\n", "UID:2\r\n");
    calendar.replace("UID:m0\r\n", "UID:3\r\n");
    calendar.replace("FREQ=MINUTELY\r\nSUMMARY:Often\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:m1",
                     "FREQ=DAILY\r\nSUMMARY:More\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:m1");
    ASSERT_TRUE(writeAll(file, calendar + "END:VCALENDAR\r\n"));
    const VerbRun full = run(on.engine, import);
    EXPECT_EQ(full.code, CommandVerbs::Failed);
    EXPECT_TRUE(full.out.isEmpty()) << full.out.toStdString();
    EXPECT_TRUE(full.err.startsWith(QStringLiteral("chronelle: Nothing was imported: only 0 of the 2 alarm(s) in the "
                                                   "file would fit")))
        << full.err.toStdString();
    EXPECT_TRUE(full.err.contains(QStringLiteral("\n\"Often\": FREQ=MINUTELY\n"))) << full.err.toStdString();
    EXPECT_EQ(on.engine.catalogue().size(), 256);
}

// An export that had to leave an alarm out prints the others, names the one
// left out on standard error, and says through its exit code that it did not
// do all.
TEST(CommandVerbs, ExportNamesTheAlarmsItLeftOut)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(8, 0)));
    ASSERT_EQ(run(on.engine,
                  {QStringLiteral("add"), QStringLiteral("06:30"), QStringLiteral("--memo"), QStringLiteral("Gym")})
                  .code,
              CommandVerbs::Done);
    ASSERT_EQ(run(on.engine,
                  {QStringLiteral("add"), QStringLiteral("07:00"), QStringLiteral("--memo"), QStringLiteral("Pills")})
                  .code,
              CommandVerbs::Done);
    EXPECT_EQ(run(on.engine, "export").code, CommandVerbs::Done);

    QFile::remove(on.path(QStringLiteral("1.ini")));
    const VerbRun result = run(on.engine, "export");
    EXPECT_EQ(result.code, CommandVerbs::Failed);
    EXPECT_TRUE(result.out.contains(QStringLiteral("SUMMARY:Gym\r\n"))) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains(QStringLiteral("SUMMARY:Pills")));
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("chronelle: Left out \"Pills\": "))) << result.err.toStdString();
}
