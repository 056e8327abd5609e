// A new alarm asked for from outside the windows: every choice checked
// before anything is made, the editor's defaults for the rest, and the
// engine's add by record, which takes the lowest free slot in one change.

#include "alarmchoices.h"
#include "alarmfile.h"
#include "apperror.h"
#include "enginetestsupport.h"

#include <QDir>

namespace {

const QDateTime kNow(QDate(2026, 11, 10), QTime(7, 0, 0, 500)); // a Tuesday in November

AlarmChoices choices(const char *time, const char *frequency = "", const char *schedule = "")
{
    AlarmChoices c;
    c.time = QString::fromUtf8(time);
    c.frequency = QString::fromUtf8(frequency);
    c.schedule = QString::fromUtf8(schedule);
    return c;
}

// The error toRecord() throws, or nothing.
std::optional<AppError> refusal(const AlarmChoices &c)
{
    try {
        c.toRecord(kNow);
    } catch (const AppError &error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

TEST(AlarmChoices, EveryBadArgumentIsNamedAndRefused)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    AlarmChoices emptyMemo = choices("06:30");
    emptyMemo.memo = QString();
    AlarmChoices blankMemo = choices("06:30");
    blankMemo.memo = QStringLiteral(" \n ");
    AlarmChoices controlMemo = choices("06:30");
    controlMemo.memo = QStringLiteral("wake\x1b[2J");
    AlarmChoices loud = choices("06:30");
    loud.volume = 101;
    AlarmChoices negative = choices("06:30");
    negative.volume = -1;
    AlarmChoices relative = choices("06:30");
    relative.sounds = {QStringLiteral("song.mp3")};
    AlarmChoices brokenName = choices("06:30");
    brokenName.sounds = {folder + QStringLiteral("/a\nb.mp3")};
    AlarmChoices longMemo = choices("06:30");
    longMemo.memo = QString(70 * 1024, u'x');
    const QString song = folder + QStringLiteral("/song.mp3");
    ASSERT_TRUE(writeAll(song, "x"));
    AlarmChoices tooManySongs = choices("06:30");
    tooManySongs.sounds = QStringList(AlarmChoices::MaxPlayListEntries + 1, song);
    const struct
    {
        const char *name;
        AlarmChoices choices;
        const char *says;
    } rows[] = {
        {"hour 24", choices("24:00"), "TIME '24:00': the hour must be 0 to 23"},
        {"minute 60", choices("7:60"), "the minutes must be 0 to 59"},
        {"second 61", choices("06:30:61"), "the seconds must be 0 to 59"},
        {"dot", choices("6.30"), "not a time as HH:MM"},
        {"twelve-hour", choices("6:30pm"), "not a time"},
        {"unknown frequency", choices("06:30", "fortnightly"), "frequency 'fortnightly'"},
        {"French day", choices("06:30", "weekly", "lun,mar"), "'lun' is not a day"},
        {"no day", choices("06:30", "weekly", ""), "no day given"},
        {"day 32", choices("06:30", "monthly", "32"), "--monthly '32': the day of the month must be 1 to 31"},
        {"day 0", choices("06:30", "monthly", "0"), "1 to 31"},
        {"30 February", choices("06:30", "yearly", "02-30"), "--yearly '02-30'"},
        {"month 13", choices("06:30", "yearly", "13-01"), "--yearly"},
        {"no date", choices("06:30", "once", "2026-02-30"), "--once '2026-02-30': not a date"},
        {"past", choices("06:30", "once", "2026-11-10"), "that moment has passed"},
        {"this very second", choices("07:00:00", "once", "2026-11-10"), "that moment has passed"},
        {"daily with a value", choices("06:30", "daily", "mon"), "takes no value"},
        {"empty memo", emptyMemo, "--memo: the reminder is empty"},
        {"blank memo", blankMemo, "--memo: the reminder is empty"},
        {"escape in memo", controlMemo, "control character (U+001b)"},
        {"memo beyond a line", longMemo, "characters long"},
        {"volume 101", loud, "--volume '101': must be 0 to 100"},
        {"volume -1", negative, "--volume '-1'"},
        {"relative sound", relative, "--sound 'song.mp3': not a full path"},
        {"line break in a file name", brokenName, "line break"},
        {"257 songs", tooManySongs, "play list 257: at most 256 files are played"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<AppError> error = refusal(row.choices);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind(), AppError::Kind::BadArgument);
        EXPECT_TRUE(error->message().contains(QString::fromUtf8(row.says))) << error->message().toStdString();
    }

    // A sound file that isn't there, or isn't a file (the kernel's /proc
    // files look like one), is a failure to read, not a usage error.
    for (const QString &path : QStringList{folder + QStringLiteral("/missing.mp3"), folder,
                                           QStringLiteral("/proc/self/mem"), QStringLiteral("/dev/zero")}) {
        AlarmChoices c = choices("06:30");
        c.sounds = {path};
        const std::optional<AppError> error = refusal(c);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind(), AppError::Kind::Failure);
        EXPECT_TRUE(error->message().contains(path)) << error->message().toStdString();
    }
}

TEST(AlarmChoices, TheEditorsDefaultsWithTheChosenFields)
{
    // Without a frequency: Once, today while the time is ahead (to the second), else tomorrow.
    EXPECT_EQ(choices("07:00:01").toRecord(kNow).alarmDate, QDate(2026, 11, 10));
    EXPECT_EQ(choices("07:00").toRecord(kNow).alarmDate, QDate(2026, 11, 11));
    EXPECT_EQ(choices("06:59:59").toRecord(kNow).frequencyCode, int(Frequency::Once));

    const AlarmRecord weekly = choices("6:30", "weekly", "mon,FRI, sun").toRecord(kNow);
    AlarmRecord expected = AlarmRecord::newAlarm(kNow);
    expected.alarmTime = QTime(6, 30);
    expected.dayFlags = {true, true, false, false, false, true, false};
    EXPECT_EQ(AlarmFile::encode(weekly), AlarmFile::encode(expected));

    // Days the month or year does not have now are taken where they come first.
    EXPECT_EQ(choices("06:30", "monthly", "31").toRecord(kNow).alarmDate, QDate(2026, 12, 31));
    EXPECT_EQ(choices("06:30", "monthly", "9").toRecord(kNow).alarmDate, QDate(2026, 11, 9));
    EXPECT_EQ(choices("06:30", "yearly", "02-29").toRecord(kNow).alarmDate, QDate(2028, 2, 29));
    EXPECT_EQ(choices("06:30", "yearly", "01-05").toRecord(kNow).alarmDate, QDate(2026, 1, 5));
    // Hourly keeps the hour given, as the editor keeps the hidden hour.
    const AlarmRecord hourly = choices("13:45:10", "hourly").toRecord(kNow);
    EXPECT_EQ(hourly.alarmTime, QTime(13, 45, 10));
    EXPECT_EQ(hourly.dayFlags, AlarmRecord().dayFlags);

    AlarmChoices memo = choices("06:30");
    memo.memo = QStringLiteral("Gym\r\nbring shoes");
    EXPECT_EQ(memo.toRecord(kNow).reminder, QStringLiteral("Gym\nbring shoes"));
    EXPECT_EQ(AlarmChoices::captionOf(memo.toRecord(kNow)), QStringLiteral("Gym"));
    EXPECT_EQ(choices("06:30").toRecord(kNow).reminder, AlarmRecord().reminder);
}

TEST(AlarmEngineAddFromRecord, TakesTheLowestFreeSlotInOneChangeAndRefusesTheTwoHundredFiftySeventh)
{
    EngineOn<> on(kNow);
    AlarmChoices gym = choices("06:30", "weekly", "mon,fri");
    gym.memo = QStringLiteral("Gym");
    const AlarmRecord record = gym.toRecord(kNow);
    EXPECT_EQ(on.engine.addAlarmFromRecord(record), 0);
    EXPECT_EQ(on.engine.addAlarmFromRecord(record, AlarmState{false, std::nullopt, std::nullopt, std::nullopt}), 1);
    EXPECT_EQ(on.engine.addAlarmFromRecord(record), 2);
    on.engine.deleteAlarm(on.engine.rowOfSlot(1));
    EXPECT_EQ(on.engine.addAlarmFromRecord(record), 1);
    EXPECT_EQ(on.engine.catalogue().row(2).slot, 1) << "appended at the end";

    EXPECT_EQ(readAll(on.path(QStringLiteral("0.ini"))), AlarmFile::encode(record));
    const CatalogueRow &row = on.engine.catalogue().row(0);
    EXPECT_EQ(row.caption, QStringLiteral("Gym"));
    EXPECT_EQ(row.frequencyName, QStringLiteral("Weekly"));
    EXPECT_EQ(row.timeKey, QStringLiteral("063000"));
    EXPECT_EQ(row.weekdayMask, QStringLiteral("0100010"));
    // The list on the disk is the one in memory: a start reads the same.
    AlarmCatalogue read;
    read.read(on.path(QStringLiteral("al.ini")));
    EXPECT_EQ(read.rows(), on.engine.catalogue().rows());

    for (int slot = 3; slot < AlarmCatalogue::SlotCount; ++slot)
        on.engine.addAlarmFromRecord(record);
    const QByteArray listBefore = readAll(on.path(QStringLiteral("al.ini")));
    try {
        on.engine.addAlarmFromRecord(record);
        ADD_FAILURE() << "a 257th alarm was added";
    } catch (const AppError &error) {
        EXPECT_EQ(error.kind(), AppError::Kind::Failure);
        EXPECT_TRUE(error.message().contains(QStringLiteral("256"))) << error.message().toStdString();
    }
    EXPECT_EQ(readAll(on.path(QStringLiteral("al.ini"))), listBefore);
    EXPECT_EQ(on.engine.catalogue().size(), AlarmCatalogue::SlotCount);
}

TEST(AlarmEngineEdit, AnAlarmDeletedFromOutsideWhileItIsEditedIsNotOverwritten)
{
    EngineOn<> on(kNow);
    const AlarmRecord record = choices("06:30", "daily").toRecord(kNow);
    on.engine.addAlarmFromRecord(record);
    on.engine.addAlarmFromRecord(record);
    // While the editor is open on the first alarm, a verb deletes it.
    on.engine.setEditorRunner([&on](const EditorRequest &) -> std::optional<EditorResult> {
        on.engine.deleteAlarm(on.engine.rowOfSlot(0));
        return EditorResult{QStringLiteral("Edited"), int(Frequency::Daily),     QTime(8, 0),
                            QDate(2026, 11, 10),      QStringLiteral("0111110"), true};
    });
    const QByteArray second = readAll(on.path(QStringLiteral("1.ini")));
    EXPECT_THROW(on.engine.editAlarm(0), AppError);
    ASSERT_EQ(on.engine.catalogue().size(), 1);
    EXPECT_EQ(on.engine.catalogue().row(0).slot, 1);
    EXPECT_EQ(on.engine.catalogue().row(0).timeKey, QStringLiteral("063000"));
    EXPECT_EQ(readAll(on.path(QStringLiteral("1.ini"))), second);
    EXPECT_FALSE(QFile::exists(on.path(QStringLiteral("0.ini"))));
}
