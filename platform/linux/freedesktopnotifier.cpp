#include "freedesktopnotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The service answers at once; one that doesn't is as good as none.
constexpr int kTimeoutMs = 5000;

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}
} // namespace

FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection &bus, QObject *parent) : m_bus(bus)
{
    setParent(parent);
    // A service without body markup shows the text as it stands.
    auto *watcher =
        new QDBusPendingCallWatcher(m_bus.asyncCall(call(QStringLiteral("GetCapabilities")), kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        const QDBusPendingReply<QStringList> reply = *finished;
        if (reply.isValid()) {
            m_bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
            m_actions = reply.value().contains(QStringLiteral("actions"));
        }
        finished->deleteLater();
    });
    // A notification the user dismissed, or that expired, needs no withdrawing.
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(forgetClosed(quint32, quint32)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this, SLOT(invoked(quint32, QString)));
}

int FreedesktopNotifier::send(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
                              const QList<Action> &actions)
{
    // Key and label, one after the other, as the service takes them.
    QStringList actionList;
    if (m_actions) {
        for (const Action &action : actions)
            actionList << action.key << action.label;
    }
    const QString desktopEntry = QGuiApplication::desktopFileName();
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency == Urgency::Critical ? 2 : 1)));
    if (!desktopEntry.isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), desktopEntry);
    QDBusMessage message = call(QStringLiteral("Notify"));
    message << QCoreApplication::applicationName() << quint32(0) << desktopEntry << summary
            << (m_bodyMarkup ? body.toHtmlEscaped() : body) << actionList << hints << qint32(-1);

    const int token = ++m_lastToken;
    // Only a notification that waits for an answer is ever withdrawn; any
    // other stays in the history as sent, and remembering it would only grow.
    const bool withdrawable = urgency == Urgency::Critical;
    if (withdrawable)
        m_sent.insert(token, {});
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, token, fallback = std::move(fallback)](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<quint32> reply = *finished;
                if (!reply.isValid()) {
                    m_sent.remove(token);
                    if (fallback)
                        fallback();
                    return;
                }
                const auto sent = m_sent.find(token);
                if (sent == m_sent.end())
                    return;
                if (sent->withdrawn) {
                    close(reply.value());
                    m_sent.erase(sent);
                } else {
                    sent->id = reply.value();
                }
            });
    return token;
}

void FreedesktopNotifier::withdraw(int token)
{
    const auto sent = m_sent.find(token);
    if (sent == m_sent.end())
        return;
    if (sent->id == 0) {
        // Closed as soon as the service says which one it is.
        sent->withdrawn = true;
        return;
    }
    close(sent->id);
    m_sent.erase(sent);
}

void FreedesktopNotifier::forgetClosed(quint32 id, quint32 /*reason*/)
{
    for (auto sent = m_sent.begin(); sent != m_sent.end(); ++sent) {
        if (sent->id == id) {
            m_sent.erase(sent);
            return;
        }
    }
}

void FreedesktopNotifier::invoked(quint32 id, const QString &key)
{
    // Only the notifications still waiting for an answer can be answered.
    for (auto sent = m_sent.begin(); sent != m_sent.end(); ++sent) {
        if (sent->id == id && !sent->withdrawn) {
            emit actionInvoked(sent.key(), key);
            return;
        }
    }
}

void FreedesktopNotifier::close(quint32 id)
{
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << id;
    m_bus.asyncCall(message, kTimeoutMs);
}
