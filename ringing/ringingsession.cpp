#include "ringingsession.h"

#include "audibleguard.h"
#include "clock.h"
#include "filelocations.h"
#include "mediaplayer.h"
#include "outputlevel.h"
#include "poweractions.h"
#include "ringingsettings.h"

#include <QScopeGuard>
#include <QTimer>
#include <utility>

namespace {
constexpr qint64 kMinuteMs = 60'000;
} // namespace

RingingSession::RingingSession(const RingingRequest &request, const RingingServices &services, QObject *parent)
    : QObject(parent), m_services(services), m_request(request)
{
    setObjectName(QStringLiteral("RingingSession"));
    M = m_services.makePlayer(this);
    M->setObjectName(QStringLiteral("M"));
    connect(M, &MediaPlayer::OnNotify, this, [this](MediaPlayer::NotifyReason reason) {
        if (!m_playingBuiltInSound && reason == MediaPlayer::NotifyReason::Ended && !m_songFailed)
            m_songHeard = true;
        playerNotified();
    });
    // A song of the play list that fails is skipped silently. A built-in
    // sound that fails is tried again a little later (the sound server may
    // just have restarted, as after a resume), and said once.
    connect(M, &MediaPlayer::playbackFailed, this, [this](const QString &message) {
        if (!m_playingBuiltInSound)
            m_songFailed = true;
        else
            builtInSoundFailed(message);
    });

    // A song whose decoding crashed or hung the player would most likely do
    // so again: the alarm rings its built-in sound instead, and says why.
    connect(M, &MediaPlayer::decoderLost, this, [this](const QString &message) {
        if (m_playingBuiltInSound)
            return;
        m_fallBackToSound = true;
        emit problem(tr("%1\n\nThe alarm rings its built-in sound instead.").arg(message));
    });

    m_audible = m_services.makeAudibleGuard(this);
    connect(m_audible, &AudibleGuard::note, this, &RingingSession::note);
    connect(m_audible, &AudibleGuard::settled, this, [this]() {
        if (std::exchange(m_closeAfterGuard, false))
            M->close();
        deleteIfDone();
    });

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    // Ticks when something can have changed: as each second begins (the
    // time shown, the fade-in's steps, the snooze's end) and at once when the
    // player has finished or an answer asks; a tick in between would find
    // nothing to do and only wake the machine.
    Timer->setSingleShot(true);
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer, &QTimer::timeout, this, &RingingSession::tick);

    // What the ringing found is what it puts back when it finishes.
    m_levelBefore = m_services.outputLevel.packed();
}

RingingSession::~RingingSession()
{
    shutDown();
    // The guard finishes its work first, briefly, while the player still has
    // the stream that the guard may have turned on; then the player goes.
    disconnect(m_audible, nullptr, this, nullptr);
    delete std::exchange(m_audible, nullptr);
    if (std::exchange(m_closeAfterGuard, false))
        M->close();
}

void RingingSession::begin()
{
    showClock();
    m_snoozing = false;
    readAlarmInfo();
}

void RingingSession::readAlarmInfo()
{
    M->close();
    m_silent = false;
    m_cycleStart = m_services.clock.monotonicMs();
    armTimer();
    m_playIndex = 0;
    QString problemText;
    m_settings = RingingSettings::read(m_request.alarmFilePath, &problemText);
    // The report must not hold the ringing up.
    if (!problemText.isEmpty())
        emit problem(problemText);
    emit alarmRead();
}

void RingingSession::beginSounding()
{
    setVolume(100);
    keepAudible();
    QTimer::singleShot(0, this, &RingingSession::tick);
}

void RingingSession::deleteWhenSettled()
{
    m_deleteWhenSettled = true;
    deleteIfDone();
}

void RingingSession::deleteIfDone()
{
    if (m_deleteWhenSettled && m_closed && m_audible->isSettled())
        deleteLater();
}

void RingingSession::keepAudible()
{
    // A ringing that plays nothing has no reason to turn the desktop up.
    if (m_settings.playListOn || m_settings.soundOn) {
        m_closeAfterGuard = false;
        m_audible->engage();
    }
}

void RingingSession::closePlayerAfterGuard()
{
    // A stream of ours that the guard turned on is muted again by it, and must
    // still be there then: the sound server would keep it on for the
    // program's next sounds.
    if (m_audible->isSettled())
        M->close();
    else
        m_closeAfterGuard = true;
}

void RingingSession::beginSilence()
{
    // For the silence the user's output is theirs again.
    m_audible->release();
    closePlayerAfterGuard();
    m_silent = true;
    m_playIndex = 0;
}

void RingingSession::endSilence()
{
    m_silent = false;
    m_cycleStart = m_services.clock.monotonicMs();
    keepAudible();
}

void RingingSession::setVolume(int percent)
{
    m_services.outputLevel.setLevel(RingingSettings::levelFor(percent, m_settings.volume));
}

qint64 RingingSession::cycleElapsedMs() const
{
    return m_services.clock.monotonicMs() - m_cycleStart;
}

void RingingSession::showClock()
{
    emit clockShown(m_services.clock.now());
}

void RingingSession::showCycleClock()
{
    emit cycleClockShown(cycleElapsedMs());
}

