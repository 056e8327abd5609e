// The built-in alarm sounds as the build leaves them beside the executable:
// well-formed 16-bit PCM WAVE files that the ringing window can loop without
// a click, loud enough to wake someone and never clipped.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// What the sound tests need of a WAVE file, read by hand so that a malformed
// header can't be papered over by a lenient decoder.
struct Wave
{
    QString error; // empty when the file parsed
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved

    double seconds() const
    {
        return channels > 0 && sampleRate > 0 ? double(samples.size()) / channels / sampleRate : 0.0;
    }
    std::size_t frames(double duration) const { return std::size_t(duration * sampleRate) * std::size_t(channels); }
};

quint32 le32(const QByteArray &data, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray &data, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

Wave readWave(const QString &path)
{
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wave.error = QStringLiteral("cannot open: ") + file.errorString();
        return wave;
    }
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") {
        wave.error = QStringLiteral("no RIFF/WAVE header");
        return wave;
    }
    if (le32(data, 4) != quint32(data.size() - 8)) {
        wave.error = QStringLiteral("RIFF size %1 does not match the file size %2").arg(le32(data, 4)).arg(data.size());
        return wave;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const QByteArray id = data.mid(at, 4);
        const qsizetype size = le32(data, at + 4);
        const qsizetype body = at + 8;
        if (body + size > data.size()) {
            wave.error = QStringLiteral("chunk '%1' runs past the end of the file").arg(QString::fromLatin1(id));
            return wave;
        }
        if (id == "fmt ") {
            if (size < 16) {
                wave.error = QStringLiteral("format chunk too short");
                return wave;
            }
            const int formatTag = le16(data, body);
            wave.channels = le16(data, body + 2);
            wave.sampleRate = int(le32(data, body + 4));
            const quint32 byteRate = le32(data, body + 8);
            const int blockAlign = le16(data, body + 12);
            wave.bitsPerSample = le16(data, body + 14);
            if (formatTag != 1) {
                wave.error = QStringLiteral("format tag %1 is not PCM").arg(formatTag);
                return wave;
            }
            if (blockAlign != wave.channels * wave.bitsPerSample / 8 ||
                byteRate != quint32(wave.sampleRate) * quint32(blockAlign)) {
                wave.error = QStringLiteral("block align or byte rate inconsistent with the format");
                return wave;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                wave.error = QStringLiteral("data chunk before the format chunk");
                return wave;
            }
            if (wave.bitsPerSample != 16 || size % (2 * wave.channels) != 0) {
                wave.error = QStringLiteral("data is not whole 16-bit frames");
                return wave;
            }
            wave.samples.resize(std::size_t(size / 2));
            for (qsizetype i = 0; i < size / 2; ++i)
                wave.samples[std::size_t(i)] = std::int16_t(le16(data, body + 2 * i));
            haveData = true;
        }
        at = body + size + (size & 1); // chunks are padded to even length
    }
    if (!haveFormat || !haveData)
        wave.error = QStringLiteral("missing format or data chunk");
    return wave;
}

QString soundPath(const char *name)
{
    return QStringLiteral(CHRONELLE_BIN_DIR "/sounds/") + QString::fromLatin1(name);
}

int peakOf(const std::vector<std::int16_t> &samples, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

double dbfs(double amplitude)
{
    return 20.0 * std::log10(amplitude / 32768.0);
}

const char *const soundNames[] = {"start.wav", "ringout.wav", "ringin.wav", "recycle.wav"};

class BuiltInSound : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        m_wave = readWave(soundPath(GetParam()));
        ASSERT_TRUE(m_wave.error.isEmpty()) << GetParam() << ": " << m_wave.error.toStdString();
    }
    Wave m_wave;
};

TEST_P(BuiltInSound, IsPcm16AtACommonRate)
{
    EXPECT_EQ(m_wave.bitsPerSample, 16);
    EXPECT_TRUE(m_wave.channels == 1 || m_wave.channels == 2) << m_wave.channels;
    EXPECT_TRUE(m_wave.sampleRate == 44100 || m_wave.sampleRate == 48000) << m_wave.sampleRate;
}

TEST_P(BuiltInSound, LastsAFewSeconds)
{
    EXPECT_GE(m_wave.seconds(), 1.5);
    EXPECT_LE(m_wave.seconds(), 8.0);
}

TEST_P(BuiltInSound, IsLoudButNeverClips)
{
    const auto [lowest, highest] = std::minmax_element(m_wave.samples.begin(), m_wave.samples.end());
    EXPECT_GT(*lowest, -32767) << "a sample at negative full scale";
    EXPECT_LT(*highest, 32767) << "a sample at positive full scale";
    const double peak = dbfs(peakOf(m_wave.samples, 0, m_wave.samples.size()));
    EXPECT_LE(peak, -0.5) << "no headroom below full scale";
    EXPECT_GE(peak, -3.0) << "not normalised: much quieter than the other sounds";

    double energy = 0.0;
    for (std::int16_t sample : m_wave.samples)
        energy += double(sample) * double(sample);
    const double rms = std::sqrt(energy / double(m_wave.samples.size()));
    EXPECT_GE(dbfs(rms), -30.0) << "mostly silence";
}

// The ringing window plays the file again as soon as it ends: both sides of
// that seam must be silent, and the signal must be centred on zero, or every
// repeat starts with a click.
TEST_P(BuiltInSound, StartsAndEndsInSilence)
{
    const int nearSilence = 328; // 1 % of full scale, -40 dBFS
    const std::size_t total = m_wave.samples.size();
    EXPECT_LE(std::abs(int(m_wave.samples.front())), 32);
    EXPECT_LE(std::abs(int(m_wave.samples.back())), 32);
    EXPECT_LT(peakOf(m_wave.samples, 0, m_wave.frames(0.005)), nearSilence) << "loud within the first 5 ms";
    EXPECT_LT(peakOf(m_wave.samples, total - m_wave.frames(0.05), total), nearSilence) << "loud in the last 50 ms";

    double sum = 0.0;
    for (std::int16_t sample : m_wave.samples)
        sum += sample;
    EXPECT_LT(std::abs(sum / double(total)), 0.005 * 32768) << "DC offset";
}

INSTANTIATE_TEST_SUITE_P(Sounds, BuiltInSound, ::testing::ValuesIn(soundNames),
                         [](const ::testing::TestParamInfo<const char *> &row) {
                             std::string name = row.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(BuiltInSounds, AreFourDifferentSounds)
{
    std::vector<Wave> waves;
    for (const char *name : soundNames) {
        waves.push_back(readWave(soundPath(name)));
        ASSERT_TRUE(waves.back().error.isEmpty()) << name << ": " << waves.back().error.toStdString();
    }
    for (std::size_t a = 0; a < waves.size(); ++a)
        for (std::size_t b = a + 1; b < waves.size(); ++b)
            EXPECT_NE(waves[a].samples, waves[b].samples)
                << soundNames[a] << " and " << soundNames[b] << " are the same";
}

} // namespace
