#include "alarmfile.h"
#include "alarmoptions.h"
#include "clock.h"
#include "clockface.h"
#include "datetimeformatter.h"
#include "errorrecorder.h"
#include "fakeplayer.h"
#include "formalarmlist.h"
#include "outputlevel.h"
#include "poweractions.h"
#include "qtprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class NoFace final : public ClockFace
{
public:
    void setDisplayLine(int, const QString &) override {}
};

// Monitor off works, suspending is refused, powering off is unknown.
class PartlyAvailablePower final : public PowerActions
{
public:
    PowerResult perform(PowerAction) override { return PowerResult::success(); }
    PowerAvailability availability(PowerAction action) override
    {
        if (action == PowerAction::Suspend)
            return {false, QStringLiteral("not permitted")};
        return {true, {}};
    }
};

class AlarmOptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_manager.timer()->stop();
        m_manager.setPlayerFactory([](QObject *parent) { return new FakePlayer(parent); });
        m_manager.setNewAlarmFlag(true);
        m_manager.setCurrentAlarmFileName(QStringLiteral("alarm.ini"));
        OutputLevel::instance().setLevel(33);
        m_levelBefore = OutputLevel::instance().packed();
    }
    void TearDown() override { m_dialog.reset(); }

    TAlarmOptions &open()
    {
        m_dialog = std::make_unique<TAlarmOptions>(m_manager);
        m_dialog->setFileChooser([this](QWidget *, const QString &) { return m_chosen; });
        m_dialog->show();
        return *m_dialog;
    }
    TAlarmOptions &edit(const AlarmRecord &record)
    {
        AlarmFile::write(workingCopyPath(), record);
        m_manager.setNewAlarmFlag(false);
        return open();
    }
    template <class W> W *child(const char *name) const
    {
        W *widget = m_dialog->findChild<W *>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    QString workingCopyPath() const { return m_dir.filePath(QStringLiteral("alarm.ini")); }
    QByteArray workingCopy() const
    {
        QFile file(workingCopyPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    AlarmRecord saved() const
    {
        AlarmRecord record;
        AlarmFile::read(workingCopyPath(), AlarmFile::ReadMode::Editing, record);
        return record;
    }
    FakePlayer &player() const { return static_cast<FakePlayer &>(m_dialog->player()); }
    void checkLayout();
    QStringList rows() const
    {
        QStringList names;
        const auto *list = child<QTreeWidget>("SongList");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            names << list->topLevelItem(i)->text(0);
        return names;
    }
    int selectedRow() const
    {
        const auto *list = child<QTreeWidget>("SongList");
        const QList<QTreeWidgetItem *> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
    }
    static QStringList songs(int count)
    {
        QStringList paths;
        for (int i = 1; i <= count; ++i)
            paths << QStringLiteral("/music/song%1.mp3").arg(i);
        return paths;
    }

    QTemporaryDir m_dir;
    NoFace m_face;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 900))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    TFormAlarmList m_manager{m_dir.path() + u'/', m_face, m_clock, m_formatter};
    std::unique_ptr<TAlarmOptions> m_dialog;
    QStringList m_chosen;
    quint32 m_levelBefore = 0;
};

// Everything an edited alarm can hold, far from the defaults.
AlarmRecord unusualAlarm()
{
    AlarmRecord r;
    r.frequencyCode = int(Frequency::Once);
    r.alarmTime = QTime(21, 5, 9);
    r.alarmDate = QDate(2027, 2, 28);
    r.dayFlags = {true, false, false, true, false, false, true};
    r.playList = {QStringLiteral("/home/me/Music/first song.mp3"), QStringLiteral("relative.wav"),
                  QStringLiteral("/a/b/c/last.ogg")};
    r.soundNumber = 3;
    r.soundMinutes = 44;
    r.fadeInOn = true;
    r.fadeInMinutes = 7;
    r.fadeOutOn = true;
    r.fadeOutMinutes = 59;
    r.snoozeMinutes = 0;
    r.autoSnoozeOn = true;
    r.autoSnoozeMinutes = 3;
    r.volume = 37;
    r.setClosingMethod(3);
    r.autoCloseMinutes = 12;
    r.powerAction = int(PowerAction::PowerOff);
    r.reminder = QStringLiteral("first\n\nthird");
    return r;
}

} // namespace

