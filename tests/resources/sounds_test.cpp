// The built-in alarm sounds as the build leaves them beside the executable:
// four different, well-formed 16-bit PCM WAVE files that the ringing window
// can loop without a click, loud enough to wake someone and never clipped.

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The largest sample between two indices, in dB below full scale.
double peakDbfs(const std::vector<qint16> &samples, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return 20.0 * std::log10(peak / 32768.0);
}

} // namespace

TEST(BuiltInSounds, AreFourDifferentPcmSoundsNormalisedWithoutClippingThatLoopWithoutAClick)
{
    std::vector<QByteArray> earlier;
    for (const char *name : {"start.wav", "ringout.wav", "ringin.wav", "recycle.wav"}) {
        QFile file(QStringLiteral(CHRONELLE_BIN_DIR "/sounds/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray data = file.readAll();
        ASSERT_GT(data.size(), 44) << name;
        // The build writes the plain 44-byte header of 16-bit PCM and nothing
        // else; every field must agree with the others and with the file.
        const auto u16 = [&data](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
        const auto u32 = [&data](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
        const int channels = u16(22);
        const int rate = int(u32(24));
        const auto dataBytes = quint32(data.size() - 44);
        const quint32 blockAlign = 2 * channels;
        ASSERT_TRUE(data.startsWith("RIFF") && u32(4) == 36 + dataBytes && data.mid(8, 8) == "WAVEfmt " &&
                    u32(16) == 16 && u16(20) == 1 && (channels == 1 || channels == 2) &&
                    u32(28) == quint32(rate) * blockAlign && u16(32) == blockAlign && u16(34) == 16 &&
                    data.mid(36, 4) == "data" && u32(40) == dataBytes && dataBytes % blockAlign == 0)
            << name << " has no 16-bit PCM header of whole frames that gives the file's size";
        EXPECT_TRUE(rate == 44100 || rate == 48000) << name << ": " << rate << " Hz";
        std::vector<qint16> samples;
        for (qsizetype at = 44; at < data.size(); at += 2)
            samples.push_back(qFromLittleEndian<qint16>(data.constData() + at));
        const std::size_t total = samples.size();
        const double seconds = double(total) / channels / rate;
        EXPECT_TRUE(seconds >= 1.5 && seconds <= 8.0) << name << " lasts " << seconds << " s";

        // Normalised like the others, with headroom below full scale.
        const double peak = peakDbfs(samples, 0, total);
        EXPECT_TRUE(peak <= -0.5 && peak >= -3.0) << name << " peaks at " << peak << " dBFS";
        double energy = 0.0;
        double sum = 0.0;
        for (qint16 sample : samples) {
            energy += double(sample) * double(sample);
            sum += sample;
        }
        EXPECT_GE(20.0 * std::log10(std::sqrt(energy / double(total)) / 32768.0), -30.0)
            << name << " is mostly silence";

        // The window plays the file again as soon as it ends: both sides of the
        // seam must be silent and the signal centred on zero, or every repeat clicks.
        const auto frames = [&](double duration) { return std::size_t(duration * rate) * std::size_t(channels); };
        EXPECT_LE(std::abs(int(samples.front())), 32) << name;
        EXPECT_LE(std::abs(int(samples.back())), 32) << name;
        EXPECT_LT(peakDbfs(samples, 0, frames(0.005)), -40.0) << name << " is loud within the first 5 ms";
        EXPECT_LT(peakDbfs(samples, total - frames(0.05), total), -40.0) << name << " is loud at its end";
        EXPECT_LT(std::abs(sum / double(total)), 0.005 * 32768) << name << " has a DC offset";

        for (const QByteArray &other : earlier)
            EXPECT_NE(data.mid(44), other) << name << " is the same as an earlier sound";
        earlier.push_back(data.mid(44));
    }
}
