#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

// Keeps one copy of the program per user and data folder, whatever path leads
// to the folder (a symbolic link to it, or to a folder above it). The first
// copy holds a lock file and listens on a local socket, both named after the
// folder as the file system resolves it; a later copy finds the lock taken,
// asks the first one over the socket to show itself, and ends. A second lock
// inside the data folder itself meets copies that reach one folder under two
// names no link explains (a bind mount, another runtime folder): the later
// one ends, saying which copy holds the folder. A lock or socket left behind
// by a killed copy doesn't stop the next start.
// The request carries the later copy's activation token (the desktop's leave
// to take the focus, given to the program it started), so that the first
// copy can use it: on Wayland a window may come to the front only with one.
class InstanceGuard final : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        FirstCopy,     // this copy runs; activationRequested() tells of later starts
        OtherNotified, // another copy runs and has been asked to show itself
        OtherSilent,   // another copy holds the folder but could not be reached; warning() says which
    };

    explicit InstanceGuard(const QString &dataFolder, QObject *parent = nullptr);
    ~InstanceGuard() override;

    // activationToken: what the desktop started this copy with (see
    // startupActivationToken()); handed over when another copy runs.
    Outcome claim(const QString &activationToken = {});
    // Takes the data folder for a short piece of work without the windows (a
    // command-line verb) and serves no socket: true when this process holds
    // both locks now, false when a copy (or another verb) holds them. A start
    // meanwhile waits for them (see claim()).
    bool holdWithoutServing();
    // The token in this process's environment: XDG_ACTIVATION_TOKEN on
    // Wayland, DESKTOP_STARTUP_ID on X11; empty when there is none.
    static QString startupActivationToken();
    // Set when claim() ran as the first copy but could not provide everything
    // (no lock or no socket); the program runs all the same. After
    // OtherSilent, what stopped this copy.
    QString warning() const { return m_warning; }

    // The key that names the lock and the socket of a data folder: the same
    // for every path to one folder, also one that does not exist yet.
    static QString keyFor(const QString &dataFolder);
    // The name of the lock inside the data folder.
    static const QString kFolderLockName;

signals:
    // A later copy asked this one to show itself; the token may be empty.
    void activationRequested(const QString &activationToken);

private:
    void listen();
    bool notifyRunningCopy(const QString &activationToken);
    // Takes the lock inside the data folder; false when another copy holds it.
    bool lockFolder();

    QString m_key;
    QString m_dataFolder;
    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_folderLock;
    QLocalServer m_server;
    QString m_warning;
};
