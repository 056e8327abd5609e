#include "platformtestsupport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace {

void appendLe16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void appendLe32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
}

void appendBe16(QByteArray &out, quint16 value)
{
    out.append(char(value >> 8)).append(char(value & 0xFF));
}

void appendBe32(QByteArray &out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

QString commandFailure(QProcess &process)
{
    return QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
}

} // namespace

bool servicesExpected()
{
    return qEnvironmentVariable("CHRONELLE_TEST_SERVICES") == u"1";
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

QString missingProgram(const QString &program, const QString &package)
{
    if (!QStandardPaths::findExecutable(program).isEmpty())
        return {};
    return QStringLiteral("%1 (package %2)").arg(program, package);
}

QByteArray toneWav(double seconds, double amplitude)
{
    constexpr int rate = 48000;
    constexpr int channels = 2;
    constexpr int frequency = 1000;
    const int frames = int(seconds * rate);
    const quint32 dataBytes = quint32(frames * channels * 2);

    QByteArray wav("RIFF");
    appendLe32(wav, 36 + dataBytes);
    wav.append("WAVEfmt ");
    appendLe32(wav, 16);
    appendLe16(wav, 1); // PCM
    appendLe16(wav, channels);
    appendLe32(wav, rate);
    appendLe32(wav, rate * channels * 2);
    appendLe16(wav, channels * 2);
    appendLe16(wav, 16);
    wav.append("data");
    appendLe32(wav, dataBytes);
    for (int i = 0; i < frames; ++i) {
        const double value = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequency * i / rate);
        const auto sample = quint16(qint16(std::lround(value)));
        for (int c = 0; c < channels; ++c)
            appendLe16(wav, sample);
    }
    return wav;
}

QByteArray pianoMidi()
{
    constexpr int ticksPerBeat = 480; // at the default 120 beats a minute: 0.5 s a beat
    QByteArray events;
    events.append('\0').append(char(0xC0)).append('\0'); // channel 0: acoustic grand piano
    const int notes[] = {69, 72, 76, 81, 76, 72};
    for (int note : notes) {
        events.append('\0').append(char(0x90)).append(char(note)).append(char(120));
        // delta time 480 as a variable-length quantity
        events.append(char(0x80 | (ticksPerBeat >> 7))).append(char(ticksPerBeat & 0x7F));
        events.append(char(0x80)).append(char(note)).append('\0');
    }
    events.append('\0').append(char(0xFF)).append(char(0x2F)).append('\0'); // end of track

    QByteArray midi("MThd");
    appendBe32(midi, 6);
    appendBe16(midi, 0); // one track
    appendBe16(midi, 1);
    appendBe16(midi, ticksPerBeat);
    midi.append("MTrk");
    appendBe32(midi, quint32(events.size()));
    midi.append(events);
    return midi;
}

double peakOf(const QByteArray &raw)
{
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        const int sample = qFromLittleEndian<qint16>(raw.constData() + i);
        peak = std::max(peak, std::abs(sample));
    }
    return peak / 32768.0;
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

SinkRecorder::SinkRecorder() = default;

SinkRecorder::~SinkRecorder()
{
    if (m_parec.state() != QProcess::NotRunning) {
        m_parec.kill();
        m_parec.waitForFinished();
    }
}

QString SinkRecorder::start()
{
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    const QString file = m_dir.filePath(QStringLiteral("sink.raw"));
    m_parec.setStandardOutputFile(file);
    // Short fragments, so that nothing waits in parec's buffer when it stops.
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("--latency-msec=50"), QStringLiteral("-d"), QStringLiteral("test.monitor"),
                   QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"), QStringLiteral("--channels=2"),
                   QStringLiteral("--raw")});
    if (!m_parec.waitForStarted())
        return QStringLiteral("parec did not start: %1").arg(m_parec.errorString());
    // The monitor delivers silence while nothing plays: data means recording.
    if (!waitUntil([&] { return QFileInfo(file).size() > 0 || m_parec.state() == QProcess::NotRunning; }, 20000) ||
        m_parec.state() == QProcess::NotRunning)
        return QStringLiteral("parec records nothing from test.monitor: %1").arg(commandFailure(m_parec));
    return {};
}

QByteArray SinkRecorder::recordedSoFar() const
{
    QFile file(m_dir.filePath(QStringLiteral("sink.raw")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray SinkRecorder::stop()
{
    m_parec.terminate();
    if (!m_parec.waitForFinished(10000)) {
        m_parec.kill();
        m_parec.waitForFinished();
    }
    QFile file(m_dir.filePath(QStringLiteral("sink.raw")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString missingSoundServer()
{
    for (const auto &[program, package] :
         {std::pair{"parec", "pulseaudio-utils"}, std::pair{"pactl", "pulseaudio-utils"}}) {
        const QString missing = missingProgram(QString::fromLatin1(program), QString::fromLatin1(package));
        if (!missing.isEmpty())
            return missing;
    }
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return QStringLiteral("PULSE_SERVER is not set (a PulseAudio server with a null sink \"test\")");
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    if (!pactl.waitForFinished(15000) || pactl.exitCode() != 0)
        return QStringLiteral("no sound server answers at %1").arg(qEnvironmentVariable("PULSE_SERVER"));
    const QByteArray sinks = pactl.readAllStandardOutput();
    if (!sinks.contains("\ttest\t"))
        return QStringLiteral("the sound server at %1 has no null sink \"test\"")
            .arg(qEnvironmentVariable("PULSE_SERVER"));
    return {};
}

bool runTestInChild(const QString &testName, const QProcessEnvironment &environment, QByteArray *output)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + testName, QStringLiteral("--gtest_also_run_disabled_tests")});
    if (!child.waitForStarted()) {
        *output = child.errorString().toLocal8Bit();
        return false;
    }
    // A bound against a hang, far above the few seconds the child needs.
    const bool finished = child.waitForFinished(90000);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    *output = child.readAll();
    if (!finished)
        output->append("\n(the child hung and was killed)");
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
           output->contains("[  PASSED  ] 1 test");
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
    const bool up = waitUntil(
        [&] { return bus.interface()->isServiceRegistered(name) || m_process.state() == QProcess::NotRunning; }, 30000);
    if (!up || !bus.interface()->isServiceRegistered(name))
        return QStringLiteral("python3-dbusmock did not provide %1: %2")
            .arg(name, QString::fromLocal8Bit(m_process.readAll()).trimmed());
    return {};
}

void DBusMock::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString callMock(const QDBusConnection &bus, const QString &service, const QString &path, const QString &method,
                 const QVariantList &arguments)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ErrorMessage)
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
    if (reply.type() != QDBusMessage::ReplyMessage) {
        *error = reply.errorName() + u": " + reply.errorMessage();
        return calls;
    }
    error->clear();
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
