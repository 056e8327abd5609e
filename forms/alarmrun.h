#pragma once

#include "alarmengine.h"
#include "alarmrecord.h"
#include "dialogservices.h"

#include <QDialog>
#include <optional>

class AudibleGuard;
class Clock;
class DateTimeFormatter;
class MediaPlayer;
class PowerActions;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class SoundProcessLauncher;

// The window that rings one alarm. It reads the alarm's file itself, shows
// the time, the date and the reminder, plays the play list (or loops a
// built-in sound) at the alarm's volume with its fade-in, snoozes on request
// or by itself, and after the last song of the list carries out the alarm's
// power action and closes. When it closes, the output level it found is put
// back. While it
// sounds, the desktop's output is kept audible, and put back as the user had
// it for a silence and when the window closes.
class TAlarmRun final : public QDialog
{
    Q_OBJECT

public:
    // The built-in sounds, by sound number.
    static const QStringList &soundFileNames();

    // An alarm's settings as a ringing uses them: what could be read before a
    // bad line, and the first built-in sound when that makes no sound; the
    // problem, if any, is said in `problem`.
    static AlarmRecord readRingingSettings(const QString &alarmFilePath, QString *problem);
    // The output level a ringing of these settings plays its first sound at.
    static int startingLevel(const AlarmRecord &settings);

    TAlarmRun(const RingingRequest &request, const DialogServices &services, QWidget *parent = nullptr);
    ~TAlarmRun() override;

    const AlarmRecord &settings() const { return m_settings; }
    MediaPlayer &player() const { return *M; }
    bool silent() const { return m_silent; }
    bool snoozing() const { return m_snoozing; }
    int playIndex() const { return m_playIndex; }
    // Minutes and seconds of the running cycle.
    qint64 cycleElapsedMs() const;

signals:
    // Snoozed: by its button, by the notification's action, or as asked from outside.
    void snoozed();

public slots:
    void TimerTimer();
    void Button1Click();
    void ButtonOKClick();
    void MNotify();
    void ActionReadAlarmInfoExecute();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    static int levelFor(int percent, int volume);
    void setVolume(int percent);
    void armTimer();
    void tickSoon();
    void keepAudible();
    void closePlayerAfterGuard();
    void beginSilence();
    void endSilence();
    void showClock();
    // The dialog's accessible description: the alarm's time and reminder.
    void describeForScreenReaders();
    void showCycleClock();
    bool stepPlayList();
    void stepAlarmSound();
    bool ringsFirstSoundInstead() const;
    void runPowerAction();
    void reportOnce(const QString &message);
    // Shows a report in a box over this window, once the window shows.
    void tell(const QString &message);
    void builtInSoundFailed(const QString &message);

    DialogServices m_services;
    const Clock &m_clock;
    const DateTimeFormatter &m_formatter;
    Occurrence m_occurrence;
    QString m_alarmFilePath;
    AlarmRecord m_settings;
    quint32 m_levelBefore = 0;
    int m_playIndex = 0;
    bool m_silent = false;
    bool m_snoozing = false;
    bool m_closed = false;
    bool m_reported = false;
    bool m_shown = false;
    bool m_inTick = false;
    bool m_closeAfterGuard = false; // the player closes once the guard has settled
    QStringList m_untold;           // reports waiting for the window to show
    // A built-in sound that failed is not tried again before this moment.
    static constexpr qint64 SoundRetryMs = 5000;
    qint64 m_soundRetryAtMs = 0;
    bool m_playingBuiltInSound = false;
    // Some song of the play list has really played in this ringing; without
    // one the alarm would end unheard, so it rings the first sound instead.
    bool m_songHeard = false;
    bool m_songFailed = false;
    bool m_fallBackToSound = false;
    qint64 m_cycleStart = 0;

    QLabel *LabelTime = nullptr;
    QLabel *LabelDate = nullptr;
    QLabel *LabelDue = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *LabelSound = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *ButtonOK = nullptr;
    MediaPlayer *M = nullptr;
    AudibleGuard *m_audible = nullptr;
    QTimer *Timer = nullptr;
};

// Readies the sound of the alarm that rings next a few seconds before its
// second, so that it is heard on the second: a sound process is started with
// the alarm's first sound opened, at the level the window will set, and on
// the second itself it is started, unless another alarm rings then; the
// ringing window's player takes it, playing. Nothing prepared plays before
// its second; the window reads the alarm's file again and opens what it says
// then, so an alarm edited or deleted in those seconds rings as it is now. A
// preparation that the next alarm no longer needs is dropped, one no window
// took is dropped a minute after its second, and a sound started on the
// second that no window takes stops a few seconds later.
class RingingPreparer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int LeadMs = 3000;
    static constexpr int UnusedKeptMs = 60'000;
    static constexpr int UntakenPlayedMs = 3000;
    // How far into its second the sound is started: a timer a little early
    // still finds the second begun.
    static constexpr int LandingMs = 1;

    RingingPreparer(AlarmEngine &engine, SoundProcessLauncher &launcher, QObject *parent = nullptr);

    // What a ringing of this alarm file plays first, as the window would: the
    // play list's first song, or the alarm's built-in sound. Empty when it
    // plays nothing.
    static QString firstSoundOf(const QString &alarmFilePath, const FileLocations &locations);

private:
    static QString firstSoundOf(const AlarmRecord &record, const FileLocations &locations);
    void schedule();
    void prepare();
    void startOnTheSecond();
    void dropUnused();
    qint64 msecsUntil(const QDateTime &due) const;

    AlarmEngine &m_engine;
    SoundProcessLauncher &m_launcher;
    QTimer *m_timer = nullptr;
    QTimer *m_leftover = nullptr;
    QTimer *m_onTheSecond = nullptr;
    std::optional<Occurrence> m_next;     // the alarm the timer waits for
    std::optional<Occurrence> m_prepared; // the alarm the spare was started for
};
