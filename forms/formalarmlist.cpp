#include "formalarmlist.h"

#include "alarmfile.h"
#include "alarmoptions.h"
#include "alarmrun.h"
#include "apperror.h"
#include "audibleguard.h"
#include "clock.h"
#include "clockface.h"
#include "clockjumps.h"
#include "errorbox.h"
#include "filetransaction.h"
#include "helplauncher.h"
#include "textfile.h"
#include "tickpacer.h"
#include "tmediaplayer.h"
#include "waketimer.h"
#include "windowvisibility.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QTreeView>

namespace {
const QString kWorkingCopy = QStringLiteral("alarm.ini");
// Names every step of an Add, Edit or Delete while it is made; see FileTransaction.
const QString kJournalName = QStringLiteral("al.ini.journal");
} // namespace

TFormAlarmList::TFormAlarmList(const QString &programFolder, ClockFace &clockFace, const Clock &clock,
                               const DateTimeFormatter &formatter, QWidget *parent)
    : TFormAlarmList(FileLocations(programFolder), clockFace, clock, formatter, parent)
{
}

TFormAlarmList::TFormAlarmList(const FileLocations &locations, ClockFace &clockFace, const Clock &clock,
                               const DateTimeFormatter &formatter, QWidget *parent)
    : QWidget(parent, Qt::Window), m_locations(locations), m_clockFace(clockFace), m_clock(clock),
      m_formatter(formatter), m_scheduler(m_catalogue, clock, formatter)
{
    setObjectName(QStringLiteral("FormAlarmList"));
    setWindowTitle(QStringLiteral("Alarm Manager"));

    setFixedSize(467, 297);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);

    AlarmList = new QTreeView(this);
    AlarmList->setObjectName(QStringLiteral("AlarmList"));
    AlarmList->setGeometry(8, 16, 449, 233);
    AlarmList->setModel(&m_catalogue);
    AlarmList->setAccessibleName(QStringLiteral("Alarms"));
    AlarmList->setRootIsDecorated(false);
    AlarmList->setItemsExpandable(false);
    AlarmList->setUniformRowHeights(true);
    AlarmList->setAllColumnsShowFocus(true);
    AlarmList->setSortingEnabled(false);
    AlarmList->setSelectionBehavior(QAbstractItemView::SelectRows);
    AlarmList->setSelectionMode(QAbstractItemView::SingleSelection);
    AlarmList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AlarmList->header()->setSectionsMovable(false);
    AlarmList->header()->setStretchLastSection(false);
    const int widths[] = {180, 65, 90, 90};
    for (int column = 0; column < AlarmCatalogue::ColumnCount; ++column)
        AlarmList->setColumnWidth(column, widths[column]);
    // A double click anywhere in the list, on a row or below the last one.
    AlarmList->viewport()->installEventFilter(this);

    const auto button = [this](QPushButton *&member, const QString &name, const QString &caption, QRect place) {
        member = new QPushButton(caption, this);
        member->setObjectName(name);
        member->setGeometry(place);
    };
    button(ButtonAdd, QStringLiteral("ButtonAdd"), QStringLiteral("Add"), QRect(16, 264, 57, 25));
    button(buttonEdit, QStringLiteral("buttonEdit"), QStringLiteral("Edit"), QRect(80, 264, 59, 25));
    button(ButtonDelete, QStringLiteral("ButtonDelete"), QStringLiteral("Delete"), QRect(144, 264, 59, 25));
    button(ButtonOK, QStringLiteral("ButtonOK"), QStringLiteral("OK"), QRect(376, 264, 75, 25));
    connect(ButtonAdd, &QPushButton::clicked, this, &TFormAlarmList::ButtonAddClick);
    connect(buttonEdit, &QPushButton::clicked, this, &TFormAlarmList::buttonEditClick);
    connect(ButtonDelete, &QPushButton::clicked, this, &TFormAlarmList::ButtonDeleteClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAlarmList::ButtonOKClick);
    setTabOrder(AlarmList, ButtonAdd);
    setTabOrder(ButtonAdd, buttonEdit);
    setTabOrder(buttonEdit, ButtonDelete);
    setTabOrder(ButtonDelete, ButtonOK);

    // Said only where alarms can't wake the computer from sleep.
    LabelWake = new QLabel(this);
    LabelWake->setObjectName(QStringLiteral("LabelWake"));
    LabelWake->setGeometry(210, 260, 160, 32);
    LabelWake->setWordWrap(true);
    LabelWake->setText(QStringLiteral("Alarms won't wake this computer from sleep. <a href=\"why\">Why?</a>"));
    LabelWake->hide();
    connect(LabelWake, &QLabel::linkActivated, this, &TFormAlarmList::explainWaking);

    // The table that turns a frequency code into its name; never shown.
    Frequency = new QComboBox(this);
    Frequency->setObjectName(QStringLiteral("Frequency"));
    Frequency->addItems(frequencyNames());
    Frequency->hide();

    ActionSystemTray = new QAction(this);
    ActionSystemTray->setObjectName(QStringLiteral("ActionSystemTray"));
    connect(ActionSystemTray, &QAction::triggered, this, &TFormAlarmList::ActionSystemTrayExecute);

    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this]() { FormKeyDown(Qt::Key_F1); });

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(200);
    connect(Timer, &QTimer::timeout, this, &TFormAlarmList::TimerTimer);
    m_pacer = new TickPacer(*Timer, this);
    // A sleeping tick must look at the catalogue again when it changes.
    const auto catalogueChanged = [this]() {
        if (!m_pacer->isShown())
            m_pacer->wake();
    };
    connect(&m_catalogue, &QAbstractItemModel::rowsInserted, this, catalogueChanged);
    connect(&m_catalogue, &QAbstractItemModel::rowsRemoved, this, catalogueChanged);
    connect(&m_catalogue, &QAbstractItemModel::dataChanged, this, catalogueChanged);
    connect(&m_catalogue, &QAbstractItemModel::modelReset, this, catalogueChanged);
    connect(&m_scheduler, &AlarmScheduler::missed, this, &TFormAlarmList::alarmMissed);
    connect(&m_scheduler, &AlarmScheduler::moreMissed, this, &TFormAlarmList::moreAlarmsMissed);
    connect(&m_scheduler, &AlarmScheduler::rowError, this, &TFormAlarmList::reportRowError);
    m_playerFactory = [](QObject *owner) -> MediaPlayer * { return new TMediaPlayer(owner); };
    m_audibleGuardFactory = &AudibleGuard::create;
    m_ringer = [](TFormAlarmList &owner, const Occurrence &occurrence) {
        TAlarmRun window(owner, occurrence);
        window.exec();
    };
    m_editorRunner = [](TFormAlarmList &owner) {
        TAlarmOptions editor(owner);
        return editor.exec() == QDialog::Accepted;
    };

    FormCreate();
}

