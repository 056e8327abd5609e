// The clock window driven through its menu, its handlers and mouse events:
// sizes and colours, LCD.ini, keeping on the screen, hiding, dragging, start
// at login, help; and the about box with its links.

#include "errorrecorder.h"
#include "formabout.h"
#include "formmain.h"
#include "lcdscreen.h"
#include "qtprint.h"
#include "systray.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace Lcd;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

struct Colours
{
    TColor pixelOff;
    TColor pixelOn;
    TColor color;
    bool operator==(const Colours &) const = default;
};

void PrintTo(const Colours &c, std::ostream *os)
{
    *os << std::hex << "off " << c.pixelOff << " on " << c.pixelOn << " back " << c.color;
}

Colours coloursOf(const TLCDScreen &lcd)
{
    return {lcd.PixelOff(), lcd.PixelOn(), lcd.Color()};
}

// The LCD as it is designed, before any colour scheme is applied.
constexpr Colours kDesignColours{0xAAAAAA, clBlack, clSilver};

class ClockWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.isValid());
        ASSERT_TRUE(m_config.isValid());
        // Autostart entries must cope with spaces in the path.
        m_configHome = m_config.filePath(QStringLiteral("my config"));
        ASSERT_TRUE(QDir().mkpath(m_configHome));
    }
    void TearDown() override
    {
        TSysTray::overrideAvailability(std::nullopt);
        // A folder made read-only by a test must not outlive it.
        QFile::setPermissions(autostartFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString folder() const { return m_program.path() + u'/'; }
    QString lcdIni() const { return folder() + QStringLiteral("LCD.ini"); }
    QString autostartFolder() const { return m_configHome + QStringLiteral("/autostart"); }
    QString autostartEntry() const { return autostartFolder() + QStringLiteral("/chronelle.desktop"); }

    void create()
    {
        m_main = std::make_unique<TFormMain>(folder(), m_configHome);
        m_main->show();
    }
    TLCDScreen &lcd() const { return *m_main->lcd(); }
    template <typename T> T *child(const QString &name) const { return m_main->findChild<T *>(name); }
    QAction *menuItem(const QString &text) const
    {
        const QList<QAction *> actions = m_main->popupMenu()->findChildren<QAction *>();
        for (QAction *action : actions) {
            if (action->text() == text)
                return action;
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return nullptr;
    }
    void choose(const QString &text) const
    {
        if (QAction *item = menuItem(text))
            item->trigger();
    }
    QLabel *visibleSkin() const
    {
        for (int i = 0; i < 3; ++i) {
            auto *image = child<QLabel>(QStringLiteral("Image%1").arg(i));
            if (image && image->isVisible())
                return image;
        }
        return nullptr;
    }
    void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, const QPoint &global) const
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    QTemporaryDir m_program;
    QTemporaryDir m_config;
    QString m_configHome;
    std::unique_ptr<TFormMain> m_main;
};

} // namespace

TEST_F(ClockWindow, SizesSetTheLcdTheSkinAndTheWindow)
{
    struct Row
    {
        const char *item;
        TPixelSize pixelSize;
        int pixelSpacing;
        QSize window;
        QSize lcd;
        int skin;
        QPoint logo; // (-1, -1): outside the window
    };
    const Row rows[] = {
        {"Half Size", pix1x1, 0, QSize(184, 68), QSize(158, 40), 0, QPoint(-1, -1)},
        {"Double Size", pix2x2, 1, QSize(382, 133), QSize(356, 92), 2, QPoint(238, 112)},
        {"Normal Size", pix1x1, 1, QSize(272, 105), QSize(246, 64), 1, QPoint(130, 83)},
    };
    create();
    auto *logo = child<QLabel>(QStringLiteral("LabelLogo"));
    ASSERT_NE(logo, nullptr);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.item);
        choose(QString::fromLatin1(row.item));
        EXPECT_EQ(m_main->settings().sizeIndex, row.skin);
        EXPECT_EQ(lcd().PixelSize(), row.pixelSize);
        EXPECT_EQ(lcd().PixelSpacing(), row.pixelSpacing);
        EXPECT_EQ(m_main->size(), row.window);
        EXPECT_EQ(lcd().geometry(), QRect(QPoint(13, 12), row.lcd));
        EXPECT_EQ(lcd().grabFrame().size(), row.lcd);
        QLabel *skin = visibleSkin();
        ASSERT_NE(skin, nullptr);
        EXPECT_EQ(skin->objectName(), QStringLiteral("Image%1").arg(row.skin));
        EXPECT_EQ(skin->geometry(), QRect(QPoint(0, 0), row.window));
        if (row.logo.x() >= 0) {
            EXPECT_TRUE(logo->isVisible());
            EXPECT_EQ(logo->pos(), row.logo);
        } else {
            EXPECT_FALSE(m_main->rect().intersects(logo->geometry())) << "the logo shows on the half-size skin";
        }
    }
}

