// The "Alarm Options" dialog driven through its controls and slots.

#include "alarmfile.h"
#include "alarmoptions.h"
#include "comboboxaccessible.h"
#include "errorrecorder.h"
#include "formstestsupport.h"
#include "outputlevel.h"
#include "pagecontrolaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTimeEdit>
#include <QTreeView>
#include <functional>

namespace {

class AlarmOptions : public DialogTest
{
protected:
    AlarmOptions() : DialogTest(QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 900)))
    {
        m_level.setLevel(33);
        m_levelBefore = m_level.packed();
    }
    void TearDown() override { m_dialog.reset(); }

    void open()
    {
        // As the program does at start: drop-down lists named by their labels.
        ComboBoxAccessible::install();
        PageControlAccessible::install();
        m_dialog = std::make_unique<TAlarmOptions>(m_request, m_services);
        m_dialog->setFileChooser([this](QWidget *, const QString &) { return m_chosen; });
        m_dialog->show();
    }
    template <class W> W *child(const char *name) const
    {
        W *widget = m_dialog->findChild<W *>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    QString workingCopyPath() const { return path(QStringLiteral("alarm.ini")); }
    AlarmRecord saved() const
    {
        AlarmRecord record;
        AlarmFile::read(workingCopyPath(), AlarmFile::ReadMode::Editing, record);
        return record;
    }
    FakePlayer &player() const { return static_cast<FakePlayer &>(m_dialog->player()); }

    EditorRequest m_request{true, path(QStringLiteral("alarm.ini"))};
    std::unique_ptr<TAlarmOptions> m_dialog;
    QStringList m_chosen;
    quint32 m_levelBefore = 0;
};

} // namespace