TEST_F(AlarmOptions, NewAlarmOpensWithTheDefaults)
{
    open();
    EXPECT_EQ(child<QTabWidget>("Table")->currentWidget(), child<QWidget>("TabSheet1"));
    EXPECT_EQ(child<QComboBox>("Frequency")->currentText(), QStringLiteral("Weekly"));
    EXPECT_FALSE(child<QDateEdit>("DatePicker")->isEnabled());
    // The values shown are checked through what "OK" writes from them.
    for (const char *name : {"CheckBox1", "CheckBox7"})
        EXPECT_TRUE(child<QCheckBox>(name)->isEnabled()) << name;
    EXPECT_EQ(child<QLabel>("LabelVolume")->text(), QStringLiteral("100%"));
    EXPECT_EQ(OutputLevel::instance().level(), 255);
    EXPECT_EQ(m_dialog->savedOutputLevel(), m_levelBefore);
    EXPECT_TRUE(child<QRadioButton>("RadioButtonPlayMusic")->isChecked());
    EXPECT_FALSE(child<QComboBox>("SoundComboBox")->isEnabled());
    EXPECT_FALSE(child<QTimeEdit>("FadeInTimePicker")->isEnabled());
    EXPECT_FALSE(child<QTimeEdit>("FadeOutTimePicker")->isEnabled());
    // The fields that have no place on the pages carry their defaults.
    for (const char *hidden :
         {"SoundTimePicker", "AutoSnooze", "AutoSnoozeTimePicker", "RadioButton3", "AutoCloseTimePicker"})
        EXPECT_FALSE(child<QWidget>(hidden)->isVisibleTo(m_dialog.get())) << hidden;
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
        frequency->setCurrentIndex(frequency->findText(QString::fromLatin1(row.name)));
        m_dialog->FrequencyChange();
        EXPECT_EQ(time->displayFormat(), QString::fromLatin1(row.timeFormat));
        EXPECT_EQ(date->displayFormat(), QString::fromLatin1(row.dateFormat));
        EXPECT_EQ(date->isEnabled(), row.dateEnabled);
        EXPECT_EQ(monday->isEnabled(), row.daysEnabled);
        EXPECT_EQ(child<QCheckBox>("CheckBox7")->isEnabled(), row.daysEnabled);
        EXPECT_EQ(time->time(), QTime(7, 29, 59));
        EXPECT_EQ(date->date(), QDate(2026, 12, 7));
        EXPECT_FALSE(monday->isChecked());
        EXPECT_TRUE(child<QCheckBox>("CheckBox3")->isChecked());
    }
}

TEST_F(AlarmOptions, NarrowFormatsEditOnlyWhatTheyShowAndTheRestIsSaved)
{
    open();
    auto *frequency = child<QComboBox>("Frequency");
    frequency->setCurrentIndex(int(Frequency::Hourly));
    m_dialog->FrequencyChange();
    auto *time = child<QTimeEdit>("TimePicker");
    EXPECT_EQ(time->text(), QStringLiteral("29:59"));
    time->setCurrentSection(QDateTimeEdit::MinuteSection);
    time->stepBy(1);

    frequency->setCurrentIndex(int(Frequency::Monthly));
    m_dialog->FrequencyChange();
    auto *date = child<QDateEdit>("DatePicker");
    EXPECT_EQ(date->text(), QStringLiteral("07"));
    date->setCurrentSection(QDateTimeEdit::DaySection);
    date->stepBy(3);
    frequency->setCurrentIndex(int(Frequency::Hourly));
    m_dialog->FrequencyChange();

    m_dialog->OKClick();
    const AlarmRecord r = saved();
    EXPECT_EQ(r.frequencyCode, int(Frequency::Hourly));
    EXPECT_EQ(r.alarmTime, QTime(7, 30, 59));
    EXPECT_EQ(r.alarmDate, QDate(2026, 12, 10));
    EXPECT_EQ(m_manager.editorResult().alarmTime, QTime(7, 30, 59));
}

