#include "windowvisibility.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>

WindowVisibility::WindowVisibility(QObject *parent) : QObject(parent)
{
    m_recount = new QTimer(this);
    m_recount->setSingleShot(true);
    m_recount->setInterval(0);
    connect(m_recount, &QTimer::timeout, this, &WindowVisibility::recount);
    qApp->installEventFilter(this);
    const QWidgetList windows = QApplication::topLevelWidgets();
    m_anyVisible = std::any_of(windows.begin(), windows.end(), [](const QWidget *w) { return counts(*w); });
}

bool WindowVisibility::counts(const QWidget &window)
{
    if (!window.isWindow() || !window.isVisible() || window.isMinimized())
        return false;
    const Qt::WindowType type = window.windowType();
    if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
        return false;
    // The XEmbed tray icon is a top-level widget living inside the tray. The
    // ringing window shows a clock of its own, on a timer of its own: nothing
    // it shows needs the scheduler's quick tick.
    return !window.inherits("QSystemTrayIconSys") && !window.inherits("TAlarmRun");
}

bool WindowVisibility::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow() && !m_recount->isActive())
            m_recount->start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowVisibility::recount()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool any = std::any_of(windows.begin(), windows.end(), [](const QWidget *w) { return counts(*w); });
    if (any == m_anyVisible)
        return;
    m_anyVisible = any;
    emit changed(any);
}
