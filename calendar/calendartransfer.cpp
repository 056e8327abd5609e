#include "calendartransfer.h"

#include "alarmcalendar.h"
#include "alarmengine.h"
#include "alarmfile.h"
#include "clock.h"
#include "textfile.h"

#include <QDir>
#include <QTimeZone>

namespace CalendarTransfer {

QByteArray exportAlarms(const AlarmEngine &engine)
{
    std::vector<ExportedAlarm> alarms;
    const AlarmCatalogue &catalogue = engine.catalogue();
    for (int row = 0; row < catalogue.size(); ++row) {
        ExportedAlarm alarm;
        alarm.row = catalogue.row(row);
        const int slot = alarm.row.slot;
        const QString path = QDir(engine.locations().dataFolder()).filePath(slotFileName(slot));
        AlarmFile::read(path, AlarmFile::ReadMode::Editing, alarm.record);
        // The reader ends every line of the reminder with a line break; a
        // file whose reminder has none at its end goes out without it, so
        // that the import writes the same file.
        const QByteArray raw = TextFile::readBytes(path, AlarmFile::limits().maxBytes());
        if (alarm.record.reminder.endsWith(u'\n') && !raw.endsWith('\n') && !raw.endsWith(QByteArray("\n\0", 2)))
            alarm.record.reminder.chop(1);
        alarm.state = engine.states().state(slot);
        alarms.push_back(std::move(alarm));
    }
    return AlarmCalendar::exportAlarms(alarms, QTimeZone::systemTimeZoneId(), engine.clock().now());
}

ImportReport importAlarms(AlarmEngine &engine, const QByteArray &calendar)
{
    const int room = AlarmCatalogue::SlotCount - engine.catalogue().size();
    const CalendarImport found =
        AlarmCalendar::importAlarms(calendar, QTimeZone::systemTimeZoneId(), engine.clock().now(), room);
    QList<AlarmEngine::NewAlarm> alarms;
    for (const ImportedAlarm &alarm : found.alarms)
        alarms << AlarmEngine::NewAlarm{alarm.record, alarm.state, alarm.caption};
    return {engine.addAlarmsFromRecords(alarms), found.skipped};
}

} // namespace CalendarTransfer
