#pragma once

#include "alarmscheduler.h"

#include <QObject>
#include <optional>

class AlarmEngine;
class QDateTime;
class QTimer;
class SoundProcessLauncher;

// Readies the sound of the alarm that rings next a few seconds before its
// second, so that it is heard on the second: a sound process is started with
// the alarm's first sound opened, at the level the ringing will set, and on
// the second itself it is started, unless another alarm rings then; the
// ringing's player takes it, playing. Nothing prepared plays before its
// second; the ringing reads the alarm's file again and opens what it says
// then, so an alarm edited or deleted in those seconds rings as it is now. A
// preparation that the next alarm no longer needs is dropped, one no ringing
// took is dropped a minute after its second, and a sound started on the
// second that no ringing takes stops a few seconds later.
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

private:
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
