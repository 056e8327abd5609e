#pragma once

#include "alarmengine.h"
#include "dialogservices.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class AlarmListModel;
class AlarmRowActions;
class TAlarmRun;
class ClockJumpSource;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;

// The alarm manager window: the list of alarms and its four buttons over the
// alarm engine, which it starts when it is made. It shows the editor and the
// ringing windows that the engine asks for, and the engine's problems in the
// error box. Every close request only hides it, so the alarms keep ringing
// while it is out of sight; only the program's end (the engine's exit flag)
// lets it close.
class TFormAlarmList final : public QWidget
{
    Q_OBJECT

public:
    // Both must outlive the window.
    TFormAlarmList(AlarmEngine &engine, const DialogServices &services, QWidget *parent = nullptr);
    ~TFormAlarmList() override;

    AlarmEngine &engine() const { return m_engine; }
    const DialogServices &services() const { return m_services; }
    AlarmRowActions &rowActions() const { return *m_rowActions; }
    // The window that rings now, or none.
    TAlarmRun *ringingWindow() const;

    // From now on the tick sleeps while no window of the program shows,
    // until the next due second or until one of these says the wall clock
    // may have jumped.
    void sleepWhileHidden(const QList<ClockJumpSource *> &wakeSources);

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

public slots:
    void FormCreate();
    void ActionSystemTrayExecute();
    void ButtonOKClick();
    // Shows the window and brings it to the front, as a second start asks.
    void showAndRaise();
    // Brings the window that rings now to the front, if one does.
    void raiseRingingWindow();
    void TimerTimer();
    void ButtonAddClick();
    void buttonEditClick();
    void ButtonDeleteClick();
    void AlarmListDblClick();
    void FormKeyDown(int key);

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FormCloseQuery(bool &canClose);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The editor and the ringing window, shown modally over this window.
    std::optional<EditorResult> runEditor(const EditorRequest &request);
    void ring(const RingingRequest &request);
    void showWakeNote();
    // Selects the row and gives the list the focus, so that the next key acts on it.
    void focusRow(int row);
    void explainWaking();

    AlarmEngine &m_engine;
    const DialogServices &m_services;

    QTreeView *AlarmList = nullptr;
    QPushButton *ButtonAdd = nullptr;
    QPushButton *buttonEdit = nullptr;
    QPushButton *ButtonDelete = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonUndo = nullptr;
    AlarmListModel *m_listModel = nullptr;
    AlarmRowActions *m_rowActions = nullptr;
    QPointer<TAlarmRun> m_ringingWindow;
    QComboBox *Frequency = nullptr;
    QLabel *LabelWake = nullptr;
    QAction *ActionSystemTray = nullptr;
};
