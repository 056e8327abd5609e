#include "logindpower.h"
#include "mutterdisplaypower.h"
#include "platformtestsupport.h"
#include "poweractions.h"
#include "qtprint.h"
#include "x11dpmsdisplaypower.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString login1Path = QStringLiteral("/org/freedesktop/login1");
const QString login1Manager = QStringLiteral("org.freedesktop.login1.Manager");
const QString mutter = QStringLiteral("org.gnome.Mutter.DisplayConfig");
const QString mutterPath = QStringLiteral("/org/gnome/Mutter/DisplayConfig");

// Power requests go only to a mock logind on the private system bus of the
// test command. Without such a bus the tests refuse to run at all: a request
// on the machine's own bus could suspend or power off this machine.
class LogindTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"));
        if (!notPrivate.isEmpty())
            FAIL() << notPrivate.toStdString();
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the mock logind for five minutes";
        m_bus = QDBusConnection::systemBus(); // only now that it is known to be a private one
        ASSERT_TRUE(m_bus.isConnected()) << m_bus.lastError().message().toStdString();
    }

    void startLogind(const QString &parameters = QString())
    {
        QStringList arguments{QStringLiteral("--system"), QStringLiteral("--template"), QStringLiteral("logind")};
        if (!parameters.isEmpty())
            arguments << QStringLiteral("--parameters") << parameters;
        const QString failure = m_logind.start(arguments, m_bus, login1);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    QList<QVariantList> calls(const char *method)
    {
        QString error;
        const QList<QVariantList> recorded = mockCalls(m_bus, login1, login1Path, QString::fromLatin1(method), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return recorded;
    }

    ServiceLock m_lock{QStringLiteral("logind"), qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")};
    QDBusConnection m_bus{QString()}; // not connected until SetUp has checked the bus
    DBusMock m_logind;
};

struct RequestRow
{
    const char *name;
    PowerAction action;
    const char *method;
    const char *other;
};

void PrintTo(const RequestRow &row, std::ostream *os)
{
    *os << row.name;
}

class Requests : public LogindTest, public ::testing::WithParamInterface<RequestRow>
{
};

// Through the program's own factory: one call, not interactive, nothing else.
TEST_P(Requests, AskLogindOnceWithoutInteraction)
{
    const RequestRow &row = GetParam();
    startLogind();
    const auto actions = PowerActions::create();
    const PowerResult result = actions->run(int(row.action));
    EXPECT_TRUE(result.done) << result.message.toStdString();
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(calls(row.method), (QList<QVariantList>{{false}}));
    EXPECT_TRUE(calls(row.other).isEmpty());
    EXPECT_TRUE(calls("Hibernate").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Logind, Requests,
                         ::testing::Values(RequestRow{"hibernatePC", PowerAction::Suspend, "Suspend", "PowerOff"},
                                           RequestRow{"shutDownPC", PowerAction::PowerOff, "PowerOff", "Suspend"}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(LogindTest, NothingAndUnknownCodesCallNothing)
{
    startLogind();
    const auto actions = PowerActions::create();
    for (const int code : {0, 4, -1, 255})
        EXPECT_TRUE(actions->run(code).done) << code;
    for (const char *method : {"Suspend", "PowerOff", "Hibernate", "Reboot"})
        EXPECT_TRUE(calls(method).isEmpty()) << method;
}

TEST_F(LogindTest, RefusalComesBackAsTheReason)
{
    startLogind();
    const QString failure =
        callMock(m_bus, login1, login1Path, QStringLiteral("AddMethod"),
                 {login1Manager, QStringLiteral("Suspend"), QStringLiteral("b"), QString(),
                  QStringLiteral("raise dbus.exceptions.DBusException('Suspend is inhibited by the test', "
                                 "name='org.freedesktop.login1.OperationInProgress')")});
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    LogindSystemPower logind(m_bus);
    const PowerResult result = logind.request(PowerAction::Suspend);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.reason, QStringLiteral("Suspend is inhibited by the test"));
    EXPECT_EQ(result.message, QStringLiteral("Could not suspend: Suspend is inhibited by the test"));
}

TEST_F(LogindTest, WithoutLogindTheRequestFailsWithTheBusError)
{
    LogindSystemPower logind(m_bus);
    const PowerResult result = logind.request(PowerAction::PowerOff);
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(result.message.startsWith(u"Could not shut down: ")) << result.message.toStdString();
    EXPECT_TRUE(result.reason.contains(login1)) << result.reason.toStdString();
    EXPECT_FALSE(logind.availability(PowerAction::Suspend).available);
}

struct CanRow
{
    const char *name;
    const char *answer;
    bool available;
    const char *reason;
};

void PrintTo(const CanRow &row, std::ostream *os)
{
    *os << row.name;
}

class Availability : public LogindTest, public ::testing::WithParamInterface<CanRow>
{
};

TEST_P(Availability, FollowsCanSuspendAndCanPowerOff)
{
    const CanRow &row = GetParam();
    startLogind(QStringLiteral(R"({"CanSuspend": "%1", "CanPowerOff": "%1"})").arg(QString::fromLatin1(row.answer)));
    LogindSystemPower logind(m_bus);
    for (const PowerAction action : {PowerAction::Suspend, PowerAction::PowerOff}) {
        const PowerAvailability availability = logind.availability(action);
        EXPECT_EQ(availability.available, row.available);
        EXPECT_EQ(availability.reason, QString::fromLatin1(row.reason));
    }
    EXPECT_TRUE(calls("Suspend").isEmpty());
    EXPECT_TRUE(calls("PowerOff").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Answers, Availability,
                         ::testing::Values(CanRow{"yes", "yes", true, ""},
                                           CanRow{"challenge", "challenge", false, "needs an authorization"},
                                           CanRow{"no", "no", false, "not permitted"},
                                           CanRow{"na", "na", false, "not supported by this system"}),
                         [](const auto &row) { return std::string(row.param.name); });

// The test program runs offscreen: no display to turn off, and it says so.
TEST_F(LogindTest, FactoryOffscreenHasNoMonitorToTurnOff)
{
    startLogind();
    const auto actions = PowerActions::create();
    EXPECT_FALSE(actions->availability(PowerAction::MonitorOff).available);
    const PowerResult result = actions->perform(PowerAction::MonitorOff);
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(result.reason.startsWith(u"not supported")) << result.reason.toStdString();
    EXPECT_TRUE(actions->availability(PowerAction::Suspend).available);
}

// A mock Mutter on the private session bus.
class MutterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        if (!notPrivate.isEmpty())
            FAIL() << notPrivate.toStdString();
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the mock Mutter for five minutes";
        m_bus = QDBusConnection::sessionBus(); // only now that it is known to be a private one
        ASSERT_TRUE(m_bus.isConnected()) << m_bus.lastError().message().toStdString();
    }

    void startMutter(int powerSaveMode)
    {
        const QString failure =
            m_mutter.start({QStringLiteral("--session"), mutter, mutterPath, mutter}, m_bus, mutter);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        const QString added = callMock(m_bus, mutter, mutterPath, QStringLiteral("AddProperty"),
                                       {mutter, QStringLiteral("PowerSaveMode"),
                                        QVariant::fromValue(QDBusVariant(QVariant(qint32(powerSaveMode))))});
        ASSERT_TRUE(added.isEmpty()) << added.toStdString();
    }
    QVariant powerSaveMode()
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            mutter, mutterPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << mutter << QStringLiteral("PowerSaveMode");
        const QDBusMessage reply = m_bus.call(get);
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    ServiceLock m_lock{QStringLiteral("mutter"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")};
    QDBusConnection m_bus{QString()}; // not connected until SetUp has checked the bus
    DBusMock m_mutter;
};

TEST_F(MutterTest, TurnsTheMonitorsOffWithPowerSaveModeThree)
{
    startMutter(0);
    MutterDisplayPower display(m_bus);
    EXPECT_TRUE(display.availability().available);
    const PowerResult result = display.turnOff();
    EXPECT_TRUE(result.done) << result.message.toStdString();
    const QVariant mode = powerSaveMode();
    EXPECT_EQ(mode.metaType(), QMetaType::fromType<int>());
    EXPECT_EQ(mode.toInt(), 3);
}

TEST_F(MutterTest, UnknownModeMeansNotSupported)
{
    startMutter(-1);
    MutterDisplayPower display(m_bus);
    const PowerAvailability availability = display.availability();
    EXPECT_FALSE(availability.available);
    EXPECT_EQ(availability.reason, QStringLiteral("not supported by this display"));
}

TEST_F(MutterTest, WithoutMutterTheRequestFailsWithTheBusError)
{
    MutterDisplayPower display(m_bus);
    EXPECT_FALSE(display.availability().available);
    const PowerResult result = display.turnOff();
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(result.message.startsWith(u"Could not turn the monitor off: ")) << result.message.toStdString();
    EXPECT_TRUE(result.reason.contains(mutter)) << result.reason.toStdString();
}

QString missingDisplay()
{
    if (qEnvironmentVariableIsEmpty("CHRONELLE_TEST_DISPLAY"))
        return QStringLiteral("CHRONELLE_TEST_DISPLAY is not set (an X server)");
    return {};
}

// Xvfb has no DPMS: all the X11 way can show there is its answer.
TEST(X11Dpms, VirtualServerAnswersNotSupported)
{
    REQUIRE_SERVICE(missingDisplay());
    const QByteArray display = qgetenv("CHRONELLE_TEST_DISPLAY");
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(connection), 0) << "no X server at " << display.constData();
    X11DpmsDisplayPower dpms(connection);
    const PowerAvailability availability = dpms.availability();
    EXPECT_FALSE(availability.available);
    EXPECT_EQ(availability.reason, QStringLiteral("not supported by this X server (no DPMS)"));
    const PowerResult result = dpms.turnOff();
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message,
              QStringLiteral("Could not turn the monitor off: not supported by this X server (no DPMS)"));
    xcb_disconnect(connection);
}

// Run by the test below in a child process on the X server; it uses the
// program's own X connection.
TEST_F(LogindTest, DISABLED_FactoryOnX11UsesTheProgramsConnection)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const auto actions = PowerActions::create();
    EXPECT_EQ(actions->availability(PowerAction::MonitorOff).reason,
              QStringLiteral("not supported by this X server (no DPMS)"));
    EXPECT_EQ(actions->perform(PowerAction::MonitorOff).message,
              QStringLiteral("Could not turn the monitor off: not supported by this X server (no DPMS)"));
}

TEST(X11Dpms, FactoryOnTheVirtualServerChoosesDpms)
{
    REQUIRE_SERVICE(missingDisplay());
    const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"));
    if (!notPrivate.isEmpty())
        FAIL() << notPrivate.toStdString();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("CHRONELLE_TEST_DISPLAY"));
    QByteArray output;
    EXPECT_TRUE(runTestInChild(QStringLiteral("LogindTest.DISABLED_FactoryOnX11UsesTheProgramsConnection"), environment,
                               &output))
        << output.toStdString();
}

} // namespace
