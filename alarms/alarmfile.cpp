#include "alarmfile.h"

#include "apperror.h"
#include "conversions.h"
#include "textfile.h"

#include <QCoreApplication>
#include <limits>

namespace AlarmFile {

namespace {

const QString kMemoMarker = QStringLiteral("***Memo***");

QString flagText(bool on)
{
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// Walks the lines of an alarm file field by field; a field that fails says
// which field it was, on which line and, when known, in which file.
class FieldReader final
{
public:
    FieldReader(const QStringList &lines, const QString &source) : m_in(lines), m_source(source) {}

    bool atEnd() const { return m_in.atEnd(); }
    QString line() { return m_in.next(); }
    bool flag() { return m_in.next() == QLatin1String("TRUE"); }
    int integer(const char *field)
    {
        const QString text = m_in.next();
        return within(field, m_in.lineNumber(), m_in.lineNumber(), [&] { return Conversions::toInteger(text); });
    }
    // A minute field of the editor is a time of day of that many minutes; the
    // editor can't hold more than 59.
    int minutes(const char *field, AlarmFile::ReadMode mode)
    {
        const int value = integer(field);
        if (mode == AlarmFile::ReadMode::Editing)
            within(field, m_in.lineNumber(), m_in.lineNumber(), [&] { return Conversions::encodeTime(0, value, 0); });
        return value;
    }
    // A value made of the last `count` fields read.
    template <typename Make> auto ofLast(int count, const char *field, Make make) -> decltype(make())
    {
        return within(field, m_in.lineNumber() - count + 1, m_in.lineNumber(), make);
    }

private:
    template <typename Convert>
    auto within(const char *field, qsizetype first, qsizetype last, Convert convert) -> decltype(convert())
    {
        try {
            return convert();
        } catch (const AppError &error) {
            const QString lines = first == last
                                      ? QCoreApplication::translate("AlarmFile", "line %1").arg(first)
                                      : QCoreApplication::translate("AlarmFile", "lines %1 to %2").arg(first).arg(last);
            const QString where =
                m_source.isEmpty()
                    ? lines
                    : QCoreApplication::translate("AlarmFile", "%1 of %2").arg(lines, TextFile::nativeName(m_source));
            throw AppError(QStringLiteral("%1 (%2: %3)").arg(error.message(), where, QString::fromLatin1(field)));
        }
    }

    LineReader m_in;
    QString m_source;
};

} // namespace

TextFile::Limits limits()
{
    return {256 * 1024, 64 * 1024};
}

namespace {

// The lines before the reminder, as encode() writes them.
QStringList linesBeforeReminder(const AlarmRecord &r)
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
    return lines;
}

// What each line of an alarm file holds, by its index, for a message: the
// play list's N entries stand between the fixed lines.
QString fieldOfLine(qsizetype index, qsizetype playListSize)
{
    static const char *const before[] = {"the frequency marker",
                                         "the frequency",
                                         "the date marker",
                                         "the hour",
                                         "the minute",
                                         "the second",
                                         "the year",
                                         "the month",
                                         "the day",
                                         "the weekday marker",
                                         "the day flags",
                                         "the day flags",
                                         "the day flags",
                                         "the day flags",
                                         "the day flags",
                                         "the day flags",
                                         "the day flags",
                                         "the play-list marker",
                                         "the play-list switch",
                                         "the number of play-list entries"};
    static const char *const after[] = {"the sound switch",
                                        "the sound number",
                                        "the minutes of the sound",
                                        "the fade marker",
                                        "the fade-in switch",
                                        "the minutes of the fade-in",
                                        "the fade-out switch",
                                        "the minute of the fade-out",
                                        "the snooze marker",
                                        "the snooze minutes",
                                        "the automatic snooze switch",
                                        "the minutes before the automatic snooze",
                                        "the volume marker",
                                        "the volume",
                                        "the closing marker",
                                        "the closing method",
                                        "the closing method",
                                        "the closing method",
                                        "the minutes before the window closes",
                                        "the power marker",
                                        "the power action",
                                        "the memo marker"};
    constexpr qsizetype beforeCount = sizeof(before) / sizeof(*before);
    constexpr qsizetype afterCount = sizeof(after) / sizeof(*after);
    if (index < beforeCount)
        return QString::fromLatin1(before[index]);
    if (index < beforeCount + playListSize)
        return QStringLiteral("play-list entry %1").arg(index - beforeCount + 1);
    if (index < beforeCount + playListSize + afterCount)
        return QString::fromLatin1(after[index - beforeCount - playListSize]);
    return QStringLiteral("the reminder");
}

// The reminder as the reader gives it back: it always ends with a line
// break; the reader adds the one a typed text lacks, and takes a carriage
// return at the very end for one.
QString reminderAsRead(const QString &reminder)
{
    if (reminder.isEmpty() || reminder.endsWith(u'\n'))
        return reminder;
    return (reminder.endsWith(u'\r') ? reminder.chopped(1) : reminder) + u'\n';
}

// One message for every change the gate refuses, the alarm list's and the
// alarm file's alike.
AppError refusal(const QString &alarm, const QString &why)
{
    return AppError(
        QCoreApplication::translate("AlarmCatalogue", "The alarm \"%1\" can't be saved: %2. Nothing was saved.")
            .arg(alarm, why));
}

} // namespace

QByteArray encode(const AlarmRecord &r)
{
    QByteArray data = TextFile::encodeLines(linesBeforeReminder(r));
    // The reminder goes out as one block, its own final line break or not.
    // Every line break is written as CR LF, and nothing else is changed: a
    // carriage return of the text's own stays, as the reader keeps it.
    QString reminder = r.reminder;
    reminder.replace(u'\n', QStringLiteral("\r\n"));
    data += reminder.toUtf8();
    return data;
}

QString Oversize::message() const
{
    if (part == Part::WholeFile) {
        return QCoreApplication::translate("AlarmFile",
                                           "The alarm would be %1 characters long; an alarm file holds at most %2. "
                                           "Shorten the reminder or the play list to save it.")
            .arg(QString::number(characters), QString::number(limit));
    }
    return QCoreApplication::translate("AlarmFile",
                                       "%1 is %2 characters long; an alarm file holds lines of at most %3 characters. "
                                       "Shorten it to save the alarm.")
        .arg(part == Part::PlayListEntry ? QCoreApplication::translate("AlarmFile", "A play-list entry")
                                         : QCoreApplication::translate("AlarmFile", "A line of the reminder"),
             QString::number(characters), QString::number(limit));
}

std::optional<Oversize> oversize(const AlarmRecord &record)
{
    const TextFile::Limits bounds = limits();
    const QStringList lines = TextFile::decodeLines(
        encode(record), {std::numeric_limits<qint64>::max() / 8, std::numeric_limits<qsizetype>::max()});
    const qsizetype playListSize = record.playList.size();
    qint64 characters = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        characters += lines[i].size() + 2;
        if (lines[i].size() <= bounds.maxLineCharacters)
            continue;
        // Lines 21 to 20+N are the play list; the reminder follows its marker.
        const bool entry = i >= 20 && i < 20 + playListSize;
        return Oversize{entry ? Oversize::Part::PlayListEntry : Oversize::Part::ReminderLine, lines[i].size(),
                        bounds.maxLineCharacters};
    }
    // The last line's break is not written.
    if (characters - 2 > bounds.maxCharacters)
        return Oversize{Oversize::Part::WholeFile, characters - 2, bounds.maxCharacters};
    return std::nullopt;
}

