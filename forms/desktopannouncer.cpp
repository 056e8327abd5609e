#include "desktopannouncer.h"

#include "alarmengine.h"
#include "alarmscheduler.h"
#include "desktopnotifier.h"
#include "errorbox.h"
#include "systray.h"
#include "textfile.h"

#include <QTimer>
#include <utility>

DesktopAnnouncer::DesktopAnnouncer(AlarmEngine &engine, TSysTray &tray, QWidget *boxOwner,
                                   std::unique_ptr<DesktopNotifier> notifier, QObject *parent)
    : QObject(parent), m_engine(engine), m_tray(tray), m_boxOwner(boxOwner), m_notifier(std::move(notifier))
{
    connect(&m_engine, &AlarmEngine::alarmMissed, this, &DesktopAnnouncer::showMissedAlarm);
    connect(&m_engine, &AlarmEngine::moreAlarmsMissed, this, &DesktopAnnouncer::countMoreMissed);
    connect(&m_engine, &AlarmEngine::alarmRinging, this, &DesktopAnnouncer::announceRinging);
    connect(&m_engine, &AlarmEngine::alarmRingingEnded, this, &DesktopAnnouncer::ringingEnded);
    if (m_notifier)
        connect(m_notifier.get(), &DesktopNotifier::actionInvoked, this, &DesktopAnnouncer::answerFromNotification);
}

DesktopAnnouncer::~DesktopAnnouncer() = default;

bool DesktopAnnouncer::trayUsable() const
{
    return TSysTray::isAvailable() && m_tray.isShown();
}

void DesktopAnnouncer::tellMissedAlarmsSoon()
{
    // One gap (a sleep, a change of the clock) may have missed many alarms:
    // they are told together, once.
    if (m_missedAlarms.isEmpty() && m_moreMissed == 0 && !m_moreMissedUncounted)
        QTimer::singleShot(0, this, &DesktopAnnouncer::tellMissedAlarms);
}

void DesktopAnnouncer::showMissedAlarm(const QString &caption, const QDateTime &due)
{
    tellMissedAlarmsSoon();
    m_missedAlarms << tr("\"%1\" was due at %2").arg(TextFile::excerpt(caption), due.toString(u"yyyy-MM-dd hh:mm:ss"));
}

void DesktopAnnouncer::countMoreMissed(int count, bool orMore)
{
    tellMissedAlarmsSoon();
    m_moreMissed += count;
    m_moreMissedUncounted = m_moreMissedUncounted || orMore;
}

void DesktopAnnouncer::tellMissedAlarms()
{
    // A few in time order and the number of the rest: a list of every hour
    // of a year would not fit on any screen.
    constexpr int kListed = AlarmScheduler::MaxMissedListed;
    const qint64 more = m_moreMissed + qMax<qsizetype>(0, m_missedAlarms.size() - kListed);
    const qint64 total = qMin<qsizetype>(m_missedAlarms.size(), kListed) + more;
    QString listed = m_missedAlarms.mid(0, kListed).join(u'\n');
    if (more > 0 || m_moreMissedUncounted) {
        listed += m_moreMissedUncounted ? tr("\nand more than %n more.", nullptr, int(more))
                                        : tr("\nand %n more.", nullptr, int(more));
    }
    const QString text =
        (m_moreMissedUncounted
             ? tr("While the computer was not watching the clock, more than %n alarm(s) went by without ringing:\n%1",
                  nullptr, int(total))
             : tr("While the computer was not watching the clock, %n alarm(s) went by without ringing:\n%1", nullptr,
                  int(total)))
            .arg(listed);
    m_missedAlarms.clear();
    m_moreMissed = 0;
    m_moreMissedUncounted = false;
    const auto fallBack = [this, text]() {
        // Without a notification area a balloon would show nowhere; a box
        // that waits for nobody does.
        if (trayUsable())
            m_tray.showMessage(tr("Missed alarm"), text);
        else
            ErrorBox::notify(m_boxOwner, text);
    };
    // The desktop keeps it in its history, to be read when the user is back.
    if (m_notifier)
        m_notifier->notify(tr("Missed alarm"), text, DesktopNotifier::Urgency::Normal, fallBack);
    else
        fallBack();
}

void DesktopAnnouncer::announceRinging(const QString &caption, const QString &timeText)
{
    const QString summary = caption.trimmed().isEmpty() ? tr("Alarm") : caption;
    const auto fallBack = [this, summary, timeText]() {
        // Without a notification area the ringing window says it all.
        if (trayUsable())
            m_tray.showMessage(summary, timeText);
    };
    ringingEnded();
    if (m_notifier)
        m_ringingNotice = m_notifier->notify(summary, timeText, DesktopNotifier::Urgency::Critical, fallBack,
                                             {{QStringLiteral("default"), QString()},
                                              {QStringLiteral("snooze"), tr("Snooze")},
                                              {QStringLiteral("ok"), tr("OK")}});
    else
        fallBack();
}

void DesktopAnnouncer::answerFromNotification(int token, const QString &key)
{
    // An answer to the notification of an alarm that has stopped ringing
    // meanwhile (the desktop may still show it) answers nothing.
    if (token == 0 || token != m_ringingNotice || !m_engine.ringing())
        return;
    if (key == QStringLiteral("snooze") || key == QStringLiteral("ok")) {
        const AlarmEngine::RingingAnswer answer =
            key == QStringLiteral("snooze") ? AlarmEngine::RingingAnswer::Snooze : AlarmEngine::RingingAnswer::Stop;
        ErrorBox::guard(m_boxOwner, [this, answer]() { m_engine.answerRinging(answer); });
    } else {
        emit ringingWindowWanted();
    }
}

void DesktopAnnouncer::ringingEnded()
{
    // The alarm was answered: its notification leaves the screen (the
    // desktop may keep it in its history).
    if (m_notifier && m_ringingNotice != 0)
        m_notifier->withdraw(std::exchange(m_ringingNotice, 0));
}
