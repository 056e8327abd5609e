#include "freedesktopnotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QVariantMap>
#include <utility>

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
    // Watched before the first question, so a service that comes between
    // the two is asked all the same.
    auto *services = new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(services, &QDBusServiceWatcher::serviceOwnerChanged, this, &FreedesktopNotifier::serviceOwnerChanged);
    askCapabilities();
    // A notification the user dismissed, or that expired, needs no withdrawing.
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(forgetClosed(quint32, quint32)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this, SLOT(invoked(quint32, QString)));
}

void FreedesktopNotifier::askCapabilities()
{
    m_capabilities = Capabilities::Asking;
    const int question = ++m_lastQuestion;
    auto *watcher =
        new QDBusPendingCallWatcher(m_bus.asyncCall(call(QStringLiteral("GetCapabilities")), kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, question](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        // A service that took the name since was asked again; its answer counts.
        if (question != m_lastQuestion)
            return;
        const QDBusPendingReply<QStringList> reply = *finished;
        if (reply.isValid()) {
            // A service without body markup shows the text as it stands.
            m_bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
            m_actions = reply.value().contains(QStringLiteral("actions"));
            m_capabilities = Capabilities::Known;
        } else {
            // No service yet: the next notification asks again first.
            m_capabilities = Capabilities::Unknown;
        }
        // Those held for the answer go now; where no service answered, they
        // fail there and fall back.
        const QList<std::function<void()>> waiting = std::exchange(m_waiting, {});
        for (const std::function<void()> &deliver : waiting)
            deliver();
    });
}

void FreedesktopNotifier::serviceOwnerChanged(const QString & /*service*/, const QString & /*oldOwner*/,
                                              const QString &newOwner)
{
    if (!newOwner.isEmpty())
        askCapabilities();
    else if (m_capabilities == Capabilities::Known)
        m_capabilities = Capabilities::Unknown;
}

int FreedesktopNotifier::send(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
                              const QList<Action> &actions)
{
    const int token = ++m_lastToken;
    // Only a notification that waits for an answer is ever withdrawn; any
    // other stays in the history as sent, and remembering it would only grow.
    if (urgency == Urgency::Critical)
        m_sent.insert(token, {});
    if (m_capabilities == Capabilities::Known) {
        deliver(token, summary, body, urgency, std::move(fallback), actions);
        return token;
    }
    // Sent as soon as it is known whether the service shows buttons.
    m_waiting.append([this, token, summary, body, urgency, fallback = std::move(fallback), actions]() mutable {
        deliver(token, summary, body, urgency, std::move(fallback), actions);
    });
    if (m_capabilities == Capabilities::Unknown)
        askCapabilities();
    return token;
}

void FreedesktopNotifier::deliver(int token, const QString &summary, const QString &body, Urgency urgency,
                                  Fallback fallback, const QList<Action> &actions)
{
    const auto held = m_sent.find(token);
    if (held != m_sent.end() && held->withdrawn) {
        // Answered while it waited: the desktop need never show it.
        m_sent.erase(held);
        return;
    }
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
