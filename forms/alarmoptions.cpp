#include "alarmoptions.h"

#include "alarmfile.h"
#include "alarmrun.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "datetimepattern.h"
#include "errorbox.h"
#include "filelocations.h"
#include "outputlevel.h"
#include "poweractions.h"
#include "typeddatetimeedit.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <exception>

namespace {

const QString kTestText = QStringLiteral("Test");
const QString kStopText = QStringLiteral("Stop");
const QString kPlayText = QStringLiteral("Play");
const QString kMinuteFormat = QStringLiteral("mm");
const QString kNoPowerActions = QStringLiteral("not supported here");
constexpr int kLargestFontPixels = 12;

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Text-carrying controls keep their designed place but grow when the
// user's font needs more room than the design allowed.
void place(QWidget *widget, int x, int y, int width, int height)
{
    widget->setGeometry(x, y, qMax(width, widget->sizeHint().width()), height);
}

// A label sizes itself to its text, as the designed ones did.
QLabel *label(QWidget *parent, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int width, int height)
{
    auto *b = named(new QPushButton(text, parent), name);
    // Enter belongs to the field that has the focus, never to a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    // A push button's own size hint has a generous minimum; only the text counts here.
    b->setGeometry(x, y, qMax(width, b->fontMetrics().horizontalAdvance(text) + 12), height);
    return b;
}

// A field that shows and changes only the two-digit minutes of a time of
// day; the record keeps those minutes.
QTimeEdit *minuteField(QWidget *parent, const char *name, int minutes, int x, int y, int width)
{
    auto *field = named(new TypedTimeEdit(parent), name);
    field->setDisplayFormat(kMinuteFormat);
    field->setTime(QTime(0, minutes));
    field->setGeometry(x, y, width, 21);
    return field;
}

QFrame *sunkenLine(QWidget *parent, const char *name, int x, int y, int width)
{
    auto *line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, y, width, 2);
    return line;
}

