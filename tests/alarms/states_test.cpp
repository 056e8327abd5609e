// On and off, skip and pause: what rings over a year, what is reported
// missed, and the file that keeps them.

#include "alarmfile.h"
#include "apperror.h"
#include "enginetestsupport.h"
#include "tickpacer.h"
#include "timezone.h"

#include <QSignalSpy>
#include <cstdio>

namespace {

// Ticks the hidden engine over [now, end) on the fake clock, moving on by the
// sleeps it asks for, and returns what rang: slot and due second.
QList<QPair<int, QDateTime>> runUntil(EngineOn<> &on, const QDateTime &end)
{
    QList<QPair<int, QDateTime>> rung;
    on.engine.setRinger(
        [&rung](const RingingRequest &request) { rung << qMakePair(request.occurrence.slot, request.occurrence.due); });
    on.engine.timer()->stop();
    on.engine.pacer().setShown(false);
    while (on.clock.now() < end) {
        tick(on.engine);
        on.clock.advance(qMax(on.engine.timer()->interval(), 1));
    }
    return rung;
}

int countOf(const QList<QPair<int, QDateTime>> &rung, int slot)
{
    return int(std::count_if(rung.begin(), rung.end(), [slot](const auto &r) { return r.first == slot; }));
}

} // namespace

// A year in Berlin, across both changes of the clocks: an alarm switched off
// never rings, a skipped one misses just its next occurrence, a paused one
// starts again on its day, a Once alarm skipped is off; none of it is
// reported missed, and the clock's "Next Alarm:" names what really rings.
TEST(AlarmStatesOverAYear, OffSkipAndPauseRingOnlyWhatTheUserLeftOn)
{
    ScopedTimeZone berlin("Europe/Berlin");
    const QDateTime start(QDate(2027, 1, 1), QTime(0, 0));
    EngineOn<> on(start);
    AlarmEngine &engine = on.engine;
    const CatalogueRow rows[] = {
        catalogueRow("Daily", QTime(7, 0), 0),                           // off
        catalogueRow("Daily", QTime(2, 30), 1),                          // skipped once
        catalogueRow("Weekly", QTime(6, 15), 2, "0100010"),              // paused until 1 July
        catalogueRow("Hourly", QTime(0, 45), 3),                         // left as it is
        catalogueRow("Monthly", QTime(12, 0), 4, "0000000", "31012020"), // paused until 1 April, then skipped
        catalogueRow("Yearly", QTime(9, 0), 5, "0000000", "24122020"),   // left as it is
        catalogueRow("Once", QTime(8, 0), 6, "0000000", "02012027"),     // skipped: off
    };
    for (const CatalogueRow &row : rows)
        engine.catalogue().appendRow(row);
    engine.setEnabled(0, false);
    engine.skipNext(1);
    engine.pauseUntil(2, QDate(2027, 7, 1));
    engine.pauseUntil(4, QDate(2027, 4, 1));
    engine.skipNext(4);
    engine.skipNext(6);
    EXPECT_FALSE(engine.states().state(6).enabled) << "skipping a Once alarm does not switch it off";
    // Paused to April, which has no 31st, and then its next one, in May, skipped.
    EXPECT_EQ(engine.nextRinging(4), ScheduleRules::wallMoment(QDate(2027, 7, 31), QTime(12, 0)))
        << "a paused and skipped Monthly alarm rings on the wrong day";
    const QDateTime firstOfAll = ScheduleRules::wallMoment(QDate(2027, 1, 1), QTime(0, 45));
    EXPECT_EQ(engine.soonest(), std::make_pair(3, firstOfAll));
    QSignalSpy missed(&engine, &AlarmEngine::alarmMissed);

    const QList<QPair<int, QDateTime>> rung = runUntil(on, QDateTime(QDate(2028, 1, 1), QTime(0, 0)));

    EXPECT_EQ(countOf(rung, 0), 0) << "an alarm switched off rang";
    EXPECT_EQ(countOf(rung, 1), 364) << "skipping took more or less than one day";
    for (const auto &[slot, due] : rung) {
        if (slot == 1) {
            EXPECT_NE(due.date(), QDate(2027, 1, 1)) << "the skipped occurrence rang";
        }
        if (slot == 2) {
            EXPECT_GE(due.date(), QDate(2027, 7, 1)) << "rang during its pause";
        }
    }
    // Mondays and Fridays from 1 July 2027 (a Thursday) to the end of the year.
    int weekly = 0;
    for (QDate day(2027, 7, 1); day.year() == 2027; day = day.addDays(1))
        weekly += day.dayOfWeek() == 1 || day.dayOfWeek() == 5;
    EXPECT_EQ(countOf(rung, 2), weekly);
    EXPECT_EQ(countOf(rung, 3), 365 * 24) << "an Hourly alarm left on lost or gained a ringing";
    EXPECT_EQ(countOf(rung, 4), 4) << "July, August, October and December";
    EXPECT_EQ(countOf(rung, 5), 1);
    EXPECT_EQ(countOf(rung, 6), 0);
    EXPECT_EQ(missed.count(), 0);
    std::printf("note: a year of seven alarms rang %d times (by slot: %d %d %d %d %d %d %d), %d reported missed\n",
                int(rung.size()), countOf(rung, 0), countOf(rung, 1), countOf(rung, 2), countOf(rung, 3),
                countOf(rung, 4), countOf(rung, 5), countOf(rung, 6), int(missed.count()));
}

