#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader learns of a drop-down list. Qt names a combo box on
// Linux by the entry it shows, so "Alarm Frequency:" set to "Weekly" was read
// as "Weekly combo box". This one is named like any other field: by its
// accessible name, else by the label whose buddy it is; the entry it shows is
// its value and its (read-only) text, where screen readers look for it, and
// its list (the popup's view) is its one child, as in Qt's own.
class ComboBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboBoxAccessible(QComboBox *comboBox);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // The text shown, which can't be selected or changed here.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // Lets Qt make one of these for every combo box made after it.
    static void install();

private:
    QComboBox *comboBox() const;
};
