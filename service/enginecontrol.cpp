#include "enginecontrol.h"

#include "alarmfile.h"
#include "apperror.h"
#include "clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace {

QString scheduleOf(const ScheduleRules::RowKeys &keys)
{
    const QStringList &names = frequencyNames();
    const qsizetype code = names.indexOf(keys.frequencyName);
    switch (Frequency(code)) {
    case Frequency::Once:
        return QDate(keys.keyYear, keys.keyMonth, keys.keyDay).toString(Qt::ISODate);
    case Frequency::Weekly: {
        QStringList days;
        for (int day = 0; day < 7 && day < keys.weekdayMask.size(); ++day) {
            if (keys.weekdayMask[day] == u'1')
                days << AlarmChoices::dayWords()[day];
        }
        return days.join(u',');
    }
    case Frequency::Monthly:
        return QString::number(keys.keyDay);
    case Frequency::Yearly:
        return QStringLiteral("%1-%2").arg(keys.keyMonth, 2, 10, QChar(u'0')).arg(keys.keyDay, 2, 10, QChar(u'0'));
    default:
        return {};
    }
}

} // namespace

EngineControl::EngineControl(AlarmEngine &engine, Caller caller) : m_engine(engine), m_caller(caller) {}

QString EngineControl::isoLocal(const QDateTime &wall)
{
    // The instant the engine rings it at, as the clock reads then: also on
    // the nights the clock skips or repeats an hour.
    return ScheduleRules::isoWithOffset(ScheduleRules::ringInstant(wall, ScheduleRules::localZone()));
}

QVariantMap EngineControl::entry(int row)
{
    const CatalogueRow &catalogueRow = m_engine.catalogue().row(row);
    const int slot = catalogueRow.slot;
    const AlarmState state = m_engine.states().state(slot);
    QVariantMap map;
    map.insert(QStringLiteral("id"), slot);
    map.insert(QStringLiteral("enabled"), state.enabled);
    map.insert(QStringLiteral("caption"), catalogueRow.caption);
    const std::optional<ScheduleRules::RowKeys> &keys = m_engine.scheduler().keysOf(row);
    const qsizetype code = keys ? frequencyNames().indexOf(keys->frequencyName) : -1;
    map.insert(QStringLiteral("frequency"), code >= 0 ? AlarmChoices::frequencyWords()[code] : QString());
    map.insert(QStringLiteral("time"), keys ? keys->keyTime.toString(QStringLiteral("HH:mm:ss")) : QString());
    map.insert(QStringLiteral("schedule"), keys && code >= 0 ? scheduleOf(*keys) : QString());
    const std::optional<QDateTime> next = m_engine.nextRinging(row);
    map.insert(QStringLiteral("next"), next ? isoLocal(*next) : QString());
    map.insert(QStringLiteral("skipped"), state.skippedDue ? isoLocal(*state.skippedDue) : QString());
    map.insert(QStringLiteral("pausedUntil"), state.pausedUntil ? state.pausedUntil->toString(Qt::ISODate) : QString());
    // The reminder is in the alarm's own file; one that can't be read has none.
    AlarmRecord record;
    record.reminder.clear();
    try {
        AlarmFile::read(m_engine.locations().dataFile(slotFileName(slot)), AlarmFile::ReadMode::Ringing, record);
    } catch (const AppError &) {
        record.reminder.clear();
    }
    map.insert(QStringLiteral("memo"), record.reminder);
    return map;
}

QList<QVariantMap> EngineControl::list()
{
    QList<QVariantMap> alarms;
    for (int row = 0; row < m_engine.catalogue().size(); ++row)
        alarms << entry(row);
    return alarms;
}

QVariantMap EngineControl::next()
{
    const std::optional<std::pair<int, QDateTime>> soonest = m_engine.soonest();
    return soonest ? entry(soonest->first) : QVariantMap();
}

int EngineControl::add(const AlarmChoices &choices)
{
    const AlarmRecord record = choices.toRecord(m_engine.clock().now());
    return m_engine.addAlarmFromRecord(record);
}

void EngineControl::remove(int id)
{
    const int row = m_engine.rowOfSlot(id);
    m_engine.deleteAlarm(row);
    m_engine.refreshNextAlarm();
}

void EngineControl::setEnabled(int id, bool on)
{
    m_engine.setEnabled(m_engine.rowOfSlot(id), on);
}

void EngineControl::skip(int id)
{
    const int row = m_engine.rowOfSlot(id);
    if (!m_engine.nextRinging(row))
        throw AppError(QCoreApplication::translate(
                           "AlarmBus", "The alarm with id %1 will not ring again; there is nothing to skip.")
                           .arg(id));
    m_engine.skipNext(row);
}

QDate EngineControl::pauseEnd(const QString &until, const QDate &today, Caller caller)
{
    const QString argument = caller == Caller::Bus ? QStringLiteral("until") : QStringLiteral("--until");
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate day = shape.match(until).hasMatch() ? QDate::fromString(until, Qt::ISODate) : QDate();
    if (!day.isValid()) {
        throw AppError(
            QCoreApplication::translate("AlarmBus", "%1 '%2': not a date as YYYY-MM-DD").arg(argument, until),
            AppError::Kind::BadArgument);
    }
    if (day <= today) {
        throw AppError(QCoreApplication::translate(
                           "AlarmBus", "%1 '%2': the alarm would not be paused at all; give a day after today")
                           .arg(argument, until),
                       AppError::Kind::BadArgument);
    }
    return day;
}

void EngineControl::pause(int id, const QString &until)
{
    const QDate day = pauseEnd(until, m_engine.clock().now().date(), m_caller);
    m_engine.pauseUntil(m_engine.rowOfSlot(id), day);
}

void EngineControl::resume(int id)
{
    m_engine.resume(m_engine.rowOfSlot(id));
}

void EngineControl::answerRinging(AlarmEngine::RingingAnswer answer)
{
    m_engine.answerRinging(answer);
}

CalendarTransfer::ExportReport EngineControl::exportCalendar()
{
    return CalendarTransfer::exportAlarms(m_engine);
}

CalendarTransfer::ImportReport EngineControl::importCalendar(const QByteArray &calendar,
                                                             const CalendarTransfer::ImportOptions &options)
{
    return CalendarTransfer::importAlarms(m_engine, calendar, options);
}
