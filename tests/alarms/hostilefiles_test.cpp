// Files that are not what they should be: a named pipe, a device, a folder or
// a symbolic link where a data file belongs, a journal that asks for more
// than a change may do or can't be read, text in an encoding of its own.
// Nothing waits for ever, nothing is copied or replaced that is not a file,
// and each is said once, naming the path and what lies there.

#include "alarmcatalogue.h"
#include "alarmfile.h"
#include "alarmscheduler.h"
#include "alarmstates.h"
#include "apperror.h"
#include "clocksettings.h"
#include "enginetestsupport.h"
#include "filetransaction.h"
#include "qtprint.h"
#include "savefaults.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using SaveFaults::errorOf;
using SaveFaults::readFile;
using SaveFaults::writeFile;

namespace {

// The type of what is at a path, and where a link there leads.
QString entryOf(const QString &path)
{
    struct stat entry = {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return QStringLiteral("nothing");
    if (S_ISLNK(entry.st_mode))
        return QStringLiteral("link to ") + QFile::symLinkTarget(path);
    return QStringLiteral("mode %1").arg(entry.st_mode & S_IFMT, 0, 8);
}

// Runs work that must not wait on a named pipe. Should it wait, the pipe's
// other end is opened so that the test can go on, and the test fails.
QString errorWithoutWaiting(const QString &path, const std::function<void()> &work)
{
    auto running = std::async(std::launch::async, [&work] { return errorOf(work); });
    if (running.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "waits for a writer on " << path.toStdString();
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return running.get();
}

// A catalogue of one row.
QByteArray oneRow(const QByteArray &caption, const QByteArray &timeKey = "073000")
{
    return "1\r\n" + caption + "\r\nDaily\r\n07:30:00 AM\r\n--\r\n" + timeKey + "\r\n22062004\r\n0111110\r\n0\r\n";
}

QByteArray utf16le(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8);
    return QByteArray("\xff\xfe", 2) +
           QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
}

} // namespace

// Each kind of thing that is no file, in the place of each file the program
// reads and writes.
TEST(HostileFiles, WhatIsNoFileIsNeitherWaitedOnNorCopiedNorReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    const QByteArray name = QFile::encodeName(path);
    struct Kind
    {
        const char *name;
        std::function<bool()> make;
        const char *said;
    };
    const Kind kinds[] = {
        {"a named pipe", [&] { return ::mkfifo(name.constData(), 0600) == 0; }, "a named pipe (FIFO)"},
        {"a link to nothing", [&] { return ::symlink("gone.ini", name.constData()) == 0; }, "which does not exist"},
        {"a link loop", [&] { return ::symlink("al.ini", name.constData()) == 0; }, "leads round in a loop"},
        {"a folder", [&] { return QDir(dir.path()).mkdir(QStringLiteral("al.ini")); }, "a folder"},
        {"a link to a device", [&] { return ::symlink("/dev/zero", name.constData()) == 0; }, "a character device"},
    };
    for (const Kind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        QDir(path).removeRecursively();
        QFile::remove(path);
        QFile::remove(path + QStringLiteral(".bak"));
        ASSERT_TRUE(kind.make());
        const QString before = entryOf(path);
        const auto expectSaid = [&](const QString &message, const char *by) {
            EXPECT_TRUE(message.contains(QString::fromLatin1(kind.said)) && message.contains(path))
                << by << ": " << message.toStdString();
        };

        AlarmCatalogue catalogue;
        expectSaid(errorWithoutWaiting(path, [&] { catalogue.read(path); }), "the list");
        EXPECT_EQ(catalogue.size(), 0);
        AlarmRecord record;
        expectSaid(errorWithoutWaiting(path, [&] { AlarmFile::read(path, AlarmFile::ReadMode::Ringing, record); }),
                   "an alarm file");
        AlarmStates states;
        expectSaid(errorWithoutWaiting(path, [&] { states.read(path); }), "the alarm states");
        QString settingsError;
        EXPECT_EQ(ClockSettings::read(path, &settingsError), ClockSettings());
        expectSaid(settingsError, "the clock settings");
        EXPECT_TRUE(settingsError.contains(QStringLiteral("left as it is"))) << settingsError.toStdString();

        expectSaid(errorOf([&] { TextFile::writeAtomically(path, "0\r\n"); }), "a save");
        FileTransaction change(dir.path(), QStringLiteral("al.ini.journal"));
        change.replace(QStringLiteral("al.ini"), "0\r\n");
        expectSaid(errorOf([&] { change.commit(); }), "a change");
        EXPECT_FALSE(change.committed());

        EXPECT_EQ(entryOf(path), before) << "it was replaced or moved";
        EXPECT_TRUE(TextFile::isAbsent(path + QStringLiteral(".bak"))) << "a copy was made of what is no file";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("al.ini")});
    }
}

