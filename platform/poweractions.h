#pragma once

#include "alarmrecord.h"

#include <QString>
#include <memory>

// The outcome of one power request: done, or the reason it was not. A
// request the system refuses or can't carry out is never reported as done.
struct PowerResult
{
    bool done = true;
    QString reason;  // why not, as the backend or the system put it
    QString message; // the text to show, e.g. "Could not suspend: <reason>"; empty when done

    static PowerResult success() { return {}; }
    static PowerResult failure(PowerAction action, const QString &reason);
};

// Whether an action can be asked for at all in this session, and if not, why.
struct PowerAvailability
{
    bool available = false;
    QString reason;
};

// The text shown when an action was not carried out.
QString powerFailureText(PowerAction action, const QString &reason);

// The power-saving actions that can end an alarm: turn the monitor off,
// suspend, power off. One object for the whole program, made by create() with
// the backends of this session; a backend that the session lacks answers "not
// supported" rather than doing nothing silently.
class PowerActions
{
public:
    virtual ~PowerActions();

    // The action stored in an alarm file: 0 and any unknown value do nothing.
    static PowerAction actionFromCode(int code);

    // Carries out the action with this code (0 to 3).
    PowerResult run(int code);

    virtual PowerResult perform(PowerAction action) = 0;
    virtual PowerAvailability availability(PowerAction action) = 0;

    // The factory: chooses the backends once, for the display server and the
    // system this program runs on. It asks the GUI which display server that
    // is, so it is defined in chronelle_platform, not in the widget-free core.
    static std::unique_ptr<PowerActions> create();
};

// Turns the display off, in whatever way the display server offers.
class DisplayPowerBackend
{
public:
    virtual ~DisplayPowerBackend();
    virtual PowerAvailability availability() = 0;
    virtual PowerResult turnOff() = 0;
};

// Suspends or powers off the machine through the system's power manager.
class SystemPowerBackend
{
public:
    virtual ~SystemPowerBackend();
    // For PowerAction::Suspend and PowerAction::PowerOff.
    virtual PowerAvailability availability(PowerAction action) = 0;
    virtual PowerResult request(PowerAction action) = 0;
};

// Stands in for a backend that this session lacks; every request fails with
// the reason given.
class NullDisplayPower final : public DisplayPowerBackend
{
public:
    explicit NullDisplayPower(QString reason);
    PowerAvailability availability() override;
    PowerResult turnOff() override;

private:
    QString m_reason;
};

class NullSystemPower final : public SystemPowerBackend
{
public:
    explicit NullSystemPower(QString reason);
    PowerAvailability availability(PowerAction action) override;
    PowerResult request(PowerAction action) override;

private:
    QString m_reason;
};

// The program's PowerActions: one display backend and one system backend.
class SessionPowerActions final : public PowerActions
{
public:
    SessionPowerActions(std::unique_ptr<DisplayPowerBackend> display, std::unique_ptr<SystemPowerBackend> system);

    PowerResult perform(PowerAction action) override;
    PowerAvailability availability(PowerAction action) override;

private:
    std::unique_ptr<DisplayPowerBackend> m_display;
    std::unique_ptr<SystemPowerBackend> m_system;
};
