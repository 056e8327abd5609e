#pragma once

#include <QString>

// Where the scheduler writes what the clock shows: entry 1 of the display
// lines holds the date and time, entry 2 the "Next Alarm:" window.
class ClockFace
{
public:
    virtual ~ClockFace() = default;
    virtual void setDisplayLine(int index, const QString &text) = 0;
};
