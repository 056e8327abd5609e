#include "lcdscreen.h"

#include "errorbox.h"
#include "lcdaccessible.h"
#include "lcdglyphs.h"
#include "lcdtext.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace Lcd;

namespace Lcd {

qsizetype zeroWidthCount(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return isZeroWidth(codeOf(c)); });
}

} // namespace Lcd

namespace {

// a * b / c, rounded to the nearest integer with halves away from zero.
int mulDiv(int a, int b, int c)
{
    const qint64 product = qint64(a) * b;
    const qint64 quotient = (std::abs(product) * 2 + c) / (2 * qint64(c));
    return int(product < 0 ? -quotient : quotient);
}

QRgb *pixelRow(uchar *bits, qsizetype bytesPerLine, int y)
{
    return reinterpret_cast<QRgb *>(bits + y * bytesPerLine);
}

// Copies the whole of source to (x, y) of the target bits; the caller keeps it inside.
void blit(uchar *bits, qsizetype bytesPerLine, int x, int y, const QImage &source)
{
    const std::size_t rowBytes = std::size_t(source.width()) * sizeof(QRgb);
    for (int row = 0; row < source.height(); ++row)
        std::memcpy(pixelRow(bits, bytesPerLine, y + row) + x, source.constScanLine(row), rowBytes);
}

// A filled ellipse inscribed in the image, drawn over what is there. Pixel
// centres are tested slightly inside the ellipse so that small dots (3 x 3)
// lose their corners and still read as round.
void fillEllipse(QImage &image, QRgb color)
{
    const double rx = image.width() / 2.0;
    const double ry = image.height() / 2.0;
    for (int y = 0; y < image.height(); ++y) {
        const double dy = (y + 0.5 - ry) / ry;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5 - rx) / rx;
            if (dx * dx + dy * dy <= 0.85)
                line[x] = color;
        }
    }
}

// One dot: the background with the dot's shape drawn over it in color.
QImage makeDot(int width, int height, QRgb background, QRgb color, bool round)
{
    QImage dot(width, height, QImage::Format_RGB32);
    if (!round) {
        dot.fill(color);
        return dot;
    }
    dot.fill(background);
    fillEllipse(dot, color);
    return dot;
}

} // namespace

TLCDScreen::TLCDScreen(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_timer->setInterval(int(m_animationDelay));
    connect(m_timer, &QTimer::timeout, this, &TLCDScreen::animationTick);
    // The size a new widget happens to have is nobody's request: taking it as
    // the last size set keeps the default cell counts.
    m_lastWidth = width();
    m_lastHeight = height();
    UpdateDotColors();
    LcdAccessible::install();
}

TLCDScreen::~TLCDScreen() = default;

QString TLCDScreen::About() const
{
    return QStringLiteral("About LCDScreen");
}

void TLCDScreen::setAbout(const QString &) {}

void TLCDScreen::setAnimationDelay(quint32 milliseconds)
{
    if (milliseconds == m_animationDelay)
        return;
    m_animationDelay = milliseconds;
    updateTimer();
}

void TLCDScreen::setAnimationEnabled(bool enabled)
{
    if (enabled == m_animationEnabled)
        return;
    m_animationEnabled = enabled;
    updateTimer();
}

void TLCDScreen::setAnimationRepeating(bool repeating)
{
    m_animationRepeating = repeating;
}

void TLCDScreen::setBorderColor(TColor color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    Paint();
}

void TLCDScreen::setBorderSpace(quint8 pixels)
{
    if (pixels == m_borderSpace)
        return;
    m_borderSpace = pixels;
    Paint();
}

void TLCDScreen::setBorderStyle(TLCDBorder style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Paint();
}

void TLCDScreen::setCharSpacing(quint8 pixels)
{
    if (pixels == m_charSpacing)
        return;
    m_charSpacing = pixels;
    Paint();
}

void TLCDScreen::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    BuildCellImages();
    if (!m_animationEnabled)
        Paint();
}

