#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <array>

class QPainter;

// The artwork of the clock, drawn in code so that it is sharp at any size:
// the skin panels behind the LCD and the program's icon.
namespace Skin {

// A plain mid-blue panel with a darker bevelled edge.
QImage panel(const QSize &size);

// The sizes a desktop asks an application icon for.
constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// An alarm clock face, for the window, the tray and the desktop.
QIcon applicationIcon();
QImage applicationIconImage(int size);
// Draws that icon into the square (0, 0, side, side) of any paint device:
// the installed PNGs and SVG are made from this same drawing.
void paintApplicationIcon(QPainter &p, qreal side);

} // namespace Skin
