// The manager window's Add, Edit and Delete, with a stand-in editor.

#include "alarmfile.h"
#include "alarmrowactions.h"
#include "errorrecorder.h"
#include "fakewaketimer.h"
#include "formstestsupport.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

class Manager : public ManagerTest
{
protected:
    Manager() : ManagerTest(QDateTime(QDate(2026, 12, 7), QTime(7, 0, 0)))
    {
        m_engine.setEditorRunner([this](const EditorRequest &request) -> std::optional<EditorResult> {
            ++m_editorRuns;
            m_workingCopySeen = readAll(request.workingCopyPath);
            m_newAlarmSeen = request.newAlarm;
            m_handOffSeen = m_engine.handOff();
            if (!m_accept)
                return std::nullopt;
            AlarmRecord record = AlarmRecord::newAlarm(m_clock.now());
            record.frequencyCode = m_frequency;
            record.reminder = m_caption + u'\n';
            AlarmFile::write(request.workingCopyPath, record);
            return EditorResult{m_caption, m_frequency, record.alarmTime, record.alarmDate, record.weekdayMask()};
        });
    }
    void addAlarm(const QString &caption, int frequency = 2)
    {
        m_caption = caption;
        m_frequency = frequency;
        m_accept = true;
        m_manager.ButtonAddClick();
    }

    QTreeView *list() const { return m_manager.findChild<QTreeView *>(QStringLiteral("AlarmList")); }
    void doubleClick(const QPoint &at)
    {
        QWidget *viewport = list()->viewport();
        QMouseEvent event(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }

    int m_editorRuns = 0;
    bool m_accept = false;
    bool m_newAlarmSeen = false;
    AlarmEngine::HandOff m_handOffSeen;
    QByteArray m_workingCopySeen;
    QString m_caption;
    int m_frequency = 2;
};

} // namespace

TEST_F(Manager, AddTakesTheLowestFreeSlotAppendsAndSavesAtOnceAndCancelChangesNothing)
{
    // Cancel: no row, no slot, no file; only the display is refreshed.
    const int marquee = m_engine.scheduler().marqueePosition();
    m_manager.ButtonAddClick();
    EXPECT_TRUE(m_newAlarmSeen);
    EXPECT_TRUE(m_handOffSeen.newAlarm);
    EXPECT_EQ(m_handOffSeen.currentAlarmFileName, QStringLiteral("alarm.ini"));
    EXPECT_TRUE(m_engine.handOff().currentAlarmFileName.isEmpty()) << "the hand-off outlived the editor";
    EXPECT_EQ(m_engine.catalogue().size(), 0);
    EXPECT_FALSE(m_engine.catalogue().isSlotInUse(0));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("0.ini"))));
    EXPECT_EQ(m_engine.scheduler().marqueePosition(), marquee + 1) << "no refresh after the editor";

    addAlarm(QStringLiteral("zero"));
    addAlarm(QStringLiteral("one"));
    addAlarm(QStringLiteral("two"));
    m_manager.selectRow(1);
    m_manager.ButtonDeleteClick();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("1.ini")))) << "Delete left the alarm file";
    addAlarm(QStringLiteral("new"), 4);
    ASSERT_EQ(m_engine.catalogue().size(), 3);
    const CatalogueRow &row = m_engine.catalogue().row(2);
    EXPECT_EQ(row.caption, QStringLiteral("new"));
    EXPECT_EQ(row.slot, 1);
    EXPECT_EQ(row.dateText, QStringLiteral("7 of every month"));
    EXPECT_EQ(readAll(path(QStringLiteral("1.ini"))), readAll(path(QStringLiteral("alarm.ini"))));
    // Saved already: a crash now loses nothing.
    AlarmCatalogue onDisk;
    onDisk.read(path(QStringLiteral("al.ini")));
    EXPECT_EQ(onDisk.rows(), m_engine.catalogue().rows());
}

