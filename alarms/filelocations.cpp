#include "filelocations.h"

#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString withSlash(const QString &folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

// Asked of the system itself, so that a read-only mount counts as well as
// the folder's permissions.
bool canWriteIn(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString unusable(const QString &folder, const QString &reason)
{
    return QCoreApplication::translate("FileLocations", "Chronelle cannot keep its files in %1: %2.")
        .arg(TextFile::nativeName(QDir::cleanPath(folder)), reason);
}

} // namespace

const QString FileLocations::kInstalledMarker = QStringLiteral("installed");

FileLocations::FileLocations(const QString &folder) : FileLocations(folder, folder, false) {}

FileLocations::FileLocations(const QString &dataFolder, const QString &resourceFolder, bool installed)
    : m_dataFolder(withSlash(dataFolder)), m_resourceFolder(withSlash(resourceFolder)), m_installed(installed)
{
}

FileLocations FileLocations::forProgram(const QString &executableFolder, const QString &installedResources)
{
    const QString shareFolder = QDir(executableFolder).filePath(installedResources);
    const bool marked = QFileInfo(QDir(shareFolder).filePath(kInstalledMarker)).isFile();
    if (!marked && canWriteIn(executableFolder))
        return FileLocations(executableFolder);
    // A copy that can't write beside itself (a read-only medium, a system
    // folder) still has its resources there unless it was installed.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return FileLocations(userData, marked ? shareFolder : executableFolder, true);
}

QString FileLocations::catalogue() const
{
    return dataFile(QStringLiteral("al.ini"));
}

QString FileLocations::workingCopy() const
{
    return dataFile(QStringLiteral("alarm.ini"));
}

QString FileLocations::alarmStates() const
{
    return dataFile(QStringLiteral("alstate.ini"));
}

QString FileLocations::clockSettings() const
{
    return dataFile(QStringLiteral("LCD.ini"));
}

QString FileLocations::sound(const QString &fileName) const
{
    return m_resourceFolder + QStringLiteral("sounds/") + fileName;
}

QString FileLocations::helpFile() const
{
    return m_resourceFolder + QStringLiteral("help.qch");
}

QString FileLocations::prepareDataFolder() const
{
    // Every missing level is made private, as the base directory rules ask
    // for a data home that did not exist.
    QStringList missing;
    QString existing = QDir::cleanPath(m_dataFolder);
    while (!QFileInfo::exists(existing) && existing != QStringLiteral("/")) {
        missing.prepend(existing);
        existing = QFileInfo(existing).path();
    }
    for (const QString &folder : missing) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
            return unusable(m_dataFolder, TextFile::systemReason(errno));
    }
    return dataFolderProblem();
}

QString FileLocations::dataFolderProblem() const
{
    struct stat folder
    {
    };
    if (::stat(QFile::encodeName(m_dataFolder).constData(), &folder) != 0)
        return unusable(m_dataFolder, TextFile::systemReason(errno));
    if (!S_ISDIR(folder.st_mode))
        return unusable(m_dataFolder, TextFile::systemReason(ENOTDIR));
    if (!canWriteIn(m_dataFolder))
        return unusable(m_dataFolder, TextFile::systemReason(errno));
    return {};
}