// A symbolic link to a regular file is followed when reading and stays a
// link when saving: the file it leads to is replaced.
TEST(HostileFiles, ALinkToAFileStaysALink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kept")));
    const QString target = dir.filePath(QStringLiteral("kept/al.ini"));
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    writeFile(target, oneRow("Wake up"));
    ASSERT_EQ(::symlink("kept/al.ini", QFile::encodeName(path).constData()), 0);

    AlarmCatalogue catalogue;
    ASSERT_EQ(errorOf([&] { catalogue.read(path); }), QString());
    ASSERT_EQ(catalogue.size(), 1);
    catalogue.write(path);
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readFile(target), oneRow("Wake up"));

    FileTransaction change(dir.path(), QStringLiteral("al.ini.journal"),
                           {{QStringLiteral("al.ini"), QStringLiteral("0.ini")}, {QStringLiteral("0.ini")}});
    change.replace(QStringLiteral("0.ini"), "alarm");
    change.replace(QStringLiteral("al.ini"), oneRow("Tea"));
    EXPECT_EQ(errorOf([&] { change.commit(); }), QString());
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(readFile(target), oneRow("Tea"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("0.ini"), QStringLiteral("al.ini")}));
}

// A journal is followed only where a change of the alarms may go: it never
// removes the list itself nor touches a file of no alarm. One that asks for
// more, or can't be read, is kept aside, said once with what to do, and
// stops no later change.
TEST(HostileFiles, AJournalDoesOnlyWhatAChangeMayDo)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const QString journal = QStringLiteral("al.ini.journal");
    const FileTransaction::Scope scope{{QStringLiteral("al.ini"), QStringLiteral("0.ini"), QStringLiteral("1.ini")},
                                       {QStringLiteral("0.ini"), QStringLiteral("1.ini")}};
    struct Case
    {
        const char *name;
        std::function<void()> make;
        const char *said;
    };
    const Case cases[] = {
        {"removes the list", [&] { writeFile(folder + journal, "replace 0.ini\r\nremove al.ini\r\n"); },
         "line 2 says \"remove al.ini\""},
        {"replaces a file of no alarm",
         [&] {
             writeFile(folder + QStringLiteral("notes.txt.new"), "overwritten");
             writeFile(folder + journal, "replace notes.txt\r\n");
         },
         "\"replace notes.txt\""},
        {"sends a change elsewhere", [&] { writeFile(folder + journal, "remove ../al.ini\r\n"); }, "remove ../al.ini"},
        {"is no text", [&] { writeFile(folder + journal, QByteArray(3000, '\x01')); }, "longer than 1024"},
        {"is a folder", [&] { QDir(folder).mkdir(journal); }, "a folder"},
        {"is a named pipe", [&] { ::mkfifo(QFile::encodeName(folder + journal).constData(), 0600); }, "named pipe"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("al.ini"), "the list");
        writeFile(folder + QStringLiteral("notes.txt"), "notes");
        c.make();

        const QString said =
            errorWithoutWaiting(folder + journal, [&] { FileTransaction::recover(folder, journal, scope); });
        EXPECT_TRUE(said.contains(QString::fromLatin1(c.said)) && said.contains(folder + journal) &&
                    said.contains(QStringLiteral("kept as ") + folder + journal + QStringLiteral(".bak")))
            << said.toStdString();
        EXPECT_EQ(readFile(folder + QStringLiteral("al.ini")), "the list");
        EXPECT_EQ(readFile(folder + QStringLiteral("notes.txt")), "notes");
        EXPECT_TRUE(TextFile::isAbsent(folder + journal));
        EXPECT_FALSE(TextFile::isAbsent(folder + journal + QStringLiteral(".bak")));

        // Said once: the next start and the next change go on as usual.
        EXPECT_EQ(errorOf([&] { FileTransaction::recover(folder, journal, scope); }), QString());
        FileTransaction change(folder, journal, scope);
        change.replace(QStringLiteral("al.ini"), "the new list");
        EXPECT_EQ(errorOf([&] { change.commit(); }), QString());
        EXPECT_EQ(readFile(folder + QStringLiteral("al.ini")), "the new list");
    }

    // A journal that can't even be moved aside says what to do, at start and at every change.
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + journal + QStringLiteral(".bak/full"));
    writeFile(folder + QStringLiteral("al.ini"), "the list");
    writeFile(folder + journal, "remove al.ini\r\n");
    const QString blocked = errorOf([&] { FileTransaction::recover(folder, journal, scope); });
    EXPECT_TRUE(blocked.contains(QStringLiteral("Until it is removed"))) << blocked.toStdString();
    FileTransaction change(folder, journal, scope);
    change.replace(QStringLiteral("al.ini"), "the new list");
    EXPECT_EQ(errorOf([&] { change.commit(); }), blocked);
    EXPECT_FALSE(change.committed());
    EXPECT_EQ(readFile(folder + QStringLiteral("al.ini")), "the list");

    // A removal that could never be done is refused before the journal, which would otherwise block every change.
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + QStringLiteral("1.ini"));
    writeFile(folder + QStringLiteral("al.ini"), "the list");
    FileTransaction removal(folder, journal, scope);
    removal.replace(QStringLiteral("al.ini"), "the new list");
    removal.remove(QStringLiteral("1.ini"));
    EXPECT_TRUE(errorOf([&] { removal.commit(); }).contains(QStringLiteral("it is a folder")));
    EXPECT_FALSE(removal.committed());
    EXPECT_TRUE(TextFile::isAbsent(folder + journal));
    EXPECT_EQ(readFile(folder + QStringLiteral("al.ini")), "the list");

    // A journal moved aside at a change is told there; the change is made all the same.
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    writeFile(folder + QStringLiteral("al.ini"), "the list");
    writeFile(folder + journal, "remove al.ini\r\n");
    FileTransaction afterIt(folder, journal, scope);
    afterIt.replace(QStringLiteral("al.ini"), "the new list");
    const QString told = errorOf([&] { afterIt.commit(); });
    EXPECT_TRUE(afterIt.committed());
    EXPECT_TRUE(told.contains(QStringLiteral("can't be followed"))) << told.toStdString();
    EXPECT_EQ(readFile(folder + QStringLiteral("al.ini")), "the new list");
}

