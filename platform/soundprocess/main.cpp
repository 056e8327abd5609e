// chronelle-sound: the program's player in a process of its own. The ringing
// window and the editor start it through ChildMediaPlayer and talk to it in
// lines on its standard input and output (see soundprotocol.h); a decoder
// that crashes or hangs on a user's file takes only this process down.
//
// GStreamer decodes the file into memory ahead of the stream (PcmDecoder)
// and the stream to the sound server is this process's own, on its event
// loop (SoundOutput): while a sound plays, the decoder sleeps between bursts
// and the stream asks for more twice a second. A file opened ahead of time
// waits decoded, its first two seconds already in a corked stream, and a
// short one played again (a built-in sound that loops) is played from
// memory, with no decoder at all.

#include "outputlevel.h"
#include "pcmdecoder.h"
#include "soundoutput.h"
#include "soundprotocol.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>
#include <cerrno>
#include <csignal>
#include <gst/gst.h>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

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

// The level applied to 16-bit samples; the stream's own volume on the
// server stays the user's.
void scale(char *samples, qsizetype bytes, float volume)
{
    if (volume >= 1.0f)
        return;
    for (qsizetype i = 0; i + 1 < bytes; i += 2) {
        const auto sample = qFromLittleEndian<qint16>(samples + i);
        qToLittleEndian<qint16>(qint16(float(sample) * volume), samples + i);
    }
}

// One file at a time, reported in the protocol's terms: a complaint (a cause
// and the reason verbatim; the program words it) before play() is said when
// play() is asked for (refused), one after it ends the playback (failed).
// Opening the file that is open already keeps it, so a sound played again
// needs no new decoder and no new stream.
class SoundProcess final : public QObject
{
public:
    SoundProcess()
    {
        m_progress.setInterval(SoundProtocol::progressIntervalMs);
        connect(&m_progress, &QTimer::timeout, this, [this]() {
            const qint64 heard = m_decoder && m_decoder->formatIsKnown()
                                     ? m_output.heardBytes() * 1000 / m_decoder->bytesPerSecond()
                                     : 0;
            say(SoundProtocol::line(SoundProtocol::progress, m_playback, QByteArray::number(heard)));
        });
        m_output.source = [this](char *to, qsizetype max) { return take(to, max); };
        m_output.drained = [this]() { endPlayback(); };
        m_output.failed = [this](const QString &why) { breakOff(SoundProtocol::Cause::SoundServer, why); };
        m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(m_input, &QSocketNotifier::activated, this, &SoundProcess::readRequests);
    }

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
            // Heard as the stream takes the next samples; a stream that waits
            // primed is primed again, so that a play (a fade-in starting low)
            // begins at the level it was given.
            m_level.setPacked(message.text.toUInt());
            if (m_primedFromStart && !m_playing)
                primeFromStart();
        } else if (message.verb == SoundProtocol::stop) {
            m_playing = false;
            m_primedFromStart = false;
            m_progress.stop();
            m_output.stop();
        } else if (message.verb == SoundProtocol::open) {
            m_playback = message.playback;
            const QString file = QString::fromUtf8(message.text);
            // A file that failed is decoded anew: the trouble may have passed.
            // The same file playing goes on (started on an alarm's second,
            // its window takes it over with this open and a play).
            if (file != m_file || !m_decoder || m_decoder->hasFailed()) {
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
        m_playing = false;
        m_progress.stop();
        m_output.stop();
        m_primedFromStart = false;
        m_offset = 0;
        m_decoder = std::make_unique<PcmDecoder>(m_file);
        // Once its format is known the file waits with its first two seconds in the stream.
        m_decoder->formatKnown = [this]() {
            primeFromStart();
            if (m_playing) {
                m_primedFromStart = false;
                m_output.start();
            }
        };
        m_decoder->moreData = [this]() { m_output.feed(); };
        m_decoder->finished = [this]() {
            // Nothing to hear: a play has simply ended.
            if (!m_decoder->formatIsKnown())
                endPlayback();
            else
                m_output.feed();
        };
        m_decoder->failed = [this](const QString &why) {
            if (m_playing)
                breakOff(SoundProtocol::Cause::Decoder, why);
        };
    }

    void play()
    {
        if (!m_decoder) {
            say(SoundProtocol::line(SoundProtocol::refused, m_playback,
                                    SoundProtocol::complaint(SoundProtocol::Cause::NothingOpen)));
            return;
        }
        if (m_playing)
            return;
        if (m_decoder->hasFailed()) {
            say(SoundProtocol::line(
                SoundProtocol::refused, m_playback,
                SoundProtocol::complaint(SoundProtocol::Cause::Decoder, m_decoder->error().toUtf8())));
            return;
        }
        m_playing = true;
        m_progress.start();
        if (!m_decoder->formatIsKnown())
            return; // it starts when the first samples are in
        if (!m_primedFromStart || !m_output.isPrimed())
            primeFromStart();
        m_primedFromStart = false;
        m_output.start();
    }

    // The stream waits corked with the file's first samples.
    void primeFromStart()
    {
        m_decoder->rewind();
        m_offset = 0;
        m_output.prime(m_decoder->rate(), m_decoder->channels());
        m_primedFromStart = true;
    }

    qsizetype take(char *to, qsizetype max)
    {
        if (!m_decoder)
            return -1;
        const qsizetype count = m_decoder->read(m_offset, to, max);
        if (count == 0)
            return m_decoder->endsAt(m_offset) ? -1 : 0;
        scale(to, count, m_level.volume());
        m_offset += count;
        return count;
    }

    void endPlayback()
    {
        if (!std::exchange(m_playing, false))
            return;
        m_progress.stop();
        say(SoundProtocol::line(SoundProtocol::ended, m_playback));
    }

    void breakOff(SoundProtocol::Cause cause, const QString &why)
    {
        m_primedFromStart = false;
        if (!std::exchange(m_playing, false))
            return;
        m_progress.stop();
        m_output.stop();
        say(SoundProtocol::line(SoundProtocol::failed, m_playback, SoundProtocol::complaint(cause, why.toUtf8())));
    }

    OutputLevel m_level;
    SoundOutput m_output;
    std::unique_ptr<PcmDecoder> m_decoder;
    QSocketNotifier *m_input = nullptr;
    QByteArray m_pending;
    QTimer m_progress;
    QString m_file;
    qint64 m_offset = 0;            // of the next sample the stream takes
    bool m_primedFromStart = false; // the stream holds the file's start, untouched
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
