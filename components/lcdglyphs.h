#pragma once

#include "lcdtypes.h"

#include <cstdint>

// The character matrices of the LCD: one constant glyph table per dot-matrix
// size. 5x7 covers codes 33..254 (127..254 in the shapes of the PC's code page
// 437), 7x9 and 9x12 cover 33..126. Every other code has no glyph.
namespace Lcd {

struct GlyphSize
{
    int columns;
    int rows;
};

GlyphSize glyphSize(TDotMatrix matrix);

bool hasGlyph(TDotMatrix matrix, int code);

// Whether dot (row r, column k, both counted from 1) of the glyph for code is
// lit. A code without a glyph, or a dot outside the glyph, is never lit.
bool GlyphDot(TDotMatrix matrix, int code, int r, int k);

// The glyph's rows top to bottom, each a bit mask whose most significant bit
// (of `columns` bits) is the leftmost dot; nullptr for a code without a glyph.
// This is what the renderer walks; GlyphDot answers one dot at a time.
const std::uint16_t *glyphRows(TDotMatrix matrix, int code);

} // namespace Lcd
