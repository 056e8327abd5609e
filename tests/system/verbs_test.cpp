// The command-line verbs of the real program: with none running they work on
// the data folder; with the program running they go to it over the session
// bus (the test command's private one), its manager shows the change at once,
// and snooze and stop answer the alarm that rings.

#include "alarmfile.h"
#include "alarmstates.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString kAppId = QStringLiteral(CHRONELLE_APP_ID);

struct Finished
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class Verbs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingService());
        const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        ASSERT_TRUE(notPrivate.isEmpty()) << notPrivate.toStdString();
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(kAppId).value())
            << "another program serves " << kAppId.toStdString() << " on the test bus";
    }

    // Starts a verb of the program folder's copy; finished() waits for it.
    QProcess *startVerb(const QStringList &arguments, const QProcessEnvironment &env = ProgramFolder::environment())
    {
        auto &process = m_verbs.emplace_back(std::make_unique<QProcess>());
        process->setProcessEnvironment(env);
        process->start(m_folder.filePath(QStringLiteral("chronelle")), arguments);
        return process.get();
    }
    static Finished finished(QProcess *process)
    {
        Finished result;
        if (!process->waitForFinished(60000)) {
            process->kill();
            process->waitForFinished();
            result.err = "did not finish";
            return result;
        }
        result.exitCode = process->exitCode();
        result.out = process->readAllStandardOutput();
        result.err = process->readAllStandardError();
        return result;
    }
    Finished verb(const char *commandLine) { return finished(startVerb(QString::fromUtf8(commandLine).split(u' '))); }
    Finished verb(const QStringList &arguments) { return finished(startVerb(arguments)); }

    // The files of the data folder, to prove that a refused verb changed nothing.
    QMap<QString, QByteArray> dataFiles() const
    {
        QMap<QString, QByteArray> files;
        const QDir dir(m_folder.filePath(QString()));
        for (const QString &name : dir.entryList({QStringLiteral("*.ini")}, QDir::Files))
            files.insert(name, m_folder.readFile(name));
        return files;
    }
    QList<int> listedIds()
    {
        QList<int> ids;
        const Finished listed = verb("list --json");
        EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
        for (const QJsonValue &alarm : QJsonDocument::fromJson(listed.out).array())
            ids << alarm.toObject().value(QStringLiteral("id")).toInt(-1);
        return ids;
    }
    QProcess *startProgram(const QString &fakeTime = {})
    {
        QProcess *program = m_folder.start(ProgramFolder::environment(fakeTime));
        if (program &&
            !waitUntil([] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kAppId).value(); },
                       20000)) {
            ADD_FAILURE() << "the program never served " << kAppId.toStdString();
        }
        return program;
    }

    ProgramFolder m_folder;
    std::vector<std::unique_ptr<QProcess>> m_verbs;
};

// Two verbs started together: both done, each with its own line.
QSet<QByteArray> outputsOfTwoAtOnce(QProcess *one, QProcess *two)
{
    QSet<QByteArray> outputs;
    for (QProcess *process : {one, two}) {
        EXPECT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
        outputs << process->readAllStandardOutput();
    }
    return outputs;
}

void expectOneLineRefusal(const Finished &result, int exitCode, const char *says)
{
    EXPECT_EQ(result.exitCode, exitCode);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(says)) << result.err.toStdString();
}

} // namespace

