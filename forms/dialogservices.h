#pragma once

#include "ringingservices.h"

class Clock;
class DateTimeFormatter;
class FileLocations;
class OutputLevel;
class PowerActions;

// What the editor and the ringing window need of the program: where its
// files are, the clock and the user's formats, how to make a player and
// what keeps a ringing alarm audible, the power actions and the output
// level. Made once at start; tests put fakes in.
struct DialogServices
{
    using PlayerFactory = RingingServices::PlayerFactory;
    using AudibleGuardFactory = RingingServices::AudibleGuardFactory;

    const FileLocations &locations;
    const Clock &clock;
    const DateTimeFormatter &formatter;
    OutputLevel &outputLevel;
    PlayerFactory makePlayer;
    AudibleGuardFactory makeAudibleGuard;
    // None means "not supported".
    PowerActions *powerActions = nullptr;

    // What of these a ringing session needs.
    RingingServices ringing() const
    {
        return {locations, clock, outputLevel, makePlayer, makeAudibleGuard, powerActions};
    }
};
