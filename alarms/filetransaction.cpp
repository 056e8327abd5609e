#include "filetransaction.h"

#include "apperror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kReplace = QStringLiteral("replace ");
const QString kRemove = QStringLiteral("remove ");

// message: "Could not ... %1: %2", with the file and the system's reason.
AppError systemError(const QString &message, const QString &path, int error)
{
    return AppError(message.arg(TextFile::nativeName(path), TextFile::systemReason(error)));
}

void renameFile(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int injected = TextFile::faultFor("rename", to);
    if (injected != 0 || ::rename(source.constData(), target.constData()) != 0)
        throw systemError(QCoreApplication::translate("FileTransaction", "Could not replace %1: %2"), to,
                          injected != 0 ? injected : errno);
}

void removeFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int injected = TextFile::faultFor("unlink", path);
    if (injected != 0 || (::unlink(name.constData()) != 0 && errno != ENOENT))
        throw systemError(QCoreApplication::translate("FileTransaction", "Could not remove %1: %2"), path,
                          injected != 0 ? injected : errno);
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

bool onOneFileSystem(const QString &a, const QString &b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev;
}

// A folder itself, not a symbolic link to one: unlink() can't remove it.
bool isFolder(const QString &path)
{
    struct stat entry = {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISDIR(entry.st_mode);
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != u".." && name != u".";
}

} // namespace

FileTransaction::FileTransaction(QString folder, QString journalName, Scope scope)
    : m_folder(withSlash(folder)), m_journalName(std::move(journalName)), m_scope(std::move(scope))
{
}

void FileTransaction::replace(const QString &name, const QByteArray &data)
{
    m_steps.append({true, name});
    m_data.append(data);
}

void FileTransaction::remove(const QString &name)
{
    m_steps.append({false, name});
    m_data.append(QByteArray());
}

void FileTransaction::commit()
{
    // A change whose last steps failed earlier is finished first: its
    // journal must not be replaced by this one's. One that can't be
    // followed is moved aside, and this change goes ahead.
    const QString journal = m_folder + m_journalName;
    const QString earlier = finishJournal(m_folder, m_journalName, m_scope);

    QStringList journalLines;
    try {
        for (qsizetype i = 0; i < m_steps.size(); ++i) {
            const Step &step = m_steps[i];
            const QString target = m_folder + step.name;
            // What can be seen to stop a rename stops the change before it is made.
            if (step.replace) {
                TextFile::checkReplaceable(target);
                // A symbolic link stays one: the file it leads to is replaced,
                // which a rename can do only on the folder's own file system.
                const QString behind = TextFile::fileBehind(target);
                if (behind != target && !onOneFileSystem(m_folder, behind)) {
                    throw AppError(
                        QCoreApplication::translate("FileTransaction",
                                                    "Could not save %1: it is a symbolic link to %2, on another file "
                                                    "system, where it can't be replaced in one step. The file is left "
                                                    "as it was.")
                            .arg(TextFile::nativeName(target), TextFile::nativeName(behind)));
                }
                TextFile::writeAtomically(m_folder + stagedName(step.name), m_data[i], target);
            } else if (isFolder(target)) {
                // A removal that can't be done would leave a journal that
                // blocks every later change.
                throw AppError(
                    QCoreApplication::translate(
                        "FileTransaction", "Could not remove %1: it is a folder, not a file, and is left as it is.")
                        .arg(TextFile::nativeName(target)));
            }
            journalLines << (step.replace ? kReplace : kRemove) + step.name;
        }
        TextFile::writeAtomically(journal, TextFile::encodeLines(journalLines));
    } catch (const AppError &) {
        for (const Step &step : std::as_const(m_steps)) {
            if (step.replace)
                QFile::remove(m_folder + stagedName(step.name));
        }
        throw;
    }
    // From here on the change has happened; what fails now is finished at the next start.
    m_committed = true;
    QString unfinished;
    try {
        apply(m_folder, m_journalName, m_steps);
    } catch (const AppError &error) {
        unfinished = error.message() +
                     QCoreApplication::translate("FileTransaction",
                                                 " The change is kept and will be completed at the next start.");
    }
    const QStringList told = QStringList{earlier, unfinished}.filter(QRegularExpression(QStringLiteral(".")));
    if (!told.isEmpty())
        throw AppError(told.join(QStringLiteral("\n\n")));
}

