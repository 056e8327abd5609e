// The program's one way out, over a real clock window and manager.

#include "errorrecorder.h"
#include "exitsequence.h"
#include "formmain.h"
#include "formstestsupport.h"

#include <QDir>
#include <QFileInfo>
#include <memory>
#include <sys/stat.h>

namespace {

class Exit : public ::testing::Test
{
protected:
    QString programFile(const char *name) const { return m_program.filePath(QString::fromLatin1(name)); }
    // The clock, then the manager, as the program makes them, and the way out over them.
    void create(const FileLocations &locations)
    {
        m_clock = std::make_unique<TFormMain>(locations, m_config.path());
        m_clock->show();
        m_standalone = std::make_unique<StandaloneManager>(locations);
        m_exit.attach(m_standalone->engine, *m_clock, m_standalone->manager);
    }
    void create() { create(FileLocations(m_program.path() + u'/')); }

    QTemporaryDir m_program;
    QTemporaryDir m_config;
    ExitSequence m_exit;
    std::unique_ptr<TFormMain> m_clock;
    std::unique_ptr<StandaloneManager> m_standalone;
};

} // namespace

TEST_F(Exit, SavesTheAlarmsFirstAndStaysOpenWhenThatFails)
{
    create();
    // A folder where the catalogue should go makes every write of it fail.
    ASSERT_TRUE(QDir(m_program.path()).mkdir(QStringLiteral("al.ini")));
    {
        ErrorRecorder errors;
        m_clock->Exit1Click();
        ASSERT_EQ(errors.messages.size(), 1);
        EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("al.ini"))) << errors.messages[0].toStdString();
        // The user learns that the program goes on, and why.
        EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("Chronelle keeps running, so that nothing is lost")))
            << errors.messages[0].toStdString();
    }
    EXPECT_TRUE(m_clock->isVisible()) << "the clock closed although the alarms were not saved";
    EXPECT_FALSE(m_exit.ending());
    EXPECT_FALSE(QFile::exists(programFile("LCD.ini")));

    ASSERT_TRUE(QDir(m_program.path()).rmdir(QStringLiteral("al.ini")));
    m_clock->Exit1Click();
    EXPECT_FALSE(m_clock->isVisible());
    EXPECT_EQ(readAll(programFile("al.ini")), QByteArray("0\r\n"));
    EXPECT_EQ(readAll(programFile("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}

// A link to nothing where the list belongs and a named pipe where the
// settings do: said once at start, and "Exit" ends without replacing either.
TEST_F(Exit, LeavesWhatIsNoFileAsItIs)
{
    const QString catalogue = programFile("al.ini");
    ASSERT_TRUE(QFile::link(QStringLiteral("gone.ini"), catalogue));
    ASSERT_EQ(::mkfifo(QFile::encodeName(programFile("LCD.ini")).constData(), 0600), 0);
    {
        ErrorRecorder errors;
        create();
        ASSERT_EQ(errors.messages.size(), 2) << errors.messages.join(u'\n').toStdString();
        EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("a named pipe"))) << errors.messages[0].toStdString();
        EXPECT_TRUE(errors.messages[1].contains(QStringLiteral("gone.ini, which does not exist")))
            << errors.messages[1].toStdString();
    }
    m_clock->Exit1Click();
    EXPECT_FALSE(m_clock->isVisible()) << "the exit was refused";
    EXPECT_EQ(QFile::symLinkTarget(catalogue), programFile("gone.ini"));
    EXPECT_FALSE(QFileInfo(programFile("LCD.ini")).isFile());
    EXPECT_FALSE(QFileInfo::exists(programFile("gone.ini")));
}

// A data folder nothing can be written in can't be mended from the menu:
// "Exit" says what is lost, once, and ends instead of refusing forever.
TEST_F(Exit, WithAnUnwritableDataFolderSaysWhatIsLostAndEnds)
{
    const QString blocker = programFile("blocker");
    ASSERT_TRUE(writeAll(blocker, "a file where the data folder should be"));
    create(FileLocations(blocker + QStringLiteral("/Chronelle"), m_program.path(), true));
    {
        ErrorRecorder errors;
        m_clock->Exit1Click();
        ASSERT_EQ(errors.messages.size(), 1) << errors.messages.join(u'\n').toStdString();
        for (const QString &part :
             {blocker, QStringLiteral("Not a directory"), QStringLiteral("al.ini"), QStringLiteral("LCD.ini")})
            EXPECT_TRUE(errors.messages[0].contains(part)) << errors.messages[0].toStdString();
    }
    EXPECT_TRUE(m_exit.ending());
    EXPECT_FALSE(m_clock->isVisible()) << "the exit was refused";
    EXPECT_FALSE(QFileInfo::exists(blocker + QStringLiteral("/Chronelle")));
}

// The session's request to save writes what was read, never replaces what
// could not be read, and ends nothing: a log-out may still be cancelled.
TEST_F(Exit, TheSessionsSaveKeepsUnreadableFilesAndEndsNothing)
{
    struct Row
    {
        const char *name;
        QByteArray catalogue;
        QByteArray settings;
        bool rewritten;
    };
    const Row rows[] = {
        {"both read", "0\r\n", "2\r\nGreen\r\n", true},
        {"neither read", "1\r\nWake up\r\nDaily\r\n07:30:00 AM\r\n--\r\n07%1h0\r\n22062004\r\n0111110\r\n0\r\n",
         "large\r\nGreen\r\n", false},
    };
    const QByteArray changedOnDisk = "changed on disk\r\n";
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(writeAll(programFile("al.ini"), row.catalogue));
        ASSERT_TRUE(writeAll(programFile("LCD.ini"), row.settings));
        {
            ErrorRecorder errors; // what could not be read is said at start
            create();
        }
        ASSERT_TRUE(writeAll(programFile("al.ini"), changedOnDisk));
        ASSERT_TRUE(writeAll(programFile("LCD.ini"), changedOnDisk));
        m_exit.saveUnattended();
        EXPECT_EQ(readAll(programFile("al.ini")), row.rewritten ? row.catalogue : changedOnDisk);
        EXPECT_EQ(readAll(programFile("LCD.ini")), row.rewritten ? row.settings : changedOnDisk);
        EXPECT_FALSE(m_exit.ending());
        EXPECT_TRUE(m_clock->isVisible());
    }
}
