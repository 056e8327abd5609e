#include "logindpower.h"
#include "logindresumewatcher.h"
#include "mutterdisplaypower.h"
#include "platformtestsupport.h"
#include "poweractions.h"
#include "qtprint.h"
#include "x11dpmsdisplaypower.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>
#include <xcb/xcb.h>

namespace {

const QString login1 = QStringLiteral("org.freedesktop.login1");
const QString login1Path = QStringLiteral("/org/freedesktop/login1");
const QString mutter = QStringLiteral("org.gnome.Mutter.DisplayConfig");
const QString mutterPath = QStringLiteral("/org/gnome/Mutter/DisplayConfig");

// Power requests go only to mock services on the private buses of the test
// command: a mock logind, and a mock Mutter where a test needs it. Without
// such buses the tests refuse to run at all: a request on the machine's own
// bus could suspend or power off this machine.
class PowerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS")), QString());
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QString());
        ASSERT_TRUE(m_logindLock.acquire()) << "another test kept the mock logind for five minutes";
        ASSERT_TRUE(m_mutterLock.acquire()) << "another test kept the mock Mutter for five minutes";
        m_system = QDBusConnection::systemBus(); // only now that both are known to be private
        m_session = QDBusConnection::sessionBus();
        ASSERT_EQ(m_logind.start({QStringLiteral("--system"), QStringLiteral("--template"), QStringLiteral("logind")},
                                 m_system, login1),
                  QString());
    }

    QList<QVariantList> calls(const char *method)
    {
        QString error;
        const auto recorded = mockCalls(m_system, login1, login1Path, QString::fromLatin1(method), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return recorded;
    }

    ServiceLock m_logindLock{QStringLiteral("logind"), qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")};
    ServiceLock m_mutterLock{QStringLiteral("mutter"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")};
    QDBusConnection m_system{QString()}; // not connected until SetUp has checked the buses
    QDBusConnection m_session{QString()};
    DBusMock m_logind;
    DBusMock m_mutter;
};

// One non-interactive logind call, or PowerSaveMode 3 on Mutter, or nothing;
// never anything else.
TEST_F(PowerTest, EachCodeReachesItsServiceOnceAndNothingElse)
{
    ASSERT_EQ(m_mutter.start({QStringLiteral("--session"), mutter, mutterPath, mutter}, m_session, mutter), QString());
    ASSERT_EQ(callMock(m_session, mutter, mutterPath, QStringLiteral("AddProperty"),
                       {mutter, QStringLiteral("PowerSaveMode"), QVariant::fromValue(QDBusVariant(qint32(0)))}),
              QString());
    QDBusMessage getMode = QDBusMessage::createMethodCall(
        mutter, mutterPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    getMode << mutter << QStringLiteral("PowerSaveMode");
    SessionPowerActions actions(std::make_unique<MutterDisplayPower>(m_session),
                                std::make_unique<LogindSystemPower>(m_system));
    // The code's name, the code, the one logind method it calls and PowerSaveMode
    // afterwards; monitorOff comes last, as nothing sets PowerSaveMode back.
    const std::tuple<const char *, int, const char *, int> rows[] = {{"doNothing", 0, "", 0},
                                                                     {"unknown", 4, "", 0},
                                                                     {"hibernatePC", 2, "Suspend", 0},
                                                                     {"shutDownPC", 3, "PowerOff", 0},
                                                                     {"monitorOff", 1, "", 3}};
    for (const auto &[name, code, called, mode] : rows) {
        SCOPED_TRACE(name);
        ASSERT_EQ(callMock(m_system, login1, login1Path, QStringLiteral("ClearCalls"), {}), QString());
        const PowerResult result = actions.run(code);
        EXPECT_TRUE(result.done) << result.message.toStdString();
        EXPECT_TRUE(result.message.isEmpty());
        for (const char *method : {"Suspend", "PowerOff", "Hibernate", "Reboot"})
            EXPECT_EQ(calls(method), qstrcmp(method, called) ? QList<QVariantList>() : QList<QVariantList>{{false}})
                << method;
        const QVariant modeNow = m_session.call(getMode).arguments().value(0).value<QDBusVariant>().variant();
        EXPECT_EQ(modeNow.metaType(), QMetaType::fromType<int>());
        EXPECT_EQ(modeNow.toInt(), mode);
    }
}

TEST_F(PowerTest, RefusalComesBackAsTheReason)
{
    ASSERT_EQ(callMock(m_system, login1, login1Path, QStringLiteral("AddMethod"),
                       {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Suspend"),
                        QStringLiteral("b"), QString(),
                        QStringLiteral("raise dbus.exceptions.DBusException('Suspend is inhibited by the test', "
                                       "name='org.freedesktop.login1.OperationInProgress')")}),
              QString());
    const PowerResult result = LogindSystemPower(m_system).request(PowerAction::Suspend);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.reason, QStringLiteral("Suspend is inhibited by the test"));
    EXPECT_EQ(result.message, QStringLiteral("Could not suspend: Suspend is inhibited by the test"));
}

// Xvfb has no DPMS: all the X11 way can show there is its answer.
TEST(X11Dpms, VirtualServerAnswersNotSupported)
{
    REQUIRE_SERVICE(qEnvironmentVariableIsEmpty("CHRONELLE_TEST_DISPLAY")
                        ? QStringLiteral("CHRONELLE_TEST_DISPLAY is not set (an X server)")
                        : QString());
    const QByteArray display = qgetenv("CHRONELLE_TEST_DISPLAY");
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(connection), 0) << "no X server at " << display.constData();
    X11DpmsDisplayPower dpms(connection);
    EXPECT_FALSE(dpms.availability().available);
    const PowerResult result = dpms.turnOff();
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message,
              QStringLiteral("Could not turn the monitor off: not supported by this X server (no DPMS)"));
    xcb_disconnect(connection);
}

} // namespace

// Timers stand still while the machine sleeps: the end of a suspend must be
// heard, and only the end.
TEST_F(PowerTest, TheEndOfASuspendIsHeardAndOnlyTheEnd)
{
    LogindResumeWatcher resume(m_system);
    ASSERT_TRUE(resume.isWatching());
    QSignalSpy woke(&resume, &ClockJumpSource::clockMayHaveJumped);
    const auto prepareForSleep = [this](bool start) {
        return callMock(m_system, login1, login1Path, QStringLiteral("EmitSignal"),
                        {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                         QStringLiteral("b"), QVariantList{QVariant::fromValue(QDBusVariant(start))}});
    };
    ASSERT_EQ(prepareForSleep(true), QString());
    ASSERT_EQ(prepareForSleep(false), QString());
    EXPECT_TRUE(QTest::qWaitFor([&]() { return woke.count() > 0; }, 5000)) << "the resume went unheard";
    QTest::qWait(100);
    EXPECT_EQ(woke.count(), 1) << "going to sleep counted as waking";
}
