#include "alarmbusclient.h"

#include "alarmbusservice.h"
#include "apperror.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>

namespace {

// An import is read while the program goes on ringing, and an alarm that
// rings meanwhile holds its end back: a verb that gave up sooner would call
// failed an import that was done.
constexpr int kImportTimeoutMs = 30 * 60 * 1000;

QVariantMap mapFrom(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

} // namespace

AlarmBusClient::AlarmBusClient(QDBusConnection bus, const QString &busName) : m_bus(std::move(bus)), m_busName(busName)
{
    AlarmBusService::registerTypes();
}

bool AlarmBusClient::isServed() const
{
    return m_bus.isConnected() && m_bus.interface() && m_bus.interface()->isServiceRegistered(m_busName).value();
}

QString AlarmBusClient::servedDataFolder() const
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_busName, AlarmBusService::kObjectPath,
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    message << AlarmBusService::kInterface << QStringLiteral("DataFolder");
    const QDBusMessage reply = m_bus.call(message, QDBus::BlockWithGui, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toString();
}

QDBusMessage AlarmBusClient::call(const QString &method, const QVariantList &arguments, int timeoutMs) const
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(m_busName, AlarmBusService::kObjectPath, AlarmBusService::kInterface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(message, QDBus::BlockWithGui, timeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const bool badArgument = reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
        throw AppError(reply.errorMessage(), badArgument ? AppError::Kind::BadArgument : AppError::Kind::Failure);
    }
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw AppError(QCoreApplication::translate("AlarmBus", "Chronelle did not answer over D-Bus."));
    return reply;
}

QList<QVariantMap> AlarmBusClient::list()
{
    const QDBusMessage reply = call(QStringLiteral("List"));
    QList<QVariantMap> alarms;
    if (!reply.arguments().isEmpty())
        alarms = qdbus_cast<QList<QVariantMap>>(reply.arguments().constFirst().value<QDBusArgument>());
    return alarms;
}

QVariantMap AlarmBusClient::next()
{
    const QDBusMessage reply = call(QStringLiteral("Next"));
    return reply.arguments().isEmpty() ? QVariantMap() : mapFrom(reply.arguments().constFirst());
}

int AlarmBusClient::add(const AlarmChoices &choices)
{
    QVariantMap options;
    if (choices.memo)
        options.insert(QStringLiteral("memo"), *choices.memo);
    if (!choices.sounds.isEmpty())
        options.insert(QStringLiteral("sounds"), choices.sounds);
    if (choices.volume)
        options.insert(QStringLiteral("volume"), *choices.volume);
    const QDBusMessage reply =
        call(QStringLiteral("Add"), {choices.time, choices.frequency, choices.schedule, options});
    return reply.arguments().isEmpty() ? -1 : reply.arguments().constFirst().toInt();
}

void AlarmBusClient::remove(int id)
{
    call(QStringLiteral("Remove"), {id});
}

void AlarmBusClient::setEnabled(int id, bool on)
{
    call(on ? QStringLiteral("Enable") : QStringLiteral("Disable"), {id});
}

void AlarmBusClient::skip(int id)
{
    call(QStringLiteral("Skip"), {id});
}

void AlarmBusClient::pause(int id, const QString &until)
{
    call(QStringLiteral("Pause"), {id, until});
}

void AlarmBusClient::resume(int id)
{
    call(QStringLiteral("Resume"), {id});
}

void AlarmBusClient::answerRinging(AlarmEngine::RingingAnswer answer)
{
    call(answer == AlarmEngine::RingingAnswer::Snooze ? QStringLiteral("Snooze") : QStringLiteral("Stop"));
}

CalendarTransfer::ExportReport AlarmBusClient::exportCalendar()
{
    const QList<QVariant> reply = call(QStringLiteral("Export")).arguments();
    return {reply.value(0).toByteArray(), qdbus_cast<QStringList>(reply.value(1))};
}

CalendarTransfer::ImportReport AlarmBusClient::importCalendar(const QByteArray &calendar)
{
    const QList<QVariant> reply = call(QStringLiteral("Import"), {calendar}, kImportTimeoutMs).arguments();
    return {qdbus_cast<QList<int>>(reply.value(0)), qdbus_cast<QStringList>(reply.value(1))};
}