MediaPlayer *TFormAlarmList::makePlayer(QObject *parent) const
{
    return m_playerFactory(parent);
}

AudibleGuard *TFormAlarmList::makeAudibleGuard(QObject *parent) const
{
    return m_audibleGuardFactory(parent);
}

void TFormAlarmList::setWakeTimer(WakeTimer *timer)
{
    if (m_wakeTimer)
        disconnect(m_wakeTimer, &WakeTimer::fired, m_pacer, &TickPacer::wake);
    m_wakeTimer = timer;
    m_wakeArmedFor.reset();
    m_wakeBasis.reset();
    m_wakeRefused = false;
    const bool permitted = !timer || timer->availability().permitted;
    LabelWake->setVisible(!permitted);
    if (!permitted) {
        LabelWake->setToolTip(
            QStringLiteral("%1.\n%2").arg(timer->availability().reason, timer->availability().remedy));
        return;
    }
    if (timer) {
        // The moment came: whether the computer slept or not, look at the clock now.
        connect(timer, &WakeTimer::fired, m_pacer, &TickPacer::wake);
        armWakeTimer(m_clock.now(), m_scheduler.nextDueMoment());
    }
}

void TFormAlarmList::armWakeTimer(const QDateTime &now, const std::optional<QDateTime> &due)
{
    if (!m_wakeTimer || !m_wakeTimer->availability().permitted)
        return;
    const WakeBasis basis{due, now.offsetFromUtc()};
    if (basis == m_wakeBasis)
        return;
    std::optional<QDateTime> wake;
    if (due) {
        // The wall-clock second as a real moment in today's time zone; a
        // change of zone or of the catalogue gives another one.
        // Kept as an instant: two local times compare by their readings
        // alone, so a moment made in another zone would look the same.
        wake = QDateTime(due->date(), due->time(), Qt::LocalTime).addSecs(-WakeLeadSeconds).toUTC();
    }
    if (wake == m_wakeArmedFor) {
        m_wakeBasis = basis;
        return;
    }
    if (wake && !m_wakeTimer->arm(*wake)) {
        // Not recorded as armed, so the next tick tries again; said once.
        if (!m_wakeRefused) {
            m_wakeRefused = true;
            LabelWake->setToolTip(QStringLiteral("The system refused the moment to wake this computer."));
            LabelWake->show();
        }
        return;
    }
    if (!wake)
        m_wakeTimer->clear();
    m_wakeArmedFor = wake;
    m_wakeBasis = basis;
    if (std::exchange(m_wakeRefused, false))
        LabelWake->hide();
}

