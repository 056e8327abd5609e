#pragma once

#include "mediaplayer.h"

#include <QMediaPlayer>

class OutputLevel;
class QAudioOutput;

// The program's player, over Qt Multimedia (GStreamer): WAV, MP3, FLAC, OGG,
// WMA and MIDI, at the program's output level (OutputLevel), which it follows
// while it plays.
//
// GStreamer works asynchronously, and the windows that own a player call it
// from timer ticks that also fire inside any nested event loop. So open()
// never waits for the backend: it checks the file itself (present, a readable,
// non-empty file) and hands it over. A file that turns out not to be playable
// makes play() throw when the backend has already said so, and otherwise ends
// the playback as Aborted a moment later. Each open(), and each play() after
// the first on the same file, gets a fresh backend player, so a late message
// about an earlier playback can never stop a later one.
class TMediaPlayer final : public MediaPlayer
{
    Q_OBJECT

public:
    explicit TMediaPlayer(const OutputLevel &level, QObject *parent = nullptr);
    // Releases the backend without a notification: the owner is going away.
    ~TMediaPlayer() override;

    void open() override;
    void play() override;
    void stop() override;
    void close() override;
    Mode mode() const override { return m_mode; }

    // The backend's complaint about the open file, once it has made one (a
    // file that can't be decoded); empty while there is none.
    QString lastError() const { return m_error; }

private:
    void load();
    void release();
    void failed(const QString &text);
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void playbackStateChanged(QMediaPlayer::PlaybackState state);
    void errorOccurred(QMediaPlayer::Error error, const QString &text);
    QString describe(const QString &text) const;

    const OutputLevel &m_level;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    Mode m_mode = Mode::NotOpen;
    QString m_openFile; // the file as it was opened; FileName may change meanwhile
    QString m_error;
    bool m_spent = false;         // a playback has run on the current backend player
    bool m_inBackendCall = false; // errors raised inside setSource()/play() are thrown, not reported
    QString m_callError;
};
