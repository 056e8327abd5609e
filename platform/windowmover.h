#pragma once

class QPoint;
class QWindow;

// Hands the move of a borderless window over to the window manager, as a
// press on a title bar does, with the pointer where it really is: the window
// keeps its place relative to the pointer from there on. (Qt's own request
// names the pointer by the window's last pointer event and the window's
// place as Qt knows it, which is wrong once the window was moved since.)
namespace WindowMover {

// False when no window manager took the move over: the caller moves the
// window itself.
bool startSystemMove(QWindow *window, const QPoint &globalPointer);

} // namespace WindowMover
