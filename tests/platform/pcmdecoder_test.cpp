// The sound process's decoder: every sample of the file, in order, read as
// the sound server's stream reads it, whether the file stays whole (and
// plays again from memory) or is let go of as it is read (and is decoded
// again for a second play).

#include "pcmdecoder.h"
#include "platformtestsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gst/gst.h>
#include <gtest/gtest.h>

namespace {

constexpr int boundMs = 20000;

class Decoder : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { gst_init(nullptr, nullptr); }

    QString write(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
        return path;
    }

    // What the decoder gives from `offset` on, in reads of a stream's size,
    // up to `limit` bytes or the end of the file.
    static QByteArray readFrom(PcmDecoder &decoder, qint64 offset, qint64 limit)
    {
        QByteArray all;
        char chunk[8820];
        while (all.size() < limit) {
            qsizetype count = 0;
            const bool more = QTest::qWaitFor(
                [&]() {
                    count = decoder.read(offset, chunk, qsizetype(std::min<qint64>(sizeof chunk, limit - all.size())));
                    return count > 0 || decoder.endsAt(offset) || decoder.hasFailed();
                },
                boundMs);
            if (!more || count <= 0)
                break;
            all.append(chunk, count);
            offset += count;
        }
        return all;
    }

    QTemporaryDir m_dir;
};

TEST_F(Decoder, GivesEverySampleInOrderAndAgainAfterRewind)
{
    // 25 s of tone: longer than the decoder runs ahead, so it waits for the reader.
    const QByteArray wav = toneWav(25.0, 0.5);
    const QByteArray samples = wav.mid(44);
    const QString file = write(QStringLiteral("tone.wav"), wav);
    struct Case
    {
        const char *what;
        qint64 wholeBytes;
    };
    for (const Case &row : {Case{"kept whole", PcmDecoder::defaultWholeBytes}, Case{"let go as read", 256 * 1024}}) {
        SCOPED_TRACE(row.what);
        PcmDecoder decoder(file, row.wholeBytes);
        int finished = 0;
        decoder.finished = [&]() { ++finished; };
        const QByteArray first = readFrom(decoder, 0, samples.size() + 1);
        EXPECT_FALSE(decoder.hasFailed()) << decoder.error().toStdString();
        EXPECT_EQ(decoder.rate(), 48000);
        EXPECT_EQ(decoder.channels(), 2);
        ASSERT_EQ(first.size(), samples.size());
        EXPECT_TRUE(first == samples) << "the samples differ from the file's";
        EXPECT_EQ(finished, 1);

        decoder.rewind();
        const QByteArray again = readFrom(decoder, 0, samples.size() + 1);
        ASSERT_EQ(again.size(), samples.size());
        EXPECT_TRUE(again == samples) << "the second play differs from the file";
    }
}

TEST_F(Decoder, AFileItCannotDecodeIsReportedOnce)
{
    PcmDecoder decoder(write(QStringLiteral("garbage.wav"), QByteArray(20000, '\x5a')));
    QStringList complaints;
    decoder.failed = [&](const QString &why) { complaints << why; };
    ASSERT_TRUE(QTest::qWaitFor([&]() { return decoder.hasFailed(); }, boundMs));
    QTest::qWait(300); // for a repeated report
    ASSERT_EQ(complaints.size(), 1);
    EXPECT_FALSE(complaints.first().isEmpty());
    char chunk[64];
    EXPECT_EQ(decoder.read(0, chunk, sizeof chunk), 0);
    EXPECT_FALSE(decoder.formatIsKnown());
}

} // namespace