// Every file the program writes reads back as it was written, to the last
// carriage return of a reminder; what the readers would refuse is never written.
TEST(HostileFiles, AnAlarmFileReadsBackAsWrittenAndNoneIsWrittenThatCantBeRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alarm.ini"));
    // Text read from a file ends with a line break; typed text may not,
    // and gains one at the first save, once.
    for (const char *reminder : {"two returns\r\r\n", "one return\r\nand more\n", "\r\n\r\n", "typed\r"}) {
        AlarmRecord record = AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
        record.reminder = QString::fromLatin1(reminder);
        AlarmFile::write(path, record);
        const QByteArray first = readFile(path);
        AlarmRecord back;
        AlarmFile::read(path, AlarmFile::ReadMode::Editing, back);
        AlarmFile::write(path, back);
        const QByteArray second = readFile(path);
        if (QByteArray(reminder).endsWith('\n')) {
            EXPECT_EQ(second, first) << reminder;
        }
        AlarmFile::read(path, AlarmFile::ReadMode::Editing, back);
        AlarmFile::write(path, back);
        EXPECT_EQ(readFile(path), second) << "changes on every save: " << reminder;
    }

    // A line the reader refuses is refused when saving, and the file stays.
    AlarmRecord longLine = AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
    AlarmFile::write(path, longLine);
    const QByteArray kept = readFile(path);
    const qsizetype bound = AlarmFile::limits().maxLineCharacters;
    longLine.reminder = QString(bound + 1, u'x') + u'\n';
    const QString said = errorOf([&] { AlarmFile::write(path, longLine); });
    EXPECT_TRUE(said.contains(QStringLiteral("A line of the reminder is %1 characters long").arg(bound + 1)))
        << said.toStdString();
    EXPECT_EQ(readFile(path), kept);
    longLine.reminder = QString(bound, u'x') + u'\n';
    EXPECT_EQ(errorOf([&] { AlarmFile::write(path, longLine); }), QString()) << "the longest line is refused";
    longLine.reminder.clear();
    longLine.playList = {QString(bound + 1, u'p')};
    EXPECT_TRUE(errorOf([&] { AlarmFile::write(path, longLine); }).startsWith(QStringLiteral("A play-list entry")));
    longLine.playList = QStringList(int(AlarmFile::limits().maxCharacters / 1000), QString(1000, u'p'));
    EXPECT_TRUE(
        errorOf([&] { AlarmFile::write(path, longLine); }).contains(QStringLiteral("an alarm file holds at most")));
}

