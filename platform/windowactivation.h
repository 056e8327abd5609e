#pragma once

#include <QString>

class QWidget;

// Brings a window of this program to the front for a request that came from
// elsewhere (a second start), with the keyboard focus where the desktop
// allows it.
//
// On X11 an activation request does that. On Wayland a window takes the
// focus only with an activation token, the leave the desktop gave to the
// program it started: it is put where Qt looks for it (Qt 6.5 and later use
// it for the next activation; 6.4 has no way to take one from the program).
// Since most compositors give the focus to a window that is mapped anew, a
// window that is shown but not active is hidden first, so that showing it
// maps it again.
namespace WindowActivation {

void bringToFront(QWidget *window, const QString &activationToken);

} // namespace WindowActivation
