#include "alarmcatalogue.h"
#include "alarmscheduler.h"
#include "clock.h"
#include "qtprint.h"
#include "timezone.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

CatalogueRow row(const QString &caption, const char *frequency, const char *timeKey, int slot,
                 const char *dateKey = "01012020")
{
    return {caption,
            QString::fromLatin1(frequency),
            {},
            {},
            QString::fromLatin1(timeKey),
            QString::fromLatin1(dateKey),
            QStringLiteral("1111111"),
            QString::number(slot)};
}

QDateTime wall(int y, int mo, int d, int h, int mi, int s)
{
    return ScheduleRules::wallMoment(QDate(y, mo, d), QTime(h, mi, s));
}

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

TEST_F(Scheduler, ALateTickStillRingsWhatFellDue)
{
    m_catalogue.appendRow(row(QStringLiteral("Wake"), "Daily", "073000", 4));
    EXPECT_TRUE(collect().isEmpty());
    m_clock.advance(45'000); // no tick for 45 seconds
    const QList<Occurrence> rung = collect();
    ASSERT_EQ(rung.size(), 1);
    EXPECT_EQ(rung[0].slot, 4);
    EXPECT_EQ(rung[0].caption, QStringLiteral("Wake"));
    EXPECT_EQ(rung[0].due, wall(2026, 12, 7, 7, 30, 0));
}

TEST_F(Scheduler, EachOccurrenceIsHandledOnce)
{
    m_catalogue.appendRow(row(QStringLiteral("Wake"), "Daily", "073000", 0));
    collect();
    m_clock.advance(100); // 07:30:00.000
    EXPECT_EQ(collect().size(), 1);
    m_clock.advance(400); // the same second again, after a quick close
    EXPECT_TRUE(collect().isEmpty());
    m_clock.setNow(m_clock.now().addSecs(-5)); // the clock is set back a little
    EXPECT_TRUE(collect().isEmpty());
    m_clock.advance(5'000);
    EXPECT_TRUE(collect().isEmpty());
    m_clock.advance(24 * 3600 * 1000LL - 10'000); // and tomorrow it rings again
    collect();
    m_clock.advance(10'000);
    EXPECT_EQ(collect().size(), 1);
}

TEST_F(Scheduler, OccurrencesWaitInDueOrderThenListOrder)
{
    m_catalogue.appendRow(row(QStringLiteral("second in list"), "Daily", "073010", 0));
    m_catalogue.appendRow(row(QStringLiteral("first in list"), "Daily", "073010", 1));
    m_catalogue.appendRow(row(QStringLiteral("earlier"), "Daily", "073005", 2));
    collect();
    m_clock.advance(20'000);
    const QList<Occurrence> rung = collect();
    ASSERT_EQ(rung.size(), 3);
    EXPECT_EQ(rung[0].caption, QStringLiteral("earlier"));
    EXPECT_EQ(rung[1].caption, QStringLiteral("second in list"));
    EXPECT_EQ(rung[2].caption, QStringLiteral("first in list"));
}

TEST_F(Scheduler, AGapIsAnnouncedAsMissedNotRungLate)
{
    m_catalogue.appendRow(row(QStringLiteral("Wake"), "Daily", "073000", 0));
    m_catalogue.appendRow(row(QStringLiteral("Every hour"), "Hourly", "001500", 1));
    QSignalSpy missed(&m_scheduler, &AlarmScheduler::missed);
    collect();
    m_clock.advance(2 * 3600 * 1000LL); // asleep until 09:29:59.9
    EXPECT_TRUE(collect().isEmpty());
    ASSERT_EQ(missed.size(), 3);
    EXPECT_EQ(missed[0][0].toString(), QStringLiteral("Wake"));
    EXPECT_EQ(missed[0][1].toDateTime(), wall(2026, 12, 7, 7, 30, 0));
    EXPECT_EQ(missed[1][1].toDateTime(), wall(2026, 12, 7, 8, 15, 0));
    EXPECT_EQ(missed[2][1].toDateTime(), wall(2026, 12, 7, 9, 15, 0));
    m_clock.advance(200);
    collect();
    EXPECT_EQ(missed.size(), 3);
}

TEST_F(Scheduler, ABadRowIsReportedOnceAndTheOthersStillRing)
{
    m_catalogue.appendRow(row(QStringLiteral("broken"), "Daily", "07h000", 0));
    m_catalogue.appendRow(row(QStringLiteral("fine"), "Daily", "073000", 1));
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

TEST_F(Scheduler, ARowDeletedWhileWaitingIsNotRung)
{
    m_catalogue.appendRow(row(QStringLiteral("kept"), "Daily", "073000", 0));
    m_catalogue.appendRow(row(QStringLiteral("deleted"), "Daily", "073000", 1));
    collect();
    m_clock.advance(200);
    m_scheduler.collectDue();
    ASSERT_EQ(m_scheduler.pendingCount(), 2);
    m_catalogue.removeRowAt(1);
    EXPECT_EQ(m_scheduler.takeNext()->caption, QStringLiteral("kept"));
    EXPECT_EQ(m_scheduler.takeNext(), std::nullopt);
}

TEST_F(Scheduler, RefreshShowsTheNextAlarmAndTheHourlyCaption)
{
    AlarmScheduler::Display display = m_scheduler.refresh();
    EXPECT_EQ(display.clockLine, QStringLiteral(" 12/07/26 07:29:59 AM"));
    EXPECT_EQ(display.managerCaption, std::nullopt);
    EXPECT_EQ(m_scheduler.marqueePosition(), 1);

    m_catalogue.appendRow(row(QStringLiteral("Every hour"), "Hourly", "001500", 1));
    for (int i = 0; i < 20; ++i)
        display = m_scheduler.refresh();
    EXPECT_EQ(m_scheduler.marqueePosition(), 21);
    EXPECT_EQ(display.marqueeLine, QStringLiteral("Next Alarm: 12/7/2026"));
    EXPECT_EQ(display.managerCaption, QStringLiteral("Minutes Passed"));
    for (int i = 0; i < 35; ++i)
        m_scheduler.refresh();
    EXPECT_EQ(m_scheduler.marqueePosition(), 0);
}

TEST(SchedulerDaylightSaving, SkippedHourRingsOnceAtTheJump)
{
    ScopedTimeZone berlin("Europe/Berlin");
    AlarmCatalogue catalogue;
    catalogue.appendRow(row(QStringLiteral("in the gap"), "Daily", "023000", 0));
    ManualClock clock(QDateTime(QDate(2027, 3, 28), QTime(1, 59, 59, 100)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmScheduler scheduler(catalogue, clock, formatter);
    scheduler.collectDue();
    EXPECT_EQ(scheduler.pendingCount(), 0);
    clock.advance(1000);
    EXPECT_EQ(clock.now().time().hour(), 3) << "the zone did not jump";
    scheduler.collectDue();
    ASSERT_EQ(scheduler.pendingCount(), 1);
    EXPECT_EQ(scheduler.takeNext()->due, wall(2027, 3, 28, 2, 30, 0));
    for (int i = 0; i < 4000; ++i) {
        clock.advance(1000);
        scheduler.collectDue();
    }
    EXPECT_EQ(scheduler.pendingCount(), 0);
}

TEST(SchedulerDaylightSaving, RepeatedHourRingsOnce)
{
    ScopedTimeZone berlin("Europe/Berlin");
    AlarmCatalogue catalogue;
    catalogue.appendRow(row(QStringLiteral("in the repeated hour"), "Daily", "023000", 0));
    ManualClock clock(QDateTime(QDate(2027, 10, 31), QTime(1, 59, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmScheduler scheduler(catalogue, clock, formatter);
    int rings = 0;
    for (int i = 0; i < 3 * 3600; ++i) { // past both 02:30s
        scheduler.collectDue();
        while (scheduler.takeNext())
            ++rings;
        clock.advance(1000);
    }
    EXPECT_EQ(rings, 1);
}
