#include "alarmoptions.h"

#include "alarmfile.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "editorcontrols.h"
#include "editorgeneralpage.h"
#include "editorotherspage.h"
#include "editorsoundpage.h"
#include "errorbox.h"
#include "outputlevel.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <exception>

namespace {
constexpr int kLargestFontPixels = 12;
} // namespace

TAlarmOptions::TAlarmOptions(const EditorRequest &request, const DialogServices &services, QWidget *parent)
    : QDialog(parent), m_request(request), m_services(services)
{
    setObjectName(QStringLiteral("AlarmOptions"));
    setWindowTitle(tr("Alarm Options"));
    setModal(true);
    setFixedSize(377, 408);
    // The pages place their controls at fixed spots; a font larger than the
    // one they were laid out for would run texts into each other.
    QFont dialogFont = font();
    if (QFontInfo(dialogFont).pixelSize() > kLargestFontPixels) {
        dialogFont.setPixelSize(kLargestFontPixels);
        setFont(dialogFont);
    }

    Table = EditorControls::named(new QTabWidget(this), "Table");
    Table->setGeometry(8, 8, 361, 361);
    Table->setAccessibleName(tr("Pages"));
    // Alt+O and Alt+C (captions unchanged); Return outside the reminder
    // presses OK, Escape presses Cancel.
    OK = EditorControls::button(this, "OK", tr("&OK"), 232, 376, 67, 25);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &TAlarmOptions::OKClick);
    Cancel = EditorControls::button(this, "Cancel", tr("&Cancel"), 304, 376, 67, 25);
    connect(Cancel, &QPushButton::clicked, this, &TAlarmOptions::CancelClick);

    // Beside "OK", which would refuse such an alarm; said before the user
    // gets there, while typing or pasting.
    SizeWarning = EditorControls::named(new QLabel(this), "SizeWarning");
    SizeWarning->setGeometry(8, 371, 218, 36);
    SizeWarning->setWordWrap(true);
    SizeWarning->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette warningColours = SizeWarning->palette();
    warningColours.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
    SizeWarning->setPalette(warningColours);
    SizeWarning->hide();
    m_sizeCheck = new QTimer(this);
    m_sizeCheck->setSingleShot(true);
    m_sizeCheck->setInterval(150);
    connect(m_sizeCheck, &QTimer::timeout, this, &TAlarmOptions::showSizeWarning);

    // Each page is laid out on its own before it joins the page control.
    TabSheet1 = new EditorGeneralPage(m_services.formatter.formats());
    TabSheet1->setAlarmOn(m_request.enabled);
    Table->addTab(TabSheet1, tr("General "));
    SoundMusic = new EditorPlayListPage(m_services.locations, m_services.makePlayer);
    Table->addTab(SoundMusic, tr("Play List"));
    TabSheet4 = new EditorSoundPage(m_services.outputLevel);
    Table->addTab(TabSheet4, tr("Sound effect"));
    TabSheet2 = new EditorOthersPage(m_services.powerActions);
    Table->addTab(TabSheet2, tr("Ohters"));
    // "General " keeps its designed space on the tab, not in what is read.
    for (int page = 0; page < Table->count(); ++page)
        Table->tabBar()->setAccessibleTabName(page, Table->tabText(page).trimmed());
    buildTabOrder();
    // Ctrl+Tab turns the page from any control: the page control hears the
    // key only while it has the focus, and a drop-down list takes it for a
    // search.
    const auto turnPage = [this](QKeySequence keys, int step) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step]() {
            Table->setCurrentIndex((Table->currentIndex() + step + Table->count()) % Table->count());
        });
    };
    turnPage(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    turnPage(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    turnPage(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
    const auto checkSizeSoon = [this]() { m_sizeCheck->start(); };
    connect(TabSheet1, &EditorGeneralPage::reminderEdited, this, checkSizeSoon);
    connect(SoundMusic, &EditorPlayListPage::playListEdited, this, checkSizeSoon);

    const QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

TAlarmOptions::~TAlarmOptions()
{
    // Releasing the dialog ends a test playback that is still running.
    SoundMusic->endTestPlayback();
    FormClose();
}

void TAlarmOptions::buildTabOrder()
{
    // Screen order on every page: rows from the top, left to right in a row.
    QList<QWidget *> chain{Table};
    chain << TabSheet1->tabOrder() << SoundMusic->tabOrder() << TabSheet4->tabOrder() << TabSheet2->tabOrder();
    chain << OK << Cancel;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TAlarmOptions::setFileChooser(FileChooser chooser)
{
    SoundMusic->setFileChooser(std::move(chooser));
}

const QStringList &TAlarmOptions::playList() const
{
    return SoundMusic->playList();
}

MediaPlayer &TAlarmOptions::player() const
{
    return SoundMusic->player();
}

void TAlarmOptions::FrequencyChange()
{
    TabSheet1->FrequencyChange();
}

void TAlarmOptions::AddMusicClick()
{
    SoundMusic->AddMusicClick();
}

void TAlarmOptions::DeleteMusicClick()
{
    SoundMusic->DeleteMusicClick();
}

void TAlarmOptions::UpMusicClick()
{
    SoundMusic->UpMusicClick();
}

void TAlarmOptions::DownMusicClick()
{
    SoundMusic->DownMusicClick();
}

void TAlarmOptions::FormCreate()
{
    // The output level is the dialog's from here to its end.
    m_savedLevel = m_services.outputLevel.packed();
    m_services.outputLevel.setLevel(OutputLevel::maxLevel);
    // A new alarm's defaults reach the pages as any alarm does, so "Weekly"
    // sets its fields up exactly as picking it would.
    load(AlarmRecord::newAlarm(m_services.clock.now()));
    Table->setCurrentWidget(TabSheet1);
}

void TAlarmOptions::load(const AlarmRecord &record)
{
    TabSheet1->load(record);
    SoundMusic->load(record);
    TabSheet4->load(record);
    TabSheet2->load(record);
}

AlarmRecord TAlarmOptions::record() const
{
    AlarmRecord r;
    TabSheet1->store(r);
    SoundMusic->store(r);
    TabSheet4->store(r);
    TabSheet2->store(r);
    return r;
}

void TAlarmOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
    // Opened from the keyboard, the dialog starts where its first page does,
    // with a visible focus, instead of on the row of tabs.
    for (QWidget *control : TabSheet1->tabOrder()) {
        if (control->isEnabled() && control->focusPolicy() != Qt::NoFocus) {
            control->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void TAlarmOptions::FormShow()
{
    if (!m_request.newAlarm)
        ActionReadAlarmInfoExecute();
}

void TAlarmOptions::ActionReadAlarmInfoExecute()
{
    // The fields read before a failing line take their new values, the rest
    // keep what the controls hold; the error is shown once they are in place.
    AlarmRecord read = record();
    std::exception_ptr failure;
    try {
        AlarmFile::read(m_request.workingCopyPath, AlarmFile::ReadMode::Editing, read);
    } catch (...) {
        failure = std::current_exception();
    }
    load(read);
    if (failure)
        ErrorBox::guard(this, [&failure]() { std::rethrow_exception(failure); });
}

void TAlarmOptions::OKClick()
{
    const AlarmRecord r = record();
    // A working copy that could not be written whole must not become an
    // alarm: the dialog stays open with everything the user entered.
    if (!ErrorBox::guard(this, [this, &r]() { AlarmFile::write(m_request.workingCopyPath, r); }))
        return;
    m_result = EditorResult{TabSheet1->caption(), r.frequencyCode, r.alarmTime,
                            r.alarmDate,          r.weekdayMask(), TabSheet1->alarmOn()};
    accept();
}

void TAlarmOptions::showSizeWarning()
{
    const std::optional<AlarmFile::Oversize> tooLong = AlarmFile::oversize(record());
    if (!tooLong) {
        SizeWarning->hide();
        SizeWarning->clear();
        return;
    }
    // Two short lines beside OK; the whole reason is in the tooltip.
    const QString what = tooLong->part == AlarmFile::Oversize::Part::WholeFile       ? tr("%1 characters in all")
                         : tooLong->part == AlarmFile::Oversize::Part::PlayListEntry ? tr("a song of %1 characters")
                                                                                     : tr("a line of %1 characters");
    SizeWarning->setText(
        tr("Can't be saved: %1 (at most %2).")
            .arg(what.arg(QLocale().toString(tooLong->characters)), QLocale().toString(tooLong->limit)));
    // The whole reason, for a screen reader and for a pointer resting on it.
    SizeWarning->setToolTip(tooLong->message());
    SizeWarning->setAccessibleDescription(tooLong->message());
    if (SizeWarning->isHidden()) {
        SizeWarning->show();
        // Read out once as it appears, wherever the focus is.
        QAccessibleEvent appeared(SizeWarning, QAccessible::Alert);
        QAccessible::updateAccessibility(&appeared);
    }
}

void TAlarmOptions::CancelClick()
{
    SoundMusic->endTestPlayback();
    reject();
}

void TAlarmOptions::keyPressEvent(QKeyEvent *event)
{
    // Escape presses "Cancel", which also ends a test playback; the close
    // box only ends the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Cancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAlarmOptions::done(int result)
{
    QDialog::done(result);
    FormClose();
}

void TAlarmOptions::FormClose()
{
    if (m_levelRestored)
        return;
    m_levelRestored = true;
    m_services.outputLevel.setPacked(m_savedLevel);
}
