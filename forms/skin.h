#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

// The artwork of the clock, drawn in code so that it is sharp at any size:
// the skin panels behind the LCD and the program's icon.
namespace Skin {

// A plain mid-blue panel with a darker bevelled edge.
QImage panel(const QSize &size);

// An alarm clock face, for the window, the tray and the desktop.
QIcon applicationIcon();
QImage applicationIconImage(int size);

} // namespace Skin
