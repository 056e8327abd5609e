#include "outputlevel.h"
#include "platformtestsupport.h"
#include "qtprint.h"
#include "tmediaplayer.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <string_view>

namespace {

// Generous bounds against a hang; a playback of a few seconds ends far sooner.
constexpr int playbackBoundMs = 60000;
// Time for a repeated report to arrive before the count is checked.
constexpr int settleMs = 1000;

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

MediaPlayer::NotifyReason reasonAt(const QSignalSpy &spy, int i)
{
    return spy.at(i).at(0).value<MediaPlayer::NotifyReason>();
}

// Plays through the sound server of the test command. The tests share its
// null sink, whose monitor some of them record, so they take turns.
class PlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingSoundServer());
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the null sink for five minutes";
        ASSERT_TRUE(m_dir.isValid());
        OutputLevel::instance().setLevel(255);
    }
    void TearDown() override { OutputLevel::instance().setPacked(m_savedLevel); }

    QString tone(double seconds, double amplitude = 0.5)
    {
        const QString path = m_dir.filePath(QStringLiteral("tone%1.wav").arg(seconds));
        EXPECT_TRUE(writeFile(path, toneWav(seconds, amplitude)));
        return path;
    }
    QString garbage()
    {
        QByteArray bytes(20000, '\0');
        QRandomGenerator random(20261207);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        const QString path = m_dir.filePath(QStringLiteral("garbage.wav"));
        EXPECT_TRUE(writeFile(path, bytes));
        return path;
    }

    ServiceLock m_lock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    QTemporaryDir m_dir;
    quint32 m_savedLevel = OutputLevel::instance().packed();
};

TEST_F(PlayerTest, EndIsNotifiedOnceAndPlayStartsOver)
{
    TMediaPlayer player;
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
    ASSERT_TRUE(waitUntil([&] { return notified.count() == 2; }, playbackBoundMs));
    EXPECT_EQ(reasonAt(notified, 1), MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(failed.count(), 0);
}

struct EndRow
{
    const char *name;
    bool close; // close() instead of stop()
    MediaPlayer::Mode after;
};

void PrintTo(const EndRow &row, std::ostream *os)
{
    *os << row.name;
}

class Ending : public PlayerTest, public ::testing::WithParamInterface<EndRow>
{
};

TEST_P(Ending, StopAndCloseReportStoppedOnce)
{
    const EndRow &row = GetParam();
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(tone(5.0));
    player.open();
    player.play();
    if (row.close)
        player.close();
    else
        player.stop();
    EXPECT_EQ(player.mode(), row.after);
    ASSERT_EQ(notified.count(), 1); // synchronously, from the call itself
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Stopped);
    player.stop();
    player.close();
    QTest::qWait(settleMs);
    EXPECT_EQ(notified.count(), 1);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotOpen);
}

