#include "qtpulseloop.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <limits>
#include <poll.h>
#include <sys/time.h>
#include <time.h>

// libpulse marks a time on its monotonic clock with this bit of tv_usec
// (its own headers keep the name to themselves); other times are wall clock.
static constexpr suseconds_t kMonotonicMark = suseconds_t(1) << 30;

struct QtPulseLoop::IoEvent
{
    QtPulseLoop *loop;
    int fd;
    pa_io_event_flags_t events = PA_IO_EVENT_NULL;
    pa_io_event_cb_t callback;
    void *userdata;
    pa_io_event_destroy_cb_t destroy = nullptr;
    QSocketNotifier *read = nullptr;
    QSocketNotifier *write = nullptr;
    bool dead = false;
};

struct QtPulseLoop::TimeEvent
{
    QtPulseLoop *loop;
    struct timeval when
    {
    };
    QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever);
    bool armed = false;
    pa_time_event_cb_t callback;
    void *userdata;
    pa_time_event_destroy_cb_t destroy = nullptr;
    QTimer *timer = nullptr;
    bool dead = false;
};

struct QtPulseLoop::DeferEvent
{
    QtPulseLoop *loop;
    bool enabled = true;
    pa_defer_event_cb_t callback;
    void *userdata;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    bool dead = false;
};

// libpulse declares these types and leaves them to each main loop.
struct pa_io_event : QtPulseLoop::IoEvent
{
};
struct pa_time_event : QtPulseLoop::TimeEvent
{
};
struct pa_defer_event : QtPulseLoop::DeferEvent
{
};

namespace {

QtPulseLoop *loopOf(pa_mainloop_api *api)
{
    return static_cast<QtPulseLoop *>(api->userdata);
}

// How long from now until a libpulse time, in milliseconds (0 when past).
qint64 msecsUntil(const struct timeval &when)
{
    timespec now{};
    qint64 targetUs = qint64(when.tv_sec) * 1'000'000;
    if (when.tv_usec & kMonotonicMark) {
        clock_gettime(CLOCK_MONOTONIC, &now);
        targetUs += when.tv_usec & ~kMonotonicMark;
    } else {
        clock_gettime(CLOCK_REALTIME, &now);
        targetUs += when.tv_usec;
    }
    const qint64 nowUs = qint64(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
    return std::max<qint64>(0, (targetUs - nowUs + 999) / 1000);
}

// Deletes the events libpulse has freed, with what belongs to them.
template <typename Concrete, typename Event, typename Parts> void deleteFreed(QList<Event *> &events, Parts deleteParts)
{
    events.removeIf([&](Event *event) {
        if (!event->dead)
            return false;
        deleteParts(event);
        delete static_cast<Concrete *>(event);
        return true;
    });
}

} // namespace

// libpulse's entry points, which reach the loop through its api's userdata.
struct Callbacks
{
    static pa_io_event *ioNew(pa_mainloop_api *api, int fd, pa_io_event_flags_t events, pa_io_event_cb_t callback,
                              void *userdata)
    {
        QtPulseLoop *loop = loopOf(api);
        auto *event = new pa_io_event;
        event->loop = loop;
        event->fd = fd;
        event->callback = callback;
        event->userdata = userdata;
        event->read = new QSocketNotifier(fd, QSocketNotifier::Read, loop);
        event->write = new QSocketNotifier(fd, QSocketNotifier::Write, loop);
        QObject::connect(event->read, &QSocketNotifier::activated, loop,
                         [loop, event]() { loop->dispatchIo(event, PA_IO_EVENT_INPUT); });
        QObject::connect(event->write, &QSocketNotifier::activated, loop,
                         [loop, event]() { loop->dispatchIo(event, PA_IO_EVENT_OUTPUT); });
        ioEnable(event, events);
        loop->m_io << event;
        return event;
    }
    static void ioEnable(pa_io_event *event, pa_io_event_flags_t events)
    {
        event->events = events;
        event->read->setEnabled(events & PA_IO_EVENT_INPUT);
        event->write->setEnabled(events & PA_IO_EVENT_OUTPUT);
    }
    static void ioFree(pa_io_event *event)
    {
        event->dead = true;
        event->read->setEnabled(false);
        event->write->setEnabled(false);
        if (event->destroy)
            event->destroy(event->loop->api(), event, event->userdata);
        event->loop->reap();
    }
    static void ioSetDestroy(pa_io_event *event, pa_io_event_destroy_cb_t destroy) { event->destroy = destroy; }