// A message names the field that failed, its line and its file, and the
// encoding a file announces with a byte-order mark is read.
TEST(HostileFiles, MessagesNameTheFieldTheLineTheFileAndTheEncoding)
{
    QTemporaryDir dir;
    const QString alarm = dir.filePath(QStringLiteral("3.ini"));
    const AlarmRecord record = AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
    QStringList lines = TextFile::decodeLines(AlarmFile::encode(record));
    lines[19].clear(); // the number of play-list entries
    writeFile(alarm, TextFile::encodeLines(lines));
    AlarmRecord read;
    EXPECT_EQ(
        errorOf([&] { AlarmFile::read(alarm, AlarmFile::ReadMode::Ringing, read); }),
        QStringLiteral("'' is not a valid integer value (line 20 of %1: the number of play-list entries)").arg(alarm));
    lines = TextFile::decodeLines(AlarmFile::encode(record));
    lines[3] = QStringLiteral("25");
    writeFile(alarm, TextFile::encodeLines(lines));
    EXPECT_EQ(errorOf([&] { AlarmFile::read(alarm, AlarmFile::ReadMode::Editing, read); }),
              QStringLiteral("Invalid argument to time encode (lines 4 to 6 of %1: the alarm time)").arg(alarm));

    const QString catalogue = dir.filePath(QStringLiteral("al.ini"));
    writeFile(catalogue, oneRow("Tea", "07h300"));
    AlarmCatalogue list;
    EXPECT_TRUE(errorOf([&] {
                    list.read(catalogue);
                }).startsWith(QStringLiteral("'h3' is not a valid integer value (line 6: the time key of alarm 1)")));
    writeFile(catalogue, "many\r\n");
    EXPECT_TRUE(errorOf([&] {
                    list.read(catalogue);
                }).startsWith(QStringLiteral("'many' is not a valid integer value (line 1: the number of alarms)")));
    const QString settings = dir.filePath(QStringLiteral("LCD.ini"));
    writeFile(settings, "large\r\nRed\r\n");
    QString error;
    ClockSettings::read(settings, &error);
    EXPECT_TRUE(error.startsWith(QStringLiteral("'large' is not a valid integer value (line 1: the size)")) &&
                error.contains(settings))
        << error.toStdString();

    // UTF-16 with its mark is read; the list says so and keeps the original.
    QByteArray encoded = AlarmFile::encode(record);
    encoded.replace("Don't for get to ...", "Zahnarzt – 10 Uhr");
    writeFile(alarm, utf16le(encoded));
    AlarmRecord fromUtf16;
    EXPECT_EQ(errorOf([&] { AlarmFile::read(alarm, AlarmFile::ReadMode::Editing, fromUtf16); }), QString());
    EXPECT_EQ(fromUtf16.reminder, QStringLiteral("Zahnarzt – 10 Uhr\n"));
    writeFile(catalogue, utf16le(oneRow("Café")));
    QString said;
    EXPECT_EQ(errorOf([&] { said = list.read(catalogue); }), QString());
    EXPECT_TRUE(said.contains(QStringLiteral("is in UTF-16LE")) && said.contains(QStringLiteral("kept as")))
        << said.toStdString();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.row(0).caption, QStringLiteral("Café"));
    EXPECT_EQ(readFile(catalogue + QStringLiteral(".bak")), utf16le(oneRow("Café")));
    list.write(catalogue);
    EXPECT_EQ(readFile(catalogue), oneRow("Caf\xc3\xa9"));
    writeFile(catalogue, utf16le(oneRow("odd")) + "x");
    EXPECT_TRUE(errorOf([&] { list.read(catalogue); }).contains(QStringLiteral("is not valid UTF-16LE")));
}

