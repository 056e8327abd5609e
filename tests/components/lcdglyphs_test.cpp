// The glyph tables: every row that is fixed for the three matrices, the ranges
// each table covers, and where glyphs stand inside their matrix.

#include "lcdglyphs.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

using namespace Lcd;

namespace {

struct FixedGlyph
{
    int code;
    const char *rows; // one hexadecimal number per row, top to bottom; leftmost dot = most significant bit
};

// The printable ASCII block of the 5x7 table, complete.
constexpr FixedGlyph kAscii5x7[] = {
    {33, "04 04 04 04 04 00 04"},  {34, "0A 0A 0A 00 00 00 00"},  {35, "0A 0A 1F 0A 1F 0A 0A"},
    {36, "04 0F 14 0E 05 1E 04"},  {37, "18 19 02 04 08 13 03"},  {38, "0C 12 14 08 15 12 0D"},
    {39, "0C 04 08 00 00 00 00"},  {40, "02 04 08 08 08 04 02"},  {41, "08 04 02 02 02 04 08"},
    {42, "00 04 15 0E 15 04 00"},  {43, "00 04 04 1F 04 04 00"},  {44, "00 00 00 00 0C 04 08"},
    {45, "00 00 00 1F 00 00 00"},  {46, "00 00 00 00 00 0C 0C"},  {47, "00 01 02 04 08 10 00"},
    {48, "0E 11 13 15 19 11 0E"},  {49, "04 0C 04 04 04 04 0E"},  {50, "0E 11 01 02 04 08 1F"},
    {51, "1F 02 04 02 01 11 0E"},  {52, "02 06 0A 12 1F 02 02"},  {53, "1F 10 1E 01 01 11 0E"},
    {54, "06 08 10 1E 11 11 0E"},  {55, "1F 01 02 04 08 08 08"},  {56, "0E 11 11 0E 11 11 0E"},
    {57, "0E 11 11 0F 01 02 0C"},  {58, "00 0C 0C 00 0C 0C 00"},  {59, "00 0C 0C 00 0C 04 08"},
    {60, "02 04 08 10 08 04 02"},  {61, "00 00 1F 00 1F 00 00"},  {62, "08 04 02 01 02 04 08"},
    {63, "0E 11 01 02 04 00 04"},  {64, "0E 11 01 0D 15 15 0E"},  {65, "0E 11 11 11 1F 11 11"},
    {66, "1E 11 11 1E 11 11 1E"},  {67, "0E 11 10 10 10 11 0E"},  {68, "1C 12 11 11 11 12 1C"},
    {69, "1F 10 10 1E 10 10 1F"},  {70, "1F 10 10 1E 10 10 10"},  {71, "0E 11 10 17 11 11 0F"},
    {72, "11 11 11 1F 11 11 11"},  {73, "0E 04 04 04 04 04 0E"},  {74, "07 02 02 02 02 12 0C"},
    {75, "11 12 14 18 14 12 11"},  {76, "10 10 10 10 10 10 1F"},  {77, "11 1B 15 15 11 11 11"},
    {78, "11 11 19 15 13 11 11"},  {79, "0E 11 11 11 11 11 0E"},  {80, "1E 11 11 1E 10 10 10"},
    {81, "0E 11 11 11 15 12 0D"},  {82, "1E 11 11 1E 14 12 11"},  {83, "0F 10 10 0E 01 01 1E"},
    {84, "1F 04 04 04 04 04 04"},  {85, "11 11 11 11 11 11 0E"},  {86, "11 11 11 11 11 0A 04"},
    {87, "11 11 11 15 15 15 0A"},  {88, "11 11 0A 04 0A 11 11"},  {89, "11 11 11 0A 04 04 04"},
    {90, "1F 01 02 04 08 10 1F"},  {91, "0E 08 08 08 08 08 0E"},  {92, "00 10 08 04 02 01 00"},
    {93, "0E 02 02 02 02 02 0E"},  {94, "04 0A 11 00 00 00 00"},  {95, "00 00 00 00 00 00 1F"},
    {96, "08 04 02 00 00 00 00"},  {97, "00 00 0E 01 0F 11 0F"},  {98, "10 10 16 19 11 11 1E"},
    {99, "00 00 0E 10 10 11 0E"},  {100, "01 01 0D 13 11 11 0F"}, {101, "00 00 0E 11 1F 10 0E"},
    {102, "06 09 08 1C 08 08 08"}, {103, "00 0F 11 11 0F 01 0E"}, {104, "10 10 16 19 11 11 11"},
    {105, "04 00 0C 04 04 04 0E"}, {106, "02 00 06 02 02 12 0C"}, {107, "10 10 12 14 18 14 12"},
    {108, "0C 04 04 04 04 04 0E"}, {109, "00 00 1A 15 15 11 11"}, {110, "00 00 16 19 11 11 11"},
    {111, "00 00 0E 11 11 11 0E"}, {112, "00 00 1E 11 1E 10 10"}, {113, "00 00 0D 13 0F 01 01"},
    {114, "00 00 16 19 10 10 10"}, {115, "00 00 0E 10 0E 01 1E"}, {116, "08 08 1C 08 08 09 06"},
    {117, "00 00 11 11 11 13 0D"}, {118, "00 00 11 11 11 0A 04"}, {119, "00 00 11 11 15 15 0A"},
    {120, "00 00 11 0A 04 0A 11"}, {121, "00 00 11 11 0F 01 0E"}, {122, "00 00 1F 02 04 08 1F"},
    {123, "02 04 04 08 04 04 02"}, {124, "04 04 04 04 04 04 04"}, {125, "08 04 04 02 04 04 08"},
    {126, "0A 14 00 00 00 00 00"},
};

// Telling rows of the code page 437 part of the 5x7 table.
constexpr FixedGlyph kExtended5x7[] = {
    {127, "04 0A 11 11 1F 00 00"}, // house
    {128, "0E 11 10 10 11 0E 04"}, // C with cedilla
    {130, "02 04 0E 11 1F 10 0E"}, // e with acute
    {176, "15 00 15 00 15 00 00"}, // light shade
    {177, "15 0A 15 0A 15 0A 15"}, // medium shade
    {178, "1F 15 1F 15 1F 15 1F"}, // dark shade
    {179, "04 04 04 04 04 04 04"}, // vertical line
    {196, "00 00 00 1F 00 00 00"}, // horizontal line
    {197, "04 04 04 1F 04 04 04"}, // cross
    {219, "1F 1F 1F 1F 1F 1F 1F"}, // full block
    {220, "00 00 00 00 1F 1F 1F"}, // lower half block
    {221, "18 18 18 18 18 18 18"}, // left half block
    {222, "03 03 03 03 03 03 03"}, // right half block
    {223, "1F 1F 1F 00 00 00 00"}, // upper half block
    {224, "00 00 0D 12 12 12 0D"}, // alpha
    {233, "0E 11 11 1F 11 11 0E"}, // theta
    {241, "04 04 1F 04 04 1F 00"}, // plus-minus
    {248, "04 0A 04 00 00 00 00"}, // degree
    {254, "00 0E 0E 0E 00 00 00"}, // small square
};

constexpr FixedGlyph k7x9[] = {
    {48, "1C 22 43 45 49 51 61 22 1C"},
    {65, "08 14 22 41 41 7F 41 41 41"},
    {97, "00 00 00 3E 01 3F 41 43 3D"},
    {103, "00 00 3F 41 41 3F 01 01 3E"},
};

constexpr FixedGlyph k9x12[] = {
    {48, "07C 082 103 105 109 111 121 141 181 082 07C 000"},
    {65, "078 028 028 044 044 082 0FE 082 082 082 1C7 000"},
    {97, "000 000 000 000 07C 082 002 0FE 102 106 0FA 000"},
    {103, "000 000 000 07A 086 102 102 106 0FA 002 002 0FC"},
};

// The glyph of code read back through GlyphDot, in the notation of the tables above.
QString rowsOf(TDotMatrix matrix, int code)
{
    const GlyphSize size = glyphSize(matrix);
    const int digits = size.columns > 8 ? 3 : 2;
    QStringList rows;
    for (int r = 1; r <= size.rows; ++r) {
        int value = 0;
        for (int k = 1; k <= size.columns; ++k)
            value = value * 2 + (GlyphDot(matrix, code, r, k) ? 1 : 0);
        rows << QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    }
    return rows.join(u' ');
}

template <std::size_t N> void expectGlyphs(TDotMatrix matrix, const FixedGlyph (&glyphs)[N])
{
    for (const FixedGlyph &glyph : glyphs) {
        SCOPED_TRACE(testing::Message() << "code " << glyph.code);
        EXPECT_EQ(rowsOf(matrix, glyph.code).toStdString(), glyph.rows);
    }
}

bool rowLit(TDotMatrix matrix, int code, int r)
{
    for (int k = 1; k <= glyphSize(matrix).columns; ++k) {
        if (GlyphDot(matrix, code, r, k))
            return true;
    }
    return false;
}

int firstLitRow(TDotMatrix matrix, int code)
{
    for (int r = 1; r <= glyphSize(matrix).rows; ++r) {
        if (rowLit(matrix, code, r))
            return r;
    }
    return 0;
}

int lastLitRow(TDotMatrix matrix, int code)
{
    for (int r = glyphSize(matrix).rows; r >= 1; --r) {
        if (rowLit(matrix, code, r))
            return r;
    }
    return 0;
}

QString alphanumerics()
{
    QString text;
    for (char16_t c = u'0'; c <= u'9'; ++c)
        text += QChar(c);
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        text += QChar(c);
    for (char16_t c = u'a'; c <= u'z'; ++c)
        text += QChar(c);
    return text;
}

} // namespace

