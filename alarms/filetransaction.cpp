#include "filetransaction.h"

#include "apperror.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

namespace {

const QString kReplace = QStringLiteral("replace ");
const QString kRemove = QStringLiteral("remove ");

AppError systemError(const QString &what, const QString &path, int error)
{
    return AppError(
        QStringLiteral("Could not %1 %2: %3").arg(what, TextFile::nativeName(path), TextFile::systemReason(error)));
}

void renameFile(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int injected = TextFile::faultFor("rename", to);
    if (injected != 0 || ::rename(source.constData(), target.constData()) != 0)
        throw systemError(QStringLiteral("replace"), to, injected != 0 ? injected : errno);
}

void removeFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int injected = TextFile::faultFor("unlink", path);
    if (injected != 0 || (::unlink(name.constData()) != 0 && errno != ENOENT))
        throw systemError(QStringLiteral("remove"), path, injected != 0 ? injected : errno);
}

} // namespace

FileTransaction::FileTransaction(QString folder, QString journalName)
    : m_folder(std::move(folder)), m_journalName(std::move(journalName))
{
    if (!m_folder.endsWith(u'/'))
        m_folder += u'/';
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
    // journal must not be replaced by this one's.
    const QString journal = m_folder + m_journalName;
    if (QFileInfo::exists(journal))
        recover(m_folder, m_journalName, {});

    QStringList journalLines;
    try {
        for (qsizetype i = 0; i < m_steps.size(); ++i) {
            const Step &step = m_steps[i];
            // What can be seen to stop a rename stops the change before it is made.
            const QFileInfo target(m_folder + step.name);
            if (step.replace && target.exists() && !target.isFile())
                throw systemError(QStringLiteral("save"), target.filePath(), EISDIR);
            if (step.replace)
                TextFile::writeAtomically(m_folder + stagedName(step.name), m_data[i], m_folder + step.name);
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
    try {
        apply(m_folder, m_journalName, m_steps);
    } catch (const AppError &error) {
        throw AppError(error.message() +
                       QStringLiteral(" The change is kept and will be completed at the next start."));
    }
}

void FileTransaction::apply(const QString &folder, const QString &journalName, const QList<Step> &steps)
{
    for (const Step &step : steps) {
        if (!step.replace)
            continue;
        const QString staged = folder + stagedName(step.name);
        // Renamed already before the program was cut off.
        if (QFileInfo::exists(staged))
            renameFile(staged, folder + step.name);
    }
    for (const Step &step : steps) {
        if (!step.replace)
            removeFile(folder + step.name);
    }
    TextFile::syncFolder(folder);
    removeFile(folder + journalName);
}

void FileTransaction::recover(const QString &folderPath, const QString &journalName, const QStringList &names)
{
    QString folder = folderPath;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    const QString journal = folder + journalName;
    if (QFileInfo::exists(journal)) {
        const QStringList lines = TextFile::readLines(journal, {64 * 1024, 1024});
        QList<Step> steps;
        for (const QString &line : lines) {
            const bool replace = line.startsWith(kReplace);
            const QString name = line.mid((replace ? kReplace : kRemove).size());
            // Only plain file names of this folder: a journal never sends a change elsewhere.
            if ((!replace && !line.startsWith(kRemove)) || name.isEmpty() || name.contains(u'/') || name == u".." ||
                name == u".") {
                throw AppError(QStringLiteral("The change journal %1 can't be read (\"%2\"); it is left as it is.")
                                   .arg(TextFile::nativeName(journal), TextFile::excerpt(line)));
            }
            steps.append({replace, name});
        }
        apply(folder, journalName, steps);
    }

    QStringList temporaryOf = names;
    for (const QString &name : names)
        temporaryOf << stagedName(name);
    temporaryOf << journalName;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        // Staged files without a journal belong to a change that never happened.
        const bool staged = entry.endsWith(QStringLiteral(".new")) && names.contains(entry.chopped(4));
        if (staged || TextFile::isTemporaryFileOf(entry, temporaryOf))
            QFile::remove(folder + entry);
    }
}
