#include "alarmcatalogue.h"
#include "alarmscheduler.h"
#include "apperror.h"
#include "clock.h"
#include "qtprint.h"
#include "timezone.h"

#include <QSignalSpy>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace ScheduleRules;

namespace {

CatalogueRow row(const char *caption, const char *frequency, const char *timeKey, int slot = 0,
                 const char *dateKey = "01012020", const char *mask = "0111110")
{
    return {QString::fromLatin1(caption), QString::fromLatin1(frequency), {},  {}, QString::fromLatin1(timeKey),
            QString::fromLatin1(dateKey), QString::fromLatin1(mask),      slot};
}

RowKeys keys(const char *frequency, const char *timeKey, const char *dateKey = "01012020", const char *mask = "0111110")
{
    return parse(row("row", frequency, timeKey, 0, dateKey, mask));
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return wallMoment(QDate(y, mo, d), QTime(h, mi, s));
}

} // namespace

TEST(ScheduleRules, DueTestByFrequency)
{
    const auto expectDue = [](const char *name, const RowKeys &row, const QDateTime &moment, bool due) {
        EXPECT_EQ(isDue(row, moment), due) << name;
    };
    // 2026-12-07 is a Monday.
    expectDue("daily at its second", keys("Daily", "073000"), at(2026, 12, 7, 7, 30, 0), true);
    expectDue("daily a second late", keys("Daily", "073000"), at(2026, 12, 7, 7, 30, 1), false);
    expectDue("hourly ignores the key hour", keys("Hourly", "093000"), at(2026, 12, 7, 23, 30, 0), true);
    expectDue("hourly other minute", keys("Hourly", "093000"), at(2026, 12, 7, 23, 31, 0), false);
    expectDue("weekly on Monday", keys("Weekly", "070000"), at(2026, 12, 7, 7, 0, 0), true);
    expectDue("weekly not on Sunday", keys("Weekly", "070000"), at(2026, 12, 13, 7, 0, 0), false);
    expectDue("weekly short mask reads missing days as off", keys("Weekly", "070000", "01012020", "01"),
              at(2026, 12, 8, 7, 0, 0), false);
    expectDue("once on its date", keys("Once", "120000", "07122026"), at(2026, 12, 7, 12, 0, 0), true);
    expectDue("once a year later", keys("Once", "120000", "07122026"), at(2027, 12, 7, 12, 0, 0), false);
    expectDue("monthly on its day", keys("Monthly", "100000", "15012026"), at(2026, 12, 15, 10, 0, 0), true);
    expectDue("yearly whatever its year", keys("Yearly", "080000", "24121990"), at(2026, 12, 24, 8, 0, 0), true);
    expectDue("yearly other month", keys("Yearly", "080000", "24121990"), at(2026, 11, 24, 8, 0, 0), false);
    expectDue("unknown frequency", keys("daily", "073000"), at(2026, 12, 7, 7, 30, 0), false);
}

TEST(ScheduleRules, NextOccurrenceByFrequency)
{
    const auto expectNext = [](const char *name, const RowKeys &row, const QDateTime &now,
                               const std::optional<QDateTime> &next) {
        EXPECT_EQ(nextOccurrence(row, now), next) << name;
    };
    expectNext("weekly only Wednesday, seen after its time", keys("Weekly", "070000", "01012020", "0001000"),
               at(2026, 12, 9, 8, 0, 0), at(2026, 12, 16, 7, 0, 0));
    expectNext("weekly with no day", keys("Weekly", "070000", "01012020", "0000000"), at(2026, 12, 9, 8, 0, 0),
               std::nullopt);
    expectNext("monthly seen after its day", keys("Monthly", "100000", "15012026"), at(2026, 12, 20, 0, 0, 0),
               at(2027, 1, 15, 10, 0, 0));
    expectNext("monthly 31 skips February", keys("Monthly", "100000", "31012027"), at(2027, 1, 31, 11, 0, 0),
               at(2027, 3, 31, 10, 0, 0));
    expectNext("yearly 29 February waits for a leap year", keys("Yearly", "090000", "29022024"),
               at(2026, 3, 1, 0, 0, 0), at(2028, 2, 29, 9, 0, 0));
    expectNext("hourly across midnight", keys("Hourly", "093000"), at(2026, 12, 7, 23, 45, 0),
               at(2026, 12, 8, 0, 30, 0));
    expectNext("daily at its very second is tomorrow", keys("Daily", "073000"), at(2026, 12, 7, 7, 30, 0),
               at(2026, 12, 8, 7, 30, 0));
    expectNext("once in the past", keys("Once", "120000", "07122025"), at(2026, 12, 7, 8, 0, 0), std::nullopt);
    expectNext("once ahead", keys("Once", "120000", "07122027"), at(2026, 12, 7, 8, 0, 0), at(2027, 12, 7, 12, 0, 0));
    expectNext("unknown frequency", keys("Fortnightly", "120000"), at(2026, 12, 7, 8, 0, 0), std::nullopt);

    for (const char *bad : {"0730xx", "250000"})
        EXPECT_THROW(keys("Daily", bad), AppError) << bad;
    EXPECT_THROW(keys("Daily", "073000", "31022004"), AppError);
}

