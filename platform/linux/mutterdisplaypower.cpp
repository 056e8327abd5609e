#include "mutterdisplaypower.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString service = QStringLiteral("org.gnome.Mutter.DisplayConfig");
const QString path = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString powerSaveMode = QStringLiteral("PowerSaveMode");

constexpr int callTimeoutMs = 10000;
constexpr int modeOff = 3;
constexpr int modeUnknown = -1; // Mutter's answer when no monitor can save power

QString errorText(const QDBusMessage &reply)
{
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

} // namespace

MutterDisplayPower::MutterDisplayPower(QDBusConnection sessionBus) : m_bus(std::move(sessionBus)) {}

PowerAvailability MutterDisplayPower::availability()
{
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Get"));
    get << service << powerSaveMode;
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {false, errorText(reply)};
    const QVariant mode = reply.arguments().value(0).value<QDBusVariant>().variant();
    if (!mode.isValid() || mode.toInt() == modeUnknown)
        return {false, QCoreApplication::translate("PowerActions", "not supported by this display")};
    return {true, {}};
}

PowerResult MutterDisplayPower::turnOff()
{
    QDBusMessage set = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Set"));
    set << service << powerSaveMode << QVariant::fromValue(QDBusVariant(QVariant(qint32(modeOff))));
    const QDBusMessage reply = m_bus.call(set, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return PowerResult::failure(PowerAction::MonitorOff, errorText(reply));
    return PowerResult::success();
}
