#include "programplayer.h"

#include "childmediaplayer.h"
#include "tmediaplayer.h"

MediaPlayer *makeProgramPlayer(const OutputLevel &level, SoundProcessLauncher &launcher, QObject *parent)
{
    if (!launcher.available())
        return new TMediaPlayer(level, parent);
    return new ChildMediaPlayer(launcher, level, parent);
}
