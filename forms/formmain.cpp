#include "formmain.h"

#include "alarmengine.h"
#include "apperror.h"
#include "errorbox.h"
#include "formabout.h"
#include "formalarmlist.h"
#include "helplauncher.h"
#include "lcdscreen.h"
#include "skin.h"
#include "systray.h"
#include "textfile.h"
#include "windowmover.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int kDisplayLineCount = 5;
} // namespace

const std::array<TFormMain::ColourScheme, 6> &TFormMain::colourSchemes()
{
    static const std::array<ColourScheme, 6> schemes{{
        {QT_TR_NOOP("Blue"), 0x800000, 0xFFFF00, 0x000000},
        {QT_TR_NOOP("Gray"), 0xAAAAAA, 0x000000, 0xC0C0C0},
        {QT_TR_NOOP("Green"), 0x008000, 0x00FF00, 0x000000},
        {QT_TR_NOOP("Pink"), 0x800080, 0xFF00FF, 0x000000},
        {QT_TR_NOOP("Red"), 0x000080, 0x0000FF, 0x000000},
        {QT_TR_NOOP("Yellow"), 0x008080, 0x00FFFF, 0x000000},
    }};
    return schemes;
}

const std::array<TFormMain::SizeLayout, 3> &TFormMain::sizeLayouts()
{
    static const std::array<SizeLayout, 3> layouts{{
        {QT_TR_NOOP("Half Size"), Lcd::pix1x1, 0, QSize(184, 68), QPoint(-1, -1)},
        {QT_TR_NOOP("Normal Size"), Lcd::pix1x1, 1, QSize(272, 105), QPoint(130, 83)},
        {QT_TR_NOOP("Double Size"), Lcd::pix2x2, 1, QSize(382, 133), QPoint(238, 112)},
    }};
    return layouts;
}

void TFormMain::applyLcdDesign(TLCDScreen &lcd)
{
    lcd.setNoOfLines(4);
    lcd.setNoOfChars(22);
    lcd.setDotMatrix(Lcd::mat5x7);
    lcd.setPixelShape(Lcd::psSquare);
    lcd.setPixelSize(Lcd::pix1x1);
    lcd.setPixelSpacing(1);
    lcd.setCharSpacing(2);
    lcd.setLineSpacing(2);
    lcd.setBorderSpace(2);
    lcd.setBorderStyle(Lcd::bsLowered);
    lcd.setBorderColor(Lcd::clNavy);
    lcd.setColor(Lcd::clSilver);
    lcd.setPixelOn(Lcd::clBlack);
    lcd.setPixelOff(0xAAAAAA);
    lcd.setIntensity(127);
    lcd.setHorzScrollMode(Lcd::smIndependant);
    lcd.setAnimationEnabled(false);
    lcd.setAnimationRepeating(false);
    lcd.setAnimationDelay(250);
}

TFormMain::TFormMain(const QString &programFolder, const QString &autostartConfigHome, QWidget *parent)
    : TFormMain(FileLocations(programFolder), autostartConfigHome, parent)
{
}

