// Animator scripts on the LCD: scrolling, jumps, the end of a script, wipes and
// malformed lines. Ticks are driven by hand, never by waiting for the timer.

#include "errorrecorder.h"
#include "lcdanimator.h"
#include "lcdscreen.h"
#include "lcdtestsupport.h"
#include "qtprint.h"

#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Lcd;
using namespace LcdTest;

namespace {

class LcdAnimatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen.setNoOfChars(6);
        screen.setLCDAnimator(&animator);
    }

    void script(const QStringList &code)
    {
        animator.setCode(code);
        animator.setCurrentLine(0);
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            screen.animationTick();
    }

    TLCDScreen screen;
    TLCDAnimator animator;
};

} // namespace

TEST_F(LcdAnimatorTest, ScrollingRotatesTheShownLinesOrTheWholeBuffer)
{
    struct Row
    {
        const char *command;
        QStringList result;
    };
    const Row rows[] = {
        {"[horzscroll(-2);]", {"CDEFAB", "WXYZUV", "123456"}},  // left: only the NoOfLines shown lines
        {"[horzscroll(7);]", {"ABCDEF", "UVWXYZ", "123456"}},   // more than the line: nothing moves
        {"[horzscroll(257);]", {"FABCDE", "ZUVWXY", "123456"}}, // the low 8 bits count
        {"[vertscroll(-1);]", {"UVWXYZ", "123456", "ABCDEF"}},  // up: the whole buffer rotates
        {"[vertscroll(2);]", {"UVWXYZ", "123456", "ABCDEF"}},
    };
    screen.setNoOfLines(2);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.command);
        screen.setLines({QStringLiteral("ABCDEF"), QStringLiteral("UVWXYZ"), QStringLiteral("123456")});
        script({QString::fromLatin1(row.command)});
        tick();
        EXPECT_EQ(screen.DisplayLines(), row.result);
    }
}

TEST_F(LcdAnimatorTest, EndOfScriptStopsTheTimerUnlessRepeating)
{
    script({QStringLiteral("[setintensity(10);]"), QStringLiteral("[setintensity(20);]")});
    QSignalSpy ended(&animator, &TLCDAnimator::OnEndCode);
    screen.setAnimationEnabled(true);
    ASSERT_TRUE(screen.animationTimerActive());
    tick(2);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(screen.AnimationEnabled());
    EXPECT_FALSE(screen.animationTimerActive());

    screen.setAnimationEnabled(true);
    tick();
    EXPECT_EQ(screen.Intensity(), 10) << "a restart begins with the first line";
    screen.setAnimationRepeating(true);
    tick(2);
    EXPECT_EQ(ended.count(), 2);
    EXPECT_TRUE(screen.animationTimerActive());
    EXPECT_EQ(animator.CurrentLine(), 1);
}

TEST_F(LcdAnimatorTest, GotoLineChoosesTheNextLine)
{
    struct Row
    {
        const char *name;
        const char *jump;
        int nextLine; // CurrentLine after the jumping step
        int ends;
        int secondReport; // line number OnLineExecuted reports for the step after it
    };
    // a script of four lines; line 0 jumps
    const Row rows[] = {
        {"to the number of lines: the last line runs next", "[gotoline(4);]", 3, 0, 3},
        {"to the last line's index: the script ends at once", "[gotoline(3);]", 0, 1, 3},
        {"to -1: line 0 runs next, reported unsigned", "[gotoline(-1);]", 0, 0, 65535},
        {"below -1: starts over at line 0", "[gotoline(-5);]", -4, 0, 65531},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        script({QString::fromLatin1(row.jump), QStringLiteral("[setintensity(1);]"),
                QStringLiteral("[setintensity(2);]"), QStringLiteral("[setintensity(3);]")});
        screen.setIntensity(100);
        QSignalSpy ended(&animator, &TLCDAnimator::OnEndCode);
        QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
        tick();
        EXPECT_EQ(animator.CurrentLine(), row.nextLine);
        EXPECT_EQ(ended.count(), row.ends);
        tick();
        ASSERT_EQ(executed.count(), 2);
        EXPECT_EQ(executed.last().at(1).toInt(), row.secondReport);
        EXPECT_EQ(screen.Intensity(), row.nextLine <= 0 ? 100 : row.nextLine) << "which line ran";
    }
}

