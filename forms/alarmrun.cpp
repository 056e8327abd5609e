#include "alarmrun.h"

#include "alarmfile.h"
#include "apperror.h"
#include "audibleguard.h"
#include "cataloguerow.h"
#include "childmediaplayer.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "errorbox.h"
#include "filelocations.h"
#include "mediaplayer.h"
#include "outputlevel.h"
#include "poweractions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr qint64 kMinuteMs = 60'000;

bool sameOccurrence(const std::optional<Occurrence> &a, const std::optional<Occurrence> &b)
{
    return a.has_value() == b.has_value() && (!a || (a->slot == b->slot && a->due == b->due));
}
} // namespace

const QStringList &TAlarmRun::soundFileNames()
{
    static const QStringList names{QStringLiteral("start.wav"), QStringLiteral("ringout.wav"),
                                   QStringLiteral("ringin.wav"), QStringLiteral("recycle.wav")};
    return names;
}

TAlarmRun::TAlarmRun(const RingingRequest &request, const DialogServices &services, QWidget *parent)
    : QDialog(parent), m_services(services), m_clock(services.clock), m_formatter(services.formatter),
      m_occurrence(request.occurrence), m_alarmFilePath(request.alarmFilePath)
{
    setObjectName(QStringLiteral("AlarmRun"));
    setWindowTitle(tr("Alarm"));
    setModal(true);
    // An alarm must not ring unseen behind another window.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(361, 288);
    // Centred where the user is looking: on the screen that holds the
    // pointer, not over the manager window, which is mostly hidden.
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(QRect(screen->availableGeometry().center() - rect().center(), size()));

    LabelTime = new QLabel(this);
    LabelTime->setObjectName(QStringLiteral("LabelTime"));
    LabelTime->setGeometry(8, 8, 345, 41);
    LabelTime->setAlignment(Qt::AlignCenter);
    QFont timeFont = LabelTime->font();
    timeFont.setBold(true);
    timeFont.setPixelSize(32);
    LabelTime->setFont(timeFont);

    LabelDate = new QLabel(this);
    LabelDate->setObjectName(QStringLiteral("LabelDate"));
    LabelDate->setGeometry(8, 56, 345, 17);
    LabelDate->setAlignment(Qt::AlignCenter);
    QFont dateFont = LabelDate->font();
    dateFont.setPixelSize(15);
    LabelDate->setFont(dateFont);

    Label1 = new QLabel(tr("Remember:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 85, 120, 17);

    // When the alarm waited for another one, say when it was really due.
    LabelDue = new QLabel(this);
    LabelDue->setObjectName(QStringLiteral("LabelDue"));
    LabelDue->setGeometry(130, 85, 223, 17);
    LabelDue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QDateTime openedWall = ScheduleRules::wallMomentOf(m_clock.now());
    if (m_occurrence.due.isValid() && m_occurrence.due != openedWall) {
        LabelDue->setText(tr("Due at %1").arg(m_formatter.longTime(m_occurrence.due.time())));
    }

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(16, 104, 329, 137);
    Memo->setReadOnly(true);
    Memo->setFrameShape(QFrame::NoFrame);
    Memo->setBackgroundRole(QPalette::Button);
    Memo->viewport()->setBackgroundRole(QPalette::Button);
    Memo->setFocusPolicy(Qt::NoFocus);
    Label1->setBuddy(Memo);

    // What was done to make the alarm heard, or why that could not be checked.
    LabelSound = new QLabel(this);
    LabelSound->setObjectName(QStringLiteral("LabelSound"));
    LabelSound->setGeometry(8, 246, 186, 38);
    LabelSound->setWordWrap(true);
    LabelSound->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont noteFont = LabelSound->font();
    noteFont.setPixelSize(11);
    LabelSound->setFont(noteFont);

    Button1 = new QPushButton(tr("Snooze"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(200, 256, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TAlarmRun::Button1Click);
    ButtonOK = new QPushButton(tr("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(288, 256, 59, 25);
    connect(ButtonOK, &QPushButton::clicked, this, &TAlarmRun::ButtonOKClick);
    setTabOrder(Button1, ButtonOK);
    Button1->setDefault(true);
    Button1->setFocus();

    M = m_services.makePlayer(this);
    M->setObjectName(QStringLiteral("M"));
    connect(M, &MediaPlayer::OnNotify, this, [this](MediaPlayer::NotifyReason reason) {
        if (!m_playingBuiltInSound && reason == MediaPlayer::NotifyReason::Ended && !m_songFailed)
            m_songHeard = true;
        MNotify();
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
        tell(tr("%1\n\nThe alarm rings its built-in sound instead.").arg(message));
    });

    m_audible = m_services.makeAudibleGuard(this);
    connect(m_audible, &AudibleGuard::note, LabelSound, &QLabel::setText);
    connect(m_audible, &AudibleGuard::settled, this, [this]() {
        if (std::exchange(m_closeAfterGuard, false))
            M->close();
    });

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    // Ticks when something can have changed: as each second begins (the
    // time shown, the fade-in's steps, the snooze's end) and at once when the
    // player has finished or a button asks; a tick in between would find
    // nothing to do and only wake the machine.
    Timer->setSingleShot(true);
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer, &QTimer::timeout, this, &TAlarmRun::TimerTimer);

    FormCreate();
}

TAlarmRun::~TAlarmRun()
{
    FormClose();
    if (m_audible->isSettled())
        return;
    // The guard puts back what it changed after the window has gone, and the
    // player keeps its stream until then; neither may hold the program up.
    AudibleGuard *guard = m_audible;
    guard->setParent(parentWidget() ? static_cast<QObject *>(parentWidget()) : QCoreApplication::instance());
    MediaPlayer *player = std::exchange(m_closeAfterGuard, false) ? M : nullptr;
    if (player)
        player->setParent(guard);
    connect(guard, &AudibleGuard::settled, guard, [guard, player]() {
        if (player)
            player->close();
        guard->deleteLater();
    });
}

void TAlarmRun::FormCreate()
{
    m_levelBefore = m_services.outputLevel.packed();
    showClock();
    m_snoozing = false;
    ActionReadAlarmInfoExecute();
}

void TAlarmRun::ActionReadAlarmInfoExecute()
{
    M->close();
    m_silent = false;
    m_cycleStart = m_clock.monotonicMs();
    armTimer();
    m_playIndex = 0;
    QString problem;
    m_settings = readRingingSettings(m_alarmFilePath, &problem);
    // The report must not hold the ringing up, so its box waits for nobody.
    if (!problem.isEmpty())
        tell(problem);
    Memo->setPlainText(m_settings.reminder);
    describeForScreenReaders();
}

AlarmRecord TAlarmRun::readRingingSettings(const QString &alarmFilePath, QString *problem)
{
    // Whatever was read before a bad line is used; the switches after it stay off.
    AlarmRecord record;
    record.playListOn = false;
    record.soundOn = false;
    record.fadeInOn = false;
    record.autoSnoozeOn = false;
    record.reminder.clear();
    record.setClosingMethod(0);
    try {
        AlarmFile::read(alarmFilePath, AlarmFile::ReadMode::Ringing, record);
    } catch (const AppError &error) {
        // An alarm is due all the same: if what could be read makes no sound,
        // it rings the first built-in sound.
        if (!record.playListOn && !record.soundOn) {
            record.soundOn = true;
            record.soundNumber = 0;
        }
        *problem = error.message();
    }
    return record;
}

void TAlarmRun::describeForScreenReaders()
{
    // A screen reader says a dialog's description when it opens: which alarm
    // rings and for when, not only that something rings.
    const QDateTime due = m_occurrence.due.isValid() ? m_occurrence.due : ScheduleRules::wallMomentOf(m_clock.now());
    const QString reminder = m_settings.reminder.simplified();
    const QString when = tr("Alarm at %1").arg(m_formatter.longTime(due.time()));
    setAccessibleDescription(reminder.isEmpty() ? when : when + QStringLiteral(": ") + reminder);
}

void TAlarmRun::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only the first showing sets the level: a window brought back from the
    // task bar must not undo a fade-in.
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
    // The sound starts as soon as the window runs, not a timer's step later.
    QTimer::singleShot(0, this, &TAlarmRun::TimerTimer);
    activateWindow();
    QApplication::alert(this);
    // What went wrong before the window showed is told now, in boxes over it.
    if (!m_untold.isEmpty())
        QTimer::singleShot(0, this, [this]() {
            for (const QString &message : std::exchange(m_untold, {}))
                ErrorBox::notify(this, message);
        });
}

void TAlarmRun::tell(const QString &message)
{
    // This window is modal: a box of any other window could not be answered
    // while it rings. Before the window shows, a box would open where the
    // window was not yet placed, and beneath it.
    if (m_shown)
        ErrorBox::notify(this, message);
    else
        m_untold << message;
}

void TAlarmRun::keyPressEvent(QKeyEvent *event)
{
    // One stray key must not silence an alarm for good: only "OK" and the
    // title bar's close end it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAlarmRun::FormShow()
{
    setVolume(100);
    keepAudible();
}

void TAlarmRun::keepAudible()
{
    // A window that plays nothing has no reason to turn the desktop up.
    if (m_settings.playListOn || m_settings.soundOn) {
        m_closeAfterGuard = false;
        m_audible->engage();
    }
}

void TAlarmRun::closePlayerAfterGuard()
{
    // A stream of ours that the guard turned on is muted again by it, and must
    // still be there then: the sound server would keep it on for the
    // program's next sounds.
    if (m_audible->isSettled())
        M->close();
    else
        m_closeAfterGuard = true;
}

void TAlarmRun::beginSilence()
{
    // For the silence the user's output is theirs again.
    m_audible->release();
    closePlayerAfterGuard();
    m_silent = true;
    m_playIndex = 0;
}

void TAlarmRun::endSilence()
{
    m_silent = false;
    m_cycleStart = m_clock.monotonicMs();
    keepAudible();
}

int TAlarmRun::levelFor(int percent, int volume)
{
    // Integer arithmetic gives exactly Trunc(p / 100 * 255 * V / 100).
    const qint64 level = qint64(percent) * OutputLevel::maxLevel * volume / 10000;
    return int(qBound<qint64>(0, level, qint64(OutputLevel::maxLevel)));
}

int TAlarmRun::startingLevel(const AlarmRecord &settings)
{
    // A fade-in begins at nothing; otherwise the first tick leaves the level
    // the window set when it showed.
    const bool fades = settings.fadeInOn && settings.fadeInMinutes > 0;
    return levelFor(fades ? 0 : 100, settings.volume);
}

void TAlarmRun::setVolume(int percent)
{
    m_services.outputLevel.setLevel(levelFor(percent, m_settings.volume));
}

qint64 TAlarmRun::cycleElapsedMs() const
{
    return m_clock.monotonicMs() - m_cycleStart;
}

void TAlarmRun::showClock()
{
    const QDateTime now = m_clock.now();
    LabelTime->setText(m_formatter.longTime(now.time()));
    // Day and month in the order of the user's dates: as designed where the
    // month comes first ("Mon, December,07, 2026"), the day first where it
    // does ("Mo., 07 Dezember, 2026"), the year first where it does, with
    // the weekday last, as Chinese and Japanese write a date ("2026/12/7 (月)").
    const QString &order = m_formatter.formats().numericDateFormat;
    const QStringView pattern = order.startsWith(u"yy")   ? u"yyyy/m/d (ddd)"
                                : order.startsWith(u"dd") ? u"ddd, dd mmmm, yyyy"
                                                          : u"ddd, mmmm,dd, yyyy";
    LabelDate->setText(m_formatter.format(pattern, now.date()));
}

void TAlarmRun::showCycleClock()
{
    // The time rung or kept silent so far, shown like a time of day.
    LabelDate->setText(m_formatter.longTime(QTime(0, 0).addMSecs(int(cycleElapsedMs() % (24 * 3600 * 1000LL)))));
}

void TAlarmRun::armTimer()
{
    // A few milliseconds into the second, so that a timer a little early
    // still finds the new second.
    constexpr int landingMs = 5;
    Timer->start(1000 - m_clock.now().time().msec() + landingMs);
}

void TAlarmRun::tickSoon()
{
    if (!m_closed && !m_inTick)
        Timer->start(0);
}

void TAlarmRun::TimerTimer()
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

bool TAlarmRun::stepPlayList()
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
        close();
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
    } catch (const std::exception &) {
        // A song that can't be played is skipped on the next tick.
    }
    ++m_playIndex;
    return false;
}

bool TAlarmRun::ringsFirstSoundInstead() const
{
    return m_settings.playListOn && (m_settings.playList.isEmpty() || m_fallBackToSound);
}

void TAlarmRun::stepAlarmSound()
{
    if ((!m_settings.soundOn && !ringsFirstSoundInstead()) || m_silent || M->isPlaying() ||
        m_clock.monotonicMs() < m_soundRetryAtMs)
        return;
    const int number = m_settings.soundOn ? m_settings.soundNumber : 0;
    if (number < 0 || number >= soundFileNames().size()) {
        reportOnce(tr("The alarm sound number %1 does not exist; the alarm rings without sound.").arg(number));
        return;
    }
    M->close();
    m_playingBuiltInSound = true;
    M->setFileName(m_services.locations.sound(soundFileNames()[number]));
    try {
        M->open();
        M->play();
    } catch (const std::exception &error) {
        builtInSoundFailed(QString::fromLocal8Bit(error.what()));
    }
}

void TAlarmRun::builtInSoundFailed(const QString &message)
{
    m_soundRetryAtMs = m_clock.monotonicMs() + SoundRetryMs;
    reportOnce(tr("%1\n\nThe alarm sound is tried again every few seconds.").arg(message));
}

void TAlarmRun::reportOnce(const QString &message)
{
    if (m_reported)
        return;
    m_reported = true;
    tell(message);
}

void TAlarmRun::runPowerAction()
{
    PowerActions *power = m_services.powerActions;
    if (PowerActions::actionFromCode(m_settings.powerAction) == PowerAction::DoNothing)
        return;
    if (!power) {
        // The window closes at once: the box belongs to the window that opened
        // this one, but opens over this window.
        ErrorBox::notify(
            parentWidget(),
            powerFailureText(PowerActions::actionFromCode(m_settings.powerAction), tr("not supported here")), this);
        return;
    }
    const PowerResult result = power->run(m_settings.powerAction);
    if (!result.done)
        ErrorBox::notify(parentWidget(), result.message, this);
}

void TAlarmRun::Button1Click()
{
    m_settings.autoSnoozeOn = false;
    m_snoozing = true;
    // The silence lasts the full snooze from the press.
    m_cycleStart = m_clock.monotonicMs();
    tickSoon();
    emit snoozed();
}

void TAlarmRun::ButtonOKClick()
{
    close();
}

void TAlarmRun::MNotify()
{
    M->close();
    tickSoon();
}

void TAlarmRun::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TAlarmRun::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    Timer->stop();
    m_audible->release();
    closePlayerAfterGuard();
    m_services.outputLevel.setPacked(m_levelBefore);
}

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
    // it is its window's to take.
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
        TAlarmRun::readRingingSettings(m_engine.locations().dataFile(slotFileName(m_next->slot)), &problem);
    const QString sound = firstSoundOf(record, m_engine.locations());
    if (sound.isEmpty())
        return;
    m_prepared = m_next;
    // At the level the window will play it at, so that starting it on the
    // second changes nothing of what is heard.
    m_launcher.prepare(sound, OutputLevel::pack(TAlarmRun::startingLevel(record)));
    m_leftover->start(int(left + UnusedKeptMs));
    m_onTheSecond->start(int(std::max<qint64>(0, left + LandingMs)));
}

void RingingPreparer::startOnTheSecond()
{
    // An alarm due while another rings waits for that one: its window starts it.
    if (!m_prepared || !m_launcher.hasSpare() || m_engine.ringing())
        return;
    const qint64 left = msecsUntil(m_prepared->due);
    if (left > 0) {
        // Never before its second, however early the timer came.
        m_onTheSecond->start(int(left + LandingMs));
        return;
    }
    if (left < -LandingMs - 1000)
        return; // the machine slept through the second: the window starts it as usual
    m_launcher.playSpare();
    // Its window comes within moments and takes it; a sound no window took
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

QString RingingPreparer::firstSoundOf(const QString &alarmFilePath, const FileLocations &locations)
{
    QString problem;
    return firstSoundOf(TAlarmRun::readRingingSettings(alarmFilePath, &problem), locations);
}

QString RingingPreparer::firstSoundOf(const AlarmRecord &record, const FileLocations &locations)
{
    if (record.playListOn && !record.playList.isEmpty())
        return record.playList.first();
    if (!record.playListOn && !record.soundOn)
        return {};
    // An empty play list rings the first built-in sound, as the window does.
    const int number = record.soundOn ? record.soundNumber : 0;
    if (number < 0 || number >= TAlarmRun::soundFileNames().size())
        return {};
    return locations.sound(TAlarmRun::soundFileNames()[number]);
}
