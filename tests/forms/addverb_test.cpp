// An alarm added from the command line is the alarm the editor makes from
// the same choices: the same file, byte for byte, and the same row.

#include "alarmchoices.h"
#include "alarmfile.h"
#include "alarmoptions.h"
#include "formstestsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTimeEdit>

namespace {

class AddLikeTheEditor : public DialogTest
{
protected:
    // A Tuesday in November, so that a monthly 31st and a yearly 29 February fall elsewhere.
    AddLikeTheEditor() : DialogTest(QDateTime(QDate(2026, 11, 10), QTime(7, 0, 12))) {}

    template <class W> W *child(TAlarmOptions &dialog, const char *name) const
    {
        W *widget = dialog.findChild<W *>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
};

struct Choice
{
    const char *name;
    const char *time;
    const char *frequency;
    const char *schedule;
    const char *memo; // nullptr: the editor's default
    int volume;       // -1: the editor's default
    int songs;
};

} // namespace

TEST_F(AddLikeTheEditor, WritesTheEditorsFileByteForByteAndItsRow)
{
    QStringList songs{path(QStringLiteral("first song.mp3")), path(QStringLiteral("second.ogg"))};
    for (const QString &song : songs)
        QFile(song).open(QIODevice::WriteOnly);
    const Choice choices[] = {
        {"weekly gym", "06:30", "weekly", "mon,fri", "Gym", -1, 0},
        {"once tomorrow without a frequency", "06:59:59", "", "", nullptr, 40, 2},
        {"once on a day", "23:05:09", "once", "2026-12-24", "Gifts\nand cards", 0, 1},
        {"hourly", "13:45:10", "hourly", "", "Stretch", 100, 0},
        {"daily", "07:00:13", "daily", "", "Wake up", 75, 0},
        {"monthly on the 31st", "09:15", "monthly", "31", "Rent", -1, 0},
        {"yearly on 29 February", "08:00", "yearly", "02-29", "Birthday", -1, 1},
    };
    for (const Choice &choice : choices) {
        SCOPED_TRACE(choice.name);
        AlarmChoices asked;
        asked.time = QString::fromLatin1(choice.time);
        asked.frequency = QString::fromLatin1(choice.frequency);
        asked.schedule = QString::fromLatin1(choice.schedule);
        if (choice.memo)
            asked.memo = QString::fromUtf8(choice.memo);
        if (choice.volume >= 0)
            asked.volume = choice.volume;
        asked.sounds = songs.mid(0, choice.songs);
        const AlarmRecord record = asked.toRecord(m_clock.now());

        // The user makes the same choices in the editor opened at the same moment.
        TAlarmOptions dialog(EditorRequest{true, path(QStringLiteral("alarm.ini"))}, m_services);
        dialog.setFileChooser([&](QWidget *, const QString &) { return asked.sounds; });
        dialog.show();
        child<QComboBox>(dialog, "Frequency")->setCurrentIndex(record.frequencyCode);
        dialog.FrequencyChange();
        child<QTimeEdit>(dialog, "TimePicker")->setTime(record.alarmTime);
        if (record.frequencyCode != int(Frequency::Weekly) && record.frequencyCode != int(Frequency::Hourly) &&
            record.frequencyCode != int(Frequency::Daily)) {
            child<QDateEdit>(dialog, "DatePicker")->setDate(record.alarmDate);
        }
        for (int day = 0; day < 7; ++day) {
            const QByteArray box = "CheckBox" + QByteArray::number(day + 1);
            child<QCheckBox>(dialog, box.constData())->setChecked(record.dayFlags[size_t(day)]);
        }
        if (choice.memo)
            child<QPlainTextEdit>(dialog, "Memo")->setPlainText(QString::fromUtf8(choice.memo));
        if (!asked.sounds.isEmpty())
            dialog.AddMusicClick();
        if (choice.volume >= 0)
            child<QSlider>(dialog, "AlarmVolume")->setValue(choice.volume);
        dialog.OKClick();
        ASSERT_EQ(dialog.result(), QDialog::Accepted);

        EXPECT_EQ(AlarmFile::encodeForWriting(record), readAll(path(QStringLiteral("alarm.ini"))));
        // The row the engine files for it is the one the editor's result makes.
        const EditorResult &result = dialog.editorResult();
        const EditorResult fromRecord{AlarmChoices::captionOf(record),
                                      record.frequencyCode,
                                      record.alarmTime,
                                      record.alarmDate,
                                      record.weekdayMask(),
                                      true};
        EXPECT_EQ(CatalogueRow::fromEditorResult(fromRecord, 3, m_formatter),
                  CatalogueRow::fromEditorResult(result, 3, m_formatter));
    }
}