TEST_F(AlarmOptions, OkOnANewAlarmWritesTheDefaultFileAndTheResult)
{
    open();
    m_dialog->OKClick();
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    const QByteArray written = workingCopy();
    EXPECT_EQ(written, AlarmFile::encode(AlarmRecord::newAlarm(m_clock.now())));
    // The reminder as loaded: one line and its line break.
    EXPECT_TRUE(written.endsWith("***Memo***\r\nDon't for get to ...\r\n"));

    const EditorResult &result = m_manager.editorResult();
    EXPECT_EQ(result.caption, QStringLiteral("Don't for get to ..."));
    EXPECT_EQ(result.frequencyCode, 3);
    EXPECT_EQ(result.alarmTime, QTime(7, 29, 59));
    EXPECT_EQ(result.alarmDate, QDate(2026, 12, 7));
    EXPECT_EQ(result.weekdayMask, QStringLiteral("0111110"));
    EXPECT_EQ(m_dialog->editorResult().weekdayMask, result.weekdayMask);
}

TEST_F(AlarmOptions, NoDayTickedGivesTheEmptyMaskAndAnEmptyMemoAnEmptyCaption)
{
    open();
    for (const char *name : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        child<QCheckBox>(name)->setChecked(false);
    child<QPlainTextEdit>("Memo")->clear();
    m_dialog->OKClick();
    EXPECT_EQ(m_manager.editorResult().weekdayMask, QStringLiteral("0000000"));
    EXPECT_EQ(m_manager.editorResult().caption, QString());
    EXPECT_TRUE(workingCopy().endsWith("***Memo***\r\n"));
    EXPECT_EQ(saved().weekdayMask(), QStringLiteral("0000000"));
}

// Every field goes through the controls and back out unchanged; only the
// reminder gains the line break that loading gives every line.
TEST_F(AlarmOptions, EditingAnAlarmRewritesItsValuesAndTheReminderGainsAFinalLineBreak)
{
    const AlarmRecord original = unusualAlarm();
    edit(original);
    // Opened as if "Once" had been picked.
    EXPECT_EQ(child<QComboBox>("Frequency")->currentText(), QStringLiteral("Once"));
    EXPECT_TRUE(child<QDateEdit>("DatePicker")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>("CheckBox1")->isEnabled());
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("first song.mp3"), QStringLiteral("relative.wav"),
                                   QStringLiteral("last.ogg")}));
    EXPECT_EQ(child<QTreeWidget>("SongList")->topLevelItem(0)->text(1), QStringLiteral("/home/me/Music/"));
    EXPECT_EQ(child<QLabel>("LabelVolume")->text(), QStringLiteral("37%"));
    EXPECT_TRUE(child<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(child<QComboBox>("PowerComboBox")->currentText(), QStringLiteral("Shut down PC"));
    EXPECT_TRUE(child<QTimeEdit>("FadeInTimePicker")->isEnabled());
    EXPECT_EQ(child<QTimeEdit>("FadeInTimePicker")->text(), QStringLiteral("07"));

    m_dialog->OKClick();
    AlarmRecord expected = original;
    expected.reminder += u'\n';
    EXPECT_EQ(workingCopy(), AlarmFile::encode(expected));
    EXPECT_EQ(m_manager.editorResult().caption, QStringLiteral("first"));
    EXPECT_EQ(m_manager.editorResult().weekdayMask, QStringLiteral("1001001"));

    // From then on it stays as it is.
    edit(saved());
    m_dialog->OKClick();
    EXPECT_EQ(workingCopy(), AlarmFile::encode(expected));

    // Unticking the fade-in greys its own minutes only, and keeps them.
    edit(saved());
    child<QCheckBox>("FadeIn")->click();
    EXPECT_FALSE(child<QTimeEdit>("FadeInTimePicker")->isEnabled());
    EXPECT_TRUE(child<QTimeEdit>("FadeOutTimePicker")->isEnabled());
    m_dialog->OKClick();
    EXPECT_FALSE(saved().fadeInOn);
    EXPECT_EQ(saved().fadeInMinutes, 7);
}

