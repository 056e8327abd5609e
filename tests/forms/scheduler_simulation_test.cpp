// A year of the real scheduler tick on a fake clock, in a zone with daylight
// saving: every occurrence of every row rings exactly once, in order, also
// when ticks come late and while another ringing window is open.

#include "clock.h"
#include "clockface.h"
#include "datetimeformatter.h"
#include "formalarmlist.h"
#include "qtprint.h"
#include "timezone.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class LinesOnly final : public ClockFace
{
public:
    void setDisplayLine(int index, const QString &text) override { lines[index] = text; }
    QMap<int, QString> lines;
};

struct Ring
{
    int slot;
    QDateTime due;
    QDateTime at; // the local moment it rang
    bool heldUp;  // it waited for another ringing window
};

// Independent of the scheduler: does a row of this simple shape ring at this wall second?
struct SimpleRow
{
    const char *frequency;
    int hour, minute, second;
    int day, month, year;
    const char *mask;

    bool ringsOn(const QDate &date) const
    {
        const QString f = QString::fromLatin1(frequency);
        if (f == QStringLiteral("Once"))
            return date == QDate(year, month, day);
        if (f == QStringLiteral("Monthly"))
            return date.day() == day;
        if (f == QStringLiteral("Yearly"))
            return date.day() == day && date.month() == month;
        if (f == QStringLiteral("Weekly"))
            return mask[date.dayOfWeek() % 7] == '1';
        return true;
    }
    CatalogueRow toRow(int slot) const
    {
        const auto two = [](int v) { return QString::number(v).rightJustified(2, u'0'); };
        return {QStringLiteral("slot %1").arg(slot),
                QString::fromLatin1(frequency),
                {},
                {},
                two(hour) + two(minute) + two(second),
                two(day) + two(month) + QString::number(year),
                QString::fromLatin1(mask),
                QString::number(slot)};
    }
};

} // namespace

