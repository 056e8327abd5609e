#pragma once

#include "alarmcatalogue.h"
#include "alarmrecord.h"
#include "alarmscheduler.h"
#include "alarmstates.h"
#include "cataloguerow.h"
#include "filelocations.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class Clock;
class ClockJumpSource;
class DateTimeFormatter;
class QTimer;
class TickPacer;
class WakeTimer;

// What the editor is opened on: a new alarm or the one copied into the
// working copy, which "OK" writes back.
struct EditorRequest
{
    bool newAlarm = true;
    QString workingCopyPath;
    // Whether the alarm is on now; a new one is.
    bool enabled = true;
};

// One alarm to ring: the occurrence and the file its settings are read from.
struct RingingRequest
{
    Occurrence occurrence;
    QString alarmFilePath;
};

// The alarm clock without its windows. It recovers a change cut short at
// the last run, holds the catalogue for the whole run and writes it back at
// the end, and ticks: the clock's lines, then what fell due, rung one at a
// time through the ringer, never two at once. Add, Edit and Delete change the
// slot's file and the list on the disk as one unit, and the list in memory
// only when the disk was changed. It keeps the wake timer on the next due
// alarm, and sleeps between ticks while nobody sees the clock.
//
// The windows learn what happened through its signals; the editor and the
// ringing window are shown by the functions they install, which get a
// request and give back a result. Calls that a user asked for throw AppError
// when they fail; what the engine finds on its own (at start, in a tick, in
// an alarm file an edit could read only in part) is said through
// errorOccurred().
class AlarmEngine final : public QObject
{
    Q_OBJECT

public:
    // The timer that wakes a suspended computer for the next alarm, this
    // many seconds early: a resume takes a while, and an alarm whose second
    // passes during it would only be announced as missed.
    static constexpr int WakeLeadSeconds = 20;

    AlarmEngine(const FileLocations &locations, const Clock &clock, const DateTimeFormatter &formatter,
                QObject *parent = nullptr);
    ~AlarmEngine() override;

    // Finishes or undoes a change cut short, reads the catalogue (the rows
    // before a bad line are kept), tells of the rows whose alarm file is
    // missing and of a list not in UTF-8 (through noticeOccurred()), shows the clock's lines and starts
    // the tick. Each problem is said through errorOccurred(), and start goes on.
    void start();
    // The same without the tick: the alarms as they are on the disk, for a
    // change made without the windows (a command-line verb).
    void load();

    const FileLocations &locations() const { return m_locations; }
    const Clock &clock() const { return m_clock; }
    const DateTimeFormatter &formatter() const { return m_formatter; }
    AlarmCatalogue &catalogue() { return m_catalogue; }
    const AlarmCatalogue &catalogue() const { return m_catalogue; }
    AlarmScheduler &scheduler() { return m_scheduler; }
    const AlarmStates &states() const { return m_states; }
    QTimer *timer() const { return m_timer; }
    TickPacer &pacer() { return *m_pacer; }

    // One tick of the scheduler at the clock's present moment.
    void tick();
    // Writes the clock line and the "Next Alarm:" line now.
    void refreshNextAlarm();

    // How the editor is shown; the result is given back only when the user
    // pressed "OK" and the working copy was written. Must not throw.
    using EditorRunner = std::function<std::optional<EditorResult>(const EditorRequest &)>;
    void setEditorRunner(EditorRunner runner) { m_editorRunner = std::move(runner); }
    // How a due alarm is rung; returns when its ringing is over. Must not throw.
    using Ringer = std::function<void(const RingingRequest &)>;
    void setRinger(Ringer ringer) { m_ringer = std::move(ringer); }

