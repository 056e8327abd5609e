// The LCD control: its geometry, dot colours, refusals and what it draws,
// checked on rendered frames.

#include "errorrecorder.h"
#include "lcdglyphs.h"
#include "lcdscreen.h"
#include "lcdtestsupport.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Lcd;
using namespace LcdTest;

namespace {

// The clock window's LCD as designed (normal size).
void applyClockSettings(TLCDScreen &screen)
{
    screen.setNoOfLines(4);
    screen.setNoOfChars(22);
    screen.setDotMatrix(mat5x7);
    screen.setPixelShape(psSquare);
    screen.setPixelSize(pix1x1);
    screen.setPixelSpacing(1);
    screen.setPixelWidth(1);
    screen.setPixelHeight(1);
    screen.setCharSpacing(2);
    screen.setLineSpacing(2);
    screen.setBorderSpace(2);
    screen.setBorderStyle(bsLowered);
    screen.setBorderColor(clNavy);
    screen.setColor(clSilver);
    screen.setPixelOn(clBlack);
    screen.setPixelOff(0xAAAAAA);
    screen.setIntensity(127);
}

QString text(std::initializer_list<char16_t> codes)
{
    QString result;
    for (char16_t code : codes)
        result += QChar(code);
    return result;
}

bool sameColor(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

TEST(LcdScreenGeometry, SizesFollowFromCellsDotsAndSpacings)
{
    struct Row
    {
        const char *name;
        std::function<void(TLCDScreen &)> setup;
        QSize size;
    };
    const Row rows[] = {
        {"defaults: one line of ten 14 x 20 cells", [](TLCDScreen &) {}, {157, 28}},
        {"clock, normal size", applyClockSettings, {246, 64}},
        {"clock, half size (no dot spacing)",
         [](TLCDScreen &s) {
             applyClockSettings(s);
             s.setPixelSpacing(0);
         },
         {158, 40}},
        {"clock, double size",
         [](TLCDScreen &s) {
             applyClockSettings(s);
             s.setPixelSize(pix2x2);
         },
         {356, 92}},
        {"7x9 with all matrix borders",
         [](TLCDScreen &s) {
             s.setDotMatrix(mat7x9);
             s.setDotMatrixBorders(mbTop | mbBottom | mbLeft123 | mbRight);
         },
         {2 + 6 + 10 * 26 + 9, 2 + 6 + 32}}, // cells of 9 x 11 dots of 2 x 2: 26 x 32 pixels
        {"9x12, one char, no border space",
         [](TLCDScreen &s) {
             s.setDotMatrix(mat9x12);
             s.setNoOfChars(1);
             s.setBorderSpace(0);
         },
         {2 + 26, 2 + 35}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        row.setup(screen);
        EXPECT_EQ(screen.size(), row.size);
        EXPECT_EQ(screen.sizeHint(), row.size);
        EXPECT_EQ(screen.grabFrame().size(), row.size);
    }
}

TEST(LcdScreenGeometry, ResizingFromOutsideChangesCellCountsAndSnapsToTheExactFit)
{
    struct Row
    {
        const char *name;
        QSize request;
        int chars;
        int lines;
        QSize snapped;
    };
    // defaults: cells of 14 x 20, spacings 1, border space 3
    const Row rows[] = {
        {"larger", {300, 100}, 19, 4, {292, 91}},
        {"one pixel short of the fit", {156, 27}, 10, 1, {157, 28}},
        {"too small for one cell", {5, 5}, 1, 1, {22, 28}},
        {"wider than 255 cells", {5000, 28}, 255, 1, {2 + 6 + 255 * 14 + 254, 28}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.resize(row.request);
        const QImage frame = screen.grabFrame();
        EXPECT_EQ(screen.NoOfChars(), row.chars);
        EXPECT_EQ(screen.NoOfLines(), row.lines);
        EXPECT_EQ(screen.size(), row.snapped);
        EXPECT_EQ(frame.size(), row.snapped);
    }
}

TEST(LcdScreenGeometry, FixedPixelSizeOverridesPixelWidthAndHeight)
{
    TLCDScreen screen;
    screen.setPixelSize(pix3x3);
    EXPECT_EQ(screen.PixelWidth(), 3);
    EXPECT_EQ(screen.PixelHeight(), 3);
    screen.setPixelWidth(5);
    screen.setPixelHeight(0); // ignored silently, not refused
    EXPECT_EQ(screen.PixelWidth(), 3);
    EXPECT_EQ(screen.PixelHeight(), 3);
    EXPECT_EQ(screen.cellWidth(), 5 * 3 + 4);

    screen.setPixelSize(pixCustom);
    screen.setPixelWidth(5);
    EXPECT_EQ(screen.PixelWidth(), 5);
    EXPECT_EQ(screen.cellWidth(), 5 * 5 + 4);
    EXPECT_EQ(screen.cellHeight(), 7 * 3 + 6);
}

TEST(LcdScreenProperties, ZeroValuesAreRefusedWithAMessage)
{
    struct Row
    {
        const char *name;
        std::function<void(TLCDScreen &)> set;
        std::function<int(const TLCDScreen &)> get;
        int kept;
        const char *message;
    };
    const Row rows[] = {
        {"NoOfLines", [](TLCDScreen &s) { s.setNoOfLines(0); }, [](const TLCDScreen &s) { return int(s.NoOfLines()); },
         1, "Display needs at least one line!"},
        {"NoOfChars", [](TLCDScreen &s) { s.setNoOfChars(0); }, [](const TLCDScreen &s) { return int(s.NoOfChars()); },
         10, "Display needs at least one character!"},
        {"PixelWidth", [](TLCDScreen &s) { s.setPixelWidth(0); },
         [](const TLCDScreen &s) { return int(s.PixelWidth()); }, 2, "Display pixel width must be 1 or more!"},
        {"PixelHeight", [](TLCDScreen &s) { s.setPixelHeight(0); },
         [](const TLCDScreen &s) { return int(s.PixelHeight()); }, 2, "Display pixel height must be 1 or more!"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        ErrorRecorder recorder;
        row.set(screen);
        EXPECT_EQ(recorder.messages, QStringList{QString::fromLatin1(row.message)});
        EXPECT_EQ(row.get(screen), row.kept);
        EXPECT_EQ(screen.size(), QSize(157, 28));
    }
}

TEST(LcdScreenProperties, PublishedAsQtPropertiesAboutIsReadOnly)
{
    TLCDScreen screen;
    screen.setAbout(QStringLiteral("something else"));
    EXPECT_EQ(screen.About(), QStringLiteral("About LCDScreen"));
    EXPECT_TRUE(screen.setProperty("NoOfChars", 22));
    EXPECT_TRUE(screen.setProperty("DotMatrix", QStringLiteral("mat7x9")));
    EXPECT_TRUE(screen.setProperty("Color", clBlack));
    EXPECT_EQ(screen.NoOfChars(), 22);
    EXPECT_EQ(screen.DotMatrix(), mat7x9);
    EXPECT_EQ(screen.Color(), clBlack);
    EXPECT_EQ(screen.property("PixelOff").toUInt(), 0xAAAAAAu);
    EXPECT_EQ(screen.property("Lines").toStringList(), QStringList());
}

TEST(LcdScreenColours, IntensityMixesLitAndUnlitColours)
{
    struct Row
    {
        const char *name;
        TColor on;
        TColor off;
        qint8 intensity;
        QRgb lit;
        QRgb unlit;
        int tolerance;
    };
    const Row rows[] = {
        {"full intensity: lit is nearly PixelOn", clBlack, 0xAAAAAA, 127, qRgb(3, 3, 3), qRgb(170, 170, 170), 0},
        {"intensity 0: lit all but PixelOff", clBlack, 0xAAAAAA, 0, qRgb(170, 170, 170), qRgb(170, 170, 170), 2},
        {"intensity -127: roles swapped", clBlack, 0xAAAAAA, -127, qRgb(170, 170, 170), qRgb(3, 3, 3), 0},
        {"intensity -128", clBlack, 0xAAAAAA, -128, qRgb(170, 170, 170), qRgb(1, 1, 1), 0},
        {"blue scheme, bright on dark", 0xFFFF00, 0x800000, 127, qRgb(0, 255, 255), qRgb(0, 0, 128), 4},
        {"a mid-grey PixelOn keeps its brightness", 0x808080, 0xAAAAAA, 127, qRgb(128, 128, 128), qRgb(170, 170, 170),
         2},
        {"system colour", clBtnShadow, clWhite, 127, toRgb(clBtnShadow), qRgb(255, 255, 255), 4},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.setPixelOn(row.on);
        screen.setPixelOff(row.off);
        screen.setIntensity(row.intensity);
        EXPECT_TRUE(sameColor(screen.litColor(), row.lit, row.tolerance))
            << std::hex << screen.litColor() << " vs " << row.lit;
        EXPECT_TRUE(sameColor(screen.unlitColor(), row.unlit, row.tolerance))
            << std::hex << screen.unlitColor() << " vs " << row.unlit;
    }
}

TEST(LcdScreenColours, NegativeIntensityDrawsGlyphsInPixelOff)
{
    TLCDScreen screen;
    screen.setLines({QStringLiteral("A")});
    screen.setIntensity(-127);
    const QImage frame = screen.grabFrame();
    // cell (0,0): dot (0,2) belongs to the A, dot (0,0) does not
    const QPoint origin = cellOrigin(screen, 0, 0);
    EXPECT_EQ(frame.pixel(origin + QPoint(2 * 3, 0)), qRgb(170, 170, 170));
    EXPECT_EQ(frame.pixel(origin), qRgb(3, 3, 3));
    EXPECT_EQ(cellDots(frame, screen, 0, 0), expectedDots(screen, 'A'));
}

// The frame drawn is also what the paint event puts on the screen.
TEST(LcdScreenDrawing, ClockDisplayShowsItsLinesAndPaintsTheFrame)
{
    TLCDScreen screen;
    applyClockSettings(screen);
    const QStringList lines{QString(), QStringLiteral(" 12/07/26 07:29:55 AM"), QStringLiteral("Next Alarm: Wake up!!"),
                            QString()};
    screen.setLines(lines);
    const QImage frame = screen.grabFrame();
    for (int line = 0; line < 4; ++line)
        EXPECT_EQ(lineDots(frame, screen, line), expectedLine(screen, lines[line])) << line;
    // pix1x1: the dot of the "N" at its top-left is exactly one pixel
    const QPoint n = cellOrigin(screen, 2, 0);
    EXPECT_EQ(frame.pixel(n), qRgb(3, 3, 3));
    EXPECT_EQ(frame.pixel(n + QPoint(1, 0)), toRgb(clSilver));

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
    const QImage frame = screen.grabFrame();
    const QRgb background = toRgb(clSilver);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == frame.width() - 1 || y == frame.height() - 1;
            ASSERT_EQ(frame.pixel(x, y), edge ? toRgb(clNavy) : background) << x << "," << y;
        }
    }
}

TEST(LcdScreenDrawing, BorderStylesDrawTwoStrokes)
{
    struct Row
    {
        const char *name;
        TLCDBorder style;
        QRgb rightBottom;
        QRgb topLeft;
    };
    const Row rows[] = {
        {"raised", bsRaised, toRgb(clBtnShadow), toRgb(clBtnHighlight)},
        {"lowered", bsLowered, toRgb(clBtnHighlight), toRgb(clBtnShadow)},
        {"single", bsSingle, toRgb(clRed), toRgb(clRed)},
        {"none", bsNone, toRgb(clSilver), toRgb(clSilver)},
    };
    ASSERT_NE(toRgb(clBtnShadow), toRgb(clBtnHighlight));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.setBorderColor(clRed);
        screen.setBorderStyle(row.style);
        const QImage frame = screen.grabFrame();
        const int w = frame.width();
        const int h = frame.height();
        EXPECT_EQ(frame.pixel(w - 1, h / 2), row.rightBottom);
        EXPECT_EQ(frame.pixel(w / 2, h - 1), row.rightBottom);
        EXPECT_EQ(frame.pixel(0, h - 1), row.rightBottom); // the first stroke ends on the bottom-left pixel
        EXPECT_EQ(frame.pixel(w / 2, 0), row.topLeft);
        EXPECT_EQ(frame.pixel(0, h / 2), row.topLeft);
        EXPECT_EQ(frame.pixel(w - 1, 0), row.topLeft); // the second stroke starts on the top-right pixel
        EXPECT_EQ(frame.pixel(1, 1), toRgb(clSilver));
    }
}

TEST(LcdScreenDrawing, InverseRegions)
{
    struct Row
    {
        const char *name;
        QString line;
        bool inverseEffect;
        QString visible;
        QString inverse; // 'I' for an inverted cell
    };
    const Row rows[] = {
        {"an on-code without off-code inverts the whole line", text({'A', 'B', 10, 'C', 'D'}), true, "ABCD", "IIIIII"},
        {"a region from on-code to off-code", text({'A', 'B', 10, 'C', 'D', 11, 'E', 'F'}), true, "ABCDEF", "..II.."},
        {"an off-code before the on-code wraps the region around", text({'A', 'B', 11, 'C', 'D', 10, 'E', 'F'}), true,
         "ABCDEF", "II..II"},
        {"an off-code first ends nothing", text({11, 'A', 'B', 10, 'C', 'D'}), true, "ABCD", "..IIII"},
        {"without the effect codes take no cell and invert nothing", text({'A', 'B', 10, 'C', 'D'}), false, "ABCD", ""},
        {"codes 14 to 20 take no cell", text({'A', 14, 'B', 20, 'C'}), true, "ABC", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.setNoOfChars(6);
        if (row.inverseEffect)
            screen.setSpecialEffects(spInverse);
        screen.setLines({row.line});
        EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, row.visible, row.inverse));
    }
}

TEST(LcdScreenDrawing, BlankAndCode255CellsLookTheSameInsideAnInverseRegion)
{
    TLCDScreen screen;
    screen.setSpecialEffects(spInverse);
    screen.setLines({text({255, 10, ' ', 255, 11, ' '})});
    const QImage frame = screen.grabFrame();
    const QString allLit = expectedDots(screen, 255);
    for (int cell = 0; cell < 3; ++cell)
        EXPECT_EQ(cellDots(frame, screen, 0, cell), allLit) << cell;
    EXPECT_EQ(cellDots(frame, screen, 0, 3), expectedDots(screen, ' '));
    EXPECT_FALSE(allLit.contains(u'.'));
}

TEST(LcdScreenDrawing, BlinkingTextHidesEveryOtherStep)
{
    struct Row
    {
        const char *name;
        QString line;
        QString hiddenPhase;
    };
    const Row rows[] = {
        {"a region from on-code to off-code", text({'A', 'B', 12, 'C', 'D', 13, 'E', 'F'}), "AB  EF"},
        {"an off-code first wraps the region around", text({'A', 'B', 13, 'C', 'D', 12, 'E', 'F'}), "  CD  "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        TLCDAnimator animator; // empty script: every tick only flips the blink phase
        screen.setNoOfChars(6);
        screen.setSpecialEffects(spBlinking);
        screen.setLines({row.line});
        screen.setLCDAnimator(&animator);
        EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("ABCDEF")));
        screen.animationTick();
        ASSERT_TRUE(screen.blinkPhase());
        EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, row.hiddenPhase));
        screen.animationTick();
        EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("ABCDEF")));
    }
}

