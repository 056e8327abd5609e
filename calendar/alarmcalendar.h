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
// settings of its file and its on/off, skip and pause.
struct ImportedAlarm
{
    QString caption;
    AlarmRecord record;
    AlarmState state;
    // What the user should know of how it rings, though it was taken: an
    // event from another zone that keeps its local time from now on.
    QString note;
};

// What an import found: the alarms it could make, in the calendar's order,
// and the events it left, each with why ("\"Standup\": FREQ=MINUTELY").
struct CalendarImport
{
    std::vector<ImportedAlarm> alarms;
    QStringList skipped;
    // The notes of the alarms taken, each after the event's name
    // ("\"Standup\": keeps its local time 03:00 from now on: ...").
    QStringList notes;
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

// `zoneId` is the local zone's IANA name ("Europe/Berlin"); `now` stamps
// the events. An alarm whose rule never rings again (a weekly alarm with no
// day) goes out without a rule, its frequency kept in its own property.
QByteArray exportAlarms(const std::vector<ExportedAlarm> &alarms, const QByteArray &zoneId, const QDateTime &now);

// Reads at most `room` alarms (the free slots); the events past them are
// skipped and said in one line. Events of other programs that lie wholly in
// the past are skipped; those taken ring from `now` on exactly when their
// reminders are due on the clock of `zoneId`, or are skipped with the reason
// (see ForeignEvents). `now` gives a new alarm its defaults. Throws AppError
// for data that is not iCalendar or larger than MaxBytes.
CalendarImport importAlarms(const QByteArray &data, const QByteArray &zoneId, const QDateTime &now, int room);

} // namespace AlarmCalendar
