#include "alarmengine.h"

#include "alarmchoices.h"
#include "alarmfile.h"
#include "apperror.h"
#include "clock.h"
#include "clockjumps.h"
#include "datetimeformatter.h"
#include "filetransaction.h"
#include "textfile.h"
#include "tickpacer.h"
#include "waketimer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {
// Names every step of an Add, Edit or Delete while it is made; see FileTransaction.
const QString kJournalName = QStringLiteral("al.ini.journal");

// What a change of the alarms may touch: the list, the alarms' states and
// the alarm files are replaced, and only alarm files are ever removed. The
// working copy and the clock's settings are named so that their cut-short
// saves are cleaned up.
FileTransaction::Scope changeScope(const FileLocations &locations)
{
    QStringList slotFiles;
    for (int slot = 0; slot < AlarmCatalogue::SlotCount; ++slot)
        slotFiles << slotFileName(slot);
    const QStringList files =
        QStringList{QFileInfo(locations.catalogue()).fileName(), QFileInfo(locations.alarmStates()).fileName(),
                    QFileInfo(locations.workingCopy()).fileName(), QFileInfo(locations.clockSettings()).fileName()} +
        slotFiles;
    return {files, slotFiles};
}

// Runs a function when the scope ends, however it ends.
template <class F> class AtExit
{
public:
    explicit AtExit(F f) : m_f(std::move(f)) {}
    ~AtExit() { m_f(); }
    AtExit(const AtExit &) = delete;
    AtExit &operator=(const AtExit &) = delete;

private:
    F m_f;
};
} // namespace

AlarmEngine::AlarmEngine(const FileLocations &locations, const Clock &clock, const DateTimeFormatter &formatter,
                         QObject *parent)
    : QObject(parent), m_locations(locations), m_clock(clock), m_formatter(formatter),
      m_scheduler(m_catalogue, clock, formatter)
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(TickPacer::ShownIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &AlarmEngine::tick);
    m_pacer = new TickPacer(*m_timer, this);
    m_scheduler.setStates(&m_states);
    // A sleeping tick must look at the catalogue again when it changes.
    const auto catalogueChanged = [this]() {
        if (!m_pacer->isShown())
            m_pacer->wake();
        emit nextAlarmChanged();
        emit alarmsChanged();
    };
    connect(&m_catalogue, &QAbstractItemModel::rowsInserted, this, catalogueChanged);
    connect(&m_catalogue, &QAbstractItemModel::rowsRemoved, this, catalogueChanged);
    connect(&m_catalogue, &QAbstractItemModel::dataChanged, this, catalogueChanged);
    connect(&m_catalogue, &QAbstractItemModel::modelReset, this, catalogueChanged);
    connect(&m_states, &AlarmStates::changed, this, catalogueChanged);
    connect(&m_scheduler, &AlarmScheduler::missed, this, &AlarmEngine::alarmMissed);
    connect(&m_scheduler, &AlarmScheduler::moreMissed, this, &AlarmEngine::moreAlarmsMissed);
    // Said after the tick, so a box never holds the scheduler up.
    connect(&m_scheduler, &AlarmScheduler::rowError, this, &AlarmEngine::errorOccurred, Qt::QueuedConnection);
}

AlarmEngine::~AlarmEngine() = default;

void AlarmEngine::start()
{
    load();
    m_timer->start();
}

void AlarmEngine::load()
{
    m_exitFlag = false;
    const auto reportFailure = [this](const std::function<void()> &step) {
        try {
            step();
            return true;
        } catch (const AppError &error) {
            emit errorOccurred(error.message());
            return false;
        }
    };
    reportFailure([this]() {
        // A change cut short by a crash or a kill is finished or undone
        // before anything is read.
        FileTransaction::recover(m_locations.dataFolder(), kJournalName, changeScope(m_locations));
    });
    QString catalogueNotice;
    m_catalogueUnreadable =
        !reportFailure([this, &catalogueNotice]() { catalogueNotice = m_catalogue.read(m_locations.catalogue()); });
    if (!catalogueNotice.isEmpty())
        emit noticeOccurred(catalogueNotice);
    reportFailure([this]() { m_states.read(m_locations.alarmStates()); });
    // Told once: such a row rings, but not as its user made it.
    if (const QString missing = m_catalogue.missingAlarmFilesReport(m_locations.dataFolder()); !missing.isEmpty())
        emit noticeOccurred(missing);
    // The rows read before a bad line are kept and scheduled.
    refreshNextAlarm();
}

