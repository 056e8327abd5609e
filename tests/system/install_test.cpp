// The program as it is installed: `cmake --install` into a prefix that is then
// made read-only, the installed program adding an alarm through its windows
// and keeping it in the user's data folder, the desktop files the launchers
// read, the Debian package, and the command line without a display.

#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"
#include "skin.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace SystemTest;

namespace {

const QString kAppId = QStringLiteral(CHRONELLE_APP_ID);

struct Finished
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Finished run(const QString &program, const QStringList &arguments,
             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = "did not finish: " + program.toLocal8Bit();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// Every file and folder below root with its size, mode and time of change.
QStringList listing(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3 %4")
                       .arg(info.filePath())
                       .arg(info.size())
                       .arg(int(info.permissions()))
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

void makeReadOnly(const QString &root)
{
    QStringList paths{root};
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : paths) {
        QFileInfo info(path);
        QFile::Permissions read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        if (info.isDir() || info.isExecutable())
            read |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(path, read);
    }
}

// The folders below root writable by their owner again, so that a temporary
// folder made read-only can be removed.
void makeWritable(const QString &root)
{
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The superuser may write anywhere: the installed program then runs as an
// ordinary user, for whom the read-only prefix really is read-only.
class AsOrdinaryUser
{
public:
    static constexpr uid_t kNobody = 65534;
    static bool needed() { return ::geteuid() == 0; }
    // Hands the folder to that user; the test itself stays the superuser.
    static void own(const QString &path)
    {
        if (needed() && ::chown(QFile::encodeName(path).constData(), kNobody, kNobody) != 0)
            ADD_FAILURE() << "could not hand " << path.toStdString() << " to the ordinary user";
    }
    static void start(QProcess &process, const QString &program, const QProcessEnvironment &environment)
    {
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        if (!needed())
            return process.start(program, {});
        // setpriv executes the program in its own process: the pid stays the program's.
        process.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                  QStringLiteral("--clear-groups"), program});
    }
};

// Ends a running program as a log-out does, by a termination signal; it must
// end at once and cleanly.
void endBySignal(QProcess &program, const char *failure = "the program did not end on a termination signal")
{
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(15000)) << failure;
    EXPECT_EQ(program.exitCode(), 0);
}

// An install into a temporary prefix, with a private home for the user who runs it.
class Installed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_prefix.isValid() && m_home.isValid());
        const Finished install = run(QStringLiteral(CHRONELLE_CMAKE_COMMAND),
                                     {QStringLiteral("--install"), QStringLiteral(CHRONELLE_BUILD_TREE),
                                      QStringLiteral("--prefix"), m_prefix.path()});
        ASSERT_EQ(install.exitCode, 0) << install.out.toStdString() << install.err.toStdString();
    }
    // Also after a failed assertion: a read-only folder would outlive the test.
    void TearDown() override
    {
        makeWritable(m_prefix.path());
        makeWritable(m_medium.path());
    }
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    // The home and its runtime folder (private, as a session makes it) belong
    // to the user who runs the program.
    void prepareHome() const
    {
        for (const QString &folder : {m_home.path(), m_home.filePath(QStringLiteral("runtime"))}) {
            QDir().mkpath(folder);
            AsOrdinaryUser::own(folder);
        }
        QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Starts the installed program, then a second copy, which finds the first
    // by its data folder and has it show its manager; returns that window.
    std::optional<Window> startWithManager(QProcess &program) const
    {
        AsOrdinaryUser::start(program, installed(QStringLiteral("bin/chronelle")), userEnvironment());
        if (!waitUntil([&] { return !windowsOf(program, QStringLiteral("^Chronelle$")).empty(); }, 15000)) {
            ADD_FAILURE() << "the installed program showed no clock";
            return std::nullopt;
        }
        QProcess second;
        AsOrdinaryUser::start(second, installed(QStringLiteral("bin/chronelle")), userEnvironment());
        second.waitForFinished(15000);
        std::optional<Window> manager;
        if (!waitUntil(
                [&] { return (manager = viewableWindow(program, QStringLiteral("^Alarm Manager$"))).has_value(); },
                10000))
            ADD_FAILURE() << "a second start did not show the manager";
        return manager;
    }
    QString dataFolder() const { return m_home.filePath(QStringLiteral("data/Chronelle")); }
    // Runs a copy of the program as the ordinary user until its clock shows, then ends it.
    void runUntilTheClockShows(const QString &executable) const
    {
        QProcess program;
        AsOrdinaryUser::start(program, executable, userEnvironment());
        ASSERT_TRUE(waitUntil([&] { return !windowsOf(program, QStringLiteral("^Chronelle$")).empty(); }, 15000))
            << "no clock from " << executable.toStdString();
        endBySignal(program);
    }

    // The test display, and a home, data, settings and runtime folder of its own.
    QProcessEnvironment userEnvironment() const
    {
        QProcessEnvironment environment = ProgramFolder::environment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        return environment;
    }

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QTemporaryDir m_medium; // a read-only medium, for a copy that is not installed
};

} // namespace

