#include "pulseaudibleguard.h"

#include "qtpulseloop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kRequestTimeoutMs = 1000;
// What a guard that goes away waits at most for its last work.
constexpr int kFinishTimeoutMs = 3000;

constexpr pa_volume_t floorVolume()
{
    return pa_volume_t(quint64(PA_VOLUME_NORM) * AudibleGuard::floorPercent / 100);
}

int percentOf(const pa_cvolume &volume)
{
    return int((quint64(pa_cvolume_max(&volume)) * 100 + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM);
}

// A device may round what it is given; within a hundredth of full level it is
// still the value this guard set, not one the user chose.
bool sameVolume(const pa_cvolume &a, const pa_cvolume &b)
{
    if (a.channels != b.channels)
        return false;
    for (int channel = 0; channel < a.channels; ++channel) {
        if (std::abs(qint64(a.values[channel]) - qint64(b.values[channel])) > qint64(PA_VOLUME_NORM / 100))
            return false;
    }
    return true;
}

// The process that started `pid`, as /proc tells it; 0 when it can't tell.
qint64 parentOf(const QByteArray &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // "pid (name) state ppid ...": the name may hold spaces and parentheses.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 1).simplified().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : 0;
}

// The program's streams: its own, and those of the sound process it plays through.
bool isOwnStream(const pa_sink_input_info &info)
{
    const char *pid = pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_PROCESS_ID);
    if (!pid)
        return false;
    const qint64 own = QCoreApplication::applicationPid();
    return QByteArray(pid) == QByteArray::number(own) || parentOf(pid) == own;
}

} // namespace

AudibleGuard *AudibleGuard::create(QObject *parent)
{
    return new PulseAudibleGuard(parent);
}

struct PulseAudibleGuard::Request
{
    PulseAudibleGuard *guard;
    pa_operation *operation;
    pa_time_event *wait = nullptr;
    Then then;
};

PulseAudibleGuard::PulseAudibleGuard(QObject *parent) : AudibleGuard(parent) {}

PulseAudibleGuard::~PulseAudibleGuard()
{
    release();
    // What was changed must be put back before the program can end: the
    // last work is waited for here, briefly.
    const QDeadlineTimer deadline(kFinishTimeoutMs);
    while (!isSettled() && m_loop && !deadline.hasExpired()) {
        QtPulseLoop *loop = m_loop;
        loop->runUntil([this, loop]() { return isSettled() || m_loop != loop; }, int(deadline.remainingTime()));
    }
    m_jobs.clear();
    disconnectFromServer();
    endRetired();
}

bool PulseAudibleGuard::isSettled() const
{
    return !m_jobRunning && m_jobs.isEmpty() && m_requests.isEmpty() && !m_connecting;
}

void PulseAudibleGuard::enqueue(std::function<void()> job)
{
    m_jobs << std::move(job);
    if (m_jobRunning)
        return;
    m_jobRunning = true;
    m_jobs.takeFirst()();
}

void PulseAudibleGuard::jobDone()
{
    m_jobRunning = false;
    if (!m_jobs.isEmpty()) {
        m_jobRunning = true;
        m_jobs.takeFirst()();
        return;
    }
    announceIfSettled();
}

void PulseAudibleGuard::announceIfSettled()
{
    if (!isSettled() || m_settledPosted)
        return;
    m_settledPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            m_settledPosted = false;
            if (isSettled())
                emit settled();
        },
        Qt::QueuedConnection);
}

void PulseAudibleGuard::connectToServer(std::function<void(bool, const QString &)> then)
{
    m_serverHangs = false;
    m_loop = new QtPulseLoop(this);
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Chronelle");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, CHRONELLE_APP_ID);
    m_context = pa_context_new_with_proplist(m_loop->api(), "Chronelle", properties);
    pa_proplist_free(properties);
    m_connecting = std::move(then);
    pa_context_set_state_callback(
        m_context, [](pa_context *, void *self) { static_cast<PulseAudibleGuard *>(self)->contextStateChanged(); },
        this);
    // Never start a server of our own: an alarm is no reason to start one.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        QTimer::singleShot(0, this, [this, why = contextError()]() { connectionAnswered(false, why); });
        return;
    }
    m_connectWait = pa_context_rttime_new(
        m_context, pa_rtclock_now() + kConnectTimeoutMs * PA_USEC_PER_MSEC,
        [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self) {
            static_cast<PulseAudibleGuard *>(self)->connectionAnswered(
                false, QCoreApplication::translate("AudibleGuard", "the sound server did not answer"));
        },
        this);
}

