#include "pagecontrolaccessible.h"

#include <QTabWidget>

PageControlAccessible::PageControlAccessible(QTabWidget *pageControl)
    : QAccessibleWidget(pageControl, QAccessible::Grouping)
{
}

QAccessible::State PageControlAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // The tab row, the focus proxy, has the focus; it says so itself.
    state.focused = false;
    return state;
}

void PageControlAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String("QTabWidget") && object && object->isWidgetType())
                return new PageControlAccessible(static_cast<QTabWidget *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}