QByteArray encodeForWriting(const AlarmRecord &record)
{
    // An alarm the readers would refuse is never written: what is saved
    // must ring and open again, and be what the user saved.
    if (const std::optional<Oversize> tooLong = oversize(record))
        throw AppError(tooLong->message());
    const QByteArray data = encode(record);
    const QString alarm = TextFile::excerpt(record.reminder.section(u'\n', 0, 0));
    QStringList expected = linesBeforeReminder(record);
    const qsizetype reminderStart = expected.size();
    expected += reminderAsRead(record.reminder).split(u'\n');
    expected.removeLast(); // the reader's final line break opens no line
    const QStringList read = TextFile::decodeLines(data, limits());
    for (qsizetype i = 0; i < qMax(expected.size(), read.size()); ++i) {
        if (i < expected.size() && i < read.size() && expected[i] == read[i])
            continue;
        // A line break or a carriage return in a value splits or shortens
        // its line, and every line after it would be read as another field.
        throw refusal(alarm, QCoreApplication::translate("AlarmCatalogue", "its %1 holds a line break or a "
                                                                           "character a line of its file can't carry")
                                 .arg(fieldOfLine(qMin(i, reminderStart), record.playList.size())));
    }
    checkReadable(data, alarm);
    return data;
}

void checkReadable(const QByteArray &data, const QString &alarm)
{
    try {
        AlarmRecord read;
        decode(TextFile::decodeLines(data, limits()), ReadMode::Editing, read);
    } catch (const AppError &error) {
        throw refusal(alarm, error.message());
    }
}

void write(const QString &path, const AlarmRecord &record)
{
    TextFile::writeAtomically(path, encodeForWriting(record));
}

