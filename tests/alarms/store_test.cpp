// The alarm store: an alarm's file, the catalogue "al.ini", and the texts and
// keys of a catalogue row in the user's formats.

#include "alarmcatalogue.h"
#include "alarmfile.h"
#include "apperror.h"
#include "datetimeformatter.h"
#include "qtprint.h"
#include "savefaults.h"
#include "schedulerules.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Mode = AlarmFile::ReadMode;
using SaveFaults::errorOf;

QString errorOf(const QStringList &lines, Mode mode, AlarmRecord &record)
{
    return errorOf([&] { AlarmFile::decode(lines, mode, record); });
}

AlarmRecord newAlarm()
{
    return AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(7, 29, 55, 123)));
}

QStringList linesOf(const AlarmRecord &record)
{
    return TextFile::decodeLines(AlarmFile::encode(record));
}

CatalogueRow dailyRow(const char *caption, int slot)
{
    return CatalogueRow::fromFields(QString::fromLatin1("%1|Daily|07:30:00 AM|--|073000|22062004|0111110|%2")
                                        .arg(QString::fromLatin1(caption))
                                        .arg(slot)
                                        .split(u'|'));
}

LocaleFormats germanStyle()
{
    LocaleFormats f = LocaleFormats::usEnglish();
    f.dateSeparator = QStringLiteral(".");
    f.timeSeparator = QStringLiteral(".");
    f.shortDateFormat = QStringLiteral("dd/mm/yyyy");
    f.longTimeFormat = QStringLiteral("hh:nn:ss");
    return f;
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

TEST(AlarmFile, PlayListAndReminderRoundTrip)
{
    const auto roundTrip = [](const char *name, const QString &written, const QString &readBack) {
        AlarmRecord record = newAlarm();
        record.playList = {QStringLiteral("/home/me/Music/wake up.mp3"), QStringLiteral("/tmp/b.ogg")};
        record.reminder = written;
        const QStringList lines = linesOf(record);
        // The entries sit between their count and the sound switch.
        EXPECT_EQ(lines.mid(19, 4),
                  (QStringList{QStringLiteral("2"), record.playList[0], record.playList[1], QStringLiteral("FALSE")}))
            << name;
        AlarmRecord back;
        AlarmFile::decode(lines, Mode::Editing, back);
        EXPECT_EQ(back.playList, record.playList) << name;
        EXPECT_EQ(back.reminder, readBack) << name;
        // Once read, the text is written and read back unchanged from then on.
        AlarmRecord again;
        AlarmFile::decode(linesOf(back), Mode::Editing, again);
        EXPECT_EQ(again.reminder, readBack) << name;
    };
    roundTrip("three lines with an empty one", QStringLiteral("one\n\nthree\n"), QStringLiteral("one\n\nthree\n"));
    roundTrip("typed without final break gains one", QStringLiteral("typed"), QStringLiteral("typed\n"));
    roundTrip("memo marker inside is text", QStringLiteral("a\n***Memo***\nb\n"), QStringLiteral("a\n***Memo***\nb\n"));
    roundTrip("empty reminder", QString(), QString());
}

TEST(AlarmFile, MalformedLinesStopTheReadWithTheirMessage)
{
    AlarmRecord source = newAlarm();
    source.alarmDate = QDate(2026, 11, 30);
    const auto expectError = [&source](const char *name, int line, const char *text, Mode mode, const char *message) {
        QStringList lines = linesOf(source);
        lines[line - 1] = QString::fromLatin1(text);
        AlarmRecord record;
        EXPECT_EQ(errorOf(lines, mode, record), QString::fromLatin1(message)) << name;
    };
    expectError("hour 24", 4, "24", Mode::Editing, "Invalid argument to time encode (lines 4 to 6: the alarm time)");
    expectError("31 November", 9, "31", Mode::Editing,
                "Invalid argument to date encode (lines 7 to 9: the alarm date)");
    expectError("snooze minutes 60", 30, "60", Mode::Editing,
                "Invalid argument to time encode (line 30: the snooze minutes)");
    expectError("year with spaces", 7, " 2026", Mode::Ringing,
                "' 2026' is not a valid integer value (line 7: the year of the alarm date)");
    expectError("integer overflow", 41, "2147483648", Mode::Ringing,
                "'2147483648' is not a valid integer value (line 41: the power action)");
}

TEST(AlarmFile, RingingTakesWhatItNeedsAndSkipsTheRest)
{
    AlarmRecord source = newAlarm();
    QStringList lines = linesOf(source);
    lines[1] = QStringLiteral("not a code"); // skipped when ringing
    lines[3] = QStringLiteral("99");         // converted and dropped: no time is built
    lines[10] = QStringLiteral("garbage");   // day flags are skipped
    lines[29] = QStringLiteral("75");        // snooze minutes are not checked when ringing

    AlarmRecord record;
    record.frequencyCode = -1;
    EXPECT_EQ(errorOf(lines, Mode::Ringing, record), QString());
    EXPECT_EQ(record.frequencyCode, -1);
    EXPECT_FALSE(record.alarmTime.isValid());
    EXPECT_EQ(record.snoozeMinutes, 75);
    EXPECT_EQ(record.reminder, source.reminder);

    AlarmRecord editing;
    EXPECT_EQ(errorOf(lines, Mode::Editing, editing),
              QStringLiteral("'not a code' is not a valid integer value (line 2: the frequency)"));
}

TEST(AlarmFile, ShortFiles)
{
    const QStringList lines = linesOf(newAlarm());
    // No memo marker at all: the search stops at the end, the reminder is empty.
    AlarmRecord noMemo;
    EXPECT_EQ(errorOf(lines.mid(0, 41), Mode::Editing, noMemo), QString());
    EXPECT_EQ(noMemo.reminder, QString());

    // A file cut short: flags past the end read off, the first number fails.
    AlarmRecord cut;
    cut.soundOn = true;
    EXPECT_EQ(errorOf(lines.mid(0, 20), Mode::Ringing, cut),
              QStringLiteral("'' is not a valid integer value (line 22: the sound number)"));
    EXPECT_FALSE(cut.soundOn);

    // An absurd play-list count in a short file ends at the end of the file.
    const QStringList huge = lines.mid(0, 19) << QStringLiteral("2000000000") << QStringLiteral("/x.wav");
    AlarmRecord hugeRecord;
    EXPECT_TRUE(errorOf(huge, Mode::Ringing, hugeRecord).startsWith(QStringLiteral("'' is not a valid integer value")));
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
    AlarmFile::read(path, Mode::Editing, back);
    EXPECT_EQ(back.reminder, record.reminder);
    EXPECT_EQ(back.alarmTime, QTime(7, 29, 55));

    EXPECT_THROW(AlarmFile::read(dir.filePath(QStringLiteral("9.ini")), Mode::Ringing, back), AppError);
    // A write that can't happen is reported, never taken for done.
    const QString error =
        errorOf([&] { AlarmFile::write(dir.filePath(QStringLiteral("no such folder/alarm.ini")), record); });
    EXPECT_TRUE(error.contains(QStringLiteral("no such folder")))
        << "no error, or not naming the file: " << error.toStdString();
}

TEST(AlarmCatalogue, WritesTheDocumentedLayoutAndReadsItBackAsItWasMade)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    AlarmCatalogue catalogue;
    catalogue.appendRow(dailyRow("stale", 4));
    catalogue.read(path); // a missing file is an empty catalogue
    EXPECT_EQ(catalogue.size(), 0);
    EXPECT_FALSE(catalogue.isSlotInUse(4));

    catalogue.appendRow(dailyRow("Wake up", 0));
    catalogue.write(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("1\r\nWake up\r\nDaily\r\n07:30:00 AM\r\n--\r\n073000\r\n22062004\r\n"
                                         "0111110\r\n0\r\n"));
    AlarmCatalogue back;
    back.read(path);
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back.row(0), dailyRow("Wake up", 0));
    EXPECT_TRUE(back.isSlotInUse(0));

    // A row made under other separators is shown as it was made, and its keys still read.
    const EditorResult tea{QStringLiteral("Tea"), 0, QTime(16, 45, 0), QDate(2027, 1, 2), QStringLiteral("0000000")};
    back.appendRow(CatalogueRow::fromEditorResult(tea, 1, DateTimeFormatter(germanStyle())));
    back.write(path);
    catalogue.read(path);
    ASSERT_EQ(catalogue.size(), 2);
    EXPECT_EQ(catalogue.row(1).timeText, QStringLiteral("04.45.00 PM"));
    EXPECT_EQ(catalogue.row(1).timeKey, QStringLiteral("164500"));
    EXPECT_EQ(catalogue.row(1).dateKey, QStringLiteral("02012027"));
}

