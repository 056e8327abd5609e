#include "programrunner.h"
#include "qtprint.h"

#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QByteArray kCatalogue = "1\r\nWake up\r\nDaily\r\n07:30:00 AM\r\n--\r\n073000\r\n22062004\r\n0111110\r\n0\r\n";

// A window of the given program (by its process id) with exactly this title.
bool windowExists(qint64 pid, const QString &title, bool visibleOnly)
{
    QStringList args{QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"), QString::number(pid)};
    if (visibleOnly)
        args << QStringLiteral("--onlyvisible");
    args << QStringLiteral("--name") << u'^' + title + u'$';
    return !commandOutput(QStringLiteral("xdotool"), args).isEmpty();
}

class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString missing = ProgramFolder::missingService();
        if (!missing.isEmpty()) {
            if (qEnvironmentVariableIsSet("CHRONELLE_TEST_SERVICES"))
                FAIL() << missing.toStdString();
            GTEST_SKIP() << missing.toStdString();
        }
        ASSERT_TRUE(m_folder.isValid());
        m_folder.writeFile(QStringLiteral("al.ini"), kCatalogue);
        m_folder.writeFile(QStringLiteral("LCD.ini"), "2\r\nGreen\r\n");
    }
    void TearDown() override
    {
        for (QProcess *process : {&m_first, &m_second}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }
    void start(QProcess &process)
    {
        process.setProcessEnvironment(ProgramFolder::environment());
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(m_folder.executable(), {});
        ASSERT_TRUE(process.waitForStarted());
    }
    // The clock window of this copy is up.
    void waitForClock(const QProcess &process)
    {
        const qint64 pid = process.processId();
        ASSERT_TRUE(waitUntil([pid] { return windowExists(pid, QStringLiteral("Chronelle"), false); }, 15000))
            << "the clock window never appeared";
    }

    ProgramFolder m_folder;
    QProcess m_first;
    QProcess m_second;
};

} // namespace

TEST_F(Startup, SecondStartShowsTheRunningManagerAndEnds)
{
    start(m_first);
    waitForClock(m_first);
    const qint64 pid = m_first.processId();
    EXPECT_FALSE(windowExists(pid, QStringLiteral("Alarm Manager"), true));

    start(m_second);
    ASSERT_TRUE(m_second.waitForFinished(15000));
    EXPECT_EQ(m_second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_TRUE(waitUntil([pid] { return windowExists(pid, QStringLiteral("Alarm Manager"), true); }, 10000))
        << "the running copy did not show its manager";
    EXPECT_EQ(m_first.state(), QProcess::Running);
}

TEST_F(Startup, TerminationSignalSavesBothFilesAndEnds)
{
    start(m_first);
    waitForClock(m_first);
    // What the program read is in memory; the files it writes at the end must come from there.
    QFile::remove(m_folder.filePath(QStringLiteral("al.ini")));
    QFile::remove(m_folder.filePath(QStringLiteral("LCD.ini")));
    ::kill(pid_t(m_first.processId()), SIGTERM);
    ASSERT_TRUE(m_first.waitForFinished(15000));
    EXPECT_EQ(m_first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_first.exitCode(), 0);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), kCatalogue);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), QByteArray("2\r\nGreen\r\n"));
}

TEST_F(Startup, KilledCopyLeavesWholeFilesAndDoesNotBlockTheNextStart)
{
    start(m_first);
    waitForClock(m_first);
    m_first.kill();
    ASSERT_TRUE(m_first.waitForFinished(10000));
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), kCatalogue);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), QByteArray("2\r\nGreen\r\n"));

    // The lock and the socket of the killed copy are still there; the next start runs anyway.
    start(m_second);
    waitForClock(m_second);
    EXPECT_FALSE(m_second.waitForFinished(1000)) << "the next start ended at once";
    EXPECT_EQ(m_second.state(), QProcess::Running);
}
