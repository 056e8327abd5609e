#include "wallclockwatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

WallClockWatcher::WallClockWatcher(const QString &zoneFile, QObject *parent)
    : ClockJumpSource(parent), m_zoneFile(zoneFile)
{
    m_timerFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_timerFd < 0 || !armTimer()) {
        std::fprintf(stderr, "chronelle: a setting of the clock can't be noticed at once: %s\n", std::strerror(errno));
        if (m_timerFd >= 0)
            ::close(m_timerFd);
        m_timerFd = -1;
    } else {
        m_timerNotifier = new QSocketNotifier(qintptr(m_timerFd), QSocketNotifier::Read, this);
        connect(m_timerNotifier, &QSocketNotifier::activated, this, &WallClockWatcher::timerFired);
    }

    const QString folder = QFileInfo(m_zoneFile).absolutePath();
    m_zoneWatcher = new QFileSystemWatcher(this);
    if (!m_zoneWatcher->addPath(folder)) {
        std::fprintf(stderr, "chronelle: a change of the time zone can't be noticed at once: %s can't be watched\n",
                     qPrintable(folder));
        delete m_zoneWatcher;
        m_zoneWatcher = nullptr;
        return;
    }
    m_zoneSignature = zoneSignature();
    connect(m_zoneWatcher, &QFileSystemWatcher::directoryChanged, this, &WallClockWatcher::zoneFolderChanged);
}

WallClockWatcher::~WallClockWatcher()
{
    if (m_timerFd >= 0)
        ::close(m_timerFd);
}

bool WallClockWatcher::armTimer()
{
    // An expiry that never comes: the timer only exists to be cancelled.
    itimerspec spec{};
    spec.it_value.tv_sec = std::time(nullptr) + 100L * 365 * 24 * 3600;
    return ::timerfd_settime(m_timerFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) == 0;
}

void WallClockWatcher::timerFired()
{
    quint64 expirations = 0;
    const ssize_t got = ::read(m_timerFd, &expirations, sizeof expirations);
    if (got < 0 && errno == EAGAIN)
        return;
    // ECANCELED: the clock was set. The timer must be armed again to hear of the next setting.
    armTimer();
    emit clockMayHaveJumped();
}

QByteArray WallClockWatcher::zoneSignature() const
{
    // The link's target and the zone data behind it; a copied-in zone file changes the latter.
    const QFileInfo link(m_zoneFile);
    const QFileInfo data(link.canonicalFilePath());
    return link.symLinkTarget().toUtf8() + '\n' + QByteArray::number(data.size()) + '\n' +
           QByteArray::number(data.lastModified().toMSecsSinceEpoch());
}

void WallClockWatcher::zoneFolderChanged()
{
    // The folder holds much else; only a new zone counts.
    const QByteArray signature = zoneSignature();
    if (signature == m_zoneSignature)
        return;
    m_zoneSignature = signature;
    emit clockMayHaveJumped();
}
