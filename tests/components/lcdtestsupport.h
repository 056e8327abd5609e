#pragma once

#include "lcdscreen.h"

#include <QImage>
#include <QString>

// Reads rendered LCD frames back as dots, so that pixel tests compare readable
// patterns: one text row per dot row, '#' a dot in the lit colour, '.' a dot in
// the unlit colour, '?' anything else. Positions follow the control's geometry
// (cells from the top-left inside border space and frame line).
namespace LcdTest {

// The dots of the cell at line `line`, column `column` (both from 0), sampled
// at each dot's centre pixel.
QString cellDots(const QImage &frame, const TLCDScreen &screen, int line, int column);

// What a cell showing `code` looks like on `screen`: its glyph (with the matrix
// borders around it), colours swapped when inverse. Code 32 is a blank cell,
// 255 an all-lit one.
QString expectedDots(const TLCDScreen &screen, int code, bool inverse = false);

// The dots of a whole line, one cell pattern per column, separated by " | ".
QString lineDots(const QImage &frame, const TLCDScreen &screen, int line);
QString expectedLine(const TLCDScreen &screen, const QString &visibleText, const QString &inverseMask = {});

// Top-left pixel of a cell.
QPoint cellOrigin(const TLCDScreen &screen, int line, int column);

} // namespace LcdTest