TEST_F(AlarmOptions, CaptionEndsWhereTheMemoWrapsTheFirstLine)
{
    open();
    auto *memo = child<QPlainTextEdit>("Memo");
    const QString firstLine =
        QStringLiteral("Take the blue folder to the meeting with the accountant and ask about the tax forms");
    memo->setPlainText(firstLine + QStringLiteral("\nsecond line\n"));
    QApplication::processEvents();
    m_dialog->OKClick();

    const QString caption = m_manager.editorResult().caption;
    ASSERT_FALSE(caption.isEmpty());
    ASSERT_LT(caption.size(), firstLine.size());
    EXPECT_TRUE(firstLine.startsWith(caption));
    const QFontMetricsF metrics(memo->font());
    const qreal room = memo->viewport()->width() - 2 * memo->document()->documentMargin();
    EXPECT_LE(metrics.horizontalAdvance(caption.trimmed()), room);
    const QString nextWord = firstLine.mid(caption.size()).section(u' ', 0, 0);
    EXPECT_GT(metrics.horizontalAdvance(caption + nextWord), room);
}

TEST_F(AlarmOptions, AFileInSoundModeGreysThePlayListAndTheSoundCanBeTried)
{
    AlarmRecord r = AlarmRecord::newAlarm(m_clock.now());
    r.playListOn = false;
    r.playList = songs(1);
    r.soundOn = true;
    r.soundNumber = 2;
    edit(r);
    EXPECT_TRUE(child<QRadioButton>("RadioButtonPlaySound")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("RadioButtonPlayMusic")->isChecked());
    for (const char *name :
         {"GroupBoxPlayList", "SongList", "PlayMusic", "AddMusic", "DeleteMusic", "UpMusic", "DownMusic"})
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(child<QComboBox>("SoundComboBox")->isEnabled());
    EXPECT_EQ(child<QComboBox>("SoundComboBox")->currentText(), QStringLiteral("Sound 3"));

    auto *play = child<QPushButton>("PlayAlarmSound");
    play->click();
    EXPECT_EQ(player().played(), QStringList{m_dir.path() + QStringLiteral("/sounds/ringin.wav")});
    EXPECT_EQ(play->text(), QStringLiteral("Stop"));
    player().finish();
    EXPECT_EQ(play->text(), QStringLiteral("Play"));
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::NotOpen);

    m_dialog->OKClick();
    EXPECT_TRUE(saved().soundOn);
    EXPECT_FALSE(saved().playListOn);
    EXPECT_EQ(saved().soundNumber, 2);
    EXPECT_EQ(saved().playList, songs(1));

    // And back to the play list.
    edit(saved());
    child<QRadioButton>("RadioButtonPlayMusic")->click();
    EXPECT_TRUE(child<QTreeWidget>("SongList")->isEnabled());
    EXPECT_FALSE(child<QComboBox>("SoundComboBox")->isEnabled());
    m_dialog->OKClick();
    EXPECT_TRUE(saved().playListOn);
    EXPECT_FALSE(saved().soundOn);
}