void AlarmEngine::refreshNextAlarm()
{
    showDisplay(m_scheduler.refresh());
}

void AlarmEngine::showDisplay(const AlarmScheduler::Display &display)
{
    emit displayChanged(display.clockLine, display.marqueeLine);
    if (display.managerCaption)
        emit managerCaptionChanged(*display.managerCaption);
}

void AlarmEngine::tick()
{
    // One reading of the clock serves the whole tick.
    const QDateTime now = m_clock.now();
    // Hidden, nobody sees the clock's lines; showing them brings them up to date.
    if (m_pacer->isShown())
        showDisplay(m_scheduler.refresh(now));
    m_scheduler.collectDue(now);
    // A ringing window runs a modal loop of its own. Run from inside this
    // slot, it would stop this very timer (Qt never fires a timer again while
    // its slot runs): the clock would stand still, and what fell due in the
    // meantime would be found a gap too late and only reported as missed. So
    // the ringing starts from a posted call, outside the timer; the ticks
    // during a ringing only queue what falls due.
    if (!m_handOff.ringing && !m_ringPosted && m_scheduler.pendingCount() > 0) {
        m_ringPosted = true;
        QMetaObject::invokeMethod(this, &AlarmEngine::ringPending, Qt::QueuedConnection);
    }
    const std::optional<QDateTime> nextDue = m_scheduler.nextDueMoment();
    if (nextDue != m_lastNextDue) {
        m_lastNextDue = nextDue;
        emit nextAlarmChanged();
    }
    // Shown, the tick keeps its 200 ms grid and needs no instant.
    m_pacer->ticked(now, m_pacer->isShown() ? std::nullopt : ringInstantOf(nextDue, now));
    armWakeTimer(now, nextDue);
}

std::optional<QDateTime> AlarmEngine::ringInstantOf(const std::optional<QDateTime> &wall, const QDateTime &now)
{
    if (!wall)
        return std::nullopt;
    const QDateTime rings = ScheduleRules::ringInstant(*wall, ScheduleRules::localZone(now));
    return rings.isValid() ? std::optional(rings) : std::nullopt;
}

void AlarmEngine::ringPending()
{
    m_ringPosted = false;
    while (!m_handOff.ringing) {
        const std::optional<Occurrence> next = m_scheduler.takeNext();
        if (!next)
            break;
        ringOccurrence(*next);
    }
}

void AlarmEngine::ringOccurrence(const Occurrence &occurrence)
{
    // An alarm may ring while the editor is open on the working copy; the
    // editor's file name must be the same again when the ringing is over.
    const QString editorFileName = m_handOff.currentAlarmFileName;
    m_handOff.currentAlarmFileName = slotFileName(occurrence.slot);
    m_currentDueMoment = occurrence.due;
    m_handOff.ringing = true;
    m_ringingSlot = occurrence.slot;
    emit alarmRinging(occurrence.caption, m_formatter.longTime(occurrence.due.time()));
    if (m_ringer)
        m_ringer(RingingRequest{occurrence, m_locations.dataFile(m_handOff.currentAlarmFileName)});
    m_handOff.ringing = false;
    m_ringingSlot = -1;
    emit alarmRingingEnded();
    m_handOff.currentAlarmFileName = editorFileName;
}

void AlarmEngine::saveCatalogue() const
{
    // What stood where the list belongs at start (a named pipe, a link to
    // nowhere) was said then, and is not replaced by a list nobody changed.
    if (m_catalogueUnreadable && !TextFile::whatIsNotAFile(m_locations.catalogue()).isEmpty())
        return;
    m_catalogue.write(m_locations.catalogue());
}

void AlarmEngine::beginUnattendedEnd()
{
    m_exitFlag = true;
    m_endingUnattended = true;
}

std::optional<EditorResult> AlarmEngine::runEditor(bool newAlarm, bool enabled)
{
    m_handOff.newAlarm = newAlarm;
    m_handOff.currentAlarmFileName = QFileInfo(m_locations.workingCopy()).fileName();
    m_handOff.editorResult = {};
    const AtExit clear([this]() {
        m_handOff.newAlarm = false;
        m_handOff.currentAlarmFileName.clear();
    });
    if (!m_editorRunner)
        return std::nullopt;
    const std::optional<EditorResult> result =
        m_editorRunner(EditorRequest{newAlarm, m_locations.workingCopy(), enabled});
    if (result)
        m_handOff.editorResult = *result;
    return result;
}

