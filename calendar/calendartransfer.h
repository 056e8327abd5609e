#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

class AlarmEngine;

// The engine's alarms to and from iCalendar: what the export and import
// verbs and the D-Bus methods carry out.
namespace CalendarTransfer {

// What the user allows an import to bring besides alarms.
struct ImportOptions
{
    // Keep the power actions the events carry; without it they arrive as "Do nothing".
    bool withPowerActions = false;
};

// What an import did: the ids (slots) of the alarms it added, of those it
// updated in place and of those it left as they were (the same events were
// imported before); the events it left, each with why (the first
// AlarmCalendar::ListedSkips listed, all counted); and what it left out of
// the alarms it made, and how some of them ring.
struct ImportReport
{
    QList<int> ids;
    QStringList skipped;
    QList<int> updated;
    QList<int> unchanged;
    int skippedCount = 0;
    QStringList leftOff;
    // What the user should know of how an alarm it made or updated rings
    // (an event from another zone that keeps its local time from now on).
    QStringList cautions;

    // skipped, with the count of those not listed, and what was left out:
    // the events' side of the report, one line each.
    QStringList notes() const;
};

// What an export wrote, and the alarms it left out, each named with why
// ("\"Gym\": /data/3.ini: ...").
struct ExportReport
{
    QByteArray calendar;
    QStringList left;
};

// Every alarm in the list's order, its time in the system's zone. An alarm
// whose file can't be read is left out and named, rather than exported as
// something that is not what rings; the others go out all the same.
ExportReport exportAlarms(const AlarmEngine &engine);

// Adds what the calendar holds in one change: all of it or none. An event
// whose UID an alarm here was imported from (or which this program's own
// export gave an alarm here) is that alarm: it is left as it is when the
// event has not changed since, whatever the user did with the alarm, and
// otherwise updated in place (same id, same place in the list, the event's
// settings, and off if the user switched it off here). Throws AppError, and
// changes nothing, when the new alarms don't all fit (the message's first
// line says how many would and how many the file holds) and when the disk
// does not take them (it says that nothing was imported, and why).
ImportReport importAlarms(AlarmEngine &engine, const QByteArray &calendar, const ImportOptions &options = {});

} // namespace CalendarTransfer
