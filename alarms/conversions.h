#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Text-to-value conversions shared by the alarm file, the catalogue and the
// scheduler. Each one either returns a value or throws AppError with the
// message the user sees.
namespace Conversions {

// Plain decimal with an optional sign, 32-bit range. Anything else, an empty
// text included, throws "'<text>' is not a valid integer value".
int toInteger(const QString &text);

// Throws "Invalid argument to time encode" unless 0..23, 0..59, 0..59.
QTime encodeTime(int hour, int minute, int second);

// Throws "Invalid argument to date encode" unless the date exists (years 1..9999).
QDate encodeDate(int year, int month, int day);

} // namespace Conversions