// A wall-clock time rings once: as the clock shows it, at its first pass when
// the clock shows it twice, and as the clock jumps when it skips it; the
// instant carries the offset the clock has then.
TEST(ScheduleRules, RingInstantOnTheNightsTheClockChanges)
{
    const struct
    {
        const char *zone;
        const char *name;
        QDateTime wall;
        const char *rings; // ISO, with the true offset
    } rows[] = {
        {"America/New_York", "skipped", at(2027, 3, 14, 2, 30, 0), "2027-03-14T03:00:00-04:00"},
        {"America/New_York", "first second skipped", at(2027, 3, 14, 2, 0, 0), "2027-03-14T03:00:00-04:00"},
        {"America/New_York", "last second before the jump", at(2027, 3, 14, 1, 59, 59), "2027-03-14T01:59:59-05:00"},
        {"America/New_York", "first second after the jump", at(2027, 3, 14, 3, 0, 0), "2027-03-14T03:00:00-04:00"},
        {"America/New_York", "repeated", at(2027, 11, 7, 1, 30, 0), "2027-11-07T01:30:00-04:00"},
        {"America/New_York", "first repeated second", at(2027, 11, 7, 1, 0, 0), "2027-11-07T01:00:00-04:00"},
        {"America/New_York", "after the repeated hour", at(2027, 11, 7, 2, 0, 0), "2027-11-07T02:00:00-05:00"},
        {"America/New_York", "ordinary", at(2027, 3, 14, 7, 0, 0), "2027-03-14T07:00:00-04:00"},
        {"Europe/Berlin", "skipped", at(2027, 3, 28, 2, 30, 0), "2027-03-28T03:00:00+02:00"},
        {"Europe/Berlin", "repeated", at(2027, 10, 31, 2, 30, 0), "2027-10-31T02:30:00+02:00"},
        {"Europe/Berlin", "winter", at(2027, 1, 4, 7, 0, 0), "2027-01-04T07:00:00+01:00"},
        // Half an hour skipped and repeated.
        {"Australia/Lord_Howe", "skipped", at(2027, 10, 3, 2, 15, 0), "2027-10-03T02:30:00+11:00"},
        {"Australia/Lord_Howe", "repeated", at(2027, 4, 4, 1, 45, 0), "2027-04-04T01:45:00+11:00"},
        {"Australia/Lord_Howe", "after the repeated half hour", at(2027, 4, 4, 2, 0, 0), "2027-04-04T02:00:00+10:30"},
        // The south changes at midnight: the skipped hour begins the day, the repeated one ends the day before.
        {"America/Santiago", "skipped midnight", at(2027, 9, 5, 0, 0, 0), "2027-09-05T01:00:00-03:00"},
        {"America/Santiago", "repeated before midnight", at(2027, 4, 3, 23, 30, 0), "2027-04-03T23:30:00-03:00"},
        {"Asia/Kolkata", "no daylight saving", at(2027, 3, 14, 2, 30, 0), "2027-03-14T02:30:00+05:30"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.zone) + " " + r.name);
        const QTimeZone zone(r.zone);
        ASSERT_TRUE(zone.isValid());
        const QDateTime rings = ringInstant(r.wall, zone);
        EXPECT_EQ(isoWithOffset(rings), QString::fromLatin1(r.rings));
        EXPECT_EQ(rings, QDateTime::fromString(QString::fromLatin1(r.rings), Qt::ISODate)) << "not the same instant";
    }
    EXPECT_FALSE(ringInstant(QDateTime(), QTimeZone("Europe/Berlin")).isValid());

    // A clock whose offset the system's zone doesn't give is followed by its own offset.
    const ScopedTimeZone berlin("Europe/Berlin");
    const QDateTime winter = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
    EXPECT_EQ(localZone(winter.toLocalTime()).id(), QByteArray("Europe/Berlin"));
    EXPECT_EQ(localZone(winter.toOffsetFromUtc(3 * 3600)).offsetFromUtc(winter.addDays(180)), 3 * 3600);
}

