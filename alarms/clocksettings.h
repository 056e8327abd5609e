#pragma once

#include <QString>

// The clock window's look, as "LCD.ini" keeps it: a size index (0 half,
// 1 normal, 2 double) and a colour scheme name. Unknown values are kept as
// read so that they are written back unchanged.
struct ClockSettings
{
    int sizeIndex = 1;
    QString colourName = QStringLiteral("Blue");

    // Reads the file; a missing file gives the defaults. A file that can't
    // be read, a first line that is no number, and a path that holds no file
    // (a named pipe, a link to nowhere) give the defaults too, and `error`
    // says why and what becomes of the file, for the user to read.
    static ClockSettings read(const QString &path, QString *error);
    void write(const QString &path) const;

    bool operator==(const ClockSettings &) const = default;
};