TEST_F(AlarmOptions, OkOnANewAlarmWritesTheDefaultFileAndTheResultAndNoDayGivesTheEmptyMask)
{
    open();
    EXPECT_EQ(child<QComboBox>("Frequency")->currentText(), QStringLiteral("Weekly"));
    EXPECT_FALSE(child<QDateEdit>("DatePicker")->isEnabled());
    m_dialog->OKClick();
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    const QByteArray written = readAll(workingCopyPath());
    EXPECT_EQ(written, AlarmFile::encode(AlarmRecord::newAlarm(m_clock.now())));
    EXPECT_TRUE(written.endsWith("***Memo***\r\nDon't for get to ...\r\n"));
    const EditorResult &result = m_dialog->editorResult();
    EXPECT_EQ(result.caption, QStringLiteral("Don't for get to ..."));
    EXPECT_EQ(result.frequencyCode, 3);
    EXPECT_EQ(result.alarmTime, QTime(7, 29, 59));
    EXPECT_EQ(result.alarmDate, QDate(2026, 12, 7));
    EXPECT_EQ(result.weekdayMask, QStringLiteral("0111110"));

    // No day ticked and an empty memo: the empty mask and an empty caption.
    open();
    for (const char *name : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        child<QCheckBox>(name)->setChecked(false);
    child<QPlainTextEdit>("Memo")->clear();
    m_dialog->OKClick();
    EXPECT_EQ(m_dialog->editorResult().weekdayMask, QStringLiteral("0000000"));
    EXPECT_EQ(m_dialog->editorResult().caption, QString());
    EXPECT_TRUE(readAll(workingCopyPath()).endsWith("***Memo***\r\n"));
    EXPECT_EQ(saved().weekdayMask(), QStringLiteral("0000000"));
}

TEST_F(AlarmOptions, EachFrequencySetsFormatsAndEnabledStatesAndKeepsTheValues)
{
    struct Row
    {
        const char *name;
        const char *timeFormat;
        bool dateEnabled;
        const char *dateFormat;
        bool daysEnabled;
    };
    // The user's formats: "h:nn:ss ampm" and "m/d/yyyy".
    const Row table[] = {
        {"Once", "h:mm:ss AP", true, "M/d/yyyy", false},   {"Hourly", "mm:ss", false, "M/d/yyyy", false},
        {"Daily", "h:mm:ss AP", false, "M/d/yyyy", false}, {"Weekly", "h:mm:ss AP", false, "M/d/yyyy", true},
        {"Monthly", "h:mm:ss AP", true, "dd", false},      {"Yearly", "h:mm:ss AP", true, "MMMM-dd", false},
    };
    open();
    auto *frequency = child<QComboBox>("Frequency");
    auto *time = child<QTimeEdit>("TimePicker");
    auto *date = child<QDateEdit>("DatePicker");
    auto *monday = child<QCheckBox>("CheckBox2");
    monday->setChecked(false);
    for (const Row &row : table) {
        SCOPED_TRACE(row.name);
        frequency->setCurrentText(QString::fromLatin1(row.name));
        m_dialog->FrequencyChange();
        EXPECT_EQ(time->displayFormat(), QString::fromLatin1(row.timeFormat));
        EXPECT_EQ(date->displayFormat(), QString::fromLatin1(row.dateFormat));
        EXPECT_EQ(date->isEnabled(), row.dateEnabled);
        EXPECT_EQ(monday->isEnabled(), row.daysEnabled);
        EXPECT_EQ(time->time(), QTime(7, 29, 59));
        EXPECT_EQ(date->date(), QDate(2026, 12, 7));
        EXPECT_FALSE(monday->isChecked());
    }
}

// Every field of an alarm in sound mode goes through the controls and back
// out unchanged; only the reminder gains the line break that loading gives
// every line.
TEST_F(AlarmOptions, EditingAnAlarmRewritesItsValuesAndTheReminderGainsAFinalLineBreak)
{
    // clang-format off
    const AlarmRecord original{
        .frequencyCode = int(Frequency::Once), .alarmTime = QTime(21, 5, 9), .alarmDate = QDate(2027, 2, 28),
        .dayFlags = {true, false, false, true, false, false, true},
        .playListOn = false,
        .playList = {QStringLiteral("/home/me/Music/first song.mp3"), QStringLiteral("relative.wav"), QStringLiteral("/a/b/c/last.ogg")},
        .soundOn = true, .soundNumber = 3, .soundMinutes = 44, .fadeInOn = true, .fadeInMinutes = 7, .fadeOutOn = true,
        .fadeOutMinutes = 59, .snoozeMinutes = 0, .autoSnoozeOn = true, .autoSnoozeMinutes = 3, .volume = 37,
        .closingFlags = {false, false, true}, .autoCloseMinutes = 12, .powerAction = int(PowerAction::PowerOff),
        .reminder = QString::fromUtf8("first\n\nthird\u00a0line")}; // a non-breaking space stays one
    // clang-format on
    AlarmFile::write(workingCopyPath(), original);
    m_request.newAlarm = false;
    open();
    EXPECT_EQ(child<QComboBox>("Frequency")->currentText(), QStringLiteral("Once"));
    EXPECT_EQ(child<QTimeEdit>("FadeInTimePicker")->text(), QStringLiteral("07"));
    EXPECT_TRUE(child<QRadioButton>("RadioButtonPlaySound")->isChecked());
    EXPECT_FALSE(child<QTreeView>("SongList")->isEnabled()) << "the play list is not greyed in sound mode";
    child<QPushButton>("PlayAlarmSound")->click();
    EXPECT_EQ(player().played(), QStringList{path(QStringLiteral("sounds/recycle.wav"))});
    const QAbstractItemModel *songs = child<QTreeView>("SongList")->model();
    EXPECT_EQ(songs->index(0, 0).data().toString() + u'|' + songs->index(0, 1).data().toString(),
              QStringLiteral("first song.mp3|/home/me/Music/"));
    m_dialog->OKClick();
    AlarmRecord expected = original;
    expected.reminder += u'\n';
    EXPECT_EQ(readAll(workingCopyPath()), AlarmFile::encode(expected));
    EXPECT_EQ(m_dialog->editorResult().caption, QStringLiteral("first"));
    EXPECT_EQ(m_dialog->editorResult().weekdayMask, QStringLiteral("1001001"));
}

// One list edited step by step; each step names the row selected first
// (-1: none, -2: left as it is), the button, the songs after it (digits of
// songN.mp3) and the row selected then.
TEST_F(AlarmOptions, ListButtonsEditThePlayListAndFollowTheSelection)
{
    using Click = void (TAlarmOptions::*)();
    struct Step
    {
        const char *name;
        int select;
        Click click;
        QStringList chosen; // for "Add"
        const char *order;
        int selected;
    };
    const Click add = &TAlarmOptions::AddMusicClick, del = &TAlarmOptions::DeleteMusicClick,
                up = &TAlarmOptions::UpMusicClick, down = &TAlarmOptions::DownMusicClick;
    // Song 4 lives in another folder, which must move with it.
    const auto songs = [](const char *digits) {
        QStringList paths;
        for (const char *digit = digits; *digit; ++digit)
            paths << QStringLiteral("/%1/song%2.mp3").arg(*digit == '4' ? "other" : "music").arg(QLatin1Char(*digit));
        return paths;
    };
    const Step steps[] = {
        {"delete on an empty list", -2, del, {}, "", -1},
        {"add three", -2, add, songs("123"), "123", 0},
        {"delete with nothing selected", -1, del, {}, "123", 0},
        {"add keeps the selection", 1, add, songs("45"), "12345", 1},
        {"up from the fourth row", 3, up, {}, "12435", 2},
        {"up again", -2, up, {}, "14235", 1},
        {"up to the top", -2, up, {}, "41235", 0},
        {"up at the top", -2, up, {}, "41235", 0},
        {"down", -2, down, {}, "14235", 1},
        {"down at the bottom", 4, down, {}, "14235", 4},
        {"delete the last", 4, del, {}, "1423", 3},
    };
    open();
    auto *list = child<QTreeView>("SongList");
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        if (step.select == -1)
            list->clearSelection();
        else if (step.select >= 0)
            list->setCurrentIndex(list->model()->index(step.select, 0));
        m_chosen = step.chosen;
        (m_dialog.get()->*step.click)();
        EXPECT_EQ(m_dialog->playList(), songs(step.order));
        const QModelIndexList selected = list->selectionModel()->selectedRows();
        EXPECT_EQ(selected.isEmpty() ? -1 : selected.first().row(), step.selected);
    }

    // A line break in a name would spoil the alarm file: such a song is refused.
    ErrorRecorder errors;
    m_chosen = {QStringLiteral("/music/two\nlines.mp3"), QStringLiteral("/music/song5.mp3")};
    m_dialog->AddMusicClick();
    EXPECT_EQ(m_dialog->playList(), songs("14235"));
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("two\nlines.mp3")));

    m_dialog->OKClick();
    EXPECT_EQ(saved().playList, m_dialog->playList());
}

