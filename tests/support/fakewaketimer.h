#pragma once

#include "waketimer.h"

#include <QList>

// A wake timer that wakes nothing: it keeps every moment it was armed for,
// and counts its attempts and clearings, so a test sees what the program asked for.
class FakeWakeTimer final : public WakeTimer
{
public:
    explicit FakeWakeTimer(Availability availability = {true, {}, {}}) : m_availability(std::move(availability)) {}

    Availability availability() const override { return m_availability; }
    bool arm(const QDateTime &moment) override
    {
        ++attempts;
        if (!m_availability.permitted || refuse)
            return false;
        // The instant, as a real timer takes it: a later zone does not move it.
        armedFor << moment.toUTC();
        armed = true;
        return true;
    }
    void clear() override
    {
        ++clearings;
        armed = false;
    }

    bool refuse = false; // as a system that refuses the moment
    int attempts = 0;
    QList<QDateTime> armedFor;
    int clearings = 0;
    bool armed = false;

private:
    Availability m_availability;
};
