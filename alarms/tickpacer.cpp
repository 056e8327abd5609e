#include "tickpacer.h"

#include "clockjumps.h"

#include <QTimeZone>
#include <QTimer>
#include <algorithm>

namespace {

// A phase this far off the grid is left alone, so a steady tick is not restarted every time.
constexpr int kGridToleranceMs = 20;

qint64 floorDiv(qint64 value, qint64 by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

} // namespace

TickPacer::TickPacer(QTimer &timer, QObject *parent) : QObject(parent), m_timer(timer)
{
    // A coarse timer may fire 5% late: three seconds on a minute's sleep.
    m_timer.setTimerType(Qt::PreciseTimer);
}

void TickPacer::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    // Shown: the face is brought up to date now. Hidden: the next due second
    // is looked up by a tick before the long sleep begins.
    wake();
}

void TickPacer::addJumpSource(ClockJumpSource *source)
{
    connect(source, &ClockJumpSource::clockMayHaveJumped, this, [this]() {
        m_transitionKnown = false;
        wake();
    });
}

void TickPacer::wake()
{
    if (m_timer.isActive())
        m_timer.setInterval(0);
}

void TickPacer::ticked(const QDateTime &now, const std::optional<QDateTime> &nextDueAt)
{
    const int interval = m_shown ? shownIntervalMs(now) : sleepMs(now, nextDueAt, nextTransitionMs(now));
    // setInterval() restarts a running timer and leaves a stopped one stopped.
    if (interval != m_timer.interval())
        m_timer.setInterval(interval);
}

int TickPacer::shownIntervalMs(const QDateTime &now)
{
    const int phase = int((now.toMSecsSinceEpoch() - LandingMs) % ShownIntervalMs + ShownIntervalMs) % ShownIntervalMs;
    return phase <= kGridToleranceMs ? ShownIntervalMs : ShownIntervalMs - phase;
}

int TickPacer::sleepMs(const QDateTime &now, const std::optional<QDateTime> &nextDueAt,
                       std::optional<qint64> transitionMs)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 secondMs = floorDiv(nowMs, 1000) * 1000;
    // A change of the offset is approached like a due second: the scheduler
    // looks at the wall clock on both sides of it within its catch-up minute.
    std::optional<qint64> eventMs;
    if (nextDueAt)
        eventMs = nextDueAt->toMSecsSinceEpoch() + LandingMs;
    if (transitionMs && *transitionMs > nowMs)
        eventMs = std::min(eventMs.value_or(*transitionMs + LandingMs), *transitionMs + LandingMs);
    qint64 until = 0;
    if (!eventMs || *eventMs - nowMs > (IdleSleepSeconds + ApproachSeconds) * 1000LL) {
        // Nothing due for a while: a long sleep; the drift of the timer over
        // it is made good at the approach.
        until = secondMs + IdleSleepSeconds * 1000LL + LandingMs;
    } else if (*eventMs - nowMs > MaxSleepSeconds * 1000LL) {
        until = *eventMs - ApproachSeconds * 1000LL;
    } else {
        // The approach: the scheduler counts whole seconds, and a due second
        // reached within a minute of the last look rings even when the wake
        // comes late.
        until = *eventMs;
    }
    return int(std::clamp<qint64>(until - nowMs, 1, IdleSleepSeconds * 1000LL + 1000));
}

std::optional<qint64> TickPacer::nextTransitionMs(const QDateTime &now)
{
    if (!m_transitionKnown || (m_transitionMs && *m_transitionMs <= now.toMSecsSinceEpoch())) {
        const QTimeZone zone = QTimeZone::systemTimeZone();
        const QTimeZone::OffsetData next = zone.nextTransition(now);
        m_transitionMs = next.atUtc.isValid() ? std::optional(next.atUtc.toMSecsSinceEpoch()) : std::nullopt;
        m_transitionKnown = true;
    }
    return m_transitionMs;
}