TEST(LcdScreenDrawing, BlinkingNeedsAnAnimatorToToggle)
{
    TLCDScreen screen;
    screen.setSpecialEffects(spBlinking);
    screen.setLines({text({12, 'A'})});
    screen.animationTick();
    EXPECT_FALSE(screen.blinkPhase());
    EXPECT_EQ(cellDots(screen.grabFrame(), screen, 0, 0), expectedDots(screen, 'A'));
}

TEST(LcdScreenDrawing, MatrixBordersShiftGlyphsAndStayUnlit)
{
    TLCDScreen screen;
    screen.setNoOfChars(3);
    screen.setSpecialEffects(spInverse);
    screen.setDotMatrixBorders(mbTop | mbBottom | mbLeft123 | mbRight);
    screen.setLines({text({'#', 10, 219, 'M', 11})});
    const QImage frame = screen.grabFrame();
    const QString plain = cellDots(frame, screen, 0, 0);
    const QString inverse = cellDots(frame, screen, 0, 1);
    EXPECT_EQ(plain, expectedDots(screen, '#'));
    EXPECT_EQ(inverse, expectedDots(screen, 219, true));
    EXPECT_EQ(cellDots(frame, screen, 0, 2), expectedDots(screen, 'M', true));
    const QStringList plainRows = plain.split(u'/');
    const QStringList inverseRows = inverse.split(u'/');
    ASSERT_EQ(plainRows.size(), 9);
    EXPECT_EQ(plainRows.first(), QStringLiteral("......."));
    EXPECT_EQ(plainRows.last(), QStringLiteral("......."));
    EXPECT_EQ(inverseRows.first(), QStringLiteral("#######"));
    EXPECT_EQ(inverseRows.at(4), QStringLiteral("#.....#")); // full block inverted, ring stays lit
    for (const QString &row : plainRows) {
        EXPECT_EQ(row.front(), u'.');
        EXPECT_EQ(row.back(), u'.');
    }
}

