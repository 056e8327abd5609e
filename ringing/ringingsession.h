#pragma once

#include "alarmengine.h"
#include "alarmrecord.h"
#include "ringingservices.h"

#include <QDateTime>
#include <QObject>

class AudibleGuard;
class MediaPlayer;
class QTimer;

// One ringing of one alarm, without its window. It reads the alarm's file
// itself, plays the play list (or loops a built-in sound) at the alarm's
// volume with its fade-in, snoozes on request or by itself, and after the
// last song of the list carries out the alarm's power action and finishes.
// While it sounds, the desktop's output is kept audible, and put back as the
// user had it for a silence and when it finishes; the output level it found
// is put back then too. Everything runs on the injected clock, ticking as
// each second begins and whenever the player or an answer asks.
//
// A window shows it through its signals and answers it with snooze() and
// stop(), as every other caller does. The session outlives finished() until
// its guard has put back what it changed; deleteWhenSettled() lets it go then.
class RingingSession final : public QObject
{
    Q_OBJECT

public:
    RingingSession(const RingingRequest &request, const RingingServices &services, QObject *parent = nullptr);
    // Finishes a ringing still running, then lets the guard finish its work
    // before the player goes.
    ~RingingSession() override;

    const RingingRequest &request() const { return m_request; }
    const AlarmRecord &settings() const { return m_settings; }
    MediaPlayer &player() const { return *M; }
    bool silent() const { return m_silent; }
    bool snoozing() const { return m_snoozing; }
    int playIndex() const { return m_playIndex; }
    bool isFinished() const { return m_closed; }
    // The time rung or kept silent in the running cycle.
    qint64 cycleElapsedMs() const;

    // As the window opens: the time is shown and the alarm file read (the
    // output level to put back was saved when the session was made).
    void begin();
    // As the window shows: full level, the output kept audible, and the
    // first tick at once, not a timer's step later.
    void beginSounding();
    // Deletes the session once it has finished and its guard has settled.
    void deleteWhenSettled();

public slots:
    // Reads the alarm file again and starts the ringing from its beginning.
    void readAlarmInfo();
    void tick();
    void snooze();
    void stop();
    // An answer from outside the window: the engine's, for the notification,
    // the command line and the bus.
    void answer(AlarmEngine::RingingAnswer answer);
    // The player's playback ended: the next tick starts what comes next.
    void playerNotified();

signals:
    // What the window shows: the time at each tick, and, while a snooze or an
    // automatic snooze runs, the cycle clock in place of the date.
    void clockShown(const QDateTime &now);
    void cycleClockShown(qint64 elapsedMs);
    // The alarm file was read: settings() holds what it said.
    void alarmRead();
    // What the guard did to make the alarm heard, or why it could not check.
    void note(const QString &text);
    // Something went wrong that the user should know; the ringing goes on.
    void problem(const QString &message);
    // The power action at the end of the play list was not carried out; the
    // session finishes all the same.
    void powerActionFailed(const QString &message);
    void snoozed();
    // The ringing is over: answered, or its play list played through.
    void finished();

private:
    // Stops everything and puts back what the ringing changed; false when
    // that was done before.
    bool shutDown();
    void setVolume(int percent);
    void armTimer();
    void tickSoon();
    void keepAudible();
    void closePlayerAfterGuard();
    void beginSilence();
    void endSilence();
    void showClock();
    void showCycleClock();
    bool stepPlayList();
    void stepAlarmSound();
    bool ringsFirstSoundInstead() const;
    void runPowerAction();
    void reportOnce(const QString &message);
    void builtInSoundFailed(const QString &message);
    void deleteIfDone();

    RingingServices m_services;
    RingingRequest m_request;
    AlarmRecord m_settings;
    quint32 m_levelBefore = 0;
    int m_playIndex = 0;
    bool m_silent = false;
    bool m_snoozing = false;
    bool m_closed = false;
    bool m_reported = false;
    bool m_inTick = false;
    bool m_closeAfterGuard = false; // the player closes once the guard has settled
    bool m_deleteWhenSettled = false;
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

    MediaPlayer *M = nullptr;
    AudibleGuard *m_audible = nullptr;
    QTimer *Timer = nullptr;
};
