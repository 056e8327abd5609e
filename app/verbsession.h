#pragma once

#include "alarmbusclient.h"
#include "alarmcontrol.h"
#include "filelocations.h"

#include <QDBusConnection>
#include <memory>

class AlarmEngine;
class Clock;
class DateTimeFormatter;
class EngineControl;
class InstanceGuard;

// Finds the alarms a command-line verb works on. With the program of this
// data folder running, they are its own, reached over the session bus, so
// its windows follow at once. With none running, they are the data folder's,
// loaded by an engine of this process that holds the program's locks for as
// long as the verb runs: a program started meanwhile waits for them, and a
// second verb does too, so two verbs never interleave.
class VerbSession final
{
public:
    VerbSession(const FileLocations &locations, QDBusConnection bus, const QString &busName, const Clock &clock,
                const DateTimeFormatter &formatter);
    ~VerbSession();

    // Throws AppError when the alarms can't be reached or read.
    AlarmControl &control();
    // How long a verb waits for a running program or another verb.
    static constexpr int WaitMs = 10000;

private:
    bool servedHere() const;
    AlarmControl &loadHere();

    FileLocations m_locations;
    const Clock &m_clock;
    const DateTimeFormatter &m_formatter;
    AlarmBusClient m_client;
    AlarmControl *m_control = nullptr;
    std::unique_ptr<InstanceGuard> m_guard;
    std::unique_ptr<AlarmEngine> m_engine;
    std::unique_ptr<EngineControl> m_local;
};
