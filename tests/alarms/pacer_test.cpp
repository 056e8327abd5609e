// The hidden scheduler's sleep: how long it sleeps after a tick, that it
// never sleeps past the instant a due alarm rings, a minute or a change of the zone's offset,
// that it wakes at once when told, and that the next due second it sleeps
// towards follows the catalogue and the wall clock.

#include "alarmcatalogue.h"
#include "alarmscheduler.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "fakeclockjumps.h"
#include "qtprint.h"
#include "tickpacer.h"
#include "timezone.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ScheduleRules;

namespace {

QDateTime local(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::LocalTime);
}

QDateTime wall(int y, int mo, int d, int h, int mi, int s)
{
    return wallMoment(QDate(y, mo, d), QTime(h, mi, s));
}

CatalogueRow row(const char *frequency, const char *timeKey, int slot)
{
    return {QStringLiteral("row"),      QString::fromLatin1(frequency), {},  {}, QString::fromLatin1(timeKey),
            QStringLiteral("01012020"), QStringLiteral("1111111"),      slot};
}

} // namespace

TEST(TickPacer, SleepsTowardsTheNextDueSecondWithALastHopOfAMinuteAtMostAndNotPastAnOffsetChange)
{
    ScopedTimeZone berlin("Europe/Berlin");
    const auto transition = [](const QDateTime &now) {
        return QTimeZone::systemTimeZone().nextTransition(now).atUtc.toMSecsSinceEpoch();
    };
    const std::optional<QDateTime> none;
    const struct
    {
        const char *name;
        QDateTime now;
        std::optional<QDateTime> due;
        int sleepMs;
    } rows[] = {
        {"nothing will ring", local(2027, 1, 4, 10, 0, 0, 300), none, 600'000 - 300 + 5},
        {"due within the minute", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 10, 0, 7), 7000 - 300 + 5},
        {"due the next second", local(2027, 1, 4, 10, 0, 0, 999), local(2027, 1, 4, 10, 0, 1), 1 + 5},
        {"due in a minute", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 10, 1, 0), 60'000 - 300 + 5},
        // Longer: a sleep that ends half a minute before, then the approach.
        {"due in ninety seconds", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 10, 1, 30), 60'000 - 300 + 5},
        {"due in five minutes", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 10, 5, 0), 270'000 - 300 + 5},
        {"due in ten minutes and a half", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 10, 10, 30),
         600'000 - 300 + 5},
        {"due in eleven minutes", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 10, 11, 0), 600'000 - 300 + 5},
        {"due in an hour", local(2027, 1, 4, 10, 0, 0, 300), local(2027, 1, 4, 11, 0, 0), 600'000 - 300 + 5},
        // The wall clock jumps an hour ahead at 02:00: the change is approached first.
        {"clocks go forward", local(2027, 3, 28, 1, 59, 50), local(2027, 3, 28, 3, 0, 5), 10'000 + 5},
        {"just after the change", local(2027, 3, 28, 3, 0, 0, 5), local(2027, 3, 28, 3, 0, 5), 5000},
        {"clocks go back", local(2027, 10, 31, 2, 59, 50), local(2027, 10, 31, 3, 0, 10), 10'000 + 5},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(TickPacer::sleepMs(r.now, r.due, transition(r.now)), r.sleepMs);
    }
}

TEST(TickPacer, ShownTicksComeBackToTheGridOfTheSecond)
{
    const struct
    {
        int ms;
        int interval;
    } rows[] = {{5, 200}, {25, 200}, {26, 179}, {105, 100}, {0, 5}, {999, 6}, {205, 200}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.ms);
        EXPECT_EQ(TickPacer::shownIntervalMs(local(2027, 1, 4, 10, 0, 0, r.ms)), r.interval);
    }
}

// The timer is the pacer's only lever, and a stopped timer belongs to
// whoever stopped it: tests tick by hand.
TEST(TickPacer, ArmsARunningTimerAndLeavesAStoppedOneAlone)
{
    for (const bool running : {true, false}) {
        SCOPED_TRACE(running ? "running" : "stopped");
        QTimer timer;
        timer.setInterval(TickPacer::ShownIntervalMs);
        if (running)
            timer.start();
        TickPacer pacer(timer);
        FakeClockJumps jumps;
        pacer.addJumpSource(&jumps);
        const QDateTime now = local(2027, 1, 4, 10, 0, 0, 300);

        EXPECT_TRUE(pacer.isShown());
        pacer.setShown(false);
        EXPECT_EQ(timer.interval(), running ? 0 : TickPacer::ShownIntervalMs) << "hiding asks for a tick first";
        pacer.ticked(now, local(2027, 1, 4, 10, 0, 7));
        EXPECT_EQ(timer.interval(), 6705);
        jumps.jump();
        EXPECT_EQ(timer.interval(), running ? 0 : 6705);
        pacer.ticked(now, std::nullopt);
        pacer.setShown(true);
        EXPECT_EQ(timer.interval(), running ? 0 : 599'705);
        pacer.ticked(now, std::nullopt);
        EXPECT_EQ(timer.interval(), 105);
        EXPECT_EQ(timer.isActive(), running);
        EXPECT_EQ(timer.timerType(), Qt::PreciseTimer);
    }
}

TEST(AlarmScheduler, TheNextDueSecondFollowsTheCatalogueAndTheWallClock)
{
    AlarmCatalogue catalogue;
    ManualClock clock(local(2027, 1, 4, 10, 0, 0));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmScheduler scheduler(catalogue, clock, formatter);

    EXPECT_EQ(scheduler.nextDueMoment(), std::nullopt) << "an empty catalogue";
    catalogue.appendRow(row("Daily", "120000", 0));
    EXPECT_EQ(scheduler.nextDueMoment(), wall(2027, 1, 4, 12, 0, 0)) << "before the first look";
    catalogue.appendRow(row("Daily", "110000", 1));
    EXPECT_EQ(scheduler.nextDueMoment(), wall(2027, 1, 4, 11, 0, 0)) << "a row was added";

    clock.setNow(local(2027, 1, 4, 11, 0, 0));
    scheduler.collectDue();
    EXPECT_EQ(scheduler.nextDueMoment(), wall(2027, 1, 4, 12, 0, 0)) << "the due second was looked at";
    ASSERT_TRUE(scheduler.takeNext());

    clock.setNow(local(2027, 1, 4, 9, 0, 0));
    scheduler.collectDue();
    EXPECT_EQ(scheduler.nextDueMoment(), wall(2027, 1, 4, 11, 0, 0)) << "the clock was set back";

    catalogue.removeRowAt(1);
    EXPECT_EQ(scheduler.nextDueMoment(), wall(2027, 1, 4, 12, 0, 0)) << "a row was removed";
}

// The system clock reads the zone once per reading and hands out a moment
// with its offset: the same instant and the same wall clock as Qt's local time.
TEST(SystemClock, ReadsTheLocalWallClockWithItsOffsetInEveryZone)
{
    for (const char *zone : {"UTC", "Europe/Berlin", "America/St_Johns", "Asia/Kathmandu", "Pacific/Chatham"}) {
        SCOPED_TRACE(zone);
        ScopedTimeZone scoped(zone);
        const SystemClock clock;
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const QDateTime now = clock.now();
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        EXPECT_GE(now.toMSecsSinceEpoch(), before);
        EXPECT_LE(now.toMSecsSinceEpoch(), after);
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(now.toMSecsSinceEpoch(), Qt::LocalTime);
        EXPECT_EQ(now.offsetFromUtc(), local.offsetFromUtc());
        EXPECT_EQ(wallMomentOf(now), wallMomentOf(local));
        EXPECT_EQ(now.time().msec(), local.time().msec());
    }
}
