// The audible guard on the test command's sound server: what it raises while
// engaged, what it puts back, and what it says.

#include "audibleguard.h"
#include "platformtestsupport.h"
#include "qtprint.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <pulse/pulseaudio.h>
#include <utility>

namespace {

// A playback stream of this process on the sink "test", muted or not from
// its start, as a player of the program would open one.
class OwnStream final
{
public:
    explicit OwnStream(bool startMuted)
    {
        m_loop = pa_mainloop_new();
        m_context = pa_context_new(pa_mainloop_get_api(m_loop), "chronelle test");
        pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        if (!runUntil([this] { return pa_context_get_state(m_context) == PA_CONTEXT_READY; }))
            return;
        const pa_sample_spec spec{PA_SAMPLE_S16LE, 48000, 2};
        m_stream = pa_stream_new(m_context, "test stream", &spec, nullptr);
        const auto flags = pa_stream_flags_t(startMuted ? PA_STREAM_START_MUTED : PA_STREAM_NOFLAGS);
        pa_stream_connect_playback(m_stream, "test", nullptr, flags, nullptr, nullptr);
        runUntil([this] { return pa_stream_get_state(m_stream) == PA_STREAM_READY; });
    }
    ~OwnStream()
    {
        if (m_stream) {
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        pa_mainloop_free(m_loop);
    }
    bool ready() const { return m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY; }
    // As the server sees it now.
    bool muted()
    {
        int muted = -1;
        pa_operation *operation = pa_context_get_sink_input_info(
            m_context, pa_stream_get_index(m_stream),
            [](pa_context *, const pa_sink_input_info *info, int eol, void *result) {
                if (eol <= 0 && info)
                    *static_cast<int *>(result) = info->mute;
            },
            &muted);
        runUntil([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
        pa_operation_unref(operation);
        return muted == 1;
    }

private:
    bool runUntil(const std::function<bool()> &done)
    {
        for (int round = 0; round < 500 && !done(); ++round)
            pa_mainloop_iterate(m_loop, 0, nullptr), QTest::qWait(5);
        return done();
    }

    pa_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
};

class AudibleGuardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        REQUIRE_SERVICE(missingSoundServer());
        ASSERT_TRUE(m_soundLock.acquire()) << "another test kept the sound server";
        m_keeper = std::make_unique<TestSinkKeeper>();
        m_guard.reset(AudibleGuard::create(nullptr));
        m_notes = std::make_unique<QSignalSpy>(m_guard.get(), &AudibleGuard::note);
    }
    void TearDown() override
    {
        m_notes.reset();
        m_guard.reset();
        m_keeper.reset();
    }
    // The guard does its work on the event loop: what the server holds is
    // looked at once it has settled.
    void settleAfter(const std::function<void()> &call)
    {
        QSignalSpy settled(m_guard.get(), &AudibleGuard::settled);
        call();
        if (!m_guard->isSettled()) {
            ASSERT_TRUE(settled.wait(15000)) << "the guard did not settle";
        }
    }
    void engage()
    {
        settleAfter([this]() { m_guard->engage(); });
    }
    void release()
    {
        settleAfter([this]() { m_guard->release(); });
    }
    // The notes said so far; they come after the call that caused them.
    QStringList notes()
    {
        QCoreApplication::processEvents();
        QStringList texts;
        for (const QList<QVariant> &arguments : std::as_const(*m_notes))
            texts << arguments.value(0).toString();
        return texts;
    }

    ServiceLock m_soundLock{QStringLiteral("sound"), qEnvironmentVariable("PULSE_SERVER")};
    std::unique_ptr<TestSinkKeeper> m_keeper;
    std::unique_ptr<AudibleGuard> m_guard;
    std::unique_ptr<QSignalSpy> m_notes;
};

} // namespace

// Muted, too quiet or both: on and at least at the floor while engaged, and
// exactly as before afterwards. Loud enough and on: nothing changes, nothing said.
TEST_F(AudibleGuardTest, AQuietOrMutedOutputIsRaisedWhileEngagedAndPutBackExactly)
{
    struct Row
    {
        bool muted;
        int percent;
        int percentWhileEngaged;
        const char *note;
    };
    const Row rows[] = {
        {true, 100, 100, "The sound was off; it is on for this alarm."},
        {false, 5, 30, "The sound was at 5 %; it is at 30 % for this alarm."},
        {true, 0, 30, "The sound was off and at 0 %; it is on at 30 % for this alarm."},
        {false, 30, 30, nullptr},
        {false, 64, 64, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.muted << " " << row.percent);
        ASSERT_TRUE(setTestSinkOutput(row.muted, row.percent));
        const TestSinkOutput before = testSinkOutput();
        m_notes->clear();
        engage();
        EXPECT_TRUE(m_guard->engaged());
        const TestSinkOutput during = testSinkOutput();
        EXPECT_FALSE(during.muted);
        EXPECT_EQ(during.percent(), row.percentWhileEngaged);
        EXPECT_EQ(notes(), row.note ? QStringList{QString::fromUtf8(row.note)} : QStringList());
        release();
        EXPECT_EQ(testSinkOutput(), before);
        release();
        EXPECT_EQ(testSinkOutput(), before) << "a second release changed the output";
    }
}

// What the user set while the alarm rang is theirs: only what is still as
// the guard left it goes back.
TEST_F(AudibleGuardTest, WhatTheUserChangesWhileEngagedStays)
{
    struct Row
    {
        const char *name;
        bool mutedByUser;
        int percentByUser;
        bool mutedAfter;
        int percentAfter;
    };
    const Row rows[] = {
        {"turned up", false, 70, true, 70},
        {"muted again", true, 30, true, 5},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(setTestSinkOutput(true, 5));
        engage();
        ASSERT_TRUE(setTestSinkOutput(row.mutedByUser, row.percentByUser));
        release();
        const TestSinkOutput after = testSinkOutput();
        EXPECT_EQ(after.muted, row.mutedAfter);
        EXPECT_EQ(after.percent(), row.percentAfter);
    }
}

// The program's own stream, muted when the guard comes or opened muted while
// it is engaged, sounds while engaged and is muted again at the release.
TEST_F(AudibleGuardTest, TheProgramsOwnMutedStreamIsTurnedOnAndBackOff)
{
    ASSERT_TRUE(setTestSinkOutput(false, 100));
    for (const bool openedWhileEngaged : {false, true}) {
        SCOPED_TRACE(openedWhileEngaged ? "opened while engaged" : "open before");
        m_notes->clear();
        std::unique_ptr<OwnStream> stream;
        if (!openedWhileEngaged)
            stream = std::make_unique<OwnStream>(true);
        engage();
        if (openedWhileEngaged)
            stream = std::make_unique<OwnStream>(true);
        ASSERT_TRUE(stream->ready());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !stream->muted(); }, 5000)) << "the stream stayed muted";
        EXPECT_EQ(notes(), QStringList{AudibleGuard::ownSoundOnNote()});
        release();
        EXPECT_TRUE(stream->muted()) << "the stream was not muted again";
        EXPECT_EQ(testSinkOutput().muted, false);
    }
}

