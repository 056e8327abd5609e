#include "uilanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace UiLanguage {

namespace {

// The file names a language may have, most specific first: "pt-BR" is
// "pt_BR", then "pt".
QStringList suffixesOf(const QString &uiLanguage)
{
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    QStringList suffixes{name};
    while (name.contains(u'_')) {
        name.truncate(name.lastIndexOf(u'_'));
        suffixes << name;
    }
    return suffixes;
}

bool installFrom(const QString &folder, const QString &base, const QString &suffix)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(base + u'_' + suffix, folder))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

QString install(const QStringList &uiLanguages, const QString &programFolder, const QString &qtFolder)
{
    for (const QString &uiLanguage : uiLanguages) {
        // The texts in the code are English: a user who reads English first
        // gets them as they stand.
        if (QLocale(uiLanguage).language() == QLocale::English)
            return QString();
        for (const QString &suffix : suffixesOf(uiLanguage)) {
            if (!QFileInfo::exists(programFolder + QStringLiteral("/chronelle_") + suffix + QStringLiteral(".qm")))
                continue;
            if (!installFrom(programFolder, QStringLiteral("chronelle"), suffix))
                continue;
            // Qt's own texts in the same language, as specific as it has them.
            const QString qt = qtFolder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtFolder;
            for (const QString &qtSuffix : suffixesOf(uiLanguage)) {
                if (installFrom(qt, QStringLiteral("qtbase"), qtSuffix))
                    break;
            }
            return suffix;
        }
    }
    return QString();
}

} // namespace UiLanguage