TEST_F(ClockWindow, DoubleClicksStepSizeOnTheSkinAndColourOnTheLcd)
{
    create();
    const QList<QSize> sizes{QSize(382, 133), QSize(184, 68), QSize(272, 105)};
    for (const QSize &expected : sizes) {
        QLabel *skin = visibleSkin();
        ASSERT_NE(skin, nullptr);
        // A corner of the skin, outside the LCD.
        QTest::mouseDClick(skin, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        EXPECT_EQ(m_main->size(), expected);
    }
    const QStringList colours{QStringLiteral("Gray"), QStringLiteral("Green"),  QStringLiteral("Pink"),
                              QStringLiteral("Red"),  QStringLiteral("Yellow"), QStringLiteral("Blue")};
    for (const QString &expected : colours) {
        QTest::mouseDClick(&lcd(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        EXPECT_EQ(m_main->settings().colourName, expected);
    }
    EXPECT_EQ(m_main->size(), QSize(272, 105)) << "a double click on the LCD changed the size";
}

TEST_F(ClockWindow, ColourSchemesSetTheDots)
{
    struct Row
    {
        const char *name;
        Colours colours;
    };
    const Row rows[] = {
        {"Blue", {0x800000, 0xFFFF00, 0x000000}},  {"Gray", kDesignColours},
        {"Green", {0x008000, 0x00FF00, 0x000000}}, {"Pink", {0x800080, 0xFF00FF, 0x000000}},
        {"Red", {0x000080, 0x0000FF, 0x000000}},   {"Yellow", {0x008080, 0x00FFFF, 0x000000}},
    };
    create();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        choose(QString::fromLatin1(row.name));
        EXPECT_EQ(coloursOf(lcd()), row.colours);
        EXPECT_EQ(m_main->settings().colourName, QString::fromLatin1(row.name));
        EXPECT_TRUE(menuItem(QString::fromLatin1(row.name))->isChecked());
    }
}

TEST_F(ClockWindow, SettingsFileIsReadAtCreationAndWrittenAtExit)
{
    struct Row
    {
        const char *name;
        const char *file; // nullptr: no file
        QSize window;
        Colours colours;
        int errors;
        QByteArray written;
    };
    const Colours blue{0x800000, 0xFFFF00, 0x000000};
    const Row rows[] = {
        {"first start", nullptr, QSize(272, 105), blue, 0, "1\r\nBlue\r\n"},
        {"round trip", "2\r\nGreen\r\n", QSize(382, 133), {0x008000, 0x00FF00, 0x000000}, 0, "2\r\nGreen\r\n"},
        {"half size, no colour line", "0\r\n", QSize(184, 68), kDesignColours, 0, "0\r\n\r\n"},
        {"first line no number", "large\r\nRed\r\n", QSize(272, 105), blue, 1, "1\r\nBlue\r\n"},
        {"unknown size and colour", "7\r\nMauve\r\n", QSize(272, 105), kDesignColours, 0, "7\r\nMauve\r\n"},
        {"negative size", "-1\r\nblue\r\n", QSize(272, 105), kDesignColours, 0, "-1\r\nblue\r\n"},
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
            EXPECT_EQ(errors.messages.size(), row.errors) << errors.messages.join(u'\n').toStdString();
            if (row.errors) {
                EXPECT_TRUE(errors.messages.value(0).contains(QStringLiteral("'large' is not a valid integer value")))
                    << errors.messages.value(0).toStdString();
            }
        }
        EXPECT_EQ(m_main->size(), row.window);
        EXPECT_EQ(coloursOf(lcd()), row.colours);
        m_main->Exit1Click();
        EXPECT_FALSE(m_main->isVisible());
        EXPECT_EQ(readAll(lcdIni()), row.written);
        m_main.reset();
    }
}

TEST_F(ClockWindow, SettingsThatCannotBeWrittenKeepTheWindowOpen)
{
    create();
    // A folder where the file should be: the write must fail.
    ASSERT_TRUE(QDir().mkpath(lcdIni()));
    ErrorRecorder errors;
    m_main->Exit1Click();
    EXPECT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(m_main->isVisible());
}

TEST_F(ClockWindow, KeptOnTheScreenAfterAMovePastEachEdge)
{
    create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize size = m_main->size();
    const int right = screen.right() + 1 - size.width();
    const int bottom = screen.bottom() + 1 - size.height();
    struct Row
    {
        const char *name;
        QPoint moved;
        QPoint kept;
    };
    const Row rows[] = {
        {"left", QPoint(screen.left() - 40, 100), QPoint(screen.left(), 100)},
        {"top", QPoint(120, screen.top() - 1), QPoint(120, screen.top())},
        {"right", QPoint(right + 1, 100), QPoint(right, 100)},
        {"bottom", QPoint(120, bottom + 300), QPoint(120, bottom)},
        {"top left corner", QPoint(-500, -500), screen.topLeft()},
        {"bottom right corner", QPoint(right + 9, bottom + 9), QPoint(right, bottom)},
        {"just inside", QPoint(right, bottom), QPoint(right, bottom)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_main->move(row.moved);
        m_main->TimerTimer();
        EXPECT_EQ(m_main->pos(), row.kept);
        m_main->move(row.moved);
        m_main->keepOnScreen();
        EXPECT_EQ(m_main->pos(), row.kept);
    }
}

TEST_F(ClockWindow, HiddenAtTheFirstTickAndRestoredWithCaptions)
{
    TSysTray::overrideAvailability(true);
    create();
    QAction *hide = m_main->hideAction();
    m_main->TimerTimer();
    EXPECT_FALSE(m_main->isVisible()) << "the first tick did not hide the clock";
    m_main->PopupMenuPopup();
    EXPECT_EQ(hide->text(), QStringLiteral("&Restore"));
    m_main->TimerTimer();
    EXPECT_FALSE(m_main->isVisible());

    hide->trigger();
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_EQ(hide->text(), QStringLiteral("&Hide to system tray"));
    m_main->TimerTimer();
    EXPECT_TRUE(m_main->isVisible()) << "a later tick hid the clock again";
    m_main->PopupMenuPopup();
    EXPECT_EQ(hide->text(), QStringLiteral("&Hide to system tray"));
    EXPECT_TRUE(hide->isEnabled());
    hide->trigger();
    EXPECT_FALSE(m_main->isVisible());
    EXPECT_EQ(hide->text(), QStringLiteral("&Restore"));

    // A double click on the tray icon swaps too, and opens no menu.
    m_main->sysTray()->handleActivation(TSysTray::Activation::DoubleClick, QPoint(10, 10));
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_main->popupMenu()->isVisible());
    m_main->sysTray()->handleActivation(TSysTray::Activation::DoubleClick, QPoint(10, 10));
    EXPECT_FALSE(m_main->isVisible());
    m_main->PopupMenuPopup();
    EXPECT_EQ(hide->text(), QStringLiteral("&Restore"));
    m_main->sysTray()->handleActivation(TSysTray::Activation::DoubleClick, QPoint(10, 10));

    // Closing the window any other way than "Exit" only hides it.
    EXPECT_FALSE(m_main->close());
    EXPECT_FALSE(m_main->isVisible());
    EXPECT_FALSE(QFile::exists(lcdIni()));
}

TEST_F(ClockWindow, WithoutANotificationAreaTheClockNeverHides)
{
    TSysTray::overrideAvailability(false);
    create();
    QAction *hide = m_main->hideAction();
    m_main->TimerTimer();
    EXPECT_TRUE(m_main->isVisible());
    m_main->PopupMenuPopup();
    EXPECT_EQ(hide->text(), QStringLiteral("&Hide to system tray"));
    EXPECT_FALSE(hide->isEnabled());
    m_main->Hide1Click();
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_main->close());
    EXPECT_TRUE(m_main->isVisible()) << "closing hid a clock that could not be brought back";
    EXPECT_FALSE(QFile::exists(lcdIni()));
}

