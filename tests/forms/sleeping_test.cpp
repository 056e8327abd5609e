// The manager's tick while no window shows: it sleeps until the next due
// second and still rings it within that second, a clock jump wakes it at
// once, and showing a window brings back the five ticks a second.

#include "fakeclockjumps.h"
#include "formstestsupport.h"
#include "tickpacer.h"
#include "timezone.h"
#include "windowvisibility.h"

#include <QMenu>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <utility>

namespace {

CatalogueRow catalogueRow(const char *frequency, const QTime &time, int slot, const char *mask = "1111111",
                          const char *date = "01012020")
{
    return CatalogueRow::fromFields(QStringList()
                                    << QStringLiteral("row") << QString::fromLatin1(frequency) << QString() << QString()
                                    << time.toString(u"HHmmss") << QString::fromLatin1(date)
                                    << QString::fromLatin1(mask) << QString::number(slot));
}

CatalogueRow dailyRow(const QTime &time, int slot)
{
    return catalogueRow("Daily", time, slot);
}

// A manager window in a folder of its own, on the clock of the test.
template <typename ClockType> struct ManagerOn
{
    template <typename... Start> explicit ManagerOn(Start &&...start) : clock(std::forward<Start>(start)...) {}
    QTemporaryDir dir;
    LinesFace face;
    ClockType clock;
    DateTimeFormatter formatter{LocaleFormats::usEnglish()};
    TFormAlarmList manager{dir.path() + u'/', face, clock, formatter};
};

// A tick by hand, as the timer's timeout would run it, with the ringing it posts.
void tick(TFormAlarmList &manager)
{
    manager.TimerTimer();
    QCoreApplication::sendPostedEvents(&manager, QEvent::MetaCall);
}

} // namespace

