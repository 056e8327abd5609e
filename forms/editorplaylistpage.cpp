#include "editorplaylistpage.h"

#include "alarmrecord.h"
#include "editorcontrols.h"
#include "errorbox.h"
#include "filelocations.h"
#include "mediaplayer.h"
#include "playlistmodel.h"
#include "ringingsettings.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeView>

using namespace EditorControls;

const QString &EditorPlayListPage::audioFileFilter()
{
    static const QString filter =
        tr("Audio files (*.mp3 *.cda *.wma *.wav *.wax *.wmv *.au *.snd *.mid *.midi *.rmi *.ogg *.flac)"
           ";;All files (*)");
    return filter;
}

EditorPlayListPage::EditorPlayListPage(const FileLocations &locations, const DialogServices::PlayerFactory &makePlayer,
                                       QWidget *parent)
    : QWidget(parent), m_locations(locations), m_songs(new PlayListModel(this))
{
    setObjectName(QStringLiteral("SoundMusic"));
    connect(m_songs, &QAbstractItemModel::rowsInserted, this, &EditorPlayListPage::playListEdited);
    connect(m_songs, &QAbstractItemModel::rowsRemoved, this, &EditorPlayListPage::playListEdited);
    connect(m_songs, &QAbstractItemModel::modelReset, this, &EditorPlayListPage::playListEdited);
    m_fileChooser = [](QWidget *over, const QString &filter) {
        QString chosenFilter = filter.section(QStringLiteral(";;"), 0, 0);
        return QFileDialog::getOpenFileNames(over, QString(), QString(), filter, &chosenFilter);
    };

    M = makePlayer(this);
    M->setObjectName(QStringLiteral("M"));
    connect(M, &MediaPlayer::OnNotify, this, &EditorPlayListPage::MNotify);
    // A file that fails only once it plays is reported after the player has
    // finished its own report, never from inside it.
    connect(M, &MediaPlayer::playbackFailed, this, [this](const QString &message) {
        QTimer::singleShot(0, this, [this, message]() { ErrorBox::show(window(), message); });
    });

    GroupBoxPlayList = named(new QGroupBox(tr("Play list "), this), "GroupBoxPlayList");
    GroupBoxPlayList->setAccessibleName(tr("Play list"));
    GroupBoxPlayList->setGeometry(8, 8, 337, 321);

    // The choice between the play list and a built-in sound: the list above,
    // the sound at the foot of the page.
    RadioButtonPlayMusic = named(new QRadioButton(tr("Play msuic songs:"), this), "RadioButtonPlayMusic");
    place(RadioButtonPlayMusic, 20, 26, 150, 17);
    RadioButtonPlayMusic->setChecked(true);
    connect(RadioButtonPlayMusic, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ActionPlayMusicSelectedExecute();
    });

    buildSongList();

    PlayMusic = button(this, "PlayMusic", tr("Test"), 24, 272, 51, 25);
    connect(PlayMusic, &QPushButton::clicked, this, &EditorPlayListPage::PlayMusicClick);
    AddMusic = button(this, "AddMusic", tr("&Add"), 127, 272, 40, 25);
    connect(AddMusic, &QPushButton::clicked, this, &EditorPlayListPage::AddMusicClick);
    DeleteMusic = button(this, "DeleteMusic", tr("&Delete"), 175, 272, 48, 25);
    connect(DeleteMusic, &QPushButton::clicked, this, &EditorPlayListPage::DeleteMusicClick);
    UpMusic = button(this, "UpMusic", tr("&Up"), 231, 272, 50, 25);
    connect(UpMusic, &QPushButton::clicked, this, &EditorPlayListPage::UpMusicClick);
    DownMusic = button(this, "DownMusic", tr("Do&wn"), 287, 272, 50, 25);
    connect(DownMusic, &QPushButton::clicked, this, &EditorPlayListPage::DownMusicClick);

    buildSoundChoice();
}