// A copy kept of a list that could not be read is a regular file that only
// those may read who may read the folder's files, whatever the original allowed.
TEST(HostileFiles, ACopyKeptAsideHasTheFoldersPermissions)
{
    QTemporaryDir dir;
    const mode_t umask = ::umask(0);
    ::umask(umask);
    for (const mode_t folderMode : {mode_t(0700), mode_t(0750)}) {
        SCOPED_TRACE(folderMode);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), folderMode), 0);
        const QString path = dir.filePath(QStringLiteral("al.ini"));
        QFile::remove(path + QStringLiteral(".bak"));
        writeFile(path, "1\r\nbroken\r\n");
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
        AlarmCatalogue catalogue;
        EXPECT_TRUE(errorOf([&] { catalogue.read(path); }).contains(QStringLiteral("kept as")));
        struct stat copy = {};
        ASSERT_EQ(::lstat(QFile::encodeName(path + QStringLiteral(".bak")).constData(), &copy), 0);
        EXPECT_TRUE(S_ISREG(copy.st_mode));
        EXPECT_EQ(copy.st_mode & 07777, folderMode & 0666 & ~umask);
        EXPECT_EQ(readFile(path + QStringLiteral(".bak")), "1\r\nbroken\r\n");
    }
}

// An edit never replaces an alarm file it could not read: the file is kept
// aside first and the editor gets only what was read, or no edit happens.
TEST(HostileFiles, AnEditNeverReplacesAnAlarmFileItCouldNotRead)
{
    QTemporaryDir dir;
    const QString alarm = dir.filePath(QStringLiteral("3.ini"));
    const QString copy = alarm + QStringLiteral(".bak");
    const QString working = dir.filePath(QStringLiteral("alarm.ini"));
    const AlarmRecord fresh = AlarmRecord::newAlarm(QDateTime(QDate(2027, 1, 2), QTime(9, 0)));
    AlarmRecord stored = AlarmRecord::newAlarm(QDateTime(QDate(2026, 12, 7), QTime(6, 30)));
    stored.frequencyCode = int(Frequency::Daily);
    stored.reminder = QStringLiteral("Stored\n");
    const QByteArray good = AlarmFile::encode(stored);
    const auto reset = [&](const QByteArray &data) {
        for (const QString &path : {alarm, copy, working})
            QFile::remove(path);
        if (!data.isNull())
            writeFile(alarm, data);
    };
    const auto workingRecord = [&] {
        AlarmRecord record;
        AlarmFile::read(working, AlarmFile::ReadMode::Editing, record);
        return record;
    };
    using Outcome = AlarmFile::EditCopy::Outcome;

    reset(good);
    AlarmFile::EditCopy made = AlarmFile::copyForEditing(alarm, working, fresh);
    EXPECT_EQ(made.outcome, Outcome::Copied);
    EXPECT_EQ(made.message, QString());
    EXPECT_EQ(readFile(working), good);
    EXPECT_TRUE(TextFile::isAbsent(copy));

    reset({});
    made = AlarmFile::copyForEditing(alarm, working, fresh);
    EXPECT_EQ(made.outcome, Outcome::Missing);
    EXPECT_TRUE(made.message.contains(alarm + QStringLiteral(" is missing"))) << made.message.toStdString();
    EXPECT_EQ(readFile(working), AlarmFile::encode(fresh));

    // A bad line midway: what came before it is shown, the rest is a new alarm's.
    QByteArray badHour = good;
    badHour.replace("***Date time***\r\n6\r\n", "***Date time***\r\n25\r\n");
    reset(badHour);
    made = AlarmFile::copyForEditing(alarm, working, fresh);
    EXPECT_EQ(made.outcome, Outcome::PartlyRead);
    EXPECT_TRUE(made.message.contains(alarm) && made.message.contains(QStringLiteral("kept as ") + copy) &&
                !made.message.contains(working))
        << made.message.toStdString();
    EXPECT_EQ(readFile(copy), badHour);
    EXPECT_EQ(workingRecord().frequencyCode, int(Frequency::Daily));
    EXPECT_EQ(workingRecord().alarmTime, fresh.alarmTime);
    EXPECT_EQ(readFile(alarm), badHour) << "the alarm file itself was changed";

    // A line longer than the reader takes (one an editor could once write): nothing is read, no edit.
    QByteArray longLine = good;
    longLine.replace("Stored", QByteArray(AlarmFile::limits().maxLineCharacters + 1, 'x'));
    reset(longLine);
    made = AlarmFile::copyForEditing(alarm, working, fresh);
    EXPECT_EQ(made.outcome, Outcome::Refused);
    EXPECT_TRUE(made.message.contains(alarm) && made.message.contains(QStringLiteral("longer than")) &&
                made.message.contains(QStringLiteral("kept as ") + copy))
        << made.message.toStdString();
    EXPECT_EQ(readFile(copy), longLine);
    EXPECT_TRUE(TextFile::isAbsent(working));

    // What is no file is neither waited on nor copied.
    reset({});
    ASSERT_EQ(::mkfifo(QFile::encodeName(alarm).constData(), 0600), 0);
    made = AlarmFile::EditCopy{};
    const QString pipeError =
        errorWithoutWaiting(alarm, [&] { made = AlarmFile::copyForEditing(alarm, working, fresh); });
    EXPECT_EQ(pipeError, QString());
    EXPECT_EQ(made.outcome, Outcome::Refused);
    EXPECT_TRUE(made.message.contains(QStringLiteral("a named pipe"))) << made.message.toStdString();
    EXPECT_TRUE(TextFile::isAbsent(copy));

    // A full disk: no copy can be kept, so no edit; and a working copy that
    // can't be written says so, not that a file is missing.
    reset(badHour);
    {
        SaveFaults::HookGuard full(
            [](const char *call, const QString &) { return qstrcmp(call, "write") == 0 ? ENOSPC : 0; });
        made = AlarmFile::copyForEditing(alarm, working, fresh);
        EXPECT_EQ(made.outcome, Outcome::Refused);
        EXPECT_TRUE(made.message.contains(QStringLiteral("No space left on device"))) << made.message.toStdString();
        EXPECT_TRUE(TextFile::isAbsent(working));
        reset(good);
        const QString said = errorOf([&] { AlarmFile::copyForEditing(alarm, working, fresh); });
        EXPECT_TRUE(said.contains(working) && said.contains(QStringLiteral("No space left on device")))
            << said.toStdString();
    }
    EXPECT_EQ(readFile(alarm), good);
}

