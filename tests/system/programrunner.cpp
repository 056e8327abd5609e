#include "programrunner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace SystemTest {

ProgramFolder::ProgramFolder()
{
    if (!m_dir.isValid())
        return;
    const QString source = QStringLiteral(CHRONELLE_BIN_DIR "/chronelle");
    const QString target = m_dir.filePath(QStringLiteral("chronelle"));
    if (QFile::copy(source, target))
        m_executable = target;
}

QProcessEnvironment ProgramFolder::environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString display = env.value(QStringLiteral("CHRONELLE_TEST_DISPLAY"));
    if (!display.isEmpty()) {
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString ProgramFolder::missingService()
{
    if (qEnvironmentVariableIsEmpty("CHRONELLE_TEST_DISPLAY"))
        return QStringLiteral(
            "no test X server (CHRONELLE_TEST_DISPLAY is not set; run the tests through scripts/test.sh)");
    if (commandOutput(QStringLiteral("xdotool"), {QStringLiteral("version")}).isEmpty())
        return QStringLiteral("xdotool is not installed");
    return {};
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

QString commandOutput(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(ProgramFolder::environment());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool waitUntil(const std::function<bool()> &predicate, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (predicate())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return predicate();
}

} // namespace SystemTest