void TLCDScreen::setDotMatrix(TDotMatrix matrix)
{
    if (matrix == m_dotMatrix)
        return;
    m_dotMatrix = matrix;
    BuildCellImages();
}

void TLCDScreen::setDotMatrixBorders(TDotMatrixBorders borders)
{
    if (borders == m_dotMatrixBorders)
        return;
    m_dotMatrixBorders = borders;
    BuildCellImages();
}

void TLCDScreen::setHorzScrollMode(THorzScrollMode mode)
{
    if (mode == m_horzScrollMode)
        return;
    m_horzScrollMode = mode;
    ResetDisplay();
}

void TLCDScreen::setIntensity(qint8 intensity)
{
    if (intensity == m_intensity)
        return;
    m_intensity = intensity;
    UpdateDotColors();
    if (!m_animationEnabled)
        Paint();
}

void TLCDScreen::setLCDAnimator(TLCDAnimator *animator)
{
    if (animator == m_animator)
        return;
    if (animator) {
        m_sweepColumn = 0;
        m_tickTarget = TickTarget::Script;
        PadDisplayLines();
    }
    m_animator = animator;
}

void TLCDScreen::setLines(const QStringList &lines)
{
    // Screen readers hear of a change only when there is one, not on every refresh.
    const bool changed = lines != m_lines;
    m_lines = lines;
    ResetDisplay();
    if (changed)
        LcdAccessible::textChanged(this);
}

void TLCDScreen::setLine(int index, const QString &text)
{
    if (index < 0 || (index < m_lines.size() && m_lines.at(index) == text))
        return;
    while (m_lines.size() <= index)
        m_lines.append(QString());
    m_lines[index] = text;
    const QStringList displayedBefore = m_displayLines;
    m_displayLines = m_lines;
    PadDisplayLines();
    // A clock changes one line at a time: only that line is drawn and sent
    // to the screen again.
    if (!repaintLineOnly(index, displayedBefore))
        Paint();
    LcdAccessible::textChanged(this);
}

bool TLCDScreen::repaintLineOnly(int line, const QStringList &displayedBefore)
{
    if (m_frameStale || !isVisible() || !isEnabled() || m_frame.width() != m_lastWidth ||
        m_frame.height() != m_lastHeight || m_unlitCell.isNull() || m_litCell.isNull())
        return false;
    // A line that is missing is an empty one.
    const auto entry = [](const QStringList &lines, qsizetype l) { return l < lines.size() ? lines.at(l) : QString(); };
    const qsizetype count = std::max(displayedBefore.size(), m_displayLines.size());
    for (qsizetype l = 0; l < count; ++l) {
        if (l != line && entry(displayedBefore, l) != entry(m_displayLines, l))
            return false;
    }
    // A line below the last one shown changes nothing on the screen.
    if (line >= m_noOfLines || entry(displayedBefore, line) == entry(m_displayLines, line))
        return true;
    DrawLine(m_frame.bits(), m_frame.bytesPerLine(), line);
    update(lineRect(line));
    return true;
}

QRect TLCDScreen::lineRect(int line) const
{
    const int left = m_borderSpace + 1;
    const int top = m_borderSpace + 1 + line * (m_cellHeight + m_lineSpacing);
    const int width = m_noOfChars * m_cellWidth + (m_noOfChars - 1) * m_charSpacing;
    return QRect(left, top, width, m_cellHeight);
}

void TLCDScreen::setLineSpacing(quint8 pixels)
{
    if (pixels == m_lineSpacing)
        return;
    m_lineSpacing = pixels;
    Paint();
}

void TLCDScreen::setNoOfLines(quint8 lines)
{
    if (lines == m_noOfLines)
        return;
    if (lines == 0) {
        refuse(QStringLiteral("Display needs at least one line!"));
        return;
    }
    m_noOfLines = lines;
    if (m_animationEnabled)
        ResetDisplay();
    else
        Paint();
}

void TLCDScreen::setNoOfChars(quint8 chars)
{
    if (chars == m_noOfChars)
        return;
    if (chars == 0) {
        refuse(QStringLiteral("Display needs at least one character!"));
        return;
    }
    m_noOfChars = chars;
    if (m_animationEnabled)
        ResetDisplay();
    else
        Paint();
}

