// One ringing's cycle, on a fake clock and a fake player, without a window.

#include "alarmengine.h"
#include "alarmfile.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "fakeaudibleguard.h"
#include "fakeplayer.h"
#include "filelocations.h"
#include "outputlevel.h"
#include "poweractions.h"
#include "qtprint.h"
#include "ringingpreparer.h"
#include "ringingsession.h"
#include "ringingsettings.h"
#include "soundprocesslauncher.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RecordingPower final : public PowerActions
{
public:
    PowerResult perform(PowerAction action) override
    {
        requests << action;
        if (onPerform)
            onPerform();
        return refuse ? PowerResult::failure(action, QStringLiteral("refused by the test")) : PowerResult::success();
    }
    PowerAvailability availability(PowerAction) override { return {true, {}}; }
    QList<PowerAction> requests;
    bool refuse = false;
    std::function<void()> onPerform;
};

// A ringing of slot 7 in a program folder of the test's own, begun and
// sounding as its window does when it shows; what it tells is kept.
class Ringing : public ::testing::Test
{
protected:
    Ringing()
    {
        m_level.setLevel(33);
        m_record.playList = {QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")};
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    void open()
    {
        AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
        begin();
    }
    // Begins on whatever stands in the alarm's file.
    void begin()
    {
        m_problems.clear();
        m_powerFailures.clear();
        m_notes.clear();
        m_session = std::make_unique<RingingSession>(
            RingingRequest{Occurrence{7, QStringLiteral("x"), {}}, path(QStringLiteral("7.ini"))}, m_services);
        QObject::connect(m_session.get(), &RingingSession::problem,
                         [this](const QString &text) { m_problems << text; });
        QObject::connect(m_session.get(), &RingingSession::powerActionFailed,
                         [this](const QString &text) { m_powerFailures << text; });
        QObject::connect(m_session.get(), &RingingSession::note, [this](const QString &text) { m_notes << text; });
        QObject::connect(m_session.get(), &RingingSession::cycleClockShown,
                         [this](qint64 elapsedMs) { m_cycleClock = elapsedMs; });
        m_session->begin();
        m_session->beginSounding();
    }
    FakePlayer &player() { return static_cast<FakePlayer &>(m_session->player()); }
    // Ticks at the window's old pace for the given time.
    void run(qint64 ms = 200)
    {
        for (qint64 t = 0; t < ms; t += 200) {
            m_clock.advance(200);
            m_session->tick();
        }
    }

    QTemporaryDir m_dir;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(23, 50, 0))};
    FileLocations m_locations{m_dir.path() + u'/'};
    OutputLevel m_level;
    RecordingPower m_power;
    // What the guards did, and what they say when engaged.
    QStringList m_audibleLog;
    QString m_audibleNote;
    RingingServices m_services{
        m_locations,
        m_clock,
        m_level,
        [](QObject *parent) { return new FakePlayer(parent); },
        [this](QObject *parent) { return new FakeAudibleGuard(parent, m_audibleLog, m_audibleNote); },
        &m_power};
    AlarmRecord m_record = AlarmRecord::newAlarm(m_clock.now());
    std::unique_ptr<RingingSession> m_session;
    QStringList m_problems, m_powerFailures, m_notes;
    qint64 m_cycleClock = -1;
};

} // namespace

