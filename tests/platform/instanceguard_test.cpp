// One copy of the program per data folder, whatever path leads to it: a
// symbolic link to the folder or to one above it, or another runtime folder.

#include "instanceguard.h"
#include "qtprint.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A home with a data folder, a symbolic link to the folder above it, and
// two runtime folders; the runtime folder in use is chosen per copy.
class InstanceGuards : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid() && m_otherRuntime.isValid());
        m_savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        ASSERT_TRUE(QDir(m_home.path()).mkpath(QStringLiteral("data/Chronelle")));
        ASSERT_TRUE(QDir(m_home.path()).mkpath(QStringLiteral("runtime")));
        ASSERT_TRUE(QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ASSERT_TRUE(QFile::link(m_home.filePath(QStringLiteral("data")), m_home.filePath(QStringLiteral("link"))));
        useRuntime(m_home.filePath(QStringLiteral("runtime")));
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", m_savedRuntime); }

    static void useRuntime(const QString &folder) { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder)); }
    QString data(const char *below) const { return m_home.filePath(QStringLiteral("data/") + QLatin1String(below)); }
    QString linked(const char *below) const { return m_home.filePath(QStringLiteral("link/") + QLatin1String(below)); }

    QTemporaryDir m_home;
    QTemporaryDir m_otherRuntime;
    QByteArray m_savedRuntime;
};

} // namespace

TEST_F(InstanceGuards, TwoPathsToOneFolderMeetAndTheSecondCopyShowsTheFirst)
{
    EXPECT_EQ(InstanceGuard::keyFor(data("Chronelle")), InstanceGuard::keyFor(linked("Chronelle")));
    EXPECT_EQ(InstanceGuard::keyFor(data("Chronelle")), InstanceGuard::keyFor(linked("Chronelle/../Chronelle/")));
    // A folder not made yet is met all the same.
    EXPECT_EQ(InstanceGuard::keyFor(data("Later/Chronelle")), InstanceGuard::keyFor(linked("Later/Chronelle")));
    EXPECT_NE(InstanceGuard::keyFor(data("Chronelle")), InstanceGuard::keyFor(data("Other")));

    InstanceGuard first(data("Chronelle"));
    ASSERT_EQ(first.claim(), InstanceGuard::Outcome::FirstCopy) << first.warning().toStdString();
    QSignalSpy shown(&first, &InstanceGuard::activationRequested);
    InstanceGuard second(linked("Chronelle"));
    EXPECT_EQ(second.claim(), InstanceGuard::Outcome::OtherNotified);
    EXPECT_TRUE(shown.count() > 0 || shown.wait(5000)) << "the first copy was not asked to show itself";
}

TEST_F(InstanceGuards, TheLockInsideTheFolderStopsACopyWithAnotherKey)
{
    InstanceGuard first(data("Chronelle"));
    ASSERT_EQ(first.claim(), InstanceGuard::Outcome::FirstCopy) << first.warning().toStdString();
    EXPECT_TRUE(QFile::exists(data("Chronelle/") + InstanceGuard::kFolderLockName));

    // Another runtime folder: the lock and the socket there are free.
    useRuntime(m_otherRuntime.path());
    {
        InstanceGuard second(linked("Chronelle"));
        EXPECT_EQ(second.claim(), InstanceGuard::Outcome::OtherSilent);
        EXPECT_TRUE(second.warning().contains(QString::number(QCoreApplication::applicationPid())) &&
                    second.warning().contains(QStringLiteral("Chronelle")))
            << second.warning().toStdString();
    }
    // Its failed claim took nothing with it: a third copy there is stopped too.
    InstanceGuard third(data("Chronelle"));
    EXPECT_EQ(third.claim(), InstanceGuard::Outcome::OtherSilent);
}

TEST_F(InstanceGuards, AFolderThatCannotHoldALockStopsNoCopy)
{
    // Not made yet: the copy runs, and the folder's problem is said where it matters.
    InstanceGuard guard(data("Missing/Chronelle"));
    EXPECT_EQ(guard.claim(), InstanceGuard::Outcome::FirstCopy);
    EXPECT_TRUE(guard.warning().isEmpty()) << guard.warning().toStdString();
}
