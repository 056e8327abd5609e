#pragma once

#include <functional>

class AudibleGuard;
class Clock;
class FileLocations;
class MediaPlayer;
class OutputLevel;
class PowerActions;
class QObject;

// What a ringing needs of the program: where its files are, the clock, how
// to make a player and what keeps the alarm audible, the output level and
// the power actions. Made once at start; tests put fakes in.
struct RingingServices
{
    using PlayerFactory = std::function<MediaPlayer *(QObject *parent)>;
    using AudibleGuardFactory = std::function<AudibleGuard *(QObject *parent)>;

    const FileLocations &locations;
    const Clock &clock;
    OutputLevel &outputLevel;
    PlayerFactory makePlayer;
    AudibleGuardFactory makeAudibleGuard;
    // None means "not supported".
    PowerActions *powerActions = nullptr;
};
