#include "outputlevel.h"

#include <algorithm>

namespace {

// Full level on one channel: 255 × 256. A channel word above it (up to
// 0xFFFF) still means full level.
constexpr quint32 fullChannel = 0xFF00;

quint32 louderChannel(quint32 packed)
{
    return std::max(packed & 0xFFFFu, packed >> 16);
}

} // namespace

OutputLevel::OutputLevel(QObject *parent) : QObject(parent), m_packed(pack(maxLevel)) {}

quint32 OutputLevel::pack(int level)
{
    const auto l = quint32(std::clamp(level, 0, maxLevel));
    return (l << 24) | (l << 8);
}

int OutputLevel::levelOf(quint32 packed)
{
    return int(std::min(louderChannel(packed), fullChannel) >> 8);
}

void OutputLevel::setPacked(quint32 packed)
{
    if (packed == m_packed)
        return;
    const float before = volume();
    m_packed = packed;
    if (volume() != before)
        emit volumeChanged(volume());
}

void OutputLevel::setLevel(int level)
{
    setPacked(pack(level));
}

float OutputLevel::volume() const
{
    return float(std::min(louderChannel(m_packed), fullChannel)) / float(fullChannel);
}