    // Add, Edit and Delete. Each returns whether the list changed; a change
    // the disk did not take throws AppError and leaves the list as it was.
    // Edit never replaces an alarm file it could not read: see
    // AlarmFile::copyForEditing; it throws when that refuses the edit.
    // A change that was made but whose last steps failed (they are finished
    // at the next start) changes the list and then throws.
    bool addAlarm();
    bool editAlarm(int row);
    // Adds an alarm made without the editor (the command line, an import) as
    // Add does after "OK": its file made from the record, a row at the end of
    // the list in the lowest free slot, and its state, in one change. Returns
    // the slot. Throws AppError when all slots are taken, when the record
    // would make a file the readers refuse, or when the disk did not take it.
    int addAlarmFromRecord(const AlarmRecord &record, const AlarmState &state = {});
    // One alarm for addAlarmsFromRecords(); an empty caption is the
    // reminder's first line, as for a single add.
    struct NewAlarm
    {
        AlarmRecord record;
        AlarmState state;
        QString caption;
    };
    // Adds several alarms in one change, each in the lowest slot still free,
    // and in the same change replaces the alarms of `replacing` (by slot) in
    // place: their files, rows and states, each keeping its slot and its
    // place in the list. All of it or, when one can't be (no slot left for
    // it, no alarm in a slot to replace, a record the readers would refuse, a
    // disk that did not take it), none. Returns the new alarms' slots in order.
    QList<int> addAlarmsFromRecords(const QList<NewAlarm> &alarms, const QMap<int, NewAlarm> &replacing = {});
    // An alarm's id is its slot: it names the alarm's file and stays the
    // alarm's for its whole life, while its row moves as rows before it go.
    // The row of the alarm with this id; throws AppError when there is none.
    int rowOfSlot(int slot) const;
    // The id of the alarm in a row; throws AppError when there is no such row.
    int slotOfRow(int row) const;
    // The state of the alarm in a row: on or off, skipped, paused. A row
    // that does not exist has the state of a new alarm.
    AlarmState stateOfRow(int row) const;
    bool deleteAlarm(int row);

    // What a deleted alarm was, so that it can be brought back as it was.
    struct DeletedAlarm
    {
        int row = -1;
        CatalogueRow catalogueRow;
        QByteArray file;
        AlarmState state;
    };
    // Deletes like deleteAlarm() and says what was deleted; nothing when the row does not exist.
    std::optional<DeletedAlarm> deleteAlarmKeepingIt(int row);
    // Brings a deleted alarm back in its slot and place, its file byte for
    // byte. Throws AppError when its slot has been taken meanwhile.
    void restoreAlarm(const DeletedAlarm &deleted);

    // On and off, skip and pause, written at once like any other change.
    // Skipping a Once alarm switches it off; skipping an alarm that will not
    // ring again does nothing. Each throws AppError when the disk did not take it.
    void setEnabled(int row, bool on);
    void skipNext(int row);
    void pauseUntil(int row, const QDate &firstDayAgain);
    // Undoes a skip and a pause.
    void resume(int row);
    // Skips the alarm that rings next, over all rows; false when none will.
    bool skipSoonest();

    // The next wall-clock second in which the row will really ring.
    std::optional<QDateTime> nextRinging(int row);
    // The alarm that will really ring next, over all rows: its row and second.
    std::optional<std::pair<int, QDateTime>> soonest();
    // The same as an occurrence: slot, caption and second.
    std::optional<Occurrence> nextAlarm();

    // The hand-off between the windows, set and cleared around each modal
    // call: what the editor works on, the result it gave, and whether a
    // ringing window is open (the only guard against a second one).
    struct HandOff
    {
        bool newAlarm = false;
        QString currentAlarmFileName;
        EditorResult editorResult;
        bool ringing = false;
    };
    const HandOff &handOff() const { return m_handOff; }
    bool ringing() const { return m_handOff.ringing; }
    // The slot of the alarm that rings now, or -1.
    int ringingSlot() const { return m_ringingSlot; }
    // How a ringing alarm is answered from outside its window: as its
    // "Snooze" and "OK" do.
    enum class RingingAnswer
    {
        Snooze,
        Stop,
    };
    Q_ENUM(RingingAnswer)
    // Asks the ringing window to answer (see ringingAnswerRequested());
    // throws AppError when no alarm rings.
    void answerRinging(RingingAnswer answer);
    // The ringing window was snoozed, however it was asked (see ringingSnoozed()).
    void noteRingingSnoozed();
    // The wall-clock second the ringing alarm was due in.
    const QDateTime &currentDueMoment() const { return m_currentDueMoment; }

    // Only "Exit" lets the program end, and with it the manager close.
    bool exitFlag() const { return m_exitFlag; }
    void setExitFlag(bool on) { m_exitFlag = on; }
    // The program ends without asking (a signal, the session's end): every
    // close is allowed from now on and writes nothing more.
    void beginUnattendedEnd();
    bool endingUnattended() const { return m_endingUnattended; }

    // Writes "al.ini"; throws AppError when it can't.
    void saveCatalogue() const;
    // The catalogue file could not be read at start and the list has not
    // been changed since: a save nobody asked for must not replace it.
    bool catalogueUnreadable() const { return m_catalogueUnreadable; }

