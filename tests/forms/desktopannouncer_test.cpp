// What the desktop is told of ringing and missed alarms, and how the ringing
// notification answers.

#include "alarmengine.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "desktopannouncer.h"
#include "desktopnotifier.h"
#include "errorrecorder.h"
#include "filelocations.h"
#include "systray.h"

#include <QApplication>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A desktop notification service that records, answers or refuses.
class RecordingNotifier final : public DesktopNotifier
{
public:
    void withdraw(int token) override { withdrawn << token; }
    QStringList told;
    QList<QStringList> actions;
    QList<int> withdrawn;
    bool refuse = false;

protected:
    int send(const QString &summary, const QString &body, Urgency urgency, Fallback fallback,
             const QList<Action> &offered) override
    {
        told << summary + u'|' + body + (urgency == Urgency::Critical ? u"|critical" : u"|normal");
        QStringList keys;
        for (const Action &action : offered)
            keys << action.key + u'=' + action.label;
        actions << keys;
        if (refuse)
            fallback();
        return told.size();
    }
};

// An announcer over an engine of its own, without a notification area.
class Announcer : public ::testing::Test
{
protected:
    Announcer() { TSysTray::overrideAvailability(false); }
    ~Announcer() override { TSysTray::overrideAvailability(std::nullopt); }

    // With a notifier of the test's (kept in m_notifier), or none.
    DesktopAnnouncer &create(bool withNotifier)
    {
        auto notifier = withNotifier ? std::make_unique<RecordingNotifier>() : nullptr;
        m_notifier = notifier.get();
        m_announcer = std::make_unique<DesktopAnnouncer>(m_engine, m_tray, &m_window, std::move(notifier));
        return *m_announcer;
    }
    void missTwo()
    {
        m_announcer->showMissedAlarm(QStringLiteral("Tea"), QDateTime(QDate(2027, 1, 2), QTime(16, 45)));
        m_announcer->showMissedAlarm(QStringLiteral("Walk"), QDateTime(QDate(2027, 1, 2), QTime(17, 0)));
        QCoreApplication::sendPostedEvents();
        QTest::qWait(0);
    }

    QTemporaryDir m_dir;
    FileLocations m_locations{m_dir.path() + u'/'};
    ManualClock m_clock{QDateTime(QDate(2027, 1, 2), QTime(9, 0))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    AlarmEngine m_engine{m_locations, m_clock, m_formatter};
    QWidget m_window;
    TSysTray m_tray;
    RecordingNotifier *m_notifier = nullptr;
    std::unique_ptr<DesktopAnnouncer> m_announcer;
};

} // namespace

// Without a notification area a balloon would show nowhere: what one gap
// missed is told in one box that waits for nobody.
TEST_F(Announcer, MissedAlarmsAreToldTogetherAlsoWithoutANotificationArea)
{
    create(false);
    ErrorRecorder errors;
    missTwo();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("2 alarm(s)"))) << errors.messages[0].toStdString();
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("\"Tea\" was due at 2027-01-02 16:45:00")));
    EXPECT_TRUE(errors.messages[0].contains(QStringLiteral("\"Walk\"")));
}

// Ringing and missed alarms go to the desktop's notifications; where the
// desktop refuses them, missed alarms still reach the user.
TEST_F(Announcer, RingingAndMissedAlarmsAreToldToTheDesktopOrFallBack)
{
    create(true);
    m_announcer->announceRinging(QStringLiteral("Wake up"), QStringLiteral("07:30:00 AM"));
    m_announcer->ringingEnded();
    m_announcer->ringingEnded();
    EXPECT_EQ(m_notifier->told, QStringList{QStringLiteral("Wake up|07:30:00 AM|critical")});
    EXPECT_EQ(m_notifier->withdrawn, QList<int>{1}) << "the answered alarm stays on the screen, or goes twice";

    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "refused" : "taken");
        m_notifier->refuse = refuse;
        ErrorRecorder errors;
        missTwo();
        ASSERT_TRUE(m_notifier->told.last().startsWith(u"Missed alarm|"));
        EXPECT_TRUE(m_notifier->told.last().contains(u"\"Walk\"")) << "not told together";
        EXPECT_EQ(errors.messages.size(), refuse ? 1 : 0);
    }
    EXPECT_EQ(m_notifier->told.size(), 3);
}

