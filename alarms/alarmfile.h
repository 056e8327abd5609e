#pragma once

#include "alarmrecord.h"
#include "textfile.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The line-oriented alarm file: one value a line at a fixed position, marker
// lines between the groups, CR LF line ends. Reading fills the record field by
// field in file order; when a line fails, the fields read before it keep their
// new values and the rest keep what the caller had, and AppError says why.
namespace AlarmFile {

enum class ReadMode
{
    // Builds the alarm time and date and checks the minute fields, as the
    // editor needs them.
    Editing,
    // Takes what ringing needs: lines 4 to 9 must be numbers but are dropped,
    // the frequency and the day flags are skipped.
    Ringing,
};

// What an alarm file may hold: a long play list and a long reminder fit many
// times over; a file beyond it would hold up the ringing and fill the memory.
TextFile::Limits limits();

QByteArray encode(const AlarmRecord &record);
// What makes an alarm too long for its file to be read again.
struct Oversize
{
    enum class Part
    {
        ReminderLine,
        PlayListEntry,
        WholeFile,
    };
    Part part = Part::WholeFile;
    qint64 characters = 0;
    qint64 limit = 0;
    // For the user: which part, how long, the bound, and what to do.
    QString message() const;
};

// Whether the record's file would hold a line or a whole longer than
// limits() allows; what the editor tells as the user types.
std::optional<Oversize> oversize(const AlarmRecord &record);

// The file as write() puts it on the disk, read back by the reader before it
// is given out: refuses (AppError) an alarm whose file the readers would
// refuse or read otherwise (a value with a line break, a minute field past
// 59, a date that does not exist), naming the alarm and the field; one too
// long with oversize()'s message.
QByteArray encodeForWriting(const AlarmRecord &record);
// Refuses (AppError) the bytes of an alarm file that the editor's reader
// would not take whole, naming the alarm (its caption) and the field.
void checkReadable(const QByteArray &data, const QString &alarm);
// Writes encodeForWriting(record) atomically.
void write(const QString &path, const AlarmRecord &record);

// A field that fails names itself and its line, and the file when `source` is given.
void decode(const QStringList &lines, ReadMode mode, AlarmRecord &record, const QString &source = {});
void read(const QString &path, ReadMode mode, AlarmRecord &record);

// What became of an alarm file made the working copy of an edit.
struct EditCopy
{
    enum class Outcome
    {
        Copied,     // read whole, copied byte for byte
        Missing,    // no file: the working copy holds a new alarm's settings
        PartlyRead, // kept aside; the working copy holds what was read, a new alarm's settings for the rest
        Refused,    // nothing could be read or kept: no working copy, no edit
    };
    Outcome outcome = Outcome::Copied;
    // For the user, naming the alarm file, why, and what becomes of it;
    // empty when the file was copied.
    QString message;
};

// Makes the working copy for editing the alarm file at alarmPath. An edit
// must never replace a file it could not read: one the reader refuses is
// kept aside as "<alarmPath>.bak" before anything is written, and the
// working copy holds only what was read, the rest being taken from
// newAlarm. When nothing could be read, or no copy could be kept, the edit
// is refused. Throws AppError, naming the real cause (a full disk), when the
// working copy can't be written; the edit can't go on then either.
EditCopy copyForEditing(const QString &alarmPath, const QString &workingCopy, const AlarmRecord &newAlarm);

} // namespace AlarmFile
