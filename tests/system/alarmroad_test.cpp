// The road of one alarm on the real program: an alarm in the files falls due
// at a chosen moment, its ringing window opens within the second, its play
// list is heard on the sound server, the power action reaches the (mock)
// power manager, the window closes, and the catalogue survives a kill.

#include "alarmcatalogue.h"
#include "alarmfile.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString login1Path = QStringLiteral("/org/freedesktop/login1");

QString fakeTimeLibrary()
{
    return QStringLiteral(CHRONELLE_FAKETIME_LIBRARY);
}

// The visible window of the program (by its process id) with exactly this title.
QString windowId(const QProcess &program, const QString &title)
{
    return SystemTest::commandOutput(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--all"),
                                      QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                      QString::number(program.processId()), QStringLiteral("--name"),
                                      u'^' + title + u'$'})
        .section(u'\n', 0, 0);
}

class AlarmRoad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(SystemTest::ProgramFolder::missingService());
        REQUIRE_SERVICE(missingSoundServer());
        REQUIRE_SERVICE(QFile::exists(fakeTimeLibrary()) ? QString()
                                                         : QStringLiteral("libfaketime (package faketime)"));
        const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"));
        if (!notPrivate.isEmpty())
            FAIL() << notPrivate.toStdString();
        ASSERT_TRUE(m_logindLock.acquire()) << "another test kept the mock logind";
        ASSERT_TRUE(m_soundLock.acquire()) << "another test kept the sound server";
        m_bus = QDBusConnection::systemBus();
        const QString failure = m_logind.start(
            {QStringLiteral("--system"), QStringLiteral("--template"), QStringLiteral("logind")}, m_bus, login1);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        ASSERT_TRUE(m_folder.isValid());
    }
    void TearDown() override
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished();
        }
        m_logind.stop();
    }

    // A Once alarm at 07:30:00 in slot 0 whose file the test fills in.
    void placeAlarm(AlarmRecord record)
    {
        record.frequencyCode = 0;
        record.alarmTime = QTime(7, 30, 0);
        record.alarmDate = QDate(2026, 12, 7);
        AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
        AlarmCatalogue catalogue;
        catalogue.appendRow({QStringLiteral("Wake up"), QStringLiteral("Once"), QStringLiteral("07:30:00 AM"),
                             QStringLiteral("12/7/2026"), QStringLiteral("073000"), QStringLiteral("07122026"),
                             QStringLiteral("0111110"), QStringLiteral("0")});
        catalogue.write(m_folder.filePath(QStringLiteral("al.ini")));
        m_catalogue = m_folder.readFile(QStringLiteral("al.ini"));
    }
    // The program's wall clock starts at the moment and runs on; its monotonic
    // clock stays real, which the sound server's timing needs. The library is
    // preloaded directly so that the process is the program itself.
    void startAt(const QString &moment)
    {
        QProcessEnvironment environment = SystemTest::ProgramFolder::environment();
        environment.insert(QStringLiteral("LD_PRELOAD"), fakeTimeLibrary());
        environment.insert(QStringLiteral("FAKETIME"), u'@' + moment);
        environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        m_program.setProcessEnvironment(environment);
        m_program.setProcessChannelMode(QProcess::ForwardedChannels);
        m_program.start(m_folder.executable(), {});
        ASSERT_TRUE(m_program.waitForStarted());
        m_started.start();
    }
    QList<QVariantList> suspendCalls()
    {
        QString error;
        const auto calls = mockCalls(m_bus, login1, login1Path, QStringLiteral("Suspend"), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return calls;
    }

    ServiceLock m_logindLock{QStringLiteral("logind"), qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")};
    ServiceLock m_soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    QDBusConnection m_bus{QString()};
    DBusMock m_logind;
    SystemTest::ProgramFolder m_folder;
    QProcess m_program;
    QElapsedTimer m_started;
    QByteArray m_catalogue;
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
    placeAlarm(record);

    SinkRecorder recorder;
    const QString recording = recorder.start();
    ASSERT_TRUE(recording.isEmpty()) << recording.toStdString();
    startAt(QStringLiteral("2026-12-07 07:29:56"));

    ASSERT_TRUE(SystemTest::waitUntil([&] { return !windowId(m_program, QStringLiteral("Alarm")).isEmpty(); }, 20000))
        << "no ringing window";
    // Due four seconds after the start, and the program needs a moment to start itself.
    EXPECT_LT(m_started.elapsed(), 9000);

    EXPECT_TRUE(SystemTest::waitUntil([&] { return toneAmplitudeOf(recorder.recordedSoFar()) > 0.3; }, 10000))
        << "the play list was not heard on the sound server";
    ASSERT_TRUE(SystemTest::waitUntil([&] { return !suspendCalls().isEmpty(); }, 25000))
        << "the power action never reached the power manager";
    const QList<QVariantList> calls = suspendCalls();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].value(0).toBool(), false);
    EXPECT_TRUE(SystemTest::waitUntil([&] { return windowId(m_program, QStringLiteral("Alarm")).isEmpty(); }, 5000))
        << "the ringing window stayed open after its power action";
    // Both songs were played: the first one alone lasts three seconds.
    EXPECT_GT(recorder.stop().size(), 48000 * 4 * 5);

    m_program.kill();
    ASSERT_TRUE(m_program.waitForFinished(10000));
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), m_catalogue);
}

TEST_F(AlarmRoad, OKClosesARingingSoundAndNoPowerActionRuns)
{
    AlarmRecord record;
    record.playListOn = false;
    record.soundOn = true;
    record.soundNumber = 1;
    record.powerAction = int(PowerAction::Suspend);
    placeAlarm(record);
    QDir().mkpath(m_folder.filePath(QStringLiteral("sounds")));
    QFile::copy(QStringLiteral(CHRONELLE_BIN_DIR "/sounds/ringout.wav"),
                m_folder.filePath(QStringLiteral("sounds/ringout.wav")));

    startAt(QStringLiteral("2026-12-07 07:29:57"));
    QString window;
    ASSERT_TRUE(SystemTest::waitUntil(
        [&] { return !(window = windowId(m_program, QStringLiteral("Alarm"))).isEmpty(); }, 20000));
    SystemTest::waitUntil([] { return false; }, 1500); // it rings a while
    const QString geometry =
        SystemTest::commandOutput(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), window});
    // "OK" sits at 288,256 (59 x 25) inside the window.
    SystemTest::commandOutput(QStringLiteral("xdotool"),
                              {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("310"),
                               QStringLiteral("268"), QStringLiteral("click"), QStringLiteral("1")});
    EXPECT_TRUE(SystemTest::waitUntil([&] { return windowId(m_program, QStringLiteral("Alarm")).isEmpty(); }, 5000))
        << "OK did not close the ringing window (" << geometry.toStdString() << ")";
    EXPECT_TRUE(suspendCalls().isEmpty());
    EXPECT_EQ(m_program.state(), QProcess::Running);
}
