#pragma once

#include "clockface.h"
#include "clocksettings.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QMenu;
class TFormAlarmList;
class TFormAbout;

// The clock window, the program's main window. Closing it for real ends the
// program; "Exit" first closes the manager (which saves the catalogue) and
// then this window (which saves its own settings).
class TFormMain final : public QWidget, public ClockFace
{
    Q_OBJECT

public:
    explicit TFormMain(const QString &programFolder, QWidget *parent = nullptr);

    // The windows created after this one; set once at start-up.
    void setCompanions(TFormAlarmList *alarmList, TFormAbout *about);

    void setDisplayLine(int index, const QString &text) override;
    const QStringList &lines() const { return m_lines; }

    const ClockSettings &settings() const { return m_settings; }
    QString settingsPath() const;

    // Ends the program in order, as the session's end or a termination signal
    // asks: the same files in the same order as "Exit", but errors go to the
    // log instead of a box, and nothing can hold the ending up.
    void exitUnattended();

public slots:
    void FormCreate();
    void AlarmsManager1Click();
    void Exit1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void showLines();

    QString m_programFolder;
    ClockSettings m_settings;
    QStringList m_lines;
    bool m_closing = false;
    TFormAlarmList *m_alarmList = nullptr;
    TFormAbout *m_about = nullptr;
    QLabel *LCDScreen1 = nullptr;
    QMenu *PopupMenu = nullptr;
};
