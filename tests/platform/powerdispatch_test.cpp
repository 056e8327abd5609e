#include "poweractions.h"
#include "powerfactory.h"
#include "qtprint.h"

#include <gtest/gtest.h>

namespace {

struct Calls
{
    QList<PowerAction> requests;
    int displayOffs = 0;
};

class RecordingDisplay final : public DisplayPowerBackend
{
public:
    explicit RecordingDisplay(Calls &calls) : m_calls(calls) {}
    PowerAvailability availability() override { return {true, {}}; }
    PowerResult turnOff() override
    {
        ++m_calls.displayOffs;
        return PowerResult::success();
    }

private:
    Calls &m_calls;
};

class RefusingSystem final : public SystemPowerBackend
{
public:
    explicit RefusingSystem(Calls &calls) : m_calls(calls) {}
    PowerAvailability availability(PowerAction) override { return {false, QStringLiteral("busy")}; }
    PowerResult request(PowerAction action) override
    {
        m_calls.requests << action;
        return PowerResult::failure(action, QStringLiteral("busy"));
    }

private:
    Calls &m_calls;
};

struct CodeRow
{
    const char *name;
    int code;
    int displayOffs;
    QList<PowerAction> requests;
    bool done;
    const char *message;
};

void PrintTo(const CodeRow &row, std::ostream *os)
{
    *os << row.name;
}

class Codes : public ::testing::TestWithParam<CodeRow>
{
};

// The alarm file's code picks the action; only 1 to 3 do anything, and a
// refusal is reported with the action's own text, never as done.
TEST_P(Codes, RunDispatchesTheStoredCode)
{
    const CodeRow &row = GetParam();
    Calls calls;
    SessionPowerActions actions(std::make_unique<RecordingDisplay>(calls), std::make_unique<RefusingSystem>(calls));
    const PowerResult result = actions.run(row.code);
    EXPECT_EQ(calls.displayOffs, row.displayOffs);
    EXPECT_EQ(calls.requests, row.requests);
    EXPECT_EQ(result.done, row.done);
    EXPECT_EQ(result.message, QString::fromUtf8(row.message));
}

INSTANTIATE_TEST_SUITE_P(
    PowerCodes, Codes,
    ::testing::Values(CodeRow{"doNothing", 0, 0, {}, true, ""}, CodeRow{"monitorOff", 1, 1, {}, true, ""},
                      CodeRow{"hibernate", 2, 0, {PowerAction::Suspend}, false, "Could not suspend: busy"},
                      CodeRow{"shutDown", 3, 0, {PowerAction::PowerOff}, false, "Could not shut down: busy"},
                      CodeRow{"unknown", 4, 0, {}, true, ""}, CodeRow{"negative", -1, 0, {}, true, ""}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(NullBackends, SayNotSupportedInsteadOfDoingNothing)
{
    SessionPowerActions actions(std::make_unique<NullDisplayPower>(QStringLiteral("not supported here")),
                                std::make_unique<NullSystemPower>(QStringLiteral("not supported: no bus")));
    const PowerResult monitor = actions.perform(PowerAction::MonitorOff);
    EXPECT_FALSE(monitor.done);
    EXPECT_EQ(monitor.message, QStringLiteral("Could not turn the monitor off: not supported here"));
    EXPECT_FALSE(actions.availability(PowerAction::MonitorOff).available);
    const PowerResult suspend = actions.perform(PowerAction::Suspend);
    EXPECT_FALSE(suspend.done);
    EXPECT_EQ(suspend.reason, QStringLiteral("not supported: no bus"));
    EXPECT_FALSE(actions.availability(PowerAction::PowerOff).available);
    EXPECT_TRUE(actions.availability(PowerAction::DoNothing).available);
}

struct ChoiceRow
{
    const char *name;
    const char *platform;
    const char *desktop;
    const char *session;
    bool dpms;
    DisplayBackendKind kind;
};

void PrintTo(const ChoiceRow &row, std::ostream *os)
{
    *os << row.name;
}

class DisplayChoice : public ::testing::TestWithParam<ChoiceRow>
{
};

TEST_P(DisplayChoice, FollowsTheDisplayServer)
{
    const ChoiceRow &row = GetParam();
    const PowerEnvironment environment{QString::fromLatin1(row.platform), QString::fromLatin1(row.desktop),
                                       QString::fromLatin1(row.session)};
    EXPECT_EQ(chooseDisplayBackend(environment, row.dpms), row.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, DisplayChoice,
    ::testing::Values(ChoiceRow{"x11", "xcb", "XFCE", "x11", true, DisplayBackendKind::X11Dpms},
                      // DPMS says "not supported" itself, with its reason
                      ChoiceRow{"x11WithoutDpms", "xcb", "XFCE", "x11", false, DisplayBackendKind::X11Dpms},
                      ChoiceRow{"gnomeX11", "xcb", "GNOME", "x11", true, DisplayBackendKind::X11Dpms},
                      ChoiceRow{"xwaylandOnGnome", "xcb", "ubuntu:GNOME", "wayland", false, DisplayBackendKind::Mutter},
                      ChoiceRow{"gnomeWayland", "wayland", "GNOME", "wayland", false, DisplayBackendKind::Mutter},
                      ChoiceRow{"gnomeClassic", "wayland-egl", "GNOME-Classic:GNOME", "wayland", false,
                                DisplayBackendKind::Mutter},
                      ChoiceRow{"kdeWayland", "wayland", "KDE", "wayland", false, DisplayBackendKind::None},
                      ChoiceRow{"gnomeLookalike", "wayland", "GNOMEish", "wayland", false, DisplayBackendKind::None},
                      ChoiceRow{"offscreen", "offscreen", "GNOME", "wayland", false, DisplayBackendKind::None}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(DisplayChoice, WithoutAWayTheBackendSaysWhy)
{
    auto backend = createDisplayPower({QStringLiteral("offscreen"), {}, {}}, nullptr);
    const PowerResult result = backend->turnOff();
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message,
              QStringLiteral("Could not turn the monitor off: not supported on this display (offscreen)"));
}

} // namespace
