#pragma once

#include "alarmcalendar.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <libical/ical.h>
#include <map>
#include <vector>

// Other programs' events as alarms. An event is taken only when one alarm,
// with its on/off, skip and pause, rings exactly when the event's reminder
// is due, from now on: its rule is one of the six frequencies, its start,
// its exclusions and its changed occurrences can be held, its weekdays and
// days follow its time into the local zone. Otherwise it is left, and the
// reason names what stood in the way. An event from a zone whose clock
// changes on other days than the local one keeps the local time of its next
// occurrence, and its alarm says so in a note.
class ForeignEvents final
{
public:
    // `events` are the calendar's events, in which a change to one occurrence
    // of a series finds that series by its UID.
    ForeignEvents(const std::vector<icalcomponent *> &events, const QByteArray &zoneId, const QDateTime &now);

    // The alarm of one event, or AppError with why it is left. A change to
    // one occurrence of a series is never an alarm of its own: its reason
    // says what became of it in its series.
    ImportedAlarm alarmOf(icalcomponent *event) const;

private:
    ImportedAlarm seriesAlarm(icalcomponent *event) const;
    QString changedOccurrenceReason(icalcomponent *change) const;
    // Both the occurrence a change replaces and what it puts there lie before now.
    bool isPast(icalcomponent *change) const;

    QByteArray m_zoneId;
    QDateTime m_now;
    QHash<QByteArray, icalcomponent *> m_series;
    QMultiHash<QByteArray, icalcomponent *> m_changes;
    // A series is read once, however many changes ask for it: its alarm or
    // its reason.
    mutable std::map<icalcomponent *, std::pair<ImportedAlarm, QString>> m_read;
    // The expander's steps this import may still take.
    mutable int m_stepsLeft;
};
