#include "alarmfile.h"
#include "apperror.h"
#include "qtprint.h"
#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList splitCrLf(const QByteArray &data)
{
    return TextFile::decodeLines(data);
}

QString errorOf(const QStringList &lines, AlarmFile::ReadMode mode, AlarmRecord &record)
{
    try {
        AlarmFile::decode(lines, mode, record);
    } catch (const AppError &e) {
        return e.message();
    }
    return {};
}

AlarmRecord newAlarm()
{
    return AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(7, 29, 55, 123)));
}

} // namespace

TEST(AlarmFile, NewAlarmIsWrittenByteExact)
{
    const QByteArray expected = "***Frequency***\r\n3\r\n***Date time***\r\n7\r\n29\r\n55\r\n2026\r\n12\r\n7\r\n"
                                "***Days of week***\r\nFALSE\r\nTRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\nFALSE\r\n"
                                "***SongList***\r\nTRUE\r\n0\r\nFALSE\r\n0\r\n15\r\n"
                                "***FadeIn FadeOut***\r\nFALSE\r\n5\r\nFALSE\r\n30\r\n"
                                "***Snooze time***\r\n10\r\nFALSE\r\n2\r\n***Alarm volum***\r\n100\r\n"
                                "***Closing method***\r\nTRUE\r\nFALSE\r\nFALSE\r\n2\r\n"
                                "***Saving poweer***\r\n0\r\n***Memo***\r\nDon't for get to ...\r\n";
    EXPECT_EQ(AlarmFile::encode(newAlarm()), expected);
}

TEST(AlarmFile, PlayListEntriesSitBetweenCountAndSoundSwitch)
{
    AlarmRecord record = newAlarm();
    record.playList = {QStringLiteral("/home/me/Music/wake up.mp3"), QStringLiteral("/tmp/b.ogg")};
    const QStringList lines = splitCrLf(AlarmFile::encode(record));
    EXPECT_EQ(lines[19], QStringLiteral("2"));
    EXPECT_EQ(lines[20], record.playList[0]);
    EXPECT_EQ(lines[21], record.playList[1]);
    EXPECT_EQ(lines[22], QStringLiteral("FALSE"));

    AlarmRecord back;
    AlarmFile::decode(lines, AlarmFile::ReadMode::Editing, back);
    EXPECT_EQ(back.playList, record.playList);
}

TEST(AlarmFile, ReminderRoundTrips)
{
    struct Case
    {
        const char *name;
        QString written;
        QString readBack;
    };
    const Case cases[] = {
        {"three lines with an empty one", QStringLiteral("one\n\nthree\n"), QStringLiteral("one\n\nthree\n")},
        {"typed without final break gains one", QStringLiteral("typed"), QStringLiteral("typed\n")},
        {"memo marker inside is text", QStringLiteral("a\n***Memo***\nb\n"), QStringLiteral("a\n***Memo***\nb\n")},
        {"empty reminder", QString(), QString()},
    };
    for (const Case &c : cases) {
        AlarmRecord record = newAlarm();
        record.reminder = c.written;
        AlarmRecord back;
        AlarmFile::decode(splitCrLf(AlarmFile::encode(record)), AlarmFile::ReadMode::Editing, back);
        EXPECT_EQ(back.reminder, c.readBack) << c.name;
        // Once read, the text is written and read back unchanged from then on.
        AlarmRecord again;
        AlarmFile::decode(splitCrLf(AlarmFile::encode(back)), AlarmFile::ReadMode::Editing, again);
        EXPECT_EQ(again.reminder, c.readBack) << c.name;
    }
}

