#include "clocksettings.h"

#include "apperror.h"
#include "conversions.h"
#include "textfile.h"

#include <QCoreApplication>

ClockSettings ClockSettings::read(const QString &path, QString *error)
{
    ClockSettings settings;
    if (TextFile::isAbsent(path))
        return settings;
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return ClockSettings();
    };
    if (const QString what = TextFile::whatIsNotAFile(path); !what.isEmpty()) {
        return fail(QCoreApplication::translate(
                        "ClockSettings",
                        "The clock settings %1 are not a file but %2. Normal size and \"Blue\" are used, "
                        "and it is left as it is.")
                        .arg(TextFile::nativeName(path), what));
    }
    try {
        // Two short lines; a larger file is not one this program wrote.
        LineReader in(TextFile::readLines(path, {4096, 4096}));
        const QString sizeLine = in.next();
        const QString colourLine = in.next();
        try {
            settings.sizeIndex = Conversions::toInteger(sizeLine);
        } catch (const AppError &e) {
            throw AppError(QCoreApplication::translate("ClockSettings", "%1 (line 1: the size)").arg(e.message()));
        }
        settings.colourName = colourLine;
    } catch (const AppError &e) {
        return fail(QCoreApplication::translate(
                        "ClockSettings",
                        "%1\n\nThe clock settings in %2 could not be read; normal size and \"Blue\" are "
                        "used and a correct file is written at exit.")
                        .arg(e.message(), TextFile::nativeName(path)));
    }
    return settings;
}

void ClockSettings::write(const QString &path) const
{
    TextFile::writeAtomically(path, TextFile::encodeLines({QString::number(sizeIndex), colourName}));
}