// The script may be replaced while it runs: a line number past its new end
// must start it over, never read past it.
TEST_F(LcdAnimatorTest, AScriptShortenedUnderThePointerStartsOver)
{
    script({QStringLiteral("[setintensity(1);]"), QStringLiteral("[setintensity(2);]"),
            QStringLiteral("[setintensity(3);]"), QStringLiteral("[setintensity(4);]")});
    tick(3);
    ASSERT_EQ(animator.CurrentLine(), 3);
    animator.setCode({QStringLiteral("[setintensity(7);]"), QStringLiteral("[setintensity(8);]")});
    QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
    tick();
    ASSERT_EQ(executed.count(), 1);
    EXPECT_EQ(executed.first().at(1).toInt(), 0) << "the step ran line 0";
    EXPECT_EQ(screen.Intensity(), 7);
    EXPECT_EQ(animator.CurrentLine(), 1);
}

// A screen that closes itself when its script ends (a splash screen).
TEST(LcdAnimator, AHandlerMayDeleteTheScreenItRunsOn)
{
    for (const bool atEnd : {false, true}) {
        SCOPED_TRACE(atEnd ? "end of the script" : "line executed");
        auto *screen = new TLCDScreen;
        TLCDAnimator animator;
        animator.setCode({QStringLiteral("[horzscroll(1);]")});
        screen->setLCDAnimator(&animator);
        QPointer<TLCDScreen> alive(screen);
        const auto close = [&alive]() { delete alive.data(); };
        if (atEnd)
            QObject::connect(&animator, &TLCDAnimator::OnEndCode, close);
        else
            QObject::connect(&animator, &TLCDAnimator::OnLineExecuted, close);
        screen->animationTick();
        EXPECT_TRUE(alive.isNull());
    }
}

TEST_F(LcdAnimatorTest, CommandsAreCaseInsensitiveTakeTheIntegerFormsAndUnknownOnesAreSkipped)
{
    screen.setLines({QStringLiteral("ABCDEF")});
    script({QStringLiteral("[HORZSCROLL($1);]"),
            QStringLiteral("{ HorzScroll(-3);  SetIntensity(0X12C); frobnicate(1);horzscroll( +1); }"),
            QStringLiteral("[nothing here]"), QStringLiteral("[ResetDisplay(0); animationdelay(-1);]")});
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("FABCDE"));
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("BCDEFA"));
    EXPECT_EQ(screen.Intensity(), 44) << "the low 8 bits of 300";
    tick(2);
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("ABCDEF"));
    EXPECT_EQ(screen.AnimationDelay(), 4294967295u);
}

TEST_F(LcdAnimatorTest, MalformedArgumentsRaiseTheConversionErrorAtEveryTick)
{
    struct Row
    {
        const char *line;
        const char *message;
    };
    const Row rows[] = {
        {"[horzscroll;]", "'' is not a valid integer value"},
        {"[setintensity(5); horzscroll(1.5);]", "'1.5' is not a valid integer value"},
        {"[horzscroll(99999999999);]", "'99999999999' is not a valid integer value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        screen.setIntensity(100);
        script({QString::fromLatin1(row.line), QStringLiteral("[setintensity(1);]")});
        ErrorRecorder recorder;
        tick(2);
        const QString message = QString::fromLatin1(row.message);
        EXPECT_EQ(recorder.messages, (QStringList{message, message}));
        EXPECT_EQ(screen.Intensity(), 100) << "no command of the line runs";
    }
}

TEST_F(LcdAnimatorTest, WipesLightEveryCellThenRestoreTheText)
{
    screen.setNoOfLines(2);
    screen.setLines({QStringLiteral("ABCDEF"), QString()});
    screen.ScrollHorizontal(-5); // the wipe on restores the unscrolled text
    script({QStringLiteral("[infopaneloff(0);]"), QStringLiteral("[infopanelon(0);]")});
    QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
    tick(6);
    EXPECT_EQ(executed.count(), 1) << "the wipe holds the script";
    tick();
    EXPECT_EQ(screen.sweepColumn(), 0) << "6 cells take 7 columns";
    const QString allLit = expectedLine(screen, QString(6, QChar(255)));
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), allLit);
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 1), allLit);
    tick(7);
    EXPECT_EQ(executed.count(), 2);
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("ABCDEF")));
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 1), expectedLine(screen, QString()));
}