// Radio buttons behave as the alarm file needs them to: switching one on
// clears the others of its page, and one can also be switched off alone, so
// a file with every switch off reads back that way.
void setRadio(QRadioButton *radio, bool on)
{
    if (on) {
        radio->setChecked(true);
        return;
    }
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

// Qt takes every letter of a display format as a field; other marks stand for themselves.
QString quotedLiteral(const QString &text)
{
    const bool hasLetter = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
    if (!hasLetter && !text.contains(u'\''))
        return text;
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// The program's pattern letters (see DateTimeFormatter) as a display format
// of Qt's date-time fields, so the fields follow the user's settings exactly
// as the other texts of the program do.
QString qtDisplayFormat(QStringView pattern, const LocaleFormats &formats)
{
    QString out;
    for (const PatternToken &token : DateTimePattern::tokenize(pattern)) {
        switch (token.kind) {
        case PatternToken::Literal:
            out += quotedLiteral(token.text);
            break;
        case PatternToken::Year:
            out += QString(token.width, u'y');
            break;
        case PatternToken::Month:
            out += QString(token.width, u'M');
            break;
        case PatternToken::Day:
            out += QString(token.width, u'd');
            break;
        case PatternToken::Hour:
            out += QString(token.width, u'h');
            break;
        case PatternToken::Minute:
            out += QString(token.width, u'm');
            break;
        case PatternToken::Second:
            out += QString(token.width, u's');
            break;
        case PatternToken::Millisecond:
            out += QString(token.width, u'z');
            break;
        case PatternToken::AmPm:
            out += token.upper ? QStringLiteral("AP") : QStringLiteral("ap");
            break;
        case PatternToken::AmPmLocale:
            out += QStringLiteral("AP");
            break;
        case PatternToken::DateSeparator:
            out += quotedLiteral(formats.dateSeparator);
            break;
        case PatternToken::TimeSeparator:
            out += quotedLiteral(formats.timeSeparator);
            break;
        }
    }
    return out;
}

} // namespace

const QString &TAlarmOptions::audioFileFilter()
{
    static const QString filter =
        QStringLiteral("Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac)"
                       ";;All files (*)");
    return filter;
}

std::pair<QString, QString> TAlarmOptions::splitEntry(const QString &path)
{
    const qsizetype cut = path.lastIndexOf(u'/') + 1;
    return {path.mid(cut), path.left(cut)};
}

TAlarmOptions::TAlarmOptions(const EditorRequest &request, const DialogServices &services, QWidget *parent)
    : QDialog(parent), m_request(request), m_services(services)
{
    setObjectName(QStringLiteral("AlarmOptions"));
    setWindowTitle(QStringLiteral("Alarm Options"));
    setModal(true);
    setFixedSize(377, 408);
    // The pages place their controls at fixed spots; a font larger than the
    // one they were laid out for would run texts into each other.
    QFont dialogFont = font();
    if (QFontInfo(dialogFont).pixelSize() > kLargestFontPixels) {
        dialogFont.setPixelSize(kLargestFontPixels);
        setFont(dialogFont);
    }

    const LocaleFormats &formats = m_services.formatter.formats();
    m_systemTimeFormat = qtDisplayFormat(formats.longTimeFormat, formats);
    m_systemDateFormat = qtDisplayFormat(formats.shortDateFormat, formats);

    m_fileChooser = [](QWidget *over, const QString &filter) {
        QString chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
        return QFileDialog::getOpenFileNames(over, QString(), QString(), filter, &chosenFilter);
    };

    buildFrame();
    buildGeneralPage();
    buildPlayListPage();
    buildSoundEffectPage();
    buildOthersPage();
    buildTabOrder();

    M = m_services.makePlayer(this);
    M->setObjectName(QStringLiteral("M"));
    connect(M, &MediaPlayer::OnNotify, this, &TAlarmOptions::MNotify);
    // A file that fails only once it plays is reported after the player has
    // finished its own report, never from inside it.
    connect(M, &MediaPlayer::playbackFailed, this, [this](const QString &message) {
        QTimer::singleShot(0, this, [this, message]() { ErrorBox::show(this, message); });
    });

    const QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

TAlarmOptions::~TAlarmOptions()
{
    // Releasing the dialog ends a test playback that is still running.
    M->setNotify(false);
    M->close();
    FormClose();
}

void TAlarmOptions::buildFrame()
{
    Table = named(new QTabWidget(this), "Table");
    Table->setGeometry(8, 8, 361, 361);

    OK = button(this, "OK", QStringLiteral("OK"), 232, 376, 67, 25);
    connect(OK, &QPushButton::clicked, this, &TAlarmOptions::OKClick);
    Cancel = button(this, "Cancel", QStringLiteral("Cancel"), 304, 376, 67, 25);
    connect(Cancel, &QPushButton::clicked, this, &TAlarmOptions::CancelClick);
}

void TAlarmOptions::buildGeneralPage()
{
    TabSheet1 = named(new QWidget, "TabSheet1");
    Table->addTab(TabSheet1, QStringLiteral("General "));

    auto *frequencyLabel = label(TabSheet1, QStringLiteral("Alarm Frequency: "), 16, 11);
    Frequency = named(new QComboBox(TabSheet1), "Frequency");
    Frequency->addItems(frequencyNames());
    Frequency->setGeometry(qMax(120, frequencyLabel->geometry().right() + 4), 8, 145, 23);
    frequencyLabel->setBuddy(Frequency);
    connect(Frequency, &QComboBox::activated, this, &TAlarmOptions::FrequencyChange);

    auto *dateLabel = label(TabSheet1, QStringLiteral("Date:"), 16, 36);
    DatePicker = named(new TypedDateEdit(TabSheet1), "DatePicker");
    dateLabel->setBuddy(DatePicker);
    DatePicker->setCalendarPopup(true);
    // Every date an alarm file can hold stays as it is.
    DatePicker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    DatePicker->setGeometry(24, 56, 145, 21);

    auto *timeLabel = label(TabSheet1, QStringLiteral("Time:"), 176, 36);
    TimePicker = named(new TypedTimeEdit(TabSheet1), "TimePicker");
    timeLabel->setBuddy(TimePicker);
    TimePicker->setGeometry(184, 56, 137, 21);

    label(TabSheet1, QStringLiteral("Days of week:"), 16, 88);
    static const char *const dayNames[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                           "CheckBox5", "CheckBox6", "CheckBox7"};
    const QStringList dayCaptions{QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tur"),
                                  QStringLiteral("Wed"), QStringLiteral("Thu"), QStringLiteral("Fri"),
                                  QStringLiteral("Sat")};
    static constexpr int dayX[] = {32, 112, 192, 264, 32, 112, 192};
    for (int i = 0; i < 7; ++i) {
        auto *box = named(new QCheckBox(dayCaptions[i], TabSheet1), dayNames[i]);
        place(box, dayX[i], i < 4 ? 104 : 136, 49, 17);
        m_dayBoxes[i] = box;
    }

    Panel1 = sunkenLine(TabSheet1, "Panel1", 8, 168, 329);

    auto *reminderLabel = label(TabSheet1, QStringLiteral("Reminder:"), 16, 184);
    Memo = named(new QPlainTextEdit(TabSheet1), "Memo");
    reminderLabel->setBuddy(Memo);
    Memo->setGeometry(16, 208, 321, 113);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setTabChangesFocus(true);
    Memo->setPlainText(QStringLiteral("Don't for get to ...\n"));
}

void TAlarmOptions::buildPlayListPage()
{
    SoundMusic = named(new QWidget, "SoundMusic");
    Table->addTab(SoundMusic, QStringLiteral("Play List"));

    GroupBoxPlayList = named(new QGroupBox(QStringLiteral("Play list "), SoundMusic), "GroupBoxPlayList");
    GroupBoxPlayList->setGeometry(8, 8, 337, 321);

    // The choice between the play list and a built-in sound: the list above,
    // the sound at the foot of the page.
    RadioButtonPlayMusic =
        named(new QRadioButton(QStringLiteral("Play msuic songs:"), SoundMusic), "RadioButtonPlayMusic");
    place(RadioButtonPlayMusic, 20, 26, 150, 17);
    RadioButtonPlayMusic->setChecked(true);
    connect(RadioButtonPlayMusic, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ActionPlayMusicSelectedExecute();
    });

    SongList = named(new QTreeWidget(SoundMusic), "SongList");
    SongList->setGeometry(20, 44, 309, 213);
    SongList->setColumnCount(2);
    SongList->setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Location")});
    SongList->setAccessibleName(QStringLiteral("Songs"));
    SongList->setColumnWidth(0, 130);
    SongList->setColumnWidth(1, 146);
    SongList->setRootIsDecorated(false);
    SongList->setItemsExpandable(false);
    SongList->setUniformRowHeights(true);
    SongList->setAllColumnsShowFocus(true);
    SongList->setSelectionBehavior(QAbstractItemView::SelectRows);
    SongList->setSelectionMode(QAbstractItemView::SingleSelection);
    SongList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SongList->setTextElideMode(Qt::ElideMiddle);
    SongList->header()->setSectionsMovable(false);
    // The chosen row stays marked while a button has the focus.
    QPalette listPalette = SongList->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        listPalette.setColor(QPalette::Inactive, role, listPalette.color(QPalette::Active, role));
    SongList->setPalette(listPalette);

    PlayMusic = button(SoundMusic, "PlayMusic", kTestText, 24, 272, 51, 25);
    connect(PlayMusic, &QPushButton::clicked, this, &TAlarmOptions::PlayMusicClick);
    AddMusic = button(SoundMusic, "AddMusic", QStringLiteral("Add"), 127, 272, 40, 25);
    connect(AddMusic, &QPushButton::clicked, this, &TAlarmOptions::AddMusicClick);
    DeleteMusic = button(SoundMusic, "DeleteMusic", QStringLiteral("Delete"), 175, 272, 48, 25);
    connect(DeleteMusic, &QPushButton::clicked, this, &TAlarmOptions::DeleteMusicClick);
    UpMusic = button(SoundMusic, "UpMusic", QStringLiteral("Up"), 231, 272, 50, 25);
    connect(UpMusic, &QPushButton::clicked, this, &TAlarmOptions::UpMusicClick);
    DownMusic = button(SoundMusic, "DownMusic", QStringLiteral("Down"), 287, 272, 50, 25);
    connect(DownMusic, &QPushButton::clicked, this, &TAlarmOptions::DownMusicClick);

    RadioButtonPlaySound =
        named(new QRadioButton(QStringLiteral("Play alarm sounds"), SoundMusic), "RadioButtonPlaySound");
    place(RadioButtonPlaySound, 20, 305, 120, 17);
    connect(RadioButtonPlaySound, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ActionPlaySoundSelectedExecute();
    });
    SoundComboBox = named(new QComboBox(SoundMusic), "SoundComboBox");
    SoundComboBox->addItems(
        {QStringLiteral("Sound 1"), QStringLiteral("Sound 2"), QStringLiteral("Sound 3"), QStringLiteral("Sound 4")});
    SoundComboBox->setGeometry(RadioButtonPlaySound->geometry().right() + 8, 302, 97, 23);
    // Named for platforms that name a list by its label; where a list's name
    // is its value, the description says what it is.
    SoundComboBox->setAccessibleName(QStringLiteral("Alarm sound"));
    SoundComboBox->setAccessibleDescription(QStringLiteral("Alarm sound"));
    PlayAlarmSound =
        button(SoundMusic, "PlayAlarmSound", kPlayText, SoundComboBox->geometry().right() + 8, 300, 51, 25);
    connect(PlayAlarmSound, &QPushButton::clicked, this, &TAlarmOptions::PlayAlarmSoundClick);
    // How long the sound plays is not used when the alarm rings.
    SoundTimePicker = minuteField(SoundMusic, "SoundTimePicker", 15, 280, 302, 49);
    SoundTimePicker->hide();
}

