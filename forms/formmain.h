#pragma once

#include "autostart.h"
#include "clocksettings.h"
#include "filelocations.h"
#include "lcdtypes.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <array>

class AlarmEngine;
struct Occurrence;
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
// offers the program's menu. Only the program's end closes it; any other
// close request hides it. "Exit" is asked for, not carried out, here.
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

    // The engine whose next alarm the tray's tooltip names and whose
    // soonest alarm "Skip next alarm" skips; none: no alarm.
    void setEngine(AlarmEngine *engine);
    // The windows created after this one; set once at start-up.
    void setCompanions(TFormAlarmList *alarmList, TFormAbout *about);

    // Entry `index` of the face's lines.
    void setDisplayLine(int index, const QString &text);
    TLCDScreen *lcd() const { return LCDScreen1; }
    TSysTray *sysTray() const { return SysTray; }
    QMenu *popupMenu() const { return PopupMenu; }
    QAction *hideAction() const { return Hide1; }
    QAction *autoRunAction() const { return AutoRun; }

    const ClockSettings &settings() const { return m_settings; }
    QString settingsPath() const;
    // LCD.ini could not be read at start and nothing was chosen since.
    bool settingsUnreadable() const { return m_settingsUnreadable; }
    // Writes LCD.ini; throws AppError when it can't. What stood where the
    // settings belong at start (a named pipe, a link to nowhere) was said
    // then, and is left as it is.
    void saveSettings() const;
    // The program ends: the icon leaves the notification area and the
    // window closes instead of hiding.
    void closeForGood();

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
    void keepOnScreen();
    // The tray's tooltip and its "Skip next alarm" item name the alarm that
    // rings next.
    void showNextAlarm();
    // Skips it, and says so next to the icon.
    void skipNextAlarm();
    // What the scheduler shows: the date and time in entry 1 of the face's
    // lines, the "Next Alarm:" window in entry 2.
    void showAlarmLines(const QString &clockLine, const QString &marqueeLine);

signals:
    // "Exit" was chosen from the menu.
    void exitChosen();

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
    // The user chose a size or colour: LCD.ini is written now.
    void keepSettings();
    // The icon is in a notification area, so a hidden clock can be brought back.
    bool trayUsable() const;
    // An alarm as a menu item and a message name it: "Wake up, Tue 7:30 AM",
    // in the user's day names and clock, without seconds.
    QString describeAlarm(const Occurrence &alarm) const;

    FileLocations m_locations;
    ClockSettings m_settings;
    // LCD.ini could not be read at start and nothing was chosen since: a save
    // nobody asked for must not replace it.
    bool m_settingsUnreadable = false;
    Autostart m_autostart;
    bool m_hideAtStart = true;
    bool m_closing = false;
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
    AlarmEngine *m_engine = nullptr;
    TFormAlarmList *m_alarmList = nullptr;
    TFormAbout *m_about = nullptr;

    std::array<QLabel *, 3> m_images{};
    TLCDScreen *LCDScreen1 = nullptr;
    QLabel *LabelLogo = nullptr;
    QMenu *PopupMenu = nullptr;
    QAction *Hide1 = nullptr;
    QAction *AutoRun = nullptr;
    QAction *m_skipNext = nullptr;
    QList<QAction *> m_sizeActions;
    QList<QAction *> m_colourActions;
    TSysTray *SysTray = nullptr;
    QTimer *Timer = nullptr;
};
