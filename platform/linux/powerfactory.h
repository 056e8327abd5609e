#pragma once

#include "poweractions.h"

#include <QString>

struct xcb_connection_t;

// What decides how the monitor is turned off in this session.
struct PowerEnvironment
{
    QString platformName;   // the Qt platform: "xcb", "wayland", "offscreen", ...
    QString currentDesktop; // XDG_CURRENT_DESKTOP, e.g. "ubuntu:GNOME"
    QString sessionType;    // XDG_SESSION_TYPE: "x11", "wayland", ...

    static PowerEnvironment current();
};

enum class DisplayBackendKind
{
    X11Dpms,
    Mutter,
    None
};

// X11 uses DPMS; GNOME under Wayland (also for a program running on XWayland,
// whose X server has no real DPMS) asks Mutter; anything else has no way.
DisplayBackendKind chooseDisplayBackend(const PowerEnvironment &environment, bool dpmsCapable);

// The display backend for this environment; x11 is the program's X connection
// on "xcb" and may be null elsewhere.
std::unique_ptr<DisplayPowerBackend> createDisplayPower(const PowerEnvironment &environment, xcb_connection_t *x11);
