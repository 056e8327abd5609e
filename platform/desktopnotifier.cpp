#include "desktopnotifier.h"

#include "freedesktopnotifier.h"

#include <QDBusConnection>
#include <QTimer>

DesktopNotifier::~DesktopNotifier() = default;

std::unique_ptr<DesktopNotifier> DesktopNotifier::create()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::make_unique<NullDesktopNotifier>();
    return std::make_unique<FreedesktopNotifier>(bus);
}

int DesktopNotifier::notify(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
                            const QList<Action> &actions)
{
    return send(summary, body, urgency, std::move(fallback), actions);
}

int NullDesktopNotifier::send(const QString &, const QString &, Urgency, Fallback fallback, const QList<Action> &)
{
    if (fallback)
        QTimer::singleShot(0, this, std::move(fallback));
    return 0;
}
