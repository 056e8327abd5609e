// Animator scripts on the LCD: scrolling, jumps, the end of a script, wipes and
// malformed lines. Ticks are driven by hand, never by waiting for the timer.

#include "apperror.h"
#include "errorbox.h"
#include "errorrecorder.h"
#include "lcdanimator.h"
#include "lcdscreen.h"
#include "lcdtestsupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Lcd;
using namespace LcdTest;

namespace {

QString text(std::initializer_list<char16_t> codes)
{
    QString result;
    for (char16_t code : codes)
        result += QChar(code);
    return result;
}

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

TEST_F(LcdAnimatorTest, HorizontalScrollRotatesEachLine)
{
    struct Row
    {
        const char *command;
        const char *result;
    };
    const Row rows[] = {
        {"[horzscroll(3);]", "DEFABC"},   {"[horzscroll(-2);]", "CDEFAB"}, {"[horzscroll(6);]", "ABCDEF"},
        {"[horzscroll(7);]", "ABCDEF"},   {"[horzscroll(-6);]", "ABCDEF"}, {"[horzscroll(0);]", "ABCDEF"},
        {"[horzscroll(257);]", "FABCDE"}, // the low 8 bits count
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.command);
        screen.setLines({QStringLiteral("ABCDEF"), QStringLiteral("UVWXYZ")});
        script({QString::fromLatin1(row.command)});
        tick();
        EXPECT_EQ(screen.DisplayLines().at(0), QString::fromLatin1(row.result));
        EXPECT_EQ(screen.DisplayLines().at(1), QStringLiteral("UVWXYZ")) << "only NoOfLines lines rotate";
        EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QString::fromLatin1(row.result)));
    }
}

TEST_F(LcdAnimatorTest, EffectRegionsTravelWithTheirText)
{
    screen.setSpecialEffects(spInverse);
    screen.setLines({text({10, 'A', 'B', 11, 'C', 'D'})});
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("ABCD"), "II"));
    script({QStringLiteral("[horzscroll(-1);]")});
    tick();
    // the 10 moved to the end together with the A: B C D, two blanks, A
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("BCD  A"), "I....I"));
    tick();
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("CD  AB"), "....II"));
}

