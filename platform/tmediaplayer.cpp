#include "tmediaplayer.h"

#include "outputlevel.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QUrl>

TMediaPlayer::TMediaPlayer(const OutputLevel &level, QObject *parent) : MediaPlayer(parent), m_level(level) {}

TMediaPlayer::~TMediaPlayer()
{
    release();
}

void TMediaPlayer::open()
{
    close();
    m_openFile = checkedFileName();
    load();
}

void TMediaPlayer::load()
{
    m_error.clear();
    m_spent = false;
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(m_player);
    const OutputLevel &level = m_level;
    m_output->setVolume(level.volume());
    connect(&level, &OutputLevel::volumeChanged, m_output, &QAudioOutput::setVolume);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &TMediaPlayer::mediaStatusChanged);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, &TMediaPlayer::playbackStateChanged);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &TMediaPlayer::errorOccurred);
    m_mode = Mode::Stopped;

    m_inBackendCall = true;
    m_callError.clear();
    m_player->setSource(QUrl::fromLocalFile(m_openFile));
    m_inBackendCall = false;
    if (!m_callError.isEmpty()) {
        const QString text = describe(m_callError);
        m_mode = Mode::NotOpen;
        release();
        throw EMCIDeviceError(text);
    }
}

void TMediaPlayer::play()
{
    if (m_mode == Mode::NotOpen)
        throw EMCIDeviceError(EMCIDeviceError::nothingOpen());
    if (m_mode == Mode::Playing)
        return;
    if (!m_error.isEmpty())
        throw EMCIDeviceError(describe(m_error));
    if (m_spent) {
        // GStreamer's rewind after the end of a stream does not always start
        // the stream again, and then no end is ever reported: a playback
        // after the first one gets a fresh backend player on the same file.
        const QString file = m_openFile;
        release();
        m_openFile = file;
        load();
    }

    m_mode = Mode::Playing;
    m_spent = true;
    armNotify();
    m_inBackendCall = true;
    m_callError.clear();
    m_player->play();
    m_inBackendCall = false;
    if (!m_callError.isEmpty()) {
        m_error = m_callError;
        m_mode = Mode::Stopped;
        setNotify(false); // this playback never began: nothing to report
        m_player->stop();
        throw EMCIDeviceError(describe(m_error));
    }
}

void TMediaPlayer::stop()
{
    if (m_mode != Mode::Playing)
        return;
    m_mode = Mode::Stopped;
    m_player->stop();
    playbackEnded(NotifyReason::Stopped);
}

void TMediaPlayer::close()
{
    if (m_mode == Mode::NotOpen)
        return;
    const bool wasPlaying = m_mode == Mode::Playing;
    m_mode = Mode::NotOpen;
    release();
    if (wasPlaying)
        playbackEnded(NotifyReason::Stopped);
}

void TMediaPlayer::release()
{
    if (!m_player)
        return;
    // Whatever the old backend player still has to say is of no interest now.
    disconnect(m_player, nullptr, this, nullptr);
    m_player->stop();
    // This may run inside one of the backend player's own signals (a handler
    // of OnNotify closing the player): it must outlive that call.
    m_player->setParent(nullptr);
    m_player->deleteLater();
    m_player = nullptr;
    m_output = nullptr;
    m_openFile.clear();
    m_error.clear();
}

void TMediaPlayer::failed(const QString &text)
{
    if (m_inBackendCall) {
        if (m_callError.isEmpty())
            m_callError = text;
        return;
    }
    if (m_error.isEmpty())
        m_error = text;
    // Before play() the complaint waits for play() to throw it; after the end
    // of a playback there is nothing left to stop.
    if (m_mode != Mode::Playing)
        return;
    m_mode = Mode::Stopped;
    // GStreamer repeats its error several times and leaves the player
    // "playing": stop it here so the failure is reported once.
    m_player->stop();
    playbackEnded(NotifyReason::Aborted, describe(text));
}

void TMediaPlayer::mediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::InvalidMedia)
        failed(m_player->errorString().isEmpty()
                   ? QCoreApplication::translate("MediaPlayer", "The file can't be played.")
                   : m_player->errorString());
    else if (status == QMediaPlayer::EndOfMedia && m_mode == Mode::Playing) {
        m_mode = Mode::Stopped;
        playbackEnded(NotifyReason::Ended);
    }
}

void TMediaPlayer::playbackStateChanged(QMediaPlayer::PlaybackState state)
{
    // The backend stops by itself at the end of the media (this comes just
    // before EndOfMedia) or after an error.
    if (state != QMediaPlayer::StoppedState || m_mode != Mode::Playing)
        return;
    if (m_player->error() != QMediaPlayer::NoError) {
        failed(m_player->errorString());
        return;
    }
    m_mode = Mode::Stopped;
    playbackEnded(NotifyReason::Ended);
}

void TMediaPlayer::errorOccurred(QMediaPlayer::Error error, const QString &text)
{
    if (error == QMediaPlayer::NoError)
        return;
    failed(text.isEmpty() ? m_player->errorString() : text);
}

QString TMediaPlayer::describe(const QString &text) const
{
    return EMCIDeviceError::cannotPlay(m_openFile, text);
}
