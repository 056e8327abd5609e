// The real program as a Wayland program of its own on weston (headless, as
// the test command starts it), with no X display to fall back to: it shows
// the clock (weston has no notification area, so the clock stays), a second
// start shows the manager above it and ends, and a termination ends the
// program in order. What the compositor shows is read from its scene graph.

#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString kAppId = QStringLiteral(CHRONELLE_APP_ID);

// A window the compositor shows.
struct Toplevel
{
    QString title;
    qint64 pid = 0;
    int surface = 0;
    QSize size;
};

class OnWayland : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(qEnvironmentVariableIsEmpty("CHRONELLE_TEST_WAYLAND_DISPLAY")
                            ? QStringLiteral("no Wayland compositor (CHRONELLE_TEST_WAYLAND_DISPLAY is not set; run "
                                             "the tests through scripts/test.sh)")
                            : QString());
        REQUIRE_SERVICE(QFile::exists(QStringLiteral("/usr/bin/weston-debug"))
                            ? QString()
                            : QStringLiteral("weston-debug is not installed (package weston)"));
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QString());
        toplevels();
        ASSERT_TRUE(m_sceneError.isEmpty()) << m_sceneError.toStdString();
        ASSERT_TRUE(m_folder.isValid());
    }

    // Natively on Wayland, with nothing else to turn to.
    static QProcessEnvironment waylandEnvironment()
    {
        QProcessEnvironment environment = ProgramFolder::environment(QStringLiteral("2026-12-07 07:29:55"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), qEnvironmentVariable("CHRONELLE_TEST_WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        return environment;
    }

    // The compositor's top-level windows, the topmost first.
    std::vector<Toplevel> toplevels()
    {
        QProcess debug;
        debug.setProcessEnvironment(waylandEnvironment());
        debug.start(QStringLiteral("/usr/bin/weston-debug"), {QStringLiteral("scene-graph")});
        if (!debug.waitForFinished(10000)) {
            debug.kill();
            debug.waitForFinished();
        }
        const QString scene = QString::fromUtf8(debug.readAllStandardOutput());
        m_sceneError = scene.contains(u"scene graph") ? QString()
                                                      : QStringLiteral("weston-debug read no scene graph: ") +
                                                            QString::fromUtf8(debug.readAllStandardError());
        static const QRegularExpression view(QStringLiteral(
            R"(View \d+ \(role xdg_toplevel, PID (\d+), surface ID (\d+), top-level window '([^']*)' of ([^,]*),)"
            R"([^\n]*\n\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\))"));
        std::vector<Toplevel> found;
        for (auto match = view.globalMatch(scene); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            if (m.captured(4) != kAppId)
                continue;
            found.push_back(
                {m.captured(3), m.captured(1).toLongLong(), m.captured(2).toInt(),
                 QSize(m.captured(7).toInt() - m.captured(5).toInt(), m.captured(8).toInt() - m.captured(6).toInt())});
        }
        return found;
    }
    std::optional<Toplevel> toplevelOf(const QProcess &program, const QString &title)
    {
        for (const Toplevel &window : toplevels()) {
            if (window.pid == program.processId() && window.title == title)
                return window;
        }
        return std::nullopt;
    }
    bool isTopmost(const QProcess &program, const QString &title)
    {
        const std::vector<Toplevel> windows = toplevels();
        return !windows.empty() && windows.front().pid == program.processId() && windows.front().title == title;
    }

    ProgramFolder m_folder;
    QString m_sceneError;
};

} // namespace

TEST_F(OnWayland, ShowsTheClockNativelyAndASecondStartShowsTheManagerOnTop)
{
    QProcess *program = m_folder.start(waylandEnvironment());
    ASSERT_NE(program, nullptr);
    std::optional<Toplevel> clock;
    ASSERT_TRUE(
        waitUntil([&] { return (clock = toplevelOf(*program, QStringLiteral("Chronelle"))).has_value(); }, 15000))
        << "the compositor shows no clock of the program";
    EXPECT_EQ(clock->size, QSize(272, 105));
    // Without a notification area the clock stays.
    waitUntil([] { return false; }, 1000);
    EXPECT_TRUE(toplevelOf(*program, QStringLiteral("Chronelle")).has_value()) << "the clock hid with no tray to go to";

    // A second start, as a launcher makes it on Wayland: with an activation token.
    QProcessEnvironment launched = waylandEnvironment();
    launched.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("chronelle-test-token"));
    QProcess *second = m_folder.start(launched);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(second->waitForFinished(15000));
    EXPECT_EQ(second->exitCode(), 0);
    std::optional<Toplevel> manager;
    ASSERT_TRUE(
        waitUntil([&] { return (manager = toplevelOf(*program, QStringLiteral("Alarm Manager"))).has_value(); }, 10000))
        << "a second start showed no manager";
    EXPECT_TRUE(waitUntil([&] { return isTopmost(*program, QStringLiteral("Alarm Manager")); }, 5000))
        << "the manager is not above the other windows";

    // Once more while the manager is shown but has no focus (this compositor
    // has no seat to give it): it is shown anew, which is what makes a
    // compositor without activation tokens give it the focus.
    QProcess *third = m_folder.start(launched);
    ASSERT_NE(third, nullptr);
    ASSERT_TRUE(third->waitForFinished(15000));
    EXPECT_TRUE(waitUntil(
        [&] {
            const std::optional<Toplevel> again = toplevelOf(*program, QStringLiteral("Alarm Manager"));
            return again && again->surface != manager->surface && isTopmost(*program, QStringLiteral("Alarm Manager"));
        },
        10000))
        << "the manager was not shown anew";

    // No menu can be clicked here: a termination ends it in order, as at the end of a session.
    program->terminate();
    ASSERT_TRUE(program->waitForFinished(15000));
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}