void TLCDScreen::setPixelHeight(quint8 pixels)
{
    if (m_pixelSize != pixCustom || pixels == m_pixelHeight)
        return;
    if (pixels == 0) {
        refuse(QStringLiteral("Display pixel height must be 1 or more!"));
        return;
    }
    m_pixelHeight = pixels;
    BuildCellImages();
}

void TLCDScreen::setPixelWidth(quint8 pixels)
{
    if (m_pixelSize != pixCustom || pixels == m_pixelWidth)
        return;
    if (pixels == 0) {
        refuse(QStringLiteral("Display pixel width must be 1 or more!"));
        return;
    }
    m_pixelWidth = pixels;
    BuildCellImages();
}

void TLCDScreen::setPixelOff(TColor color)
{
    if (color == m_pixelOff)
        return;
    m_pixelOff = color;
    UpdateDotColors();
    if (!m_animationEnabled)
        Paint();
}

void TLCDScreen::setPixelOn(TColor color)
{
    if (color == m_pixelOn)
        return;
    m_pixelOn = color;
    UpdateDotColors();
    if (!m_animationEnabled)
        Paint();
}

void TLCDScreen::setPixelShape(TPixelShape shape)
{
    if (shape == m_pixelShape)
        return;
    m_pixelShape = shape;
    BuildCellImages();
    Paint();
}

void TLCDScreen::setPixelSize(TPixelSize size)
{
    if (size == m_pixelSize)
        return;
    m_pixelSize = size;
    BuildCellImages();
}

void TLCDScreen::setPixelSpacing(quint8 pixels)
{
    if (pixels == m_pixelSpacing)
        return;
    m_pixelSpacing = pixels;
    BuildCellImages();
}

void TLCDScreen::setSpecialEffects(TSpecialEffects effects)
{
    if (effects == m_specialEffects)
        return;
    m_specialEffects = effects;
    BuildCellImages();
    if (!m_animationEnabled)
        Paint();
}

void TLCDScreen::refuse(const QString &message)
{
    ErrorBox::show(this, message);
}

void TLCDScreen::ResetDisplay()
{
    m_displayLines = m_lines;
    PadDisplayLines();
    Paint();
}

void TLCDScreen::ensureDisplayEntries()
{
    while (m_displayLines.size() < m_noOfLines)
        m_displayLines.append(QString());
}

// Gives the lines room to scroll. Independent mode: every non-empty line gets
// at least NoOfChars cells plus the most zero-width codes any entry of Lines
// holds, and longer lines keep their length (each scrolls with its own
// period). Dependent mode: every non-empty line gets the same number of cells,
// at least NoOfChars, so all scroll in step. Empty lines stay empty.
void TLCDScreen::PadDisplayLines()
{
    ensureDisplayEntries();
    if (m_horzScrollMode == smIndependant) {
        qsizetype codes = 0;
        for (const QString &line : std::as_const(m_lines))
            codes = std::max(codes, zeroWidthCount(line));
        const qsizetype target = m_noOfChars + codes;
        for (QString &line : m_displayLines) {
            if (!line.isEmpty() && line.size() < target)
                line.resize(target, u' ');
        }
    } else {
        qsizetype cells = m_noOfChars;
        for (const QString &line : std::as_const(m_displayLines))
            cells = std::max(cells, line.size() - zeroWidthCount(line));
        for (QString &line : m_displayLines) {
            const qsizetype target = cells + zeroWidthCount(line);
            if (!line.isEmpty() && line.size() < target)
                line.resize(target, u' ');
        }
    }
}

void TLCDScreen::Paint()
{
    UpdateGeometry();
    m_frameStale = true;
    if (!isVisible())
        return;
    renderFrame(m_frame);
    m_frameStale = false;
    update();
}

