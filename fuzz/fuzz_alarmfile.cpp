// The alarm file reader, as the editor and as the ringing window read it: no
// crash, no hang, no sanitizer report, and an alarm the editor accepted is
// written and read back the same.

#include "alarmfile.h"
#include "apperror.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList lines;
    try {
        lines = TextFile::decodeLines(bytes, AlarmFile::limits());
    } catch (const AppError &) {
        return 0;
    }
    AlarmRecord ringing;
    try {
        AlarmFile::decode(lines, AlarmFile::ReadMode::Ringing, ringing);
    } catch (const AppError &) {
    }
    AlarmRecord record;
    try {
        AlarmFile::decode(lines, AlarmFile::ReadMode::Editing, record);
    } catch (const AppError &) {
        return 0;
    }
    const QByteArray written = AlarmFile::encode(record);
    AlarmRecord back;
    try {
        AlarmFile::decode(TextFile::decodeLines(written, AlarmFile::limits()), AlarmFile::ReadMode::Editing, back);
    } catch (const AppError &error) {
        Fuzz::roundTripBroken(qPrintable(error.message()), written, {});
    }
    const QByteArray again = AlarmFile::encode(back);
    if (again != written)
        Fuzz::roundTripBroken("the alarm file", written, again);
    return 0;
}
