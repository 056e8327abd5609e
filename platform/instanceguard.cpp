#include "instanceguard.h"

#include <QCryptographicHash>
#include <QDir>
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

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

InstanceGuard::InstanceGuard(const QString &dataFolder, QObject *parent) : QObject(parent), m_key(keyFor(dataFolder))
{
    const QString folder = runtimeFolder();
    m_lockPath = folder + u'/' + m_key + QStringLiteral(".lock");
    m_socketPath = folder + u'/' + m_key + QStringLiteral(".socket");
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Never give up on a lock by its age: a copy can run for months. A lock
    // whose process is gone is still recognised as stale.
    m_lock->setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard()
{
    m_server.close();
}

QString InstanceGuard::keyFor(const QString &dataFolder)
{
    const QByteArray folder = QDir::cleanPath(QDir(dataFolder).absolutePath()).toUtf8();
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
    if (m_lock->tryLock(0)) {
        listen();
        return Outcome::FirstCopy;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_warning = QStringLiteral("Could not create the lock file %1; a second copy of the program could start.")
                        .arg(QDir::toNativeSeparators(m_lockPath));
        listen();
        return Outcome::FirstCopy;
    }
    return notifyRunningCopy(activationToken) ? Outcome::OtherNotified : Outcome::OtherSilent;
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
    // The running copy may be still starting up and not yet listening.
    for (int attempt = 0; attempt < 25; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(200)) {
            socket.write(request);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.waitForDisconnected(1000);
            return sent;
        }
        QThread::msleep(200);
    }
    return false;
}