// A refused power action is reported, and the ringing finishes all the same.
TEST_F(Ringing, ThePlayListPlaysInOrderThenThePowerActionRunsAndTheRingingFinishes)
{
    m_record.playList.insert(1, QStringLiteral("/broken.ogg"));
    m_record.powerAction = int(PowerAction::Suspend);
    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "refused" : "carried out");
        m_power.refuse = refuse;
        m_power.requests.clear();
        open();
        int finished = 0;
        QObject::connect(m_session.get(), &RingingSession::finished, [&finished]() { ++finished; });
        player().unplayable << QStringLiteral("/broken.ogg");
        EXPECT_EQ(m_level.level(), 255);
        run(1000);
        player().finish();
        run(400); // the broken song is skipped
        EXPECT_EQ(player().played(), (QStringList{QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")}));
        EXPECT_TRUE(m_power.requests.isEmpty());
        player().finish();
        run();
        EXPECT_EQ(m_power.requests, QList<PowerAction>{PowerAction::Suspend});
        EXPECT_EQ(m_powerFailures.size(), refuse ? 1 : 0);
        EXPECT_EQ(m_powerFailures.filter(QStringLiteral("refused by the test")).size(), m_powerFailures.size());
        EXPECT_EQ(finished, 1);
        EXPECT_EQ(m_level.level(), 33) << "the level found at the start was not put back";
        run();
        EXPECT_EQ(m_power.requests.size(), 1) << "the power action ran twice";
        EXPECT_TRUE(m_problems.isEmpty());
    }
}

// An empty play list (a new alarm without songs) must not flash, run its
// power action and vanish: like sound mode it loops a sound until "OK".
TEST_F(Ringing, AnEmptyPlayListAndSoundModeLoopTheirSoundAndRunNoPowerAction)
{
    const std::tuple<const char *, bool, const char *> rows[] = {
        {"empty play list", true, "start.wav"},
        {"sound mode, sound 2", false, "ringin.wav"},
    };
    for (const auto &[name, playListOn, sound] : rows) {
        SCOPED_TRACE(name);
        m_record.playList.clear();
        m_record.playListOn = playListOn;
        m_record.soundOn = !playListOn;
        m_record.soundNumber = 2;
        m_record.powerAction = int(PowerAction::Suspend);
        open();
        for (int round = 0; round < 4; ++round) {
            run(1000);
            player().finish();
        }
        EXPECT_EQ(player().played(), QStringList(4, path(QStringLiteral("sounds/")) + QString::fromLatin1(sound)));
        EXPECT_FALSE(m_session->isFinished());
        m_session->stop();
        EXPECT_TRUE(m_power.requests.isEmpty());
    }
}

// Snooze silences for its full minutes from the press (0: it is over at the
// next tick), turns the automatic snooze off and starts the list again; the
// cycle clock counts the silence.
TEST_F(Ringing, SnoozeSilencesForItsMinutesAndRestartsTheList)
{
    struct Row
    {
        int minutes;
        qint64 silentAt, overAt; // after the press
    };
    for (const Row &row : {Row{2, 119'200, 121'200}, Row{0, 200, 600}}) {
        SCOPED_TRACE(row.minutes);
        m_record.snoozeMinutes = row.minutes;
        m_record.autoSnoozeOn = true;
        m_record.autoSnoozeMinutes = 5;
        open();
        run();
        player().finish();
        run(90'000); // a minute and a half into the cycle
        m_session->snooze();
        run(row.silentAt);
        EXPECT_EQ(m_session->silent(), row.minutes > 0) << "the snooze did not last its minutes";
        EXPECT_FALSE(m_session->settings().autoSnoozeOn) << "Snooze leaves the automatic snooze on";
        EXPECT_EQ(m_cycleClock, row.silentAt) << "the cycle clock does not count from the press";
        run(row.overAt - row.silentAt);
        EXPECT_FALSE(m_session->silent());
        EXPECT_FALSE(m_session->snoozing());
        EXPECT_EQ(player().played().last(), QStringLiteral("/a.mp3")) << "the list did not start again";
    }
}

TEST_F(Ringing, FadeInRisesInSecondStepsAndStopsJustUnderTheVolume)
{
    m_record.fadeInOn = true;
    m_record.fadeInMinutes = 1;
    open();
    run();
    EXPECT_EQ(m_level.level(), 0);
    run(30'000 - 200);
    EXPECT_EQ(m_level.level(), 50 * 255 / 100);
    run(60'000);
    EXPECT_EQ(m_level.level(), 249);
}

TEST_F(Ringing, AnAutomaticSnoozeLongerThanAnHourEndsAcrossMidnight)
{
    m_record.playList.removeLast();
    m_record.autoSnoozeOn = true;
    m_record.autoSnoozeMinutes = 50; // from 23:50, past midnight
    m_record.snoozeMinutes = 20;
    open();
    run(200 + 50 * 60'000);
    EXPECT_TRUE(m_session->silent());
    run(20 * 60'000 - 1000);
    EXPECT_TRUE(m_session->silent());
    run(2'000);
    EXPECT_FALSE(m_session->silent()) << "the pause did not end after 70 minutes";
    run();
    EXPECT_EQ(player().played().last(), QStringLiteral("/a.mp3"));
}

TEST_F(Ringing, ABadSoundIsReportedOnceAndTheRingingGoesOn)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    m_record.soundNumber = 9;
    open();
    run(3000);
    ASSERT_EQ(m_problems.size(), 1);
    EXPECT_TRUE(m_problems[0].contains(QStringLiteral("9"))) << m_problems[0].toStdString();
    EXPECT_FALSE(m_session->isFinished());
}

// Whatever went wrong with its file, a due alarm makes itself heard, and
// says what went wrong once.
TEST_F(Ringing, AnAlarmWhoseFileCannotBeReadStillRingsTheFirstSound)
{
    const std::pair<const char *, QByteArray> rows[] = {
        {"no file", QByteArray()},
        {"bad line before the switches", "Alarm\r\n2\r\nx\r\n"},
    };
    for (const auto &[name, content] : rows) {
        SCOPED_TRACE(name);
        QFile::remove(path(QStringLiteral("7.ini")));
        if (!content.isEmpty()) {
            ASSERT_TRUE(writeAll(path(QStringLiteral("7.ini")), content));
        }
        begin();
        run(400);
        EXPECT_EQ(m_problems.size(), 1);
        EXPECT_EQ(player().played(), QStringList{path(QStringLiteral("sounds/start.wav"))});
        m_session->stop();
    }
}

// The sound server may go away for a moment (a resume): a built-in sound that
// fails is tried again a few seconds later, and said once.
TEST_F(Ringing, AFailedSoundIsTriedAgainAndReportedOnce)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    open();
    for (int failure = 0; failure < 3; ++failure) {
        run();
        ASSERT_TRUE(player().isPlaying()) << failure;
        player().failWhilePlaying(QStringLiteral("connection to the sound server lost"));
        run(4000);
        EXPECT_FALSE(player().isPlaying()) << "tried again at once";
        run(2000);
    }
    EXPECT_TRUE(player().isPlaying());
    ASSERT_EQ(m_problems.size(), 1);
    EXPECT_TRUE(m_problems[0].contains(QStringLiteral("connection to the sound server lost")));
}

// A song that crashes or hangs the player's decoder: the alarm rings on with
// its built-in sound at once, says why once, and runs no power action.
TEST_F(Ringing, ASongThatLosesTheDecoderRingsTheBuiltInSoundAndSaysWhy)
{
    m_record.powerAction = int(PowerAction::Suspend);
    open();
    run();
    ASSERT_EQ(player().played(), QStringList{QStringLiteral("/a.mp3")});
    player().loseDecoder(QStringLiteral("Cannot play \"/a.mp3\": the sound player stopped: it crashed."));
    run();
    QCoreApplication::processEvents();
    const QString firstSound = path(QStringLiteral("sounds/start.wav"));
    EXPECT_EQ(player().played(), (QStringList{QStringLiteral("/a.mp3"), firstSound}));
    ASSERT_EQ(m_problems.size(), 1);
    EXPECT_TRUE(m_problems[0].contains(QStringLiteral("it crashed"))) << m_problems[0].toStdString();
    // The built-in sound loops; the rest of the list is not tried again.
    player().finish();
    run();
    EXPECT_EQ(player().played().last(), firstSound);
    EXPECT_FALSE(m_session->isFinished());
    EXPECT_TRUE(m_power.requests.isEmpty());
    EXPECT_EQ(m_problems.size(), 1);
}

// What a ringing plays first, as the ringing would choose it.
TEST_F(Ringing, TheFirstSoundIsTheFirstSongOrTheAlarmsBuiltInSound)
{
    const QString file = path(QStringLiteral("7.ini"));
    const auto firstSound = [&]() { return RingingSettings::firstSoundOf(file, m_locations); };
    AlarmFile::write(file, m_record);
    EXPECT_EQ(firstSound(), QStringLiteral("/a.mp3"));
    m_record.playList.clear();
    AlarmFile::write(file, m_record);
    EXPECT_EQ(firstSound(), path(QStringLiteral("sounds/start.wav"))) << "an empty list rings the first sound";
    m_record.playListOn = false;
    m_record.soundOn = true;
    m_record.soundNumber = 2;
    AlarmFile::write(file, m_record);
    EXPECT_EQ(firstSound(), path(QStringLiteral("sounds/ringin.wav")));
    m_record.soundOn = false;
    AlarmFile::write(file, m_record);
    EXPECT_EQ(firstSound(), QString()) << "an alarm that plays nothing";
    QFile::remove(file);
    EXPECT_EQ(firstSound(), path(QStringLiteral("sounds/start.wav"))) << "an alarm without its file";
}

namespace {

// The next alarm's sound readied by a stand-in sound process that logs what
// it is told, over a running engine whose alarm 0 is due two seconds from
// now, within the lead.
class ReadiedSound : public Ringing
{
protected:
    void startPreparing()
    {
        ASSERT_TRUE(writeAll(m_program, "#!/bin/sh\nwhile read line; do echo \"$line\" >> '" +
                                            QFile::encodeName(m_log) + "'; done\n"));
        QFile::setPermissions(m_program, QFile::permissions(m_program) | QFileDevice::ExeOwner);
        m_engine.start();
        m_preparer = std::make_unique<RingingPreparer>(m_engine, m_launcher);
        AlarmFile::write(path(QStringLiteral("0.ini")), m_record);
        m_engine.catalogue().appendRow(CatalogueRow::fromFields(
            {QStringLiteral("Tea"), QStringLiteral("Daily"), QString(), QString(), QStringLiteral("235002"),
             QStringLiteral("07122026"), QStringLiteral("0000000"), QStringLiteral("0")}));
    }
    QByteArray told() const { return readAll(m_log); }

    const QString m_log = path(QStringLiteral("told.txt"));
    const QString m_program = path(QStringLiteral("stand-in"));
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    AlarmEngine m_engine{m_locations, m_clock, m_formatter};
    SoundProcessLauncher m_launcher{m_program};
    std::unique_ptr<RingingPreparer> m_preparer;
};

} // namespace

// A few seconds before the next alarm's second its first song is opened in a
// spare sound process; the alarm deleted in those seconds takes the spare
// with it.
TEST_F(ReadiedSound, TheNextAlarmIsReadiedAheadAndADeletedOneDropsItsPreparation)
{
    m_record.playList = {QStringLiteral("/first.ogg"), QStringLiteral("/second.ogg")};
    startPreparing();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return m_launcher.hasSpare(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&]() { return told().contains("open 0 /first.ogg\n"); }, 10000))
        << told().toStdString();
    EXPECT_FALSE(told().contains("play")) << "a preparation played";

    ASSERT_TRUE(m_engine.deleteAlarm(0));
    EXPECT_FALSE(m_launcher.hasSpare()) << "the deleted alarm's preparation was kept";
}

// The prepared sound is started on its alarm's second, at the level the
// ringing will set, and not a millisecond before.
TEST_F(ReadiedSound, APreparedSoundStartsOnItsSecondAndNeverBefore)
{
    m_record.volume = 40;
    startPreparing();
    const QByteArray level = QByteArray::number(OutputLevel::pack(102));
    ASSERT_TRUE(QTest::qWaitFor([&]() { return told().contains("open 0 /a.mp3\n"); }, 10000)) << told().toStdString();
    EXPECT_TRUE(told().startsWith(QByteArray("volume 0 " + level + "\n"))) << told().toStdString();

    m_clock.advance(1999);
    QTest::qWait(2500);
    EXPECT_FALSE(told().contains("play")) << "played before its second";
    m_clock.advance(1);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return told().contains("play 0\n"); }, 5000)) << told().toStdString();
}

