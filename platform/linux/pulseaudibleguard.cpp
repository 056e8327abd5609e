#include "pulseaudibleguard.h"

#include "qtpulseloop.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>
#include <pulse/pulseaudio.h>

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kRequestTimeoutMs = 1000;

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

PulseAudibleGuard::PulseAudibleGuard(QObject *parent) : AudibleGuard(parent) {}

PulseAudibleGuard::~PulseAudibleGuard()
{
    release();
    disconnectFromServer();
}

bool PulseAudibleGuard::connectToServer(QString *why)
{
    m_serverHangs = false;
    m_loop = new QtPulseLoop(this);
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Chronelle");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, CHRONELLE_APP_ID);
    m_context = pa_context_new_with_proplist(m_loop->api(), "Chronelle", properties);
    pa_proplist_free(properties);
    // Never start a server of our own: an alarm is no reason to start one.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *why = contextError();
        disconnectFromServer();
        return false;
    }
    const bool answered = runUntil(
        [this]() {
            const pa_context_state_t state = pa_context_get_state(m_context);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        },
        kConnectTimeoutMs);
    if (!contextReady()) {
        *why =
            answered ? contextError() : QCoreApplication::translate("AudibleGuard", "the sound server did not answer");
        disconnectFromServer();
        return false;
    }
    pa_context_set_state_callback(
        m_context,
        [](pa_context *context, void *self) {
            if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) {
                // Not from inside the server's loop: the handler tears the loop down.
                auto *guard = static_cast<PulseAudibleGuard *>(self);
                QMetaObject::invokeMethod(guard, &PulseAudibleGuard::serverGone, Qt::QueuedConnection);
            }
        },
        this);
    return true;
}

void PulseAudibleGuard::disconnectFromServer()
{
    for (pa_operation *operation : std::as_const(m_pending)) {
        pa_operation_cancel(operation);
        pa_operation_unref(operation);
    }
    m_pending.clear();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    delete std::exchange(m_loop, nullptr);
}

