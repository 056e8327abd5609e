#include "alarmchoices.h"

#include "alarmfile.h"
#include "apperror.h"
#include "schedulerules.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <linux/magic.h>
#include <sys/vfs.h>

namespace {

[[noreturn]] void refuse(const QString &argument, const QString &value, const QString &why)
{
    throw AppError(QCoreApplication::translate("AlarmChoices", "%1 '%2': %3").arg(argument, value, why),
                   AppError::Kind::BadArgument);
}

QTime parseTime(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    const QString argument = QStringLiteral("TIME");
    if (!match.hasMatch())
        refuse(argument, text, QCoreApplication::translate("AlarmChoices", "not a time as HH:MM or HH:MM:SS"));
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (hour > 23)
        refuse(argument, text, QCoreApplication::translate("AlarmChoices", "the hour must be 0 to 23"));
    if (minute > 59)
        refuse(argument, text, QCoreApplication::translate("AlarmChoices", "the minutes must be 0 to 59"));
    if (second > 59)
        refuse(argument, text, QCoreApplication::translate("AlarmChoices", "the seconds must be 0 to 59"));
    return QTime(hour, minute, second);
}

QDate parseDate(const QString &argument, const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = shape.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
    if (!date.isValid())
        refuse(argument, text, QCoreApplication::translate("AlarmChoices", "not a date as YYYY-MM-DD"));
    return date;
}

std::array<bool, 7> parseDays(const QString &text)
{
    const QString argument = QStringLiteral("--weekly");
    std::array<bool, 7> days{};
    if (text.trimmed().isEmpty())
        refuse(argument, text,
               QCoreApplication::translate("AlarmChoices", "no day given (days: mon,tue,wed,thu,fri,sat,sun)"));
    for (const QString &word : text.split(u',')) {
        const qsizetype day = AlarmChoices::dayWords().indexOf(word.trimmed().toLower());
        if (day < 0) {
            refuse(argument, text,
                   QCoreApplication::translate("AlarmChoices", "'%1' is not a day (days: mon,tue,wed,thu,fri,sat,sun)")
                       .arg(word.trimmed()));
        }
        days[size_t(day)] = true;
    }
    return days;
}

int parseMonthDay(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{1,2}$"));
    const int day = shape.match(text).hasMatch() ? text.toInt() : 0;
    if (day < 1 || day > 31)
        refuse(QStringLiteral("--monthly"), text,
               QCoreApplication::translate("AlarmChoices", "the day of the month must be 1 to 31"));
    return day;
}

// The first month from today's on that has the day: the editor keeps the
// month and year of its date field, and a month without the day can't be shown there.
QDate monthlyDate(const QDate &today, int day)
{
    QDate month(today.year(), today.month(), 1);
    while (month.daysInMonth() < day)
        month = month.addMonths(1);
    return QDate(month.year(), month.month(), day);
}

QDate yearlyDate(const QDate &today, const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = shape.match(text);
    // 2000 is a leap year: any day that some year has.
    const QDate anyYear =
        match.hasMatch() ? QDate(2000, match.captured(1).toInt(), match.captured(2).toInt()) : QDate();
    if (!anyYear.isValid())
        refuse(QStringLiteral("--yearly"), text,
               QCoreApplication::translate("AlarmChoices", "not a month and day as MM-DD"));
    // This year, or for 29 February the next year that has it.
    for (int year = today.year();; ++year) {
        if (QDate::isValid(year, anyYear.month(), anyYear.day()))
            return QDate(year, anyYear.month(), anyYear.day());
    }
}

void checkMemo(const QString &memo)
{
    if (memo.trimmed().isEmpty())
        throw AppError(QCoreApplication::translate("AlarmChoices", "--memo: the reminder is empty"),
                       AppError::Kind::BadArgument);
    for (const QChar c : memo) {
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t') {
            throw AppError(
                QCoreApplication::translate("AlarmChoices", "--memo: the reminder holds a control character (U+%1)")
                    .arg(c.unicode(), 4, 16, QChar(u'0')),
                AppError::Kind::BadArgument);
        }
    }
}

