// The real program under a window manager (openbox), as most desktops run it:
// an alarm opens centred on the screen and above the other windows even when
// the manager was moved away and hidden, and a stray Escape leaves it ringing;
// double clicks on the clock reach their handlers while a drag still moves
// it, the grabbed point staying under the pointer; every window reads its designed caption; the lit dots show the
// colour the dot formula gives.

#include "alarmfile.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QByteArray kCatalogue =
    "1\r\nWake up\r\nOnce\r\n07:30:00 AM\r\n12/7/2026\r\n073000\r\n07122026\r\n0111110\r\n0\r\n";

// The caption exactly as the window manager shows it.
QString captionOf(const Window &window)
{
    const QString text = QString::fromUtf8(commandOutput(QStringLiteral("xprop -id %1 _NET_WM_NAME").arg(window.id)));
    return QRegularExpression(QStringLiteral(R"re(= "(.*)")re")).match(text).captured(1);
}

QString stateOf(const Window &window)
{
    return QString::fromLatin1(commandOutput(QStringLiteral("xprop -id %1 _NET_WM_STATE").arg(window.id)));
}

QImage screenshotOf(const Window &window)
{
    return QImage::fromData(commandOutput(QStringLiteral("import -window %1 png:-").arg(window.id)), "PNG");
}

QRect screenGeometry()
{
    const QString info = QString::fromLatin1(commandOutput(QStringLiteral("xdotool getdisplaygeometry")));
    const QStringList size = info.split(u' ', Qt::SkipEmptyParts);
    return size.size() == 2 ? QRect(0, 0, size[0].toInt(), size[1].trimmed().toInt()) : QRect();
}

class UnderAWindowManager : public ::testing::Test
{
protected:
    void SetUp() override
    {
        useWindowManagerDisplay();
        REQUIRE_SERVICE(missingService());
        ASSERT_TRUE(m_folder.isValid());
    }
    // The first viewable window of the program with this exact caption.
    std::optional<Window> waitForWindow(QProcess &program, const QString &caption, int timeoutMs = 15000)
    {
        std::optional<Window> window;
        waitUntil(
            [&] {
                return (window = viewableWindow(program, u'^' + QRegularExpression::escape(caption) + u'$'))
                    .has_value();
            },
            timeoutMs);
        return window;
    }
    void activateAndPress(const Window &window, const char *key)
    {
        commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key %2").arg(window.id, QLatin1String(key)));
    }

    ProgramFolder m_folder;
};

} // namespace

TEST_F(UnderAWindowManager, AnAlarmOpensCentredAboveTheOthersAndAStrayEscapeLeavesItRinging)
{
    REQUIRE_SERVICE(missingSoundServer());
    ServiceLock soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    ASSERT_TRUE(soundLock.acquire()) << "another test kept the sound server";
    m_folder.writeFile(QStringLiteral("song.wav"), toneWav(40.0, 0.5));
    AlarmRecord record;
    record.frequencyCode = 0;
    record.alarmTime = QTime(7, 30, 0);
    record.alarmDate = QDate(2026, 12, 7);
    record.playList = {m_folder.filePath(QStringLiteral("song.wav"))};
    AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
    m_folder.writeFile(QStringLiteral("al.ini"), kCatalogue);
    const QProcessEnvironment environment = ProgramFolder::environment(QStringLiteral("@2026-12-07 07:29:45"));
    QProcess *program = m_folder.start(environment);
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(waitForWindow(*program, QStringLiteral("Chronelle")).has_value()) << "no clock window";

    // The manager, brought up by a second start, moved to a corner and closed (hidden).
    QProcess *second = m_folder.start(environment);
    ASSERT_NE(second, nullptr);
    second->waitForFinished(15000);
    const std::optional<Window> manager = waitForWindow(*program, QStringLiteral("Alarm Manager"));
    ASSERT_TRUE(manager.has_value()) << "the manager did not show";
    commandOutput(QStringLiteral("xdotool windowmove --sync %1 21 40").arg(manager->id));
    activateAndPress(*manager, "alt+F4");
    ASSERT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm Manager$")); }, 5000));

    const std::optional<Window> ringing = waitForWindow(*program, QStringLiteral("Alarm"), 30000);
    ASSERT_TRUE(ringing.has_value()) << "no ringing window";
    const QRect screen = screenGeometry();
    ASSERT_FALSE(screen.isEmpty());
    const QPoint offCentre = ringing->geometry.center() - screen.center();
    EXPECT_LE(offCentre.manhattanLength(), 2)
        << "the ringing window's centre is off by " << offCentre.x() << "," << offCentre.y();
    EXPECT_TRUE(stateOf(*ringing).contains(u"_NET_WM_STATE_ABOVE")) << stateOf(*ringing).toStdString();

    activateAndPress(*ringing, "Escape");
    SinkRecorder recorder;
    const QString recording = recorder.start();
    ASSERT_TRUE(recording.isEmpty()) << recording.toStdString();
    EXPECT_TRUE(waitUntil([&] { return toneAmplitudeOf(recorder.recordedSoFar()) > 0.3; }, 10000))
        << "the alarm fell silent after Escape";
    EXPECT_TRUE(viewableWindow(*program, QStringLiteral("^Alarm$")).has_value()) << "Escape closed the alarm";

    // "OK" (288,256, 59 x 25) still ends it.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 310 268 click 1").arg(ringing->id));
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")); }, 5000));
}

