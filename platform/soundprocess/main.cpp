// chronelle-sound: the program's player in a process of its own. The ringing
// window and the editor start it through ChildMediaPlayer and talk to it in
// lines on its standard input and output (see soundprotocol.h); a decoder
// that crashes or hangs on a user's file takes only this process down.
//
// It plays through GStreamer's playbin into the sound server with long
// buffers: an alarm needs no low latency, and a stream that holds two
// seconds, filled half a second at a time, wakes this process a few times a
// second instead of a hundred. A file opened ahead of time waits
// decoded up to its first sample, and one played again (a built-in sound
// that loops) starts again in the same pipeline rather than in a new one.

#include "outputlevel.h"
#include "soundprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <gst/gst.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// What the sound server's stream holds, and how much is handed over at once:
// the stream and the threads that feed it wake twice a second. (A change of
// the level is heard as late as the stream is long; a stop empties it.)
constexpr gint64 kBufferUs = 2'000'000;
constexpr gint64 kSegmentUs = 500'000;
// playbin's flags: audio only, its volume applied to the samples (the
// stream's own volume on the server stays the user's).
constexpr guint kAudioWithSoftVolume = (1 << 1) | (1 << 4);

void say(const QByteArray &line)
{
    QByteArray data = line;
    data.append('\n');
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t now = ::write(STDOUT_FILENO, data.constData() + written, size_t(data.size() - written));
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0) {
            // The program that started us is gone: so is our reason to play.
            QCoreApplication::exit(0);
            return;
        }
        written += now;
    }
}

// One file at a time through playbin, reported in the protocol's terms: a
// complaint before play() is said when play() is asked for (refused), one
// after it ends the playback (failed). Opening the file that is open already
// keeps its pipeline, so a sound played again needs no new threads, no new
// decoders and no new connection to the sound server.
class SoundProcess final : public QObject
{
public:
    SoundProcess()
    {
        m_progress.setInterval(SoundProtocol::progressIntervalMs);
        connect(&m_progress, &QTimer::timeout, this, [this]() {
            gint64 position = 0;
            if (m_pipeline && !gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &position))
                position = 0;
            say(SoundProtocol::line(SoundProtocol::progress, m_playback, QByteArray::number(position / GST_MSECOND)));
        });
        m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(m_input, &QSocketNotifier::activated, this, &SoundProcess::readRequests);
    }
    ~SoundProcess() override { release(); }

