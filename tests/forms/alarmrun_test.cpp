#include "alarmfile.h"
#include "alarmrun.h"
#include "clock.h"
#include "clockface.h"
#include "datetimeformatter.h"
#include "errorrecorder.h"
#include "fakeplayer.h"
#include "formalarmlist.h"
#include "outputlevel.h"
#include "poweractions.h"
#include "qtprint.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class NoFace final : public ClockFace
{
public:
    void setDisplayLine(int, const QString &) override {}
};

class RecordingPower final : public PowerActions
{
public:
    PowerResult perform(PowerAction action) override
    {
        requests << action;
        return refuse ? PowerResult::failure(action, QStringLiteral("refused by the test")) : PowerResult::success();
    }
    PowerAvailability availability(PowerAction) override { return {true, {}}; }
    QList<PowerAction> requests;
    bool refuse = false;
};

class RingingWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_manager.timer()->stop();
        m_manager.setPlayerFactory([](QObject *parent) { return new FakePlayer(parent); });
        m_manager.setPowerActions(&m_power);
        m_manager.setCurrentAlarmFileName(QStringLiteral("7.ini"));
        OutputLevel::instance().setLevel(33);
        m_record = AlarmRecord::newAlarm(m_clock.now());
    }
    void TearDown() override { m_window.reset(); }

    void open()
    {
        AlarmFile::write(m_dir.filePath(QStringLiteral("7.ini")), m_record);
        m_window = std::make_unique<TAlarmRun>(m_manager, Occurrence{7, QStringLiteral("x"), {}});
        m_window->show();
    }
    FakePlayer &player() { return static_cast<FakePlayer &>(m_window->player()); }
    void tick(qint64 ms = 200)
    {
        m_clock.advance(ms);
        m_window->TimerTimer();
    }
    // Ticks for a while at the window's pace.
    void run(qint64 ms)
    {
        for (qint64 t = 0; t < ms; t += 200)
            tick();
    }
    QString sound(const char *name) const
    {
        return m_dir.path() + QStringLiteral("/sounds/") + QString::fromLatin1(name);
    }

    QTemporaryDir m_dir;
    NoFace m_face;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(23, 50, 0))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    TFormAlarmList m_manager{m_dir.path() + u'/', m_face, m_clock, m_formatter};
    RecordingPower m_power;
    AlarmRecord m_record;
    std::unique_ptr<TAlarmRun> m_window;
};

} // namespace

TEST_F(RingingWindow, ThePlayListPlaysInOrderThenThePowerActionRunsAndTheWindowCloses)
{
    m_record.playList = {QStringLiteral("/music/a.mp3"), QStringLiteral("/music/broken.ogg"),
                         QStringLiteral("/music/c.flac")};
    m_record.powerAction = int(PowerAction::Suspend);
    m_record.setClosingMethod(1); // the closing method changes nothing here
    open();
    player().unplayable << QStringLiteral("/music/broken.ogg");
    EXPECT_TRUE(m_manager.ringingFlag());
    EXPECT_EQ(OutputLevel::instance().level(), 255);

    tick();
    EXPECT_EQ(player().played(), QStringList{QStringLiteral("/music/a.mp3")});
    run(1000);
    player().finish();
    tick(); // the broken song is skipped
    tick();
    EXPECT_EQ(player().played(), (QStringList{QStringLiteral("/music/a.mp3"), QStringLiteral("/music/c.flac")}));
    EXPECT_TRUE(m_power.requests.isEmpty());
    player().finish();
    tick();
    EXPECT_EQ(m_power.requests, QList<PowerAction>{PowerAction::Suspend});
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(m_manager.ringingFlag());
    EXPECT_EQ(OutputLevel::instance().level(), 33) << "the level found at opening was not put back";
    tick();
    EXPECT_EQ(m_power.requests.size(), 1) << "the power action ran twice";
}

TEST_F(RingingWindow, ARefusedPowerActionIsReportedWithoutBlocking)
{
    m_record.playList = {QStringLiteral("/music/a.mp3")};
    m_record.powerAction = int(PowerAction::PowerOff);
    m_power.refuse = true;
    open();
    ErrorRecorder errors;
    tick();
    player().finish();
    tick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("refused by the test"))) << errors.messages[0].toStdString();
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(RingingWindow, AnEmptyPlayListLoopsTheFirstSoundUntilOK)
{
    m_record.powerAction = int(PowerAction::PowerOff);
    open();
    for (int round = 0; round < 3; ++round) {
        tick();
        player().finish();
    }
    tick();
    EXPECT_EQ(player().played(), QStringList(4, sound("start.wav")));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_power.requests.isEmpty());
    m_window->ButtonOKClick();
    EXPECT_FALSE(m_manager.ringingFlag());
    EXPECT_TRUE(m_power.requests.isEmpty());
}