TEST(LcdScreenDrawing, PixelShapes)
{
    struct Row
    {
        const char *name;
        TPixelSize size;
        TPixelShape shape;
        char unlitCorner; // corner pixel of an unlit dot: 'u' unlit colour, 'b' background
        char litCorner;   // corner pixel of a lit glyph dot: 'l' lit, 'u' unlit, 'b' background
        char inner;       // pixel (1, 1) of the cell: inside the first dot unless dots are 1 x 1
    };
    const Row rows[] = {
        {"square", pix4x4, psSquare, 'u', 'l', 'u'},
        {"round", pix4x4, psRound, 'b', 'b', 'u'},
        {"shaped: round glyph dots over square dots", pix4x4, psShaped, 'u', 'u', 'u'},
        {"round at one pixel is a pixel", pix1x1, psRound, 'u', 'l', 'b'},
        {"round at three pixels is no square", pix3x3, psRound, 'b', 'b', 'u'},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.setPixelSize(row.size);
        screen.setPixelShape(row.shape);
        screen.setLines({QStringLiteral("|")}); // the bar lights glyph column 3 from top to bottom
        const QImage frame = screen.grabFrame();
        const auto colour = [&](char c) {
            return c == 'l' ? screen.litColor() : c == 'u' ? screen.unlitColor() : toRgb(clSilver);
        };
        const QPoint origin = cellOrigin(screen, 0, 0);
        const int step = screen.PixelWidth() + screen.PixelSpacing();
        EXPECT_EQ(frame.pixel(origin), colour(row.unlitCorner));
        EXPECT_EQ(frame.pixel(origin + QPoint(2 * step, 0)), colour(row.litCorner));
        EXPECT_EQ(frame.pixel(origin + QPoint(1, 1)), colour(row.inner));
        EXPECT_EQ(cellDots(frame, screen, 0, 0), expectedDots(screen, '|'));
    }
}