TEST_F(Manager, EditKeepsSlotFileAndPosition)
{
    addAlarm(QStringLiteral("first"));
    addAlarm(QStringLiteral("second"), 4);
    const QByteArray slotFile = readAll(path(QStringLiteral("1.ini")));
    m_manager.selectRow(1);
    m_caption = QStringLiteral("changed");
    m_manager.buttonEditClick();
    EXPECT_FALSE(m_newAlarmSeen);
    EXPECT_EQ(m_workingCopySeen, slotFile) << "the editor did not get the alarm's own file";
    ASSERT_EQ(m_engine.catalogue().size(), 2);
    EXPECT_EQ(m_engine.catalogue().row(1).caption, QStringLiteral("changed"));
    EXPECT_EQ(m_engine.catalogue().row(1).slot, 1);
    EXPECT_EQ(m_engine.catalogue().row(1).dateText, QStringLiteral("7 of every month"));
    EXPECT_EQ(m_engine.catalogue().row(0).caption, QStringLiteral("first"));

    // An alarm whose file is gone never opens with another alarm's values:
    // that is said, and the editor gets a new alarm's settings.
    QFile::remove(path(QStringLiteral("0.ini")));
    m_accept = false;
    m_manager.selectRow(0);
    {
        ErrorRecorder errors;
        m_manager.buttonEditClick();
        ASSERT_EQ(errors.messages.size(), 1);
        EXPECT_TRUE(errors.messages[0].contains(path(QStringLiteral("0.ini")) + QStringLiteral(" is missing")))
            << errors.messages[0].toStdString();
    }
    EXPECT_EQ(m_workingCopySeen, AlarmFile::encode(AlarmRecord::newAlarm(m_clock.now())))
        << "the working copy of the last edit was shown";

    // Without a selection nothing happens.
    m_manager.selectRow(-1);
    const int runs = m_editorRuns;
    m_manager.buttonEditClick();
    m_manager.ButtonDeleteClick();
    EXPECT_EQ(m_editorRuns, runs);
    EXPECT_EQ(m_engine.catalogue().size(), 2);
}

// An alarm may ring while the editor is open: the new alarm still gets the
// settings the editor wrote, not those of the alarm that rang.
TEST_F(Manager, AnAlarmRingingDuringAddLeavesTheNewAlarmItsOwnSettings)
{
    addAlarm(QStringLiteral("other"));
    AlarmRecord other = AlarmRecord::newAlarm(m_clock.now());
    other.reminder = QStringLiteral("other\n");
    other.powerAction = 3;
    AlarmFile::write(path(QStringLiteral("0.ini")), other);
    QStringList ringerSaw;
    m_engine.setRinger([&](const RingingRequest &request) {
        ringerSaw << m_engine.handOff().currentAlarmFileName << request.alarmFilePath;
    });
    QString fileNameAfterRinging;
    m_engine.setEditorRunner([&](const EditorRequest &request) -> std::optional<EditorResult> {
        // The other alarm (Daily, at the time it was made) falls due meanwhile.
        m_clock.setNow(m_clock.now().addDays(1).addSecs(-2));
        for (int tick = 0; tick < 3; ++tick, m_clock.advance(1000))
            m_manager.TimerTimer();
        QCoreApplication::sendPostedEvents(&m_engine, QEvent::MetaCall);
        fileNameAfterRinging = m_engine.handOff().currentAlarmFileName;
        AlarmRecord mine = AlarmRecord::newAlarm(m_clock.now());
        mine.reminder = QStringLiteral("mine\n");
        AlarmFile::write(request.workingCopyPath, mine);
        return EditorResult{QStringLiteral("mine"), 2, mine.alarmTime, mine.alarmDate, mine.weekdayMask()};
    });
    m_manager.ButtonAddClick();
    EXPECT_EQ(ringerSaw, (QStringList{QStringLiteral("0.ini"), path(QStringLiteral("0.ini"))}));
    EXPECT_EQ(fileNameAfterRinging, QStringLiteral("alarm.ini")) << "the editor's file name was not given back";
    ASSERT_EQ(m_engine.catalogue().size(), 2);
    AlarmRecord saved;
    AlarmFile::read(path(QStringLiteral("1.ini")), AlarmFile::ReadMode::Editing, saved);
    EXPECT_EQ(saved.reminder, QStringLiteral("mine\n"));
    EXPECT_EQ(saved.powerAction, 0);
}

