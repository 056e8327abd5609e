#include "programrunner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

namespace SystemTest {

ProgramFolder::ProgramFolder(const QString &parent)
    : m_dir(parent.isEmpty() ? QTemporaryDir() : QTemporaryDir(parent + QStringLiteral("/chronelle-XXXXXX")))
{
    const QString target = m_dir.filePath(QStringLiteral("chronelle"));
    if (m_dir.isValid() && QFile::copy(QStringLiteral(CHRONELLE_BIN_DIR "/chronelle"), target))
        m_executable = target;
    // The program plays through its sound process when it finds it beside itself.
    QFile::copy(QStringLiteral(CHRONELLE_BIN_DIR "/chronelle-sound"),
                m_dir.filePath(QStringLiteral("chronelle-sound")));
}

ProgramFolder::~ProgramFolder()
{
    for (const std::unique_ptr<QProcess> &program : m_programs) {
        if (program->state() != QProcess::NotRunning) {
            program->kill();
            program->waitForFinished();
        }
    }
}

void ProgramFolder::writeFile(const QString &name, const QByteArray &data) const
{
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
}

QByteArray ProgramFolder::readFile(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {
QString &displayVariable()
{
    static QString name = QStringLiteral("CHRONELLE_TEST_DISPLAY");
    return name;
}
} // namespace

void useWindowManagerDisplay()
{
    displayVariable() = QStringLiteral("CHRONELLE_TEST_WM_DISPLAY");
}

QProcessEnvironment ProgramFolder::environment(const QString &fakeTime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), env.value(displayVariable()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!fakeTime.isEmpty()) {
        // Preloaded directly, so that the process is the program itself.
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(CHRONELLE_FAKETIME_LIBRARY));
        env.insert(QStringLiteral("FAKETIME"), fakeTime);
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    }
    return env;
}

QProcess *ProgramFolder::start(const QProcessEnvironment &environment, const QString &errorFile)
{
    auto &program = m_programs.emplace_back(std::make_unique<QProcess>());
    program->setProcessEnvironment(environment);
    program->setProcessChannelMode(QProcess::ForwardedChannels);
    if (!errorFile.isEmpty()) {
        program->setProcessChannelMode(QProcess::ForwardedOutputChannel);
        program->setStandardErrorFile(errorFile);
    }
    program->start(m_executable, {});
    return program->waitForStarted() ? program.get() : nullptr;
}

QString missingService()
{
    if (qEnvironmentVariableIsEmpty(qPrintable(displayVariable())))
        return QStringLiteral("no test X server (%1 is not set; run the tests through scripts/test.sh)")
            .arg(displayVariable());
    if (commandOutput(QStringLiteral("xdotool version")).isEmpty())
        return QStringLiteral("xdotool is not installed");
    // A window manager announces itself on the root window; give it a moment to start.
    if (displayVariable() != QStringLiteral("CHRONELLE_TEST_DISPLAY") &&
        !waitUntil(
            [] { return commandOutput(QStringLiteral("xprop -root _NET_SUPPORTING_WM_CHECK")).contains("window id"); },
            5000))
        return QStringLiteral("no window manager runs on the test display %1 (package openbox)")
            .arg(qEnvironmentVariable(qPrintable(displayVariable())));
    if (!QFile::exists(QStringLiteral(CHRONELLE_FAKETIME_LIBRARY)))
        return QStringLiteral("libfaketime is not installed (package faketime)");
    return {};
}

QByteArray commandOutput(const QString &commandLine)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    QProcess process;
    process.setProcessEnvironment(ProgramFolder::environment());
    process.start(arguments.takeFirst(), arguments);
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return process.readAllStandardOutput();
}

std::vector<Window> windowsOf(const QProcess &program, const QString &titlePattern)
{
    static const QRegularExpression childOfRoot(QStringLiteral(R"(Parent window id: \S+ \(the root window\))"));
    const QString ids = QString::fromLocal8Bit(commandOutput(
        QStringLiteral("xdotool search --all --pid %1 --name \"%2\"").arg(program.processId()).arg(titlePattern)));
    std::vector<Window> found;
    for (const QString &id : ids.split(u'\n', Qt::SkipEmptyParts)) {
        const QString info =
            QString::fromLocal8Bit(commandOutput(QStringLiteral("xwininfo -id %1 -children -stats").arg(id)));
        const auto number = [&info](const char *label) {
            return QRegularExpression(QString::fromLatin1(label) + QStringLiteral(R"(:\s+(-?\d+))"))
                .match(info)
                .captured(1)
                .toInt();
        };
        found.push_back(
            {id,
             QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height")),
             info.contains(u"Map State: IsViewable"), childOfRoot.match(info).hasMatch(),
             info.contains(u"Override Redirect State: yes")});
    }
    return found;
}

std::optional<Window> viewableWindow(const QProcess &program, const QString &titlePattern)
{
    for (const Window &window : windowsOf(program, titlePattern)) {
        if (window.viewable)
            return window;
    }
    return std::nullopt;
}

bool waitUntil(const std::function<bool()> &predicate, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (predicate())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return predicate();
}

} // namespace SystemTest