TEST(ScheduleRules, MarqueeWindowOverTheNextAlarmMessage)
{
    const QString none = nextAlarmMessage(std::nullopt, DateTimeFormatter(LocaleFormats::usEnglish()));
    EXPECT_EQ(none, QString(20, u' ') + QStringLiteral("Next Alarm: None"));
    EXPECT_EQ(marqueeWindow(none, 0), QString(20, u' ') + u'N');
    EXPECT_EQ(marqueeWindow(none, 1), marqueeWindow(none, 0));
    EXPECT_EQ(marqueeWindow(none, 21), QStringLiteral("Next Alarm: None"));
    EXPECT_EQ(marqueeWindow(none, 36), QStringLiteral("e"));
    EXPECT_EQ(marqueeWindow(none, 37), QString());
    EXPECT_EQ(marqueeWindow(none, 55), QString());
}

namespace {

class Scheduler : public ::testing::Test
{
protected:
    // Runs collectDue and returns everything that is waiting to ring.
    QList<Occurrence> collect()
    {
        m_scheduler.collectDue();
        QList<Occurrence> all;
        while (auto next = m_scheduler.takeNext())
            all << *next;
        return all;
    }

    AlarmCatalogue m_catalogue;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 900))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    AlarmScheduler m_scheduler{m_catalogue, m_clock, m_formatter};
};

} // namespace

