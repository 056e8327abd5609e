#include "pcmdecoder.h"

#include <QFile>
#include <QPointer>
#include <cstring>
#include <gst/gst.h>

namespace {

// How far decoding runs ahead of the reader before it waits.
constexpr int kAheadSeconds = 10;

} // namespace

// What stays whole is a few minutes of a built-in sound or a song, so that
// it loops without its decoder; a longer file lets go of what has been read,
// a sixteenth of that at a time.
PcmDecoder::PcmDecoder(const QString &file, qint64 wholeBytes) : m_file(file), m_wholeBytes(wholeBytes)
{
    start();
}

PcmDecoder::~PcmDecoder()
{
    halt();
}

bool PcmDecoder::endsAt(qint64 offset) const
{
    return m_atEnd && offset >= m_heldFrom + m_samples.size();
}

qsizetype PcmDecoder::read(qint64 offset, char *to, qsizetype max)
{
    std::lock_guard lock(m_lock);
    const qint64 heldTo = m_heldFrom + m_samples.size();
    const qsizetype count = offset >= m_heldFrom ? qsizetype(std::min<qint64>(max, heldTo - offset)) : 0;
    if (count > 0)
        std::memcpy(to, m_samples.constData() + (offset - m_heldFrom), size_t(count));
    m_readTo = std::max(m_readTo, offset + std::max<qsizetype>(count, 0));
    if (count <= 0 && !m_atEnd)
        m_readerWaits = true;
    // A file too long to stay whole lets go of what has been read.
    if ((m_heldFrom > 0 || heldTo > m_wholeBytes) && m_readTo - m_heldFrom >= m_wholeBytes / 16) {
        m_samples.remove(0, qsizetype(m_readTo - m_heldFrom));
        m_heldFrom = m_readTo;
    }
    if (heldTo - m_readTo <= qint64(kAheadSeconds) * bytesPerSecond() / 2)
        m_roomAhead.notify_one();
    return std::max<qsizetype>(count, 0);
}

void PcmDecoder::rewind()
{
    if (hasFailed())
        return;
    {
        std::lock_guard lock(m_lock);
        if (m_heldFrom == 0) {
            // Still whole from the first sample: no decoding again.
            m_readTo = 0;
            return;
        }
    }
    halt();
    start();
}

void PcmDecoder::start()
{
    m_atEnd = false;
    m_halting = false;
    m_readerWaits = false;
    m_samples.clear();
    m_heldFrom = 0;
    m_readTo = 0;
    m_pipeline = gst_pipeline_new(nullptr);
    GstElement *source = gst_element_factory_make("uridecodebin", nullptr);
    GstElement *convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement *filter = gst_element_factory_make("capsfilter", nullptr);
    GstElement *sink = gst_element_factory_make("fakesink", nullptr);
    if (!source || !convert || !filter || !sink) {
        for (GstElement *element : {source, convert, filter, sink})
            if (element)
                gst_object_unref(element);
        gst_object_unref(m_pipeline);
        m_pipeline = nullptr;
        const QString error = QStringLiteral("GStreamer's base plugins are missing");
        QMetaObject::invokeMethod(
            this,
            [this, error]() {
                m_error = error;
                if (failed)
                    failed(error);
            },
            Qt::QueuedConnection);
        return;
    }
    gst_bin_add_many(GST_BIN(m_pipeline), source, convert, filter, sink, nullptr);
    GstCaps *samples = gst_caps_from_string("audio/x-raw,format=S16LE,layout=interleaved,channels=[1,8]");
    g_object_set(filter, "caps", samples, nullptr);
    gst_caps_unref(samples);
    gst_element_link_many(convert, filter, sink, nullptr);
    // No clock to keep: the samples are taken as fast as they are decoded.
    g_object_set(sink, "signal-handoffs", TRUE, "sync", FALSE, nullptr);
    g_signal_connect(sink, "handoff", G_CALLBACK(+[](GstElement *, GstBuffer *buffer, GstPad *pad, gpointer self) {
                         static_cast<PcmDecoder *>(self)->decoded(buffer, pad);
                     }),
                     this);
    // The first sound of the file goes to the samples; any other stream (a
    // video's pictures, a second language) is let run out unused.
    g_signal_connect(source, "pad-added", G_CALLBACK(+[](GstElement *, GstPad *pad, gpointer audio) {
                         GstPad *target = gst_element_get_static_pad(GST_ELEMENT(audio), "sink");
                         GstCaps *caps = gst_pad_get_current_caps(pad);
                         const bool isAudio =
                             caps &&
                             g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), "audio/");
                         if (caps)
                             gst_caps_unref(caps);
                         if (isAudio && !gst_pad_is_linked(target)) {
                             gst_pad_link(pad, target);
                         } else {
                             GstElement *drain = gst_element_factory_make("fakesink", nullptr);
                             g_object_set(drain, "sync", FALSE, "async", FALSE, nullptr);
                             GstElement *pipeline = GST_ELEMENT(gst_element_get_parent(GST_ELEMENT(audio)));
                             gst_bin_add(GST_BIN(pipeline), drain);
                             gst_element_sync_state_with_parent(drain);
                             GstPad *drainPad = gst_element_get_static_pad(drain, "sink");
                             gst_pad_link(pad, drainPad);
                             gst_object_unref(drainPad);
                             gst_object_unref(pipeline);
                         }
                         gst_object_unref(target);
                     }),
                     convert);
    gchar *uri = gst_filename_to_uri(QFile::encodeName(m_file).constData(), nullptr);
    g_object_set(source, "uri", uri, nullptr);
    g_free(uri);
    GstBus *bus = gst_element_get_bus(m_pipeline);
    // The end and errors come on GStreamer's threads; they are handled on ours, in order.
    gst_bus_set_sync_handler(
        bus,
        [](GstBus *, GstMessage *message, gpointer self) {
            const GstMessageType type = GST_MESSAGE_TYPE(message);
            if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR) {
                auto *decoder = static_cast<PcmDecoder *>(self);
                gst_message_ref(message);
                QMetaObject::invokeMethod(
                    decoder,
                    [decoder, message]() {
                        decoder->busMessage(message);
                        gst_message_unref(message);
                    },
                    Qt::QueuedConnection);
            }
            return GST_BUS_DROP;
        },
        this, nullptr);
    gst_object_unref(bus);
    gst_element_set_state(m_pipeline, GST_STATE_PLAYING);
}