void EditorPlayListPage::buildSongList()
{
    SongList = named(new QTreeView(this), "SongList");
    SongList->setModel(m_songs);
    SongList->setGeometry(20, 44, 309, 213);
    SongList->setAccessibleName(tr("Songs"));
    SongList->setColumnWidth(PlayListModel::FileNameColumn, 130);
    SongList->setColumnWidth(PlayListModel::FolderColumn, 146);
    SongList->setRootIsDecorated(false);
    SongList->setItemsExpandable(false);
    SongList->setUniformRowHeights(true);
    SongList->setAllColumnsShowFocus(true);
    SongList->setSelectionBehavior(QAbstractItemView::SelectRows);
    SongList->setSelectionMode(QAbstractItemView::SingleSelection);
    SongList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SongList->setTextElideMode(Qt::ElideMiddle);
    SongList->header()->setSectionsMovable(false);
    // The columns don't sort the list: its order is the play order.
    SongList->header()->setSectionsClickable(false);
    // The chosen row stays marked while a button has the focus.
    QPalette listPalette = SongList->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        listPalette.setColor(QPalette::Inactive, role, listPalette.color(QPalette::Active, role));
    SongList->setPalette(listPalette);
}

void EditorPlayListPage::buildSoundChoice()
{
    RadioButtonPlaySound = named(new QRadioButton(tr("Play alarm sounds"), this), "RadioButtonPlaySound");
    place(RadioButtonPlaySound, 20, 305, 120, 17);
    connect(RadioButtonPlaySound, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ActionPlaySoundSelectedExecute();
    });
    SoundComboBox = named(new QComboBox(this), "SoundComboBox");
    SoundComboBox->addItems({tr("Sound 1"), tr("Sound 2"), tr("Sound 3"), tr("Sound 4")});
    SoundComboBox->setGeometry(RadioButtonPlaySound->geometry().right() + 8, 302, 97, 23);
    // Named for platforms that name a list by its label; where a list's name
    // is its value, the description says what it is.
    SoundComboBox->setAccessibleName(tr("Alarm sound"));
    SoundComboBox->setAccessibleDescription(tr("Alarm sound"));
    PlayAlarmSound = button(this, "PlayAlarmSound", tr("Play"), SoundComboBox->geometry().right() + 8, 300, 51, 25);
    connect(PlayAlarmSound, &QPushButton::clicked, this, &EditorPlayListPage::PlayAlarmSoundClick);
    // How long the sound plays is not used when the alarm rings.
    SoundTimePicker = minuteField(this, "SoundTimePicker", 15, 280, 302, 49);
    SoundTimePicker->hide();
}

QList<QWidget *> EditorPlayListPage::tabOrder() const
{
    // Screen order: rows from the top, left to right in a row.
    return {RadioButtonPlayMusic, SongList,      PlayMusic,     AddMusic, DeleteMusic, UpMusic, DownMusic,
            RadioButtonPlaySound, SoundComboBox, PlayAlarmSound};
}

void EditorPlayListPage::load(const AlarmRecord &r)
{
    setRadio(RadioButtonPlayMusic, r.playListOn);
    if (r.playListOn)
        ActionPlayMusicSelectedExecute();
    m_songs->setPaths(r.playList);
    setRadio(RadioButtonPlaySound, r.soundOn);
    if (r.soundOn)
        ActionPlaySoundSelectedExecute();
    SoundComboBox->setCurrentIndex(r.soundNumber >= 0 && r.soundNumber < SoundComboBox->count() ? r.soundNumber : -1);
    SoundTimePicker->setTime(QTime(0, r.soundMinutes));
}

void EditorPlayListPage::store(AlarmRecord &r) const
{
    r.playListOn = RadioButtonPlayMusic->isChecked();
    r.playList = m_songs->paths();
    r.soundOn = RadioButtonPlaySound->isChecked();
    r.soundNumber = SoundComboBox->currentIndex();
    r.soundMinutes = SoundTimePicker->time().minute();
}

const QStringList &EditorPlayListPage::playList() const
{
    return m_songs->paths();
}

// --- The list ----------------------------------------------------------------

