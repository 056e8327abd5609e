#pragma once

#include "clockjumps.h"

#include <QDBusConnection>

// The machine woke from a suspend or a hibernation: logind says so with
// PrepareForSleep(false) on the system bus. Timers measured on the monotonic
// clock stood still while it slept, so a sleeper must look at the wall clock.
class LogindResumeWatcher final : public ClockJumpSource
{
    Q_OBJECT

public:
    explicit LogindResumeWatcher(QDBusConnection systemBus = QDBusConnection::systemBus(), QObject *parent = nullptr);

    // The signal could be subscribed to; without a system bus it can't.
    bool isWatching() const { return m_watching; }

private slots:
    void prepareForSleep(bool start);

private:
    bool m_watching = false;
};
