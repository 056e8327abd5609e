// The wake timer follows the next due alarm: armed a little before it,
// armed again when the catalogue or the time zone changes, cleared when no
// alarm remains, tried again when the system refuses it. A tick that changes
// none of it makes no new moment.

#include "enginetestsupport.h"
#include "fakeclockjumps.h"
#include "fakewaketimer.h"
#include "timezone.h"

#include <QSignalSpy>

namespace {

class Waking : public ::testing::Test
{
protected:
    Waking() { m_engine.timer()->stop(); }
    void tick() { ::tick(m_engine); }
    static CatalogueRow daily(const QTime &time, int slot)
    {
        return CatalogueRow::fromFields({QStringLiteral("Daily"), QStringLiteral("Daily"), QString(), QString(),
                                         time.toString(u"HHmmss"), QStringLiteral("07122026"),
                                         QStringLiteral("0000000"), QString::number(slot)});
    }
    // A local time on a day of December 2026, as the real moment it is now.
    static QDateTime local(int day, const QTime &time) { return QDateTime(QDate(2026, 12, day), time, Qt::LocalTime); }

    ScopedTimeZone m_zone{"Europe/Berlin"};
    EngineOn<> m_on{QDateTime(QDate(2026, 12, 7), QTime(6, 0), Qt::LocalTime)};
    AlarmEngine &m_engine = m_on.engine;
    ManualClock &m_clock = m_on.clock;
};

} // namespace

TEST_F(Waking, TheTimerFollowsTheNextDueAlarmAndIsClearedWithoutOne)
{
    FakeWakeTimer timer;
    m_engine.setWakeTimer(&timer);
    tick();
    EXPECT_TRUE(timer.armedFor.isEmpty()) << "armed with no alarm at all";

    m_engine.catalogue().appendRow(daily(QTime(7, 30), 0));
    tick();
    ASSERT_EQ(timer.armedFor.size(), 1);
    EXPECT_EQ(timer.armedFor.last(), local(7, QTime(7, 29, 40)));
    for (int i = 0; i < 10; ++i) {
        m_clock.advance(200);
        tick();
    }
    EXPECT_EQ(timer.armedFor.size(), 1) << "armed again although nothing changed";

    // When its moment comes, a sleeping tick looks at the clock at once.
    m_engine.timer()->start(60'000);
    emit timer.fired();
    EXPECT_EQ(m_engine.timer()->interval(), 0);
    m_engine.timer()->stop();

    m_engine.catalogue().appendRow(daily(QTime(6, 30), 1));
    tick();
    EXPECT_EQ(timer.armedFor.last(), local(7, QTime(6, 29, 40)));
    m_engine.catalogue().removeRowAt(1);
    tick();
    EXPECT_EQ(timer.armedFor.last(), local(7, QTime(7, 29, 40)));

    // Once rung, the alarm of tomorrow is next.
    m_clock.setNow(local(7, QTime(7, 30, 0)));
    tick();
    m_clock.setNow(local(7, QTime(7, 30, 1)));
    tick();
    EXPECT_EQ(timer.armedFor.last(), local(8, QTime(7, 29, 40)));

    // The same wall-clock time is another moment in another zone.
    {
        ScopedTimeZone tokyo("Asia/Tokyo");
        // The same instant, read on Tokyo's wall clock, as the system clock would.
        m_clock.setNow(QDateTime::fromMSecsSinceEpoch(m_clock.now().toMSecsSinceEpoch(), Qt::LocalTime));
        tick();
        EXPECT_EQ(timer.armedFor.last().toMSecsSinceEpoch(),
                  QDateTime(QDate(2026, 12, 8), QTime(7, 29, 40), Qt::LocalTime).toMSecsSinceEpoch());
    }

    EXPECT_TRUE(timer.armed);
    m_engine.catalogue().removeRowAt(0);
    tick();
    EXPECT_FALSE(timer.armed) << "still armed with no alarm left";
    EXPECT_EQ(timer.clearings, 1);
}

TEST_F(Waking, WhereWakingIsNotPermittedNothingIsArmed)
{
    m_engine.catalogue().appendRow(daily(QTime(7, 30), 0));
    FakeWakeTimer timer({false, QStringLiteral("this program lacks CAP_WAKE_ALARM"), QString()});
    QSignalSpy changes(&m_engine, &AlarmEngine::wakingChanged);
    m_engine.setWakeTimer(&timer);
    tick();
    EXPECT_EQ(timer.attempts, 0);
    EXPECT_FALSE(m_engine.wakeRefused()) << "a timer that may not wake was asked anyway";
    EXPECT_EQ(changes.count(), 1) << "the window was not told of the new timer";
    m_engine.setWakeTimer(nullptr);
}

// A moment the system refuses is not taken as armed: it is tried again on
// the next ticks, the manager says so once, and stops saying so when it is armed.
TEST_F(Waking, ARefusedMomentIsTriedAgainAndToldOnce)
{
    FakeWakeTimer timer;
    timer.refuse = true;
    m_engine.setWakeTimer(&timer);
    QSignalSpy changes(&m_engine, &AlarmEngine::wakingChanged);
    m_engine.catalogue().appendRow(daily(QTime(7, 30), 0));
    tick();
    EXPECT_TRUE(timer.armedFor.isEmpty());
    EXPECT_TRUE(m_engine.wakeRefused()) << "the refusal went unsaid";
    for (int i = 0; i < 3; ++i) {
        m_clock.advance(200);
        tick();
    }
    EXPECT_EQ(timer.attempts, 4) << "a refused moment must be tried again";
    EXPECT_EQ(changes.count(), 1) << "the refusal was told more than once";

    timer.refuse = false;
    tick();
    ASSERT_EQ(timer.armedFor.size(), 1);
    EXPECT_EQ(timer.armedFor.last(), local(7, QTime(7, 29, 40)));
    EXPECT_FALSE(m_engine.wakeRefused()) << "still refused although armed";
    EXPECT_EQ(changes.count(), 2);
    tick();
    EXPECT_EQ(timer.attempts, 5) << "armed again although nothing changed";
    m_engine.setWakeTimer(nullptr);
}

// A new zone with today's offset but another one on the alarm's day: the word
// that the clock may have jumped makes the moment anew.
TEST_F(Waking, ANewZoneWithTheSameOffsetTodayMovesTheMomentWhenTheClockMayHaveJumped)
{
    FakeWakeTimer timer;
    FakeClockJumps jumps;
    m_engine.sleepWhileHidden({&jumps});
    ScopedTimeZone lagos("Africa/Lagos");
    m_clock.setNow(QDateTime(QDate(2027, 3, 27), QTime(12, 0), Qt::LocalTime));
    m_engine.setWakeTimer(&timer);
    m_engine.catalogue().appendRow(daily(QTime(7, 30), 0));
    tick();
    ASSERT_EQ(timer.armedFor.size(), 1);
    EXPECT_EQ(timer.armedFor.last().toUTC(), QDateTime(QDate(2027, 3, 28), QTime(6, 29, 40), Qt::UTC));
    {
        // Berlin is an hour ahead of UTC today too, but two on the 28th.
        ScopedTimeZone berlin("Europe/Berlin");
        jumps.jump();
        tick();
        ASSERT_EQ(timer.armedFor.size(), 2) << "the moment was not made anew";
        EXPECT_EQ(timer.armedFor.last().toUTC(), QDateTime(QDate(2027, 3, 28), QTime(5, 29, 40), Qt::UTC));
    }
    m_engine.setWakeTimer(nullptr);
}