TEST_F(AlarmOptions, AFailedReadOpensWithWhatWasReadSoFar)
{
    struct Row
    {
        const char *name;
        QByteArray file; // empty: no file at all
        QString message;
        const char *frequency;
        bool dateEnabled;
    };
    QByteArray badMinute = AlarmFile::encode(AlarmRecord::newAlarm(m_clock.now()));
    badMinute.replace("***Frequency***\r\n3\r\n***Date time***\r\n7\r\n29\r\n",
                      "***Frequency***\r\n0\r\n***Date time***\r\n7\r\nx\r\n");
    QByteArray oddFrequency = AlarmFile::encode(AlarmRecord::newAlarm(m_clock.now()));
    oddFrequency.replace("***Frequency***\r\n3\r\n", "***Frequency***\r\n9\r\n");
    const Row table[] = {
        {"missing file", {}, QStringLiteral("Could not open"), "Weekly", false},
        {"bad minute after the frequency", badMinute, QStringLiteral("'x' is not a valid integer value"), "Once", true},
        {"frequency outside the list", oddFrequency, QString(), "", false},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(row.name);
        QFile::remove(workingCopyPath());
        if (!row.file.isEmpty()) {
            QFile file(workingCopyPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(row.file);
        }
        m_manager.setNewAlarmFlag(false);
        ErrorRecorder errors;
        open();
        if (row.message.isEmpty()) {
            EXPECT_TRUE(errors.messages.isEmpty());
        } else {
            ASSERT_EQ(errors.messages.size(), 1);
            EXPECT_TRUE(errors.messages[0].contains(row.message)) << errors.messages[0].toStdString();
        }
        EXPECT_TRUE(m_dialog->isVisible());
        EXPECT_EQ(child<QComboBox>("Frequency")->currentText(), QString::fromLatin1(row.frequency));
        EXPECT_EQ(child<QDateEdit>("DatePicker")->isEnabled(), row.dateEnabled);
        EXPECT_EQ(child<QTimeEdit>("TimePicker")->time(), QTime(7, 29, 59));
    }
    // With no frequency chosen, "OK" saves the code -1.
    m_dialog->OKClick();
    EXPECT_EQ(saved().frequencyCode, -1);
}

// One list edited step by step; each step names the row selected first
// (-1: none, -2: left as it is), the button, the order of the songs after it
// (digits of songN.mp3) and the row selected then.
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
    const Step steps[] = {
        {"delete on an empty list", -2, del, {}, "", -1},
        {"up on an empty list", -2, up, {}, "", -1},
        {"add with nothing chosen", -2, add, {}, "", -1},
        {"add one", -2, add, songs(1), "1", 0},
        {"delete the only one", -2, del, {}, "", -1},
        {"add three", -2, add, songs(3), "123", 0},
        {"delete with nothing selected", -1, del, {}, "123", 0},
        {"down with nothing selected", -1, down, {}, "123", 0},
        {"add keeps the selection",
         1,
         add,
         {QStringLiteral("/other/song4.mp3"), QStringLiteral("/music/song5.mp3")},
         "12345",
         1},
        {"up", 3, up, {}, "12435", 2},
        {"up again", -2, up, {}, "14235", 1},
        {"up to the top", -2, up, {}, "41235", 0},
        {"up at the top", -2, up, {}, "41235", 0},
        {"down", -2, down, {}, "14235", 1},
        {"down at the bottom", 4, down, {}, "14235", 4},
        {"delete the last", 4, del, {}, "1423", 3},
        {"delete the first", 0, del, {}, "423", 0},
    };
    open();
    auto *list = child<QTreeWidget>("SongList");
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        if (step.select == -1)
            list->clearSelection();
        else if (step.select >= 0)
            list->setCurrentItem(list->topLevelItem(step.select));
        m_chosen = step.chosen;
        (m_dialog.get()->*step.click)();
        QStringList expected;
        for (const char *digit = step.order; *digit; ++digit)
            expected << QStringLiteral("song%1.mp3").arg(QLatin1Char(*digit));
        EXPECT_EQ(rows(), expected);
        EXPECT_EQ(selectedRow(), step.selected);
    }
    // The folders move with their names.
    m_dialog->OKClick();
    EXPECT_EQ(saved().playList, (QStringList{QStringLiteral("/other/song4.mp3"), QStringLiteral("/music/song2.mp3"),
                                             QStringLiteral("/music/song3.mp3")}));
}

