#pragma once

#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QHash>
#include <functional>

// Notifications through the freedesktop service org.freedesktop.Notifications
// on a D-Bus connection. Every call is asynchronous, so a slow or missing
// service never holds up the alarms; a call that fails falls back. What the
// service can show (buttons, markup) is asked again whenever a service takes
// the name, and before a notification while no service has answered yet: at
// login the program and the desktop's service start in either order.
class FreedesktopNotifier final : public DesktopNotifier
{
    Q_OBJECT

public:
    explicit FreedesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void withdraw(int token) override;

    // How many notifications it keeps track of to withdraw them later.
    qsizetype tracked() const { return m_sent.size(); }

protected:
    int send(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
             const QList<Action> &actions) override;

private slots:
    void forgetClosed(quint32 id, quint32 reason);
    void invoked(quint32 id, const QString &key);
    void serviceOwnerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);

private:
    struct Sent
    {
        quint32 id = 0; // the service's, once it has answered
        bool withdrawn = false;
    };
    // Whether the current service's capabilities are known.
    enum class Capabilities
    {
        Unknown, // no service has answered (yet), or it went away
        Asking,
        Known
    };
    void askCapabilities();
    void deliver(int token, const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
                 const QList<Action> &actions);
    void close(quint32 id);

    QDBusConnection m_bus;
    Capabilities m_capabilities = Capabilities::Unknown;
    int m_lastQuestion = 0;                 // only the latest answer counts
    QList<std::function<void()>> m_waiting; // notifications held until the answer
    bool m_bodyMarkup = true;               // until the service says otherwise
    bool m_actions = false;                 // until the service says it shows them
    int m_lastToken = 0;
    QHash<int, Sent> m_sent;
};
