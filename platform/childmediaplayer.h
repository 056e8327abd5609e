#pragma once

#include "mediaplayer.h"
#include "soundprocesslauncher.h"

#include <QObject>

class OutputLevel;
class QProcess;
class QTimer;

// The program's player when its sound process (chronelle-sound) is at hand:
// the decoding and the sound server's stream live in that small process,
// started at the first open() and ended with this player, so a decoder that
// crashes or hangs on a user's file can't take the program down, and nothing
// of the sound libraries stays in the program after a ringing.
//
// open() checks the file itself and throws at once as every player does; what
// the process finds later (a file it can't decode) makes the next play()
// throw, or ends a running playback as Aborted. A process that dies or stops
// making progress while it plays is ended, decoderLost() says why, and the
// playback ends as Aborted; the next open() starts a new process.
class ChildMediaPlayer final : public MediaPlayer
{
    Q_OBJECT

public:
    ChildMediaPlayer(SoundProcessLauncher &launcher, const OutputLevel &level, QObject *parent = nullptr);
    // Ends the process without a notification: the owner is going away.
    ~ChildMediaPlayer() override;

    // Ends a process the same way: at once, and collected.
    static void endProcess(QProcess *process);

    void open() override;
    void play() override;
    void stop() override;
    void close() override;
    Mode mode() const override { return m_mode; }

    // The process's id while it runs, 0 otherwise.
    qint64 processId() const;

    // A playback without progress for this long counts as a hung decoder.
    static constexpr int stallTimeoutMs = 6000;

private:
    void startProcess();
    void endProcess();
    void send(const QByteArray &line);
    void readAnswers();
    void answer(const QByteArray &line);
    void processEnded();
    void stalled();
    void lose(const QString &why);
    QString describe(const QString &text) const;
    // The sound process's complaint (a cause and a verbatim reason), worded.
    QString complaintText(const QByteArray &complaint) const;

    SoundProcessLauncher &m_launcher;
    const OutputLevel &m_level;
    QProcess *m_process = nullptr;
    QTimer *m_watchdog = nullptr;
    Mode m_mode = Mode::NotOpen;
    QString m_openFile;
    QString m_error;        // the process's complaint about the open file
    quint64 m_requests = 0; // numbers the opens and plays sent to the process
    quint64 m_opened = 0;   // the open of the current file
    quint64 m_playback = 0; // the current playback
    qint64 m_lastPosition = -1;
};