void TLCDScreen::UpdateGeometry()
{
    if (m_pixelSize != pixCustom) {
        m_dotWidth = m_dotHeight = int(m_pixelSize);
        m_pixelWidth = m_pixelHeight = quint8(m_pixelSize);
    } else {
        m_dotWidth = m_pixelWidth;
        m_dotHeight = m_pixelHeight;
    }
    m_cellWidth = m_columns * m_dotWidth + (m_columns - 1) * m_pixelSpacing;
    m_cellHeight = m_rows * m_dotHeight + (m_rows - 1) * m_pixelSpacing;

    if (width() != m_lastWidth || height() != m_lastHeight) {
        // Someone else resized the control: the cell counts follow the size.
        const auto fit = [](int size, int spacing, int border, int cell) {
            return quint8(std::clamp((size + spacing - 2 * border) / (spacing + cell), 1, 255));
        };
        m_noOfChars = fit(width(), m_charSpacing, m_borderSpace, m_cellWidth);
        m_noOfLines = fit(height(), m_lineSpacing, m_borderSpace, m_cellHeight);
    }

    const int newWidth = 2 + 2 * m_borderSpace + m_noOfChars * m_cellWidth + (m_noOfChars - 1) * m_charSpacing;
    const int newHeight =
        2 + 2 * m_borderSpace + m_noOfLines * m_cellHeight + std::max(0, m_noOfLines - 1) * m_lineSpacing;
    m_lastWidth = newWidth;
    m_lastHeight = newHeight;
    if (width() != newWidth || height() != newHeight) {
        m_frameStale = true;
        resize(newWidth, newHeight);
        updateGeometry();
    }
}

// Lit colour and unlit colour from PixelOn, PixelOff and Intensity: the mixed
// colour moves from PixelOn (|Intensity| 127) to PixelOff (Intensity 0); a
// negative Intensity swaps the roles, so the panel shows inverted.
void TLCDScreen::UpdateDotColors()
{
    const QRgb on = toRgb(m_pixelOn);
    const QRgb off = toRgb(m_pixelOff);
    const int factor = 129 - std::abs(int(m_intensity));
    const auto mix = [factor](int onChannel, int offChannel) {
        const int scaled = mulDiv(offChannel - onChannel, factor, 128);
        // A channel of 0 or 255 is the low 8 bits of the scaled difference:
        // for 255 one step above PixelOn plus the difference (-2 gives 254).
        // Only where those 8 bits would wrap round to the far end of the scale
        // (PixelOff of 255 too, or a difference past 255 at low intensity) is
        // the result held at its own end instead.
        if (onChannel == 0)
            return std::min(scaled, 255);
        if (onChannel == 255)
            return scaled < 0 ? std::max(256 + scaled, 0) : 255;
        // Other channels get PixelOn plus the difference, which keeps their
        // brightness where the difference alone would lose it.
        return std::clamp(onChannel + scaled, 0, 255);
    };
    const QRgb mixed = qRgb(mix(qRed(on), qRed(off)), mix(qGreen(on), qGreen(off)), mix(qBlue(on), qBlue(off)));
    if (m_intensity >= 0) {
        m_litColor = mixed;
        m_unlitColor = off;
    } else {
        m_litColor = off;
        m_unlitColor = mixed;
    }
    BuildCellImages();
}

