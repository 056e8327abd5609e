#include "alarmcalendar.h"

#include "alarmchoices.h"
#include "alarmfile.h"
#include "apperror.h"
#include "foreignevents.h"
#include "schedulerules.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimeZone>
#include <QUrl>
#include <QUuid>
#include <algorithm>
#include <functional>
#include <libical/ical.h>
#include <memory>
#include <optional>

namespace {

struct ComponentDeleter
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

const char kProductId[] = "-//Chronelle//Chronelle alarm clock//EN";
// Every own event carries its frequency code: the mark of an event that
// comes back exactly.
const char kFrequency[] = "X-CHRONELLE-FREQUENCY";
const char kTime[] = "X-CHRONELLE-TIME";
const char kDate[] = "X-CHRONELLE-DATE";
const char kDays[] = "X-CHRONELLE-DAYS";
const char kSong[] = "X-CHRONELLE-SONG";
const char kClosing[] = "X-CHRONELLE-CLOSING";
const char kCaption[] = "X-CHRONELLE-CAPTION";
const char kReminder[] = "X-CHRONELLE-REMINDER";
const char kEnabled[] = "X-CHRONELLE-ENABLED";
const char kSkipped[] = "X-CHRONELLE-SKIPPED";
const char kPausedUntil[] = "X-CHRONELLE-PAUSED-UNTIL";

// The settings that are one number or one switch, by the property that carries each.
struct NumberField
{
    const char *name;
    int AlarmRecord::*member;
};
const NumberField kNumberFields[] = {
    {"X-CHRONELLE-SOUND", &AlarmRecord::soundNumber},
    {"X-CHRONELLE-SOUND-MINUTES", &AlarmRecord::soundMinutes},
    {"X-CHRONELLE-FADE-IN-MINUTES", &AlarmRecord::fadeInMinutes},
    {"X-CHRONELLE-FADE-OUT-MINUTES", &AlarmRecord::fadeOutMinutes},
    {"X-CHRONELLE-SNOOZE-MINUTES", &AlarmRecord::snoozeMinutes},
    {"X-CHRONELLE-AUTO-SNOOZE-MINUTES", &AlarmRecord::autoSnoozeMinutes},
    {"X-CHRONELLE-VOLUME", &AlarmRecord::volume},
    {"X-CHRONELLE-AUTO-CLOSE-MINUTES", &AlarmRecord::autoCloseMinutes},
    {"X-CHRONELLE-POWER-ACTION", &AlarmRecord::powerAction},
};
struct SwitchField
{
    const char *name;
    bool AlarmRecord::*member;
};
const SwitchField kSwitchFields[] = {
    {"X-CHRONELLE-PLAY-LIST", &AlarmRecord::playListOn},     {"X-CHRONELLE-SOUND-ON", &AlarmRecord::soundOn},
    {"X-CHRONELLE-FADE-IN", &AlarmRecord::fadeInOn},         {"X-CHRONELLE-FADE-OUT", &AlarmRecord::fadeOutOn},
    {"X-CHRONELLE-AUTO-SNOOZE", &AlarmRecord::autoSnoozeOn},
};

const char *const kDayCodes[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"}; // Sunday first, as the masks

QString flagText(bool on)
{
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

template <std::size_t N> QString flagsText(const std::array<bool, N> &flags)
{
    QString text;
    for (bool on : flags)
        text += on ? u'1' : u'0';
    return text;
}

// libical's reader takes an X- property without a value for an error and
// drops it: an empty value (a play-list entry of an empty line) goes out as
// a stand-in marked with this parameter.
const char kEmpty[] = "X-CHRONELLE-EMPTY";

void addProperty(icalcomponent *event, const char *name, const QString &value)
{
    icalproperty *property = icalproperty_new_x(value.isEmpty() ? "-" : value.toUtf8().constData());
    icalproperty_set_x_name(property, name);
    if (value.isEmpty()) {
        icalparameter *empty = icalparameter_new_x("TRUE");
        icalparameter_set_xname(empty, kEmpty);
        icalproperty_add_parameter(property, empty);
    }
    icalcomponent_add_property(event, property);
}

bool markedEmpty(icalproperty *property)
{
    for (icalparameter *p = icalproperty_get_first_parameter(property, ICAL_X_PARAMETER); p;
         p = icalproperty_get_next_parameter(property, ICAL_X_PARAMETER)) {
        const char *name = icalparameter_get_xname(p);
        if (name && qstricmp(name, kEmpty) == 0)
            return true;
    }
    return false;
}

// The zone the times of an export are written in: a zone with its IANA
// name (its VTIMEZONE goes with them), UTC, or none at all (floating times:
// the alarm's wall-clock time wherever the file is read).
struct OutputZone
{
    QByteArray tzid;
    bool utc = false;
};

// A date-time property at a wall-clock moment in the export's zone. The TZID
// is the plain IANA name, as other programs write it: libical 3.0 puts its
// own prefix before the names of its built-in zones, and an empty prefix
// only brings its default back, so the parameter is written here.
icalproperty *atWallTime(icalproperty *property, const QDateTime &wall, const OutputZone &zone)
{
    icaltimetype t = icaltime_null_time();
    t.year = wall.date().year();
    t.month = wall.date().month();
    t.day = wall.date().day();
    t.hour = wall.time().hour();
    t.minute = wall.time().minute();
    t.second = wall.time().second();
    t.is_date = 0;
    if (zone.utc)
        t = icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
    icalproperty_set_value(property, icalvalue_new_datetime(t));
    if (!zone.tzid.isEmpty())
        icalproperty_add_parameter(property, icalparameter_new_tzid(zone.tzid.constData()));
    return property;
}

// What a calendar program reads of an alarm: when the series starts, the
// rule that repeats it, the one ringing it leaves out, and whether it rings
// at all. No rule for an alarm that rings once or never again.
struct Schedule
{
    QDateTime start; // wall clock
    QString rule;
    std::optional<QDateTime> excluded;
    bool rings = false;
};

// The rule of the row's frequency from its first occurrence on; nothing for
// a row that rings once (its start alone) or never (not even a start).
Schedule plainSchedule(const ScheduleRules::RowKeys &keys)
{
    const QDate keyDate(keys.keyYear, keys.keyMonth, keys.keyDay);
    const QDateTime anchor = ScheduleRules::wallMoment(keyDate, keys.keyTime);
    QString rule;
    switch (Frequency(frequencyNames().indexOf(keys.frequencyName))) {
    case Frequency::Once:
        return {anchor, {}, {}, true};
    case Frequency::Hourly:
        rule =
            QStringLiteral("FREQ=HOURLY;BYMINUTE=%1;BYSECOND=%2").arg(keys.keyTime.minute()).arg(keys.keyTime.second());
        break;
    case Frequency::Daily:
        rule = QStringLiteral("FREQ=DAILY");
        break;
    case Frequency::Weekly: {
        QStringList days;
        for (int day = 0; day < 7; ++day) {
            if (keys.weekdayMask.mid(day, 1) == u'1')
                days << QString::fromLatin1(kDayCodes[day]);
        }
        rule = QStringLiteral("FREQ=WEEKLY;BYDAY=") + days.join(u',');
        break;
    }
    case Frequency::Monthly:
        rule = QStringLiteral("FREQ=MONTHLY;BYMONTHDAY=%1").arg(keys.keyDay);
        break;
    case Frequency::Yearly:
        rule = QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYMONTHDAY=%2").arg(keys.keyMonth).arg(keys.keyDay);
        break;
    default:
        return {anchor, {}, {}, false};
    }
    // The first occurrence starts the series: a start the rule does not
    // hold would count as one more.
    const std::optional<QDateTime> first =
        ScheduleRules::firstDueAtOrAfter(keys, ScheduleRules::wallMoment(keyDate, QTime(0, 0)));
    if (!first)
        return {anchor, {}, {}, false};
    return {*first, rule, {}, true};
}

// The schedule a reader rings as this program does: an alarm switched off
// rings nothing, a pause starts the series at its first ringing after the
// pause, and a skipped ringing is left out of the rule.
Schedule scheduleOf(const CatalogueRow &row, const AlarmRecord &record, const AlarmState &state)
{
    ScheduleRules::RowKeys keys;
    try {
        keys = ScheduleRules::parse(row);
    } catch (const AppError &) {
        // A row the scheduler can't read never rings; the event still needs a start.
        return {ScheduleRules::wallMoment(record.alarmDate, record.alarmTime), {}, {}, false};
    }
    Schedule schedule = plainSchedule(keys);
    schedule.rings = schedule.rings && state.enabled;
    if (state.pausedUntil && schedule.rings) {
        const QDateTime pauseEnds = ScheduleRules::wallMoment(*state.pausedUntil, QTime(0, 0));
        if (schedule.rule.isEmpty()) {
            schedule.rings = schedule.start >= pauseEnds;
        } else if (schedule.start < pauseEnds) {
            const std::optional<QDateTime> first = ScheduleRules::firstDueAtOrAfter(keys, pauseEnds);
            first ? void(schedule.start = *first) : void(schedule.rings = false);
        }
    }
    if (state.skippedDue && schedule.rings && *state.skippedDue >= schedule.start) {
        if (schedule.rule.isEmpty())
            schedule.rings = *state.skippedDue != schedule.start;
        else
            schedule.excluded = state.skippedDue;
    }
    return schedule;
}

// iCalendar's text values carry no carriage return or other control
// character; the exact text goes out besides in a property of its own.
QString plainText(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if ((c.unicode() >= 0x20 && c != u'\x7f') || c == u'\n' || c == u'\t')
            plain += c;
    }
    return plain;
}

// DTSTART of the event. A single ringing is written as the instant it rings,
// read on the zone's clock: other readers take a time the clock skips with
// the offset before the change (an hour late) where this program rings as
// the clock jumps, and both take a repeated time at its first pass. A
// series keeps its wall-clock time, which every later ringing repeats.
QDateTime startOnTheZonesClock(const Schedule &schedule, const OutputZone &zone)
{
    if (!schedule.rule.isEmpty() || zone.tzid.isEmpty() || zone.utc)
        return schedule.start;
    const QDateTime rings = ScheduleRules::ringInstant(schedule.start, QTimeZone(zone.tzid));
    return rings.isValid() ? ScheduleRules::wallMomentOf(rings) : schedule.start;
}

// The alarm's event, for the caller to add to the calendar or free.
icalcomponent *eventOf(const ExportedAlarm &alarm, const OutputZone &zone, const QDateTime &now)
{
    const AlarmRecord &r = alarm.record;
    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(AlarmCalendar::exportedUid(alarm.row).toUtf8()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
                                          now.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone())));
    Schedule schedule = scheduleOf(alarm.row, r, alarm.state);
    // A record without a valid date leaves the event no start of its own: it
    // gets the export's, and rings never, as such an alarm doesn't.
    if (!schedule.start.isValid())
        schedule = {ScheduleRules::wallMomentOf(now), {}, {}, false};
    icalcomponent_add_property(event, atWallTime(icalproperty_new(ICAL_DTSTART_PROPERTY), startOnTheZonesClock(schedule, zone), zone));
    if (!schedule.rule.isEmpty()) {
        icalcomponent_add_property(
            event, icalproperty_new_rrule(icalrecurrencetype_from_string(schedule.rule.toLatin1().constData())));
    }
    if (schedule.excluded)
        icalcomponent_add_property(event, atWallTime(icalproperty_new(ICAL_EXDATE_PROPERTY), *schedule.excluded, zone));
    // An empty text is no text: libical's reader takes an empty value for an error.
    const QString summary = plainText(alarm.row.caption);
    if (!summary.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_summary(summary.toUtf8().constData()));
    const QString description = plainText(r.reminder);
    if (!description.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_description(description.toUtf8().constData()));
    if (summary != alarm.row.caption)
        addProperty(event, kCaption, QString::fromLatin1(QUrl::toPercentEncoding(alarm.row.caption)));
    if (description != r.reminder)
        addProperty(event, kReminder, QString::fromLatin1(QUrl::toPercentEncoding(r.reminder)));