    static pa_time_event *timeNew(pa_mainloop_api *api, const struct timeval *when, pa_time_event_cb_t callback,
                                  void *userdata)
    {
        QtPulseLoop *loop = loopOf(api);
        auto *event = new pa_time_event;
        event->loop = loop;
        event->callback = callback;
        event->userdata = userdata;
        event->timer = new QTimer(loop);
        event->timer->setSingleShot(true);
        event->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(event->timer, &QTimer::timeout, loop, [loop, event]() { loop->dispatchTime(event); });
        timeRestart(event, when);
        loop->m_time << event;
        return event;
    }
    static void timeRestart(pa_time_event *event, const struct timeval *when)
    {
        event->armed = when != nullptr;
        if (!when) {
            event->timer->stop();
            event->deadline = QDeadlineTimer(QDeadlineTimer::Forever);
            return;
        }
        event->when = *when;
        const qint64 ms = msecsUntil(*when);
        event->deadline = QDeadlineTimer(ms, Qt::PreciseTimer);
        event->timer->start(int(std::min<qint64>(ms, std::numeric_limits<int>::max())));
    }
    static void timeFree(pa_time_event *event)
    {
        event->dead = true;
        event->armed = false;
        event->timer->stop();
        if (event->destroy)
            event->destroy(event->loop->api(), event, event->userdata);
        event->loop->reap();
    }
    static void timeSetDestroy(pa_time_event *event, pa_time_event_destroy_cb_t destroy) { event->destroy = destroy; }

    static pa_defer_event *deferNew(pa_mainloop_api *api, pa_defer_event_cb_t callback, void *userdata)
    {
        QtPulseLoop *loop = loopOf(api);
        auto *event = new pa_defer_event;
        event->loop = loop;
        event->callback = callback;
        event->userdata = userdata;
        loop->m_defer << event;
        loop->scheduleDeferred();
        return event;
    }
    static void deferEnable(pa_defer_event *event, int enabled)
    {
        event->enabled = enabled != 0;
        if (event->enabled)
            event->loop->scheduleDeferred();
    }
    static void deferFree(pa_defer_event *event)
    {
        event->dead = true;
        event->enabled = false;
        if (event->destroy)
            event->destroy(event->loop->api(), event, event->userdata);
        event->loop->reap();
    }
    static void deferSetDestroy(pa_defer_event *event, pa_defer_event_destroy_cb_t destroy)
    {
        event->destroy = destroy;
    }

