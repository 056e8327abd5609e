#include "outputlevel.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

class OutputLevelTest : public ::testing::Test
{
protected:
    OutputLevel level;
};

// Written as (L shl 24) or (L shl 8); read back, the louder channel decides
// the one volume a player has, and a channel word above 0xFF00 is full level.
TEST_F(OutputLevelTest, PackedFormAndVolume)
{
    // The row's name, a level to set (none: set the packed value itself), the
    // packed value then stored, and the level and volume read back.
    const std::tuple<const char *, std::optional<int>, quint32, int, float> rows[] = {
        {"half", 127, 0x7F007F00u, 127, 127.0f / 255},
        {"belowRange", -5, 0x00000000u, 0, 0.0f},
        {"aboveRange", 300, 0xFF00FF00u, 255, 1.0f},
        {"rightLouder", std::nullopt, 0x80004000u, 128, float(0x8000) / 0xFF00},
        {"fullWords", std::nullopt, 0xFFFFFFFFu, 255, 1.0f}};
    for (const auto &[name, set, packed, levelRead, volume] : rows) {
        SCOPED_TRACE(name);
        if (set)
            level.setLevel(*set);
        else
            level.setPacked(packed);
        EXPECT_EQ(level.packed(), packed);
        EXPECT_EQ(level.level(), levelRead);
        EXPECT_FLOAT_EQ(level.volume(), volume);
    }
}

// A window saves whatever it finds and writes it back on closing: values that
// this program would never write itself come back bit for bit.
TEST_F(OutputLevelTest, SavedValuesRoundTripExactly)
{
    for (const quint32 saved : {0xFFFFFFFFu, 0x12345678u, 0x0000FF00u}) {
        level.setPacked(saved);
        const quint32 read = level.packed();
        level.setLevel(37);
        level.setPacked(read);
        EXPECT_EQ(level.packed(), saved) << std::hex << saved;
    }
}

} // namespace
