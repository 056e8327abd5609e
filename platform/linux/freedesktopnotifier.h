#pragma once

#include "desktopnotifier.h"

#include <QDBusConnection>
#include <QHash>

// Notifications through the freedesktop service org.freedesktop.Notifications
// on a D-Bus connection. Every call is asynchronous, so a slow or missing
// service never holds up the alarms; a call that fails falls back.
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

private:
    struct Sent
    {
        quint32 id = 0; // the service's, once it has answered
        bool withdrawn = false;
    };
    void close(quint32 id);

    QDBusConnection m_bus;
    bool m_bodyMarkup = true; // until the service says otherwise
    bool m_actions = false;   // until the service says it shows them
    int m_lastToken = 0;
    QHash<int, Sent> m_sent;
};
