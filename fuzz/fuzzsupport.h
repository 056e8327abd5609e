#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: a folder for the file under test, and a
// failure that stops the fuzzer with the input that caused it.
namespace Fuzz {

inline const QTemporaryDir &folder()
{
    static const QTemporaryDir dir;
    return dir;
}

inline QString writeInput(const char *name, const uint8_t *data, size_t size)
{
    const QString path = folder().filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "fuzz: could not write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// A file the reader accepted did not read back the same after it was written.
[[noreturn]] inline void roundTripBroken(const char *what, const QByteArray &first, const QByteArray &second)
{
    std::fprintf(stderr, "fuzz: %s changed when written back\n--- first\n%s\n--- second\n%s\n", what,
                 first.toPercentEncoding().constData(), second.toPercentEncoding().constData());
    std::abort();
}

} // namespace Fuzz
