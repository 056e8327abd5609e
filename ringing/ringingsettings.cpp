#include "ringingsettings.h"

#include "alarmfile.h"
#include "apperror.h"
#include "filelocations.h"
#include "outputlevel.h"

namespace RingingSettings {

const QStringList &soundFileNames()
{
    static const QStringList names{QStringLiteral("start.wav"), QStringLiteral("ringout.wav"),
                                   QStringLiteral("ringin.wav"), QStringLiteral("recycle.wav")};
    return names;
}

AlarmRecord read(const QString &alarmFilePath, QString *problem)
{
    // Whatever was read before a bad line is used; the switches after it stay off.
    AlarmRecord record;
    record.playListOn = false;
    record.soundOn = false;
    record.fadeInOn = false;
    record.autoSnoozeOn = false;
    record.reminder.clear();
    record.setClosingMethod(0);
    try {
        AlarmFile::read(alarmFilePath, AlarmFile::ReadMode::Ringing, record);
    } catch (const AppError &error) {
        // An alarm is due all the same: if what could be read makes no sound,
        // it rings the first built-in sound.
        if (!record.playListOn && !record.soundOn) {
            record.soundOn = true;
            record.soundNumber = 0;
        }
        *problem = error.message();
    }
    return record;
}

int levelFor(int percent, int volume)
{
    // Integer arithmetic gives exactly Trunc(p / 100 * 255 * V / 100).
    const qint64 level = qint64(percent) * OutputLevel::maxLevel * volume / 10000;
    return int(qBound<qint64>(0, level, qint64(OutputLevel::maxLevel)));
}

int startingLevel(const AlarmRecord &settings)
{
    // A fade-in begins at nothing; otherwise the first tick leaves the level
    // the ringing set when its window showed.
    const bool fades = settings.fadeInOn && settings.fadeInMinutes > 0;
    return levelFor(fades ? 0 : 100, settings.volume);
}

QString firstSoundOf(const AlarmRecord &settings, const FileLocations &locations)
{
    if (settings.playListOn && !settings.playList.isEmpty())
        return settings.playList.first();
    if (!settings.playListOn && !settings.soundOn)
        return {};
    // An empty play list rings the first built-in sound, as the ringing does.
    const int number = settings.soundOn ? settings.soundNumber : 0;
    if (number < 0 || number >= soundFileNames().size())
        return {};
    return locations.sound(soundFileNames()[number]);
}

QString firstSoundOf(const QString &alarmFilePath, const FileLocations &locations)
{
    QString problem;
    return firstSoundOf(read(alarmFilePath, &problem), locations);
}

} // namespace RingingSettings
