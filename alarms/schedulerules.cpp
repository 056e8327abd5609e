#include "schedulerules.h"

#include "alarmrecord.h"
#include "conversions.h"

#include <QList>
#include <algorithm>

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

int offsetAt(const QTimeZone &zone, qint64 ms)
{
    return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
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

QTimeZone localZone()
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (zone.isValid())
        return zone;
    // A TZ that Qt can't read: the offset the C library applies now is the best left.
    return QTimeZone(QDateTime::currentDateTime().offsetFromUtc());
}

QTimeZone localZone(const QDateTime &clockNow)
{
    const QTimeZone zone = localZone();
    const int offset = clockNow.offsetFromUtc();
    return zone.offsetFromUtc(clockNow) == offset ? zone : QTimeZone(offset);
}

QDateTime ringInstant(const QDateTime &wall, const QTimeZone &zone)
{
    if (!wall.isValid() || !zone.isValid())
        return {};
    // The reading counted as if it were UTC: an instant t shows it when t + offset(t) equals it.
    const qint64 reading = QDateTime(wall.date(), wall.time(), Qt::UTC).toMSecsSinceEpoch();
    // The offsets in force a day either side, and those at the instants they
    // point to, are every offset an instant showing the reading can have.
    constexpr qint64 dayMs = 24 * 3600 * 1000LL;
    QList<int> offsets{offsetAt(zone, reading - dayMs), offsetAt(zone, reading + dayMs)};
    for (qsizetype i = 0, known = offsets.size(); i < known; ++i)
        offsets << offsetAt(zone, reading - offsets[i]);
    std::optional<qint64> first;
    for (const int offset : std::as_const(offsets)) {
        const qint64 candidate = reading - offset * 1000LL;
        if (offsetAt(zone, candidate) == offset && (!first || candidate < *first))
            first = candidate;
    }
    if (!first) {
        // No instant shows it: the clock jumps over it at the change that
        // follows the earliest instant it could have been shown at.
        const int largest = *std::max_element(offsets.cbegin(), offsets.cend());
        const QTimeZone::OffsetData change =
            zone.nextTransition(QDateTime::fromMSecsSinceEpoch(reading - largest * 1000LL, Qt::UTC));
        if (!change.atUtc.isValid())
            return {};
        first = change.atUtc.toMSecsSinceEpoch();
    }
    return QDateTime::fromMSecsSinceEpoch(*first, Qt::OffsetFromUTC, offsetAt(zone, *first));
}

QString isoWithOffset(const QDateTime &instant)
{
    const int offset = instant.offsetFromUtc();
    const QDateTime reading = instant.toOffsetFromUtc(offset);
    const int minutes = qAbs(offset) / 60;
    return reading.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
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
