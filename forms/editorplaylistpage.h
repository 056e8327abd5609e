#pragma once

#include "dialogservices.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class FileLocations;
class MediaPlayer;
class PlayListModel;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QTreeView;
struct AlarmRecord;

// The editor's "Play List" page: the alarm's songs, which the user adds,
// removes, reorders and tries out, and the choice between the play list and
// a built-in sound. One player serves both "Test" and "Play": a test
// playback plays one file until it ends or the user stops it, and starting
// one ends the other.
class EditorPlayListPage final : public QWidget
{
    Q_OBJECT

public:
    // Asks the user for audio files; an empty list means "cancelled".
    using FileChooser = std::function<QStringList(QWidget *parent, const QString &filter)>;

    EditorPlayListPage(const FileLocations &locations, const DialogServices::PlayerFactory &makePlayer,
                       QWidget *parent = nullptr);

    // The filter of the open dialog: audio files first, then every file.
    static const QString &audioFileFilter();

    // Sets the switches, the songs and the sound from the alarm.
    void load(const AlarmRecord &record);
    // Puts the switches, the songs and the sound into the alarm.
    void store(AlarmRecord &record) const;

    // Replaces the platform's open dialog, so tests can choose files.
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }
    // The play list in play order, as full paths.
    const QStringList &playList() const;
    MediaPlayer &player() const { return *M; }
    // Stops and closes the player, whichever button started it.
    void endTestPlayback();
    // The page's controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

signals:
    // Songs were added, removed or moved.
    void playListEdited();

public slots:
    void AddMusicClick();
    void DeleteMusicClick();
    void UpMusicClick();
    void DownMusicClick();
    void PlayMusicClick();
    void PlayAlarmSoundClick();
    void MNotify();
    void ActionPlayMusicSelectedExecute();
    void ActionPlaySoundSelectedExecute();

private:
    // What the player is playing for; the buttons' captions follow it.
    enum class TestPlayback
    {
        None,
        Song,       // started by "Test"
        AlarmSound, // started by "Play"
    };

    void buildSongList();
    void buildSoundChoice();
    void setPlayListControlsEnabled(bool on);
    int selectedRow() const;
    void selectRow(int row);
    // Swaps the selected entry with the one above (-1) or below (+1).
    void moveSelectedEntry(int step);
    void startTestPlayback(const QString &path, TestPlayback what);
    void setTestPlayback(TestPlayback what);

    const FileLocations &m_locations;
    FileChooser m_fileChooser;
    PlayListModel *m_songs = nullptr;
    TestPlayback m_testPlayback = TestPlayback::None;

    QGroupBox *GroupBoxPlayList = nullptr;
    QRadioButton *RadioButtonPlayMusic = nullptr;
    QTreeView *SongList = nullptr;
    QPushButton *PlayMusic = nullptr;
    QPushButton *AddMusic = nullptr;
    QPushButton *DeleteMusic = nullptr;
    QPushButton *UpMusic = nullptr;
    QPushButton *DownMusic = nullptr;
    QRadioButton *RadioButtonPlaySound = nullptr;
    QComboBox *SoundComboBox = nullptr;
    QPushButton *PlayAlarmSound = nullptr;
    QTimeEdit *SoundTimePicker = nullptr; // never shown
    MediaPlayer *M = nullptr;
};
