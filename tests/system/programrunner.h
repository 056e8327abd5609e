#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

namespace SystemTest {

// A private program folder: a copy of the real chronelle executable in a
// temporary folder, and the copies of the program started from it. Every copy
// still running when the folder goes is killed, by its own process.
class ProgramFolder final
{
public:
    // In a temporary folder under `parent` (by default the system's).
    explicit ProgramFolder(const QString &parent = {});
    ~ProgramFolder();

    bool isValid() const { return m_dir.isValid() && !m_executable.isEmpty(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    void writeFile(const QString &name, const QByteArray &data) const;
    QByteArray readFile(const QString &name) const;

    // The test display, and with a moment ("2026-12-07 07:29:55", or with a
    // leading "@" to let it run on) a wall clock that starts there, while the
    // monotonic clock that timers and the sound server need stays real.
    static QProcessEnvironment environment(const QString &fakeTime = {});
    // A started copy of the program, or nullptr when it would not start.
    // Its error output goes to errorFile when one is given.
    QProcess *start(const QProcessEnvironment &environment = ProgramFolder::environment(),
                    const QString &errorFile = {});

private:
    QTemporaryDir m_dir;
    QString m_executable;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

// Empty when the test display, xdotool and libfaketime are there; otherwise what is missing.
QString missingService();

// From now on the programs and commands of this test run on the test display
// that has a window manager (openbox), and missingService() asks for it.
void useWindowManagerDisplay();

// Runs a command line (split as QProcess::splitCommand does) on the test
// display and returns its standard output.
QByteArray commandOutput(const QString &commandLine);

// A window of a program as the X server sees it.
struct Window
{
    QString id;
    QRect geometry; // on the screen
    bool viewable = false;
    bool topLevel = false; // a child of the root window, not embedded in another program's window
    bool overrideRedirect = false;
};
// The windows of the program whose title matches the pattern.
std::vector<Window> windowsOf(const QProcess &program, const QString &titlePattern = QStringLiteral(".*"));
// The first viewable one, if any.
std::optional<Window> viewableWindow(const QProcess &program, const QString &titlePattern);

// Waits, handling events, until the predicate holds or the time is up.
bool waitUntil(const std::function<bool()> &predicate, int timeoutMs);

} // namespace SystemTest
