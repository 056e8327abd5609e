#include "foreignevents.h"

#include "apperror.h"
#include "schedulerules.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QTimeZone>
#include <algorithm>
#include <optional>

namespace {

const char *const kDayCodes[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"}; // Sunday first, as the masks

// How far ahead an alarm is held against its event: past both changes of
// daylight saving time of any zone, and every month's length; an hourly
// event stops at the count of ringings first.
constexpr int kDaysAhead = 400;
constexpr int kMostRingingsCompared = 400;
constexpr int kFewestRingingsCompared = 8;
// libical's expander takes some microseconds a step: an event may take this
// many steps, a whole import this many, and what needs more is left unread,
// so that a hostile calendar costs seconds, not hours.
constexpr int kMostStepsPerEvent = 20000;
constexpr int kMostStepsPerImport = 150000;

const QString kWallFormat = QStringLiteral("yyyy-MM-dd HH:mm");

// The value of another program's X- property, if the event has it.
std::optional<QString> otherProperty(icalcomponent *event, const char *name)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char *propertyName = icalproperty_get_x_name(p);
        if (propertyName && qstricmp(propertyName, name) == 0) {
            const char *value = icalproperty_get_x(p);
            return QString::fromUtf8(value ? value : "");
        }
    }
    return std::nullopt;
}

// The parts of a rule by name ("BYDAY" -> "MO,FR"), as libical writes it back.
QMap<QString, QString> ruleParts(const icalrecurrencetype &rule)
{
    char *text = icalrecurrencetype_as_string_r(const_cast<icalrecurrencetype *>(&rule));
    const QString ruleText = QString::fromLatin1(text ? text : "");
    icalmemory_free_buffer(text);
    QMap<QString, QString> parts;
    for (const QString &part : ruleText.split(u';', Qt::SkipEmptyParts))
        parts.insert(part.section(u'=', 0, 0).toUpper(), part.section(u'=', 1));
    return parts;
}

// A single number in min..max, or nothing.
std::optional<int> singleNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

// Days of the week without a position ("MO,FR", not "2MO") as Sunday-first flags.
std::optional<std::array<bool, 7>> plainDays(const QString &text)
{
    std::array<bool, 7> flags{};
    for (const QString &day : text.split(u',')) {
        const auto known = std::find_if(std::begin(kDayCodes), std::end(kDayCodes),
                                        [&day](const char *code) { return day == QLatin1String(code); });
        if (known == std::end(kDayCodes))
            return std::nullopt;
        flags[std::size_t(known - std::begin(kDayCodes))] = true;
    }
    return flags;
}

