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

// Every alarm in the list's order, its time in the system's zone. Throws
// AppError naming an alarm file that can't be read: nothing is exported then,
// rather than an alarm that is not what rings.
QByteArray exportAlarms(const AlarmEngine &engine);

// Adds what the calendar holds, as many as there are free slots, in one
// change: all of them or, on a failure (AppError), none.
ImportReport importAlarms(AlarmEngine &engine, const QByteArray &calendar);

} // namespace CalendarTransfer
