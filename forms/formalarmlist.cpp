#include "formalarmlist.h"

#include "alarmlistmodel.h"
#include "alarmoptions.h"
#include "alarmrowactions.h"
#include "alarmrun.h"
#include "errorbox.h"
#include "filelocations.h"
#include "helplauncher.h"
#include "listkeyboard.h"
#include "ringingsession.h"
#include "tickpacer.h"
#include "waketimer.h"
#include "windowvisibility.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QTreeView>

TFormAlarmList::TFormAlarmList(AlarmEngine &engine, const DialogServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("FormAlarmList"));
    setWindowTitle(tr("Alarm Manager"));

    setFixedSize(467, 297);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QFont designFont = font();
    designFont.setPointSize(8);
    setFont(designFont);

    AlarmList = new QTreeView(this);
    AlarmList->setObjectName(QStringLiteral("AlarmList"));
    AlarmList->setGeometry(8, 16, 449, 233);
    m_listModel = new AlarmListModel(m_engine, this);
    AlarmList->setModel(m_listModel);
    AlarmList->setAccessibleName(tr("Alarms"));
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
    // Each caption's first letter is its access key (Alt+A, E, D, O): shown
    // underlined, the caption's text itself stays as designed.
    button(ButtonAdd, QStringLiteral("ButtonAdd"), tr("&Add"), QRect(16, 264, 57, 25));
    button(buttonEdit, QStringLiteral("buttonEdit"), tr("&Edit"), QRect(80, 264, 59, 25));
    button(ButtonDelete, QStringLiteral("ButtonDelete"), tr("&Delete"), QRect(144, 264, 59, 25));
    button(ButtonOK, QStringLiteral("ButtonOK"), tr("&OK"), QRect(376, 264, 75, 25));
    connect(ButtonAdd, &QPushButton::clicked, this, &TFormAlarmList::ButtonAddClick);
    connect(buttonEdit, &QPushButton::clicked, this, &TFormAlarmList::buttonEditClick);
    connect(ButtonDelete, &QPushButton::clicked, this, &TFormAlarmList::ButtonDeleteClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAlarmList::ButtonOKClick);
    // Offered in place of the note below for a while after a delete.
    button(ButtonUndo, QStringLiteral("ButtonUndo"), tr("&Undo"), QRect(210, 264, 59, 25));
    m_rowActions = new AlarmRowActions(m_engine, *this, *AlarmList, *ButtonUndo, [this]() { buttonEditClick(); });
    connect(m_listModel, &AlarmListModel::enabledToggled, this,
            [this](int row, bool on) { ErrorBox::guard(this, [this, row, on]() { m_engine.setEnabled(row, on); }); });
    // Without a mouse: the focus on the list selects a row, Return edits it, Delete deletes it.
    new ListKeyboard(
        AlarmList, [this]() { buttonEditClick(); }, [this]() { ButtonDeleteClick(); });

    // Said only where alarms can't wake the computer from sleep.
    LabelWake = new QLabel(this);
    LabelWake->setObjectName(QStringLiteral("LabelWake"));
    LabelWake->setGeometry(210, 260, 160, 32);
    LabelWake->setWordWrap(true);
    LabelWake->setText(tr("Alarms won't wake this computer from sleep. <a href=\"why\">Why?</a>"));
    LabelWake->hide();
    // Its link is reached with Tab and followed with Return, as a button is.
    LabelWake->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    LabelWake->setFocusPolicy(Qt::TabFocus);
    connect(LabelWake, &QLabel::linkActivated, this, &TFormAlarmList::explainWaking);
    connect(m_rowActions, &AlarmRowActions::undoOfferChanged, this, &TFormAlarmList::showWakeNote);
    // "Undo" and the note take turns in one place, both on the way of Tab.
    setTabOrder(AlarmList, ButtonAdd);
    setTabOrder(ButtonAdd, buttonEdit);
    setTabOrder(buttonEdit, ButtonDelete);
    setTabOrder(ButtonDelete, ButtonUndo);
    setTabOrder(ButtonUndo, LabelWake);
    setTabOrder(LabelWake, ButtonOK);

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

    connect(&m_engine, &AlarmEngine::managerCaptionChanged, this, &QWidget::setWindowTitle);
    connect(&m_engine, &AlarmEngine::errorOccurred, this,
            [this](const QString &message) { ErrorBox::show(this, message); });
    connect(&m_engine, &AlarmEngine::noticeOccurred, this,
            [this](const QString &message) { ErrorBox::notify(this, message); });
    connect(&m_engine, &AlarmEngine::wakingChanged, this, &TFormAlarmList::showWakeNote);
    m_engine.setEditorRunner([this](const EditorRequest &request) { return runEditor(request); });
    m_engine.setRinger([this](const RingingRequest &request) { ring(request); });

    FormCreate();
}

TFormAlarmList::~TFormAlarmList()
{
    // The engine may outlive this window; nothing it does may reach it any more.
    m_engine.setEditorRunner({});
    m_engine.setRinger({});
}

std::optional<EditorResult> TFormAlarmList::runEditor(const EditorRequest &request)
{
    std::optional<EditorResult> result;
    ErrorBox::guard(this, [&]() {
        TAlarmOptions editor(request, m_services, this);
        if (editor.exec() == QDialog::Accepted)
            result = editor.editorResult();
    });
    return result;
}

