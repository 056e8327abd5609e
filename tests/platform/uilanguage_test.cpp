// The user's language: the program's texts and Qt's own follow the first
// language the program is translated into, and English where the user puts
// English first or asks for a language the program doesn't have.

#include "uilanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

const QString kQmFolder = QStringLiteral(CHRONELLE_QM_FOLDER);

class UiLanguageTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (QTranslator *translator :
             QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    static QString managerAdd() { return QCoreApplication::translate("TFormAlarmList", "&Add"); }
    static QString qtCancel() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }
};

TEST_F(UiLanguageTest, TheFirstTranslatedLanguageWinsWithQtsOwnTexts)
{
    ASSERT_TRUE(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        << "Qt's translations are missing (package qt6-translations-l10n)";
    // A language without a translation is passed over, a region falls back
    // to its language.
    EXPECT_EQ(UiLanguage::install({QStringLiteral("xx-YY"), QStringLiteral("de-AT")}, kQmFolder), QStringLiteral("de"));
    EXPECT_EQ(managerAdd(), QStringLiteral("&Neu"));
    EXPECT_EQ(qtCancel(), QStringLiteral("Abbrechen"));
    // Texts the program keeps in English (the stored frequency names) are
    // shown translated.
    EXPECT_EQ(QCoreApplication::translate("Frequency", "Weekly"), QStringLiteral("Wöchentlich"));
}

TEST_F(UiLanguageTest, EnglishOrNoLanguageKeepsTheTextsAsWritten)
{
    const QList<QStringList> englishFirst{{QStringLiteral("en-US"), QStringLiteral("de-DE")},
                                          {QStringLiteral("en")},
                                          {QStringLiteral("C")},
                                          {QStringLiteral("xx")},
                                          {}};
    for (const QStringList &languages : englishFirst) {
        SCOPED_TRACE(languages.join(u',').toStdString());
        EXPECT_EQ(UiLanguage::install(languages, kQmFolder), QString());
        EXPECT_EQ(managerAdd(), QStringLiteral("&Add"));
        EXPECT_EQ(qtCancel(), QStringLiteral("Cancel"));
    }
}

TEST_F(UiLanguageTest, PluralsFollowTheCount)
{
    ASSERT_EQ(UiLanguage::install({QStringLiteral("de-DE")}, kQmFolder), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("ErrorBox", "(%n more lines)", nullptr, 1),
              QStringLiteral("(1 weitere Zeile)"));
    EXPECT_EQ(QCoreApplication::translate("ErrorBox", "(%n more lines)", nullptr, 7),
              QStringLiteral("(7 weitere Zeilen)"));
}

} // namespace
