#include "formmain.h"

#include "apperror.h"
#include "errorbox.h"
#include "formalarmlist.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

namespace {
constexpr int kDisplayLineCount = 5;
}

TFormMain::TFormMain(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Chronelle"));
    m_lines = QStringList(kDisplayLineCount, QString());

    // Stand-in face until the dot-matrix display arrives: the same lines, as text.
    LCDScreen1 = new QLabel(this);
    LCDScreen1->setObjectName(QStringLiteral("LCDScreen1"));
    LCDScreen1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    LCDScreen1->setTextFormat(Qt::PlainText);
    LCDScreen1->setStyleSheet(QStringLiteral("background: black; color: cyan; padding: 6px;"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LCDScreen1);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    QAction *manager = PopupMenu->addAction(QStringLiteral("Alarms Manager"), this, &TFormMain::AlarmsManager1Click);
    manager->setObjectName(QStringLiteral("AlarmsManager1"));
    PopupMenu->addSeparator();
    QAction *exitAction = PopupMenu->addAction(QStringLiteral("E&xit"), this, &TFormMain::Exit1Click);
    exitAction->setObjectName(QStringLiteral("Exit1"));
    exitAction->setShortcut(QKeySequence::Quit);
    exitAction->setShortcutContext(Qt::WindowShortcut);
    addAction(exitAction);

    FormCreate();
    showLines();
}

void TFormMain::setCompanions(TFormAlarmList *alarmList, TFormAbout *about)
{
    m_alarmList = alarmList;
    m_about = about;
}

QString TFormMain::settingsPath() const
{
    return m_programFolder + QStringLiteral("LCD.ini");
}

void TFormMain::FormCreate()
{
    QString error;
    m_settings = ClockSettings::read(settingsPath(), &error);
    if (!error.isEmpty()) {
        ErrorBox::show(this, QStringLiteral("%1\n\nThe clock settings in %2 could not be read; normal size and "
                                            "\"Blue\" are used and a correct file is written at exit.")
                                 .arg(error, settingsPath()));
    }
}

void TFormMain::setDisplayLine(int index, const QString &text)
{
    if (index < 0 || index >= m_lines.size() || m_lines[index] == text)
        return;
    m_lines[index] = text;
    showLines();
}

void TFormMain::showLines()
{
    LCDScreen1->setText(m_lines.mid(0, 4).join(u'\n'));
}

void TFormMain::AlarmsManager1Click()
{
    if (m_alarmList)
        m_alarmList->showAndRaise();
}

void TFormMain::Exit1Click()
{
    if (m_alarmList) {
        m_alarmList->setExitFlag(true);
        // The manager's close writes the catalogue; if that fails the exit ends here.
        if (!m_alarmList->close())
            return;
    }
    m_closing = true;
    if (!close()) {
        m_closing = false;
        return;
    }
    QApplication::quit();
}

void TFormMain::exitUnattended()
{
    const auto logged = [](const char *what, const std::function<void()> &save) {
        try {
            save();
        } catch (const AppError &error) {
            std::fprintf(stderr, "chronelle: could not save %s: %s\n", what, error.what());
        }
    };
    if (m_alarmList) {
        m_alarmList->setExitFlag(true);
        logged("the alarm list", [this]() { m_alarmList->saveCatalogue(); });
        m_alarmList->hide();
    }
    logged("the clock settings", [this]() { m_settings.write(settingsPath()); });
    QApplication::quit();
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    // Only "Exit" closes the clock; anything else (a window manager's close
    // button on a desktop that draws one) leaves it running in the background.
    if (!m_closing) {
        event->ignore();
        hide();
        return;
    }
    if (ErrorBox::guard(this, [this]() { m_settings.write(settingsPath()); }))
        event->accept();
    else
        event->ignore();
}

void TFormMain::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenu->popup(event->globalPos());
}
