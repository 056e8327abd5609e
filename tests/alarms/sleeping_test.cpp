// The engine's tick while nobody sees the clock: it sleeps until the next due
// second and still rings it within that second, and a clock jump wakes it at once.

#include "enginetestsupport.h"
#include "fakeclockjumps.h"
#include "tickpacer.h"
#include "timezone.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <utility>

namespace {

CatalogueRow dailyRow(const QTime &time, int slot)
{
    return catalogueRow("Daily", time, slot);
}

} // namespace

// Two alarms two and three seconds ahead: the tick sleeps straight into each
// due second, rings it there, and then sleeps long.
TEST(SleepingEngine, RingsEachAlarmInItsDueSecondWithAFewTicks)
{
    EngineOn<> on(QDateTime(QDate(2027, 1, 4), QTime(10, 0, 0, 300)));
    AlarmEngine &engine = on.engine;
    ManualClock &clock = on.clock;
    engine.timer()->stop(); // this test is the timer
    engine.catalogue().appendRow(dailyRow(QTime(10, 0, 2), 0));
    engine.catalogue().appendRow(dailyRow(QTime(10, 0, 3), 1));
    QList<QPair<QDateTime, QDateTime>> rung; // due, wall clock when rung
    engine.setRinger([&](const RingingRequest &request) {
        const Occurrence &occurrence = request.occurrence;
        rung << qMakePair(occurrence.due, ScheduleRules::wallMomentOf(clock.now()));
    });
    engine.sleepWhileHidden({});
    engine.pacer().setShown(false);

    QList<int> sleeps;
    while (rung.size() < 2 && sleeps.size() < 10) {
        tick(engine);
        sleeps << engine.timer()->interval();
        clock.advance(sleeps.last());
    }
    // From 10:00:00.300 into 10:00:02.005, a second on into 10:00:03.005, both
    // landing just inside their due seconds; then the idle sleep.
    EXPECT_EQ(sleeps, (QList<int>{2000 - 300 + TickPacer::LandingMs, 1000, TickPacer::IdleSleepSeconds * 1000}));
    ASSERT_EQ(rung.size(), 2);
    for (const auto &[due, wallNow] : std::as_const(rung))
        EXPECT_EQ(wallNow, due) << "rang outside its due second: " << due.toString().toStdString();
    EXPECT_EQ(rung[0].first.time(), QTime(10, 0, 2));
    EXPECT_EQ(rung[1].first.time(), QTime(10, 0, 3));
}

// The clock is set onto an alarm's second while the tick sleeps long: the
// jump wakes it and the alarm rings now, not as missed on the next wake.
TEST(SleepingEngine, AClockJumpWakesItAtOnce)
{
    EngineOn<> on(QDateTime(QDate(2027, 1, 4), QTime(7, 0, 0)));
    AlarmEngine &engine = on.engine;
    ManualClock &clock = on.clock;
    engine.catalogue().appendRow(dailyRow(QTime(7, 30, 0), 0));
    QList<QDateTime> rung;
    engine.setRinger([&](const RingingRequest &request) {
        const Occurrence &occurrence = request.occurrence;
        rung << occurrence.due;
    });
    QSignalSpy missed(&engine, &AlarmEngine::alarmMissed);
    FakeClockJumps jumps;
    engine.sleepWhileHidden({&jumps});
    engine.pacer().setShown(false);
    tick(engine);
    ASSERT_TRUE(engine.timer()->isActive());
    EXPECT_EQ(engine.timer()->interval(), TickPacer::IdleSleepSeconds * 1000 + TickPacer::LandingMs)
        << "not asleep for the idle sleep";

    clock.setNow(QDateTime(QDate(2027, 1, 4), QTime(7, 30, 0)));
    jumps.jump();
    EXPECT_EQ(engine.timer()->interval(), 0) << "the jump did not wake the tick";
    tick(engine);
    EXPECT_EQ(rung, QList<QDateTime>{ScheduleRules::wallMoment(QDate(2027, 1, 4), QTime(7, 30, 0))});
    EXPECT_EQ(missed.count(), 0);
}

// Two weeks of the hidden engine on a fake clock that moves on by the sleeps
// it asks for, each woken up to half a second late, across the night the
// clocks go forward: every occurrence rings once and within its due second,
// and the tick wakes a few times an hour instead of five times a second.
TEST(SleepingEngine, TwoWeeksOfSleepsRingEveryAlarmInItsDueSecond)
{
    ScopedTimeZone berlin("Europe/Berlin");
    const QDateTime start(QDate(2027, 3, 22), QTime(0, 0));
    const QDateTime end(QDate(2027, 4, 5), QTime(0, 0));
    EngineOn<> on(start);
    AlarmEngine &engine = on.engine;
    ManualClock &clock = on.clock;
    engine.timer()->stop(); // this test is the timer
    engine.catalogue().appendRow(catalogueRow("Daily", QTime(7, 0, 0), 0));
    engine.catalogue().appendRow(catalogueRow("Hourly", QTime(0, 30, 0), 1));
    engine.catalogue().appendRow(catalogueRow("Weekly", QTime(6, 15, 30), 2, "0100010"));
    engine.catalogue().appendRow(catalogueRow("Monthly", QTime(23, 59, 59), 3, "0000000", "01012020"));
    QSignalSpy missed(&engine, &AlarmEngine::alarmMissed);
    QSet<QPair<int, qint64>> rung;
    engine.setRinger([&](const RingingRequest &request) {
        const Occurrence &occurrence = request.occurrence;
        const QDateTime wallNow = ScheduleRules::wallMomentOf(clock.now());
        // The hour the clocks skip rings at its end, as the scheduler always did.
        const bool skippedHour = occurrence.due.date() == QDate(2027, 3, 28) && occurrence.due.time().hour() == 2;
        if (!skippedHour) {
            EXPECT_EQ(wallNow, occurrence.due) << "late: " << occurrence.due.toString().toStdString();
        }
        EXPECT_FALSE(rung.contains({occurrence.slot, occurrence.due.toSecsSinceEpoch()})) << "rang twice";
        rung.insert({occurrence.slot, occurrence.due.toSecsSinceEpoch()});
    });
    engine.sleepWhileHidden({});
    engine.pacer().setShown(false);

    QRandomGenerator random(1503);
    int ticks = 0;
    while (clock.now() < end) {
        tick(engine);
        ++ticks;
        clock.advance(engine.timer()->interval() + random.bounded(500));
    }

    int expected = 0;
    for (QDate day = start.date(); day < end.date(); day = day.addDays(1))
        expected += 1 + 24 + (day.dayOfWeek() == 1 || day.dayOfWeek() == 5 ? 1 : 0) + (day.day() == 1 ? 1 : 0);
    EXPECT_EQ(rung.size(), expected);
    EXPECT_EQ(missed.count(), 0)
        << (missed.isEmpty() ? QString() : missed[0].value(1).toDateTime().toString()).toStdString();
    const int minutes = int(start.secsTo(end) / 60);
    EXPECT_LT(ticks, minutes / 5) << "the sleeping tick woke " << ticks << " times in " << minutes << " minutes";
}