TEST_F(Manager, DoubleClickEditsItsRowAndBelowTheRowsOnlySelectsTheLast)
{
    m_manager.show();
    addAlarm(QStringLiteral("a"));
    addAlarm(QStringLiteral("b"));
    m_manager.selectRow(0);
    const int runs = m_editorRuns;
    const QPoint below(10, list()->viewport()->height() - 5);
    ASSERT_FALSE(list()->indexAt(below).isValid());
    doubleClick(below);
    EXPECT_EQ(m_editorRuns, runs);
    EXPECT_EQ(m_manager.selectedRow(), 1);

    m_manager.selectRow(0);
    m_accept = false;
    doubleClick(list()->visualRect(m_engine.catalogue().index(0, 0)).center());
    EXPECT_EQ(m_editorRuns, runs + 1);
}

TEST_F(Manager, CloseAndOKOnlyHideAndKeepRowsAndSelection)
{
    addAlarm(QStringLiteral("a"));
    addAlarm(QStringLiteral("b"));
    m_manager.showAndRaise();
    m_manager.selectRow(1);
    EXPECT_FALSE(m_manager.close());
    EXPECT_FALSE(m_manager.isVisible());
    m_manager.showAndRaise();
    EXPECT_EQ(m_manager.selectedRow(), 1);
    m_manager.ButtonOKClick();
    EXPECT_FALSE(m_manager.isVisible());
    EXPECT_EQ(m_engine.catalogue().size(), 2);
}

TEST_F(Manager, FailuresAreReportedAndLeaveTheListAsItWas)
{
    // A folder in the way of the slot's file: the copy fails, no row is added.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("0.ini")));
    ErrorRecorder errors;
    addAlarm(QStringLiteral("blocked"));
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("0.ini"))) << errors.messages[0].toStdString();
    EXPECT_EQ(m_engine.catalogue().size(), 0);
    EXPECT_FALSE(m_engine.catalogue().isSlotInUse(0));

    // All slots taken: "Add" says so and opens no editor.
    for (int slot = 0; slot < AlarmCatalogue::SlotCount; ++slot)
        m_engine.catalogue().setSlotInUse(slot, true);
    const int runs = m_editorRuns;
    m_manager.ButtonAddClick();
    EXPECT_EQ(m_editorRuns, runs);
    ASSERT_EQ(errors.messages.size(), 2);
    EXPECT_TRUE(errors.messages[1].contains(QStringLiteral("256")));
}

// Where alarms can't wake the computer, the manager says so, with the
// reason and the remedy, or that the system refused the moment; it stops
// saying so when waking works again.
TEST_F(Manager, TheWakeNoteSaysWhyAlarmsWontWakeTheComputer)
{
    const auto *note = m_manager.findChild<QLabel *>(QStringLiteral("LabelWake"));
    ASSERT_NE(note, nullptr);
    m_engine.catalogue().appendRow(CatalogueRow::fromFields(
        {QStringLiteral("Daily"), QStringLiteral("Daily"), QString(), QString(), QStringLiteral("073000"),
         QStringLiteral("07122026"), QStringLiteral("0000000"), QStringLiteral("0")}));

    FakeWakeTimer forbidden(
        {false, QStringLiteral("this program lacks CAP_WAKE_ALARM"), QStringLiteral("run setcap cap_wake_alarm+ep")});
    m_engine.setWakeTimer(&forbidden);
    EXPECT_TRUE(note->isVisibleTo(&m_manager));
    EXPECT_TRUE(note->toolTip().contains(QStringLiteral("lacks CAP_WAKE_ALARM")));
    EXPECT_TRUE(note->toolTip().contains(QStringLiteral("setcap cap_wake_alarm+ep")));

    FakeWakeTimer refusing;
    refusing.refuse = true;
    m_engine.setWakeTimer(&refusing);
    EXPECT_TRUE(note->isVisibleTo(&m_manager)) << "the refusal went unsaid";
    EXPECT_TRUE(note->toolTip().contains(QStringLiteral("refused")));
    refusing.refuse = false;
    m_clock.advance(200);
    m_manager.TimerTimer();
    EXPECT_FALSE(note->isVisibleTo(&m_manager)) << "still says so although armed";
    m_engine.setWakeTimer(nullptr);
}

