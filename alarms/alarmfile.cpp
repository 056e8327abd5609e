#include "alarmfile.h"

#include "conversions.h"
#include "textfile.h"

namespace AlarmFile {

namespace {

const QString kMemoMarker = QStringLiteral("***Memo***");

QString flagText(bool on)
{
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// A minute field of the editor is a time of day of that many minutes; the
// editor can't hold more than 59.
int checkedMinutes(int minutes, AlarmFile::ReadMode mode)
{
    if (mode == ReadMode::Editing)
        Conversions::encodeTime(0, minutes, 0);
    return minutes;
}

} // namespace

TextFile::Limits limits()
{
    return {256 * 1024, 64 * 1024};
}

QByteArray encode(const AlarmRecord &r)
{
    const auto num = [](int v) { return QString::number(v); };
    QStringList lines;
    lines << QStringLiteral("***Frequency***") << num(r.frequencyCode);
    lines << QStringLiteral("***Date time***") << num(r.alarmTime.hour()) << num(r.alarmTime.minute())
          << num(r.alarmTime.second()) << num(r.alarmDate.year()) << num(r.alarmDate.month()) << num(r.alarmDate.day());
    lines << QStringLiteral("***Days of week***");
    for (bool on : r.dayFlags)
        lines << flagText(on);
    lines << QStringLiteral("***SongList***") << flagText(r.playListOn) << num(int(r.playList.size()));
    lines << r.playList;
    lines << flagText(r.soundOn) << num(r.soundNumber) << num(r.soundMinutes);
    lines << QStringLiteral("***FadeIn FadeOut***") << flagText(r.fadeInOn) << num(r.fadeInMinutes)
          << flagText(r.fadeOutOn) << num(r.fadeOutMinutes);
    lines << QStringLiteral("***Snooze time***") << num(r.snoozeMinutes) << flagText(r.autoSnoozeOn)
          << num(r.autoSnoozeMinutes);
    lines << QStringLiteral("***Alarm volum***") << num(r.volume);
    lines << QStringLiteral("***Closing method***");
    for (bool on : r.closingFlags)
        lines << flagText(on);
    lines << num(r.autoCloseMinutes);
    lines << QStringLiteral("***Saving poweer***") << num(r.powerAction);
    lines << kMemoMarker;

    QByteArray data = TextFile::encodeLines(lines);
    // The reminder goes out as one block, its own final line break or not.
    QString reminder = r.reminder;
    reminder.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    reminder.replace(u'\n', QStringLiteral("\r\n"));
    data += reminder.toUtf8();
    return data;
}

void write(const QString &path, const AlarmRecord &record)
{
    TextFile::writeAtomically(path, encode(record));
}

void decode(const QStringList &lines, ReadMode mode, AlarmRecord &r)
{
    LineReader in(lines);
    const bool editing = mode == ReadMode::Editing;
    const auto integer = [&in]() { return Conversions::toInteger(in.next()); };
    const auto flag = [&in]() { return in.next() == QLatin1String("TRUE"); };

    in.next(); // ***Frequency***
    if (editing)
        r.frequencyCode = integer();
    else
        in.next();

    in.next(); // ***Date time***
    const int hour = integer();
    const int minute = integer();
    const int second = integer();
    if (editing)
        r.alarmTime = Conversions::encodeTime(hour, minute, second);
    const int year = integer();
    const int month = integer();
    const int day = integer();
    if (editing)
        r.alarmDate = Conversions::encodeDate(year, month, day);

    in.next(); // ***Days of week***
    for (bool &on : r.dayFlags) {
        if (editing)
            on = flag();
        else
            in.next();
    }

    in.next(); // ***SongList***
    r.playListOn = flag();
    const int count = integer();
    r.playList.clear();
    // Entries past the end of the file would all be empty: stop there instead
    // of walking an absurd count; the next number read then fails as it should.
    for (int i = 0; i < count && !in.atEnd(); ++i)
        r.playList << in.next();
    r.soundOn = flag();
    r.soundNumber = integer();
    r.soundMinutes = checkedMinutes(integer(), mode);

    in.next(); // ***FadeIn FadeOut***
    r.fadeInOn = flag();
    r.fadeInMinutes = checkedMinutes(integer(), mode);
    r.fadeOutOn = flag();
    r.fadeOutMinutes = checkedMinutes(integer(), mode);

    in.next(); // ***Snooze time***
    r.snoozeMinutes = checkedMinutes(integer(), mode);
    r.autoSnoozeOn = flag();
    r.autoSnoozeMinutes = checkedMinutes(integer(), mode);

    in.next(); // ***Alarm volum***
    r.volume = integer();

    in.next(); // ***Closing method***
    for (bool &on : r.closingFlags)
        on = flag();
    r.autoCloseMinutes = checkedMinutes(integer(), mode);

    in.next(); // ***Saving poweer***
    r.powerAction = integer();

    // Only the first memo marker counts; a file without one has no reminder.
    while (!in.atEnd() && in.next() != kMemoMarker) {
    }
    r.reminder.clear();
    while (!in.atEnd())
        r.reminder += in.next() + u'\n';
}

void read(const QString &path, ReadMode mode, AlarmRecord &record)
{
    decode(TextFile::readLines(path, limits()), mode, record);
}

} // namespace AlarmFile
