// Real playback through the sound server of the test command.

#include "outputlevel.h"
#include "platformtestsupport.h"
#include "qtprint.h"
#include "tmediaplayer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Generous bounds against a hang; a playback of a few seconds ends far sooner.
constexpr int playbackBoundMs = 60000;
constexpr int settleMs = 1000; // for a repeated report to arrive before the count is checked
constexpr qsizetype bytesPerSecond = 48000 * 4;

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &data)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) == data.size()) << path.toStdString();
    return path;
}

// A few piano notes as a standard MIDI file of one track.
QByteArray pianoMidi()
{
    constexpr int ticksPerBeat = 480; // at the default 120 beats a minute: 0.5 s a beat
    QByteArray events;
    events.append('\0').append(char(0xC0)).append('\0'); // channel 0: acoustic grand piano
    for (const int note : {69, 72, 76, 81}) {
        events.append('\0').append(char(0x90)).append(char(note)).append(char(120));
        // delta time 480 as a variable-length quantity
        events.append(char(0x80 | (ticksPerBeat >> 7))).append(char(ticksPerBeat & 0x7F));
        events.append(char(0x80)).append(char(note)).append('\0');
    }
    events.append('\0').append(char(0xFF)).append(char(0x2F)).append('\0'); // end of track
    QByteArray midi("MThd\0\0\0\x06\0\0\0\x01", 12);
    midi.append(char(ticksPerBeat >> 8)).append(char(ticksPerBeat & 0xFF)).append("MTrk");
    const quint32 length = qToBigEndian(quint32(events.size()));
    midi.append(reinterpret_cast<const char *>(&length), 4).append(events);
    return midi;
}

// The loudest sample of raw 16-bit audio, as a fraction of full scale.
double peakOf(const QByteArray &raw)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(raw.constData() + i))));
    return peak / 32768.0;
}

MediaPlayer::NotifyReason reasonAt(const QSignalSpy &spy, int i)
{
    return spy.at(i).at(0).value<MediaPlayer::NotifyReason>();
}

// The tests share the null sink, whose monitor some of them record, so they
// take turns, also with other test programs.
class PlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingSoundServer());
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the null sink for five minutes";
        ASSERT_TRUE(m_dir.isValid());
    }

    // A tone at half of full scale.
    QString tone(double seconds)
    {
        return writeFile(m_dir, QStringLiteral("tone%1.wav").arg(seconds), toneWav(seconds, 0.5));
    }
    QString garbage()
    {
        QByteArray bytes(20000, '\0');
        QRandomGenerator random(20261207);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        return writeFile(m_dir, QStringLiteral("garbage.wav"), bytes);
    }

    ServiceLock m_lock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    QTemporaryDir m_dir;
    OutputLevel m_level;
};

TEST_F(PlayerTest, EndIsNotifiedOnceAndPlayStartsOver)
{
    TMediaPlayer player(m_level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
    player.setFileName(tone(1.0));
    player.open();
    player.play();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(player.notify());
    ASSERT_TRUE(notified.wait(playbackBoundMs));
    QTest::qWait(settleMs);
    ASSERT_EQ(notified.count(), 1);
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_FALSE(player.notify());

    player.play();
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return notified.count() == 2; }, playbackBoundMs));
    EXPECT_EQ(reasonAt(notified, 1), MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(failed.count(), 0);
}

TEST_F(PlayerTest, StopAndCloseReportStoppedOnce)
{
    const QString file = tone(5.0);
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "close" : "stop");
        TMediaPlayer player(m_level);
        QSignalSpy notified(&player, &MediaPlayer::OnNotify);
        player.setFileName(file);
        player.open();
        player.play();
        if (close)
            player.close();
        else
            player.stop();
        EXPECT_EQ(player.mode(), close ? MediaPlayer::Mode::NotOpen : MediaPlayer::Mode::Stopped);
        ASSERT_EQ(notified.count(), 1); // synchronously, from the call itself
        EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Stopped);
        player.stop();
        player.close();
        QTest::qWait(settleMs);
        EXPECT_EQ(notified.count(), 1);
        EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotOpen);
    }
}

// GStreamer says it several times and leaves its player "playing".
TEST_F(PlayerTest, GarbageIsReportedOnceAndStopsThePlayer)
{
    TMediaPlayer player(m_level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
    const QString file = garbage();
    player.setFileName(file);
    player.open();
    player.play(); // the backend has not looked at the file yet
    ASSERT_TRUE(failed.wait(playbackBoundMs));
    QTest::qWait(settleMs);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().startsWith(u"Cannot play \"" + QDir::toNativeSeparators(file) + u"\": "))
        << failed.at(0).at(0).toString().toStdString();
    ASSERT_EQ(notified.count(), 1);
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Aborted);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
}