void AlarmEngine::commitChange(const Change &change, const std::function<void()> &applyInMemory)
{
    // The one gate of every change: whatever path made it (the editor, a
    // verb, the bus, an import), what it would write is read back by the
    // program's own readers first, and a change the next start or ringing
    // would not read back as it is never reaches the disk. The files added
    // whole were read back as they were encoded; a restored file goes back
    // byte for byte, as it was.
    std::optional<QByteArray> slotBytes = change.slotData;
    if (change.writtenSlot && !slotBytes) {
        slotBytes = TextFile::readBytes(m_locations.workingCopy(), AlarmFile::limits().maxBytes());
        const auto row = change.rows
                             ? std::find_if(change.rows->cbegin(), change.rows->cend(),
                                            [&](const CatalogueRow &r) { return r.slot == *change.writtenSlot; })
                             : QList<CatalogueRow>::const_iterator();
        AlarmFile::checkReadable(*slotBytes, change.rows && row != change.rows->cend()
                                                 ? TextFile::excerpt(row->caption)
                                                 : slotFileName(*change.writtenSlot));
    }
    const std::optional<QByteArray> catalogueBytes =
        change.rows ? std::optional(AlarmCatalogue::encodeForWriting(*change.rows)) : std::nullopt;
    // The files change together or not at all: what is in memory is changed
    // only when the files on the disk are.
    FileTransaction transaction(m_locations.dataFolder(), kJournalName, changeScope(m_locations));
    const auto applied = [&]() {
        if (change.rows)
            m_catalogueUnreadable = false;
        applyInMemory();
    };
    try {
        if (change.writtenSlot)
            transaction.replace(slotFileName(*change.writtenSlot), *slotBytes);
        if (catalogueBytes)
            transaction.replace(QFileInfo(m_locations.catalogue()).fileName(), *catalogueBytes);
        if (change.states && *change.states != m_states.all()) {
            transaction.replace(QFileInfo(m_locations.alarmStates()).fileName(), AlarmStates::encode(*change.states));
        }
        for (auto added = change.addedSlots.cbegin(); added != change.addedSlots.cend(); ++added)
            transaction.replace(slotFileName(added.key()), added.value());
        if (change.removedSlot)
            transaction.remove(slotFileName(*change.removedSlot));
        transaction.commit();
    } catch (const AppError &) {
        if (!transaction.committed())
            throw;
        applied();
        throw;
    }
    applied();
}

// The states with the slot's entry gone: a deleted alarm, or a slot taken
// by a new one, starts on and with nothing skipped.
static QMap<int, AlarmState> withoutSlot(QMap<int, AlarmState> states, int slot)
{
    states.remove(slot);
    return states;
}

bool AlarmEngine::addAlarm()
{
    QDir::setCurrent(m_locations.dataFolder());
    const AtExit refresh([this]() { refreshNextAlarm(); });
    // Said at once rather than after the user has filled in a whole alarm.
    if (!m_catalogue.lowestFreeSlot()) {
        throw AppError(QCoreApplication::translate("AlarmEngine",
                                                   "All %1 alarms are in use. Delete an alarm before adding a new one.")
                           .arg(AlarmCatalogue::SlotCount));
    }
    const std::optional<EditorResult> result = runEditor(true, true);
    QDir::setCurrent(m_locations.dataFolder());
    if (!result)
        return false;
    const int slot = *m_catalogue.lowestFreeSlot();
    const CatalogueRow added = CatalogueRow::fromEditorResult(*result, slot, m_formatter);
    QMap<int, AlarmState> states = withoutSlot(m_states.all(), slot);
    if (!result->enabled)
        states.insert(slot, AlarmState{false, std::nullopt, std::nullopt, std::nullopt});
    commitChange({m_catalogue.rows() + QList<CatalogueRow>{added}, slot, std::nullopt, std::nullopt, states, {}},
                 [this, &added, &states]() {
                     m_states.setAll(states);
                     m_catalogue.appendRow(added);
                 });
    return true;
}

int AlarmEngine::addAlarmFromRecord(const AlarmRecord &record, const AlarmState &state)
{
    return addAlarmsFromRecords({NewAlarm{record, state, {}}}).constFirst();
}

