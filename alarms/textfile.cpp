#include "textfile.h"

#include "apperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
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

// No half of a surrogate pair stands alone: such text can't be written in
// UTF-8, and would come back changed.
bool isWholeText(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

// The text of a file, in the encoding it names by its byte-order mark, in
// UTF-8, or else in Windows-1252; `encoding` names it unless it is UTF-8
// without a mark.
QString decodeText(const QByteArray &data, QString &encoding)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(data)) {
        encoding = *marked == QStringConverter::Utf8
                       ? QCoreApplication::translate("TextFile", "UTF-8 with a byte-order mark")
                       : QString::fromLatin1(QStringConverter::nameForEncoding(*marked));
        // The mark itself is no part of the text.
        QStringDecoder decoder(*marked, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(data);
        const qsizetype unitBytes =
            *marked == QStringConverter::Utf8
                ? 1
                : (*marked == QStringConverter::Utf32LE || *marked == QStringConverter::Utf32BE ? 4 : 2);
        if (decoder.hasError() || data.size() % unitBytes != 0 || !isWholeText(text))
            throw AppError(QCoreApplication::translate(
                               "TextFile", "the file starts with the byte-order mark of %1 but is not valid %1")
                               .arg(QString::fromLatin1(QStringConverter::nameForEncoding(*marked))));
        return text;
    }
    if (isValidUtf8(data))
        return QString::fromUtf8(data);
    encoding = QStringLiteral("Windows-1252");
    return fromWindows1252(data.constData(), data.size());
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("TextFile", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("TextFile", "a named pipe (FIFO)");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("TextFile", "a character device");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("TextFile", "a block device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("TextFile", "a socket");
    return QCoreApplication::translate("TextFile", "a special file");
}

AppError notAFile(const QString &path, const QString &what)
{
    return AppError(QCoreApplication::translate("TextFile", "%1 is not a file but %2; it is not read.")
                        .arg(nativeName(path), what));
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

// A new, empty temporary file beside path: with `mode` (less the umask)
// when given, else with the permissions the file has now (or the usual ones
// for a new file).
int createTemporary(const QString &path, QString &temporary, std::optional<mode_t> mode)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    struct stat existing = {};
    const QByteArray encodedPath = QFile::encodeName(path);
    const bool hasMode = !mode && ::stat(encodedPath.constData(), &existing) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
        temporary = path + u'.' + suffix;
        if (!isTemporaryFileOf(QFileInfo(temporary).fileName(), {QFileInfo(path).fileName()}))
            continue;
        const QByteArray name = QFile::encodeName(temporary);
        const int fd = checked("open", temporary, [&] {
            return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode.value_or(0666));
        });
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

QString whatIsNotAFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry = {};
    // Nothing there, or something in the way that opening it names itself.
    if (::lstat(name.constData(), &entry) != 0)
        return {};
    if (!S_ISLNK(entry.st_mode))
        return S_ISREG(entry.st_mode) ? QString() : kindOf(entry.st_mode);
    const QString target = nativeName(QFile::symLinkTarget(path));
    struct stat followed = {};
    if (::stat(name.constData(), &followed) != 0) {
        if (errno == ELOOP)
            return QCoreApplication::translate("TextFile", "a symbolic link that leads round in a loop");
        if (errno == ENOENT)
            return QCoreApplication::translate("TextFile", "a symbolic link to %1, which does not exist").arg(target);
        return QCoreApplication::translate("TextFile", "a symbolic link to %1, which can't be reached (%2)")
            .arg(target, systemReason(errno));
    }
    if (S_ISREG(followed.st_mode))
        return {};
    return QCoreApplication::translate("TextFile", "a symbolic link to %1, which is %2")
        .arg(target, kindOf(followed.st_mode));
}

void checkReplaceable(const QString &path, const QString &shownPath)
{
    if (const QString what = whatIsNotAFile(path); !what.isEmpty()) {
        throw AppError(
            QCoreApplication::translate("TextFile", "Could not save %1: it is not a file but %2, and is left as it is.")
                .arg(nativeName(shownPath.isEmpty() ? path : shownPath), what));
    }
}

bool isAbsent(const QString &path)
{
    struct stat entry = {};
    // A file where a folder of the path should be leaves no room for anything.
    return ::lstat(QFile::encodeName(path).constData(), &entry) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

QString fileBehind(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

QByteArray readBytes(const QString &path, qint64 maxBytes)
{
    if (const QString what = whatIsNotAFile(path); !what.isEmpty())
        throw notAFile(path, what);
    const QByteArray name = QFile::encodeName(path);
    // Without blocking: a named pipe put there since the look above would
    // otherwise wait for a writer for ever. It is refused below.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw AppError(QCoreApplication::translate("TextFile", "Could not open %1: %2")
                           .arg(nativeName(path), systemReason(errno)));
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0)
        throw AppError(QCoreApplication::translate("TextFile", "Could not read %1: %2")
                           .arg(nativeName(path), systemReason(errno)));
    if (!S_ISREG(opened.st_mode))
        throw notAFile(path, kindOf(opened.st_mode));
    // Said before anything is read, so a huge file costs neither time nor memory.
    const auto tooLarge = [&]() {
        return AppError(
            QCoreApplication::translate("TextFile", "%1 is larger than the %2 bytes it may hold; it is not read.")
                .arg(nativeName(path), QString::number(maxBytes)));
    };
    if (opened.st_size > maxBytes)
        throw tooLarge();
    QByteArray data(qsizetype(opened.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        // The file may have grown since: one byte past the bound tells.
        if (got == data.size()) {
            if (got > maxBytes)
                throw tooLarge();
            data.resize(qMin<qint64>(maxBytes + 1, qint64(got) * 2 + 4096));
        }
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw AppError(QCoreApplication::translate("TextFile", "Could not read %1: %2")
                               .arg(nativeName(path), systemReason(errno)));
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes)
        throw tooLarge();
    data.truncate(got);
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
    QString encoding;
    const QString text = decodeText(data, encoding);
    if (info)
        info->encoding = encoding;
    QStringList lines;
    qint64 characters = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text[stop - 1] == u'\r')
            --stop;
        const qsizetype length = stop - start;
        if (length > limits.maxLineCharacters) {
            throw AppError(QCoreApplication::translate("TextFile", "line %1 is longer than %2 characters")
                               .arg(QString::number(lines.size() + 1), QString::number(limits.maxLineCharacters)));
        }
        characters += length + 2;
        if (characters > limits.maxCharacters + 2) {
            throw AppError(QCoreApplication::translate(
                               "TextFile", "the file is larger than the %1 characters it may hold; it is not read")
                               .arg(limits.maxCharacters));
        }
        lines << text.mid(start, length);
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

namespace {

// Replaces the file at path as writeAtomically says; a new file gets `mode`
// when given.
void replaceWhole(const QString &path, const QByteArray &data, const QString &shownPath, std::optional<mode_t> mode)
{
    checkReplaceable(path, shownPath);
    const QString shown = nativeName(shownPath.isEmpty() ? path : shownPath);
    const QString target = fileBehind(path);
    // A file that was never there is not "left as it was": what failed is its making, in its folder.
    const bool existed = !isAbsent(shownPath.isEmpty() ? path : shownPath);
    QString temporary;
    const auto fail = [&](int error) {
        if (!temporary.isEmpty())
            ::unlink(QFile::encodeName(temporary).constData());
        if (!existed) {
            return AppError(QCoreApplication::translate("TextFile", "Could not make the new file %1: %2.")
                                .arg(shown, systemReason(error)));
        }
        return AppError(QCoreApplication::translate("TextFile", "Could not save %1: %2. The file is left as it was.")
                            .arg(shown, systemReason(error)));
    };
    const int fd = createTemporary(target, temporary, mode);
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
    const QByteArray to = QFile::encodeName(target);
    if (checked("rename", target, [&] { return ::rename(from.constData(), to.constData()); }) != 0)
        throw fail(errno);
    syncFolder(QFileInfo(target).absolutePath());
}

} // namespace

void writeAtomically(const QString &path, const QByteArray &data, const QString &shownPath)
{
    replaceWhole(path, data, shownPath, std::nullopt);
}

QString keepCopy(const QString &path, const QString &copyPath)
{
    if (const QString what = whatIsNotAFile(path); !what.isEmpty())
        return QCoreApplication::translate("TextFile", "it is not a file but %1").arg(what);
    // What the folder's own files may be: its read and write bits, less the umask.
    struct stat folder = {};
    const QString folderPath = QFileInfo(copyPath).absolutePath();
    const mode_t mode =
        ::stat(QFile::encodeName(folderPath).constData(), &folder) == 0 ? (folder.st_mode & 0666) : 0600;
    // A copy of a file this program reads fits in memory many times over.
    constexpr qint64 kLargestCopied = 64 * 1024 * 1024;
    QByteArray data;
    bool read = false;
    try {
        data = readBytes(path, kLargestCopied);
        read = true;
    } catch (const AppError &) {
        // Kept by its name instead, below.
    }
    if (read) {
        try {
            replaceWhole(copyPath, data, {}, mode);
            return {};
        } catch (const AppError &error) {
            return error.message();
        }
    }
    const QByteArray from = QFile::encodeName(path);
    const QByteArray to = QFile::encodeName(copyPath);
    if (checked("rename", copyPath, [&] { return ::rename(from.constData(), to.constData()); }) != 0)
        return systemReason(errno);
    syncFolder(folderPath);
    return {};
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
