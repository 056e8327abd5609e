#pragma once

#include <QString>

// Starting the program at login, the freedesktop way: an autostart entry
// named by the application id in $XDG_CONFIG_HOME/autostart
// (~/.config/autostart) that runs the executable by its absolute path. The
// same entry is read and written, so the check mark always shows what the
// desktop will do; an entry "chronelle.desktop" left by an older version
// counts as well and is replaced or removed with it.
class Autostart final
{
public:
    // configHome empty: $XDG_CONFIG_HOME, or ~/.config when that is unset.
    explicit Autostart(QString executablePath, QString configHome = {});

    QString entryPath() const;
    QString legacyEntryPath() const;
    // The entry exists and the desktop will honour it.
    bool isEnabled() const;
    // Writes or removes the entry; throws AppError when that fails.
    void setEnabled(bool enabled);

    // The Exec line's program, quoted and escaped for a desktop entry.
    static QString quotedExec(const QString &path);

private:
    QString m_executablePath;
    QString m_configHome;
};
