// The real program in a StatusNotifierItem notification area (KDE Plasma,
// Xfce's panel, GNOME with AppIndicators), as the test command's watcher on a
// session bus of its own offers one: the item exports the clock's menu over
// com.canonical.dbusmenu, a host's click (such hosts report no double click)
// hides and shows the clock, "Restore" brings it back and "Exit" ends the
// program and writes its settings. This test plays the host's part.

#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItem = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenu = QStringLiteral("com.canonical.dbusmenu");
const QString kConnection = QStringLiteral("chronelle-test-sni");

// One entry of an exported menu, as GetLayout gives it.
struct MenuEntry
{
    int id = 0;
    QVariantMap properties;
    QList<MenuEntry> children;
    QString label() const { return properties.value(QStringLiteral("label")).toString(); }
};

void readEntry(const QDBusArgument &argument, MenuEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        MenuEntry childEntry;
        readEntry(qvariant_cast<QDBusArgument>(child.variant()), childEntry);
        entry.children << childEntry;
    }
    argument.endArray();
    argument.endStructure();
}

class StatusNotifierHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        useWindowManagerDisplay();
        REQUIRE_SERVICE(missingService());
        REQUIRE_SERVICE(qEnvironmentVariableIsEmpty("CHRONELLE_TEST_SNI_BUS_ADDRESS")
                            ? QStringLiteral("no StatusNotifierItem host (CHRONELLE_TEST_SNI_BUS_ADDRESS is not set; "
                                             "run the tests through scripts/test.sh)")
                            : QString());
        ASSERT_EQ(notPrivateBus(QStringLiteral("CHRONELLE_TEST_SNI_BUS_ADDRESS")), QString());
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(qEnvironmentVariable("CHRONELLE_TEST_SNI_BUS_ADDRESS"), kConnection));
        ASSERT_TRUE(m_bus->isConnected()) << m_bus->lastError().message().toStdString();
        ASSERT_TRUE(m_bus->interface()->isServiceRegistered(kWatcher).value())
            << "the watcher of the test command is not on its bus";
        ASSERT_TRUE(m_folder.isValid());
    }
    void TearDown() override
    {
        m_bus.reset();
        QDBusConnection::disconnectFromBus(kConnection);
    }

    QDBusMessage call(const QString &service, const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        return m_bus->call(message, QDBus::Block, 10000);
    }
    QVariant property(const QString &service, const QString &path, const QString &interface, const QString &name)
    {
        const QDBusMessage reply = call(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("Get"), {interface, name});
        return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).value<QDBusVariant>().variant()
                                                          : QVariant();
    }
    // The bus name of the program's item, once the watcher has it.
    QString itemOf(const QProcess &program)
    {
        QString found;
        waitUntil(
            [&] {
                const QStringList items = property(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                                   QStringLiteral("RegisteredStatusNotifierItems"))
                                              .toStringList();
                for (const QString &item : items) {
                    const QString service = item.section(u'/', 0, 0);
                    if (m_bus->interface()->servicePid(service).value() == uint(program.processId()))
                        found = service;
                }
                return !found.isEmpty();
            },
            15000);
        return found;
    }
    MenuEntry menuOf(const QString &service, const QString &path)
    {
        // As a host does before it shows the menu: the program brings it up to date.
        call(service, path, kMenu, QStringLiteral("AboutToShow"), {0});
        const QDBusMessage reply =
            call(service, path, kMenu, QStringLiteral("GetLayout"), {0, -1, QStringList{QStringLiteral("label")}});
        MenuEntry root;
        if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
            readEntry(qvariant_cast<QDBusArgument>(reply.arguments()[1]), root);
        return root;
    }
    void click(const QString &service, const QString &path, int id)
    {
        call(service, path, kMenu, QStringLiteral("Event"),
             {id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0u});
    }

    std::unique_ptr<QDBusConnection> m_bus;
    ProgramFolder m_folder;
};

} // namespace

TEST_F(StatusNotifierHost, MenuRestoresTheClockAClickTogglesItAndExitEnds)
{
    QProcessEnvironment environment = ProgramFolder::environment(QStringLiteral("2026-12-07 07:29:55"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       qEnvironmentVariable("CHRONELLE_TEST_SNI_BUS_ADDRESS"));
    QProcess *program = m_folder.start(environment);
    ASSERT_NE(program, nullptr);
    const QString item = itemOf(*program);
    ASSERT_FALSE(item.isEmpty()) << "the program registered no item with the watcher";
    const auto clockShown = [&] { return viewableWindow(*program, QStringLiteral("^Chronelle$")).has_value(); };
    // The clock hides at start: the host can bring it back.
    ASSERT_TRUE(waitUntil([&] { return !clockShown(); }, 15000)) << "the clock did not hide to the tray";

    const QString menuPath = property(item, QStringLiteral("/StatusNotifierItem"), kItem, QStringLiteral("Menu"))
                                 .value<QDBusObjectPath>()
                                 .path();
    ASSERT_FALSE(menuPath.isEmpty());
    ASSERT_NE(menuPath, QStringLiteral("/NO_DBUSMENU")) << "the item exports no menu";
    MenuEntry menu = menuOf(item, menuPath);
    QStringList labels;
    for (const MenuEntry &entry : menu.children)
        labels << entry.label();
    // The clock's menu in its order; mnemonics are written with "_" on this bus.
    EXPECT_EQ(labels, (QStringList{QStringLiteral("_Restore"), QStringLiteral("_Alarms Manager"),
                                   QStringLiteral("S_kip next alarm"), QStringLiteral("_Start at Login"),
                                   QStringLiteral("Alarm _Clock Size"),
                                   QStringLiteral("LCD C_olor"), QString(), QStringLiteral("H_elp"),
                                   QStringLiteral("A_bout"), QString(), QStringLiteral("E_xit")}));
    ASSERT_EQ(menu.children.size(), 11);

    click(item, menuPath, menu.children[0].id); // "Restore"
    ASSERT_TRUE(waitUntil(clockShown, 5000)) << "\"Restore\" did not show the clock";
    menu = menuOf(item, menuPath);
    EXPECT_EQ(menu.children.value(0).label(), QStringLiteral("_Hide to system tray"));

    // Such a host reports one click where an XEmbed tray reports a double
    // click: it hides the clock and shows it again.
    const auto activate = [&] {
        call(item, QStringLiteral("/StatusNotifierItem"), kItem, QStringLiteral("Activate"), {100, 100});
    };
    activate();
    EXPECT_TRUE(waitUntil([&] { return !clockShown(); }, 5000)) << "a click did not hide the clock";
    activate();
    EXPECT_TRUE(waitUntil(clockShown, 5000)) << "a second click did not bring the clock back";

    menu = menuOf(item, menuPath);
    ASSERT_EQ(menu.children.size(), 11);
    click(item, menuPath, menu.children[10].id); // "Exit"
    ASSERT_TRUE(program->waitForFinished(15000)) << "\"Exit\" did not end the program";
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_EQ(m_folder.readFile(QStringLiteral("LCD.ini")), QByteArray("1\r\nBlue\r\n"));
}
