// The reader of the alarm states: no crash, no hang, no sanitizer report,
// and states it accepted are written and read back the same.

#include "alarmstates.h"
#include "apperror.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QMap<int, AlarmState> states;
    try {
        states = AlarmStates::decode(bytes);
    } catch (const AppError &) {
        return 0;
    }
    const QByteArray written = AlarmStates::encode(states);
    QMap<int, AlarmState> back;
    try {
        back = AlarmStates::decode(written);
    } catch (const AppError &error) {
        Fuzz::roundTripBroken(qPrintable(error.message()), written, {});
    }
    const QByteArray again = AlarmStates::encode(back);
    if (again != written || back != states)
        Fuzz::roundTripBroken("the alarm states", written, again);
    return 0;
}
