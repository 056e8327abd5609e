#pragma once

#include "poweractions.h"

struct xcb_connection_t;

// Turns the monitor off on an X server: DPMS force-off, as "xset dpms force
// off" does (which also switches DPMS on if it was off). Servers without DPMS,
// such as virtual ones, answer "not supported".
class X11DpmsDisplayPower final : public DisplayPowerBackend
{
public:
    // The connection is borrowed; it must outlive this object.
    explicit X11DpmsDisplayPower(xcb_connection_t *connection);

    PowerAvailability availability() override;
    PowerResult turnOff() override;

private:
    xcb_connection_t *m_connection;
};