// Rows whose alarm file is gone are told once, in a list as short as the
// report of missed alarms.
TEST(HostileFiles, RowsWithoutTheirAlarmFileAreListedWithinBounds)
{
    QTemporaryDir dir;
    AlarmCatalogue catalogue;
    const int rows = AlarmScheduler::MaxMissedListed + 4;
    for (int slot = 0; slot < rows; ++slot) {
        catalogue.appendRow(CatalogueRow::fromFields(
            QStringLiteral("Alarm %1|Daily|07:30:00 AM|--|073000|22062004|0111110|%1").arg(slot).split(u'|')));
        writeFile(dir.filePath(slotFileName(slot)), "alarm");
    }
    EXPECT_EQ(catalogue.missingAlarmFilesReport(dir.path()), QString());

    // One gone, its row named with its file.
    QFile::remove(dir.filePath(QStringLiteral("2.ini")));
    const QString one = catalogue.missingAlarmFilesReport(dir.path());
    EXPECT_TRUE(one.startsWith(QStringLiteral("1 alarm(s) have no alarm file in ") + dir.path()) &&
                one.contains(QStringLiteral("\"Alarm 2\" (2.ini)")) && !one.contains(QStringLiteral("more")))
        << one.toStdString();

    // All gone: the first ones in list order, then how many more.
    for (int slot = 0; slot < rows; ++slot)
        QFile::remove(dir.filePath(slotFileName(slot)));
    const QString all = catalogue.missingAlarmFilesReport(dir.path());
    EXPECT_TRUE(all.startsWith(QStringLiteral("%1 alarm(s)").arg(rows))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("\"Alarm %1\"").arg(AlarmScheduler::MaxMissedListed - 1)));
    EXPECT_FALSE(all.contains(QStringLiteral("\"Alarm %1\"").arg(AlarmScheduler::MaxMissedListed)));
    EXPECT_TRUE(all.contains(QStringLiteral("and 4 more."))) << all.toStdString();
}

