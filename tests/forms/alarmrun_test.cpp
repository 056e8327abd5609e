// The ringing window's cycle, on a fake clock and a fake player.

#include "alarmfile.h"
#include "alarmrun.h"
#include "childmediaplayer.h"
#include "errorrecorder.h"
#include "formstestsupport.h"
#include "outputlevel.h"
#include "poweractions.h"
#include "schedulerules.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTest>

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

class RingingWindow : public ManagerTest
{
protected:
    RingingWindow() : ManagerTest(QDateTime(QDate(2026, 12, 7), QTime(23, 50, 0)))
    {
        m_services.powerActions = &m_power;
        m_level.setLevel(33);
        m_record.playList = {QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")};
    }
    void TearDown() override { m_window.reset(); }

    // The ringing window of slot 7, due at `due`, over the manager.
    std::unique_ptr<TAlarmRun> makeWindow(const QDateTime &due = {})
    {
        return std::make_unique<TAlarmRun>(
            RingingRequest{Occurrence{7, QStringLiteral("x"), due}, path(QStringLiteral("7.ini"))}, m_services,
            &m_manager);
    }

    void open()
    {
        AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
        m_window = makeWindow();
        m_window->show();
    }
    FakePlayer &player() { return static_cast<FakePlayer &>(m_window->player()); }
    // Ticks at the window's pace for the given time.
    void run(qint64 ms = 200)
    {
        for (qint64 t = 0; t < ms; t += 200) {
            m_clock.advance(200);
            m_window->TimerTimer();
        }
    }

    RecordingPower m_power;
    AlarmRecord m_record = AlarmRecord::newAlarm(m_clock.now());
    std::unique_ptr<TAlarmRun> m_window;
};

} // namespace

// A refused power action is reported, and the window closes all the same.
TEST_F(RingingWindow, ThePlayListPlaysInOrderThenThePowerActionRunsAndTheWindowCloses)
{
    m_record.playList.insert(1, QStringLiteral("/broken.ogg"));
    m_record.powerAction = int(PowerAction::Suspend);
    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "refused" : "carried out");
        m_power.refuse = refuse;
        m_power.requests.clear();
        open();
        player().unplayable << QStringLiteral("/broken.ogg");
        EXPECT_EQ(m_level.level(), 255);
        run(1000);
        player().finish();
        run(400); // the broken song is skipped
        EXPECT_EQ(player().played(), (QStringList{QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")}));
        EXPECT_TRUE(m_power.requests.isEmpty());
        ErrorRecorder errors;
        player().finish();
        run();
        EXPECT_EQ(m_power.requests, QList<PowerAction>{PowerAction::Suspend});
        EXPECT_EQ(errors.messages.size(), refuse ? 1 : 0);
        EXPECT_EQ(errors.messages.filter(QStringLiteral("refused by the test")).size(), errors.messages.size());
        EXPECT_FALSE(m_window->isVisible());
        EXPECT_EQ(m_level.level(), 33) << "the level found at opening was not put back";
        run();
        EXPECT_EQ(m_power.requests.size(), 1) << "the power action ran twice";
    }
}

// An empty play list (a new alarm without songs) must not flash, run its
// power action and vanish: like sound mode it loops a sound until "OK".
TEST_F(RingingWindow, AnEmptyPlayListAndSoundModeLoopTheirSoundAndRunNoPowerAction)
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
        EXPECT_TRUE(m_window->isVisible());
        m_window->ButtonOKClick();
        EXPECT_TRUE(m_power.requests.isEmpty());
    }
}