bool PulseAudibleGuard::contextReady() const
{
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

QString PulseAudibleGuard::contextError() const
{
    return QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
}

bool PulseAudibleGuard::runUntil(const std::function<bool()> &done, int timeoutMs)
{
    return m_loop && m_loop->runUntil(done, timeoutMs);
}

bool PulseAudibleGuard::await(pa_operation *operation)
{
    if (!operation)
        return false;
    if (!m_serverHangs &&
        !runUntil([operation]() { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; },
                  kRequestTimeoutMs) &&
        pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
        m_serverHangs = true;
    const bool done = pa_operation_get_state(operation) == PA_OPERATION_DONE;
    if (!done)
        pa_operation_cancel(operation);
    pa_operation_unref(operation);
    return done;
}

void PulseAudibleGuard::track(pa_operation *operation)
{
    if (!operation)
        return;
    // Outside engage() nobody waits: the answer comes by its callback all the same.
    if (m_settling)
        m_pending << operation;
    else
        pa_operation_unref(operation);
}

void PulseAudibleGuard::settle()
{
    // Answers may ask for more (a stream found is then unmuted): wait for those too.
    while (!m_pending.isEmpty())
        await(m_pending.takeFirst());
    m_settling = false;
}

QByteArray PulseAudibleGuard::defaultSinkName()
{
    QByteArray name;
    await(pa_context_get_server_info(
        m_context,
        [](pa_context *, const pa_server_info *info, void *result) {
            if (info && info->default_sink_name)
                *static_cast<QByteArray *>(result) = info->default_sink_name;
        },
        &name));
    return name;
}

PulseAudibleGuard::SinkState PulseAudibleGuard::sinkState(const QByteArray &name)
{
    SinkState state;
    await(pa_context_get_sink_info_by_name(
        m_context, name.constData(),
        [](pa_context *, const pa_sink_info *info, int eol, void *result) {
            if (eol > 0 || !info)
                return;
            auto &found = *static_cast<SinkState *>(result);
            found.found = true;
            found.muted = info->mute != 0;
            found.volume = info->volume;
        },
        &state));
    return state;
}

PulseAudibleGuard::StreamState PulseAudibleGuard::streamState(uint32_t index)
{
    StreamState state;
    await(pa_context_get_sink_input_info(
        m_context, index,
        [](pa_context *, const pa_sink_input_info *info, int eol, void *result) {
            if (eol > 0 || !info)
                return;
            auto &found = *static_cast<StreamState *>(result);
            found.found = true;
            found.own = isOwnStream(*info);
            found.muted = info->mute != 0;
        },
        &state));
    return state;
}

void PulseAudibleGuard::engage()
{
    if (m_engaged)
        return;
    m_engaged = true;
    m_ownSoundSaid = false;
    m_lostSaid = false;
    m_unmutedSink = false;
    m_raisedVolume = false;
    m_unmutedStreams.clear();

    QString why;
    if (!connectToServer(&why)) {
        say(uncheckedNote(why));
        return;
    }
    raiseDefaultSink();

    // The program's own streams: those playing already, and those the player
    // opens while the alarm rings. A stream the user mutes while it plays is
    // theirs: only new streams are looked at.
    pa_context_set_subscribe_callback(
        m_context,
        [](pa_context *context, pa_subscription_event_type_t event, uint32_t index, void *self) {
            if ((event & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SINK_INPUT ||
                (event & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_NEW)
                return;
            auto *guard = static_cast<PulseAudibleGuard *>(self);
            guard->track(pa_context_get_sink_input_info(context, index, &PulseAudibleGuard::onStreamFound, guard));
        },
        this);
    m_settling = true;
    track(pa_context_subscribe(m_context, PA_SUBSCRIPTION_MASK_SINK_INPUT, nullptr, nullptr));
    track(pa_context_get_sink_input_info_list(m_context, &PulseAudibleGuard::onStreamFound, this));
    settle();
}

void PulseAudibleGuard::raiseDefaultSink()
{
    m_sinkName = defaultSinkName();
    const SinkState before = m_sinkName.isEmpty() ? SinkState() : sinkState(m_sinkName);
    if (!before.found) {
        say(uncheckedNote(contextReady() ? QCoreApplication::translate("AudibleGuard", "there is no sound output")
                                         : contextError()));
        return;
    }
    bool refused = false;
    if (before.muted) {
        m_unmutedSink = await(pa_context_set_sink_mute_by_name(m_context, m_sinkName.constData(), 0, nullptr, nullptr));
        refused = !m_unmutedSink;
    }
    if (pa_cvolume_max(&before.volume) < floorVolume()) {
        pa_cvolume raised = before.volume;
        pa_cvolume_scale(&raised, floorVolume());
        if (await(pa_context_set_sink_volume_by_name(m_context, m_sinkName.constData(), &raised, nullptr, nullptr))) {
            m_raisedVolume = true;
            m_volumeBefore = before.volume;
            // What the device made of it is what release() recognises as ours.
            const SinkState after = sinkState(m_sinkName);
            m_volumeRaised = after.found ? after.volume : raised;
        } else {
            refused = true;
        }
    }
    if (refused)
        say(uncheckedNote(
            QCoreApplication::translate("AudibleGuard", "the sound server refused to change the output")));
    else if (m_unmutedSink || m_raisedVolume)
        say(raisedNote(m_unmutedSink, percentOf(before.volume),
                       percentOf(m_raisedVolume ? m_volumeRaised : before.volume)));
}

void PulseAudibleGuard::onStreamFound(pa_context *context, const pa_sink_input_info *info, int eol, void *self)
{
    auto *guard = static_cast<PulseAudibleGuard *>(self);
    if (eol > 0 || !info || !guard->m_engaged || !info->mute || !isOwnStream(*info) ||
        guard->m_unmutedStreams.contains(info->index))
        return;
    guard->track(pa_context_set_sink_input_mute(context, info->index, 0, nullptr, nullptr));
    guard->m_unmutedStreams << info->index;
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
    // A server slow while the alarm started may answer now: what was changed is put back if it can be.
    m_serverHangs = false;
    const bool changed = m_unmutedSink || m_raisedVolume || !m_unmutedStreams.isEmpty();
    if (changed && !contextReady()) {
        // The server went away and may be back: what it kept of our change is put back too.
        disconnectFromServer();
        QString why;
        connectToServer(&why);
    }
    if (changed && contextReady()) {
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        restoreSink();
        for (const uint32_t index : std::as_const(m_unmutedStreams)) {
            const StreamState stream = streamState(index);
            if (stream.found && stream.own && !stream.muted)
                await(pa_context_set_sink_input_mute(m_context, index, 1, nullptr, nullptr));
        }
    }
    m_unmutedSink = false;
    m_raisedVolume = false;
    m_unmutedStreams.clear();
    disconnectFromServer();
}

void PulseAudibleGuard::restoreSink()
{
    if (!m_unmutedSink && !m_raisedVolume)
        return;
    // Only what is still as this guard left it goes back: a level or a mute
    // the user chose while the alarm rang stays.
    const SinkState now = sinkState(m_sinkName);
    if (!now.found)
        return;
    if (m_unmutedSink && !now.muted)
        await(pa_context_set_sink_mute_by_name(m_context, m_sinkName.constData(), 1, nullptr, nullptr));
    if (m_raisedVolume && sameVolume(now.volume, m_volumeRaised))
        await(pa_context_set_sink_volume_by_name(m_context, m_sinkName.constData(), &m_volumeBefore, nullptr, nullptr));
}

void PulseAudibleGuard::say(const QString &text)
{
    QMetaObject::invokeMethod(
        this, [this, text]() { emit note(text); }, Qt::QueuedConnection);
}