TEST_F(AlarmOptions, TestOnAnUnplayableSongIsReportedAndLeavesTheButtonReady)
{
    open();
    m_chosen = {QStringLiteral("/music/broken.mp3")};
    m_dialog->AddMusicClick();
    player().unplayable = m_chosen;
    ErrorRecorder errors;
    child<QPushButton>("PlayMusic")->click();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("broken.mp3")));
    EXPECT_EQ(child<QPushButton>("PlayMusic")->text(), QStringLiteral("Test"));
}

TEST_F(AlarmOptions, TheSliderPreviewsTheLevelAndEveryEndRestoresIt)
{
    const std::pair<const char *, std::function<void(TAlarmOptions &)>> ends[] = {
        {"OK", [](TAlarmOptions &d) { d.OKClick(); }},
        {"Cancel", [](TAlarmOptions &d) { d.CancelClick(); }},
        {"close box", [](TAlarmOptions &d) { d.close(); }},
        {"released without an end", [this](TAlarmOptions &) { m_dialog.reset(); }},
    };
    for (const auto &[name, end] : ends) {
        SCOPED_TRACE(name);
        open();
        child<QSlider>("AlarmVolume")->setValue(37);
        EXPECT_EQ(child<QLabel>("LabelVolume")->text(), QStringLiteral("37%"));
        EXPECT_EQ(m_level.level(), 94);
        end(*m_dialog);
        if (m_dialog) {
            EXPECT_FALSE(m_dialog->isVisible());
        }
        EXPECT_EQ(m_level.packed(), m_levelBefore);
    }
    EXPECT_EQ(saved().volume, 37);
}