QDateTime wallOf(const icaltimetype &t)
{
    return ScheduleRules::wallMoment(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

icaltimetype icalWall(const QDateTime &wall, icaltimezone *zone)
{
    icaltimetype t = icaltime_from_timet_with_zone(wall.toSecsSinceEpoch(), 0, nullptr);
    t.zone = zone;
    return t;
}

icaltimezone *utcZone()
{
    return icaltimezone_get_utc_timezone();
}

// A zone by a name the time-zone database knows, which covers every date,
// where a calendar's own VTIMEZONE may stop at the year it was written.
icaltimezone *databaseZone(const QByteArray &tzid)
{
    const QByteArray id = tzid.trimmed();
    if (id.isEmpty())
        return nullptr;
    if (id == "UTC" || id == "Etc/UTC" || id == "GMT" || id == "Etc/GMT" || id == "Z")
        return utcZone();
    if (icaltimezone *zone = icaltimezone_get_builtin_timezone(id.constData()))
        return zone;
    // Writers that prefix their zones ("/freeassociation.sourceforge.net/",
    // "/mozilla.org/20050126_1/") keep the IANA name at the end.
    if (id.startsWith('/')) {
        for (qsizetype slash = id.indexOf('/', 1); slash >= 0; slash = id.indexOf('/', slash + 1)) {
            if (icaltimezone *zone = icaltimezone_get_builtin_timezone(id.mid(slash + 1).constData()))
                return zone;
        }
    }
    // Outlook and Exchange name zones as Windows does.
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(id);
    return iana.isEmpty() ? nullptr : icaltimezone_get_builtin_timezone(iana.constData());
}

const char *tzidOf(icalproperty *property)
{
    icalparameter *parameter = property ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    return parameter ? icalparameter_get_tzid(parameter) : nullptr;
}

// The zone of a time as written: the database's for a name it knows, else
// the calendar's own VTIMEZONE; UTC, or none for a floating time.
icaltimezone *zoneOf(icalproperty *property, const icaltimetype &value, icalcomponent *event)
{
    if (icaltime_is_utc(value))
        return utcZone();
    const char *tzid = tzidOf(property);
    if (!tzid)
        return nullptr;
    if (icaltimezone *zone = databaseZone(tzid))
        return zone;
    icalcomponent *calendar = icalcomponent_get_parent(event);
    icaltimezone *own = calendar ? icalcomponent_get_timezone(calendar, tzid) : nullptr;
    if (!own) {
        throw AppError(QCoreApplication::translate("AlarmCalendar",
                                                   "TZID=%1: a time zone that neither the calendar nor the time-zone "
                                                   "database describes")
                           .arg(QString::fromUtf8(tzid)));
    }
    return own;
}

// The clock an event's times are written on, and the local wall clock they
// ring on.
class EventClock
{
public:
    EventClock(icaltimezone *zone, const QByteArray &localZoneId, bool local) : m_zone(zone), m_localZone(localZoneId)
    {
        if (!m_localZone.isValid())
            m_localZone = QTimeZone::systemTimeZone();
        if (zone) {
            const char *location = zone == utcZone() ? "UTC" : icaltimezone_get_location(zone);
            m_name = QString::fromUtf8(location ? location : icaltimezone_get_tzid(zone));
        }
        const bool localIsUtc = localZoneId == "UTC" || localZoneId == "Etc/UTC";
        m_isLocal = local || !zone || m_name == QString::fromUtf8(localZoneId) || (zone == utcZone() && localIsUtc);
    }
    icaltimezone *zone() const { return m_zone; }
    const QString &name() const { return m_name; }
    // Floating times, and times in the local zone itself, need no conversion:
    // a wall-clock time on the event's clock is the same on the local one.
    bool isLocal() const { return m_isLocal; }

    QDateTime toLocal(const QDateTime &eventWall) const
    {
        if (m_isLocal)
            return eventWall;
        const time_t instant = icaltime_as_timet_with_zone(icalWall(eventWall, m_zone), m_zone);
        return localWallOf(instant);
    }
    QDateTime localWallOf(time_t instant) const
    {
        const QDateTime local = QDateTime::fromSecsSinceEpoch(instant, m_localZone);
        return ScheduleRules::wallMoment(local.date(), local.time());
    }
    // A time written in another zone (an EXDATE, a RECURRENCE-ID) on this clock.
    QDateTime onThisClock(icaltimetype value, icaltimezone *zone) const
    {
        if (zone && m_zone && zone != m_zone)
            icaltimezone_convert_time(&value, zone, m_zone);
        return wallOf(value);
    }

private:
    icaltimezone *m_zone;
    QTimeZone m_localZone;
    QString m_name;
    bool m_isLocal = true;
};

// When an event's reminder is due against its start: the earliest display or
// audio VALARM, before or after its start or its end, or at a moment of its own.
struct Reminder
{
    qint64 offsetSeconds = 0; // on the event's wall clock, as a day there has 24 hours
    bool hasOffset = false;
    std::optional<time_t> moment; // the earliest absolute trigger

    static Reminder of(icalcomponent *event)
    {
        Reminder reminder;
        for (icalcomponent *valarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); valarm;
             valarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
            // Mail and procedures are someone else's business; what shows or
            // sounds is what the alarm stands for.
            icalproperty *action = icalcomponent_get_first_property(valarm, ICAL_ACTION_PROPERTY);
            const icalproperty_action kind = action ? icalproperty_get_action(action) : ICAL_ACTION_NONE;
            icalproperty *triggerProperty = icalcomponent_get_first_property(valarm, ICAL_TRIGGER_PROPERTY);
            if ((kind != ICAL_ACTION_DISPLAY && kind != ICAL_ACTION_AUDIO) || !triggerProperty)
                continue;
            const icaltriggertype trigger = icalproperty_get_trigger(triggerProperty);
            if (!icaltime_is_null_time(trigger.time)) {
                const time_t at = icaltime_as_timet_with_zone(trigger.time, utcZone());
                reminder.moment = reminder.moment ? std::min(*reminder.moment, at) : at;
                continue;
            }
            qint64 offset = icaldurationtype_as_int(trigger.duration);
            icalparameter *related = icalproperty_get_first_parameter(triggerProperty, ICAL_RELATED_PARAMETER);
            if (related && icalparameter_get_related(related) == ICAL_RELATED_END)
                offset += icaldurationtype_as_int(icalcomponent_get_duration(event));
            reminder.offsetSeconds = reminder.hasOffset ? std::min(reminder.offsetSeconds, offset) : offset;
            reminder.hasOffset = true;
        }
        return reminder;
    }
};

// The frequency a rule is, and the days of the week it names on the
// event's clock; AppError names the part that no alarm holds.
struct RuleShape
{
    Frequency frequency = Frequency::Once;
    std::array<bool, 7> days{};

    static RuleShape of(const icalrecurrencetype &rule, const QDate &startDate)
    {
        QMap<QString, QString> parts = ruleParts(rule);
        RuleShape shape;
        const QString frequency = parts.take(QStringLiteral("FREQ"));
        const auto refuse = [](const QString &key, const QString &value) { throw AppError(key + u'=' + value); };
        if (parts.contains(QStringLiteral("INTERVAL")) && parts.value(QStringLiteral("INTERVAL")) != u'1')
            refuse(QStringLiteral("INTERVAL"), parts.value(QStringLiteral("INTERVAL")));
        parts.remove(QStringLiteral("INTERVAL"));
        parts.remove(QStringLiteral("WKST"));
        for (const char *key : {"COUNT", "UNTIL"}) {
            if (parts.contains(QString::fromLatin1(key)))
                refuse(QString::fromLatin1(key), parts.value(QString::fromLatin1(key)));
        }
        // Checks the part this frequency may have, if it is there; anything
        // left over is refused afterwards. The values themselves come with
        // the occurrences.
        const auto check = [&](const char *key, int min, int max) {
            const QString text = parts.take(QString::fromLatin1(key));
            if (!text.isEmpty() && !singleNumber(text, min, max))
                refuse(QString::fromLatin1(key), text);
            return text;
        };
        const auto days = [&](const QString &text) {
            const std::optional<std::array<bool, 7>> flags = plainDays(text);
            if (!flags)
                refuse(QStringLiteral("BYDAY"), text);
            return *flags;
        };
        if (frequency == QLatin1String("HOURLY")) {
            shape.frequency = Frequency::Hourly;
            check("BYMINUTE", 0, 59);
            check("BYSECOND", 0, 59);
        } else if (frequency == QLatin1String("DAILY")) {
            shape.frequency = Frequency::Daily;
            // Daily on some days of the week is weekly on them.
            if (const QString text = parts.take(QStringLiteral("BYDAY")); !text.isEmpty()) {
                shape.frequency = Frequency::Weekly;
                shape.days = days(text);
            }
        } else if (frequency == QLatin1String("WEEKLY")) {
            shape.frequency = Frequency::Weekly;
            const QString text = parts.take(QStringLiteral("BYDAY"));
            if (text.isEmpty())
                shape.days[std::size_t(startDate.dayOfWeek() % 7)] = true;
            else
                shape.days = days(text);
        } else if (frequency == QLatin1String("MONTHLY")) {
            shape.frequency = Frequency::Monthly;
            check("BYMONTHDAY", 1, 31);
        } else if (frequency == QLatin1String("YEARLY")) {
            shape.frequency = Frequency::Yearly;
            const QString month = check("BYMONTH", 1, 12);
            const QString day = check("BYMONTHDAY", 1, 31);
            if (!day.isEmpty() && month.isEmpty())
                refuse(QStringLiteral("BYMONTHDAY"), day);
            // 2024 has every day of every month, 29 February too.
            if (!month.isEmpty() &&
                !QDate(2024, month.toInt(), day.isEmpty() ? startDate.day() : day.toInt()).isValid())
                refuse(QStringLiteral("BYMONTHDAY"), day);
        } else {
            refuse(QStringLiteral("FREQ"), frequency);
        }
        if (!parts.isEmpty())
            refuse(parts.firstKey(), parts.first());
        return shape;
    }
};

// The occurrences of a repeating event on its own clock, in order, as
// libical's expander gives them (a start its rule does not give is none).
class Occurrences
{
public:
    Occurrences(const icalrecurrencetype &rule, const icaltimetype &start, const QDateTime &skipTo, int &stepsLeft)
        : m_iterator(icalrecur_iterator_new(rule, start)), m_stepsLeft(stepsLeft)
    {
        // The rules an alarm can hold are the same wherever they are taken
        // up: an old event starts near the present instead of years back.
        if (m_iterator && skipTo > wallOf(start)) {
            const QDateTime from =
                ScheduleRules::wallMoment(skipTo.date(), QTime(start.hour, start.minute, start.second));
            icalrecur_iterator_set_start(m_iterator, icalWall(from, const_cast<icaltimezone *>(start.zone)));
        }
    }
    ~Occurrences()
    {
        if (m_iterator)
            icalrecur_iterator_free(m_iterator);
    }
    Occurrences(const Occurrences &) = delete;
    Occurrences &operator=(const Occurrences &) = delete;

    std::optional<QDateTime> next()
    {
        if (!m_iterator)
            return std::nullopt;
        if (++m_steps > kMostStepsPerEvent || --m_stepsLeft < 0) {
            throw AppError(QCoreApplication::translate(
                "AlarmCalendar", "left unread: its rule takes more work to follow than an import may spend"));
        }
        const icaltimetype t = icalrecur_iterator_next(m_iterator);
        if (icaltime_is_null_time(t))
            return std::nullopt;
        return wallOf(t);
    }

private:
    icalrecur_iterator *m_iterator;
    int m_steps = 0;
    int &m_stepsLeft;
};

// One ringing of the event ahead: when its occurrence starts on the event's
// clock, and when it rings on the local one.
struct Ringing
{
    QDateTime occurrence;
    QDateTime local;
    bool operator<(const Ringing &other) const { return local < other.local; }
};

// What a row with this state rings after `after` up to `end` against what it
// should ring: the state that makes them one, or the first moment they differ.
struct Fit
{
    std::optional<AlarmState> state;
    QDateTime firstDifference;
};

Fit fit(const ScheduleRules::RowKeys &keys, const std::vector<Ringing> &due, const QDateTime &after,
        const QDateTime &end)
{
    Fit result;
    if (due.empty())
        return result;
    const QDateTime from = after.addSecs(1);
    AlarmState state;
    // What rings before the first occurrence ahead: one ringing is skipped;
    // more, on earlier days, wait paused for its day (an event that starts
    // later, or whose next days are excluded), and one on that day is skipped.
    const QDateTime firstDue = due.front().local;
    if (const std::optional<QDateTime> early = ScheduleRules::firstDueAtOrAfter(keys, from);
        early && *early < firstDue) {
        const std::optional<QDateTime> second = ScheduleRules::firstDueAtOrAfter(keys, early->addSecs(1));
        if (second && *second < firstDue && early->date() < firstDue.date()) {
            state.pausedUntil = firstDue.date();
            if (const std::optional<QDateTime> onThatDay = state.firstRingingAtOrAfter(keys, from);
                onThatDay && *onThatDay < firstDue)
                state.skippedDue = *onThatDay;
        } else {
            state.skippedDue = *early;
        }
    }
    std::optional<QDateTime> ringing = state.firstRingingAtOrAfter(keys, from);
    for (const Ringing &expected : due) {
        if (!ringing || *ringing != expected.local) {
            result.firstDifference = ringing ? std::min(*ringing, expected.local) : expected.local;
            return result;
        }
        ringing = state.firstRingingAtOrAfter(keys, ringing->addSecs(1));
    }
    if (ringing && *ringing <= end) {
        result.firstDifference = *ringing;
        return result;
    }
    result.state = state;
    return result;
}

ScheduleRules::RowKeys keysOf(const AlarmRecord &record)
{
    ScheduleRules::RowKeys keys;
    keys.frequencyName = frequencyNames().value(record.frequencyCode);
    keys.keyTime = record.alarmTime;
    keys.keyDay = record.alarmDate.day();
    keys.keyMonth = record.alarmDate.month();
    keys.keyYear = record.alarmDate.year();
    keys.weekdayMask = record.weekdayMask();
    return keys;
}

QString listOf(QList<QDateTime> moments)
{
    std::sort(moments.begin(), moments.end());
    QStringList texts;
    for (const QDateTime &moment : moments)
        texts << moment.toString(kWallFormat);
    constexpr int kListed = 5;
    if (texts.size() > kListed) {
        const qsizetype more = texts.size() - kListed;
        texts = texts.mid(0, kListed);
        texts << QCoreApplication::translate("AlarmCalendar", "and %n more", nullptr, int(more));
    }
    return texts.join(QStringLiteral(", "));
}

QString quotedSummary(icalcomponent *event)
{
    const char *summary = icalcomponent_get_summary(event);
    const QString name = QString::fromUtf8(summary ? summary : "").section(u'\n', 0, 0).trimmed();
    return name.isEmpty() ? QCoreApplication::translate("AlarmCalendar", "an untitled series") : u'"' + name + u'"';
}

QByteArray uidOf(icalcomponent *event)
{
    const char *uid = icalcomponent_get_uid(event);
    return QByteArray(uid ? uid : "");
}

bool changesOneOccurrence(icalcomponent *event)
{
    return icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
}

// What the reminder text of an event is: its summary; failing that, what its
// alarm or its description says.
QString textOf(icalcomponent *event)
{
    QString text;
    if (const char *summary = icalcomponent_get_summary(event))
        text = QString::fromUtf8(summary);
    if (text.trimmed().isEmpty()) {
        icalcomponent *valarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
        icalproperty *said = valarm ? icalcomponent_get_first_property(valarm, ICAL_DESCRIPTION_PROPERTY) : nullptr;
        if (said && icalproperty_get_description(said))
            text = QString::fromUtf8(icalproperty_get_description(said));
    }
    if (text.trimmed().isEmpty()) {
        if (const char *description = icalcomponent_get_description(event))
            text = QString::fromUtf8(description);
    }
    text.remove(u'\r');
    return text;
}

// What an event's EXDATEs and changed occurrences (RECURRENCE-ID) take out of
// its rule, each by the occurrence it replaces on the event's clock, and
// where a changed one rings instead on the local clock.
struct Exceptions
{
    QSet<QDateTime> excluded;
    QSet<QDate> excludedDays; // EXDATE;VALUE=DATE takes out the whole day
    QList<QDateTime> exclusions;
    QList<std::pair<QDateTime, std::optional<QDateTime>>> changes;

    static Exceptions of(icalcomponent *event, const QList<icalcomponent *> &changedOccurrences,
                         const EventClock &clock, const Reminder &reminder, const QByteArray &zoneId,
                         bool timesAreLocal)
    {
        Exceptions exceptions;
        for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype value = icalproperty_get_exdate(p);
            if (value.is_date) {
                exceptions.excludedDays.insert(QDate(value.year, value.month, value.day));
                exceptions.exclusions << wallOf(value);
                continue;
            }
            icaltimezone *valueZone = zoneOf(p, value, event);
            exceptions.exclusions << clock.onThisClock(value, valueZone ? valueZone : clock.zone());
            exceptions.excluded.insert(exceptions.exclusions.last());
        }
        for (icalcomponent *change : changedOccurrences) {
            icalproperty *idProperty = icalcomponent_get_first_property(change, ICAL_RECURRENCEID_PROPERTY);
            if (icalproperty_get_first_parameter(idProperty, ICAL_RANGE_PARAMETER))
                throw AppError(QStringLiteral("RECURRENCE-ID;RANGE=THISANDFUTURE"));
            const icaltimetype id = icalproperty_get_recurrenceid(idProperty);
            icaltimezone *idZone = zoneOf(idProperty, id, event);
            const QDateTime occurrence = clock.onThisClock(id, idZone ? idZone : clock.zone());
            std::optional<QDateTime> movedTo;
            const icaltimetype changedStart = icalcomponent_get_dtstart(change);
            if (icalcomponent_get_status(change) != ICAL_STATUS_CANCELLED && !icaltime_is_null_time(changedStart) &&
                !changedStart.is_date) {
                icalproperty *startProperty = icalcomponent_get_first_property(change, ICAL_DTSTART_PROPERTY);
                const EventClock changedClock(zoneOf(startProperty, changedStart, change), zoneId, timesAreLocal);
                // A change without reminders of its own keeps the series' one.
                const Reminder changedReminder =
                    icalcomponent_get_first_component(change, ICAL_VALARM_COMPONENT) ? Reminder::of(change) : reminder;
                movedTo = changedClock.toLocal(wallOf(changedStart).addSecs(changedReminder.offsetSeconds));
            }
            exceptions.changes.append({occurrence, movedTo});
        }
        return exceptions;
    }

    bool excludes(const QDateTime &occurrence) const
    {
        return excluded.contains(occurrence) || excludedDays.contains(occurrence.date());
    }

    std::optional<QDateTime> latest() const
    {
        std::optional<QDateTime> latest;
        for (const QDateTime &occurrence : exclusions)
            latest = std::max(latest.value_or(occurrence), occurrence);
        for (const auto &change : changes)
            latest = std::max(latest.value_or(change.first), change.first);
        return latest;
    }
};

} // namespace