void TAlarmOptions::buildSoundEffectPage()
{
    TabSheet4 = named(new QWidget, "TabSheet4");
    Table->addTab(TabSheet4, QStringLiteral("Sound effect"));

    GroupBox4 = named(new QGroupBox(QStringLiteral("Volum effect "), TabSheet4), "GroupBox4");
    GroupBox4->setGeometry(8, 8, 337, 297);

    FadeIn = named(new QCheckBox(QStringLiteral("Fade in effect:"), GroupBox4), "FadeIn");
    place(FadeIn, 16, 24, 89, 17);
    connect(FadeIn, &QCheckBox::toggled, this, &TAlarmOptions::FadeInClick);
    FadeInTimePicker = minuteField(GroupBox4, "FadeInTimePicker", 5, qMax(112, FadeIn->geometry().right() + 6), 20, 49);
    label(GroupBox4, QStringLiteral("minutes"), FadeInTimePicker->geometry().right() + 7, 24);
    // A field beside a check box has no label of its own to be named after.
    FadeInTimePicker->setAccessibleName(QStringLiteral("Fade in minutes"));

    FadeOut = named(new QCheckBox(QStringLiteral("Fade out effect, begin at:"), GroupBox4), "FadeOut");
    place(FadeOut, 16, 56, 145, 17);
    connect(FadeOut, &QCheckBox::toggled, this, &TAlarmOptions::FadeOutClick);
    FadeOutTimePicker =
        minuteField(GroupBox4, "FadeOutTimePicker", 30, qMax(160, FadeOut->geometry().right() + 6), 52, 49);
    label(GroupBox4, QStringLiteral("minutes"), FadeOutTimePicker->geometry().right() + 7, 56);
    FadeOutTimePicker->setAccessibleName(QStringLiteral("Fade out begins at minutes"));

    auto *snoozeLabel = label(GroupBox4, QStringLiteral("Snooze time:"), 16, 88);
    SnoozeTimePicker =
        minuteField(GroupBox4, "SnoozeTimePicker", 10, qMax(80, snoozeLabel->geometry().right() + 6), 84, 41);
    snoozeLabel->setBuddy(SnoozeTimePicker);
    label(GroupBox4, QStringLiteral("Minutes"), SnoozeTimePicker->geometry().right() + 7, 88);

    // Snoozing by itself has no place on this page; its fields travel unchanged.
    AutoSnooze = named(
        new QCheckBox(QStringLiteral("Auto begin snooze after  playing music for                 minutes"), GroupBox4),
        "AutoSnooze");
    AutoSnooze->setGeometry(16, 104, 305, 17);
    AutoSnooze->hide();
    connect(AutoSnooze, &QCheckBox::toggled, this, &TAlarmOptions::AutoSnoozeClick);
    AutoSnoozeTimePicker = minuteField(GroupBox4, "AutoSnoozeTimePicker", 2, 216, 100, 49);
    AutoSnoozeTimePicker->hide();

    Panel3 = sunkenLine(GroupBox4, "Panel3", 16, 128, 305);

    auto *volumeLabel = label(GroupBox4, QStringLiteral("Max alarm sound volume:"), 16, 144);
    LabelVolume = named(new QLabel(QStringLiteral("100%"), GroupBox4), "LabelVolume");
    LabelVolume->setGeometry(qMax(144, volumeLabel->geometry().right() + 6), 144, 40, volumeLabel->height());

    AlarmVolume = named(new QSlider(Qt::Horizontal, GroupBox4), "AlarmVolume");
    AlarmVolume->setGeometry(16, 166, 297, 35);
    volumeLabel->setBuddy(AlarmVolume);
    AlarmVolume->setRange(0, 100);
    AlarmVolume->setTickPosition(QSlider::TicksBelow);
    AlarmVolume->setTickInterval(10);
    AlarmVolume->setPageStep(10);
    AlarmVolume->setValue(0);
    connect(AlarmVolume, &QSlider::valueChanged, this, &TAlarmOptions::AlarmVolumeChange);
}

