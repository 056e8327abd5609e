#include "clock.h"

#include <ctime>

SystemClock::SystemClock()
{
    m_started.start();
}

QDateTime SystemClock::now() const
{
    // One look at the zone (tzset() notices a new one), and a moment that
    // carries the offset it found: its instant, date and time then cost no
    // further look-up, where a local-time QDateTime asks the zone again for
    // each instant.
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    ::tzset();
    const time_t seconds = time_t(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    tm local{};
    if (!::localtime_r(&seconds, &local))
        return QDateTime::currentDateTime();
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, int(local.tm_gmtoff));
}

qint64 SystemClock::monotonicMs() const
{
    return m_started.elapsed();
}

ManualClock::ManualClock(QDateTime start) : m_now(std::move(start)) {}

void ManualClock::advance(qint64 ms)
{
    m_now = m_now.addMSecs(ms);
    m_monotonic += ms;
}
