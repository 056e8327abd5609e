#include "alarmfile.h"
#include "clock.h"
#include "clockface.h"
#include "datetimeformatter.h"
#include "fakeplayer.h"
#include "formalarmlist.h"
#include "qtprint.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class LinesOnly final : public ClockFace
{
public:
    void setDisplayLine(int index, const QString &text) override { lines[index] = text; }
    QMap<int, QString> lines;
};

CatalogueRow daily(const QString &caption, const char *timeKey, int slot)
{
    return {caption,
            QStringLiteral("Daily"),
            {},
            {},
            QString::fromLatin1(timeKey),
            QStringLiteral("01012020"),
            QStringLiteral("0000000"),
            QString::number(slot)};
}

class Scheduling : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_manager.timer()->stop();
        m_manager.setPlayerFactory([](QObject *parent) { return new FakePlayer(parent); });
        for (const auto &[slot, text] : {std::pair(3, "first"), std::pair(5, "second")}) {
            AlarmRecord record = AlarmRecord::newAlarm(m_clock.now());
            record.playListOn = false;
            record.reminder = QString::fromLatin1(text) + u'\n';
            AlarmFile::write(m_dir.filePath(QStringLiteral("%1.ini").arg(slot)), record);
        }
        m_manager.catalogue().appendRow(daily(QStringLiteral("first"), "073000", 3));
        m_manager.catalogue().appendRow(daily(QStringLiteral("second"), "073000", 5));
    }

    QTemporaryDir m_dir;
    LinesOnly m_face;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 900))};
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    TFormAlarmList m_manager{m_dir.path() + u'/', m_face, m_clock, m_formatter};
};

} // namespace

// The real modal window: while it is open the ticks go on and ring nothing
// more; when it closes, the alarm due in the same second rings next.
TEST_F(Scheduling, DueRowsOpenOneModalWindowAfterTheOther)
{
    m_manager.TimerTimer();
    m_clock.advance(200);
    QStringList seen;
    QStringList filesSeen;
    int innerTicks = 0;
    std::function<void()> answer = [&]() {
        auto *window = QApplication::activeModalWidget();
        if (!window) {
            QTimer::singleShot(10, answer);
            return;
        }
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Alarm"));
        EXPECT_TRUE(m_manager.ringingFlag());
        seen << window->findChild<QWidget *>(QStringLiteral("Memo"))->property("plainText").toString().trimmed();
        filesSeen << m_manager.currentAlarmFileName();
        // Ticks inside the modal loop refresh the clock and open nothing.
        m_clock.advance(200);
        m_manager.TimerTimer();
        ++innerTicks;
        EXPECT_EQ(QApplication::activeModalWidget(), window);
        window->findChild<QPushButton *>(QStringLiteral("ButtonOK"))->click();
        if (seen.size() < 2)
            QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(10, answer);
    m_manager.TimerTimer();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    EXPECT_EQ(filesSeen, (QStringList{QStringLiteral("3.ini"), QStringLiteral("5.ini")}));
    EXPECT_EQ(innerTicks, 2);
    EXPECT_FALSE(m_manager.ringingFlag());
    EXPECT_EQ(m_face.lines.value(1), QStringLiteral(" 12/07/26 07:30:00 AM"));

    // Nothing rings again in that second.
    m_clock.advance(100);
    m_manager.TimerTimer();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Scheduling, TheTickRefreshesTheClockLines)
{
    m_manager.TimerTimer();
    EXPECT_EQ(m_face.lines.value(1), QStringLiteral(" 12/07/26 07:29:59 AM"));
    // The window starts one character further on with every refresh.
    const int position = m_manager.scheduler().marqueePosition();
    EXPECT_EQ(m_face.lines.value(2),
              QString(21 - position, u' ') + QStringLiteral("Next Alarm: 12/7/2026").left(position));
    while (m_manager.scheduler().marqueePosition() != 21)
        m_manager.refreshNextAlarm();
    EXPECT_EQ(m_face.lines.value(2), QStringLiteral("Next Alarm: 12/7/2026"));
}
