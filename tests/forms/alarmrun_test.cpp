// The ringing window: what it shows of its session, and where.

#include "alarmfile.h"
#include "alarmrun.h"
#include "formstestsupport.h"
#include "ringingsession.h"
#include "schedulerules.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

class RingingWindow : public ManagerTest
{
protected:
    RingingWindow() : ManagerTest(QDateTime(QDate(2026, 12, 7), QTime(23, 50, 0)))
    {
        m_record.playList = {QStringLiteral("/a.mp3"), QStringLiteral("/b.mp3")};
    }
    void TearDown() override
    {
        m_window.reset();
        m_session.reset();
    }

    // The ringing window of slot 7, due at `due`, over the manager, on a
    // session of its own.
    void makeWindow(const QDateTime &due = {}, const DialogServices *services = nullptr)
    {
        m_window.reset();
        const DialogServices &given = services ? *services : m_services;
        m_session = std::make_unique<RingingSession>(
            RingingRequest{Occurrence{7, QStringLiteral("x"), due}, path(QStringLiteral("7.ini"))}, given.ringing());
        m_window = std::make_unique<TAlarmRun>(*m_session, given, &m_manager);
    }
    QString label(const char *name) const { return m_window->findChild<QLabel *>(QString::fromLatin1(name))->text(); }

    AlarmRecord m_record = AlarmRecord::newAlarm(m_clock.now());
    std::unique_ptr<RingingSession> m_session;
    std::unique_ptr<TAlarmRun> m_window;
};

} // namespace

// An alarm queued behind another one rings late; the window says when it was due.
TEST_F(RingingWindow, ALateRingingShowsWhenItWasDue)
{
    AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
    const QDateTime now = ScheduleRules::wallMomentOf(m_clock.now());
    const std::pair<QDateTime, QString> rows[] = {{now, QString()},
                                                  {now.addSecs(-125), QStringLiteral("Due at 11:47:55 PM")}};
    for (const auto &[due, shown] : rows) {
        makeWindow(due);
        EXPECT_EQ(label("LabelDue"), shown);
    }
}

// The date reads in the order of the user's dates: the design's month-first
// line in US English, the day first in German, the year first in Japanese
// and Chinese. While a snooze runs, the cycle clock takes its place, shown
// like a time of day.
TEST_F(RingingWindow, TheDateFollowsTheOrderOfTheUsersDates)
{
    AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
    const auto formatterOf = [](const char *locale) {
        return DateTimeFormatter(LocaleFormats::fromLocale(QLocale(QString::fromLatin1(locale))));
    };
    const std::pair<const char *, const char *> rows[] = {{nullptr, "Mon, December,07, 2026"},
                                                          {"de_DE", "Mo., 07 Dezember, 2026"},
                                                          {"ja_JP", "2026/12/7 (月)"},
                                                          {"zh_CN", "2026/12/7 (周一)"}};
    for (const auto &[locale, shown] : rows) {
        SCOPED_TRACE(locale ? locale : "the test's own");
        const DateTimeFormatter formatter = locale ? formatterOf(locale) : m_services.formatter;
        const DialogServices services{
            m_locations, m_clock, formatter, m_level, m_services.makePlayer, m_services.makeAudibleGuard, nullptr};
        makeWindow({}, &services);
        EXPECT_EQ(label("LabelDate"), QString::fromUtf8(shown));
    }
    makeWindow();
    emit m_session->cycleClockShown(3 * 60'000 + 5'400);
    EXPECT_EQ(label("LabelDate"), QStringLiteral("12:03:05 AM"));
}

// A screen reader says the dialog's description when it opens: which alarm
// rings, and for when, in the user's time format; an empty reminder leaves
// the time alone, with no padding.
TEST_F(RingingWindow, TheDescriptionTellsScreenReadersTheAlarmsTimeAndReminder)
{
    const QDateTime due = ScheduleRules::wallMomentOf(m_clock.now()).addSecs(-125);
    const std::pair<const char *, const char *> rows[] = {
        {"Take the pills\n  with water\n", "Alarm at 11:47:55 PM: Take the pills with water"},
        {"", "Alarm at 11:47:55 PM"}};
    for (const auto &[reminder, described] : rows) {
        m_record.reminder = QString::fromLatin1(reminder);
        AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
        makeWindow(due);
        EXPECT_EQ(m_window->accessibleDescription(), QString::fromLatin1(described));
    }
}

