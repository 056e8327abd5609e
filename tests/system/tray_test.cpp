// The real program on the test display with a notification area: its icon
// sits in the tray, the clock hides itself at the first tick, a right click
// on the icon opens the menu and "Restore" brings the clock back, and what the
// screen shows of the LCD is, pixel for pixel, the control's own rendering of
// the same lines. The program runs at a stopped wall clock so that its date
// and time line stands still.

#include "datetimeformatter.h"
#include "formmain.h"
#include "lcdscreen.h"
#include "localeformats.h"
#include "programrunner.h"
#include "qtprint.h"
#include "schedulerules.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace Lcd;
using namespace SystemTest;

namespace {

const QString kMoment = QStringLiteral("2026-12-07 07:29:55");

QString fakeTimeLibrary()
{
    for (const char *path :
         {"/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1", "/usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1",
          "/usr/lib/faketime/libfaketime.so.1", "/usr/local/lib/faketime/libfaketime.so.1"}) {
        if (QFile::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    }
    return {};
}

bool toolRuns(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
}

// Why this test can't run here, or empty.
QString missingService()
{
    QString missing = ProgramFolder::missingService();
    if (!missing.isEmpty())
        return missing;
    if (!toolRuns(QStringLiteral("xwininfo"), {QStringLiteral("-version")}))
        return QStringLiteral("xwininfo is not installed (package x11-utils)");
    if (!toolRuns(QStringLiteral("import"), {QStringLiteral("-version")}))
        return QStringLiteral("import is not installed (package imagemagick)");
    if (fakeTimeLibrary().isEmpty())
        return QStringLiteral("libfaketime is not installed (package faketime)");
    if (commandOutput(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("^trayer$")})
            .isEmpty())
        return QStringLiteral("no notification area on the test display (trayer is not running)");
    return {};
}

struct WindowInfo
{
    QString id;
    QRect geometry; // absolute
};

// The windows of the tree below (and including) the first line that matches `root`.
std::vector<WindowInfo> windowsBelow(const QString &tree, const QRegularExpression &root,
                                     const QRegularExpression &wanted)
{
    static const QRegularExpression line(
        QStringLiteral(R"(^(\s*)(0x[0-9a-f]+) .*\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$)"));
    std::vector<WindowInfo> found;
    qsizetype rootIndent = -1;
    for (const QString &text : tree.split(u'\n')) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch())
            continue;
        const qsizetype indent = m.capturedLength(1);
        if (rootIndent >= 0 && indent <= rootIndent)
            rootIndent = -1;
        if (rootIndent < 0 && root.match(text).hasMatch())
            rootIndent = indent;
        if (rootIndent >= 0 && wanted.match(text).hasMatch()) {
            found.push_back({m.captured(2), QRect(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(3).toInt(),
                                                  m.captured(4).toInt())});
        }
    }
    return found;
}

QString rootTree()
{
    return commandOutput(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
}

bool isViewable(const QString &id)
{
    return commandOutput(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id})
        .contains(QStringLiteral("Map State: IsViewable"));
}

