#include "textfile.h"

#include "apperror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {

namespace {

FaultHook &faultHook()
{
    static FaultHook hook;
    return hook;
}

// The characters 0x80 to 0x9F of Windows-1252; the five codes it leaves
// undefined keep their C1 control, so that they too come back unchanged.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool isValidUtf8(const QByteArray &data)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(data);
    return !decoder.hasError();
}

// Calls a file-system function through the test seam; sets errno on failure.
template <typename Call> auto checked(const char *name, const QString &path, Call call) -> decltype(call())
{
    if (const int injected = faultFor(name, path)) {
        errno = injected;
        return -1;
    }
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

// A new, empty temporary file beside path, with the permissions the file
// has now (or the usual ones for a new file).
int createTemporary(const QString &path, QString &temporary)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    struct stat existing = {};
    const QByteArray encodedPath = QFile::encodeName(path);
    const bool hasMode = ::stat(encodedPath.constData(), &existing) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
        temporary = path + u'.' + suffix;
        if (!isTemporaryFileOf(QFileInfo(temporary).fileName(), {QFileInfo(path).fileName()}))
            continue;
        const QByteArray name = QFile::encodeName(temporary);
        const int fd = checked("open", temporary,
                               [&] { return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
        if (fd >= 0) {
            if (hasMode)
                ::fchmod(fd, existing.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void syncFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Some file systems can't sync a folder; the rename is done all the same.
    checked("fsync", folder, [&] { return ::fsync(fd); });
    ::close(fd);
}

void setFaultHook(FaultHook hook)
{
    faultHook() = std::move(hook);
}

int faultFor(const char *call, const QString &path)
{
    return faultHook() ? faultHook()(call, path) : 0;
}

QByteArray readBytes(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Could not open %1: %2").arg(nativeName(path), file.errorString()));
    // Said before anything is read, so a huge file costs neither time nor memory.
    const auto tooLarge = [&]() {
        return AppError(QStringLiteral("%1 is larger than the %2 bytes it may hold; it is not read.")
                            .arg(nativeName(path), QString::number(maxBytes)));
    };
    if (file.size() > maxBytes)
        throw tooLarge();
    const QByteArray data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Could not read %1: %2").arg(nativeName(path), file.errorString()));
    if (data.size() > maxBytes)
        throw tooLarge();
    return data;
}

QStringList readLines(const QString &path, const Limits &limits, ReadInfo *info)
{
    const QByteArray data = readBytes(path, limits.maxBytes());
    try {
        return decodeLines(data, limits, info);
    } catch (const AppError &error) {
        throw AppError(QStringLiteral("%1: %2").arg(nativeName(path), error.message()));
    }
}

QStringList decodeLines(const QByteArray &data, const Limits &limits, ReadInfo *info)
{
    const bool utf8 = isValidUtf8(data);
    if (info)
        info->windows1252 = !utf8;
    QStringList lines;
    qint64 characters = 0;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        qsizetype stop = end;
        if (stop > start && data[stop - 1] == '\r')
            --stop;
        const QString line = utf8 ? QString::fromUtf8(data.constData() + start, stop - start)
                                  : fromWindows1252(data.constData() + start, stop - start);
        if (line.size() > limits.maxLineCharacters) {
            throw AppError(QStringLiteral("line %1 is longer than %2 characters")
                               .arg(QString::number(lines.size() + 1), QString::number(limits.maxLineCharacters)));
        }
        characters += line.size() + 2;
        if (characters > limits.maxCharacters + 2) {
            throw AppError(QStringLiteral("the file is larger than the %1 characters it may hold; it is not read")
                               .arg(limits.maxCharacters));
        }
        lines << line;
        start = end + 1;
    }
    return lines;
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += line.toUtf8();
        data += "\r\n";
    }
    return data;
}

void writeAtomically(const QString &path, const QByteArray &data, const QString &shownPath)
{
    QString temporary;
    const auto fail = [&](int error) {
        if (!temporary.isEmpty())
            ::unlink(QFile::encodeName(temporary).constData());
        return AppError(QStringLiteral("Could not save %1: %2. The file is left as it was.")
                            .arg(nativeName(shownPath.isEmpty() ? path : shownPath), systemReason(error)));
    };
    const int fd = createTemporary(path, temporary);
    if (fd < 0) {
        const int error = errno;
        temporary.clear();
        throw fail(error);
    }
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = checked(
            "write", temporary, [&] { return ::write(fd, data.constData() + written, size_t(data.size() - written)); });
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            throw fail(error);
        }
        written += n;
    }
    // The data must be on the disk before the name points at it; otherwise a
    // power cut can leave the new name on an empty file.
    if (checked("fsync", temporary, [&] { return ::fsync(fd); }) != 0) {
        const int error = errno;
        ::close(fd);
        throw fail(error);
    }
    // close() is not repeated after EINTR: the descriptor is gone either way.
    const int injected = faultFor("close", temporary);
    if (::close(fd) != 0 || injected != 0)
        throw fail(injected != 0 ? injected : errno);
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    if (checked("rename", path, [&] { return ::rename(from.constData(), to.constData()); }) != 0)
        throw fail(errno);
    syncFolder(QFileInfo(path).absolutePath());
}

bool isTemporaryFileOf(const QString &fileName, const QStringList &names)
{
    static const QRegularExpression suffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    static const QRegularExpression personsWord(QStringLiteral("^[a-z]{6}$"));
    for (const QString &name : names) {
        if (fileName.size() != name.size() + 7 || !fileName.startsWith(name + u'.'))
            continue;
        const QString tail = fileName.mid(name.size() + 1);
        if (suffix.match(tail).hasMatch() && !personsWord.match(tail).hasMatch())
            return true;
    }
    return false;
}

QString excerpt(const QString &text)
{
    constexpr qsizetype kMaxCharacters = 200;
    if (text.size() <= kMaxCharacters)
        return text;
    return text.left(kMaxCharacters) + QStringLiteral("… (%1 characters)").arg(text.size());
}

} // namespace TextFile

QString LineReader::next()
{
    if (m_next < m_lines.size())
        return m_lines[m_next++];
    ++m_next;
    return {};
}
