#include "alarmbusservice.h"

#include "alarmbusadaptor.h"
#include "alarmcalendar.h"
#include "apperror.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QMetaType>

const QString AlarmBusService::kInterface = QStringLiteral("io.github.chronelle.Chronelle.Alarms");
const QString AlarmBusService::kObjectPath = QStringLiteral("/io/github/chronelle/Chronelle");
const QString AlarmBusService::kFailedError = QStringLiteral("io.github.chronelle.Chronelle.Error.Failed");

namespace {

const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

QString answerWord(AlarmEngine::RingingAnswer answer)
{
    return answer == AlarmEngine::RingingAnswer::Snooze ? QStringLiteral("snooze") : QStringLiteral("stop");
}

// The choices of Add as the caller sent them; an option of another name or
// type is refused rather than ignored.
AlarmChoices choicesFrom(const QString &time, const QString &frequency, const QString &schedule,
                         const QVariantMap &options)
{
    AlarmChoices choices;
    choices.time = time;
    choices.frequency = frequency;
    choices.schedule = schedule;
    const auto wrongType = [](const QString &key, const char *type) {
        return AppError(
            QCoreApplication::translate("AlarmBus", "option '%1' must be %2").arg(key, QString::fromLatin1(type)),
            AppError::Kind::BadArgument);
    };
    for (auto it = options.cbegin(); it != options.cend(); ++it) {
        const QString &key = it.key();
        const QVariant &value = it.value();
        const int type = value.metaType().id();
        if (key == QStringLiteral("memo")) {
            if (type != QMetaType::QString)
                throw wrongType(key, "a string");
            choices.memo = value.toString();
        } else if (key == QStringLiteral("sounds")) {
            if (type != QMetaType::QStringList)
                throw wrongType(key, "an array of strings");
            choices.sounds = value.toStringList();
        } else if (key == QStringLiteral("volume")) {
            if (type != QMetaType::Int)
                throw wrongType(key, "a 32-bit integer");
            choices.volume = value.toInt();
        } else {
            throw AppError(
                QCoreApplication::translate("AlarmBus", "unknown option '%1' (options: memo, sounds, volume)").arg(key),
                AppError::Kind::BadArgument);
        }
    }
    return choices;
}

} // namespace

AlarmBusService::AlarmBusService(AlarmEngine &engine, QObject *parent)
    : QObject(parent), m_engine(engine), m_control(engine, EngineControl::Caller::Bus)
{
    registerTypes();
    new AlarmBusAdaptor(this);
    connect(&engine, &AlarmEngine::alarmsChanged, this, &AlarmBusService::AlarmsChanged);
    connect(&engine, &AlarmEngine::alarmRinging, this, [this](const QString &caption, const QString &) {
        m_ringingId = m_engine.ringingSlot();
        emit RingingStarted(m_ringingId, caption);
    });
    // A snooze is told as the window snoozes, whoever asked it to (its
    // button, the notification, a caller); a stop when the ringing is over.
    connect(&engine, &AlarmEngine::ringingSnoozed, this,
            [this]() { emit RingingAnswered(m_ringingId, answerWord(AlarmEngine::RingingAnswer::Snooze)); });
    connect(&engine, &AlarmEngine::alarmRingingEnded, this, [this]() {
        emit RingingAnswered(std::exchange(m_ringingId, -1), answerWord(AlarmEngine::RingingAnswer::Stop));
    });
}

void AlarmBusService::registerTypes()
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<QList<int>>();
}

QString AlarmBusService::publish(QDBusConnection bus, const QString &busName)
{
    if (!bus.isConnected())
        return QCoreApplication::translate("AlarmBus", "there is no session bus (%1)").arg(bus.lastError().message());
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors)) {
        return QCoreApplication::translate("AlarmBus", "could not serve %1 on the session bus").arg(kObjectPath);
    }
    // Never queued and never taken from another: one copy answers, and a
    // second copy (of another data folder) must not take its calls over.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        busName, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(kObjectPath);
        return QCoreApplication::translate("AlarmBus", "the bus name %1 is taken by another copy").arg(busName);
    }
    return {};
}

QString AlarmBusService::dataFolder() const
{
    return m_engine.locations().dataFolder();
}

template <class Result, class Call> Result AlarmBusService::perform(Call call)
{
    try {
        return call();
    } catch (const AppError &error) {
        if (calledFromDBus())
            sendErrorReply(error.kind() == AppError::Kind::BadArgument ? kInvalidArgs : kFailedError, error.message());
        return Result();
    }
}

QList<QVariantMap> AlarmBusService::List()
{
    return perform<QList<QVariantMap>>([this]() { return m_control.list(); });
}

QVariantMap AlarmBusService::Next()
{
    return perform<QVariantMap>([this]() { return m_control.next(); });
}

int AlarmBusService::Add(const QString &time, const QString &frequency, const QString &schedule,
                         const QVariantMap &options)
{
    return perform<int>([&]() { return m_control.add(choicesFrom(time, frequency, schedule, options)); });
}