TEST_F(AlarmOptions, TestPlaysTheSelectedSongAndStopsAgain)
{
    open();
    auto *test = child<QPushButton>("PlayMusic");
    test->click(); // nothing in the list
    EXPECT_TRUE(player().log.isEmpty());

    m_chosen = {QStringLiteral("/music/broken.mp3"), QStringLiteral("/music/fine.mp3")};
    m_dialog->AddMusicClick();
    player().unplayable << QStringLiteral("/music/broken.mp3");
    {
        ErrorRecorder errors;
        test->click();
        ASSERT_EQ(errors.messages.size(), 1);
        EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("broken.mp3")));
    }
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::NotOpen);
    EXPECT_EQ(test->text(), QStringLiteral("Test"));

    child<QTreeWidget>("SongList")->setCurrentItem(child<QTreeWidget>("SongList")->topLevelItem(1));
    test->click();
    EXPECT_EQ(player().played(), QStringList{QStringLiteral("/music/fine.mp3")});
    EXPECT_TRUE(player().isPlaying());
    EXPECT_TRUE(player().notify());
    EXPECT_EQ(test->text(), QStringLiteral("Stop"));
    player().finish();
    EXPECT_EQ(test->text(), QStringLiteral("Test"));
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::NotOpen);

    test->click();
    EXPECT_TRUE(player().isPlaying());
    test->click();
    EXPECT_EQ(test->text(), QStringLiteral("Test"));
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::NotOpen);

    // A playback that fails later is reported once the player is done with it.
    test->click();
    {
        ErrorRecorder errors;
        emit player().playbackFailed(QStringLiteral("cannot decode fine.mp3"));
        player().finish();
        EXPECT_TRUE(errors.messages.isEmpty());
        QApplication::processEvents();
        EXPECT_EQ(errors.messages, QStringList{QStringLiteral("cannot decode fine.mp3")});
    }
    EXPECT_EQ(test->text(), QStringLiteral("Test"));

    // "Cancel" ends a test playback.
    test->click();
    m_dialog->CancelClick();
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::NotOpen);
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
}

TEST_F(AlarmOptions, TheSliderPreviewsTheLevelAndEveryEndRestoresIt)
{
    const std::pair<const char *, std::function<void(TAlarmOptions &)>> ends[] = {
        {"OK", [](TAlarmOptions &d) { d.OKClick(); }},
        {"Cancel", [](TAlarmOptions &d) { d.CancelClick(); }},
        {"close box", [](TAlarmOptions &d) { d.close(); }},
        {"Escape", [](TAlarmOptions &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"released without an end", [this](TAlarmOptions &) { m_dialog.reset(); }},
    };
    for (const auto &[name, end] : ends) {
        SCOPED_TRACE(name);
        open();
        child<QSlider>("AlarmVolume")->setValue(37);
        EXPECT_EQ(child<QLabel>("LabelVolume")->text(), QStringLiteral("37%"));
        EXPECT_EQ(OutputLevel::instance().level(), 94);
        EXPECT_EQ(OutputLevel::instance().packed(), 0x5E005E00u);
        end(*m_dialog);
        if (m_dialog) {
            EXPECT_FALSE(m_dialog->isVisible());
        }
        EXPECT_EQ(OutputLevel::instance().packed(), m_levelBefore);
    }
    EXPECT_EQ(saved().volume, 37);
}

TEST_F(AlarmOptions, AWorkingCopyThatCannotBeWrittenKeepsTheDialogOpenWithoutAResult)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("alarm.ini")));
    EditorResult before;
    before.caption = QStringLiteral("previous");
    m_manager.setEditorResult(before);
    open();
    {
        ErrorRecorder errors;
        m_dialog->OKClick();
        ASSERT_EQ(errors.messages.size(), 1);
        EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("alarm.ini")));
    }
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_NE(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_manager.editorResult().caption, QStringLiteral("previous"));
    EXPECT_TRUE(QFileInfo(workingCopyPath()).isDir());
    EXPECT_EQ(OutputLevel::instance().level(), 255);

    // Once the folder can take it, "OK" goes through.
    ASSERT_TRUE(QDir(m_dir.path()).rmdir(QStringLiteral("alarm.ini")));
    m_dialog->OKClick();
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_manager.editorResult().caption, QStringLiteral("Don't for get to ..."));
}