TEST(AlarmCatalogue, MalformedLinesKeepTheCompleteRowsAndTheOriginal)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    // A file of the count, the row "first" and the lines of a second row.
    const auto expectError = [&path](const char *name, const char *count, const QStringList &second,
                                     const char *message, int keptRows) {
        const QByteArray original =
            TextFile::encodeLines(QStringList{QString::fromLatin1(count)} + dailyRow("first", 0).fields() + second);
        TextFile::writeAtomically(path, original);
        QFile::remove(path + QStringLiteral(".bak"));
        AlarmCatalogue catalogue;
        const QString error = errorOf([&] { catalogue.read(path); });
        EXPECT_TRUE(error.startsWith(QString::fromLatin1(message))) << name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("al.ini.bak"))) << name;
        ASSERT_EQ(catalogue.size(), keptRows) << name;
        EXPECT_TRUE(keptRows == 0 || catalogue.row(0).caption == QStringLiteral("first")) << name;
        EXPECT_FALSE(catalogue.isSlotInUse(1)) << name;
        QFile backup(path + QStringLiteral(".bak"));
        ASSERT_TRUE(backup.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(backup.readAll(), original) << name;
    };
    const auto second = [](int field, const char *text) {
        QStringList fields = dailyRow("second", 1).fields();
        fields[field] = QString::fromLatin1(text);
        return fields;
    };
    expectError("time key hour 24", "2", second(4, "240000"), "Invalid argument to time encode", 1);
    expectError("time key letters", "2", second(4, "07h300"), "'h3' is not a valid integer value", 1);
    expectError("date key 30 February", "2", second(5, "30022024"), "Invalid argument to date encode", 1);
    expectError("slot past the table", "2", second(7, "256"), "'256' is not a valid alarm slot (0 to 255)", 1);
    expectError("count larger than the rows", "2", {}, "'' is not a valid integer value", 1);
    expectError("count not a number", "many", {}, "'many' is not a valid integer value", 0);
    expectError("slot used twice", "2", second(7, "00"), "The alarm slot '00' is used by two alarms", 1);

    // A short weekday mask is accepted as it stands; the scheduler reads the missing days as off.
    TextFile::writeAtomically(path, TextFile::encodeLines(QStringList{QStringLiteral("1")} + second(6, "01")));
    AlarmCatalogue catalogue;
    EXPECT_EQ(errorOf([&] { catalogue.read(path); }), QString());
    EXPECT_EQ(catalogue.row(0).weekdayMask, QStringLiteral("01"));
}

