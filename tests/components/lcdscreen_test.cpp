// The LCD control: its geometry, dot colours, refusals and what it draws,
// checked on rendered frames.

#include "errorrecorder.h"
#include "lcdscreen.h"
#include "lcdtestsupport.h"
#include "qtprint.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

using namespace Lcd;
using namespace LcdTest;

TEST(LcdScreenGeometry, ResizingFromOutsideChangesCellCountsAndSnapsToTheExactFit)
{
    struct Row
    {
        const char *name;
        QSize request;
        QSize cells; // characters x lines
        QSize snapped;
    };
    // defaults: cells of 14 x 20, spacings 1, border space 3
    const Row rows[] = {
        {"larger", {300, 100}, {19, 4}, {292, 91}},
        {"one pixel short of the fit", {156, 27}, {10, 1}, {157, 28}},
        {"too small for one cell", {5, 5}, {1, 1}, {22, 28}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.resize(row.request);
        EXPECT_EQ(screen.grabFrame().size(), row.snapped);
        EXPECT_EQ(screen.size(), row.snapped);
        EXPECT_EQ(QSize(screen.NoOfChars(), screen.NoOfLines()), row.cells);
    }
}

TEST(LcdScreenProperties, ZeroValuesAreRefusedWithTheirMessagesAndChangeNothing)
{
    TLCDScreen screen;
    ErrorRecorder recorder;
    for (const char *property : {"NoOfLines", "NoOfChars", "PixelWidth", "PixelHeight"})
        screen.setProperty(property, 0);
    EXPECT_EQ(recorder.messages, (QStringList{QStringLiteral("Display needs at least one line!"),
                                              QStringLiteral("Display needs at least one character!"),
                                              QStringLiteral("Display pixel width must be 1 or more!"),
                                              QStringLiteral("Display pixel height must be 1 or more!")}));
    EXPECT_EQ(screen.grabFrame().size(), QSize(157, 28));
}

TEST(LcdScreenColours, IntensityMixesLitAndUnlitColoursAndGlyphsUseThem)
{
    struct Row
    {
        const char *name;
        TColor on;
        qint8 intensity;
        QRgb lit;
        QRgb unlit;
    };
    const Row rows[] = {
        {"full intensity: lit is nearly PixelOn", clBlack, 127, qRgb(3, 3, 3), qRgb(170, 170, 170)},
        {"intensity 0: lit all but PixelOff", clBlack, 0, qRgb(171, 171, 171), qRgb(170, 170, 170)},
        {"intensity -127: roles swapped", clBlack, -127, qRgb(170, 170, 170), qRgb(3, 3, 3)},
        {"a mid-grey PixelOn keeps its brightness", 0x808080, 127, qRgb(129, 129, 129), qRgb(170, 170, 170)},
        // Channels of 255: the low 8 bits of the scaled difference (-1 gives 255, -43 gives 213).
        {"white PixelOn at full intensity", 0xFFFFFF, 127, qRgb(255, 255, 255), qRgb(170, 170, 170)},
        {"white PixelOn at intensity 64", 0xFFFFFF, 64, qRgb(213, 213, 213), qRgb(170, 170, 170)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen; // PixelOff 0xAAAAAA
        screen.setPixelOn(row.on);
        screen.setIntensity(row.intensity);
        screen.setLines({QStringLiteral("A")});
        EXPECT_EQ(screen.litColor(), row.lit) << std::hex << screen.litColor();
        EXPECT_EQ(screen.unlitColor(), row.unlit) << std::hex << screen.unlitColor();
        EXPECT_EQ(cellDots(screen.grabFrame(), screen, 0, 0), expectedDots(screen, 'A'));
    }
}

// Lit dots of the clock's six colour schemes at full intensity: a channel of
// 0 or 255 in PixelOn follows the formula to the bit.
TEST(LcdScreenColours, ColourSchemesLightTheirDotsAsTheFormulaGives)
{
    struct Row
    {
        const char *name;
        TColor off;
        TColor on;
        QRgb lit;
    };
    const Row rows[] = {
        {"Blue", 0x800000, 0xFFFF00, qRgb(0, 252, 254)},
        {"Gray", 0xAAAAAA, 0x000000, qRgb(3, 3, 3)},
        {"Green", 0x008000, 0x00FF00, qRgb(0, 254, 0)},
        {"Pink", 0x800080, 0xFF00FF, qRgb(254, 0, 254)},
        {"Red", 0x000080, 0x0000FF, qRgb(254, 0, 0)},
        {"Yellow", 0x008080, 0x00FFFF, qRgb(254, 254, 0)},
        {"PixelOff as white as PixelOn", 0xFFFFFF, 0xFFFFFF, qRgb(255, 255, 255)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.setPixelOff(row.off);
        screen.setPixelOn(row.on);
        EXPECT_EQ(screen.litColor(), row.lit) << std::hex << screen.litColor();
        // An all-lit cell: its first dot sits inside the border space and the frame line.
        screen.setLines({QString(QChar(255))});
        const int first = screen.BorderSpace() + 1;
        EXPECT_EQ(screen.grabFrame().pixel(first, first), row.lit);
    }
    TLCDScreen lowIntensity;
    lowIntensity.setPixelOff(0xFFFFFF);
    lowIntensity.setIntensity(0);
    EXPECT_EQ(lowIntensity.litColor(), qRgb(255, 255, 255)) << "a difference past 255 must not wrap to black";
}

// The clock's LCD in its three sizes; the frame drawn is also what the paint
// event puts on the screen.
TEST(LcdScreenDrawing, ClockDisplayInItsThreeSizesShowsItsLinesAndPaintsTheFrame)
{
    TLCDScreen screen;
    screen.setNoOfLines(4);
    screen.setNoOfChars(22);
    screen.setCharSpacing(2);
    screen.setLineSpacing(2);
    screen.setBorderSpace(2);
    const std::tuple<TPixelSize, int, QSize> sizes[] = {
        {pix1x1, 0, {158, 40}}, {pix2x2, 1, {356, 92}}, {pix1x1, 1, {246, 64}}};
    for (const auto &[pixels, spacing, size] : sizes) {
        screen.setPixelSize(pixels);
        screen.setPixelSpacing(quint8(spacing));
        EXPECT_EQ(screen.grabFrame().size(), size) << "dots of " << pixels << ", spacing " << spacing;
    }
    const QStringList lines{QString(), QStringLiteral(" 12/07/26 07:29:55 AM"), QStringLiteral("Next Alarm: Wake up!!"),
                            QString()};
    screen.setLines(lines);
    const QImage frame = screen.grabFrame();
    for (int line = 0; line < 4; ++line)
        EXPECT_EQ(lineDots(frame, screen, line), expectedLine(screen, lines[line])) << line;
    screen.show();
    screen.setLine(3, QStringLiteral("and again"));
    EXPECT_EQ(screen.grab().toImage().convertToFormat(QImage::Format_RGB32), screen.grabFrame());
}

TEST(LcdScreenDrawing, DisabledControlShowsFrameAndBackgroundOnly)
{
    TLCDScreen screen;
    screen.setBorderStyle(bsSingle);
    screen.setBorderColor(clNavy);
    screen.setLines({QStringLiteral("HELLO")});
    screen.setEnabled(false);
    QImage expected(screen.size(), QImage::Format_RGB32);
    expected.fill(toRgb(clNavy));
    QPainter(&expected).fillRect(expected.rect().adjusted(1, 1, -1, -1), QColor(toRgb(clSilver)));
    EXPECT_TRUE(screen.grabFrame() == expected);
}

TEST(LcdScreenDrawing, LoweredBorderAndRoundDots)
{
    TLCDScreen screen;
    screen.setBorderStyle(bsLowered);
    screen.setPixelSize(pix4x4);
    screen.setPixelShape(psRound);
    screen.setLines({QStringLiteral("|")}); // the bar lights glyph column 3 from top to bottom
    const QImage frame = screen.grabFrame();
    ASSERT_NE(toRgb(clBtnShadow), toRgb(clBtnHighlight));
    EXPECT_EQ(frame.pixel(frame.width() - 1, 10), toRgb(clBtnHighlight));
    EXPECT_EQ(frame.pixel(10, 0), toRgb(clBtnShadow));
    // a round dot leaves its corners to the background
    EXPECT_EQ(frame.pixel(cellOrigin(screen, 0, 0) + QPoint(2 * 5, 0)), toRgb(clSilver));
    EXPECT_EQ(cellDots(frame, screen, 0, 0), expectedDots(screen, '|'));
}

// Small cells are drawn from a cache of whole cells, large ones dot by dot:
// every row is drawn at four dot sizes.
TEST(LcdScreenDrawing, LinesShowGlyphsInverseAndBlinkingRegionsAndBlankCells)
{
    struct Row
    {
        const char *name;
        QString line;
        QString visible;
        QString inverse; // 'I' for an inverted cell
        int scroll = 0;  // cells to the left (negative) before drawing
        int ticks = 0;   // animator ticks (each flips the blink phase) before drawing
        TSpecialEffects effects = spInverse;
        TDotMatrix matrix = mat5x7;
        TDotMatrixBorders borders = {};
    };
    const Row rows[] = {
        {"an on-code without off-code inverts the whole line", QStringLiteral("AB\nCD"), "ABCD", "IIIIII"},
        {"a region from on-code to off-code", QStringLiteral("AB\nCD\vEF"), "ABCDEF", "..II.."},
        {"an off-code before the on-code wraps the region around", QStringLiteral("AB\vCD\nEF"), "ABCDEF", "II..II"},
        {"without the effect codes take no cell", QStringLiteral("AB\nCD"), "ABCD", "", 0, 0, {}},
        {"a region wraps after a scroll", QStringLiteral("\nAB\vCD"), "BCD  A", "I....I", -1},
        {"blinking: a wrapped region hides", QStringLiteral("AB\rCD\fEF"), "  CD  ", "", 0, 1, spBlinking},
        {"blinking: and shows again", QStringLiteral("AB\rCD\fEF"), "ABCDEF", "", 0, 2, spBlinking},
        {"codes 14 to 20 take no cell", QStringLiteral("A\016B\024C"), "ABC", ""},
        {"code 255 and blanks are all lit in a region", QStringLiteral("\u00FF\n \u00FF\v "), "\u00FF \u00FF ", "III"},
        {"7x9: codes without glyph", QStringLiteral("\x01\x1F\u007F\u00C8\u00FEg"), "     g", "", 0, 0, {}, mat7x9},
        {"9x12 with a region", QStringLiteral("Ag\n0 \u00FF\v~"), "Ag0 \u00FF~", "..III.", 0, 0, spInverse, mat9x12},
        {"beyond 8 bits shows '?'", QStringLiteral("\u00E9\u263Ax"), "\u00E9?x", ""},
        {"matrix borders", QStringLiteral("#\n\u00DB\v"), "#\u00DB", ".I", 0, 0, spInverse, mat5x7,
         mbTop | mbBottom | mbLeft123 | mbRight},
    };
    for (const Row &row : rows) {
        for (TPixelSize size : {pix1x1, pix2x2, pix5x5, pix16x16}) {
            SCOPED_TRACE(testing::Message() << row.name << ", dots of " << size);
            TLCDAnimator animator; // an empty script: a tick only flips the blink phase
            TLCDScreen screen;
            screen.setNoOfChars(6);
            screen.setPixelSize(size);
            screen.setDotMatrix(row.matrix);
            screen.setDotMatrixBorders(row.borders);
            screen.setSpecialEffects(row.effects);
            screen.setLines({row.line});
            screen.ScrollHorizontal(row.scroll);
            screen.setLCDAnimator(&animator);
            for (int i = 0; i < row.ticks; ++i)
                screen.animationTick();
            EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, row.visible, row.inverse));
        }
    }
}

// A screen reader reads what the LCD shows: its lines as one text, effect
// codes and blank lines left out.
TEST(LcdScreenAccessibility, TheShownLinesAreItsNameAndItsHintItsDescription)
{
    TLCDScreen screen;
    screen.setNoOfLines(3);
    screen.setLines({QString(), QStringLiteral(" 12/07/26 07:29:55 AM "), QStringLiteral("Next\x0a Alarm\x0b"),
                     QStringLiteral("beyond the last line")});
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&screen);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("12/07/26 07:29:55 AM\nNext Alarm"));
    screen.setToolTip(QStringLiteral("Double click here to change LCD color"));
    EXPECT_EQ(accessible->text(QAccessible::Description), screen.toolTip());

    // Read when asked: a change is there at once.
    screen.setLines({QStringLiteral("other")});
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("other"));
}

