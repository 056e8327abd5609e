#pragma once

#include "audibleguard.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <pulse/volume.h>

struct pa_context;
struct pa_mainloop;
struct pa_operation;
class QTimer;

// The guard on a PulseAudio server, or on PipeWire's PulseAudio service,
// through libpulse. It connects for each engagement and lives on the GUI
// thread: each request waits briefly for its answer, and while engaged a pump
// four times a second notices the program's new streams and the server's end.
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
    // Requests whose answers come through callbacks; settle() waits for them all.
    void track(pa_operation *operation);
    void settle();
    QByteArray defaultSinkName();
    SinkState sinkState(const QByteArray &name);
    StreamState streamState(uint32_t index);
    void raiseDefaultSink();
    void restoreSink();
    void pump();
    void serverGone();
    // Said after the current call has returned.
    void say(const QString &text);

    static void onStreamFound(pa_context *context, const struct pa_sink_input_info *info, int eol, void *self);

    pa_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    // A request went unanswered: the server hangs, and the requests that follow
    // in the same engage() or release() are given up at once instead of each
    // blocking the program again.
    bool m_serverHangs = false;
    QList<pa_operation *> m_pending;
    QTimer *m_pump = nullptr;
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
