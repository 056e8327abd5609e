#include "errorbox.h"
#include "errorrecorder.h"
#include "qtprint.h"
#include "tmediaplayer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct OpenRow
{
    const char *name;
    const char *file; // relative to a fresh folder; "" for no name at all
    const char *says;
};

void PrintTo(const OpenRow &row, std::ostream *os)
{
    *os << row.name;
}

class OpenRefuses : public ::testing::TestWithParam<OpenRow>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.wav")));
        QFile empty(m_dir.filePath(QStringLiteral("empty.wav")));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    QTemporaryDir m_dir;
};

// What can be known at once is thrown at once, with the file in the text,
// and leaves the player closed.
TEST_P(OpenRefuses, ThrowsAndStaysClosed)
{
    const OpenRow &row = GetParam();
    const QString file = *row.file ? m_dir.filePath(QString::fromLatin1(row.file)) : QString();
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(file);
    try {
        player.open();
        FAIL() << "open() did not throw";
    } catch (const EMCIDeviceError &error) {
        EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(file))) << error.what();
        EXPECT_TRUE(error.message().contains(QString::fromLatin1(row.says))) << error.what();
    }
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotOpen);
    EXPECT_THROW(player.play(), EMCIDeviceError);
    EXPECT_EQ(notified.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenRefuses,
                         ::testing::Values(OpenRow{"missing", "missing.wav", "does not exist"},
                                           OpenRow{"folder", "folder.wav", "not a file"},
                                           OpenRow{"empty", "empty.wav", "is empty"},
                                           OpenRow{"noName", "", "without a name"}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(PlayerClosed, StopAndCloseDoNothing)
{
    TMediaPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
    player.setNotify(true);
    player.stop();
    player.close();
    player.close();
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotOpen);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(notified.count(), 0);
    EXPECT_EQ(failed.count(), 0);
}

// A handler that lets the error escape shows it in the standard error box.
TEST(PlayerClosed, ErrorBoxShowsTheDeviceText)
{
    ErrorRecorder recorder;
    TMediaPlayer player;
    player.setFileName(QStringLiteral("/nonexistent/alarm.mp3"));
    EXPECT_FALSE(ErrorBox::guard(nullptr, [&] { player.open(); }));
    EXPECT_EQ(recorder.messages,
              QStringList{QStringLiteral("Cannot open \"/nonexistent/alarm.mp3\": the file does not exist.")});
}

// A stand-in for a backend, the way a window's test fake would be built.
class ScriptedPlayer final : public MediaPlayer
{
public:
    void open() override { m_mode = Mode::Stopped; }
    void play() override
    {
        m_mode = Mode::Playing;
        armNotify();
    }
    void stop() override {}
    void close() override { m_mode = Mode::NotOpen; }
    Mode mode() const override { return m_mode; }
    void finish(NotifyReason reason)
    {
        m_mode = Mode::Stopped;
        playbackEnded(reason, QStringLiteral("broken"));
    }

private:
    Mode m_mode = Mode::NotOpen;
};

TEST(NotifySwitch, ReportsEachPlaybackOnceAndCanBeSilenced)
{
    ScriptedPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.open();
    player.play();
    EXPECT_TRUE(player.notify());
    player.finish(MediaPlayer::NotifyReason::Ended);
    player.finish(MediaPlayer::NotifyReason::Ended); // nothing armed any more
    ASSERT_EQ(notified.count(), 1);
    EXPECT_EQ(notified.at(0).at(0).value<MediaPlayer::NotifyReason>(), MediaPlayer::NotifyReason::Ended);

    player.play();
    player.setNotify(false);
    player.finish(MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(notified.count(), 1);
}

// A failure handler that moves on to the next file at once must not get that
// new playback stopped by the old one's notification.
TEST(NotifySwitch, AReportOvertakenByANewPlaybackIsDropped)
{
    ScriptedPlayer player;
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QObject::connect(&player, &MediaPlayer::playbackFailed, &player, [&player] {
        player.close();
        player.open();
        player.play();
    });
    player.open();
    player.play();
    player.finish(MediaPlayer::NotifyReason::Aborted);
    EXPECT_EQ(notified.count(), 0);
    EXPECT_TRUE(player.isPlaying());
    player.finish(MediaPlayer::NotifyReason::Ended);
    ASSERT_EQ(notified.count(), 1);
}

} // namespace
