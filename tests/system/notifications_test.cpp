// The real program tells the desktop's notification service (a mock on the
// private session bus) of each alarm that rings, withdraws that notification
// when the alarm is answered, and tells of the alarms one gap of the clock
// went past in one notification.

#include "alarmfile.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kLogin1 = QStringLiteral("org.freedesktop.login1");
const QString kLogin1Path = QStringLiteral("/org/freedesktop/login1");

QByteArray catalogueRow(const char *caption, const char *time, const char *timeKey, int slot)
{
    return QByteArray(caption) + "\r\nOnce\r\n" + time + "\r\n12/7/2026\r\n" + timeKey + "\r\n07122026\r\n0111110\r\n" +
           QByteArray::number(slot) + "\r\n";
}

class DesktopNotifications : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingService());
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QString());
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS")), QString());
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the notification service";
        ASSERT_TRUE(m_logindLock.acquire()) << "another test kept the mock logind";
        m_session = QDBusConnection::sessionBus();
        ASSERT_EQ(
            m_daemon.start({QStringLiteral("--template"), QStringLiteral("notification_daemon")}, m_session, kService),
            QString());
        m_system = QDBusConnection::systemBus();
        ASSERT_EQ(m_logind.start({QStringLiteral("--system"), QStringLiteral("--template"), QStringLiteral("logind")},
                                 m_system, kLogin1),
                  QString());
        ASSERT_TRUE(m_folder.isValid());
    }
    // What logind says when the machine wakes: a sleeping program looks at its clock.
    void resumeFromSuspend()
    {
        ASSERT_EQ(callMock(m_system, kLogin1, kLogin1Path, QStringLiteral("EmitSignal"),
                           {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                            QStringLiteral("b"), QVariantList{QVariant::fromValue(QDBusVariant(false))}}),
                  QString());
    }
    QList<QVariantList> calls(const char *method) const { return notificationCalls(m_session, method); }
    // The program's wall clock, as an offset from the real one that the test
    // can change while the program runs.
    void setClock(const QDateTime &wall)
    {
        QFile file(m_folder.filePath(QStringLiteral("faketime.rc")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::number(QDateTime::currentDateTime().secsTo(wall)) + '\n');
    }
    QProcessEnvironment clockedEnvironment() const
    {
        QProcessEnvironment env = ProgramFolder::environment(QStringLiteral("@2026-12-07 07:00:00"));
        env.remove(QStringLiteral("FAKETIME"));
        env.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), m_folder.filePath(QStringLiteral("faketime.rc")));
        env.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
        return env;
    }

    ServiceLock m_lock{QStringLiteral("notifications"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")};
    ServiceLock m_logindLock{QStringLiteral("logind"), qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")};
    QDBusConnection m_session{QString()};
    QDBusConnection m_system{QString()};
    DBusMock m_daemon;
    DBusMock m_logind;
    ProgramFolder m_folder;
};

} // namespace

TEST_F(DesktopNotifications, OneNotificationPerRingingAndOnePerMissedGap)
{
    AlarmRecord record;
    record.playListOn = false;
    record.soundOn = false;
    record.frequencyCode = 0;
    record.alarmDate = QDate(2026, 12, 7);
    for (int slot = 0; slot < 3; ++slot) {
        record.alarmTime = QTime(7, 30 + slot * 2, 0);
        AlarmFile::write(m_folder.filePath(QStringLiteral("%1.ini").arg(slot)), record);
    }
    m_folder.writeFile(QStringLiteral("al.ini"), "3\r\n" + catalogueRow("Wake up", "07:30:00 AM", "073000", 0) +
                                                     catalogueRow("Tea", "07:32:00 AM", "073200", 1) +
                                                     catalogueRow("Post", "07:34:00 AM", "073400", 2));
    setClock(QDateTime(QDate(2026, 12, 7), QTime(7, 29, 56)));
    QProcess *program = m_folder.start(clockedEnvironment());
    ASSERT_NE(program, nullptr);

    std::optional<Window> ringing;
    ASSERT_TRUE(
        waitUntil([&] { return (ringing = viewableWindow(*program, QStringLiteral("^Alarm$"))).has_value(); }, 20000))
        << "no ringing window";
    ASSERT_TRUE(waitUntil([&] { return calls("Notify").size() == 1; }, 5000)) << "the ringing was not announced";
    const QVariantList told = calls("Notify")[0];
    ASSERT_EQ(told.size(), 8);
    EXPECT_EQ(told[0].toString(), QStringLiteral("Chronelle"));
    EXPECT_EQ(told[3].toString(), QStringLiteral("Wake up"));
    // The time as the user's locale writes it.
    EXPECT_TRUE(told[4].toString().startsWith(u"07:30:00")) << told[4].toString().toStdString();

    // "OK" (288,256, 59 x 25) answers the alarm: its notification goes.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 310 268 click 1").arg(ringing->id));
    ASSERT_TRUE(waitUntil([&] { return calls("CloseNotification").size() == 1; }, 5000));
    EXPECT_EQ(calls("CloseNotification")[0].value(0).toUInt(), 1u);

    // The machine sleeps past both other alarms and wakes: one notification
    // tells of both. (The program sleeps too while hidden; the fake clock's
    // jump alone would reach it only at its next wake.)
    setClock(QDateTime(QDate(2026, 12, 7), QTime(7, 40, 0)));
    resumeFromSuspend();
    ASSERT_TRUE(waitUntil([&] { return calls("Notify").size() == 2; }, 10000)) << "the missed alarms were not told";
    const QVariantList missed = calls("Notify")[1];
    EXPECT_EQ(missed.value(3).toString(), QStringLiteral("Missed alarm"));
    for (const char *caption : {"Tea", "Post"})
        EXPECT_TRUE(missed.value(4).toString().contains(QLatin1String(caption)))
            << missed.value(4).toString().toStdString();
    waitUntil([] { return false; }, 2000);
    EXPECT_EQ(calls("Notify").size(), 2) << "told more than once";
    EXPECT_FALSE(viewableWindow(*program, QStringLiteral("^Alarm$")).has_value()) << "a missed alarm rang late";
}

// Where the desktop shows buttons on notifications, the ringing alarm is
// answered there: "Snooze" snoozes it, "OK" ends it as the window's buttons do.
// At login the desktop's notification service may come after the program: its
// buttons are offered all the same.
class DesktopNotificationActions : public ::testing::TestWithParam<bool>
{
};

TEST_P(DesktopNotificationActions, SnoozeAndOKAnswerTheRingingAlarm)
{
    const bool serviceComesLater = GetParam();
    REQUIRE_SERVICE(missingService());
    ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QString());
    ServiceLock lock{QStringLiteral("notifications"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")};
    ASSERT_TRUE(lock.acquire()) << "another test kept the notification service";
    QDBusConnection session = QDBusConnection::sessionBus();
    DBusMock daemon;
    const auto startDaemon = [&] {
        return daemon.start({QStringLiteral("--template"), QStringLiteral("notification_daemon"),
                             QStringLiteral("--parameters"), QStringLiteral(R"({"capabilities": "body actions"})")},
                            session, kService);
    };
    if (!serviceComesLater) {
        ASSERT_EQ(startDaemon(), QString());
    }
    ProgramFolder folder;
    AlarmRecord record;
    record.playListOn = false;
    record.soundOn = true;
    record.frequencyCode = 0;
    record.alarmDate = QDate(2026, 12, 7);
    record.alarmTime = QTime(7, 30, 0);
    AlarmFile::write(folder.filePath(QStringLiteral("0.ini")), record);
    folder.writeFile(QStringLiteral("al.ini"), "1\r\n" + catalogueRow("Wake up", "07:30:00 AM", "073000", 0));
    // Time enough before the alarm for the program to start and then the service.
    QProcess *program = folder.start(ProgramFolder::environment(
        serviceComesLater ? QStringLiteral("@2026-12-07 07:29:45") : QStringLiteral("@2026-12-07 07:29:57")));
    ASSERT_NE(program, nullptr);
    if (serviceComesLater) {
        // The clock window is made after the program first asked the service.
        ASSERT_TRUE(waitUntil([&] { return !windowsOf(*program, QStringLiteral("^Chronelle$")).empty(); }, 15000))
            << "the clock window never appeared";
        ASSERT_EQ(startDaemon(), QString());
    }

    const auto notifyCalls = [&session]() { return notificationCalls(session, "Notify"); };
    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Alarm$")).has_value(); }, 30000))
        << "no ringing window";
    ASSERT_TRUE(waitUntil([&] { return notifyCalls().size() == 1; }, 5000)) << "the ringing was not announced";
    EXPECT_EQ(notifyCalls()[0].value(5).toStringList(),
              (QStringList{QStringLiteral("default"), QString(), QStringLiteral("snooze"), QStringLiteral("Snooze"),
                           QStringLiteral("ok"), QStringLiteral("OK")}));
    const auto invoke = [&session](const QString &key) {
        return callMock(
            session, kService, kPath, QStringLiteral("EmitSignal"),
            {QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"), QStringLiteral("us"),
             QVariantList{QVariant::fromValue(QDBusVariant(quint32(1))), QVariant::fromValue(QDBusVariant(key))}});
    };
    ASSERT_EQ(invoke(QStringLiteral("snooze")), QString());
    waitUntil([] { return false; }, 1500);
    EXPECT_TRUE(viewableWindow(*program, QStringLiteral("^Alarm$")).has_value()) << "Snooze ended the alarm";
    ASSERT_EQ(invoke(QStringLiteral("ok")), QString());
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")).has_value(); }, 10000))
        << "OK in the notification did not end the alarm";
    EXPECT_TRUE(waitUntil([&] { return notificationCalls(session, "CloseNotification").size() == 1; }, 5000));
}

INSTANTIATE_TEST_SUITE_P(ServiceStart, DesktopNotificationActions, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &when) {
                             return when.param ? "ServiceStartedAfterTheProgram" : "ServiceRunningFirst";
                         });
