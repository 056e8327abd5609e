// The user's language: the program's texts and Qt's own follow the first
// language the program is translated into, and English where the user puts
// English first or asks for a language the program doesn't have.

#include "cataloguerow.h"
#include "uilanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
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
    EXPECT_EQ(CatalogueRow::shownText(QStringLiteral("15:00 of every hour")), QStringLiteral("15:00 jede Stunde"));
    EXPECT_EQ(CatalogueRow::shownText(QStringLiteral("31 of every month")), QStringLiteral("31. jedes Monats"));
    EXPECT_EQ(CatalogueRow::shownText(QStringLiteral("07:30:00 AM")), QStringLiteral("07:30:00 AM"));
}

// Languages named with their region or script, as Qt reports a system set
// to Brazilian Portuguese or Simplified Chinese, find their own file.
TEST_F(UiLanguageTest, ARegionalLanguageFindsItsOwnTranslation)
{
    EXPECT_EQ(UiLanguage::install(QLocale(QStringLiteral("pt_BR")).uiLanguages(), kQmFolder), QStringLiteral("pt_BR"));
    EXPECT_EQ(managerAdd(), QStringLiteral("&Novo"));
    TearDown();
    EXPECT_EQ(UiLanguage::install(QLocale(QStringLiteral("zh_CN")).uiLanguages(), kQmFolder), QStringLiteral("zh_CN"));
    EXPECT_EQ(qtCancel(), QStringLiteral("取消"));
    TearDown();
    // Portuguese from Portugal has no file of its own: English, not Brazil's.
    EXPECT_EQ(UiLanguage::install(QLocale(QStringLiteral("pt_PT")).uiLanguages(), kQmFolder), QString());
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
    TearDown();
    // Three forms in Russian: one, few, many.
    ASSERT_EQ(UiLanguage::install({QStringLiteral("ru-RU")}, kQmFolder), QStringLiteral("ru"));
    QStringList lines;
    for (int count : {1, 3, 5, 21})
        lines << QCoreApplication::translate("ErrorBox", "(%n more lines)", nullptr, count);
    EXPECT_EQ(lines, QStringList({QStringLiteral("(ещё 1 строка)"), QStringLiteral("(ещё 3 строки)"),
                                  QStringLiteral("(ещё 5 строк)"), QStringLiteral("(ещё 21 строка)")}));
}

} // namespace