void TAlarmOptions::buildOthersPage()
{
    TabSheet2 = named(new QWidget, "TabSheet2");
    Table->addTab(TabSheet2, QStringLiteral("Ohters"));

    GroupBox5 = named(new QGroupBox(QStringLiteral("Closing method "), TabSheet2), "GroupBox5");
    GroupBox5->setGeometry(8, 8, 337, 89);
    RadioButton1 = named(new QRadioButton(QStringLiteral("Don't auto-close alarm window"), GroupBox5), "RadioButton1");
    place(RadioButton1, 24, 24, 289, 17);
    RadioButton2 =
        named(new QRadioButton(QStringLiteral("Close alarm window Automatically"), GroupBox5), "RadioButton2");
    place(RadioButton2, 24, 48, 225, 17);
    // Closing after a number of minutes is not offered; its fields travel unchanged.
    RadioButton3 =
        named(new QRadioButton(QStringLiteral("Auto-close after                 minutes"), GroupBox5), "RadioButton3");
    RadioButton3->setGeometry(24, 68, 225, 17);
    RadioButton3->hide();
    AutoCloseTimePicker = minuteField(GroupBox5, "AutoCloseTimePicker", 2, 128, 66, 49);
    AutoCloseTimePicker->hide();

    GroupBox6 = named(new QGroupBox(QStringLiteral("Power  Saving"), TabSheet2), "GroupBox6");
    GroupBox6->setGeometry(8, 112, 337, 137);
    auto *explanation = new QLabel(
        QStringLiteral("You can save power by suspending/shut down your PC or turning off the monitor "), GroupBox6);
    explanation->setWordWrap(true);
    // Styles that draw the title above the frame push the frame down; the
    // text starts below it.
    const int explanationTop = qMax(16, GroupBox6->contentsRect().top() + 2);
    explanation->setGeometry(16, explanationTop, 310, qMax(26, explanation->heightForWidth(310)));
    PowerComboBox = named(new QComboBox(GroupBox6), "PowerComboBox");
    PowerComboBox->addItems({QStringLiteral("Do nothing"), QStringLiteral("Turn monitor off"),
                             QStringLiteral("Hibernate PC"), QStringLiteral("Shut down PC")});
    PowerComboBox->setGeometry(24, qMax(56, explanation->geometry().bottom() + 8), 145, 23);
    // Says so at once when the chosen action can't be carried out here.
    PowerNote = named(new QLabel(GroupBox6), "PowerNote");
    PowerNote->setWordWrap(true);
    PowerNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PowerNote->setGeometry(24, PowerComboBox->geometry().bottom() + 6, 297,
                           GroupBox6->height() - PowerComboBox->geometry().bottom() - 12);
    connect(PowerComboBox, &QComboBox::currentIndexChanged, this, &TAlarmOptions::showPowerNote);
    markPowerAvailability();
}

