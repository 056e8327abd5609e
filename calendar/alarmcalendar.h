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
};

// What an import found: the alarms it could make, in the calendar's order,
// and the events it left, each with why ("\"Standup\": FREQ=MINUTELY").
struct CalendarImport
{
    std::vector<ImportedAlarm> alarms;
    QStringList skipped;
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

// `zoneId` is the local zone's IANA name ("Europe/Berlin"), written as it
// stands with the zone's VTIMEZONE; `now` stamps the events. A reader rings
// what this program rings: an alarm switched off, or that never rings again
// (a weekly alarm with no day), has no VALARM; a pause starts the series at
// its first ringing after the pause; a skipped ringing is an EXDATE. The
// alarm's own properties keep all of it, so that the import gives back the
// same alarm. An alarm whose event this program's import would refuse (a
// line too long) is left out and said.
CalendarExport exportAlarms(const std::vector<ExportedAlarm> &alarms, const QByteArray &zoneId, const QDateTime &now);

// Reads at most `room` alarms (the free slots); the events past them are
// skipped and said in one line. Events of other programs that lie wholly in
// the past are skipped. `now` gives a new alarm its defaults. Throws AppError
// for data that is not iCalendar, larger than MaxBytes, or beyond what
// libical reads in bounded time (a line longer than 1 MiB, more than 50,000
// components, nesting deeper than 8, more than 200 time zone rules).
CalendarImport importAlarms(const QByteArray &data, const QByteArray &zoneId, const QDateTime &now, int room);

} // namespace AlarmCalendar
