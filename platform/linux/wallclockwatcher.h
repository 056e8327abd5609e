#pragma once

#include "clockjumps.h"

#include <QByteArray>
#include <QString>

class QFileSystemWatcher;
class QSocketNotifier;

// The wall clock was set (by hand or by a time service) or the system time
// zone was replaced. A realtime timerfd armed with TFD_TIMER_CANCEL_ON_SET is
// cancelled by the kernel at every setting of the clock; the zone file is
// watched through its folder, since a new zone replaces the link rather than
// writing to it. Neither costs a wakeup while nothing happens.
class WallClockWatcher final : public ClockJumpSource
{
    Q_OBJECT

public:
    explicit WallClockWatcher(const QString &zoneFile = QStringLiteral("/etc/localtime"), QObject *parent = nullptr);
    ~WallClockWatcher() override;

    // Both watches work; what doesn't is said once on the standard error.
    bool isWatching() const { return m_timerFd >= 0 && m_zoneWatcher; }

private:
    bool armTimer();
    void timerFired();
    void zoneFolderChanged();
    QByteArray zoneSignature() const;

    QString m_zoneFile;
    QByteArray m_zoneSignature;
    int m_timerFd = -1;
    QSocketNotifier *m_timerNotifier = nullptr;
    QFileSystemWatcher *m_zoneWatcher = nullptr;
};
