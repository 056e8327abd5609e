// The calendar import: no crash, no hang, no sanitizer report for any bytes,
// and what it made of them goes out and comes back as the same calendar:
// an export of the alarms an import made (those the engine would take),
// imported and exported again, is the same bytes.

#include "alarmcalendar.h"
#include "alarmfile.h"
#include "apperror.h"
#include "datetimeformatter.h"
#include "fuzzsupport.h"

namespace {

const QByteArray kZone = "Europe/Berlin";
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 0, 0));

// Whether the engine would make the alarms: their files are those its
// readers take back (an import it refuses changes nothing, so there is
// nothing to export).
bool engineTakes(const CalendarImport &found)
{
    for (const ImportedAlarm &alarm : found.alarms) {
        try {
            AlarmRecord back;
            AlarmFile::decode(TextFile::decodeLines(AlarmFile::encodeForWriting(alarm.record), AlarmFile::limits()),
                              AlarmFile::ReadMode::Editing, back);
        } catch (const AppError &) {
            return false;
        }
    }
    return true;
}

// The alarms as the list would hold them, in slots 0, 1, 2...
std::vector<ExportedAlarm> listed(const CalendarImport &found)
{
    static const DateTimeFormatter formatter{LocaleFormats::usEnglish()};
    std::vector<ExportedAlarm> alarms;
    for (const ImportedAlarm &alarm : found.alarms) {
        const AlarmRecord &r = alarm.record;
        const EditorResult result{alarm.caption, r.frequencyCode, r.alarmTime,
                                  r.alarmDate,   r.weekdayMask(), alarm.state.enabled};
        alarms.push_back({CatalogueRow::fromEditorResult(result, int(alarms.size()), formatter), r, alarm.state});
    }
    return alarms;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CalendarImport found;
    try {
        found = AlarmCalendar::importAlarms(bytes, kZone, kNow, 256);
    } catch (const AppError &) {
        return 0;
    }
    if (!engineTakes(found))
        return 0;
    const CalendarExport first = AlarmCalendar::exportAlarms(listed(found), kZone, kNow);
    CalendarImport back;
    try {
        back = AlarmCalendar::importAlarms(first.calendar, kZone, kNow, 256);
    } catch (const AppError &error) {
        Fuzz::roundTripBroken(qPrintable(error.message()), first.calendar, {});
    }
    if (!back.skipped.isEmpty())
        Fuzz::roundTripBroken(qPrintable(back.skipped.join(u'\n')), first.calendar, {});
    const CalendarExport second = AlarmCalendar::exportAlarms(listed(back), kZone, kNow);
    if (second.calendar != first.calendar)
        Fuzz::roundTripBroken("the calendar", first.calendar, second.calendar);
    return 0;
}
