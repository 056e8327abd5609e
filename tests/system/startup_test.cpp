// The start-up and end rules of the real program: one copy at a time, a
// termination signal ends it as "Exit" does, and a kill leaves whole files
// and no lock that stops the next start.

#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <csignal>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QByteArray kCatalogue = "1\r\nWake up\r\nDaily\r\n07:30:00 AM\r\n--\r\n073000\r\n22062004\r\n0111110\r\n0\r\n";
const QByteArray kSettings = "2\r\nGreen\r\n";

class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingService());
        ASSERT_TRUE(m_folder.isValid());
        m_folder.writeFile(QStringLiteral("al.ini"), kCatalogue);
        m_folder.writeFile(QStringLiteral("LCD.ini"), kSettings);
    }
    // A copy whose clock window is up, or nullptr.
    QProcess *startClock()
    {
        QProcess *program = m_folder.start();
        if (program && !waitUntil([&] { return !windowsOf(*program, QStringLiteral("^Chronelle$")).empty(); }, 15000)) {
            ADD_FAILURE() << "the clock window never appeared";
            return nullptr;
        }
        return program;
    }

    ProgramFolder m_folder;
};

} // namespace

TEST_F(Startup, SecondStartShowsTheRunningManagerAndEnds)
{
    QProcess *first = startClock();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(viewableWindow(*first, QStringLiteral("^Alarm Manager$")));

    QProcess *second = m_folder.start();
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(second->waitForFinished(15000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return viewableWindow(*first, QStringLiteral("^Alarm Manager$")).has_value(); }, 10000))
        << "the running copy did not show its manager";
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(Startup, TerminationSignalSavesBothFilesAndEnds)
{
    QProcess *program = startClock();
    ASSERT_NE(program, nullptr);
    // What the program read is in memory; the files it writes at the end must come from there.
    QFile::remove(m_folder.filePath(QStringLiteral("al.ini")));
    QFile::remove(m_folder.filePath(QStringLiteral("LCD.ini")));
    ::kill(pid_t(program->processId()), SIGTERM);
    ASSERT_TRUE(program->waitForFinished(15000));
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), kCatalogue);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), kSettings);
}

TEST_F(Startup, KilledCopyLeavesWholeFilesAndDoesNotBlockTheNextStart)
{
    QProcess *program = startClock();
    ASSERT_NE(program, nullptr);
    program->kill();
    ASSERT_TRUE(program->waitForFinished(10000));
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), kCatalogue);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), kSettings);

    // The lock and the socket of the killed copy are still there; the next start runs anyway.
    QProcess *next = startClock();
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(next->waitForFinished(1000)) << "the next start ended at once";
    EXPECT_EQ(next->state(), QProcess::Running);
}
