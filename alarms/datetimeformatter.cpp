#include "datetimeformatter.h"

#include "datetimepattern.h"

DateTimeFormatter::DateTimeFormatter(LocaleFormats formats) : m_formats(std::move(formats)) {}

QString DateTimeFormatter::format(QStringView pattern, const QDate &date) const
{
    return format(pattern, QDateTime(date, QTime(0, 0)));
}

QString DateTimeFormatter::format(QStringView pattern, const QTime &time) const
{
    return format(pattern, QDateTime(QDate(1899, 12, 30), time));
}

QString DateTimeFormatter::format(QStringView pattern, const QDateTime &moment) const
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const bool twelveHour = DateTimePattern::isTwelveHour(pattern);
    const auto nameAt = [](const QStringList &names, int index) {
        return index >= 0 && index < names.size() ? names[index] : QString();
    };
    const auto number = [](int value, int width) { return QString::number(value).rightJustified(width, u'0'); };

    QString out;
    for (const PatternToken &token : DateTimePattern::tokenize(pattern)) {
        switch (token.kind) {
        case PatternToken::Literal:
            out += token.text;
            break;
        case PatternToken::Year:
            out += token.width == 2 ? number(date.year() % 100, 2) : number(date.year(), 4);
            break;
        case PatternToken::Month:
            if (token.width <= 2)
                out += number(date.month(), token.width);
            else
                out +=
                    nameAt(token.width == 3 ? m_formats.shortMonthNames : m_formats.longMonthNames, date.month() - 1);
            break;
        case PatternToken::Day:
            if (token.width <= 2)
                out += number(date.day(), token.width);
            else
                out +=
                    nameAt(token.width == 3 ? m_formats.shortDayNames : m_formats.longDayNames, date.dayOfWeek() % 7);
            break;
        case PatternToken::Hour: {
            int hour = time.hour();
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += number(hour, token.width);
            break;
        }
        case PatternToken::Minute:
            out += number(time.minute(), token.width);
            break;
        case PatternToken::Second:
            out += number(time.second(), token.width);
            break;
        case PatternToken::Millisecond:
            out += number(time.msec(), token.width);
            break;
        case PatternToken::AmPm: {
            const QString text = time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            out += token.upper ? text.toUpper() : text;
            break;
        }
        case PatternToken::AmPmLocale:
            out += time.hour() < 12 ? m_formats.amText : m_formats.pmText;
            break;
        case PatternToken::DateSeparator:
            out += m_formats.dateSeparator;
            break;
        case PatternToken::TimeSeparator:
            out += m_formats.timeSeparator;
            break;
        }
    }
    return out;
}

QString DateTimeFormatter::shortDate(const QDate &date) const
{
    return format(m_formats.shortDateFormat, date);
}

QString DateTimeFormatter::longTime(const QTime &time) const
{
    return format(m_formats.longTimeFormat, time);
}

QString DateTimeFormatter::standard(const QDateTime &moment) const
{
    const QTime time = moment.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0 && time.msec() == 0)
        return shortDate(moment.date());
    return shortDate(moment.date()) + u' ' + longTime(time);
}