TFormMain::TFormMain(const FileLocations &locations, const QString &autostartConfigHome, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_locations(locations),
      m_autostart(QApplication::applicationFilePath(), autostartConfigHome)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Chronelle"));
    setWindowIcon(Skin::applicationIcon());

    const std::array<QSize, 3> skinSizes{QSize(184, 68), QSize(272, 105), QSize(382, 133)};
    for (int i = 0; i < 3; ++i) {
        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(i));
        image->setPixmap(QPixmap::fromImage(Skin::panel(skinSizes[i])));
        image->setGeometry(QRect(QPoint(0, 0), skinSizes[i]));
        image->setToolTip(tr("Double click here to change LCD size"));
        image->setAccessibleName(tr("Clock"));
        image->installEventFilter(this);
        image->hide();
        m_images[i] = image;
    }

    // The designed face: 4 lines of 22 characters, 5x7 dots, grey on silver.
    LCDScreen1 = new TLCDScreen(this);
    LCDScreen1->setObjectName(QStringLiteral("LCDScreen1"));
    LCDScreen1->move(13, 12);
    applyLcdDesign(*LCDScreen1);
    LCDScreen1->setLines(QStringList(kDisplayLineCount, QString()));
    LCDScreen1->setToolTip(tr("Double click here to change LCD color"));
    LCDScreen1->installEventFilter(this);
    LCDScreen1->raise();

    LabelLogo = new QLabel(QStringLiteral("Chronelle"), this);
    LabelLogo->setObjectName(QStringLiteral("LabelLogo"));
    QFont logoFont(QStringLiteral("Verdana"));
    logoFont.setBold(true);
    logoFont.setPixelSize(12);
    LabelLogo->setFont(logoFont);
    // White through the palette: a style sheet would reach the label's tooltip too.
    QPalette logoPalette = LabelLogo->palette();
    logoPalette.setColor(QPalette::WindowText, Qt::white);
    LabelLogo->setPalette(logoPalette);
    LabelLogo->setToolTip(tr("About Chronelle"));
    LabelLogo->setCursor(Qt::PointingHandCursor);
    LabelLogo->adjustSize();
    LabelLogo->installEventFilter(this);
    LabelLogo->hide();

    buildMenu();

    SysTray = new TSysTray(this);
    SysTray->setObjectName(QStringLiteral("SysTray"));
    SysTray->setIcon(Skin::applicationIcon());
    SysTray->setHint(QStringLiteral("Chronelle"));
    SysTray->setPopupMenu(PopupMenu);
    SysTray->setPopupMode(TSysTray::pmRightClick);
    SysTray->setPopupAlign(TSysTray::paRight);
    connect(SysTray, &TSysTray::OnIconDoubleClick, this, &TFormMain::SysTrayIconDoubleClick);
    SysTray->setActive(true);

    // One tick, just after start-up, hides the clock to the tray. Keeping it
    // on the screen needs no timer: moves, resizes and screen changes do it.
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);
    Timer->setSingleShot(true);
    connect(Timer, &QTimer::timeout, this, &TFormMain::TimerTimer);

    // The design-time look until the settings say otherwise.
    applySize(1);
    applyColour(QStringLiteral("Gray"));
    FormCreate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    const auto followScreen = [this](QScreen *screen) {
        if (screen)
            connect(screen, &QScreen::geometryChanged, this, &TFormMain::keepOnScreen);
        keepOnScreen();
    };
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, followScreen);
    followScreen(QGuiApplication::primaryScreen());
    Timer->start();
}

TFormMain::~TFormMain() = default;

