// The tray icon component: what reaches the notification area and when, and
// how the platform's activations become mouse notifications and the menu.

#include "qtprint.h"
#include "systray.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>
#include <vector>

namespace {

QSystemTrayIcon *platformIcon(TSysTray &tray)
{
    const QList<QSystemTrayIcon *> icons = tray.findChildren<QSystemTrayIcon *>();
    return icons.size() == 1 ? icons.first() : nullptr;
}

struct Notification
{
    const char *kind; // "down" or "double"
    TSysTray::Button button;
    QPoint at;
    bool operator==(const Notification &other) const
    {
        return QByteArray(kind) == other.kind && button == other.button && at == other.at;
    }
};

void PrintTo(const Notification &n, std::ostream *os)
{
    *os << n.kind << (n.button == TSysTray::Button::Left ? " left " : " right ") << n.at.x() << ',' << n.at.y();
}

// A tray with a menu, recording every notification and every opening of the menu.
class SysTrayClicks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_menu.addAction(QStringLiteral("Restore"));
        m_menu.addAction(QStringLiteral("Exit"));
        m_tray.setPopupMenu(&m_menu);
        QObject::connect(&m_tray, &TSysTray::OnIconMouseDown, [this](TSysTray *, TSysTray::Button b, int x, int y) {
            m_events.push_back({"down", b, QPoint(x, y)});
        });
        QObject::connect(&m_tray, &TSysTray::OnIconDoubleClick, [this](TSysTray *, TSysTray::Button b, int x, int y) {
            m_events.push_back({"double", b, QPoint(x, y)});
        });
        QObject::connect(&m_tray, &TSysTray::popupOpened, [this](const QPoint &at) { m_menuAt.push_back(at); });
    }
    void TearDown() override { m_menu.hide(); }

    QMenu m_menu;
    TSysTray m_tray;
    std::vector<Notification> m_events;
    std::vector<QPoint> m_menuAt;
};

} // namespace

TEST(SysTray, HintIsCutTo63Characters)
{
    TSysTray tray;
    EXPECT_EQ(tray.Hint(), QStringLiteral("SysTray Component."));
    const QString sixtyThree(63, u'a');
    tray.setHint(sixtyThree);
    EXPECT_EQ(tray.Hint(), sixtyThree);
    tray.setHint(QString(100, u'b'));
    EXPECT_EQ(tray.Hint(), QString(63, u'b'));
    tray.setActive(true);
    ASSERT_NE(platformIcon(tray), nullptr);
    EXPECT_EQ(platformIcon(tray)->toolTip(), QString(63, u'b'));
    tray.setHint(QString(64, u'c'));
    EXPECT_EQ(platformIcon(tray)->toolTip(), QString(63, u'c'));
}

TEST(SysTray, ActiveTwiceAddsOnceAndChangesWhileInactiveAppearOnActivation)
{
    TSysTray tray;
    QSystemTrayIcon *icon = platformIcon(tray);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(tray.Active());
    EXPECT_FALSE(tray.isShown()) << "the constructor showed the icon";

    tray.setHint(QStringLiteral("Chronelle"));
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    tray.setIcon(QIcon(QPixmap::fromImage(red)));
    EXPECT_TRUE(icon->toolTip().isEmpty()) << "an inactive tray touched the notification area";
    EXPECT_TRUE(icon->icon().isNull());

    tray.setActive(true);
    tray.setActive(true);
    EXPECT_TRUE(tray.isShown());
    EXPECT_EQ(tray.findChildren<QSystemTrayIcon *>().size(), 1) << "a second icon was added";
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Chronelle"));
    EXPECT_FALSE(icon->icon().isNull());

    // One switch off removes it, however often it was switched on.
    tray.setActive(false);
    EXPECT_FALSE(tray.isShown());
    tray.setHint(QStringLiteral("changed while hidden"));
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Chronelle"));
    tray.setActive(true);
    EXPECT_EQ(icon->toolTip(), QStringLiteral("changed while hidden"));
}

