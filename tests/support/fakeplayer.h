#pragma once

#include "mediaplayer.h"

#include <QStringList>

// A player that plays nothing: it records what it was asked to do, fails on
// the files it is told to fail on, and ends a playback when the test says so.
class FakePlayer final : public MediaPlayer
{
public:
    explicit FakePlayer(QObject *parent = nullptr) : MediaPlayer(parent) {}

    void open() override
    {
        log << QStringLiteral("open ") + fileName();
        if (unplayable.contains(fileName()))
            throw EMCIDeviceError(QStringLiteral("cannot open ") + fileName());
        m_mode = Mode::Stopped;
    }
    void play() override
    {
        log << QStringLiteral("play ") + fileName();
        if (m_mode == Mode::NotOpen)
            throw EMCIDeviceError(QStringLiteral("not open"));
        m_mode = Mode::Playing;
        armNotify();
    }
    void stop() override
    {
        if (m_mode == Mode::Playing) {
            m_mode = Mode::Stopped;
            playbackEnded(NotifyReason::Stopped);
        }
    }
    void close() override
    {
        if (m_mode == Mode::NotOpen)
            return;
        log << QStringLiteral("close");
        const bool wasPlaying = m_mode == Mode::Playing;
        m_mode = Mode::NotOpen;
        if (wasPlaying)
            playbackEnded(NotifyReason::Stopped);
    }
    Mode mode() const override { return m_mode; }

    // The file plays to its end.
    void finish()
    {
        if (m_mode != Mode::Playing)
            return;
        m_mode = Mode::Stopped;
        playbackEnded(NotifyReason::Ended);
    }
    // The backend gives up on the file while it plays.
    void failWhilePlaying(const QString &message)
    {
        if (m_mode != Mode::Playing)
            return;
        m_mode = Mode::Stopped;
        playbackEnded(NotifyReason::Aborted, message);
    }
    // What decodes the file crashes or hangs while it plays.
    void loseDecoder(const QString &message)
    {
        if (m_mode != Mode::Playing)
            return;
        m_mode = Mode::Stopped;
        emit decoderLost(message);
        playbackEnded(NotifyReason::Aborted, message);
    }
    // The files played so far, in order.
    QStringList played() const
    {
        QStringList files;
        for (const QString &entry : log) {
            if (entry.startsWith(QStringLiteral("play ")))
                files << entry.mid(5);
        }
        return files;
    }

    QStringList log;
    QStringList unplayable;

private:
    Mode m_mode = Mode::NotOpen;
};
