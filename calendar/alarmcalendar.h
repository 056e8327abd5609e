#pragma once

#include "alarmrecord.h"
#include "alarmstates.h"
#include "cataloguerow.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// One alarm on its way out: the row that says when it rings, every setting
// of its file, and what the user chose besides.
struct ExportedAlarm
{
    CatalogueRow row;
    AlarmRecord record;
    AlarmState state;
};

// One alarm an import made of an event: its caption for the list, the
// settings of its file, its on/off, skip and pause, and the event's UID
// (empty when it has none). What the import left out of the event is said
// in `leftOff` ("Power action of \"Wake\" left off: ..."); the power action
// the event itself asked for is kept in eventPowerAction.
struct ImportedAlarm
{
    QString caption;
    AlarmRecord record;
    AlarmState state;
    // What the user should know of how it rings, though it was taken, after
    // the event's name: an event from another zone that keeps its local time
    // from now on.
    QString note;
    QString uid;
    QString leftOff;
    int eventPowerAction = 0;
};

// What an import found: the alarms it could make, in the calendar's order;
// the events it left, each with why ("\"Standup\": FREQ=MINUTELY"), the
// first ListedSkips of them listed and all of them counted; and the alarms
// made past the room it was given, by their events' UIDs, not kept.
struct CalendarImport
{
    std::vector<ImportedAlarm> alarms;
    QStringList skipped;
    // The notes of the alarms taken, each after the event's name
    // ("\"Standup\": keeps its local time 03:00 from now on: ...").
    QStringList notes;
    int skippedCount = 0;
    QStringList uidsBeyondRoom;
};

// What the user allows an import to bring besides alarms.
struct ImportConsent
{
    // Without it an alarm's power action (monitor off, suspend, shut down)
    // arrives as "Do nothing": a file must not switch this computer off.
    bool powerActions = false;
};

// An export: the calendar, and the alarms it could not hold, each with why
// ("\"Gym\": Line 12 of the calendar is longer than ...").
struct CalendarExport
{
    QByteArray calendar;
    QStringList left;
};

// Alarms as iCalendar (RFC 5545), which every calendar program reads: one
// VEVENT per alarm, its time in the local zone (with the zone's VTIMEZONE),
// an RRULE for its frequency, its caption and reminder as SUMMARY and
// DESCRIPTION, a VALARM, and what iCalendar has no word for in X-CHRONELLE-
// properties. Chronelle's own events come back exactly as they went out;
// other programs' events are taken where one of the six frequencies can hold
// their rule, with a new alarm's settings, and left with a reason where not.
namespace AlarmCalendar {

// A calendar of alarms is small; a file beyond this is refused unread.
constexpr qint64 MaxBytes = 8 * 1024 * 1024;
// The skipped events an import lists by name; the rest are counted.
constexpr int ListedSkips = 200;

// `zoneId` is the local zone's IANA name ("Europe/Berlin"), written as it
// stands with the zone's VTIMEZONE; `now` stamps the events. A reader rings
// what this program rings: an alarm switched off, or that never rings again
// (a weekly alarm with no day), has no VALARM; a pause starts the series at
// its first ringing after the pause; a skipped ringing is an EXDATE. The
// alarm's own properties keep all of it, so that the import gives back the
// same alarm. An alarm whose event this program's import would refuse (a
// line too long) is left out and said.
CalendarExport exportAlarms(const std::vector<ExportedAlarm> &alarms, const QByteArray &zoneId, const QDateTime &now);

// The UID the export gives the alarm of this row.
QString exportedUid(const CatalogueRow &row);

// Keeps at most `room` alarms; the UIDs of those past them are counted in
// uidsBeyondRoom. Events of other programs that lie wholly in the past are
// skipped; those taken ring from `now` on exactly when their reminders are
// due on the clock of `zoneId`, or are skipped with the reason (see
// ForeignEvents). So is every event whose alarm fails the check every alarm
// passes (AlarmChoices::checkRecord), and a second event of the same UID.
// A power action comes only with the consent for it. `now` gives a new alarm
// its defaults. Throws AppError for data that is not iCalendar, larger than
// MaxBytes, or beyond what libical reads in bounded time (a line longer than
// 1 MiB, more than 50,000 components, nesting deeper than 8, more than 200
// time zone rules).
CalendarImport importAlarms(const QByteArray &data, const QByteArray &zoneId, const QDateTime &now, int room,
                            const ImportConsent &consent = {});

} // namespace AlarmCalendar