TEST_F(AlarmOptions, AWorkingCopyThatCannotBeWrittenKeepsTheDialogOpenWithoutAResult)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("alarm.ini")));
    open();
    {
        ErrorRecorder errors;
        m_dialog->OKClick();
        ASSERT_EQ(errors.messages.size(), 1);
        EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("alarm.ini")));
    }
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_NE(m_dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(m_dialog->editorResult().caption.isEmpty()) << "a result without a working copy";
    EXPECT_TRUE(QFileInfo(workingCopyPath()).isDir());
}

// The manager's "Alarm" column shows what the memo shows on its first row.
TEST_F(AlarmOptions, CaptionEndsWhereTheMemoWrapsTheFirstLine)
{
    open();
    auto *memo = child<QPlainTextEdit>("Memo");
    const QString firstLine =
        QStringLiteral("Take the blue folder to the meeting with the accountant and ask about the tax forms");
    memo->setPlainText(firstLine + QStringLiteral("\nsecond line\n"));
    QApplication::processEvents();
    m_dialog->OKClick();

    const QString caption = m_dialog->editorResult().caption;
    ASSERT_FALSE(caption.isEmpty());
    ASSERT_LT(caption.size(), firstLine.size());
    EXPECT_TRUE(firstLine.startsWith(caption));
    const QFontMetricsF metrics(memo->font());
    const qreal room = memo->viewport()->width() - 2 * memo->document()->documentMargin();
    EXPECT_LE(metrics.horizontalAdvance(caption.trimmed()), room);
    const QString nextWord = firstLine.mid(caption.size()).section(u' ', 0, 0);
    EXPECT_GT(metrics.horizontalAdvance(caption + nextWord), room);
}

namespace {
// What a screen reader announces a control as: its name, but for a list
// whose name is its value (as on this platform) the label it is related to,
// else its description.
// The name a screen reader reads, as the program gives it (drop-down lists
// by their labels), padding and all.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls Tab visits in the window as it shows now, from `first` on.
QList<QWidget *> tabChain(QWidget *first)
{
    QList<QWidget *> chain;
    QWidget *widget = first;
    do {
        if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
            widget->window() == first->window())
            chain << widget;
        widget = widget->nextInFocusChain();
    } while (widget != first && chain.size() < 200);
    return chain;
}

// Each control stands right of its predecessor in one row, or in a row below.
void expectScreenOrder(const QList<QWidget *> &chain)
{
    const auto place = [](QWidget *w) { return w->mapTo(w->window(), w->rect().center()); };
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QPoint before = place(chain[i - 1]);
        const QPoint after = place(chain[i]);
        const bool sameRow = std::abs(after.y() - before.y()) < 8;
        EXPECT_TRUE(sameRow ? after.x() > before.x() : after.y() > before.y())
            << chain[i - 1]->objectName().toStdString() << " comes before " << chain[i]->objectName().toStdString();
    }
}
} // namespace

// A screen reader names every field after its label, and Tab walks each page
// in the order the eye reads it.
TEST_F(AlarmOptions, EveryControlIsNamedAfterItsLabelAndTabFollowsTheScreen)
{
    open();
    const std::pair<const char *, QString> names[] = {
        {"Frequency", QStringLiteral("Alarm Frequency:")},
        {"DatePicker", QStringLiteral("Date:")},
        {"TimePicker", QStringLiteral("Time:")},
        {"Memo", QStringLiteral("Reminder:")},
        {"SongList", QStringLiteral("Songs")},
        {"SoundComboBox", QStringLiteral("Alarm sound")},
        {"FadeInTimePicker", QStringLiteral("Fade in minutes")},
        {"FadeOutTimePicker", QStringLiteral("Fade out begins at minutes")},
        {"SnoozeTimePicker", QStringLiteral("Snooze time:")},
        {"AlarmVolume", QStringLiteral("Max alarm sound volume:")},
        {"AutoSnooze", QStringLiteral("Auto begin snooze after playing music for")},
        {"AutoSnoozeTimePicker", QStringLiteral("Auto begin snooze after minutes")},
        {"PowerComboBox", QStringLiteral("Power Saving")},
        {"GroupBox4", QStringLiteral("Volum effect")},
        {"GroupBox6", QStringLiteral("Power Saving")},
        {"Table", QStringLiteral("Pages")},
    };
    for (const auto &[name, expected] : names)
        EXPECT_EQ(accessibleName(child<QWidget>(name)), expected) << name;

    auto *pages = child<QTabWidget>("Table");
    // Only the tab row says it has the focus, not the page control around it too.
    pages->tabBar()->setFocus();
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(pages)->state().focused);
    for (int page = 0; page < pages->count(); ++page) {
        SCOPED_TRACE(pages->tabText(page).toStdString());
        EXPECT_EQ(pages->tabBar()->accessibleTabName(page), pages->tabText(page).trimmed());
        pages->setCurrentIndex(page);
        QList<QWidget *> chain = tabChain(pages);
        ASSERT_GE(chain.size(), 4);
        // The page bar first, the page's controls, then "OK" and "Cancel".
        EXPECT_EQ(chain.takeFirst()->parentWidget(), pages);
        EXPECT_EQ(chain.takeLast(), child<QWidget>("Cancel"));
        EXPECT_EQ(chain.takeLast(), child<QWidget>("OK"));
        expectScreenOrder(chain);
        for (QWidget *control : chain)
            EXPECT_FALSE(accessibleName(control).isEmpty()) << control->objectName().toStdString() << " has no name";
    }
}

