#pragma once

#include "lcdscreen.h"

#include <QImage>
#include <QString>

// Reads rendered LCD frames back as dots, so that pixel tests compare readable
// patterns: '#' lit, '.' unlit, '?' anything else; '/' ends a dot row, " | " a cell.
namespace LcdTest {

// Top-left pixel of a cell (line and column from 0).
QPoint cellOrigin(const TLCDScreen &screen, int line, int column);

// The dots of one cell, sampled at each dot's centre pixel.
QString cellDots(const QImage &frame, const TLCDScreen &screen, int line, int column);

// What a cell showing `code` looks like on `screen`: its glyph inside the
// matrix borders, swapped when inverse; code 32 is blank, 255 all lit.
QString expectedDots(const TLCDScreen &screen, int code, bool inverse = false);

// A whole line: what is drawn, and what `visibleText` (missing cells blank)
// with the cells marked 'I' in `inverseMask` inverted should look like.
QString lineDots(const QImage &frame, const TLCDScreen &screen, int line);
QString expectedLine(const TLCDScreen &screen, const QString &visibleText, const QString &inverseMask = {});

} // namespace LcdTest
