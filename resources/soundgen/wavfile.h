#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace soundgen {

// Writes mono 16-bit PCM as a canonical RIFF/WAVE file (a "fmt " chunk and a
// "data" chunk, little-endian whatever the host). The file is written under a
// temporary name and renamed into place, so a failed run never leaves a
// truncated sound behind that the build would take as up to date.
// Throws std::runtime_error on failure.
void writeWave(const std::filesystem::path &path, const std::vector<std::int16_t> &samples, int sampleRate);

} // namespace soundgen
