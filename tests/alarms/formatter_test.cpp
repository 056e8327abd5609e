#include "alarmcatalogue.h"
#include "alarmrecord.h"
#include "cataloguerow.h"
#include "datetimeformatter.h"
#include "qtprint.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

LocaleFormats germanStyle()
{
    LocaleFormats f = LocaleFormats::usEnglish();
    f.dateSeparator = QStringLiteral(".");
    f.timeSeparator = QStringLiteral(".");
    f.shortDateFormat = QStringLiteral("dd/mm/yyyy");
    f.longTimeFormat = QStringLiteral("hh:nn:ss");
    return f;
}

const QDateTime kEvening(QDate(2004, 6, 22), QTime(17, 30, 5, 42));

} // namespace

TEST(DateTimeFormatter, PatternLetters)
{
    const DateTimeFormatter us(LocaleFormats::usEnglish());
    struct Case
    {
        const char *pattern;
        const char *expected;
    };
    const Case cases[] = {
        {"mm/dd/yy hh:nn:ss AM/PM", "06/22/04 05:30:05 PM"},
        {"hhnnss", "173005"},
        {"ddmmyyyy", "22062004"},
        {"hh:mm", "17:30"}, // "mm" after an hour is minutes
        {"mmmm d, yyyy", "June 22, 2004"},
        {"ddd", "Tue"},
        {"h:nn am/pm", "5:30 pm"},
        {"'mm' \"dd\" mm", "mm dd 06"},
        {"zzz", "042"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(us.format(QString::fromLatin1(c.pattern), kEvening), QString::fromLatin1(c.expected)) << c.pattern;

    EXPECT_EQ(us.format(u"hh:nn AM/PM", QTime(0, 5)), QStringLiteral("12:05 AM"));
    EXPECT_EQ(us.format(u"hh:nn AM/PM", QTime(12, 5)), QStringLiteral("12:05 PM"));
}

TEST(DateTimeFormatter, SeparatorsAndStandardForm)
{
    const DateTimeFormatter de(germanStyle());
    EXPECT_EQ(de.format(u"mm/dd/yy hh:nn:ss", kEvening), QStringLiteral("06.22.04 17.30.05"));
    EXPECT_EQ(de.standard(kEvening), QStringLiteral("22.06.2004 17.30.05"));
    EXPECT_EQ(de.standard(QDateTime(QDate(2004, 6, 22), QTime(0, 0))), QStringLiteral("22.06.2004"));

    const DateTimeFormatter us(LocaleFormats::usEnglish());
    EXPECT_EQ(us.standard(kEvening), QStringLiteral("6/22/2004 5:30:05 PM"));
}

TEST(LocaleFormats, QtFormatsBecomePatternLetters)
{
    QString separator;
    EXPECT_EQ(LocaleFormats::patternFromQtFormat(QStringLiteral("dd.MM.yy"), u'/', &separator),
              QStringLiteral("dd/mm/yy"));
    EXPECT_EQ(separator, QStringLiteral("."));
    separator.clear();
    EXPECT_EQ(LocaleFormats::patternFromQtFormat(QStringLiteral("h:mm:ss AP t"), u':', &separator),
              QStringLiteral("h:nn:ss\" \"ampm"));
    EXPECT_EQ(separator, QStringLiteral(":"));
    separator.clear();
    EXPECT_EQ(LocaleFormats::patternFromQtFormat(QStringLiteral("yyyy-MM-dd 'week'"), u'/', &separator),
              QStringLiteral("yyyy/mm/dd\" week\""));

    // Whatever the machine's language, the system formats give sensible texts.
    for (const QLocale &locale :
         {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedKingdom),
          QLocale(QLocale::Japanese, QLocale::Japan), QLocale::c()}) {
        const DateTimeFormatter f(LocaleFormats::fromLocale(locale));
        const QString text = f.standard(kEvening);
        EXPECT_TRUE(text.contains(QStringLiteral("22"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("30"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("UTC"))) << text.toStdString();
    }
}

TEST(CatalogueRow, DisplayTextsAndKeysByFrequency)
{
    const DateTimeFormatter us(LocaleFormats::usEnglish());
    struct Case
    {
        int code;
        const char *timeText;
        const char *dateText;
    };
    const Case cases[] = {
        {0, "07:05:09 AM", "3/9/2026"}, {1, "05:09 of every hour", "--"},       {2, "07:05:09 AM", "--"},
        {3, "07:05:09 AM", "--"},       {4, "07:05:09 AM", "9 of every month"}, {5, "07:05:09 AM", "03/09"},
    };
    for (const Case &c : cases) {
        const EditorResult result{QStringLiteral("Wake"), c.code, QTime(7, 5, 9), QDate(2026, 3, 9),
                                  QStringLiteral("0111110")};
        const CatalogueRow row = CatalogueRow::fromEditorResult(result, 12, us);
        EXPECT_EQ(row.frequencyName, frequencyNames()[c.code]);
        EXPECT_EQ(row.timeText, QString::fromLatin1(c.timeText)) << c.code;
        EXPECT_EQ(row.dateText, QString::fromLatin1(c.dateText)) << c.code;
        EXPECT_EQ(row.timeKey, QStringLiteral("070509"));
        EXPECT_EQ(row.dateKey, QStringLiteral("09032026"));
        EXPECT_EQ(row.weekdayMask, QStringLiteral("0111110"));
        EXPECT_EQ(row.slot, QStringLiteral("12"));
    }
}

TEST(CatalogueRow, WrittenUnderOneSeparatorReadUnderAnother)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    const EditorResult result{QStringLiteral("Tea"), 0, QTime(16, 45, 0), QDate(2027, 1, 2), QStringLiteral("0000000")};
    AlarmCatalogue written;
    written.appendRow(CatalogueRow::fromEditorResult(result, 0, DateTimeFormatter(germanStyle())));
    written.write(path);

    AlarmCatalogue read;
    read.read(path);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read.row(0).timeText, QStringLiteral("04.45.00 PM")); // shown as it was made
    EXPECT_EQ(read.row(0).timeKey, QStringLiteral("164500"));
    EXPECT_EQ(read.row(0).dateKey, QStringLiteral("02012027"));
}