TEST(AlarmCatalogue, LowestFreeSlotIsReusedAndRowsAppendAtTheEnd)
{
    AlarmCatalogue catalogue;
    for (int slot : {0, 1, 2})
        catalogue.appendRow(dailyRow("alarm", slot));
    catalogue.removeRowAt(1);
    EXPECT_EQ(catalogue.lowestFreeSlot(), 1);
    catalogue.appendRow(dailyRow("new", *catalogue.lowestFreeSlot()));
    EXPECT_EQ(catalogue.row(2), dailyRow("new", 1));
    EXPECT_EQ(catalogue.lowestFreeSlot(), 3);
    EXPECT_EQ(slotFileName(12), QStringLiteral("12.ini"));

    for (int slot = 3; slot < AlarmCatalogue::SlotCount; ++slot)
        catalogue.setSlotInUse(slot, true);
    EXPECT_EQ(catalogue.lowestFreeSlot(), std::nullopt);
}

TEST(DateTimeFormatter, PatternLettersSeparatorsAndStandardForm)
{
    const QDateTime evening(QDate(2004, 6, 22), QTime(17, 30, 5, 42));
    const DateTimeFormatter us(LocaleFormats::usEnglish());
    const std::pair<const char *, const char *> cases[] = {
        {"ddd, mmmm,dd, yyyy", "Tue, June,22, 2004"}, // the ringing window's date
        {"h:nn:ss\" \"ampm zzz", "5:30:05 PM 042"},   // as made from the system's formats
        {"'mm' \"dd\" mm", "mm dd 06"},
    };
    for (const auto &[pattern, text] : cases)
        EXPECT_EQ(us.format(QString::fromLatin1(pattern), evening), QString::fromLatin1(text)) << pattern;
    EXPECT_EQ(us.format(u"hh:nn AM/PM", QTime(0, 5)), QStringLiteral("12:05 AM"));
    EXPECT_EQ(us.format(u"hh:nn AM/PM", QTime(12, 5)), QStringLiteral("12:05 PM"));
    EXPECT_EQ(us.standard(evening), QStringLiteral("6/22/2004 5:30:05 PM"));

    const DateTimeFormatter de(germanStyle());
    EXPECT_EQ(de.format(u"mm/dd/yy hh:nn:ss", evening), QStringLiteral("06.22.04 17.30.05"));
    EXPECT_EQ(de.standard(evening), QStringLiteral("22.06.2004 17.30.05"));
    EXPECT_EQ(de.standard(QDateTime(QDate(2004, 6, 22), QTime(0, 0))), QStringLiteral("22.06.2004"));
}

TEST(LocaleFormats, QtFormatsBecomePatternLetters)
{
    QString separator;
    EXPECT_EQ(LocaleFormats::patternFromQtFormat(QStringLiteral("dd.MM.yy"), u'/', &separator),
              QStringLiteral("dd/mm/yy"));
    EXPECT_EQ(separator, QStringLiteral("."));
    separator.clear();
    EXPECT_EQ(LocaleFormats::patternFromQtFormat(QStringLiteral("h:mm:ss AP t"), u':', &separator),
              QStringLiteral("h:nn:ss\" \"ampm"));
    EXPECT_EQ(separator, QStringLiteral(":"));
}