void TLCDScreen::BuildCellImages()
{
    const GlyphSize glyph = glyphSize(m_dotMatrix);
    m_columns = glyph.columns + (m_dotMatrixBorders.testFlag(mbLeft123) ? 1 : 0) +
                (m_dotMatrixBorders.testFlag(mbRight) ? 1 : 0);
    m_rows =
        glyph.rows + (m_dotMatrixBorders.testFlag(mbTop) ? 1 : 0) + (m_dotMatrixBorders.testFlag(mbBottom) ? 1 : 0);
    UpdateGeometry();

    // A dot of one pixel is that pixel whatever the shape. Otherwise the cells
    // draw rectangles (ellipses for psRound) and glyph dots draw rectangles
    // for psSquare and ellipses for psShaped and psRound.
    const bool onePixel = m_pixelSize == pix1x1 || (m_dotWidth == 1 && m_dotHeight == 1);
    const bool roundCellDots = !onePixel && m_pixelShape == psRound;
    const bool roundGlyphDots = !onePixel && m_pixelShape != psSquare;
    const QRgb background = toRgb(m_color);

    const QImage unlitDot = makeDot(m_dotWidth, m_dotHeight, background, m_unlitColor, roundCellDots);
    const QImage litDot = makeDot(m_dotWidth, m_dotHeight, background, m_litColor, roundCellDots);
    m_unlitCell = QImage(m_cellWidth, m_cellHeight, QImage::Format_RGB32);
    m_litCell = QImage(m_cellWidth, m_cellHeight, QImage::Format_RGB32);
    m_unlitCell.fill(background);
    m_litCell.fill(background);
    uchar *unlitBits = m_unlitCell.bits();
    uchar *litBits = m_litCell.bits();
    const int stepX = m_dotWidth + m_pixelSpacing;
    const int stepY = m_dotHeight + m_pixelSpacing;
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            blit(unlitBits, m_unlitCell.bytesPerLine(), c * stepX, r * stepY, unlitDot);
            blit(litBits, m_litCell.bytesPerLine(), c * stepX, r * stepY, litDot);
        }
    }

    m_glyphDot = unlitDot.copy();
    m_inverseDot = litDot.copy();
    if (roundGlyphDots) {
        fillEllipse(m_glyphDot, m_litColor);
        fillEllipse(m_inverseDot, m_unlitColor);
    } else {
        m_glyphDot.fill(m_litColor);
        m_inverseDot.fill(m_unlitColor);
    }
    // A frame draws each cell as one block from this cache; cells too big for
    // it (large dots) are drawn dot by dot instead.
    constexpr std::size_t kCacheBudgetBytes = 4 * 1024 * 1024;
    const std::size_t cellBytes = std::size_t(m_cellWidth) * std::size_t(m_cellHeight) * sizeof(QRgb);
    m_cellCached.assign(512, false);
    if (cellBytes * 512 <= kCacheBudgetBytes)
        m_cellCache.resize(cellBytes * 512 / sizeof(QRgb));
    else
        std::vector<QRgb>().swap(m_cellCache);
    m_frameStale = true;
}

void TLCDScreen::renderFrame(QImage &frame) const
{
    const int w = m_lastWidth;
    const int h = m_lastHeight;
    if (frame.width() != w || frame.height() != h || frame.format() != QImage::Format_RGB32)
        frame = QImage(w, h, QImage::Format_RGB32);
    if (frame.isNull())
        return; // a size beyond what memory holds: nothing to draw into
    frame.fill(toRgb(m_color));
    uchar *bits = frame.bits();
    const qsizetype bytesPerLine = frame.bytesPerLine();

    if (m_borderStyle != bsNone) {
        QRgb rightBottom = toRgb(m_borderColor);
        QRgb topLeft = rightBottom;
        if (m_borderStyle == bsRaised) {
            rightBottom = toRgb(clBtnShadow);
            topLeft = toRgb(clBtnHighlight);
        } else if (m_borderStyle == bsLowered) {
            rightBottom = toRgb(clBtnHighlight);
            topLeft = toRgb(clBtnShadow);
        }
        // Right edge and bottom edge first, then top edge and left edge; the
        // top-right pixel ends in the second colour, the bottom-left in the first.
        for (int y = 0; y < h; ++y)
            pixelRow(bits, bytesPerLine, y)[w - 1] = rightBottom;
        std::fill_n(pixelRow(bits, bytesPerLine, h - 1), w, rightBottom);
        std::fill_n(pixelRow(bits, bytesPerLine, 0), w, topLeft);
        for (int y = 0; y < h - 1; ++y)
            pixelRow(bits, bytesPerLine, y)[0] = topLeft;
    }

    if (isEnabled() && !m_unlitCell.isNull() && !m_litCell.isNull())
        DrawLines(bits, bytesPerLine);
}

QImage TLCDScreen::grabFrame()
{
    UpdateGeometry();
    QImage frame;
    renderFrame(frame);
    return frame;
}

