#include "clock.h"
#include "datetimeformatter.h"
#include "errorrecorder.h"
#include "formabout.h"
#include "formalarmlist.h"
#include "formmain.h"
#include "qtprint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kCatalogue = "1\r\nTea\r\nDaily\r\n04:45:00 PM\r\n--\r\n164500\r\n02012027\r\n0000000\r\n3\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Windows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(folder() + QStringLiteral("al.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kCatalogue);
    }
    QString folder() const { return m_dir.path() + u'/'; }
    void create()
    {
        m_main = std::make_unique<TFormMain>(folder());
        m_list = std::make_unique<TFormAlarmList>(folder(), *m_main, m_clock, m_formatter);
        m_main->setCompanions(m_list.get(), &m_about);
        m_main->show();
    }

    QTemporaryDir m_dir;
    ManualClock m_clock{QDateTime(QDate(2027, 1, 2), QTime(9, 0))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    TFormAbout m_about;
    std::unique_ptr<TFormMain> m_main;
    std::unique_ptr<TFormAlarmList> m_list;
};

} // namespace

TEST_F(Windows, ClosingTheManagerOnlyHidesItUntilExit)
{
    create();
    ASSERT_EQ(m_list->catalogue().size(), 1);
    QFile::remove(folder() + QStringLiteral("al.ini"));
    m_list->showAndRaise();
    EXPECT_FALSE(m_list->close());
    EXPECT_FALSE(m_list->isVisible());
    m_list->showAndRaise();
    m_list->ButtonOKClick();
    EXPECT_FALSE(m_list->isVisible());
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("al.ini"))) << "a hiding close wrote the catalogue";
    EXPECT_EQ(m_list->catalogue().size(), 1);
}

TEST_F(Windows, ExitWritesTheCatalogueThenTheSettings)
{
    create();
    QFile::remove(folder() + QStringLiteral("al.ini"));
    m_main->Exit1Click();
    EXPECT_FALSE(m_main->isVisible());
    EXPECT_EQ(readAll(folder() + QStringLiteral("al.ini")), kCatalogue);
    EXPECT_EQ(readAll(folder() + QStringLiteral("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}

TEST_F(Windows, ExitStopsWhenTheCatalogueCannotBeWritten)
{
    create();
    // A folder where the catalogue should go makes every write of it fail.
    QFile::remove(folder() + QStringLiteral("al.ini"));
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("al.ini")));
    ErrorRecorder errors;
    m_main->Exit1Click();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("al.ini")));
    EXPECT_TRUE(m_main->isVisible()) << "the clock closed although the catalogue was not saved";
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("LCD.ini")));
    EXPECT_TRUE(m_list->exitFlag());
}

TEST_F(Windows, UnreadableSettingsFallBackToDefaultsAndAreRepaired)
{
    QFile file(folder() + QStringLiteral("LCD.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("big\r\nRed\r\n");
    file.close();
    ErrorRecorder errors;
    create();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].startsWith(QStringLiteral("'big' is not a valid integer value")));
    EXPECT_EQ(m_main->settings(), ClockSettings());
    m_main->Exit1Click();
    EXPECT_EQ(readAll(folder() + QStringLiteral("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}

TEST_F(Windows, UnattendedEndSavesEverythingWithoutAsking)
{
    create();
    QFile::remove(folder() + QStringLiteral("al.ini"));
    m_main->exitUnattended();
    EXPECT_EQ(readAll(folder() + QStringLiteral("al.ini")), kCatalogue);
    EXPECT_EQ(readAll(folder() + QStringLiteral("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}
