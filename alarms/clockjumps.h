#pragma once

#include <QObject>

// Something that knows when the wall clock may have jumped: it was set, the
// time zone changed, the machine woke from a suspend. Whoever sleeps until a
// wall-clock moment listens to these, because a sleep measured on the
// monotonic clock knows nothing of such jumps.
class ClockJumpSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void clockMayHaveJumped();
};