// Two alarms two and three seconds ahead: the tick sleeps straight into each
// due second, rings it there, and then sleeps long.
TEST(SleepingManager, RingsEachAlarmInItsDueSecondWithAFewTicks)
{
    ManagerOn<ManualClock> on(QDateTime(QDate(2027, 1, 4), QTime(10, 0, 0, 300)));
    TFormAlarmList &manager = on.manager;
    ManualClock &clock = on.clock;
    manager.timer()->stop(); // this test is the timer
    manager.catalogue().appendRow(dailyRow(QTime(10, 0, 2), 0));
    manager.catalogue().appendRow(dailyRow(QTime(10, 0, 3), 1));
    QList<QPair<QDateTime, QDateTime>> rung; // due, wall clock when rung
    manager.setRinger([&](TFormAlarmList &, const Occurrence &occurrence) {
        rung << qMakePair(occurrence.due, ScheduleRules::wallMomentOf(clock.now()));
    });
    manager.sleepWhileHidden({});
    ASSERT_FALSE(manager.pacer().isShown()) << "a window of the test shows";

    QList<int> sleeps;
    while (rung.size() < 2 && sleeps.size() < 10) {
        tick(manager);
        sleeps << manager.timer()->interval();
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
TEST(SleepingManager, AClockJumpWakesItAtOnce)
{
    ManagerOn<ManualClock> on(QDateTime(QDate(2027, 1, 4), QTime(7, 0, 0)));
    TFormAlarmList &manager = on.manager;
    ManualClock &clock = on.clock;
    manager.catalogue().appendRow(dailyRow(QTime(7, 30, 0), 0));
    QList<QDateTime> rung;
    manager.setRinger([&](TFormAlarmList &, const Occurrence &occurrence) { rung << occurrence.due; });
    QSignalSpy missed(&manager, &TFormAlarmList::alarmMissed);
    FakeClockJumps jumps;
    manager.sleepWhileHidden({&jumps});
    tick(manager);
    ASSERT_TRUE(manager.timer()->isActive());
    EXPECT_EQ(manager.timer()->interval(), TickPacer::IdleSleepSeconds * 1000 + TickPacer::LandingMs)
        << "not asleep for the idle sleep";

    clock.setNow(QDateTime(QDate(2027, 1, 4), QTime(7, 30, 0)));
    jumps.jump();
    EXPECT_EQ(manager.timer()->interval(), 0) << "the jump did not wake the tick";
    tick(manager);
    EXPECT_EQ(rung, QList<QDateTime>{ScheduleRules::wallMoment(QDate(2027, 1, 4), QTime(7, 30, 0))});
    EXPECT_EQ(missed.count(), 0);
}

// Only real windows bring the tick back: a shown window does, a popup menu
// doesn't, and hiding the last window lets it sleep again. The clock stands
// still, so every tick asks for the same interval.
TEST(SleepingManager, ShowingAWindowTicksFiveTimesASecondAgain)
{
    ManagerOn<ManualClock> on(QDateTime(QDate(2027, 1, 4), QTime(10, 0, 0, 300)));
    TFormAlarmList &manager = on.manager;
    LinesFace &face = on.face;
    // The idle sleep from 10:00:00.300, and the way back onto the 200 ms grid.
    constexpr int idleSleepMs = TickPacer::IdleSleepSeconds * 1000 - 300 + TickPacer::LandingMs;
    constexpr int shownMs = TickPacer::ShownIntervalMs - (300 - TickPacer::LandingMs) % TickPacer::ShownIntervalMs;
    manager.sleepWhileHidden({});
    tick(manager);
    ASSERT_EQ(manager.timer()->interval(), idleSleepMs);

    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_FALSE(manager.pacer().isShown()) << "a menu counted as a window";
    EXPECT_EQ(manager.timer()->interval(), idleSleepMs) << "a menu woke the tick";
    menu.hide();

    // Only a tick woken by the window refreshes the face: the sleep lasts ten minutes.
    face.lines.clear();
    QWidget window;
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return manager.pacer().isShown(); }, 10'000));
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !face.lines.value(1).isEmpty(); }, 10'000)) << "the face stayed stale";
    EXPECT_EQ(manager.timer()->interval(), shownMs);

    window.hide();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !manager.pacer().isShown(); }, 10'000));
    EXPECT_TRUE(QTest::qWaitFor([&]() { return manager.timer()->interval() == idleSleepMs; }, 10'000))
        << "still ticking at " << manager.timer()->interval() << " ms";
}

// Two weeks of the hidden manager on a fake clock that moves on by the sleeps
// it asks for, each woken up to half a second late, across the night the
// clocks go forward: every occurrence rings once and within its due second,
// and the tick wakes a few times an hour instead of five times a second.
TEST(SleepingManager, TwoWeeksOfSleepsRingEveryAlarmInItsDueSecond)
{
    ScopedTimeZone berlin("Europe/Berlin");
    const QDateTime start(QDate(2027, 3, 22), QTime(0, 0));
    const QDateTime end(QDate(2027, 4, 5), QTime(0, 0));
    ManagerOn<ManualClock> on(start);
    TFormAlarmList &manager = on.manager;
    ManualClock &clock = on.clock;
    manager.timer()->stop(); // this test is the timer
    manager.catalogue().appendRow(catalogueRow("Daily", QTime(7, 0, 0), 0));
    manager.catalogue().appendRow(catalogueRow("Hourly", QTime(0, 30, 0), 1));
    manager.catalogue().appendRow(catalogueRow("Weekly", QTime(6, 15, 30), 2, "0100010"));
    manager.catalogue().appendRow(catalogueRow("Monthly", QTime(23, 59, 59), 3, "0000000", "01012020"));
    QSignalSpy missed(&manager, &TFormAlarmList::alarmMissed);
    QSet<QPair<int, qint64>> rung;
    manager.setRinger([&](TFormAlarmList &, const Occurrence &occurrence) {
        const QDateTime wallNow = ScheduleRules::wallMomentOf(clock.now());
        // The hour the clocks skip rings at its end, as the scheduler always did.
        const bool skippedHour = occurrence.due.date() == QDate(2027, 3, 28) && occurrence.due.time().hour() == 2;
        if (!skippedHour) {
            EXPECT_EQ(wallNow, occurrence.due) << "late: " << occurrence.due.toString().toStdString();
        }
        EXPECT_FALSE(rung.contains({occurrence.slot, occurrence.due.toSecsSinceEpoch()})) << "rang twice";
        rung.insert({occurrence.slot, occurrence.due.toSecsSinceEpoch()});
    });
    manager.sleepWhileHidden({});
    ASSERT_FALSE(manager.pacer().isShown());

    QRandomGenerator random(1503);
    int ticks = 0;
    while (clock.now() < end) {
        tick(manager);
        ++ticks;
        clock.advance(manager.timer()->interval() + random.bounded(500));
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
