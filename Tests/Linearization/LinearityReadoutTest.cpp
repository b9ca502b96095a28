#include "Linearization/LinearityReadout.h"

#include <gtest/gtest.h>

namespace sg {
namespace {

TEST(LinearityReadoutTest, DeviationsAreMeasuredFromTheLineBetweenTheEnds) {
    const LinearityReadout straight = LinearityReadout::fromSeries({95, 80, 65, 50, 35, 20, 5});
    EXPECT_NEAR(straight.maximumDeviation, 0.0, 1e-12);
    EXPECT_EQ(straight.maximumDeviationText(), "0.0");
    EXPECT_EQ(straight.warningText(), "");

    // Line 90, 70, 50, 30, 10: deviations 0, 3, 1.5, 2, 0.
    const LinearityReadout bent = LinearityReadout::fromSeries({90, 73, 48.5, 28, 10});
    EXPECT_NEAR(bent.maximumDeviation, 3.0, 1e-12);
    EXPECT_NEAR(bent.meanDeviation, 6.5 / 5.0, 1e-12);
    EXPECT_EQ(bent.maximumDeviationText(), "3.0");
    EXPECT_EQ(bent.meanDeviationText(), "1.3");
    EXPECT_FALSE(bent.firstRisingPatch.has_value());
}

TEST(LinearityReadoutTest, WarnsAboutTheFirstPatchThatRisesTooMuch) {
    // A rise of exactly 2 L* (patch 3) is tolerated; patch 5 rises by 3.4, patch 7 by more.
    const LinearityReadout readout =
        LinearityReadout::fromSeries({95, 85, 87, 83, 86.4, 70, 80, 5});
    ASSERT_TRUE(readout.firstRisingPatch.has_value());
    EXPECT_EQ(*readout.firstRisingPatch, 5u);
    EXPECT_EQ(readout.warningText(),
              "Patch 5 is lighter than patch 4 by 3.4 L*: check the patch order.");

    const LinearityReadout second = LinearityReadout::fromSeries({50, 52.5, 10});
    EXPECT_EQ(second.warningText(),
              "Patch 2 is lighter than patch 1 by 2.5 L*: check the patch order.");
}

TEST(LinearityReadoutTest, ShortSeriesReadZero) {
    EXPECT_EQ(LinearityReadout::fromSeries({}).maximumDeviation, 0.0);
    const LinearityReadout one = LinearityReadout::fromSeries({42.0});
    EXPECT_EQ(one.maximumDeviation, 0.0);
    EXPECT_EQ(one.meanDeviation, 0.0);
    EXPECT_EQ(one.warningText(), "");
}

}  // namespace
}  // namespace sg
