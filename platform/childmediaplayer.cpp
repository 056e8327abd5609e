#include "childmediaplayer.h"

#include "outputlevel.h"
#include "soundprotocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTimer>

ChildMediaPlayer::ChildMediaPlayer(SoundProcessLauncher &launcher, const OutputLevel &level, QObject *parent)
    : MediaPlayer(parent), m_launcher(launcher), m_level(level)
{
    m_watchdog = new QTimer(this);
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(stallTimeoutMs);
    connect(m_watchdog, &QTimer::timeout, this, &ChildMediaPlayer::stalled);
    connect(&m_level, &OutputLevel::volumeChanged, this, [this]() {
        if (m_process)
            send(SoundProtocol::line(SoundProtocol::volume, 0, QByteArray::number(m_level.packed())));
    });
}

ChildMediaPlayer::~ChildMediaPlayer()
{
    endProcess();
}

qint64 ChildMediaPlayer::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void ChildMediaPlayer::startProcess()
{
    m_process = m_launcher.take();
    m_process->setParent(this);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &ChildMediaPlayer::readAnswers);
    connect(m_process, &QProcess::finished, this, &ChildMediaPlayer::processEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processEnded();
    });
    if (m_process->state() == QProcess::NotRunning && m_process->error() == QProcess::FailedToStart) {
        const QString why = m_process->errorString();
        endProcess();
        throw EMCIDeviceError(describe(
            QCoreApplication::translate("MediaPlayer", "the sound player could not be started: %1.").arg(why)));
    }
    send(SoundProtocol::line(SoundProtocol::volume, 0, QByteArray::number(m_level.packed())));
}

void ChildMediaPlayer::endProcess()
{
    if (!m_process)
        return;
    QProcess *process = std::exchange(m_process, nullptr);
    disconnect(process, nullptr, this, nullptr);
    endProcess(process);
}

void ChildMediaPlayer::endProcess(QProcess *process)
{
    // Nothing it holds is worth waiting for; the wait only collects it.
    process->kill();
    process->waitForFinished(1000);
    process->deleteLater();
}

void ChildMediaPlayer::send(const QByteArray &line)
{
    m_process->write(line + '\n');
}

void ChildMediaPlayer::open()
{
    close();
    m_openFile = checkedFileName();
    if (!m_process)
        startProcess(); // throws when it can't
    m_error.clear();
    m_opened = ++m_requests;
    send(SoundProtocol::line(SoundProtocol::open, m_opened, m_openFile.toUtf8()));
    m_mode = Mode::Stopped;
}

void ChildMediaPlayer::play()
{
    if (m_mode == Mode::NotOpen)
        throw EMCIDeviceError(EMCIDeviceError::nothingOpen());
    if (m_mode == Mode::Playing)
        return;
    if (!m_error.isEmpty())
        throw EMCIDeviceError(m_error);
    m_playback = ++m_requests;
    send(SoundProtocol::line(SoundProtocol::play, m_playback));
    m_mode = Mode::Playing;
    m_lastPosition = -1;
    m_watchdog->start();
    armNotify();
}

void ChildMediaPlayer::stop()
{
    if (m_mode != Mode::Playing)
        return;
    m_mode = Mode::Stopped;
    m_watchdog->stop();
    send(SoundProtocol::line(SoundProtocol::stop, m_playback));
    playbackEnded(NotifyReason::Stopped);
}

void ChildMediaPlayer::close()
{
    if (m_mode == Mode::NotOpen)
        return;
    const bool wasPlaying = m_mode == Mode::Playing;
    m_mode = Mode::NotOpen;
    m_watchdog->stop();
    if (m_process && wasPlaying)
        send(SoundProtocol::line(SoundProtocol::stop, m_playback));
    m_openFile.clear();
    m_error.clear();
    if (wasPlaying)
        playbackEnded(NotifyReason::Stopped);
}

void ChildMediaPlayer::readAnswers()
{
    while (m_process && m_process->canReadLine())
        answer(m_process->readLine().chopped(1));
}

void ChildMediaPlayer::answer(const QByteArray &line)
{
    const SoundProtocol::Message message = SoundProtocol::parse(line);
    if (message.verb == SoundProtocol::refused) {
        if (m_mode == Mode::NotOpen || message.playback < m_opened)
            return; // about a file this player has left
        const QString text = complaintText(message.text);
        if (m_error.isEmpty())
            m_error = text;
        if (m_mode == Mode::Playing && message.playback == m_playback) {
            m_mode = Mode::Stopped;
            m_watchdog->stop();
            playbackEnded(NotifyReason::Aborted, text);
        }
        return;
    }
    if (m_mode != Mode::Playing || message.playback != m_playback)
        return; // about a playback that has already ended here
    if (message.verb == SoundProtocol::progress) {
        const qint64 position = message.text.toLongLong();
        if (position > m_lastPosition) {
            m_lastPosition = position;
            m_watchdog->start();
        }
    } else if (message.verb == SoundProtocol::ended) {
        m_mode = Mode::Stopped;
        m_watchdog->stop();
        playbackEnded(NotifyReason::Ended);
    } else if (message.verb == SoundProtocol::failed) {
        m_mode = Mode::Stopped;
        m_watchdog->stop();
        const QString text = complaintText(message.text);
        if (m_error.isEmpty())
            m_error = text;
        playbackEnded(NotifyReason::Aborted, text);
    }
}

void ChildMediaPlayer::processEnded()
{
    if (!m_process)
        return;
    const QString why =
        m_process->error() == QProcess::FailedToStart
            ? QCoreApplication::translate("MediaPlayer", "it could not be started: %1").arg(m_process->errorString())
        : m_process->exitStatus() == QProcess::CrashExit
            ? QCoreApplication::translate("MediaPlayer", "it crashed")
            : QCoreApplication::translate("MediaPlayer", "it ended with status %1").arg(m_process->exitCode());
    lose(why);
}

void ChildMediaPlayer::stalled()
{
    const int seconds = int(stallTimeoutMs) / 1000;
    if (m_mode == Mode::Playing)
        lose(QCoreApplication::translate("MediaPlayer", "it made no progress for %n seconds", nullptr, seconds));
}

void ChildMediaPlayer::lose(const QString &why)
{
    endProcess();
    if (m_mode == Mode::NotOpen)
        return;
    const QString message =
        describe(QCoreApplication::translate("MediaPlayer", "the sound player stopped: %1.").arg(why));
    // The next play() of this file says it; a new open() starts a new process.
    m_error = message;
    if (m_mode != Mode::Playing)
        return;
    m_mode = Mode::Stopped;
    m_watchdog->stop();
    emit decoderLost(message);
    playbackEnded(NotifyReason::Aborted, message);
}

QString ChildMediaPlayer::describe(const QString &text) const
{
    return EMCIDeviceError::cannotPlay(m_openFile, text);
}

QString ChildMediaPlayer::complaintText(const QByteArray &complaint) const
{
    const SoundProtocol::Complaint said = SoundProtocol::parseComplaint(complaint);
    const QString reason = QString::fromUtf8(said.reason);
    switch (said.cause) {
    case SoundProtocol::Cause::NothingOpen:
        return EMCIDeviceError::nothingOpen();
    case SoundProtocol::Cause::SoundServer:
        return describe(QCoreApplication::translate("MediaPlayer", "the sound server: %1").arg(reason));
    case SoundProtocol::Cause::Decoder:
    case SoundProtocol::Cause::Unknown:
        break;
    }
    return describe(reason);
}
