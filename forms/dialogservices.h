#pragma once

#include <functional>

class AudibleGuard;
class Clock;
class DateTimeFormatter;
class FileLocations;
class MediaPlayer;
class OutputLevel;
class PowerActions;
class QObject;

// What the editor and the ringing window need of the program: where its
// files are, the clock and the user's formats, how to make a player and
// what keeps a ringing alarm audible, the power actions and the output
// level. Made once at start; tests put fakes in.
struct DialogServices
{
    using PlayerFactory = std::function<MediaPlayer *(QObject *parent)>;
    using AudibleGuardFactory = std::function<AudibleGuard *(QObject *parent)>;

    const FileLocations &locations;
    const Clock &clock;
    const DateTimeFormatter &formatter;
    OutputLevel &outputLevel;
    PlayerFactory makePlayer;
    AudibleGuardFactory makeAudibleGuard;
    // None means "not supported".
    PowerActions *powerActions = nullptr;
};
