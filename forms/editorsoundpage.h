#pragma once

#include <QWidget>

class OutputLevel;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QSlider;
class QTimeEdit;
struct AlarmRecord;

// The editor's "Sound effect" page: fading in and out, the snooze time, the
// alarm's volume and the automatic snooze. A minute field is enabled while its box is ticked and
// keeps its value while it is not. The program's output level follows the
// volume slider, so a test playback is heard at the alarm's volume.
class EditorSoundPage final : public QWidget
{
    Q_OBJECT

public:
    // The level must outlive the page.
    explicit EditorSoundPage(OutputLevel &outputLevel, QWidget *parent = nullptr);

    // Sets the fields from the alarm; the slider moves a volume outside
    // 0..100 to the nearer end, and the output level follows it.
    void load(const AlarmRecord &record);
    // Puts the fields' values into the alarm.
    void store(AlarmRecord &record) const;

    // The page's controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

public slots:
    void AlarmVolumeChange();
    void FadeInClick();
    void FadeOutClick();
    void AutoSnoozeClick();

private:
    OutputLevel &m_outputLevel;

    QGroupBox *GroupBox4 = nullptr;
    QCheckBox *FadeIn = nullptr;
    QTimeEdit *FadeInTimePicker = nullptr;
    QCheckBox *FadeOut = nullptr;
    QTimeEdit *FadeOutTimePicker = nullptr;
    QTimeEdit *SnoozeTimePicker = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *LabelVolume = nullptr;
    QSlider *AlarmVolume = nullptr;
    QFrame *AutoSnoozeLine = nullptr;
    QCheckBox *AutoSnooze = nullptr;
    QTimeEdit *AutoSnoozeTimePicker = nullptr;
};