// A level set before play() applies from the first sound on (a fade-in starts
// low), and a change reaches a playing player; the amplitude scales linearly.
TEST_F(PlayerTest, LevelScalesTheAmplitudeOfAPlayingSound)
{
    SinkRecorder recorder;
    ASSERT_EQ(recorder.start(), QString());
    m_level.setLevel(127);
    TMediaPlayer player(m_level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(tone(6.0));
    player.open();
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return toneAmplitudeOf(recorder.recordedSoFar()) > 0.1; }, playbackBoundMs))
        << "the tone never reached the sink";
    QTest::qWait(500); // some of the tone at the first level
    const qsizetype changedAt = recorder.recordedSoFar().size() / 4 * 4;
    m_level.setLevel(255);
    ASSERT_TRUE(notified.wait(playbackBoundMs));
    const QByteArray recorded = recorder.stop();
    // Skip half a second after the change: sound already on its way to the
    // server keeps the old level.
    const qsizetype afterwards = changedAt + bytesPerSecond / 2;
    ASSERT_GT(recorded.size(), afterwards + bytesPerSecond / 2) << "the tone ended too soon after the change";
    const double half = toneAmplitudeOf(recorded.left(changedAt));
    const double full = toneAmplitudeOf(recorded.mid(afterwards));
    // Within 2 % of full scale for the sound server's own rounding.
    EXPECT_NEAR(half, 0.5 * 127 / 255, 0.02);
    EXPECT_NEAR(full, 0.5, 0.02);
    EXPECT_NEAR(half / full, 127.0 / 255.0, 0.02);
}

// What decodes the kinds of file an alarm may name comes from the set-up's
// packages: each one must reach the sound server.
TEST_F(PlayerTest, EveryKindOfSongIsHeard)
{
    const QString wav = tone(2.0);
    struct Row
    {
        const char *suffix;
        const char *encoder; // a GStreamer element chain; nullptr: MIDI, written here
    };
    const Row rows[] = {{"flac", "flacenc"},
                        {"ogg", "vorbisenc ! oggmux"},
                        {"mp3", "lamemp3enc ! id3v2mux"},
                        {"wma", "avenc_wmav2 ! asfmux"},
                        {"mid", nullptr}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.suffix);
        const QString file = m_dir.filePath(QStringLiteral("song.") + QLatin1String(row.suffix));
        if (row.encoder) {
            QProcess encoder;
            encoder.start(QStringLiteral("gst-launch-1.0"),
                          QStringList{QStringLiteral("-q"), QStringLiteral("filesrc"), u"location=" + wav,
                                      QStringLiteral("!"), QStringLiteral("wavparse"), QStringLiteral("!"),
                                      QStringLiteral("audioconvert"), QStringLiteral("!")} +
                              QString::fromLatin1(row.encoder).split(u' ') +
                              QStringList{QStringLiteral("!"), QStringLiteral("filesink"), u"location=" + file});
            ASSERT_TRUE(encoder.waitForFinished(60000) && encoder.exitStatus() == QProcess::NormalExit &&
                        encoder.exitCode() == 0)
                << "gst-launch-1.0 (gstreamer1.0-tools): " << encoder.errorString().toStdString()
                << QString::fromLocal8Bit(encoder.readAllStandardError()).toStdString();
        } else {
            writeFile(m_dir, QStringLiteral("song.mid"), pianoMidi());
        }
        SinkRecorder recorder;
        ASSERT_EQ(recorder.start(), QString());
        TMediaPlayer player(m_level);
        QSignalSpy notified(&player, &MediaPlayer::OnNotify);
        player.setFileName(file);
        player.open();
        player.play();
        ASSERT_TRUE(notified.wait(playbackBoundMs));
        EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Ended);
        const QByteArray recorded = recorder.stop();
        // The SoundFont's piano is quiet, but not silent.
        if (row.encoder)
            EXPECT_GT(toneAmplitudeOf(recorded), 0.4);
        else
            EXPECT_GT(peakOf(recorded), 0.01);
    }
}

// Run on its own by CTest with PULSE_SERVER naming a socket where nobody
// listens (see CMakeLists.txt), whose timeout catches a hang.
TEST(NoSoundServer, DISABLED_PlaybackStillEnds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const OutputLevel level;
    TMediaPlayer player(level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(writeFile(dir, QStringLiteral("tone.wav"), toneWav(1.0, 0.5)));
    player.open();
    player.play();
    ASSERT_TRUE(notified.wait(playbackBoundMs));
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
}

} // namespace
