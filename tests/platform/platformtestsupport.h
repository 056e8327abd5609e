#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QLockFile>
#include <QProcess>
#include <QString>
#include <QStringList>

// Helpers of the platform and system tests: the services of the test command
// (a sound server with a null sink "test", private D-Bus buses), mocks on them, tones.

// Ends the current test when `missing` names a missing service: a failure
// when the test command promised its services, a skip elsewhere.
#define REQUIRE_SERVICE(missing)                                                                                       \
    do {                                                                                                               \
        const QString chronelleMissing = (missing);                                                                    \
        if (!chronelleMissing.isEmpty()) {                                                                             \
            if (qEnvironmentVariable("CHRONELLE_TEST_SERVICES") == u"1")                                               \
                FAIL() << "missing service: " << chronelleMissing.toStdString();                                       \
            GTEST_SKIP() << "missing service: " << chronelleMissing.toStdString();                                     \
        }                                                                                                              \
    } while (false)

// A 1 kHz sine, 48 kHz, 16-bit stereo WAV; amplitude 0..1 of full scale.
QByteArray toneWav(double seconds, double amplitude);
// The largest amplitude of the 1 kHz tone in any 10 ms of the left channel of
// raw 48 kHz 16-bit stereo audio, as a fraction of full scale. Sound that
// another program plays at the same time hardly counts.
double toneAmplitudeOf(const QByteArray &raw);

// A file lock that serialises the tests which share one service object (the
// null sink, a mock's well-known bus name) across test processes.
class ServiceLock final
{
public:
    ServiceLock(const QString &what, const QString &serviceAddress);
    // Waits for the lock, generously; false if it never came.
    bool acquire();

private:
    QLockFile m_lock;
};

// Records the null sink's monitor with parec for as long as it lives.
class SinkRecorder final
{
public:
    ~SinkRecorder();
    // Empty on success, else why the recording could not start.
    QString start();
    // What has been recorded up to now; the recording goes on.
    QByteArray recordedSoFar();
    QByteArray stop();

private:
    QProcess m_parec;
    QByteArray m_recorded;
};

// Empty when the sound server of the test command answers with its sink "test".
QString missingSoundServer();

// What the null sink "test" is set to: muted or not, and its volume as pactl
// prints it (every channel, raw and in percent).
struct TestSinkOutput
{
    bool muted = false;
    QString volume;
    // The loudest channel in the server's percent; -1 when unknown.
    int percent() const;
    bool operator==(const TestSinkOutput &) const = default;
};
TestSinkOutput testSinkOutput();
// Sets the sink as pactl set-sink-mute and set-sink-volume do; false if pactl failed.
bool setTestSinkOutput(bool muted, int percent);

// Puts the null sink back as it was when this was made, whatever the test did to it.
class TestSinkKeeper final
{
public:
    TestSinkKeeper();
    ~TestSinkKeeper();

private:
    TestSinkOutput m_before;
};

// Empty when the address in `variable` names a private bus, not the machine's own.
QString notPrivateBus(const QString &variable);

// A python3-dbusmock process on one of the private buses, stopped by its PID
// when this goes.
class DBusMock final
{
public:
    ~DBusMock();
    // Starts /usr/bin/python3 -m dbusmock with these arguments and waits until
    // `name` is on the bus. Empty on success, else why not.
    QString start(const QStringList &arguments, const QDBusConnection &bus, const QString &name);
    void stop();

private:
    QProcess m_process;
};

// Calls a method of the mock interface org.freedesktop.DBus.Mock; empty on
// success, else the error.
QString callMock(const QDBusConnection &bus, const QString &service, const QString &path, const QString &method,
                 const QVariantList &arguments);
// The argument lists of every recorded call of `method` on the mock object;
// `error` says why there are none when the mock could not be asked.
QList<QVariantList> mockCalls(const QDBusConnection &bus, const QString &service, const QString &path,
                              const QString &method, QString *error);
// The argument lists of every call of `method` recorded by the mock
// notification service on `bus`; the current test fails (and goes on) when
// the mock could not be asked.
QList<QVariantList> notificationCalls(const QDBusConnection &bus, const char *method);
