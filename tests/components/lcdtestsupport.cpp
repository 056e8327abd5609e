#include "lcdtestsupport.h"

#include "lcdglyphs.h"

namespace LcdTest {

namespace {

struct Matrix
{
    int columns;
    int rows;
    int left; // dots before the glyph's first column
    int top;  // rows above the glyph's first row
};

Matrix matrixOf(const TLCDScreen &screen)
{
    const Lcd::GlyphSize glyph = Lcd::glyphSize(screen.DotMatrix());
    const Lcd::TDotMatrixBorders borders = screen.DotMatrixBorders();
    const int left = borders.testFlag(Lcd::mbLeft123) ? 1 : 0;
    const int top = borders.testFlag(Lcd::mbTop) ? 1 : 0;
    return {glyph.columns + left + (borders.testFlag(Lcd::mbRight) ? 1 : 0),
            glyph.rows + top + (borders.testFlag(Lcd::mbBottom) ? 1 : 0), left, top};
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
    const Matrix matrix = matrixOf(screen);
    const QPoint origin = cellOrigin(screen, line, column);
    const int stepX = screen.PixelWidth() + screen.PixelSpacing();
    const int stepY = screen.PixelHeight() + screen.PixelSpacing();
    QString dots;
    for (int r = 0; r < matrix.rows; ++r) {
        if (r > 0)
            dots += u'/';
        for (int c = 0; c < matrix.columns; ++c) {
            const QPoint centre =
                origin + QPoint(c * stepX + screen.PixelWidth() / 2, r * stepY + screen.PixelHeight() / 2);
            const QRgb pixel = frame.pixel(centre) | 0xFF000000u;
            dots += pixel == screen.litColor() ? u'#' : pixel == screen.unlitColor() ? u'.' : u'?';
        }
    }
    return dots;
}

QString expectedDots(const TLCDScreen &screen, int code, bool inverse)
{
    const Matrix matrix = matrixOf(screen);
    const Lcd::GlyphSize glyph = Lcd::glyphSize(screen.DotMatrix());
    QString dots;
    for (int r = 0; r < matrix.rows; ++r) {
        if (r > 0)
            dots += u'/';
        for (int c = 0; c < matrix.columns; ++c) {
            const int gr = r - matrix.top + 1;
            const int gc = c - matrix.left + 1;
            const bool inGlyph = gr >= 1 && gr <= glyph.rows && gc >= 1 && gc <= glyph.columns;
            bool lit = code == 255 || (code != 32 && inGlyph && Lcd::GlyphDot(screen.DotMatrix(), code, gr, gc));
            if (inverse)
                lit = !lit || code == 255;
            dots += lit ? u'#' : u'.';
        }
    }
    return dots;
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
        const bool inverse = column < inverseMask.size() && inverseMask.at(column) == u'I';
        cells << expectedDots(screen, code, inverse);
    }
    return cells.join(QStringLiteral(" | "));
}

} // namespace LcdTest
