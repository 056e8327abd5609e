#pragma once

#include "alarmcatalogue.h"
#include "alarmscheduler.h"
#include "cataloguerow.h"
#include "filelocations.h"

#include <QDateTime>
#include <QWidget>
#include <functional>
#include <optional>

class AudibleGuard;
class ClockFace;
class ClockJumpSource;
class TickPacer;
class Clock;
class DateTimeFormatter;
class MediaPlayer;
class PowerActions;
class QComboBox;
class QLabel;
class WakeTimer;
class QTreeView;
class QPushButton;
class QAction;
class QTimer;

// The alarm manager window. It holds the catalogue for the whole run and
// writes it back only when it really closes; every other close request only
// hides it, so the alarms keep ringing while it is out of sight. Its timer is
// the scheduler: five times a second it refreshes the clock's lines and rings
// what fell due, one ringing window at a time. Once told to sleep while
// hidden, it ticks only when something can have happened while no window of
// the program shows.
class TFormAlarmList final : public QWidget
{
    Q_OBJECT

public:
    TFormAlarmList(const FileLocations &locations, ClockFace &clockFace, const Clock &clock,
                   const DateTimeFormatter &formatter, QWidget *parent = nullptr);
    // Data and resources both in one program folder.
    TFormAlarmList(const QString &programFolder, ClockFace &clockFace, const Clock &clock,
                   const DateTimeFormatter &formatter, QWidget *parent = nullptr);

    AlarmCatalogue &catalogue() { return m_catalogue; }
    const FileLocations &locations() const { return m_locations; }
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

    // The wall-clock second the ringing alarm was due in.
    const QDateTime &currentDueMoment() const { return m_currentDueMoment; }

    // Writes "al.ini"; throws AppError when it can't.
    void saveCatalogue() const;
    // The catalogue file could not be read at start and the list has not
    // been changed since: a save nobody asked for must not replace it.
    bool catalogueUnreadable() const { return m_catalogueUnreadable; }
    // The program ends without asking (a signal, the session's end): from
    // now on every close is allowed and writes nothing more.
    void beginUnattendedEnd();

    AlarmScheduler &scheduler() { return m_scheduler; }
    const Clock &clock() const { return m_clock; }
    const DateTimeFormatter &formatter() const { return m_formatter; }

    // The players of the ringing window and the editor; by default real ones.
    using PlayerFactory = std::function<MediaPlayer *(QObject *parent)>;
    void setPlayerFactory(PlayerFactory factory) { m_playerFactory = std::move(factory); }
    MediaPlayer *makePlayer(QObject *parent) const;

    // What keeps a ringing alarm audible; by default the desktop's sound server.
    using AudibleGuardFactory = std::function<AudibleGuard *(QObject *parent)>;
    void setAudibleGuardFactory(AudibleGuardFactory factory) { m_audibleGuardFactory = std::move(factory); }
    AudibleGuard *makeAudibleGuard(QObject *parent) const;

    // The timer that wakes a suspended computer for the next alarm, this
    // many seconds early: a resume takes a while, and an alarm whose second
    // passes during it would only be announced as missed. None: no waking.
    static constexpr int WakeLeadSeconds = 20;
    void setWakeTimer(WakeTimer *timer);

    // The power actions that end an alarm; none means "not supported".
    void setPowerActions(PowerActions *actions) { m_powerActions = actions; }
    PowerActions *powerActions() const { return m_powerActions; }
    QTimer *timer() const { return Timer; }
    TickPacer &pacer() { return *m_pacer; }
    // From now on the tick sleeps while no window of the program shows,
    // until the next due second or until one of these says the wall clock
    // may have jumped.
    void sleepWhileHidden(const QList<ClockJumpSource *> &wakeSources);

    // How a due occurrence is rung; by default a modal ringing window. The
    // ringing flag is set around the call.
    using Ringer = std::function<void(TFormAlarmList &, const Occurrence &)>;
    void setRinger(Ringer ringer) { m_ringer = std::move(ringer); }