void TAlarmOptions::buildTabOrder()
{
    // Screen order on every page: rows from the top, left to right in a row.
    QList<QWidget *> chain{Table, Frequency, DatePicker, TimePicker};
    for (QCheckBox *box : m_dayBoxes)
        chain << box;
    chain << Memo;
    chain << RadioButtonPlayMusic << SongList << PlayMusic << AddMusic << DeleteMusic << UpMusic << DownMusic
          << RadioButtonPlaySound << SoundComboBox << PlayAlarmSound;
    chain << FadeIn << FadeInTimePicker << FadeOut << FadeOutTimePicker << SnoozeTimePicker << AlarmVolume;
    chain << RadioButton1 << RadioButton2 << PowerComboBox << OK << Cancel;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TAlarmOptions::markPowerAvailability()
{
    PowerActions *power = m_services.powerActions;
    const QBrush greyed = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int code = int(PowerAction::MonitorOff); code <= int(PowerAction::PowerOff); ++code) {
        const PowerAvailability can =
            power ? power->availability(PowerAction(code)) : PowerAvailability{false, kNoPowerActions};
        if (can.available)
            continue;
        // The action stays choosable, since an alarm may already hold it, but
        // it looks unavailable and says why.
        m_powerUnavailable[size_t(code)] = QStringLiteral("Not available: %1").arg(can.reason);
        PowerComboBox->setItemData(code, greyed, Qt::ForegroundRole);
        PowerComboBox->setItemData(code, m_powerUnavailable[size_t(code)], Qt::ToolTipRole);
    }
}

void TAlarmOptions::showPowerNote()
{
    const int code = PowerComboBox->currentIndex();
    const QString note =
        code >= 0 && code < int(m_powerUnavailable.size()) ? m_powerUnavailable[size_t(code)] : QString();
    PowerNote->setText(note);
    PowerComboBox->setToolTip(note);
}

void TAlarmOptions::FormCreate()
{
    // Editor defaults, in the order the alarm record lists them.
    const QDateTime now = m_services.clock.now();
    const AlarmRecord defaults = AlarmRecord::newAlarm(now);
    TimePicker->setTime(defaults.alarmTime);
    DatePicker->setDate(defaults.alarmDate);
    Frequency->setCurrentIndex(defaults.frequencyCode);
    // The fields as "Weekly" wants them, without running its action.
    setFrequencyFormats(m_systemTimeFormat, false, m_systemDateFormat, true);
    for (int i = 0; i < 7; ++i)
        m_dayBoxes[i]->setChecked(defaults.dayFlags[size_t(i)]);

    setRadio(RadioButtonPlayMusic, defaults.playListOn);
    SongList->clear();
    ActionPlayMusicSelectedExecute();
    FadeIn->setChecked(defaults.fadeInOn);
    FadeInClick();
    FadeOut->setChecked(defaults.fadeOutOn);
    FadeOutClick();
    AutoSnooze->setChecked(defaults.autoSnoozeOn);
    AutoSnoozeClick();

    m_savedLevel = m_services.outputLevel.packed();
    m_services.outputLevel.setLevel(OutputLevel::maxLevel);
    AlarmVolume->setValue(defaults.volume);

    setRadio(RadioButton1, true);
    PowerComboBox->setCurrentIndex(defaults.powerAction);
    showPowerNote();

    Table->setCurrentWidget(TabSheet1);
}

void TAlarmOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TAlarmOptions::FormShow()
{
    if (!m_request.newAlarm)
        ActionReadAlarmInfoExecute();
}

