#include "outputlevel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The level is one object for the whole program: every test leaves it as it
// found it.
class OutputLevelTest : public ::testing::Test
{
protected:
    void TearDown() override { OutputLevel::instance().setPacked(m_saved); }

    OutputLevel &level = OutputLevel::instance();
    quint32 m_saved = OutputLevel::instance().packed();
};

struct PackRow
{
    const char *name;
    int level;
    quint32 packed;
    int levelBack;
};

void PrintTo(const PackRow &row, std::ostream *os)
{
    *os << row.name;
}

class Packing : public OutputLevelTest, public ::testing::WithParamInterface<PackRow>
{
};

TEST_P(Packing, WritesBothChannelsAsLevelTimes256)
{
    const PackRow &row = GetParam();
    level.setLevel(row.level);
    EXPECT_EQ(level.packed(), row.packed);
    EXPECT_EQ(level.level(), row.levelBack);
    EXPECT_FLOAT_EQ(level.volume(), float(row.levelBack) / 255.0f);
}

INSTANTIATE_TEST_SUITE_P(Levels, Packing,
                         ::testing::Values(PackRow{"silent", 0, 0x00000000u, 0}, PackRow{"full", 255, 0xFF00FF00u, 255},
                                           PackRow{"half", 127, 0x7F007F00u, 127},
                                           PackRow{"slider37", 94, 0x5E005E00u, 94},
                                           PackRow{"belowRange", -5, 0x00000000u, 0},
                                           PackRow{"aboveRange", 300, 0xFF00FF00u, 255}),
                         [](const auto &row) { return std::string(row.param.name); });

// A window saves whatever it finds and writes it back on closing: values that
// this program would never write itself come back bit for bit.
TEST_F(OutputLevelTest, SavedValuesRoundTripExactly)
{
    for (const quint32 saved : {0xFFFFFFFFu, 0x12345678u, 0x0000FF00u, 0x7F007F00u, 0u}) {
        level.setPacked(saved);
        const quint32 read = level.packed();
        level.setLevel(37);
        level.setPacked(read);
        EXPECT_EQ(level.packed(), saved) << std::hex << saved;
    }
}

struct ChannelRow
{
    const char *name;
    quint32 packed;
    int level;
    float volume;
};

void PrintTo(const ChannelRow &row, std::ostream *os)
{
    *os << row.name;
}

class Channels : public OutputLevelTest, public ::testing::WithParamInterface<ChannelRow>
{
};

// A player has one volume for both channels; the louder one decides, and a
// channel word above 0xFF00 is full level, not more.
TEST_P(Channels, LouderChannelSetsTheVolume)
{
    const ChannelRow &row = GetParam();
    level.setPacked(row.packed);
    EXPECT_EQ(level.level(), row.level);
    EXPECT_FLOAT_EQ(level.volume(), row.volume);
}

INSTANTIATE_TEST_SUITE_P(Words, Channels,
                         ::testing::Values(ChannelRow{"leftOnly", 0x0000FF00u, 255, 1.0f},
                                           ChannelRow{"rightLouder", 0x80004000u, 128, float(0x8000) / 0xFF00},
                                           ChannelRow{"fullWords", 0xFFFFFFFFu, 255, 1.0f}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(OutputLevelTest, TellsThePlayersOnlyOfRealChanges)
{
    level.setLevel(200);
    QSignalSpy spy(&level, &OutputLevel::volumeChanged);
    level.setLevel(200);
    level.setLevel(1000);         // clamps to 255
    level.setLevel(255);          // unchanged after the clamp
    level.setPacked(0xFFFFFFFFu); // another form of full level: same volume
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FLOAT_EQ(spy.at(0).at(0).toFloat(), 1.0f);
}

} // namespace
