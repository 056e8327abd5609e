// LCD.ini: no crash, no sanitizer report, and settings read without an error
// are written and read back the same.

#include "clocksettings.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeInput("LCD.ini", data, size);
    QString error;
    const ClockSettings settings = ClockSettings::read(path, &error);
    if (!error.isEmpty())
        return 0;
    settings.write(path);
    QString againError;
    const ClockSettings again = ClockSettings::read(path, &againError);
    if (!againError.isEmpty() || !(again == settings))
        Fuzz::roundTripBroken("LCD.ini", QByteArray::number(settings.sizeIndex) + ' ' + settings.colourName.toUtf8(),
                              QByteArray::number(again.sizeIndex) + ' ' + again.colourName.toUtf8());
    return 0;
}