TEST(LocaleFormats, TheClockReadsDayMonthAndYearInTheLocalesOrderAndPlainAsciiOnly)
{
    const QDateTime moment(QDate(2026, 12, 7), QTime(7, 29, 59));
    const QDateTime next(QDate(2026, 12, 8), QTime(7, 30));
    const auto clockOf = [&](const char *name) {
        return ScheduleRules::clockLine(
            moment, DateTimeFormatter(LocaleFormats::fromLocale(QLocale(QString::fromLatin1(name))).plainAscii()));
    };
    // The design's line is US English; a German reads day first, a Japanese year first.
    EXPECT_EQ(clockOf("en_US"), QStringLiteral(" 12/07/26 07:29:59 AM"));
    EXPECT_EQ(clockOf("C"), QStringLiteral(" 12/07/26 07:29:59 AM")) << "no locale chosen: the design's order";
    EXPECT_EQ(clockOf("de_DE"), QStringLiteral(" 07.12.26 07:29:59 AM"));
    EXPECT_EQ(clockOf("fr_FR"), QStringLiteral(" 07/12/26 07:29:59 AM"));
    EXPECT_EQ(clockOf("ja_JP"), QStringLiteral(" 26/12/07 07:29:59 AM"));
    // Arabic puts a direction mark beside each "/": it is no separator, and
    // the face, which has no glyph for it, leaves it out.
    EXPECT_EQ(clockOf("ar_EG"), QStringLiteral(" 07/12/26 07:29:59 AM"));

    // The "Next Alarm:" line of the same face: its date in the same order as
    // the first line's, and nothing outside ASCII (which would show as "?").
    for (const char *name : {"de_DE", "ar_EG", "ja_JP", "ko_KR", "th_TH", "bg_BG", "zh_CN", "fa_IR"}) {
        const LocaleFormats formats = LocaleFormats::fromLocale(QLocale(QString::fromLatin1(name))).plainAscii();
        const QString message = ScheduleRules::nextAlarmMessage(next, DateTimeFormatter(formats));
        EXPECT_TRUE(std::all_of(message.cbegin(), message.cend(), [](QChar c) { return c >= u' ' && c < QChar(0x7F); }))
            << name << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(u"30")) << name << ": " << message.toStdString();
    }
    const auto nextOf = [&](const char *name) {
        return ScheduleRules::nextAlarmMessage(
                   next, DateTimeFormatter(LocaleFormats::fromLocale(QLocale(QString::fromLatin1(name))).plainAscii()))
            .trimmed();
    };
    EXPECT_EQ(nextOf("de_DE"), QStringLiteral("Next Alarm: 08.12.26 07:30:00"));
    EXPECT_EQ(nextOf("ar_EG"), QStringLiteral("Next Alarm: 8/12/2026 7:30:00 AM"));
    EXPECT_EQ(nextOf("ja_JP"), QStringLiteral("Next Alarm: 2026/12/08 7:30:00"));
    EXPECT_EQ(nextOf("ko_KR"), QStringLiteral("Next Alarm: 26. 12. 8. AM 7:30:0"));

    // Windows keep the locale's own texts: only the face is plain.
    const LocaleFormats arabic = LocaleFormats::fromLocale(QLocale(QStringLiteral("ar_EG")));
    EXPECT_EQ(arabic.dateSeparator, QStringLiteral("/"));
    EXPECT_EQ(arabic.amText, QStringLiteral("\u0635"));
    EXPECT_TRUE(DateTimeFormatter(arabic).shortDate(next.date()).contains(QChar(0x200F)));
}

TEST(CatalogueRow, DisplayTextsAndKeysByFrequency)
{
    const DateTimeFormatter us(LocaleFormats::usEnglish());
    const std::pair<const char *, const char *> texts[] = {
        {"07:05:09 AM", "3/9/2026"}, {"05:09 of every hour", "--"},       {"07:05:09 AM", "--"},
        {"07:05:09 AM", "--"},       {"07:05:09 AM", "9 of every month"}, {"07:05:09 AM", "03/09"},
    };
    for (int code = 0; code < 6; ++code) {
        const EditorResult result{QStringLiteral("Wake"), code, QTime(7, 5, 9), QDate(2026, 3, 9),
                                  QStringLiteral("0111110")};
        EXPECT_EQ(CatalogueRow::fromEditorResult(result, 12, us).fields(),
                  (QStringList{QStringLiteral("Wake"), frequencyNames()[code], QString::fromLatin1(texts[code].first),
                               QString::fromLatin1(texts[code].second), QStringLiteral("070509"),
                               QStringLiteral("09032026"), QStringLiteral("0111110"), QStringLiteral("12")}))
            << code;
    }
}
