#pragma once

class MediaPlayer;
class OutputLevel;
class QObject;
class SoundProcessLauncher;

// The program's player: out of process (ChildMediaPlayer) when the sound
// process is at hand, in the program's own process (TMediaPlayer, Qt
// Multimedia) when it is not, as for a copy of the executable taken away from
// its folder. Apart from the widget-free player so that what only drives a
// player never links Qt Multimedia.
MediaPlayer *makeProgramPlayer(const OutputLevel &level, SoundProcessLauncher &launcher, QObject *parent);