// Gaps and queues: a machine asleep across a skipped occurrence and a pause
// reports only what would really have rung; an alarm switched off while it
// waits behind another ringing does not ring; the clock never names an alarm
// that won't ring, and says "None" when all are off.
TEST(AlarmStates, NothingOffSkippedOrPausedIsMissedQueuedOrNamed)
{
    EngineOn<> on(QDateTime(QDate(2027, 3, 1), QTime(6, 0)));
    AlarmEngine &engine = on.engine;
    engine.timer()->stop();
    engine.catalogue().appendRow(catalogueRow("Daily", QTime(7, 0), 0));
    engine.catalogue().appendRow(catalogueRow("Daily", QTime(8, 0), 1));
    engine.skipNext(0);
    engine.pauseUntil(1, QDate(2027, 3, 3));
    QSignalSpy missed(&engine, &AlarmEngine::alarmMissed);
    tick(engine);
    on.clock.setNow(QDateTime(QDate(2027, 3, 2), QTime(9, 0))); // asleep for a day
    tick(engine);
    ASSERT_EQ(missed.count(), 1) << "a skipped or paused occurrence was reported missed";
    EXPECT_EQ(missed[0][1].toDateTime(), ScheduleRules::wallMoment(QDate(2027, 3, 2), QTime(7, 0)));

    // Two alarms at once: the second is switched off while the first rings.
    engine.resume(1);
    QList<int> rung;
    engine.setRinger([&](const RingingRequest &request) {
        rung << request.occurrence.slot;
        if (request.occurrence.slot == 0)
            engine.setEnabled(1, false);
    });
    engine.catalogue().replaceRow(1, catalogueRow("Daily", QTime(7, 0), 1));
    on.clock.setNow(QDateTime(QDate(2027, 3, 3), QTime(7, 0)));
    tick(engine);
    EXPECT_EQ(rung, QList<int>{0}) << "an alarm switched off while it waited rang";

    engine.setEnabled(0, false);
    engine.refreshNextAlarm();
    EXPECT_FALSE(engine.soonest().has_value());
    EXPECT_FALSE(engine.skipSoonest());
    QString seen;
    for (int i = 0; i < ScheduleRules::MarqueePositions; ++i) {
        engine.refreshNextAlarm();
        seen += on.face.lines.value(2);
    }
    EXPECT_TRUE(seen.contains(QStringLiteral("None"))) << seen.toStdString();
}

