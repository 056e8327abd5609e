#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAbstractItemView;

// Gives a list of rows what a person without a mouse needs: a row is
// selected as soon as the list has the focus (its current row, else the
// first), so that the buttons that act on "the selected row" act on the one
// the focus shows; Return and Enter open that row, Delete deletes it (and the
// row that takes its place is selected in turn). Where a row's first cell
// carries a check box, Space ticks or clears it from any column, and every
// change of that box is told to a screen reader, which says "checked" or
// "not checked" as it does for a check box.
class ListKeyboard final : public QObject
{
    Q_OBJECT

public:
    // The list's model is set before: its boxes are watched from here on.
    ListKeyboard(QAbstractItemView *list, std::function<void()> open, std::function<void()> remove);

    // Selects the current row (else the first) if none is; nothing in an empty list.
    void selectCurrentRow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Ticks or clears the box of the current row; false when the row has none.
    bool toggleCurrentRow();
    // What the first cells' boxes say now, to tell a change from a repaint.
    void rememberChecks();
    void announceCheckChanges(int firstRow, int lastRow);

    QAbstractItemView *m_list;
    std::function<void()> m_open;
    std::function<void()> m_remove;
    QList<int> m_checks;
};
