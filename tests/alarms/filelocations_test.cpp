// Where the files live: beside a portable executable, or split between an
// install's share folder and the user's data folder.

#include "filelocations.h"
#include "qtprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A fake prefix with bin/ and share/chronelle/, and a private data home.
class Locations : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(m_prefix.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(m_prefix.path()).mkpath(QStringLiteral("share/chronelle")));
        qputenv("XDG_DATA_HOME", m_dataHome.path().toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    QString bin() const { return m_prefix.filePath(QStringLiteral("bin")); }
    QString share() const { return m_prefix.filePath(QStringLiteral("share/chronelle")) + u'/'; }
    QString userData() const { return m_dataHome.filePath(QStringLiteral("Chronelle")) + u'/'; }
    void mark() const
    {
        QFile marker(share() + FileLocations::kInstalledMarker);
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_dataHome;
};

} // namespace

TEST_F(Locations, EveryPathComesFromTheRightFolder)
{
    const FileLocations locations(QStringLiteral("/data/here"), QStringLiteral("/res/there/"), true);
    const struct
    {
        QString path;
        const char *expected;
    } rows[] = {
        {locations.dataFolder(), "/data/here/"},
        {locations.resourceFolder(), "/res/there/"},
        {locations.catalogue(), "/data/here/al.ini"},
        {locations.clockSettings(), "/data/here/LCD.ini"},
        {locations.dataFile(QStringLiteral("12.ini")), "/data/here/12.ini"},
        {locations.sound(QStringLiteral("ringin.wav")), "/res/there/sounds/ringin.wav"},
        {locations.helpFile(), "/res/there/help.qch"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.path, QString::fromLatin1(row.expected));
}

TEST_F(Locations, AWritableFolderWithoutMarkerIsPortableAndTheMarkerMakesAnInstall)
{
    const QString relative = QStringLiteral("../share/chronelle");
    const FileLocations portable = FileLocations::forProgram(bin(), relative);
    EXPECT_FALSE(portable.isInstalled());
    EXPECT_EQ(portable.dataFolder(), bin() + u'/');
    EXPECT_EQ(portable.resourceFolder(), bin() + u'/');
    EXPECT_EQ(portable.catalogue(), bin() + QStringLiteral("/al.ini"));

    mark();
    const FileLocations installed = FileLocations::forProgram(bin(), relative);
    EXPECT_TRUE(installed.isInstalled());
    EXPECT_EQ(installed.dataFolder(), userData());
    EXPECT_EQ(installed.resourceFolder(), share());
    EXPECT_EQ(installed.helpFile(), share() + QStringLiteral("help.qch"));
}

TEST_F(Locations, AFolderThatCannotBeWrittenKeepsItsResourcesAndMovesTheData)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write in any folder; the system test covers a read-only install";
    ASSERT_TRUE(QFile::setPermissions(bin(), QFile::ReadOwner | QFile::ExeOwner));
    const FileLocations locations = FileLocations::forProgram(bin(), QStringLiteral("../share/chronelle"));
    QFile::setPermissions(bin(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(locations.isInstalled());
    EXPECT_EQ(locations.dataFolder(), userData());
    EXPECT_EQ(locations.resourceFolder(), bin() + u'/');
}

TEST_F(Locations, TheDataFolderIsMadePrivateOrItsProblemIsNamed)
{
    // Missing levels up to the data home itself are created, owner only.
    const QString deep = m_dataHome.filePath(QStringLiteral("new/home/Chronelle"));
    const FileLocations fresh(deep, share(), true);
    EXPECT_EQ(fresh.prepareDataFolder(), QString());
    for (const QString &folder : {deep, m_dataHome.filePath(QStringLiteral("new"))}) {
        struct stat info
        {
        };
        ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0) << folder.toStdString();
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder.toStdString();
    }
    EXPECT_EQ(fresh.prepareDataFolder(), QString()) << "a second start finds it ready";

    // A file in the way: one message with the folder and the system's reason.
    QFile blocker(m_dataHome.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const struct
    {
        QString folder;
        const char *reason;
    } rows[] = {
        {blocker.fileName() + QStringLiteral("/Chronelle"), "Not a directory"},
        {blocker.fileName(), "Not a directory"},
    };
    for (const auto &row : rows) {
        const QString problem = FileLocations(row.folder, share(), true).prepareDataFolder();
        EXPECT_TRUE(problem.contains(row.folder)) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QString::fromLatin1(row.reason))) << problem.toStdString();
    }
}
