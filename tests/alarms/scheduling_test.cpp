// A year of the engine's real tick on a fake clock, in a zone with daylight
// saving: every occurrence of every row rings exactly once, in order, also
// when ticks come late and while another ringing window is open.

#include "enginetestsupport.h"
#include "timezone.h"

#include <QEventLoop>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

// A row of a simple shape, and (independently of the scheduler) the days it rings on.
struct SimpleRow
{
    const char *frequency;
    QTime time;
    QDate date;
    const char *mask = "0000000";

    bool ringsOn(const QDate &day) const
    {
        const QByteArray f(frequency);
        if (f == "Once")
            return day == date;
        if (f == "Monthly")
            return day.day() == date.day();
        if (f == "Yearly")
            return day.day() == date.day() && day.month() == date.month();
        if (f == "Weekly")
            return mask[day.dayOfWeek() % 7] == '1';
        return true;
    }
    CatalogueRow toRow(int slot) const
    {
        const QString name = QString::fromLatin1(frequency);
        return CatalogueRow::fromFields(QStringList() << name << name << QString() << QString()
                                                      << time.toString(u"HHmmss") << date.toString(u"ddMMyyyy")
                                                      << QString::fromLatin1(mask) << QString::number(slot));
    }
};

} // namespace

TEST(SchedulerSimulation, AYearInBerlinRingsEveryOccurrenceOnceAndInOrder)
{
    ScopedTimeZone berlin("Europe/Berlin");
    const QDate anyDay(2020, 1, 1);
    const SimpleRow rows[] = {
        {"Daily", QTime(2, 30), anyDay},                   // in the skipped and in the repeated hour
        {"Hourly", QTime(0, 30), anyDay},                  // every hour, the skipped one too
        {"Weekly", QTime(7, 0), anyDay, "0100010"},        // Monday and Friday
        {"Daily", QTime(7, 0), anyDay},                    // the same second as the weekly row
        {"Monthly", QTime(10, 0), QDate(2020, 1, 31)},     // only months with a 31st
        {"Yearly", QTime(9, 0), QDate(2024, 2, 29)},       // no 29 February in 2027
        {"Yearly", QTime(18, 0), QDate(1999, 12, 24)},     // Christmas Eve
        {"Once", QTime(2, 30), QDate(2027, 3, 28)},        // inside the skipped hour
        {"Once", QTime(12, 0), QDate(2026, 6, 1)},         // in the past
        {"Monthly", QTime(23, 59, 59), QDate(2020, 1, 15)} // the last second of a day
    };
    const QDateTime start(QDate(2027, 1, 1), QTime(0, 0));
    const QDateTime end(QDate(2028, 1, 1), QTime(0, 0));
    EngineOn<> on(start);
    AlarmEngine &engine = on.engine;
    ManualClock &clock = on.clock;
    const DisplayLines &face = on.face;
    engine.timer()->stop(); // this test is the timer
    for (int i = 0; i < int(std::size(rows)); ++i)
        engine.catalogue().appendRow(rows[i].toRow(i));
    tick(engine);
    EXPECT_EQ(face.lines.value(1), QStringLiteral(" 01/01/27 12:00:00 AM"));
    const int position = engine.scheduler().marqueePosition();
    EXPECT_EQ(face.lines.value(2),
              QString(QString(21 - position, u' ') + QStringLiteral("Next Alarm: ").left(position)));

    QRandomGenerator random(424242);
    const auto step = [&random]() { return qint64(200 + random.bounded(59'700)); };
    QList<Occurrence> rings;
    bool windowOpen = false;
    QDateTime lastWindowClosed;
    int onTime = 0;
    engine.setRinger([&](const RingingRequest &request) {
        const Occurrence &occurrence = request.occurrence;
        EXPECT_FALSE(windowOpen) << "a second ringing window opened";
        EXPECT_TRUE(engine.ringing());
        EXPECT_EQ(engine.handOff().currentAlarmFileName, QStringLiteral("%1.ini").arg(occurrence.slot));
        EXPECT_EQ(request.alarmFilePath, on.path(QStringLiteral("%1.ini").arg(occurrence.slot)));
        // On the wall clock within the minute, unless it waited for another
        // window; the skipped hour adds its own hour.
        if (!lastWindowClosed.isValid() || ScheduleRules::wallMomentOf(lastWindowClosed) < occurrence.due) {
            const qint64 late = occurrence.due.secsTo(ScheduleRules::wallMomentOf(clock.now()));
            const bool skippedHour = occurrence.due.date() == QDate(2027, 3, 28) && occurrence.due.time().hour() == 2;
            EXPECT_GE(late, 0);
            EXPECT_LT(late, skippedHour ? 3600 + 60 : 60) << occurrence.due.toString().toStdString();
            ++onTime;
        }
        rings << occurrence;
        windowOpen = true;
        // Now and then the window stays open while the ticks go on inside it.
        if (random.bounded(5) == 0) {
            for (int t = 1 + int(random.bounded(30)); t > 0; --t) {
                clock.advance(step());
                engine.tick();
            }
        }
        windowOpen = false;
        lastWindowClosed = clock.now();
    });
    while (clock.now() < end) {
        tick(engine);
        clock.advance(step());
    }

    // What should have rung, from the plain description of each row.
    QSet<QPair<int, qint64>> expected;
    for (QDate date = start.date(); date < end.date(); date = date.addDays(1)) {
        for (int i = 0; i < int(std::size(rows)); ++i) {
            const SimpleRow &r = rows[i];
            const bool hourly = QByteArray(r.frequency) == "Hourly";
            for (int hour = hourly ? 0 : r.time.hour(); r.ringsOn(date) && hour <= (hourly ? 23 : r.time.hour());
                 ++hour) {
                const QTime time(hour, r.time.minute(), r.time.second());
                expected.insert({i, ScheduleRules::wallMoment(date, time).toSecsSinceEpoch()});
            }
        }
    }
    QSet<QPair<int, qint64>> rung;
    for (qsizetype i = 0; i < rings.size(); ++i) {
        const Occurrence &ring = rings[i];
        const QPair<int, qint64> key(ring.slot, ring.due.toSecsSinceEpoch());
        EXPECT_FALSE(rung.contains(key)) << "rang twice: " << ring.slot << " " << ring.due.toString().toStdString();
        rung.insert(key);
        // In order of due time, then of the list.
        if (i > 0) {
            const Occurrence &before = rings[i - 1];
            EXPECT_TRUE(before.due < ring.due || (before.due == ring.due && before.slot < ring.slot))
                << "out of order at " << ring.due.toString().toStdString();
        }
    }
    // The last moments of the year may still wait for their tick.
    const qint64 lastTick = ScheduleRules::wallMomentOf(clock.now()).toSecsSinceEpoch();
    QSet<QPair<int, qint64>> missing = expected - rung;
    missing.removeIf([lastTick](const QPair<int, qint64> &key) { return key.second > lastTick - 120; });
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " occurrences never rang";
    EXPECT_TRUE((rung - expected).isEmpty()) << (rung - expected).size() << " rings that should not have happened";
    EXPECT_GT(rings.size(), 9000);
    EXPECT_GT(onTime, 0);
}

// With the real timer: while one window rings for two minutes, the clock goes
// on and the alarm that falls due meanwhile rings after it, not "missed".
TEST(SchedulerSimulation, TheClockRunsOnAndAlarmsQueueWhileAWindowRings)
{
    EngineOn<> on(QDateTime(QDate(2027, 1, 4), QTime(7, 0, 0)));
    AlarmEngine &engine = on.engine;
    ManualClock &clock = on.clock;
    const DisplayLines &face = on.face;
    const SimpleRow first{"Daily", QTime(7, 0, 1), QDate(2020, 1, 1)};
    const SimpleRow second{"Daily", QTime(7, 0, 30), QDate(2020, 1, 1)};
    engine.catalogue().appendRow(first.toRow(0));
    engine.catalogue().appendRow(second.toRow(1));
    QSignalSpy missed(&engine, &AlarmEngine::alarmMissed);
    QList<int> rung;
    QStringList clockLinesWhileRinging;
    engine.setRinger([&](const RingingRequest &request) {
        const Occurrence &occurrence = request.occurrence;
        rung << occurrence.slot;
        if (occurrence.slot != 0)
            return;
        // The window stays open for two minutes of the wall clock.
        QEventLoop window;
        QTimer minutes;
        int seconds = 0;
        QObject::connect(&minutes, &QTimer::timeout, [&]() {
            clock.advance(1000);
            if (++seconds % 40 == 0)
                clockLinesWhileRinging << face.lines.value(1);
            if (seconds == 120)
                window.quit();
        });
        minutes.start(10);
        window.exec();
    });
    clock.advance(1000);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return rung.size() == 2; }, 10000));
    EXPECT_EQ(rung, (QList<int>{0, 1}));
    EXPECT_EQ(missed.count(), 0);
    ASSERT_EQ(clockLinesWhileRinging.size(), 3);
    EXPECT_NE(clockLinesWhileRinging[0], clockLinesWhileRinging[2]) << "the clock stood still while the window rang";
}