TEST(AlarmFile, MalformedLinesStopTheReadWithTheirMessage)
{
    struct Case
    {
        const char *name;
        int line; // one-based line to replace
        QString text;
        AlarmFile::ReadMode mode;
        QString message;
    };
    using M = AlarmFile::ReadMode;
    const Case cases[] = {
        {"frequency not a number", 2, QStringLiteral("x3"), M::Editing,
         QStringLiteral("'x3' is not a valid integer value")},
        {"empty hour", 4, QString(), M::Editing, QStringLiteral("'' is not a valid integer value")},
        {"hour 24", 4, QStringLiteral("24"), M::Editing, QStringLiteral("Invalid argument to time encode")},
        {"second 60", 6, QStringLiteral("60"), M::Editing, QStringLiteral("Invalid argument to time encode")},
        {"31 November", 9, QStringLiteral("31"), M::Editing, QStringLiteral("Invalid argument to date encode")},
        {"month 13", 8, QStringLiteral("13"), M::Editing, QStringLiteral("Invalid argument to date encode")},
        {"snooze minutes 60", 30, QStringLiteral("60"), M::Editing, QStringLiteral("Invalid argument to time encode")},
        {"year with spaces", 7, QStringLiteral(" 2026"), M::Ringing,
         QStringLiteral("' 2026' is not a valid integer value")},
        {"volume decimal", 34, QStringLiteral("50.5"), M::Ringing,
         QStringLiteral("'50.5' is not a valid integer value")},
        {"integer overflow", 41, QStringLiteral("2147483648"), M::Ringing,
         QStringLiteral("'2147483648' is not a valid integer value")},
    };
    AlarmRecord source = newAlarm();
    source.alarmDate = QDate(2026, 11, 30);
    for (const Case &c : cases) {
        QStringList lines = splitCrLf(AlarmFile::encode(source));
        lines[c.line - 1] = c.text;
        AlarmRecord record;
        EXPECT_EQ(errorOf(lines, c.mode, record), c.message) << c.name;
    }
}

TEST(AlarmFile, FieldsBeforeAFailedLineKeepTheirNewValues)
{
    AlarmRecord source = newAlarm();
    source.frequencyCode = 5;
    source.playList = {QStringLiteral("/a.wav")};
    source.volume = 40;
    QStringList lines = splitCrLf(AlarmFile::encode(source));
    lines[34 + 1 - 1] = QStringLiteral("loud"); // the volume line, one entry in the list

    AlarmRecord target = newAlarm();
    target.volume = 77;
    target.powerAction = 3;
    EXPECT_FALSE(errorOf(lines, AlarmFile::ReadMode::Editing, target).isEmpty());
    EXPECT_EQ(target.frequencyCode, 5);
    EXPECT_EQ(target.playList, source.playList);
    EXPECT_EQ(target.volume, 77);
    EXPECT_EQ(target.powerAction, 3);
}

TEST(AlarmFile, RingingTakesWhatItNeedsAndSkipsTheRest)
{
    AlarmRecord source = newAlarm();
    source.frequencyCode = 1;
    source.volume = 250; // out of range values are used as they stand
    QStringList lines = splitCrLf(AlarmFile::encode(source));
    lines[1] = QStringLiteral("not a code"); // skipped when ringing
    lines[3] = QStringLiteral("99");         // converted and dropped: no time is built
    lines[10] = QStringLiteral("garbage");   // day flags are skipped
    lines[29] = QStringLiteral("75");        // snooze minutes are not checked when ringing

    AlarmRecord record;
    record.frequencyCode = -1;
    EXPECT_EQ(errorOf(lines, AlarmFile::ReadMode::Ringing, record), QString());
    EXPECT_EQ(record.frequencyCode, -1);
    EXPECT_FALSE(record.alarmTime.isValid());
    EXPECT_EQ(record.snoozeMinutes, 75);
    EXPECT_EQ(record.volume, 250);
    EXPECT_EQ(record.reminder, source.reminder);

    AlarmRecord editing;
    EXPECT_EQ(errorOf(lines, AlarmFile::ReadMode::Editing, editing),
              QStringLiteral("'not a code' is not a valid integer value"));
}