// After a long gap: one total, the first few listed, "and N more", and a
// box whose OK button stays on the screen.
TEST_F(Announcer, ALongGapIsToldInABoxThatFitsTheScreen)
{
    create(false);
    ErrorBox::setRecorder({}); // a real box, to measure it
    const auto restore = qScopeGuard([] {
        ErrorBox::setRecorder(
            [](const QString &message) { ADD_FAILURE() << "unexpected error box: " << message.toStdString(); });
    });
    const QString longCaption(5000, u'x');
    for (int i = 0; i < 10; ++i)
        m_announcer->showMissedAlarm(longCaption, QDateTime(QDate(2027, 1, 2), QTime(i, 45)));
    m_announcer->countMoreMissed(8750, false);
    QCoreApplication::sendPostedEvents();
    QTest::qWait(0);
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<QMessageBox *>(widget); found && found->isVisible())
            box = found;
    }
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(QStringLiteral("8760 alarm(s)"))) << box->text().left(300).toStdString();
    EXPECT_TRUE(box->text().endsWith(QStringLiteral("and 8750 more.")));
    EXPECT_LE(box->sizeHint().height(), QGuiApplication::primaryScreen()->availableGeometry().height());
    EXPECT_LE(box->sizeHint().width(), QGuiApplication::primaryScreen()->availableGeometry().width());
    box->close();
}

// A ringing alarm is answered from its notification as every other caller
// answers it, through the engine: "Snooze" snoozes, "OK" stops, a click on
// the notification asks for the window; an answer to an older notification,
// or once the alarm has stopped ringing, does nothing.
TEST_F(Announcer, TheRingingNotificationAnswersThroughTheEngine)
{
    create(true);
    m_engine.start();
    m_engine.timer()->stop();
    m_engine.catalogue().appendRow(CatalogueRow::fromFields(
        {QStringLiteral("Tea"), QStringLiteral("Daily"), QString(), QString(), QStringLiteral("090001"),
         QStringLiteral("02012027"), QStringLiteral("0000000"), QStringLiteral("0")}));
    QSignalSpy answers(&m_engine, &AlarmEngine::ringingAnswerRequested);
    QSignalSpy windowWanted(m_announcer.get(), &DesktopAnnouncer::ringingWindowWanted);
    const auto invoke = [this](int token, const char *key) {
        emit m_notifier->actionInvoked(token, QString::fromLatin1(key));
    };
    QList<AlarmEngine::RingingAnswer> heard;
    int rang = 0;
    m_engine.setRinger([&](const RingingRequest &) {
        ++rang;
        ASSERT_EQ(m_notifier->actions.size(), 1);
        EXPECT_EQ(m_notifier->actions[0],
                  (QStringList{QStringLiteral("default="), QStringLiteral("snooze=Snooze"), QStringLiteral("ok=OK")}));
        invoke(99, "ok");
        EXPECT_EQ(answers.count(), 0) << "an answer to another notification answered the alarm";
        invoke(1, "snooze");
        invoke(1, "default");
        EXPECT_EQ(windowWanted.count(), 1);
        invoke(1, "ok");
        for (const QList<QVariant> &answer : answers)
            heard << answer.at(0).value<AlarmEngine::RingingAnswer>();
    });
    m_clock.advance(1000);
    m_engine.tick();
    QCoreApplication::sendPostedEvents(&m_engine, QEvent::MetaCall);
    ASSERT_EQ(rang, 1);
    EXPECT_EQ(heard, (QList{AlarmEngine::RingingAnswer::Snooze, AlarmEngine::RingingAnswer::Stop}));
    EXPECT_FALSE(m_engine.ringing());
    EXPECT_EQ(m_notifier->withdrawn, QList<int>{1});
    invoke(1, "ok");
    invoke(1, "default");
    EXPECT_EQ(answers.count(), 2) << "an answer after the ringing reached the engine";
    EXPECT_EQ(windowWanted.count(), 1);
}
