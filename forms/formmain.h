#pragma once

#include "autostart.h"
#include "clocksettings.h"
#include "filelocations.h"
#include "lcdtypes.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <array>

class DesktopNotifier;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class TFormAbout;
class TFormAlarmList;
class TLCDScreen;
class TSysTray;

// The clock window, the program's main window: a borderless skinned desk
// clock whose face is the dot-matrix LCD. It lives in the notification area
// (it hides itself at its first tick when there is one), can be dragged,
// switched between three sizes and six colours (kept in "LCD.ini"), and
// offers the program's menu. Closing it for real ends the program; "Exit"
// first closes the manager (which saves the catalogue) and then this window
// (which saves its own settings).
class TFormMain final : public QWidget
{
    Q_OBJECT

public:
    struct ColourScheme
    {
        const char *name;
        Lcd::TColor pixelOff;
        Lcd::TColor pixelOn;
        Lcd::TColor color;
    };
    static const std::array<ColourScheme, 6> &colourSchemes();

    struct SizeLayout
    {
        const char *caption;
        Lcd::TPixelSize pixelSize;
        int pixelSpacing;
        QSize window;
        QPoint logo; // (-1, -1): the logo keeps its place
    };
    static const std::array<SizeLayout, 3> &sizeLayouts();

    // Gives an LCD the clock's designed face at normal size: 4 lines of 22
    // characters, 5x7 dots, grey on silver.
    static void applyLcdDesign(TLCDScreen &lcd);

    // autostartConfigHome: where the autostart entry lives (empty: the
    // desktop's own configuration folder).
    explicit TFormMain(const FileLocations &locations, const QString &autostartConfigHome = {},
                       QWidget *parent = nullptr);
    // Data and resources both in one program folder.
    explicit TFormMain(const QString &programFolder, const QString &autostartConfigHome = {},
                       QWidget *parent = nullptr);
    ~TFormMain() override;

    // The windows created after this one; set once at start-up.
    void setCompanions(TFormAlarmList *alarmList, TFormAbout *about);
    // Where ringing and missed alarms are announced to the desktop; without
    // one they go to the notification area's balloon (or a box).
    void setDesktopNotifier(DesktopNotifier *notifier);

    // Entry `index` of the face's lines.
    void setDisplayLine(int index, const QString &text);
    TLCDScreen *lcd() const { return LCDScreen1; }
    TSysTray *sysTray() const { return SysTray; }
    QMenu *popupMenu() const { return PopupMenu; }
    QAction *hideAction() const { return Hide1; }
    QAction *autoRunAction() const { return AutoRun; }

    const ClockSettings &settings() const { return m_settings; }
    QString settingsPath() const;

    // Writes the alarm list, then the clock settings, as "Exit" does, but
    // errors go to the log instead of a box: nobody may be there to answer.
    void saveUnattended();
    // Ends the program in order, as a termination signal asks: saves as
    // above, and nothing can hold the ending up.
    void exitUnattended();
    // An ending was asked for; set for good once it has begun.
    bool exitRequested() const { return m_exitRequested; }

public slots:
    void FormCreate();
    void TimerTimer();
    void PopupMenuPopup();
    void Hide1Click();
    void AlarmsManager1Click();
    void AutoRunClick();
    void applySize(int sizeIndex);
    void applyColour(const QString &name);
    void stepSize();
    void stepColour();
    void Help1Click();
    void About1Click();
    void Exit1Click();
    void SysTrayIconDoubleClick();
    void showMissedAlarm(const QString &caption, const QDateTime &due);
    void announceRinging(const QString &caption, const QString &timeText);
    void ringingEnded();
    // The occurrences of the same gap that are not listed; orMore when
    // counting them stopped at its bound.
    void countMoreMissed(int count, bool orMore);
    void keepOnScreen();
    // The tray's tooltip names the alarm that rings next.
    void showNextAlarm();
    void skipNextAlarm();
    // "Snooze", "OK" or a click on the notification of the alarm that rings.
    void answerFromNotification(int token, const QString &key);
    // What the scheduler shows: the date and time in entry 1 of the face's
    // lines, the "Next Alarm:" window in entry 2.
    void showAlarmLines(const QString &clockLine, const QString &marqueeLine);

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void openMenuAt(const QPoint &globalPos);
    void toggleVisible();
    void tellMissedAlarms();
    // The user chose a size or colour: LCD.ini is written now.
    void keepSettings();
    // The icon is in a notification area, so a hidden clock can be brought back.
    bool trayUsable() const;
    // "Exit" with a data folder nothing can be written in: says what is lost
    // and ends all the same, since no retry could succeed.
    void exitWithUnwritableData(const QString &problem);
    void endRun();

    FileLocations m_locations;
    ClockSettings m_settings;
    // LCD.ini could not be read at start and nothing was chosen since: a save
    // nobody asked for must not replace it.
    bool m_settingsUnreadable = false;
    Autostart m_autostart;
    bool m_hideAtStart = true;
    QStringList m_missedAlarms; // gathered until the next turn of the event loop
    qint64 m_moreMissed = 0;
    bool m_moreMissedUncounted = false;
    bool m_closing = false;
    bool m_exitRequested = false;
    // A left press on the face or the skin: pressed, then moved by the
    // window manager (back to idle) or by this window where there is none.
    enum class DragState
    {
        Idle,
        Pressed,
        Moving
    };
    DragState m_dragState = DragState::Idle;
    QPoint m_pressPoint;
    QPoint m_dragOffset;
    DesktopNotifier *m_notifier = nullptr;
    int m_ringingNotice = 0; // the desktop's notification of the alarm ringing now
    TFormAlarmList *m_alarmList = nullptr;
    TFormAbout *m_about = nullptr;

    std::array<QLabel *, 3> m_images{};
    TLCDScreen *LCDScreen1 = nullptr;
    QLabel *LabelLogo = nullptr;
    QMenu *PopupMenu = nullptr;
    QAction *Hide1 = nullptr;
    QAction *AutoRun = nullptr;
    QList<QAction *> m_sizeActions;
    QList<QAction *> m_colourActions;
    TSysTray *SysTray = nullptr;
    QTimer *Timer = nullptr;
};