TEST_F(RingingWindow, APlayListOfUnplayableSongsRingsTheFirstSoundAndNeverSuspends)
{
    m_record.playList = {QStringLiteral("/gone.mp3"), QStringLiteral("/broken.ogg")};
    m_record.powerAction = int(PowerAction::Suspend);
    open();
    player().unplayable << QStringLiteral("/gone.mp3") << QStringLiteral("/broken.ogg");
    run(2000);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_power.requests.isEmpty());
    EXPECT_EQ(player().played().last(), sound("start.wav"));
}

TEST_F(RingingWindow, SoundModeNeverEndsByItself)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    m_record.soundNumber = 2;
    m_record.powerAction = int(PowerAction::Suspend);
    open();
    for (int round = 0; round < 5; ++round) {
        tick();
        player().finish();
    }
    EXPECT_EQ(player().played(), QStringList(5, sound("ringin.wav")));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_power.requests.isEmpty());
}

TEST_F(RingingWindow, ABadSoundIsReportedOnceAndTheWindowStillRings)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    m_record.soundNumber = 9;
    open();
    ErrorRecorder errors;
    run(3000);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("9")));
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(RingingWindow, ASoundThatFailsWhilePlayingIsReportedOnceNotAtEveryTick)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    open();
    ErrorRecorder errors;
    for (int round = 0; round < 5; ++round) {
        tick();
        player().failWhilePlaying(QStringLiteral("cannot decode start.wav"));
    }
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("cannot decode"))) << errors.messages[0].toStdString();
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(RingingWindow, SnoozeSilencesForTheFullSnoozeThenRestartsTheList)
{
    m_record.playList = {QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")};
    m_record.snoozeMinutes = 2;
    m_record.autoSnoozeOn = true;
    m_record.autoSnoozeMinutes = 5;
    open();
    tick();
    player().finish();
    run(90'000); // a minute and a half into the cycle
    m_window->Button1Click();
    tick();
    EXPECT_TRUE(m_window->silent());
    EXPECT_FALSE(m_window->settings().autoSnoozeOn) << "Snooze leaves the automatic snooze on";
    run(119'000);
    EXPECT_TRUE(m_window->silent()) << "the snooze ended before its two minutes";
    EXPECT_EQ(m_window->findChild<QLabel *>(QStringLiteral("LabelDate"))->text(), QStringLiteral("12:01:59 AM"));
    run(2'000);
    EXPECT_FALSE(m_window->silent());
    EXPECT_FALSE(m_window->snoozing());
    const QStringList played = player().played();
    EXPECT_EQ(played.last(), QStringLiteral("/a.mp3")) << "the list did not start again from its first song";
}

TEST_F(RingingWindow, SnoozeZeroEndsOnTheNextTick)
{
    m_record.playList = {QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")};
    m_record.snoozeMinutes = 0;
    open();
    tick();
    player().finish();
    tick(); // b plays
    m_window->Button1Click();
    tick(); // silent
    tick(); // the snooze is over
    tick();
    EXPECT_EQ(player().played().last(), QStringLiteral("/a.mp3"));
    EXPECT_FALSE(m_window->snoozing());
}

TEST_F(RingingWindow, FadeInRisesInSecondStepsAndStopsJustUnderTheVolume)
{
    m_record.playList = {QStringLiteral("/long.mp3")};
    m_record.fadeInOn = true;
    m_record.fadeInMinutes = 1;
    open();
    tick();
    EXPECT_EQ(OutputLevel::instance().level(), 0);
    run(30'000 - 200);
    EXPECT_EQ(OutputLevel::instance().level(), 50 * 255 / 100);
    run(60'000);
    EXPECT_EQ(OutputLevel::instance().level(), 249);
}

TEST_F(RingingWindow, AnAutomaticSnoozeLongerThanAnHourEndsAcrossMidnight)
{
    m_record.playList = {QStringLiteral("/a.mp3")};
    m_record.autoSnoozeOn = true;
    m_record.autoSnoozeMinutes = 50; // from 23:50, past midnight
    m_record.snoozeMinutes = 20;
    open();
    tick();
    run(50 * 60'000);
    EXPECT_TRUE(m_window->silent());
    run(20 * 60'000 - 1000);
    EXPECT_TRUE(m_window->silent());
    run(2'000);
    EXPECT_FALSE(m_window->silent()) << "the pause did not end after 70 minutes";
    tick();
    EXPECT_EQ(player().played().last(), QStringLiteral("/a.mp3"));
}

TEST_F(RingingWindow, AMissingFileGivesASilentWindowThatOnlyOKCloses)
{
    ErrorRecorder errors;
    m_window = std::make_unique<TAlarmRun>(m_manager, Occurrence{7, QStringLiteral("x"), {}});
    EXPECT_EQ(errors.messages.size(), 1);
    run(2000);
    EXPECT_TRUE(player().played().isEmpty());
    EXPECT_TRUE(m_manager.ringingFlag());
    m_window->ButtonOKClick();
    EXPECT_FALSE(m_manager.ringingFlag());
}