void PulseAudibleGuard::contextStateChanged()
{
    const pa_context_state_t state = pa_context_get_state(m_context);
    if (m_connecting) {
        if (state == PA_CONTEXT_READY)
            connectionAnswered(true, {});
        else if (!PA_CONTEXT_IS_GOOD(state))
            // Not from inside the server's loop: the answer tears the loop down.
            QTimer::singleShot(0, this, [this, why = contextError()]() { connectionAnswered(false, why); });
        return;
    }
    if (!PA_CONTEXT_IS_GOOD(state))
        QMetaObject::invokeMethod(this, &PulseAudibleGuard::serverGone, Qt::QueuedConnection);
}

void PulseAudibleGuard::connectionAnswered(bool connected, const QString &why)
{
    if (!m_connecting)
        return;
    if (m_connectWait) {
        m_loop->api()->time_free(std::exchange(m_connectWait, nullptr));
    }
    const auto then = std::exchange(m_connecting, {});
    if (!connected)
        disconnectFromServer();
    then(connected, why);
    announceIfSettled();
}

void PulseAudibleGuard::disconnectFromServer()
{
    // Unanswered requests are given up while the loop still holds their
    // waits; what follows them runs once the connection is gone.
    QList<Then> abandoned;
    for (Request *request : std::exchange(m_requests, {})) {
        if (request->wait)
            m_loop->api()->time_free(request->wait);
        pa_operation_set_state_callback(request->operation, nullptr, nullptr);
        pa_operation_cancel(request->operation);
        pa_operation_unref(request->operation);
        abandoned << std::move(request->then);
        delete request;
    }
    if (m_connectWait)
        m_loop->api()->time_free(std::exchange(m_connectWait, nullptr));
    const auto connecting = std::exchange(m_connecting, {});
    const QString why = m_context ? contextError() : QString();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        // This may run inside one of the connection's own callbacks, where
        // libpulse can't end it: it is ended right after.
        m_retired << Retired{std::exchange(m_context, nullptr), std::exchange(m_loop, nullptr)};
        QTimer::singleShot(0, this, &PulseAudibleGuard::endRetired);
    }
    for (const Then &then : std::as_const(abandoned))
        then(false);
    if (connecting)
        connecting(false, why);
}

void PulseAudibleGuard::endRetired()
{
    for (const Retired &retired : std::exchange(m_retired, {})) {
        pa_context_disconnect(retired.context);
        pa_context_unref(retired.context);
        delete retired.loop;
    }
}