TEST_F(LcdAnimatorTest, VerticalScrollRotatesTheWholeBuffer)
{
    screen.setNoOfChars(1);
    screen.setNoOfLines(2);
    screen.setLines({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    const auto shown = [this] {
        const QImage frame = screen.grabFrame();
        return QStringList{lineDots(frame, screen, 0), lineDots(frame, screen, 1)};
    };
    const auto expected = [this](const char *first, const char *second) {
        return QStringList{expectedLine(screen, QString::fromLatin1(first)),
                           expectedLine(screen, QString::fromLatin1(second))};
    };
    script({QStringLiteral("[vertscroll(-1);]")});
    tick();
    EXPECT_EQ(shown(), expected("2", "3"));
    tick();
    EXPECT_EQ(shown(), expected("3", "1"));

    script({QStringLiteral("[vertscroll(1);]")});
    tick();
    EXPECT_EQ(shown(), expected("2", "3"));
    script({QStringLiteral("[vertscroll(2);]")});
    tick();
    EXPECT_EQ(shown(), expected("3", "1"));
}

TEST_F(LcdAnimatorTest, GotoMinusOneLoopsForeverAndReportsUnsignedLineNumbers)
{
    screen.setLines({QStringLiteral("ABCDEF")});
    script({QStringLiteral("[horzscroll(-1);]"), QStringLiteral("[gotoline(-1);]")});
    QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
    QSignalSpy ended(&animator, &TLCDAnimator::OnEndCode);
    screen.setAnimationEnabled(true);
    tick(6);
    QList<int> reported;
    for (const QList<QVariant> &arguments : executed) {
        EXPECT_EQ(arguments.at(0).value<TLCDAnimator *>(), &animator);
        reported << arguments.at(1).toInt();
    }
    EXPECT_EQ(reported, (QList<int>{0, 65535, 0, 65535, 0, 65535}));
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(screen.AnimationEnabled());
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("DEFABC"));
}

TEST_F(LcdAnimatorTest, EndOfScriptStopsTheTimerUnlessRepeating)
{
    script({QStringLiteral("[setintensity(10);]"), QStringLiteral("[setintensity(20);]")});
    QSignalSpy ended(&animator, &TLCDAnimator::OnEndCode);
    screen.setAnimationEnabled(true);
    ASSERT_TRUE(screen.animationTimerActive());
    tick(2);
    EXPECT_EQ(screen.Intensity(), 20);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.first().at(0).value<TLCDAnimator *>(), &animator);
    EXPECT_EQ(animator.CurrentLine(), 0);
    EXPECT_FALSE(screen.AnimationEnabled());
    EXPECT_FALSE(screen.animationTimerActive());

    screen.setAnimationEnabled(true);
    tick();
    EXPECT_EQ(screen.Intensity(), 10) << "a restart begins with the first line";
    EXPECT_EQ(animator.CurrentLine(), 1);

    screen.setAnimationRepeating(true);
    tick(2);
    EXPECT_EQ(ended.count(), 2);
    EXPECT_TRUE(screen.AnimationEnabled());
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
        int secondReport; // line number reported by the step after it
    };
    // a script of four lines; line 0 jumps
    const Row rows[] = {
        {"to line 1: line 2 runs next", "[gotoline(1);]", 2, 0, 2},
        {"to the number of lines: the last line runs next", "[gotoline(4);]", 3, 0, 3},
        {"far beyond: the last line runs next", "[gotoline(1000);]", 3, 0, 3},
        {"to the last line's index: the script ends at once", "[gotoline(3);]", 0, 1, 3},
        {"to -1: line 0 runs next", "[gotoline(-1);]", 0, 0, 65535},
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
        const int ran = row.nextLine < 0 ? 0 : row.nextLine;
        EXPECT_EQ(screen.Intensity(), ran == 0 ? 100 : ran) << "line " << ran << " ran";
    }
}

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

TEST(LcdAnimator, CurrentLineStaysWithinTheScript)
{
    struct Row
    {
        int lines;
        qint16 set;
        qint16 stored;
    };
    const Row rows[] = {{3, 5, 2}, {3, 3, 3}, {3, 2, 2}, {3, -7, -7}, {0, 1, 0}, {0, -1, -1}};
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.lines << " lines, set " << row.set);
        TLCDAnimator animator;
        animator.setCode(QStringList(row.lines, QStringLiteral("[;]")));
        animator.setCurrentLine(row.set);
        EXPECT_EQ(animator.CurrentLine(), row.stored);
    }
    TLCDAnimator animator;
    EXPECT_EQ(animator.About(), QStringLiteral("About LCDAnimator"));
    EXPECT_FALSE(animator.CodeErrorFound());
}

TEST_F(LcdAnimatorTest, CommandsAreCaseInsensitiveAndRunInOrder)
{
    screen.setLines({QStringLiteral("ABCDEF")});
    script(
        {QStringLiteral("[HORZSCROLL(1);]"), QStringLiteral("{ HorzScroll(-3);  SetIntensity(50);horzscroll(1); }")});
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("FABCDE"));
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("BCDEFA"));
    EXPECT_EQ(screen.Intensity(), 50);
}

