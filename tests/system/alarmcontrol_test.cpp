// Everyday control of alarms on the real program, with the keyboard alone in
// the manager under a window manager: an alarm switched off with Space and
// one skipped with Ctrl+K stay silent at their second, a deleted alarm comes
// back with Ctrl+Z in its slot with its file byte for byte, and it is the one
// that rings.

#include "alarmfile.h"
#include "alarmstates.h"
#include "platformtestsupport.h"
#include "programrunner.h"
#include "qtprint.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace SystemTest;

namespace {

// The moment the program's wall clock starts at, and the seconds after it
// that each alarm is due.
const QDateTime kStart(QDate(2026, 12, 7), QTime(7, 29, 30));
constexpr int kOffDue = 30;      // 07:30:00, switched off
constexpr int kSkippedDue = 40;  // 07:30:10, its next ringing skipped
constexpr int kRestoredDue = 55; // 07:30:25, deleted and brought back

QByteArray catalogueRow(const char *caption, Frequency frequency, const QTime &time, int slot)
{
    const bool once = frequency == Frequency::Once;
    return QByteArray(caption) + "\r\n" + frequencyNames().at(int(frequency)).toLatin1() + "\r\n" +
           time.toString(QStringLiteral("hh:mm:ss AP")).toLatin1() + (once ? "\r\n12/7/2026\r\n" : "\r\n--\r\n") +
           time.toString(QStringLiteral("hhmmss")).toLatin1() + "\r\n07122026\r\n1111111\r\n" +
           QByteArray::number(slot) + "\r\n";
}

class AlarmControl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        useWindowManagerDisplay();
        REQUIRE_SERVICE(missingService());
        ASSERT_TRUE(m_folder.isValid());
    }

    std::optional<Window> waitForWindow(QProcess &program, const QString &caption, int timeoutMs = 15000)
    {
        std::optional<Window> window;
        waitUntil(
            [&] {
                return (window = viewableWindow(program, u'^' + QRegularExpression::escape(caption) + u'$'))
                    .has_value();
            },
            timeoutMs);
        return window;
    }
    AlarmState stateOf(int slot) const
    {
        try {
            return AlarmStates::decode(m_folder.readFile(QStringLiteral("alstate.ini"))).value(slot);
        } catch (...) {
            return {};
        }
    }

    ProgramFolder m_folder;
};

} // namespace

TEST_F(AlarmControl, OffAndSkippedAlarmsStaySilentAndAnUndoneDeleteRings)
{
    REQUIRE_SERVICE(missingSoundServer());
    ServiceLock soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    ASSERT_TRUE(soundLock.acquire()) << "another test kept the sound server";

    // Skipping a Once alarm would only switch it off: the first two ring daily.
    const std::tuple<const char *, Frequency, int> alarms[] = {{"Off", Frequency::Daily, kOffDue},
                                                               {"Skipped", Frequency::Daily, kSkippedDue},
                                                               {"Restored", Frequency::Once, kRestoredDue}};
    QByteArray catalogue = "3\r\n";
    for (int slot = 0; slot < 3; ++slot) {
        const auto &[caption, frequency, dueAfter] = alarms[slot];
        const QTime due = kStart.time().addSecs(dueAfter);
        AlarmRecord record;
        record.frequencyCode = int(frequency);
        record.alarmTime = due;
        record.alarmDate = kStart.date();
        record.playListOn = false;
        record.dayFlags.fill(true);
        record.reminder = QString::fromLatin1(caption) + u'\n';
        AlarmFile::write(m_folder.filePath(QStringLiteral("%1.ini").arg(slot)), record);
        catalogue += catalogueRow(caption, frequency, due, slot);
    }
    m_folder.writeFile(QStringLiteral("al.ini"), catalogue);
    const QByteArray restoredFile = m_folder.readFile(QStringLiteral("2.ini"));

    const QProcessEnvironment environment =
        ProgramFolder::environment(u'@' + kStart.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    QElapsedTimer sinceStart;
    sinceStart.start();
    QProcess *program = m_folder.start(environment);
    ASSERT_NE(program, nullptr);
    ASSERT_TRUE(waitForWindow(*program, QStringLiteral("Chronelle")).has_value()) << "no clock window";
    QProcess *second = m_folder.start(environment);
    ASSERT_NE(second, nullptr);
    second->waitForFinished(15000);
    const std::optional<Window> manager = waitForWindow(*program, QStringLiteral("Alarm Manager"));
    ASSERT_TRUE(manager.has_value()) << "the manager did not show";
    const auto press = [&](const char *keys) {
        commandOutput(QStringLiteral("xdotool windowactivate --sync %1 key --delay 100 %2")
                          .arg(manager->id, QLatin1String(keys)));
    };

    // The list has the focus on its first row.
    press("space");
    EXPECT_TRUE(waitUntil([&] { return !stateOf(0).enabled; }, 5000)) << "Space did not switch the first alarm off";
    press("Down ctrl+k");
    EXPECT_TRUE(waitUntil([&] { return stateOf(1).skippedDue.has_value(); }, 5000)) << "Ctrl+K skipped nothing";
    EXPECT_EQ(stateOf(1).skippedDue, kStart.addSecs(kSkippedDue));
    press("Down Delete");
    EXPECT_TRUE(waitUntil([&] { return !QFileInfo::exists(m_folder.filePath(QStringLiteral("2.ini"))); }, 5000))
        << "Delete left the alarm file";
    press("ctrl+z");
    EXPECT_TRUE(waitUntil([&] { return QFileInfo::exists(m_folder.filePath(QStringLiteral("2.ini"))); }, 5000))
        << "Ctrl+Z brought nothing back";
    EXPECT_EQ(m_folder.readFile(QStringLiteral("2.ini")), restoredFile);
    EXPECT_TRUE(m_folder.readFile(QStringLiteral("al.ini")).startsWith("3\r\n"));
    ASSERT_LT(sinceStart.elapsed(), kOffDue * 1000 - 2000) << "the keys took too long to test the first alarm";

    // Only the restored alarm rings: a window before its second would be one
    // of the others'.
    const std::optional<Window> ringing = waitForWindow(*program, QStringLiteral("Alarm"), (kRestoredDue + 20) * 1000);
    ASSERT_TRUE(ringing.has_value()) << "the restored alarm did not ring";
    EXPECT_GE(sinceStart.elapsed(), (kRestoredDue - 2) * 1000)
        << "an alarm rang " << sinceStart.elapsed() / 1000 << " s after the start: the off or the skipped one";
    // "OK" (288,256, 59 x 25) ends it.
    commandOutput(QStringLiteral("xdotool mousemove --window %1 310 268 click 1").arg(ringing->id));
    EXPECT_TRUE(waitUntil([&] { return !viewableWindow(*program, QStringLiteral("^Alarm$")); }, 5000));
}