void TFormMain::buildMenu()
{
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    connect(PopupMenu, &QMenu::aboutToShow, this, &TFormMain::PopupMenuPopup);

    Hide1 = PopupMenu->addAction(tr("&Hide to system tray"), this, &TFormMain::Hide1Click);
    Hide1->setObjectName(QStringLiteral("Hide1"));
    QAction *manager = PopupMenu->addAction(tr("&Alarms Manager"), this, &TFormMain::AlarmsManager1Click);
    manager->setObjectName(QStringLiteral("AlarmsManager1"));
    m_skipNext = PopupMenu->addAction(tr("S&kip next alarm"), this, &TFormMain::skipNextAlarm);
    m_skipNext->setObjectName(QStringLiteral("SkipNextAlarm"));
    // On this platform programs start with the desktop session, not with Windows.
    AutoRun = PopupMenu->addAction(tr("&Start at Login"), this, &TFormMain::AutoRunClick);
    AutoRun->setObjectName(QStringLiteral("AutoRun"));
    AutoRun->setCheckable(true);

    QMenu *sizes = PopupMenu->addMenu(tr("Alarm &Clock Size"));
    sizes->menuAction()->setObjectName(QStringLiteral("LCDSize1"));
    auto *sizeGroup = new QActionGroup(this);
    for (int i = 0; i < int(sizeLayouts().size()); ++i) {
        QAction *item = sizes->addAction(tr(sizeLayouts()[i].caption), this, [this, i]() {
            applySize(i);
            keepSettings();
        });
        item->setCheckable(true);
        item->setActionGroup(sizeGroup);
        m_sizeActions << item;
    }
    QMenu *colours = PopupMenu->addMenu(tr("LCD C&olor"));
    colours->menuAction()->setObjectName(QStringLiteral("Color1"));
    auto *colourGroup = new QActionGroup(this);
    for (const ColourScheme &scheme : colourSchemes()) {
        const QString name = QString::fromLatin1(scheme.name);
        QAction *item = colours->addAction(tr(scheme.name), this, [this, name]() {
            applyColour(name);
            keepSettings();
        });
        item->setCheckable(true);
        item->setActionGroup(colourGroup);
        m_colourActions << item;
    }
    PopupMenu->addSeparator();
    QAction *help = PopupMenu->addAction(tr("H&elp"), this, &TFormMain::Help1Click);
    help->setObjectName(QStringLiteral("Help1"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    QAction *about = PopupMenu->addAction(tr("A&bout"), this, &TFormMain::About1Click);
    about->setObjectName(QStringLiteral("About1"));
    PopupMenu->addSeparator();
    QAction *exitItem = PopupMenu->addAction(tr("E&xit"), this, &TFormMain::Exit1Click);
    exitItem->setObjectName(QStringLiteral("Exit1"));
}

void TFormMain::setEngine(AlarmEngine *engine)
{
    if (m_engine)
        disconnect(m_engine, nullptr, this, nullptr);
    m_engine = engine;
    if (m_engine)
        connect(m_engine, &AlarmEngine::nextAlarmChanged, this, &TFormMain::showNextAlarm);
    showNextAlarm();
}

void TFormMain::setCompanions(TFormAlarmList *alarmList, TFormAbout *about)
{
    m_alarmList = alarmList;
    m_about = about;
}

void TFormMain::showNextAlarm()
{
    const std::optional<Occurrence> next = m_engine ? m_engine->nextAlarm() : std::nullopt;
    // The user sees what a click would skip before making it.
    m_skipNext->setEnabled(next.has_value());
    if (!next) {
        m_skipNext->setText(tr("S&kip next alarm"));
        SysTray->setHint(tr("Chronelle: no alarm will ring"));
        return;
    }
    QString named = describeAlarm(*next);
    m_skipNext->setText(tr("S&kip next alarm: %1").arg(named.replace(u'&', QStringLiteral("&&"))));
    const DateTimeFormatter &formatter = m_engine->formatter();
    SysTray->setHint(
        tr("Next alarm: %1 %2 %3")
            .arg(formatter.format(u"ddd", next->due.date()), formatter.longTime(next->due.time()), next->caption));
}

QString TFormMain::describeAlarm(const Occurrence &alarm) const
{
    const DateTimeFormatter &formatter = m_engine->formatter();
    // The user's own clock, less its seconds, which an alarm in a menu does
    // not need: "h:nn:ss AM/PM" gives "h:nn AM/PM".
    static const QRegularExpression seconds(QStringLiteral(":s+"));
    const QString timePattern = QString(formatter.formats().longTimeFormat).remove(seconds);
    const QString when =
        formatter.format(u"ddd", alarm.due.date()) + u' ' + formatter.format(timePattern, alarm.due.time());
    const QString caption = alarm.caption.trimmed();
    return caption.isEmpty() ? when : tr("%1, %2", "an alarm's caption, then its day and time").arg(caption, when);
}

void TFormMain::skipNextAlarm()
{
    if (!m_engine)
        return;
    const std::optional<Occurrence> next = m_engine->nextAlarm();
    if (!next)
        return;
    bool skipped = false;
    ErrorBox::guard(this, [this, &skipped]() { skipped = m_engine->skipSoonest(); });
    // The tooltip names the next alarm by now; the message says what went.
    if (skipped && trayUsable())
        SysTray->showMessage(tr("Alarm skipped"), tr("%1 will not ring.").arg(describeAlarm(*next)));
}

QString TFormMain::settingsPath() const
{
    return m_locations.clockSettings();
}

void TFormMain::FormCreate()
{
    m_hideAtStart = true;
    QString error;
    m_settings = ClockSettings::read(settingsPath(), &error);
    m_settingsUnreadable = !error.isEmpty();
    if (!error.isEmpty())
        ErrorBox::show(this, error);
    // Unknown values apply nothing and are written back as they were read.
    const ClockSettings read = m_settings;
    if (read.sizeIndex >= 0 && read.sizeIndex < int(sizeLayouts().size()))
        applySize(read.sizeIndex);
    applyColour(read.colourName);
    m_settings = read;
    AutoRun->setChecked(m_autostart.isEnabled());
    keepOnScreen();
}

void TFormMain::applySize(int sizeIndex)
{
    if (sizeIndex < 0 || sizeIndex >= int(sizeLayouts().size()))
        return;
    const SizeLayout &layout = sizeLayouts()[sizeIndex];
    m_settings.sizeIndex = sizeIndex;
    LCDScreen1->setPixelSize(layout.pixelSize);
    LCDScreen1->setPixelSpacing(quint8(layout.pixelSpacing));
    for (int i = 0; i < 3; ++i) {
        m_images[i]->setVisible(i == sizeIndex);
        if (i == sizeIndex)
            m_images[i]->move(0, 0);
    }
    if (layout.logo.x() >= 0) {
        LabelLogo->move(layout.logo);
        LabelLogo->show();
    }
    setFixedSize(layout.window);
    LCDScreen1->raise();
    LabelLogo->raise();
    m_sizeActions[sizeIndex]->setChecked(true);
}

void TFormMain::applyColour(const QString &name)
{
    for (int i = 0; i < int(colourSchemes().size()); ++i) {
        const ColourScheme &scheme = colourSchemes()[i];
        if (name != QLatin1String(scheme.name))
            continue;
        LCDScreen1->setPixelOff(scheme.pixelOff);
        LCDScreen1->setPixelOn(scheme.pixelOn);
        LCDScreen1->setColor(scheme.color);
        m_settings.colourName = name;
        m_colourActions[i]->setChecked(true);
        return;
    }
}

void TFormMain::stepSize()
{
    const int next = m_settings.sizeIndex + 1;
    applySize(next >= int(sizeLayouts().size()) || next < 0 ? 0 : next);
    keepSettings();
}

void TFormMain::stepColour()
{
    for (int i = 0; i < int(colourSchemes().size()); ++i) {
        if (m_settings.colourName == QLatin1String(colourSchemes()[i].name)) {
            applyColour(QString::fromLatin1(colourSchemes()[(i + 1) % colourSchemes().size()].name));
            keepSettings();
            return;
        }
    }
}

void TFormMain::keepSettings()
{
    // Written at once as well as at the end, so a crash or a power cut
    // doesn't undo the choice. A failure here is told by the write at the end.
    try {
        m_settings.write(settingsPath());
        m_settingsUnreadable = false;
    } catch (const AppError &error) {
        std::fprintf(stderr, "chronelle: could not save the clock settings: %s\n", error.what());
    }
}

void TFormMain::setDisplayLine(int index, const QString &text)
{
    LCDScreen1->setLine(index, text);
}

void TFormMain::showAlarmLines(const QString &clockLine, const QString &marqueeLine)
{
    setDisplayLine(1, clockLine);
    setDisplayLine(2, marqueeLine);
}

void TFormMain::TimerTimer()
{
    if (m_hideAtStart) {
        m_hideAtStart = false;
        // Without a notification area a hidden clock could never be reached again.
        if (trayUsable()) {
            hide();
            Hide1->setText(tr("&Restore"));
        }
    }
    keepOnScreen();
}

void TFormMain::keepOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    QPoint place = pos();
    if (place.x() < area.left())
        place.setX(area.left());
    if (place.y() < area.top())
        place.setY(area.top());
    if (place.x() > area.right() + 1 - width())
        place.setX(area.right() + 1 - width());
    if (place.y() > area.bottom() + 1 - height())
        place.setY(area.bottom() + 1 - height());
    if (place != pos())
        move(place);
}

bool TFormMain::trayUsable() const
{
    return TSysTray::isAvailable() && SysTray->isShown();
}

void TFormMain::PopupMenuPopup()
{
    Hide1->setText(isVisible() ? tr("&Hide to system tray") : tr("&Restore"));
    // Hiding where there is no notification area would lose the clock for good.
    Hide1->setEnabled(!isVisible() || trayUsable());
    AutoRun->setChecked(m_autostart.isEnabled());
}

void TFormMain::Hide1Click()
{
    if (isVisible()) {
        if (!trayUsable())
            return;
        hide();
        Hide1->setText(tr("&Restore"));
    } else {
        show();
        raise();
        Hide1->setText(tr("&Hide to system tray"));
    }
}

void TFormMain::toggleVisible()
{
    if (isVisible()) {
        hide();
        Hide1->setText(tr("&Restore"));
    } else {
        show();
        raise();
        activateWindow();
        Hide1->setText(tr("&Hide to system tray"));
    }
}

void TFormMain::SysTrayIconDoubleClick()
{
    toggleVisible();
}

void TFormMain::AlarmsManager1Click()
{
    if (m_alarmList)
        m_alarmList->showAndRaise();
}

void TFormMain::AutoRunClick()
{
    const bool wanted = !m_autostart.isEnabled();
    ErrorBox::guard(this, [this, wanted]() { m_autostart.setEnabled(wanted); });
    // The mark shows what the desktop will really do.
    AutoRun->setChecked(m_autostart.isEnabled());
}

void TFormMain::Help1Click()
{
    ErrorBox::guard(this, [this]() { HelpLauncher::showTopic(this, m_locations.helpFile()); });
}

void TFormMain::About1Click()
{
    if (!m_about)
        return;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void TFormMain::Exit1Click()
{
    emit exitChosen();
}

void TFormMain::saveSettings() const
{
    if (m_settingsUnreadable && !TextFile::whatIsNotAFile(settingsPath()).isEmpty())
        return;
    m_settings.write(settingsPath());
}

void TFormMain::closeForGood()
{
    SysTray->setActive(false);
    m_closing = true;
    close();
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    // Only the program's end closes the clock; any other close request hides it.
    event->ignore();
    if (trayUsable()) {
        hide();
        Hide1->setText(tr("&Restore"));
    } else {
        // Nowhere to hide to: out of the way, but still on the taskbar.
        showMinimized();
    }
}

void TFormMain::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    keepOnScreen();
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    keepOnScreen();
}

void TFormMain::contextMenuEvent(QContextMenuEvent *event)
{
    // The same menu as on the tray icon, its right edge at the cursor (or at
    // the middle of the clock when it was asked for from the keyboard).
    openMenuAt(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center()));
    event->accept();
}