TEST_F(AlarmOptions, PowerActionsThatCannotRunHereAreMarkedButStayChoosable)
{
    PartlyAvailablePower power;
    m_manager.setPowerActions(&power);
    open();
    auto *list = child<QComboBox>("PowerComboBox");
    auto *note = child<QLabel>("PowerNote");
    EXPECT_FALSE(list->itemData(1, Qt::ToolTipRole).isValid());
    EXPECT_TRUE(list->itemData(2, Qt::ToolTipRole).toString().contains(QStringLiteral("not permitted")));
    EXPECT_TRUE(note->text().isEmpty());
    list->setCurrentIndex(2);
    EXPECT_TRUE(note->text().contains(QStringLiteral("not permitted")));
    list->setCurrentIndex(3);
    EXPECT_TRUE(note->text().isEmpty());
    list->setCurrentIndex(2);
    m_dialog->OKClick();
    EXPECT_EQ(saved().powerAction, int(PowerAction::Suspend));

    // Without any power backend every action says so.
    m_manager.setPowerActions(nullptr);
    open();
    for (int code = 1; code <= 3; ++code)
        EXPECT_TRUE(child<QComboBox>("PowerComboBox")->itemData(code, Qt::ToolTipRole).isValid()) << code;
}

TEST_F(AlarmOptions, RunsModallyAndEscapeCancels)
{
    m_dialog = std::make_unique<TAlarmOptions>(m_manager);
    int attempts = 0;
    bool seen = false;
    std::function<void()> answer = [&]() {
        auto *window = QApplication::activeModalWidget();
        if (window != m_dialog.get() && ++attempts < 500) {
            QTimer::singleShot(10, answer);
            return;
        }
        seen = window == m_dialog.get();
        child<QSlider>("AlarmVolume")->setValue(50);
        EXPECT_EQ(OutputLevel::instance().level(), 127);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        m_dialog->reject(); // in case Escape did not end it
    };
    QTimer::singleShot(0, answer);
    EXPECT_EQ(m_dialog->exec(), QDialog::Rejected);
    EXPECT_TRUE(seen);
    EXPECT_EQ(OutputLevel::instance().packed(), m_levelBefore);
    EXPECT_FALSE(QFile::exists(workingCopyPath()));
}

// No text is cut off and no control lies on another, with the font of the
// test machine and with a desktop font far larger than the pages allow for.
TEST_F(AlarmOptions, EveryPageShowsItsTextsWholeAndNothingOverlaps)
{
    const QFont desktopFont = QApplication::font();
    QFont large = desktopFont;
    large.setPixelSize(20);
    for (const QFont &font : {desktopFont, large}) {
        SCOPED_TRACE(font.toString().toStdString());
        QApplication::setFont(font);
        open();
        checkLayout();
    }
    QApplication::setFont(desktopFont);
}

void AlarmOptions::checkLayout()
{
    auto *table = child<QTabWidget>("Table");
    for (int page = 0; page < table->count(); ++page) {
        table->setCurrentIndex(page);
        QWidget *sheet = table->widget(page);
        SCOPED_TRACE(table->tabText(page).toStdString());
        QList<QWidget *> controls;
        for (QWidget *w : sheet->findChildren<QWidget *>()) {
            // The controls themselves, not the parts they are made of; group
            // boxes are frames around other controls.
            const bool onPage = w->parentWidget() == sheet || qobject_cast<QGroupBox *>(w->parentWidget());
            if (!onPage || !w->isVisibleTo(sheet) || qobject_cast<QGroupBox *>(w))
                continue;
            if (auto *frame = qobject_cast<QFrame *>(w); frame && frame->frameShape() == QFrame::HLine)
                continue;
            controls << w;
        }
        ASSERT_GT(controls.size(), 3);
        for (QWidget *w : controls) {
            const QString name = w->objectName().isEmpty() ? w->property("text").toString() : w->objectName();
            if (auto *text = qobject_cast<QLabel *>(w); text && text->wordWrap()) {
                EXPECT_GE(text->height(), text->heightForWidth(text->width())) << name.toStdString();
            } else if (qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << name.toStdString();
            }
            const QRect mine(w->mapTo(sheet, QPoint(0, 0)), w->size());
            EXPECT_TRUE(sheet->rect().contains(mine)) << name.toStdString();
            for (QWidget *other : controls) {
                if (other == w)
                    continue;
                const QRect theirs(other->mapTo(sheet, QPoint(0, 0)), other->size());
                EXPECT_FALSE(mine.intersects(theirs))
                    << name.toStdString() << " / " << other->objectName().toStdString();
            }
        }
    }
}