    addProperty(event, kFrequency, QString::number(r.frequencyCode));
    addProperty(event, kTime, r.alarmTime.toString(QStringLiteral("HHmmss")));
    addProperty(event, kDate, r.alarmDate.toString(QStringLiteral("yyyyMMdd")));
    addProperty(event, kDays, flagsText(r.dayFlags));
    for (const SwitchField &field : kSwitchFields)
        addProperty(event, field.name, flagText(r.*field.member));
    for (const QString &song : r.playList)
        addProperty(event, kSong, song);
    for (const NumberField &field : kNumberFields)
        addProperty(event, field.name, QString::number(r.*field.member));
    addProperty(event, kClosing, flagsText(r.closingFlags));
    addProperty(event, kEnabled, flagText(alarm.state.enabled));
    if (alarm.state.skippedDue)
        addProperty(event, kSkipped, alarm.state.skippedDue->toString(QStringLiteral("yyyyMMddHHmmss")));
    if (alarm.state.pausedUntil)
        addProperty(event, kPausedUntil, alarm.state.pausedUntil->toString(QStringLiteral("yyyyMMdd")));

    // What a calendar program shows at the alarm's time; an alarm that does
    // not ring (switched off, paused past its end) has none.
    if (schedule.rings) {
        icalcomponent *reminder = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(reminder, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        icalcomponent_add_property(reminder, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(
            reminder, icalproperty_new_description(summary.isEmpty() ? "Chronelle" : summary.toUtf8().constData()));
        icalcomponent_add_component(event, reminder);
    }
    return event;
}

// The X- properties of one event, by name, in their order.
class OwnProperties
{
public:
    explicit OwnProperties(icalcomponent *event)
    {
        for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
            const char *name = icalproperty_get_x_name(p);
            const char *value = icalproperty_get_x(p);
            if (name && QByteArray(name).startsWith("X-CHRONELLE-"))
                m_values.append({QByteArray(name), markedEmpty(p) ? QString() : QString::fromUtf8(value ? value : "")});
        }
    }
    bool has(const char *name) const { return bool(first(name)); }
    std::optional<QString> first(const char *name) const
    {
        for (const auto &[key, value] : m_values) {
            if (key == name)
                return value;
        }
        return std::nullopt;
    }
    QStringList all(const char *name) const
    {
        QStringList values;
        for (const auto &[key, value] : m_values) {
            if (key == name)
                values << value;
        }
        return values;
    }
    // The value of a property every own event has; AppError names it when
    // it is missing or fails `check`.
    QString required(const char *name, const std::function<bool(const QString &)> &check) const
    {
        const std::optional<QString> value = first(name);
        if (!value || !check(*value))
            throw AppError(QCoreApplication::translate("AlarmCalendar", "a damaged %1").arg(QString::fromLatin1(name)));
        return *value;
    }

private:
    QList<std::pair<QByteArray, QString>> m_values;
};

bool isFlag(const QString &text)
{
    return text == QLatin1String("TRUE") || text == QLatin1String("FALSE");
}

bool isInteger(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

template <std::size_t N> bool isFlags(const QString &text)
{
    return text.size() == qsizetype(N) &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'0' || c == u'1'; });
}

