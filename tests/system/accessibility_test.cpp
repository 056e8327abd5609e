// The real program as a screen reader sees it over AT-SPI: an accessibility
// bus of its own (at-spi-bus-launcher on the private session bus of the test
// command), the program's tree read by a small AT-SPI client, and in it the
// clock's text and every field named after its label.

#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFile>
#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

const QString kBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
const QString kTreeScript = QStringLiteral(CHRONELLE_SOURCE_DIR "/tests/system/atspi_tree.py");

// The accessibility bus of a desktop session, with assistive technology
// switched on as a screen reader switches it on. Its launcher starts a bus
// daemon, and that the registry; all three end with this object.
class AccessibilityBus final
{
public:
    ~AccessibilityBus()
    {
        if (m_launcher.state() == QProcess::NotRunning)
            return;
        // The bus daemon started the registry as a process of its own; it
        // says which, and the registry goes first.
        if (!m_address.isEmpty()) {
            {
                QDBusConnection accessibility = QDBusConnection::connectToBus(m_address, kConnection);
                const QDBusReply<uint> registry =
                    accessibility.interface()->servicePid(QStringLiteral("org.a11y.atspi.Registry"));
                if (registry.isValid() && registry.value() > 1)
                    ::kill(pid_t(registry.value()), SIGTERM);
            }
            QDBusConnection::disconnectFromBus(kConnection);
        }
        m_launcher.terminate();
        if (!m_launcher.waitForFinished(5000)) {
            m_launcher.kill();
            m_launcher.waitForFinished();
        }
    }
    // Empty on success, else why not.
    QString start(const QDBusConnection &bus)
    {
        if (bus.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")))
            return QStringLiteral("an accessibility bus runs already on the session bus; refusing to share it");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Not announced on the test display's root window: only through the session bus.
        environment.remove(QStringLiteral("DISPLAY"));
        m_launcher.setProcessEnvironment(environment);
        m_launcher.setProcessChannelMode(QProcess::MergedChannels);
        m_launcher.start(kBusLauncher, {QStringLiteral("--launch-immediately")});
        if (!m_launcher.waitForStarted())
            return QStringLiteral("%1 did not start: %2").arg(kBusLauncher, m_launcher.errorString());
        if (!waitUntil([&] { return bus.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")).value(); },
                       15000))
            return QStringLiteral("%1 did not provide org.a11y.Bus: %2")
                .arg(kBusLauncher, QString::fromLocal8Bit(m_launcher.readAll()));
        QDBusMessage enable =
            QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                           QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        enable << QStringLiteral("org.a11y.Status") << QStringLiteral("IsEnabled")
               << QVariant::fromValue(QDBusVariant(true));
        const QDBusMessage reply = bus.call(enable, QDBus::Block, 10000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return QStringLiteral("assistive technology could not be switched on: %1").arg(reply.errorMessage());
        const QDBusMessage address =
            bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                    QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
                     QDBus::Block, 10000);
        m_address = address.arguments().value(0).toString();
        return {};
    }

private:
    inline static const QString kConnection = QStringLiteral("chronelle-test-accessibility");
    QProcess m_launcher;
    QString m_address;
};

// One object of the tree.
struct Accessible
{
    QString role;
    QString name;
    bool shown = false;
};

QList<Accessible> treeOf(const QProcess &program)
{
    QList<Accessible> tree;
    const QString output = QString::fromUtf8(
        commandOutput(QStringLiteral("/usr/bin/python3 %1 %2").arg(kTreeScript).arg(program.processId())));
    for (const QString &line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() == 5)
            tree.append({fields[1], fields[2].trimmed(), fields[4] != u"hidden"});
    }
    return tree;
}

bool holds(const QList<Accessible> &tree, const QString &role, const QRegularExpression &name)
{
    return std::any_of(tree.cbegin(), tree.cend(), [&](const Accessible &object) {
        return object.shown && object.role == role && name.match(object.name).hasMatch();
    });
}

QString describe(const QList<Accessible> &tree)
{
    QStringList lines;
    for (const Accessible &object : tree) {
        if (object.shown)
            lines << object.role + u": " + object.name;
    }
    return lines.join(u'\n');
}

class ScreenReader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        useWindowManagerDisplay();
        REQUIRE_SERVICE(missingService());
        REQUIRE_SERVICE(QFile::exists(kBusLauncher) ? QString()
                                                    : QStringLiteral("no AT-SPI bus launcher (package at-spi2-core)"));
        REQUIRE_SERVICE(commandOutput(QStringLiteral("/usr/bin/python3 -c \"import gi; gi.require_version('Atspi', "
                                                     "'2.0'); print('ok')\""))
                                .startsWith("ok")
                            ? QString()
                            : QStringLiteral("no AT-SPI client for Python (package python3-pyatspi)"));
        ASSERT_EQ(notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), QString());
        ASSERT_TRUE(m_lock.acquire()) << "another test kept the accessibility bus";
        const QString failure = m_bus.start(QDBusConnection::sessionBus());
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        ASSERT_TRUE(m_folder.isValid());
    }

    ServiceLock m_lock{QStringLiteral("accessibility"), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")};
    AccessibilityBus m_bus;
    ProgramFolder m_folder;
};

} // namespace

