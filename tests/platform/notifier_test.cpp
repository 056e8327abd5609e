// Desktop notifications against python3-dbusmock's notification daemon on the
// private session bus of the test command, and the fallback where no service
// answers.

#include "desktopnotifier.h"
#include "freedesktopnotifier.h"
#include "platformtestsupport.h"
#include "qtprint.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
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
    // With the mock's own capabilities (no buttons), or these.
    void startService(const QString &capabilities = {})
    {
        QStringList arguments{QStringLiteral("--template"), QStringLiteral("notification_daemon")};
        if (!capabilities.isEmpty())
            arguments << QStringLiteral("--parameters")
                      << QStringLiteral(R"({"capabilities": "%1"})").arg(capabilities);
        ASSERT_EQ(m_daemon.start(arguments, m_session, kService), QString());
    }
    QList<QVariantList> calls(const char *method) const { return notificationCalls(m_session, method); }

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
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("GetCapabilities").size() == 1; }, 5000));
    QCoreApplication::processEvents();
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
    const int snoozed = notifier.notify(QStringLiteral("Tea"), QStringLiteral("07:00:00 AM"),
                                        DesktopNotifier::Urgency::Critical, [&] { ++fallbacks; });
    notifier.withdraw(snoozed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("CloseNotification").size() == 2; }, 5000));
    EXPECT_EQ(calls("CloseNotification")[1].value(0).toUInt(), 2u);
    EXPECT_EQ(calls("Notify").size(), 2);
    EXPECT_EQ(fallbacks, 0);
}

// Only notifications that wait for an answer are remembered, and only until
// they are withdrawn or the service closes them: a program that runs for
// months and tells of many missed alarms does not grow.
TEST_F(Notifications, OnlyUnansweredCriticalNotificationsAreRemembered)
{
    startService();
    FreedesktopNotifier notifier(m_session);
    for (int i = 0; i < 3; ++i)
        notifier.notify(QStringLiteral("Missed alarm"), QStringLiteral("\"Tea\" was due at 07:00:00"),
                        DesktopNotifier::Urgency::Normal, [] {});
    const int ringing = notifier.notify(QStringLiteral("Wake up"), QStringLiteral("07:30:00 AM"),
                                        DesktopNotifier::Urgency::Critical, [] {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("Notify").size() == 4; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(notifier.tracked(), 1) << "missed-alarm notifications are never withdrawn";

    // The user dismissed it on the desktop: nothing is left to withdraw.
    ASSERT_EQ(callMock(m_session, kService, kPath, QStringLiteral("EmitSignal"),
                       {QString(), QStringLiteral("NotificationClosed"), QStringLiteral("uu"),
                        QVariantList{QVariant::fromValue(QDBusVariant(quint32(4))),
                                     QVariant::fromValue(QDBusVariant(quint32(2)))}}),
              QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return notifier.tracked() == 0; }, 5000));
    notifier.withdraw(ringing);
    QTest::qWait(100);
    EXPECT_TRUE(calls("CloseNotification").isEmpty()) << "closed what the service had closed already";
}

// At login the desktop's service may start after the program: the buttons of
// the ringing alarm come all the same, whether a notification is sent at once
// or the service was asked on its own first; a service that then takes its
// place without buttons gets none.
class NotificationsFromALaterService : public Notifications, public ::testing::WithParamInterface<bool>
{
};

TEST_P(NotificationsFromALaterService, CarryTheButtonsTheServiceShows)
{
    const bool askedOnItsOwn = GetParam();
    ASSERT_FALSE(m_session.interface()->isServiceRegistered(kService)) << "a notification service runs already";
    FreedesktopNotifier notifier(m_session);
    // Its first question finds nobody.
    QTest::qWait(300);
    const QList<DesktopNotifier::Action> buttons{{QStringLiteral("snooze"), QStringLiteral("Snooze")},
                                                 {QStringLiteral("ok"), QStringLiteral("OK")}};
    const QStringList offered{QStringLiteral("snooze"), QStringLiteral("Snooze"), QStringLiteral("ok"),
                              QStringLiteral("OK")};
    const auto ring = [&] {
        return notifier.notify(
            QStringLiteral("Wake up"), QStringLiteral("07:30:00"), DesktopNotifier::Urgency::Critical, [] {}, buttons);
    };

    startService(QStringLiteral("body actions"));
    if (askedOnItsOwn) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return calls("GetCapabilities").size() == 1; }, 5000))
            << "the new service was not asked";
    }
    ring();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("Notify").size() == 1; }, 5000));
    EXPECT_EQ(calls("Notify")[0].value(5).toStringList(), offered);
    EXPECT_EQ(calls("Notify")[0].value(4).toString(), QStringLiteral("07:30:00")) << "no markup was offered";
    if (!askedOnItsOwn)
        return;

    m_daemon.stop();
    startService(QStringLiteral("body body-markup"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("GetCapabilities").size() == 1; }, 5000))
        << "the service that took its place was not asked";
    QCoreApplication::processEvents();
    ring();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls("Notify").size() == 1; }, 5000));
    EXPECT_EQ(calls("Notify")[0].value(5).toStringList(), QStringList()) << "buttons where none are shown";
}

// Answered while it waited for the service's capabilities: never sent, and
// nothing falls back for it.
TEST_F(Notifications, ANotificationWithdrawnWhileHeldIsNeverSent)
{
    ASSERT_FALSE(m_session.interface()->isServiceRegistered(kService)) << "a notification service runs already";
    FreedesktopNotifier notifier(m_session);
    int fallbacks = 0;
    const int ringing = notifier.notify(QStringLiteral("Wake up"), QStringLiteral("07:30:00"),
                                        DesktopNotifier::Urgency::Critical, [&] { ++fallbacks; });
    notifier.withdraw(ringing);
    // Sent, it would have failed and fallen back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return notifier.tracked() == 0; }, 5000));
    QTest::qWait(200);
    EXPECT_EQ(fallbacks, 0);
}

INSTANTIATE_TEST_SUITE_P(ServiceStart, NotificationsFromALaterService, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &when) {
                             return when.param ? "AskedOnItsOwn" : "SentAtOnce";
                         });

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
