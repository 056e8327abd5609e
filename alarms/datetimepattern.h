#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The program's date-time pattern letters, read into fields once so that
// every consumer (the text formatter, the editor's date-time fields) reads
// them the same way. See DateTimeFormatter for the letters.
struct PatternToken
{
    enum Kind
    {
        Literal,     // text: printed as it stands
        Year,        // width 2 or 4
        Month,       // width 1, 2 (number), 3 (short name), 4 (long name)
        Day,         // width 1, 2 (number), 3 (short name), 4 (long name)
        Hour,        // width 1 or 2
        Minute,      // width 1 or 2
        Second,      // width 1 or 2
        Millisecond, // width 1 or 3
        AmPm,        // "AM"/"PM", upper-case when `upper`
        AmPmLocale,  // the locale's texts
        DateSeparator,
        TimeSeparator,
    };
    Kind kind = Literal;
    int width = 0;
    bool upper = false;
    QString text;
};

namespace DateTimePattern {

QList<PatternToken> tokenize(QStringView pattern);

// The pattern switches the hours to the 12-hour clock.
bool isTwelveHour(QStringView pattern);

} // namespace DateTimePattern
