#pragma once

#include <QDateTime>
#include <QObject>
#include <optional>

class ClockJumpSource;
class QTimer;

// Paces the scheduler's tick on the timer it is given. While the clock can be
// seen the timer runs every 200 ms, aligned to the start of a second, so the
// seconds on the face turn on time. While it can't, the timer fires once: at
// the start of the next second in which something is due, approached in a
// last sleep of at most a minute (so a slow drift of the timer against the
// wall clock is made good, and the due second comes within the scheduler's
// catch-up minute); with nothing due for ten minutes it sleeps ten minutes;
// never past a daylight-saving change. A clock jump, a catalogue change or
// showing the clock makes it fire at once.
// The pacer never starts a stopped timer: whoever stopped it ticks by hand.
class TickPacer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ShownIntervalMs = 200;
    // The last sleep before a due second, at most; the sleep before it ends
    // this long before the due second.
    static constexpr int MaxSleepSeconds = 60;
    static constexpr int ApproachSeconds = 30;
    // The sleep while nothing is due sooner.
    static constexpr int IdleSleepSeconds = 600;
    // Wakes land this far into the second they aim at, so a timer that fires
    // a little early (the wall clock may be slewed) still finds that second.
    static constexpr int LandingMs = 5;

    explicit TickPacer(QTimer &timer, QObject *parent = nullptr);

    // Shown is the start state: a program that never says otherwise ticks as designed.
    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    void addJumpSource(ClockJumpSource *source);

    // Called at the end of every tick with the tick's moment and the instant
    // at which the next due alarm rings (see ScheduleRules::ringInstant).
    void ticked(const QDateTime &now, const std::optional<QDateTime> &nextDueAt);
    // The next tick comes as soon as the event loop is free.
    void wake();

    // How long to sleep after a tick at `now` (milliseconds). `transitionMs`
    // is the next change of the zone's offset, in ms since the epoch.
    static int sleepMs(const QDateTime &now, const std::optional<QDateTime> &nextDueAt,
                       std::optional<qint64> transitionMs);
    // The interval that brings the next shown tick back to the 200 ms grid.
    static int shownIntervalMs(const QDateTime &now);

private:
    std::optional<qint64> nextTransitionMs(const QDateTime &now);

    QTimer &m_timer;
    bool m_shown = true;
    // The next change of the local offset, looked up once and again after it passed or the clock jumped.
    bool m_transitionKnown = false;
    std::optional<qint64> m_transitionMs;
};
