#include "alarmscheduler.h"

#include "alarmcatalogue.h"
#include "alarmrecord.h"
#include "alarmstates.h"
#include "apperror.h"
#include "clock.h"

#include <QCoreApplication>
#include <algorithm>

using namespace ScheduleRules;

namespace {

qint64 wallSeconds(const QDateTime &wall)
{
    return wall.toSecsSinceEpoch();
}

} // namespace

AlarmScheduler::AlarmScheduler(const AlarmCatalogue &catalogue, const Clock &clock, const DateTimeFormatter &formatter,
                               QObject *parent)
    : QObject(parent), m_catalogue(catalogue), m_clock(clock), m_displayFormatter(formatter.formats().plainAscii())
{
    const auto stale = [this]() {
        m_keysStale = true;
        m_nextDue.valid = false;
    };
    connect(&catalogue, &QAbstractItemModel::rowsInserted, this, stale);
    connect(&catalogue, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(&catalogue, &QAbstractItemModel::dataChanged, this, stale);
    connect(&catalogue, &QAbstractItemModel::modelReset, this, stale);
}

void AlarmScheduler::setStates(const AlarmStates *states)
{
    if (m_states)
        disconnect(m_states, nullptr, this, nullptr);
    m_states = states;
    m_nextDue.valid = false;
    if (states)
        connect(states, &AlarmStates::changed, this, [this]() { m_nextDue.valid = false; });
}

std::optional<QDateTime> AlarmScheduler::firstRingingAtOrAfter(const RowKeys &keys, const QDateTime &from) const
{
    if (!m_states)
        return firstDueAtOrAfter(keys, from);
    return m_states->state(keys.slot).firstRingingAtOrAfter(keys, from);
}

void AlarmScheduler::parseAllRows()
{
    m_keys.clear();
    m_lastHourlyRow = -1;
    m_nextDue.valid = false;
    const QString &hourly = frequencyNames()[int(Frequency::Hourly)];
    for (int row = 0; row < m_catalogue.size(); ++row) {
        try {
            m_keys.append(parse(m_catalogue.row(row)));
            if (m_keys.last()->frequencyName == hourly)
                m_lastHourlyRow = row;
        } catch (const AppError &error) {
            m_keys.append(std::nullopt);
            const QString signature = m_catalogue.row(row).fields().join(u'\n');
            if (!m_reportedRows.contains(signature)) {
                m_reportedRows.insert(signature);
                emit rowError(QCoreApplication::translate("AlarmScheduler",
                                                          "The alarm \"%1\" can't be scheduled and is skipped: %2")
                                  .arg(m_catalogue.row(row).caption, error.message()));
            }
        }
    }
    m_keysStale = false;
}

const std::optional<RowKeys> &AlarmScheduler::keysOf(int row)
{
    if (m_keysStale || m_keys.size() != m_catalogue.size())
        parseAllRows();
    return m_keys[row];
}

std::optional<QDateTime> AlarmScheduler::firstDueFrom(const QDateTime &from)
{
    if (m_keysStale || m_keys.size() != m_catalogue.size())
        parseAllRows();
    // Nothing is due in [cached from, cached at): any `from` inside has the same answer.
    const bool cached = m_nextDue.valid && m_nextDue.from <= from && (!m_nextDue.at || from <= *m_nextDue.at);
    if (!cached) {
        std::optional<QDateTime> next;
        for (const std::optional<RowKeys> &keys : std::as_const(m_keys)) {
            if (!keys)
                continue;
            const std::optional<QDateTime> occurrence = firstRingingAtOrAfter(*keys, from);
            if (occurrence && (!next || *occurrence < *next))
                next = occurrence;
        }
        m_nextDue = {true, from, next};
    }
    return m_nextDue.at;
}

std::optional<QDateTime> AlarmScheduler::nextDueMoment()
{
    const QDateTime seen = m_lastInstant ? m_lastWall : wallMomentOf(m_clock.now());
    return firstDueFrom(seen.addSecs(1));
}

AlarmScheduler::Display AlarmScheduler::refresh()
{
    return refresh(m_clock.now());
}

AlarmScheduler::Display AlarmScheduler::refresh(const QDateTime &now)
{
    const QDateTime wallNow = wallMomentOf(now);
    Display display;
    // The present second has begun, so it is no longer ahead.
    const std::optional<QDateTime> next = firstDueFrom(wallNow.addSecs(1));
    if (m_lastHourlyRow >= 0) {
        display.managerCaption = minutesPassed(*m_keys[m_lastHourlyRow], now.time())
                                     ? QCoreApplication::translate("AlarmScheduler", "Minutes Passed")
                                     : QCoreApplication::translate("AlarmScheduler", "Minutes have not Passed");
    }
    const qint64 second = wallSeconds(wallNow);
    if (second != m_clockLineSecond) {
        m_clockLineSecond = second;
        m_clockLine = clockLine(now, m_displayFormatter);
    }
    display.clockLine = m_clockLine;
    if (m_message.isEmpty() || next != m_messageFor) {
        m_messageFor = next;
        m_message = nextAlarmMessage(next, m_displayFormatter);
    }
    m_marqueePosition = m_marqueePosition + 1 > MarqueePositions - 1 ? 0 : m_marqueePosition + 1;
    display.marqueeLine = marqueeWindow(m_message, m_marqueePosition);
    return display;
}

bool AlarmScheduler::markHandled(int slot, const QDateTime &due)
{
    const QPair<int, qint64> key(slot, wallSeconds(due));
    if (m_handled.contains(key))
        return false;
    m_handled.insert(key);
    return true;
}

void AlarmScheduler::forgetOldHandled(const QDateTime &wallNow)
{
    // An hour repeated when the clocks go back is the longest the wall clock
    // runs backwards on its own; two days is plenty and keeps the set small.
    if (wallNow.time().hour() == m_handledHour)
        return;
    m_handledHour = wallNow.time().hour();
    const qint64 oldest = wallSeconds(wallNow) - 2 * 24 * 3600;
    m_handled.removeIf([oldest](const QPair<int, qint64> &key) { return key.second < oldest; });
}

void AlarmScheduler::collectDue()
{
    collectDue(m_clock.now());
}

void AlarmScheduler::collectDue(const QDateTime &now)
{
    const qint64 instant = now.toSecsSinceEpoch();
    const QDateTime wall = wallMomentOf(now);
    if (m_lastInstant && instant == *m_lastInstant)
        return;

    // The wall-clock seconds to test now, and those that passed unseen.
    QDateTime from = wall;
    std::optional<QDateTime> missedFrom;
    // What rings now rings after the last look, or in this very second when
    // there was none or the clock was set back.
    const qint64 ringsAfter = m_lastInstant && instant > *m_lastInstant ? *m_lastInstant : instant - 1;
    if (m_lastInstant && instant > *m_lastInstant) {
        const qint64 elapsed = instant - *m_lastInstant;
        const bool zoneChanged = m_lastWall.secsTo(wall) > elapsed + MaxDaylightShiftSeconds;
        if (elapsed > CatchUpSeconds || zoneChanged) {
            if (wall > m_lastWall.addSecs(1))
                missedFrom = m_lastWall.addSecs(1);
        } else if (wall > m_lastWall) {
            // Normally one second; the whole skipped hour when clocks go forward.
            from = m_lastWall.addSecs(1);
        }
    }
    m_lastInstant = instant;
    m_lastWall = wall;
    forgetOldHandled(wall);
    // Most ticks find nothing due; the cached first due second says so
    // without asking any row.
    if (!missedFrom) {
        const std::optional<QDateTime> first = firstDueFrom(from);
        if (!first || *first > wall)
            return;
    }

    struct Found
    {
        Occurrence occurrence;
        int row;
    };
    QList<Found> due;
    QList<Found> missedOnes;
    std::optional<QTimeZone> zone;
    int missedCounted = 0;
    bool missedCountStopped = false;
    for (int row = 0; row < m_catalogue.size(); ++row) {
        const std::optional<RowKeys> &keys = keysOf(row);
        if (!keys)
            continue;
        const QString &caption = m_catalogue.row(row).caption;
        if (missedFrom) {
            // Each row's first few are candidates for the list; the rest are only counted.
            const QDateTime lastMissed = wall.addSecs(-1);
            const QDateTime rememberFrom = wall.addDays(-2);
            int ofRow = 0;
            for (auto at = firstRingingAtOrAfter(*keys, *missedFrom); at && *at <= lastMissed;
                 at = firstRingingAtOrAfter(*keys, at->addSecs(1))) {
                if (ofRow >= MaxMissedListed && missedCounted >= MaxMissedCounted) {
                    missedCountStopped = true;
                    break;
                }
                // Only the recent ones can be met again (a clock put back by
                // an hour); remembering years of them would only fill the memory.
                if (*at >= rememberFrom && !markHandled(keys->slot, *at))
                    continue;
                if (ofRow++ < MaxMissedListed)
                    missedOnes.append({{keys->slot, caption, *at}, row});
                else
                    ++missedCounted;
            }
        }
        for (auto at = firstRingingAtOrAfter(*keys, from); at && *at <= wall;
             at = firstRingingAtOrAfter(*keys, at->addSecs(1))) {
            if (!isDue(*keys, *at))
                continue;
            // A second the clock skipped rings as it jumps, one it shows twice
            // at its first pass only: the instant decides, not the reading.
            if (!zone)
                zone = localZone(now);
            const qint64 rings = ringInstant(*at, *zone).toSecsSinceEpoch();
            if (rings > ringsAfter && rings <= instant && markHandled(keys->slot, *at))
                due.append({{keys->slot, caption, *at}, row});
        }
    }
    const auto byTimeThenList = [](const Found &a, const Found &b) {
        return a.occurrence.due != b.occurrence.due ? a.occurrence.due < b.occurrence.due : a.row < b.row;
    };
    std::stable_sort(due.begin(), due.end(), byTimeThenList);
    std::stable_sort(missedOnes.begin(), missedOnes.end(), byTimeThenList);
    for (const Found &found : due)
        m_pending.append(found.occurrence);
    for (const Found &found : missedOnes.mid(0, MaxMissedListed))
        emit missed(found.occurrence.caption, found.occurrence.due);
    const int notListed = int(qMax<qsizetype>(0, missedOnes.size() - MaxMissedListed)) + missedCounted;
    if (notListed > 0 || missedCountStopped)
        emit moreMissed(notListed, missedCountStopped);
}

std::optional<Occurrence> AlarmScheduler::takeNext()
{
    while (!m_pending.isEmpty()) {
        const Occurrence next = m_pending.takeFirst();
        // A row deleted, switched off or skipped while its ringing waited has nothing left to ring.
        if (m_catalogue.isSlotInUse(next.slot) && (!m_states || m_states->state(next.slot).letsRing(next.due)))
            return next;
    }
    return std::nullopt;
}
