#pragma once

#include "alarmcatalogue.h"
#include "cataloguerow.h"

#include <QWidget>

class ClockFace;
class Clock;
class DateTimeFormatter;
class QTableView;
class QPushButton;

// The alarm manager window. It holds the catalogue for the whole run and
// writes it back only when it really closes; every other close request only
// hides it, so the alarms keep ringing while it is out of sight.
class TFormAlarmList final : public QWidget
{
    Q_OBJECT

public:
    TFormAlarmList(const QString &programFolder, ClockFace &clockFace, const Clock &clock,
                   const DateTimeFormatter &formatter, QWidget *parent = nullptr);

    AlarmCatalogue &catalogue() { return m_catalogue; }
    const QString &programFolder() const { return m_programFolder; }
    QString cataloguePath() const;

    // Hand-off fields shared with the editor and the ringing window.
    bool exitFlag() const { return m_exitFlag; }
    void setExitFlag(bool on) { m_exitFlag = on; }
    bool ringingFlag() const { return m_ringingFlag; }
    void setRingingFlag(bool on) { m_ringingFlag = on; }
    bool newAlarmFlag() const { return m_newAlarmFlag; }
    void setNewAlarmFlag(bool on) { m_newAlarmFlag = on; }
    const QString &currentAlarmFileName() const { return m_currentAlarmFileName; }
    void setCurrentAlarmFileName(const QString &name) { m_currentAlarmFileName = name; }
    const EditorResult &editorResult() const { return m_editorResult; }
    void setEditorResult(const EditorResult &result) { m_editorResult = result; }

    // Writes "al.ini"; throws AppError when it can't.
    void saveCatalogue() const;

public slots:
    void FormCreate();
    void ActionSystemTrayExecute();
    void ButtonOKClick();
    // Shows the window and brings it to the front, as a second start asks.
    void showAndRaise();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCloseQuery(bool &canClose);
    bool FormClose();

    QString m_programFolder;
    ClockFace &m_clockFace;
    const Clock &m_clock;
    const DateTimeFormatter &m_formatter;
    AlarmCatalogue m_catalogue;

    bool m_exitFlag = false;
    bool m_ringingFlag = false;
    bool m_newAlarmFlag = false;
    QString m_currentAlarmFileName;
    EditorResult m_editorResult;

    QTableView *AlarmList = nullptr;
    QPushButton *ButtonOK = nullptr;
};