// What goes wrong while an alarm rings (an alarm file that can't be read, a
// sound server that is down) is said once in the window's note line, after
// what the guard did, never in a box over it: the window keeps the focus on
// "Snooze", the reminder stays in sight, and a sound tried again (every five
// seconds) is not said again.
TEST_F(RingingWindow, ProblemsAreSaidOnceInTheWindowWhichKeepsTheFocus)
{
    const QString sound = path(QStringLiteral("sounds/start.wav"));
    const QString cannotPlay =
        QStringLiteral("cannot open ") + sound + u" The alarm sound is tried again every few seconds.";
    m_audibleNote = QStringLiteral("The sound was off; it is on for this alarm.");
    // A missing file still rings, with the first sound.
    const std::pair<bool, QStringList> rows[] = {
        {false,
         {m_audibleNote, u"Could not open " + path(QStringLiteral("7.ini")) + u": No such file or directory",
          cannotPlay}},
        {true, {m_audibleNote, cannotPlay}}};
    m_record.playListOn = false;
    m_record.soundOn = true;
    m_record.reminder = QStringLiteral("Take the pills");
    for (const auto &[fileReadable, said] : rows) {
        SCOPED_TRACE(fileReadable ? "no sound server" : "no sound server, and an alarm file that can't be read");
        if (fileReadable)
            AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
        else
            QFile::remove(path(QStringLiteral("7.ini")));
        makeWindow();
        static_cast<FakePlayer &>(m_session->player()).unplayable << sound;
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        for (int retry = 0; retry < 3; ++retry) {
            m_clock.advance(6000);
            m_window->TimerTimer();
            QCoreApplication::processEvents();
        }
        const QWidget *modal = QApplication::activeModalWidget();
        EXPECT_TRUE(modal == nullptr || modal == m_window.get()) << "a box over the ringing window";
        EXPECT_EQ(m_window->focusWidget(), m_window->findChild<QPushButton *>(QStringLiteral("Button1")));
        EXPECT_EQ(label("LabelSound"), said.join(u'\n'));
        const auto *memo = m_window->findChild<QPlainTextEdit *>(QStringLiteral("Memo"));
        EXPECT_TRUE(memo->isVisible());
        EXPECT_LE(memo->geometry().bottom(), m_window->findChild<QLabel *>(QStringLiteral("LabelSound"))->y())
            << "the note covers the reminder";
        EXPECT_EQ(memo->toPlainText().trimmed(), fileReadable ? m_record.reminder : QString());
    }
}

// An alarm opens on top, centred on the screen, with "Snooze" focused; a
// stray Escape leaves it ringing, the title bar's close still ends it, and
// "OK" ends the session and with it the window.
TEST_F(RingingWindow, OpensCentredOnTopWithSnoozeFocusedAndOnlyOKOrCloseEndIt)
{
    m_manager.move(21, 40);
    m_record.playListOn = false;
    m_record.soundOn = true;
    AlarmFile::write(path(QStringLiteral("7.ini")), m_record);
    for (const bool byOK : {false, true}) {
        SCOPED_TRACE(byOK ? "OK" : "the title bar's close");
        makeWindow();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        EXPECT_TRUE(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        ASSERT_NE(screen ? screen : QGuiApplication::primaryScreen(), nullptr);
        EXPECT_EQ(m_window->geometry().center(),
                  (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry().center());
        EXPECT_EQ(m_window->focusWidget(), m_window->findChild<QPushButton *>(QStringLiteral("Button1")));

        m_clock.advance(200);
        m_window->TimerTimer();
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        m_window->TimerTimer();
        EXPECT_TRUE(m_window->isVisible()) << "Escape ended the alarm";
        EXPECT_TRUE(m_session->player().isPlaying());

        if (byOK)
            m_window->findChild<QPushButton *>(QStringLiteral("ButtonOK"))->click();
        else
            m_window->close();
        EXPECT_FALSE(m_window->isVisible());
        EXPECT_TRUE(m_session->isFinished());
    }
}
