// The road of one alarm on the real program: an alarm in the files falls due
// at a chosen moment, its ringing window opens within the second, its play
// list is heard on the sound server, the power action reaches the (mock)
// power manager, the window closes, and the catalogue survives a kill.

#include "alarmfile.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusConnection>
#include <QDir>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QByteArray kCatalogue =
    "1\r\nWake up\r\nOnce\r\n07:30:00 AM\r\n12/7/2026\r\n073000\r\n07122026\r\n0111110\r\n0\r\n";

class AlarmRoad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingService());
        REQUIRE_SERVICE(missingSoundServer());
        const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"));
        ASSERT_TRUE(notPrivate.isEmpty()) << notPrivate.toStdString();
        ASSERT_TRUE(m_logindLock.acquire()) << "another test kept the mock logind";
        ASSERT_TRUE(m_soundLock.acquire()) << "another test kept the sound server";
        m_bus = QDBusConnection::systemBus();
        const QString failure = m_logind.start(
            {QStringLiteral("--system"), QStringLiteral("--template"), QStringLiteral("logind")}, m_bus, login1);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        ASSERT_TRUE(m_folder.isValid());
    }

    // Places the alarm as a Once alarm at 07:30:00 on 7 December 2026 in slot
    // 0 and starts the program with its wall clock running from `start`.
    QProcess *startBefore(AlarmRecord record, const char *start)
    {
        record.frequencyCode = 0;
        record.alarmTime = QTime(7, 30, 0);
        record.alarmDate = QDate(2026, 12, 7);
        AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
        m_folder.writeFile(QStringLiteral("al.ini"), kCatalogue);
        return m_folder.start(ProgramFolder::environment(u'@' + QString::fromLatin1(start)));
    }
    QList<QVariantList> suspendCalls()
    {
        QString error;
        const auto calls =
            mockCalls(m_bus, login1, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("Suspend"), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return calls;
    }

    ServiceLock m_logindLock{QStringLiteral("logind"), qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")};
    ServiceLock m_soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    QDBusConnection m_bus{QString()};
    DBusMock m_logind;
    ProgramFolder m_folder;
};

} // namespace

TEST_F(AlarmRoad, DueAlarmRingsItsPlayListRunsItsPowerActionAndCloses)
{
    m_folder.writeFile(QStringLiteral("first.wav"), toneWav(3.0, 0.5));
    m_folder.writeFile(QStringLiteral("second.wav"), toneWav(3.0, 0.5));
    AlarmRecord record;
    record.playList = {m_folder.filePath(QStringLiteral("first.wav")), m_folder.filePath(QStringLiteral("second.wav"))};
    record.powerAction = int(PowerAction::Suspend);
    record.reminder = QStringLiteral("Wake up\n");
    SinkRecorder recorder;
    const QString recording = recorder.start();
    ASSERT_TRUE(recording.isEmpty()) << recording.toStdString();
    QProcess *program = startBefore(record, "2026-12-07 07:29:56");
    ASSERT_NE(program, nullptr);

    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Alarm$")).has_value(); }, 20000))
        << "no ringing window";

    EXPECT_TRUE(waitUntil([&] { return toneAmplitudeOf(recorder.recordedSoFar()) > 0.3; }, 10000))
        << "the play list was not heard on the sound server";
    ASSERT_TRUE(waitUntil([&] { return !suspendCalls().isEmpty(); }, 25000))
        << "the power action never reached the power manager";
    const QList<QVariantList> calls = suspendCalls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].value(0).toBool(), false);
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")); }, 5000))
        << "the ringing window stayed open after its power action";
    // Both songs were played: the first one alone lasts three seconds.
    EXPECT_GT(recorder.stop().size(), 48000 * 4 * 5);

    program->kill();
    ASSERT_TRUE(program->waitForFinished(10000));
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), kCatalogue);
}