// The file: written with the change, read back the same at the next start;
// a deleted alarm's state goes with it, and a new alarm in its slot starts on.
// A file that can't be read is kept aside, said once, and read as all on.
TEST(AlarmStates, KeptInTheirOwnFileAndClearedWithTheirAlarm)
{
    EngineOn<> on(QDateTime(QDate(2027, 3, 1), QTime(6, 0)));
    AlarmEngine &engine = on.engine;
    const QString file = on.path(QStringLiteral("alstate.ini"));
    engine.catalogue().appendRow(catalogueRow("Daily", QTime(7, 0), 0));
    engine.catalogue().appendRow(catalogueRow("Weekly", QTime(2, 30), 1, "1000001"));
    EXPECT_FALSE(QFile::exists(file)) << "a file with nothing in it";
    engine.setEnabled(0, false);
    engine.skipNext(1);
    engine.pauseUntil(0, QDate(2027, 12, 24));
    EXPECT_EQ(readAll(file), QByteArray("2\r\n0\r\nFALSE\r\n\r\n24122027\r\n1\r\nTRUE\r\n20270306023000\r\n\r\n"));
    AlarmStates again;
    again.read(file);
    EXPECT_EQ(again.all(), engine.states().all());

    engine.resume(1);
    engine.deleteAlarm(0);
    EXPECT_EQ(readAll(file), QByteArray("0\r\n"));

    // The event an alarm was imported from follows the entries, and only then.
    AlarmState imported;
    imported.importedFrom = ImportedFrom{QStringLiteral("abc@example.org"), QStringLiteral("0123456789abcdef")};
    engine.catalogue().appendRow(catalogueRow("Daily", QTime(7, 0), 2));
    const int row = engine.rowOfSlot(2);
    engine.setEnabled(row, false);
    QMap<int, AlarmState> withImport = engine.states().all();
    imported.enabled = false;
    withImport.insert(2, imported);
    const QByteArray encoded = AlarmStates::encode(withImport);
    EXPECT_EQ(encoded, QByteArray("1\r\n2\r\nFALSE\r\n\r\n\r\n***Imported from***\r\n1\r\n2\r\nabc@example.org\r\n"
                                  "0123456789abcdef\r\n"));
    EXPECT_EQ(AlarmStates::decode(encoded), withImport);
    // A UID that can't be kept on a line, or is very long, is kept as its digest.
    EXPECT_EQ(AlarmState::uidKey(QStringLiteral("a\nb")).size(), 71);
    EXPECT_TRUE(AlarmState::uidKey(QString(201, u'x')).startsWith(QStringLiteral("sha256:")));
    EXPECT_EQ(AlarmState::uidKey(QString(200, u'x')), QString(200, u'x'));
    EXPECT_NE(AlarmState::uidKey(AlarmState::uidKey(QString(201, u'x'))), AlarmState::uidKey(QString(201, u'x')));

    const std::pair<const char *, QByteArray> broken[] = {
        {"count", "3\r\n0\r\nTRUE\r\n\r\n\r\n"},
        {"slot", "1\r\n256\r\nTRUE\r\n\r\n\r\n"},
        {"switch", "1\r\n0\r\nyes\r\n\r\n\r\n"},
        {"moment", "1\r\n0\r\nTRUE\r\n20271332000000\r\n\r\n"},
        {"day", "1\r\n0\r\nTRUE\r\n\r\n30022027\r\n"},
        {"marker", "1\r\n0\r\nTRUE\r\n\r\n\r\n***Imported***\r\n1\r\n0\r\nuid\r\nd\r\n"},
        {"imported count", "1\r\n0\r\nTRUE\r\n\r\n\r\n***Imported from***\r\n2\r\n0\r\nuid\r\nd\r\n"},
        {"imported slot", "1\r\n0\r\nTRUE\r\n\r\n\r\n***Imported from***\r\n1\r\n1\r\nuid\r\nd\r\n"},
        {"empty UID", "1\r\n0\r\nTRUE\r\n\r\n\r\n***Imported from***\r\n1\r\n0\r\n\r\nd\r\n"},
        {"no entries", "0\r\n***Imported from***\r\n1\r\n0\r\nuid\r\nd\r\n"},
    };
    for (const auto &[name, data] : broken) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(writeAll(file, data));
        AlarmStates states;
        states.setState(3, AlarmState{false, std::nullopt, std::nullopt, std::nullopt});
        EXPECT_THROW(states.read(file), AppError);
        EXPECT_TRUE(states.all().isEmpty()) << "an unreadable file left alarms off";
        EXPECT_EQ(readAll(file + QStringLiteral(".bak")), data);
    }
}