TEST_F(Installed, KeepsTheAlarmsInTheUsersDataFolderAndWritesNothingUnderThePrefix)
{
    REQUIRE_SERVICE(missingService());
    makeReadOnly(m_prefix.path());
    prepareHome();
    const QStringList before = listing(m_prefix.path());

    QProcess program;
    const std::optional<Window> manager = startWithManager(program);
    ASSERT_TRUE(manager.has_value());

    // "Add", then "OK" in the editor: a new alarm at the present moment.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 44 276 click 1").arg(manager->id));
    std::optional<Window> editor;
    ASSERT_TRUE(waitUntil(
        [&] { return (editor = viewableWindow(program, QStringLiteral("^Alarm Options$"))).has_value(); }, 10000))
        << "\"Add\" opened no editor";
    commandOutput(QStringLiteral("xdotool mousemove --window %1 265 388 click 1").arg(editor->id));
    const QString slotFile = dataFolder() + QStringLiteral("/0.ini");
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(slotFile); }, 10000)) << "the alarm was not saved";

    ASSERT_NO_FATAL_FAILURE(endBySignal(program));

    QFile catalogue(dataFolder() + QStringLiteral("/al.ini"));
    ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
    EXPECT_TRUE(catalogue.readAll().startsWith("1\r\n"));
    for (const char *name : {"alarm.ini", "LCD.ini"})
        EXPECT_TRUE(QFileInfo::exists(dataFolder() + u'/' + QString::fromLatin1(name))) << name;
    struct stat folder
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(dataFolder()).constData(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u) << "the data folder is open to other users";
    EXPECT_EQ(listing(m_prefix.path()), before) << "something was written under the prefix";

    // The same executable copied to a folder of its own is a portable copy.
    QTemporaryDir portable;
    const QString copy = portable.filePath(QStringLiteral("chronelle"));
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("bin/chronelle")), copy));
    AsOrdinaryUser::own(portable.path());
    ASSERT_NO_FATAL_FAILURE(runUntilTheClockShows(copy));
    for (const char *name : {"al.ini", "LCD.ini"})
        EXPECT_TRUE(QFileInfo::exists(portable.filePath(QString::fromLatin1(name)))) << name;
    QFile stillOne(dataFolder() + QStringLiteral("/al.ini"));
    ASSERT_TRUE(stillOne.open(QIODevice::ReadOnly));
    EXPECT_TRUE(stillOne.readAll().startsWith("1\r\n")) << "the portable copy wrote into the user's data folder";
}

// The help is read from the read-only share folder; its index goes to the
// user's cache.
TEST_F(Installed, ShowsTheHelpFromTheShareFolder)
{
    REQUIRE_SERVICE(missingService());
    makeReadOnly(m_prefix.path());
    prepareHome();
    QProcess program;
    const std::optional<Window> manager = startWithManager(program);
    ASSERT_TRUE(manager.has_value());
    commandOutput(QStringLiteral("xdotool mousemove --window %1 200 100 click 1 key F1").arg(manager->id));
    EXPECT_TRUE(
        waitUntil([&] { return viewableWindow(program, QStringLiteral("^Chronelle Help")).has_value(); }, 10000))
        << "F1 showed no help";
    endBySignal(program);
}