// The LCD and the skin both open the menu on a right click and drag the
// window with the left button only.
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
        EXPECT_EQ(m_main->hideAction()->text(), QStringLiteral("&Hide to system tray"));
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

TEST_F(ClockWindow, StartAtLoginWritesAndRemovesOneEntry)
{
    create();
    QAction *autoRun = m_main->autoRunAction();
    EXPECT_EQ(autoRun->text(), QStringLiteral("&Start at Login"));
    EXPECT_FALSE(autoRun->isChecked());

    autoRun->trigger();
    EXPECT_TRUE(autoRun->isChecked());
    const QString entry = QString::fromUtf8(readAll(autostartEntry()));
    const QString exec = QStringLiteral("Exec=\"%1\"").arg(QApplication::applicationFilePath());
    EXPECT_TRUE(entry.split(u'\n').contains(exec)) << entry.toStdString();

    // The next start reads the same entry.
    m_main.reset();
    create();
    autoRun = m_main->autoRunAction();
    EXPECT_TRUE(autoRun->isChecked());

    autoRun->trigger();
    EXPECT_FALSE(autoRun->isChecked());
    EXPECT_FALSE(QFile::exists(autostartEntry()));

    // An entry switched off by the desktop shows no mark when the menu opens.
    ASSERT_TRUE(QDir().mkpath(autostartFolder()));
    ASSERT_TRUE(writeAll(autostartEntry(), "[Desktop Entry]\nType=Application\nExec=/x\nHidden=true\n"));
    m_main->PopupMenuPopup();
    EXPECT_FALSE(autoRun->isChecked());
}

