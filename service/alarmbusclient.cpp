#include "alarmbusclient.h"

#include "alarmbusproxy.h"
#include "alarmbusservice.h"
#include "apperror.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QScopeGuard>

namespace {

// A verb never waits longer than this for the program, but for an import.
constexpr int kCallTimeoutMs = 15000;
// An import is read while the program goes on ringing, and an alarm that
// rings meanwhile holds its end back: a verb that gave up sooner would call
// failed an import that was done.
constexpr int kImportTimeoutMs = 30 * 60 * 1000;

} // namespace

AlarmBusClient::AlarmBusClient(QDBusConnection bus, const QString &busName)
    : m_bus(std::move(bus)), m_busName(busName),
      m_proxy(std::make_unique<AlarmBusProxy>(busName, AlarmBusService::kObjectPath, m_bus))
{
    AlarmBusService::registerTypes();
    m_proxy->setTimeout(kCallTimeoutMs);
}

AlarmBusClient::~AlarmBusClient() = default;

bool AlarmBusClient::isServed() const
{
    return m_bus.isConnected() && m_bus.interface() && m_bus.interface()->isServiceRegistered(m_busName).value();
}

void AlarmBusClient::await(const QDBusPendingCall &call)
{
    if (!call.isFinished()) {
        QDBusPendingCallWatcher watcher(call);
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (call.isError()) {
        const bool badArgument = call.error().type() == QDBusError::InvalidArgs;
        throw AppError(call.error().message(), badArgument ? AppError::Kind::BadArgument : AppError::Kind::Failure);
    }
}

QString AlarmBusClient::servedDataFolder() const
{
    // Asked as the proxy's property would be, but without blocking this
    // process's events.
    QDBusMessage get =
        QDBusMessage::createMethodCall(m_busName, AlarmBusService::kObjectPath,
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << m_proxy->interface() << QStringLiteral("DataFolder");
    const QDBusPendingReply<QDBusVariant> reply = m_bus.asyncCall(get, kCallTimeoutMs);
    try {
        await(reply);
    } catch (const AppError &) {
        return {};
    }
    return reply.value().variant().toString();
}

QList<QVariantMap> AlarmBusClient::list()
{
    const QDBusPendingReply<QList<QVariantMap>> reply = m_proxy->List();
    await(reply);
    return reply.value();
}

QVariantMap AlarmBusClient::next()
{
    const QDBusPendingReply<QVariantMap> reply = m_proxy->Next();
    await(reply);
    return reply.value();
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
    const QDBusPendingReply<int> reply = m_proxy->Add(choices.time, choices.frequency, choices.schedule, options);
    await(reply);
    return reply.value();
}

void AlarmBusClient::remove(int id)
{
    await(m_proxy->Remove(id));
}

void AlarmBusClient::setEnabled(int id, bool on)
{
    await(on ? m_proxy->Enable(id) : m_proxy->Disable(id));
}

void AlarmBusClient::skip(int id)
{
    await(m_proxy->Skip(id));
}

void AlarmBusClient::pause(int id, const QString &until)
{
    await(m_proxy->Pause(id, until));
}

void AlarmBusClient::resume(int id)
{
    await(m_proxy->Resume(id));
}

void AlarmBusClient::answerRinging(AlarmEngine::RingingAnswer answer)
{
    await(answer == AlarmEngine::RingingAnswer::Snooze ? m_proxy->Snooze() : m_proxy->Stop());
}

CalendarTransfer::ExportReport AlarmBusClient::exportCalendar()
{
    const QDBusPendingReply<QByteArray, QStringList> reply = m_proxy->Export();
    await(reply);
    return {reply.argumentAt<0>(), reply.argumentAt<1>()};
}

CalendarTransfer::ImportReport AlarmBusClient::importCalendar(const QByteArray &calendar,
                                                              const CalendarTransfer::ImportOptions &options)
{
    const QVariantMap asked{{QStringLiteral("withPowerActions"), options.withPowerActions}};
    // Only this call may wait that long; every other verb keeps the short timeout.
    m_proxy->setTimeout(kImportTimeoutMs);
    const auto shortAgain = qScopeGuard([this]() { m_proxy->setTimeout(kCallTimeoutMs); });
    const QDBusPendingReply<QVariantMap> reply = m_proxy->ImportWithOptions(calendar, asked);
    await(reply);
    return AlarmBusService::reportFromMap(reply.value());
}