// A copy on a read-only medium, with no install around it, reads its sounds
// beside itself and keeps the user's files in the user's data folder.
TEST_F(Installed, ACopyThatCannotWriteBesideItselfKeepsTheDataInTheUsersFolder)
{
    REQUIRE_SERVICE(missingService());
    const QString copy = m_medium.filePath(QStringLiteral("chronelle"));
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("bin/chronelle")), copy));
    makeReadOnly(m_medium.path());
    prepareHome();

    ASSERT_NO_FATAL_FAILURE(runUntilTheClockShows(copy));
    for (const char *name : {"al.ini", "LCD.ini"}) {
        EXPECT_TRUE(QFileInfo::exists(dataFolder() + u'/' + QString::fromLatin1(name))) << name;
        EXPECT_FALSE(QFileInfo::exists(m_medium.filePath(QString::fromLatin1(name)))) << name;
    }
}

// A data folder that can't be made: a box says so, the clock runs on, and a
// termination signal still ends the program, leaving what is in the way alone.
TEST_F(Installed, AnUnusableDataFolderIsToldAndDoesNotHoldTheProgram)
{
    REQUIRE_SERVICE(missingService());
    const QString blocker = m_home.filePath(QStringLiteral("data"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("in the way") == 10);
    file.close();
    prepareHome();

    QProcess program;
    program.setProcessEnvironment(userEnvironment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(installed(QStringLiteral("bin/chronelle")), {});
    ASSERT_TRUE(program.waitForStarted());
    // Neither the clock nor the tray icon: the box.
    const auto boxShown = [&] {
        for (const Window &window : windowsOf(program, QStringLiteral("^Chronelle$"))) {
            if (window.viewable && window.geometry.width() > 64 && window.geometry.size() != QSize(272, 105))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(waitUntil(boxShown, 15000)) << "no message about the data folder";
    ASSERT_NO_FATAL_FAILURE(endBySignal(program, "the box held the program up"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("in the way"));
}

TEST_F(Installed, LaunchersAcceptTheDesktopEntryTheMetadataAndTheIcon)
{
    const Finished entry =
        run(QStringLiteral("desktop-file-validate"),
            {installed(QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"))});
    EXPECT_EQ(entry.exitCode, 0) << entry.out.toStdString() << entry.err.toStdString();
    EXPECT_TRUE(entry.out.isEmpty()) << entry.out.toStdString();
    const Finished metainfo =
        run(QStringLiteral("appstreamcli"),
            {QStringLiteral("validate"), QStringLiteral("--no-net"),
             installed(QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"))});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.out.toStdString() << metainfo.err.toStdString();

    // The scalable icon is the same drawing as the PNGs: rendered at 64 pixels
    // it differs from the 64 pixel PNG only by anti-aliasing.
    QSvgRenderer svg(installed(QStringLiteral("share/icons/hicolor/scalable/apps/") + kAppId + QStringLiteral(".svg")));
    ASSERT_TRUE(svg.isValid());
    QImage drawn(64, 64, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    const QImage png(installed(QStringLiteral("share/icons/hicolor/64x64/apps/") + kAppId + QStringLiteral(".png")));
    ASSERT_EQ(png.size(), QSize(64, 64));
    const QImage expected = png.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QColor a = drawn.pixelColor(x, y);
            const QColor b = expected.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) +
                    std::abs(a.alpha() - b.alpha()) >
                96)
                ++differing;
        }
    }
    EXPECT_LT(differing, 64 * 64 / 50) << "the SVG icon is not the drawing of the PNG icons";
}

// whatis and apropos name the program in the user's language: each manual
// page is one man-db can read, with its NAME line translated.
TEST_F(Installed, ManualPageIsNamedInEachLanguage)
{
    const struct
    {
        const char *folder;
        const char *whatis;
    } rows[] = {
        {"man", "chronelle - desktop alarm clock with a dot-matrix display"},
        {"man/de", "chronelle - Desktop-Wecker mit Punktmatrix-Anzeige"},
        {"man/pt_BR", "chronelle - despertador para a área de trabalho com visor de matriz de pontos"},
        {"man/zh_CN", "chronelle - 带点阵显示屏的桌面闹钟"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.folder);
        const QString page =
            installed(QStringLiteral("share/%1/man1/chronelle.1.gz").arg(QString::fromLatin1(row.folder)));
        const Finished lexgrog = run(QStringLiteral("lexgrog"), {page});
        EXPECT_EQ(lexgrog.exitCode, 0) << lexgrog.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(lexgrog.out).contains(QString::fromUtf8(row.whatis)))
            << lexgrog.out.toStdString();
    }
}

TEST_F(Installed, CommandLineAnswersWithoutADisplay)
{
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QString::fromLatin1(name));
    const struct
    {
        const char *argument;
        int exitCode;
        const char *out;
        const char *err;
    } rows[] = {
        {"--version", 0, "Chronelle " CHRONELLE_VERSION "\n", ""},
        {"-v", 0, "Chronelle " CHRONELLE_VERSION "\n", ""},
        {"--help", 0, "--version", ""},
        {"--no-such-option", 2, "", "Usage:"},
        {"stray", 2, "", "Usage:"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.argument);
        const Finished result =
            run(installed(QStringLiteral("bin/chronelle")), {QString::fromLatin1(row.argument)}, noDisplay);
        EXPECT_EQ(result.exitCode, row.exitCode) << result.err.toStdString();
        if (*row.out == '\0')
            EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
        else if (row.exitCode == 0 && QByteArray(row.out).endsWith('\n'))
            EXPECT_EQ(result.out, QByteArray(row.out));
        else
            EXPECT_TRUE(result.out.contains(row.out)) << result.out.toStdString();
        EXPECT_TRUE(result.err.contains(row.err)) << result.err.toStdString();
    }
}

// The command line speaks the user's language, Qt's own option texts
// included, and stays as it was in English.
TEST_F(Installed, CommandLineSpeaksTheUsersLanguage)
{
    const auto inLanguage = [](const char *lang) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        return environment;
    };
    const QString program = installed(QStringLiteral("bin/chronelle"));
    const Finished german = run(program, {QStringLiteral("--help")}, inLanguage("de_DE.UTF-8"));
    EXPECT_EQ(german.exitCode, 0);
    EXPECT_TRUE(german.out.contains("Ein Wecker für den Desktop")) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains("Zeigt Hilfe zu den Kommandozeilenoptionen an.")) << german.out.toStdString();
    EXPECT_TRUE(german.out.contains("Befehle (läuft das Programm, gehen sie an es, sonst an den Datenordner):\n"
                                    "  list [--json]\n      alle Alarme:"))
        << german.out.toStdString();
    const Finished stray = run(program, {QStringLiteral("stray")}, inLanguage("de_DE.UTF-8"));
    EXPECT_EQ(stray.exitCode, 2);
    EXPECT_TRUE(stray.err.contains("Unerwartetes Argument „stray“.")) << stray.err.toStdString();

    const Finished english = run(program, {QStringLiteral("--help")}, inLanguage("en_US.UTF-8"));
    EXPECT_TRUE(english.out.contains("A desktop alarm clock with a dot-matrix clock face that lives in the "
                                     "notification area.\n"))
        << english.out.toStdString();
    EXPECT_TRUE(english.out.contains("Displays help on commandline options.")) << english.out.toStdString();
    EXPECT_TRUE(english.out.contains("  list [--json]\n      every alarm: id, on/off")) << english.out.toStdString();
}

TEST(Package, HoldsWhatADesktopNeedsAndPassesLintian)
{
    QTemporaryDir packages;
    ASSERT_TRUE(packages.isValid());
    const Finished cpack =
        run(QStringLiteral(CHRONELLE_CPACK_COMMAND),
            {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
             QStringLiteral(CHRONELLE_BUILD_TREE "/CPackConfig.cmake"), QStringLiteral("-B"), packages.path()});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.out.toStdString() << cpack.err.toStdString();
    const QStringList debs = QDir(packages.path()).entryList({QStringLiteral("*.deb")});
    ASSERT_EQ(debs.size(), 1) << debs.join(u' ').toStdString();
    const QString deb = packages.filePath(debs.first());

    const QString files = QString::fromUtf8(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb}).out);
    QStringList wanted{QStringLiteral("./usr/bin/chronelle"),
                       QStringLiteral("./usr/libexec/chronelle/chronelle-sound"),
                       QStringLiteral("./usr/share/applications/") + kAppId + QStringLiteral(".desktop"),
                       QStringLiteral("./usr/share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"),
                       QStringLiteral("./usr/share/icons/hicolor/scalable/apps/") + kAppId + QStringLiteral(".svg"),
                       QStringLiteral("./usr/share/man/man1/chronelle.1.gz"),
                       QStringLiteral("./usr/share/man/ru/man1/chronelle.1.gz"),
                       QStringLiteral("./usr/share/chronelle/help.qch"),
                       QStringLiteral("./usr/share/chronelle/installed"),
                       QStringLiteral("./usr/share/bash-completion/completions/chronelle"),
                       QStringLiteral("./usr/share/dbus-1/interfaces/io.github.chronelle.Chronelle.Alarms.xml")};
    for (int size : Skin::kIconSizes)
        wanted << QStringLiteral("./usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
    for (const char *sound : {"start.wav", "ringout.wav", "ringin.wav", "recycle.wav"})
        wanted << QStringLiteral("./usr/share/chronelle/sounds/") + QString::fromLatin1(sound);
    for (const QString &file : wanted)
        EXPECT_TRUE(files.contains(u' ' + file + u'\n')) << "missing " << file.toStdString();
    // The program alone in bin/: no test or benchmark came along.
    EXPECT_EQ(files.count(QStringLiteral("./usr/bin/")), 2) << files.toStdString();

    const QString depends =
        QString::fromUtf8(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}).out);
    for (const char *needed : {"libqt6widgets6", "gstreamer1.0-plugins-good", "gstreamer1.0-libav", "libqt6sql6-sqlite",
                               "qt6-wayland", "libcap2-bin"})
        EXPECT_TRUE(depends.contains(QString::fromLatin1(needed))) << needed << " not in: " << depends.toStdString();

    // The maintainer script grants the capability to set wake-up timers, and
    // goes on quietly where it can't: tried on a copy of the program.
    QTemporaryDir control;
    ASSERT_TRUE(control.isValid());
    ASSERT_EQ(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-e"), deb, control.path()}).exitCode, 0);
    QFile postinst(control.filePath(QStringLiteral("postinst")));
    ASSERT_TRUE(postinst.open(QIODevice::ReadOnly)) << "the package has no postinst";
    EXPECT_TRUE(postinst.permissions().testFlag(QFileDevice::ExeOther));
    const QByteArray script = postinst.readAll();
    ASSERT_TRUE(script.contains("setcap cap_wake_alarm+ep \"/usr/bin/chronelle\"")) << script.toStdString();
    const QString copy = control.filePath(QStringLiteral("chronelle"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CHRONELLE_BIN_DIR "/chronelle"), copy));
    QFile trial(control.filePath(QStringLiteral("postinst-trial")));
    ASSERT_TRUE(trial.open(QIODevice::WriteOnly));
    trial.write(QByteArray(script).replace("/usr/bin/chronelle", copy.toUtf8()));
    trial.close();
    const Finished configured = run(QStringLiteral("/bin/sh"), {trial.fileName(), QStringLiteral("configure")});
    EXPECT_EQ(configured.exitCode, 0) << configured.err.toStdString();
    EXPECT_TRUE(configured.err.isEmpty()) << "not quiet: " << configured.err.toStdString();
    const QString granted = QString::fromUtf8(run(QStringLiteral("/sbin/getcap"), {copy}).out);
    // Where this machine can set capabilities at all, the script did.
    const QString second = control.filePath(QStringLiteral("chronelle-direct"));
    ASSERT_TRUE(QFile::copy(copy, second));
    if (run(QStringLiteral("/sbin/setcap"), {QStringLiteral("cap_wake_alarm+ep"), second}).exitCode == 0)
        EXPECT_TRUE(granted.contains(u"cap_wake_alarm")) << granted.toStdString();
    else
        EXPECT_TRUE(granted.trimmed().isEmpty()) << granted.toStdString();

    QStringList lintianArguments{QStringLiteral("--fail-on"), QStringLiteral("error,warning")};
    if (::geteuid() == 0)
        lintianArguments << QStringLiteral("--allow-root");
    const Finished lintian = run(QStringLiteral("lintian"), lintianArguments << deb);
    EXPECT_EQ(lintian.exitCode, 0) << lintian.out.toStdString() << lintian.err.toStdString();
}
