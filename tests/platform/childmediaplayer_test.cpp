// The player that plays in a process of its own: what it promises when that
// process crashes, hangs or was started ahead of need, on stand-in sound
// processes (small shell scripts); and real playback through the sound
// process and the test command's sound server.

#include "apperror.h"
#include "childmediaplayer.h"
#include "outputlevel.h"
#include "platformtestsupport.h"
#include "qtprint.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

constexpr int boundMs = 60000;

// A tone at half of full scale, written into `dir`; empty if it could not be written.
QString writeTone(const QTemporaryDir &dir, double seconds)
{
    const QString file = dir.filePath(QStringLiteral("tone.wav"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(toneWav(seconds, 0.5)) <= 0)
        return {};
    return file;
}

QString threadsOfThisProcess()
{
    return QString::number(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

bool processAlive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

MediaPlayer::NotifyReason reasonAt(const QSignalSpy &spy, int i)
{
    return spy.at(i).at(0).value<MediaPlayer::NotifyReason>();
}

// Stand-in sound processes: each logs what it is told to log.txt, one line
// each, prefixed with its process id, and then behaves as its script says.
class StandIn : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString script(const QString &name, const QByteArray &onPlay)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nwhile read verb n rest; do\n  echo \"$$ $verb $n $rest\" >> '" +
                   QFile::encodeName(m_dir.filePath(QStringLiteral("log.txt"))) +
                   "'\n  if [ \"$verb\" = play ]; then\n" + onPlay + "\n  fi\ndone\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    QString song()
    {
        const QString path = m_dir.filePath(QStringLiteral("song.wav"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("RIFF....") > 0);
        return path;
    }
    QStringList log() const
    {
        QFile file(m_dir.filePath(QStringLiteral("log.txt")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir m_dir;
    OutputLevel m_level;
};

} // namespace

// A sound process that crashes while it plays: the playback ends as Aborted
// once, decoderLost says why and for which file, the program goes on, and
// the next open starts a new process whose playback ends normally.
TEST_F(StandIn, ACrashedSoundProcessEndsThePlaybackAndTheNextOneStartsAfresh)
{
    // The first process crashes at play; the ones after it play to the end.
    const QString marker = m_dir.filePath(QStringLiteral("crashed"));
    SoundProcessLauncher launcher(script(
        QStringLiteral("crashing"), "    if [ ! -e '" + QFile::encodeName(marker) + "' ]; then touch '" +
                                        QFile::encodeName(marker) + "'; kill -SEGV $$; fi\n    echo \"ended $n\""));
    ChildMediaPlayer player(launcher, m_level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
    QSignalSpy lost(&player, &MediaPlayer::decoderLost);
    const QString file = song();
    player.setFileName(file);
    player.open();
    const qint64 first = player.processId();
    player.play();
    ASSERT_TRUE(notified.wait(boundMs));
    ASSERT_EQ(lost.count(), 1);
    const QString message = lost.at(0).at(0).toString();
    EXPECT_TRUE(message.startsWith(u"Cannot play \"" + QDir::toNativeSeparators(file) + u"\": "))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("crashed"))) << message.toStdString();
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), message);
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Aborted);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_THROW(player.play(), EMCIDeviceError) << "the same file played again on a dead process";

    player.close();
    player.open();
    EXPECT_NE(player.processId(), first);
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notified.count() == 2; }, boundMs));
    EXPECT_EQ(reasonAt(notified, 1), MediaPlayer::NotifyReason::Ended);
    EXPECT_EQ(lost.count(), 1);
}

