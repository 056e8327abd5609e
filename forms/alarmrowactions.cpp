#include "alarmrowactions.h"

#include "clock.h"
#include "errorbox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>

namespace {

std::optional<QDate> askForDay(QWidget *parent, const QDate &suggested)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("AlarmRowActions", "Pause Alarm"));
    auto *day = new QDateEdit(suggested, &dialog);
    day->setObjectName(QStringLiteral("PauseUntil"));
    day->setCalendarPopup(true);
    day->setMinimumDate(suggested.addDays(-6));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QFormLayout(&dialog);
    layout->addRow(QCoreApplication::translate("AlarmRowActions", "&Rings again on:"), day);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return day->date();
}

} // namespace

AlarmRowActions::AlarmRowActions(AlarmEngine &engine, QWidget &window, QTreeView &list, QPushButton &undoButton,
                                 std::function<void()> edit)
    : QObject(&window), m_engine(engine), m_window(window), m_list(list), m_undoButton(undoButton),
      m_dayChooser(&askForDay)
{
    const auto action = [this](const QString &name, const QString &text, const QKeySequence &keys,
                               void (AlarmRowActions::*handler)(int)) {
        auto *a = new QAction(text, &m_window);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(a);
        connect(a, &QAction::triggered, this, [this, handler]() {
            if (const int row = currentRow(); row >= 0)
                (this->*handler)(row);
        });
        return a;
    };
    m_on = action(QStringLiteral("ActionOn"), tr("&On"), QKeySequence(), &AlarmRowActions::toggleEnabled);
    m_on->setCheckable(true);
    m_skip = action(QStringLiteral("ActionSkip"), tr("&Skip next"), QKeySequence(Qt::CTRL | Qt::Key_K),
                    &AlarmRowActions::skipNext);
    m_pause = action(QStringLiteral("ActionPause"), tr("&Pause until..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                     &AlarmRowActions::pause);
    m_resume = action(QStringLiteral("ActionResume"), tr("&Resume"), QKeySequence(Qt::CTRL | Qt::Key_R),
                      &AlarmRowActions::resume);
    // Without shortcuts of their own: Return and Delete on the list do the
    // same, and a window-wide Delete would reach rows from other controls.
    m_edit = new QAction(tr("&Edit"), &m_window);
    m_edit->setObjectName(QStringLiteral("ActionEdit"));
    connect(m_edit, &QAction::triggered, this, [edit = std::move(edit)]() {
        if (edit)
            edit();
    });
    m_delete = action(QStringLiteral("ActionDelete"), tr("&Delete"), QKeySequence(), &AlarmRowActions::deleteRow);
    m_undo = new QAction(tr("&Undo"), &m_window);
    m_undo->setObjectName(QStringLiteral("ActionUndo"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setShortcutContext(Qt::WindowShortcut);
    m_undo->setEnabled(false);
    m_window.addAction(m_undo);
    connect(m_undo, &QAction::triggered, this, &AlarmRowActions::undoDelete);
    connect(&m_undoButton, &QPushButton::clicked, this, &AlarmRowActions::undoDelete);
    m_undoButton.hide();

    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("RowMenu"));
    m_menu->addAction(m_edit);
    m_menu->addSeparator();
    m_menu->addActions({m_on, m_skip, m_pause, m_resume});
    m_menu->addSeparator();
    m_menu->addActions({m_delete, m_undo});
    connect(m_menu, &QMenu::aboutToShow, this, &AlarmRowActions::updateMenu);
    m_list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateMenu();
        m_menu->popup(m_list.viewport()->mapToGlobal(at));
    });

    // Any other change of the list ends the offer to undo.
    const auto changed = [this]() {
        if (!m_restoring)
            forgetUndo();
    };
    connect(&m_engine.catalogue(), &QAbstractItemModel::rowsInserted, this, changed);
    connect(&m_engine.catalogue(), &QAbstractItemModel::dataChanged, this, changed);
    connect(&m_engine.catalogue(), &QAbstractItemModel::modelReset, this, changed);
    connect(&m_engine.states(), &AlarmStates::changed, this, changed);
}

int AlarmRowActions::currentRow() const
{
    const QModelIndexList rows = m_list.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AlarmRowActions::updateMenu()
{
    const int row = currentRow();
    const bool any = row >= 0;
    const AlarmState state = m_engine.stateOfRow(row);
    for (QAction *a : {m_edit, m_delete, m_on, m_skip, m_pause})
        a->setEnabled(any);
    m_on->setChecked(any && state.enabled);
    m_resume->setEnabled(any && (state.skippedDue || state.pausedUntil));
}

void AlarmRowActions::perform(const std::function<void()> &change)
{
    ErrorBox::guard(&m_window, change);
}

void AlarmRowActions::toggleEnabled(int row)
{
    const bool on = m_engine.stateOfRow(row).enabled;
    perform([this, row, on]() { m_engine.setEnabled(row, !on); });
}

void AlarmRowActions::skipNext(int row)
{
    perform([this, row]() { m_engine.skipNext(row); });
}

void AlarmRowActions::pause(int row)
{
    const QDate tomorrow = m_engine.clock().now().date().addDays(1);
    const AlarmState state = m_engine.stateOfRow(row);
    const std::optional<QDate> until = m_dayChooser(&m_window, state.pausedUntil.value_or(tomorrow.addDays(6)));
    if (until)
        perform([this, row, &until]() { m_engine.pauseUntil(row, *until); });
}

void AlarmRowActions::resume(int row)
{
    perform([this, row]() { m_engine.resume(row); });
}

void AlarmRowActions::deleteRow(int row)
{
    forgetUndo();
    perform([this, row]() { m_deleted = m_engine.deleteAlarmKeepingIt(row); });
    // A delete whose alarm file could not be read can't be brought back whole.
    if (m_deleted && m_deleted->file.isEmpty())
        m_deleted.reset();
    m_undo->setEnabled(m_deleted.has_value());
    m_undoButton.setVisible(m_deleted.has_value());
    if (m_deleted)
        emit undoOfferChanged(true);
}

void AlarmRowActions::undoDelete()
{
    if (!m_deleted)
        return;
    const AlarmEngine::DeletedAlarm deleted = *m_deleted;
    m_restoring = true;
    const bool done = ErrorBox::guard(&m_window, [this, &deleted]() { m_engine.restoreAlarm(deleted); });
    m_restoring = false;
    forgetUndo();
    if (done) {
        m_list.selectionModel()->setCurrentIndex(
            m_list.model()->index(qBound(0, deleted.row, m_list.model()->rowCount() - 1), 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void AlarmRowActions::forgetUndo()
{
    if (!m_deleted && !m_undoButton.isVisible())
        return;
    m_deleted.reset();
    m_undo->setEnabled(false);
    m_undoButton.hide();
    emit undoOfferChanged(false);
}