void TAlarmOptions::ActionReadAlarmInfoExecute()
{
    // The fields read before a failing line take their new values, the rest
    // keep what the controls hold; the error is shown once they are in place.
    AlarmRecord read = record();
    std::exception_ptr failure;
    try {
        AlarmFile::read(m_request.workingCopyPath, AlarmFile::ReadMode::Editing, read);
    } catch (...) {
        failure = std::current_exception();
    }
    applyRecord(read);
    if (failure)
        ErrorBox::guard(this, [&failure]() { std::rethrow_exception(failure); });
}

void TAlarmOptions::applyRecord(const AlarmRecord &r)
{
    // A code outside the list leaves it without a selection and the fields as they are.
    Frequency->setCurrentIndex(r.frequencyCode >= 0 && r.frequencyCode < Frequency->count() ? r.frequencyCode : -1);
    if (Frequency->currentIndex() >= 0)
        ActionFrequencyChangeExecute();
    TimePicker->setTime(r.alarmTime);
    DatePicker->setDate(r.alarmDate);
    for (int i = 0; i < 7; ++i)
        m_dayBoxes[i]->setChecked(r.dayFlags[size_t(i)]);

    setRadio(RadioButtonPlayMusic, r.playListOn);
    if (r.playListOn)
        ActionPlayMusicSelectedExecute();
    SongList->clear();
    for (const QString &path : r.playList)
        appendEntry(path);
    setRadio(RadioButtonPlaySound, r.soundOn);
    if (r.soundOn)
        ActionPlaySoundSelectedExecute();
    SoundComboBox->setCurrentIndex(r.soundNumber >= 0 && r.soundNumber < SoundComboBox->count() ? r.soundNumber : -1);
    SoundTimePicker->setTime(QTime(0, r.soundMinutes));

    FadeIn->setChecked(r.fadeInOn);
    FadeInClick();
    FadeInTimePicker->setTime(QTime(0, r.fadeInMinutes));
    FadeOut->setChecked(r.fadeOutOn);
    FadeOutClick();
    FadeOutTimePicker->setTime(QTime(0, r.fadeOutMinutes));
    SnoozeTimePicker->setTime(QTime(0, r.snoozeMinutes));
    AutoSnooze->setChecked(r.autoSnoozeOn);
    AutoSnoozeClick();
    AutoSnoozeTimePicker->setTime(QTime(0, r.autoSnoozeMinutes));
    // The slider moves a volume outside 0..100 to the nearer end; that is saved.
    AlarmVolume->setValue(r.volume);

    setRadio(RadioButton1, r.closingFlags[0]);
    setRadio(RadioButton2, r.closingFlags[1]);
    setRadio(RadioButton3, r.closingFlags[2]);
    AutoCloseTimePicker->setTime(QTime(0, r.autoCloseMinutes));
    PowerComboBox->setCurrentIndex(r.powerAction >= 0 && r.powerAction < PowerComboBox->count() ? r.powerAction : -1);
    showPowerNote();

    if (memoText() != r.reminder)
        Memo->setPlainText(r.reminder);
}

AlarmRecord TAlarmOptions::record() const
{
    AlarmRecord r;
    r.frequencyCode = Frequency->currentIndex();
    const QTime t = TimePicker->time();
    r.alarmTime = QTime(t.hour(), t.minute(), t.second());
    r.alarmDate = DatePicker->date();
    for (int i = 0; i < 7; ++i)
        r.dayFlags[size_t(i)] = m_dayBoxes[i]->isChecked();
    r.playListOn = RadioButtonPlayMusic->isChecked();
    r.playList = playList();
    r.soundOn = RadioButtonPlaySound->isChecked();
    r.soundNumber = SoundComboBox->currentIndex();
    r.soundMinutes = SoundTimePicker->time().minute();
    r.fadeInOn = FadeIn->isChecked();
    r.fadeInMinutes = FadeInTimePicker->time().minute();
    r.fadeOutOn = FadeOut->isChecked();
    r.fadeOutMinutes = FadeOutTimePicker->time().minute();
    r.snoozeMinutes = SnoozeTimePicker->time().minute();
    r.autoSnoozeOn = AutoSnooze->isChecked();
    r.autoSnoozeMinutes = AutoSnoozeTimePicker->time().minute();
    r.volume = AlarmVolume->value();
    r.closingFlags = {RadioButton1->isChecked(), RadioButton2->isChecked(), RadioButton3->isChecked()};
    r.autoCloseMinutes = AutoCloseTimePicker->time().minute();
    r.powerAction = PowerComboBox->currentIndex();
    r.reminder = memoText();
    return r;
}

