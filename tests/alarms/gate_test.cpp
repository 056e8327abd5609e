// The one gate before every commit: whatever path a change takes, a row or
// an alarm file the program's own readers would not read back as it is is
// refused, named, and nothing in the data folder changes.

#include "alarmchoices.h"
#include "alarmfile.h"
#include "apperror.h"
#include "enginetestsupport.h"
#include "savefaults.h"

#include <QDir>
#include <climits>
#include <functional>

namespace {

const QDateTime kNow(QDate(2026, 11, 10), QTime(7, 0)); // a Tuesday

// A record a path might bring in: from a calendar, a verb, the bus.
struct Hostile
{
    const char *name;
    std::function<void(AlarmRecord &, QString &caption)> spoil;
    // What the refusal names when the path hands the engine a record.
    const char *field;
    // What it names when the path hands over a working copy's bytes and a
    // row: only the reader's failure can be told then.
    const char *bytesField;
};

const Hostile kHostile[] = {
    {"a memo of 5,000 characters on one line",
     [](AlarmRecord &r, QString &) { r.reminder = QString(5000, u'x') + u'\n'; }, "caption is 5000 characters long",
     "caption is 5000 characters long"},
    {"a caption with a line break", [](AlarmRecord &, QString &caption) { caption = QStringLiteral("Wake\r\n7"); },
     "caption holds a line break", "caption holds a line break"},
    {"the month 13", [](AlarmRecord &r, QString &) { r.alarmDate = QDate(2026, 13, 10); }, "the alarm date",
     "the alarm date"},
    {"29 February 1900", [](AlarmRecord &r, QString &) { r.alarmDate = QDate(1900, 2, 29); }, "the alarm date",
     "the alarm date"},
    {"no date at all", [](AlarmRecord &r, QString &) { r.alarmDate = QDate(); }, "the alarm date", "the alarm date"},
    {"a song with a line break", [](AlarmRecord &r, QString &) { r.playList = {QStringLiteral("/music/wake\n.mp3")}; },
     "play-list entry 1", "is not a valid integer value"},
    {"a caption with half a surrogate pair",
     [](AlarmRecord &, QString &caption) { caption = QStringLiteral("Wake ") + QChar(0xd800); },
     "caption holds a line break or a character", "caption holds a line break or a character"},
    {"a sound length of INT_MIN", [](AlarmRecord &r, QString &) { r.soundMinutes = INT_MIN; },
     "the minutes of the sound", "the minutes of the sound"},
    {"a snooze of 60 minutes", [](AlarmRecord &r, QString &) { r.snoozeMinutes = 60; }, "the snooze minutes",
     "the snooze minutes"},
};

// The engine's ways in: the editor's Add and Edit, one alarm from a record
// (a verb, the bus), several at once (an import), and a replace in place.
enum class Path
{
    EditorAdd,
    EditorEdit,
    AddOne,
    Import,
    Replace,
};

struct GateCase
{
    Hostile hostile;
    Path path;
};

// Shown for a failing case instead of its bytes.
void PrintTo(const GateCase &c, std::ostream *out)
{
    *out << c.hostile.name;
}

std::string caseName(const testing::TestParamInfo<GateCase> &info)
{
    static const char *const paths[] = {"EditorAdd", "EditorEdit", "AddOne", "Import", "Replace"};
    std::string name = std::string(paths[int(info.param.path)]) + "_" + std::to_string(info.index);
    return name;
}

// Every file of the data folder but the working copy, which an edit writes
// before it opens the editor.
QMap<QString, QByteArray> dataFiles(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name != QLatin1String("alarm.ini"))
            files.insert(name, readAll(folder + u'/' + name));
    }
    return files;
}

class Gate : public testing::TestWithParam<GateCase>
{
protected:
    void SetUp() override
    {
        good = AlarmRecord::newAlarm(kNow);
        good.reminder = QStringLiteral("Good\n");
        on.engine.addAlarmFromRecord(good);
    }

    EngineOn<> on{kNow};
    AlarmRecord good;
};

