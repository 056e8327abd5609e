#include "alarmrun.h"

#include "clock.h"
#include "datetimeformatter.h"
#include "errorbox.h"
#include "ringingsession.h"
#include "schedulerules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <utility>

TAlarmRun::TAlarmRun(RingingSession &session, const DialogServices &services, QWidget *parent)
    : QDialog(parent), m_session(&session), m_clock(services.clock), m_formatter(services.formatter)
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
    const QDateTime &due = session.request().occurrence.due;
    if (due.isValid() && due != ScheduleRules::wallMomentOf(m_clock.now()))
        LabelDue->setText(tr("Due at %1").arg(m_formatter.longTime(due.time())));

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

    connect(&session, &RingingSession::clockShown, this, &TAlarmRun::showClock);
    connect(&session, &RingingSession::cycleClockShown, this, &TAlarmRun::showCycleClock);
    connect(&session, &RingingSession::alarmRead, this, &TAlarmRun::showAlarm);
    connect(&session, &RingingSession::note, this, &TAlarmRun::showNote);
    // A box would take the focus from "Snooze" and cover the reminder, and it
    // needs no answer: the ringing goes on.
    connect(&session, &RingingSession::problem, this, &TAlarmRun::tell);
    // The window closes at once: the box belongs to the window that opened
    // this one, but opens over this window.
    connect(&session, &RingingSession::powerActionFailed, this,
            [this](const QString &message) { ErrorBox::notify(parentWidget(), message, this); });
    connect(&session, &RingingSession::finished, this, &TAlarmRun::sessionFinished);

    FormCreate();
}

TAlarmRun::~TAlarmRun()
{
    // A window that goes without closing (with the program) ends its ringing;
    // nothing of the session reaches the window any more.
    if (m_session)
        disconnect(m_session, nullptr, this, nullptr);
    FormClose();
}

RingingSession &TAlarmRun::session() const
{
    return *m_session;
}

void TAlarmRun::FormCreate()
{
    m_session->begin();
}

void TAlarmRun::ActionReadAlarmInfoExecute()
{
    m_session->readAlarmInfo();
}

void TAlarmRun::showAlarm()
{
    Memo->setPlainText(m_session->settings().reminder);
    describeForScreenReaders();
}

void TAlarmRun::describeForScreenReaders()
{
    // A screen reader says a dialog's description when it opens: which alarm
    // rings and for when, not only that something rings.
    const QDateTime &requested = m_session->request().occurrence.due;
    const QDateTime due = requested.isValid() ? requested : ScheduleRules::wallMomentOf(m_clock.now());
    const QString reminder = m_session->settings().reminder.simplified();
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
    activateWindow();
    QApplication::alert(this);
}

void TAlarmRun::FormShow()
{
    // The sound starts as soon as the window runs, not a timer's step later.
    m_session->beginSounding();
}

void TAlarmRun::showNote(const QString &text)
{
    m_note = text;
    showNoteLine();
}

void TAlarmRun::tell(const QString &message)
{
    // A sound that is tried again must not fill the line with one report.
    if (m_problems.contains(message))
        return;
    m_problems << message;
    showNoteLine();
}

void TAlarmRun::showNoteLine()
{
    QStringList lines;
    if (!m_note.isEmpty())
        lines << m_note;
    // The line is narrow: a report's paragraphs run on as one.
    for (const QString &problem : std::as_const(m_problems))
        lines << QString(problem).replace(QStringLiteral("\n\n"), QStringLiteral(" "));
    const QString text = lines.join(u'\n');
    // Beside the buttons there is room for a short note; a report takes the
    // width of the window above them, and the reminder stays, shortened.
    const bool roomy = !m_problems.isEmpty();
    Memo->setGeometry(16, 104, 329, roomy ? 78 : 137);
    LabelSound->setGeometry(roomy ? QRect(8, 186, 345, 66) : QRect(8, 246, 186, 38));
    LabelSound->setText(text);
    // What a long path cuts off can still be read.
    LabelSound->setToolTip(roomy ? text : QString());
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

void TAlarmRun::showClock(const QDateTime &now)
{
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

void TAlarmRun::showCycleClock(qint64 elapsedMs)
{
    // The time rung or kept silent so far, shown like a time of day.
    LabelDate->setText(m_formatter.longTime(QTime(0, 0).addMSecs(int(elapsedMs % (24 * 3600 * 1000LL)))));
}

void TAlarmRun::TimerTimer()
{
    m_session->tick();
}

void TAlarmRun::Button1Click()
{
    m_session->snooze();
}

void TAlarmRun::ButtonOKClick()
{
    m_session->stop();
}

void TAlarmRun::MNotify()
{
    m_session->playerNotified();
}

void TAlarmRun::sessionFinished()
{
    // Answered, or its play list played through: the window goes with it.
    if (!m_closed)
        close();
}

void TAlarmRun::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TAlarmRun::FormClose()
{
    if (std::exchange(m_closed, true))
        return;
    if (m_session)
        m_session->stop();
}
