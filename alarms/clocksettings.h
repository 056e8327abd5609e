#pragma once

#include <QString>

// The clock window's look, as "LCD.ini" keeps it: a size index (0 half,
// 1 normal, 2 double) and a colour scheme name. Unknown values are kept as
// read so that they are written back unchanged.
struct ClockSettings
{
    int sizeIndex = 1;
    QString colourName = QStringLiteral("Blue");

    // Reads the file; a missing file gives the defaults. A first line that is
    // no number gives the defaults too, and AppError reports it after the
    // settings have been filled in (catch it, show it, keep the settings).
    static ClockSettings read(const QString &path, QString *error);
    void write(const QString &path) const;

    bool operator==(const ClockSettings &) const = default;
};
