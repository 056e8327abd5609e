#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace SystemTest {

// Runs the real chronelle executable from a private program folder of its
// own (a copy of the executable in a temporary folder), on the test display.
class ProgramFolder final
{
public:
    ProgramFolder();

    bool isValid() const { return m_dir.isValid() && !m_executable.isEmpty(); }
    QString path() const { return m_dir.path() + u'/'; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString executable() const { return m_executable; }

    // The environment the program runs in: the test display, the test sound
    // server, private buses.
    static QProcessEnvironment environment();
    // Empty when the services of the test command are there; otherwise why not.
    static QString missingService();

    void writeFile(const QString &name, const QByteArray &data) const;
    QByteArray readFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_executable;
};

// Runs a shell command line and returns its standard output (trimmed).
QString commandOutput(const QString &program, const QStringList &arguments, int timeoutMs = 10000);

// Waits, handling events, until the predicate holds or the time is up.
bool waitUntil(const std::function<bool()> &predicate, int timeoutMs);

} // namespace SystemTest
