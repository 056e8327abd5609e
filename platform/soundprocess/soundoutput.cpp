#include "soundoutput.h"

#include "qtpulseloop.h"

#include <initializer_list>
#include <pulse/error.h>

namespace {

constexpr int kBufferMs = 2000;
constexpr int kRequestMs = 500;
// A play starts once this much is in; a shorter sound starts when its end is.
constexpr int kStartMs = 200;

QString contextError(pa_context *context)
{
    return QString::fromUtf8(pa_strerror(pa_context_errno(context)));
}

// Requests whose answer nobody waits for.
void forget(std::initializer_list<pa_operation *> operations)
{
    for (pa_operation *operation : operations)
        if (operation)
            pa_operation_unref(operation);
}

} // namespace

SoundOutput::SoundOutput() : m_loop(new QtPulseLoop(this))
{
    connectContext();
}

SoundOutput::~SoundOutput()
{
    dropStream();
    dropContext();
}

void SoundOutput::connectContext()
{
    // The program names the process (application name, id and icon) in PULSE_PROP_*.
    m_context = pa_context_new(m_loop->api(), "Chronelle");
    pa_context_set_state_callback(
        m_context, [](pa_context *, void *self) { static_cast<SoundOutput *>(self)->contextStateChanged(); }, this);
    // Never start a server of our own: an alarm is no reason to start one.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        contextStateChanged();
}

void SoundOutput::contextStateChanged()
{
    const pa_context_state_t state = pa_context_get_state(m_context);
    if (state == PA_CONTEXT_READY) {
        if (m_primed)
            makeStream();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        // Not from inside libpulse's own callback: the context goes with it.
        QMetaObject::invokeMethod(
            this, [this, why = contextError(m_context)]() { fail(why); }, Qt::QueuedConnection);
    }
}

void SoundOutput::prime(int rate, int channels)
{
    m_primed = true;
    m_playing = false;
    m_sourceEnded = false;
    m_draining = false;
    m_given = 0;
    ++m_generation;
    if (m_stream && (rate != m_rate || channels != m_channels))
        dropStream();
    m_rate = rate;
    m_channels = channels;
    if (!m_context) {
        connectContext();
        return;
    }
    if (pa_context_get_state(m_context) != PA_CONTEXT_READY)
        return; // the stream is made when the server answers
    if (!m_stream) {
        makeStream();
        return;
    }
    if (pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return; // filled when it is
    // What an earlier play left is dropped; the new one waits corked.
    forget({pa_stream_cork(m_stream, 1, nullptr, nullptr), pa_stream_flush(m_stream, nullptr, nullptr)});
    fill();
}

void SoundOutput::start()
{
    m_playing = true;
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return; // it starts when the stream is ready
    fill();
    forget({pa_stream_cork(m_stream, 0, nullptr, nullptr)});
}

void SoundOutput::feed()
{
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY)
        fill();
}

void SoundOutput::stop()
{
    m_playing = false;
    m_primed = false;
    m_draining = false;
    ++m_generation;
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    forget({pa_stream_cork(m_stream, 1, nullptr, nullptr), pa_stream_flush(m_stream, nullptr, nullptr)});
}

qint64 SoundOutput::heardBytes() const
{
    if (!m_stream || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return 0;
    // What the server holds is what it has not asked for yet.
    const pa_buffer_attr *attributes = pa_stream_get_buffer_attr(m_stream);
    const size_t writable = pa_stream_writable_size(m_stream);
    if (!attributes || writable == size_t(-1))
        return 0;
    const qint64 held = qint64(attributes->tlength) - qint64(writable);
    return std::max<qint64>(0, m_given - std::max<qint64>(0, held));
}

void SoundOutput::makeStream()
{
    pa_sample_spec spec;
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = uint32_t(m_rate);
    spec.channels = uint8_t(m_channels);
    pa_channel_map map;
    pa_channel_map_init_auto(&map, spec.channels, PA_CHANNEL_MAP_DEFAULT);
    m_stream = pa_stream_new(m_context, "Chronelle", &spec, &map);
    if (!m_stream) {
        fail(contextError(m_context));
        return;
    }
    pa_stream_set_state_callback(
        m_stream, [](pa_stream *, void *self) { static_cast<SoundOutput *>(self)->streamStateChanged(); }, this);
    pa_stream_set_write_callback(
        m_stream, [](pa_stream *, size_t, void *self) { static_cast<SoundOutput *>(self)->fill(); }, this);
    const uint32_t bytesPerMs = uint32_t(pa_bytes_per_second(&spec) / 1000);
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = kBufferMs * bytesPerMs;
    attributes.prebuf = kStartMs * bytesPerMs;
    attributes.minreq = kRequestMs * bytesPerMs;
    attributes.fragsize = uint32_t(-1);
    const auto flags = pa_stream_flags_t(PA_STREAM_START_CORKED);
    if (pa_stream_connect_playback(m_stream, nullptr, &attributes, flags, nullptr, nullptr) < 0)
        fail(contextError(m_context));
}

void SoundOutput::streamStateChanged()
{
    if (!m_stream)
        return;
    const pa_stream_state_t state = pa_stream_get_state(m_stream);
    if (state == PA_STREAM_READY) {
        fill();
        if (m_playing)
            start();
    } else if (state == PA_STREAM_FAILED) {
        QMetaObject::invokeMethod(
            this, [this, why = contextError(m_context)]() { fail(why); }, Qt::QueuedConnection);
    }
}

void SoundOutput::fill()
{
    if (!m_primed || !m_stream || !source)
        return;
    size_t wanted = pa_stream_writable_size(m_stream);
    while (wanted > 0 && !m_sourceEnded) {
        void *data = nullptr;
        size_t size = wanted;
        if (pa_stream_begin_write(m_stream, &data, &size) < 0 || !data || size == 0)
            break;
        // Whole frames only.
        const size_t frame = size_t(m_channels) * 2;
        size -= size % frame;
        const qsizetype given = size > 0 ? source(static_cast<char *>(data), qsizetype(size)) : 0;
        if (given <= 0) {
            pa_stream_cancel_write(m_stream);
            m_sourceEnded = given < 0;
            break;
        }
        pa_stream_write(m_stream, data, size_t(given), nullptr, 0, PA_SEEK_RELATIVE);
        m_given += given;
        wanted -= std::min(wanted, size_t(given));
    }
    if (m_sourceEnded && m_playing && !m_draining) {
        // Played out, the stream has the end it was given; then it waits corked again.
        m_draining = true;
        m_drainOf = m_generation;
        pa_operation *drain = pa_stream_drain(
            m_stream,
            [](pa_stream *, int, void *self) {
                auto *output = static_cast<SoundOutput *>(self);
                if (output->m_drainOf != output->m_generation || !output->m_draining)
                    return; // stopped or started again meanwhile
                output->m_draining = false;
                output->m_playing = false;
                forget({pa_stream_cork(output->m_stream, 1, nullptr, nullptr)});
                QMetaObject::invokeMethod(
                    output,
                    [output]() {
                        if (output->drained)
                            output->drained();
                    },
                    Qt::QueuedConnection);
            },
            this);
        forget({drain});
    }
}

void SoundOutput::dropStream()
{
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void SoundOutput::dropContext()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(std::exchange(m_context, nullptr));
}

void SoundOutput::fail(const QString &why)
{
    const bool wasPlaying = m_playing || m_draining;
    m_playing = false;
    m_draining = false;
    m_primed = false;
    ++m_generation;
    dropStream();
    dropContext();
    // A play after this connects again: the trouble may have passed.
    if (wasPlaying && failed)
        failed(why);
}
