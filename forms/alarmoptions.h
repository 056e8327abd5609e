#pragma once

#include "alarmengine.h"
#include "alarmrecord.h"
#include "cataloguerow.h"
#include "dialogservices.h"
#include "mediaplayer.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTimeEdit;
class QTreeWidget;
class QWidget;

// The modal "Alarm Options" dialog that creates or changes one alarm. It
// starts from the new-alarm defaults or, when the request is for an alarm
// being edited, from the working copy; "OK" writes the working copy and
// gives back the summary as its result, and only a working copy that was
// written whole produces one. While it is open the program's output level
// follows the volume slider, and whichever way it closes the level it found
// is put back.
class TAlarmOptions final : public QDialog
{
    Q_OBJECT

public:
    // Asks the user for audio files; an empty list means "cancelled".
    using FileChooser = std::function<QStringList(QWidget *parent, const QString &filter)>;

    TAlarmOptions(const EditorRequest &request, const DialogServices &services, QWidget *parent = nullptr);
    ~TAlarmOptions() override;

    // The filter of the open dialog: audio files first, then every file.
    static const QString &audioFileFilter();
    // A play-list entry split into its file name and its folder (with the
    // trailing separator); folder + file name gives the entry back.
    static std::pair<QString, QString> splitEntry(const QString &path);

    // Replaces the platform's open dialog, so tests can choose files.
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

    // The alarm as the controls hold it now.
    AlarmRecord record() const;
    // The memo's text exactly as typed or read.
    QString memoText() const;
    // The play list in play order, as full paths.
    QStringList playList() const;
    // What "OK" gave back; valid only once the dialog was accepted.
    const EditorResult &editorResult() const { return m_result; }
    // The output level found when the dialog was created, put back on close.
    quint32 savedOutputLevel() const { return m_savedLevel; }
    MediaPlayer &player() const { return *M; }

public slots:
    void FrequencyChange();
    void ActionFrequencyChangeExecute();
    void ActionFixedDateExecute();
    void ActionHourlyExecute();
    void ActionDailyExecute();
    void ActionWeeklyExecute();
    void ActionMonthlyExecute();
    void ActionYearlyExecute();
    void ActionReadAlarmInfoExecute();

    void AddMusicClick();
    void DeleteMusicClick();
    void UpMusicClick();
    void DownMusicClick();
    void PlayMusicClick();
    void PlayAlarmSoundClick();
    void MNotify();
    void ActionPlayMusicSelectedExecute();
    void ActionPlaySoundSelectedExecute();

    void AlarmVolumeChange();
    void FadeInClick();
    void FadeOutClick();
    void AutoSnoozeClick();

    void OKClick();
    void CancelClick();

    // Every end of the dialog passes here: the output level goes back.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildFrame();
    void buildGeneralPage();
    void buildPlayListPage();
    void buildSoundEffectPage();
    void buildOthersPage();
    void buildTabOrder();

    void FormCreate();
    void FormShow();
    void FormClose();

    void applyRecord(const AlarmRecord &record);
    void setFrequencyFormats(const QString &timeFormat, bool dateEnabled, const QString &dateFormat, bool daysEnabled);
    void setPlayListControlsEnabled(bool on);
    void appendEntry(const QString &path);
    int selectedRow() const;
    void selectRow(int row);
    void startTestPlayback(const QString &path, QPushButton *button, const QString &idleText);
    void endTestPlayback();
    void markPowerAvailability();
    void showPowerNote();
    QString caption() const;

    EditorRequest m_request;
    DialogServices m_services;
    FileChooser m_fileChooser;
    EditorResult m_result;
    quint32 m_savedLevel = 0;
    bool m_levelRestored = false;
    bool m_shown = false;
    QString m_systemTimeFormat;                // the user's long time format, as a Qt display format
    QString m_systemDateFormat;                // the user's short date format, as a Qt display format
    std::array<QString, 4> m_powerUnavailable; // why a power action can't run here; empty when it can

    // Frame
    QTabWidget *Table = nullptr;
    QPushButton *OK = nullptr;
    QPushButton *Cancel = nullptr;
    MediaPlayer *M = nullptr;

    // "General "
    QWidget *TabSheet1 = nullptr;
    QComboBox *Frequency = nullptr;
    QDateEdit *DatePicker = nullptr;
    QTimeEdit *TimePicker = nullptr;
    std::array<QCheckBox *, 7> m_dayBoxes{}; // CheckBox1 (Sunday) to CheckBox7 (Saturday)
    QFrame *Panel1 = nullptr;
    QPlainTextEdit *Memo = nullptr;

    // "Play List"
    QWidget *SoundMusic = nullptr;
    QGroupBox *GroupBoxPlayList = nullptr;
    QRadioButton *RadioButtonPlayMusic = nullptr;
    QTreeWidget *SongList = nullptr;
    QPushButton *PlayMusic = nullptr;
    QPushButton *AddMusic = nullptr;
    QPushButton *DeleteMusic = nullptr;
    QPushButton *UpMusic = nullptr;
    QPushButton *DownMusic = nullptr;
    QRadioButton *RadioButtonPlaySound = nullptr;
    QComboBox *SoundComboBox = nullptr;
    QPushButton *PlayAlarmSound = nullptr;
    QTimeEdit *SoundTimePicker = nullptr; // never shown

    // "Sound effect"
    QWidget *TabSheet4 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QCheckBox *FadeIn = nullptr;
    QTimeEdit *FadeInTimePicker = nullptr;
    QCheckBox *FadeOut = nullptr;
    QTimeEdit *FadeOutTimePicker = nullptr;
    QTimeEdit *SnoozeTimePicker = nullptr;
    QFrame *Panel3 = nullptr;
    QLabel *LabelVolume = nullptr;
    QSlider *AlarmVolume = nullptr;
    QCheckBox *AutoSnooze = nullptr;           // never shown
    QTimeEdit *AutoSnoozeTimePicker = nullptr; // never shown

    // "Ohters"
    QWidget *TabSheet2 = nullptr;
    QGroupBox *GroupBox5 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;     // never shown
    QTimeEdit *AutoCloseTimePicker = nullptr; // never shown
    QGroupBox *GroupBox6 = nullptr;
    QComboBox *PowerComboBox = nullptr;
    QLabel *PowerNote = nullptr;
};