void TFormAlarmList::explainWaking()
{
    if (!m_wakeTimer)
        return;
    WakeTimer::Availability availability = m_wakeTimer->availability();
    if (m_wakeRefused)
        availability = {false, QStringLiteral("the system refused the moment to wake it"), QString()};
    auto *box = new QMessageBox(QMessageBox::Information, windowTitle(),
                                QStringLiteral("Alarms won't wake this computer from sleep: %1.\n\n%2%3"
                                               "Alarms whose time passes while it sleeps are announced when it wakes.")
                                    .arg(availability.reason, availability.remedy,
                                         availability.remedy.isEmpty() ? QString() : QStringLiteral("\n\n")),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString TFormAlarmList::cataloguePath() const
{
    return m_locations.catalogue();
}

void TFormAlarmList::FormCreate()
{
    m_exitFlag = false;
    ErrorBox::guard(this, [this]() {
        // A change cut short by a crash or a kill is finished or undone
        // before anything is read.
        QStringList names{QFileInfo(m_locations.catalogue()).fileName(), kWorkingCopy,
                          QFileInfo(m_locations.clockSettings()).fileName()};
        for (int slot = 0; slot < AlarmCatalogue::SlotCount; ++slot)
            names << slotFileName(slot);
        FileTransaction::recover(m_locations.dataFolder(), kJournalName, names);
    });
    m_catalogueUnreadable = !ErrorBox::guard(this, [this]() { m_catalogue.read(cataloguePath()); });
    // The rows read before a bad line are kept and scheduled.
    refreshNextAlarm();
    Timer->start();
}

void TFormAlarmList::sleepWhileHidden(const QList<ClockJumpSource *> &wakeSources)
{
    for (ClockJumpSource *source : wakeSources) {
        m_pacer->addJumpSource(source);
        // A new zone may move the due second's moment while the offset of now stays.
        connect(source, &ClockJumpSource::clockMayHaveJumped, this, [this]() { m_wakeBasis.reset(); });
    }
    auto *visibility = new WindowVisibility(this);
    connect(visibility, &WindowVisibility::changed, m_pacer, &TickPacer::setShown);
    m_pacer->setShown(visibility->anyVisible());
}

void TFormAlarmList::refreshNextAlarm()
{
    showDisplay(m_scheduler.refresh());
}

void TFormAlarmList::showDisplay(const AlarmScheduler::Display &display)
{
    m_clockFace.setDisplayLine(1, display.clockLine);
    m_clockFace.setDisplayLine(2, display.marqueeLine);
    if (display.managerCaption)
        setWindowTitle(*display.managerCaption);
}

void TFormAlarmList::TimerTimer()
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
    if (!m_ringingFlag && !m_ringPosted && m_scheduler.pendingCount() > 0) {
        m_ringPosted = true;
        QMetaObject::invokeMethod(this, &TFormAlarmList::ringPending, Qt::QueuedConnection);
    }
    const std::optional<QDateTime> nextDue = m_scheduler.nextDueMoment();
    m_pacer->ticked(now, nextDue);
    armWakeTimer(now, nextDue);
}

void TFormAlarmList::ringPending()
{
    m_ringPosted = false;
    while (!m_ringingFlag) {
        const std::optional<Occurrence> next = m_scheduler.takeNext();
        if (!next)
            break;
        ringOccurrence(*next);
    }
}

void TFormAlarmList::ringOccurrence(const Occurrence &occurrence)
{
    // An alarm may ring while the editor is open on the working copy; the
    // editor's file name must be the same again when the ringing is over.
    const QString editorFileName = m_currentAlarmFileName;
    m_currentAlarmFileName = slotFileName(occurrence.slot);
    m_currentDueMoment = occurrence.due;
    m_ringingFlag = true;
    emit alarmRinging(occurrence.caption, m_formatter.longTime(occurrence.due.time()));
    ErrorBox::guard(this, [this, &occurrence]() { m_ringer(*this, occurrence); });
    m_ringingFlag = false;
    emit alarmRingingEnded();
    m_currentAlarmFileName = editorFileName;
}

void TFormAlarmList::reportRowError(const QString &message)
{
    // Shown after the tick, so a box never holds the scheduler up.
    QTimer::singleShot(0, this, [this, message]() { ErrorBox::show(this, message); });
}

void TFormAlarmList::saveCatalogue() const
{
    m_catalogue.write(cataloguePath());
}

void TFormAlarmList::ActionSystemTrayExecute()
{
    hide();
}

void TFormAlarmList::ButtonOKClick()
{
    close();
}

void TFormAlarmList::showAndRaise()
{
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void TFormAlarmList::FormCloseQuery(bool &canClose)
{
    ActionSystemTrayExecute();
    canClose = m_exitFlag;
}

bool TFormAlarmList::FormClose()
{
    return ErrorBox::guard(this, [this]() { saveCatalogue(); });
}

void TFormAlarmList::beginUnattendedEnd()
{
    m_exitFlag = true;
    m_endingUnattended = true;
    hide();
}

void TFormAlarmList::closeEvent(QCloseEvent *event)
{
    if (m_endingUnattended) {
        event->accept();
        return;
    }
    bool canClose = true;
    FormCloseQuery(canClose);
    // A close that fails to save the catalogue is no close: the exit stops here.
    if (canClose && FormClose())
        event->accept();
    else
        event->ignore();
}

int TFormAlarmList::selectedRow() const
{
    const QModelIndexList rows = AlarmList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFormAlarmList::selectRow(int row)
{
    if (row < 0 || row >= m_catalogue.size()) {
        AlarmList->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_catalogue.index(row, 0);
    AlarmList->selectionModel()->setCurrentIndex(index,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool TFormAlarmList::runEditor()
{
    bool accepted = false;
    ErrorBox::guard(this, [this, &accepted]() { accepted = m_editorRunner(*this); });
    return accepted;
}

void TFormAlarmList::copyAlarmFile(const QString &from, const QString &to) const
{
    TextFile::writeAtomically(m_locations.dataFile(to),
                              TextFile::readBytes(m_locations.dataFile(from), AlarmFile::limits().maxBytes()));
}

bool TFormAlarmList::commitChange(const QList<CatalogueRow> &rows, const std::optional<int> &writtenSlot,
                                  const std::optional<int> &removedSlot)
{
    // The slot's file and the list change together or not at all: the
    // list on the screen is changed only when the files on the disk are.
    FileTransaction change(m_locations.dataFolder(), kJournalName);
    const bool done = ErrorBox::guard(this, [&]() {
        try {
            if (writtenSlot) {
                change.replace(slotFileName(*writtenSlot), TextFile::readBytes(m_locations.dataFile(kWorkingCopy),
                                                                               AlarmFile::limits().maxBytes()));
            }
            change.replace(QFileInfo(m_locations.catalogue()).fileName(), AlarmCatalogue::encode(rows));
            if (removedSlot)
                change.remove(slotFileName(*removedSlot));
            change.commit();
        } catch (const AppError &error) {
            if (!change.committed())
                throw;
            ErrorBox::show(this, error.message());
        }
    });
    if (!done && !change.committed())
        return false;
    m_catalogueUnreadable = false;
    return true;
}

void TFormAlarmList::ButtonAddClick()
{
    QDir::setCurrent(m_locations.dataFolder());
    // Say so at once rather than after the user has filled in a whole alarm.
    if (!m_catalogue.lowestFreeSlot()) {
        ErrorBox::show(this, QStringLiteral("All %1 alarms are in use. Delete an alarm before adding a new one.")
                                 .arg(AlarmCatalogue::SlotCount));
        return;
    }
    m_newAlarmFlag = true;
    m_currentAlarmFileName = kWorkingCopy;
    const bool accepted = runEditor();
    QDir::setCurrent(m_locations.dataFolder());
    if (accepted) {
        const int slot = *m_catalogue.lowestFreeSlot();
        const CatalogueRow added = CatalogueRow::fromEditorResult(m_editorResult, slot, m_formatter);
        if (commitChange(m_catalogue.rows() + QList<CatalogueRow>{added}, slot, std::nullopt))
            m_catalogue.appendRow(added);
    }
    refreshNextAlarm();
}

void TFormAlarmList::buttonEditClick()
{
    QDir::setCurrent(m_locations.dataFolder());
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString slotText = m_catalogue.row(row).slot;
    const int slot = slotText.toInt();
    try {
        copyAlarmFile(slotFileName(slot), kWorkingCopy);
    } catch (const AppError &) {
        // Never show another alarm's settings: without its file the editor
        // reports the missing file and starts from its defaults.
        QFile::remove(m_locations.dataFile(kWorkingCopy));
    }
    m_catalogue.setSlotInUse(slot, true);
    m_newAlarmFlag = false;
    m_currentAlarmFileName = kWorkingCopy;
    const bool accepted = runEditor();
    QDir::setCurrent(m_locations.dataFolder());
    if (accepted) {
        CatalogueRow changed = CatalogueRow::fromEditorResult(m_editorResult, slot, m_formatter);
        changed.slot = slotText;
        QList<CatalogueRow> rows = m_catalogue.rows();
        rows[row] = changed;
        if (commitChange(rows, slot, std::nullopt)) {
            m_catalogue.setSlotInUse(slot, true);
            m_catalogue.replaceRow(row, changed);
        }
    }
    refreshNextAlarm();
}

void TFormAlarmList::ButtonDeleteClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QList<CatalogueRow> rows = m_catalogue.rows();
    const int slot = rows.takeAt(row).slot.toInt();
    if (commitChange(rows, std::nullopt, slot))
        m_catalogue.removeRowAt(row);
}

void TFormAlarmList::AlarmListDblClick()
{
    buttonEditClick();
    if (selectedRow() < 0 && m_catalogue.size() > 0) {
        selectRow(m_catalogue.size() - 1);
        AlarmList->setFocus();
    }
}

bool TFormAlarmList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == AlarmList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click below the last row selects nothing, as in every list.
        if (!AlarmList->indexAt(mouse->position().toPoint()).isValid())
            selectRow(-1);
        AlarmListDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFormAlarmList::FormKeyDown(int key)
{
    if (key != Qt::Key_F1)
        return;
    ErrorBox::guard(this, [this]() { HelpLauncher::showTopic(this, m_locations.helpFile()); });
}
