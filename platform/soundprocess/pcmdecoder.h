#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

typedef struct _GstElement GstElement;
typedef struct _GstBuffer GstBuffer;
typedef struct _GstPad GstPad;
typedef struct _GstMessage GstMessage;

// One sound file decoded by GStreamer into 16-bit interleaved samples held
// here, read by offset from the file's first sample. The decoder runs ahead
// of the reader by up to ten seconds and then waits until half of that is
// read, so a long song is decoded in bursts a few seconds apart rather than
// a buffer at a time while it plays. A file up to a few minutes long stays
// whole, so playing it again needs no decoding; a longer one is decoded
// again from its start.
//
// The callbacks are called on the thread that made the decoder: `formatKnown`
// once the first samples are in, `moreData` when samples arrive for a reader
// that found none (see read()), `finished` at the end of the file and
// `failed` when the file can't be decoded.
class PcmDecoder final : public QObject
{
public:
    // A file decodes to at most `wholeBytes` of samples to stay whole.
    static constexpr qint64 defaultWholeBytes = 16 * 1024 * 1024;
    explicit PcmDecoder(const QString &file, qint64 wholeBytes = defaultWholeBytes);
    ~PcmDecoder() override;

    int rate() const { return m_rate; }
    int channels() const { return m_channels; }
    int bytesPerSecond() const { return m_rate * m_channels * 2; }
    bool formatIsKnown() const { return m_rate > 0; }
    // Decoded to the end of the file, and read up to `offset` (none beyond).
    bool endsAt(qint64 offset) const;
    bool hasFailed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }

    // Copies up to `max` bytes from `offset` and lets the decoder run on past
    // them; returns how many. 0 before the end of the file: none decoded yet,
    // and moreData() will be called when some are.
    qsizetype read(qint64 offset, char *to, qsizetype max);
    // Ready to be read from the first sample again.
    void rewind();

    std::function<void()> formatKnown;
    std::function<void()> moreData;
    std::function<void()> finished;
    std::function<void(const QString &)> failed;

private:
    void start();
    void halt();
    void decoded(GstBuffer *buffer, GstPad *pad);
    void busMessage(GstMessage *message);

    const QString m_file;
    const qint64 m_wholeBytes;
    GstElement *m_pipeline = nullptr;

    // Shared with GStreamer's streaming thread.
    std::mutex m_lock;
    std::condition_variable m_roomAhead;
    QByteArray m_samples;  // from m_heldFrom on
    qint64 m_heldFrom = 0; // offset of m_samples' first byte
    qint64 m_readTo = 0;   // what the reader has taken
    bool m_readerWaits = false;
    bool m_halting = false;
    // Set by the streaming thread with the first samples, read here.
    std::atomic<int> m_rate = 0;
    std::atomic<int> m_channels = 0;

    // The owner's thread only.
    bool m_atEnd = false;
    QString m_error;
};
