// The glyph tables: representative fixed rows of each matrix, the codes each
// table covers, and the baselines glyphs stand on.

#include "lcdglyphs.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Lcd;

namespace {

// The glyph of code read back through GlyphDot: one hexadecimal number per
// row, top to bottom, the leftmost dot the most significant bit.
QString rowsOf(TDotMatrix matrix, int code)
{
    const GlyphSize size = glyphSize(matrix);
    QStringList rows;
    for (int r = 1; r <= size.rows; ++r) {
        int value = 0;
        for (int k = 1; k <= size.columns; ++k)
            value = value * 2 + (GlyphDot(matrix, code, r, k) ? 1 : 0);
        rows << QStringLiteral("%1").arg(value, size.columns > 8 ? 3 : 2, 16, QLatin1Char('0')).toUpper();
    }
    return rows.join(u' ');
}

// The first (or last) row that lights a dot, from 1; 0 when none does.
int litRow(TDotMatrix matrix, int code, bool last)
{
    const QStringList rows = rowsOf(matrix, code).split(u' ');
    for (int i = 0; i < rows.size(); ++i) {
        const int r = last ? int(rows.size()) - 1 - i : i;
        if (rows.at(r).toInt(nullptr, 16) != 0)
            return r + 1;
    }
    return 0;
}

} // namespace

TEST(LcdGlyphs, RepresentativeFixedRowsOfEachTable)
{
    struct Row
    {
        TDotMatrix matrix;
        int code;
        const char *rows;
    };
    const Row rows[] = {
        {mat5x7, 'A', "0E 11 11 11 1F 11 11"},
        {mat5x7, 'g', "00 0F 11 11 0F 01 0E"}, // descender inside the seven rows
        {mat5x7, 127, "04 0A 11 11 1F 00 00"}, // house
        {mat5x7, 177, "15 0A 15 0A 15 0A 15"}, // medium shade
        {mat5x7, 254, "00 0E 0E 0E 00 00 00"}, // small square
        {mat7x9, 'g', "00 00 3F 41 41 3F 01 01 3E"},
        {mat9x12, 'g', "000 000 000 07A 086 102 102 106 0FA 002 002 0FC"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(rowsOf(row.matrix, row.code).toStdString(), row.rows)
            << "matrix " << row.matrix << ", code " << row.code;
}

// Every code in range has a glyph, no other code has one, no dot outside a
// glyph is lit, and letters and digits stand on the baselines of their matrix.
TEST(LcdGlyphs, RangesAndBaselines)
{
    for (TDotMatrix matrix : {mat5x7, mat7x9, mat9x12}) {
        const int last = matrix == mat5x7 ? 254 : 126;
        for (int code = 0; code <= 300; ++code) {
            const bool inside = code >= 33 && code <= last;
            EXPECT_EQ(hasGlyph(matrix, code), inside) << "matrix " << matrix << ", code " << code;
            EXPECT_EQ(litRow(matrix, code, true) > 0, inside) << "matrix " << matrix << ", code " << code;
        }
        // '#' fills its glyph to the edges: the dots just outside must stay dark
        const GlyphSize size = glyphSize(matrix);
        EXPECT_FALSE(GlyphDot(matrix, '#', 0, 2) || GlyphDot(matrix, '#', 2, 0)) << matrix;
        EXPECT_FALSE(GlyphDot(matrix, '#', size.rows + 1, 2) || GlyphDot(matrix, '#', 2, size.columns + 1)) << matrix;
    }
    for (char c = '0'; c <= 'z'; ++c) {
        if (!QChar(c).isLetterOrNumber())
            continue;
        const bool descender = QByteArrayView("gjpqy").contains(c);
        EXPECT_EQ(litRow(mat7x9, c, true), 9) << "7x9 ends on row 9: " << c;
        EXPECT_EQ(litRow(mat9x12, c, true), descender ? 12 : 11) << "9x12 stands on row 11: " << c;
        if (descender) {
            EXPECT_EQ(litRow(mat5x7, c, true), 7) << "5x7 descender inside the cell: " << c;
        } else if (!QChar(c).isLower()) {
            EXPECT_EQ(litRow(mat7x9, c, false), 1) << "7x9 capitals and digits use all nine rows: " << c;
        }
    }
    for (char c : {'g', 'p', 'q', 'y'})
        EXPECT_EQ(litRow(mat7x9, c, false), 3) << "7x9 raised descender body: " << c;
    for (char c : {'g', 'p', 'y'})
        EXPECT_EQ(litRow(mat9x12, c, false), 4) << c;
}
