#pragma once

#include "alarmscheduler.h"

#include <QDialog>

class TFormAlarmList;
class QLabel;
class QPushButton;

// The window that rings one alarm. While it is open the manager's ringing
// flag is set, so no second ringing window opens over it.
class TAlarmRun final : public QDialog
{
    Q_OBJECT

public:
    TAlarmRun(TFormAlarmList &owner, const Occurrence &occurrence);
    ~TAlarmRun() override;

public slots:
    void ButtonOKClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormClose();

    TFormAlarmList &m_owner;
    QLabel *LabelTime = nullptr;
    QLabel *Memo = nullptr;
    QPushButton *ButtonOK = nullptr;
};