void decode(const QStringList &lines, ReadMode mode, AlarmRecord &r, const QString &source)
{
    FieldReader in(lines, source);
    const bool editing = mode == ReadMode::Editing;

    in.line(); // ***Frequency***
    if (editing)
        r.frequencyCode = in.integer("the frequency");
    else
        in.line();

    in.line(); // ***Date time***
    const int hour = in.integer("the hour of the alarm time");
    const int minute = in.integer("the minute of the alarm time");
    const int second = in.integer("the second of the alarm time");
    if (editing)
        r.alarmTime = in.ofLast(3, "the alarm time", [&] { return Conversions::encodeTime(hour, minute, second); });
    const int year = in.integer("the year of the alarm date");
    const int month = in.integer("the month of the alarm date");
    const int day = in.integer("the day of the alarm date");
    if (editing)
        r.alarmDate = in.ofLast(3, "the alarm date", [&] { return Conversions::encodeDate(year, month, day); });

    in.line(); // ***Days of week***
    for (bool &on : r.dayFlags) {
        if (editing)
            on = in.flag();
        else
            in.line();
    }

    in.line(); // ***SongList***
    r.playListOn = in.flag();
    const int count = in.integer("the number of play-list entries");
    r.playList.clear();
    // Entries past the end of the file would all be empty: stop there instead
    // of walking an absurd count; the next number read then fails as it should.
    for (int i = 0; i < count && !in.atEnd(); ++i)
        r.playList << in.line();
    r.soundOn = in.flag();
    r.soundNumber = in.integer("the sound number");
    r.soundMinutes = in.minutes("the minutes of the sound", mode);

    in.line(); // ***FadeIn FadeOut***
    r.fadeInOn = in.flag();
    r.fadeInMinutes = in.minutes("the minutes of the fade-in", mode);
    r.fadeOutOn = in.flag();
    r.fadeOutMinutes = in.minutes("the minute of the fade-out", mode);

    in.line(); // ***Snooze time***
    r.snoozeMinutes = in.minutes("the snooze minutes", mode);
    r.autoSnoozeOn = in.flag();
    r.autoSnoozeMinutes = in.minutes("the minutes before the automatic snooze", mode);

    in.line(); // ***Alarm volum***
    r.volume = in.integer("the volume");

    in.line(); // ***Closing method***
    for (bool &on : r.closingFlags)
        on = in.flag();
    r.autoCloseMinutes = in.minutes("the minutes before the window closes", mode);

    in.line(); // ***Saving poweer***
    r.powerAction = in.integer("the power action");

    // Only the first memo marker counts; a file without one has no reminder.
    while (!in.atEnd() && in.line() != kMemoMarker) {
    }
    r.reminder.clear();
    while (!in.atEnd())
        r.reminder += in.line() + u'\n';
}

void read(const QString &path, ReadMode mode, AlarmRecord &record)
{
    decode(TextFile::readLines(path, limits()), mode, record, path);
}

EditCopy copyForEditing(const QString &alarmPath, const QString &workingCopy, const AlarmRecord &newAlarm)
{
    const QString shown = TextFile::nativeName(alarmPath);
    if (TextFile::isAbsent(alarmPath)) {
        write(workingCopy, newAlarm);
        return {EditCopy::Outcome::Missing,
                QCoreApplication::translate(
                    "AlarmFile", "The alarm file %1 is missing. The editor shows the settings of a new alarm; "
                                 "\"OK\" saves them as %1.")
                    .arg(shown)};
    }
    QByteArray data;
    QStringList lines;
    try {
        data = TextFile::readBytes(alarmPath, limits().maxBytes());
        lines = TextFile::decodeLines(data, limits());
    } catch (const AppError &error) {
        // Nothing read: nothing the editor could show would be this alarm.
        const QString reason =
            error.message().contains(shown) ? error.message() : QStringLiteral("%1: %2").arg(shown, error.message());
        const QString notKept = TextFile::keepCopy(alarmPath, alarmPath + QStringLiteral(".bak"));
        const QString kept = notKept.isEmpty() ? QCoreApplication::translate("AlarmFile", " It is kept as %1.")
                                                     .arg(TextFile::nativeName(alarmPath + u".bak"))
                                               : QString();
        return {EditCopy::Outcome::Refused,
                QCoreApplication::translate(
                    "AlarmFile", "%1\n\nNothing could be read from the alarm file, so the alarm can't be edited.%2 "
                                 "Delete the alarm and add it anew, or mend the file.")
                    .arg(reason, kept)};
    }
    AlarmRecord read = newAlarm;
    try {
        decode(lines, ReadMode::Editing, read, alarmPath);
    } catch (const AppError &error) {
        // Kept before anything is written, so that "OK" loses nothing.
        const QString copy = alarmPath + QStringLiteral(".bak");
        if (const QString notKept = TextFile::keepCopy(alarmPath, copy); !notKept.isEmpty()) {
            return {EditCopy::Outcome::Refused,
                    QCoreApplication::translate(
                        "AlarmFile", "%1\n\nThe alarm file could not be kept as %2 (%3), so the alarm can't be edited "
                                     "now: the edit would replace it.")
                        .arg(error.message(), TextFile::nativeName(copy), notKept)};
        }
        write(workingCopy, read);
        return {EditCopy::Outcome::PartlyRead,
                QCoreApplication::translate(
                    "AlarmFile",
                    "%1\n\nThe alarm file could not be read whole; it is kept as %2. The editor shows what "
                    "was read, and the settings of a new alarm for the rest; \"OK\" replaces %3 with what "
                    "it shows.")
                    .arg(error.message(), TextFile::nativeName(copy), shown)};
    }
    TextFile::writeAtomically(workingCopy, data);
    return {};
}

} // namespace AlarmFile
