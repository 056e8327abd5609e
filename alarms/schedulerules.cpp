#include "schedulerules.h"

#include "alarmrecord.h"
#include "conversions.h"

namespace ScheduleRules {

namespace {

const QString &name(Frequency frequency)
{
    return frequencyNames()[int(frequency)];
}

bool marksWeekday(const QString &mask, const QDate &date)
{
    const int index = date.dayOfWeek() % 7; // Sunday first
    return index < mask.size() && mask[index] == u'1';
}

// Months and years searched ahead: every day 29..31 comes round within a few
// months, and 29 February within eight years.
constexpr int kMonthsAhead = 48;
constexpr int kYearsAhead = 9;

} // namespace

RowKeys parse(const CatalogueRow &row)
{
    RowKeys keys;
    keys.frequencyName = row.frequencyName;
    const QString &t = row.timeKey;
    keys.keyTime = Conversions::encodeTime(Conversions::toInteger(t.mid(0, 2)), Conversions::toInteger(t.mid(2, 2)),
                                           Conversions::toInteger(t.mid(qMax<qsizetype>(0, t.size() - 2), 2)));
    const QString &d = row.dateKey;
    keys.keyDay = Conversions::toInteger(d.mid(0, 2));
    keys.keyMonth = Conversions::toInteger(d.mid(2, 2));
    keys.keyYear = Conversions::toInteger(d.mid(qMax<qsizetype>(0, d.size() - 4), 4));
    Conversions::encodeDate(keys.keyYear, keys.keyMonth, keys.keyDay);
    keys.weekdayMask = row.weekdayMask;
    keys.slot = row.slot;
    return keys;
}

QDateTime wallMoment(const QDate &date, const QTime &time)
{
    return QDateTime(date, QTime(time.hour(), time.minute(), time.second()), Qt::UTC);
}

QDateTime wallMomentOf(const QDateTime &localTime)
{
    // A clock's reading shows the local date and time whatever it carries
    // (local time, or the local offset attached): no look-up of the zone.
    return wallMoment(localTime.date(), localTime.time());
}

bool isDue(const RowKeys &keys, const QDateTime &wall)
{
    const QTime now = wall.time();
    const QDate today = wall.date();
    const bool hourly = keys.frequencyName == name(Frequency::Hourly);
    const bool timeMatches = keys.keyTime.minute() == now.minute() && keys.keyTime.second() == now.second() &&
                             (hourly || keys.keyTime.hour() == now.hour());
    if (!timeMatches)
        return false;
    if (hourly || keys.frequencyName == name(Frequency::Daily))
        return true;
    if (keys.frequencyName == name(Frequency::Once))
        return keys.keyYear == today.year() && keys.keyMonth == today.month() && keys.keyDay == today.day();
    if (keys.frequencyName == name(Frequency::Monthly))
        return keys.keyDay == today.day();
    if (keys.frequencyName == name(Frequency::Yearly))
        return keys.keyMonth == today.month() && keys.keyDay == today.day();
    if (keys.frequencyName == name(Frequency::Weekly))
        return marksWeekday(keys.weekdayMask, today);
    return false;
}

std::optional<QDateTime> firstDueAtOrAfter(const RowKeys &keys, const QDateTime &from)
{
    const QDateTime start = wallMoment(from.date(), from.time());
    const QDate day = start.date();
    const auto atKeyTime = [&keys](const QDate &date) { return wallMoment(date, keys.keyTime); };
    const QString &frequency = keys.frequencyName;

    if (frequency == name(Frequency::Once)) {
        const QDateTime once = atKeyTime(QDate(keys.keyYear, keys.keyMonth, keys.keyDay));
        return once >= start ? std::optional(once) : std::nullopt;
    }
    if (frequency == name(Frequency::Hourly)) {
        QDateTime candidate = wallMoment(day, QTime(start.time().hour(), keys.keyTime.minute(), keys.keyTime.second()));
        if (candidate < start)
            candidate = candidate.addSecs(3600);
        return candidate;
    }
    if (frequency == name(Frequency::Daily)) {
        const QDateTime today = atKeyTime(day);
        return today >= start ? today : atKeyTime(day.addDays(1));
    }
    if (frequency == name(Frequency::Weekly)) {
        for (int j = 0; j <= 7; ++j) {
            const QDate date = day.addDays(j);
            if (marksWeekday(keys.weekdayMask, date) && atKeyTime(date) >= start)
                return atKeyTime(date);
        }
        return std::nullopt;
    }
    if (frequency == name(Frequency::Monthly)) {
        const QDate firstOfMonth(day.year(), day.month(), 1);
        for (int m = 0; m < kMonthsAhead; ++m) {
            const QDate month = firstOfMonth.addMonths(m);
            if (!QDate::isValid(month.year(), month.month(), keys.keyDay))
                continue;
            const QDateTime candidate = atKeyTime(QDate(month.year(), month.month(), keys.keyDay));
            if (candidate >= start)
                return candidate;
        }
        return std::nullopt;
    }
    if (frequency == name(Frequency::Yearly)) {
        for (int y = 0; y < kYearsAhead; ++y) {
            const int year = day.year() + y;
            if (!QDate::isValid(year, keys.keyMonth, keys.keyDay))
                continue;
            const QDateTime candidate = atKeyTime(QDate(year, keys.keyMonth, keys.keyDay));
            if (candidate >= start)
                return candidate;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QDateTime> nextOccurrence(const RowKeys &keys, const QDateTime &wallNow)
{
    return firstDueAtOrAfter(keys, wallNow.addSecs(1));
}

bool minutesPassed(const RowKeys &keys, const QTime &now)
{
    return now.minute() > keys.keyTime.minute() ||
           (now.minute() == keys.keyTime.minute() && now.second() > keys.keyTime.second());
}

QString clockLine(const QDateTime &now, const DateTimeFormatter &formatter)
{
    return u' ' + formatter.format(QString(formatter.formats().numericDateFormat + u" hh:nn:ss AM/PM"), now);
}

QString nextAlarmMessage(const std::optional<QDateTime> &next, const DateTimeFormatter &formatter)
{
    const QString leadIn(20, u' ');
    if (!next)
        return leadIn + QStringLiteral("Next Alarm: None");
    return leadIn + QStringLiteral("Next Alarm: ") + formatter.standard(*next);
}

QString marqueeWindow(const QString &message, int position)
{
    // Positions count characters from 1; position 0 shows what position 1 shows.
    const qsizetype start = qMax(position, 1) - 1;
    if (start >= message.size())
        return {};
    return message.mid(start, MarqueeWidth);
}

} // namespace ScheduleRules
