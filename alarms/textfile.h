#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The program's data files: lines ended by CR LF, written in UTF-8. Reading
// accepts LF alone as well, reads a file that starts with a byte-order mark
// (UTF-16 or UTF-32 from an editor, or UTF-8 with one) in that encoding, and
// takes a file that is not valid UTF-8 (one written in an 8-bit code page on
// another system) as Windows-1252, so that every character survives the next
// save. Only regular files are read or replaced, and nothing ever waits on
// a named pipe or a device put where a file should be. Writing always
// replaces a file as a whole: a crash, a kill or a full disk leaves the old
// file or the new one, never a short one.
namespace TextFile {

// What a reader accepts; a larger file or a longer line is refused with a
// message. Counted in characters, so that a file read in Windows-1252 (one
// byte a character) and saved in UTF-8 (up to three) is still accepted when
// it is read again; the bytes read are bounded by maxBytes().
struct Limits
{
    qint64 maxCharacters = 1024 * 1024;
    qsizetype maxLineCharacters = 4096;

    // No character takes more than four bytes in UTF-8.
    qint64 maxBytes() const { return 4 * maxCharacters; }
};

// What reading found besides the lines.
struct ReadInfo
{
    // The encoding the file was read in when it is not the UTF-8 without a
    // byte-order mark that the program writes: "Windows-1252" for a file that
    // is not valid UTF-8, or the encoding its byte-order mark names
    // ("UTF-16LE", "UTF-8 with a byte-order mark"). Empty otherwise.
    QString encoding;
};

// The lines of a file; a final line break gives no extra empty line.
// Throws AppError when the file can't be opened or read, or breaks the limits.
QStringList readLines(const QString &path, const Limits &limits = {}, ReadInfo *info = nullptr);

// The bytes of a file, refused like readLines when there are more than maxBytes.
// Throws AppError naming what lies there instead when the path is not a
// regular file (or a symbolic link to one); never waits for a writer.
QByteArray readBytes(const QString &path, qint64 maxBytes);

// Splits file contents into lines the same way.
QStringList decodeLines(const QByteArray &data, const Limits &limits = {}, ReadInfo *info = nullptr);

// Joins lines with CR LF after each one.
QByteArray encodeLines(const QStringList &lines);

// Replaces the file at path with data: written to a temporary file beside
// it, every write checked, synced to the disk, then renamed over the old one
// and the folder synced. Throws AppError naming the file and the system's
// reason ("No space left on device") on any failure; the old file is then
// untouched and the temporary file is gone.
// A message names shownPath when given (the file a staged copy stands for).
// A symbolic link at path stays one: the file it leads to is replaced. What
// is neither a regular file nor nothing at all (a named pipe, a folder, a
// link that leads nowhere) is never replaced: AppError says what it is.
void writeAtomically(const QString &path, const QByteArray &data, const QString &shownPath = {});

// What lies at a path instead of a file the program may read or replace as a
// whole: "a named pipe (FIFO)", "a folder", "a symbolic link to /x, which
// does not exist". Empty for a regular file, a symbolic link to one, and a
// path where nothing is at all.
QString whatIsNotAFile(const QString &path);

// Throws the AppError of writeAtomically when what is at path may not be
// replaced (see whatIsNotAFile).
void checkReplaceable(const QString &path, const QString &shownPath = {});

// Nothing is at the path, not even a symbolic link that leads nowhere (nor
// can be: a folder of the path is a file).
bool isAbsent(const QString &path);

// The file a save at path replaces: where a symbolic link at it leads, or
// the path itself.
QString fileBehind(const QString &path);

// Keeps a copy of the regular file at path as copyPath (replacing an older
// copy), before something that can't be undone: a copy that can't be made
// would otherwise be a lie in a message. The copy is a regular file that
// only those may read who may read the folder's files (0600 in a private
// folder), whatever the original's permissions. A regular file too large to
// copy in memory, or one that can't be read, is moved there instead, whole.
// Returns why no copy could be kept (the path is no regular file, or the
// system's reason), or empty.
QString keepCopy(const QString &path, const QString &copyPath);

// Whether a file name is one of writeAtomically's temporary files for one of
// the given names ("al.ini.Xy3k9Q" for "al.ini"). A six-letter lower-case
// suffix is a name a person would choose ("al.ini.backup") and never counts.
bool isTemporaryFileOf(const QString &fileName, const QStringList &names);

// The first characters of a text taken from a file, for a message: a line of
// a megabyte must not make a box taller than the screen.
QString excerpt(const QString &text);

// A path as the system writes it, for a message.
QString nativeName(const QString &path);

// The system's own words for an errno value ("No space left on device").
QString systemReason(int error);

// Syncs a folder's entries to the disk, so that a rename in it survives a
// power cut. Some file systems can't sync a folder; that is not an error.
void syncFolder(const QString &folder);

// Test seam: called before every file-system call of the save path with the
// call's name ("open", "write", "fsync", "rename", "unlink", ...) and the path
// it acts on. A non-zero return makes the call fail with that errno; the hook
// may also throw to stand for the program being killed at that point.
using FaultHook = std::function<int(const char *call, const QString &path)>;
void setFaultHook(FaultHook hook);
// Runs the hook, if any, for a call; returns the errno to fail with, or 0.
int faultFor(const char *call, const QString &path);

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
    qsizetype lineCount() const { return m_lines.size(); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};
