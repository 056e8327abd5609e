// The start-up and end rules of the real program: one copy at a time, a
// termination signal ends it as "Exit" does, and a kill leaves whole files
// and no lock that stops the next start.

#include "platformtestsupport.h"
#include "privatemount.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>

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

// A termination signal while a start-up error box waits for an answer: the
// program ends at once, and neither unreadable file is replaced.
TEST_F(Startup, TerminationSignalBehindAStartUpErrorBoxEndsAtOnceAndKeepsTheUnreadableFiles)
{
    const QByteArray badCatalogue =
        "1\r\nWake up\r\nDaily\r\n07:30:00 AM\r\n--\r\n07%1h0\r\n22062004\r\n0111110\r\n0\r\n";
    const QByteArray badSettings = "large\r\nGreen\r\n";
    m_folder.writeFile(QStringLiteral("al.ini"), badCatalogue);
    m_folder.writeFile(QStringLiteral("LCD.ini"), badSettings);
    QProcess *program = m_folder.start();
    ASSERT_NE(program, nullptr);
    // Only the box shows: the clock window is shown after start-up.
    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Chronelle$")).has_value(); }, 15000))
        << "no error box appeared";
    ::kill(pid_t(program->processId()), SIGTERM);
    // Before, the box held the program until someone answered it.
    EXPECT_TRUE(program->waitForFinished(3000)) << "still running behind the box";
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), badSettings);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini")), badCatalogue);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("al.ini.bak")), badCatalogue);
}

// The program folder on a small file system that is full: the save at the
// end fails, says why, and leaves both files as they were.
TEST(FullDisk, TerminationSignalLeavesEveryFileAndSaysWhy)
{
    REQUIRE_SERVICE(missingService());
    QTemporaryDir outside;
    const QString mountPoint = outside.filePath(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    const qint64 executableSize = QFileInfo(QStringLiteral(CHRONELLE_BIN_DIR "/chronelle")).size();
    const QByteArray options = "size=" + QByteArray::number(executableSize + 4 * 1024 * 1024);
    if (const int error = PrivateMount::mountTmpfs(mountPoint, options); error != 0)
        GTEST_SKIP() << "no tmpfs could be mounted (" << std::strerror(error)
                     << "); the manager's full-disk test covers this with a simulated full disk";
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH); });
    {
        ProgramFolder folder(mountPoint);
        ASSERT_TRUE(folder.isValid());
        folder.writeFile(QStringLiteral("al.ini"), kCatalogue);
        folder.writeFile(QStringLiteral("LCD.ini"), kSettings);
        const QString errors = outside.filePath(QStringLiteral("errors.txt"));
        QProcess *program = folder.start(ProgramFolder::environment(), errors);
        ASSERT_NE(program, nullptr);
        ASSERT_TRUE(waitUntil([&] { return !windowsOf(*program, QStringLiteral("^Chronelle$")).empty(); }, 15000));
        QFile filler(folder.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        ::kill(pid_t(program->processId()), SIGTERM);
        ASSERT_TRUE(program->waitForFinished(15000));
        EXPECT_EQ(folder.readFile(QStringLiteral("al.ini")), kCatalogue);
        EXPECT_EQ(folder.readFile(QStringLiteral("LCD.ini")), kSettings);
        QFile log(errors);
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QString said = QString::fromUtf8(log.readAll());
        EXPECT_EQ(said.count(QStringLiteral("No space left on device")), 2) << said.toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("al.ini")) && said.contains(QStringLiteral("LCD.ini")))
            << said.toStdString();
    }
}
