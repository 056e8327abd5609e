// Desktop notifications against python3-dbusmock's notification daemon on the
// private session bus of the test command, and the fallback where no service
// answers.

#include "desktopnotifier.h"
#include "freedesktopnotifier.h"
#include "platformtestsupport.h"
#include "qtprint.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

class Notifications : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QString());
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the notification service";
        m_session = QDBusConnection::sessionBus();
    }
    void startService()
    {
        ASSERT_EQ(
            m_daemon.start({QStringLiteral("--template"), QStringLiteral("notification_daemon")}, m_session, kService),
            QString());
    }
    QList<QVariantList> calls(const char *method)
    {
        QString error;
        const auto recorded = mockCalls(m_session, kService, kPath, QString::fromLatin1(method), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return recorded;
    }

    ServiceLock m_lock{QStringLiteral("notifications"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")};
    QDBusConnection m_session{QString()};
    DBusMock m_daemon;
};

} // namespace

TEST_F(Notifications, EachNotificationReachesTheServiceOnceAndAnAnsweredAlarmIsWithdrawn)
{
    startService();
    FreedesktopNotifier notifier(m_session);
    int fallbacks = 0;
    // The service's capabilities (with body markup) are asked first.
    QTest::qWait(300);
    const int ringing = notifier.notify(QStringLiteral("Wake <up>"), QStringLiteral("07:30:00 AM & tea"),
                                        DesktopNotifier::Urgency::Critical, [&] { ++fallbacks; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("Notify").size() == 1; }, 5000));
    const QVariantList sent = calls("Notify").value(0);
    ASSERT_EQ(sent.size(), 8);
    EXPECT_EQ(sent[3].toString(), QStringLiteral("Wake <up>")) << "the summary is plain text";
    EXPECT_EQ(sent[4].toString(), QStringLiteral("07:30:00 AM &amp; tea")) << "the body is markup";
    const QVariantMap hints = qdbus_cast<QVariantMap>(sent[6].value<QDBusArgument>());
    EXPECT_EQ(hints.value(QStringLiteral("urgency")).toInt(), 2);
    EXPECT_FALSE(hints.contains(QStringLiteral("transient"))) << "it must stay in the history";

    notifier.withdraw(ringing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("CloseNotification").size() == 1; }, 5000));
    EXPECT_EQ(calls("CloseNotification")[0].value(0).toUInt(), 1u);

    // Withdrawn before the service has even answered: closed when it does.
    const int missed = notifier.notify(QStringLiteral("Missed alarm"), QStringLiteral("\"Tea\" was due at 07:00:00"),
                                       DesktopNotifier::Urgency::Normal, [&] { ++fallbacks; });
    notifier.withdraw(missed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("CloseNotification").size() == 2; }, 5000));
    EXPECT_EQ(calls("CloseNotification")[1].value(0).toUInt(), 2u);
    EXPECT_EQ(calls("Notify").size(), 2);
    EXPECT_EQ(fallbacks, 0);
}

// No service on the bus, or no bus at all: the fallback runs once, after notify() returned.
TEST_F(Notifications, WithoutAServiceTheFallbackRunsOnceAndLater)
{
    ASSERT_FALSE(m_session.interface()->isServiceRegistered(kService)) << "a notification service runs already";
    FreedesktopNotifier onTheBus(m_session);
    NullDesktopNotifier noBus;
    for (DesktopNotifier *notifier : std::initializer_list<DesktopNotifier *>{&onTheBus, &noBus}) {
        int fallbacks = 0;
        const int token = notifier->notify(QStringLiteral("Wake up"), QStringLiteral("07:30:00 AM"),
                                           DesktopNotifier::Urgency::Critical, [&] { ++fallbacks; });
        EXPECT_EQ(fallbacks, 0) << "ran inside notify()";
        EXPECT_TRUE(QTest::qWaitFor([&] { return fallbacks == 1; }, 10000));
        notifier->withdraw(token);
        QTest::qWait(200);
        EXPECT_EQ(fallbacks, 1);
    }
}
