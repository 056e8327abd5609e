#pragma once

#include "apperror.h"

#include <QObject>
#include <QString>

// Raised by open() and play() when the file can't be opened or played: an
// AppError of the kind Media, with the text for the standard error box. The
// texts of a failed play are worded here, once, for every player.
class EMCIDeviceError final : public AppError
{
public:
    explicit EMCIDeviceError(const QString &message);

    // "Cannot play "<file>": <reason>", the reason as the backend gave it.
    static QString cannotPlay(const QString &file, const QString &reason);
    // A play asked of a player that has no file open.
    static QString nothingOpen();
};

// One invisible player that plays one file at a time, as the ringing window
// and the editor use it: FileName, open, play, stop, close, the notify switch,
// OnNotify and the "playing" test. The windows talk to this interface only,
// so their state machines can be driven by a fake in tests.
//
// Promises of every implementation:
// - open() and play() throw EMCIDeviceError when the file can't be opened or
//   played; stop() and close() never throw, and both do nothing on a player
//   that has nothing to stop or close.
// - play() arms the notify switch: the end of that playback is reported once
//   through OnNotify, on the GUI thread, with the reason. Turning the switch off
//   before the playback ends silences that report; it drops after the report.
// - A playback that fails after play() has returned stops the player, is
//   reported once through playbackFailed() and ends with the reason Aborted.
// - mode() is Playing from play() until the playback ends, is stopped or fails.
class MediaPlayer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(bool Notify READ notify WRITE setNotify)

public:
    enum class Mode
    {
        NotOpen, // closed, or never opened: counts as not playing
        Stopped, // open, not playing (never started, ended, stopped or failed)
        Playing,
    };
    Q_ENUM(Mode)

    enum class NotifyReason
    {
        Ended,   // played to its end
        Stopped, // ended by stop(), close() or a new open()
        Aborted, // ended by a failure while playing
    };
    Q_ENUM(NotifyReason)

    explicit MediaPlayer(QObject *parent = nullptr);
    ~MediaPlayer() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    bool notify() const { return m_notify; }
    void setNotify(bool on);

    virtual void open() = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual Mode mode() const = 0;

    bool isPlaying() const { return mode() == Mode::Playing; }

signals:
    // The end of a notified playback. Emitted synchronously from the place that
    // ended it, as the player's last step there, so a handler may close,
    // open and play again at once.
    void OnNotify(MediaPlayer::NotifyReason reason);
    // A playback failed after play() had returned; once per playback.
    void playbackFailed(const QString &message);
    // What decodes the sound crashed or hung while it played (only a player
    // that decodes out of the program's process can tell); the text says so
    // and for which file. Comes just before that playback's failure.
    void decoderLost(const QString &message);

protected:
    // For implementations: what open() can tell at once about the file named
    // FileName (present, a readable, non-empty file), thrown as
    // EMCIDeviceError; its absolute path when it may be handed to a backend.
    QString checkedFileName() const;
    // For implementations: play() starts a notified playback; playbackEnded()
    // reports its end (playbackFailed first for Aborted) and drops the switch.
    void armNotify();
    void playbackEnded(NotifyReason reason, const QString &failure = QString());

private:
    QString m_fileName;
    bool m_notify = false;
    quint64 m_playbacks = 0; // counts play() calls, to drop a report that a newer playback has overtaken
};
