// The nights the clock changes, on the engine's real tick: in zones that skip
// and repeat an hour, half an hour, or the hour at midnight, an alarm set for
// a time the clock skips rings once as the clock jumps, one set for a time the
// clock shows twice rings once at its first pass, and the next ringing, the
// wake timer and the hidden tick's sleep all aim at that same instant. The
// judge knows nothing of the engine: it walks the clock second by second and
// rings what the clock passes for the first time.

#include "alarmchoices.h"
#include "apperror.h"
#include "enginetestsupport.h"
#include "fakewaketimer.h"
#include "tickpacer.h"
#include "timezone.h"

#include <QSet>
#include <QTimeZone>
#include <map>

namespace {

struct Night
{
    const char *zone;
    const char *name;
    QDate date;
    QTime time;
    const char *ringsUtc; // when the Once alarm rings
};

const Night kNights[] = {
    {"America/New_York", "skipped", QDate(2027, 3, 14), QTime(2, 30), "2027-03-14T07:00:00Z"},
    {"America/New_York", "repeated", QDate(2027, 11, 7), QTime(1, 30), "2027-11-07T05:30:00Z"},
    {"America/New_York", "ordinary", QDate(2027, 3, 14), QTime(7, 0), "2027-03-14T11:00:00Z"},
    {"Europe/Berlin", "skipped", QDate(2027, 3, 28), QTime(2, 30), "2027-03-28T01:00:00Z"},
    {"Europe/Berlin", "repeated", QDate(2027, 10, 31), QTime(2, 30), "2027-10-31T00:30:00Z"},
    {"Europe/Berlin", "ordinary", QDate(2027, 3, 28), QTime(7, 0), "2027-03-28T05:00:00Z"},
    {"Australia/Lord_Howe", "skipped", QDate(2027, 10, 3), QTime(2, 15), "2027-10-02T15:30:00Z"},
    {"Australia/Lord_Howe", "repeated", QDate(2027, 4, 4), QTime(1, 45), "2027-04-03T14:45:00Z"},
    {"Australia/Lord_Howe", "ordinary", QDate(2027, 10, 3), QTime(7, 0), "2027-10-02T20:00:00Z"},
    {"America/Santiago", "skipped", QDate(2027, 9, 5), QTime(0, 30), "2027-09-05T04:00:00Z"},
    {"America/Santiago", "repeated", QDate(2027, 4, 3), QTime(23, 30), "2027-04-04T02:30:00Z"},
    {"America/Santiago", "ordinary", QDate(2027, 9, 5), QTime(7, 0), "2027-09-05T10:00:00Z"},
};

// The four frequencies whose time of day meets the change, one row each; the slot is the index.
const char *const kFrequencies[] = {"Once", "Daily", "Weekly", "Hourly"};

// A Weekly row marks the night's weekday only.
QByteArray maskFor(const QDate &date)
{
    QByteArray mask(7, '0');
    mask[date.dayOfWeek() % 7] = '1';
    return mask;
}

// Whether the wall-clock second is an occurrence of the frequency, told from the night alone.
bool isOccurrence(const char *frequency, const Night &night, const QDateTime &wall)
{
    const QTime t = wall.time();
    const QByteArray f(frequency);
    if (f == "Hourly")
        return t.minute() == night.time.minute() && t.second() == night.time.second();
    if (t != night.time)
        return false;
    if (f == "Once")
        return wall.date() == night.date;
    if (f == "Weekly")
        return wall.date().dayOfWeek() == night.date.dayOfWeek();
    return true;
}

qint64 readingOf(qint64 instant, const QTimeZone &zone)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(instant, zone);
    return QDateTime(local.date(), local.time(), Qt::UTC).toSecsSinceEpoch();
}

// The judge: for each slot, the seconds in [from, to) in which the clock
// first reaches one of its occurrences (a jump reaches all it skips at once).
std::map<int, QList<qint64>> judge(const Night &night, const QTimeZone &zone, qint64 from, qint64 to)
{
    std::map<int, QList<qint64>> rings;
    qint64 furthest = readingOf(from - 1, zone);
    for (qint64 t = from; t < to; ++t) {
        const qint64 reading = readingOf(t, zone);
        for (qint64 wall = furthest + 1; wall <= reading; ++wall) {
            for (int slot = 0; slot < int(std::size(kFrequencies)); ++slot) {
                if (isOccurrence(kFrequencies[slot], night, QDateTime::fromSecsSinceEpoch(wall, Qt::UTC)))
                    rings[slot] << t;
            }
        }
        furthest = std::max(furthest, reading);
    }
    return rings;
}

