#include "alarmrecord.h"
#include "apperror.h"
#include "qtprint.h"
#include "schedulerules.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace ScheduleRules;

namespace {

RowKeys keys(const char *frequency, const char *timeKey, const char *dateKey, const char *mask = "0111110")
{
    return parse(CatalogueRow{QStringLiteral("row"),
                              QString::fromLatin1(frequency),
                              {},
                              {},
                              QString::fromLatin1(timeKey),
                              QString::fromLatin1(dateKey),
                              QString::fromLatin1(mask),
                              QStringLiteral("0")});
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return wallMoment(QDate(y, mo, d), QTime(h, mi, s));
}

} // namespace

TEST(ScheduleRules, DueTestByFrequency)
{
    struct Case
    {
        const char *name;
        RowKeys row;
        QDateTime moment;
        bool due;
    };
    // 2026-12-07 is a Monday.
    const Case cases[] = {
        {"daily at its second", keys("Daily", "073000", "22062004"), at(2026, 12, 7, 7, 30, 0), true},
        {"daily a second late", keys("Daily", "073000", "22062004"), at(2026, 12, 7, 7, 30, 1), false},
        {"hourly ignores the key hour", keys("Hourly", "093000", "22062004"), at(2026, 12, 7, 0, 30, 0), true},
        {"hourly at 23:30", keys("Hourly", "093000", "22062004"), at(2026, 12, 7, 23, 30, 0), true},
        {"hourly other minute", keys("Hourly", "093000", "22062004"), at(2026, 12, 7, 23, 31, 0), false},
        {"weekly on Monday", keys("Weekly", "070000", "01012020"), at(2026, 12, 7, 7, 0, 0), true},
        {"weekly not on Saturday", keys("Weekly", "070000", "01012020"), at(2026, 12, 12, 7, 0, 0), false},
        {"weekly not on Sunday", keys("Weekly", "070000", "01012020"), at(2026, 12, 13, 7, 0, 0), false},
        {"weekly short mask reads missing days as off", keys("Weekly", "070000", "01012020", "01"),
         at(2026, 12, 8, 7, 0, 0), false},
        {"once on its date", keys("Once", "120000", "07122026"), at(2026, 12, 7, 12, 0, 0), true},
        {"once a year later", keys("Once", "120000", "07122026"), at(2027, 12, 7, 12, 0, 0), false},
        {"monthly on its day", keys("Monthly", "100000", "15012026"), at(2026, 12, 15, 10, 0, 0), true},
        {"yearly whatever its year", keys("Yearly", "080000", "24121990"), at(2026, 12, 24, 8, 0, 0), true},
        {"yearly other month", keys("Yearly", "080000", "24121990"), at(2026, 11, 24, 8, 0, 0), false},
        {"unknown frequency", keys("daily", "073000", "22062004"), at(2026, 12, 7, 7, 30, 0), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isDue(c.row, c.moment), c.due) << c.name;
}

TEST(ScheduleRules, NextOccurrenceByFrequency)
{
    struct Case
    {
        const char *name;
        RowKeys row;
        QDateTime now;
        std::optional<QDateTime> next;
    };
    const Case cases[] = {
        {"weekly before its time on Monday", keys("Weekly", "070000", "01012020"), at(2026, 12, 7, 6, 0, 0),
         at(2026, 12, 7, 7, 0, 0)},
        {"weekly after its time on Monday", keys("Weekly", "070000", "01012020"), at(2026, 12, 7, 8, 0, 0),
         at(2026, 12, 8, 7, 0, 0)},
        {"weekly only Wednesday, seen after its time", keys("Weekly", "070000", "01012020", "0001000"),
         at(2026, 12, 9, 8, 0, 0), at(2026, 12, 16, 7, 0, 0)},
        {"weekly with no day", keys("Weekly", "070000", "01012020", "0000000"), at(2026, 12, 9, 8, 0, 0), std::nullopt},
        {"monthly seen after its day", keys("Monthly", "100000", "15012026"), at(2026, 12, 20, 0, 0, 0),
         at(2027, 1, 15, 10, 0, 0)},
        {"monthly 31 skips February", keys("Monthly", "100000", "31012027"), at(2027, 1, 31, 11, 0, 0),
         at(2027, 3, 31, 10, 0, 0)},
        {"monthly 30 from February", keys("Monthly", "100000", "30012027"), at(2027, 2, 10, 11, 0, 0),
         at(2027, 3, 30, 10, 0, 0)},
        {"yearly 29 February waits for a leap year", keys("Yearly", "090000", "29022024"), at(2026, 3, 1, 0, 0, 0),
         at(2028, 2, 29, 9, 0, 0)},
        {"hourly across midnight", keys("Hourly", "093000", "22062004"), at(2026, 12, 7, 23, 45, 0),
         at(2026, 12, 8, 0, 30, 0)},
        {"hourly later this hour", keys("Hourly", "093000", "22062004"), at(2026, 12, 7, 23, 15, 0),
         at(2026, 12, 7, 23, 30, 0)},
        {"daily at its very second is tomorrow", keys("Daily", "073000", "22062004"), at(2026, 12, 7, 7, 30, 0),
         at(2026, 12, 8, 7, 30, 0)},
        {"once in the past", keys("Once", "120000", "07122025"), at(2026, 12, 7, 8, 0, 0), std::nullopt},
        {"once ahead", keys("Once", "120000", "07122027"), at(2026, 12, 7, 8, 0, 0), at(2027, 12, 7, 12, 0, 0)},
        {"unknown frequency", keys("Fortnightly", "120000", "07122027"), at(2026, 12, 7, 8, 0, 0), std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(nextOccurrence(c.row, c.now), c.next) << c.name;
}

// The next occurrence is exactly the first second ahead in which the due test
// matches: what the "Next Alarm:" line announces is what will ring.
TEST(ScheduleRules, NextOccurrenceAgreesWithTheDueTest)
{
    const RowKeys rows[] = {
        keys("Hourly", "005959", "01012000"),
        keys("Daily", "235959", "01012000"),
        keys("Weekly", "120000", "01012000", "1000001"),
        keys("Monthly", "000000", "31012000"),
        keys("Yearly", "060000", "29022000"),
        keys("Once", "060000", "01032027"),
    };
    QRandomGenerator random(20261207);
    for (const RowKeys &row : rows) {
        for (int sample = 0; sample < 40; ++sample) {
            const QDateTime now = at(2026, 1, 1, 0, 0, 0).addSecs(random.bounded(3 * 365 * 24 * 3600));
            const std::optional<QDateTime> next = nextOccurrence(row, now);
            if (!next) {
                EXPECT_EQ(row.frequencyName, QStringLiteral("Once")) << now.toString().toStdString();
                continue;
            }
            EXPECT_GT(*next, now);
            EXPECT_TRUE(isDue(row, *next)) << row.frequencyName.toStdString() << " " << next->toString().toStdString();
            // No due second is skipped on the way there (checked on the row's time of day).
            const int step = row.frequencyName == QStringLiteral("Hourly") ? 3600 : 24 * 3600;
            for (QDateTime day = wallMoment(now.date(), row.keyTime); day < *next; day = day.addSecs(step)) {
                if (day > now) {
                    EXPECT_FALSE(isDue(row, day))
                        << row.frequencyName.toStdString() << " " << day.toString().toStdString();
                }
            }
        }
    }
}

TEST(ScheduleRules, BadKeysAreReported)
{
    EXPECT_THROW(keys("Daily", "0730xx", "22062004"), AppError);
    EXPECT_THROW(keys("Daily", "250000", "22062004"), AppError);
    EXPECT_THROW(keys("Daily", "073000", "31022004"), AppError);
    EXPECT_THROW(keys("Daily", "073000", ""), AppError);
}

TEST(ScheduleRules, ClockLineAndMarquee)
{
    const DateTimeFormatter us(LocaleFormats::usEnglish());
    const QDateTime evening(QDate(2004, 6, 22), QTime(17, 30, 30));
    EXPECT_EQ(clockLine(evening, us), QStringLiteral(" 06/22/04 05:30:30 PM"));
    EXPECT_EQ(clockLine(evening, us).size(), 21);

    const QString none = nextAlarmMessage(std::nullopt, us);
    EXPECT_EQ(none, QString(20, u' ') + QStringLiteral("Next Alarm: None"));
    EXPECT_EQ(marqueeWindow(none, 0), QString(20, u' ') + u'N');
    EXPECT_EQ(marqueeWindow(none, 1), marqueeWindow(none, 0));
    EXPECT_EQ(marqueeWindow(none, 21), QStringLiteral("Next Alarm: None"));
    EXPECT_EQ(marqueeWindow(none, 33), QStringLiteral("None"));
    EXPECT_EQ(marqueeWindow(none, 36), QStringLiteral("e"));
    EXPECT_EQ(marqueeWindow(none, 37), QString());
    EXPECT_EQ(marqueeWindow(none, 55), QString());

    const QString dated = nextAlarmMessage(QDateTime(QDate(2026, 12, 8), QTime(7, 30)), us);
    EXPECT_EQ(marqueeWindow(dated, 21), QStringLiteral("Next Alarm: 12/8/2026"));
    EXPECT_EQ(nextAlarmMessage(QDateTime(QDate(2026, 12, 8), QTime(0, 0)), us),
              QString(20, u' ') + QStringLiteral("Next Alarm: 12/8/2026"));
}
