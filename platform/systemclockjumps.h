#pragma once

#include "clockjumps.h"

#include <memory>

// Everything on this system that can tell of a wall-clock jump (the clock
// set, the time zone replaced, a wake from suspend), as one source: it says
// clockMayHaveJumped whenever any of them does. A watch the system can't
// offer says so once on the standard error; the others still watch.
std::unique_ptr<ClockJumpSource> createSystemClockJumpSource();