// A sound process that goes silent while it plays is ended after a few
// seconds without progress, and said to have hung.
TEST_F(StandIn, ASoundProcessWithoutProgressIsEndedAsHung)
{
    SoundProcessLauncher launcher(script(QStringLiteral("hanging"), "    echo \"at $n 0\"; exec sleep 3600"));
    auto player = std::make_unique<ChildMediaPlayer>(launcher, m_level);
    QSignalSpy notified(player.get(), &MediaPlayer::OnNotify);
    QSignalSpy lost(player.get(), &MediaPlayer::decoderLost);
    player->setFileName(song());
    player->open();
    const qint64 pid = player->processId();
    player->play();
    ASSERT_TRUE(notified.wait(ChildMediaPlayer::stallTimeoutMs + boundMs));
    ASSERT_EQ(lost.count(), 1);
    EXPECT_TRUE(lost.at(0).at(0).toString().contains(QStringLiteral("no progress")))
        << lost.at(0).at(0).toString().toStdString();
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Aborted);
    EXPECT_FALSE(processAlive(pid)) << "the hung process was left running";
}

// The sound process says a cause and the reason verbatim; the program words
// them: the same sentence whichever player failed, the reason as it came.
TEST_F(StandIn, TheSoundProcessComplaintIsWordedByTheProgram)
{
    const QString file = song();
    const QString cannotPlay = u"Cannot play \"" + QDir::toNativeSeparators(file) + u"\": ";
    const struct
    {
        const char *answer; // to the play of n
        QString worded;
    } rows[] = {
        {"refused $n decoder Could not determine type of stream.", cannotPlay + u"Could not determine type of stream."},
        {"failed $n decoder Internal data stream error.", cannotPlay + u"Internal data stream error."},
        {"failed $n sound-server Connection refused", cannotPlay + u"the sound server: Connection refused"},
        {"refused $n nothing-open", QStringLiteral("Cannot play: no file is open.")},
        // A word this program doesn't know (a sound process of another version) is passed on whole.
        {"failed $n overheated fan", cannotPlay + u"overheated fan"},
    };
    int number = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.answer);
        SoundProcessLauncher launcher(
            script(QStringLiteral("complaining%1").arg(++number), QByteArray("    echo \"") + row.answer + '"'));
        ChildMediaPlayer player(launcher, m_level);
        QSignalSpy notified(&player, &MediaPlayer::OnNotify);
        QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
        player.setFileName(file);
        player.open();
        player.play();
        ASSERT_TRUE(notified.wait(boundMs));
        EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Aborted);
        ASSERT_EQ(failed.count(), 1);
        EXPECT_EQ(failed.at(0).at(0).toString(), row.worded);
        // The next play of the same file says it again, as the error box shows it.
        try {
            player.play();
            ADD_FAILURE() << "a file the sound process refused was played again";
        } catch (const AppError &error) {
            EXPECT_EQ(error.kind(), AppError::Kind::Media);
            EXPECT_EQ(error.message(), row.worded);
        }
    }
}

// A spare started ahead of need is what the next player plays through: one
// process gets the file opened ahead, the player's own open and its play;
// a spare nobody took is ended when dropped, and so is a player's process
// when the player goes.
TEST_F(StandIn, TheSpareIsTakenByTheNextPlayerAndNothingOutlivesItsOwner)
{
    SoundProcessLauncher launcher(script(QStringLiteral("quiet"), "    :"));
    const QString file = song();
    m_level.setLevel(128);
    launcher.prepare(file, m_level.packed());
    ASSERT_TRUE(launcher.hasSpare());
    qint64 pid = 0;
    {
        ChildMediaPlayer player(launcher, m_level);
        player.setFileName(file);
        player.open();
        EXPECT_FALSE(launcher.hasSpare());
        pid = player.processId();
        player.play();
        ASSERT_TRUE(QTest::qWaitFor([&] { return log().size() >= 5; }, boundMs)) << log().join(u'|').toStdString();
        const QString own = QString::number(pid) + u' ';
        EXPECT_EQ(log(),
                  (QStringList{own + u"volume 0 " + QString::number(OutputLevel::pack(128)), own + u"open 0 " + file,
                               own + u"volume 0 " + QString::number(OutputLevel::pack(128)), own + u"open 1 " + file,
                               own + u"play 2 "}));
    }
    EXPECT_FALSE(processAlive(pid)) << "the player's process outlived it";

    launcher.prepare(file, m_level.packed());
    ASSERT_TRUE(QTest::qWaitFor([&] { return log().size() >= 7; }, boundMs)) << log().join(u'|').toStdString();
    const qint64 spare = log().last().section(u' ', 0, 0).toLongLong();
    EXPECT_TRUE(processAlive(spare));
    launcher.dropSpare();
    EXPECT_FALSE(launcher.hasSpare());
    EXPECT_FALSE(processAlive(spare)) << "a dropped spare kept running";
}

