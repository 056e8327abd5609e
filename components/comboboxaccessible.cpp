#include "comboboxaccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

ComboBoxAccessible::ComboBoxAccessible(QComboBox *comboBox) : QAccessibleWidget(comboBox, QAccessible::ComboBox) {}

QComboBox *ComboBoxAccessible::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QString ComboBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return comboBox()->currentText();
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    QString name = comboBox()->accessibleName();
    if (name.isEmpty() && comboBox()->parentWidget()) {
        for (const QLabel *label : comboBox()->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
            if (label->buddy() == comboBox()) {
                // Shown with its access key underlined, read without the "&".
                name = label->text();
                name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
                break;
            }
        }
    }
    // A label padded with spaces for the layout is read without them.
    return name.trimmed();
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = comboBox()->view() && comboBox()->view()->isVisible();
    state.editable = comboBox()->isEditable();
    return state;
}

int ComboBoxAccessible::childCount() const
{
    return comboBox()->view() ? 1 : 0;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    return index == 0 && comboBox()->view() ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && comboBox()->view() && child->object() == comboBox()->view() ? 0 : -1;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (comboBox()->view() && comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}

void *ComboBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ComboBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString shown = comboBox()->currentText();
    if (startOffset < 0 || endOffset < startOffset || startOffset > shown.size())
        return {};
    return shown.mid(startOffset, endOffset - startOffset);
}

int ComboBoxAccessible::characterCount() const
{
    return int(comboBox()->currentText().size());
}

QString ComboBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void ComboBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
                return new ComboBoxAccessible(static_cast<QComboBox *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