TEST_F(ClockWindow, StartAtLoginFailureIsShownOnceAndTheMarkTellsTheTruth)
{
    // Something that is not a folder where the autostart folder belongs.
    ASSERT_TRUE(writeAll(autostartFolder(), "not a folder"));
    create();
    QAction *autoRun = m_main->autoRunAction();
    {
        ErrorRecorder errors;
        autoRun->trigger();
        EXPECT_EQ(errors.messages.size(), 1) << errors.messages.join(u'\n').toStdString();
    }
    EXPECT_FALSE(autoRun->isChecked());
    m_main->PopupMenuPopup();
    EXPECT_FALSE(autoRun->isChecked());

    // A read-only folder stops only an unprivileged user.
    if (::geteuid() == 0)
        return;
    ASSERT_TRUE(QFile::remove(autostartFolder()));
    ASSERT_TRUE(QDir().mkpath(autostartFolder()));
    autoRun->trigger();
    ASSERT_TRUE(autoRun->isChecked());
    ASSERT_TRUE(QFile::setPermissions(autostartFolder(), QFile::ReadOwner | QFile::ExeOwner));
    {
        ErrorRecorder errors;
        autoRun->trigger();
        EXPECT_EQ(errors.messages.size(), 1);
    }
    EXPECT_TRUE(autoRun->isChecked()) << "the mark went off although the entry is still there";
    EXPECT_TRUE(QFile::exists(autostartEntry()));
}

TEST_F(ClockWindow, HelpNamesTheMissingFileOncePerRequest)
{
    create();
    ErrorRecorder errors;
    QTest::keyClick(m_main.get(), Qt::Key_F1);
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("help.qch"))) << errors.messages[0].toStdString();
    child<QAction>(QStringLiteral("Help1"))->trigger();
    EXPECT_EQ(errors.messages.size(), 2);
}

