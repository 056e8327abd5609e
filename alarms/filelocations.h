#pragma once

#include <QString>

// Where the program's files live, in two roles. The data folder holds what
// the user makes: the alarm list, one file per alarm, the editor's working
// copy and the clock's settings. The resource folder holds what comes with
// the program: the built-in sounds and the help. A copy run from a folder it
// may write to keeps both beside its executable (a portable copy); an
// installed copy reads its resources from its share folder and keeps each
// user's data in that user's own data folder. Every path the program uses is
// asked of this object; nothing else builds one from the executable's folder.
class FileLocations final
{
public:
    // The name of the file an install puts into its share folder, so that
    // even a copy installed into a writable prefix keeps its data per user.
    static const QString kInstalledMarker;

    // Both roles in one folder, as a portable copy has them.
    explicit FileLocations(const QString &folder);
    FileLocations(const QString &dataFolder, const QString &resourceFolder, bool installed);

    // The locations of the program whose executable lies in executableFolder.
    // installedResources: where an install puts the resources, relative to the
    // executable's folder. Installed when the marker is found there or the
    // executable's folder can't be written; then the data folder is the
    // user's application data location (the application name must be set).
    static FileLocations forProgram(const QString &executableFolder, const QString &installedResources);

    bool isInstalled() const { return m_installed; }
    // Both end with a '/'.
    const QString &dataFolder() const { return m_dataFolder; }
    const QString &resourceFolder() const { return m_resourceFolder; }

    // A file of the data folder, by name: "al.ini", "3.ini", "alarm.ini".
    QString dataFile(const QString &name) const { return m_dataFolder + name; }
    QString catalogue() const;
    // The editor's working copy, "alarm.ini".
    QString workingCopy() const;
    // Which alarms are off, skipped or paused, "alstate.ini".
    QString alarmStates() const;
    QString clockSettings() const;
    // A built-in sound, by its file name.
    QString sound(const QString &fileName) const;
    QString helpFile() const;

    // Creates the data folder when it is missing, readable by its owner only
    // (it holds the user's alarms), and checks that files can be written in
    // it. Returns why the data folder can't be used, or empty.
    QString prepareDataFolder() const;
    // Why no file can be written in the data folder now, or empty.
    QString dataFolderProblem() const;

private:
    QString m_dataFolder;
    QString m_resourceFolder;
    bool m_installed = false;
};