// The real sound process, through the test command's sound server, whose
// null sink the tests that record it take in turns.
class SoundProcess : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingSoundServer());
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the null sink for five minutes";
        ASSERT_TRUE(m_dir.isValid());
    }

    ServiceLock m_lock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    QTemporaryDir m_dir;
};

// The real sound process, through the test command's sound server: the song
// is heard, its end is notified once, and when the player goes the program
// has no more threads than before it played.
TEST_F(SoundProcess, PlaysOutOfTheProgramAndLeavesNoThreadsBehind)
{
    const QString file = writeTone(m_dir, 1.5);
    ASSERT_FALSE(file.isEmpty());
    const QString threadsBefore = threadsOfThisProcess();
    SoundProcessLauncher launcher(QStringLiteral(CHRONELLE_SOUND_PROCESS));
    OutputLevel level;
    SinkRecorder recorder;
    ASSERT_EQ(recorder.start(), QString());
    qint64 pid = 0;
    {
        ChildMediaPlayer player(launcher, level);
        QSignalSpy notified(&player, &MediaPlayer::OnNotify);
        QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
        player.setFileName(file);
        player.open();
        pid = player.processId();
        EXPECT_NE(pid, QCoreApplication::applicationPid());
        player.play();
        ASSERT_TRUE(notified.wait(boundMs));
        QTest::qWait(1000); // for a repeated report
        ASSERT_EQ(notified.count(), 1);
        EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Ended);
        EXPECT_EQ(failed.count(), 0);
        EXPECT_NEAR(toneAmplitudeOf(recorder.stop()), 0.5, 0.02);

        // A file the decoder can't read is a file error, not a lost decoder.
        QSignalSpy lost(&player, &MediaPlayer::decoderLost);
        const QString garbage = m_dir.filePath(QStringLiteral("garbage.wav"));
        {
            QFile out(garbage);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(QByteArray(20000, '\x5a'));
        }
        player.setFileName(garbage);
        player.open();
        try {
            player.play();
            ASSERT_TRUE(QTest::qWaitFor([&] { return notified.count() == 2; }, boundMs));
            EXPECT_EQ(reasonAt(notified, 1), MediaPlayer::NotifyReason::Aborted);
        } catch (const EMCIDeviceError &error) {
            EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(garbage))) << error.message().toStdString();
        }
        EXPECT_EQ(lost.count(), 0);
        EXPECT_EQ(player.processId(), pid) << "a file error ended the sound process";
    }
    EXPECT_FALSE(processAlive(pid));
    EXPECT_EQ(threadsOfThisProcess(), threadsBefore);
}

// The real sound process plays a file opened ahead of time, and the same
// file again after its end (as a built-in sound loops): each playback is
// heard and ends once, all in the one process.
TEST_F(SoundProcess, APreparedSoundAndOnePlayedAgainAreHeardEachTime)
{
    const QString file = writeTone(m_dir, 0.8);
    ASSERT_FALSE(file.isEmpty());
    SoundProcessLauncher launcher(QStringLiteral(CHRONELLE_SOUND_PROCESS));
    OutputLevel level;
    launcher.prepare(file, level.packed());
    // Long enough for the prepared file to wait decoded.
    QTest::qWait(1500);
    ChildMediaPlayer player(launcher, level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    player.setFileName(file);
    qint64 pid = 0;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        SinkRecorder recorder;
        ASSERT_EQ(recorder.start(), QString());
        player.close();
        player.open();
        if (round == 0)
            pid = player.processId();
        EXPECT_EQ(player.processId(), pid);
        player.play();
        ASSERT_TRUE(QTest::qWaitFor([&] { return notified.count() == round + 1; }, boundMs));
        EXPECT_EQ(reasonAt(notified, round), MediaPlayer::NotifyReason::Ended);
        EXPECT_NEAR(toneAmplitudeOf(recorder.stop()), 0.5, 0.02);
    }
}

