#include "apperror.h"
#include "autostart.h"
#include "helplauncher.h"
#include "qtprint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

// The login entry is a file another program (the session) executes: what it
// runs must be exactly the program, whatever characters its path holds.
TEST(Autostart, EntryRunsExactlyTheProgramAndIsRemovedAgain)
{
    QTemporaryDir config;
    const QString program = QStringLiteral("/opt/my \"apps\"/$HOME`id`/back\\slash/100%/chronelle");
    Autostart autostart(program, config.path());
    EXPECT_FALSE(autostart.isEnabled());

    autostart.setEnabled(true);
    EXPECT_TRUE(autostart.isEnabled());
    QFile entry(autostart.entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    entry.close();
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(
        QStringLiteral("Exec=\"/opt/my \\\\\"apps\\\\\"/\\\\$HOME\\\\`id\\\\`/back\\\\\\\\slash/100%%/chronelle\"\n")))
        << text.toStdString();

    // An entry the session ignores must not be shown as on.
    ASSERT_TRUE(entry.open(QIODevice::Append));
    entry.write("Hidden=true\n");
    entry.close();
    EXPECT_FALSE(autostart.isEnabled());

    autostart.setEnabled(false);
    EXPECT_FALSE(QFile::exists(autostart.entryPath()));

    // A file where the autostart folder should be makes the write fail loudly.
    QTemporaryDir blockedConfig;
    QFile blocker(blockedConfig.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart blocked(program, blockedConfig.path());
    EXPECT_THROW(blocked.setEnabled(true), AppError);
    EXPECT_FALSE(blocked.isEnabled());
}

TEST(Autostart, WithoutAFolderGivenTheEntryGoesUnderXdgConfigHome)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const Autostart autostart(QStringLiteral("/x"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(autostart.entryPath(), config.path() + QStringLiteral("/autostart/" CHRONELLE_APP_ID ".desktop"));
}

// An entry an older version wrote under the program's short name starts the
// program all the same: it shows as on, and is never left beside the new one.
TEST(Autostart, TheOlderEntryCountsAndIsReplacedOrRemoved)
{
    QTemporaryDir config;
    Autostart autostart(QStringLiteral("/usr/bin/chronelle"), config.path());
    for (const bool enable : {true, false}) {
        SCOPED_TRACE(enable);
        ASSERT_TRUE(QDir(config.path()).mkpath(QStringLiteral("autostart")));
        QFile legacy(autostart.legacyEntryPath());
        ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
        legacy.write("[Desktop Entry]\nType=Application\nExec=/usr/bin/chronelle\nIcon=chronelle\n");
        legacy.close();
        EXPECT_TRUE(autostart.isEnabled());

        autostart.setEnabled(enable);
        EXPECT_FALSE(QFile::exists(autostart.legacyEntryPath()));
        EXPECT_EQ(QFile::exists(autostart.entryPath()), enable);
        EXPECT_EQ(autostart.isEnabled(), enable);
        if (enable) {
            QFile entry(autostart.entryPath());
            ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
            EXPECT_TRUE(entry.readAll().contains("\nIcon=" CHRONELLE_APP_ID "\n"));
        }
    }
}

TEST(HelpLauncher, ShowsTheStartPageOrNamesTheMissingFile)
{
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    HelpLauncher::showTopic(nullptr, QStringLiteral(CHRONELLE_BIN_DIR "/help.qch"));
    QTextBrowser *window = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *browser = qobject_cast<QTextBrowser *>(widget); browser && browser->isVisible())
            window = browser;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->source().toString(), HelpLauncher::topicUrl());
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("Chronelle"))) << window->toPlainText().toStdString();
    window->close();

    try {
        HelpLauncher::showTopic(nullptr, QStringLiteral("/nowhere/help.qch"));
        ADD_FAILURE() << "no error for a missing help file";
    } catch (const AppError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("/nowhere/help.qch"))) << error.message().toStdString();
    }
}
