#pragma once

#include "poweractions.h"

#include <QDBusConnection>

// Turns the monitors off on GNOME under Wayland, where no client may touch the
// display: Mutter's DisplayConfig property PowerSaveMode := 3 (off) on the
// session bus. Any input turns them on again, as with DPMS.
class MutterDisplayPower final : public DisplayPowerBackend
{
public:
    explicit MutterDisplayPower(QDBusConnection sessionBus);

    PowerAvailability availability() override;
    PowerResult turnOff() override;

private:
    QDBusConnection m_bus;
};