template <std::size_t N> std::array<bool, N> flagsOf(const QString &text)
{
    std::array<bool, N> flags{};
    for (std::size_t i = 0; i < N; ++i)
        flags[i] = text[qsizetype(i)] == u'1';
    return flags;
}

QString fromPercentEncoding(const QString &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toLatin1()));
}

// An event this program wrote, taken back exactly.
ImportedAlarm ownAlarm(icalcomponent *event, const OwnProperties &own)
{
    ImportedAlarm alarm;
    AlarmRecord &r = alarm.record;
    r.frequencyCode = own.required(kFrequency, isInteger).toInt();
    const auto valid = [](const QString &format) {
        return [format](const QString &text) {
            return text.size() == format.size() && (format.size() == 6 ? QTime::fromString(text, format).isValid()
                                                                       : QDate::fromString(text, format).isValid());
        };
    };
    r.alarmTime = QTime::fromString(own.required(kTime, valid(QStringLiteral("HHmmss"))), QStringLiteral("HHmmss"));
    r.alarmDate = QDate::fromString(own.required(kDate, valid(QStringLiteral("yyyyMMdd"))), QStringLiteral("yyyyMMdd"));
    r.dayFlags = flagsOf<7>(own.required(kDays, isFlags<7>));
    for (const SwitchField &field : kSwitchFields)
        r.*field.member = own.required(field.name, isFlag) == QLatin1String("TRUE");
    r.playList = own.all(kSong);
    for (const NumberField &field : kNumberFields)
        r.*field.member = own.required(field.name, isInteger).toInt();
    r.closingFlags = flagsOf<3>(own.required(kClosing, isFlags<3>));
    const char *description = icalcomponent_get_description(event);
    r.reminder = own.has(kReminder) ? fromPercentEncoding(*own.first(kReminder))
                                    : QString::fromUtf8(description ? description : "");
    const char *summary = icalcomponent_get_summary(event);
    alarm.caption =
        own.has(kCaption) ? fromPercentEncoding(*own.first(kCaption)) : QString::fromUtf8(summary ? summary : "");

    alarm.state.enabled = own.required(kEnabled, isFlag) == QLatin1String("TRUE");
    if (own.has(kSkipped)) {
        const QDateTime skipped = QDateTime::fromString(*own.first(kSkipped), QStringLiteral("yyyyMMddHHmmss"));
        if (!skipped.isValid())
            throw AppError(
                QCoreApplication::translate("AlarmCalendar", "a damaged %1").arg(QString::fromLatin1(kSkipped)));
        alarm.state.skippedDue = ScheduleRules::wallMoment(skipped.date(), skipped.time());
    }
    if (own.has(kPausedUntil)) {
        const QDate until = QDate::fromString(*own.first(kPausedUntil), QStringLiteral("yyyyMMdd"));
        if (!until.isValid())
            throw AppError(
                QCoreApplication::translate("AlarmCalendar", "a damaged %1").arg(QString::fromLatin1(kPausedUntil)));
        alarm.state.pausedUntil = until;
    }
    return alarm;
}