int EditorPlayListPage::selectedRow() const
{
    const QModelIndexList selected = SongList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void EditorPlayListPage::selectRow(int row)
{
    if (row < 0 || row >= m_songs->rowCount()) {
        SongList->clearSelection();
        SongList->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex entry = m_songs->index(row, PlayListModel::FileNameColumn);
    SongList->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    SongList->scrollTo(entry);
}

void EditorPlayListPage::AddMusicClick()
{
    const int before = selectedRow();
    const QStringList files = m_fileChooser(window(), audioFileFilter());
    if (files.isEmpty())
        return;
    QStringList added;
    QStringList refused;
    for (const QString &path : files) {
        // The alarm file keeps one song per line: a line break in a name
        // would shift every line after it and spoil the alarm.
        if (path.contains(u'\n') || path.contains(u'\r'))
            refused << QDir::toNativeSeparators(path);
        else
            added << path;
    }
    m_songs->append(added);
    if (!refused.isEmpty()) {
        ErrorBox::show(window(), tr("These files were not added, because their names contain a line "
                                    "break. Rename them and add them again:\n%1")
                                     .arg(refused.join(u'\n')));
    }
    selectRow(before >= 0 ? before : 0);
    SongList->setFocus();
}

void EditorPlayListPage::DeleteMusicClick()
{
    int row = selectedRow();
    if (row < 0) {
        // Nothing chosen: point at the first entry and leave the decision to the user.
        if (m_songs->rowCount() > 0)
            selectRow(0);
        return;
    }
    m_songs->removeRow(row);
    if (row >= m_songs->rowCount())
        row = m_songs->rowCount() - 1;
    selectRow(row);
    SongList->setFocus();
}

void EditorPlayListPage::UpMusicClick()
{
    moveSelectedEntry(-1);
}

void EditorPlayListPage::DownMusicClick()
{
    moveSelectedEntry(+1);
}

void EditorPlayListPage::moveSelectedEntry(int step)
{
    SongList->setFocus();
    if (m_songs->rowCount() == 0)
        return;
    const int row = selectedRow();
    if (row < 0) {
        // Nothing chosen: point at the first entry and move nothing.
        selectRow(0);
        return;
    }
    // At the top or the bottom nothing moves.
    const bool moved = step < 0 ? m_songs->moveUp(row) : m_songs->moveDown(row);
    if (moved)
        selectRow(row + step);
}

void EditorPlayListPage::ActionPlayMusicSelectedExecute()
{
    setPlayListControlsEnabled(true);
}

void EditorPlayListPage::ActionPlaySoundSelectedExecute()
{
    setPlayListControlsEnabled(false);
}

void EditorPlayListPage::setPlayListControlsEnabled(bool on)
{
    // What plays while the user switches over would no longer be what the
    // alarm plays, and its button might be out of reach.
    if (M->mode() != MediaPlayer::Mode::NotOpen)
        endTestPlayback();
    for (QWidget *w : std::initializer_list<QWidget *>{GroupBoxPlayList, SongList, PlayMusic, AddMusic, DeleteMusic,
                                                       UpMusic, DownMusic})
        w->setEnabled(on);
    for (QWidget *w : std::initializer_list<QWidget *>{SoundComboBox, PlayAlarmSound, SoundTimePicker})
        w->setEnabled(!on);
}

// --- Test playback -------------------------------------------------------------

void EditorPlayListPage::setTestPlayback(TestPlayback what)
{
    m_testPlayback = what;
    PlayMusic->setText(what == TestPlayback::Song ? tr("Stop") : tr("Test"));
    PlayAlarmSound->setText(what == TestPlayback::AlarmSound ? tr("Stop") : tr("Play"));
}

void EditorPlayListPage::startTestPlayback(const QString &path, TestPlayback what)
{
    // One player serves both buttons: whatever plays now ends first, quietly.
    endTestPlayback();
    setTestPlayback(what);
    M->setFileName(path);
    ErrorBox::guard(window(), [&]() {
        try {
            M->open();
            M->play();
            M->setNotify(true);
        } catch (...) {
            // Nothing plays, so the button offers to play again; the error
            // box comes after the player is closed.
            M->close();
            setTestPlayback(TestPlayback::None);
            throw;
        }
    });
}

void EditorPlayListPage::endTestPlayback()
{
    M->setNotify(false);
    M->stop();
    M->close();
    setTestPlayback(TestPlayback::None);
}

void EditorPlayListPage::PlayMusicClick()
{
    SongList->setFocus();
    const int row = selectedRow();
    if (row < 0)
        return;
    if (m_testPlayback == TestPlayback::Song)
        endTestPlayback();
    else
        startTestPlayback(m_songs->paths().at(row), TestPlayback::Song);
}

void EditorPlayListPage::PlayAlarmSoundClick()
{
    if (m_testPlayback == TestPlayback::AlarmSound) {
        endTestPlayback();
        return;
    }
    const int number = SoundComboBox->currentIndex();
    const QStringList &sounds = RingingSettings::soundFileNames();
    if (number < 0 || number >= sounds.size())
        return;
    startTestPlayback(m_locations.sound(sounds[number]), TestPlayback::AlarmSound);
}

void EditorPlayListPage::MNotify()
{
    M->close();
    setTestPlayback(TestPlayback::None);
}
