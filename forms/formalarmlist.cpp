#include "formalarmlist.h"

#include "alarmrun.h"
#include "clockface.h"
#include "errorbox.h"
#include "tmediaplayer.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

TFormAlarmList::TFormAlarmList(const QString &programFolder, ClockFace &clockFace, const Clock &clock,
                               const DateTimeFormatter &formatter, QWidget *parent)
    : QWidget(parent, Qt::Window), m_programFolder(programFolder), m_clockFace(clockFace), m_clock(clock),
      m_formatter(formatter), m_scheduler(m_catalogue, clock, formatter)
{
    setObjectName(QStringLiteral("FormAlarmList"));
    setWindowTitle(QStringLiteral("Alarm Manager"));

    AlarmList = new QTableView(this);
    AlarmList->setObjectName(QStringLiteral("AlarmList"));
    AlarmList->setModel(&m_catalogue);
    AlarmList->setSelectionBehavior(QAbstractItemView::SelectRows);
    AlarmList->setSelectionMode(QAbstractItemView::SingleSelection);
    AlarmList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AlarmList->verticalHeader()->hide();
    AlarmList->setShowGrid(false);

    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAlarmList::ButtonOKClick);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(AlarmList);
    layout->addLayout(buttons);
    resize(467, 297);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(200);
    connect(Timer, &QTimer::timeout, this, &TFormAlarmList::TimerTimer);
    connect(&m_scheduler, &AlarmScheduler::missed, this, &TFormAlarmList::alarmMissed);
    connect(&m_scheduler, &AlarmScheduler::rowError, this, &TFormAlarmList::reportRowError);
    m_playerFactory = [](QObject *owner) -> MediaPlayer * { return new TMediaPlayer(owner); };
    m_ringer = [](TFormAlarmList &owner, const Occurrence &occurrence) {
        TAlarmRun window(owner, occurrence);
        window.exec();
    };

    FormCreate();
}

MediaPlayer *TFormAlarmList::makePlayer(QObject *parent) const
{
    return m_playerFactory(parent);
}

QString TFormAlarmList::cataloguePath() const
{
    return m_programFolder + QStringLiteral("al.ini");
}

void TFormAlarmList::FormCreate()
{
    m_exitFlag = false;
    ErrorBox::guard(this, [this]() { m_catalogue.read(cataloguePath()); });
    // The rows read before a bad line are kept and scheduled.
    refreshNextAlarm();
    Timer->start();
}

void TFormAlarmList::refreshNextAlarm()
{
    const AlarmScheduler::Display display = m_scheduler.refresh();
    m_clockFace.setDisplayLine(1, display.clockLine);
    m_clockFace.setDisplayLine(2, display.marqueeLine);
    if (display.managerCaption)
        setWindowTitle(*display.managerCaption);
}

void TFormAlarmList::TimerTimer()
{
    refreshNextAlarm();
    m_scheduler.collectDue();
    // Inside a ringing window's modal loop this tick only queues what fell
    // due; the tick that opened the window rings the queue when it closes.
    while (!m_ringingFlag) {
        const std::optional<Occurrence> next = m_scheduler.takeNext();
        if (!next)
            break;
        ringOccurrence(*next);
    }
}

void TFormAlarmList::ringOccurrence(const Occurrence &occurrence)
{
    m_currentAlarmFileName = slotFileName(occurrence.slot);
    m_currentDueMoment = occurrence.due;
    m_ringingFlag = true;
    ErrorBox::guard(this, [this, &occurrence]() { m_ringer(*this, occurrence); });
    m_ringingFlag = false;
}

void TFormAlarmList::reportRowError(const QString &message)
{
    // Shown after the tick, so a box never holds the scheduler up.
    QTimer::singleShot(0, this, [this, message]() { ErrorBox::show(this, message); });
}

void TFormAlarmList::saveCatalogue() const
{
    m_catalogue.write(cataloguePath());
}

void TFormAlarmList::ActionSystemTrayExecute()
{
    hide();
}

void TFormAlarmList::ButtonOKClick()
{
    close();
}

void TFormAlarmList::showAndRaise()
{
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void TFormAlarmList::FormCloseQuery(bool &canClose)
{
    ActionSystemTrayExecute();
    canClose = m_exitFlag;
}

bool TFormAlarmList::FormClose()
{
    return ErrorBox::guard(this, [this]() { saveCatalogue(); });
}

void TFormAlarmList::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    // A close that fails to save the catalogue is no close: the exit stops here.
    if (canClose && FormClose())
        event->accept();
    else
        event->ignore();
}