    // Writes the clock line and the "Next Alarm:" line, and the caption while
    // an Hourly alarm exists.
    void refreshNextAlarm();

    // How the editor is shown; returns whether the user pressed "OK". By
    // default the modal "Alarm Options" dialog.
    using EditorRunner = std::function<bool(TFormAlarmList &)>;
    void setEditorRunner(EditorRunner runner) { m_editorRunner = std::move(runner); }

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);

signals:
    void alarmMissed(const QString &caption, const QDateTime &due);
    // An alarm begins to ring (its time as the clock shows times), and its ringing is over.
    void alarmRinging(const QString &caption, const QString &timeText);
    void alarmRingingEnded();
    void moreAlarmsMissed(int count, bool orMore);

public slots:
    void FormCreate();
    void ActionSystemTrayExecute();
    void ButtonOKClick();
    // Shows the window and brings it to the front, as a second start asks.
    void showAndRaise();
    void TimerTimer();
    void ButtonAddClick();
    void buttonEditClick();
    void ButtonDeleteClick();
    void AlarmListDblClick();
    void FormKeyDown(int key);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCloseQuery(bool &canClose);
    bool FormClose();
    // Rings what waits, one window after the other; posted by the tick.
    void ringPending();
    void ringOccurrence(const Occurrence &occurrence);
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool runEditor();
    // Replaces `to` with a copy of `from`, atomically; throws AppError.
    void copyAlarmFile(const QString &from, const QString &to) const;
    // Writes the catalogue as `rows`, with the working copy as the file of
    // writtenSlot and without the file of removedSlot, as one unit. False
    // (and reported) when the files on the disk are as they were.
    bool commitChange(const QList<CatalogueRow> &rows, const std::optional<int> &writtenSlot,
                      const std::optional<int> &removedSlot);
    void reportRowError(const QString &message);
    void showDisplay(const AlarmScheduler::Display &display);
    // Keeps the wake timer on the next due alarm, or clears it when none
    // remains; `now` is the moment of the tick, whose offset the due second is read in.
    void armWakeTimer(const QDateTime &now, const std::optional<QDateTime> &nextDue);
    void explainWaking();

    FileLocations m_locations;
    ClockFace &m_clockFace;
    const Clock &m_clock;
    const DateTimeFormatter &m_formatter;
    AlarmCatalogue m_catalogue;
    AlarmScheduler m_scheduler;
    Ringer m_ringer;
    EditorRunner m_editorRunner;
    PlayerFactory m_playerFactory;
    AudibleGuardFactory m_audibleGuardFactory;
    PowerActions *m_powerActions = nullptr;
    WakeTimer *m_wakeTimer = nullptr;
    std::optional<QDateTime> m_wakeArmedFor;
    // What the armed moment was made from: the wall-clock due second and the
    // tick's offset. While both stay and the clock did not jump, the moment
    // stays, and a tick need not turn the due second into local time again.
    struct WakeBasis
    {
        std::optional<QDateTime> due;
        int offsetSeconds = 0;
        bool operator==(const WakeBasis &) const = default;
    };
    std::optional<WakeBasis> m_wakeBasis;
    bool m_wakeRefused = false; // the last moment asked for was refused
    QDateTime m_currentDueMoment;

    bool m_exitFlag = false;
    bool m_endingUnattended = false;
    // The catalogue on the disk could not be read at start; kept as it is
    // until the user changes the list.
    bool m_catalogueUnreadable = false;
    bool m_ringingFlag = false;
    bool m_ringPosted = false;
    bool m_newAlarmFlag = false;
    QString m_currentAlarmFileName;
    EditorResult m_editorResult;

    QTreeView *AlarmList = nullptr;
    QPushButton *ButtonAdd = nullptr;
    QPushButton *buttonEdit = nullptr;
    QPushButton *ButtonDelete = nullptr;
    QPushButton *ButtonOK = nullptr;
    QComboBox *Frequency = nullptr;
    QLabel *LabelWake = nullptr;
    QAction *ActionSystemTray = nullptr;
    QTimer *Timer = nullptr;
    TickPacer *m_pacer = nullptr;
};