QString TAlarmOptions::memoText() const
{
    // toPlainText() turns non-breaking spaces into plain ones (text pasted
    // from a web page has them); the reminder is kept as it was written.
    QString text = Memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QStringList TAlarmOptions::playList() const
{
    QStringList paths;
    for (int i = 0; i < SongList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = SongList->topLevelItem(i);
        paths << item->text(1) + item->text(0);
    }
    return paths;
}

// --- Frequency -------------------------------------------------------------

void TAlarmOptions::FrequencyChange()
{
    ActionFrequencyChangeExecute();
}

void TAlarmOptions::ActionFrequencyChangeExecute()
{
    switch (Frequency->currentIndex()) {
    case int(Frequency::Once):
        ActionFixedDateExecute();
        break;
    case int(Frequency::Hourly):
        ActionHourlyExecute();
        break;
    case int(Frequency::Daily):
        ActionDailyExecute();
        break;
    case int(Frequency::Weekly):
        ActionWeeklyExecute();
        break;
    case int(Frequency::Monthly):
        ActionMonthlyExecute();
        break;
    case int(Frequency::Yearly):
        ActionYearlyExecute();
        break;
    default:
        break;
    }
}

void TAlarmOptions::setFrequencyFormats(const QString &timeFormat, bool dateEnabled, const QString &dateFormat,
                                        bool daysEnabled)
{
    // A format shows fewer parts of the value; the value itself stays whole
    // and is saved whole.
    TimePicker->setDisplayFormat(timeFormat);
    DatePicker->setDisplayFormat(dateFormat);
    DatePicker->setEnabled(dateEnabled);
    for (QCheckBox *box : m_dayBoxes)
        box->setEnabled(daysEnabled);
}

void TAlarmOptions::ActionFixedDateExecute()
{
    setFrequencyFormats(m_systemTimeFormat, true, m_systemDateFormat, false);
}

void TAlarmOptions::ActionHourlyExecute()
{
    setFrequencyFormats(QStringLiteral("mm:ss"), false, m_systemDateFormat, false);
}

void TAlarmOptions::ActionDailyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, false, m_systemDateFormat, false);
}

void TAlarmOptions::ActionWeeklyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, false, m_systemDateFormat, true);
}

void TAlarmOptions::ActionMonthlyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, true, QStringLiteral("dd"), false);
}

void TAlarmOptions::ActionYearlyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, true, QStringLiteral("MMMM-dd"), false);
}

// --- Play list ---------------------------------------------------------------

void TAlarmOptions::appendEntry(const QString &path)
{
    const auto [fileName, folder] = splitEntry(path);
    auto *item = new QTreeWidgetItem(SongList, {fileName, folder});
    item->setToolTip(0, path);
    item->setToolTip(1, path);
}

int TAlarmOptions::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = SongList->selectedItems();
    return selected.isEmpty() ? -1 : SongList->indexOfTopLevelItem(selected.first());
}

