#include "tickpacer.h"

#include "clockjumps.h"

#include <QTimeZone>
#include <QTimer>
#include <algorithm>

namespace {

// A phase this far off the grid is left alone, so a steady tick is not restarted every time.
constexpr int kGridToleranceMs = 20;

// The wall-clock reading of a local moment, to the millisecond, in the same
// scale as the scheduler's wall-clock seconds.
qint64 wallMs(const QDateTime &local)
{
    return QDateTime(local.date(), local.time(), Qt::UTC).toMSecsSinceEpoch();
}

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

void TickPacer::ticked(const QDateTime &now, const std::optional<QDateTime> &nextDueWall)
{
    const int interval = m_shown ? shownIntervalMs(now) : sleepMs(now, nextDueWall, nextTransitionMs(now));
    // setInterval() restarts a running timer and leaves a stopped one stopped.
    if (interval != m_timer.interval())
        m_timer.setInterval(interval);
}

int TickPacer::shownIntervalMs(const QDateTime &now)
{
    const int phase = int((now.toMSecsSinceEpoch() - LandingMs) % ShownIntervalMs + ShownIntervalMs) % ShownIntervalMs;
    return phase <= kGridToleranceMs ? ShownIntervalMs : ShownIntervalMs - phase;
}

int TickPacer::sleepMs(const QDateTime &now, const std::optional<QDateTime> &nextDueWall,
                       std::optional<qint64> transitionMs)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 secondMs = floorDiv(nowMs, 1000) * 1000;
    // Until the offset changes, wall-clock time passes like real time. A
    // change of the offset is approached like a due second: the scheduler
    // must see it within its catch-up minute to ring a skipped hour's alarms.
    std::optional<qint64> eventMs;
    if (nextDueWall)
        eventMs = nowMs + (nextDueWall->toMSecsSinceEpoch() - wallMs(now)) + LandingMs;
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