// Everyday control from the keyboard: Space switches the focused row off and
// on, Ctrl+K skips, Ctrl+P pauses, Ctrl+R resumes; the row shows it. A
// delete is taken back with its file byte for byte and its state, until the
// list changes otherwise.
TEST_F(Manager, RowsAreSwitchedSkippedPausedAndADeleteIsTakenBack)
{
    m_manager.show();
    m_manager.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_manager)) << "the shortcuts need the window active";
    addAlarm(QStringLiteral("a"));
    addAlarm(QStringLiteral("b"));
    QTreeView *view = list();
    const QAbstractItemModel *model = view->model();
    const auto stateOf = [this](int slot) { return m_engine.states().state(slot); };
    EXPECT_EQ(model->index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    // What a screen reader reads of the row says the state too.
    EXPECT_EQ(model->index(0, 0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("a, on"));

    m_manager.selectRow(0);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_FALSE(stateOf(0).enabled) << "Space did not switch the alarm off";
    EXPECT_EQ(model->index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
    EXPECT_EQ(model->index(0, 0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("a, off"));
    EXPECT_EQ(model->index(0, 2).data(Qt::ForegroundRole).value<QBrush>(),
              QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text))
        << "an alarm that is off does not look off";

    m_manager.selectRow(1);
    QTest::keyClick(view, Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(stateOf(1).skippedDue.has_value());
    EXPECT_TRUE(model->index(1, 0).data().toString().startsWith(QStringLiteral("b (skipped until ")))
        << model->index(1, 0).data().toString().toStdString();
    m_manager.rowActions().setDayChooser([](QWidget *, const QDate &) { return QDate(2026, 12, 24); });
    QTest::keyClick(view, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(stateOf(1).pausedUntil, QDate(2026, 12, 24));
    EXPECT_EQ(model->index(1, 0).data().toString(),
              QStringLiteral("b (paused until %1)").arg(m_formatter.shortDate(QDate(2026, 12, 24))));
    QTest::keyClick(view, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(stateOf(1).isDefault()) << "Resume left a skip or a pause";

    const QByteArray file = readAll(path(QStringLiteral("0.ini")));
    const QByteArray list = readAll(path(QStringLiteral("al.ini")));
    auto *undo = m_manager.findChild<QPushButton *>(QStringLiteral("ButtonUndo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isVisible());
    m_manager.selectRow(0);
    m_manager.ButtonDeleteClick();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("0.ini"))));
    EXPECT_TRUE(undo->isVisible());
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(readAll(path(QStringLiteral("0.ini"))), file) << "the alarm's file did not come back as it was";
    EXPECT_EQ(readAll(path(QStringLiteral("al.ini"))), list) << "the alarm did not come back in its place";
    EXPECT_FALSE(stateOf(0).enabled) << "the alarm came back switched on";
    EXPECT_FALSE(undo->isVisible());

    m_manager.selectRow(1);
    m_manager.ButtonDeleteClick();
    addAlarm(QStringLiteral("c"));
    EXPECT_FALSE(m_manager.rowActions().canUndo()) << "an undo outlived another change";
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_engine.catalogue().size(), 2);
}

// Without a mouse: the list has the focus when the manager opens, with the
// alarm added last selected; the arrows move along the rows; Return edits the row the focus is on, Delete deletes
// it; the buttons answer to Alt and their first letter; the "Why?" link is
// on the way of Tab.
TEST_F(Manager, TheKeyboardAloneAddsEditsAndDeletes)
{
    addAlarm(QStringLiteral("a"));
    addAlarm(QStringLiteral("b"));
    m_manager.showAndRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_manager));
    QApplication::setActiveWindow(&m_manager);
    list()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_manager.selectedRow(), 1) << "the alarm added last is not the one selected";

    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(m_manager.selectedRow(), 0);
    QTest::keyClick(list(), Qt::Key_Down);
    m_accept = false;
    const int runs = m_editorRuns;
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(m_editorRuns, runs + 1);
    EXPECT_FALSE(m_newAlarmSeen) << "Return added instead of editing";
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(m_engine.catalogue().size(), 1);
    EXPECT_EQ(m_engine.catalogue().row(0).fields().value(0), QStringLiteral("a"));
    EXPECT_EQ(m_manager.selectedRow(), 0) << "the row left is not selected for the next key";

    // Alt and the first letter press a button; the captions read as designed.
    const std::pair<const char *, QKeySequence> keys[] = {{"ButtonAdd", QKeySequence(Qt::ALT | Qt::Key_A)},
                                                          {"buttonEdit", QKeySequence(Qt::ALT | Qt::Key_E)},
                                                          {"ButtonDelete", QKeySequence(Qt::ALT | Qt::Key_D)},
                                                          {"ButtonOK", QKeySequence(Qt::ALT | Qt::Key_O)}};
    QStringList captions;
    for (const auto &[name, key] : keys) {
        const auto *button = m_manager.findChild<QPushButton *>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->shortcut(), key) << name;
        captions << button->text().remove(u'&');
    }
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Add"), QStringLiteral("Edit"), QStringLiteral("Delete"),
                                     QStringLiteral("OK")}));

    auto *note = m_manager.findChild<QLabel *>(QStringLiteral("LabelWake"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->textInteractionFlags().testFlag(Qt::LinksAccessibleByKeyboard));
    EXPECT_EQ(m_manager.findChild<QPushButton *>(QStringLiteral("ButtonUndo"))->nextInFocusChain(), note);
}