// Snooze silences for its full minutes from the press (0: it is over at the
// next tick), turns the automatic snooze off and starts the list again.
TEST_F(RingingWindow, SnoozeSilencesForItsMinutesAndRestartsTheList)
{
    struct Row
    {
        int minutes;
        qint64 silentAt, overAt; // after the press
        const char *cycleClock;
    };
    for (const Row &row : {Row{2, 119'200, 121'200, "12:01:59 AM"}, Row{0, 200, 600, nullptr}}) {
        SCOPED_TRACE(row.minutes);
        m_record.snoozeMinutes = row.minutes;
        m_record.autoSnoozeOn = true;
        m_record.autoSnoozeMinutes = 5;
        open();
        run();
        player().finish();
        run(90'000); // a minute and a half into the cycle
        m_window->Button1Click();
        run(row.silentAt);
        EXPECT_EQ(m_window->silent(), row.minutes > 0) << "the snooze did not last its minutes";
        EXPECT_FALSE(m_window->settings().autoSnoozeOn) << "Snooze leaves the automatic snooze on";
        if (row.cycleClock) {
            EXPECT_EQ(m_window->findChild<QLabel *>(QStringLiteral("LabelDate"))->text(), row.cycleClock);
        }
        run(row.overAt - row.silentAt);
        EXPECT_FALSE(m_window->silent());
        EXPECT_FALSE(m_window->snoozing());
        EXPECT_EQ(player().played().last(), QStringLiteral("/a.mp3")) << "the list did not start again";
    }
}

TEST_F(RingingWindow, FadeInRisesInSecondStepsAndStopsJustUnderTheVolume)
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

TEST_F(RingingWindow, AnAutomaticSnoozeLongerThanAnHourEndsAcrossMidnight)
{
    m_record.playList.removeLast();
    m_record.autoSnoozeOn = true;
    m_record.autoSnoozeMinutes = 50; // from 23:50, past midnight
    m_record.snoozeMinutes = 20;
    open();
    run(200 + 50 * 60'000);
    EXPECT_TRUE(m_window->silent());
    run(20 * 60'000 - 1000);
    EXPECT_TRUE(m_window->silent());
    run(2'000);
    EXPECT_FALSE(m_window->silent()) << "the pause did not end after 70 minutes";
    run();
    EXPECT_EQ(player().played().last(), QStringLiteral("/a.mp3"));
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
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("9"))) << errors.messages[0].toStdString();
    EXPECT_TRUE(m_window->isVisible());
}

// Whatever went wrong with its file, a due alarm makes itself heard, and the
// report does not wait for an answer before the ringing starts.
TEST_F(RingingWindow, AnAlarmWhoseFileCannotBeReadStillRingsTheFirstSound)
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
        ErrorRecorder errors;
        m_window = makeWindow();
        m_window->show();
        run(400);
        EXPECT_TRUE(errors.messages.isEmpty()) << "told before the window showed";
        QCoreApplication::processEvents();
        EXPECT_EQ(errors.messages.size(), 1);
        EXPECT_EQ(player().played(), QStringList{path(QStringLiteral("sounds/start.wav"))});
        m_window->ButtonOKClick();
    }
}

// The sound server may go away for a moment (a resume): a built-in sound that
// fails is tried again a few seconds later, and said once.
TEST_F(RingingWindow, AFailedSoundIsTriedAgainAndReportedOnce)
{
    m_record.playListOn = false;
    m_record.soundOn = true;
    open();
    ErrorRecorder errors;
    for (int failure = 0; failure < 3; ++failure) {
        run();
        ASSERT_TRUE(player().isPlaying()) << failure;
        player().failWhilePlaying(QStringLiteral("connection to the sound server lost"));
        run(4000);
        EXPECT_FALSE(player().isPlaying()) << "tried again at once";
        run(2000);
    }
    EXPECT_TRUE(player().isPlaying());
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("connection to the sound server lost")));
}

// A song that crashes or hangs the player's decoder: the alarm rings on with
// its built-in sound at once, says why once, and runs no power action.
TEST_F(RingingWindow, ASongThatLosesTheDecoderRingsTheBuiltInSoundAndSaysWhy)
{
    m_record.powerAction = int(PowerAction::Suspend);
    open();
    ErrorRecorder errors;
    run();
    ASSERT_EQ(player().played(), QStringList{QStringLiteral("/a.mp3")});
    player().loseDecoder(QStringLiteral("Cannot play \"/a.mp3\": the sound player stopped: it crashed."));
    run();
    QCoreApplication::processEvents();
    const QString firstSound = path(QStringLiteral("sounds/start.wav"));
    EXPECT_EQ(player().played(), (QStringList{QStringLiteral("/a.mp3"), firstSound}));
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("it crashed"))) << errors.messages[0].toStdString();
    // The built-in sound loops; the rest of the list is not tried again.
    player().finish();
    run();
    EXPECT_EQ(player().played().last(), firstSound);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_power.requests.isEmpty());
    EXPECT_EQ(errors.messages.size(), 1);
}

