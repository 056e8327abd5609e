#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's data files: lines in the local 8-bit encoding ended by CR LF.
// Reading accepts LF alone as well; writing always replaces a file as a whole,
// so that a crash, a kill or a full disk leaves the old file or the new one.
namespace TextFile {

// The lines of a file; a final line break gives no extra empty line.
// Throws AppError when the file can't be opened or read.
QStringList readLines(const QString &path);

// Splits file contents into lines the same way.
QStringList decodeLines(const QByteArray &data);

// Joins lines with CR LF after each one, in the local 8-bit encoding.
QByteArray encodeLines(const QStringList &lines);

// Replaces the file at path with data, atomically. Throws AppError on failure;
// the old file is then untouched.
void writeAtomically(const QString &path, const QByteArray &data);

} // namespace TextFile

// Hands out a file's lines by position; past the end every line reads empty.
class LineReader final
{
public:
    explicit LineReader(QStringList lines) : m_lines(std::move(lines)) {}

    QString next();
    bool atEnd() const { return m_next >= m_lines.size(); }
    // One-based number of the line that next() returned last.
    qsizetype lineNumber() const { return m_next; }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};