TEST_F(Scheduler, ALateTickStillRingsWhatFellDueAndEachOccurrenceOnce)
{
    m_catalogue.appendRow(row("Wake", "Daily", "073000", 4));
    EXPECT_TRUE(collect().isEmpty());
    m_clock.advance(45'000); // no tick for 45 seconds
    const QList<Occurrence> rung = collect();
    ASSERT_EQ(rung.size(), 1);
    EXPECT_EQ(rung[0].slot, 4);
    EXPECT_EQ(rung[0].caption, QStringLiteral("Wake"));
    EXPECT_EQ(rung[0].due, at(2026, 12, 7, 7, 30, 0));

    m_clock.advance(24 * 3600 * 1000LL - 45'000); // the next day, on time
    EXPECT_TRUE(collect().isEmpty());
    m_clock.advance(100);
    EXPECT_EQ(collect().size(), 1);
    m_clock.advance(400); // the same second again, after a quick close
    EXPECT_TRUE(collect().isEmpty());
    m_clock.setNow(m_clock.now().addSecs(-5)); // the clock is set back a little
    EXPECT_TRUE(collect().isEmpty());
    m_clock.advance(5'000);
    EXPECT_TRUE(collect().isEmpty());
}

TEST_F(Scheduler, OccurrencesWaitInDueOrderThenListOrderAndDeletedRowsDropOut)
{
    m_catalogue.appendRow(row("second in list", "Daily", "073010", 0));
    m_catalogue.appendRow(row("first in list", "Daily", "073010", 1));
    m_catalogue.appendRow(row("earlier", "Daily", "073005", 2));
    m_catalogue.appendRow(row("deleted while waiting", "Daily", "073010", 3));
    collect();
    m_clock.advance(20'000);
    m_scheduler.collectDue();
    ASSERT_EQ(m_scheduler.pendingCount(), 4);
    m_catalogue.removeRowAt(3);
    QStringList rung;
    while (auto next = m_scheduler.takeNext())
        rung << next->caption;
    EXPECT_EQ(rung, (QStringList{QStringLiteral("earlier"), QStringLiteral("second in list"),
                                 QStringLiteral("first in list")}));
}

TEST_F(Scheduler, AGapIsAnnouncedAsMissedNotRungLate)
{
    m_catalogue.appendRow(row("Wake", "Daily", "073000", 0));
    m_catalogue.appendRow(row("Every hour", "Hourly", "001500", 1));
    QSignalSpy missed(&m_scheduler, &AlarmScheduler::missed);
    collect();
    m_clock.advance(2 * 3600 * 1000LL); // asleep until 09:29:59.9
    EXPECT_TRUE(collect().isEmpty());
    ASSERT_EQ(missed.size(), 3);
    EXPECT_EQ(missed[0][0].toString(), QStringLiteral("Wake"));
    EXPECT_EQ(missed[0][1].toDateTime(), at(2026, 12, 7, 7, 30, 0));
    EXPECT_EQ(missed[1][1].toDateTime(), at(2026, 12, 7, 8, 15, 0));
    EXPECT_EQ(missed[2][1].toDateTime(), at(2026, 12, 7, 9, 15, 0));
    m_clock.advance(200);
    collect();
    EXPECT_EQ(missed.size(), 3);
}

// A long gap over several rows: one total for all of them, the first few
// in time order whatever the row, and the count of the rest.
TEST_F(Scheduler, ALongGapIsToldAsTheFirstFewInTimeOrderAndOneTotal)
{
    m_catalogue.appendRow(row("Daily", "Daily", "073000", 0));
    m_catalogue.appendRow(row("Hourly", "Hourly", "004500", 1));
    QSignalSpy missed(&m_scheduler, &AlarmScheduler::missed);
    QSignalSpy more(&m_scheduler, &AlarmScheduler::moreMissed);
    collect();
    m_clock.advance(30LL * 24 * 3600 * 1000); // thirty days asleep, until 07:29:59 again
    EXPECT_TRUE(collect().isEmpty());
    ASSERT_EQ(missed.size(), AlarmScheduler::MaxMissedListed);
    // 07:30 Daily, then the Hourly at 07:45, 08:45 ...
    EXPECT_EQ(missed[0][0].toString(), QStringLiteral("Daily"));
    EXPECT_EQ(missed[1][1].toDateTime(), at(2026, 12, 7, 7, 45, 0));
    EXPECT_EQ(missed[9][1].toDateTime(), at(2026, 12, 7, 15, 45, 0));
    ASSERT_EQ(more.size(), 1);
    EXPECT_EQ(more[0][0].toInt(), 30 + 30 * 24 - AlarmScheduler::MaxMissedListed);
    EXPECT_FALSE(more[0][1].toBool());

    // A clock set twenty years ahead over many Hourly rows: counting stops at its bound.
    for (int slot = 2; slot < 40; ++slot)
        m_catalogue.appendRow(row("Hourly", "Hourly", "001500", slot));
    collect();
    m_clock.advance(20LL * 365 * 24 * 3600 * 1000);
    collect();
    ASSERT_EQ(more.size(), 2);
    EXPECT_EQ(more[1][0].toInt(), AlarmScheduler::MaxMissedCounted + 40 * AlarmScheduler::MaxMissedListed -
                                      AlarmScheduler::MaxMissedListed);
    EXPECT_TRUE(more[1][1].toBool());
}

// A new time zone moves the wall clock with no time passing: hours of an
// Hourly alarm must not ring at once.
TEST_F(Scheduler, AZoneChangeIsAnnouncedAsMissedNotRungAtOnce)
{
    m_catalogue.appendRow(row("Every hour", "Hourly", "003000", 0));
    QSignalSpy missed(&m_scheduler, &AlarmScheduler::missed);
    collect(); // 07:29:59 in UTC
    const qint64 instant = m_clock.now().toSecsSinceEpoch();
    const ScopedTimeZone tokyo("Asia/Tokyo");
    m_clock.setNow(QDateTime::fromSecsSinceEpoch(instant + 2)); // 16:30:01 in Tokyo
    EXPECT_TRUE(collect().isEmpty());
    ASSERT_EQ(missed.size(), 10);
    EXPECT_EQ(missed[0][1].toDateTime(), at(2026, 12, 7, 7, 30, 0));
    EXPECT_EQ(missed[9][1].toDateTime(), at(2026, 12, 7, 16, 30, 0));
}

TEST_F(Scheduler, ABadRowIsReportedOnceAndTheOthersStillRing)
{
    m_catalogue.appendRow(row("broken", "Daily", "07h000", 0));
    m_catalogue.appendRow(row("fine", "Daily", "073000", 1));
    QSignalSpy errors(&m_scheduler, &AlarmScheduler::rowError);
    QList<Occurrence> rung;
    for (int tick = 0; tick < 10; ++tick) {
        m_scheduler.refresh();
        rung << collect();
        m_clock.advance(200);
    }
    ASSERT_EQ(rung.size(), 1);
    EXPECT_EQ(rung[0].caption, QStringLiteral("fine"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0][0].toString().contains(QStringLiteral("broken")));
}

TEST_F(Scheduler, RefreshShowsTheNextAlarmAndTheHourlyCaption)
{
    AlarmScheduler::Display display = m_scheduler.refresh();
    EXPECT_EQ(display.clockLine, QStringLiteral(" 12/07/26 07:29:59 AM"));
    EXPECT_EQ(display.managerCaption, std::nullopt);
    EXPECT_EQ(m_scheduler.marqueePosition(), 1);

    m_catalogue.appendRow(row("Every hour", "Hourly", "001500", 1));
    for (int i = 0; i < 20; ++i)
        display = m_scheduler.refresh();
    EXPECT_EQ(m_scheduler.marqueePosition(), 21);
    EXPECT_EQ(display.marqueeLine, QStringLiteral("Next Alarm: 12/7/2026"));
    EXPECT_EQ(display.managerCaption, QStringLiteral("Minutes Passed"));
    for (int i = 0; i < 35; ++i)
        m_scheduler.refresh();
    EXPECT_EQ(m_scheduler.marqueePosition(), 0);
}