// Opened for a new alarm or for one saved as "Once", the editor starts with
// the focus on the first control of its first page, where the keyboard sees it.
TEST_F(AlarmOptions, OpensWithTheFocusOnTheFirstControl)
{
    AlarmRecord once = AlarmRecord::newAlarm(m_clock.now());
    once.frequencyCode = int(Frequency::Once);
    AlarmFile::write(workingCopyPath(), once);
    for (const bool newAlarm : {true, false}) {
        SCOPED_TRACE(newAlarm ? "new" : "edited");
        m_request.newAlarm = newAlarm;
        open();
        m_dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
        EXPECT_EQ(m_dialog->focusWidget(), child<QWidget>("Frequency"));
        // From there, as from any control, Ctrl+Tab turns the page, both ways round.
        auto *pages = child<QTabWidget>("Table");
        const std::pair<QKeyCombination, int> turns[] = {{Qt::CTRL | Qt::Key_Tab, 1},
                                                         {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 0},
                                                         {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 3},
                                                         {Qt::CTRL | Qt::Key_Tab, 0}};
        for (const auto &[keys, page] : turns) {
            QTest::keySequence(m_dialog->focusWidget(), QKeySequence(keys));
            EXPECT_EQ(pages->currentIndex(), page);
        }
        m_dialog.reset();
    }
}

namespace {

// A value typed into a field of the editor under the formats of one
// locale, with the field's first part selected (as Tab leaves it) or after a
// click into it (which leaves a bare cursor there).
struct TypedValue
{
    const char *locale;
    const char *field;
    bool clicked;
    const char *typed;
    QTime time; // what a time field holds after it
    QDate date; // what a date field holds after it
};

void PrintTo(const TypedValue &row, std::ostream *out)
{
    *out << row.locale << ' ' << row.field << (row.clicked ? " clicked" : " selected") << " \"" << row.typed << '"';
}

class TypingIntoTheEditor : public DialogTest, public ::testing::WithParamInterface<TypedValue>
{
protected:
    TypingIntoTheEditor()
        : DialogTest(QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59)),
                     LocaleFormats::fromLocale(QLocale(QString::fromLatin1(GetParam().locale))))
    {
    }
};

} // namespace