TEST_F(Verbs, WithNoneRunningTheyWorkOnTheDataFolderAndARefusalChangesNothing)
{
    const Finished gym = verb({QStringLiteral("add"), QStringLiteral("06:30"), QStringLiteral("--weekly"),
                               QStringLiteral("mon,fri"), QStringLiteral("--memo"), QStringLiteral("Gym")});
    ASSERT_EQ(gym.exitCode, 0) << gym.err.toStdString();
    EXPECT_EQ(gym.out, "0\n");
    EXPECT_TRUE(m_folder.readFile(QStringLiteral("0.ini")).endsWith("***Memo***\r\nGym"));
    // Two adds at the same instant take turns on the folder and get two ids.
    QProcess *one = startVerb({QStringLiteral("add"), QStringLiteral("07:00"), QStringLiteral("--daily")});
    QProcess *two = startVerb({QStringLiteral("add"), QStringLiteral("08:00"), QStringLiteral("--daily")});
    EXPECT_EQ(outputsOfTwoAtOnce(one, two), (QSet<QByteArray>{"1\n", "2\n"}));
    EXPECT_EQ(listedIds(), (QList<int>{0, 1, 2}));

    const QMap<QString, QByteArray> before = dataFiles();
    expectOneLineRefusal(verb("remove 9"), 1, "There is no alarm with id 9.");
    expectOneLineRefusal(verb("add 24:00"), 2, "TIME '24:00': the hour must be 0 to 23");
    expectOneLineRefusal(verb("add 06:30 --weekly lun"), 2, "'lun' is not a day");
    expectOneLineRefusal(verb("add 06:30 --volume 101"), 2, "--volume '101': must be 0 to 100");
    expectOneLineRefusal(verb("add 06:30 --sound no-such.mp3"), 1, "no-such.mp3': no such file");
    expectOneLineRefusal(verb("pause 0 --until 2000-01-01"), 2, "after today");
    expectOneLineRefusal(verb("snooze"), 1, "No alarm is ringing.");
    EXPECT_EQ(dataFiles(), before);

    EXPECT_EQ(verb("disable 1").exitCode, 0);
    EXPECT_EQ(verb("remove 1").exitCode, 0);
    EXPECT_EQ(listedIds(), (QList<int>{0, 2}));
    const Finished next = verb("next");
    EXPECT_EQ(next.exitCode, 0);
    EXPECT_TRUE(next.out.contains("  id ")) << next.out.toStdString();

    // Bash completes the verbs, the day names and the ids of these alarms.
    for (const auto &[typed, offered] :
         {std::pair{"en", "enable"}, {"add 06:30 --weekly mon,t", "mon,tue mon,thu"}, {"remove ", "0 2"}}) {
        SCOPED_TRACE(typed);
        QProcess bash;
        bash.setProcessEnvironment(ProgramFolder::environment());
        bash.start(
            QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("source \"$1\"; read -ra COMP_WORDS <<< \"$2\"; [[ $2 == *' ' ]] && COMP_WORDS+=('');"
                            "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _chronelle; echo \"${COMPREPLY[*]}\""),
             QStringLiteral("bash"), QStringLiteral(CHRONELLE_SOURCE_DIR "/desktop/chronelle.bash-completion"),
             m_folder.filePath(QStringLiteral("chronelle ")) + QString::fromLatin1(typed)});
        ASSERT_TRUE(bash.waitForFinished(30000));
        EXPECT_EQ(bash.readAllStandardOutput().trimmed(), QByteArray(offered));
    }
}