// Decides what every cell of a line shows and hands it to sink(column, code,
// inverse). An inverse (blink) region runs from an on-code to the next
// off-code of its line; characters before a line's first off-code belong to a
// region when that off-code comes before the line's first on-code (or the line
// has an on-code and no off-code), so the last region wraps around from the end
// of the line to its start and survives horizontal scrolling.
template <typename CellSink> void TLCDScreen::resolveLine(int line, CellSink &&sink) const
{
    const bool inverseEffect = m_specialEffects.testFlag(spInverse);
    const bool blinkEffect = m_specialEffects.testFlag(spBlinking);
    const bool blinkHidden = m_blinkPhase && m_sweepColumn == 0;
    const QString *entry = line < m_displayLines.size() ? &m_displayLines.at(line) : nullptr;
    const qsizetype length = entry ? entry->size() : 0;
    // 1-based position of the first code 10, 11, 12 and 13 (0: none).
    qsizetype first[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < length; ++i) {
        const int code = codeOf(entry->at(i));
        if (code >= 10 && code <= 13 && first[code - 10] == 0)
            first[code - 10] = i + 1;
    }
    const bool inverseWraps = first[1] < first[0];
    const bool blinkWraps = first[3] < first[2];

    bool inverseActive = false;
    bool blinkActive = false;
    bool inverseOffPassed = false;
    bool blinkOffPassed = false;
    int column = 0;
    qsizetype last = m_noOfChars;
    for (qsizetype p = 1; p <= last; ++p) {
        if (p > length) {
            sink(column++, int(' '), inverseActive);
            continue;
        }
        const int code = codeOf(entry->at(p - 1));
        if (isZeroWidth(code)) {
            switch (code) {
            case 10:
                inverseActive = inverseActive || inverseEffect;
                break;
            case 11:
                inverseActive = false;
                inverseOffPassed = true;
                break;
            case 12:
                blinkActive = blinkActive || blinkEffect;
                blinkOffPassed = false;
                break;
            case 13:
                blinkActive = false;
                blinkOffPassed = true;
                break;
            default:
                break;
            }
            ++last; // the code takes no cell
            continue;
        }
        if (inverseWraps && !inverseOffPassed && inverseEffect)
            inverseActive = true;
        if (blinkWraps && blinkEffect)
            blinkActive = true;
        const bool hidden = blinkActive && !blinkOffPassed && blinkHidden;
        sink(column++, hidden ? int(' ') : code, inverseActive);
    }
}

// Draws every cell. With cached cells, each pixel row of a line is put
// together from the cells' rows; otherwise each cell is drawn on its own.
void TLCDScreen::DrawLines(uchar *bits, qsizetype bytesPerLine) const
{
    for (int l = 0; l < m_noOfLines; ++l)
        DrawLine(bits, bytesPerLine, l);
}

void TLCDScreen::DrawLine(uchar *bits, qsizetype bytesPerLine, int line) const
{
    const int step = m_cellWidth + m_charSpacing;
    const int left = m_borderSpace + 1;
    const int y = m_borderSpace + 1 + line * (m_cellHeight + m_lineSpacing);
    if (m_cellCache.empty()) {
        resolveLine(line, [&](int column, int code, bool inverse) {
            DrawCell(bits, bytesPerLine, left + column * step, y, code, inverse);
        });
        return;
    }
    const std::size_t rowBytes = std::size_t(m_cellWidth) * sizeof(QRgb);
    std::array<const QRgb *, 255> cells{};
    resolveLine(line, [&](int column, int code, bool inverse) { cells[column] = cachedCell(code, inverse); });
    for (int r = 0; r < m_cellHeight; ++r) {
        QRgb *target = pixelRow(bits, bytesPerLine, y + r) + left;
        const qsizetype offset = qsizetype(r) * m_cellWidth;
        for (int k = 0; k < m_noOfChars; ++k, target += step)
            std::memcpy(target, cells[k] + offset, rowBytes);
    }
}

