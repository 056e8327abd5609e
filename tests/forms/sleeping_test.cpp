// The manager's tick while no window of the program shows: only real
// windows count, and showing one brings back the five ticks a second.

#include "formstestsupport.h"
#include "tickpacer.h"

#include <QMenu>
#include <QTest>

namespace {

class HiddenManager : public ManagerTest
{
protected:
    // With the timer running, as the program has it: showing a window must bring the ticks back by itself.
    HiddenManager() : ManagerTest(QDateTime(QDate(2027, 1, 4), QTime(10, 0, 0, 300))) { m_engine.timer()->start(); }
    void tick()
    {
        m_manager.TimerTimer();
        QCoreApplication::sendPostedEvents(&m_engine, QEvent::MetaCall);
    }
};

} // namespace

// Only real windows bring the tick back: a shown window does, a popup menu
// doesn't, and hiding the last window lets it sleep again. The clock stands
// still, so every tick asks for the same interval.
TEST_F(HiddenManager, ShowingAWindowTicksFiveTimesASecondAgain)
{
    // The idle sleep from 10:00:00.300, and the way back onto the 200 ms grid.
    constexpr int idleSleepMs = TickPacer::IdleSleepSeconds * 1000 - 300 + TickPacer::LandingMs;
    constexpr int shownMs = TickPacer::ShownIntervalMs - (300 - TickPacer::LandingMs) % TickPacer::ShownIntervalMs;
    m_manager.sleepWhileHidden({});
    tick();
    ASSERT_EQ(m_engine.timer()->interval(), idleSleepMs);

    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    menu.popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_FALSE(m_engine.pacer().isShown()) << "a menu counted as a window";
    EXPECT_EQ(m_engine.timer()->interval(), idleSleepMs) << "a menu woke the tick";
    menu.hide();

    // Only a tick woken by the window refreshes the face: the sleep lasts ten minutes.
    m_face.lines.clear();
    QWidget window;
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return m_engine.pacer().isShown(); }, 10'000));
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !m_face.lines.value(1).isEmpty(); }, 10'000)) << "the face stayed stale";
    EXPECT_EQ(m_engine.timer()->interval(), shownMs);

    window.hide();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !m_engine.pacer().isShown(); }, 10'000));
    EXPECT_TRUE(QTest::qWaitFor([&]() { return m_engine.timer()->interval() == idleSleepMs; }, 10'000))
        << "still ticking at " << m_engine.timer()->interval() << " ms";
}