TEST_F(Verbs, WithTheProgramRunningTheyGoToItAndItsManagerFollowsAtOnce)
{
    QProcess *program = startProgram();
    ASSERT_NE(program, nullptr);
    // A second start shows the manager.
    ASSERT_NE(m_folder.start(), nullptr);
    std::optional<Window> manager;
    ASSERT_TRUE(waitUntil(
        [&] { return (manager = viewableWindow(*program, QStringLiteral("^Alarm Manager$"))).has_value(); }, 20000))
        << "the manager did not show";
    const QString grab = QStringLiteral("import -window %1 -depth 8 rgb:-").arg(manager->id);
    waitUntil([] { return false; }, 500);
    const QByteArray empty = commandOutput(grab);
    ASSERT_FALSE(empty.isEmpty()) << "no picture of the manager"; // raw pixels: no date or name in them

    const Finished gym = verb({QStringLiteral("add"), QStringLiteral("06:30"), QStringLiteral("--weekly"),
                               QStringLiteral("mon,fri"), QStringLiteral("--memo"), QStringLiteral("Gym")});
    ASSERT_EQ(gym.exitCode, 0) << gym.err.toStdString();
    EXPECT_EQ(gym.out, "0\n");
    EXPECT_TRUE(waitUntil([&] { return commandOutput(grab) != empty; }, 3000))
        << "the open manager did not show the new alarm";
    // The running program made the change: it holds the folder, and its own list has the alarm.
    const QDBusMessage listed = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(kAppId, QStringLiteral("/io/github/chronelle/Chronelle"),
                                       QStringLiteral("io.github.chronelle.Chronelle.Alarms"), QStringLiteral("List")));
    ASSERT_EQ(listed.type(), QDBusMessage::ReplyMessage) << listed.errorMessage().toStdString();
    const QByteArray gymFile = m_folder.readFile(QStringLiteral("0.ini"));
    EXPECT_TRUE(gymFile.endsWith("***Memo***\r\nGym"));

    QProcess *one = startVerb({QStringLiteral("add"), QStringLiteral("07:00"), QStringLiteral("--daily")});
    QProcess *two = startVerb({QStringLiteral("add"), QStringLiteral("08:00"), QStringLiteral("--daily")});
    EXPECT_EQ(outputsOfTwoAtOnce(one, two), (QSet<QByteArray>{"1\n", "2\n"}));
    EXPECT_EQ(listedIds(), (QList<int>{0, 1, 2}));
    const QMap<QString, QByteArray> before = dataFiles();
    expectOneLineRefusal(verb("enable 7"), 1, "There is no alarm with id 7.");
    expectOneLineRefusal(verb("pause 0 --until someday"), 2, "--until 'someday'");
    expectOneLineRefusal(verb("stop"), 1, "No alarm is ringing.");
    EXPECT_EQ(dataFiles(), before);
    EXPECT_EQ(verb("remove 1").exitCode, 0);
    EXPECT_EQ(listedIds(), (QList<int>{0, 2}));
    EXPECT_EQ(program->state(), QProcess::Running);
}

