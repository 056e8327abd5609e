#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// Wakes a suspended computer at a chosen moment, where the system lets this
// program do so. One moment at a time: arming again replaces it, clear()
// drops it. fired() says that the moment has come, whether the computer
// slept or not, so that whoever waits for it looks at the clock at once.
class WakeTimer : public QObject
{
    Q_OBJECT

public:
    struct Availability
    {
        bool permitted = false;
        QString reason; // why not, as the system put it
        QString remedy; // how the user can allow it; empty when they can't
    };

    using QObject::QObject;

    virtual Availability availability() const = 0;
    // False when waking is not permitted or the system refused the moment.
    virtual bool arm(const QDateTime &moment) = 0;
    virtual void clear() = 0;

signals:
    void fired();
};
