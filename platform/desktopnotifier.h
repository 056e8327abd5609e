#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// Tells the desktop of an event in a notification that also stays in the
// desktop's notification history. Where the desktop has no notification
// service, or it refuses, the fallback given with the notification runs
// instead: once, and never from inside notify().
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    enum class Urgency
    {
        Normal,
        // Asks the desktop to keep it on the screen until it is answered.
        Critical
    };
    using Fallback = std::function<void()>;
    // A button of the notification: the key actionInvoked() reports and
    // its label. The key "default" stands for a click on the notification.
    struct Action
    {
        QString key;
        QString label;
    };

    ~DesktopNotifier() override;

    // Returns a token for withdraw(). The actions are offered only where the
    // desktop shows them; elsewhere the notification comes without.
    int notify(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
               const QList<Action> &actions = {});
    // Takes a critical notification off the screen: what it told of was
    // answered. Other notifications stay in the history as sent.
    virtual void withdraw(int token) = 0;

    // The freedesktop notification service on the session bus; without a
    // session bus, a notifier that always falls back.
    static std::unique_ptr<DesktopNotifier> create();

signals:
    // The user chose an action of the notification with this token.
    void actionInvoked(int token, const QString &key);

protected:
    virtual int send(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
                     const QList<Action> &actions) = 0;
};

// No notification service at all: every notification falls back.
class NullDesktopNotifier final : public DesktopNotifier
{
    Q_OBJECT

public:
    void withdraw(int) override {}

protected:
    int send(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
             const QList<Action> &actions) override;
};
