#include "formalarmlist.h"

#include "clockface.h"
#include "errorbox.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFormAlarmList::TFormAlarmList(const QString &programFolder, ClockFace &clockFace, const Clock &clock,
                               const DateTimeFormatter &formatter, QWidget *parent)
    : QWidget(parent, Qt::Window), m_programFolder(programFolder), m_clockFace(clockFace), m_clock(clock),
      m_formatter(formatter)
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

    FormCreate();
}

QString TFormAlarmList::cataloguePath() const
{
    return m_programFolder + QStringLiteral("al.ini");
}

void TFormAlarmList::FormCreate()
{
    m_exitFlag = false;
    ErrorBox::guard(this, [this]() { m_catalogue.read(cataloguePath()); });
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
