#include "alarmcatalogue.h"
#include "apperror.h"
#include "qtprint.h"
#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CatalogueRow dailyRow(const QString &caption, int slot)
{
    return {caption,
            QStringLiteral("Daily"),
            QStringLiteral("07:30:00 AM"),
            QStringLiteral("--"),
            QStringLiteral("073000"),
            QStringLiteral("22062004"),
            QStringLiteral("0111110"),
            QString::number(slot)};
}

class CatalogueFile : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.filePath(QStringLiteral("al.ini")); }
    void writeRaw(const QByteArray &data)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    QString readError(AlarmCatalogue &catalogue)
    {
        try {
            catalogue.read(path());
        } catch (const AppError &e) {
            return e.message();
        }
        return {};
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CatalogueFile, MissingFileOrZeroCountIsAnEmptyCatalogue)
{
    AlarmCatalogue catalogue;
    catalogue.appendRow(dailyRow(QStringLiteral("stale"), 4));
    catalogue.read(path());
    EXPECT_EQ(catalogue.size(), 0);
    EXPECT_FALSE(catalogue.isSlotInUse(4));

    writeRaw("0\r\n");
    catalogue.read(path());
    EXPECT_EQ(catalogue.size(), 0);
}

TEST_F(CatalogueFile, WritesTheDocumentedLayoutAndReadsItBack)
{
    AlarmCatalogue catalogue;
    catalogue.appendRow(dailyRow(QStringLiteral("Wake up"), 0));
    catalogue.write(path());
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1\r\nWake up\r\nDaily\r\n07:30:00 AM\r\n--\r\n073000\r\n22062004\r\n"
                                         "0111110\r\n0\r\n"));

    AlarmCatalogue back;
    back.read(path());
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back.row(0), dailyRow(QStringLiteral("Wake up"), 0));
    EXPECT_TRUE(back.isSlotInUse(0));
    EXPECT_EQ(back.data(back.index(0, AlarmCatalogue::TimeColumn)).toString(), QStringLiteral("07:30:00 AM"));
    EXPECT_EQ(back.headerData(AlarmCatalogue::DateColumn, Qt::Horizontal).toString(), QStringLiteral("Date"));
}

TEST_F(CatalogueFile, MalformedLinesKeepTheCompleteRowsAndTheOriginal)
{
    struct Case
    {
        const char *name;
        int fieldOfSecondRow; // 0..7
        QString text;
        QString message;
    };
    const Case cases[] = {
        {"time key hour 24", 4, QStringLiteral("240000"), QStringLiteral("Invalid argument to time encode")},
        {"time key letters", 4, QStringLiteral("07h300"), QStringLiteral("'h3' is not a valid integer value")},
        {"date key 30 February", 5, QStringLiteral("30022024"), QStringLiteral("Invalid argument to date encode")},
        {"date key short", 5, QStringLiteral("1"), QStringLiteral("'' is not a valid integer value")},
        {"slot not a number", 7, QStringLiteral("one"), QStringLiteral("'one' is not a valid integer value")},
        {"slot past the table", 7, QStringLiteral("256"), QStringLiteral("'256' is not a valid alarm slot (0 to 255)")},
    };
    for (const Case &c : cases) {
        QStringList second = dailyRow(QStringLiteral("second"), 1).fields();
        second[c.fieldOfSecondRow] = c.text;
        QStringList lines{QStringLiteral("3")};
        lines << dailyRow(QStringLiteral("first"), 0).fields() << second
              << dailyRow(QStringLiteral("third"), 2).fields();
        const QByteArray original = TextFile::encodeLines(lines);
        writeRaw(original);
        QFile::remove(path() + QStringLiteral(".bak"));

        AlarmCatalogue catalogue;
        const QString message = readError(catalogue);
        EXPECT_TRUE(message.startsWith(c.message)) << c.name << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("al.ini.bak"))) << c.name;
        ASSERT_EQ(catalogue.size(), 1) << c.name;
        EXPECT_EQ(catalogue.row(0).caption, QStringLiteral("first"));
        EXPECT_FALSE(catalogue.isSlotInUse(1)) << c.name;

        QFile backup(path() + QStringLiteral(".bak"));
        ASSERT_TRUE(backup.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_EQ(backup.readAll(), original) << c.name;
    }
}

TEST_F(CatalogueFile, ShortFilesAndOddButHarmlessRows)
{
    // A count larger than the rows fails at the first key line past the end.
    QStringList lines{QStringLiteral("2")};
    lines << dailyRow(QStringLiteral("only"), 5).fields();
    writeRaw(TextFile::encodeLines(lines));
    AlarmCatalogue catalogue;
    EXPECT_TRUE(readError(catalogue).startsWith(QStringLiteral("'' is not a valid integer value")));
    EXPECT_EQ(catalogue.size(), 1);

    // A short weekday mask is accepted as it stands; the scheduler reads the missing days as off.
    QStringList shortMask = dailyRow(QStringLiteral("short"), 3).fields();
    shortMask[6] = QStringLiteral("01");
    writeRaw(TextFile::encodeLines(QStringList{QStringLiteral("1")} + shortMask));
    EXPECT_EQ(readError(catalogue), QString());
    EXPECT_EQ(catalogue.row(0).weekdayMask, QStringLiteral("01"));

    // A bad count line.
    writeRaw("many\r\n");
    EXPECT_TRUE(readError(catalogue).startsWith(QStringLiteral("'many' is not a valid integer value")));
}

TEST(AlarmCatalogue, LowestFreeSlotIsReusedAndRowsAppendAtTheEnd)
{
    AlarmCatalogue catalogue;
    for (int slot : {0, 1, 2})
        catalogue.appendRow(dailyRow(QStringLiteral("alarm %1").arg(slot), slot));
    catalogue.removeRowAt(1);
    EXPECT_EQ(catalogue.lowestFreeSlot(), 1);
    catalogue.appendRow(dailyRow(QStringLiteral("new"), *catalogue.lowestFreeSlot()));
    EXPECT_EQ(catalogue.row(2).caption, QStringLiteral("new"));
    EXPECT_EQ(catalogue.row(2).slot, QStringLiteral("1"));
    EXPECT_EQ(catalogue.lowestFreeSlot(), 3);
    EXPECT_EQ(slotFileName(12), QStringLiteral("12.ini"));

    for (int slot = 3; slot < AlarmCatalogue::SlotCount; ++slot)
        catalogue.setSlotInUse(slot, true);
    EXPECT_EQ(catalogue.lowestFreeSlot(), std::nullopt);
}