TEST_F(UnderAWindowManager, DoubleClicksChangeColourAndSizeAndADragStillMovesTheClock)
{
    QProcess *program = m_folder.start();
    ASSERT_NE(program, nullptr);
    const std::optional<Window> clock = waitForWindow(*program, QStringLiteral("Chronelle"));
    ASSERT_TRUE(clock.has_value()) << "no clock window";
    const auto settings = [&] { return m_folder.readFile(QStringLiteral("LCD.ini")); };

    // Blue at first; three double clicks on the LCD, each in a place of its own.
    for (const QPoint at : {QPoint(60, 30), QPoint(120, 40), QPoint(200, 60)}) {
        commandOutput(QStringLiteral("xdotool mousemove --window %1 %2 %3 click --repeat 2 --delay 60 1")
                          .arg(clock->id)
                          .arg(at.x())
                          .arg(at.y()));
        waitUntil([] { return false; }, 400);
    }
    EXPECT_EQ(settings(), QByteArray("1\r\nPink\r\n"));
    // The skin below the LCD: normal size steps to double size.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 6 95 click --repeat 2 --delay 60 1").arg(clock->id));
    EXPECT_TRUE(waitUntil([&] { return settings() == "2\r\nPink\r\n"; }, 3000)) << settings().toStdString();

    const QPoint before = viewableWindow(*program, QStringLiteral("^Chronelle$"))->geometry.topLeft();
    commandOutput(QStringLiteral("xdotool mousemove --window %1 60 30 mousedown 1").arg(clock->id));
    for (int step = 0; step < 10; ++step) {
        commandOutput(QStringLiteral("xdotool mousemove_relative -- 12 8"));
        waitUntil([] { return false; }, 50);
    }
    commandOutput(QStringLiteral("xdotool mouseup 1"));
    waitUntil([] { return false; }, 500);
    const QPoint moved = viewableWindow(*program, QStringLiteral("^Chronelle$"))->geometry.topLeft() - before;
    // The pointer went 120,80, and the point it grabbed stays under it: the
    // window went as far, also the drag distance before the window manager
    // took the move over.
    EXPECT_NEAR(moved.x(), 120, 1) << moved.x() << "," << moved.y();
    EXPECT_NEAR(moved.y(), 80, 1) << moved.x() << "," << moved.y();
    EXPECT_EQ(settings(), QByteArray("2\r\nPink\r\n")) << "the drag changed size or colour";
}

