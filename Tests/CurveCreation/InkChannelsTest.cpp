#include "CurveCreation/InkChannels.h"

#include <gtest/gtest.h>

#include "Common/InkScale.h"
#include "CurveCreation/InkPartition.h"

namespace sg {
namespace {

TEST(InkChannelsTest, QuadInkChannelScalesToTheLimitAndResamplesTo256Levels) {
    // 0, 50, 100 at limit 80 and gray value 100 is 0, 26214, 52428 in ink units; level 255
    // reads 255/256 of the way, not the end.
    const std::vector<double> channel = quadInkChannel({0, 50, 100}, 80, 100);
    ASSERT_EQ(channel.size(), levelCount);
    EXPECT_EQ(channel[0], 0.0);
    EXPECT_EQ(channel[128], 50.0 * 80.0 / 100.0 * 655.35);
    EXPECT_EQ(channel[255], 52223.203125);

    // A gray value of 0 leaves no number to scale by: 0.
    EXPECT_EQ(quadInkChannel({0, 0, 3}, 100, 0), std::vector<double>(levelCount, 0.0));
}

TEST(InkChannelsTest, ChannelsComeInSlotOrderAtTheirEffectiveLimits) {
    const std::vector<InkSettings> inks = {{"Black", 80, 50, 0.1, 0.1, 100},
                                           {"Light Black", 60, 100, 0.1, 0.1, 45}};
    EXPECT_EQ(effectiveInkLimit(inks[0]), 40.0);
    EXPECT_EQ(effectiveInkLimit(inks[1]), 60.0);

    const auto balanced = balancedInkRamps(partitionedInkRamps(inks, RampShape::spline));
    const QuadCurve channels = inkChannels(inks, RampShape::spline);
    ASSERT_EQ(channels.size(), 2u);
    // Slot 1 is the darkest ink, the last of the balanced ramps.
    EXPECT_EQ(channels[0], quadInkChannel(balanced[1], 40, 100));
    EXPECT_EQ(channels[1], quadInkChannel(balanced[0], 60, 45));

    // One ink of gray value 100 at limit 80 climbs to close to 80 % of full ink (its ramp
    // reaches about 99 at entry 99, and level 255 reads a little before that).
    const QuadCurve single = inkChannels({{"Black", 80, 100, 0.1, 0.1, 100}}, RampShape::bezier);
    EXPECT_NEAR(single[0][255] / largestInkValue, 0.8, 0.02);
}

}  // namespace
}  // namespace sg