TEST_F(ClockWindow, AboutItemAndLogoShowTheAboutBoxWithoutBlocking)
{
    TFormAbout about{QString(), QString()};
    create();
    m_main->setCompanions(nullptr, &about);
    child<QAction>(QStringLiteral("About1"))->trigger();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(about.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    about.findChild<QPushButton *>(QStringLiteral("ButtonOK"))->click();
    EXPECT_FALSE(about.isVisible());

    auto *logo = child<QLabel>(QStringLiteral("LabelLogo"));
    ASSERT_TRUE(logo->isVisible());
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_TRUE(about.isVisible());
}

namespace {

class AboutBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldVersion = QCoreApplication::applicationVersion();
        QCoreApplication::setApplicationVersion(QStringLiteral("3.4.5"));
        TFormAbout::setLinkOpener([this](const QUrl &url) {
            m_opened << url;
            return true;
        });
    }
    void TearDown() override
    {
        TFormAbout::setLinkOpener({});
        QCoreApplication::setApplicationVersion(m_oldVersion);
    }
    static QLabel *label(const TFormAbout &about, int n)
    {
        return about.findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
    }

    QString m_oldVersion;
    QList<QUrl> m_opened;
};

} // namespace

TEST_F(AboutBox, LayoutAndTexts)
{
    TFormAbout about(QStringLiteral("https://clock.invalid/"), QStringLiteral("help@clock.invalid"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.size(), QSize(282, 277));
    const QStringList texts{QStringLiteral("Chronelle"),         QStringLiteral("Version 3.4.5"),
                            QStringLiteral("Home Page"),         QStringLiteral("https://clock.invalid/"),
                            QStringLiteral("Technical Support"), QStringLiteral("help@clock.invalid")};
    for (int n = 1; n <= 6; ++n) {
        ASSERT_NE(label(about, n), nullptr) << n;
        EXPECT_EQ(label(about, n)->text(), texts[n - 1]) << n;
    }
    for (int link : {4, 6})
        EXPECT_EQ(label(about, link)->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << link;
}

TEST_F(AboutBox, LinksOpenTheirAddressesAndMissingOnesAreHidden)
{
    struct Row
    {
        const char *name;
        const char *homePage;
        const char *mail;
        QList<QUrl> opened; // after clicking the home page, then the mail address
    };
    const Row rows[] = {
        {"both",
         "https://clock.invalid/start",
         "help@clock.invalid",
         {QUrl(QStringLiteral("https://clock.invalid/start")), QUrl(QStringLiteral("mailto:help@clock.invalid"))}},
        {"web address without scheme", "clock.invalid", "", {QUrl(QStringLiteral("http://clock.invalid"))}},
        {"mail only", "", "a.b@clock.invalid", {QUrl(QStringLiteral("mailto:a.b@clock.invalid"))}},
        {"neither", "", "", {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_opened.clear();
        TFormAbout about(QString::fromLatin1(row.homePage), QString::fromLatin1(row.mail));
        about.show();
        const bool hasHome = *row.homePage != 0;
        const bool hasMail = *row.mail != 0;
        EXPECT_EQ(label(about, 3)->isVisible(), hasHome);
        EXPECT_EQ(label(about, 4)->isVisible(), hasHome);
        EXPECT_EQ(label(about, 5)->isVisible(), hasMail);
        EXPECT_EQ(label(about, 6)->isVisible(), hasMail);
        if (hasHome)
            QTest::mouseClick(label(about, 4), Qt::LeftButton);
        else
            about.Label4Click();
        if (hasMail)
            QTest::mouseClick(label(about, 6), Qt::LeftButton);
        else
            about.Label6Click();
        EXPECT_EQ(m_opened, row.opened);
        // The headings are no links.
        QTest::mouseClick(label(about, 3), Qt::LeftButton);
        QTest::mouseClick(label(about, 5), Qt::LeftButton);
        EXPECT_EQ(m_opened.size(), row.opened.size());
    }
}
