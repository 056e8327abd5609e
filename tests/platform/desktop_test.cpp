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

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(Autostart, EntryIsWrittenReadAndRemovedUnderOneName)
{
    QTemporaryDir config;
    const Autostart autostart(QStringLiteral("/opt/my apps/chronelle"), config.path());
    EXPECT_EQ(autostart.entryPath(), config.path() + QStringLiteral("/autostart/chronelle.desktop"));
    EXPECT_FALSE(autostart.isEnabled());

    Autostart writer(QStringLiteral("/opt/my apps/chronelle"), config.path());
    writer.setEnabled(true);
    EXPECT_TRUE(autostart.isEnabled());
    const QString entry = readText(autostart.entryPath());
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/opt/my apps/chronelle\"\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));

    writer.setEnabled(false);
    EXPECT_FALSE(autostart.isEnabled());
    EXPECT_FALSE(QFile::exists(autostart.entryPath()));
}

TEST(Autostart, DisabledEntriesAndSpecialCharacters)
{
    QTemporaryDir config;
    Autostart autostart(QStringLiteral("/x"), config.path());
    autostart.setEnabled(true);
    QFile file(autostart.entryPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("Hidden=true\n");
    file.close();
    EXPECT_FALSE(autostart.isEnabled()) << "an entry the desktop ignores was shown as on";

    EXPECT_EQ(Autostart::quotedExec(QStringLiteral("/a \"b\"/$c`d`/e\\f/100%")),
              QStringLiteral("\"/a \\\\\"b\\\\\"/\\\\$c\\\\`d\\\\`/e\\\\\\\\f/100%%\""));
}

TEST(Autostart, XdgConfigHomeIsHonouredAndFailuresAreReported)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const Autostart fromEnvironment(QStringLiteral("/x"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(fromEnvironment.entryPath(), config.path() + QStringLiteral("/autostart/chronelle.desktop"));

    // A file where the autostart folder should be makes every write fail.
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart blocked(QStringLiteral("/x"), config.path());
    EXPECT_THROW(blocked.setEnabled(true), AppError);
    EXPECT_FALSE(blocked.isEnabled());
}

TEST(HelpLauncher, ShowsTheStartPageOfTheBuiltHelp)
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
}

TEST(HelpLauncher, NamesAMissingHelpFile)
{
    try {
        HelpLauncher::showTopic(nullptr, QStringLiteral("/nowhere/help.qch"));
        FAIL() << "no error for a missing help file";
    } catch (const AppError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("/nowhere/help.qch"))) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QStringLiteral("missing")));
    }
}