TEST(AlarmFile, OnlyAnUpperCaseTrueLineIsOn)
{
    AlarmRecord source = newAlarm();
    source.fadeInOn = true;
    QStringList lines = splitCrLf(AlarmFile::encode(source));
    const int fadeIn = 25 - 1;
    for (const QString &text : {QStringLiteral("true"), QStringLiteral("True"), QStringLiteral("TRUE "), QString()}) {
        lines[fadeIn] = text;
        AlarmRecord record;
        record.fadeInOn = true;
        AlarmFile::decode(lines, AlarmFile::ReadMode::Editing, record);
        EXPECT_FALSE(record.fadeInOn) << text.toStdString();
    }
    lines[fadeIn] = QStringLiteral("TRUE");
    AlarmRecord record;
    AlarmFile::decode(lines, AlarmFile::ReadMode::Editing, record);
    EXPECT_TRUE(record.fadeInOn);
}

TEST(AlarmFile, ShortOrHandEditedFiles)
{
    AlarmRecord source = newAlarm();
    source.reminder = QStringLiteral("Call Anna\n");
    QStringList lines = splitCrLf(AlarmFile::encode(source));

    // Marker lines with other text are accepted, but the memo marker is searched for.
    QStringList relabelled = lines;
    relabelled[0] = QStringLiteral("[frequency]");
    relabelled[32] = QStringLiteral("***Alarm volume***");
    relabelled.insert(41, QStringLiteral("a stray line"));
    AlarmRecord record;
    AlarmFile::decode(relabelled, AlarmFile::ReadMode::Editing, record);
    EXPECT_EQ(record.reminder, QStringLiteral("Call Anna\n"));

    // No memo marker at all: the search stops at the end, the reminder is empty.
    QStringList noMemo = lines.mid(0, 41);
    AlarmRecord noMemoRecord;
    EXPECT_EQ(errorOf(noMemo, AlarmFile::ReadMode::Editing, noMemoRecord), QString());
    EXPECT_EQ(noMemoRecord.reminder, QString());

    // A file cut short: flags past the end read off, the first number fails.
    AlarmRecord cut;
    cut.soundOn = true;
    EXPECT_EQ(errorOf(lines.mid(0, 20), AlarmFile::ReadMode::Ringing, cut),
              QStringLiteral("'' is not a valid integer value"));
    EXPECT_FALSE(cut.soundOn);

    // An absurd play-list count in a short file ends at the end of the file.
    QStringList huge = lines.mid(0, 19);
    huge << QStringLiteral("2000000000") << QStringLiteral("/x.wav");
    AlarmRecord hugeRecord;
    EXPECT_EQ(errorOf(huge, AlarmFile::ReadMode::Ringing, hugeRecord),
              QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(hugeRecord.playList, QStringList{QStringLiteral("/x.wav")});
}

TEST(AlarmFile, FilesOnDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("alarm.ini"));

    AlarmRecord record = newAlarm();
    record.reminder = QStringLiteral("Zahnarzt – 10 Uhr\n");
    AlarmFile::write(path, record);
    AlarmRecord back;
    AlarmFile::read(path, AlarmFile::ReadMode::Editing, back);
    EXPECT_EQ(back.reminder, record.reminder);
    EXPECT_EQ(back.alarmTime, QTime(7, 29, 55));
    EXPECT_EQ(back.alarmDate, QDate(2026, 12, 7));

    AlarmRecord missing;
    EXPECT_THROW(AlarmFile::read(dir.filePath(QStringLiteral("9.ini")), AlarmFile::ReadMode::Ringing, missing),
                 AppError);

    // A write that can't happen is reported, never taken for done.
    try {
        AlarmFile::write(dir.filePath(QStringLiteral("no such folder/alarm.ini")), record);
        ADD_FAILURE() << "writing into a missing folder succeeded";
    } catch (const AppError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("no such folder"))) << e.message().toStdString();
    }
}