    static void quit(pa_mainloop_api *, int) {}
};

QtPulseLoop::QtPulseLoop(QObject *parent) : QObject(parent)
{
    m_api.userdata = this;
    m_api.io_new = &Callbacks::ioNew;
    m_api.io_enable = &Callbacks::ioEnable;
    m_api.io_free = &Callbacks::ioFree;
    m_api.io_set_destroy = &Callbacks::ioSetDestroy;
    m_api.time_new = &Callbacks::timeNew;
    m_api.time_restart = &Callbacks::timeRestart;
    m_api.time_free = &Callbacks::timeFree;
    m_api.time_set_destroy = &Callbacks::timeSetDestroy;
    m_api.defer_new = &Callbacks::deferNew;
    m_api.defer_enable = &Callbacks::deferEnable;
    m_api.defer_free = &Callbacks::deferFree;
    m_api.defer_set_destroy = &Callbacks::deferSetDestroy;
    m_api.quit = &Callbacks::quit;
    m_deferTimer = new QTimer(this);
    m_deferTimer->setSingleShot(true);
    m_deferTimer->setInterval(0);
    connect(m_deferTimer, &QTimer::timeout, this, &QtPulseLoop::runDeferred);
}

QtPulseLoop::~QtPulseLoop()
{
    // What libpulse did not free is freed with the loop, without its callbacks.
    for (IoEvent *event : std::as_const(m_io))
        delete static_cast<pa_io_event *>(event);
    for (TimeEvent *event : std::as_const(m_time))
        delete static_cast<pa_time_event *>(event);
    for (DeferEvent *event : std::as_const(m_defer))
        delete static_cast<pa_defer_event *>(event);
}

void QtPulseLoop::scheduleDeferred()
{
    if (!m_deferTimer->isActive())
        m_deferTimer->start();
}

void QtPulseLoop::runDeferred()
{
    // Each enabled one once; those still enabled afterwards run again next time round.
    const QList<DeferEvent *> events = m_defer;
    for (DeferEvent *event : events) {
        if (!event->dead && event->enabled)
            event->callback(api(), static_cast<pa_defer_event *>(event), event->userdata);
    }
    for (const DeferEvent *event : std::as_const(m_defer)) {
        if (!event->dead && event->enabled) {
            scheduleDeferred();
            break;
        }
    }
}

void QtPulseLoop::dispatchIo(IoEvent *event, pa_io_event_flags_t flags)
{
    if (event->dead || !(event->events & flags))
        return;
    event->callback(api(), static_cast<pa_io_event *>(event), event->fd, flags, event->userdata);
}

void QtPulseLoop::dispatchTime(TimeEvent *event)
{
    if (event->dead || !event->armed)
        return;
    event->armed = false;
    event->timer->stop();
    event->callback(api(), static_cast<pa_time_event *>(event), &event->when, event->userdata);
}

void QtPulseLoop::reap()
{
    // Freed from inside a callback that may still be running: deleted
    // once control is back in the event loop.
    if (m_reapPosted)
        return;
    m_reapPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            m_reapPosted = false;
            deleteFreed<pa_io_event>(m_io, [](IoEvent *event) {
                delete event->read;
                delete event->write;
            });
            deleteFreed<pa_time_event>(m_time, [](TimeEvent *event) { delete event->timer; });
            deleteFreed<pa_defer_event>(m_defer, [](DeferEvent *) {});
        },
        Qt::QueuedConnection);
}

bool QtPulseLoop::runUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    for (;;) {
        runDeferred();
        if (done())
            return true;
        if (deadline.hasExpired())
            return false;
        qint64 waitMs = deadline.remainingTime();
        for (const TimeEvent *event : std::as_const(m_time)) {
            if (!event->dead && event->armed)
                waitMs = std::min(waitMs, event->deadline.remainingTime());
        }
        bool deferredWaiting = false;
        for (const DeferEvent *event : std::as_const(m_defer))
            deferredWaiting = deferredWaiting || (!event->dead && event->enabled);
        QList<pollfd> fds;
        QList<IoEvent *> watched;
        for (IoEvent *event : std::as_const(m_io)) {
            if (event->dead || event->events == PA_IO_EVENT_NULL)
                continue;
            short wanted = 0;
            if (event->events & PA_IO_EVENT_INPUT)
                wanted |= POLLIN;
            if (event->events & PA_IO_EVENT_OUTPUT)
                wanted |= POLLOUT;
            fds << pollfd{event->fd, wanted, 0};
            watched << event;
        }
        if (::poll(fds.data(), nfds_t(fds.size()), deferredWaiting ? 0 : int(std::max<qint64>(0, waitMs))) < 0 &&
            errno != EINTR)
            return false;
        for (qsizetype i = 0; i < fds.size(); ++i) {
            int flags = PA_IO_EVENT_NULL;
            if (fds[i].revents & POLLIN)
                flags |= PA_IO_EVENT_INPUT;
            if (fds[i].revents & POLLOUT)
                flags |= PA_IO_EVENT_OUTPUT;
            if (fds[i].revents & POLLHUP)
                flags |= PA_IO_EVENT_HANGUP;
            if (fds[i].revents & (POLLERR | POLLNVAL))
                flags |= PA_IO_EVENT_ERROR;
            IoEvent *event = watched[i];
            if (flags != PA_IO_EVENT_NULL && !event->dead)
                event->callback(api(), static_cast<pa_io_event *>(event), event->fd, pa_io_event_flags_t(flags),
                                event->userdata);
        }
        const QList<TimeEvent *> timers = m_time;
        for (TimeEvent *event : timers) {
            if (!event->dead && event->armed && event->deadline.hasExpired())
                dispatchTime(event);
        }
    }
}