// Through the engine: an Edit names the alarm's own file, never the working
// copy, keeps it before the editor can replace it, and opens the editor only
// on what was read; one that read nothing is refused.
TEST(HostileFiles, EditNamesTheAlarmFileItCouldNotReadAndKeepsIt)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    AlarmEngine &engine = on.engine;
    QByteArray seen;
    int runs = 0;
    engine.setEditorRunner([&](const EditorRequest &request) -> std::optional<EditorResult> {
        ++runs;
        seen = readFile(request.workingCopyPath);
        AlarmRecord record = AlarmRecord::newAlarm(on.clock.now());
        record.frequencyCode = int(Frequency::Daily);
        record.reminder = QStringLiteral("Written\n");
        AlarmFile::write(request.workingCopyPath, record);
        return EditorResult{QStringLiteral("Written"), 2, record.alarmTime, record.alarmDate, record.weekdayMask()};
    });
    ASSERT_TRUE(engine.addAlarm());
    const QString alarm = on.path(QStringLiteral("0.ini"));
    const QString copy = alarm + QStringLiteral(".bak");
    QSignalSpy told(&engine, &AlarmEngine::errorOccurred);

    QByteArray longLine = readFile(alarm);
    longLine.replace("Written", QByteArray(AlarmFile::limits().maxLineCharacters + 1, 'x'));
    writeFile(alarm, longLine);
    runs = 0;
    const QString refused = errorOf([&] { engine.editAlarm(0); });
    EXPECT_TRUE(refused.contains(alarm) && refused.contains(QStringLiteral("kept as ") + copy) &&
                !refused.contains(QStringLiteral("alarm.ini")))
        << refused.toStdString();
    EXPECT_EQ(runs, 0) << "the editor opened on nothing that was read";
    EXPECT_EQ(readFile(alarm), longLine);
    EXPECT_EQ(readFile(copy), longLine);

    QByteArray badHour = readFile(on.path(QStringLiteral("alarm.ini")));
    badHour.replace("***Date time***\r\n6\r\n", "***Date time***\r\n25\r\n");
    writeFile(alarm, badHour);
    on.clock.setNow(QDateTime(QDate(2026, 12, 7), QTime(6, 30)));
    EXPECT_EQ(errorOf([&] { engine.editAlarm(0); }), QString());
    ASSERT_EQ(told.count(), 1);
    const QString said = told[0][0].toString();
    EXPECT_TRUE(said.contains(alarm) && said.contains(QStringLiteral("kept as ") + copy)) << said.toStdString();
    EXPECT_EQ(runs, 1);
    AlarmRecord shown;
    AlarmFile::decode(TextFile::decodeLines(seen), AlarmFile::ReadMode::Editing, shown);
    EXPECT_EQ(shown.frequencyCode, int(Frequency::Daily)) << "what was read before the bad line is not shown";
    EXPECT_EQ(shown.alarmTime, QTime(6, 30)) << "the time that could not be read is not a new alarm's";
    // "OK" replaced the file with what the editor showed; the original is kept.
    EXPECT_EQ(readFile(copy), badHour);
    EXPECT_TRUE(readFile(alarm).endsWith("***Memo***\r\nWritten\r\n"));
}

