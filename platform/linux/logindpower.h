#pragma once

#include "poweractions.h"

#include <QDBusConnection>

// Suspend and power off through systemd-logind on the system bus: the
// session's own power manager decides, without any privilege of ours, and its
// refusal comes back as the reason.
class LogindSystemPower final : public SystemPowerBackend
{
public:
    explicit LogindSystemPower(QDBusConnection systemBus);

    // CanSuspend / CanPowerOff: only "yes" counts; "challenge" would need an
    // authorization that a request without interaction can't get.
    PowerAvailability availability(PowerAction action) override;
    // Suspend(false) / PowerOff(false): no interactive authorization.
    PowerResult request(PowerAction action) override;

private:
    QDBusConnection m_bus;
};