QList<int> AlarmEngine::addAlarmsFromRecords(const QList<NewAlarm> &alarms, const QMap<int, NewAlarm> &replacing)
{
    // Everything is checked and made before anything is written: the
    // readers must take every file back, and each alarm needs a slot.
    const QList<int> freeSlots = m_catalogue.lowestFreeSlots(int(alarms.size()));
    if (freeSlots.size() < alarms.size()) {
        throw AppError(
            QCoreApplication::translate("AlarmEngine", "All %1 alarms are in use; delete one before adding another.")
                .arg(AlarmCatalogue::SlotCount));
    }
    if (alarms.isEmpty() && replacing.isEmpty())
        return {};
    Change change;
    QList<CatalogueRow> rows = m_catalogue.rows();
    QMap<int, AlarmState> states = m_states.all();
    // The file, the row and the state of one alarm in its slot; a slot
    // taken anew or replaced starts from the state it is given, nothing older.
    const auto make = [&](const NewAlarm &alarm, int slot) {
        const AlarmRecord &r = alarm.record;
        change.addedSlots.insert(slot, AlarmFile::encodeForWriting(r));
        const QString caption = alarm.caption.isEmpty() ? AlarmChoices::captionOf(r) : alarm.caption;
        states.remove(slot);
        if (!alarm.state.isDefault())
            states.insert(slot, alarm.state);
        return CatalogueRow::fromEditorResult(
            EditorResult{caption, r.frequencyCode, r.alarmTime, r.alarmDate, r.weekdayMask(), alarm.state.enabled},
            slot, m_formatter);
    };
    QMap<int, CatalogueRow> replaced; // by row
    for (auto it = replacing.cbegin(); it != replacing.cend(); ++it) {
        const int row = rowOfSlot(it.key());
        CatalogueRow changed = make(it.value(), it.key());
        changed.slot = rows[row].slot;
        rows[row] = changed;
        replaced.insert(row, changed);
    }
    QList<CatalogueRow> added;
    for (qsizetype i = 0; i < alarms.size(); ++i)
        added << make(alarms[i], freeSlots[i]);
    change.rows = rows + added;
    change.states = states;
    commitChange(change, [this, &added, &replaced, &states]() {
        m_states.setAll(states);
        for (auto it = replaced.cbegin(); it != replaced.cend(); ++it)
            m_catalogue.replaceRow(it.key(), it.value());
        for (const CatalogueRow &row : added)
            m_catalogue.appendRow(row);
    });
    refreshNextAlarm();
    return freeSlots;
}

int AlarmEngine::rowOfSlot(int slot) const
{
    for (int row = 0; row < m_catalogue.size(); ++row) {
        if (m_catalogue.row(row).slot == slot)
            return row;
    }
    throw AppError(QCoreApplication::translate("AlarmEngine", "There is no alarm with id %1.").arg(slot));
}

void AlarmEngine::noteRingingSnoozed()
{
    if (m_handOff.ringing)
        emit ringingSnoozed();
}

void AlarmEngine::answerRinging(RingingAnswer answer)
{
    if (!m_handOff.ringing)
        throw AppError(QCoreApplication::translate("AlarmEngine", "No alarm is ringing."));
    emit ringingAnswerRequested(answer);
}

bool AlarmEngine::editAlarm(int row)
{
    QDir::setCurrent(m_locations.dataFolder());
    if (row < 0 || row >= m_catalogue.size())
        return false;
    const AtExit refresh([this]() { refreshNextAlarm(); });
    const CatalogueRow original = m_catalogue.row(row);
    const int slot = original.slot;
    // An alarm file the reader refuses is kept aside before anything is
    // written, and the editor gets only what was read, or nothing at all.
    const AlarmFile::EditCopy copy = AlarmFile::copyForEditing(
        m_locations.dataFile(slotFileName(slot)), m_locations.workingCopy(), AlarmRecord::newAlarm(m_clock.now()));
    if (copy.outcome == AlarmFile::EditCopy::Outcome::Refused)
        throw AppError(copy.message);
    // Told before the editor opens on what could be read.
    if (!copy.message.isEmpty())
        emit errorOccurred(copy.message);
    m_catalogue.setSlotInUse(slot, true);
    const std::optional<EditorResult> result = runEditor(false, m_states.state(slot).enabled);
    QDir::setCurrent(m_locations.dataFolder());
    if (!result)
        return false;
    // While the editor was open the list may have been changed from outside
    // (a command-line verb): the alarm is found again by what it was, and an
    // alarm deleted or replaced meanwhile is not overwritten.
    row = int(m_catalogue.rows().indexOf(original));
    if (row < 0) {
        throw AppError(QCoreApplication::translate("AlarmEngine",
                                                   "The alarm \"%1\" was changed or deleted while it was being edited; "
                                                   "the edit is not saved.")
                           .arg(original.caption));
    }
    const CatalogueRow changed = CatalogueRow::fromEditorResult(*result, slot, m_formatter);
    QList<CatalogueRow> rows = m_catalogue.rows();
    rows[row] = changed;
    // A skip or a pause stays; the switch is the editor's.
    AlarmState state = m_states.state(slot);
    state.enabled = result->enabled;
    QMap<int, AlarmState> states = withoutSlot(m_states.all(), slot);
    if (!state.isDefault())
        states.insert(slot, state);
    commitChange({rows, slot, std::nullopt, std::nullopt, states, {}}, [this, slot, row, &changed, &states]() {
        m_states.setAll(states);
        m_catalogue.setSlotInUse(slot, true);
        m_catalogue.replaceRow(row, changed);
    });
    return true;
}

