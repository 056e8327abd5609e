// Add, Edit and Delete under faults: a kill at any file-system call, and a
// full disk. Whatever happens, every row of the list on the disk has its own
// file, the files are all as before or all as after, and a failure is said
// once with its reason.

#include "alarmfile.h"
#include "apperror.h"
#include "enginetestsupport.h"
#include "privatemount.h"
#include "savefaults.h"
#include "textfile.h"

#include <QDir>
#include <QMap>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/mount.h>

using namespace SaveFaults;

namespace {

// The list and the alarm files of a folder; the working copy is no part of it.
QMap<QString, QByteArray> storedAlarms(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (name != QStringLiteral("alarm.ini"))
            files[name] = readAll(dir.filePath(name));
    }
    return files;
}

// An engine on a data folder that outlives it, so that it can be started
// again on what the last one left. What it says, thrown or told, is kept.
class EngineOnDisk : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    void TearDown() override { m_engine.reset(); }

    virtual QString folder() const { return m_dir.path() + u'/'; }
    AlarmEngine &start()
    {
        m_engine.reset();
        m_messages.clear();
        m_engine = std::make_unique<AlarmEngine>(FileLocations(folder()), m_clock, m_formatter);
        QObject::connect(m_engine.get(), &AlarmEngine::errorOccurred,
                         [this](const QString &message) { m_messages << message; });
        m_engine->start();
        m_engine->timer()->stop();
        m_engine->setEditorRunner([this](const EditorRequest &request) -> std::optional<EditorResult> {
            AlarmRecord record = AlarmRecord::newAlarm(m_clock.now());
            record.reminder = m_caption + u'\n';
            AlarmFile::write(request.workingCopyPath, record);
            return EditorResult{m_caption, 2, record.alarmTime, record.alarmDate, record.weekdayMask()};
        });
        return *m_engine;
    }
    // Runs a change as the window does; what it throws is said.
    void said(const std::function<void()> &change)
    {
        try {
            change();
        } catch (const AppError &error) {
            m_messages << error.message();
        }
    }
    void add(const QString &caption)
    {
        m_caption = caption;
        said([this] { m_engine->addAlarm(); });
    }
    void edit(int row, const QString &caption)
    {
        m_caption = caption;
        said([this, row] { m_engine->editAlarm(row); });
    }
    void remove(int row)
    {
        said([this, row] { m_engine->deleteAlarm(row); });
    }
    // Every row on the disk has a file of its own whose reminder names it.
    void expectEveryRowHasItsFile(const std::string &when)
    {
        AlarmCatalogue onDisk;
        onDisk.read(folder() + QStringLiteral("al.ini"));
        for (const CatalogueRow &row : onDisk.rows()) {
            AlarmRecord record;
            record.reminder.clear();
            try {
                AlarmFile::read(folder() + slotFileName(row.slot), AlarmFile::ReadMode::Ringing, record);
            } catch (const AppError &error) {
                ADD_FAILURE() << when << ": " << error.message().toStdString();
            }
            EXPECT_EQ(record.reminder, row.caption + u'\n') << when << ", slot " << row.slot;
        }
    }

    QTemporaryDir m_dir;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(7, 0, 0))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    std::unique_ptr<AlarmEngine> m_engine;
    QString m_caption;
    QStringList m_messages;
};

