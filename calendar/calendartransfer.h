#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

class AlarmEngine;

// The engine's alarms to and from iCalendar: what the export and import
// verbs and the D-Bus methods carry out.
namespace CalendarTransfer {

// What an import did: the ids (slots) of the alarms it added, and the events
// it left, each with why.
struct ImportReport
{
    QList<int> ids;
    QStringList skipped;
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

// Adds what the calendar holds, as many as there are free slots, in one
// change: all of them or, on a failure (AppError), none.
ImportReport importAlarms(AlarmEngine &engine, const QByteArray &calendar);

} // namespace CalendarTransfer
