#include "editorsoundpage.h"

#include "alarmrecord.h"
#include "editorcontrols.h"
#include "outputlevel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTimeEdit>

using namespace EditorControls;

EditorSoundPage::EditorSoundPage(OutputLevel &outputLevel, QWidget *parent)
    : QWidget(parent), m_outputLevel(outputLevel)
{
    setObjectName(QStringLiteral("TabSheet4"));

    GroupBox4 = named(new QGroupBox(tr("Volum effect "), this), "GroupBox4");
    GroupBox4->setAccessibleName(tr("Volum effect"));
    GroupBox4->setGeometry(8, 8, 337, 297);

    FadeIn = named(new QCheckBox(tr("Fade in effect:"), GroupBox4), "FadeIn");
    place(FadeIn, 16, 24, 89, 17);
    connect(FadeIn, &QCheckBox::toggled, this, &EditorSoundPage::FadeInClick);
    FadeInTimePicker = minuteField(GroupBox4, "FadeInTimePicker", 5, qMax(112, FadeIn->geometry().right() + 6), 20, 49);
    label(GroupBox4, tr("minutes"), FadeInTimePicker->geometry().right() + 7, 24);
    // A field beside a check box has no label of its own to be named after.
    FadeInTimePicker->setAccessibleName(tr("Fade in minutes"));

    FadeOut = named(new QCheckBox(tr("Fade out effect, begin at:"), GroupBox4), "FadeOut");
    place(FadeOut, 16, 56, 145, 17);
    connect(FadeOut, &QCheckBox::toggled, this, &EditorSoundPage::FadeOutClick);
    FadeOutTimePicker =
        minuteField(GroupBox4, "FadeOutTimePicker", 30, qMax(160, FadeOut->geometry().right() + 6), 52, 49);
    label(GroupBox4, tr("minutes"), FadeOutTimePicker->geometry().right() + 7, 56);
    FadeOutTimePicker->setAccessibleName(tr("Fade out begins at minutes"));

    auto *snoozeLabel = label(GroupBox4, tr("Snooze time:"), 16, 88);
    SnoozeTimePicker =
        minuteField(GroupBox4, "SnoozeTimePicker", 10, qMax(80, snoozeLabel->geometry().right() + 6), 84, 41);
    snoozeLabel->setBuddy(SnoozeTimePicker);
    label(GroupBox4, tr("Minutes"), SnoozeTimePicker->geometry().right() + 7, 88);

    Panel3 = sunkenLine(GroupBox4, "Panel3", 16, 128, 305);

    auto *volumeLabel = label(GroupBox4, tr("Max alarm sound volume:"), 16, 144);
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
    connect(AlarmVolume, &QSlider::valueChanged, this, &EditorSoundPage::AlarmVolumeChange);

    // Snoozing by itself, so that an alarm nobody answers does not ring on
    // for ever: below the volume, in a section of its own. The caption's
    // wide gap is where its minute field goes; the field follows the words
    // in whatever font the desktop gives, and moves to a row of its own
    // when they leave no room for it.
    AutoSnoozeLine = sunkenLine(GroupBox4, "AutoSnoozeLine", 16, 212, 305);
    AutoSnooze = named(new QCheckBox(tr("Auto begin snooze after  playing music for"), GroupBox4), "AutoSnooze");
    AutoSnooze->setAccessibleName(tr("Auto begin snooze after playing music for"));
    AutoSnooze->adjustSize();
    AutoSnooze->move(16, 228);
    connect(AutoSnooze, &QCheckBox::toggled, this, &EditorSoundPage::AutoSnoozeClick);
    constexpr int fieldWidth = 49;
    const int right = GroupBox4->width() - 16;
    QLabel *autoSnoozeMinutes = label(GroupBox4, tr("minutes"), 0, 0);
    int fieldX = AutoSnooze->geometry().right() + 6;
    int fieldY = 224;
    if (fieldX + fieldWidth + 7 + autoSnoozeMinutes->width() > right) {
        fieldX = 36;
        fieldY = AutoSnooze->geometry().bottom() + 6;
    }
    AutoSnoozeTimePicker = minuteField(GroupBox4, "AutoSnoozeTimePicker", 2, fieldX, fieldY, fieldWidth);
    AutoSnoozeTimePicker->setAccessibleName(tr("Auto begin snooze after minutes"));
    autoSnoozeMinutes->move(AutoSnoozeTimePicker->geometry().right() + 7, fieldY + 4);
}

QList<QWidget *> EditorSoundPage::tabOrder() const
{
    return {FadeIn,           FadeInTimePicker, FadeOut,    FadeOutTimePicker,
            SnoozeTimePicker, AlarmVolume,      AutoSnooze, AutoSnoozeTimePicker};
}

void EditorSoundPage::load(const AlarmRecord &r)
{
    // Ticking a box from the alarm enables its field as the user's tick would.
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
    AlarmVolume->setValue(r.volume);
}

void EditorSoundPage::store(AlarmRecord &r) const
{
    r.fadeInOn = FadeIn->isChecked();
    r.fadeInMinutes = FadeInTimePicker->time().minute();
    r.fadeOutOn = FadeOut->isChecked();
    r.fadeOutMinutes = FadeOutTimePicker->time().minute();
    r.snoozeMinutes = SnoozeTimePicker->time().minute();
    r.autoSnoozeOn = AutoSnooze->isChecked();
    r.autoSnoozeMinutes = AutoSnoozeTimePicker->time().minute();
    r.volume = AlarmVolume->value();
}

void EditorSoundPage::AlarmVolumeChange()
{
    const int percent = AlarmVolume->value();
    m_outputLevel.setLevel(percent * OutputLevel::maxLevel / 100);
    LabelVolume->setText(QString::number(percent) + u'%');
}

void EditorSoundPage::FadeInClick()
{
    FadeInTimePicker->setEnabled(FadeIn->isChecked());
}

void EditorSoundPage::FadeOutClick()
{
    FadeOutTimePicker->setEnabled(FadeOut->isChecked());
}

void EditorSoundPage::AutoSnoozeClick()
{
    AutoSnoozeTimePicker->setEnabled(AutoSnooze->isChecked());
}
