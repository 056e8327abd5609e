#pragma once

#include <QString>
#include <QStringList>

// Puts the program's texts, and Qt's own (standard buttons, the command
// line's help), into the first of the user's languages that the program has a
// translation for. A language the user ranks above all translated ones, or
// English anywhere before them, keeps the texts as written in the code.
namespace UiLanguage {

// The folder of the program's translations, built into the executable.
inline const QString kProgramFolder = QStringLiteral(":/i18n");

// Installs the translators on the running application and returns the
// chosen language's file suffix ("de", "pt_BR"), or an empty string for
// English. uiLanguages are BCP 47 names, best first, as
// QLocale::uiLanguages() gives them.
QString install(const QStringList &uiLanguages, const QString &programFolder = kProgramFolder,
                const QString &qtFolder = QString());

} // namespace UiLanguage
