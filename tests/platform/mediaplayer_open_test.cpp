#include "outputlevel.h"
#include "qtprint.h"
#include "tmediaplayer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

// What can be known at once is thrown at once, with the file in the text, and
// leaves the player closed, where stop() and close() do nothing.
TEST(PlayerOpen, UnopenableFilesThrowAndLeaveThePlayerClosed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("folder.wav")));
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("empty.wav"))).open(QIODevice::WriteOnly));
    // The file relative to the folder ("" for no name at all), and how the text ends.
    const std::pair<const char *, const char *> rows[] = {{"missing.wav", "the file does not exist."},
                                                          {"folder.wav", "it is not a file."},
                                                          {"empty.wav", "the file is empty."},
                                                          {"", "Cannot open a file without a name."}};
    for (const auto &[name, says] : rows) {
        SCOPED_TRACE(says);
        const QString file = *name ? dir.filePath(QString::fromLatin1(name)) : QString();
        const OutputLevel level;
        TMediaPlayer player(level);
        QSignalSpy notified(&player, &MediaPlayer::OnNotify);
        QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
        player.setFileName(file);
        try {
            player.open();
            ADD_FAILURE() << "open() did not throw";
        } catch (const EMCIDeviceError &error) {
            EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(file))) << error.what();
            EXPECT_TRUE(error.message().endsWith(QString::fromLatin1(says))) << error.what();
        }
        EXPECT_EQ(player.mode(), MediaPlayer::Mode::NotOpen);
        EXPECT_THROW(player.play(), EMCIDeviceError);
        player.stop();
        player.close();
        EXPECT_EQ(notified.count(), 0);
        EXPECT_EQ(failed.count(), 0);
    }
}
