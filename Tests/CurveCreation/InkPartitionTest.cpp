#include "CurveCreation/InkPartition.h"

#include <gtest/gtest.h>

namespace sg {
namespace {

InkSettings ink(double grayValue, double startingOverlap = 0.1, double endingOverlap = 0.1) {
    return {"Black", 100, 100, startingOverlap, endingOverlap, grayValue};
}

TEST(InkPartitionTest, BandsClimbTheLadderFromTheLightestInk) {
    const std::pair<std::vector<InkSettings>, std::vector<InkBand>> rows[] = {
        {{ink(100, 0.2, 0.3)}, {{0, 100, 100, 0.2, 0.3}}},
        {{ink(100, 0.1, 0.2), ink(40, 0.3, 0.4)},
         {{0, 40, 100, 0.3, 0.4}, {40, 100, 100, 0.1, 0.2}}},
        {{ink(100), ink(50, 0.2), ink(20, 0.3)},
         {{0, 20, 50, 0.3, 0.1}, {20, 50, 100, 0.2, 0.1}, {50, 100, 100, 0.1, 0.1}}},
        // Not sorted: slot 2 above slot 1 gives crossing neighbours.
        {{ink(60), ink(90)}, {{0, 90, 60, 0.1, 0.1}, {90, 60, 60, 0.1, 0.1}}},
    };
    for (const auto& [inks, bands] : rows) {
        EXPECT_EQ(inkBands(inks), bands) << inks.size() << " inks";
        const auto ramps = partitionedInkRamps(inks, RampShape::bezier);
        ASSERT_EQ(ramps.size(), bands.size());
        for (std::size_t i = 0; i < ramps.size(); ++i) {
            EXPECT_EQ(ramps[i], singleInkRamp(bands[i], RampShape::bezier)) << i;
        }
    }
}

TEST(InkPartitionTest, BalancedRampsAddUpToEachStep) {
    for (const RampShape shape : {RampShape::bezier, RampShape::spline}) {
        const auto raw = partitionedInkRamps({ink(100), ink(55), ink(25), ink(8)}, shape);
        const auto balanced = stepBalancedRamps(raw);
        for (std::size_t j = 0; j < rampLength; ++j) {
            double rawSum = 0.0;
            double sum = 0.0;
            for (std::size_t i = 0; i < 4; ++i) {
                rawSum += raw[i][j];
                sum += balanced[i][j];
            }
            EXPECT_NEAR(sum, rawSum == 0.0 ? 0.0 : static_cast<double>(j), 1e-9) << j;
        }
        // The tools smooth every balanced ramp once more.
        const auto smoothed = balancedInkRamps(raw);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(smoothed[i], threePointSmoothed(balanced[i])) << i;
        }
    }
    // Where every ink is 0 the balance leaves 0, not a non-number.
    EXPECT_EQ(stepBalancedRamps({{0, 2, 0}, {0, 2, 4}}),
              (std::vector<std::vector<double>>{{0, 0.5, 0}, {0, 0.5, 2}}));
    // A single ink is taken as it is, neither balanced nor smoothed.
    const std::vector<std::vector<double>> single = {{0, 5, 1, 9}};
    EXPECT_EQ(balancedInkRamps(single), single);
}

}  // namespace
}  // namespace sg