TEST_F(ScreenReader, ReadsTheClockAndEveryFieldByItsLabel)
{
    QProcess *program = m_folder.start(ProgramFolder::environment(QStringLiteral("@2026-12-07 07:29:00")));
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Chronelle$")).has_value(); }, 15000));

    // The clock's face reads as its lines of text (a line break shows as "\n").
    QList<Accessible> tree;
    EXPECT_TRUE(waitUntil(
        [&] {
            tree = treeOf(*program);
            return holds(tree, QStringLiteral("label"),
                         QRegularExpression(QStringLiteral(R"(^12/07/26 07:29:\d\d AM\\nNext Alarm: )")));
        },
        15000))
        << "no clock text in the tree:\n"
        << describe(tree).toStdString();

    QProcess *second = m_folder.start();
    ASSERT_NE(second, nullptr);
    second->waitForFinished(15000);
    std::optional<Window> manager;
    ASSERT_TRUE(waitUntil(
        [&] { return (manager = viewableWindow(*program, QStringLiteral("^Alarm Manager$"))).has_value(); }, 10000));
    // "Add" (16,264, 57 x 25) opens the editor on its general page.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 40 276 click 1").arg(manager->id));
    std::optional<Window> editor;
    ASSERT_TRUE(waitUntil(
        [&] { return (editor = viewableWindow(*program, QStringLiteral("^Alarm Options$"))).has_value(); }, 10000));

    const std::pair<const char *, const char *> general[] = {
        {"tree", "Alarms"}, {"spin button", "Date:"}, {"spin button", "Time:"}, {"text", "Reminder:"}};
    EXPECT_TRUE(waitUntil(
        [&] {
            tree = treeOf(*program);
            return std::all_of(std::begin(general), std::end(general), [&](const auto &field) {
                return holds(tree, QLatin1String(field.first),
                             QRegularExpression(u'^' + QRegularExpression::escape(QLatin1String(field.second)) + u'$'));
            });
        },
        10000))
        << "a field of the manager or the general page has lost its name:\n"
        << describe(tree).toStdString();

    // Two pages on: "Sound effect", whose fields all used to be "Volum effect".
    commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key ctrl+Tab ctrl+Tab").arg(editor->id));
    EXPECT_TRUE(waitUntil(
        [&] {
            tree = treeOf(*program);
            return holds(tree, QStringLiteral("spin button"), QRegularExpression(QStringLiteral("^Fade in minutes$")));
        },
        10000))
        << describe(tree).toStdString();
    for (const char *name : {"Fade out begins at minutes", "Snooze time:"})
        EXPECT_TRUE(holds(tree, QStringLiteral("spin button"), QRegularExpression(u'^' + QLatin1String(name) + u'$')))
            << name;
    EXPECT_TRUE(holds(tree, QStringLiteral("slider"), QRegularExpression(QStringLiteral("^Max alarm sound volume:$"))));
    for (const Accessible &object : tree)
        EXPECT_FALSE(object.shown && object.role != u"panel" && object.role != u"frame" &&
                     object.name.startsWith(u"Volum effect"))
            << object.role.toStdString() << " is still named after the group";
}
