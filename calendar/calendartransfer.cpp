#include "calendartransfer.h"

#include "alarmcalendar.h"
#include "alarmengine.h"
#include "alarmfile.h"
#include "apperror.h"
#include "clock.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QHash>
#include <QScopeGuard>
#include <QSet>
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


// What an import writes of one alarm, reduced to a digest: its file, its
// caption and its on/off, skip and pause. The same event imported again
// gives the same digest, unless what it says has changed.
QString digestOf(const QByteArray &file, const QString &caption, const AlarmState &state)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(file);
    hash.addData(QByteArray(1, '\0'));
    hash.addData(caption.toUtf8());
    hash.addData(QByteArray(1, '\0'));
    hash.addData(state.enabled ? "on" : "off");
    hash.addData(state.skippedDue ? state.skippedDue->toString(Qt::ISODate).toLatin1() : QByteArray("-"));
    hash.addData(state.pausedUntil ? state.pausedUntil->toString(Qt::ISODate).toLatin1() : QByteArray("-"));
    return QString::fromLatin1(hash.result().toHex().left(32));
}

// The digest of an alarm as it is now, for one that was never imported.
QString digestOfAlarm(const AlarmEngine &engine, int row)
{
    const CatalogueRow &catalogueRow = engine.catalogue().row(row);
    const int slot = catalogueRow.slot;
    AlarmState state = engine.states().state(slot);
    state.importedFrom.reset();
    QByteArray file;
    try {
        file = TextFile::readBytes(engine.locations().dataFile(slotFileName(slot)), AlarmFile::limits().maxBytes());
    } catch (const AppError &) {
        // An alarm file that can't be read is not what the event says.
    }
    return digestOf(file, catalogueRow.caption, state);
}

} // namespace

