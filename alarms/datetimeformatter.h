#pragma once

#include "localeformats.h"

#include <QDateTime>
#include <QString>

// Formats dates and times with the program's pattern letters, over the user's
// settings given at construction. Letters are case-insensitive:
//   y, yy two-digit year; yyy, yyyy four-digit year
//   m, mm month (minutes right after an hour field); mmm, mmmm month name
//   d, dd day; ddd, dddd day name
//   h, hh hour (12-hour when the pattern holds AM/PM, am/pm or ampm)
//   n, nn minutes; s, ss seconds; z, zzz milliseconds
//   AM/PM, am/pm print "AM"/"PM" in the case written; ampm the locale's texts
//   "/" and ":" the date and time separators; '...' and "..." literal text.
// Anything else prints as it stands.
class DateTimeFormatter final
{
public:
    explicit DateTimeFormatter(LocaleFormats formats);

    QString format(QStringView pattern, const QDateTime &moment) const;
    QString format(QStringView pattern, const QDate &date) const;
    QString format(QStringView pattern, const QTime &time) const;

    QString shortDate(const QDate &date) const;
    QString longTime(const QTime &time) const;
    // The date, and the time unless it is exactly midnight.
    QString standard(const QDateTime &moment) const;

    const LocaleFormats &formats() const { return m_formats; }

private:
    LocaleFormats m_formats;
};
