#include "listkeyboard.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QKeyEvent>

namespace {

// -1 for a first cell that has no box the user may tick.
int checkOf(const QAbstractItemModel &model, int row)
{
    const QModelIndex cell = model.index(row, 0);
    if (!cell.flags().testFlag(Qt::ItemIsUserCheckable))
        return -1;
    return cell.data(Qt::CheckStateRole).toInt();
}

} // namespace

ListKeyboard::ListKeyboard(QAbstractItemView *list, std::function<void()> open, std::function<void()> remove)
    : QObject(list), m_list(list), m_open(std::move(open)), m_remove(std::move(remove))
{
    list->installEventFilter(this);
    if (QAbstractItemModel *model = list->model()) {
        rememberChecks();
        // The view repaints a changed box but tells a screen reader nothing of it.
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                    if (topLeft.column() == 0 && (roles.isEmpty() || roles.contains(Qt::CheckStateRole)))
                        announceCheckChanges(topLeft.row(), bottomRight.row());
                });
        connect(model, &QAbstractItemModel::rowsInserted, this, &ListKeyboard::rememberChecks);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ListKeyboard::rememberChecks);
        connect(model, &QAbstractItemModel::rowsMoved, this, &ListKeyboard::rememberChecks);
        connect(model, &QAbstractItemModel::modelReset, this, &ListKeyboard::rememberChecks);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ListKeyboard::rememberChecks);
    }
}

void ListKeyboard::rememberChecks()
{
    const QAbstractItemModel &model = *m_list->model();
    m_checks.resize(model.rowCount());
    for (int row = 0; row < m_checks.size(); ++row)
        m_checks[row] = checkOf(model, row);
}

void ListKeyboard::announceCheckChanges(int firstRow, int lastRow)
{
    const QAbstractItemModel &model = *m_list->model();
    if (m_checks.size() != model.rowCount())
        rememberChecks();
    for (int row = qMax(firstRow, 0); row <= lastRow && row < m_checks.size(); ++row) {
        const int check = checkOf(model, row);
        if (check == m_checks[row])
            continue;
        m_checks[row] = check;
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(m_list);
        QAccessibleTableInterface *table = view ? view->tableInterface() : nullptr;
        QAccessibleInterface *cell = table ? table->cellAt(row, 0) : nullptr;
        if (!cell)
            continue;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(m_list, changed);
        event.setChild(view->indexOfChild(cell));
        QAccessible::updateAccessibility(&event);
    }
}

void ListKeyboard::selectCurrentRow()
{
    const QAbstractItemModel *model = m_list->model();
    QItemSelectionModel *selection = m_list->selectionModel();
    if (!model || !selection || model->rowCount() == 0)
        return;
    QModelIndex row = m_list->currentIndex();
    if (!row.isValid())
        row = model->index(0, 0);
    if (!selection->isRowSelected(row.row(), row.parent()))
        selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool ListKeyboard::toggleCurrentRow()
{
    QAbstractItemModel *model = m_list->model();
    const QModelIndex current = m_list->currentIndex();
    if (!model || !current.isValid())
        return false;
    const QModelIndex box = model->index(current.row(), 0);
    const Qt::ItemFlags flags = box.flags();
    if (!flags.testFlag(Qt::ItemIsUserCheckable) || !flags.testFlag(Qt::ItemIsEnabled))
        return false;
    // The screen reader hears of the box where the focus is: on the box's own cell.
    if (current != box)
        m_list->selectionModel()->setCurrentIndex(box, QItemSelectionModel::NoUpdate);
    const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    return true;
}

bool ListKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        selectCurrentRow();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_open)
            m_open();
        return true;
    case Qt::Key_Delete:
        if (m_remove)
            m_remove();
        if (m_list->hasFocus())
            selectCurrentRow();
        return true;
    case Qt::Key_Space:
        return toggleCurrentRow();
    default:
        return false;
    }
}
