#pragma once

#include "alarmchoices.h"
#include "alarmengine.h"
#include "calendartransfer.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// The verbs that reach the alarms from outside the windows: list them, say
// which rings next, add one, remove, switch, skip, pause and resume one by
// its id (its slot, which stays the alarm's for its whole life), answer the
// one that rings, and carry them to and from iCalendar. One implementation works on an engine in this process;
// another asks the running program over D-Bus. Each throws AppError: a bad
// argument, or a failure that changed nothing.
//
// An alarm is listed as a map with these keys: "id" (int), "enabled" (bool),
// "frequency" (once, hourly, daily, weekly, monthly, yearly; empty for a row
// whose frequency can't be read), "time" ("HH:MM:SS"), "schedule" (what add
// takes with the frequency: "YYYY-MM-DD", "mon,fri", "15", "12-24" or
// empty), "next" (the next second it really rings, ISO 8601 local time with
// offset, or empty), "skipped" (the skipped occurrence in that form, or
// empty), "pausedUntil" ("YYYY-MM-DD" or empty), "caption" and "memo".
class AlarmControl
{
public:
    virtual ~AlarmControl() = default;

    virtual QList<QVariantMap> list() = 0;
    // The alarm that rings next, as list() shows it; empty when none will.
    virtual QVariantMap next() = 0;
    // Returns the new alarm's id.
    virtual int add(const AlarmChoices &choices) = 0;
    virtual void remove(int id) = 0;
    virtual void setEnabled(int id, bool on) = 0;
    virtual void skip(int id) = 0;
    // until: "YYYY-MM-DD", the first day the alarm rings again; after today.
    virtual void pause(int id, const QString &until) = 0;
    virtual void resume(int id) = 0;
    virtual void answerRinging(AlarmEngine::RingingAnswer answer) = 0;
    // Every alarm as iCalendar, and those whose files could not be read.
    virtual CalendarTransfer::ExportReport exportCalendar() = 0;
    // Adds the alarms an iCalendar file holds, all or none (see
    // CalendarTransfer::importAlarms); power actions only when the options allow them.
    virtual CalendarTransfer::ImportReport importCalendar(const QByteArray &calendar,
                                                          const CalendarTransfer::ImportOptions &options = {}) = 0;
};
