#pragma once

#include "alarmengine.h"
#include "alarmrecord.h"
#include "cataloguerow.h"
#include "dialogservices.h"
#include "editorplaylistpage.h"

#include <QDialog>
#include <QStringList>

class EditorGeneralPage;
class EditorOthersPage;
class EditorSoundPage;
class MediaPlayer;
class QLabel;
class QPushButton;
class QTimer;
class QTabWidget;

// The modal "Alarm Options" dialog that creates or changes one alarm. It
// starts from the new-alarm defaults or, when the request is for an alarm
// being edited, from the working copy; "OK" writes the working copy and
// gives back the summary as its result, and only a working copy that was
// written whole produces one. While it is open the program's output level
// follows the volume slider, and whichever way it closes the level it found
// is put back.
//
// The dialog is the frame around four pages, each of which loads its part of
// the alarm and stores it back: it holds the page control, "OK" and
// "Cancel", the tab order across the pages and the output level.
class TAlarmOptions final : public QDialog
{
    Q_OBJECT

public:
    using FileChooser = EditorPlayListPage::FileChooser;

    TAlarmOptions(const EditorRequest &request, const DialogServices &services, QWidget *parent = nullptr);
    ~TAlarmOptions() override;

    // Replaces the platform's open dialog, so tests can choose files.
    void setFileChooser(FileChooser chooser);

    // The alarm as the controls hold it now.
    AlarmRecord record() const;
    // The play list in play order, as full paths.
    const QStringList &playList() const;
    // What "OK" gave back; valid only once the dialog was accepted.
    const EditorResult &editorResult() const { return m_result; }
    // The output level found when the dialog was created, put back on close.
    quint32 savedOutputLevel() const { return m_savedLevel; }
    MediaPlayer &player() const;

public slots:
    // Forwards to the pages, for callers that drive the dialog as a whole.
    void FrequencyChange();
    void AddMusicClick();
    void DeleteMusicClick();
    void UpMusicClick();
    void DownMusicClick();

    void ActionReadAlarmInfoExecute();
    void OKClick();
    void CancelClick();

    // Every end of the dialog passes here: the output level goes back.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildTabOrder();
    // Tells, below the pages, when the alarm has grown too long to be saved.
    void showSizeWarning();
    void load(const AlarmRecord &record);

    void FormCreate();
    void FormShow();
    void FormClose();

    EditorRequest m_request;
    DialogServices m_services;
    EditorResult m_result;
    quint32 m_savedLevel = 0;
    bool m_levelRestored = false;
    bool m_shown = false;

    QTabWidget *Table = nullptr;
    EditorGeneralPage *TabSheet1 = nullptr;   // "General "
    EditorPlayListPage *SoundMusic = nullptr; // "Play List"
    EditorSoundPage *TabSheet4 = nullptr;     // "Sound effect"
    EditorOthersPage *TabSheet2 = nullptr;    // "Ohters"
    QPushButton *OK = nullptr;
    QPushButton *Cancel = nullptr;
    QLabel *SizeWarning = nullptr; // shown only while the alarm is too long to save
    QTimer *m_sizeCheck = nullptr; // one check after a burst of typing
};