// What a ringing plays first, as the window would choose it.
TEST_F(RingingWindow, TheFirstSoundIsTheFirstSongOrTheAlarmsBuiltInSound)
{
    const QString file = path(QStringLiteral("7.ini"));
    const auto firstSound = [&]() { return RingingPreparer::firstSoundOf(file, m_locations); };
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

// A few seconds before the next alarm's second its first song is opened in a
// spare sound process (a stand-in here, which logs what it is told); the
// alarm deleted in those seconds takes the spare with it.
TEST_F(RingingWindow, TheNextAlarmIsReadiedAheadAndADeletedOneDropsItsPreparation)
{
    const QString log = path(QStringLiteral("told.txt"));
    const QString program = path(QStringLiteral("stand-in"));
    ASSERT_TRUE(
        writeAll(program, "#!/bin/sh\nwhile read line; do echo \"$line\" >> '" + QFile::encodeName(log) + "'; done\n"));
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    SoundProcessLauncher launcher(program);
    const RingingPreparer preparer(m_engine, launcher);
    m_record.playList = {QStringLiteral("/first.ogg"), QStringLiteral("/second.ogg")};
    AlarmFile::write(path(QStringLiteral("0.ini")), m_record);
    // Due two seconds from now, within the lead: readied at once.
    m_engine.catalogue().appendRow(CatalogueRow::fromFields(
        {QStringLiteral("Tea"), QStringLiteral("Daily"), QString(), QString(), QStringLiteral("235002"),
         QStringLiteral("07122026"), QStringLiteral("0000000"), QStringLiteral("0")}));
    ASSERT_TRUE(QTest::qWaitFor([&]() { return launcher.hasSpare(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&]() { return readAll(log).contains("open 0 /first.ogg\n"); }, 10000))
        << readAll(log).toStdString();
    EXPECT_FALSE(readAll(log).contains("play")) << "a preparation played";

    ASSERT_TRUE(m_engine.deleteAlarm(0));
    EXPECT_FALSE(launcher.hasSpare()) << "the deleted alarm's preparation was kept";
}

// The prepared sound is started on its alarm's second, at the level the
// window will set, and not a millisecond before.
TEST_F(RingingWindow, APreparedSoundStartsOnItsSecondAndNeverBefore)
{
    const QString log = path(QStringLiteral("told.txt"));
    const QString program = path(QStringLiteral("stand-in"));
    ASSERT_TRUE(
        writeAll(program, "#!/bin/sh\nwhile read line; do echo \"$line\" >> '" + QFile::encodeName(log) + "'; done\n"));
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    SoundProcessLauncher launcher(program);
    const RingingPreparer preparer(m_engine, launcher);
    m_record.volume = 40;
    AlarmFile::write(path(QStringLiteral("0.ini")), m_record);
    m_engine.catalogue().appendRow(CatalogueRow::fromFields(
        {QStringLiteral("Tea"), QStringLiteral("Daily"), QString(), QString(), QStringLiteral("235002"),
         QStringLiteral("07122026"), QStringLiteral("0000000"), QStringLiteral("0")}));
    const QByteArray level = QByteArray::number(OutputLevel::pack(102));
    ASSERT_TRUE(QTest::qWaitFor([&]() { return readAll(log).contains("open 0 /a.mp3\n"); }, 10000))
        << readAll(log).toStdString();
    EXPECT_TRUE(readAll(log).startsWith(QByteArray("volume 0 " + level + "\n"))) << readAll(log).toStdString();

    m_clock.advance(1999);
    QTest::qWait(2500);
    EXPECT_FALSE(readAll(log).contains("play")) << "played before its second";
    m_clock.advance(1);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return readAll(log).contains("play 0\n"); }, 5000))
        << readAll(log).toStdString();
}

// An alarm queued behind another one rings late; the window says when it was due.
TEST_F(RingingWindow, ALateRingingShowsWhenItWasDue)
{
    AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
    const QDateTime now = ScheduleRules::wallMomentOf(m_clock.now());
    const std::pair<QDateTime, QString> rows[] = {{now, QString()},
                                                  {now.addSecs(-125), QStringLiteral("Due at 11:47:55 PM")}};
    for (const auto &[due, shown] : rows) {
        const std::unique_ptr<TAlarmRun> window = makeWindow(due);
        EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("LabelDue"))->text(), shown);
    }
}

