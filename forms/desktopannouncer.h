#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class AlarmEngine;
class DesktopNotifier;
class QDateTime;
class QWidget;
class TSysTray;

// Tells the desktop what the alarms do while the clock may be out of sight.
// The alarm that rings gets a notification that stays until it is answered
// and offers "Snooze" and "OK", which answer through the engine as every
// other caller does; a click on the notification itself asks for the ringing
// window. The alarms that one gap in watching the clock missed are told
// together, once. Where the desktop has no notification service, or refuses
// one, the notification area's balloon says it, and where there is none
// either, missed alarms go to a box that waits for nobody.
class DesktopAnnouncer final : public QObject
{
    Q_OBJECT

public:
    // The engine, the tray and the window the boxes belong to must outlive
    // this object; the notifier (none: balloon or box only) is its own.
    DesktopAnnouncer(AlarmEngine &engine, TSysTray &tray, QWidget *boxOwner, std::unique_ptr<DesktopNotifier> notifier,
                     QObject *parent = nullptr);
    ~DesktopAnnouncer() override;

public slots:
    void showMissedAlarm(const QString &caption, const QDateTime &due);
    // The occurrences of the same gap that are not listed; orMore when
    // counting them stopped at its bound.
    void countMoreMissed(int count, bool orMore);
    void announceRinging(const QString &caption, const QString &timeText);
    void ringingEnded();

signals:
    // The notification of the ringing alarm was clicked: its window is wanted in front.
    void ringingWindowWanted();

private:
    void answerFromNotification(int token, const QString &key);
    void tellMissedAlarmsSoon();
    void tellMissedAlarms();
    // The icon is in a notification area, so a balloon is seen.
    bool trayUsable() const;

    AlarmEngine &m_engine;
    TSysTray &m_tray;
    QWidget *m_boxOwner;
    std::unique_ptr<DesktopNotifier> m_notifier;
    int m_ringingNotice = 0;    // the desktop's notification of the alarm ringing now
    QStringList m_missedAlarms; // gathered until the next turn of the event loop
    qint64 m_moreMissed = 0;
    bool m_moreMissedUncounted = false;
};
