#include "logindpower.h"

#include <QCoreApplication>
#include <QDBusMessage>

namespace {

const QString service = QStringLiteral("org.freedesktop.login1");
const QString path = QStringLiteral("/org/freedesktop/login1");
const QString manager = QStringLiteral("org.freedesktop.login1.Manager");

// logind answers at once and carries the request out afterwards; the bound
// only keeps a hung bus from freezing the program.
constexpr int callTimeoutMs = 10000;

QString errorText(const QDBusMessage &reply)
{
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

QString method(PowerAction action, const char *prefix)
{
    return QLatin1String(prefix) +
           (action == PowerAction::Suspend ? QStringLiteral("Suspend") : QStringLiteral("PowerOff"));
}

bool isSystemAction(PowerAction action)
{
    return action == PowerAction::Suspend || action == PowerAction::PowerOff;
}

} // namespace

LogindSystemPower::LogindSystemPower(QDBusConnection systemBus) : m_bus(std::move(systemBus)) {}

PowerAvailability LogindSystemPower::availability(PowerAction action)
{
    if (!isSystemAction(action))
        return {false, QCoreApplication::translate("PowerActions", "not supported")};
    const QDBusMessage reply = m_bus.call(QDBusMessage::createMethodCall(service, path, manager, method(action, "Can")),
                                          QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {false, errorText(reply)};
    const QString answer = reply.arguments().value(0).toString();
    if (answer == u"yes")
        return {true, {}};
    if (answer == u"challenge")
        return {false, QCoreApplication::translate("PowerActions", "needs an authorization")};
    if (answer == u"no")
        return {false, QCoreApplication::translate("PowerActions", "not permitted")};
    if (answer == u"na")
        return {false, QCoreApplication::translate("PowerActions", "not supported by this system")};
    return {false, QCoreApplication::translate("PowerActions", "the power manager answered \"%1\"").arg(answer)};
}

PowerResult LogindSystemPower::request(PowerAction action)
{
    if (!isSystemAction(action))
        return PowerResult::failure(action, QCoreApplication::translate("PowerActions", "not supported"));
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, manager, method(action, ""));
    call << false;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return PowerResult::failure(action, errorText(reply));
    return PowerResult::success();
}