void RingingSession::armTimer()
{
    // A few milliseconds into the second, so that a timer a little early
    // still finds the new second.
    constexpr int landingMs = 5;
    Timer->start(1000 - m_services.clock.now().time().msec() + landingMs);
}

void RingingSession::tickSoon()
{
    if (!m_closed && !m_inTick)
        Timer->start(0);
}

void RingingSession::tick()
{
    if (m_closed)
        return;
    m_inTick = true;
    const auto next = qScopeGuard([this]() {
        m_inTick = false;
        if (!m_closed)
            armTimer();
    });
    showClock();
    if (stepPlayList())
        return;
    stepAlarmSound();

    const qint64 elapsed = cycleElapsedMs();
    const qint64 elapsedMinutes = elapsed / kMinuteMs;
    const qint64 elapsedSeconds = elapsed / 1000;
    const int fadeMinutes = m_settings.fadeInMinutes;
    if (m_settings.fadeInOn && elapsedMinutes < fadeMinutes)
        setVolume(int(elapsedSeconds * 100 / (qint64(fadeMinutes) * 60)));

    if (m_snoozing) {
        showCycleClock();
        if (!m_silent)
            beginSilence();
        if (elapsedMinutes >= m_settings.snoozeMinutes && m_silent) {
            m_snoozing = false;
            endSilence();
        }
    }

    if (m_settings.autoSnoozeOn) {
        showCycleClock();
        const qint64 ring = m_settings.autoSnoozeMinutes;
        if (elapsedMinutes >= ring && !m_silent)
            beginSilence();
        if (elapsedMinutes >= ring + m_settings.snoozeMinutes && m_silent)
            endSilence();
    }
}

bool RingingSession::stepPlayList()
{
    // An empty play list rings the first built-in sound instead (stepAlarmSound).
    if (!m_settings.playListOn || ringsFirstSoundInstead() || m_silent || M->isPlaying())
        return false;
    if (m_playIndex >= m_settings.playList.size()) {
        // A list none of whose songs could be played must not end the alarm
        // unheard, nor suspend or shut down the machine.
        if (!m_songHeard && !M->isPlaying()) {
            m_fallBackToSound = true;
            return false;
        }
        // Put back before a suspend or a power-off, not after.
        m_audible->release();
        runPowerAction();
        stop();
        return true;
    }
    M->close();
    m_playingBuiltInSound = false;
    m_songFailed = false;
    M->setFileName(m_settings.playList[m_playIndex]);
    try {
        M->open();
        M->play();
        M->setNotify(true);
    } catch (const AppError &) {
        // A song that can't be played is skipped on the next tick.
    }
    ++m_playIndex;
    return false;
}

bool RingingSession::ringsFirstSoundInstead() const
{
    return m_settings.playListOn && (m_settings.playList.isEmpty() || m_fallBackToSound);
}

void RingingSession::stepAlarmSound()
{
    if ((!m_settings.soundOn && !ringsFirstSoundInstead()) || m_silent || M->isPlaying() ||
        m_services.clock.monotonicMs() < m_soundRetryAtMs)
        return;
    const QStringList &sounds = RingingSettings::soundFileNames();
    const int number = m_settings.soundOn ? m_settings.soundNumber : 0;
    if (number < 0 || number >= sounds.size()) {
        reportOnce(tr("The alarm sound number %1 does not exist; the alarm rings without sound.").arg(number));
        return;
    }
    M->close();
    m_playingBuiltInSound = true;
    M->setFileName(m_services.locations.sound(sounds[number]));
    try {
        M->open();
        M->play();
    } catch (const AppError &error) {
        builtInSoundFailed(error.message());
    }
}

void RingingSession::builtInSoundFailed(const QString &message)
{
    m_soundRetryAtMs = m_services.clock.monotonicMs() + SoundRetryMs;
    reportOnce(tr("%1\n\nThe alarm sound is tried again every few seconds.").arg(message));
}

void RingingSession::reportOnce(const QString &message)
{
    if (m_reported)
        return;
    m_reported = true;
    emit problem(message);
}

void RingingSession::runPowerAction()
{
    const PowerAction action = PowerActions::actionFromCode(m_settings.powerAction);
    if (action == PowerAction::DoNothing)
        return;
    PowerActions *power = m_services.powerActions;
    if (!power) {
        emit powerActionFailed(powerFailureText(action, tr("not supported here")));
        return;
    }
    const PowerResult result = power->run(m_settings.powerAction);
    if (!result.done)
        emit powerActionFailed(result.message);
}

void RingingSession::snooze()
{
    m_settings.autoSnoozeOn = false;
    m_snoozing = true;
    // The silence lasts the full snooze from the press.
    m_cycleStart = m_services.clock.monotonicMs();
    tickSoon();
    emit snoozed();
}

void RingingSession::stop()
{
    if (!shutDown())
        return;
    emit finished();
    deleteIfDone();
}

void RingingSession::answer(AlarmEngine::RingingAnswer answer)
{
    if (answer == AlarmEngine::RingingAnswer::Snooze)
        snooze();
    else
        stop();
}

void RingingSession::playerNotified()
{
    M->close();
    tickSoon();
}

bool RingingSession::shutDown()
{
    if (m_closed)
        return false;
    m_closed = true;
    Timer->stop();
    m_audible->release();
    closePlayerAfterGuard();
    m_services.outputLevel.setPacked(m_levelBefore);
    return true;
}