bool AlarmEngine::deleteAlarm(int row)
{
    return deleteAlarmKeepingIt(row).has_value();
}

std::optional<AlarmEngine::DeletedAlarm> AlarmEngine::deleteAlarmKeepingIt(int row)
{
    if (row < 0 || row >= m_catalogue.size())
        return std::nullopt;
    QList<CatalogueRow> rows = m_catalogue.rows();
    DeletedAlarm deleted;
    deleted.row = row;
    deleted.catalogueRow = rows.takeAt(row);
    const int slot = deleted.catalogueRow.slot;
    deleted.state = m_states.state(slot);
    // What can't be read can't be brought back; the delete goes on all the same.
    try {
        deleted.file = TextFile::readBytes(m_locations.dataFile(slotFileName(slot)), AlarmFile::limits().maxBytes());
    } catch (const AppError &) {
    }
    const QMap<int, AlarmState> states = withoutSlot(m_states.all(), slot);
    commitChange({rows, std::nullopt, std::nullopt, slot, states, {}}, [this, row, &states]() {
        m_states.setAll(states);
        m_catalogue.removeRowAt(row);
    });
    return deleted;
}

void AlarmEngine::restoreAlarm(const DeletedAlarm &deleted)
{
    const int slot = deleted.catalogueRow.slot;
    if (m_catalogue.isSlotInUse(slot)) {
        throw AppError(
            QCoreApplication::translate("AlarmEngine",
                                        "The alarm \"%1\" can't be brought back: its place is taken by another alarm.")
                .arg(deleted.catalogueRow.caption));
    }
    const int row = qBound(0, deleted.row, m_catalogue.size());
    QList<CatalogueRow> rows = m_catalogue.rows();
    rows.insert(row, deleted.catalogueRow);
    QMap<int, AlarmState> states = withoutSlot(m_states.all(), slot);
    if (!deleted.state.isDefault())
        states.insert(slot, deleted.state);
    commitChange({rows, slot, deleted.file, std::nullopt, states, {}}, [this, row, &rows, &states]() {
        m_states.setAll(states);
        m_catalogue.insertRowAt(row, rows[row]);
    });
    refreshNextAlarm();
}

int AlarmEngine::slotOfRow(int row) const
{
    if (row < 0 || row >= m_catalogue.size())
        throw AppError(QCoreApplication::translate("AlarmEngine", "There is no alarm in row %1.").arg(row + 1));
    return m_catalogue.row(row).slot;
}

AlarmState AlarmEngine::stateOfRow(int row) const
{
    return row >= 0 && row < m_catalogue.size() ? m_states.state(m_catalogue.row(row).slot) : AlarmState();
}

void AlarmEngine::changeState(int row, const std::function<void(AlarmState &)> &edit)
{
    const int slot = slotOfRow(row);
    AlarmState state = m_states.state(slot);
    edit(state);
    QMap<int, AlarmState> states = withoutSlot(m_states.all(), slot);
    if (!state.isDefault())
        states.insert(slot, state);
    if (states == m_states.all())
        return;
    commitChange({std::nullopt, std::nullopt, std::nullopt, std::nullopt, states, {}},
                 [this, &states]() { m_states.setAll(states); });
    refreshNextAlarm();
}

void AlarmEngine::setEnabled(int row, bool on)
{
    changeState(row, [on](AlarmState &state) { state.enabled = on; });
}

