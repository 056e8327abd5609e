// Start-up and shutdown of Chronelle: one copy per user and data folder,
// the three long-lived windows in their fixed order, and an orderly end on
// "Exit", on a termination signal and at the end of the desktop session.

#include "alarmbusservice.h"
#include "alarmengine.h"
#include "audibleguard.h"
#include "childmediaplayer.h"
#include "clock.h"
#include "comboboxaccessible.h"
#include "commandverbs.h"
#include "datetimeformatter.h"
#include "desktopannouncer.h"
#include "desktopnotifier.h"
#include "errorbox.h"
#include "exitsequence.h"
#include "filelocations.h"
#include "formabout.h"
#include "formalarmlist.h"
#include "formmain.h"
#include "instanceguard.h"
#include "localeformats.h"
#include "memorytrim.h"
#include "outputlevel.h"
#include "pagecontrolaccessible.h"
#include "poweractions.h"
#include "programplayer.h"
#include "ringingpreparer.h"
#include "skin.h"
#include "soundprocesslauncher.h"
#include "systemclockjumps.h"
#include "systemwaketimer.h"
#include "terminationsignals.h"
#include "uilanguage.h"
#include "verbsession.h"
#include "windowactivation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

// Reads the command line before anything else, so that --help, --version and
// a mistake are answered without a display and without a word to a running
// copy. Returns the exit code when the program should end here.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    // The options' texts are fixed when they are added, so the parser that
    // prints them is built again once the translations are loaded.
    const auto configured = [](QCommandLineParser &parser) {
        // "-platform", "-session" and the like are Qt's, as the session manager
        // uses them to start the program again; they are passed on untouched.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addHelpOption();
        parser.addVersionOption();
        const auto addQtOption = [&parser](const char *name, const QString &valueName) {
            QCommandLineOption qtOption(QString::fromLatin1(name), QString(), valueName);
            qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(qtOption);
        };
        for (const char *name :
             {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry", "qwindowgeometry",
              "qwindowicon", "qwindowtitle", "title", "name", "style", "stylesheet", "session"})
            addQtOption(name, QStringLiteral("value"));
        for (const char *name : {"widgetcount", "reverse", "nograb", "dograb", "sync"})
            addQtOption(name, QString());
    };
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    {
        QCommandLineParser parser;
        configured(parser);
        const bool understood = parser.parse(arguments) && parser.positionalArguments().isEmpty();
        if (understood && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all")) &&
            !parser.isSet(QStringLiteral("version")))
            return std::nullopt;
    }

    // Only now an application object, for the texts: one that needs no display.
    QCoreApplication textOnly(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Chronelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CHRONELLE_VERSION));
    UiLanguage::install(QLocale::system().uiLanguages());
    QCommandLineParser parser;
    configured(parser);
    parser.setApplicationDescription(QCoreApplication::translate("Chronelle",
                                                                 "A desktop alarm clock with a dot-matrix "
                                                                 "clock face that lives in the notification "
                                                                 "area."));
    parser.addPositionalArgument(QStringLiteral("verb"),
                                 QCoreApplication::translate("Chronelle", "A verb below, with its arguments."),
                                 QCoreApplication::translate("Chronelle", "[verb [arguments]]"));
    const bool understood = parser.parse(arguments) && parser.positionalArguments().isEmpty();
    if (!understood) {
        const QString error = parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("Chronelle", "Unexpected argument '%1'.")
                                        .arg(parser.positionalArguments().first())
                                  : parser.errorText();
        std::fprintf(stderr, "chronelle: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        std::fputs(qPrintable(parser.helpText() + u'\n' + CommandVerbs::helpText()), stdout);
    else
        std::printf("Chronelle %s\n", CHRONELLE_VERSION);
    return 0;
}

// Runs a command-line verb without a display: on the running program over
// the session bus, or on the data folder when none runs.
int runVerb(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Chronelle"));
    UiLanguage::install(QLocale::system().uiLanguages());
    const FileLocations locations = FileLocations::forProgram(QCoreApplication::applicationDirPath(),
                                                              QStringLiteral(CHRONELLE_INSTALLED_RESOURCES));
    // A problem with the folder is said by the verb that needs to write there.
    locations.prepareDataFolder();
    SystemClock clock;
    const DateTimeFormatter formatter(LocaleFormats::fromLocale(QLocale::system()));
    // A connection of the verb's own, settled and closed before the process
    // ends: a reply still on its way (QtDBus asks the bus for some on its
    // own) would otherwise arrive while the process tears its types down,
    // and be reported on standard error beside the verb's one line.
    const QString connectionName = QStringLiteral("chronelle-verb");
    int code = CommandVerbs::Failed;
    {
        VerbSession session(locations, QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName),
                            QStringLiteral(CHRONELLE_APP_ID), clock, formatter);
        QTextStream out(stdout);
        QTextStream err(stderr);
        CommandVerbs::Output output{out, err};
        code = CommandVerbs::run(
            QCoreApplication::arguments().mid(1), [&session]() -> AlarmControl & { return session.control(); }, output);
    }
    if (QDBusConnection bus(connectionName); bus.isConnected()) {
        // The bus answers in order: once this is answered, nothing else is on its way.
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("/org/freedesktop/DBus"),
                                                QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
        QCoreApplication::processEvents();
    }
    QDBusConnection::disconnectFromBus(connectionName);
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && CommandVerbs::find(QString::fromLocal8Bit(argv[1])))
        return runVerb(argc, argv);
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    // Sound goes through GStreamer unless the user chose another backend.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    // The clock's face is small and changes five times a second: sent through
    // shared memory, each frame costs a completion event from the X server,
    // two more wakeups, for no gain at this size.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronelle"));
    // No display name: Qt would append it to every window's caption.
    QApplication::setApplicationVersion(QStringLiteral(CHRONELLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CHRONELLE_APP_ID));
    QApplication::setWindowIcon(Skin::applicationIcon());
    UiLanguage::install(QLocale::system().uiLanguages());
    // The clock lives on with every window hidden; only "Exit" ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Drop-down lists are read by their labels, not by the entry they show;
    // a page control is one named group, not a second focused object.
    ComboBoxAccessible::install();
    PageControlAccessible::install();

    const FileLocations locations =
        FileLocations::forProgram(QApplication::applicationDirPath(), QStringLiteral(CHRONELLE_INSTALLED_RESOURCES));

    // Made first, so that the lock inside it can be taken; a copy that then
    // ends has only made what the first one would have made.
    const QString dataProblem = locations.prepareDataFolder();

    InstanceGuard guard(locations.dataFolder());
    switch (guard.claim(InstanceGuard::startupActivationToken())) {
    case InstanceGuard::Outcome::FirstCopy:
        break;
    case InstanceGuard::Outcome::OtherNotified:
        return 0;
    case InstanceGuard::Outcome::OtherSilent:
        std::fprintf(stderr, "chronelle: %s\n", qPrintable(guard.warning()));
        return 0;
    }
    if (!guard.warning().isEmpty())
        std::fprintf(stderr, "chronelle: %s\n", qPrintable(guard.warning()));

    // Caught from here on. The one way out is there before the windows: a
    // request that comes while they are being made ends any box that waits
    // for an answer, and is carried out as soon as they are there.
    TerminationSignals signals_;
    ExitSequence exitSequence;
    QObject::connect(&signals_, &TerminationSignals::terminationRequested, &exitSequence, &ExitSequence::terminate);

    SystemClock clock;
    const DateTimeFormatter formatter(LocaleFormats::fromLocale(QLocale::system()));

    // The engine and the windows keep plain pointers to these: made before
    // them, they go after them.
    const std::unique_ptr<PowerActions> powerActions = PowerActions::create();
    const std::unique_ptr<WakeTimer> wakeTimer = createSystemWakeTimer();
    OutputLevel outputLevel;
    SoundProcessLauncher soundProcesses(SoundProcessLauncher::find(QCoreApplication::applicationDirPath()));
    const DialogServices services{locations,
                                  clock,
                                  formatter,
                                  outputLevel,
                                  [&outputLevel, &soundProcesses](QObject *parent) {
                                      return makeProgramPlayer(outputLevel, soundProcesses, parent);
                                  },
                                  &AudibleGuard::create,
                                  powerActions.get()};
    AlarmEngine engine(locations, clock, formatter);
    TFormMain formMain(locations);
    // Connected before the manager starts the engine, so the first lines reach the clock.
    QObject::connect(&engine, &AlarmEngine::displayChanged, &formMain, &TFormMain::showAlarmLines);
    TFormAlarmList formAlarmList(engine, services);
    const RingingPreparer ringingPreparer(engine, soundProcesses);
    engine.setWakeTimer(wakeTimer.get());
    TFormAbout formAbout;
    formMain.setEngine(&engine);
    formMain.setCompanions(&formAlarmList, &formAbout);
    // While no window shows, the scheduler sleeps until the next due second;
    // these wake it when the wall clock may have jumped meanwhile.
    const std::unique_ptr<ClockJumpSource> clockJumps = createSystemClockJumpSource();
    formAlarmList.sleepWhileHidden({clockJumps.get()});

    // A second start shows the manager, at the front where the desktop lets it.
    QObject::connect(&guard, &InstanceGuard::activationRequested, &formAlarmList,
                     [&formAlarmList](const QString &activationToken) {
                         WindowActivation::bringToFront(&formAlarmList, activationToken);
                     });
    // Made after the windows, so it goes before them, with any answer still due.
    DesktopAnnouncer announcer(engine, *formMain.sysTray(), &formMain, DesktopNotifier::create());
    QObject::connect(&announcer, &DesktopAnnouncer::ringingWindowWanted, &formAlarmList,
                     &TFormAlarmList::raiseRingingWindow);
    // The verbs of the command line and other programs reach the alarms on
    // the session bus. A copy of another data folder may own the name
    // already; this one then runs without it, and its verbs say so.
    AlarmBusService busService(engine);
    busService.publish(QDBusConnection::sessionBus(), QStringLiteral(CHRONELLE_APP_ID));

    exitSequence.attach(engine, formMain, formAlarmList);
    // The session manager asks for this before it ends the session, but also
    // for a save that goes no further, or a log-out that is then cancelled:
    // save everything and never object, but go on ringing. The session's
    // real end follows as its own request to quit or a termination signal.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &exitSequence,
                     [&exitSequence](QSessionManager &) { exitSequence.saveUnattended(); });
    if (exitSequence.ending())
        return 0;
    formMain.show();
    // What the start needed and a waiting clock does not goes back to the
    // system once the clock has hidden itself, and so does what a ringing
    // needed once its window has gone.
    constexpr int settleMs = 2000;
    QTimer::singleShot(settleMs, &MemoryTrim::giveBack);
    QObject::connect(&engine, &AlarmEngine::alarmRingingEnded, &app,
                     []() { QTimer::singleShot(settleMs, &MemoryTrim::giveBack); });
    // Told once, in a box that holds nothing up: the clock and the alarms
    // already read go on without the folder.
    if (!dataProblem.isEmpty())
        ErrorBox::notify(nullptr, dataProblem + QCoreApplication::translate(
                                                    "Chronelle", "\n\nThe alarms read at start ring as usual, but "
                                                                 "nothing changed from now on can be saved."));
    return QApplication::exec();
}