// After OK in the editor, from a button or from the row's menu, the alarm
// added or edited is selected and the list has the focus; Cancel leaves both
// where they were. The row's menu edits and deletes the selected row.
TEST_F(Manager, TheAlarmAddedOrEditedIsSelectedWithTheFocusAndTheMenuEditsAndDeletes)
{
    addAlarm(QStringLiteral("a"));
    addAlarm(QStringLiteral("b"));
    addAlarm(QStringLiteral("c"));
    auto *menu = m_manager.findChild<QMenu *>(QStringLiteral("RowMenu"));
    ASSERT_NE(menu, nullptr);
    const auto trigger = [menu](const char *name) {
        for (QAction *action : menu->actions()) {
            if (action->objectName() == QLatin1String(name))
                return action->trigger();
        }
        ADD_FAILURE() << "the row menu has no " << name;
    };
    const struct
    {
        const char *how;
        int selectedBefore;
        bool accept;
        int selectedAfter;
        int rowsAfter;
    } steps[] = {{"ButtonAdd", 0, true, 3, 4},    {"buttonEdit", 1, true, 1, 4}, {"ActionEdit", 2, true, 2, 4},
                 {"buttonEdit", 0, false, 0, 4},  {"ButtonAdd", 1, false, 1, 4}, {"ActionDelete", 1, false, 1, 3},
                 {"ActionDelete", 2, false, 1, 2}};
    for (const auto &step : steps) {
        SCOPED_TRACE(testing::Message() << step.how << " from row " << step.selectedBefore);
        m_manager.selectRow(step.selectedBefore);
        QWidget *button = m_manager.findChild<QPushButton *>(QStringLiteral("ButtonOK"));
        button->setFocus();
        m_accept = step.accept;
        m_caption = QStringLiteral("edited");
        if (auto *push = m_manager.findChild<QPushButton *>(QLatin1String(step.how)))
            push->click();
        else
            trigger(step.how);
        EXPECT_EQ(m_engine.catalogue().size(), step.rowsAfter);
        EXPECT_EQ(m_manager.selectedRow(), step.selectedAfter);
        EXPECT_EQ(m_manager.focusWidget() == list(), step.accept);
    }
    const QStringList names = [menu] {
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text();
        return texts;
    }();
    EXPECT_TRUE(names.contains(QStringLiteral("&Edit")) && names.contains(QStringLiteral("&Delete")))
        << names.join(u',').toStdString();
}

