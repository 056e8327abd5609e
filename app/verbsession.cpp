#include "verbsession.h"

#include "alarmengine.h"
#include "apperror.h"
#include "enginecontrol.h"
#include "instanceguard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

VerbSession::VerbSession(const FileLocations &locations, QDBusConnection bus, const QString &busName,
                         const Clock &clock, const DateTimeFormatter &formatter)
    : m_locations(locations), m_clock(clock), m_formatter(formatter), m_client(std::move(bus), busName)
{
}

VerbSession::~VerbSession() = default;

bool VerbSession::servedHere() const
{
    // Another copy (of another data folder) may own the name: its alarms are not these.
    if (!m_client.isServed())
        return false;
    const QString served = m_client.servedDataFolder();
    return !served.isEmpty() && InstanceGuard::keyFor(served) == InstanceGuard::keyFor(m_locations.dataFolder());
}

AlarmControl &VerbSession::control()
{
    if (m_control)
        return *m_control;
    m_guard = std::make_unique<InstanceGuard>(m_locations.dataFolder());
    // The program may be starting (it holds the lock before it serves the bus)
    // or another verb may hold the folder for a moment.
    const QDeadlineTimer deadline(WaitMs);
    for (;;) {
        if (servedHere()) {
            m_control = &m_client;
            return m_client;
        }
        if (m_guard->holdWithoutServing())
            return loadHere();
        if (deadline.hasExpired())
            break;
        QThread::msleep(100);
    }
    throw AppError(QCoreApplication::translate(
                       "VerbSession", "Chronelle runs on the data folder %1 but can't be reached on the session bus.")
                       .arg(m_locations.dataFolder()));
}

AlarmControl &VerbSession::loadHere()
{
    m_engine = std::make_unique<AlarmEngine>(m_locations, m_clock, m_formatter);
    QStringList problems;
    QObject::connect(m_engine.get(), &AlarmEngine::errorOccurred, m_engine.get(),
                     [&problems](const QString &message) { problems << message; });
    m_engine->load();
    QObject::disconnect(m_engine.get(), &AlarmEngine::errorOccurred, nullptr, nullptr);
    // A list read only in part would be written back in part: nothing is
    // done until the program has shown the user what happened.
    if (!problems.isEmpty()) {
        throw AppError(problems.constFirst().simplified() +
                       QCoreApplication::translate(
                           "VerbSession", " Start Chronelle to look at the alarms before changing them from here."));
    }
    m_local = std::make_unique<EngineControl>(*m_engine);
    m_control = m_local.get();
    return *m_local;
}