// How an event is named where it is said to be skipped.
QString nameOf(icalcomponent *event, int index)
{
    const char *summary = icalcomponent_get_summary(event);
    QString name = QString::fromUtf8(summary ? summary : "").section(u'\n', 0, 0).trimmed();
    if (name.isEmpty())
        return QCoreApplication::translate("AlarmCalendar", "Event %1").arg(index);
    if (name.size() > 60)
        name = name.left(59) + u'…';
    return u'"' + name + u'"';
}

std::vector<icalcomponent *> eventsOf(icalcomponent *root)
{
    std::vector<icalcomponent *> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else {
        for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    std::vector<icalcomponent *> events;
    for (icalcomponent *calendar : calendars) {
        for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            events.push_back(e);
    }
    return events;
}

// The event's UID, or empty.
QString uidOf(icalcomponent *event)
{
    const char *uid = icalcomponent_get_uid(event);
    return QString::fromUtf8(uid ? uid : "").trimmed();
}

QString powerActionName(int code)
{
    // Only an action is ever named: "Do nothing" is what is left.
    static const char *const names[] = {
        "",
        QT_TRANSLATE_NOOP("AlarmCalendar", "Turn monitor off"),
        QT_TRANSLATE_NOOP("AlarmCalendar", "Hibernate PC"),
        QT_TRANSLATE_NOOP("AlarmCalendar", "Shut down PC"),
    };
    return code > 0 && code < int(std::size(names)) ? QCoreApplication::translate("AlarmCalendar", names[code])
                                                    : QString::number(code);
}

icaltimezone *localZone(const QByteArray &zoneId)
{
    if (zoneId == "UTC" || zoneId == "Etc/UTC")
        return icaltimezone_get_utc_timezone();
    return icaltimezone_get_builtin_timezone(zoneId.constData());
}

// What libical is given at most. Measured on libical 3.0: its line reader
// takes time that grows with the square of a line's length (1 MiB: 0.3 s,
// 8 MiB: 22 s), and a time in a zone costs about 0.1 ms for every year each
// of the zone's repeating rules spans, from its start on (20 yearly rules
// from the year 1: 4 s). Real calendars stay far below: an event's longest
// line is its description, a zone has a few rules from 1970 on (Outlook's
// from 1601), and nothing nests deeper than an alarm in its event.
constexpr qsizetype kMaxLineBytes = 1024 * 1024;
constexpr int kMaxComponents = 50000;
constexpr int kMaxDepth = 8;
constexpr int kMaxZoneRules = 200;
constexpr int kMaxZoneRuleYears = 20000;
// The years a repeating zone rule is counted to.
constexpr int kZoneRulesCountedTo = 2100;
// What the bounds look at of a line: its name, and a zone rule's start year.
constexpr qsizetype kHeadBytes = 64;

// Refuses, before libical reads it, a text that would keep libical busy for
// long: a line (with its folded continuations) beyond kMaxLineBytes, more
// components than kMaxComponents, components nested deeper than kMaxDepth,
// more time zone rules than kMaxZoneRules or repeating ones that span more
// than kMaxZoneRuleYears together. Returns why, or nothing.
std::optional<QString> beyondBounds(const QByteArray &text)
{
    int lineNumber = 0;
    int logicalLine = 0; // where the line now read began
    qsizetype lineBytes = 0;
    QByteArray head; // the first bytes of the line now read, unfolded
    int depth = 0;
    int components = 0;
    int zoneDepth = 0; // the depth of the VTIMEZONE being read, or 0
    int zoneRules = 0;
    int zoneRuleYears = 0;
    int ruleStartYear = 0; // of the zone rule being read; 0: not known
    bool ruleRepeats = false;
    const auto tooManyZoneRules = [&]() {
        return QCoreApplication::translate("AlarmCalendar",
                                           "The time zones of the calendar have more rules than Chronelle reads (at "
                                           "line %1).")
            .arg(logicalLine);
    };
    const auto lineEnded = [&]() -> std::optional<QString> {
        const QByteArray upper = head.toUpper();
        const bool inZoneRule = zoneDepth != 0 && depth == zoneDepth + 1;
        if (upper.startsWith("BEGIN:")) {
            const QByteArray name = upper.mid(6).trimmed();
            if (++components > kMaxComponents)
                return QCoreApplication::translate("AlarmCalendar",
                                                   "The calendar has more than %1 components (events, alarms, zones "
                                                   "and their parts); Chronelle reads at most that many.")
                    .arg(kMaxComponents);
            if (++depth > kMaxDepth)
                return QCoreApplication::translate("AlarmCalendar",
                                                   "Line %1 of the calendar nests components deeper than %2 levels.")
                    .arg(logicalLine)
                    .arg(kMaxDepth);
            if (name == "VTIMEZONE" && zoneDepth == 0) {
                zoneDepth = depth;
            } else if (zoneDepth != 0 && depth == zoneDepth + 1) {
                if (++zoneRules > kMaxZoneRules)
                    return tooManyZoneRules();
                ruleStartYear = 0;
                ruleRepeats = false;
            }
        } else if (upper.startsWith("END:") && depth > 0) {
            if (inZoneRule && ruleRepeats && ruleStartYear > 0) {
                zoneRuleYears += qMax(0, kZoneRulesCountedTo - ruleStartYear);
                if (zoneRuleYears > kMaxZoneRuleYears)
                    return tooManyZoneRules();
            }
            if (depth-- == zoneDepth)
                zoneDepth = 0;
        } else if (inZoneRule && upper.startsWith("RRULE")) {
            ruleRepeats = true;
        } else if (inZoneRule && upper.startsWith("DTSTART")) {
            const qsizetype colon = upper.indexOf(':');
            bool ok = false;
            const int year = colon < 0 ? 0 : upper.mid(colon + 1, 4).toInt(&ok);
            ruleStartYear = ok ? year : 0;
        }
        return std::nullopt;
    };
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        qsizetype length = end - at;
        if (length > 0 && text[at + length - 1] == '\r')
            --length;
        ++lineNumber;
        const bool continuation = length > 0 && (text[at] == ' ' || text[at] == '\t');
        if (!continuation) {
            if (lineNumber > 1) {
                if (std::optional<QString> why = lineEnded())
                    return why;
            }
            logicalLine = lineNumber;
            lineBytes = 0;
            head.clear();
        }
        const qsizetype from = continuation ? at + 1 : at;
        const qsizetype bytes = at + length - from;
        lineBytes += bytes;
        if (lineBytes > kMaxLineBytes)
            return QCoreApplication::translate(
                       "AlarmCalendar",
                       "Line %1 of the calendar is longer than %2 bytes; Chronelle reads at most that.")
                .arg(logicalLine)
                .arg(kMaxLineBytes);
        if (head.size() < kHeadBytes)
            head += text.mid(from, qMin<qsizetype>(bytes, kHeadBytes - head.size()));
        at = end + 1;
    }
    return lineEnded();
}

