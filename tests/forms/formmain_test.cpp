// The clock window driven through its menu and handlers.

#include "errorrecorder.h"
#include "exitsequence.h"
#include "formabout.h"
#include "formmain.h"
#include "formstestsupport.h"
#include "lcdscreen.h"
#include "skin.h"
#include "systray.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QUrl>
#include <functional>
#include <memory>

using namespace Lcd;

namespace {

class ClockWindow : public ::testing::Test
{
protected:
    void TearDown() override { TSysTray::overrideAvailability(std::nullopt); }

    QString lcdIni() const { return m_program.filePath(QStringLiteral("LCD.ini")); }
    QString autostartFolder() const { return m_config.filePath(QStringLiteral("autostart")); }
    void create()
    {
        m_main = std::make_unique<TFormMain>(m_program.path() + u'/', m_config.path());
        m_main->show();
    }
    // "Exit" from the menu, with the manager and the way out the program has.
    void exitThroughMenu()
    {
        StandaloneManager standalone(FileLocations(m_program.path() + u'/'));
        ExitSequence exits;
        exits.attach(standalone.engine, *m_main, standalone.manager);
        m_main->Exit1Click();
    }
    TLCDScreen &lcd() const { return *m_main->lcd(); }
    void choose(const char *text) const
    {
        for (QAction *action : m_main->popupMenu()->findChildren<QAction *>()) {
            if (action->text() == QString::fromLatin1(text))
                return action->trigger();
        }
        ADD_FAILURE() << "no menu item " << text;
    }

    QWidget *visibleSkin() const
    {
        for (int i = 0; i < 3; ++i) {
            auto *image = m_main->findChild<QLabel *>(QStringLiteral("Image%1").arg(i));
            if (image && image->isVisible())
                return image;
        }
        ADD_FAILURE() << "no skin shows";
        return m_main.get();
    }
    static void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, const QPoint &global)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    QTemporaryDir m_program;
    QTemporaryDir m_config;
    std::unique_ptr<TFormMain> m_main;
};

} // namespace

// The values themselves are checked through LCD.ini below; here, that each
// menu item applies its own row.
TEST_F(ClockWindow, MenuSizesAndColoursSetTheWindowAndTheLcd)
{
    create();
    for (const TFormMain::SizeLayout &size : TFormMain::sizeLayouts()) {
        SCOPED_TRACE(size.caption);
        choose(size.caption);
        EXPECT_EQ(m_main->size(), size.window);
        EXPECT_EQ(lcd().PixelSize(), size.pixelSize);
        EXPECT_EQ(lcd().PixelSpacing(), size.pixelSpacing);
        EXPECT_EQ(lcd().pos(), QPoint(13, 12));
        EXPECT_TRUE(m_main->rect().contains(lcd().geometry())) << "the LCD does not fit the skin";
    }
    for (const TFormMain::ColourScheme &colour : TFormMain::colourSchemes()) {
        SCOPED_TRACE(colour.name);
        choose(colour.name);
        EXPECT_EQ(lcd().PixelOff(), colour.pixelOff);
        EXPECT_EQ(lcd().PixelOn(), colour.pixelOn);
        EXPECT_EQ(lcd().Color(), colour.color);
    }
    // Kept at once, not only at the end: a crash does not undo the choice.
    const QByteArray lastChoice = QByteArray::number(int(TFormMain::sizeLayouts().size()) - 1) + "\r\n" +
                                  TFormMain::colourSchemes().back().name + "\r\n";
    EXPECT_EQ(readAll(lcdIni()), lastChoice);
}