ForeignEvents::ForeignEvents(const std::vector<icalcomponent *> &events, const QByteArray &zoneId, const QDateTime &now)
    : m_zoneId(zoneId), m_now(now), m_stepsLeft(kMostStepsPerImport)
{
    for (icalcomponent *event : events) {
        const QByteArray uid = uidOf(event);
        if (uid.isEmpty())
            continue;
        if (changesOneOccurrence(event))
            m_changes.insert(uid, event);
        else if (!m_series.contains(uid))
            m_series.insert(uid, event);
    }
}

ImportedAlarm ForeignEvents::alarmOf(icalcomponent *event) const
{
    if (changesOneOccurrence(event))
        throw AppError(changedOccurrenceReason(event));
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
        throw AppError(QCoreApplication::translate("AlarmCalendar", "cancelled"));
    auto found = m_read.find(event);
    if (found == m_read.end()) {
        std::pair<ImportedAlarm, QString> read;
        try {
            read.first = seriesAlarm(event);
        } catch (const AppError &why) {
            read.second = why.message();
        }
        found = m_read.emplace(event, std::move(read)).first;
    }
    if (!found->second.second.isEmpty())
        throw AppError(found->second.second);
    return found->second.first;
}

QString ForeignEvents::changedOccurrenceReason(icalcomponent *change) const
{
    const icaltimetype id = icalcomponent_get_recurrenceid(change);
    const QString when = wallOf(id).toString(id.is_date ? QStringLiteral("yyyy-MM-dd") : kWallFormat);
    icalcomponent *series = m_series.value(uidOf(change));
    if (!series) {
        return QCoreApplication::translate("AlarmCalendar",
                                           "a change to the occurrence of %1 of a series that is not in this calendar")
            .arg(when);
    }
    const QString name = quotedSummary(series);
    if (isPast(change)) {
        return QCoreApplication::translate("AlarmCalendar", "a change to the occurrence of %1 of %2, already past")
            .arg(when, name);
    }
    try {
        alarmOf(series);
    } catch (const AppError &) {
        return QCoreApplication::translate("AlarmCalendar", "a change to the occurrence of %1 of %2, which is skipped")
            .arg(when, name);
    }
    return QCoreApplication::translate("AlarmCalendar",
                                       "a change to the occurrence of %1 of %2, held in the alarm of that series")
        .arg(when, name);
}