// Rows whose alarm file is gone are said at start, once, in one message
// that holds nothing up.
TEST(HostileFiles, RowsWithoutTheirAlarmFileAreSaidOnceAtStart)
{
    QTemporaryDir dir;
    AlarmCatalogue catalogue;
    catalogue.appendRow(catalogueRow("Daily", QTime(7, 0), 0));
    catalogue.appendRow(catalogueRow("Weekly", QTime(8, 0), 1));
    catalogue.appendRow(catalogueRow("Monthly", QTime(9, 0), 2));
    catalogue.write(dir.filePath(QStringLiteral("al.ini")));
    writeFile(dir.filePath(QStringLiteral("1.ini")), "alarm");
    ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmEngine engine(FileLocations(dir.path() + u'/'), clock, formatter);
    QSignalSpy told(&engine, &AlarmEngine::noticeOccurred);
    QSignalSpy errors(&engine, &AlarmEngine::errorOccurred);
    engine.start();
    EXPECT_EQ(errors.count(), 0);
    ASSERT_EQ(told.count(), 1);
    const QString said = told[0][0].toString();
    EXPECT_TRUE(said.startsWith(QStringLiteral("2 alarm(s) have no alarm file")) &&
                said.contains(QStringLiteral("\"Daily\" (0.ini)\n\"Monthly\" (2.ini)")))
        << said.toStdString();
    EXPECT_EQ(engine.catalogue().size(), 3) << "the rows are kept and rung";
}

// A list read whole in another encoding is news, not a failure: it is told
// as a notice, and the list counts as read, so an unattended end saves it.
TEST(HostileFiles, AListInWindows1252IsANoticeAtStart)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("al.ini")), oneRow("Caf\xe9"));
    ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmEngine engine(FileLocations(dir.path() + u'/'), clock, formatter);
    QSignalSpy told(&engine, &AlarmEngine::noticeOccurred);
    QSignalSpy errors(&engine, &AlarmEngine::errorOccurred);
    engine.start();
    EXPECT_EQ(errors.count(), 0);
    EXPECT_FALSE(engine.catalogueUnreadable());
    ASSERT_GE(told.count(), 1);
    EXPECT_TRUE(told[0][0].toString().contains(QStringLiteral("Windows-1252")));
}