void AlarmEngine::skipNext(int row)
{
    const std::optional<ScheduleRules::RowKeys> &keys = m_scheduler.keysOf(row);
    if (keys && keys->frequencyName == frequencyNames()[int(Frequency::Once)]) {
        setEnabled(row, false);
        return;
    }
    const std::optional<QDateTime> next = nextRinging(row);
    if (!next)
        return;
    changeState(row, [&next](AlarmState &state) { state.skippedDue = *next; });
}

void AlarmEngine::pauseUntil(int row, const QDate &firstDayAgain)
{
    changeState(row, [&firstDayAgain](AlarmState &state) {
        state.pausedUntil = firstDayAgain;
        state.skippedDue.reset();
    });
}

void AlarmEngine::resume(int row)
{
    changeState(row, [](AlarmState &state) {
        state.pausedUntil.reset();
        state.skippedDue.reset();
    });
}

std::optional<QDateTime> AlarmEngine::nextRinging(int row)
{
    if (row < 0 || row >= m_catalogue.size())
        return std::nullopt;
    const std::optional<ScheduleRules::RowKeys> &keys = m_scheduler.keysOf(row);
    if (!keys)
        return std::nullopt;
    // The present second has begun, so it is no longer ahead.
    return m_scheduler.firstRingingAtOrAfter(*keys, ScheduleRules::wallMomentOf(m_clock.now()).addSecs(1));
}

std::optional<std::pair<int, QDateTime>> AlarmEngine::soonest()
{
    std::optional<std::pair<int, QDateTime>> first;
    for (int row = 0; row < m_catalogue.size(); ++row) {
        const std::optional<QDateTime> next = nextRinging(row);
        if (next && (!first || *next < first->second))
            first = {row, *next};
    }
    return first;
}

std::optional<Occurrence> AlarmEngine::nextAlarm()
{
    const std::optional<std::pair<int, QDateTime>> first = soonest();
    if (!first)
        return std::nullopt;
    const CatalogueRow &row = m_catalogue.row(first->first);
    return Occurrence{row.slot, row.caption, first->second};
}

bool AlarmEngine::skipSoonest()
{
    const std::optional<std::pair<int, QDateTime>> first = soonest();
    if (!first)
        return false;
    skipNext(first->first);
    return true;
}

void AlarmEngine::setWakeTimer(WakeTimer *timer)
{
    if (m_wakeTimer)
        disconnect(m_wakeTimer, &WakeTimer::fired, m_pacer, &TickPacer::wake);
    m_wakeTimer = timer;
    m_wakeArmedFor.reset();
    m_wakeBasis.reset();
    setWakeRefused(false);
    if (timer && timer->availability().permitted) {
        // The moment came: whether the computer slept or not, look at the clock now.
        connect(timer, &WakeTimer::fired, m_pacer, &TickPacer::wake);
        armWakeTimer(m_clock.now(), m_scheduler.nextDueMoment());
    }
    emit wakingChanged();
}

void AlarmEngine::setWakeRefused(bool refused)
{
    if (std::exchange(m_wakeRefused, refused) != refused)
        emit wakingChanged();
}

void AlarmEngine::armWakeTimer(const QDateTime &now, const std::optional<QDateTime> &due)
{
    if (!m_wakeTimer || !m_wakeTimer->availability().permitted)
        return;
    const WakeBasis basis{due, now.offsetFromUtc()};
    if (basis == m_wakeBasis)
        return;
    // The instant the due second really rings, also on the nights the clock
    // changes; a change of zone or of the catalogue gives another one. Kept
    // in UTC: two local times compare by their readings alone, so a moment
    // made in another zone would look the same.
    std::optional<QDateTime> wake = ringInstantOf(due, now);
    if (wake)
        wake = wake->addSecs(-WakeLeadSeconds).toUTC();
    if (wake == m_wakeArmedFor) {
        m_wakeBasis = basis;
        return;
    }
    if (wake && !m_wakeTimer->arm(*wake)) {
        // Not recorded as armed, so the next tick tries again.
        setWakeRefused(true);
        return;
    }
    if (!wake)
        m_wakeTimer->clear();
    m_wakeArmedFor = wake;
    m_wakeBasis = basis;
    setWakeRefused(false);
}

void AlarmEngine::sleepWhileHidden(const QList<ClockJumpSource *> &wakeSources)
{
    for (ClockJumpSource *source : wakeSources) {
        m_pacer->addJumpSource(source);
        // A new zone may move the due second's moment while the offset of now stays.
        connect(source, &ClockJumpSource::clockMayHaveJumped, this, [this]() { m_wakeBasis.reset(); });
    }
}