namespace {

// The sink input of a process, and whether it is muted, as pactl lists them.
struct StreamOfProcess
{
    QString index;
    bool muted = false;
};
std::optional<StreamOfProcess> streamOfProcess(qint64 pid)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished();
    const QString listing = QString::fromUtf8(pactl.readAllStandardOutput());
    for (const QString &block : listing.split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts)) {
        if (!block.contains(QStringLiteral("application.process.id = \"%1\"").arg(pid)))
            continue;
        return StreamOfProcess{block.section(u'\n', 0, 0).trimmed(), block.contains(QStringLiteral("Mute: yes"))};
    }
    return std::nullopt;
}
bool muteStream(const QString &index, bool muted)
{
    return QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("set-sink-input-mute"), index,
                                                       muted ? QStringLiteral("1") : QStringLiteral("0")}) == 0;
}

} // namespace

// The program plays through a process it starts: that process's muted stream
// is the program's own, turned on while engaged and off again; the stream of
// a process the program did not start is left as it is.
TEST_F(AudibleGuardTest, TheStreamOfAProcessTheProgramStartedCountsAsItsOwn)
{
    ASSERT_TRUE(setTestSinkOutput(false, 100));
    const QStringList play{QStringLiteral("--playback"), QStringLiteral("--raw"), QStringLiteral("--device=test"),
                           QStringLiteral("/dev/zero")};
    QProcess child;
    child.start(QStringLiteral("pacat"), play);
    ASSERT_TRUE(child.waitForStarted());
    // Started through a shell that leaves it behind: someone else's.
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("pacat %1 >/dev/null 2>&1 & echo $!").arg(play.join(u' '))});
    ASSERT_TRUE(shell.waitForFinished());
    const qint64 stranger = shell.readAllStandardOutput().trimmed().toLongLong();
    ASSERT_GT(stranger, 0);
    const auto cleanUp = qScopeGuard([&]() {
        ::kill(pid_t(stranger), SIGTERM);
        child.kill();
        child.waitForFinished();
    });
    std::optional<StreamOfProcess> own, other;
    ASSERT_TRUE(QTest::qWaitFor(
        [&]() { return (own = streamOfProcess(child.processId())) && (other = streamOfProcess(stranger)); }, 10000));
    ASSERT_TRUE(muteStream(own->index, true) && muteStream(other->index, true));

    const auto mutedNow = [](qint64 pid) -> std::optional<bool> {
        const std::optional<StreamOfProcess> stream = streamOfProcess(pid);
        return stream ? std::optional<bool>(stream->muted) : std::nullopt;
    };
    engage();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return mutedNow(child.processId()) == false; }, 5000))
        << "the started process's stream stayed muted";
    EXPECT_EQ(mutedNow(stranger), true) << "another program's stream was turned on";
    EXPECT_EQ(notes(), QStringList{AudibleGuard::ownSoundOnNote()});
    release();
    EXPECT_EQ(mutedNow(child.processId()), true) << "the stream was not muted again";
}

