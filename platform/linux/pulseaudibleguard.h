#pragma once

#include "audibleguard.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <pulse/volume.h>

struct pa_context;
struct pa_operation;
class QtPulseLoop;

// The guard on a PulseAudio server, or on PipeWire's PulseAudio service,
// through libpulse. It connects for each engagement and lives on the GUI
// thread, its connection on Qt's event loop (QtPulseLoop): the requests of
// engage() and release() wait briefly for their answers; while engaged, the
// server's events (the program's new streams, the server's end) are handled
// as they come, with no polling.
// The output it changes is the default device of the moment of engage(); a
// device that becomes the default later (headphones plugged in) is left alone.
class PulseAudibleGuard final : public AudibleGuard
{
    Q_OBJECT

public:
    explicit PulseAudibleGuard(QObject *parent = nullptr);
    ~PulseAudibleGuard() override;

    void engage() override;
    void release() override;
    bool engaged() const override { return m_engaged; }

private:
    struct SinkState
    {
        bool found = false;
        bool muted = false;
        pa_cvolume volume{};
    };
    struct StreamState
    {
        bool found = false;
        bool own = false;
        bool muted = false;
    };

    bool connectToServer(QString *why);
    void disconnectFromServer();
    bool contextReady() const;
    QString contextError() const;
    // Runs the server's loop until `done` or the time is up; false then.
    bool runUntil(const std::function<bool()> &done, int timeoutMs);
    // Waits for one request and lets it go; true when the server carried it out.
    bool await(pa_operation *operation);
    // Requests whose answers come through callbacks; settle() waits for them
    // all inside engage(), and those of the server's later events are let go.
    void track(pa_operation *operation);
    void settle();
    QByteArray defaultSinkName();
    SinkState sinkState(const QByteArray &name);
    StreamState streamState(uint32_t index);
    void raiseDefaultSink();
    void restoreSink();
    void serverGone();
    // Said after the current call has returned.
    void say(const QString &text);

    static void onStreamFound(pa_context *context, const struct pa_sink_input_info *info, int eol, void *self);

    QtPulseLoop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    // A request went unanswered: the server hangs, and the requests that follow
    // in the same engage() or release() are given up at once instead of each
    // blocking the program again.
    bool m_serverHangs = false;
    QList<pa_operation *> m_pending;
    bool m_settling = false;
    bool m_engaged = false;
    bool m_ownSoundSaid = false;
    bool m_lostSaid = false;
    QByteArray m_sinkName;
    bool m_unmutedSink = false;
    bool m_raisedVolume = false;
    pa_cvolume m_volumeBefore{};
    pa_cvolume m_volumeRaised{};
    QList<uint32_t> m_unmutedStreams;
};
