// The readers take only what they can write back unchanged: anything else
// keeps the original beside it, is said once, in a message of sane size,
// and loses none of the rows that can be trusted.

#include "alarmcatalogue.h"
#include "alarmfile.h"
#include "apperror.h"
#include "clocksettings.h"
#include "qtprint.h"
#include "savefaults.h"
#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using SaveFaults::readFile;
using SaveFaults::writeFile;

namespace {

QByteArray row(const QByteArray &caption, int slot, const QByteArray &timeKey = "073000")
{
    return caption + "\r\nDaily\r\n07:30:00 AM\r\n--\r\n" + timeKey + "\r\n22062004\r\n0111110\r\n" +
           QByteArray::number(slot) + "\r\n";
}

} // namespace

TEST(Readers, ACatalogueThatWouldNotBeWrittenBackUnchangedIsKeptAndSaidOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    struct Case
    {
        const char *name;
        QByteArray file;
        const char *said;
        QStringList captions; // the rows kept
    };
    const Case cases[] = {
        {"count lower than the rows",
         "1\r\n" + row("a", 0) + row("b", 1) + row("c", 2),
         "The first line announces '1' alarms, but 24 lines follow",
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
        {"negative count",
         "-1\r\n" + row("a", 0) + row("b", 1),
         "announces '-1' alarms",
         {QStringLiteral("a"), QStringLiteral("b")}},
        {"a blank line at the end", "1\r\n" + row("a", 0) + "\r\n", "announces '1' alarms", {QStringLiteral("a")}},
        {"a line too long to be a row", "1\r\n" + row(QByteArray(5000, 'x'), 0), "line 2 is longer than 4096", {}},
        {"a file beyond the bound",
         "1\r\n" + row("a", 0) + QByteArray(100, 'x').append("\r\n").repeated(11000),
         "larger than the 1048576 characters",
         {}},
        {"%1 in a slot line",
         "1\r\n" + row("a", 0).replace("\r\n0\r\n", "\r\n%1\r\n"),
         "'%1' is not a valid integer value",
         {}},
        {"a long bad slot line",
         "1\r\n" + row("a", 0).replace("\r\n0\r\n", QByteArray("\r\n" + QByteArray(3000, '7') + "\r\n")),
         "(3000 characters)' is not a valid integer value",
         {}},
    };
    for (const Case &c : cases) {
        writeFile(path, c.file);
        QFile::remove(path + QStringLiteral(".bak"));
        AlarmCatalogue catalogue;
        QString said;
        try {
            catalogue.read(path);
        } catch (const AppError &e) {
            said = e.message();
        }
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.said))) << c.name << ": " << said.left(500).toStdString();
        EXPECT_TRUE(said.contains(QStringLiteral("kept as"))) << c.name;
        EXPECT_LT(said.size(), 1000) << c.name << ": the message quotes too much of the file";
        EXPECT_EQ(readFile(path + QStringLiteral(".bak")), c.file) << c.name;
        QStringList captions;
        for (const CatalogueRow &r : catalogue.rows())
            captions << r.caption;
        EXPECT_EQ(captions, c.captions) << c.name;
    }
}

// A slot in another form than the list is written in names the same alarm
// as it always has: every row is kept, the next save writes the plain
// number, and the original is kept and said once.
TEST(Readers, ASlotInAnotherFormIsReadAsItsNumberAndSavedPlain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    for (const char *form : {"07", "+7", "0007"}) {
        SCOPED_TRACE(form);
        QByteArray seven = row("b", 7);
        seven.replace("\r\n7\r\n", QByteArray("\r\n" + QByteArray(form) + "\r\n"));
        const QByteArray original = "2\r\n" + row("a", 0) + seven;
        writeFile(path, original);
        QFile::remove(path + QStringLiteral(".bak"));
        AlarmCatalogue catalogue;
        QString notice;
        EXPECT_NO_THROW(notice = catalogue.read(path));
        EXPECT_TRUE(notice.contains(QStringLiteral("slot 7 as '%1' (line 17)").arg(QString::fromLatin1(form))) &&
                    notice.contains(QStringLiteral("kept as")))
            << notice.toStdString();
        ASSERT_EQ(catalogue.size(), 2);
        EXPECT_EQ(catalogue.row(1).slot, 7);
        EXPECT_TRUE(catalogue.isSlotInUse(7));
        EXPECT_EQ(readFile(path + QStringLiteral(".bak")), original);
        catalogue.write(path);
        EXPECT_EQ(readFile(path), "2\r\n" + row("a", 0) + row("b", 7));
        EXPECT_EQ(AlarmCatalogue().read(path), QString());
    }
}

// A list in Windows-1252 is read whole: one notice says so and that it is
// saved in UTF-8 from now on, not that it could not be read; the original is
// kept, and what is written has every character in UTF-8.
TEST(Readers, ACatalogueInWindows1252IsReadWholeAndSavedInUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    const QByteArray original = "2\r\n" + row("Caf\xe9", 0) + row("\x93Tea\x94 \x80", 1);
    writeFile(path, original);
    AlarmCatalogue latin;
    QString notice;
    EXPECT_NO_THROW(notice = latin.read(path));
    EXPECT_TRUE(notice.contains(QStringLiteral("read whole as Windows-1252")) &&
                notice.contains(QStringLiteral("saved in UTF-8")) && notice.contains(QStringLiteral("kept as")))
        << notice.toStdString();
    EXPECT_FALSE(notice.contains(QStringLiteral("could not"))) << notice.toStdString();
    ASSERT_EQ(latin.size(), 2);
    EXPECT_EQ(latin.row(1).caption, QStringLiteral("“Tea” €"));
    EXPECT_EQ(readFile(path + QStringLiteral(".bak")), original);
    latin.write(path);
    EXPECT_EQ(readFile(path), "2\r\n" + row("Caf\xc3\xa9", 0) + row("\xe2\x80\x9cTea\xe2\x80\x9d \xe2\x82\xac", 1));
    AlarmCatalogue again;
    EXPECT_EQ(again.read(path), QString());
}

TEST(Readers, AlarmFilesAndClockSettingsKeepToTheirBounds)
{
    QTemporaryDir dir;
    AlarmRecord record = AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
    record.reminder = QStringLiteral("x\n");
    const QString alarm = dir.filePath(QStringLiteral("3.ini"));

    // A reminder in Windows-1252 is read with every character.
    QByteArray latin = AlarmFile::encode(record);
    latin.replace("\r\nx\r\n", "\r\nCaf\xe9 \x80\r\n");
    writeFile(alarm, latin);
    AlarmRecord back;
    AlarmFile::read(alarm, AlarmFile::ReadMode::Ringing, back);
    EXPECT_EQ(back.reminder, QStringLiteral("Café €\n"));

    // A reminder of megabytes is refused before it is read.
    writeFile(alarm, AlarmFile::encode(record) + QByteArray(1000, 'x').append("\r\n").repeated(300));
    QString said;
    try {
        AlarmFile::read(alarm, AlarmFile::ReadMode::Ringing, back);
    } catch (const AppError &e) {
        said = e.message();
    }
    EXPECT_TRUE(said.contains(QStringLiteral("larger than the 262144 characters"))) << said.toStdString();

    const QString settings = dir.filePath(QStringLiteral("LCD.ini"));
    writeFile(settings, "2\r\n" + QByteArray(5000, 'G') + "\r\n");
    QString error;
    EXPECT_EQ(ClockSettings::read(settings, &error), ClockSettings());
    EXPECT_TRUE(error.contains(QStringLiteral("line 2 is longer than 4096 characters"))) << error.toStdString();
}
