#include "calendartransfer.h"

#include "alarmcalendar.h"
#include "alarmengine.h"
#include "alarmfile.h"
#include "apperror.h"
#include "clock.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QScopeGuard>
#include <QThread>
#include <QTimeZone>
#include <exception>
#include <functional>
#include <memory>

namespace {

// Set while an import is being read: a second one (from the bus, in the
// loop the first one waits in) would count the same free slots again.
bool importBeingRead = false;

// Runs `work` on a thread of its own, while this thread's event loop goes on:
// the clock ticks and an alarm due meanwhile rings while libical reads a
// large calendar. What `work` throws is thrown here. Without an event loop
// (no application object) it runs here.
void awayFromThisThread(const std::function<void()> &work)
{
    if (!QCoreApplication::instance()) {
        work();
        return;
    }
    std::exception_ptr failure;
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create([&work, &failure]() {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    thread->wait();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

namespace CalendarTransfer {

ExportReport exportAlarms(const AlarmEngine &engine)
{
    ExportReport report;
    std::vector<ExportedAlarm> alarms;
    const AlarmCatalogue &catalogue = engine.catalogue();
    for (int row = 0; row < catalogue.size(); ++row) {
        ExportedAlarm alarm;
        alarm.row = catalogue.row(row);
        const int slot = alarm.row.slot.toInt();
        const QString path = QDir(engine.locations().dataFolder()).filePath(slotFileName(slot));
        try {
            AlarmFile::read(path, AlarmFile::ReadMode::Editing, alarm.record);
            // The reader ends every line of the reminder with a line break; a
            // file whose reminder has none at its end goes out without it, so
            // that the import writes the same file.
            const QByteArray raw = TextFile::readBytes(path, AlarmFile::limits().maxBytes());
            if (alarm.record.reminder.endsWith(u'\n') && !raw.endsWith('\n') && !raw.endsWith(QByteArray("\n\0", 2)))
                alarm.record.reminder.chop(1);
        } catch (const AppError &error) {
            report.left << QStringLiteral("\"%1\": %2").arg(alarm.row.caption, error.message());
            continue;
        }
        alarm.state = engine.states().state(slot);
        alarms.push_back(std::move(alarm));
    }
    CalendarExport written = AlarmCalendar::exportAlarms(alarms, QTimeZone::systemTimeZoneId(), engine.clock().now());
    report.calendar = std::move(written.calendar);
    report.left += written.left;
    return report;
}

ImportReport importAlarms(AlarmEngine &engine, const QByteArray &calendar)
{
    const int room = AlarmCatalogue::SlotCount - engine.catalogue().size();
    if (importBeingRead) {
        throw AppError(QCoreApplication::translate("CalendarTransfer",
                                                   "Another import is being read; try again when it is done."));
    }
    importBeingRead = true;
    const auto done = qScopeGuard([]() { importBeingRead = false; });
    CalendarImport found;
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    const QDateTime now = engine.clock().now();
    awayFromThisThread([&]() { found = AlarmCalendar::importAlarms(calendar, zone, now, room); });
    QList<AlarmEngine::NewAlarm> alarms;
    for (const ImportedAlarm &alarm : found.alarms)
        alarms << AlarmEngine::NewAlarm{alarm.record, alarm.state, alarm.caption};
    return {engine.addAlarmsFromRecords(alarms), found.skipped};
}

} // namespace CalendarTransfer
