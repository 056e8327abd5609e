#include "instanceguard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <unistd.h>

namespace {

// One line: "show", and the token after a space when there is one. A copy
// of an older version, which sends "show" alone, is understood as well.
const QByteArray kShowRequest = QByteArrayLiteral("show");
// A request is a short line; whatever sends more is not a copy of this program.
constexpr qsizetype kMaxRequest = 4096;
// How long a later copy tries to reach the first one (or to find the lock
// free again): 25 times, 200 ms apart.
constexpr int kAttempts = 25;
constexpr int kAttemptPauseMs = 200;

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// The folder with every symbolic link on its way resolved; the part of it
// that does not exist yet is taken as written.
QString resolvedFolder(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    QString existing = absolute;
    QStringList missing;
    for (;;) {
        const QString canonical = QFileInfo(existing).canonicalFilePath();
        if (!canonical.isEmpty())
            return QDir::cleanPath(missing.isEmpty() ? canonical : canonical + u'/' + missing.join(u'/'));
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return absolute;
        missing.prepend(QFileInfo(existing).fileName());
        existing = parent;
    }
}

// A lock that is never given up by its age: a copy can run for months. One
// whose process is gone is still recognised as stale.
std::unique_ptr<QLockFile> lockAt(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

const QString InstanceGuard::kFolderLockName = QStringLiteral(".chronelle.lock");

InstanceGuard::InstanceGuard(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_key(keyFor(dataFolder)), m_dataFolder(QDir::cleanPath(dataFolder))
{
    const QString folder = runtimeFolder();
    m_lockPath = folder + u'/' + m_key + QStringLiteral(".lock");
    m_socketPath = folder + u'/' + m_key + QStringLiteral(".socket");
    m_lock = lockAt(m_lockPath);
}

InstanceGuard::~InstanceGuard()
{
    m_server.close();
}

QString InstanceGuard::keyFor(const QString &dataFolder)
{
    const QByteArray folder = resolvedFolder(dataFolder).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("chronelle-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

QString InstanceGuard::startupActivationToken()
{
    const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : wayland;
}

InstanceGuard::Outcome InstanceGuard::claim(const QString &activationToken)
{
    // The lock may be held for a moment by a command-line verb, which serves
    // no socket: it is tried again between the attempts to reach a copy.
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (m_lock->tryLock(0)) {
            if (!lockFolder()) {
                m_lock->unlock();
                return Outcome::OtherSilent;
            }
            listen();
            return Outcome::FirstCopy;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_warning = QStringLiteral("Could not create the lock file %1; a second copy of the program could start.")
                            .arg(QDir::toNativeSeparators(m_lockPath));
            if (!lockFolder())
                return Outcome::OtherSilent;
            listen();
            return Outcome::FirstCopy;
        }
        if (notifyRunningCopy(activationToken))
            return Outcome::OtherNotified;
        QThread::msleep(kAttemptPauseMs);
    }
    m_warning = QStringLiteral("another copy is running but did not answer");
    return Outcome::OtherSilent;
}

bool InstanceGuard::holdWithoutServing()
{
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError)
        return false;
    // A lock file that can't be made is no copy's: the folder lock decides.
    if (!lockFolder()) {
        m_lock->unlock();
        return false;
    }
    return true;
}

bool InstanceGuard::lockFolder()
{
    const QString path = m_dataFolder + u'/' + kFolderLockName;
    m_folderLock = lockAt(path);
    if (m_folderLock->tryLock(0) || m_folderLock->error() != QLockFile::LockFailedError) {
        // A folder that can't hold a lock (read-only, or not made yet) is said
        // where it matters, when something is to be saved there.
        return true;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    m_folderLock->getLockInfo(&pid, &host, &application);
    m_warning = QStringLiteral("another copy (process %1) uses the data folder %2 under another name; this one ends")
                    .arg(QString::number(pid), QDir::toNativeSeparators(m_dataFolder));
    m_folderLock.reset();
    return false;
}

void InstanceGuard::listen()
{
    // We hold the lock, so a socket file still there belongs to a dead copy.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server.listen(m_socketPath)) {
        m_warning = QStringLiteral("Could not listen on %1: %2").arg(m_socketPath, m_server.errorString());
        return;
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this]() {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // The line may come in pieces: it is read once it is whole.
            connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
                if (!socket->canReadLine() && socket->bytesAvailable() < kMaxRequest)
                    return;
                const QByteArray line = socket->readLine(kMaxRequest).trimmed();
                socket->disconnectFromServer();
                if (line == kShowRequest || line.startsWith(QByteArray(kShowRequest + ' ')))
                    emit activationRequested(QString::fromUtf8(line.mid(kShowRequest.size()).trimmed()));
            });
        }
    });
}

bool InstanceGuard::notifyRunningCopy(const QString &activationToken)
{
    // A token is printable ASCII; anything else would not be one the desktop made.
    QByteArray request = kShowRequest;
    const QByteArray token = activationToken.toUtf8();
    if (!token.isEmpty() && std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < 0x7F; }))
        request += ' ' + token;
    request += '\n';
    // The running copy may be still starting up and not yet listening: the
    // caller tries again.
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(200))
        return false;
    socket.write(request);
    const bool sent = socket.waitForBytesWritten(1000);
    socket.waitForDisconnected(1000);
    return sent;
}