TEST_F(ClockWindow, SettingsFileIsReadAtCreationAndWrittenAtExit)
{
    struct Row
    {
        const char *name;
        const char *file; // nullptr: no file
        QSize window;
        TColor pixelOn;
        const char *error;
        QByteArray written;
    };
    const Row rows[] = {
        {"first start", nullptr, QSize(272, 105), 0xFFFF00, nullptr, "1\r\nBlue\r\n"},
        {"round trip", "2\r\nGreen\r\n", QSize(382, 133), 0x00FF00, nullptr, "2\r\nGreen\r\n"},
        {"half size, grey", "0\r\nGray\r\n", QSize(184, 68), clBlack, nullptr, "0\r\nGray\r\n"},
        {"first line no number", "large\r\nRed\r\n", QSize(272, 105), 0xFFFF00, "'large' is not a valid integer value",
         "1\r\nBlue\r\n"},
        {"unknown size and colour kept", "7\r\nMauve\r\n", QSize(272, 105), clBlack, nullptr, "7\r\nMauve\r\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(lcdIni());
        if (row.file) {
            ASSERT_TRUE(writeAll(lcdIni(), row.file));
        }
        {
            ErrorRecorder errors;
            create();
            EXPECT_EQ(errors.messages.size(), row.error ? 1 : 0) << errors.messages.join(u'\n').toStdString();
            if (row.error) {
                EXPECT_TRUE(errors.messages.value(0).contains(QString::fromLatin1(row.error)));
            }
        }
        EXPECT_EQ(m_main->size(), row.window);
        EXPECT_EQ(lcd().PixelOn(), row.pixelOn);
        exitThroughMenu();
        EXPECT_FALSE(m_main->isVisible());
        EXPECT_EQ(readAll(lcdIni()), row.written);
    }
}

// The LCD and the skin both open the menu on a right click, aligned to its
// right edge, and drag the window with the left button only.
TEST_F(ClockWindow, RightClickOpensTheMenuAlignedRightAndOnlyTheLeftButtonDrags)
{
    create();
    m_main->move(200, 200);
    QMenu *menu = m_main->popupMenu();
    QWidget *targets[] = {&lcd(), visibleSkin()};
    for (QWidget *target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        const QPoint global = target->mapToGlobal(QPoint(40, 30));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(40, 30), global);
        QApplication::sendEvent(target, &event);
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->pos(), global - QPoint(menu->sizeHint().width(), 0));
        menu->hide();

        const QPoint start = m_main->pos();
        const QPoint grip = target->mapToGlobal(QPoint(30, 30));
        // Different offsets, so that a drag by the right button shows in the end position.
        const std::pair<Qt::MouseButton, QPoint> drags[] = {{Qt::RightButton, {25, 10}}, {Qt::LeftButton, {-30, 15}}};
        for (const auto &[button, offset] : drags) {
            sendMouse(target, QEvent::MouseButtonPress, button, grip);
            sendMouse(target, QEvent::MouseMove, button, grip + offset);
            sendMouse(target, QEvent::MouseButtonRelease, button, grip + offset);
        }
        EXPECT_EQ(m_main->pos(), start + QPoint(-30, 15)) << "moved by the right button or not by the left";
        // After the release the mouse no longer drags.
        sendMouse(target, QEvent::MouseMove, Qt::NoButton, grip + QPoint(100, 100));
        EXPECT_EQ(m_main->pos(), start + QPoint(-30, 15));
    }
}

// Without a mouse: Shift+F10 and the Menu key open the same menu, right-aligned
// at the middle of the clock; other keys with them open nothing.
TEST_F(ClockWindow, ShiftF10AndTheMenuKeyOpenTheMenu)
{
    create();
    m_main->move(200, 200);
    QMenu *menu = m_main->popupMenu();
    const QPoint middle = m_main->mapToGlobal(m_main->rect().center());
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_F10, Qt::ShiftModifier},
                                                              {Qt::Key_Menu, Qt::NoModifier}};
    for (const auto &[key, modifiers] : keys) {
        QTest::keyClick(m_main.get(), key, modifiers);
        ASSERT_TRUE(menu->isVisible()) << key;
        EXPECT_EQ(menu->pos(), middle - QPoint(menu->sizeHint().width(), 0));
        menu->hide();
    }
    QTest::keyClick(m_main.get(), Qt::Key_F10);
    QTest::keyClick(m_main.get(), Qt::Key_F10, Qt::ControlModifier);
    EXPECT_FALSE(menu->isVisible());
}

// A press alone moves nothing: the move waits until the pointer has gone
// the drag distance, so the second click of a double click still arrives.
TEST_F(ClockWindow, APressMovesNothingBeforeTheDragDistanceSoDoubleClicksArrive)
{
    create();
    m_main->move(200, 200);
    const int distance = QApplication::startDragDistance();
    ASSERT_GT(distance, 1);
    struct Row
    {
        QWidget *target;
        std::function<bool()> stepped;
    };
    const QString colourBefore = m_main->settings().colourName;
    const int sizeBefore = m_main->settings().sizeIndex;
    const Row rows[] = {
        {&lcd(), [&] { return m_main->settings().colourName != colourBefore; }},
        {visibleSkin(), [&] { return m_main->settings().sizeIndex != sizeBefore; }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.target->objectName().toStdString());
        const QPoint start = m_main->pos();
        const QPoint grip = row.target->mapToGlobal(QPoint(20, 20));
        const QPoint jitter(distance / 2, 0);
        sendMouse(row.target, QEvent::MouseButtonPress, Qt::LeftButton, grip);
        sendMouse(row.target, QEvent::MouseMove, Qt::LeftButton, grip + jitter);
        EXPECT_EQ(m_main->pos(), start) << "moved before the drag distance";
        sendMouse(row.target, QEvent::MouseButtonRelease, Qt::LeftButton, grip + jitter);
        sendMouse(row.target, QEvent::MouseButtonDblClick, Qt::LeftButton, grip + jitter);
        sendMouse(row.target, QEvent::MouseButtonRelease, Qt::LeftButton, grip + jitter);
        EXPECT_TRUE(row.stepped());
        EXPECT_EQ(m_main->pos(), start);
    }
}