// `argument` names where the file was given: "--sound", or "play-list entry" for a record.
void checkSound(const QString &path, const QString &argument = QStringLiteral("--sound"))
{
    if (path.contains(u'\n') || path.contains(u'\r'))
        refuse(argument, path,
               QCoreApplication::translate("AlarmChoices",
                                           "a file name with a line break can't be kept in the play list"));
    if (!QFileInfo(path).isAbsolute())
        refuse(argument, path, QCoreApplication::translate("AlarmChoices", "not a full path"));
    const QFileInfo file(path);
    if (!file.exists())
        throw AppError(QCoreApplication::translate("AlarmChoices", "%1 '%2': no such file").arg(argument, path));
    if (!file.isFile())
        throw AppError(QCoreApplication::translate("AlarmChoices", "%1 '%2': not a regular file").arg(argument, path));
    // The kernel's views of the running system (/proc/self/mem) look like
    // files and are none: reading them is never playing a sound.
    struct statfs fileSystem = {};
    if (::statfs(QFile::encodeName(path).constData(), &fileSystem) == 0 &&
        (fileSystem.f_type == PROC_SUPER_MAGIC || fileSystem.f_type == SYSFS_MAGIC)) {
        throw AppError(
            QCoreApplication::translate("AlarmChoices", "%1 '%2': not a regular file but a view of the running system")
                .arg(argument, path));
    }
    if (!file.isReadable())
        throw AppError(
            QCoreApplication::translate("AlarmChoices", "%1 '%2': the file can't be read").arg(argument, path));
}

// A setting of the record, with the range the editor gives it.
struct RangedSetting
{
    const char *name;
    int AlarmRecord::*member;
    int lowest;
    int highest;
};
const RangedSetting kRangedSettings[] = {
    {QT_TRANSLATE_NOOP("AlarmChoices", "frequency"), &AlarmRecord::frequencyCode, 0, 5},
    {QT_TRANSLATE_NOOP("AlarmChoices", "built-in sound"), &AlarmRecord::soundNumber, 0, 3},
    {QT_TRANSLATE_NOOP("AlarmChoices", "sound minutes"), &AlarmRecord::soundMinutes, 0, 59},
    {QT_TRANSLATE_NOOP("AlarmChoices", "fade-in minutes"), &AlarmRecord::fadeInMinutes, 0, 59},
    {QT_TRANSLATE_NOOP("AlarmChoices", "fade-out minutes"), &AlarmRecord::fadeOutMinutes, 0, 59},
    {QT_TRANSLATE_NOOP("AlarmChoices", "snooze minutes"), &AlarmRecord::snoozeMinutes, 0, 59},
    {QT_TRANSLATE_NOOP("AlarmChoices", "auto-snooze minutes"), &AlarmRecord::autoSnoozeMinutes, 0, 59},
    {QT_TRANSLATE_NOOP("AlarmChoices", "volume"), &AlarmRecord::volume, 0, 100},
    {QT_TRANSLATE_NOOP("AlarmChoices", "auto-close minutes"), &AlarmRecord::autoCloseMinutes, 0, 59},
    {QT_TRANSLATE_NOOP("AlarmChoices", "power action"), &AlarmRecord::powerAction, 0, 3},
};

} // namespace

const QStringList &AlarmChoices::frequencyWords()
{
    static const QStringList words{QStringLiteral("once"),   QStringLiteral("hourly"),  QStringLiteral("daily"),
                                   QStringLiteral("weekly"), QStringLiteral("monthly"), QStringLiteral("yearly")};
    return words;
}

const QStringList &AlarmChoices::dayWords()
{
    static const QStringList words{QStringLiteral("sun"), QStringLiteral("mon"), QStringLiteral("tue"),
                                   QStringLiteral("wed"), QStringLiteral("thu"), QStringLiteral("fri"),
                                   QStringLiteral("sat")};
    return words;
}