struct Ring
{
    int slot;
    qint64 at; // the clock's instant as it rang, in seconds
};

// An engine in the night's zone at `start`, hidden (so it sleeps between
// due seconds), with the four rows and a wake timer.
struct NightEngine
{
    NightEngine(const Night &night, qint64 start)
        : on(QDateTime::fromMSecsSinceEpoch(start * 1000 + 300, Qt::UTC).toLocalTime())
    {
        on.engine.timer()->stop(); // the test is the timer
        on.engine.pacer().setShown(false);
        on.engine.setWakeTimer(&wake);
        for (int slot = 0; slot < int(std::size(kFrequencies)); ++slot) {
            on.engine.catalogue().appendRow(catalogueRow(kFrequencies[slot], night.time, slot,
                                                         maskFor(night.date).constData(),
                                                         night.date.toString(u"ddMMyyyy").toLatin1().constData()));
        }
        on.engine.setRinger([this](const RingingRequest &request) {
            rings.push_back({request.occurrence.slot, on.clock.now().toSecsSinceEpoch()});
        });
    }
    std::map<int, QList<qint64>> ringsBySlot() const
    {
        std::map<int, QList<qint64>> bySlot;
        for (const Ring &ring : rings)
            bySlot[ring.slot] << ring.at;
        return bySlot;
    }

    FakeWakeTimer wake;
    EngineOn<> on;
    std::vector<Ring> rings;
};

QString utcText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

} // namespace

TEST(DaylightNights, EachTimeRingsOnceAtTheInstantTheRuleGivesAndEverythingAimsThere)
{
    for (const Night &night : kNights) {
        SCOPED_TRACE(std::string(night.zone) + " " + night.name);
        const ScopedTimeZone scoped(night.zone);
        const QTimeZone zone(night.zone);
        ASSERT_TRUE(zone.isValid());
        const qint64 expected =
            QDateTime::fromString(QString::fromLatin1(night.ringsUtc), Qt::ISODate).toSecsSinceEpoch();
        // From well before the change until the repeated time has come round again.
        const qint64 from = expected - 75 * 60;
        const qint64 to = expected + 100 * 60;
        const std::map<int, QList<qint64>> judged = judge(night, zone, from, to);
        ASSERT_EQ(judged.at(0), QList<qint64>{expected}) << "the table and the judge disagree";

        NightEngine engine(night, from);
        AlarmEngine &e = engine.on.engine;
        ManualClock &clock = engine.on.clock;
        tick(e);
        // Before anything rings, the next ringing of each row and the wake
        // timer name the instant the judge will ring it at.
        qint64 firstOfAll = std::numeric_limits<qint64>::max();
        for (int slot = 0; slot < int(std::size(kFrequencies)); ++slot) {
            SCOPED_TRACE(kFrequencies[slot]);
            const std::optional<QDateTime> next = e.nextRinging(slot);
            ASSERT_TRUE(next.has_value());
            EXPECT_EQ(utcText(ScheduleRules::ringInstant(*next, zone).toSecsSinceEpoch()),
                      utcText(judged.at(slot).constFirst()));
            firstOfAll = std::min(firstOfAll, judged.at(slot).constFirst());
        }
        ASSERT_FALSE(engine.wake.armedFor.isEmpty());
        EXPECT_EQ(utcText(engine.wake.armedFor.last().toSecsSinceEpoch()),
                  utcText(firstOfAll - AlarmEngine::WakeLeadSeconds));

        // Every second, as the sleeping tick would never oversleep one that rings.
        QList<qint64> ringsAhead;
        for (const auto &[slot, seconds] : judged)
            ringsAhead << seconds;
        std::sort(ringsAhead.begin(), ringsAhead.end());
        for (qint64 second = from; second < to; ++second) {
            if (second > from)
                tick(e);
            while (!ringsAhead.isEmpty() && ringsAhead.constFirst() <= second)
                ringsAhead.removeFirst();
            if (!ringsAhead.isEmpty()) {
                const qint64 wakesAt = clock.now().toMSecsSinceEpoch() + e.timer()->interval();
                ASSERT_LE(wakesAt, ringsAhead.constFirst() * 1000 + TickPacer::LandingMs)
                    << "the hidden tick sleeps past " << utcText(ringsAhead.constFirst()).toStdString();
            }
            clock.advance(1000);
        }
        // The wake timer was aimed at each ringing in turn, and at nothing else.
        QSet<QString> aimedAt;
        for (const QDateTime &armed : std::as_const(engine.wake.armedFor)) {
            if (armed.toSecsSinceEpoch() + AlarmEngine::WakeLeadSeconds < to)
                aimedAt << utcText(armed.toSecsSinceEpoch() + AlarmEngine::WakeLeadSeconds);
        }
        QSet<QString> ringing;
        for (const auto &[slot, seconds] : judged) {
            for (const qint64 second : seconds)
                ringing << utcText(second);
        }
        EXPECT_EQ(aimedAt, ringing);
        const std::map<int, QList<qint64>> rung = engine.ringsBySlot();
        for (int slot = 0; slot < int(std::size(kFrequencies)); ++slot) {
            SCOPED_TRACE(kFrequencies[slot]);
            QStringList judgedText;
            QStringList rungText;
            for (const qint64 second : judged.at(slot))
                judgedText << utcText(second);
            for (const qint64 second : rung.count(slot) ? rung.at(slot) : QList<qint64>())
                rungText << utcText(second);
            EXPECT_EQ(rungText, judgedText);
        }
    }
}