// A program folder on a small file system of its own that is then filled;
// without the right to mount one, a full disk is made by failing every write
// with ENOSPC through the save path's seam.
class FullDisk : public EngineOnDisk
{
protected:
    void SetUp() override
    {
        EngineOnDisk::SetUp();
        m_mountPoint = m_dir.filePath(QStringLiteral("small"));
        ASSERT_TRUE(QDir().mkpath(m_mountPoint));
        const int error = PrivateMount::mountTmpfs(m_mountPoint, "size=4m");
        m_mounted = error == 0;
        if (!m_mounted)
            std::printf("note: no tmpfs could be mounted (%s); a full disk is simulated\n", std::strerror(error));
    }
    void TearDown() override
    {
        EngineOnDisk::TearDown();
        m_hook.reset();
        QDir::setCurrent(QDir::rootPath());
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
    }
    QString folder() const override { return m_mountPoint + u'/'; }
    void fill()
    {
        if (!m_mounted) {
            m_hook = std::make_unique<HookGuard>(
                [](const char *call, const QString &) { return qstrcmp(call, "write") == 0 ? ENOSPC : 0; });
            return;
        }
        QFile filler(folder() + QStringLiteral("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

    QString m_mountPoint;
    bool m_mounted = false;
    std::unique_ptr<HookGuard> m_hook;
};

} // namespace

TEST_F(EngineOnDisk, AKillAtAnyCallOfAddEditOrDeleteLeavesAllBeforeOrAllAfter)
{
    const std::pair<const char *, std::function<void()>> changes[] = {
        {"Add", [this] { add(QStringLiteral("third")); }},
        {"Edit", [this] { edit(0, QStringLiteral("changed")); }},
        {"Delete", [this] { remove(0); }},
        {"Switch off", [this] { said([this] { m_engine->setEnabled(0, false); }); }},
        {"Delete a paused alarm", [this] { remove(1); }},
    };
    for (const auto &[name, change] : changes) {
        for (const QString &file : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(file));
        start();
        add(QStringLiteral("first"));
        add(QStringLiteral("second"));
        said([this] { m_engine->pauseUntil(1, QDate(2027, 1, 1)); });
        ASSERT_TRUE(m_messages.isEmpty()) << m_messages.join(u" | ").toStdString();
        const QMap<QString, QByteArray> before = storedAlarms(folder());
        const int calls = int(callsOf(change).size());
        const QMap<QString, QByteArray> after = storedAlarms(folder());
        ASSERT_NE(before, after) << name;

        for (int killAt = 0; killAt < calls; ++killAt) {
            for (const QString &file : QDir(m_dir.path()).entryList(QDir::Files))
                QFile::remove(m_dir.filePath(file));
            for (auto it = before.begin(); it != before.end(); ++it)
                ASSERT_TRUE(writeAll(m_dir.filePath(it.key()), it.value()));
            start();
            killedAt(killAt, change);
            const std::string when = std::string(name) + " killed at call " + std::to_string(killAt);
            start(); // the next start finishes or undoes what was cut short
            EXPECT_TRUE(m_messages.isEmpty()) << when << ": " << m_messages.join(u" | ").toStdString();
            const QMap<QString, QByteArray> found = storedAlarms(folder());
            EXPECT_TRUE(found == before || found == after) << when << ": " << found.keys().join(u", ").toStdString();
            expectEveryRowHasItsFile(when);
        }
    }
}

TEST_F(FullDisk, AddEditDeleteAndTheSaveAtTheEndLeaveEveryFileAndSayWhy)
{
    start();
    add(QStringLiteral("first"));
    add(QStringLiteral("second"));
    const QMap<QString, QByteArray> before = storedAlarms(folder());
    const QList<CatalogueRow> rows = m_engine->catalogue().rows();
    fill();

    const std::pair<const char *, std::function<void()>> changes[] = {
        {"Add", [this] { add(QStringLiteral("third")); }},
        {"Edit", [this] { edit(1, QStringLiteral("changed")); }},
        {"Delete", [this] { remove(0); }},
        {"Switch off", [this] { said([this] { m_engine->setEnabled(0, false); }); }},
        {"the save at the end", [this] { said([this] { m_engine->saveCatalogue(); }); }},
    };
    for (const auto &[name, change] : changes) {
        m_messages.clear();
        change();
        ASSERT_EQ(m_messages.size(), 1) << name << " said " << m_messages.join(u" | ").toStdString();
        EXPECT_TRUE(m_messages[0].contains(QStringLiteral("No space left on device")))
            << name << ": " << m_messages[0].toStdString();
        QMap<QString, QByteArray> now = storedAlarms(folder());
        now.remove(QStringLiteral("filler"));
        EXPECT_EQ(now, before) << name;
        EXPECT_EQ(m_engine->catalogue().rows(), rows) << name << " changed the list in memory";
        EXPECT_TRUE(m_engine->states().all().isEmpty()) << name << " changed the states in memory";
    }
}