void TFormAlarmList::ring(const RingingRequest &request)
{
    ErrorBox::guard(this, [&]() {
        // The session outlives its window until what it changed of the
        // desktop's sound has been put back.
        auto *session = new RingingSession(request, m_services.ringing(), this);
        const auto over = qScopeGuard([this, session]() {
            // An answer meant for the next ringing must not reach this one.
            m_engine.disconnect(session);
            session->disconnect(&m_engine);
            session->stop();
            session->deleteWhenSettled();
        });
        // One route for every answer: the window's buttons call the session,
        // the notification, the command line and the bus reach it through
        // the engine.
        connect(&m_engine, &AlarmEngine::ringingAnswerRequested, session, &RingingSession::answer);
        // Whoever snoozed it, the engine tells those who listen (the bus).
        connect(session, &RingingSession::snoozed, &m_engine, &AlarmEngine::noteRingingSnoozed);
        TAlarmRun window(*session, m_services, this);
        m_ringingWindow = &window;
        window.exec();
    });
}

TAlarmRun *TFormAlarmList::ringingWindow() const
{
    return m_ringingWindow;
}

void TFormAlarmList::raiseRingingWindow()
{
    if (!m_ringingWindow)
        return;
    m_ringingWindow->raise();
    m_ringingWindow->activateWindow();
}

void TFormAlarmList::showWakeNote()
{
    const WakeTimer *timer = m_engine.wakeTimer();
    if (m_rowActions->canUndo()) {
        LabelWake->hide();
    } else if (m_engine.wakeRefused()) {
        LabelWake->setToolTip(tr("The system refused the moment to wake this computer."));
        LabelWake->show();
    } else if (timer && !timer->availability().permitted) {
        LabelWake->setToolTip(
            QStringLiteral("%1.\n%2").arg(timer->availability().reason, timer->availability().remedy));
        LabelWake->show();
    } else {
        LabelWake->hide();
    }
}

void TFormAlarmList::explainWaking()
{
    const WakeTimer *timer = m_engine.wakeTimer();
    if (!timer)
        return;
    WakeTimer::Availability availability = timer->availability();
    if (m_engine.wakeRefused())
        availability = {false, tr("the system refused the moment to wake it"), QString()};
    auto *box = new QMessageBox(QMessageBox::Information, windowTitle(),
                                tr("Alarms won't wake this computer from sleep: %1.\n\n%2%3"
                                   "Alarms whose time passes while it sleeps are announced when it wakes.")
                                    .arg(availability.reason, availability.remedy,
                                         availability.remedy.isEmpty() ? QString() : QStringLiteral("\n\n")),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TFormAlarmList::FormCreate()
{
    m_engine.start();
}

void TFormAlarmList::sleepWhileHidden(const QList<ClockJumpSource *> &wakeSources)
{
    m_engine.sleepWhileHidden(wakeSources);
    auto *visibility = new WindowVisibility(this);
    connect(visibility, &WindowVisibility::changed, &m_engine.pacer(), &TickPacer::setShown);
    m_engine.pacer().setShown(visibility->anyVisible());
}

void TFormAlarmList::TimerTimer()
{
    m_engine.tick();
}

void TFormAlarmList::ActionSystemTrayExecute()
{
    hide();
}

void TFormAlarmList::hideEvent(QHideEvent *event)
{
    // Out of sight, a delete can't be taken back any more.
    m_rowActions->forgetUndo();
    QWidget::hideEvent(event);
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
    canClose = m_engine.exitFlag();
}

void TFormAlarmList::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}

int TFormAlarmList::selectedRow() const
{
    const QModelIndexList rows = AlarmList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TFormAlarmList::selectRow(int row)
{
    if (row < 0 || row >= m_engine.catalogue().size()) {
        AlarmList->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = AlarmList->model()->index(row, 0);
    AlarmList->selectionModel()->setCurrentIndex(index,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TFormAlarmList::focusRow(int row)
{
    if (row < 0 || row >= m_engine.catalogue().size())
        return;
    selectRow(row);
    AlarmList->setFocus(Qt::OtherFocusReason);
}

void TFormAlarmList::ButtonAddClick()
{
    bool added = false;
    ErrorBox::guard(this, [this, &added]() { added = m_engine.addAlarm(); });
    // The new alarm is the last row; the next key acts on it.
    if (added)
        focusRow(m_engine.catalogue().size() - 1);
}

void TFormAlarmList::buttonEditClick()
{
    const int row = selectedRow();
    const int slot = row >= 0 && row < m_engine.catalogue().size() ? m_engine.catalogue().row(row).slot : -1;
    bool edited = false;
    ErrorBox::guard(this, [this, row, &edited]() { edited = m_engine.editAlarm(row); });
    if (!edited)
        return;
    // Found by its slot: while the editor was open, other rows may have come or gone.
    for (int at = 0; at < m_engine.catalogue().size(); ++at) {
        if (m_engine.catalogue().row(at).slot == slot) {
            focusRow(at);
            break;
        }
    }
}

void TFormAlarmList::ButtonDeleteClick()
{
    const int row = selectedRow();
    if (row >= 0)
        m_rowActions->deleteRow(row);
}

void TFormAlarmList::AlarmListDblClick()
{
    buttonEditClick();
    const int rows = m_engine.catalogue().size();
    if (selectedRow() < 0 && rows > 0) {
        selectRow(rows - 1);
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
    ErrorBox::guard(this, [this]() { HelpLauncher::showTopic(this, m_services.locations.helpFile()); });
}
