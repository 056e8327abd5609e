#include "platformtestsupport.h"

#include <QCryptographicHash>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDataStream>
#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// Asks a child of ours to end, then makes it.
void endProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

} // namespace

QByteArray toneWav(double seconds, double amplitude)
{
    constexpr quint32 rate = 48000;
    constexpr quint16 channels = 2;
    const auto frames = quint32(seconds * rate);
    const quint32 dataBytes = frames * channels * 2;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8); // a PCM format chunk, then the samples
    out << quint32(16) << quint16(1) << channels << rate << quint32(rate * channels * 2) << quint16(channels * 2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 i = 0; i < frames; ++i) {
        const auto sample =
            qint16(std::lround(amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * 1000 * i / rate)));
        out << sample << sample;
    }
    return wav;
}

double toneAmplitudeOf(const QByteArray &raw)
{
    // 480 frames at 48 kHz hold exactly ten periods of 1 kHz, so one DFT bin
    // measures the tone's amplitude exactly.
    constexpr int block = 480;
    constexpr int frameBytes = 4;
    const qsizetype frames = raw.size() / frameBytes;
    double loudest = 0;
    for (qsizetype start = 0; start + block <= frames; start += block) {
        double re = 0;
        double im = 0;
        for (int n = 0; n < block; ++n) {
            const double x = qFromLittleEndian<qint16>(raw.constData() + (start + n) * frameBytes) / 32768.0;
            const double phase = 2.0 * std::numbers::pi * 10 * n / block;
            re += x * std::cos(phase);
            im -= x * std::sin(phase);
        }
        loudest = std::max(loudest, 2.0 * std::hypot(re, im) / block);
    }
    return loudest;
}

ServiceLock::ServiceLock(const QString &what, const QString &serviceAddress)
    : m_lock(QDir::temp().filePath(
          QStringLiteral("chronelle-test-%1-%2.lock")
              .arg(what,
                   QString::fromLatin1(
                       QCryptographicHash::hash(serviceAddress.toUtf8(), QCryptographicHash::Sha1).toHex().left(12)))))
{
    m_lock.setStaleLockTime(0); // a lock is stale only when its holder is gone
}

bool ServiceLock::acquire()
{
    return m_lock.tryLock(300000);
}

SinkRecorder::~SinkRecorder()
{
    endProcess(m_parec);
}

QString SinkRecorder::start()
{
    // Short fragments, so that nothing waits in parec's buffer when it stops.
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("--latency-msec=50"), QStringLiteral("-d"), QStringLiteral("test.monitor"),
                   QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"), QStringLiteral("--channels=2"),
                   QStringLiteral("--raw")});
    if (!m_parec.waitForStarted())
        return QStringLiteral("parec (package pulseaudio-utils) did not start: %1").arg(m_parec.errorString());
    // The monitor delivers silence while nothing plays: data means recording.
    if (!QTest::qWaitFor([&] { return m_parec.bytesAvailable() > 0 || m_parec.state() == QProcess::NotRunning; },
                         20000) ||
        m_parec.state() == QProcess::NotRunning)
        return QStringLiteral("parec records nothing from test.monitor: %1")
            .arg(QString::fromLocal8Bit(m_parec.readAllStandardError()).trimmed());
    return {};
}

QByteArray SinkRecorder::recordedSoFar()
{
    m_recorded += m_parec.readAllStandardOutput();
    return m_recorded;
}

QByteArray SinkRecorder::stop()
{
    endProcess(m_parec);
    return recordedSoFar();
}

QString missingSoundServer()
{
    const QString server = qEnvironmentVariable("PULSE_SERVER");
    if (server.isEmpty())
        return QStringLiteral("PULSE_SERVER is not set (a PulseAudio server with a null sink \"test\")");
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    if (!pactl.waitForFinished(15000) || pactl.exitCode() != 0)
        return QStringLiteral("no sound server answers pactl (package pulseaudio-utils) at %1").arg(server);
    if (!pactl.readAllStandardOutput().contains("\ttest\t"))
        return QStringLiteral("the sound server at %1 has no null sink \"test\"").arg(server);
    return {};
}

namespace {

QByteArray pactlOutput(const QStringList &arguments, bool *ok = nullptr)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    const bool finished = pactl.waitForFinished(15000) && pactl.exitStatus() == QProcess::NormalExit;
    if (ok)
        *ok = finished && pactl.exitCode() == 0;
    return pactl.readAllStandardOutput();
}

} // namespace

int TestSinkOutput::percent() const
{
    int loudest = -1;
    static const QRegularExpression channelPercent(QStringLiteral(R"((\d+)%)"));
    for (auto it = channelPercent.globalMatch(volume); it.hasNext();)
        loudest = std::max(loudest, it.next().captured(1).toInt());
    return loudest;
}

