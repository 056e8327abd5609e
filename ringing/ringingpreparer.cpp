#include "ringingpreparer.h"

#include "alarmengine.h"
#include "cataloguerow.h"
#include "clock.h"
#include "outputlevel.h"
#include "ringingsettings.h"
#include "schedulerules.h"
#include "soundprocesslauncher.h"

#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

bool sameOccurrence(const std::optional<Occurrence> &a, const std::optional<Occurrence> &b)
{
    return a.has_value() == b.has_value() && (!a || (a->slot == b->slot && a->due == b->due));
}

} // namespace

RingingPreparer::RingingPreparer(AlarmEngine &engine, SoundProcessLauncher &launcher, QObject *parent)
    : QObject(parent), m_engine(engine), m_launcher(launcher)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    // A coarse timer may be late by a twentieth of hours of waiting.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &RingingPreparer::prepare);
    m_leftover = new QTimer(this);
    m_leftover->setSingleShot(true);
    connect(m_leftover, &QTimer::timeout, this, &RingingPreparer::dropUnused);
    m_onTheSecond = new QTimer(this);
    m_onTheSecond->setSingleShot(true);
    m_onTheSecond->setTimerType(Qt::PreciseTimer);
    connect(m_onTheSecond, &QTimer::timeout, this, &RingingPreparer::startOnTheSecond);
    connect(&m_engine, &AlarmEngine::nextAlarmChanged, this, &RingingPreparer::schedule);
    if (m_launcher.available())
        schedule();
}

qint64 RingingPreparer::msecsUntil(const QDateTime &due) const
{
    // To the millisecond: the sound is started on the second, not within it.
    const QDateTime now = m_engine.clock().now();
    return ScheduleRules::wallMomentOf(now).addMSecs(now.time().msec()).msecsTo(due);
}

void RingingPreparer::schedule()
{
    if (!m_launcher.available())
        return;
    m_next = m_engine.nextAlarm();
    // The alarm prepared for is no longer the next one before its second: it
    // was edited, deleted, switched off or skipped. Once its second has come,
    // it is its ringing's to take.
    if (m_prepared && !sameOccurrence(m_prepared, m_next) && msecsUntil(m_prepared->due) > 0) {
        m_prepared.reset();
        m_leftover->stop();
        m_onTheSecond->stop();
        m_launcher.dropSpare();
    }
    if (!m_next || sameOccurrence(m_prepared, m_next)) {
        m_timer->stop();
        return;
    }
    m_timer->start(int(std::clamp<qint64>(msecsUntil(m_next->due) - LeadMs, 0, std::numeric_limits<int>::max())));
}

void RingingPreparer::prepare()
{
    if (!m_next)
        return;
    const qint64 left = msecsUntil(m_next->due);
    if (left > LeadMs + 1000) {
        // The wall clock was set back, or the wait was longer than a timer keeps.
        schedule();
        return;
    }
    if (left < -1000)
        return; // its second has passed: too late to help it
    QString problem;
    const AlarmRecord record =
        RingingSettings::read(m_engine.locations().dataFile(slotFileName(m_next->slot)), &problem);
    const QString sound = RingingSettings::firstSoundOf(record, m_engine.locations());
    if (sound.isEmpty())
        return;
    m_prepared = m_next;
    // At the level the ringing will play it at, so that starting it on the
    // second changes nothing of what is heard.
    m_launcher.prepare(sound, OutputLevel::pack(RingingSettings::startingLevel(record)));
    m_leftover->start(int(left + UnusedKeptMs));
    m_onTheSecond->start(int(std::max<qint64>(0, left + LandingMs)));
}

void RingingPreparer::startOnTheSecond()
{
    // An alarm due while another rings waits for that one: its ringing starts it.
    if (!m_prepared || !m_launcher.hasSpare() || m_engine.ringing())
        return;
    const qint64 left = msecsUntil(m_prepared->due);
    if (left > 0) {
        // Never before its second, however early the timer came.
        m_onTheSecond->start(int(left + LandingMs));
        return;
    }
    if (left < -LandingMs - 1000)
        return; // the machine slept through the second: the ringing starts it as usual
    m_launcher.playSpare();
    // Its ringing comes within moments and takes it; a sound no ringing took
    // stops soon.
    m_leftover->start(UntakenPlayedMs);
}

void RingingPreparer::dropUnused()
{
    m_prepared.reset();
    m_onTheSecond->stop();
    m_launcher.dropSpare();
    schedule();
}