TEST_F(LcdAnimatorTest, ArgumentsTakeTheStandardIntegerForms)
{
    struct Row
    {
        const char *line;
        quint32 delay;
    };
    const Row rows[] = {
        {"[animationdelay(100);]", 100},       {"[animationdelay($10);]", 16},
        {"[animationdelay(0x20);]", 32},       {"[animationdelay( +7);]", 7},
        {"[animationdelay(-1);]", 4294967295}, {"[animationdelay($FFFFFFFE);]", 4294967294},
        {"[animationdelay(0X1f);]", 31},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        script({QString::fromLatin1(row.line)});
        tick();
        EXPECT_EQ(screen.AnimationDelay(), row.delay);
    }
    script({QStringLiteral("[setintensity(300);]")});
    tick();
    EXPECT_EQ(screen.Intensity(), 44) << "the low 8 bits of 300";
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
        {"[horzscroll (1);]", "'(1' is not a valid integer value"},
        {"[horzscroll(x);]", "'x' is not a valid integer value"},
        {"[horzscroll();]", "'' is not a valid integer value"},
        {"[setintensity(5); horzscroll(1.5);]", "'1.5' is not a valid integer value"},
        {"[horzscroll(99999999999);]", "'99999999999' is not a valid integer value"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        screen.setLines({QStringLiteral("ABCDEF")});
        screen.setIntensity(100);
        script({QString::fromLatin1(row.line), QStringLiteral("[horzscroll(1);]")});
        QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
        ErrorRecorder recorder;
        tick(2);
        const QString message = QString::fromLatin1(row.message);
        EXPECT_EQ(recorder.messages, (QStringList{message, message}));
        EXPECT_EQ(animator.CurrentLine(), 0);
        EXPECT_EQ(executed.count(), 0);
        EXPECT_EQ(screen.Intensity(), 100) << "no command of the line runs";
        EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("ABCDEF"));
        EXPECT_THROW(screen.ExecuteScriptLine(), AppError);
    }
}

TEST_F(LcdAnimatorTest, ATickArrivingWhileTheErrorBoxIsOpenIsDropped)
{
    script({QStringLiteral("[horzscroll(z);]")});
    QStringList messages;
    ErrorBox::setRecorder([&](const QString &message) {
        messages << message;
        screen.animationTick(); // what the timer does inside the box's modal loop
    });
    tick();
    ErrorRecorder restoreDefaultRecorder;
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(LcdAnimatorTest, LinesWithoutCommandsAndUnknownNamesStillCountAsSteps)
{
    screen.setLines({QStringLiteral("ABCDEF")});
    script({QStringLiteral("[nothing here]"), QStringLiteral("[frobnicate(1); horzscroll(-1);]")});
    QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("ABCDEF"));
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("BCDEFA"));
    EXPECT_EQ(executed.count(), 2);
}

TEST_F(LcdAnimatorTest, AnEmptyScriptStepsForever)
{
    script({});
    QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
    QSignalSpy ended(&animator, &TLCDAnimator::OnEndCode);
    screen.setAnimationEnabled(true);
    tick(3);
    EXPECT_EQ(executed.count(), 3);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(animator.CurrentLine(), 0);
    EXPECT_TRUE(screen.AnimationEnabled());
}

TEST_F(LcdAnimatorTest, ResetDisplayCommandReloadsLines)
{
    screen.setLines({QStringLiteral("ABCDEF")});
    script({QStringLiteral("[horzscroll(2);]"), QStringLiteral("[resetdisplay(0);]")});
    tick();
    ASSERT_EQ(screen.DisplayLines().first(), QStringLiteral("EFABCD"));
    tick();
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("ABCDEF"));
}

TEST_F(LcdAnimatorTest, AnimationDelayZeroHaltsTheTimer)
{
    script({QStringLiteral("[animationdelay(0);]")});
    screen.setAnimationRepeating(true);
    screen.setAnimationEnabled(true);
    tick();
    EXPECT_TRUE(screen.AnimationEnabled());
    EXPECT_FALSE(screen.animationTimerActive());
    screen.setAnimationDelay(40);
    EXPECT_TRUE(screen.animationTimerActive());
}

