// The manager's tick while no window shows: it sleeps until the next due
// second and still rings it within that second, a clock jump wakes it at
// once, and showing a window brings back the five ticks a second.

#include "clockjumps.h"
#include "formstestsupport.h"
#include "tickpacer.h"
#include "windowvisibility.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

CatalogueRow dailyRow(const QTime &time, int slot)
{
    return CatalogueRow::fromFields(QStringList() << QStringLiteral("row") << QStringLiteral("Daily") << QString()
                                                  << QString() << time.toString(u"HHmmss") << QStringLiteral("01012020")
                                                  << QStringLiteral("1111111") << QString::number(slot));
}

class FakeJumps final : public ClockJumpSource
{
public:
    void jump() { emit clockMayHaveJumped(); }
};

} // namespace

// On the real clock: two alarms two and three seconds ahead ring in their
// own seconds, and the tick fires only a handful of times to get there.
TEST(SleepingManager, RingsEachAlarmInItsDueSecondWithAFewTicks)
{
    QTemporaryDir dir;
    LinesFace face;
    SystemClock clock;
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    TFormAlarmList manager(dir.path() + u'/', face, clock, formatter);
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
    QTemporaryDir dir;
    LinesFace face;
    ManualClock clock(QDateTime(QDate(2027, 1, 4), QTime(7, 0, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    TFormAlarmList manager(dir.path() + u'/', face, clock, formatter);
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
    QTemporaryDir dir;
    LinesFace face;
    SystemClock clock;
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    TFormAlarmList manager(dir.path() + u'/', face, clock, formatter);
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