void TFormMain::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        Help1Click();
        return;
    }
    // The menu from the keyboard, as everywhere else: the Menu key or Shift+F10.
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (menuKey || shiftF10) {
        openMenuAt(mapToGlobal(rect().center()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormMain::openMenuAt(const QPoint &globalPos)
{
    // Right-aligned: its right edge at the given point.
    PopupMenu->popup(globalPos - QPoint(PopupMenu->sizeHint().width(), 0));
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    const bool onSkin = std::find(m_images.begin(), m_images.end(), watched) != m_images.end();
    const bool onFace = watched == LCDScreen1;
    if (watched == LabelLogo && event->type() == QEvent::MouseButtonRelease) {
        About1Click();
        return true;
    }
    if (!onSkin && !onFace)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (onSkin)
            stepSize();
        else
            stepColour();
        return true;
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The move starts only once the pointer has really moved: a window
        // manager that took the pointer at the press would swallow the
        // second click of a double click.
        m_pressPoint = mouse->globalPosition().toPoint();
        m_dragOffset = m_pressPoint - pos();
        m_dragState = DragState::Pressed;
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (m_dragState == DragState::Pressed && mouse->buttons().testFlag(Qt::LeftButton) &&
            (global - m_pressPoint).manhattanLength() >= QApplication::startDragDistance()) {
            // Catch up with the pointer first: the window manager's move
            // starts from where the pointer is now, and would otherwise keep
            // the window behind it by the drag distance for good.
            move(global - m_dragOffset);
            // Let the window manager move the borderless window from here on
            // (a move of our own now would be undone by it); without one,
            // move it ourselves.
            const bool byWindowManager = WindowMover::startSystemMove(windowHandle(), global);
            m_dragState = byWindowManager ? DragState::Idle : DragState::Moving;
        }
        if (m_dragState == DragState::Moving) {
            move(global - m_dragOffset);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        m_dragState = DragState::Idle;
        return false;
    default:
        return false;
    }
}