TEST_F(ClockWindow, KeptOnTheScreenAfterAMovePastEachEdge)
{
    create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int right = screen.right() + 1 - m_main->width();
    const int bottom = screen.bottom() + 1 - m_main->height();
    const std::tuple<const char *, QPoint, QPoint> rows[] = {
        {"left", QPoint(screen.left() - 40, 100), QPoint(screen.left(), 100)},
        {"top", QPoint(120, screen.top() - 1), QPoint(120, screen.top())},
        {"right", QPoint(right + 1, 100), QPoint(right, 100)},
        {"bottom", QPoint(120, bottom + 300), QPoint(120, bottom)},
        {"just inside", QPoint(right, bottom), QPoint(right, bottom)},
    };
    for (const auto &[name, moved, kept] : rows) {
        SCOPED_TRACE(name);
        m_main->move(moved);
        m_main->TimerTimer();
        EXPECT_EQ(m_main->pos(), kept);
    }
}

// With a notification area the clock hides at its first tick and comes back
// from the icon; without one it must stay reachable on the screen.
TEST_F(ClockWindow, HidesAtTheFirstTickOnlyWhenATrayIconCanBringItBack)
{
    for (const bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "with a notification area" : "without one");
        TSysTray::overrideAvailability(tray);
        create();
        m_main->TimerTimer();
        EXPECT_EQ(m_main->isVisible(), !tray);
        if (tray) {
            m_main->sysTray()->handleActivation(TSysTray::Activation::DoubleClick, QPoint(10, 10));
            EXPECT_TRUE(m_main->isVisible()) << "a double click on the icon did not bring the clock back";
            m_main->TimerTimer();
            EXPECT_TRUE(m_main->isVisible()) << "a later tick hid the clock again";
        }
        m_main->PopupMenuPopup();
        EXPECT_EQ(m_main->hideAction()->isEnabled(), tray);
        EXPECT_FALSE(m_main->close()) << "closing the window ended the program";
        EXPECT_EQ(m_main->isVisible(), !tray) << "closing hid a clock that could not be brought back";
    }
}

TEST_F(ClockWindow, AStartAtLoginEntryThatCannotBeWrittenIsReportedAndLeavesNoMark)
{
    // Something that is not a folder where the autostart folder belongs.
    ASSERT_TRUE(writeAll(autostartFolder(), "not a folder"));
    create();
    QAction *autoRun = m_main->autoRunAction();
    EXPECT_EQ(autoRun->text(), QStringLiteral("&Start at Login"));
    ErrorRecorder errors;
    autoRun->trigger();
    EXPECT_EQ(errors.messages.size(), 1) << errors.messages.join(u'\n').toStdString();
    EXPECT_FALSE(autoRun->isChecked());
    m_main->PopupMenuPopup();
    EXPECT_FALSE(autoRun->isChecked());
}

// The about box tells the running version; its links open their addresses, as
// mail for the support address, and an address that was not configured shows
// neither its heading nor its link.
TEST(AboutBox, VersionAndLinksAndMissingAddressesHidden)
{
    const QString oldVersion = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("3.4.5"));
    QList<QUrl> opened;
    TFormAbout::setLinkOpener([&](const QUrl &url) {
        opened << url;
        return true;
    });
    const auto label = [](const TFormAbout &about, int n) {
        return about.findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
    };
    {
        TFormAbout about(QStringLiteral("https://clock.invalid/start"), QStringLiteral("help@clock.invalid"));
        about.show();
        EXPECT_EQ(label(about, 2)->text(), QStringLiteral("Version 3.4.5"));
        QTest::mouseClick(label(about, 4), Qt::LeftButton);
        QTest::mouseClick(label(about, 6), Qt::LeftButton);
        QTest::mouseClick(label(about, 3), Qt::LeftButton); // a heading, no link
        EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("https://clock.invalid/start")),
                                       QUrl(QStringLiteral("mailto:help@clock.invalid"))}));
    }
    {
        TFormAbout about{QString(), QString()};
        about.show();
        for (int n = 3; n <= 6; ++n)
            EXPECT_FALSE(label(about, n)->isVisible()) << n;
    }
    TFormAbout::setLinkOpener({});
    QCoreApplication::setApplicationVersion(oldVersion);
}

