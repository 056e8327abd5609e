// The real program on the test display with a notification area: its icon
// sits in the tray, the clock hides itself at the first tick, a right click
// on the icon opens the menu and "Restore" brings the clock back, what the
// screen shows of the LCD is, pixel for pixel, the control's own rendering of
// the same lines, and "Exit" ends the program and writes its settings. The
// program runs at a stopped wall clock so that its date and time line stands
// still.

#include "datetimeformatter.h"
#include "formmain.h"
#include "lcdscreen.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"
#include "schedulerules.h"

#include <QColorSpace>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString kMoment = QStringLiteral("2026-12-07 07:29:55");

// Why this test can't run here, or empty.
QString missingTrayService()
{
    if (commandOutput(QStringLiteral("xwininfo -version")).isEmpty() ||
        commandOutput(QStringLiteral("import -version")).isEmpty())
        return QStringLiteral("xwininfo or import is not installed (packages x11-utils, imagemagick)");
    if (commandOutput(QStringLiteral("xdotool search --class ^trayer$")).isEmpty())
        return QStringLiteral("no notification area on the test display (trayer is not running)");
    return {};
}

// Every picture the LCD can show at the stopped moment, normal size and
// "Blue": the date and time line stands still, the "Next Alarm:" line may be
// at any of its scroll positions.
std::vector<QImage> possibleFaces()
{
    // The face shows what the scheduler makes of the system's formats for it.
    const DateTimeFormatter formatter(LocaleFormats::fromLocale(QLocale::system()).plainAscii());
    const QDateTime moment = QDateTime::fromString(kMoment, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString message = ScheduleRules::nextAlarmMessage(std::nullopt, formatter);
    TLCDScreen lcd;
    TFormMain::applyLcdDesign(lcd);
    lcd.setPixelOff(0x800000);
    lcd.setPixelOn(0xFFFF00);
    lcd.setColor(0x000000);
    std::vector<QImage> faces;
    for (int position = 0; position < ScheduleRules::MarqueePositions; ++position) {
        lcd.setLines({QString(), ScheduleRules::clockLine(moment, formatter),
                      ScheduleRules::marqueeWindow(message, position), QString()});
        faces.push_back(lcd.grabFrame().convertToFormat(QImage::Format_RGB32));
    }
    return faces;
}

// A popup of the program's own: a top-level window that the window manager must leave alone.
bool menuIsOpen(const QProcess &program)
{
    for (const Window &window : windowsOf(program)) {
        if (window.viewable && window.topLevel && window.overrideRedirect)
            return true;
    }
    return false;
}

// Whether a screenshot of the LCD shows one of the possible faces within a
// while; the last one is left behind for whoever has to look into a failure.
bool showsAPossibleFace(const QString &windowId)
{
    const std::vector<QImage> faces = possibleFaces();
    QImage shown;
    const bool matched = waitUntil(
        [&] {
            shown = QImage::fromData(commandOutput(QStringLiteral("import -window %1 png:-").arg(windowId)), "PNG")
                        .convertToFormat(QImage::Format_RGB32)
                        .copy(QRect(QPoint(13, 12), faces.front().size()));
            shown.setColorSpace(faces.front().colorSpace()); // the pixels count, not the file's colour tag
            return std::find(faces.begin(), faces.end(), shown) != faces.end();
        },
        10000);
    if (!matched)
        shown.save(QDir::temp().filePath(QStringLiteral("chronelle-tray-test-shown.png")));
    return matched;
}

} // namespace

TEST(Tray, IconMenuRestoreTheLcdOnTheScreenAndExit)
{
    REQUIRE_SERVICE(missingService());
    REQUIRE_SERVICE(missingTrayService());
    ProgramFolder folder;
    QTemporaryDir config;
    ASSERT_TRUE(folder.isValid() && config.isValid());
    // No catalogue and no settings: an empty list, normal size, "Blue".
    QProcessEnvironment environment = ProgramFolder::environment(kMoment);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess *program = folder.start(environment);
    ASSERT_NE(program, nullptr);

    // The icon is the program's window that the tray host has taken in.
    std::optional<Window> icon;
    std::optional<Window> clock;
    ASSERT_TRUE(waitUntil(
        [&] {
            for (const Window &window : windowsOf(*program)) {
                if (!window.topLevel && window.viewable)
                    icon = window;
                if (window.topLevel && window.geometry.size() == QSize(272, 105))
                    clock = window;
            }
            return icon && clock;
        },
        15000))
        << "no icon in the notification area (" << icon.has_value() << ") or no clock window (" << clock.has_value()
        << ")";
    EXPECT_LE(icon->geometry.width(), 64);
    const auto clockShown = [&] {
        return commandOutput(QStringLiteral("xwininfo -id %1").arg(clock->id)).contains("Map State: IsViewable");
    };
    EXPECT_TRUE(waitUntil([&] { return !clockShown(); }, 5000)) << "the clock did not hide at start";

    const auto rightClickIcon = [&] {
        // Placed relative to the icon where it is now: the tray host may have moved it.
        commandOutput(QStringLiteral("xdotool mousemove --window %1 5 5 click 3").arg(icon->id));
        return waitUntil([&] { return menuIsOpen(*program); }, 5000);
    };
    ASSERT_TRUE(rightClickIcon()) << "a right click on the icon opened no menu";
    commandOutput(QStringLiteral("xdotool key r")); // "&Restore"
    ASSERT_TRUE(waitUntil(clockShown, 5000)) << "\"Restore\" did not show the clock";
    EXPECT_TRUE(waitUntil([&] { return !menuIsOpen(*program); }, 5000)) << "the menu stayed open";

    EXPECT_TRUE(showsAPossibleFace(clock->id)) << "the LCD on the screen differs from every rendering of it";

    // "Exit" from the tray menu ends the program and writes its settings. A
    // press soon after the first one would count as a double click.
    waitUntil([] { return false; }, 1000);
    ASSERT_TRUE(rightClickIcon()) << "a second right click on the icon opened no menu";
    commandOutput(QStringLiteral("xdotool key x")); // "E&xit"
    ASSERT_TRUE(program->waitForFinished(15000)) << "\"Exit\" did not end the program";
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_EQ(folder.readFile(QStringLiteral("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}