// The calendar libical makes of the text, once it is known to be one that
// libical reads in bounded time. Throws AppError saying why not.
Component readCalendar(const QByteArray &data)
{
    if (data.size() > AlarmCalendar::MaxBytes) {
        throw AppError(QCoreApplication::translate(
                           "AlarmCalendar", "The file is %1 bytes long; a calendar of alarms is at most %2 bytes.")
                           .arg(data.size())
                           .arg(AlarmCalendar::MaxBytes));
    }
    QByteArray text = data;
    if (text.startsWith("\xef\xbb\xbf"))
        text.remove(0, 3);
    if (!text.trimmed().toUpper().startsWith("BEGIN:VCALENDAR"))
        throw AppError(QCoreApplication::translate(
            "AlarmCalendar", "This is not an iCalendar file: it does not begin with BEGIN:VCALENDAR."));
    if (const std::optional<QString> why = beyondBounds(text))
        throw AppError(*why);
    Component root(icalparser_parse_string(text.constData()));
    if (!root)
        throw AppError(QCoreApplication::translate("AlarmCalendar",
                                                   "This is not an iCalendar file: it could not be read as one."));
    return root;
}

} // namespace

namespace AlarmCalendar {

QString exportedUid(const CatalogueRow &row)
{
    // The same alarm gets the same UID at every export, so a calendar that
    // reads a second export updates its events instead of doubling them.
    const QByteArray identity = QByteArray::number(row.slot) + '\n' + row.fields().join(u'\n').toUtf8();
    const QUuid uid = QUuid::createUuidV5(QUuid(QStringLiteral("{5b0c1f2e-8d7a-4c39-9a51-3e6f0c2d7b14}")), identity);
    return uid.toString(QUuid::WithoutBraces) + QStringLiteral("@chronelle");
}

CalendarExport exportAlarms(const std::vector<ExportedAlarm> &alarms, const QByteArray &zoneId, const QDateTime &now)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // A zone libical does not know leaves the times floating: the alarm's
    // wall-clock time, wherever it is read.
    OutputZone zone;
    if (icaltimezone *known = localZone(zoneId); known == icaltimezone_get_utc_timezone()) {
        zone.utc = true;
    } else if (known) {
        zone.tzid = zoneId;
        icalcomponent *vtimezone = icalcomponent_new_clone(icaltimezone_get_component(known));
        // The zone's whole history would outweigh the alarms; its rules from
        // 1970 on serve every alarm a person has.
        icaltimezone_truncate_vtimezone(vtimezone, icaltime_from_timet_with_zone(0, 0, icaltimezone_get_utc_timezone()),
                                        icaltime_null_time(), 0);
        icalproperty *tzid = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
        icalproperty_set_tzid(tzid, zoneId.constData());
        icalcomponent_add_component(calendar.get(), vtimezone);
    }
    CalendarExport result;
    for (const ExportedAlarm &alarm : alarms) {
        Component event(eventOf(alarm, zone, now));
        // What this program writes, its reader must take back.
        char *eventText = icalcomponent_as_ical_string_r(event.get());
        const std::optional<QString> why = beyondBounds(QByteArray(eventText));
        icalmemory_free_buffer(eventText);
        if (why)
            result.left << QStringLiteral("\"%1\": %2").arg(alarm.row.caption, *why);
        else
            icalcomponent_add_component(calendar.get(), event.release());
    }
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    result.calendar = QByteArray(text);
    icalmemory_free_buffer(text);
    return result;
}

