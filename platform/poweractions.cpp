#include "poweractions.h"

#include <QCoreApplication>

QString powerFailureText(PowerAction action, const QString &reason)
{
    switch (action) {
    case PowerAction::MonitorOff:
        return QCoreApplication::translate("PowerActions", "Could not turn the monitor off: %1").arg(reason);
    case PowerAction::Suspend:
        return QCoreApplication::translate("PowerActions", "Could not suspend: %1").arg(reason);
    case PowerAction::PowerOff:
        return QCoreApplication::translate("PowerActions", "Could not shut down: %1").arg(reason);
    case PowerAction::DoNothing:
        break;
    }
    return reason;
}

PowerResult PowerResult::failure(PowerAction action, const QString &reason)
{
    return {false, reason, powerFailureText(action, reason)};
}

PowerActions::~PowerActions() = default;

PowerAction PowerActions::actionFromCode(int code)
{
    switch (code) {
    case int(PowerAction::MonitorOff):
        return PowerAction::MonitorOff;
    case int(PowerAction::Suspend):
        return PowerAction::Suspend;
    case int(PowerAction::PowerOff):
        return PowerAction::PowerOff;
    default:
        return PowerAction::DoNothing;
    }
}

PowerResult PowerActions::run(int code)
{
    return perform(actionFromCode(code));
}

DisplayPowerBackend::~DisplayPowerBackend() = default;

SystemPowerBackend::~SystemPowerBackend() = default;

NullDisplayPower::NullDisplayPower(QString reason) : m_reason(std::move(reason)) {}

PowerAvailability NullDisplayPower::availability()
{
    return {false, m_reason};
}

PowerResult NullDisplayPower::turnOff()
{
    return PowerResult::failure(PowerAction::MonitorOff, m_reason);
}

NullSystemPower::NullSystemPower(QString reason) : m_reason(std::move(reason)) {}

PowerAvailability NullSystemPower::availability(PowerAction)
{
    return {false, m_reason};
}

PowerResult NullSystemPower::request(PowerAction action)
{
    return PowerResult::failure(action, m_reason);
}

SessionPowerActions::SessionPowerActions(std::unique_ptr<DisplayPowerBackend> display,
                                         std::unique_ptr<SystemPowerBackend> system)
    : m_display(std::move(display)), m_system(std::move(system))
{
}

PowerResult SessionPowerActions::perform(PowerAction action)
{
    switch (action) {
    case PowerAction::MonitorOff:
        return m_display->turnOff();
    case PowerAction::Suspend:
    case PowerAction::PowerOff:
        return m_system->request(action);
    case PowerAction::DoNothing:
        break;
    }
    return PowerResult::success();
}

PowerAvailability SessionPowerActions::availability(PowerAction action)
{
    switch (action) {
    case PowerAction::MonitorOff:
        return m_display->availability();
    case PowerAction::Suspend:
    case PowerAction::PowerOff:
        return m_system->availability(action);
    case PowerAction::DoNothing:
        break;
    }
    return {true, {}};
}
