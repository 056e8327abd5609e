#pragma once

#include "dialogservices.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

class Clock;
class DateTimeFormatter;
class QDateTime;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class RingingSession;

// The window that rings one alarm: the view of its ringing session. It shows
// the time, the date (or the cycle clock while a snooze runs), when a late
// alarm was due, the reminder and what was done to make the alarm heard;
// "Snooze" and "OK" answer the session as every other answer does, and the
// window closes when the session finishes. What goes wrong while it rings is
// said in the window's own note line, never in a box over it, so the window
// keeps the focus, "Snooze" and the reminder in sight; a screen reader hears
// which alarm rings and for when.
class TAlarmRun final : public QDialog
{
    Q_OBJECT

public:
    // The window opens the session; the session may outlive the window.
    TAlarmRun(RingingSession &session, const DialogServices &services, QWidget *parent = nullptr);
    ~TAlarmRun() override;

    RingingSession &session() const;

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
    void showClock(const QDateTime &now);
    void showCycleClock(qint64 elapsedMs);
    void showAlarm();
    // The dialog's accessible description: the alarm's time and reminder.
    void describeForScreenReaders();
    // The note line: what the guard did, then each problem once. A problem
    // takes room from the reminder, which stays in sight above it.
    void showNote(const QString &text);
    void tell(const QString &message);
    void showNoteLine();
    void sessionFinished();

    QPointer<RingingSession> m_session;
    const Clock &m_clock;
    const DateTimeFormatter &m_formatter;
    bool m_closed = false;
    bool m_shown = false;
    QString m_note;         // the guard's latest word
    QStringList m_problems; // what went wrong, each once

    QLabel *LabelTime = nullptr;
    QLabel *LabelDate = nullptr;
    QLabel *LabelDue = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *LabelSound = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *ButtonOK = nullptr;
};