// A popup of the program's own: a top-level window that the window manager must leave alone.
bool isPopup(const QString &id)
{
    static const QRegularExpression childOfRoot(QStringLiteral(R"(Parent window id: \S+ \(the root window\))"));
    const QString family =
        commandOutput(QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"), id});
    const QString state = commandOutput(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    return childOfRoot.match(family).hasMatch() && state.contains(QStringLiteral("Override Redirect State: yes"));
}

void xdotool(const QStringList &arguments)
{
    commandOutput(QStringLiteral("xdotool"), arguments);
}

QImage screenshot(const QString &id)
{
    QProcess process;
    process.setProcessEnvironment(ProgramFolder::environment());
    process.start(QStringLiteral("import"), {QStringLiteral("-window"), id, QStringLiteral("png:-")});
    if (!process.waitForFinished(15000))
        return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

// The clock's LCD as it is designed, in one of its sizes, with the "Blue" scheme.
void applyDesign(TLCDScreen &lcd, bool doubleSize)
{
    TFormMain::applyLcdDesign(lcd);
    if (doubleSize)
        lcd.setPixelSize(pix2x2);
    lcd.setPixelOff(0x800000);
    lcd.setPixelOn(0xFFFF00);
    lcd.setColor(0x000000);
}

// Every picture the LCD can show at the stopped moment: the date and time line
// stands still, the "Next Alarm:" line may be at any of its scroll positions.
std::vector<QImage> possibleFaces(bool doubleSize)
{
    const DateTimeFormatter formatter(LocaleFormats::fromLocale(QLocale::system()));
    const QDateTime moment = QDateTime::fromString(kMoment, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString clock = ScheduleRules::clockLine(moment, formatter);
    const QString message = ScheduleRules::nextAlarmMessage(std::nullopt, formatter);
    TLCDScreen lcd;
    applyDesign(lcd, doubleSize);
    std::vector<QImage> faces;
    QStringList seen;
    for (int position = 0; position < ScheduleRules::MarqueePositions; ++position) {
        const QString marquee = ScheduleRules::marqueeWindow(message, position);
        if (seen.contains(marquee))
            continue;
        seen << marquee;
        lcd.setLines({QString(), clock, marquee, QString()});
        faces.push_back(lcd.grabFrame().convertToFormat(QImage::Format_RGB32));
    }
    return faces;
}

qsizetype differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    qsizetype count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            count += qRgb(qRed(ra[x]), qGreen(ra[x]), qBlue(ra[x])) != qRgb(qRed(rb[x]), qGreen(rb[x]), qBlue(rb[x]));
    }
    return count;
}

class Tray : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString missing = missingService();
        if (!missing.isEmpty()) {
            if (qEnvironmentVariableIsSet("CHRONELLE_TEST_SERVICES"))
                FAIL() << missing.toStdString();
            GTEST_SKIP() << missing.toStdString();
        }
        ASSERT_TRUE(m_folder.isValid());
        // No catalogue and no settings: an empty list, normal size, "Blue".
        QProcessEnvironment env = ProgramFolder::environment();
        env.insert(QStringLiteral("LD_PRELOAD"), fakeTimeLibrary());
        env.insert(QStringLiteral("FAKETIME"), kMoment); // a stopped wall clock
        // Timers run on the monotonic clock, which must go on.
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        m_program.setProcessEnvironment(env);
        m_program.setProcessChannelMode(QProcess::ForwardedChannels);
        m_program.start(m_folder.executable(), {});
        ASSERT_TRUE(m_program.waitForStarted());
    }
    void TearDown() override
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished();
        }
    }

    // The windows of this test's copy of the program (other copies may share the display).
    QStringList ownWindows(bool visibleOnly) const
    {
        QStringList args{QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"),
                         QString::number(m_program.processId())};
        if (visibleOnly)
            args << QStringLiteral("--onlyvisible");
        args << QStringLiteral("--name") << QStringLiteral(".*");
        return commandOutput(QStringLiteral("xdotool"), args).split(u'\n', Qt::SkipEmptyParts);
    }
    std::vector<WindowInfo> ownWindowsBelow(const QRegularExpression &root) const
    {
        static const QRegularExpression anyWindow(QStringLiteral("^\\s*0x"));
        const QStringList own = ownWindows(false);
        std::vector<WindowInfo> found;
        for (const WindowInfo &w : windowsBelow(rootTree(), root, anyWindow)) {
            if (own.contains(QString::number(w.id.toULongLong(nullptr, 16))))
                found.push_back(w);
        }
        return found;
    }
    // The program's icon inside the tray host's window tree.
    std::optional<WindowInfo> trayIcon() const
    {
        static const QRegularExpression host(QStringLiteral(R"(\("[^"]*" "[Tt]rayer"\))"));
        const std::vector<WindowInfo> found = ownWindowsBelow(host);
        return found.empty() ? std::nullopt : std::optional(found.front());
    }
    // The clock window: the program's window of one of the clock's sizes.
    std::optional<WindowInfo> clockWindow() const
    {
        static const QRegularExpression anything(QStringLiteral("."));
        for (const WindowInfo &w : ownWindowsBelow(anything)) {
            const QSize size = w.geometry.size();
            if (size == QSize(272, 105) || size == QSize(382, 133) || size == QSize(184, 68))
                return w;
        }
        return std::nullopt;
    }
    bool menuIsOpen() const
    {
        for (const QString &id : ownWindows(true)) {
            if (isPopup(id))
                return true;
        }
        return false;
    }
    void rightClickIcon(const WindowInfo &icon)
    {
        const QPoint centre = icon.geometry.center();
        xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y()),
                 QStringLiteral("click"), QStringLiteral("3")});
    }
    // Waits until a screenshot of the LCD shows one of the possible faces;
    // returns the smallest number of differing pixels seen (0: a match).
    qsizetype compareFace(const QString &windowId, bool doubleSize)
    {
        const std::vector<QImage> faces = possibleFaces(doubleSize);
        const QRect place(QPoint(13, 12), faces.front().size());
        qsizetype best = place.width() * place.height();
        QImage shown;
        QImage closest;
        waitUntil(
            [&] {
                shown = screenshot(windowId).copy(place);
                for (const QImage &face : faces) {
                    const qsizetype differing = differingPixels(shown, face);
                    if (differing < best) {
                        best = differing;
                        closest = face;
                    }
                }
                return best == 0;
            },
            10000);
        if (best != 0) {
            // Leave the pictures behind for whoever has to look into it.
            const QString folder = QDir::temp().filePath(QStringLiteral("chronelle-tray-test"));
            QDir().mkpath(folder);
            shown.save(folder + QStringLiteral("/shown.png"));
            closest.save(folder + QStringLiteral("/closest-rendering.png"));
            ADD_FAILURE() << "the LCD on the screen differs from every rendering, in " << best
                          << " pixels at the least; pictures in " << folder.toStdString();
        }
        return best;
    }

    ProgramFolder m_folder;
    QTemporaryDir m_config;
    QProcess m_program;
};

} // namespace

