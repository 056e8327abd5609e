#include "clocksettings.h"

#include "apperror.h"
#include "conversions.h"
#include "textfile.h"

#include <QFileInfo>

ClockSettings ClockSettings::read(const QString &path, QString *error)
{
    ClockSettings settings;
    if (!QFileInfo::exists(path))
        return settings;
    try {
        // Two short lines; a larger file is not one this program wrote.
        LineReader in(TextFile::readLines(path, {4096, 4096}));
        const QString sizeLine = in.next();
        const QString colourLine = in.next();
        settings.sizeIndex = Conversions::toInteger(sizeLine);
        settings.colourName = colourLine;
    } catch (const AppError &e) {
        settings = ClockSettings();
        if (error)
            *error = e.message();
    }
    return settings;
}

void ClockSettings::write(const QString &path) const
{
    TextFile::writeAtomically(path, TextFile::encodeLines({QString::number(sizeIndex), colourName}));
}
