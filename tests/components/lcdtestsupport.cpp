#include "lcdtestsupport.h"

#include "lcdglyphs.h"

namespace LcdTest {

namespace {

// Walks a cell's dot grid, the glyph with its matrix borders, row by row;
// dot(r, c, y, x) gets the glyph position (from 1, borders at 0 and one past
// the glyph) and the place in the grid (from 0).
template <typename Dot> QString walkCell(const TLCDScreen &screen, Dot dot)
{
    const Lcd::GlyphSize glyph = Lcd::glyphSize(screen.DotMatrix());
    const Lcd::TDotMatrixBorders borders = screen.DotMatrixBorders();
    const int top = borders & Lcd::mbTop ? 0 : 1, bottom = glyph.rows + (borders & Lcd::mbBottom ? 1 : 0);
    const int left = borders & Lcd::mbLeft123 ? 0 : 1, right = glyph.columns + (borders & Lcd::mbRight ? 1 : 0);
    QString dots;
    for (int r = top; r <= bottom; ++r) {
        if (r > top)
            dots += u'/';
        for (int c = left; c <= right; ++c)
            dots += dot(r, c, r - top, c - left);
    }
    return dots;
}

} // namespace

QPoint cellOrigin(const TLCDScreen &screen, int line, int column)
{
    const int origin = screen.BorderSpace() + 1;
    return {origin + column * (screen.cellWidth() + screen.CharSpacing()),
            origin + line * (screen.cellHeight() + screen.LineSpacing())};
}

QString cellDots(const QImage &frame, const TLCDScreen &screen, int line, int column)
{
    const QPoint origin = cellOrigin(screen, line, column);
    const int w = screen.PixelWidth();
    const int h = screen.PixelHeight();
    return walkCell(screen, [&](int, int, int y, int x) {
        const QRgb pixel = frame.pixel(origin + QPoint(x * (w + screen.PixelSpacing()) + w / 2,
                                                       y * (h + screen.PixelSpacing()) + h / 2)) |
                           0xFF000000u;
        return pixel == screen.litColor() ? u'#' : pixel == screen.unlitColor() ? u'.' : u'?';
    });
}

QString expectedDots(const TLCDScreen &screen, int code, bool inverse)
{
    return walkCell(screen, [&](int r, int c, int, int) {
        const bool lit = code == 255 || (code != 32 && Lcd::GlyphDot(screen.DotMatrix(), code, r, c));
        return lit != (inverse && code != 255) ? u'#' : u'.';
    });
}

QString lineDots(const QImage &frame, const TLCDScreen &screen, int line)
{
    QStringList cells;
    for (int column = 0; column < screen.NoOfChars(); ++column)
        cells << cellDots(frame, screen, line, column);
    return cells.join(QStringLiteral(" | "));
}

QString expectedLine(const TLCDScreen &screen, const QString &visibleText, const QString &inverseMask)
{
    QStringList cells;
    for (int column = 0; column < screen.NoOfChars(); ++column) {
        const int code = column < visibleText.size() ? visibleText.at(column).unicode() : 32;
        cells << expectedDots(screen, code, column < inverseMask.size() && inverseMask.at(column) == u'I');
    }
    return cells.join(QStringLiteral(" | "));
}

} // namespace LcdTest
