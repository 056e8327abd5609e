#include "listkeyboard.h"

#include <QAbstractItemView>
#include <QKeyEvent>

ListKeyboard::ListKeyboard(QAbstractItemView *list, std::function<void()> open, std::function<void()> remove)
    : QObject(list), m_list(list), m_open(std::move(open)), m_remove(std::move(remove))
{
    list->installEventFilter(this);
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
    default:
        return false;
    }
}
