// The tray icon component: what reaches the notification area and when, and
// how the platform's activations become mouse notifications.

#include "qtprint.h"
#include "systray.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

QSystemTrayIcon *platformIcon(TSysTray &tray)
{
    const QList<QSystemTrayIcon *> icons = tray.findChildren<QSystemTrayIcon *>();
    return icons.size() == 1 ? icons.first() : nullptr;
}

} // namespace

TEST(SysTray, ActiveAddsOneIconAndTheHintCutTo63ReachesItOnlyWhileActive)
{
    TSysTray tray;
    QSystemTrayIcon *icon = platformIcon(tray);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(tray.isShown()) << "the constructor showed the icon";
    tray.setHint(QString(100, u'a'));
    EXPECT_EQ(tray.Hint(), QString(63, u'a'));
    EXPECT_TRUE(icon->toolTip().isEmpty()) << "an inactive tray touched the icon";

    tray.setActive(true);
    tray.setActive(true);
    EXPECT_TRUE(tray.isShown());
    EXPECT_EQ(tray.findChildren<QSystemTrayIcon *>().size(), 1) << "a second icon was added";
    EXPECT_EQ(icon->toolTip(), QString(63, u'a'));
    tray.setHint(QString(64, u'b'));
    EXPECT_EQ(icon->toolTip(), QString(63, u'b'));

    tray.setActive(false); // one switch off removes it, however often it was switched on
    EXPECT_FALSE(tray.isShown());
    tray.setHint(QStringLiteral("changed while hidden"));
    EXPECT_EQ(icon->toolTip(), QString(63, u'b'));
    tray.setActive(true);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("changed while hidden"));
}

TEST(SysTray, PlatformActivationsBecomeMouseNotifications)
{
    TSysTray tray; // no menu: the notifications still come
    QStringList events;
    const auto record = [&](const char *kind) {
        return [&events, kind](TSysTray *, TSysTray::Button button, int, int) {
            events << QLatin1String(kind) + (button == TSysTray::Button::Left ? u" left" : u" right");
        };
    };
    QObject::connect(&tray, &TSysTray::OnIconMouseDown, record("down"));
    QObject::connect(&tray, &TSysTray::OnIconDoubleClick, record("double"));
    QSystemTrayIcon *icon = platformIcon(tray);
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Context);
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    emit icon->activated(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("down right"), QStringLiteral("down left"), QStringLiteral("double left")}));
}

TEST(SysTray, AStatusNotifierHostGetsTheMenuAndItsClickAlsoActsAsADoubleClick)
{
    QMenu menu;
    for (const bool statusNotifierItem : {true, false}) {
        TSysTray::overrideStatusNotifierItem(statusNotifierItem);
        TSysTray tray;
        tray.setPopupMode(TSysTray::pmRightClick);
        tray.setPopupMenu(&menu);
        QStringList events;
        QObject::connect(&tray, &TSysTray::OnIconMouseDown,
                         [&](TSysTray *, TSysTray::Button, int, int) { events << QStringLiteral("down"); });
        QObject::connect(&tray, &TSysTray::OnIconDoubleClick,
                         [&](TSysTray *, TSysTray::Button, int, int) { events << QStringLiteral("double"); });
        QSystemTrayIcon *icon = platformIcon(tray);
        ASSERT_NE(icon, nullptr);
        // The host shows the menu itself; an XEmbed tray gets none, so Qt
        // never opens it there beside the aligned one.
        EXPECT_EQ(icon->contextMenu(), statusNotifierItem ? &menu : nullptr) << statusNotifierItem;
        emit icon->activated(QSystemTrayIcon::Trigger);
        EXPECT_EQ(events, statusNotifierItem ? QStringList({QStringLiteral("down"), QStringLiteral("double")})
                                             : QStringList({QStringLiteral("down")}))
            << statusNotifierItem;
        EXPECT_FALSE(menu.isVisible()) << "a left click opened the menu";
    }
    TSysTray::overrideStatusNotifierItem(std::nullopt);
}