TEST_F(AlarmRoad, OKClosesARingingSoundAndNoPowerActionRuns)
{
    AlarmRecord record;
    record.playListOn = false;
    record.soundOn = true;
    record.soundNumber = 1;
    record.powerAction = int(PowerAction::Suspend);
    QDir().mkpath(m_folder.filePath(QStringLiteral("sounds")));
    QFile::copy(QStringLiteral(CHRONELLE_BIN_DIR "/sounds/ringout.wav"),
                m_folder.filePath(QStringLiteral("sounds/ringout.wav")));
    QProcess *program = startBefore(record, "2026-12-07 07:29:57");
    ASSERT_NE(program, nullptr);

    std::optional<Window> window;
    ASSERT_TRUE(
        waitUntil([&] { return (window = viewableWindow(*program, QStringLiteral("^Alarm$"))).has_value(); }, 20000));
    waitUntil([] { return false; }, 1500); // it rings a while
    // "OK" sits at 288,256 (59 x 25) inside the window.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 310 268 click 1").arg(window->id));
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")); }, 5000))
        << "OK did not close the ringing window";
    EXPECT_TRUE(suspendCalls().isEmpty());
    EXPECT_EQ(program->state(), QProcess::Running);
}

// A muted or nearly silent output is on and at least at 30 % while the
// alarm rings, the alarm is heard on it, and the output is exactly as the
// user had it after OK, during Snooze's silence, after the end of the play
// list and after a termination signal.
TEST_F(AlarmRoad, AMutedOrQuietOutputIsHeardWhileRingingAndPutBackAfter)
{
    m_folder.writeFile(QStringLiteral("long.wav"), toneWav(30.0, 0.9));
    m_folder.writeFile(QStringLiteral("short.wav"), toneWav(2.0, 0.9));
    struct Row
    {
        const char *name;
        bool muted;
        int percent;
        const char *song;
        std::function<void(QProcess &, const Window &)> stop;
    };
    const auto click = [](int x, int y) {
        return [x, y](QProcess &, const Window &window) {
            commandOutput(QStringLiteral("xdotool mousemove --window %1 %2 %3 click 1").arg(window.id).arg(x).arg(y));
        };
    };
    const Row rows[] = {
        {"OK", true, 100, "long.wav", click(310, 268)},
        {"Snooze", false, 5, "long.wav", click(237, 268)},
        {"termination signal", true, 5, "long.wav", [](QProcess &program, const Window &) { program.terminate(); }},
        {"end of the play list", false, 5, "short.wav", [](QProcess &, const Window &) {}},
    };
    const TestSinkKeeper keeper;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(setTestSinkOutput(row.muted, row.percent));
        const TestSinkOutput before = testSinkOutput();
        AlarmRecord record;
        record.playList = {m_folder.filePath(QString::fromLatin1(row.song))};
        SinkRecorder recorder;
        const QString recording = recorder.start();
        ASSERT_TRUE(recording.isEmpty()) << recording.toStdString();
        QProcess *program = startBefore(record, "2026-12-07 07:29:57");
        ASSERT_NE(program, nullptr);
        std::optional<Window> window;
        ASSERT_TRUE(waitUntil(
            [&] { return (window = viewableWindow(*program, QStringLiteral("^Alarm$"))).has_value(); }, 20000));

        EXPECT_TRUE(waitUntil(
            [&] {
                const TestSinkOutput during = testSinkOutput();
                return !during.muted && during.percent() >= 30;
            },
            5000))
            << "the output was not made audible: " << testSinkOutput().volume.toStdString();
        // At 30 % the server scales by 0.3 cubed: the tone at 0.9 arrives at about 0.024.
        EXPECT_TRUE(waitUntil([&] { return toneAmplitudeOf(recorder.recordedSoFar()) > 0.01; }, 10000))
            << "the alarm was not heard on the sound server";

        row.stop(*program, *window);
        EXPECT_TRUE(waitUntil([&] { return testSinkOutput() == before; }, 15000))
            << "the output was left at " << testSinkOutput().volume.toStdString();
        program->kill();
        program->waitForFinished(10000);
    }
}