void PcmDecoder::halt()
{
    if (!m_pipeline)
        return;
    {
        std::lock_guard lock(m_lock);
        m_halting = true;
    }
    m_roomAhead.notify_all();
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    gst_object_unref(m_pipeline);
    m_pipeline = nullptr;
}

void PcmDecoder::decoded(GstBuffer *buffer, GstPad *pad)
{
    // On GStreamer's streaming thread.
    bool announce = false;
    bool wake = false;
    std::unique_lock lock(m_lock);
    if (m_halting)
        return;
    if (m_rate == 0) {
        int rate = 0;
        int channels = 0;
        if (GstCaps *caps = gst_pad_get_current_caps(pad)) {
            const GstStructure *structure = gst_caps_get_structure(caps, 0);
            gst_structure_get_int(structure, "rate", &rate);
            gst_structure_get_int(structure, "channels", &channels);
            gst_caps_unref(caps);
        }
        if (rate <= 0 || channels <= 0)
            return;
        m_channels = channels;
        m_rate = rate;
        announce = true;
    }
    GstMapInfo map;
    if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        m_samples.append(reinterpret_cast<const char *>(map.data), qsizetype(map.size));
        gst_buffer_unmap(buffer, &map);
    }
    wake = std::exchange(m_readerWaits, false);
    if (announce || wake) {
        QMetaObject::invokeMethod(
            this,
            [this, announce]() {
                if (announce && formatKnown)
                    formatKnown();
                else if (moreData)
                    moreData();
            },
            Qt::QueuedConnection);
    }
    // Far enough ahead: wait until half of it has been read.
    const qint64 limit = qint64(kAheadSeconds) * bytesPerSecond();
    if (m_heldFrom + m_samples.size() - m_readTo > limit) {
        m_roomAhead.wait(lock, [&]() { return m_halting || m_heldFrom + m_samples.size() - m_readTo <= limit / 2; });
    }
}

void PcmDecoder::busMessage(GstMessage *message)
{
    if (!m_pipeline || !gst_object_has_as_ancestor(GST_MESSAGE_SRC(message), GST_OBJECT(m_pipeline)))
        return; // from a pipeline halted since
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
        m_atEnd = true;
        // Nothing more will come; the decoder's threads may go.
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        if (finished)
            finished();
        return;
    }
    GError *error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    m_error = error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    g_clear_error(&error);
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    if (failed)
        failed(m_error);
}
