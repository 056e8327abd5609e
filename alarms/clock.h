#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Where the program learns the time. Everything that depends on the moment
// takes a Clock, so tests can put the program at any moment they like.
class Clock
{
public:
    virtual ~Clock() = default;
    // The local wall-clock moment, to the millisecond: its date() and time()
    // are the local ones. In local time, or with the local offset of that
    // moment attached (then its instant costs no look-up of the zone).
    virtual QDateTime now() const = 0;
    // A monotonic count of milliseconds that never jumps with the wall clock.
    virtual qint64 monotonicMs() const = 0;
};

// The machine's own clock.
class SystemClock final : public Clock
{
public:
    SystemClock();
    QDateTime now() const override;
    qint64 monotonicMs() const override;

private:
    QElapsedTimer m_started;
};

// A clock that stands still until it is set or advanced; the monotonic count
// moves with advance() only, as a real one would across a wall-clock change.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start);
    QDateTime now() const override { return m_now; }
    qint64 monotonicMs() const override { return m_monotonic; }

    void setNow(const QDateTime &moment) { m_now = moment; }
    void advance(qint64 ms);

private:
    QDateTime m_now;
    qint64 m_monotonic = 0;
};