// A program started while the clock shows a repeated time the second time
// does not ring it again: its one ringing was the first pass.
TEST(DaylightNights, AStartDuringTheRepeatedHourRingsNothingThatRangAtItsFirstPass)
{
    for (const Night &night : kNights) {
        if (QByteArray(night.name) != "repeated")
            continue;
        SCOPED_TRACE(night.zone);
        const ScopedTimeZone scoped(night.zone);
        const QTimeZone zone(night.zone);
        const qint64 firstPass =
            QDateTime::fromString(QString::fromLatin1(night.ringsUtc), Qt::ISODate).toSecsSinceEpoch();
        const QDateTime first = QDateTime::fromSecsSinceEpoch(firstPass, Qt::UTC);
        // The same reading with the offset after the change.
        const qint64 secondPass = firstPass + zone.offsetFromUtc(first) - zone.offsetFromUtc(first.addDays(1));
        ASSERT_GT(secondPass, firstPass);
        ASSERT_EQ(readingOf(secondPass, zone), readingOf(firstPass, zone));

        NightEngine engine(night, secondPass - 3);
        for (int second = 0; second < 10; ++second) {
            tick(engine.on.engine);
            engine.on.clock.advance(1000);
        }
        EXPECT_TRUE(engine.rings.empty()) << "slot " << engine.rings.front().slot << " rang again";
    }
}

// `add` takes a time the clock skips tonight (it rings as the clock jumps)
// and one in the repeated hour before its first pass; once that has gone by
// the time has passed, though the clock will show it again.
TEST(DaylightNights, AddAcceptsATimeTheClockSkipsOrRepeatsUntilItHasRung)
{
    const ScopedTimeZone newYork("America/New_York");
    const auto at = [](const char *utc) { return QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate); };
    const struct
    {
        const char *name;
        const char *time;
        const char *date;
        QDateTime now;
        bool accepted;
    } rows[] = {
        {"skipped, before the jump", "02:30", "2027-03-14", at("2027-03-14T06:59:59Z"), true},
        {"skipped, at the jump", "02:30", "2027-03-14", at("2027-03-14T07:00:00Z"), false},
        {"repeated, before its first pass", "01:30", "2027-11-07", at("2027-11-07T05:29:59Z"), true},
        {"repeated, at its second pass", "01:30", "2027-11-07", at("2027-11-07T06:10:00Z"), false},
        {"after the repeated hour", "02:30", "2027-11-07", at("2027-11-07T06:10:00Z"), true},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        AlarmChoices choices;
        choices.time = QString::fromLatin1(r.time);
        choices.frequency = QStringLiteral("once");
        choices.schedule = QString::fromLatin1(r.date);
        bool accepted = true;
        try {
            choices.toRecord(r.now.toLocalTime());
        } catch (const AppError &error) {
            accepted = false;
            EXPECT_TRUE(error.message().contains(QStringLiteral("that moment has passed")))
                << error.message().toStdString();
        }
        EXPECT_EQ(accepted, r.accepted);
    }
}
