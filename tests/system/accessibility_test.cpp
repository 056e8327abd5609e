// The real program as a screen reader sees it over AT-SPI: an accessibility
// bus of its own (at-spi-bus-launcher on the private session bus of the test
// command), the program's tree read by a small AT-SPI client, and in it the
// clock's text and every field named after its label; and orca itself,
// headless, saying which alarm rings.

#include "alarmfile.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

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

// The processes whose command line holds `text`.
QList<pid_t> processesNaming(const QString &text)
{
    QList<pid_t> found;
    const QByteArray needle = QFile::encodeName(text);
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const pid_t pid = pid_t(entry.toInt(&isNumber));
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (isNumber && pid != ::getpid() && commandLine.open(QIODevice::ReadOnly) &&
            commandLine.readAll().contains(needle))
            found << pid;
    }
    return found;
}

// Running, not ended (a process that ended and nobody waited for still answers kill()).
bool isRunning(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

// Orca itself, as a blind user runs it, with its speech going through
// speech-dispatcher and espeak-ng to the null sink of the test command and
// every utterance in its debug file. It and the speech-dispatcher it starts
// end with this object.
class Orca final
{
public:
    ~Orca()
    {
        if (m_orca.state() != QProcess::NotRunning) {
            m_orca.terminate();
            if (!m_orca.waitForFinished(5000)) {
                m_orca.kill();
                m_orca.waitForFinished();
            }
        }
        // The speech-dispatcher orca started must be gone, and silent, before
        // the sound server is another test's. Its process id file is not
        // always there (a second copy started meanwhile, or the first still
        // starting), so it is found by the socket path in our runtime folder
        // that it was started with.
        for (const pid_t pid : processesNaming(m_runtime.path())) {
            if (::kill(pid, SIGTERM) == 0 && !waitUntil([pid] { return !isRunning(pid); }, 5000))
                ::kill(pid, SIGKILL);
        }
    }
    // Empty once orca speaks, else why not.
    QString start()
    {
        // Orca starts only once per user on the whole machine (and --replace
        // would end the others): test runs side by side take turns, and an
        // orca of someone else's is said, not ended.
        if (!m_machineLock.acquire())
            return QStringLiteral("another test run kept orca for five minutes");
        const QByteArray others = commandOutput(QStringLiteral("pgrep -u %1 -x orca").arg(::getuid())).trimmed();
        if (!others.isEmpty())
            return QStringLiteral("an orca of this user runs already (process %1); orca runs once per user")
                .arg(QString::fromLatin1(others).replace(u'\n', u' '));
        if (!m_home.isValid() || !m_runtime.isValid())
            return QStringLiteral("no temporary folder");
        QFile::setPermissions(m_runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment environment = ProgramFolder::environment();
        // Its speech server's socket in a folder of its own (its settings are
        // in another, below).
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_orca.setProcessEnvironment(environment);
        m_orca.setProcessChannelMode(QProcess::MergedChannels);
        m_orca.start(QStringLiteral("/usr/bin/orca"),
                     {QStringLiteral("--user-prefs"), m_home.filePath(QStringLiteral("orca")),
                      QStringLiteral("--debug-file"), logPath()});
        if (!m_orca.waitForStarted())
            return QStringLiteral("orca did not start: %1").arg(m_orca.errorString());
        if (!waitUntil([&] { return spoken().contains(QStringLiteral("Screen reader on.")); }, 60000))
            return QStringLiteral("orca said nothing (is speech-dispatcher with espeak-ng there?): %1")
                .arg(QString::fromLocal8Bit(m_orca.readAll()).right(2000));
        return {};
    }
    // Everything orca has said so far, one utterance an entry.
    QStringList spoken() const
    {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        static const QRegularExpression speech(QStringLiteral(R"(SPEECH OUTPUT: '(.*)'(\{|$))"));
        QStringList said;
        for (const QByteArray &line : log.readAll().split('\n')) {
            const QRegularExpressionMatch match = speech.match(QString::fromUtf8(line));
            if (match.hasMatch())
                said << match.captured(1);
        }
        return said;
    }

private:
    QString logPath() const { return m_home.filePath(QStringLiteral("orca-debug.log")); }

    ServiceLock m_machineLock{QStringLiteral("orca"), QStringLiteral("this machine")};
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
    QProcess m_orca;
};

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

    const std::pair<const char *, const char *> general[] = {{"tree", "Alarms"},
                                                             {"spin button", "Date:"},
                                                             {"spin button", "Time:"},
                                                             {"text", "Reminder:"},
                                                             {"combo box", "Alarm Frequency:"}};
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

// What a blind user hears when an alarm rings: orca, headless, says which
// alarm it is (its reminder) and when it was due, not only that something rings.
TEST_F(ScreenReader, OrcaSaysWhichAlarmRingsAndItsTime)
{
    REQUIRE_SERVICE(QFile::exists(QStringLiteral("/usr/bin/orca")) ? QString()
                                                                   : QStringLiteral("orca is not installed"));
    REQUIRE_SERVICE(missingSoundServer());
    ServiceLock soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    ASSERT_TRUE(soundLock.acquire()) << "another test kept the sound server";
    Orca orca;
    const QString failure = orca.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    AlarmRecord record;
    record.frequencyCode = 0;
    record.alarmTime = QTime(7, 30, 0);
    record.alarmDate = QDate(2026, 12, 7);
    // A song of its own: the program folder of the test has no built-in sounds.
    m_folder.writeFile(QStringLiteral("song.wav"), toneWav(40.0, 0.2));
    record.playList = {m_folder.filePath(QStringLiteral("song.wav"))};
    record.reminder = QStringLiteral("Take the green pills\n");
    AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
    m_folder.writeFile(QStringLiteral("al.ini"), "1\r\nTake the green pills\r\nOnce\r\n07:30:00 AM\r\n12/7/2026\r\n"
                                                 "073000\r\n07122026\r\n0111110\r\n0\r\n");
    const qsizetype before = orca.spoken().size();
    QProcess *program = m_folder.start(ProgramFolder::environment(QStringLiteral("@2026-12-07 07:29:55")));
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Alarm$")).has_value(); }, 30000))
        << "no ringing window";

    QStringList heard;
    const bool told = waitUntil(
        [&] {
            heard = orca.spoken().mid(before);
            const QString all = heard.join(u' ');
            return all.contains(u"Take the green pills") && all.contains(u"7:30:00");
        },
        20000);
    // What orca said, for whoever looks into a run.
    std::printf("orca said, from the start of the program on:\n");
    for (const QString &utterance : heard)
        std::printf("  %s\n", qPrintable(utterance));
    EXPECT_TRUE(told) << "orca did not say which alarm rings and when";
    // Silent before the sound server is another test's.
    program->kill();
    program->waitForFinished();
}

// What a blind user hears of the manager's list: orca says whether the row's
// alarm is on and the days of a weekly alarm, and after Space that it is off.
TEST_F(ScreenReader, OrcaSaysARowsStateAndDaysAndThatSpaceSwitchedItOff)
{
    REQUIRE_SERVICE(QFile::exists(QStringLiteral("/usr/bin/orca")) ? QString()
                                                                   : QStringLiteral("orca is not installed"));
    REQUIRE_SERVICE(missingSoundServer());
    ServiceLock soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    ASSERT_TRUE(soundLock.acquire()) << "another test kept the sound server";
    Orca orca;
    const QString failure = orca.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    AlarmRecord record;
    record.frequencyCode = 3;
    record.alarmTime = QTime(7, 30, 0);
    record.alarmDate = QDate(2026, 12, 7);
    record.dayFlags = {false, true, false, true, false, true, false};
    record.reminder = QStringLiteral("Wake up\n");
    AlarmFile::write(m_folder.filePath(QStringLiteral("0.ini")), record);
    AlarmFile::write(m_folder.filePath(QStringLiteral("1.ini")), record);
    m_folder.writeFile(QStringLiteral("al.ini"),
                       "2\r\nWake up\r\nWeekly\r\n07:30:00 AM\r\n--\r\n073000\r\n07122026\r\n0101010\r\n0\r\n"
                       "Tea\r\nWeekly\r\n04:00:00 PM\r\n--\r\n160000\r\n07122026\r\n0101010\r\n1\r\n");
    QProcess *program = m_folder.start(ProgramFolder::environment(QStringLiteral("@2026-12-07 07:00:00")));
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(waitUntil([&] { return viewableWindow(*program, QStringLiteral("^Chronelle$")).has_value(); }, 15000));
    // A second start shows the manager, with the focus on the list's first row.
    QProcess *second = m_folder.start();
    ASSERT_NE(second, nullptr);
    second->waitForFinished(15000);
    std::optional<Window> manager;
    ASSERT_TRUE(waitUntil(
        [&] { return (manager = viewableWindow(*program, QStringLiteral("^Alarm Manager$"))).has_value(); }, 10000));

    QStringList heard;
    const auto hears = [&](qsizetype from, const QString &words) {
        return waitUntil(
            [&] {
                heard = orca.spoken().mid(from);
                return heard.join(u' ').contains(words);
            },
            20000);
    };
    // Down and back up, as a user arrows to the row.
    commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key Down").arg(manager->id));
    hears(0, QStringLiteral("Tea"));
    const qsizetype beforeUp = orca.spoken().size();
    commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key Up").arg(manager->id));
    const bool saidOn = hears(beforeUp, QStringLiteral("Wake up, on"));
    const bool saidDays = saidOn && heard.join(u' ').contains(u"Mon, Wed, Fri");
    const qsizetype beforeSpace = orca.spoken().size();
    // Space switches the row off; arrowed to again, it reads as off.
    commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key space Down").arg(manager->id));
    hears(beforeSpace, QStringLiteral("Tea"));
    const qsizetype beforeBack = orca.spoken().size();
    commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key Up").arg(manager->id));
    const bool saidOff = hears(beforeBack, QStringLiteral("Wake up, off"));
    std::printf("orca said, from the start of the program on:\n");
    for (const QString &utterance : orca.spoken())
        std::printf("  %s\n", qPrintable(utterance));
    EXPECT_TRUE(saidOn) << "orca did not read the row";
    EXPECT_TRUE(saidDays) << "orca did not say the weekly alarm's days";
    EXPECT_TRUE(saidOff) << "orca did not say that Space switched the alarm off";
    program->kill();
    program->waitForFinished();
}
