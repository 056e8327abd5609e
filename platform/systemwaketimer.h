#pragma once

#include "waketimer.h"

#include <memory>

// The wake timer of this system; one whose availability says why not where
// the system can't wake the computer for this program.
std::unique_ptr<WakeTimer> createSystemWakeTimer();
