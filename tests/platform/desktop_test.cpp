#include "apperror.h"
#include "autostart.h"
#include "helplauncher.h"
#include "instanceguard.h"
#include "qtprint.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
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

namespace {
// The viewer keeps its index for the whole run, as the program does.
void useHelpCache()
{
    static QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
}

QWidget *helpWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"HelpWindow" && widget->isVisible())
            return widget;
    }
    return nullptr;
}
} // namespace

TEST(HelpLauncher, ShowsTheStartPageOrNamesTheMissingFile)
{
    useHelpCache();
    HelpLauncher::showTopic(nullptr, QStringLiteral(CHRONELLE_BIN_DIR "/help.qch"));
    QWidget *window = helpWindow();
    ASSERT_NE(window, nullptr);
    auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().toString(), HelpLauncher::topicUrl());
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Chronelle"))) << browser->toPlainText().toStdString();
    window->close();

    try {
        HelpLauncher::showTopic(nullptr, QStringLiteral("/nowhere/help.qch"));
        ADD_FAILURE() << "no error for a missing help file";
    } catch (const AppError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("/nowhere/help.qch"))) << error.message().toStdString();
    }
}

// The viewer as a user expects one: the contents and the keyword index of the
// help file beside the page, the contents following the page shown, back and
// forward through the pages seen.
TEST(HelpLauncher, ContentsIndexAndHistoryLeadThroughThePages)
{
    useHelpCache();
    HelpLauncher::showTopic(nullptr, QStringLiteral(CHRONELLE_BIN_DIR "/help.qch"));
    QWidget *window = helpWindow();
    ASSERT_NE(window, nullptr);
    auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
    auto *contents = window->findChild<QHelpContentWidget *>(QStringLiteral("HelpContents"));
    auto *index = window->findChild<QHelpIndexWidget *>(QStringLiteral("HelpIndex"));
    auto *filter = window->findChild<QLineEdit *>(QStringLiteral("HelpIndexFilter"));
    auto *back = window->findChild<QAction *>(QStringLiteral("HelpBack"));
    auto *forward = window->findChild<QAction *>(QStringLiteral("HelpForward"));
    ASSERT_TRUE(browser && contents && index && filter && back && forward);
    const auto page = [&] { return browser->source().fileName(); };

    // The contents: the start page with the pages under it, the start page marked.
    ASSERT_TRUE(QTest::qWaitFor([&] { return contents->model()->rowCount() > 0; }, 10000)) << "no contents";
    const QModelIndex top = contents->model()->index(0, 0);
    EXPECT_EQ(contents->model()->data(top).toString(), QStringLiteral("Chronelle Help"));
    EXPECT_GE(contents->model()->rowCount(top), 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return contents->currentIndex() == top; }, 5000));
    EXPECT_FALSE(back->isEnabled());

    // A keyword typed into the index opens its page; the contents follow.
    ASSERT_TRUE(QTest::qWaitFor([&] { return index->model()->rowCount() > 0; }, 10000)) << "no index";
    QTest::keyClicks(filter, QStringLiteral("Snoo"));
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(page(), QStringLiteral("soundeffect.htm"));
    EXPECT_EQ(contents->model()->data(contents->currentIndex()).toString(),
              QStringLiteral("Volume, snooze and fade-in"));

    // A page from the contents, then back twice and forward once.
    const QModelIndex missed = contents->indexOf(QUrl(HelpLauncher::topicUrl(QStringLiteral("/missed.htm"))));
    ASSERT_TRUE(missed.isValid());
    emit contents->linkActivated(QUrl(HelpLauncher::topicUrl(QStringLiteral("/missed.htm"))));
    EXPECT_EQ(page(), QStringLiteral("missed.htm"));
    ASSERT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_EQ(page(), QStringLiteral("soundeffect.htm"));
    back->trigger();
    EXPECT_EQ(page(), QStringLiteral("index.htm"));
    EXPECT_FALSE(back->isEnabled());
    forward->trigger();
    EXPECT_EQ(page(), QStringLiteral("soundeffect.htm"));
    window->close();
}

// A second start hands its activation token to the running copy over the
// single-instance channel, which ignores what is no request of this program.
TEST(InstanceGuard, ASecondStartHandsItsActivationTokenOver)
{
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    InstanceGuard first(data.path());
    ASSERT_EQ(first.claim(), InstanceGuard::Outcome::FirstCopy) << first.warning().toStdString();
    QStringList tokens;
    QObject::connect(&first, &InstanceGuard::activationRequested, [&tokens](const QString &token) { tokens << token; });
    const auto waitForRequests = [&](int count) {
        for (int i = 0; i < 100 && tokens.size() < count; ++i)
            QTest::qWait(20);
    };

    const QString token = QStringLiteral("weston-7f3a_1701937800");
    {
        InstanceGuard second(data.path());
        EXPECT_EQ(second.claim(token), InstanceGuard::Outcome::OtherNotified);
    }
    waitForRequests(1);
    {
        InstanceGuard third(data.path()); // started without a token, or by an older version
        EXPECT_EQ(third.claim(), InstanceGuard::Outcome::OtherNotified);
    }
    waitForRequests(2);
    EXPECT_EQ(tokens, (QStringList{token, QString()}));

    // A token with spaces or line breaks is no token a desktop makes: the request goes without it.
    {
        InstanceGuard fourth(data.path());
        EXPECT_EQ(fourth.claim(QStringLiteral("a b\nshow evil")), InstanceGuard::Outcome::OtherNotified);
    }
    waitForRequests(3);
    EXPECT_EQ(tokens.value(2), QString());
    EXPECT_EQ(tokens.size(), 3);
}