TEST(LcdGlyphs, FixedRowsOf5x7AsciiBlock)
{
    expectGlyphs(mat5x7, kAscii5x7);
}

TEST(LcdGlyphs, FixedRowsOf5x7CodePage437Part)
{
    expectGlyphs(mat5x7, kExtended5x7);
}

TEST(LcdGlyphs, FixedRowsOfLargerMatrices)
{
    {
        SCOPED_TRACE("7x9");
        expectGlyphs(mat7x9, k7x9);
    }
    {
        SCOPED_TRACE("9x12");
        expectGlyphs(mat9x12, k9x12);
    }
}

TEST(LcdGlyphs, RangesCoveredByEachTable)
{
    struct Row
    {
        const char *name;
        TDotMatrix matrix;
        int first;
        int last;
    };
    const Row rows[] = {{"5x7", mat5x7, 33, 254}, {"7x9", mat7x9, 33, 126}, {"9x12", mat9x12, 33, 126}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (int code = 0; code <= 300; ++code) {
            SCOPED_TRACE(testing::Message() << "code " << code);
            const bool inside = code >= row.first && code <= row.last;
            EXPECT_EQ(hasGlyph(row.matrix, code), inside);
            if (inside)
                EXPECT_GT(lastLitRow(row.matrix, code), 0) << "a glyph in the table draws nothing";
            else
                EXPECT_FALSE(GlyphDot(row.matrix, code, 1, 1));
        }
    }
}