// The sound process applies the level to the samples it hands the sound
// server: from the first sample on when it was set after the file had been
// opened (and its start put in the stream), and within the two seconds the
// stream holds while it plays; a stop falls silent at once, not when the
// stream has played out.
TEST_F(SoundProcess, FollowsTheLevelAndFallsSilentOnStop)
{
    const QString file = writeTone(m_dir, 10.0);
    ASSERT_FALSE(file.isEmpty());
    constexpr qsizetype bytesPerSecond = 48000 * 4;
    SoundProcessLauncher launcher(QStringLiteral(CHRONELLE_SOUND_PROCESS));
    OutputLevel level;
    ChildMediaPlayer player(launcher, level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    SinkRecorder recorder;
    ASSERT_EQ(recorder.start(), QString());
    player.setFileName(file);
    player.open();
    QTest::qWait(1000); // decoded, its start waiting in the stream
    level.setLevel(127);
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return toneAmplitudeOf(recorder.recordedSoFar()) > 0.1; }, boundMs))
        << "the tone never reached the sink";
    QTest::qWait(1000);
    const QByteArray atHalf = recorder.recordedSoFar();
    level.setLevel(255);
    QTest::qWait(3000);
    const qsizetype fullFrom = recorder.recordedSoFar().size() / 4 * 4;
    QTest::qWait(700);
    player.stop();
    const qsizetype stoppedAt = recorder.recordedSoFar().size() / 4 * 4;
    QTest::qWait(1500);
    const QByteArray recorded = recorder.stop();
    EXPECT_EQ(notified.count(), 1) << "a stop ends the playback once";
    EXPECT_NEAR(toneAmplitudeOf(atHalf), 0.5 * 127 / 255, 0.02);
    EXPECT_NEAR(toneAmplitudeOf(recorded.mid(fullFrom, stoppedAt - fullFrom)), 0.5, 0.02);
    // What the recorder had not yet taken at the stop may still hold a little tone.
    const QByteArray afterStop = recorded.mid(stoppedAt + bytesPerSecond / 4);
    ASSERT_GT(afterStop.size(), bytesPerSecond / 2);
    EXPECT_LT(toneAmplitudeOf(afterStop), 0.01) << "the stream played on after the stop";
}

// Run by CTest with PULSE_SERVER naming a socket where nobody listens (see
// CMakeLists.txt): the sound process says why it can't play, and the
// playback ends instead of waiting for a server.
TEST(NoSoundServer, DISABLED_TheSoundProcessSaysWhyAndThePlaybackEnds)
{
    QTemporaryDir dir;
    const QString file = writeTone(dir, 1.0);
    ASSERT_FALSE(file.isEmpty());
    SoundProcessLauncher launcher(QStringLiteral(CHRONELLE_SOUND_PROCESS));
    OutputLevel level;
    ChildMediaPlayer player(launcher, level);
    QSignalSpy notified(&player, &MediaPlayer::OnNotify);
    QSignalSpy failed(&player, &MediaPlayer::playbackFailed);
    player.setFileName(file);
    player.open();
    player.play();
    ASSERT_TRUE(notified.wait(boundMs));
    EXPECT_EQ(reasonAt(notified, 0), MediaPlayer::NotifyReason::Aborted);
    ASSERT_EQ(failed.count(), 1);
    const QString message = failed.at(0).at(0).toString();
    EXPECT_TRUE(message.contains(u"sound server") && message.contains(QDir::toNativeSeparators(file)))
        << message.toStdString();
}