TEST_F(Tray, IconMenuRestoreAndTheLcdOnTheScreen)
{
    std::optional<WindowInfo> icon;
    ASSERT_TRUE(waitUntil([&] { return (icon = trayIcon()).has_value(); }, 15000))
        << "the icon never appeared in the notification area";
    EXPECT_LE(icon->geometry.width(), 64);

    // The clock window exists, but the first tick has hidden it.
    std::optional<WindowInfo> clock;
    ASSERT_TRUE(waitUntil([&] { return (clock = clockWindow()).has_value(); }, 15000))
        << "the clock window never appeared";
    EXPECT_EQ(clock->geometry.size(), QSize(272, 105));
    EXPECT_TRUE(waitUntil([&] { return !isViewable(clock->id); }, 5000)) << "the clock did not hide at start";

    rightClickIcon(*icon);
    ASSERT_TRUE(waitUntil([&] { return menuIsOpen(); }, 5000)) << "a right click on the icon opened no menu";
    xdotool({QStringLiteral("key"), QStringLiteral("r")}); // "&Restore"
    ASSERT_TRUE(waitUntil([&] { return isViewable(clock->id); }, 5000)) << "\"Restore\" did not show the clock";
    EXPECT_TRUE(waitUntil([&] { return !menuIsOpen(); }, 5000)) << "the menu stayed open";

    EXPECT_EQ(compareFace(clock->id, false), 0);

    // The clock offers the same menu on a right click of its own.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), clock->id, QStringLiteral("60"),
             QStringLiteral("30"), QStringLiteral("click"), QStringLiteral("3")});
    EXPECT_TRUE(waitUntil([&] { return menuIsOpen(); }, 5000)) << "a right click on the clock opened no menu";
    xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(waitUntil([&] { return !menuIsOpen(); }, 5000)) << "Escape left the menu open";

    // A double click on the skin steps to double size; the face follows.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), clock->id, QStringLiteral("4"),
             QStringLiteral("4"), QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
             QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
    ASSERT_TRUE(waitUntil(
        [&] {
            const std::optional<WindowInfo> now = clockWindow();
            return now && now->geometry.size() == QSize(382, 133);
        },
        5000))
        << "a double click on the skin did not step to double size";
    EXPECT_EQ(compareFace(clock->id, true), 0);

    // "Exit" from the tray menu ends the program and keeps the new size.
    rightClickIcon(*icon);
    ASSERT_TRUE(waitUntil([&] { return menuIsOpen(); }, 5000));
    xdotool({QStringLiteral("key"), QStringLiteral("x")}); // "E&xit"
    ASSERT_TRUE(m_program.waitForFinished(15000)) << "\"Exit\" did not end the program";
    EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_program.exitCode(), 0);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), QByteArray("2\r\nBlue\r\n"));
}
