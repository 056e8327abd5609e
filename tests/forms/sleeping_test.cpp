// The manager's tick while no window shows: it sleeps until the next due
// second and still rings it within that second, a clock jump wakes it at
// once, and showing a window brings back the five ticks a second.

#include "clockjumps.h"
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

class FakeJumps final : public ClockJumpSource
{
public:
    void jump() { emit clockMayHaveJumped(); }
};

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

} // namespace

// On the real clock: two alarms two and three seconds ahead ring in their
// own seconds, and the tick fires only a handful of times to get there.
TEST(SleepingManager, RingsEachAlarmInItsDueSecondWithAFewTicks)
{
    ManagerOn<SystemClock> on;
    TFormAlarmList &manager = on.manager;
    const SystemClock &clock = on.clock;
    const QTime now = QTime::currentTime();
    if (now.msecsTo(QTime(23, 59, 50)) < 0)
        GTEST_SKIP() << "too close to midnight for Daily rows";
    const QTime first = now.addSecs(2), second = now.addSecs(3);
    manager.catalogue().appendRow(dailyRow(first, 0));
    manager.catalogue().appendRow(dailyRow(second, 1));
    QList<qint64> lateMs;
    manager.setRinger([&](TFormAlarmList &, const Occurrence &occurrence) {
        lateMs << ScheduleRules::wallMomentOf(clock.now()).toSecsSinceEpoch() * 1000 + clock.now().time().msec() -
                      occurrence.due.toMSecsSinceEpoch();
    });
    QSignalSpy ticks(manager.timer(), &QTimer::timeout);
    manager.sleepWhileHidden({});
    ASSERT_FALSE(manager.pacer().isShown()) << "a window of the test shows";

    EXPECT_TRUE(QTest::qWaitFor([&]() { return lateMs.size() == 2; }, 6000));
    for (const qint64 late : lateMs) {
        EXPECT_GE(late, 0);
        EXPECT_LT(late, 1000) << "rang after its due second";
    }
    // One tick to look up the next due second, one for each due second,
    // maybe one that came a little early.
    EXPECT_LE(ticks.count(), 5);
    EXPECT_GT(manager.timer()->interval(), 20'000) << "not asleep after the last alarm";
}

// The clock is set onto an alarm's second while the tick sleeps for a minute:
// the jump wakes it and the alarm rings now, not as missed a minute later.
TEST(SleepingManager, AClockJumpWakesItAtOnce)
{
    ManagerOn<ManualClock> on(QDateTime(QDate(2027, 1, 4), QTime(7, 0, 0)));
    TFormAlarmList &manager = on.manager;
    ManualClock &clock = on.clock;
    manager.catalogue().appendRow(dailyRow(QTime(7, 30, 0), 0));
    QList<QDateTime> rung;
    manager.setRinger([&](TFormAlarmList &, const Occurrence &occurrence) { rung << occurrence.due; });
    QSignalSpy missed(&manager, &TFormAlarmList::alarmMissed);
    FakeJumps jumps;
    manager.sleepWhileHidden({&jumps});
    QTest::qWait(50);
    EXPECT_GE(manager.timer()->interval(), 59'000) << "not asleep for a minute";

    clock.setNow(QDateTime(QDate(2027, 1, 4), QTime(7, 30, 0)));
    jumps.jump();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !rung.isEmpty(); }, 500)) << "the jump did not wake the tick";
    EXPECT_EQ(missed.count(), 0);
}

// Only real windows bring the tick back: a shown window does, a popup menu
// doesn't, and hiding the last window lets it sleep again.
TEST(SleepingManager, ShowingAWindowTicksFiveTimesASecondAgain)
{
    ManagerOn<SystemClock> on;
    TFormAlarmList &manager = on.manager;
    LinesFace &face = on.face;
    manager.sleepWhileHidden({});
    QTest::qWait(50);
    ASSERT_GT(manager.timer()->interval(), 1000);

    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(10, 10));
    QTest::qWait(50);
    EXPECT_FALSE(manager.pacer().isShown()) << "a menu counted as a window";
    menu.hide();

    face.lines.clear();
    QWidget window;
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return manager.pacer().isShown(); }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !face.lines.value(1).isEmpty(); }, 1000)) << "the face stayed stale";
    QTest::qWait(250);
    EXPECT_LE(manager.timer()->interval(), TickPacer::ShownIntervalMs);

    window.hide();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !manager.pacer().isShown(); }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&]() { return manager.timer()->interval() > 1000; }, 1000));
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
        manager.TimerTimer();
        QCoreApplication::sendPostedEvents(&manager, QEvent::MetaCall);
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