TestSinkOutput testSinkOutput()
{
    TestSinkOutput output;
    output.muted = pactlOutput({QStringLiteral("get-sink-mute"), QStringLiteral("test")}).trimmed() == "Mute: yes";
    // The first line has the channels; the balance follows on the next.
    output.volume = QString::fromLocal8Bit(pactlOutput({QStringLiteral("get-sink-volume"), QStringLiteral("test")}))
                        .section(u'\n', 0, 0)
                        .simplified();
    return output;
}

bool setTestSinkOutput(bool muted, int percent)
{
    bool mutedSet = false;
    bool volumeSet = false;
    pactlOutput(
        {QStringLiteral("set-sink-mute"), QStringLiteral("test"), muted ? QStringLiteral("1") : QStringLiteral("0")},
        &mutedSet);
    pactlOutput({QStringLiteral("set-sink-volume"), QStringLiteral("test"), QString::number(percent) + u'%'},
                &volumeSet);
    return mutedSet && volumeSet;
}

TestSinkKeeper::TestSinkKeeper() : m_before(testSinkOutput()) {}

TestSinkKeeper::~TestSinkKeeper()
{
    // The raw value of the first channel, for all of them: the tests set no balance.
    static const QRegularExpression raw(QStringLiteral(R"(:\s*(\d+)\s*/)"));
    const QString value = raw.match(m_before.volume).captured(1);
    pactlOutput(
        {QStringLiteral("set-sink-volume"), QStringLiteral("test"), value.isEmpty() ? QStringLiteral("100%") : value});
    pactlOutput({QStringLiteral("set-sink-mute"), QStringLiteral("test"),
                 m_before.muted ? QStringLiteral("1") : QStringLiteral("0")});
}

QString notPrivateBus(const QString &variable)
{
    const QString address = qEnvironmentVariable(variable.toLatin1().constData());
    if (address.isEmpty())
        return QStringLiteral("%1 is not set; these tests run only on a private bus (scripts/test.sh starts one)")
            .arg(variable);
    if (address.contains(u"system_bus_socket") || address.contains(u"/run/user/"))
        return QStringLiteral("%1=%2 is the machine's own bus; these tests run only on a private one")
            .arg(variable, address);
    return {};
}

DBusMock::~DBusMock()
{
    stop();
}

QString DBusMock::start(const QStringList &arguments, const QDBusConnection &bus, const QString &name)
{
    if (!bus.isConnected())
        return QStringLiteral("no connection to the bus: %1").arg(bus.lastError().message());
    if (bus.interface()->isServiceRegistered(name))
        return QStringLiteral("%1 is already on the bus; refusing to share it").arg(name);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + arguments);
    if (!m_process.waitForStarted())
        return QStringLiteral("/usr/bin/python3 did not start: %1").arg(m_process.errorString());
    const bool up = QTest::qWaitFor(
        [&] { return bus.interface()->isServiceRegistered(name) || m_process.state() == QProcess::NotRunning; }, 30000);
    if (!up || !bus.interface()->isServiceRegistered(name))
        return QStringLiteral("python3-dbusmock did not provide %1: %2")
            .arg(name, QString::fromLocal8Bit(m_process.readAll()).trimmed());
    return {};
}

void DBusMock::stop()
{
    endProcess(m_process);
}

QString callMock(const QDBusConnection &bus, const QString &service, const QString &path, const QString &method,
                 const QVariantList &arguments)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reply.errorName() + u": " + reply.errorMessage();
    return {};
}

QList<QVariantList> mockCalls(const QDBusConnection &bus, const QString &service, const QString &path,
                              const QString &method, QString *error)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"),
                                                       QStringLiteral("GetMethodCalls"));
    call << method;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    QList<QVariantList> calls;
    *error = reply.type() == QDBusMessage::ReplyMessage ? QString() : reply.errorName() + u": " + reply.errorMessage();
    if (!error->isEmpty())
        return calls;
    const auto argument = reply.arguments().value(0).value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        qulonglong timestamp = 0;
        QVariantList arguments;
        argument.beginStructure();
        argument >> timestamp >> arguments;
        argument.endStructure();
        calls << arguments;
    }
    argument.endArray();
    return calls;
}

QList<QVariantList> notificationCalls(const QDBusConnection &bus, const char *method)
{
    QString error;
    const auto recorded =
        mockCalls(bus, QStringLiteral("org.freedesktop.Notifications"),
                  QStringLiteral("/org/freedesktop/Notifications"), QString::fromLatin1(method), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return recorded;
}
