#pragma once

#include "datetimeformatter.h"
#include "schedulerules.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <optional>

class AlarmCatalogue;
class AlarmStates;
class Clock;

// One ringing that fell due: which slot, what it says, and the wall-clock
// second it was due in.
struct Occurrence
{
    int slot = -1;
    QString caption;
    QDateTime due; // wall clock, see ScheduleRules
};

// Watches the catalogue against the clock. Each call of collectDue() looks at
// every second since the previous call, so a late tick loses nothing; what
// fell due waits in a queue, in order of due time and then list order, until
// the ringing of the previous one is over. Every (slot, due second) is handled
// once, also when the clock repeats an hour. A gap of more than a minute (the
// machine slept, the clock was set) is not rung late: the first occurrences
// inside it, over all rows, are announced through missed() in time order, and
// the number of the others through moreMissed(). So is a jump of the wall
// clock larger than any daylight-saving shift (the time zone was changed).
class AlarmScheduler final : public QObject
{
    Q_OBJECT

public:
    static constexpr int CatchUpSeconds = 60;
    // The largest daylight-saving shift in use anywhere (two hours).
    static constexpr int MaxDaylightShiftSeconds = 2 * 3600;
    // The occurrences of one gap that are told one by one; a clock set years
    // ahead would otherwise flood the user.
    static constexpr int MaxMissedListed = 10;
    // Counting the rest of a gap stops here, so that a gap of years over
    // many Hourly alarms can't hold the clock up.
    static constexpr int MaxMissedCounted = 100000;

    AlarmScheduler(const AlarmCatalogue &catalogue, const Clock &clock, const DateTimeFormatter &formatter,
                   QObject *parent = nullptr);
    // From now on only what these states let ring is rung, announced as
    // missed and shown as the next alarm.
    void setStates(const AlarmStates *states);

    // The first wall-clock second at or after `from` in which the row rings:
    // due, and not switched off, skipped or paused.
    std::optional<QDateTime> firstRingingAtOrAfter(const ScheduleRules::RowKeys &keys, const QDateTime &from) const;
    // The row's keys, or nothing when they can't be read.
    const std::optional<ScheduleRules::RowKeys> &keysOf(int row);

    struct Display
    {
        QString clockLine;
        QString marqueeLine;
        // Set while the catalogue holds an Hourly row.
        std::optional<QString> managerCaption;
    };
    // The next-alarm refresh: the clock line, the marquee one step further on.
    // `now` is the tick's moment (the clock's when none is given).
    Display refresh();
    Display refresh(const QDateTime &now);
    int marqueePosition() const { return m_marqueePosition; }

    void collectDue();
    void collectDue(const QDateTime &now);
    // The first wall-clock second after the last one collectDue() looked at
    // (or after the present one, before the first look) in which any row is
    // due; nothing when no row will ring again.
    std::optional<QDateTime> nextDueMoment();
    // The oldest waiting occurrence whose slot is still in the catalogue.
    std::optional<Occurrence> takeNext();
    int pendingCount() const { return int(m_pending.size()); }

signals:
    void missed(const QString &caption, const QDateTime &due);
    // The occurrences of the same gap beyond those told by missed(); orMore
    // when counting stopped at the bound.
    void moreMissed(int count, bool orMore);
    // A row whose keys can't be read; said once per row, and the row is skipped.
    void rowError(const QString &message);

private:
    void parseAllRows();
    // The first second at or after `from` in which any row is due. Kept until
    // the catalogue changes or a later `from` passes it, so most ticks ask no
    // row at all.
    std::optional<QDateTime> firstDueFrom(const QDateTime &from);
    bool markHandled(int slot, const QDateTime &due);
    void forgetOldHandled(const QDateTime &wallNow);

    const AlarmCatalogue &m_catalogue;
    const Clock &m_clock;
    // The clock's face shows plain ASCII alone: its lines are made with this.
    const DateTimeFormatter m_displayFormatter;
    const AlarmStates *m_states = nullptr;

    int m_marqueePosition = 0;
    std::optional<qint64> m_lastInstant; // seconds since the epoch
    QDateTime m_lastWall;
    QList<Occurrence> m_pending;
    QSet<QPair<int, qint64>> m_handled; // slot, wall-clock second
    int m_handledHour = -1;
    QSet<QString> m_reportedRows;
    // The keys of every row, parsed again whenever the catalogue changes.
    QList<std::optional<ScheduleRules::RowKeys>> m_keys;
    bool m_keysStale = true;
    int m_lastHourlyRow = -1;

    struct NextDue
    {
        bool valid = false;
        QDateTime from;
        std::optional<QDateTime> at;
    };
    NextDue m_nextDue;
    // The clock line changes once a second; it is formatted once.
    qint64 m_clockLineSecond = -1;
    QString m_clockLine;
    std::optional<QDateTime> m_messageFor;
    QString m_message;
};
