#include "cataloguerow.h"

#include "alarmrecord.h"
#include "apperror.h"
#include "conversions.h"
#include "textfile.h"

#include <QCoreApplication>

namespace {

const QLatin1String kEveryHour(" of every hour");
const QLatin1String kEveryMonth(" of every month");

} // namespace

QStringList CatalogueRow::fields() const
{
    return {caption, frequencyName, timeText, dateText, timeKey, dateKey, weekdayMask, QString::number(slot)};
}

CatalogueRow CatalogueRow::fromFields(const QStringList &f)
{
    const auto at = [&f](int i) { return i < f.size() ? f[i] : QString(); };
    return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), decodeSlot(at(7))};
}

int CatalogueRow::decodeSlot(const QString &text)
{
    // A number past the slot table names no alarm file that the program
    // could ever give out or free again.
    const int slot = Conversions::toInteger(text);
    if (slot < 0 || slot >= SlotCount)
        throw AppError(QCoreApplication::translate("AlarmCatalogue", "'%1' is not a valid alarm slot (0 to %2)")
                           .arg(TextFile::excerpt(text), QString::number(SlotCount - 1)));
    return slot;
}

QString CatalogueRow::timeTextFor(const QString &frequencyName, const QTime &time, const DateTimeFormatter &formatter)
{
    if (frequencyName == frequencyNames()[int(Frequency::Hourly)])
        return formatter.format(u"nn:ss", time) + kEveryHour;
    return formatter.format(u"hh:nn:ss AM/PM", time);
}

QString CatalogueRow::dateTextFor(const QString &frequencyName, const QDate &date, const DateTimeFormatter &formatter)
{
    const QStringList &names = frequencyNames();
    if (frequencyName == names[int(Frequency::Once)])
        return formatter.shortDate(date);
    if (frequencyName == names[int(Frequency::Monthly)])
        return QString::number(date.day()) + kEveryMonth;
    if (frequencyName == names[int(Frequency::Yearly)])
        return formatter.format(u"mm/dd", date);
    return QStringLiteral("--");
}

QString CatalogueRow::shownText(const QString &storedText)
{
    if (storedText.endsWith(kEveryHour))
        return QCoreApplication::translate("CatalogueRow", "%1 of every hour")
            .arg(storedText.chopped(kEveryHour.size()));
    if (storedText.endsWith(kEveryMonth))
        return QCoreApplication::translate("CatalogueRow", "%1 of every month")
            .arg(storedText.chopped(kEveryMonth.size()));
    return storedText;
}

CatalogueRow CatalogueRow::fromEditorResult(const EditorResult &result, int slot, const DateTimeFormatter &formatter)
{
    const QStringList &names = frequencyNames();
    const QString name =
        result.frequencyCode >= 0 && result.frequencyCode < names.size() ? names[result.frequencyCode] : QString();
    CatalogueRow row;
    row.caption = result.caption;
    row.frequencyName = name;
    row.timeText = timeTextFor(name, result.alarmTime, formatter);
    row.dateText = dateTextFor(name, result.alarmDate, formatter);
    row.timeKey = formatter.format(u"hhnnss", result.alarmTime);
    row.dateKey = formatter.format(u"ddmmyyyy", result.alarmDate);
    row.weekdayMask = result.weekdayMask;
    row.slot = slot;
    return row;
}

QString slotFileName(int slot)
{
    return QString::number(slot) + QStringLiteral(".ini");
}