TEST(LcdScreenDrawing, CodesWithoutGlyphShowBlankCells)
{
    TLCDScreen screen;
    screen.setNoOfChars(5);
    screen.setDotMatrix(mat7x9);
    screen.setLines({text({1, 31, 127, 200, 254})});
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, {}));

    screen.setDotMatrix(mat5x7);
    screen.setLines({text({0xE9, 0x263A, 'x'})}); // e acute is code 233; beyond 8 bits shows '?'
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, text({233, '?', 'x'})));
}

TEST(LcdScreenDrawing, OnlyTheFirstNoOfLinesEntriesAreDrawn)
{
    TLCDScreen screen;
    screen.setNoOfChars(3);
    screen.setNoOfLines(2);
    screen.setLines({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("six")});
    const QImage frame = screen.grabFrame();
    EXPECT_EQ(frame.height(), 2 + 6 + 2 * 20 + 1);
    EXPECT_EQ(lineDots(frame, screen, 0), expectedLine(screen, QStringLiteral("one")));
    EXPECT_EQ(lineDots(frame, screen, 1), expectedLine(screen, QStringLiteral("two")));
}

TEST(LcdScreenDrawing, LongLinesAndManyCodesBeyondEightBitCounters)
{
    TLCDScreen screen;
    screen.setPixelSize(pix1x1);
    screen.setNoOfChars(255);
    QString line;
    for (int i = 0; i < 20; ++i)
        line += QChar(14); // codes that take no cell
    line += QString(254, u'-') + QStringLiteral("X") + QString(40, u'-');
    screen.setLines({line});
    const QImage frame = screen.grabFrame();
    EXPECT_EQ(cellDots(frame, screen, 0, 254), expectedDots(screen, 'X'));
    EXPECT_EQ(cellDots(frame, screen, 0, 253), expectedDots(screen, '-'));
}