TEST(SchedulerSimulation, AYearInBerlinRingsEveryOccurrenceOnceAndInOrder)
{
    ScopedTimeZone berlin("Europe/Berlin");
    const SimpleRow rows[] = {
        {"Daily", 2, 30, 0, 1, 1, 2020, "0000000"},     // in the skipped and in the repeated hour
        {"Hourly", 0, 30, 0, 1, 1, 2020, "0000000"},    // every hour, the skipped one too
        {"Weekly", 7, 0, 0, 1, 1, 2020, "0100010"},     // Monday and Friday
        {"Daily", 7, 0, 0, 1, 1, 2020, "0000000"},      // the same second as the weekly row
        {"Monthly", 10, 0, 0, 31, 1, 2020, "0000000"},  // only months with a 31st
        {"Yearly", 9, 0, 0, 29, 2, 2024, "0000000"},    // no 29 February in 2027
        {"Yearly", 18, 0, 0, 24, 12, 1999, "0000000"},  // Christmas Eve
        {"Once", 2, 30, 0, 28, 3, 2027, "0000000"},     // inside the skipped hour
        {"Once", 12, 0, 0, 1, 6, 2026, "0000000"},      // in the past
        {"Monthly", 23, 59, 59, 15, 1, 2020, "0000000"} // the last second of a day
    };
    constexpr int rowCount = int(std::size(rows));

    QTemporaryDir dir;
    LinesOnly face;
    const QDateTime start(QDate(2027, 1, 1), QTime(0, 0));
    const QDateTime end(QDate(2028, 1, 1), QTime(0, 0));
    ManualClock clock(start);
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    TFormAlarmList manager(dir.path() + u'/', face, clock, formatter);
    manager.timer()->stop(); // this test is the timer
    for (int i = 0; i < rowCount; ++i)
        manager.catalogue().appendRow(rows[i].toRow(10 + i));

    QRandomGenerator random(424242);
    const auto step = [&random]() { return qint64(200 + random.bounded(59'700)); };
    QList<Ring> rings;
    bool windowOpen = false;
    QDateTime lastWindowClosed;
    manager.setRinger([&](TFormAlarmList &owner, const Occurrence &occurrence) {
        EXPECT_FALSE(windowOpen) << "a second ringing window opened";
        EXPECT_TRUE(owner.ringingFlag());
        EXPECT_EQ(owner.currentAlarmFileName(), QStringLiteral("%1.ini").arg(occurrence.slot));
        const bool heldUp =
            lastWindowClosed.isValid() && ScheduleRules::wallMomentOf(lastWindowClosed) >= occurrence.due;
        rings.append({occurrence.slot, occurrence.due, clock.now(), heldUp});
        windowOpen = true;
        // Now and then the window stays open while the ticks go on inside it.
        if (random.bounded(5) == 0) {
            const int ticks = 1 + int(random.bounded(30));
            for (int t = 0; t < ticks; ++t) {
                clock.advance(step());
                owner.TimerTimer();
            }
        }
        windowOpen = false;
        lastWindowClosed = clock.now();
    });

    while (clock.now() < end) {
        manager.TimerTimer();
        clock.advance(step());
    }

    // What should have rung, from the plain description of each row.
    QSet<QPair<int, qint64>> expected;
    for (QDate date = start.date(); date < end.date(); date = date.addDays(1)) {
        for (int i = 0; i < rowCount; ++i) {
            const SimpleRow &r = rows[i];
            if (!r.ringsOn(date))
                continue;
            const bool hourly = QString::fromLatin1(r.frequency) == QStringLiteral("Hourly");
            for (int hour = hourly ? 0 : r.hour; hour <= (hourly ? 23 : r.hour); ++hour) {
                const QDateTime wall = ScheduleRules::wallMoment(date, QTime(hour, r.minute, r.second));
                expected.insert({10 + i, wall.toSecsSinceEpoch()});
            }
        }
    }
    // The last moments of the year may still wait for their tick.
    QSet<QPair<int, qint64>> rung;
    for (const Ring &ring : rings) {
        const QPair<int, qint64> key(ring.slot, ring.due.toSecsSinceEpoch());
        EXPECT_FALSE(rung.contains(key)) << "rang twice: slot " << ring.slot << " "
                                         << ring.due.toString().toStdString();
        rung.insert(key);
    }
    const qint64 lastTick = ScheduleRules::wallMomentOf(clock.now()).toSecsSinceEpoch();
    QSet<QPair<int, qint64>> missing = expected - rung;
    missing.removeIf([lastTick](const QPair<int, qint64> &key) { return key.second > lastTick - 120; });
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " occurrences never rang";
    EXPECT_TRUE((rung - expected).isEmpty()) << (rung - expected).size() << " rings that should not have happened";
    EXPECT_GT(rings.size(), 9000);

    // In order of due time, then of the list; on time unless held up by another window.
    for (qsizetype i = 1; i < rings.size(); ++i) {
        const Ring &a = rings[i - 1];
        const Ring &b = rings[i];
        EXPECT_TRUE(a.due < b.due || (a.due == b.due && a.slot < b.slot))
            << "out of order at " << b.due.toString().toStdString();
    }
    int onTime = 0;
    for (const Ring &ring : rings) {
        if (ring.heldUp)
            continue;
        const qint64 late = ScheduleRules::wallMomentOf(ring.at).toSecsSinceEpoch() - ring.due.toSecsSinceEpoch();
        // Within the minute, counted on the wall clock; the skipped hour adds its own hour.
        const bool skippedHour = ring.due.date() == QDate(2027, 3, 28) && ring.due.time().hour() == 2;
        EXPECT_GE(late, 0);
        EXPECT_LT(late, skippedHour ? 3600 + 60 : 60) << ring.due.toString().toStdString();
        ++onTime;
    }
    EXPECT_GT(onTime, 0);
}