TEST_F(SysTrayClicks, DefaultModeRightClickOpensTheMenuAndDoubleClickDoesNot)
{
    ASSERT_EQ(m_tray.PopupMode(), int(TSysTray::pmRightClick));
    const QPoint at(700, 590);

    m_tray.handleActivation(TSysTray::Activation::Context, at);
    ASSERT_EQ(m_menuAt.size(), 1u);
    EXPECT_TRUE(m_menu.isVisible());
    // Aligned right: the menu's right edge at the cursor.
    EXPECT_EQ(m_menuAt[0], QPoint(at.x() - m_menu.sizeHint().width(), at.y()));
    m_menu.hide();

    m_tray.handleActivation(TSysTray::Activation::DoubleClick, at);
    m_tray.handleActivation(TSysTray::Activation::Trigger, at);
    m_tray.handleActivation(TSysTray::Activation::Other, at);
    EXPECT_EQ(m_menuAt.size(), 1u) << "a left click or double click opened the menu";
    EXPECT_FALSE(m_menu.isVisible());

    const std::vector<Notification> expected{{"down", TSysTray::Button::Right, at},
                                             {"double", TSysTray::Button::Left, at},
                                             {"down", TSysTray::Button::Left, at}};
    EXPECT_EQ(m_events, expected);
}

TEST_F(SysTrayClicks, EachModeOpensTheMenuOnItsOwnActivation)
{
    struct Row
    {
        const char *name;
        int mode;
        int align;
        TSysTray::Activation activation;
        bool opens;
    };
    const Row rows[] = {
        {"left click, aligned left", TSysTray::pmLeftClick, TSysTray::paLeft, TSysTray::Activation::Trigger, true},
        {"left click mode, right click", TSysTray::pmLeftClick, TSysTray::paLeft, TSysTray::Activation::Context, false},
        {"left double click, centred", TSysTray::pmLeftDblClick, TSysTray::paCenter, TSysTray::Activation::DoubleClick,
         true},
        {"right double click never arrives", TSysTray::pmRightDblClick, TSysTray::paLeft,
         TSysTray::Activation::DoubleClick, false},
        {"no mode", 0, TSysTray::paRight, TSysTray::Activation::Context, false},
    };
    const QPoint at(400, 300);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_menuAt.clear();
        m_tray.setPopupMode(row.mode);
        m_tray.setPopupAlign(row.align);
        m_tray.handleActivation(row.activation, at);
        ASSERT_EQ(m_menuAt.size(), row.opens ? 1u : 0u);
        if (row.opens) {
            const int width = m_menu.sizeHint().width();
            const int x = row.align == TSysTray::paLeft ? at.x() : at.x() - width / 2;
            EXPECT_EQ(m_menuAt[0], QPoint(x, at.y()));
        }
        m_menu.hide();
    }
}

TEST_F(SysTrayClicks, PlatformActivationsAreMapped)
{
    QSystemTrayIcon *icon = platformIcon(m_tray);
    ASSERT_NE(icon, nullptr);
    m_tray.setPopupMenu(nullptr); // no menu: the notifications still come
    emit icon->activated(QSystemTrayIcon::Context);
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    emit icon->activated(QSystemTrayIcon::MiddleClick);
    ASSERT_EQ(m_events.size(), 3u);
    EXPECT_STREQ(m_events[0].kind, "down");
    EXPECT_EQ(m_events[0].button, TSysTray::Button::Right);
    EXPECT_STREQ(m_events[1].kind, "down");
    EXPECT_EQ(m_events[1].button, TSysTray::Button::Left);
    EXPECT_STREQ(m_events[2].kind, "double");
    EXPECT_EQ(m_events[2].button, TSysTray::Button::Left);
    EXPECT_TRUE(m_menuAt.empty());
}
