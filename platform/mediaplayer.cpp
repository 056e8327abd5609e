#include "mediaplayer.h"

EMCIDeviceError::EMCIDeviceError(QString message) : m_message(std::move(message)), m_local8Bit(m_message.toLocal8Bit())
{
}

MediaPlayer::MediaPlayer(QObject *parent) : QObject(parent) {}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}

void MediaPlayer::setNotify(bool on)
{
    m_notify = on;
}

void MediaPlayer::armNotify()
{
    m_notify = true;
    ++m_playbacks;
}

void MediaPlayer::playbackEnded(NotifyReason reason, const QString &failure)
{
    const bool notified = m_notify;
    const quint64 playback = m_playbacks;
    m_notify = false;
    if (reason == NotifyReason::Aborted)
        emit playbackFailed(failure);
    // A handler of the failure may already have started the next playback;
    // this report then belongs to the past and would only stop the new one.
    if (notified && playback == m_playbacks)
        emit OnNotify(reason);
}