namespace {

// Gathers the areas the control is asked to paint.
class PaintedAreas final : public QObject
{
public:
    explicit PaintedAreas(QWidget &widget) { widget.installEventFilter(this); }
    QRegion take()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        return std::exchange(m_region, QRegion());
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QRegion m_region;
};

} // namespace

// A clock changes one line at a time: only that line's band is painted again,
// and the face then looks exactly as if it had been drawn whole.
TEST(LcdScreenRepaint, AChangedLineRepaintsOnlyItsBandAndLooksDrawnWhole)
{
    TLCDScreen screen;
    screen.setNoOfLines(4);
    screen.setNoOfChars(22);
    screen.setLines({QStringLiteral("top"), QStringLiteral(" 01/04/27 07:00:00 AM"),
                     QStringLiteral("   Next Alarm: 01/0"), QString()});
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    PaintedAreas painted(screen);
    QTest::qWait(20);
    painted.take();
    const QRect whole = screen.rect();
    const auto band = [&screen](int line) {
        const QPoint origin = cellOrigin(screen, line, 0);
        return QRect(origin.x(), origin.y(),
                     cellOrigin(screen, line, screen.NoOfChars() - 1).x() + screen.cellWidth() - origin.x(),
                     screen.cellHeight());
    };
    const struct
    {
        const char *name;
        int line;
        QString text;
        QRect area; // null: nothing painted
    } rows[] = {
        {"the clock line", 1, QStringLiteral(" 01/04/27 07:00:01 AM"), band(1)},
        {"the marquee", 2, QStringLiteral("  Next Alarm: 01/04"), band(2)},
        {"an empty line filled", 3, QStringLiteral("x"), band(3)},
        {"the same text again", 2, QStringLiteral("  Next Alarm: 01/04"), QRect()},
        // An inverse code widens every line's padding: all lines move.
        {"a zero-width code", 0, QString(QChar(10)) + QStringLiteral("top"), whole},
        {"a line below the last one shown", 5, QStringLiteral("hidden"), QRect()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        screen.setLine(row.line, row.text);
        const QRegion region = painted.take();
        EXPECT_EQ(region.boundingRect(), row.area);
        EXPECT_EQ(screen.grab().toImage().convertToFormat(QImage::Format_RGB32), screen.grabFrame());
        painted.take(); // the grab's own painting
    }
}