namespace CalendarTransfer {

QStringList ImportReport::notes() const
{
    QStringList lines = skipped;
    if (skippedCount > skipped.size())
        lines << QCoreApplication::translate("CalendarTransfer", "%n more skipped event(s), not listed", nullptr,
                                             int(skippedCount - skipped.size()));
    return lines + leftOff + cautions;
}

ExportReport exportAlarms(const AlarmEngine &engine)
{
    ExportReport report;
    std::vector<ExportedAlarm> alarms;
    const AlarmCatalogue &catalogue = engine.catalogue();
    for (int row = 0; row < catalogue.size(); ++row) {
        ExportedAlarm alarm;
        alarm.row = catalogue.row(row);
        const int slot = alarm.row.slot;
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

ImportReport importAlarms(AlarmEngine &engine, const QByteArray &calendar, const ImportOptions &options)
{
    const AlarmCatalogue &catalogue = engine.catalogue();
    // Past the 256th alarm a file can't fit whatever it updates; the UIDs of
    // the alarms past it are still counted, to say how many would fit.
    if (importBeingRead) {
        throw AppError(QCoreApplication::translate("CalendarTransfer",
                                                   "Another import is being read; try again when it is done."));
    }
    importBeingRead = true;
    const auto done = qScopeGuard([]() { importBeingRead = false; });
    CalendarImport found;
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    const QDateTime now = engine.clock().now();
    awayFromThisThread([&]() {
        found = AlarmCalendar::importAlarms(calendar, zone, now, AlarmCatalogue::SlotCount,
                                            ImportConsent{options.withPowerActions});
    });

    // The alarm each UID stands for: the event it was imported from, and
    // the UID this program's own export gives it.
    QHash<QString, int> rowOfUid;
    for (int row = 0; row < catalogue.size(); ++row) {
        const AlarmState state = engine.states().state(catalogue.row(row).slot);
        if (state.importedFrom)
            rowOfUid.insert(state.importedFrom->uid, row);
    }
    for (int row = 0; row < catalogue.size(); ++row) {
        const QString key = AlarmState::uidKey(AlarmCalendar::exportedUid(catalogue.row(row)));
        if (!rowOfUid.contains(key))
            rowOfUid.insert(key, row);
    }

    ImportReport report;
    report.skipped = found.skipped;
    report.skippedCount = found.skippedCount;
    QList<AlarmEngine::NewAlarm> added;
    QMap<int, AlarmEngine::NewAlarm> replacing;
    QSet<int> rowsMatched;
    const auto tellWhatWasLeftOut = [&report](const ImportedAlarm &alarm) {
        if (!alarm.leftOff.isEmpty())
            report.leftOff << alarm.leftOff;
        if (!alarm.note.isEmpty())
            report.cautions << alarm.note;
    };
    for (const ImportedAlarm &alarm : found.alarms) {
        AlarmEngine::NewAlarm made{alarm.record, alarm.state, alarm.caption};
        // What the event says, before what the user did not consent to was
        // left out: the same event imported with and without consent is unchanged.
        AlarmRecord asSaid = alarm.record;
        asSaid.powerAction = alarm.eventPowerAction;
        const QString digest = digestOf(AlarmFile::encode(asSaid), alarm.caption, alarm.state);
        const QString key = alarm.uid.isEmpty() ? QString() : AlarmState::uidKey(alarm.uid);
        if (!key.isEmpty())
            made.state.importedFrom = ImportedFrom{key, digest};
        const auto known = key.isEmpty() ? rowOfUid.cend() : rowOfUid.constFind(key);
        if (known == rowOfUid.cend()) {
            added << made;
            tellWhatWasLeftOut(alarm);
            continue;
        }
        const int row = known.value();
        const int slot = catalogue.row(row).slot;
        if (rowsMatched.contains(row)) {
            // Two events of the file (one the alarm was imported from, one
            // an export of it) are the one alarm: the first decides.
            ++report.skippedCount;
            if (report.skipped.size() < AlarmCalendar::ListedSkips)
                report.skipped << QCoreApplication::translate("CalendarTransfer",
                                                              "\"%1\": the same alarm as an earlier event (id %2)")
                                      .arg(alarm.caption)
                                      .arg(slot);
            continue;
        }
        rowsMatched.insert(row);
        // The event the alarm was imported from is compared with what it
        // was then, so that the user's own changes stay while it does not
        // change; an export of the alarm is compared with the alarm as it is.
        const AlarmState current = engine.states().state(slot);
        const bool itsOwnEvent = current.importedFrom && current.importedFrom->uid == key;
        if ((itsOwnEvent ? current.importedFrom->digest : digestOfAlarm(engine, row)) == digest) {
            report.unchanged << slot;
            continue;
        }
        // An update never switches on what the user switched off here, and
        // the alarm stays the one of the event it was first imported from.
        made.state.enabled = made.state.enabled && current.enabled;
        if (current.importedFrom && !itsOwnEvent)
            made.state.importedFrom = current.importedFrom;
        replacing.insert(slot, made);
        report.updated << slot;
        tellWhatWasLeftOut(alarm);
    }

    const int free = AlarmCatalogue::SlotCount - catalogue.size();
    for (const QString &uid : found.uidsBeyondRoom) {
        const auto known = uid.isEmpty() ? rowOfUid.cend() : rowOfUid.constFind(AlarmState::uidKey(uid));
        if (known != rowOfUid.cend())
            rowsMatched.insert(known.value());
    }
    const int held = int(found.alarms.size() + found.uidsBeyondRoom.size());
    const int fit = std::min(held, free + int(rowsMatched.size()));
    if (fit < held) {
        QStringList message;
        message << QCoreApplication::translate("CalendarTransfer",
                                               "Nothing was imported: only %1 of the %n alarm(s) in the file would "
                                               "fit (Chronelle holds at most %2 alarms, %3 are in use, and %4 of the "
                                               "file's alarms are already here).",
                                               nullptr, held)
                       .arg(fit)
                       .arg(AlarmCatalogue::SlotCount)
                       .arg(catalogue.size())
                       .arg(rowsMatched.size());
        message << report.notes();
        throw AppError(message.join(u'\n'));
    }

    const QList<CatalogueRow> rowsBefore = catalogue.rows();
    try {
        report.ids = engine.addAlarmsFromRecords(added, replacing);
    } catch (const AppError &error) {
        // A change the disk took and whose last steps failed is made; one it
        // did not take left every alarm as it was, which the user must hear plainly.
        if (engine.catalogue().rows() != rowsBefore)
            throw;
        throw AppError(QCoreApplication::translate("CalendarTransfer",
                                                   "Nothing was imported: none of the %n alarm(s) was added or "
                                                   "updated, and every alarm is as it was. %1",
                                                   nullptr, int(added.size() + replacing.size()))
                           .arg(error.message()));
    }
    return report;
}

} // namespace CalendarTransfer
