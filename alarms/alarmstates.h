#pragma once

#include "schedulerules.h"
#include "textfile.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QObject>
#include <optional>

// The calendar event an import made an alarm of, so that importing it again
// updates or leaves that alarm instead of adding another: the event's UID as
// a key (see AlarmState::uidKey) and a digest of the alarm the event made
// then, which tells whether the event has changed since.
struct ImportedFrom
{
    QString uid;
    QString digest;
    bool operator==(const ImportedFrom &) const = default;
};

// What the user chose for one alarm besides its settings: switched off, its
// one next occurrence skipped, or paused until a day; and the event it was
// imported from, if any.
struct AlarmState
{
    bool enabled = true;
    // The wall-clock second of the skipped occurrence (see ScheduleRules).
    std::optional<QDateTime> skippedDue;
    // The first day on which it rings again.
    std::optional<QDate> pausedUntil;
    std::optional<ImportedFrom> importedFrom;

    bool isDefault() const { return enabled && !skippedDue && !pausedUntil && !importedFrom; }
    // The longest UID kept as it stands; a longer one, or one with a control
    // character, is kept as its digest, so that every key fits one line.
    static constexpr int LongestUidKept = 200;
    // The key an event's UID is matched and kept by.
    static QString uidKey(const QString &uid);
    // Whether an occurrence due in this wall-clock second rings.
    bool letsRing(const QDateTime &due) const;
    // The first wall-clock second at or after `from` in which the row rings
    // with this state: nothing while it is off, from its first day again
    // while paused, the skipped occurrence passed over.
    std::optional<QDateTime> firstRingingAtOrAfter(const ScheduleRules::RowKeys &keys, const QDateTime &from) const;
    bool operator==(const AlarmState &) const = default;
};

// The states of all alarms, by slot, and their file "alstate.ini" beside the
// list. Only alarms with something chosen have an entry, so an alarm the user
// never switched off, skipped or paused costs nothing and a missing file means
// every alarm is on. The file is its own, so that the list and the alarm
// files keep the format other copies of the program read.
//
// The file: the number of entries, then four lines each: the slot, "TRUE" or
// "FALSE" for on, the skipped occurrence as "yyyyMMddhhmmss" (or empty), the
// day the pause ends as "ddMMyyyy" (or empty). Only when some alarm was
// imported from a calendar event there follow the line "***Imported from***",
// the number of such alarms, and three lines each: the slot (one of the
// entries), the event's UID key and the digest. A file of alarms none of which
// was imported stays as older copies of the program wrote and read it.
class AlarmStates final : public QObject
{
    Q_OBJECT

public:
    static constexpr int LinesPerEntry = 4;
    static constexpr int LinesPerImportedEntry = 3;

    using QObject::QObject;

    AlarmState state(int slot) const { return m_states.value(slot); }
    const QMap<int, AlarmState> &all() const { return m_states; }
    void setState(int slot, const AlarmState &state);
    void setAll(const QMap<int, AlarmState> &states);

    // Replaces the states with those of the file; a missing file means all on.
    // A file that can't be read is kept aside as "<name>.bak" and every alarm
    // is on; throws AppError saying so.
    void read(const QString &path);
    static TextFile::Limits limits();
    static QByteArray encode(const QMap<int, AlarmState> &states);
    // Throws AppError naming the line that can't be read.
    static QMap<int, AlarmState> decode(const QByteArray &data);

signals:
    void changed();

private:
    QMap<int, AlarmState> m_states;
};
