// The one save path and the change of several files as one unit: whatever
// call fails or is cut off, the old files stay whole and nothing is left over.

#include "apperror.h"
#include "filetransaction.h"
#include "qtprint.h"
#include "savefaults.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace SaveFaults;

namespace {

// Every file of a folder with its contents.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

} // namespace

TEST(SavePath, EveryFailingCallLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("al.ini"));
    const QByteArray old = "1\r\nold\r\n";
    const QByteArray longer = QByteArray(100000, 'x');
    const QStringList calls = callsOf([&] {
        writeFile(path, old);
        TextFile::writeAtomically(path, longer);
    });
    // open, at least one write, the file's sync before its rename, the folder's sync after.
    ASSERT_GE(calls.size(), 5) << calls.join(u", ").toStdString();
    EXPECT_LT(calls.indexOf(QRegularExpression(QStringLiteral("^fsync al.ini\\..{6}$"))),
              calls.indexOf(QStringLiteral("rename al.ini")))
        << "the data is not synced before the rename: " << calls.join(u", ").toStdString();

    for (int failing = 0; failing < calls.size(); ++failing) {
        const QString call = calls[failing];
        if (call.startsWith(u"fsync") && !call.contains(u".ini."))
            continue; // the folder's sync: the file is in place already
        writeFile(path, old);
        int seen = 0;
        HookGuard hook([&](const char *, const QString &) { return seen++ == failing ? ENOSPC : 0; });
        QString message;
        try {
            TextFile::writeAtomically(path, longer);
        } catch (const AppError &e) {
            message = e.message();
        }
        EXPECT_TRUE(message.contains(QStringLiteral("No space left on device")) && message.contains(path))
            << call.toStdString() << ": " << message.toStdString();
        EXPECT_EQ(snapshot(dir.path()), (QMap<QString, QByteArray>{{QStringLiteral("al.ini"), old}}))
            << "after a failing " << call.toStdString();
    }
}

TEST(SavePath, ReplacesWholeAndKeepsTheFilesPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LCD.ini"));
    writeFile(path, "1\r\nBlue\r\n");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const QFile::Permissions permissions = QFile::permissions(path);
    TextFile::writeAtomically(path, "2\r\nRed\r\n");
    EXPECT_EQ(snapshot(dir.path()), (QMap<QString, QByteArray>{{QStringLiteral("LCD.ini"), "2\r\nRed\r\n"}}));
    EXPECT_EQ(QFile::permissions(path), permissions);
}

TEST(SavePath, OnlyItsOwnTemporaryFilesCount)
{
    const QStringList names{QStringLiteral("al.ini"), QStringLiteral("7.ini")};
    const std::pair<const char *, bool> cases[] = {
        {"al.ini.Xy3k9Q", true}, {"7.ini.a1b2c3", true},  {"al.ini.backup", false}, {"al.ini.bak", false},
        {"al.ini.Xy3k9", false}, {"8.ini.Xy3k9Q", false}, {"al.ini.Xy-k9Q", false}, {"al.ini", false},
    };
    for (const auto &[name, temporary] : cases)
        EXPECT_EQ(TextFile::isTemporaryFileOf(QString::fromLatin1(name), names), temporary) << name;
}

// A change of three files killed at each of its file-system calls: the next
// start sees all three as before or all three as after, and nothing else.
TEST(FileTransaction, AKillAtAnyCallLeavesAllOldOrAllNew)
{
    QTemporaryDir dir;
    const QString journal = QStringLiteral("al.ini.journal");
    const QStringList names{QStringLiteral("al.ini"), QStringLiteral("0.ini"), QStringLiteral("1.ini")};
    const QMap<QString, QByteArray> before{
        {QStringLiteral("al.ini"), "old list"}, {QStringLiteral("0.ini"), "old 0"}, {QStringLiteral("1.ini"), "old 1"}};
    const QMap<QString, QByteArray> after{{QStringLiteral("al.ini"), "new list"}, {QStringLiteral("0.ini"), "new 0"}};
    const auto reset = [&] {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
        for (auto it = before.begin(); it != before.end(); ++it)
            writeFile(dir.filePath(it.key()), it.value());
    };
    const auto change = [&] {
        FileTransaction t(dir.path(), journal);
        t.replace(QStringLiteral("0.ini"), "new 0");
        t.replace(QStringLiteral("al.ini"), "new list");
        t.remove(QStringLiteral("1.ini"));
        t.commit();
    };
    reset();
    const QStringList calls = callsOf(change);
    EXPECT_EQ(snapshot(dir.path()), after);

    int sawBefore = 0;
    int sawAfter = 0;
    for (int killAt = 0; killAt <= calls.size(); ++killAt) {
        reset();
        killedAt(killAt, change);
        FileTransaction::recover(dir.path(), journal, names);
        const QMap<QString, QByteArray> found = snapshot(dir.path());
        EXPECT_TRUE(found == before || found == after)
            << "killed at " << (killAt < calls.size() ? calls[killAt].toStdString() : "the end") << ": "
            << QStringList(found.keys()).join(u", ").toStdString();
        sawBefore += found == before;
        sawAfter += found == after;
    }
    // The journal's rename is the moment of the change: both sides are reached.
    EXPECT_GT(sawBefore, 0);
    EXPECT_GT(sawAfter, 1);
}

TEST(FileTransaction, AFailedStepChangesNothingAndAJournalNeverLeavesTheFolder)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("al.ini")), "old list");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("0.ini")));
    FileTransaction blocked(dir.path(), QStringLiteral("al.ini.journal"));
    blocked.replace(QStringLiteral("al.ini"), "new list");
    blocked.replace(QStringLiteral("0.ini"), "new 0");
    EXPECT_THROW(blocked.commit(), AppError);
    EXPECT_FALSE(blocked.committed());
    EXPECT_EQ(snapshot(dir.path()), (QMap<QString, QByteArray>{{QStringLiteral("al.ini"), "old list"}}));

    // A journal naming a file elsewhere is refused and left alone.
    writeFile(dir.filePath(QStringLiteral("al.ini.journal")), "remove ../al.ini\r\n");
    EXPECT_THROW(FileTransaction::recover(dir.path(), QStringLiteral("al.ini.journal"), {QStringLiteral("al.ini")}),
                 AppError);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("al.ini"))));
}
