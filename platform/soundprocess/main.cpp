// chronelle-sound: the program's player in a process of its own. The ringing
// window and the editor start it through ChildMediaPlayer and talk to it in
// lines on its standard input and output (see childmediaplayer.h); a decoder
// that crashes or hangs on a user's file takes only this process down.

#include "outputlevel.h"
#include "soundprotocol.h"
#include "tmediaplayer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
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

// Carries out one request line at a time on the player.
class SoundProcess final : public QObject
{
public:
    SoundProcess() : m_player(m_level)
    {
        m_progress.setInterval(SoundProtocol::progressIntervalMs);
        connect(&m_progress, &QTimer::timeout, this, [this]() {
            say(SoundProtocol::line(SoundProtocol::progress, m_playback, QByteArray::number(m_player.position())));
        });
        connect(&m_player, &MediaPlayer::playbackFailed, this, [this](const QString &message) { m_failure = message; });
        connect(&m_player, &MediaPlayer::OnNotify, this, [this](MediaPlayer::NotifyReason reason) {
            m_progress.stop();
            if (reason == MediaPlayer::NotifyReason::Ended)
                say(SoundProtocol::line(SoundProtocol::ended, m_playback));
            else if (reason == MediaPlayer::NotifyReason::Aborted)
                say(SoundProtocol::line(SoundProtocol::failed, m_playback, m_failure.toUtf8()));
        });
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
            m_player.close();
            QCoreApplication::exit(0);
            return;
        }
        m_pending.append(buffer, count);
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QByteArray request = m_pending.left(end);
            m_pending.remove(0, end + 1);
            carryOut(request);
        }
    }

    void carryOut(const QByteArray &request)
    {
        const SoundProtocol::Message message = SoundProtocol::parse(request);
        if (message.verb == SoundProtocol::volume) {
            m_level.setPacked(message.text.toUInt());
            return;
        }
        if (message.verb == SoundProtocol::stop) {
            m_progress.stop();
            m_player.setNotify(false);
            m_player.stop();
            return;
        }
        m_playback = message.playback;
        m_failure.clear();
        try {
            if (message.verb == SoundProtocol::open) {
                // Always afresh: a backend player left waiting before its
                // first play starts late (seconds), a new one at once.
                m_player.setNotify(false);
                m_player.setFileName(QString::fromUtf8(message.text));
                m_player.open();
            } else if (message.verb == SoundProtocol::play) {
                m_player.play();
                m_progress.start();
            }
        } catch (const EMCIDeviceError &error) {
            say(SoundProtocol::line(SoundProtocol::refused, m_playback, error.message().toUtf8()));
        }
    }

    OutputLevel m_level;
    TMediaPlayer m_player;
    QSocketNotifier *m_input = nullptr;
    QByteArray m_pending;
    QTimer m_progress;
    quint64 m_playback = 0;
    QString m_failure;
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
    QCoreApplication app(argc, argv);
    SoundProcess process;
    return app.exec();
}
