#include "windowactivation.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>

namespace WindowActivation {

void bringToFront(QWidget *window, const QString &activationToken)
{
    if (!window)
        return;
    const bool wayland = QGuiApplication::platformName().startsWith(u"wayland");
    if (wayland) {
        // Qt 6.5 and later spend it (and take it out of the environment) at
        // the next activation; earlier ones would only pass it on to every
        // program started from here.
        if (!activationToken.isEmpty() && QLibraryInfo::version() >= QVersionNumber(6, 5))
            qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
        if (window->isVisible() && !window->isActiveWindow())
            window->hide();
    }
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace WindowActivation