// The date reads in the order of the user's dates: the design's month-first
// line in US English, the day first in German, the year first in Japanese
// and Chinese.
TEST_F(RingingWindow, TheDateFollowsTheOrderOfTheUsersDates)
{
    AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
    const auto formatterOf = [](const char *locale) {
        return DateTimeFormatter(LocaleFormats::fromLocale(QLocale(QString::fromLatin1(locale))));
    };
    const std::pair<const char *, const char *> rows[] = {{nullptr, "Mon, December,07, 2026"},
                                                          {"de_DE", "Mo., 07 Dezember, 2026"},
                                                          {"ja_JP", "2026/12/7 (月)"},
                                                          {"zh_CN", "2026/12/7 (周一)"}};
    for (const auto &[locale, shown] : rows) {
        SCOPED_TRACE(locale ? locale : "the test's own");
        const DateTimeFormatter formatter = locale ? formatterOf(locale) : m_services.formatter;
        const DialogServices services{
            m_locations, m_clock, formatter, m_level, m_services.makePlayer, m_services.makeAudibleGuard, nullptr};
        TAlarmRun window(RingingRequest{Occurrence{7, QStringLiteral("x"), {}}, path(QStringLiteral("7.ini"))},
                         services, &m_manager);
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("LabelDate"))->text(), QString::fromUtf8(shown));
    }
}

// A screen reader says the dialog's description when it opens: which alarm
// rings, and for when, in the user's time format; an empty reminder leaves
// the time alone, with no padding.
TEST_F(RingingWindow, TheDescriptionTellsScreenReadersTheAlarmsTimeAndReminder)
{
    const QDateTime due = ScheduleRules::wallMomentOf(m_clock.now()).addSecs(-125);
    const std::pair<const char *, const char *> rows[] = {
        {"Take the pills\n  with water\n", "Alarm at 11:47:55 PM: Take the pills with water"},
        {"", "Alarm at 11:47:55 PM"}};
    for (const auto &[reminder, described] : rows) {
        m_record.reminder = QString::fromLatin1(reminder);
        AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
        const std::unique_ptr<TAlarmRun> window = makeWindow(due);
        EXPECT_EQ(window->accessibleDescription(), QString::fromLatin1(described));
    }
}

// The desktop's output is raised only while the alarm sounds: it is put back
// for every silence, before the power action, when the window closes in any
// way, and a window that plays nothing leaves it alone.
TEST_F(RingingWindow, TheOutputIsKeptAudibleOnlyWhileTheAlarmSounds)
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
        {"OK", false, true, false, [this]() { m_window->ButtonOKClick(); }, {engage, release}},
        {"closed with the program", false, true, false, [this]() { m_window.reset(); }, {engage, release}},
        {"Snooze, then OK",
         false,
         true,
         false,
         [this]() {
             m_window->Button1Click();
             run();
             EXPECT_EQ(m_audibleLog.last(), QStringLiteral("release")) << "the silence kept the output raised";
             run(60'000);
             m_window->ButtonOKClick();
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
        {"a window that plays nothing", false, false, false, [this]() { m_window->ButtonOKClick(); }, {}},
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
        EXPECT_EQ(m_audibleLog, row.log.mid(0, row.log.isEmpty() ? 0 : 1)) << "not engaged when shown";
        QCoreApplication::processEvents();
        if (!row.log.isEmpty()) {
            EXPECT_EQ(m_window->findChild<QLabel *>(QStringLiteral("LabelSound"))->text(), m_audibleNote);
        }
        row.act();
        EXPECT_EQ(m_audibleLog, row.log);
        m_window.reset();
        m_power.onPerform = nullptr;
    }
}

// An alarm opens on top, centred on the screen, with "Snooze" focused; a
// stray Escape leaves it ringing, the title bar's close still ends it.
TEST_F(RingingWindow, OpensCentredOnTopWithSnoozeFocusedAndOnlyOKOrCloseEndIt)
{
    m_manager.move(21, 40);
    m_record.playListOn = false;
    m_record.soundOn = true;
    open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    EXPECT_TRUE(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    ASSERT_NE(screen ? screen : QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(m_window->geometry().center(),
              (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry().center());
    EXPECT_EQ(m_window->focusWidget(), m_window->findChild<QPushButton *>(QStringLiteral("Button1")));

    run();
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    run();
    EXPECT_TRUE(m_window->isVisible()) << "Escape ended the alarm";
    EXPECT_TRUE(player().isPlaying());

    m_window->close();
    EXPECT_FALSE(m_window->isVisible());
}