INSTANTIATE_TEST_SUITE_P(Commands, Ending,
                         ::testing::Values(EndRow{"stop", false, MediaPlayer::Mode::Stopped},
                                           EndRow{"close", true, MediaPlayer::Mode::NotOpen}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(PlayerTest, SwitchOffSilencesTheEnd)
{
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(tone(1.0));
    player.open();
    player.play();
    player.setNotify(false);
    ASSERT_TRUE(waitUntil([&] { return !player.isPlaying(); }, playbackBoundMs));
    QTest::qWait(settleMs);
    EXPECT_EQ(notified.count(), 0);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
}

// GStreamer says it several times and leaves its player "playing".
TEST_F(PlayerTest, GarbageIsReportedOnceAndStopsThePlayer)
{
    TMediaPlayer player;
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
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
}

TEST_F(PlayerTest, GarbageKnownBeforePlayMakesPlayThrow)
{
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
    player.setFileName(garbage());
    player.open();
    ASSERT_TRUE(waitUntil([&] { return !player.lastError().isEmpty(); }, playbackBoundMs));
    EXPECT_THROW(player.play(), EMCIDeviceError);
    EXPECT_FALSE(player.isPlaying());
    QTest::qWait(settleMs);
    EXPECT_EQ(notified.count(), 0);
    EXPECT_EQ(failed.count(), 0);
}

// As the ringing window does it: the notification closes the player, and the
// next entry starts right away, from inside the backend's own signal.
TEST_F(PlayerTest, NotificationHandlerMayStartTheNextEntry)
{
    TMediaPlayer player;
    const QStringList entries{tone(0.5), garbage(), tone(1.0)};
    QList<MediaPlayer::NotifyReason> reasons;
    qsizetype next = 0;
    auto playNext = [&] {
        player.close();
        player.setFileName(entries.at(next++));
        player.open();
        player.play();
    };
    QObject::connect(&player, &MediaPlayer::OnNotify, &player, [&](MediaPlayer::NotifyReason reason) {
        reasons << reason;
        if (next < entries.size())
            playNext();
        else
            player.close();
    });
    playNext();
    ASSERT_TRUE(waitUntil([&] { return reasons.size() == 3; }, 3 * playbackBoundMs / 2));
    EXPECT_EQ(reasons,
              (QList<MediaPlayer::NotifyReason>{MediaPlayer::NotifyReason::Ended, MediaPlayer::NotifyReason::Aborted,
                                                MediaPlayer::NotifyReason::Ended}));
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotOpen);
}

// What reached the null sink while the player played the file.
QByteArray recordedPlayback(const QString &file)
{
    SinkRecorder recorder;
    const QString failure = recorder.start();
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(file);
    player.open();
    player.play();
    EXPECT_TRUE(notified.wait(playbackBoundMs)) << "the playback did not end";
    EXPECT_EQ(notified.count(), 1);
    return recorder.stop();
}

// A 3-second tone at half of full scale; the first moments of a stream can be
// missing from the monitor, so the tone is long and only its loudest part counts.
TEST_F(PlayerTest, LevelScalesTheAmplitudeLinearly)
{
    const QString file = tone(3.0, 0.5);
    OutputLevel::instance().setLevel(255);
    const double full = toneAmplitudeOf(recordedPlayback(file));
    OutputLevel::instance().setLevel(127);
    const double half = toneAmplitudeOf(recordedPlayback(file));
    // Level 255 plays the file as it is; 127 scales it by 127/255, within 2 %
    // of full scale for the sound server's own rounding.
    EXPECT_NEAR(full, 0.5, 0.02);
    EXPECT_NEAR(half, 0.5 * 127 / 255, 0.02);
    EXPECT_NEAR(half / full, 127.0 / 255.0, 0.02);
}

// The ringing window's fade-in changes the level while the player plays.
TEST_F(PlayerTest, LevelChangeReachesAPlayingPlayer)
{
    SinkRecorder recorder;
    const QString failure = recorder.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(tone(6.0, 0.5));
    player.open();
    player.play();
    ASSERT_TRUE(
        waitUntil([&] { return toneAmplitudeOf(recorder.recordedSoFar().right(48000)) > 0.45; }, playbackBoundMs))
        << "the tone never reached the sink at full level";
    const qsizetype changedAt = recorder.recordedSoFar().size();
    OutputLevel::instance().setLevel(64);
    ASSERT_TRUE(notified.wait(playbackBoundMs));
    const QByteArray recorded = recorder.stop();
    // Skip half a second after the change: sound already on its way to the
    // server keeps the old level.
    const qsizetype afterwards = changedAt + 48000 * 4 / 2;
    ASSERT_GT(recorded.size(), afterwards + 48000 * 4 / 2) << "the tone ended too soon after the change";
    EXPECT_NEAR(toneAmplitudeOf(recorded.mid(afterwards)), 0.5 * 64 / 255, 0.02);
}

struct FormatRow
{
    const char *name;
    const char *suffix;
    double minimum; // of the 1 kHz tone; for MIDI, of any sound
};

void PrintTo(const FormatRow &row, std::ostream *os)
{
    *os << row.name;
}

class Formats : public PlayerTest, public ::testing::WithParamInterface<FormatRow>
{
protected:
    // Makes the file from the tone with the tools of the test packages.
    QString make(const QString &suffix)
    {
        const QString target = m_dir.filePath(u"sound." + suffix);
        if (suffix == u"mid") {
            EXPECT_TRUE(writeFile(target, pianoMidi()));
            return target;
        }
        const QString wav = tone(3.0);
        if (suffix == u"wav")
            return wav;
        QProcess tool;
        if (suffix == u"flac" || suffix == u"ogg") {
            tool.start(QStringLiteral("sox"), {wav, target});
        } else {
            const QString encoder =
                suffix == u"mp3" ? QStringLiteral("lamemp3enc ! id3v2mux") : QStringLiteral("avenc_wmav2 ! asfmux");
            tool.start(QStringLiteral("sh"),
                       {QStringLiteral("-c"),
                        QStringLiteral("gst-launch-1.0 -q filesrc location='%1' ! wavparse ! audioconvert ! %2 ! "
                                       "filesink location='%3'")
                            .arg(wav, encoder, target)});
        }
        EXPECT_TRUE(tool.waitForFinished(60000) && tool.exitCode() == 0)
            << QString::fromLocal8Bit(tool.readAllStandardError()).toStdString();
        return target;
    }
};

// Every kind of file an alarm may name reaches the sound server.
TEST_P(Formats, PlayToTheEnd)
{
    const FormatRow &row = GetParam();
    REQUIRE_SERVICE(missingProgram(QStringLiteral("sox"), QStringLiteral("sox")));
    REQUIRE_SERVICE(missingProgram(QStringLiteral("gst-launch-1.0"), QStringLiteral("gstreamer1.0-tools")));
    const QString file = make(QString::fromLatin1(row.suffix));
    ASSERT_FALSE(HasFailure());
    const QByteArray recorded = recordedPlayback(file);
    EXPECT_GT(row.suffix == std::string_view("mid") ? peakOf(recorded) : toneAmplitudeOf(recorded), row.minimum);
}

INSTANTIATE_TEST_SUITE_P(Files, Formats,
                         ::testing::Values(FormatRow{"wav", "wav", 0.4}, FormatRow{"flac", "flac", 0.4},
                                           FormatRow{"ogg", "ogg", 0.4}, FormatRow{"mp3", "mp3", 0.4},
                                           FormatRow{"wma", "wma", 0.4},
                                           // the SoundFont's piano is quiet, but not silent
                                           FormatRow{"midi", "mid", 0.01}),
                         [](const auto &row) { return std::string(row.param.name); });

// Run only by the test below, in a child process that has no sound server.
TEST(NoSoundServer, DISABLED_PlaysToTheEndSilently)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeFile(file, toneWav(1.0, 0.5)));
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(file);
    player.open();
    player.play();
    ASSERT_TRUE(notified.wait(playbackBoundMs));
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
}

TEST(NoSoundServer, PlaybackStillEndsAndNothingHangs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), u"unix:" + dir.filePath(QStringLiteral("nobody-listens")));
    QByteArray output;
    EXPECT_TRUE(runTestInChild(QStringLiteral("NoSoundServer.DISABLED_PlaysToTheEndSilently"), environment, &output))
        << output.toStdString();
}

} // namespace
