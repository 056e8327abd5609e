#pragma once

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

    ~DesktopNotifier() override;

    // Returns a token for withdraw().
    virtual int notify(const QString &summary, const QString &body, Urgency urgency, Fallback fallback) = 0;
    // Takes a critical notification off the screen: what it told of was
    // answered. Other notifications stay in the history as sent.
    virtual void withdraw(int token) = 0;

    // The freedesktop notification service on the session bus; without a
    // session bus, a notifier that always falls back.
    static std::unique_ptr<DesktopNotifier> create();
};

// No notification service at all: every notification falls back.
class NullDesktopNotifier final : public DesktopNotifier
{
    Q_OBJECT

public:
    int notify(const QString &summary, const QString &body, Urgency urgency, Fallback fallback) override;
    void withdraw(int) override {}
};
