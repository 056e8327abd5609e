#pragma once

#include <QObject>
#include <functional>

class QAbstractItemView;

// Gives a list of rows what a person without a mouse needs: a row is
// selected as soon as the list has the focus (its current row, else the
// first), so that the buttons that act on "the selected row" act on the one
// the focus shows; Return and Enter open that row, Delete deletes it (and the
// row that takes its place is selected in turn).
class ListKeyboard final : public QObject
{
    Q_OBJECT

public:
    ListKeyboard(QAbstractItemView *list, std::function<void()> open, std::function<void()> remove);

    // Selects the current row (else the first) if none is; nothing in an empty list.
    void selectCurrentRow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *m_list;
    std::function<void()> m_open;
    std::function<void()> m_remove;
};
