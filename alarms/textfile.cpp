#include "textfile.h"

#include "apperror.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace TextFile {

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Could not open %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Could not read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));

    return decodeLines(data);
}

QStringList decodeLines(const QByteArray &data)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        qsizetype stop = end;
        if (stop > start && data[stop - 1] == '\r')
            --stop;
        lines << QString::fromLocal8Bit(data.constData() + start, stop - start);
        start = end + 1;
    }
    return lines;
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += line.toLocal8Bit();
        data += "\r\n";
    }
    return data;
}

void writeAtomically(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    const auto fail = [&path, &file]() {
        return AppError(
            QStringLiteral("Could not write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw fail();
    if (file.write(data) != data.size())
        throw fail();
    if (!file.commit())
        throw fail();
}

} // namespace TextFile

QString LineReader::next()
{
    if (m_next < m_lines.size())
        return m_lines[m_next++];
    ++m_next;
    return {};
}
