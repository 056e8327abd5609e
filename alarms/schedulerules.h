#pragma once

#include "cataloguerow.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

// The rules that decide when a catalogue row rings, as pure functions of the
// row and a wall-clock moment. Wall-clock moments are held in QDateTime with
// the UTC time spec so that comparing and stepping them never consults a time
// zone: 02:30 on the night clocks go forward is a moment like any other here.
namespace ScheduleRules {

// The keys of a row, parsed from its texts.
struct RowKeys
{
    QString frequencyName;
    QTime keyTime;
    int keyDay = 0;
    int keyMonth = 0;
    int keyYear = 0;
    QString weekdayMask;
    int slot = -1;
};

// Throws AppError when a key is no number, the time key no valid time, the
// date key no valid date or the slot no number.
RowKeys parse(const CatalogueRow &row);

// A wall-clock moment made from a date and a time (seconds precision).
QDateTime wallMoment(const QDate &date, const QTime &time);
// The wall-clock moment of a clock's reading (see Clock::now()), cut to the second.
QDateTime wallMomentOf(const QDateTime &localTime);

// The zone whose clock the alarms follow: the system's, looked up anew at
// each call (TZ may change while the program runs).
QTimeZone localZone();
// The same, checked against a reading of the clock (see Clock::now()): when
// the system's zone as Qt reads it gives another offset than the clock has
// (a TZ the two read differently), a zone of the clock's offset, so that
// what the clock shows still rings.
QTimeZone localZone(const QDateTime &clockNow);

// The one rule for the nights the clock changes: the instant at which an
// alarm set for the wall-clock moment `wall` rings in `zone`. A reading the
// clock shows once rings then; one it shows twice (the hour repeated when
// the clocks go back) rings at its first pass; one it never shows (skipped
// when they go forward) rings as the clock jumps past it. The result carries
// the zone's true offset at that instant, so its date() and time() are what
// the clock shows as it rings. Invalid for an invalid `wall`. Hourly rows
// follow it like the others: each of their wall-clock seconds rings once, so
// the skipped hour's rings as the clock jumps and the repeated hour's only
// at its first pass.
QDateTime ringInstant(const QDateTime &wall, const QTimeZone &zone);

// "2027-03-14T03:00:00-04:00": the instant's own reading and offset.
QString isoWithOffset(const QDateTime &instant);

// The row rings in this wall-clock second.
bool isDue(const RowKeys &keys, const QDateTime &wall);

// The first wall-clock second at or after `from` in which the row is due, or
// nothing when it never is again (a Once row in the past, a Weekly row with no
// day, an unknown frequency). Consistent with isDue: a Monthly row on the 31st
// skips months without one, a Yearly row on 29 February waits for a leap year.
std::optional<QDateTime> firstDueAtOrAfter(const RowKeys &keys, const QDateTime &from);

// The next occurrence that lies strictly after the wall-clock second `wallNow`
// (the present second has begun, so it is no longer ahead).
std::optional<QDateTime> nextOccurrence(const RowKeys &keys, const QDateTime &wallNow);

// For an Hourly row: its minute and second of this hour have gone by.
bool minutesPassed(const RowKeys &keys, const QTime &now);

// " mm/dd/yy hh:nn:ss AM/PM" with the user's separators, day, month and year
// in the user's order (" dd.mm.yy ..." in German).
QString clockLine(const QDateTime &now, const DateTimeFormatter &formatter);

// The scrolling text: 20 spaces, then "Next Alarm: " and the moment, or "None".
QString nextAlarmMessage(const std::optional<QDateTime> &next, const DateTimeFormatter &formatter);

// The 21 characters of the message seen at a marquee position 0..55.
QString marqueeWindow(const QString &message, int position);

constexpr int MarqueeWidth = 21;
constexpr int MarqueePositions = 56;

} // namespace ScheduleRules