namespace {

// A manager for a user whose clock runs to 24 hours.
class TwentyFourHourManager : public ManagerTest
{
protected:
    TwentyFourHourManager()
        : ManagerTest(QDateTime(QDate(2026, 12, 7), QTime(7, 0)),
                      LocaleFormats::fromLocale(QLocale(QStringLiteral("de_DE"))))
    {
    }
};

// The list's times read as the user's clock does; the file keeps the
// designed AM/PM text, and an hourly alarm its minutes past the hour.
TEST_F(TwentyFourHourManager, TimesReadAsTheUsersClockAndTheFileKeepsAmPm)
{
    AlarmRecord daily = AlarmRecord::newAlarm(m_clock.now());
    daily.frequencyCode = int(Frequency::Daily);
    daily.alarmTime = QTime(19, 5, 30);
    AlarmRecord hourly = daily;
    hourly.frequencyCode = int(Frequency::Hourly);
    m_engine.addAlarmFromRecord(daily);
    m_engine.addAlarmFromRecord(hourly);

    const QAbstractItemModel *model = m_manager.findChild<QTreeView *>(QStringLiteral("AlarmList"))->model();
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("19:05:30"));
    EXPECT_EQ(model->index(1, 2).data().toString(), QStringLiteral("05:30 of every hour"));
    EXPECT_TRUE(readAll(path(QStringLiteral("al.ini"))).contains("07:05:30 PM")) << "the file's text changed";
}

} // namespace

namespace {

// A weekly alarm in the list of a user of one language.
struct WeeklyRow
{
    const char *locale;
    const char *mask; // Sunday first
    const char *shown;
};

void PrintTo(const WeeklyRow &row, std::ostream *out)
{
    *out << row.locale << ' ' << row.mask;
}

class WeeklyDates : public ManagerTest, public ::testing::WithParamInterface<WeeklyRow>
{
protected:
    WeeklyDates()
        : ManagerTest(QDateTime(QDate(2026, 12, 7), QTime(7, 0)),
                      LocaleFormats::fromLocale(QLocale(QLatin1String(GetParam().locale))))
    {
    }
};

// A weekly alarm's Date column says its days in the user's language (and so
// a screen reader says them); the list file keeps the designed "--".
TEST_P(WeeklyDates, NameTheDaysAndTheFileKeepsItsText)
{
    AlarmRecord weekly = AlarmRecord::newAlarm(m_clock.now());
    weekly.frequencyCode = int(Frequency::Weekly);
    for (int day = 0; day < 7; ++day)
        weekly.dayFlags[size_t(day)] = GetParam().mask[day] == '1';
    m_engine.addAlarmFromRecord(weekly);

    const QAbstractItemModel *model = m_manager.findChild<QTreeView *>(QStringLiteral("AlarmList"))->model();
    EXPECT_EQ(model->index(0, 3).data().toString(), QString::fromUtf8(GetParam().shown));
    const QList<QByteArray> lines = readAll(path(QStringLiteral("al.ini"))).split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[4], "--\r") << "the file's text changed";
}

INSTANTIATE_TEST_SUITE_P(Manager, WeeklyDates,
                         ::testing::Values(WeeklyRow{"en_US", "0101010", "Mon, Wed, Fri"},
                                           WeeklyRow{"en_US", "1000001", "Sun, Sat"},
                                           WeeklyRow{"en_US", "0000000", "--"},
                                           WeeklyRow{"de_DE", "0111110", "Mo., Di., Mi., Do., Fr."},
                                           WeeklyRow{"ru_RU", "0000001", "сб"}));

} // namespace