AlarmRecord AlarmChoices::toRecord(const QDateTime &now) const
{
    // Everything is checked before anything is made.
    const QTime alarmTime = parseTime(time);
    const qsizetype code = frequency.isEmpty() ? 0 : frequencyWords().indexOf(frequency);
    if (code < 0) {
        refuse(QStringLiteral("frequency"), frequency,
               QCoreApplication::translate("AlarmChoices", "not one of %1")
                   .arg(frequencyWords().join(QStringLiteral(", "))));
    }
    const Frequency chosen = Frequency(code);
    const bool needsSchedule = !frequency.isEmpty() && chosen != Frequency::Hourly && chosen != Frequency::Daily;
    if (!needsSchedule && !schedule.isEmpty()) {
        refuse(frequency.isEmpty() ? QStringLiteral("frequency") : QStringLiteral("--") + frequency, schedule,
               QCoreApplication::translate("AlarmChoices", "takes no value"));
    }
    if (memo)
        checkMemo(*memo);
    if (volume && (*volume < 0 || *volume > 100))
        refuse(QStringLiteral("--volume"), QString::number(*volume),
               QCoreApplication::translate("AlarmChoices", "must be 0 to 100"));
    for (const QString &sound : sounds)
        checkSound(sound);

    AlarmRecord record = AlarmRecord::newAlarm(now);
    record.frequencyCode = int(chosen);
    record.alarmTime = alarmTime;
    const QDate today = now.date();
    if (frequency.isEmpty()) {
        record.alarmDate =
            alarmTime > QTime(now.time().hour(), now.time().minute(), now.time().second()) ? today : today.addDays(1);
    } else if (chosen == Frequency::Once) {
        record.alarmDate = parseDate(QStringLiteral("--once"), schedule);
        // An alarm that can never ring is a mistake, not a wish.
        // Judged by the instant it would ring: a time the clock skips tonight still rings, as the clock jumps.
        if (ScheduleRules::ringInstant(ScheduleRules::wallMoment(record.alarmDate, alarmTime),
                                       ScheduleRules::localZone(now)) <= now)
            refuse(QStringLiteral("--once"), schedule + u' ' + time,
                   QCoreApplication::translate("AlarmChoices", "that moment has passed"));
    } else if (chosen == Frequency::Weekly) {
        record.dayFlags = parseDays(schedule);
    } else if (chosen == Frequency::Monthly) {
        record.alarmDate = monthlyDate(today, parseMonthDay(schedule));
    } else if (chosen == Frequency::Yearly) {
        record.alarmDate = yearlyDate(today, schedule);
    }
    if (memo) {
        // The editor's memo keeps line breaks as '\n', whatever the text came with.
        QString text = *memo;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        record.reminder = text;
    }
    record.playList = sounds;
    if (volume)
        record.volume = *volume;
    checkRecord(record);
    // What the readers would refuse is refused here, before anything is written.
    try {
        AlarmFile::encodeForWriting(record);
    } catch (const AppError &error) {
        throw AppError(error.message(), AppError::Kind::BadArgument);
    }
    return record;
}

void AlarmChoices::checkRecord(const AlarmRecord &record)
{
    const auto refuseSetting = [](const QString &setting, const QString &value, const QString &why) {
        const QString what = value.isEmpty() ? setting : setting + u' ' + value;
        throw AppError(QCoreApplication::translate("AlarmChoices", "%1: %2").arg(what, why),
                       AppError::Kind::BadArgument);
    };
    for (const RangedSetting &setting : kRangedSettings) {
        const int value = record.*setting.member;
        if (value < setting.lowest || value > setting.highest) {
            refuseSetting(QCoreApplication::translate("AlarmChoices", setting.name), QString::number(value),
                          QCoreApplication::translate("AlarmChoices", "must be %1 to %2")
                              .arg(setting.lowest)
                              .arg(setting.highest));
        }
    }
    if (!record.alarmTime.isValid() || !record.alarmDate.isValid())
        refuseSetting(QCoreApplication::translate("AlarmChoices", "alarm time"), QString(),
                      QCoreApplication::translate("AlarmChoices", "not a valid date and time"));
    if (std::count(record.closingFlags.begin(), record.closingFlags.end(), true) != 1)
        refuseSetting(QCoreApplication::translate("AlarmChoices", "closing method"), QString(),
                      QCoreApplication::translate("AlarmChoices", "exactly one of its three switches must be on"));
    if (record.playList.size() > MaxPlayListEntries)
        refuseSetting(
            QCoreApplication::translate("AlarmChoices", "play list"), QString::number(record.playList.size()),
            QCoreApplication::translate("AlarmChoices", "at most %1 files are played").arg(MaxPlayListEntries));
    for (const QString &song : record.playList)
        checkSound(song, QCoreApplication::translate("AlarmChoices", "play-list entry"));
}

QString AlarmChoices::captionOf(const AlarmRecord &record)
{
    return record.reminder.section(u'\n', 0, 0);
}
