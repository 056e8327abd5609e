#pragma once

#include "waketimer.h"

class QSocketNotifier;

// A timerfd on CLOCK_REALTIME_ALARM: the kernel programs the real-time clock
// so that a suspended machine wakes at the moment. Making one needs the
// capability CAP_WAKE_ALARM (for example granted to the executable with
// setcap) and a real-time clock that can wake the machine; without them the
// probe at construction says which is missing, and nothing is ever armed.
// Being on the realtime clock, an armed moment stays right when the clock is set.
class RealtimeAlarmWakeTimer final : public WakeTimer
{
    Q_OBJECT

public:
    RealtimeAlarmWakeTimer();
    ~RealtimeAlarmWakeTimer() override;

    // What a timer made now would be allowed; no timer is kept.
    static Availability probe();

    Availability availability() const override { return m_availability; }
    bool arm(const QDateTime &moment) override;
    void clear() override;

private:
    Availability m_availability;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