// The logo's tooltip looks like every other tooltip: its white text must not
// reach the tooltip. Two tooltips of the same text must look alike.
TEST_F(ClockWindow, TheLogoTooltipHasThePlatformsTooltipLook)
{
    create();
    auto *logo = m_main->findChild<QLabel *>(QStringLiteral("LabelLogo"));
    ASSERT_NE(logo, nullptr);
    QLabel plain;
    plain.show();
    const auto tooltipOf = [](QWidget *owner) {
        QToolTip::showText(QPoint(100, 100), owner->toolTip(), owner);
        QImage image;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->inherits("QTipLabel") && window->isVisible())
                image = window->grab().toImage();
        }
        QToolTip::hideText();
        QCoreApplication::processEvents();
        return image;
    };
    plain.setToolTip(logo->toolTip());
    const QImage logoTip = tooltipOf(logo);
    ASSERT_FALSE(logoTip.isNull()) << "no tooltip showed";
    EXPECT_EQ(logoTip, tooltipOf(&plain));
}

// The skin's bevel runs round the whole panel: its last column and row are
// the shadow of the bottom-right edges, not the face.
TEST(ClockSkin, TheBevelShadowsTheLastColumnAndRow)
{
    for (const QSize size : {QSize(184, 68), QSize(272, 105), QSize(382, 133)}) {
        SCOPED_TRACE(size.width());
        const QImage panel = Skin::panel(size);
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        const QRgb shadow = panel.pixel(right, bottom / 2);
        for (int y = 1; y <= bottom; ++y)
            ASSERT_EQ(panel.pixel(right, y), shadow) << y;
        for (int x = 1; x <= right; ++x)
            ASSERT_EQ(panel.pixel(x, bottom), shadow) << x;
        EXPECT_LT(qGray(shadow), qGray(panel.pixel(right - 1, bottom / 2)));
    }
}

// The tray's skip item names the alarm it would skip, in the user's day names
// and clock without seconds, a caption's "&" shown rather than taken as an
// access key; skipping says what went, next to the icon, and the item moves
// on to the alarm after it. With no alarm to skip it is off.
TEST_F(ClockWindow, SkipNextAlarmNamesTheAlarmAndSaysWhatItSkipped)
{
    TSysTray::overrideAvailability(true);
    struct Row
    {
        const char *locale;
        const char *before, *said, *after;
    };
    const Row rows[] = {{"en_US", "S&kip next alarm: Wake up, Tue 7:30 AM", "Wake up, Tue 7:30 AM will not ring.",
                         "S&kip next alarm: Tea && cake, Wed 8:00 PM"},
                        {"de_DE", "S&kip next alarm: Wake up, Di. 07:30", "Wake up, Di. 07:30 will not ring.",
                         "S&kip next alarm: Tea && cake, Mi. 20:00"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale);
        QTemporaryDir data;
        StandaloneManager standalone(FileLocations(data.path() + u'/'));
        standalone.formatter = DateTimeFormatter(LocaleFormats::fromLocale(QLocale(QString::fromLatin1(row.locale))));
        create();
        m_main->setEngine(&standalone.engine);
        auto *skip = m_main->findChild<QAction *>(QStringLiteral("SkipNextAlarm"));
        ASSERT_NE(skip, nullptr);
        EXPECT_FALSE(skip->isEnabled());
        EXPECT_EQ(skip->text(), QStringLiteral("S&kip next alarm"));

        // Saturday 9:00 now; one alarm on Tuesday morning, one on Wednesday evening.
        const auto add = [&](const char *caption, int dayOfWeek, QTime time) {
            AlarmRecord record = AlarmRecord::newAlarm(standalone.clock.now());
            record.frequencyCode = int(Frequency::Weekly);
            record.dayFlags.fill(false);
            record.dayFlags[dayOfWeek % 7] = true;
            record.alarmTime = time;
            record.reminder = QString::fromLatin1(caption) + u'\n';
            standalone.engine.addAlarmFromRecord(record);
        };
        add("Tea & cake", 3, QTime(20, 0));
        add("Wake up", 2, QTime(7, 30, 15));
        EXPECT_TRUE(skip->isEnabled());
        EXPECT_EQ(skip->text(), QString::fromUtf8(row.before));

        QSignalSpy messages(m_main->sysTray(), &TSysTray::messageShown);
        skip->trigger();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0][0].toString(), QStringLiteral("Alarm skipped"));
        EXPECT_EQ(messages[0][1].toString(), QString::fromUtf8(row.said));
        EXPECT_EQ(skip->text(), QString::fromUtf8(row.after));
        m_main.reset();
    }
}