const QRgb *TLCDScreen::cachedCell(int code, bool inverse) const
{
    const std::size_t index = std::size_t(code) + (inverse && code != 255 ? 256 : 0);
    const std::size_t cellPixels = std::size_t(m_cellWidth) * std::size_t(m_cellHeight);
    QRgb *cell = m_cellCache.data() + index * cellPixels;
    if (!m_cellCached[index]) {
        DrawCell(reinterpret_cast<uchar *>(cell), qsizetype(m_cellWidth) * qsizetype(sizeof(QRgb)), 0, 0, code,
                 inverse);
        m_cellCached[index] = true;
    }
    return cell;
}

// One cell: a block copy of the unlit (lit, when inverse or code 255) cell
// image, then the glyph's dots in the other colour.
void TLCDScreen::DrawCell(uchar *bits, qsizetype bytesPerLine, int x, int y, int code, bool inverse) const
{
    blit(bits, bytesPerLine, x, y, inverse || code == 255 ? m_litCell : m_unlitCell);
    if (code == ' ' || code == 255)
        return;
    const std::uint16_t *rows = glyphRows(m_dotMatrix, code);
    if (!rows)
        return;
    const GlyphSize glyph = glyphSize(m_dotMatrix);
    const QImage &dot = inverse ? m_inverseDot : m_glyphDot;
    const bool onePixel = dot.width() == 1 && dot.height() == 1;
    const QRgb onePixelColor = onePixel ? dot.pixel(0, 0) : 0;
    const int stepX = m_dotWidth + m_pixelSpacing;
    const int stepY = m_dotHeight + m_pixelSpacing;
    const int left = x + (m_dotMatrixBorders.testFlag(mbLeft123) ? stepX : 0);
    int top = y + (m_dotMatrixBorders.testFlag(mbTop) ? stepY : 0);
    for (int r = 0; r < glyph.rows; ++r, top += stepY) {
        const unsigned mask = rows[r];
        if (mask == 0)
            continue;
        for (int k = 0; k < glyph.columns; ++k) {
            if (!(mask & (1u << (glyph.columns - 1 - k))))
                continue;
            if (onePixel)
                pixelRow(bits, bytesPerLine, top)[left + k * stepX] = onePixelColor;
            else
                blit(bits, bytesPerLine, left + k * stepX, top, dot);
        }
    }
}

void TLCDScreen::updateTimer()
{
    // A delay of 0 halts the stepping while AnimationEnabled stays set; delays
    // beyond what a timer takes are as good as forever.
    const int interval = int(std::min<quint32>(m_animationDelay, quint32(std::numeric_limits<int>::max())));
    if (m_timer->interval() != interval)
        m_timer->setInterval(interval);
    if (m_animationEnabled && interval > 0) {
        if (!m_timer->isActive())
            m_timer->start();
    } else {
        m_timer->stop();
    }
}

bool TLCDScreen::animationTimerActive() const
{
    return m_timer->isActive();
}

QSize TLCDScreen::sizeHint() const
{
    return {m_lastWidth, m_lastHeight};
}

QSize TLCDScreen::minimumSizeHint() const
{
    return sizeHint();
}

void TLCDScreen::paintEvent(QPaintEvent *)
{
    if (m_frameStale || m_frame.width() != m_lastWidth || m_frame.height() != m_lastHeight) {
        renderFrame(m_frame);
        m_frameStale = false;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
}

void TLCDScreen::resizeEvent(QResizeEvent *)
{
    if (width() != m_lastWidth || height() != m_lastHeight)
        Paint();
}

void TLCDScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::PaletteChange: // system colours come from the palette
        UpdateDotColors();
        Paint();
        break;
    case QEvent::EnabledChange: // a disabled control shows no dots
        Paint();
        break;
    default:
        break;
    }
}

void TLCDScreen::mousePressEvent(QMouseEvent *event)
{
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TLCDScreen::mouseMoveEvent(QMouseEvent *event)
{
    emit OnMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TLCDScreen::mouseReleaseEvent(QMouseEvent *event)
{
    emit OnMouseUp(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick();
}

void TLCDScreen::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit OnDblClick();
    emit OnMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}