    // Keeps the timer on the next due alarm from now on; none: no waking.
    void setWakeTimer(WakeTimer *timer);
    WakeTimer *wakeTimer() const { return m_wakeTimer; }
    // The system refused the last moment asked for; tried again at each tick.
    bool wakeRefused() const { return m_wakeRefused; }

    // From now on the tick may sleep while the pacer is told that nobody sees
    // the clock, until the next due second or until one of these says the
    // wall clock may have jumped.
    void sleepWhileHidden(const QList<ClockJumpSource *> &wakeSources);

signals:
    // The clock's date-and-time line and its "Next Alarm:" window.
    void displayChanged(const QString &clockLine, const QString &marqueeLine);
    // The manager's caption while the catalogue holds an Hourly row.
    void managerCaptionChanged(const QString &caption);
    void alarmMissed(const QString &caption, const QDateTime &due);
    void moreAlarmsMissed(int count, bool orMore);
    // An alarm begins to ring (its time as the clock shows times), and its ringing is over.
    void alarmRinging(const QString &caption, const QString &timeText);
    void alarmRingingEnded();
    // The alarm that rings next may be another one now; see nextAlarm().
    void nextAlarmChanged();
    // An alarm was added, changed or deleted, or its state changed.
    void alarmsChanged();
    // The ringing alarm is to be answered as its window's button would.
    void ringingAnswerRequested(AlarmEngine::RingingAnswer answer);
    // The ringing alarm was snoozed: by its window's button or notification,
    // or as answerRinging() asked.
    void ringingSnoozed();
    // Another wake timer was set, or the system refused a moment or took one again.
    void wakingChanged();
    // A problem found at start or in a tick; said after the tick, so that a
    // box never holds the scheduler up.
    void errorOccurred(const QString &message);
    // Something the user should know that needs no answer and must hold
    // nothing up (the rows whose alarm file is missing, a list read in
    // another encoding, at start).
    void noticeOccurred(const QString &message);

private:
    void showDisplay(const AlarmScheduler::Display &display);
    // Rings what waits, one after the other; posted by the tick.
    void ringPending();
    void ringOccurrence(const Occurrence &occurrence);
    std::optional<EditorResult> runEditor(bool newAlarm, bool enabled);
    // One change of the files on the disk, made as one unit: the catalogue
    // as `rows`, a slot's file written (from the working copy, or from
    // `slotData` when given) or removed, the alarm states replaced.
    struct Change
    {
        std::optional<QList<CatalogueRow>> rows;
        std::optional<int> writtenSlot;
        std::optional<QByteArray> slotData;
        std::optional<int> removedSlot;
        std::optional<QMap<int, AlarmState>> states;
        // Further slot files written whole, for a change that adds several alarms.
        QMap<int, QByteArray> addedSlots;
    };
    // Makes the change, then applies it to what is in memory.
    void commitChange(const Change &change, const std::function<void()> &applyInMemory);
    // Writes a new state for the row's alarm.
    void changeState(int row, const std::function<void(AlarmState &)> &edit);
    // Keeps the wake timer on the next due alarm, or clears it when none
    // remains; `now` is the moment of the tick, whose offset the due second is read in.
    void armWakeTimer(const QDateTime &now, const std::optional<QDateTime> &nextDue);
    // The instant a wall-clock due second rings at in the zone of the clock's reading `now`.
    static std::optional<QDateTime> ringInstantOf(const std::optional<QDateTime> &wall, const QDateTime &now);
    void setWakeRefused(bool refused);

    FileLocations m_locations;
    const Clock &m_clock;
    const DateTimeFormatter &m_formatter;
    AlarmCatalogue m_catalogue;
    AlarmScheduler m_scheduler;
    AlarmStates m_states;
    QTimer *m_timer = nullptr;
    TickPacer *m_pacer = nullptr;
    EditorRunner m_editorRunner;
    Ringer m_ringer;

    HandOff m_handOff;
    QDateTime m_currentDueMoment;
    bool m_ringPosted = false;
    int m_ringingSlot = -1;
    std::optional<QDateTime> m_lastNextDue;
    bool m_exitFlag = false;
    bool m_endingUnattended = false;
    bool m_catalogueUnreadable = false;

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
    bool m_wakeRefused = false;
};
