#include "powerfactory.h"

#include "logindpower.h"
#include "mutterdisplaypower.h"
#include "x11dpmsdisplaypower.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#endif

namespace {

bool isGnome(const QString &currentDesktop)
{
    const QStringList desktops = currentDesktop.split(u':', Qt::SkipEmptyParts);
    for (const QString &desktop : desktops) {
        if (desktop.compare(u"GNOME", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isWayland(const QString &platformName)
{
    return platformName.startsWith(u"wayland");
}

QString unsupportedReason(const PowerEnvironment &environment)
{
    if (isWayland(environment.platformName))
        return QCoreApplication::translate("PowerActions", "not supported on this Wayland desktop");
    return QCoreApplication::translate("PowerActions", "not supported on this display (%1)")
        .arg(environment.platformName);
}

xcb_connection_t *programX11Connection()
{
#if QT_CONFIG(xcb)
    if (qGuiApp) {
        if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            return x11->connection();
    }
#endif
    return nullptr;
}

std::unique_ptr<SystemPowerBackend> createSystemPower()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::make_unique<NullSystemPower>(
            QCoreApplication::translate("PowerActions", "not supported: no system bus (%1)")
                .arg(bus.lastError().message()));
    return std::make_unique<LogindSystemPower>(bus);
}

} // namespace

PowerEnvironment PowerEnvironment::current()
{
    return {QGuiApplication::platformName(), qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
            qEnvironmentVariable("XDG_SESSION_TYPE")};
}

DisplayBackendKind chooseDisplayBackend(const PowerEnvironment &environment, bool dpmsCapable)
{
    const bool gnome = isGnome(environment.currentDesktop);
    if (environment.platformName == u"xcb") {
        if (!dpmsCapable && gnome && environment.sessionType == u"wayland")
            return DisplayBackendKind::Mutter;
        return DisplayBackendKind::X11Dpms;
    }
    if (isWayland(environment.platformName) && gnome)
        return DisplayBackendKind::Mutter;
    return DisplayBackendKind::None;
}

std::unique_ptr<DisplayPowerBackend> createDisplayPower(const PowerEnvironment &environment, xcb_connection_t *x11)
{
    auto dpms = std::make_unique<X11DpmsDisplayPower>(x11);
    const bool dpmsCapable = x11 && dpms->availability().available;
    switch (chooseDisplayBackend(environment, dpmsCapable)) {
    case DisplayBackendKind::X11Dpms:
        return dpms;
    case DisplayBackendKind::Mutter:
        return std::make_unique<MutterDisplayPower>(QDBusConnection::sessionBus());
    case DisplayBackendKind::None:
        break;
    }
    return std::make_unique<NullDisplayPower>(unsupportedReason(environment));
}

std::unique_ptr<PowerActions> PowerActions::create()
{
    return std::make_unique<SessionPowerActions>(
        createDisplayPower(PowerEnvironment::current(), programX11Connection()), createSystemPower());
}
