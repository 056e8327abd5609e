#include "autostart.h"

#include "apperror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

Autostart::Autostart(QString executablePath, QString configHome)
    : m_executablePath(std::move(executablePath)), m_configHome(std::move(configHome))
{
    if (m_configHome.isEmpty())
        m_configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (m_configHome.isEmpty())
        m_configHome = QDir::homePath() + QStringLiteral("/.config");
}

QString Autostart::entryPath() const
{
    return m_configHome + QStringLiteral("/autostart/" CHRONELLE_APP_ID ".desktop");
}

QString Autostart::legacyEntryPath() const
{
    return m_configHome + QStringLiteral("/autostart/chronelle.desktop");
}

namespace {

// The entry exists and the desktop will honour it.
bool honoured(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    try {
        for (const QString &line : TextFile::readLines(path)) {
            const QString trimmed = line.trimmed();
            if (trimmed == QStringLiteral("Hidden=true") ||
                trimmed == QStringLiteral("X-GNOME-Autostart-enabled=false"))
                return false;
        }
    } catch (const AppError &) {
        return false;
    }
    return true;
}

void removeEntry(const QString &path)
{
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw AppError(
            QCoreApplication::translate("Autostart", "Could not remove %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace

bool Autostart::isEnabled() const
{
    return honoured(entryPath()) || honoured(legacyEntryPath());
}

QString Autostart::quotedExec(const QString &path)
{
    // Inside quotes the Exec syntax wants ", `, $ and \ escaped with a
    // backslash, and the desktop file's string syntax doubles every backslash again.
    QString escaped;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$')
            escaped += QStringLiteral("\\\\") + c;
        else if (c == u'\\')
            escaped += QStringLiteral("\\\\\\\\");
        else if (c == u'%')
            escaped += QStringLiteral("%%");
        else
            escaped += c;
    }
    return u'"' + escaped + u'"';
}

void Autostart::setEnabled(bool enabled)
{
    const QString path = entryPath();
    // Two entries would start two copies at login.
    removeEntry(legacyEntryPath());
    if (!enabled) {
        removeEntry(path);
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw AppError(QCoreApplication::translate("Autostart", "Could not create the folder %1.")
                           .arg(QDir::toNativeSeparators(folder)));
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Chronelle"),
        QStringLiteral("Comment=Alarm clock"),
        QStringLiteral("Exec=") + quotedExec(QFileInfo(m_executablePath).absoluteFilePath()),
        QStringLiteral("Icon=" CHRONELLE_APP_ID),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    QByteArray data;
    for (const QString &line : lines)
        data += line.toUtf8() + '\n';
    TextFile::writeAtomically(path, data);
}
