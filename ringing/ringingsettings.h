#pragma once

#include "alarmrecord.h"

#include <QString>
#include <QStringList>

class FileLocations;

// What a ringing reads of an alarm and plays first, as pure functions of the
// alarm's file: shared by the ringing itself, the sound readied ahead of it
// and the editor's list of built-in sounds.
namespace RingingSettings {

// The built-in sounds, by sound number.
const QStringList &soundFileNames();

// An alarm's settings as a ringing uses them: what could be read before a
// bad line, and the first built-in sound when that makes no sound; the
// problem, if any, is said in `problem`.
AlarmRecord read(const QString &alarmFilePath, QString *problem);

// The output level for `percent` of an alarm's `volume`.
int levelFor(int percent, int volume);
// The output level a ringing of these settings plays its first sound at.
int startingLevel(const AlarmRecord &settings);

// What a ringing of these settings plays first: the play list's first song,
// or the alarm's built-in sound. Empty when it plays nothing.
QString firstSoundOf(const AlarmRecord &settings, const FileLocations &locations);
// The same for an alarm file, read as a ringing reads it.
QString firstSoundOf(const QString &alarmFilePath, const FileLocations &locations);

} // namespace RingingSettings