bool PulseAudibleGuard::contextReady() const
{
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

QString PulseAudibleGuard::contextError() const
{
    return QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
}

void PulseAudibleGuard::ask(const Ask &request, Then then)
{
    pa_operation *operation = !m_serverHangs && contextReady() ? request(m_context) : nullptr;
    if (!operation) {
        then(false);
        return;
    }
    auto *pending = new Request{this, operation, nullptr, std::move(then)};
    m_requests << pending;
    pa_operation_set_state_callback(
        operation,
        [](pa_operation *answered, void *data) {
            const pa_operation_state_t state = pa_operation_get_state(answered);
            if (state != PA_OPERATION_RUNNING) {
                auto *waiting = static_cast<Request *>(data);
                waiting->guard->finish(waiting, state == PA_OPERATION_DONE);
            }
        },
        pending);
    pending->wait = pa_context_rttime_new(
        m_context, pa_rtclock_now() + kRequestTimeoutMs * PA_USEC_PER_MSEC,
        [](pa_mainloop_api *, pa_time_event *, const struct timeval *, void *data) {
            auto *unanswered = static_cast<Request *>(data);
            unanswered->guard->m_serverHangs = true;
            unanswered->guard->finish(unanswered, false);
        },
        pending);
}

void PulseAudibleGuard::finish(Request *request, bool done)
{
    if (!m_requests.removeOne(request))
        return;
    if (request->wait)
        m_loop->api()->time_free(request->wait);
    pa_operation_set_state_callback(request->operation, nullptr, nullptr);
    if (pa_operation_get_state(request->operation) == PA_OPERATION_RUNNING)
        pa_operation_cancel(request->operation);
    pa_operation_unref(request->operation);
    const Then then = std::move(request->then);
    delete request;
    then(done);
    announceIfSettled();
}

void PulseAudibleGuard::engage()
{
    if (m_engaged)
        return;
    m_engaged = true;
    enqueue([this]() { runEngage(); });
}

void PulseAudibleGuard::runEngage()
{
    m_ownSoundSaid = false;
    m_lostSaid = false;
    m_unmutedSink = false;
    m_raisedVolume = false;
    m_unmutedStreams.clear();
    connectToServer([this](bool connected, const QString &why) {
        if (!connected) {
            say(uncheckedNote(why));
            jobDone();
            return;
        }
        checkDefaultSink();
    });
}

void PulseAudibleGuard::checkDefaultSink()
{
    auto name = std::make_shared<QByteArray>();
    ask(
        [name](pa_context *context) {
            return pa_context_get_server_info(
                context,
                [](pa_context *, const pa_server_info *info, void *result) {
                    if (info && info->default_sink_name)
                        *static_cast<QByteArray *>(result) = info->default_sink_name;
                },
                name.get());
        },
        [this, name](bool) {
            m_sinkName = *name;
            auto state = std::make_shared<SinkState>();
            const auto checked = [this, state](bool) {
                if (!state->found) {
                    say(uncheckedNote(contextReady()
                                          ? QCoreApplication::translate("AudibleGuard", "there is no sound output")
                                          : contextError()));
                    watchOwnStreams();
                    return;
                }
                unmuteSink(*state);
            };
            if (m_sinkName.isEmpty()) {
                checked(false);
                return;
            }
            askSinkState(state, checked);
        });
}

void PulseAudibleGuard::askSinkState(const std::shared_ptr<SinkState> &state, Then then)
{
    ask(
        [this, state](pa_context *context) {
            return pa_context_get_sink_info_by_name(
                context, m_sinkName.constData(),
                [](pa_context *, const pa_sink_info *info, int eol, void *result) {
                    if (eol > 0 || !info)
                        return;
                    auto &found = *static_cast<SinkState *>(result);
                    found.found = true;
                    found.muted = info->mute != 0;
                    found.volume = info->volume;
                },
                state.get());
        },
        std::move(then));
}

void PulseAudibleGuard::unmuteSink(const SinkState &before)
{
    if (!before.muted) {
        raiseSinkVolume(before, false);
        return;
    }
    ask(
        [this](pa_context *context) {
            return pa_context_set_sink_mute_by_name(context, m_sinkName.constData(), 0, nullptr, nullptr);
        },
        [this, before](bool done) {
            m_unmutedSink = done;
            raiseSinkVolume(before, !done);
        });
}

void PulseAudibleGuard::raiseSinkVolume(const SinkState &before, bool refused)
{
    if (pa_cvolume_max(&before.volume) >= floorVolume()) {
        reportRaise(before, refused);
        return;
    }
    pa_cvolume raised = before.volume;
    pa_cvolume_scale(&raised, floorVolume());
    ask(
        [this, raised](pa_context *context) {
            return pa_context_set_sink_volume_by_name(context, m_sinkName.constData(), &raised, nullptr, nullptr);
        },
        [this, before, raised, refused](bool done) {
            if (!done) {
                reportRaise(before, true);
                return;
            }
            m_raisedVolume = true;
            m_volumeBefore = before.volume;
            // What the device made of it is what release() recognises as ours.
            auto after = std::make_shared<SinkState>();
            askSinkState(after, [this, before, raised, refused, after](bool) {
                m_volumeRaised = after->found ? after->volume : raised;
                reportRaise(before, refused);
            });
        });
}

void PulseAudibleGuard::reportRaise(const SinkState &before, bool refused)
{
    if (refused)
        say(uncheckedNote(
            QCoreApplication::translate("AudibleGuard", "the sound server refused to change the output")));
    else if (m_unmutedSink || m_raisedVolume)
        say(raisedNote(m_unmutedSink, percentOf(before.volume),
                       percentOf(m_raisedVolume ? m_volumeRaised : before.volume)));
    watchOwnStreams();
}

void PulseAudibleGuard::watchOwnStreams()
{
    if (!contextReady()) {
        jobDone();
        return;
    }
    // The program's own streams: those playing already, and those the player
    // opens while the alarm rings. A stream the user mutes while it plays is
    // theirs: only new streams are looked at.
    pa_context_set_subscribe_callback(
        m_context,
        [](pa_context *, pa_subscription_event_type_t event, uint32_t index, void *self) {
            if ((event & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SINK_INPUT ||
                (event & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_NEW)
                return;
            auto *guard = static_cast<PulseAudibleGuard *>(self);
            guard->ask(
                [guard, index](pa_context *context) {
                    return pa_context_get_sink_input_info(context, index, &PulseAudibleGuard::onStreamFound, guard);
                },
                [](bool) {});
        },
        this);
    ask(
        [](pa_context *context) {
            return pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SINK_INPUT, nullptr, nullptr);
        },
        [](bool) {});
    ask(
        [this](pa_context *context) {
            return pa_context_get_sink_input_info_list(context, &PulseAudibleGuard::onStreamFound, this);
        },
        [this](bool) { jobDone(); });
}

void PulseAudibleGuard::onStreamFound(pa_context *, const pa_sink_input_info *info, int eol, void *self)
{
    auto *guard = static_cast<PulseAudibleGuard *>(self);
    if (eol > 0 || !info || !guard->m_engaged || !info->mute || !isOwnStream(*info) ||
        guard->m_unmutedStreams.contains(info->index))
        return;
    const uint32_t index = info->index;
    guard->ask(
        [index](pa_context *context) { return pa_context_set_sink_input_mute(context, index, 0, nullptr, nullptr); },
        [](bool) {});
    guard->m_unmutedStreams << index;
    if (!guard->m_ownSoundSaid) {
        guard->m_ownSoundSaid = true;
        guard->say(ownSoundOnNote());
    }
}

void PulseAudibleGuard::serverGone()
{
    if (!m_context || contextReady())
        return;
    disconnectFromServer();
    if (m_engaged && !m_lostSaid) {
        m_lostSaid = true;
        emit note(serverLostNote());
    }
}

void PulseAudibleGuard::release()
{
    if (!m_engaged)
        return;
    m_engaged = false;
    enqueue([this]() { runRelease(); });
}

void PulseAudibleGuard::runRelease()
{
    // A server slow while the alarm started may answer now: what was changed is put back if it can be.
    m_serverHangs = false;
    if (!m_unmutedSink && !m_raisedVolume && m_unmutedStreams.isEmpty()) {
        releaseDone();
        return;
    }
    const auto putBack = [this]() {
        if (!contextReady()) {
            releaseDone();
            return;
        }
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        restoreSink([this]() { restoreStreams(m_unmutedStreams, [this]() { releaseDone(); }); });
    };
    if (contextReady()) {
        putBack();
        return;
    }
    // The server went away and may be back: what it kept of our change is put back too.
    disconnectFromServer();
    connectToServer([putBack](bool, const QString &) { putBack(); });
}

void PulseAudibleGuard::restoreSink(std::function<void()> then)
{
    if (!m_unmutedSink && !m_raisedVolume) {
        then();
        return;
    }
    // Only what is still as this guard left it goes back: a level or a mute
    // the user chose while the alarm rang stays.
    auto now = std::make_shared<SinkState>();
    askSinkState(now, [this, now, then](bool) {
        if (!now->found) {
            then();
            return;
        }
        const auto putVolumeBack = [this, now, then](bool) {
            if (!m_raisedVolume || !sameVolume(now->volume, m_volumeRaised)) {
                then();
                return;
            }
            ask(
                [this](pa_context *context) {
                    return pa_context_set_sink_volume_by_name(context, m_sinkName.constData(), &m_volumeBefore, nullptr,
                                                              nullptr);
                },
                [then](bool) { then(); });
        };
        if (m_unmutedSink && !now->muted)
            ask(
                [this](pa_context *context) {
                    return pa_context_set_sink_mute_by_name(context, m_sinkName.constData(), 1, nullptr, nullptr);
                },
                putVolumeBack);
        else
            putVolumeBack(true);
    });
}

void PulseAudibleGuard::restoreStreams(QList<uint32_t> streams, std::function<void()> then)
{
    if (streams.isEmpty()) {
        then();
        return;
    }
    const uint32_t index = streams.takeFirst();
    auto state = std::make_shared<StreamState>();
    ask(
        [index, state](pa_context *context) {
            return pa_context_get_sink_input_info(
                context, index,
                [](pa_context *, const pa_sink_input_info *info, int eol, void *result) {
                    if (eol > 0 || !info)
                        return;
                    auto &found = *static_cast<StreamState *>(result);
                    found.found = true;
                    found.own = isOwnStream(*info);
                    found.muted = info->mute != 0;
                },
                state.get());
        },
        [this, index, state, streams, then](bool) {
            const auto next = [this, streams, then](bool) { restoreStreams(streams, then); };
            if (state->found && state->own && !state->muted)
                ask(
                    [index](pa_context *context) {
                        return pa_context_set_sink_input_mute(context, index, 1, nullptr, nullptr);
                    },
                    next);
            else
                next(true);
        });
}

void PulseAudibleGuard::releaseDone()
{
    m_unmutedSink = false;
    m_raisedVolume = false;
    m_unmutedStreams.clear();
    disconnectFromServer();
    jobDone();
}

void PulseAudibleGuard::say(const QString &text)
{
    QMetaObject::invokeMethod(
        this, [this, text]() { emit note(text); }, Qt::QueuedConnection);
}
