#pragma once

#include "clockjumps.h"

// A clock-jump source the test fires by hand.
class FakeClockJumps final : public ClockJumpSource
{
public:
    void jump() { emit clockMayHaveJumped(); }
};