TEST_F(UnderAWindowManager, EveryWindowReadsItsDesignedCaption)
{
    QProcess *program = m_folder.start();
    ASSERT_NE(program, nullptr);
    const std::optional<Window> clock = waitForWindow(*program, QStringLiteral("Chronelle"));
    ASSERT_TRUE(clock.has_value()) << "no clock window";
    EXPECT_EQ(captionOf(*clock), QStringLiteral("Chronelle"));

    // The logo (at 130,83 in the normal size) opens the about box.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 140 88 click 1").arg(clock->id));
    const std::optional<Window> about = waitForWindow(*program, QStringLiteral("About"), 5000);
    ASSERT_TRUE(about.has_value()) << "no window captioned exactly \"About\"";
    EXPECT_EQ(captionOf(*about), QStringLiteral("About"));

    QProcess *second = m_folder.start();
    ASSERT_NE(second, nullptr);
    second->waitForFinished(15000);
    const std::optional<Window> manager = waitForWindow(*program, QStringLiteral("Alarm Manager"));
    ASSERT_TRUE(manager.has_value()) << "no window captioned exactly \"Alarm Manager\"";
    // "Add" (16,264, 57 x 25) opens the editor.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 40 276 click 1").arg(manager->id));
    const std::optional<Window> editor = waitForWindow(*program, QStringLiteral("Alarm Options"), 5000);
    ASSERT_TRUE(editor.has_value()) << "no window captioned exactly \"Alarm Options\"";
    EXPECT_EQ(captionOf(*editor), QStringLiteral("Alarm Options"));
    activateAndPress(*editor, "Escape");
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm Options$")); }, 5000));
}

// Blue lights its dots RGB 0,252,254 (the formula's low 8 bits), not one step off.
TEST_F(UnderAWindowManager, BlueDotsShowTheFormulasColourOnTheScreen)
{
    m_folder.writeFile(QStringLiteral("LCD.ini"), "1\r\nBlue\r\n");
    QProcess *program = m_folder.start();
    ASSERT_NE(program, nullptr);
    const std::optional<Window> clock = waitForWindow(*program, QStringLiteral("Chronelle"));
    ASSERT_TRUE(clock.has_value()) << "no clock window";
    int lit = 0;
    int offByOne = 0;
    // The clock line is drawn at the first tick of the scheduler.
    waitUntil(
        [&] {
            const QImage shot = screenshotOf(*clock);
            lit = offByOne = 0;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    const QRgb pixel = shot.pixel(x, y) & 0xFFFFFF;
                    lit += pixel == (qRgb(0, 252, 254) & 0xFFFFFF);
                    offByOne += pixel == (qRgb(0, 251, 253) & 0xFFFFFF);
                }
            }
            return lit > 50;
        },
        5000);
    EXPECT_GT(lit, 50) << "no lit dots of RGB 0,252,254 on the screen";
    EXPECT_EQ(offByOne, 0);
}

// With no sound server the alarm can't play, and says so in its own window:
// no box opens over it, and it keeps the focus, so Enter still snoozes.
TEST_F(UnderAWindowManager, WithNoSoundServerTheRingingWindowKeepsTheFocus)
{
    AlarmRecord record;
    record.frequencyCode = 0;
    record.alarmTime = QTime(7, 30, 0);
    record.alarmDate = QDate(2026, 12, 7);
    record.playListOn = false;
    record.soundOn = true;
    AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
    m_folder.writeFile(QStringLiteral("al.ini"), kCatalogue);
    QProcessEnvironment environment = ProgramFolder::environment(QStringLiteral("@2026-12-07 07:29:58"));
    environment.insert(QStringLiteral("PULSE_SERVER"), u"unix:" + m_folder.filePath(QStringLiteral("no-server")));
    QProcess *program = m_folder.start(environment);
    ASSERT_NE(program, nullptr);

    const std::optional<Window> ringing = waitForWindow(*program, QStringLiteral("Alarm"), 30000);
    ASSERT_TRUE(ringing.has_value()) << "no ringing window";
    const auto active = [] {
        return QString::fromLatin1(commandOutput(QStringLiteral("xdotool getactivewindow"))).trimmed();
    };
    ASSERT_TRUE(waitUntil([&] { return active() == ringing->id; }, 5000)) << "the ringing window never had the focus";
    // The sound is tried again every few seconds: a box would come with the first try.
    EXPECT_FALSE(waitUntil([&] { return active() != ringing->id; }, 6000))
        << "something took the focus from the ringing window: " << active().toStdString();
    // A box carries the program's name, as the clock does.
    const std::vector<Window> named = windowsOf(*program, QStringLiteral("^Chronelle$"));
    EXPECT_LE(std::count_if(named.begin(), named.end(), [](const Window &window) { return window.viewable; }), 1)
        << "a box opened";
    // Enter answers "Snooze", the focused button: the window stays, ringing.
    activateAndPress(*ringing, "Return");
    EXPECT_FALSE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")); }, 2000))
        << "Enter ended the alarm";
}
