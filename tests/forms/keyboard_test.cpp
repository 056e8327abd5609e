// What a person without a mouse, or with a screen reader, gets from the
// helpers the windows share: a list whose focus selects a row and whose
// Return and Delete act on it, and drop-down lists named by their labels.

#include "comboboxaccessible.h"
#include "listkeyboard.h"
#include "qtprint.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

TEST(ListKeyboard, FocusSelectsARowReturnOpensItAndDeleteDeletesRowAfterRow)
{
    QWidget window;
    QStringListModel model({QStringLiteral("Wake up"), QStringLiteral("Tea"), QStringLiteral("Bed")});
    auto *list = new QListView(&window);
    list->setModel(&model);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *button = new QPushButton(QStringLiteral("Add"), &window);
    button->move(0, 200);
    QStringList opened;
    const auto selected = [&] {
        const QModelIndexList rows = list->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().data().toString() : QString();
    };
    new ListKeyboard(
        list, [&] { opened << selected(); },
        [&] { model.removeRow(list->selectionModel()->selectedRows().value(0, QModelIndex()).row()); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    // At open the list has the focus, and with it its first row.
    EXPECT_TRUE(list->hasFocus());
    EXPECT_EQ(selected(), QStringLiteral("Wake up"));

    // Away and back with no row selected: the current one is selected again,
    // so that Edit and Delete have the row the focus shows.
    button->setFocus();
    list->clearSelection();
    EXPECT_EQ(selected(), QString());
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(selected(), QStringLiteral("Wake up"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selected(), QStringLiteral("Tea"));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("Tea"), QStringLiteral("Tea")}));

    // Delete twice: the row that takes the place of a deleted one is selected in turn.
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(model.stringList(), (QStringList{QStringLiteral("Wake up"), QStringLiteral("Bed")}));
    EXPECT_FALSE(selected().isEmpty());
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(model.stringList().size(), 1);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_TRUE(model.stringList().isEmpty());
    QTest::keyClick(list, Qt::Key_Delete); // an empty list: nothing to delete, nothing breaks
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(opened.size(), 3);
    EXPECT_EQ(opened.last(), QString());

    // Return with a modifier is not the list's.
    model.setStringList({QStringLiteral("Again")});
    QTest::keyClick(list, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(opened.size(), 3);
}

// Space ticks or clears the box of the focused row from whichever of its
// cells has the focus, and leaves the focus on the box, whose checked state
// a screen reader reads; a row without a box is left alone.
TEST(ListKeyboard, SpaceTogglesTheRowsBoxWithTheFocusOnIt)
{
    QWidget window;
    QStandardItemModel model(0, 2);
    for (const bool checkable : {true, true, false}) {
        auto *first = new QStandardItem(QStringLiteral("alarm"));
        first->setCheckable(checkable);
        if (checkable)
            first->setCheckState(Qt::Checked);
        model.appendRow({first, new QStandardItem(QStringLiteral("Daily"))});
    }
    auto *list = new QTreeView(&window);
    list->setModel(&model);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    new ListKeyboard(list, {}, {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(view, nullptr);

    const struct
    {
        int row;
        int column;
        Qt::CheckState after;
        bool checkable;
    } presses[] = {{0, 0, Qt::Unchecked, true}, {0, 1, Qt::Checked, true},    {1, 1, Qt::Unchecked, true},
                   {1, 0, Qt::Checked, true},   {2, 0, Qt::Unchecked, false}, {2, 1, Qt::Unchecked, false}};
    for (const auto &press : presses) {
        SCOPED_TRACE(testing::Message() << "row " << press.row << ", column " << press.column);
        list->setCurrentIndex(model.index(press.row, press.column));
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_EQ(model.index(press.row, 0).data(Qt::CheckStateRole).toInt(), press.after);
        QAccessibleInterface *cell = view->tableInterface()->cellAt(press.row, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->state().checkable, press.checkable);
        EXPECT_EQ(cell->state().checked, press.after == Qt::Checked);
        if (press.checkable) {
            EXPECT_EQ(list->currentIndex(), model.index(press.row, 0)) << "the focus is not on the box that changed";
        }
    }
}

TEST(ComboBoxAccessible, NamedByItsLabelWithTheShownEntryAsValue)
{
    ComboBoxAccessible::install();
    QWidget window;
    auto *label = new QLabel(QStringLiteral("Alarm &Frequency: "), &window);
    auto *frequency = new QComboBox(&window);
    frequency->addItems({QStringLiteral("Once"), QStringLiteral("Weekly")});
    frequency->setCurrentIndex(1);
    label->setBuddy(frequency);
    auto *unlabelled = new QComboBox(&window);
    unlabelled->addItem(QStringLiteral("Sound 1"));
    unlabelled->setAccessibleName(QStringLiteral(" Alarm sound "));

    QAccessibleInterface *combo = QAccessible::queryAccessibleInterface(frequency);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->role(), QAccessible::ComboBox);
    EXPECT_EQ(combo->text(QAccessible::Name), QStringLiteral("Alarm Frequency:"));
    EXPECT_EQ(combo->text(QAccessible::Value), QStringLiteral("Weekly"));
    frequency->setCurrentIndex(0);
    EXPECT_EQ(combo->text(QAccessible::Value), QStringLiteral("Once"));
    // Where screen readers read what a combo box shows: its text.
    QAccessibleTextInterface *text = combo->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("Once"));
    // Its list is its one child, where a screen reader finds the entries.
    ASSERT_EQ(combo->childCount(), 1);
    EXPECT_EQ(combo->child(0)->object(), frequency->view());
    EXPECT_EQ(combo->indexOfChild(combo->child(0)), 0);
    EXPECT_TRUE(combo->state().expandable);

    EXPECT_EQ(QAccessible::queryAccessibleInterface(unlabelled)->text(QAccessible::Name),
              QStringLiteral("Alarm sound"));
}
