#include "datetimeformatter.h"

namespace {

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

qsizetype runLength(QStringView s, qsizetype i)
{
    const QChar c = s[i].toLower();
    qsizetype run = 1;
    while (i + run < s.size() && s[i + run].toLower() == c)
        ++run;
    return run;
}

bool holdsTwelveHourMarker(QStringView pattern)
{
    return pattern.contains(u"am/pm", Qt::CaseInsensitive) || pattern.contains(u"ampm", Qt::CaseInsensitive);
}

} // namespace

DateTimeFormatter::DateTimeFormatter(LocaleFormats formats) : m_formats(std::move(formats))
{
}

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
    const bool twelveHour = holdsTwelveHourMarker(pattern);
    const auto nameAt = [](const QStringList &names, int index) {
        return index >= 0 && index < names.size() ? names[index] : QString();
    };

    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const QChar lower = c.toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = pattern.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lower == u'a') {
            const QStringView rest = pattern.mid(i);
            if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
                const bool upper = c.isUpper();
                const QString text = time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
                out += upper ? text.toUpper() : text;
                i += 5;
                continue;
            }
            if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
                out += time.hour() < 12 ? m_formats.amText : m_formats.pmText;
                i += 4;
                continue;
            }
            out += c;
            ++i;
            continue;
        }
        const qsizetype run = runLength(pattern, i);
        switch (lower.unicode()) {
        case 'y':
            out += run <= 2 ? twoDigits(date.year() % 100) : QString::number(date.year()).rightJustified(4, u'0');
            afterHour = false;
            break;
        case 'm':
            if (afterHour && run <= 2) {
                out += run == 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            } else if (run <= 2) {
                out += run == 2 ? twoDigits(date.month()) : QString::number(date.month());
            } else {
                out += nameAt(run == 3 ? m_formats.shortMonthNames : m_formats.longMonthNames, date.month() - 1);
            }
            afterHour = false;
            break;
        case 'd':
            if (run <= 2)
                out += run == 2 ? twoDigits(date.day()) : QString::number(date.day());
            else
                out += nameAt(run == 3 ? m_formats.shortDayNames : m_formats.longDayNames, date.dayOfWeek() % 7);
            afterHour = false;
            break;
        case 'h': {
            int hour = time.hour();
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += run >= 2 ? twoDigits(hour) : QString::number(hour);
            afterHour = true;
            break;
        }
        case 'n':
            out += run >= 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            afterHour = false;
            break;
        case 's':
            out += run >= 2 ? twoDigits(time.second()) : QString::number(time.second());
            afterHour = false;
            break;
        case 'z':
            out += run >= 3 ? QString::number(time.msec()).rightJustified(3, u'0') : QString::number(time.msec());
            afterHour = false;
            break;
        case '/':
            for (qsizetype k = 0; k < run; ++k)
                out += m_formats.dateSeparator;
            break;
        case ':':
            for (qsizetype k = 0; k < run; ++k)
                out += m_formats.timeSeparator;
            break;
        default:
            out += pattern.mid(i, run);
            break;
        }
        i += run;
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
