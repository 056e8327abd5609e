#include "realtimealarmwaketimer.h"

#include "systemwaketimer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

WakeTimer::Availability unavailable(int error)
{
    if (error == EPERM) {
        return {false, QCoreApplication::translate("WakeTimer", "this program lacks the capability CAP_WAKE_ALARM"),
                QCoreApplication::translate(
                    "WakeTimer", "To allow it, an administrator can run once:\nsudo setcap cap_wake_alarm+ep %1")
                    .arg(QCoreApplication::applicationFilePath())};
    }
    if (error == EINVAL || error == ENODEV || error == EOPNOTSUPP)
        return {false, QCoreApplication::translate("WakeTimer", "this system has no clock that can wake it"),
                QString()};
    return {false, QString::fromLocal8Bit(std::strerror(error)), QString()};
}

int makeTimer(int *error)
{
    const int fd = ::timerfd_create(CLOCK_REALTIME_ALARM, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    // Without a wake-capable real-time clock the kernel still hands out the
    // timer, but it would never wake anything: its resolution says whether
    // there is such a clock.
    timespec resolution{};
    if (::clock_getres(CLOCK_REALTIME_ALARM, &resolution) != 0) {
        *error = errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::unique_ptr<WakeTimer> createSystemWakeTimer()
{
    return std::make_unique<RealtimeAlarmWakeTimer>();
}

WakeTimer::Availability RealtimeAlarmWakeTimer::probe()
{
    int error = 0;
    const int fd = makeTimer(&error);
    if (fd < 0)
        return unavailable(error);
    ::close(fd);
    return {true, QString(), QString()};
}

RealtimeAlarmWakeTimer::RealtimeAlarmWakeTimer()
{
    int error = 0;
    m_fd = makeTimer(&error);
    if (m_fd < 0) {
        m_availability = unavailable(error);
        return;
    }
    m_availability = {true, QString(), QString()};
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this]() {
        quint64 expirations = 0;
        if (::read(m_fd, &expirations, sizeof expirations) == sizeof expirations)
            emit fired();
    });
}

RealtimeAlarmWakeTimer::~RealtimeAlarmWakeTimer()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RealtimeAlarmWakeTimer::arm(const QDateTime &moment)
{
    if (m_fd < 0 || !moment.isValid())
        return false;
    const qint64 ms = moment.toMSecsSinceEpoch();
    itimerspec when{};
    when.it_value.tv_sec = time_t(ms / 1000);
    when.it_value.tv_nsec = long(ms % 1000) * 1'000'000;
    // A moment at or before the epoch would read as "disarm": the earliest
    // real moment is as good, and fires at once.
    if (when.it_value.tv_sec <= 0 && when.it_value.tv_nsec <= 0)
        when.it_value.tv_nsec = 1;
    return ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &when, nullptr) == 0;
}

void RealtimeAlarmWakeTimer::clear()
{
    if (m_fd < 0)
        return;
    const itimerspec never{};
    ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &never, nullptr);
}