TEST_P(Gate, RefusesWhatWouldNotReadBackAndWritesNothing)
{
    const GateCase &c = GetParam();
    AlarmRecord record = good;
    QString caption;
    c.hostile.spoil(record, caption);
    const QString shownCaption = caption.isEmpty() ? AlarmChoices::captionOf(record) : caption;
    const bool fromEditor = c.path == Path::EditorAdd || c.path == Path::EditorEdit;
    if (c.path == Path::AddOne && !caption.isEmpty())
        GTEST_SKIP() << "a single add takes its caption from the reminder";
    // An editor that saved the working copy without looking: the engine's
    // gate is the last one before the disk.
    on.engine.setEditorRunner([&](const EditorRequest &request) -> std::optional<EditorResult> {
        QFile file(request.workingCopyPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(AlarmFile::encode(record)) < 0)
            return std::nullopt;
        file.close();
        return EditorResult{shownCaption,     record.frequencyCode, record.alarmTime,
                            record.alarmDate, record.weekdayMask(), true};
    });
    const QMap<QString, QByteArray> before = dataFiles(on.dir.path());
    const QList<CatalogueRow> rowsBefore = on.engine.catalogue().rows();
    const AlarmEngine::NewAlarm alarm{record, {}, caption};

    const QString said = SaveFaults::errorOf([&] {
        switch (c.path) {
        case Path::EditorAdd:
            on.engine.addAlarm();
            break;
        case Path::EditorEdit:
            on.engine.editAlarm(0);
            break;
        case Path::AddOne:
            on.engine.addAlarmFromRecord(record);
            break;
        case Path::Import:
            on.engine.addAlarmsFromRecords({AlarmEngine::NewAlarm{good, {}, {}}, alarm});
            break;
        case Path::Replace:
            on.engine.addAlarmsFromRecords({}, {{0, alarm}});
            break;
        }
    });

    ASSERT_FALSE(said.isEmpty()) << c.hostile.name << " was taken";
    const char *field = fromEditor ? c.hostile.bytesField : c.hostile.field;
    EXPECT_TRUE(said.contains(QString::fromLatin1(field))) << c.hostile.name << ": " << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("\"%1\"").arg(TextFile::excerpt(shownCaption.section(u'\n', 0, 0)))))
        << c.hostile.name << ": the alarm is not named: " << said.toStdString();
    EXPECT_EQ(dataFiles(on.dir.path()), before) << c.hostile.name;
    EXPECT_EQ(on.engine.catalogue().rows(), rowsBefore) << c.hostile.name;
    // The next start reads every alarm there was.
    AlarmCatalogue read;
    EXPECT_NO_THROW(read.read(on.path(QStringLiteral("al.ini"))));
    EXPECT_EQ(read.rows(), rowsBefore);
}

std::vector<GateCase> allCases()
{
    std::vector<GateCase> cases;
    for (const Hostile &hostile : kHostile) {
        for (Path path : {Path::EditorAdd, Path::EditorEdit, Path::AddOne, Path::Import, Path::Replace})
            cases.push_back({hostile, path});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryPath, Gate, testing::ValuesIn(allCases()), caseName);

// The gate's bounds are the readers' bounds, no tighter: the longest caption
// a row may hold and a reminder typed without a final line break are taken.
TEST(GateBounds, TheLongestLineAndATypedReminderPass)
{
    EngineOn<> on(kNow);
    AlarmRecord record = AlarmRecord::newAlarm(kNow);
    record.reminder = QString(int(AlarmCatalogue::limits().maxLineCharacters), u'x');
    EXPECT_EQ(on.engine.addAlarmFromRecord(record), 0);
    AlarmCatalogue read;
    read.read(on.path(QStringLiteral("al.ini")));
    EXPECT_EQ(read.rows(), on.engine.catalogue().rows());
    AlarmRecord back;
    AlarmFile::read(on.path(QStringLiteral("0.ini")), AlarmFile::ReadMode::Editing, back);
    EXPECT_EQ(back.reminder, record.reminder + u'\n');
}

} // namespace