CalendarImport importAlarms(const QByteArray &data, const QByteArray &zoneId, const QDateTime &now, int room,
                            const ImportConsent &consent)
{
    const Component root = readCalendar(data);

    CalendarImport result;
    const auto skip = [&](const QString &line) {
        if (result.skipped.size() < ListedSkips)
            result.skipped << line;
        ++result.skippedCount;
    };
    QSet<QString> uidsTaken;
    int index = 0;
    const std::vector<icalcomponent *> events = eventsOf(root.get());
    const ForeignEvents foreign(events, zoneId, now);
    for (icalcomponent *event : events) {
        ++index;
        const OwnProperties own(event);
        const bool ownEvent = own.has(kFrequency);
        try {
            ImportedAlarm alarm = ownEvent ? ownAlarm(event, own) : foreign.alarmOf(event);
            // What a file brings passes the check of what the user adds.
            AlarmChoices::checkRecord(alarm.record);
            alarm.uid = uidOf(event);
            if (!alarm.uid.isEmpty() && uidsTaken.contains(alarm.uid))
                throw AppError(QCoreApplication::translate("AlarmCalendar", "the same UID as an earlier event"));
            // Past the room an alarm is only counted, by its UID: such an import is refused.
            if (int(result.alarms.size()) >= room) {
                uidsTaken.insert(alarm.uid);
                result.uidsBeyondRoom << alarm.uid;
                continue;
            }
            // A kept alarm makes a file the readers take back.
            AlarmFile::encodeForWriting(alarm.record);
            uidsTaken.insert(alarm.uid);
            alarm.eventPowerAction = alarm.record.powerAction;
            if (alarm.record.powerAction != int(PowerAction::DoNothing) && !consent.powerActions) {
                alarm.leftOff = QCoreApplication::translate("AlarmCalendar",
                                                            "Power action of %1 left off: \"%2\" needs your consent "
                                                            "(import --with-power-actions)")
                                    .arg(nameOf(event, index), powerActionName(alarm.record.powerAction));
                alarm.record.powerAction = int(PowerAction::DoNothing);
            }
            if (!alarm.note.isEmpty()) {
                alarm.note = nameOf(event, index) + QStringLiteral(": ") + alarm.note;
                result.notes << alarm.note;
            }
            result.alarms.push_back(std::move(alarm));
        } catch (const AppError &why) {
            skip(nameOf(event, index) + QStringLiteral(": ") + why.message());
        }
    }
    return result;
}

} // namespace AlarmCalendar
