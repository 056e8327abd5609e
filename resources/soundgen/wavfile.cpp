#include "wavfile.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace soundgen {

namespace {

void putU16(std::vector<char> &out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void putU32(std::vector<char> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void putTag(std::vector<char> &out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

void writeWave(const std::filesystem::path &path, const std::vector<std::int16_t> &samples, int sampleRate)
{
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bitsPerSample = 16;
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;
    const std::uint64_t dataBytes = static_cast<std::uint64_t>(samples.size()) * blockAlign;
    if (dataBytes > 0xFFFFFFFFull - 36)
        throw std::runtime_error("sound too long for a WAVE file: " + path.string());

    std::vector<char> file;
    file.reserve(44 + dataBytes);
    putTag(file, "RIFF");
    putU32(file, static_cast<std::uint32_t>(36 + dataBytes));
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    putU32(file, 16);
    putU16(file, 1); // PCM
    putU16(file, channels);
    putU32(file, static_cast<std::uint32_t>(sampleRate));
    putU32(file, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    putU16(file, blockAlign);
    putU16(file, bitsPerSample);
    putTag(file, "data");
    putU32(file, static_cast<std::uint32_t>(dataBytes));
    for (std::int16_t sample : samples)
        putU16(file, static_cast<std::uint16_t>(sample));

    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw std::runtime_error("cannot create " + temporary.string());
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        const std::string reason = error.message();
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot replace " + path.string() + ": " + reason);
    }
}

} // namespace soundgen