TEST(LcdScreenLines, PaddingGivesLinesRoomToScroll)
{
    struct Row
    {
        const char *name;
        THorzScrollMode mode;
        QStringList lines;
        QList<int> lengths;
    };
    const Row rows[] = {
        {"independent: NoOfChars plus the most codes of any entry; longer lines keep their length",
         smIndependant,
         {QStringLiteral("ABC"), QString(), text({10, 'X', 'Y', 11}), QStringLiteral("ABCDEFGHIJ")},
         {7, 0, 7, 10}},
        {"dependent: the same visible length for every non-empty line",
         smDependant,
         {QStringLiteral("ABCDEFGH"), QStringLiteral("AB"), QString(), text({10, 'X', 'Y'})},
         {8, 8, 0, 9}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TLCDScreen screen;
        screen.setNoOfChars(5);
        screen.setNoOfLines(5);
        screen.setHorzScrollMode(row.mode);
        screen.setLines(row.lines);
        QList<int> lengths;
        for (const QString &entry : screen.DisplayLines())
            lengths << int(entry.size());
        EXPECT_EQ(lengths, row.lengths + QList<int>{0}); // a fifth, empty entry for the fifth line
        EXPECT_EQ(screen.Lines(), row.lines);
    }
}

TEST(LcdScreenLines, WritingOneEntryResetsScrollingOnlyWhenTheTextChanges)
{
    TLCDScreen screen;
    screen.setNoOfChars(4);
    screen.setLines({QStringLiteral("ABCD"), QStringLiteral("EFGH")});
    screen.ScrollHorizontal(-1);
    ASSERT_EQ(screen.DisplayLines().first(), QStringLiteral("BCDA"));

    screen.setLine(1, QStringLiteral("EFGH"));
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("BCDA"));

    screen.setLine(1, QStringLiteral("IJKL"));
    EXPECT_EQ(screen.DisplayLines(), (QStringList{QStringLiteral("ABCD"), QStringLiteral("IJKL")}));

    screen.setLine(3, QStringLiteral("MNOP"));
    EXPECT_EQ(screen.Lines(),
              (QStringList{QStringLiteral("ABCD"), QStringLiteral("IJKL"), QString(), QStringLiteral("MNOP")}));

    // Assigning the same list as a whole still resets the display.
    screen.setLines({QStringLiteral("ABCD")});
    screen.ScrollHorizontal(1);
    screen.setLines({QStringLiteral("ABCD")});
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("ABCD"));
}

