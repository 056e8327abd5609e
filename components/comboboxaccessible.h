#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader learns of a drop-down list. Qt names a combo box on
// Linux by the entry it shows, so "Alarm Frequency:" set to "Weekly" was read
// as "Weekly combo box". This one is named like any other field: by its
// accessible name, else by the label whose buddy it is; the entry it shows is
// its value, and its list (the popup's view) is its one child, as in Qt's own.
class ComboBoxAccessible final : public QAccessibleWidget
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

    // Lets Qt make one of these for every combo box made after it.
    static void install();

private:
    QComboBox *comboBox() const;
};
