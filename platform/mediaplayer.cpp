#include "mediaplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

EMCIDeviceError::EMCIDeviceError(const QString &message) : AppError(message, Kind::Media) {}

QString EMCIDeviceError::cannotPlay(const QString &file, const QString &reason)
{
    return QCoreApplication::translate("MediaPlayer", "Cannot play \"%1\": %2")
        .arg(QDir::toNativeSeparators(file), reason);
}

QString EMCIDeviceError::nothingOpen()
{
    return QCoreApplication::translate("MediaPlayer", "Cannot play: no file is open.");
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

QString MediaPlayer::checkedFileName() const
{
    const QString name = fileName();
    if (name.isEmpty())
        throw EMCIDeviceError(QCoreApplication::translate("MediaPlayer", "Cannot open a file without a name."));
    const QString shown = QDir::toNativeSeparators(name);
    // A backend would only say so later and asynchronously; what can be known
    // now is told now.
    const QFileInfo info(name);
    if (!info.exists())
        throw EMCIDeviceError(
            QCoreApplication::translate("MediaPlayer", "Cannot open \"%1\": the file does not exist.").arg(shown));
    if (!info.isFile())
        throw EMCIDeviceError(
            QCoreApplication::translate("MediaPlayer", "Cannot open \"%1\": it is not a file.").arg(shown));
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        throw EMCIDeviceError(
            QCoreApplication::translate("MediaPlayer", "Cannot open \"%1\": %2").arg(shown, file.errorString()));
    if (file.size() == 0)
        throw EMCIDeviceError(
            QCoreApplication::translate("MediaPlayer", "Cannot open \"%1\": the file is empty.").arg(shown));
    return info.absoluteFilePath();
}
