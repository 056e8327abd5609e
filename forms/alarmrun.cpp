#include "alarmrun.h"

#include "formalarmlist.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAlarmRun::TAlarmRun(TFormAlarmList &owner, const Occurrence &occurrence) : QDialog(&owner), m_owner(owner)
{
    setObjectName(QStringLiteral("AlarmRun"));
    setWindowTitle(QStringLiteral("Alarm"));
    setModal(true);
    m_owner.setRingingFlag(true);

    LabelTime = new QLabel(occurrence.due.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), this);
    LabelTime->setObjectName(QStringLiteral("LabelTime"));
    Memo = new QLabel(occurrence.caption, this);
    Memo->setObjectName(QStringLiteral("Memo"));
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TAlarmRun::ButtonOKClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelTime);
    layout->addWidget(Memo);
    layout->addWidget(ButtonOK);
}

TAlarmRun::~TAlarmRun()
{
    FormClose();
}

void TAlarmRun::ButtonOKClick()
{
    close();
}

void TAlarmRun::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TAlarmRun::FormClose()
{
    m_owner.setRingingFlag(false);
}