// No sound server: nothing changes, nothing hangs, and the user is told that
// the sound could not be checked.
TEST_F(AudibleGuardTest, WithoutASoundServerItSaysTheSoundCouldNotBeChecked)
{
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/chronelle-no-sound-server");
    engage();
    release();
    qputenv("PULSE_SERVER", server);
    const QStringList said = notes();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("The sound could not be checked: "))) << said[0].toStdString();
}

namespace {

// A sound server of the test's own, to take away or to freeze.
class PrivateSoundServer final
{
public:
    PrivateSoundServer()
    {
        m_socket = m_dir.filePath(QStringLiteral("native"));
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"),
                        QStringLiteral("--log-level=error"), QStringLiteral("-L"),
                        QStringLiteral("module-null-sink sink_name=private"), QStringLiteral("-L"),
                        QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        m_ready = m_server.waitForStarted() && QTest::qWaitFor([&] { return QFile::exists(m_socket); }, 10000);
        QTest::qWait(300);
    }
    ~PrivateSoundServer()
    {
        thaw();
        m_server.kill();
        m_server.waitForFinished();
    }
    bool ready() const { return m_ready; }
    QByteArray address() const { return "unix:" + m_socket.toUtf8(); }
    void kill()
    {
        m_server.kill();
        m_server.waitForFinished();
    }
    void freeze() { m_frozen = ::kill(pid_t(m_server.processId()), SIGSTOP) == 0; }
    void thaw()
    {
        if (std::exchange(m_frozen, false))
            ::kill(pid_t(m_server.processId()), SIGCONT);
    }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_server;
    bool m_ready = false;
    bool m_frozen = false;
};

} // namespace

// A server that goes away while the guard is engaged is said once; the
// release afterwards neither hangs nor says more.
TEST_F(AudibleGuardTest, AServerThatGoesAwayIsSaidOnce)
{
    PrivateSoundServer server;
    ASSERT_TRUE(server.ready());
    const QByteArray before = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", server.address());
    engage();
    qputenv("PULSE_SERVER", before);
    EXPECT_TRUE(notes().isEmpty()) << notes().join(u'\n').toStdString();
    server.kill();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notes().isEmpty(); }, 5000));
    release();
    QTest::qWait(1000);
    EXPECT_EQ(notes(), QStringList{AudibleGuard::serverLostNote()});
}

// A server that does not answer holds nothing up: engage() comes back before
// the server has said anything, the guard settles once its wait has run out,
// and the user is told the sound could not be checked.
TEST_F(AudibleGuardTest, AFrozenServerHoldsNothingUp)
{
    PrivateSoundServer server;
    ASSERT_TRUE(server.ready());
    const QByteArray before = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", server.address());
    server.freeze();
    QSignalSpy settled(m_guard.get(), &AudibleGuard::settled);
    m_guard->engage();
    qputenv("PULSE_SERVER", before);
    EXPECT_TRUE(m_guard->engaged());
    EXPECT_FALSE(m_guard->isSettled()) << "engage() waited for the server";
    ASSERT_TRUE(settled.wait(15000));
    EXPECT_EQ(notes(), QStringList{AudibleGuard::uncheckedNote(QStringLiteral("the sound server did not answer"))});
    release();
    EXPECT_FALSE(m_guard->engaged());
    server.thaw();
}

// Headphones plugged in while the alarm rings: the new default device is
// left as it is, and the one that was raised is put back.
TEST_F(AudibleGuardTest, ADeviceThatBecomesTheDefaultWhileEngagedIsLeftAlone)
{
    const auto pactl = [](const QStringList &arguments) {
        QProcess process;
        process.start(QStringLiteral("pactl"), arguments);
        process.waitForFinished(15000);
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    };
    const QString module = pactl(
        {QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=headphones")});
    ASSERT_FALSE(module.isEmpty());
    pactl({QStringLiteral("set-sink-mute"), QStringLiteral("headphones"), QStringLiteral("1")});
    pactl({QStringLiteral("set-sink-volume"), QStringLiteral("headphones"), QStringLiteral("5%")});
    ASSERT_TRUE(setTestSinkOutput(true, 5));
    const TestSinkOutput before = testSinkOutput();

    engage();
    pactl({QStringLiteral("set-default-sink"), QStringLiteral("headphones")});
    QTest::qWait(500);
    const QString headphonesDuring = pactl({QStringLiteral("get-sink-volume"), QStringLiteral("headphones")});
    const QString headphonesMuteDuring = pactl({QStringLiteral("get-sink-mute"), QStringLiteral("headphones")});
    release();
    const TestSinkOutput after = testSinkOutput();
    const QString headphonesAfter = pactl({QStringLiteral("get-sink-volume"), QStringLiteral("headphones")});
    pactl({QStringLiteral("set-default-sink"), QStringLiteral("test")});
    pactl({QStringLiteral("unload-module"), module});

    EXPECT_EQ(headphonesMuteDuring, QStringLiteral("Mute: yes"));
    EXPECT_TRUE(headphonesDuring.contains(QStringLiteral(" 5%"))) << headphonesDuring.toStdString();
    EXPECT_EQ(headphonesAfter, headphonesDuring);
    EXPECT_EQ(after, before);
}