TEST_F(Verbs, SnoozeAndStopAnswerTheRingingAlarm)
{
    ServiceLock soundLock(QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER"));
    ASSERT_TRUE(soundLock.acquire()) << "another test kept the sound server";
    AlarmRecord record;
    record.frequencyCode = int(Frequency::Once);
    record.alarmTime = QTime(7, 30, 0);
    record.alarmDate = QDate(2026, 12, 7);
    record.reminder = QStringLiteral("Tea\n");
    AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
    m_folder.writeFile(QStringLiteral("al.ini"),
                       "1\r\nTea\r\nOnce\r\n07:30:00 AM\r\n12/7/2026\r\n073000\r\n07122026\r\n0111110\r\n0\r\n");
    QProcess *program = startProgram(QStringLiteral("@2026-12-07 07:29:55"));
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Alarm$")).has_value(); }, 20000))
        << "no ringing window";

    EXPECT_EQ(verb("snooze").exitCode, 0);
    waitUntil([] { return false; }, 1000);
    EXPECT_TRUE(viewableWindow(*program, QStringLiteral("^Alarm$")).has_value()) << "a snooze closed the window";
    const Finished stopped = verb("stop");
    EXPECT_EQ(stopped.exitCode, 0) << stopped.err.toStdString();
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")); }, 5000))
        << "stop did not close the ringing window";
    expectOneLineRefusal(verb("stop"), 1, "No alarm is ringing.");
    EXPECT_EQ(program->state(), QProcess::Running);
}

// The nights the clock changes, in New York at a faked moment: add takes a
// time the clock skips and one it repeats, and list says when each really
// rings (as the clock jumps; at the first pass) with the offset it has then.
TEST_F(Verbs, OnTheNightsTheClockChangesAddTakesTheTimeAndListShowsTheTrueInstant)
{
    QProcessEnvironment newYork = ProgramFolder::environment(QStringLiteral("@2027-03-13 22:00:00"));
    newYork.insert(QStringLiteral("TZ"), QStringLiteral("America/New_York"));
    const auto verbInNewYork = [&](const char *commandLine) {
        return finished(startVerb(QString::fromUtf8(commandLine).split(u' '), newYork));
    };
    for (const char *add : {"add 02:30 --once 2027-03-14", "add 01:30 --once 2027-11-07"}) {
        const Finished added = verbInNewYork(add);
        EXPECT_EQ(added.exitCode, 0) << add << ": " << added.err.toStdString();
    }
    const Finished listed = verbInNewYork("list --json");
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QJsonArray alarms = QJsonDocument::fromJson(listed.out).array();
    ASSERT_EQ(alarms.size(), 2) << listed.out.toStdString();
    EXPECT_EQ(alarms[0].toObject().value(QStringLiteral("time")).toString(), QStringLiteral("02:30:00"));
    EXPECT_EQ(alarms[0].toObject().value(QStringLiteral("next")).toString(),
              QStringLiteral("2027-03-14T03:00:00-04:00"));
    EXPECT_EQ(alarms[1].toObject().value(QStringLiteral("next")).toString(),
              QStringLiteral("2027-11-07T01:30:00-04:00"));
    const Finished next = verbInNewYork("next");
    EXPECT_TRUE(next.out.startsWith("2027-03-14 03:00:00  id 0")) << next.out.toStdString();
}

// The calendar verbs on the real program: the running program exports its
// alarms to a file or the standard output, and a copy with a fresh data
// folder and none running imports the file back to the same alarm files and
// states, byte for byte.
TEST_F(Verbs, AnExportOfTheRunningProgramImportsIntoAFreshFolder)
{
    QProcess *program = startProgram();
    ASSERT_NE(program, nullptr);
    for (const QStringList &add :
         {QStringList{QStringLiteral("add"), QStringLiteral("06:30"), QStringLiteral("--weekly"),
                      QStringLiteral("mon,fri"), QStringLiteral("--memo"), QStringLiteral("Gym")},
          QStringList{QStringLiteral("add"), QStringLiteral("09:15"), QStringLiteral("--monthly"), QStringLiteral("31"),
                      QStringLiteral("--memo"), QStringLiteral("Rent"), QStringLiteral("--volume"),
                      QStringLiteral("40")}})
        ASSERT_EQ(verb(add).exitCode, 0);
    ASSERT_EQ(verb("skip 0").exitCode, 0);
    QTemporaryDir exchange;
    const QString calendar = exchange.filePath(QStringLiteral("alarms.ics"));
    const Finished exported = verb({QStringLiteral("export"), calendar});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    QFile file(calendar);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("BEGIN:VCALENDAR\r\n"));
    const Finished printed = verb("export");
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_TRUE(printed.out.contains("RRULE:FREQ=WEEKLY;BYDAY=MO,FR")) << printed.out.toStdString();

    ProgramFolder fresh;
    ASSERT_TRUE(fresh.isValid());
    QProcess importer;
    importer.setProcessEnvironment(ProgramFolder::environment());
    importer.start(fresh.filePath(QStringLiteral("chronelle")), {QStringLiteral("import"), calendar});
    ASSERT_TRUE(importer.waitForFinished(60000));
    EXPECT_EQ(importer.exitCode(), 0) << importer.readAllStandardError().toStdString();
    EXPECT_EQ(importer.readAllStandardOutput(), "Imported 2 alarm(s): 0 1\n");
    for (const char *name : {"0.ini", "1.ini"})
        EXPECT_EQ(fresh.readFile(QString::fromLatin1(name)), m_folder.readFile(QString::fromLatin1(name))) << name;
    // The same switches, skips and pauses; each imported alarm also remembers its event.
    QMap<int, AlarmState> states = AlarmStates::decode(fresh.readFile(QStringLiteral("alstate.ini")));
    for (AlarmState &state : states) {
        EXPECT_TRUE(state.importedFrom.has_value());
        state.importedFrom.reset();
    }
    states.removeIf([](const auto &entry) { return entry.value().isDefault(); });
    EXPECT_EQ(states, AlarmStates::decode(m_folder.readFile(QStringLiteral("alstate.ini"))));

    // The same file again adds nothing.
    importer.start(fresh.filePath(QStringLiteral("chronelle")), {QStringLiteral("import"), calendar});
    ASSERT_TRUE(importer.waitForFinished(60000));
    EXPECT_EQ(importer.exitCode(), 0) << importer.readAllStandardError().toStdString();
    EXPECT_EQ(importer.readAllStandardOutput(),
              "Imported 0 alarm(s)\nLeft 2 alarm(s) as they were, their events unchanged: 0 1\n");
    EXPECT_EQ(program->state(), QProcess::Running);
}
