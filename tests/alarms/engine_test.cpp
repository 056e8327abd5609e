// The engine on its own, as a program without windows would use it: what it
// says at start, and what it hands to the editor and takes back.

#include "alarmfile.h"
#include "apperror.h"
#include "enginetestsupport.h"

#include <QSignalSpy>

namespace {

// An editor that writes a Daily alarm named `caption` into the working copy,
// and records the requests it was opened with and the hand-off it saw.
struct StandInEditor
{
    AlarmEngine::EditorRunner runner(AlarmEngine &engine, const Clock &clock)
    {
        return [this, &engine, &clock](const EditorRequest &request) -> std::optional<EditorResult> {
            requests << request;
            handOffs << engine.handOff();
            if (caption.isEmpty())
                return std::nullopt;
            AlarmRecord record = AlarmRecord::newAlarm(clock.now());
            record.reminder = caption + u'\n';
            AlarmFile::write(request.workingCopyPath, record);
            return EditorResult{caption, 2, record.alarmTime, record.alarmDate, record.weekdayMask(), on};
        };
    }
    QString caption;
    bool on = true;
    QList<EditorRequest> requests;
    QList<AlarmEngine::HandOff> handOffs;
};

} // namespace

// A list with a bad line: the rows before it are kept and scheduled, the
// problem is said once, and the file is not replaced by a save nobody asked
// for until the user changes the list.
TEST(Engine, AnUnreadableListIsSaidOnceAndKeptUntilTheUserChangesIt)
{
    QTemporaryDir dir;
    const QByteArray broken = "2\r\nWake\r\nDaily\r\n07:00:00 AM\r\nEveryday\r\n070000\r\n01012020\r\n0000000\r\n0\r\n";
    ASSERT_TRUE(writeAll(dir.filePath(QStringLiteral("al.ini")), broken));
    ASSERT_TRUE(writeAll(dir.filePath(QStringLiteral("0.ini")), "x"));
    ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    AlarmEngine engine(FileLocations(dir.path() + u'/'), clock, formatter);
    QSignalSpy errors(&engine, &AlarmEngine::errorOccurred);
    engine.start();
    ASSERT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors[0][0].toString().contains(QStringLiteral("al.ini"))) << errors[0][0].toString().toStdString();
    ASSERT_EQ(engine.catalogue().size(), 1);
    EXPECT_EQ(engine.catalogue().row(0).caption, QStringLiteral("Wake"));
    EXPECT_TRUE(engine.catalogue().isSlotInUse(0));
    EXPECT_TRUE(engine.catalogueUnreadable());
    EXPECT_TRUE(engine.timer()->isActive()) << "the tick did not start";
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("al.ini"))), broken);

    StandInEditor editor;
    editor.caption = QStringLiteral("Tea");
    engine.setEditorRunner(editor.runner(engine, clock));
    EXPECT_TRUE(engine.addAlarm());
    EXPECT_FALSE(engine.catalogueUnreadable()) << "a list the user changed is still kept from saves";
    AlarmCatalogue onDisk;
    onDisk.read(dir.filePath(QStringLiteral("al.ini")));
    EXPECT_EQ(onDisk.rows(), engine.catalogue().rows());
    EXPECT_EQ(engine.catalogue().row(1).slot, 1);
}

// The editor gets the working copy's path and whether the alarm is new; the
// hand-off is set only while the editor is open; an Edit opens on a copy of
// the alarm's own file, and a cancelled one changes nothing.
TEST(Engine, TheEditorIsOpenedOnARequestAndItsResultCommitted)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    AlarmEngine &engine = on.engine;
    StandInEditor editor;
    engine.setEditorRunner(editor.runner(engine, on.clock));
    QSignalSpy lines(&engine, &AlarmEngine::displayChanged);

    editor.caption = QStringLiteral("Tea");
    ASSERT_TRUE(engine.addAlarm());
    ASSERT_EQ(editor.requests.size(), 1);
    EXPECT_TRUE(editor.requests[0].newAlarm);
    EXPECT_EQ(editor.requests[0].workingCopyPath, on.path(QStringLiteral("alarm.ini")));
    EXPECT_TRUE(editor.handOffs[0].newAlarm);
    EXPECT_EQ(editor.handOffs[0].currentAlarmFileName, QStringLiteral("alarm.ini"));
    EXPECT_FALSE(engine.handOff().newAlarm);
    EXPECT_TRUE(engine.handOff().currentAlarmFileName.isEmpty());
    EXPECT_EQ(engine.handOff().editorResult.caption, QStringLiteral("Tea"));
    EXPECT_EQ(lines.count(), 1) << "the clock's lines were not refreshed after the editor";

    const QByteArray slotFile = readAll(on.path(QStringLiteral("0.ini")));
    QFile::remove(on.path(QStringLiteral("alarm.ini")));
    editor.caption.clear();
    EXPECT_FALSE(engine.editAlarm(0));
    EXPECT_FALSE(editor.requests[1].newAlarm);
    EXPECT_EQ(readAll(on.path(QStringLiteral("alarm.ini"))), slotFile) << "the editor did not get the alarm's file";
    EXPECT_EQ(readAll(on.path(QStringLiteral("0.ini"))), slotFile);
    EXPECT_EQ(engine.catalogue().row(0).caption, QStringLiteral("Tea"));

    // The editor's switch: an alarm added off is off, and an edit opens on
    // what the alarm is and keeps its pause.
    editor.caption = QStringLiteral("Walk");
    editor.on = false;
    ASSERT_TRUE(engine.addAlarm());
    EXPECT_FALSE(engine.states().state(1).enabled);
    engine.pauseUntil(1, QDate(2027, 1, 1));
    editor.on = true;
    ASSERT_TRUE(engine.editAlarm(1));
    EXPECT_FALSE(editor.requests.last().enabled) << "the editor opened on a switch that is not the alarm's";
    EXPECT_TRUE(engine.states().state(1).enabled);
    EXPECT_EQ(engine.states().state(1).pausedUntil, QDate(2027, 1, 1)) << "an edit lost the pause";
    ASSERT_TRUE(engine.deleteAlarm(1));
    editor.requests.removeLast();
    editor.requests.removeLast();

    // No row, no editor, no change.
    EXPECT_FALSE(engine.editAlarm(5));
    EXPECT_FALSE(engine.deleteAlarm(-1));
    EXPECT_EQ(editor.requests.size(), 2);
    EXPECT_TRUE(engine.deleteAlarm(0));
    EXPECT_FALSE(QFile::exists(on.path(QStringLiteral("0.ini"))));
    EXPECT_EQ(engine.catalogue().size(), 0);
}

// Ending without anyone to ask: every close is allowed from now on.
TEST(Engine, AnUnattendedEndSetsTheExitFlag)
{
    EngineOn<> on(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    EXPECT_FALSE(on.engine.exitFlag());
    EXPECT_FALSE(on.engine.endingUnattended());
    on.engine.beginUnattendedEnd();
    EXPECT_TRUE(on.engine.exitFlag());
    EXPECT_TRUE(on.engine.endingUnattended());
}
