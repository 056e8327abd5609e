// The real wake timer: what its probe says where the capability is missing,
// and that a permitted timer fires at its moment.

#include "qtprint.h"
#include "realtimealarmwaketimer.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Takes CAP_WAKE_ALARM away from this process for good, as for a user who
// never granted it; false when the kernel refused.
bool dropWakeAlarmCapability()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective &= ~CAP_TO_MASK(CAP_WAKE_ALARM);
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].permitted &= ~CAP_TO_MASK(CAP_WAKE_ALARM);
    return ::syscall(SYS_capset, &header, data) == 0;
}

// Runs `probe` in a child process without the capability and returns what
// it wrote; the test process keeps its own capabilities.
QByteArray inChildWithoutCapability(const std::function<QByteArray()> &probe)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const QByteArray answer = dropWakeAlarmCapability() ? probe() : QByteArray("capability not dropped");
        [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], answer.constData(), size_t(answer.size()));
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    QByteArray answer;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, got);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return answer;
}

} // namespace

TEST(WakeTimer, WithoutTheCapabilityItSaysSoAndHowToAllowItAndArmsNothing)
{
    const QByteArray answer = inChildWithoutCapability([] {
        const WakeTimer::Availability probed = RealtimeAlarmWakeTimer::probe();
        RealtimeAlarmWakeTimer timer;
        const bool armed = timer.arm(QDateTime::currentDateTimeUtc().addSecs(3600));
        timer.clear();
        return (QStringList{
                    probed.permitted ? QStringLiteral("permitted") : QStringLiteral("not permitted"),
                    timer.availability().permitted ? QStringLiteral("permitted") : QStringLiteral("not permitted"),
                    armed ? QStringLiteral("armed") : QStringLiteral("not armed"), probed.reason, probed.remedy})
            .join(u'|')
            .toUtf8();
    });
    const QStringList parts = QString::fromUtf8(answer).split(u'|');
    ASSERT_EQ(parts.size(), 5) << answer.toStdString();
    EXPECT_EQ(parts[0], QStringLiteral("not permitted"));
    EXPECT_EQ(parts[1], QStringLiteral("not permitted"));
    EXPECT_EQ(parts[2], QStringLiteral("not armed"));
    EXPECT_TRUE(parts[3].contains(QStringLiteral("CAP_WAKE_ALARM"))) << parts[3].toStdString();
    EXPECT_TRUE(parts[4].contains(QStringLiteral("setcap cap_wake_alarm+ep"))) << parts[4].toStdString();
}

// Where this process may wake the machine, a moment that has come fires at
// once and a later one not before its time; where it may not, nothing is armed.
TEST(WakeTimer, ArmingFollowsWhatTheProbeSaid)
{
    RealtimeAlarmWakeTimer timer;
    QSignalSpy fired(&timer, &WakeTimer::fired);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!timer.availability().permitted) {
        EXPECT_FALSE(timer.availability().reason.isEmpty());
        EXPECT_FALSE(timer.arm(now.addSecs(3600)));
        return;
    }
    ASSERT_TRUE(timer.arm(now.addSecs(3600)));
    EXPECT_FALSE(fired.wait(300));
    ASSERT_TRUE(timer.arm(now.addMSecs(200)));
    EXPECT_TRUE(fired.wait(5000));
    timer.clear();
    EXPECT_FALSE(fired.wait(300));
}