// The desktop's output is raised only while the alarm sounds: it is put back
// for every silence, before the power action, when the ringing ends in any
// way, and a ringing that plays nothing leaves it alone.
TEST_F(Ringing, TheOutputIsKeptAudibleOnlyWhileTheAlarmSounds)
{
    struct Row
    {
        const char *name;
        bool playListOn, soundOn, autoSnoozeOn;
        std::function<void()> act;
        QStringList log;
    };
    const QString engage = QStringLiteral("engage"), release = QStringLiteral("release");
    const Row rows[] = {
        {"OK", false, true, false, [this]() { m_session->stop(); }, {engage, release}},
        {"ended with the program", false, true, false, [this]() { m_session.reset(); }, {engage, release}},
        {"Snooze, then OK",
         false,
         true,
         false,
         [this]() {
             m_session->snooze();
             run();
             EXPECT_EQ(m_audibleLog.last(), QStringLiteral("release")) << "the silence kept the output raised";
             run(60'000);
             m_session->stop();
         },
         {engage, release, engage, release}},
        {"automatic snooze", false, true, true, [this]() { run(150'000); }, {engage, release, engage}},
        {"end of the play list",
         true,
         false,
         false,
         [this]() {
             m_power.onPerform = [this]() { m_audibleLog << QStringLiteral("power action"); };
             for (int song = 0; song < 2; ++song) {
                 run();
                 player().finish();
             }
             run();
         },
         {engage, release, QStringLiteral("power action")}},
        {"a ringing that plays nothing", false, false, false, [this]() { m_session->stop(); }, {}},
    };
    m_audibleNote = QStringLiteral("The sound was off; it is on for this alarm.");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_audibleLog.clear();
        m_record.playListOn = row.playListOn;
        m_record.soundOn = row.soundOn;
        m_record.autoSnoozeOn = row.autoSnoozeOn;
        m_record.autoSnoozeMinutes = 1;
        m_record.snoozeMinutes = 1;
        m_record.powerAction = int(PowerAction::Suspend);
        open();
        EXPECT_EQ(m_audibleLog, row.log.mid(0, row.log.isEmpty() ? 0 : 1)) << "not engaged when sounding";
        QCoreApplication::processEvents();
        EXPECT_EQ(m_notes, row.log.isEmpty() ? QStringList() : QStringList{m_audibleNote});
        row.act();
        EXPECT_EQ(m_audibleLog, row.log);
        m_session.reset();
        m_power.onPerform = nullptr;
    }
}

// Every answer from outside reaches the session as its window's would. A
// finished session lives on, its player open, until its guard has settled.
TEST_F(Ringing, AnswersFromOutsideAndASessionThatLivesUntilItsGuardSettles)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    m_record.snoozeMinutes = 1;
    open();
    run();
    int snoozed = 0;
    QObject::connect(m_session.get(), &RingingSession::snoozed, [&snoozed]() { ++snoozed; });
    m_session->answer(AlarmEngine::RingingAnswer::Snooze);
    EXPECT_TRUE(m_session->snoozing());
    EXPECT_EQ(snoozed, 1);
    run(60'200);
    FakePlayer &sound = player();
    ASSERT_TRUE(sound.isPlaying());

    auto *guard = static_cast<FakeAudibleGuard *>(m_session->findChild<AudibleGuard *>());
    guard->hold();
    m_session->answer(AlarmEngine::RingingAnswer::Stop);
    EXPECT_TRUE(m_session->isFinished());
    const QPointer<RingingSession> session = m_session.release();
    session->deleteWhenSettled();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(session.isNull()) << "gone before its guard settled";
    EXPECT_NE(sound.mode(), MediaPlayer::Mode::NotOpen) << "the stream went before the guard put back";
    guard->settle();
    EXPECT_EQ(sound.mode(), MediaPlayer::Mode::NotOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(session.isNull()) << "a finished, settled session was kept";
}