TEST_F(LcdAnimatorTest, WipesCoverEveryColumnAndRestoreTheText)
{
    const QStringList lines{QString(), QStringLiteral(" 12/07/26 07:29:55 AM"), QStringLiteral("Next Alarm: Wake up!!"),
                            QString()};
    screen.setNoOfLines(4);
    screen.setNoOfChars(22);
    screen.setLines(lines);
    screen.ScrollHorizontal(-5); // the wipe on restores the unscrolled text
    script({QStringLiteral("[infopaneloff(0);]"), QStringLiteral("[infopanelon(0);]")});
    QSignalSpy executed(&animator, &TLCDAnimator::OnLineExecuted);
    screen.setAnimationEnabled(true);

    tick();
    EXPECT_EQ(screen.sweepColumn(), 2);
    EXPECT_EQ(executed.count(), 1);
    tick(21);
    EXPECT_EQ(screen.sweepColumn(), 23) << "22 cells take 23 columns";
    EXPECT_EQ(executed.count(), 1) << "the wipe holds the script";
    tick();
    EXPECT_EQ(screen.sweepColumn(), 0);
    QImage frame = screen.grabFrame();
    const QString allLit = expectedLine(screen, QString(22, QChar(255)));
    for (int line = 0; line < 4; ++line)
        EXPECT_EQ(lineDots(frame, screen, line), allLit) << "line " << line;

    tick(23);
    EXPECT_EQ(screen.sweepColumn(), 0);
    EXPECT_EQ(executed.count(), 2);
    frame = screen.grabFrame();
    for (int line = 0; line < 4; ++line)
        EXPECT_EQ(lineDots(frame, screen, line), expectedLine(screen, lines.at(line))) << "line " << line;
}

TEST_F(LcdAnimatorTest, BlinkingTextStaysVisibleDuringAWipe)
{
    screen.setSpecialEffects(spBlinking);
    screen.setLines({text({'A', 'B', 12, 'C', 'D'})});
    script({QStringLiteral("[infopanelon(0);]")});
    tick(); // the blink phase turns on (C and D would hide) and the wipe starts
    ASSERT_TRUE(screen.blinkPhase());
    ASSERT_NE(screen.sweepColumn(), 0);
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral(" BCD")));
    tick();
    EXPECT_TRUE(screen.blinkPhase()) << "wipe steps leave the phase alone";
    EXPECT_EQ(lineDots(screen.grabFrame(), screen, 0), expectedLine(screen, QStringLiteral("A CD")));
}

TEST_F(LcdAnimatorTest, AWipeAddsTheDisplayEntriesItNeeds)
{
    screen.setLines({QStringLiteral("ABC")});
    script({QStringLiteral("[infopaneloff(0);]")});
    tick();
    screen.resize(screen.width(), 200); // more lines while the wipe runs
    screen.grabFrame();
    ASSERT_GT(screen.NoOfLines(), 1);
    tick();
    EXPECT_GE(screen.DisplayLines().size(), screen.NoOfLines());
}

TEST_F(LcdAnimatorTest, WithoutAnAnimatorATickDoesNothing)
{
    script({QStringLiteral("[horzscroll(1);]")});
    screen.setLines({QStringLiteral("ABCDEF")});
    {
        TLCDAnimator temporary;
        screen.setLCDAnimator(&temporary);
    }
    EXPECT_EQ(screen.LCDAnimator(), nullptr) << "a destroyed animator is forgotten";
    tick();
    EXPECT_FALSE(screen.blinkPhase());
    EXPECT_EQ(screen.DisplayLines().first(), QStringLiteral("ABCDEF"));
}

TEST_F(LcdAnimatorTest, ParsedCommandsKeepAtMost25CharactersOfTheName)
{
    const QList<TScriptCommand> commands =
        TLCDScreen::ParseScriptLine(QStringLiteral("[a(1);  averyveryveryverylongcommandname(-2);B(0x10);]"));
    ASSERT_EQ(commands.size(), 3);
    EXPECT_EQ(commands.at(0).Name, QStringLiteral("a"));
    EXPECT_EQ(commands.at(0).Argument, 1);
    EXPECT_EQ(commands.at(1).Name, QStringLiteral("averyveryveryverylongcomm"));
    EXPECT_EQ(commands.at(1).Argument, -2);
    EXPECT_EQ(commands.at(2).Name, QStringLiteral("b"));
    EXPECT_EQ(commands.at(2).Argument, 16);
}