void FileTransaction::apply(const QString &folder, const QString &journalName, const QList<Step> &steps)
{
    QStringList folders{folder};
    for (const Step &step : steps) {
        if (!step.replace)
            continue;
        const QString staged = folder + stagedName(step.name);
        // Renamed already before the program was cut off.
        if (QFileInfo::exists(staged)) {
            const QString target = TextFile::fileBehind(folder + step.name);
            renameFile(staged, target);
            folders << QFileInfo(target).absolutePath();
        }
    }
    for (const Step &step : steps) {
        if (!step.replace)
            removeFile(folder + step.name);
    }
    folders.removeDuplicates();
    for (const QString &changed : std::as_const(folders))
        TextFile::syncFolder(changed);
    removeFile(folder + journalName);
}

QString FileTransaction::finishJournal(const QString &folder, const QString &journalName, const Scope &scope)
{
    const QString journal = folder + journalName;
    if (TextFile::isAbsent(journal))
        return {};
    QList<Step> steps;
    QString problem;
    try {
        const QStringList lines = TextFile::readLines(journal, {64 * 1024, 1024});
        for (qsizetype i = 0; i < lines.size() && problem.isEmpty(); ++i) {
            const QString &line = lines[i];
            const bool replace = line.startsWith(kReplace);
            const QString name = line.mid((replace ? kReplace : kRemove).size());
            // Only what a change may touch: never a file elsewhere, never one
            // outside the scope, and a removal only of what may be removed.
            const bool known =
                replace ? scope.files.contains(name) : line.startsWith(kRemove) && scope.removable.contains(name);
            if (!isPlainName(name) || !known) {
                problem = QCoreApplication::translate("FileTransaction", "line %1 says \"%2\", which no change may do")
                              .arg(QString::number(i + 1), TextFile::excerpt(line));
            }
            steps.append({replace, name});
        }
    } catch (const AppError &error) {
        problem = error.message();
    }
    if (problem.isEmpty()) {
        apply(folder, journalName, steps);
        return {};
    }
    const QString aside = journal + QStringLiteral(".bak");
    const QByteArray from = QFile::encodeName(journal);
    const QByteArray to = QFile::encodeName(aside);
    if (::rename(from.constData(), to.constData()) != 0) {
        throw AppError(
            QCoreApplication::translate("FileTransaction",
                                        "The change journal %1 can't be followed: %2. It could not be moved aside as "
                                        "%3 either (%4). Until it is removed, no alarm can be added, changed or "
                                        "deleted.")
                .arg(TextFile::nativeName(journal), problem, TextFile::nativeName(aside),
                     TextFile::systemReason(errno)));
    }
    TextFile::syncFolder(folder);
    return QCoreApplication::translate(
               "FileTransaction", "The change journal %1 can't be followed: %2. Nothing in it was done, and it is "
                                  "kept as %3. The alarms are as they were before the change it names (or after it, "
                                  "if that was complete). Check your alarms; %3 can then be deleted.")
        .arg(TextFile::nativeName(journal), problem, TextFile::nativeName(aside));
}

void FileTransaction::recover(const QString &folderPath, const QString &journalName, const QStringList &names)
{
    recover(folderPath, journalName, Scope{names, names});
}

void FileTransaction::recover(const QString &folderPath, const QString &journalName, const Scope &scope)
{
    const QString folder = withSlash(folderPath);
    const QString setAsideMessage = finishJournal(folder, journalName, scope);

    QStringList temporaryOf = scope.files;
    for (const QString &name : scope.files)
        temporaryOf << stagedName(name);
    temporaryOf << journalName;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        // Staged files without a journal belong to a change that never happened.
        const bool staged = entry.endsWith(QStringLiteral(".new")) && scope.files.contains(entry.chopped(4));
        if (staged || TextFile::isTemporaryFileOf(entry, temporaryOf))
            QFile::remove(folder + entry);
    }
    if (!setAsideMessage.isEmpty())
        throw AppError(setAsideMessage);
}