void TAlarmOptions::selectRow(int row)
{
    if (row < 0 || row >= SongList->topLevelItemCount()) {
        SongList->clearSelection();
        SongList->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    QTreeWidgetItem *item = SongList->topLevelItem(row);
    SongList->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    SongList->scrollToItem(item);
}

void TAlarmOptions::AddMusicClick()
{
    const int before = selectedRow();
    const QStringList files = m_fileChooser(this, audioFileFilter());
    if (files.isEmpty())
        return;
    QStringList refused;
    for (const QString &path : files) {
        // The alarm file keeps one song per line: a line break in a name
        // would shift every line after it and spoil the alarm.
        if (path.contains(u'\n') || path.contains(u'\r'))
            refused << QDir::toNativeSeparators(path);
        else
            appendEntry(path);
    }
    if (!refused.isEmpty()) {
        ErrorBox::show(this, QStringLiteral("These files were not added, because their names contain a line "
                                            "break. Rename them and add them again:\n%1")
                                 .arg(refused.join(u'\n')));
    }
    selectRow(before >= 0 ? before : 0);
    SongList->setFocus();
}

void TAlarmOptions::DeleteMusicClick()
{
    int row = selectedRow();
    if (row < 0) {
        // Nothing chosen: point at the first entry and leave the decision to the user.
        if (SongList->topLevelItemCount() > 0)
            selectRow(0);
        return;
    }
    delete SongList->takeTopLevelItem(row);
    if (row >= SongList->topLevelItemCount())
        row = SongList->topLevelItemCount() - 1;
    selectRow(row);
    SongList->setFocus();
}

void TAlarmOptions::UpMusicClick()
{
    SongList->setFocus();
    if (SongList->topLevelItemCount() == 0)
        return;
    const int row = selectedRow();
    if (row < 0) {
        selectRow(0);
        return;
    }
    if (row == 0)
        return;
    SongList->insertTopLevelItem(row - 1, SongList->takeTopLevelItem(row));
    selectRow(row - 1);
}

void TAlarmOptions::DownMusicClick()
{
    SongList->setFocus();
    if (SongList->topLevelItemCount() == 0)
        return;
    const int row = selectedRow();
    if (row < 0) {
        selectRow(0);
        return;
    }
    if (row == SongList->topLevelItemCount() - 1)
        return;
    SongList->insertTopLevelItem(row + 1, SongList->takeTopLevelItem(row));
    selectRow(row + 1);
}

void TAlarmOptions::ActionPlayMusicSelectedExecute()
{
    setPlayListControlsEnabled(true);
}

void TAlarmOptions::ActionPlaySoundSelectedExecute()
{
    setPlayListControlsEnabled(false);
}

void TAlarmOptions::setPlayListControlsEnabled(bool on)
{
    // What plays while the user switches over would no longer be what the
    // alarm plays, and its button might be out of reach.
    if (M && M->mode() != MediaPlayer::Mode::NotOpen)
        endTestPlayback();
    for (QWidget *w : std::initializer_list<QWidget *>{GroupBoxPlayList, SongList, PlayMusic, AddMusic, DeleteMusic,
                                                       UpMusic, DownMusic})
        w->setEnabled(on);
    for (QWidget *w : std::initializer_list<QWidget *>{SoundComboBox, PlayAlarmSound, SoundTimePicker})
        w->setEnabled(!on);
}

// --- Test playback -------------------------------------------------------------

void TAlarmOptions::startTestPlayback(const QString &path, QPushButton *button, const QString &idleText)
{
    // One player serves both buttons: whatever plays now ends first, quietly.
    endTestPlayback();
    button->setText(kStopText);
    M->setFileName(path);
    ErrorBox::guard(this, [&]() {
        try {
            M->open();
            M->play();
            M->setNotify(true);
        } catch (...) {
            // Nothing plays, so the button offers to play again; the error
            // box comes after the player is closed.
            M->close();
            button->setText(idleText);
            throw;
        }
    });
}

void TAlarmOptions::endTestPlayback()
{
    M->setNotify(false);
    M->stop();
    M->close();
    PlayMusic->setText(kTestText);
    PlayAlarmSound->setText(kPlayText);
}

void TAlarmOptions::PlayMusicClick()
{
    SongList->setFocus();
    const int row = selectedRow();
    if (row < 0)
        return;
    if (PlayMusic->text() == kTestText)
        startTestPlayback(playList().at(row), PlayMusic, kTestText);
    else
        endTestPlayback();
}

void TAlarmOptions::PlayAlarmSoundClick()
{
    const int number = SoundComboBox->currentIndex();
    const QStringList &sounds = TAlarmRun::soundFileNames();
    if (PlayAlarmSound->text() != kPlayText) {
        endTestPlayback();
        return;
    }
    if (number < 0 || number >= sounds.size())
        return;
    startTestPlayback(m_services.locations.sound(sounds[number]), PlayAlarmSound, kPlayText);
}

void TAlarmOptions::MNotify()
{
    M->close();
    PlayMusic->setText(kTestText);
    PlayAlarmSound->setText(kPlayText);
}

// --- Sound effect ----------------------------------------------------------------

void TAlarmOptions::AlarmVolumeChange()
{
    const int percent = AlarmVolume->value();
    m_services.outputLevel.setLevel(percent * OutputLevel::maxLevel / 100);
    LabelVolume->setText(QString::number(percent) + u'%');
}

void TAlarmOptions::FadeInClick()
{
    FadeInTimePicker->setEnabled(FadeIn->isChecked());
}

void TAlarmOptions::FadeOutClick()
{
    FadeOutTimePicker->setEnabled(FadeOut->isChecked());
}

void TAlarmOptions::AutoSnoozeClick()
{
    AutoSnoozeTimePicker->setEnabled(AutoSnooze->isChecked());
}

// --- End of the dialog -----------------------------------------------------------

QString TAlarmOptions::caption() const
{
    // The first row as the memo shows it: a long first line wraps, and only
    // what fits on the first row names the alarm.
    const QTextBlock first = Memo->document()->firstBlock();
    if (!first.isValid() || first.text().isEmpty())
        return {};
    Memo->document()->documentLayout()->blockBoundingRect(first);
    const QTextLayout *layout = first.layout();
    if (!layout || layout->lineCount() == 0)
        return first.text();
    const QTextLine row = layout->lineAt(0);
    return first.text().mid(row.textStart(), row.textLength());
}

void TAlarmOptions::OKClick()
{
    const AlarmRecord r = record();
    // A working copy that could not be written whole must not become an
    // alarm: the dialog stays open with everything the user entered.
    if (!ErrorBox::guard(this, [this, &r]() { AlarmFile::write(m_request.workingCopyPath, r); }))
        return;
    m_result = EditorResult{caption(), r.frequencyCode, r.alarmTime, r.alarmDate, r.weekdayMask()};
    accept();
}

void TAlarmOptions::CancelClick()
{
    endTestPlayback();
    reject();
}

void TAlarmOptions::keyPressEvent(QKeyEvent *event)
{
    // Escape presses "Cancel", which also ends a test playback; the close
    // box only ends the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Cancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAlarmOptions::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TAlarmOptions::FormClose()
{
    if (m_levelRestored)
        return;
    m_levelRestored = true;
    m_services.outputLevel.setPacked(m_savedLevel);
}
