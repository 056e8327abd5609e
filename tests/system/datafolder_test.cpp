// The real program on a data folder that is not as it should be: reached by
// two paths, or with a named pipe or a symbolic link to nothing where a file
// belongs. One copy runs per folder, nothing holds the start up, and what is
// no file is left as it is.

#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace SystemTest;

namespace {

bool isFifo(const QString &path)
{
    struct stat entry = {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISFIFO(entry.st_mode);
}

// A viewable window titled "Chronelle": the clock, or a box that says what is wrong.
bool showsSomething(const QProcess &program)
{
    return waitUntil([&] { return viewableWindow(program, QStringLiteral("^Chronelle$")).has_value(); }, 15000);
}

void endBySignal(QProcess &program)
{
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(15000)) << "a termination signal did not end the program";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
}

// An installed copy, which keeps its data in $XDG_DATA_HOME/Chronelle:
// the executable in a folder beside the share folder that marks the install.
class InstalledCopy : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingService());
        ASSERT_TRUE(m_outside.isValid() && m_otherRuntime.isValid());
        m_program = std::make_unique<ProgramFolder>(m_outside.path());
        ASSERT_TRUE(m_program->isValid());
        const QString share = QDir(QFileInfo(m_program->filePath(QStringLiteral("chronelle"))).path())
                                  .filePath(QStringLiteral(CHRONELLE_INSTALLED_RESOURCES));
        ASSERT_TRUE(QDir().mkpath(share));
        QFile marker(share + QStringLiteral("/installed"));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QDir(m_outside.path()).mkpath(QStringLiteral("data/Chronelle")));
        ASSERT_TRUE(
            QFile::link(m_outside.filePath(QStringLiteral("data")), m_outside.filePath(QStringLiteral("link"))));
    }
    void TearDown() override { m_program.reset(); }

    QProcessEnvironment environment(const char *dataHome) const
    {
        QProcessEnvironment env = ProgramFolder::environment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_outside.filePath(QString::fromLatin1(dataHome)));
        return env;
    }

    QTemporaryDir m_outside;
    QTemporaryDir m_otherRuntime;
    std::unique_ptr<ProgramFolder> m_program;
};

} // namespace

TEST_F(InstalledCopy, TwoPathsToOneDataFolderRunOneCopy)
{
    QProcess *first = m_program->start(environment("data"));
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(waitUntil([&] { return !windowsOf(*first, QStringLiteral("^Chronelle$")).empty(); }, 15000));

    // Through a symbolic link to the folder above: the running copy is asked to show itself.
    QProcess *second = m_program->start(environment("link"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->waitForFinished(15000)) << "a second copy runs on the same data folder";
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(waitUntil([&] { return viewableWindow(*first, QStringLiteral("^Alarm Manager$")).has_value(); }, 10000))
        << "the running copy did not show its manager";

    // Another runtime folder holds no lock and no socket: the lock in the data folder stops it.
    QProcessEnvironment elsewhere = environment("link");
    elsewhere.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_otherRuntime.path());
    const QString errors = m_outside.filePath(QStringLiteral("errors.txt"));
    QProcess *third = m_program->start(elsewhere, errors);
    ASSERT_NE(third, nullptr);
    EXPECT_TRUE(third->waitForFinished(15000)) << "a copy with another runtime folder runs on the same data folder";
    QFile log(errors);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString said = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(said.contains(QStringLiteral("process %1").arg(first->processId()))) << said.toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);
}

// What stands where the alarm list or the clock settings belong is said,
// and is still there, as it was, after the program ended.
TEST(DataFolder, WhatIsNoFileHoldsNothingUpAndIsLeftAsItIs)
{
    REQUIRE_SERVICE(missingService());
    struct Case
    {
        const char *name;
        const char *file;
        bool fifo;            // else a symbolic link
        const char *linkedTo; // where the link leads
    };
    const Case cases[] = {
        {"the list a link to nothing", "al.ini", false, "moved-away.ini"},
        {"the list a link loop", "al.ini", false, "al.ini"},
        {"the list a named pipe", "al.ini", true, nullptr},
        {"the settings a named pipe", "LCD.ini", true, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QString::fromLatin1(c.file));
        if (c.fifo) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            ASSERT_TRUE(QFile::link(QString::fromLatin1(c.linkedTo), path));
        }
        QProcess *program = folder.start();
        ASSERT_NE(program, nullptr);
        EXPECT_TRUE(showsSomething(*program)) << "no window: nothing is said, or the start is held up";
        endBySignal(*program);
        if (c.fifo) {
            EXPECT_TRUE(isFifo(path)) << "replaced";
        } else {
            EXPECT_EQ(QFile::symLinkTarget(path), folder.filePath(QString::fromLatin1(c.linkedTo))) << "replaced";
            EXPECT_FALSE(QFileInfo::exists(folder.filePath(QString::fromLatin1(c.linkedTo))));
        }
        EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak")));
    }
}