bool ForeignEvents::isPast(icalcomponent *change) const
{
    const QDateTime now = ScheduleRules::wallMomentOf(m_now);
    const auto passed = [&](icalproperty_kind kind) {
        icalproperty *property = icalcomponent_get_first_property(change, kind);
        if (!property)
            return true;
        const icaltimetype value =
            kind == ICAL_DTSTART_PROPERTY ? icalcomponent_get_dtstart(change) : icalproperty_get_recurrenceid(property);
        const EventClock clock(zoneOf(property, value, change), m_zoneId, false);
        return clock.toLocal(wallOf(value)) <= now;
    };
    try {
        return passed(ICAL_RECURRENCEID_PROPERTY) &&
               (icalcomponent_get_status(change) == ICAL_STATUS_CANCELLED || passed(ICAL_DTSTART_PROPERTY));
    } catch (const AppError &) {
        return false;
    }
}

ImportedAlarm ForeignEvents::seriesAlarm(icalcomponent *event) const
{
    icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start))
        throw AppError(QCoreApplication::translate("AlarmCalendar", "no start time"));
    if (start.is_date)
        throw AppError(QCoreApplication::translate("AlarmCalendar", "an all-day event, with no time to ring at"));
    if (icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY))
        throw AppError(QStringLiteral("RDATE"));
    // KAlarm keeps its archived alarms and its templates beside the active
    // ones, marks alarms that ring at the start of a day rather than at a
    // time, and alarms whose time is the local one whatever the TZID says.
    const std::optional<QString> kalarmType = otherProperty(event, "X-KDE-KALARM-TYPE");
    if (kalarmType && !kalarmType->startsWith(QLatin1String("ACTIVE"), Qt::CaseInsensitive))
        throw AppError(QCoreApplication::translate("AlarmCalendar", "a KAlarm %1 alarm, not an active one")
                           .arg(kalarmType->section(u';', 0, 0).toLower()));
    const QStringList kalarmFlags = otherProperty(event, "X-KDE-KALARM-FLAGS").value_or(QString()).split(u';');
    if (kalarmFlags.contains(QLatin1String("DATE"), Qt::CaseInsensitive))
        throw AppError(
            QCoreApplication::translate("AlarmCalendar", "a date-only KAlarm alarm, with no time to ring at"));
    if (icalcomponent_count_properties(event, ICAL_RRULE_PROPERTY) > 1)
        throw AppError(QCoreApplication::translate("AlarmCalendar", "more than one RRULE"));
    const bool kalarmLocal = kalarmFlags.contains(QLatin1String("LOCAL"), Qt::CaseInsensitive);
    icaltimezone *zone =
        kalarmLocal ? nullptr : zoneOf(icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY), start, event);
    start.zone = zone;
    const EventClock clock(zone, m_zoneId, kalarmLocal);
    const Reminder reminder = Reminder::of(event);
    const QDateTime now = ScheduleRules::wallMomentOf(m_now);
    const auto ringsAt = [&reminder](const QDateTime &occurrence) {
        return occurrence.addSecs(reminder.offsetSeconds);
    };

    ImportedAlarm alarm;
    AlarmRecord &r = alarm.record;
    r = AlarmRecord::newAlarm(m_now);
    const QString text = textOf(event);
    alarm.caption = text.section(u'\n', 0, 0);
    // As the editor keeps a reminder typed without a final line break.
    r.reminder = text;

    icalproperty *ruleProperty = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!ruleProperty) {
        QDateTime local = clock.toLocal(ringsAt(wallOf(start)));
        if (reminder.moment) {
            const QDateTime atMoment = clock.localWallOf(*reminder.moment);
            local = reminder.hasOffset ? std::min(local, atMoment) : atMoment;
        }
        if (local <= now)
            throw AppError(QCoreApplication::translate("AlarmCalendar", "already past"));
        r.frequencyCode = int(Frequency::Once);
        r.alarmDate = local.date();
        r.alarmTime = local.time();
        return alarm;
    }
    if (reminder.moment) {
        throw AppError(QCoreApplication::translate(
            "AlarmCalendar", "TRIGGER;VALUE=DATE-TIME: a reminder at one moment of a repeating event"));
    }
    const icalrecurrencetype rule = icalproperty_get_rrule(ruleProperty);
    const RuleShape shape = RuleShape::of(rule, wallOf(start).date());

    const Exceptions exceptions =
        Exceptions::of(event, m_changes.values(uidOf(event)), clock, reminder, m_zoneId, kalarmLocal);
    const std::optional<QDateTime> latestChange = exceptions.latest();
    // The offset is taken at the next occurrence that rings.
    const auto takenOut = [&](const QDateTime &occurrence) {
        return exceptions.excludes(occurrence) ||
               std::any_of(exceptions.changes.begin(), exceptions.changes.end(), [&](const auto &change) {
                   return change.first == occurrence &&
                          (!change.second || *change.second != clock.toLocal(ringsAt(occurrence)));
               });
    };

    // The occurrences from a little before the present, the local clock's
    // offset against the event's taken at the next of them. On the local
    // clock the alarm's rule and the event's are the same from the first
    // week on, so they are compared through the exclusions and changes; from
    // another zone, through a year, both changes of daylight saving time.
    const QDateTime limit = now.addDays(kDaysAhead);
    const int wanted = clock.isLocal() ? kFewestRingingsCompared : kMostRingingsCompared;
    Occurrences occurrences(rule, start, now.addSecs(-reminder.offsetSeconds).addDays(-3), m_stepsLeft);
    std::vector<QDateTime> ahead; // occurrences on the event's clock
    int upcoming = 0;
    std::optional<qint64> shift;
    QDateTime next; // the next occurrence on the event's clock
    QDateTime nextLocal;
    while (const std::optional<QDateTime> occurrence = occurrences.next()) {
        const QDateTime exact = clock.toLocal(ringsAt(*occurrence));
        if (!shift && exact > now && !takenOut(*occurrence)) {
            shift = ringsAt(*occurrence).secsTo(exact);
            next = *occurrence;
            nextLocal = exact;
        }
        if (exact > now.addDays(-2))
            ahead.push_back(*occurrence);
        if (exact > now)
            ++upcoming;
        const bool changesCompared = !clock.isLocal() || !latestChange || *occurrence > *latestChange;
        if (exact > limit || (upcoming >= wanted && changesCompared))
            break;
    }
    if (!shift)
        throw AppError(QCoreApplication::translate("AlarmCalendar", "already past"));
    const auto fixedLocal = [&](const QDateTime &occurrence) { return ringsAt(occurrence).addSecs(*shift); };

    r.frequencyCode = int(shape.frequency);
    r.alarmDate = nextLocal.date();
    r.alarmTime = nextLocal.time();
    if (shape.frequency == Frequency::Weekly) {
        // The weekdays follow the time: Monday 20:00 in Chicago is Tuesday
        // 03:00 in Berlin.
        const int carry = int(next.date().daysTo(nextLocal.date()));
        for (int day = 0; day < 7; ++day)
            r.dayFlags[std::size_t(((day + carry) % 7 + 7) % 7)] = shape.days[std::size_t(day)];
    }
    const ScheduleRules::RowKeys keys = keysOf(r);

    std::vector<Ringing> plain;
    for (const QDateTime &occurrence : ahead) {
        if (fixedLocal(occurrence) > now)
            plain.push_back({occurrence, fixedLocal(occurrence)});
    }
    const QDateTime end = plain.empty() ? limit : plain.back().local;

    QList<QDateTime> exclusionsAhead;
    for (const QDateTime &occurrence : exceptions.exclusions) {
        if (fixedLocal(occurrence) > now)
            exclusionsAhead << occurrence;
    }
    QSet<QDateTime> changed;
    QList<QDateTime> changesAhead;
    std::vector<Ringing> moved;
    for (const auto &[occurrence, movedTo] : exceptions.changes) {
        // A change that keeps the time (a new summary, say) rings as before.
        if (movedTo && *movedTo == fixedLocal(occurrence))
            continue;
        changed.insert(occurrence);
        if (movedTo && *movedTo > now)
            moved.push_back({occurrence, *movedTo});
        if (fixedLocal(occurrence) > now || (movedTo && *movedTo > now))
            changesAhead << occurrence;
    }

    std::vector<Ringing> full;
    for (const Ringing &ringing : plain) {
        if (!exceptions.excludes(ringing.occurrence) && !changed.contains(ringing.occurrence))
            full.push_back(ringing);
    }
    full.insert(full.end(), moved.begin(), moved.end());
    std::stable_sort(full.begin(), full.end());

    // What lies past the compared stretch can't be held either: the skip and
    // the pause are the alarm's only exceptions, and they come first.
    const auto beyond = [&](const QList<QDateTime> &moments) {
        return std::any_of(moments.begin(), moments.end(),
                           [&](const QDateTime &moment) { return fixedLocal(moment) > end; });
    };
    Fit held = fit(keys, full, now, end);
    if (held.state && (beyond(exclusionsAhead) || beyond(changesAhead)))
        held.state.reset();
    if (!held.state) {
        const Fit ruleAlone = full.size() == plain.size() && exclusionsAhead.isEmpty() && changesAhead.isEmpty()
                                  ? held
                                  : fit(keys, plain, now, end);
        if (!ruleAlone.state) {
            if (plain.empty())
                throw AppError(QCoreApplication::translate("AlarmCalendar", "already past"));
            if (ruleAlone.firstDifference < plain.front().local) {
                throw AppError(QCoreApplication::translate("AlarmCalendar",
                                                           "it starts at %1, and an hourly alarm can wait for the "
                                                           "start of a day only")
                                   .arg(plain.front().local.toString(kWallFormat)));
            }
            throw AppError(
                QCoreApplication::translate("AlarmCalendar", "in %1 its days are not those of one alarm (from %2 on)")
                    .arg(QString::fromUtf8(m_zoneId), ruleAlone.firstDifference.toString(kWallFormat)));
        }
        QStringList why;
        if (!exclusionsAhead.isEmpty()) {
            why << QCoreApplication::translate("AlarmCalendar", "EXDATE: %n excluded day(s) ahead (%1)", nullptr,
                                               int(exclusionsAhead.size()))
                       .arg(listOf(exclusionsAhead));
        }
        if (!changesAhead.isEmpty()) {
            why << QCoreApplication::translate("AlarmCalendar", "RECURRENCE-ID: %n changed occurrence(s) ahead (%1)",
                                               nullptr, int(changesAhead.size()))
                       .arg(listOf(changesAhead));
        }
        throw AppError(why.join(QStringLiteral("; ")));
    }
    alarm.state = *held.state;

    // Where the event's zone changes its clock on other days than the local
    // one, the alarm keeps the local time of the next occurrence.
    if (!clock.isLocal()) {
        for (const Ringing &ringing : full) {
            if (changed.contains(ringing.occurrence))
                continue;
            const QDateTime exact = clock.toLocal(ringsAt(ringing.occurrence));
            const bool differs = shape.frequency == Frequency::Hourly
                                     ? exact.time().minute() != ringing.local.time().minute() ||
                                           exact.time().second() != ringing.local.time().second()
                                     : exact != ringing.local;
            if (differs) {
                alarm.note = QCoreApplication::translate(
                                 "AlarmCalendar", "keeps its local time %1 from now on, though the offset between %2 "
                                                  "and %3 changes: on %4 the event is at %5 here")
                                 .arg(nextLocal.time().toString(QStringLiteral("HH:mm")), clock.name(),
                                      QString::fromUtf8(m_zoneId), exact.date().toString(Qt::ISODate),
                                      exact.time().toString(QStringLiteral("HH:mm")));
                break;
            }
        }
    }
    return alarm;
}