TEST(LcdScreenEvents, MouseEventsReachTheHost)
{
    TLCDScreen screen;
    screen.show();
    QSignalSpy down(&screen, &TLCDScreen::OnMouseDown);
    QSignalSpy click(&screen, &TLCDScreen::OnClick);
    QSignalSpy doubleClick(&screen, &TLCDScreen::OnDblClick);
    QTest::mouseClick(&screen, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(&screen, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_GE(down.count(), 2);
    EXPECT_EQ(down.first().at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_GE(click.count(), 1);
    EXPECT_EQ(doubleClick.count(), 1);
}

TEST(LcdScreenDrawing, EveryDotSizeAndMatrixDrawsTheSameCells)
{
    // small cells are drawn from a cache of whole cells, large ones dot by dot
    const QString line = text({'A', 'g', 10, '0', ' ', 255, 11, '~'});
    for (TDotMatrix matrix : {mat5x7, mat7x9, mat9x12}) {
        for (TPixelSize size : {pix1x1, pix2x2, pix5x5, pix16x16}) {
            SCOPED_TRACE(testing::Message() << "matrix " << matrix << ", dots of " << size);
            TLCDScreen screen;
            screen.setNoOfChars(7);
            screen.setDotMatrix(matrix);
            screen.setPixelSize(size);
            screen.setSpecialEffects(spInverse);
            screen.setLines({line});
            EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0),
                      expectedLine(screen, text({'A', 'g', '0', ' ', 255, '~'}), "..III."));
        }
    }
}
