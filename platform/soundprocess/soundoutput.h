#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <pulse/context.h>
#include <pulse/stream.h>

class QtPulseLoop;

// The sound process's stream to the sound server, on Qt's event loop. It
// holds two seconds and asks for more half a second at a time, so playing
// wakes the process twice a second: an alarm needs no low latency. (A change
// of what the samples say is heard as late as the stream is long; stop()
// empties it.)
//
// Samples come from `source`, which copies up to the bytes asked for and
// returns how many; 0 when it has none yet (feed() again once it has), -1
// at the end of the sound. A stream primed ahead of start() holds its first
// two seconds already, so start() only has to uncork it.
class SoundOutput final : public QObject
{
public:
    SoundOutput();
    ~SoundOutput() override;

    std::function<qsizetype(char *to, qsizetype max)> source;
    // Everything the source gave has been heard after its end (-1).
    std::function<void()> drained;
    // The sound server is gone or refused the stream: whatever was playing stopped.
    std::function<void(const QString &why)> failed;

    // A stream for this format, corked and filled from the source's start.
    void prime(int rate, int channels);
    // Plays what prime() gave and what the source gives next (primes first if asked).
    void start();
    // The source has samples again.
    void feed();
    // Silence at once; what the stream held is dropped.
    void stop();
    // How much of what the source gave since prime() has been played out.
    qint64 heardBytes() const;
    // prime() holds: no stop() since, and the server did not drop the stream.
    bool isPrimed() const { return m_primed; }

private:
    void connectContext();
    void contextStateChanged();
    void makeStream();
    void streamStateChanged();
    void fill();
    void dropStream();
    void dropContext();
    void fail(const QString &why);

    QtPulseLoop *m_loop;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    int m_rate = 0;
    int m_channels = 0;
    bool m_primed = false;  // a stream is wanted for m_rate/m_channels
    bool m_playing = false; // it is to play, not only to wait corked
    bool m_sourceEnded = false;
    bool m_draining = false;
    qint64 m_given = 0;       // bytes written since prime()
    quint64 m_generation = 0; // counts the plays and stops
    quint64 m_drainOf = 0;    // the play the drain asked for belongs to
};
