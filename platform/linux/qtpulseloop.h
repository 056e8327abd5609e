#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <pulse/mainloop-api.h>

class QTimer;

// libpulse's main loop on Qt's event loop: the sound server's socket is
// watched by socket notifiers and libpulse's timers are Qt timers, so a
// connection waits for its server without a thread and without polling.
// For the few calls that need their answer before they return, runUntil()
// dispatches the same events in a wait of its own, bounded in time.
class QtPulseLoop final : public QObject
{
    Q_OBJECT

public:
    explicit QtPulseLoop(QObject *parent = nullptr);
    // Everything libpulse still holds must be freed first (the context unreferenced).
    ~QtPulseLoop() override;

    pa_mainloop_api *api() { return &m_api; }

    // Dispatches the server's events here until `done` holds (true) or the
    // time is up (false). Qt's own events wait meanwhile.
    bool runUntil(const std::function<bool()> &done, int timeoutMs);

    struct IoEvent;
    struct TimeEvent;
    struct DeferEvent;

private:
    void runDeferred();
    void scheduleDeferred();
    void dispatchIo(IoEvent *event, pa_io_event_flags_t flags);
    void dispatchTime(TimeEvent *event);
    void reap();

    pa_mainloop_api m_api{};
    QList<IoEvent *> m_io;
    QList<TimeEvent *> m_time;
    QList<DeferEvent *> m_defer;
    QTimer *m_deferTimer = nullptr;
    bool m_reapPosted = false;

    friend struct Callbacks;
};