// Two digits fill the hour and the field moves on to the minutes by itself;
// the separator typed next must not move it on once more. A click leaves the
// cursor in a full part, where Qt refuses further digits.
TEST_P(TypingIntoTheEditor, GivesTheValueAsTyped)
{
    const TypedValue &row = GetParam();
    TAlarmOptions dialog(EditorRequest{true, path(QStringLiteral("alarm.ini"))}, m_services);
    dialog.show();
    auto *frequency = dialog.findChild<QComboBox *>(QStringLiteral("Frequency"));
    frequency->setCurrentText(QStringLiteral("Once"));
    dialog.FrequencyChange();
    auto *field = dialog.findChild<QDateTimeEdit *>(QString::fromLatin1(row.field));
    ASSERT_NE(field, nullptr);
    if (row.clicked) {
        auto *text = field->findChild<QLineEdit *>();
        QTest::mouseClick(text, Qt::LeftButton, {},
                          QPoint(text->fontMetrics().horizontalAdvance(u'0'), text->height() / 2));
        ASSERT_FALSE(text->hasSelectedText());
    } else {
        field->setFocus();
        field->setSelectedSection(field->sectionAt(0));
    }
    // As a keyboard types them: the separators with Shift held.
    for (const QChar c : QString::fromLatin1(row.typed)) {
        if (c.isLetterOrNumber()) {
            QTest::keyClick(field, c.toLatin1());
            continue;
        }
        QTest::keyPress(field, Qt::Key_Shift);
        QTest::keyClick(field, c.toLatin1(), Qt::ShiftModifier);
        QTest::keyRelease(field, Qt::Key_Shift);
    }
    SCOPED_TRACE(field->displayFormat().toStdString());
    if (qobject_cast<QTimeEdit *>(field))
        EXPECT_EQ(field->time().toString(Qt::ISODate), row.time.toString(Qt::ISODate)) << field->text().toStdString();
    else
        EXPECT_EQ(field->date().toString(Qt::ISODate), row.date.toString(Qt::ISODate)) << field->text().toStdString();
}

const TypedValue typedValues[] = {
    {"de_DE", "TimePicker", false, "07:15:00", QTime(7, 15), {}},
    {"de_DE", "TimePicker", false, "7:15:00", QTime(7, 15), {}},
    {"de_DE", "TimePicker", false, "071500", QTime(7, 15), {}},
    {"de_DE", "TimePicker", false, "23:59:59", QTime(23, 59, 59), {}},
    {"de_DE", "TimePicker", false, "1:05:00", QTime(1, 5), {}},
    {"de_DE", "TimePicker", true, "15:15:00", QTime(15, 15), {}},
    {"fi_FI", "TimePicker", false, "7.15.00", QTime(7, 15), {}},
    {"en_US", "TimePicker", false, "7:15:00 PM", QTime(19, 15), {}},
    {"en_US", "TimePicker", false, "12:30:00 AM", QTime(0, 30), {}},
    {"en_US", "TimePicker", true, "12:30:00 AM", QTime(0, 30), {}},
    {"en_US", "DatePicker", false, "12/24/26", {}, QDate(2026, 12, 24)},
    {"en_US", "DatePicker", true, "12/24/26", {}, QDate(2026, 12, 24)},
    {"de_DE", "DatePicker", false, "5.1.27", {}, QDate(2027, 1, 5)},
    {"de_DE", "DatePicker", true, "24.12.26", {}, QDate(2026, 12, 24)},
};
INSTANTIATE_TEST_SUITE_P(Locales, TypingIntoTheEditor, ::testing::ValuesIn(typedValues));

// The switch on the first page opens as the alarm is and comes back with OK.
TEST_F(AlarmOptions, TheOnSwitchOpensAsTheAlarmIsAndComesBackWithOK)
{
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        m_request.enabled = on;
        open();
        auto *box = child<QCheckBox>("AlarmOn");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->isChecked(), on);
        box->setChecked(!on);
        m_dialog->OKClick();
        EXPECT_EQ(m_dialog->editorResult().enabled, !on);
    }
}

// Without a mouse: Return in a field presses OK (the default button), while
// in the reminder it starts a new line; Alt and a letter press the buttons.
TEST_F(AlarmOptions, ReturnPressesOKOutsideTheReminder)
{
    open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    EXPECT_TRUE(child<QPushButton>("OK")->isDefault());
    auto *memo = child<QPlainTextEdit>("Memo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_TRUE(m_dialog->isVisible()) << "Return in the reminder ended the dialog";
    EXPECT_TRUE(memo->toPlainText().endsWith(u"\n\n"));

    auto *frequency = child<QComboBox>("Frequency");
    frequency->setFocus();
    QTest::keyClick(frequency, Qt::Key_Return);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);

    for (const auto &[name, key] :
         {std::pair{"OK", Qt::Key_O}, std::pair{"Cancel", Qt::Key_C}, std::pair{"AddMusic", Qt::Key_A},
          std::pair{"DeleteMusic", Qt::Key_D}, std::pair{"UpMusic", Qt::Key_U}, std::pair{"DownMusic", Qt::Key_W}})
        EXPECT_EQ(child<QPushButton>(name)->shortcut(), QKeySequence(Qt::ALT | key)) << name;
}