TEST(LcdGlyphs, DotsOutsideTheGlyphAreNeverLit)
{
    for (TDotMatrix matrix : {mat5x7, mat7x9, mat9x12}) {
        const GlyphSize size = glyphSize(matrix);
        // code 219 of 5x7 and '#' everywhere: glyphs that fill their edges
        for (int code : {35, 219}) {
            EXPECT_FALSE(GlyphDot(matrix, code, 0, 1));
            EXPECT_FALSE(GlyphDot(matrix, code, 1, 0));
            EXPECT_FALSE(GlyphDot(matrix, code, size.rows + 1, 1));
            EXPECT_FALSE(GlyphDot(matrix, code, 1, size.columns + 1));
        }
    }
}

TEST(LcdGlyphs, LettersAndDigitsOf7x9EndOnTheLastRow)
{
    for (QChar c : alphanumerics()) {
        SCOPED_TRACE(QString(c).toStdString());
        EXPECT_EQ(lastLitRow(mat7x9, c.unicode()), 9);
    }
    for (QChar c : QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        EXPECT_EQ(firstLitRow(mat7x9, c.unicode()), 1) << "capitals and digits use all nine rows: " << c.toLatin1();
    for (QChar c : QStringLiteral("gpqy"))
        EXPECT_EQ(firstLitRow(mat7x9, c.unicode()), 3) << "raised descender body: " << c.toLatin1();
}

TEST(LcdGlyphs, LettersAndDigitsOf9x12StandOnRow11)
{
    const QString descenders = QStringLiteral("gjpqy");
    for (QChar c : alphanumerics()) {
        SCOPED_TRACE(QString(c).toStdString());
        if (descenders.contains(c)) {
            EXPECT_EQ(lastLitRow(mat9x12, c.unicode()), 12);
        } else {
            EXPECT_EQ(lastLitRow(mat9x12, c.unicode()), 11);
        }
    }
    for (QChar c : QStringLiteral("gpy"))
        EXPECT_EQ(firstLitRow(mat9x12, c.unicode()), 4) << c.toLatin1();
}

TEST(LcdGlyphs, DescendersOf5x7StayInsideSevenRows)
{
    for (QChar c : QStringLiteral("gjpqy"))
        EXPECT_EQ(lastLitRow(mat5x7, c.unicode()), 7) << c.toLatin1();
}
