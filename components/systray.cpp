#include "systray.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QMenu>
#include <QSystemTrayIcon>

TSysTray::TSysTray(QObject *parent) : QObject(parent), m_trayIcon(new QSystemTrayIcon(this))
{
    // Asked before Qt asks, so that both see the same session.
    isStatusNotifierItem();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        Activation activation = Activation::Other;
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            activation = Activation::Trigger;
            break;
        case QSystemTrayIcon::Context:
            activation = Activation::Context;
            break;
        case QSystemTrayIcon::DoubleClick:
            activation = Activation::DoubleClick;
            break;
        default:
            break;
        }
        handleActivation(activation, QCursor::pos());
    });
}

TSysTray::~TSysTray()
{
    m_trayIcon->hide();
}

void TSysTray::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        modify();
        m_trayIcon->show();
    } else {
        m_trayIcon->hide();
    }
}

void TSysTray::setIcon(const QIcon &icon)
{
    m_icon = icon;
    modify();
}

void TSysTray::setHint(const QString &hint)
{
    m_hint = hint.left(MaxHintLength);
    modify();
}

void TSysTray::modify()
{
    // While inactive the values are only kept; they appear on activation.
    if (!m_active)
        return;
    m_trayIcon->setIcon(m_icon);
    m_trayIcon->setToolTip(m_hint);
}

bool TSysTray::isShown() const
{
    return m_trayIcon->isVisible();
}

namespace {
std::optional<bool> &availabilityOverride()
{
    static std::optional<bool> instance;
    return instance;
}

std::optional<bool> &statusNotifierOverride()
{
    static std::optional<bool> instance;
    return instance;
}

// Qt's own test: a watcher on the session bus that says, in its
// introspection data, that a host is registered with it.
bool sessionHasStatusNotifierHost()
{
    const QDBusInterface watcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                 QStringLiteral("/StatusNotifierWatcher"),
                                 QStringLiteral("org.kde.StatusNotifierWatcher"), QDBusConnection::sessionBus());
    return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
}
} // namespace

bool TSysTray::isStatusNotifierItem()
{
    if (statusNotifierOverride())
        return *statusNotifierOverride();
    static const bool decided = sessionHasStatusNotifierHost();
    return decided;
}

void TSysTray::overrideStatusNotifierItem(std::optional<bool> statusNotifierItem)
{
    statusNotifierOverride() = statusNotifierItem;
}

void TSysTray::setPopupMenu(QMenu *menu)
{
    m_popupMenu = menu;
    // Handed to Qt only where the host shows it: an XEmbed tray would have
    // Qt open it at the cursor itself, before and beside the aligned one.
    if (isStatusNotifierItem())
        m_trayIcon->setContextMenu(menu);
}

bool TSysTray::isAvailable()
{
    if (availabilityOverride())
        return *availabilityOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TSysTray::overrideAvailability(std::optional<bool> available)
{
    availabilityOverride() = available;
}

void TSysTray::showMessage(const QString &title, const QString &text)
{
    if (!m_active)
        return;
    m_trayIcon->showMessage(title, text, QSystemTrayIcon::Information, 15000);
    emit messageShown(title, text);
}

void TSysTray::openMenu(const QPoint &pos)
{
    if (!m_popupMenu)
        return;
    QPoint at = pos;
    const int width = m_popupMenu->sizeHint().width();
    if (m_popupAlign == paRight)
        at.rx() -= width;
    else if (m_popupAlign == paCenter)
        at.rx() -= width / 2;
    emit popupOpened(at);
    m_popupMenu->popup(at);
}

void TSysTray::handleActivation(Activation activation, const QPoint &pos)
{
    switch (activation) {
    case Activation::Trigger: {
        // The host's one click is all the user can do there: it does what a double click does too.
        const bool alsoDoubleClick = isStatusNotifierItem();
        if ((m_popupMode & pmLeftClick) || (alsoDoubleClick && (m_popupMode & pmLeftDblClick)))
            openMenu(pos);
        emit OnIconMouseDown(this, Button::Left, pos.x(), pos.y());
        if (alsoDoubleClick)
            emit OnIconDoubleClick(this, Button::Left, pos.x(), pos.y());
        break;
    }
    case Activation::Context:
        if (m_popupMode & pmRightClick)
            openMenu(pos);
        emit OnIconMouseDown(this, Button::Right, pos.x(), pos.y());
        break;
    case Activation::DoubleClick:
        if (m_popupMode & pmLeftDblClick)
            openMenu(pos);
        emit OnIconDoubleClick(this, Button::Left, pos.x(), pos.y());
        break;
    case Activation::Other:
        break;
    }
}
