#pragma once

#include "audibleguard.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <memory>
#include <pulse/volume.h>

struct pa_context;
struct pa_operation;
struct pa_time_event;
class QtPulseLoop;

// The guard on a PulseAudio server, or on PipeWire's PulseAudio service,
// through libpulse. It connects for each engagement and lives on the GUI
// thread, its connection on Qt's event loop (QtPulseLoop). engage() and
// release() only queue their work: each is a chain of requests, every answer
// asking the next, run one after the other, with a short wait for each
// answer; once one request goes unanswered the rest of that chain is given
// up at once. While engaged, the server's events (the program's new streams,
// the server's end) are handled as they come, with no polling.
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
    bool isSettled() const override;

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
    struct Request;
    using Then = std::function<void(bool done)>;
    using Ask = std::function<pa_operation *(pa_context *)>;

    // The queue of engagements and releases; a job calls jobDone() at its end.
    void enqueue(std::function<void()> job);
    void jobDone();
    void announceIfSettled();

    void connectToServer(std::function<void(bool connected, const QString &why)> then);
    void contextStateChanged();
    void connectionAnswered(bool connected, const QString &why);
    void disconnectFromServer();
    void endRetired();
    bool contextReady() const;
    QString contextError() const;
    // Sends one request and calls `then` with whether the server carried it
    // out; at once with false when there is no connection or the server hangs.
    void ask(const Ask &request, Then then);
    void finish(Request *request, bool done);

    void runEngage();
    void checkDefaultSink();
    // The state of the sink this engagement looks after, into `state`.
    void askSinkState(const std::shared_ptr<SinkState> &state, Then then);
    void unmuteSink(const SinkState &before);
    void raiseSinkVolume(const SinkState &before, bool refused);
    void reportRaise(const SinkState &before, bool refused);
    void watchOwnStreams();
    void runRelease();
    void restoreSink(std::function<void()> then);
    void restoreStreams(QList<uint32_t> streams, std::function<void()> then);
    void releaseDone();
    void serverGone();
    // Said after the current call has returned.
    void say(const QString &text);

    static void onStreamFound(pa_context *context, const struct pa_sink_input_info *info, int eol, void *self);

    QtPulseLoop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    // Connections left, to be ended outside libpulse's callbacks.
    struct Retired
    {
        pa_context *context;
        QtPulseLoop *loop;
    };
    QList<Retired> m_retired;
    std::function<void(bool, const QString &)> m_connecting;
    pa_time_event *m_connectWait = nullptr;
    // A request went unanswered: the server hangs, and the requests that follow
    // in the same job are given up at once instead of each waiting again.
    bool m_serverHangs = false;
    QList<Request *> m_requests;
    QList<std::function<void()>> m_jobs;
    bool m_jobRunning = false;
    bool m_settledPosted = false;

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
