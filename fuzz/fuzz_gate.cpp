// The gate before every commit, from the other side: random alarms and rows
// are sent through it, and whatever it lets through is written and read
// back by the program's own readers, which must take it whole and give back
// what was saved. No crash, no hang, no sanitizer report either way.

#include "alarmcatalogue.h"
#include "alarmfile.h"
#include "apperror.h"
#include "datetimeformatter.h"
#include "fuzzsupport.h"
#include "localeformats.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// A text of any characters, line breaks, carriage returns and halves of
// surrogate pairs included, now and then longer than a line may be.
QString text(FuzzedDataProvider &in)
{
    const size_t length =
        in.ConsumeBool() ? in.ConsumeIntegralInRange<size_t>(4090, 4100) : in.ConsumeIntegralInRange<size_t>(0, 24);
    QString result;
    for (size_t i = 0; i < length && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
        case 0:
            result += u'\n';
            break;
        case 1:
            result += u'\r';
            break;
        case 2:
            result += QChar(in.ConsumeIntegral<char16_t>());
            break;
        default:
            result += QChar(u'a' + in.ConsumeIntegralInRange<int>(0, 25));
        }
    }
    return result;
}

// A number that is usually in range and sometimes anything at all.
int number(FuzzedDataProvider &in, int low, int high)
{
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(low, high) : in.ConsumeIntegral<int>();
}

AlarmRecord record(FuzzedDataProvider &in)
{
    AlarmRecord r;
    r.frequencyCode = number(in, 0, 5);
    r.alarmTime = QTime(number(in, 0, 23), number(in, 0, 59), number(in, 0, 59));
    r.alarmDate = QDate(number(in, 1, 9999), number(in, 1, 12), number(in, 1, 31));
    for (bool &on : r.dayFlags)
        on = in.ConsumeBool();
    r.playListOn = in.ConsumeBool();
    r.playList.clear();
    for (int i = in.ConsumeIntegralInRange<int>(0, 3); i > 0; --i)
        r.playList << text(in);
    r.soundOn = in.ConsumeBool();
    r.soundNumber = number(in, 0, 3);
    r.soundMinutes = number(in, 0, 59);
    r.fadeInOn = in.ConsumeBool();
    r.fadeInMinutes = number(in, 0, 59);
    r.fadeOutOn = in.ConsumeBool();
    r.fadeOutMinutes = number(in, 0, 59);
    r.snoozeMinutes = number(in, 0, 59);
    r.autoSnoozeOn = in.ConsumeBool();
    r.autoSnoozeMinutes = number(in, 0, 59);
    r.volume = number(in, 0, 100);
    for (bool &on : r.closingFlags)
        on = in.ConsumeBool();
    r.autoCloseMinutes = number(in, 0, 59);
    r.powerAction = number(in, 0, 3);
    r.reminder = text(in);
    return r;
}

// The reminder as any reader gives it back: ended by a line break, the one
// a typed text lacks (or a carriage return at its very end stands for) added.
QString reminderAsRead(const QString &reminder)
{
    if (reminder.isEmpty() || reminder.endsWith(u'\n'))
        return reminder;
    return (reminder.endsWith(u'\r') ? reminder.chopped(1) : reminder) + u'\n';
}

void checkAlarmFile(const AlarmRecord &record)
{
    QByteArray written;
    try {
        written = AlarmFile::encodeForWriting(record);
    } catch (const AppError &) {
        return;
    }
    AlarmRecord saved = record;
    saved.reminder = reminderAsRead(record.reminder);
    AlarmRecord back;
    AlarmRecord ringing;
    try {
        const QStringList lines = TextFile::decodeLines(written, AlarmFile::limits());
        AlarmFile::decode(lines, AlarmFile::ReadMode::Editing, back);
        AlarmFile::decode(lines, AlarmFile::ReadMode::Ringing, ringing);
    } catch (const AppError &error) {
        Fuzz::roundTripBroken(qPrintable(error.message()), written, {});
    }
    if (AlarmFile::encode(back) != AlarmFile::encode(saved))
        Fuzz::roundTripBroken("an alarm file the gate let through", AlarmFile::encode(saved), AlarmFile::encode(back));
}

void checkCatalogue(FuzzedDataProvider &in, const AlarmRecord &record)
{
    static const DateTimeFormatter formatter(LocaleFormats::usEnglish());
    QList<CatalogueRow> rows;
    for (int i = in.ConsumeIntegralInRange<int>(1, 3); i > 0; --i) {
        EditorResult result{text(in),         record.frequencyCode, record.alarmTime,
                            record.alarmDate, record.weekdayMask(), true};
        CatalogueRow row = CatalogueRow::fromEditorResult(result, number(in, 0, 255), formatter);
        if (in.ConsumeBool())
            row.weekdayMask = text(in);
        rows << row;
    }
    QByteArray written;
    try {
        written = AlarmCatalogue::encodeForWriting(rows);
    } catch (const AppError &) {
        return;
    }
    const QString path =
        Fuzz::writeInput("al.ini", reinterpret_cast<const uint8_t *>(written.constData()), size_t(written.size()));
    AlarmCatalogue read;
    try {
        read.read(path);
    } catch (const AppError &error) {
        Fuzz::roundTripBroken(qPrintable(error.message()), written, {});
    }
    if (read.rows() != rows)
        Fuzz::roundTripBroken("an alarm list the gate let through", written, AlarmCatalogue::encode(read.rows()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const AlarmRecord alarm = record(in);
    checkAlarmFile(alarm);
    checkCatalogue(in, alarm);
    return 0;
}