void AlarmBusService::Remove(int id)
{
    perform<void>([&]() { m_control.remove(id); });
}

void AlarmBusService::Enable(int id)
{
    perform<void>([&]() { m_control.setEnabled(id, true); });
}

void AlarmBusService::Disable(int id)
{
    perform<void>([&]() { m_control.setEnabled(id, false); });
}

void AlarmBusService::Skip(int id)
{
    perform<void>([&]() { m_control.skip(id); });
}

void AlarmBusService::Pause(int id, const QString &until)
{
    perform<void>([&]() { m_control.pause(id, until); });
}

void AlarmBusService::Resume(int id)
{
    perform<void>([&]() { m_control.resume(id); });
}

void AlarmBusService::Snooze()
{
    perform<void>([&]() { m_control.answerRinging(AlarmEngine::RingingAnswer::Snooze); });
}

void AlarmBusService::Stop()
{
    perform<void>([&]() { m_control.answerRinging(AlarmEngine::RingingAnswer::Stop); });
}

QByteArray AlarmBusService::Export(QStringList &left)
{
    return perform<QByteArray>([&]() {
        const CalendarTransfer::ExportReport report = m_control.exportCalendar();
        left = report.left;
        return report.calendar;
    });
}

namespace {

// Refused before anything is copied or read: no calendar of alarms is this large.
void refuseOversized(const QByteArray &calendar)
{
    if (calendar.size() > AlarmCalendar::MaxBytes) {
        throw AppError(
            QCoreApplication::translate("AlarmBus", "The calendar is %1 bytes long; Chronelle imports at most %2 bytes.")
                .arg(calendar.size())
                .arg(AlarmCalendar::MaxBytes),
            AppError::Kind::BadArgument);
    }
}

} // namespace

QList<int> AlarmBusService::Import(const QByteArray &calendar, QStringList &skipped)
{
    return perform<QList<int>>([&]() {
        refuseOversized(calendar);
        const CalendarTransfer::ImportReport report = m_control.importCalendar(calendar);
        skipped = report.notes();
        return report.ids;
    });
}

QVariantMap AlarmBusService::ImportWithOptions(const QByteArray &calendar, const QVariantMap &options)
{
    return perform<QVariantMap>([&]() {
        refuseOversized(calendar);
        CalendarTransfer::ImportOptions asked;
        for (auto it = options.cbegin(); it != options.cend(); ++it) {
            if (it.key() != QStringLiteral("withPowerActions")) {
                throw AppError(QCoreApplication::translate("AlarmBus", "unknown option '%1' (options: %2)")
                                   .arg(it.key(), QStringLiteral("withPowerActions")),
                               AppError::Kind::BadArgument);
            }
            if (it.value().metaType().id() != QMetaType::Bool)
                throw AppError(QCoreApplication::translate("AlarmBus", "option '%1' must be %2")
                                   .arg(it.key(), QStringLiteral("a boolean")),
                               AppError::Kind::BadArgument);
            asked.withPowerActions = it.value().toBool();
        }
        return reportToMap(m_control.importCalendar(calendar, asked));
    });
}

QVariantMap AlarmBusService::reportToMap(const CalendarTransfer::ImportReport &report)
{
    return {{QStringLiteral("added"), QVariant::fromValue(report.ids)},
            {QStringLiteral("updated"), QVariant::fromValue(report.updated)},
            {QStringLiteral("unchanged"), QVariant::fromValue(report.unchanged)},
            {QStringLiteral("skipped"), report.skipped},
            {QStringLiteral("skippedCount"), report.skippedCount},
            {QStringLiteral("leftOff"), report.leftOff},
            {QStringLiteral("cautions"), report.cautions}};
}

CalendarTransfer::ImportReport AlarmBusService::reportFromMap(const QVariantMap &map)
{
    // Over the bus an array arrives still marshalled; in this process, as it went in.
    const auto ids = [&map](const char *key) {
        const QVariant value = map.value(QString::fromLatin1(key));
        return value.canConvert<QDBusArgument>() ? qdbus_cast<QList<int>>(value.value<QDBusArgument>())
                                                 : value.value<QList<int>>();
    };
    const auto texts = [&map](const char *key) {
        const QVariant value = map.value(QString::fromLatin1(key));
        return value.canConvert<QDBusArgument>() ? qdbus_cast<QStringList>(value.value<QDBusArgument>())
                                                 : value.toStringList();
    };
    CalendarTransfer::ImportReport report;
    report.ids = ids("added");
    report.updated = ids("updated");
    report.unchanged = ids("unchanged");
    report.skipped = texts("skipped");
    report.skippedCount = std::max(int(report.skipped.size()), map.value(QStringLiteral("skippedCount")).toInt());
    report.leftOff = texts("leftOff");
    report.cautions = texts("cautions");
    return report;
}
