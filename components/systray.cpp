#include "systray.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TSysTray::TSysTray(QObject *parent) : QObject(parent), m_trayIcon(new QSystemTrayIcon(this))
{
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
} // namespace

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
    if (m_active)
        m_trayIcon->showMessage(title, text, QSystemTrayIcon::Information, 15000);
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
    case Activation::Trigger:
        if (m_popupMode & pmLeftClick)
            openMenu(pos);
        emit OnIconMouseDown(this, Button::Left, pos.x(), pos.y());
        break;
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