private:
    void readRequests()
    {
        char buffer[4096];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            return;
        if (count <= 0) {
            // The program closed its end: it is done with us, or gone.
            m_input->setEnabled(false);
            release();
            QCoreApplication::exit(0);
            return;
        }
        m_pending.append(buffer, count);
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QByteArray request = m_pending.left(end);
            m_pending.remove(0, end + 1);
            carryOut(SoundProtocol::parse(request));
        }
    }

    void carryOut(const SoundProtocol::Message &message)
    {
        if (message.verb == SoundProtocol::volume) {
            m_level.setPacked(message.text.toUInt());
            if (m_pipeline)
                g_object_set(m_pipeline, "volume", double(m_level.volume()), nullptr);
        } else if (message.verb == SoundProtocol::stop) {
            m_progress.stop();
            m_playing = false;
            if (m_pipeline)
                gst_element_set_state(m_pipeline, GST_STATE_NULL);
        } else if (message.verb == SoundProtocol::open) {
            m_playback = message.playback;
            const QString file = QString::fromUtf8(message.text);
            // A file that failed is built anew: the trouble may have passed.
            // The same file playing goes on (started on an alarm's second,
            // its window takes it over with this open and a play).
            if (file != m_file || !m_pipeline || !m_error.isEmpty()) {
                m_file = file;
                load();
            }
        } else if (message.verb == SoundProtocol::play) {
            m_playback = message.playback;
            play();
        }
    }

    void load()
    {
        release();
        m_error.clear();
        m_pipeline = gst_element_factory_make("playbin", nullptr);
        GstElement *sink = gst_element_factory_make("pulsesink", nullptr);
        if (!m_pipeline) {
            m_error = QStringLiteral("the GStreamer playbin is missing");
            return;
        }
        if (sink) {
            // On the sound server the stream is the program's, by name and icon.
            g_object_set(sink, "buffer-time", kBufferUs, "latency-time", kSegmentUs, "client-name", "Chronelle",
                         nullptr);
            g_object_set(m_pipeline, "audio-sink", sink, nullptr);
        }
        gchar *uri = gst_filename_to_uri(QFile::encodeName(m_file).constData(), nullptr);
        g_object_set(m_pipeline, "uri", uri, "flags", kAudioWithSoftVolume, "volume", double(m_level.volume()),
                     nullptr);
        g_free(uri);
        GstBus *bus = gst_element_get_bus(m_pipeline);
        // Messages come on GStreamer's threads; they are handled here, in order.
        gst_bus_set_sync_handler(
            bus,
            [](GstBus *, GstMessage *message, gpointer self) {
                if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS || GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
                    auto *process = static_cast<SoundProcess *>(self);
                    GstObject *source = GST_MESSAGE_SRC(message);
                    gst_message_ref(message);
                    QMetaObject::invokeMethod(
                        process,
                        [process, message, source]() {
                            process->busMessage(message, source);
                            gst_message_unref(message);
                        },
                        Qt::QueuedConnection);
                }
                return GST_BUS_DROP;
            },
            this, nullptr);
        gst_object_unref(bus);
        // Decoded up to its first sample, so that play() only has to start.
        gst_element_set_state(m_pipeline, GST_STATE_PAUSED);
    }

    void play()
    {
        if (!m_pipeline && m_file.isEmpty()) {
            say(SoundProtocol::line(SoundProtocol::refused, m_playback,
                                    QByteArrayLiteral("Cannot play: no file is open.")));
            return;
        }
        if (m_playing)
            return;
        if (!m_error.isEmpty()) {
            say(SoundProtocol::line(SoundProtocol::refused, m_playback, describe(m_error).toUtf8()));
            return;
        }
        if (!m_pipeline)
            load();
        m_playing = true;
        // Every start goes through READY: a sink that waited paused would
        // place the first sample as much later in the stream as it waited
        // (its clock ran on while the stream stood corked), and from READY
        // the stream starts afresh while the decoders and the connection to
        // the sound server stay.
        gst_element_set_state(m_pipeline, GST_STATE_READY);
        const bool started = gst_element_set_state(m_pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
        if (!started && m_error.isEmpty())
            m_error = QStringLiteral("the sound could not be started");
        m_progress.start();
    }

    void busMessage(GstMessage *message, GstObject *source)
    {
        if (!m_pipeline || !gst_object_has_as_ancestor(source, GST_OBJECT(m_pipeline)))
            return; // from a pipeline released since
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
            if (!m_playing)
                return;
            m_playing = false;
            m_progress.stop();
            // Ready for a play again; a stream left open at its end would
            // keep asking for data that never comes.
            gst_element_set_state(m_pipeline, GST_STATE_READY);
            say(SoundProtocol::line(SoundProtocol::ended, m_playback));
            return;
        }
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const QString text = error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
        g_clear_error(&error);
        if (m_error.isEmpty())
            m_error = text;
        if (!m_playing)
            return; // said when play() is asked for
        m_playing = false;
        m_progress.stop();
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        say(SoundProtocol::line(SoundProtocol::failed, m_playback, describe(text).toUtf8()));
    }

    void release()
    {
        m_playing = false;
        m_progress.stop();
        if (!m_pipeline)
            return;
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        gst_object_unref(m_pipeline);
        m_pipeline = nullptr;
    }

    QString describe(const QString &text) const
    {
        return QStringLiteral("Cannot play \"%1\": %2").arg(QDir::toNativeSeparators(m_file), text);
    }

    OutputLevel m_level;
    QSocketNotifier *m_input = nullptr;
    QByteArray m_pending;
    QTimer m_progress;
    GstElement *m_pipeline = nullptr;
    QString m_file;
    QString m_error;
    bool m_playing = false;
    quint64 m_playback = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // Nothing to play for once the program is gone, even while a decoder
    // hangs and nobody reads the closed input.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() == 1)
        return 0;
    // Writing to a program that has gone must end us quietly, not by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    gst_init(&argc, &argv);
    QCoreApplication app(argc, argv);
    SoundProcess process;
    return app.exec();
}
