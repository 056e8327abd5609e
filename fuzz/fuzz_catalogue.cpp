// The alarm list reader: no crash, no hang, no sanitizer report, and a list
// it accepted is written and read back the same.

#include "alarmcatalogue.h"
#include "apperror.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeInput("al.ini", data, size);
    AlarmCatalogue catalogue;
    try {
        catalogue.read(path);
    } catch (const AppError &) {
        return 0; // refused, with the rows that could be trusted
    }
    const QByteArray written = AlarmCatalogue::encode(catalogue.rows());
    catalogue.write(path);
    AlarmCatalogue again;
    try {
        again.read(path);
    } catch (const AppError &error) {
        Fuzz::roundTripBroken(qPrintable(error.message()), written, {});
    }
    if (again.rows() != catalogue.rows())
        Fuzz::roundTripBroken("the alarm list", written, AlarmCatalogue::encode(again.rows()));
    for (int slot = 0; slot < AlarmCatalogue::SlotCount; ++slot) {
        if (again.isSlotInUse(slot) != catalogue.isSlotInUse(slot))
            Fuzz::roundTripBroken("the slots in use", written, {});
    }
    return 0;
}
