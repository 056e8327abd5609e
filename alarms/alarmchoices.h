#pragma once

#include "alarmrecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// A new alarm as it is asked for from outside the windows (the command line,
// D-Bus): its time, its frequency with what that frequency needs, its
// reminder, its play list and its volume, still as given. toRecord() checks
// every choice and makes the alarm the editor would make from the same
// choices: the editor's defaults at that moment with the chosen fields set,
// so the file written is the editor's, byte for byte.
struct AlarmChoices
{
    // The frequency words, in the order of the frequency codes.
    static const QStringList &frequencyWords();
    // The day names of a weekly schedule, Sunday first.
    static const QStringList &dayWords();

    QString time;      // "HH:MM" or "HH:MM:SS", 24-hour
    QString frequency; // one of frequencyWords(), or empty: Once, today if the time is ahead, else tomorrow
    // What the frequency needs: Once "YYYY-MM-DD", Weekly a comma list of
    // dayWords(), Monthly the day "1" to "31", Yearly "MM-DD"; nothing for
    // Hourly and Daily.
    QString schedule;
    std::optional<QString> memo; // the reminder as typed; none: the editor's default text
    QStringList sounds;          // the play list, absolute paths of files that can be read
    std::optional<int> volume;   // 0 to 100; none: the editor's default

    // The alarm, as the editor opened at `now` would save it. Throws AppError:
    // a bad argument names the argument and says why; a sound file that can't
    // be read is a failure.
    AlarmRecord toRecord(const QDateTime &now) const;
    // The name the catalogue lists the alarm by: the reminder's first line.
    static QString captionOf(const AlarmRecord &record);

    // The most play-list entries a ringing plays.
    static constexpr int MaxPlayListEntries = 256;
    // The one check of an alarm's settings for every way an alarm comes in
    // (add, the bus, an import): each value in the range the editor can give
    // it, at most MaxPlayListEntries play-list entries, each the full path of
    // a regular file that can be read. Throws AppError naming the first
    // setting that fails and why ("volume 999: must be 0 to 100").
    static void checkRecord(const AlarmRecord &record);
};