// The automatic snooze has its controls below the volume, inside the group
// and clear of the slider: the box enables its minutes, and both reach the
// file; an alarm that snoozes by itself opens with the box ticked.
TEST_F(AlarmOptions, TheAutomaticSnoozeIsSetOnTheSoundPageAndSaved)
{
    open();
    child<QTabWidget>("Table")->setCurrentIndex(2);
    auto *box = child<QCheckBox>("AutoSnooze");
    auto *minutes = child<QTimeEdit>("AutoSnoozeTimePicker");
    const QWidget *group = child<QWidget>("GroupBox4");
    const QRect slider = child<QWidget>("AlarmVolume")->geometry();
    ASSERT_TRUE(box->isVisible() && minutes->isVisible());
    for (const QWidget *control : {static_cast<const QWidget *>(box), static_cast<const QWidget *>(minutes)}) {
        EXPECT_TRUE(group->rect().contains(control->geometry())) << control->objectName().toStdString();
        EXPECT_FALSE(control->geometry().intersects(slider)) << control->objectName().toStdString();
    }
    EXPECT_FALSE(box->geometry().intersects(minutes->geometry()));
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(minutes->isEnabled());
    box->click();
    EXPECT_TRUE(minutes->isEnabled());
    minutes->setTime(QTime(0, 4));
    m_dialog->OKClick();
    EXPECT_TRUE(saved().autoSnoozeOn);
    EXPECT_EQ(saved().autoSnoozeMinutes, 4);

    m_request.newAlarm = false;
    open();
    EXPECT_TRUE(child<QCheckBox>("AutoSnooze")->isChecked());
    EXPECT_TRUE(child<QTimeEdit>("AutoSnoozeTimePicker")->isEnabled());
    EXPECT_EQ(child<QTimeEdit>("AutoSnoozeTimePicker")->time().minute(), 4);
}

// A reminder grown past what an alarm file can hold is said beside OK while
// the user types, and goes away again once it fits.
TEST_F(AlarmOptions, AReminderTooLongToSaveIsSaidWhileTyping)
{
    open();
    auto *warning = child<QLabel>("SizeWarning");
    auto *memo = child<QPlainTextEdit>("Memo");
    const auto warned = [&]() { return QTest::qWaitFor([&]() { return warning->isVisible(); }, 2000); };
    const qsizetype longest = AlarmFile::limits().maxLineCharacters;

    memo->setPlainText(QString(longest, u'x'));
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Y);
    ASSERT_TRUE(warned());
    EXPECT_EQ(warning->text(), QStringLiteral("Can't be saved: a line of %1 characters (at most %2).")
                                   .arg(QLocale().toString(longest + 1), QLocale().toString(longest)));
    EXPECT_LE(warning->heightForWidth(warning->width()), warning->height()) << "the warning is cut";
    EXPECT_TRUE(warning->toolTip().contains(QStringLiteral("Shorten it")));

    QTest::keyClick(memo, Qt::Key_Backspace);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return warning->isHidden(); }, 2000));

    // Short lines that together pass what a file may hold.
    const qsizetype lines = AlarmFile::limits().maxCharacters / 1000 + 1;
    memo->setPlainText(QStringList(lines, QString(998, u'z')).join(u'\n'));
    ASSERT_TRUE(warned());
    EXPECT_TRUE(warning->text().endsWith(
        QStringLiteral(" characters in all (at most %1).").arg(QLocale().toString(AlarmFile::limits().maxCharacters))))
        << warning->text().toStdString();
    EXPECT_LE(warning->heightForWidth(warning->width()), warning->height()) << "the warning is cut";
    // OK refuses it with the same reason, and the dialog stays open.
    ErrorRecorder errors;
    m_dialog->OKClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(errors.messages[0], warning->toolTip());
    EXPECT_TRUE(m_dialog->isVisible());
}
