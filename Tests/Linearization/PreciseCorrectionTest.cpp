#include "Linearization/PreciseCorrection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Common/InkScale.h"
#include "Linearization/MeasuredResponse.h"
#include "Linearization/PatchLevels.h"
#include "Linearization/PredictedLinearity.h"

namespace sg {
namespace {

TEST(PatchLevelsTest, EachPatchAtTheNearestWholeLevelHalvesUp) {
    EXPECT_EQ(wedgePatchLevels(1), (std::vector<double>{0}));
    EXPECT_EQ(wedgePatchLevels(3), (std::vector<double>{0, 128, 255}));  // 127.5
    EXPECT_EQ(wedgePatchLevels(21),
              (std::vector<double>{0,   13,  26,  38,  51,  64,  77,  89,  102, 115, 128,
                                   140, 153, 166, 179, 191, 204, 217, 230, 242, 255}));
    const std::vector<double> every = wedgePatchLevels(256);
    for (std::size_t i = 0; i < every.size(); ++i) {
        ASSERT_EQ(every[i], static_cast<double>(i));
    }
    // More patches than levels: patches 128 and 129 of 257 (127.5 and 128.496) share level 128,
    // and the response averages them.
    const std::vector<double> crowded = wedgePatchLevels(257);
    EXPECT_EQ(crowded[128], 128.0);
    EXPECT_EQ(crowded[129], 128.0);
    std::vector<double> labL(257);
    for (std::size_t i = 0; i < labL.size(); ++i) {
        labL[i] = 95.0 - 0.3 * static_cast<double>(i);
    }
    const MeasuredResponse response(labL, 0.0);
    ASSERT_EQ(response.levels().size(), 256u);
    EXPECT_DOUBLE_EQ(response.measured()[128], (labL[128] + labL[129]) / 2.0);
    EXPECT_EQ(response.measured()[129], labL[130]);
}

// A 21-step wedge of a printer with a steep start and a long shoulder.
std::vector<double> curvedWedge() {
    std::vector<double> labL;
    for (const double level : wedgePatchLevels(21)) {
        labL.push_back(95.0 - 80.0 * std::pow(level / 255.0, 0.6));
    }
    return labL;
}

TEST(MeasuredResponseTest, InverseMeetsTheResponseExactly) {
    const MeasuredResponse response(curvedWedge(), 0.0);
    EXPECT_EQ(response.smoothed(), curvedWedge());
    EXPECT_EQ(response.lightnessAt(26.0), curvedWedge()[2]);
    for (double level = 0.0; level <= 255.0; level += 0.37) {
        const double found = response.levelReaching(response.lightnessAt(level));
        EXPECT_NEAR(found, level, 1e-9);
        EXPECT_NEAR(response.lightnessAt(found), response.lightnessAt(level), 1e-12);
    }
    EXPECT_EQ(response.levelReaching(99.0), 0.0);
    EXPECT_EQ(response.levelReaching(95.0), 0.0);
    EXPECT_EQ(response.levelReaching(14.0), 255.0);
    EXPECT_EQ(response.levelReaching(NAN), 0.0);
}

// Every level is read where the response meets its target, straight or bent, so the reprint is
// predicted to land on the target.
TEST(PreciseCorrectionTest, EveryLevelIsReadWhereTheResponseMeetsItsTarget) {
    const std::vector<double> labL = curvedWedge();
    const MeasuredResponse response(labL, std::nullopt);
    ToneControlPoints points;
    CorrectionCurve correction = preciseCorrection(labL, response, points);
    EXPECT_EQ(correction.intercept, response.lightnessAt(0.0));
    EXPECT_EQ(correction.linearTarget.back(), response.lightnessAt(255.0));
    EXPECT_DOUBLE_EQ(correction.resampledLightness[20], labL[1] + (labL[2] - labL[1]) * 7 / 13);
    for (const double shadowSlider : {0.0, 20.0}) {
        points.shadow.adjustment = -shadowSlider;
        retargetPrecisely(correction, response, points);
        const std::vector<double>& positions = *correction.positions;
        EXPECT_EQ(positions.front(), 0.0);
        for (std::size_t k = 1; k < levelCount; ++k) {
            EXPECT_GE(positions[k], positions[k - 1]) << k;
            EXPECT_NEAR(response.lightnessAt(positions[k] / levelStepPercent), correction.target[k],
                        1e-9)
                << k;
        }
        EXPECT_LT(PredictedLinearity::of(response, correction).maximumDeviation, 1e-9);
    }
}

TEST(PreciseCorrectionTest, LinearResponseGivesTheIdentityAndAFlatOneChangesNothing) {
    std::vector<double> line;
    for (const double level : wedgePatchLevels(51)) {
        line.push_back(92.0 - 0.3 * level);
    }
    for (const std::vector<double>& labL :
         {line, std::vector<double>{50.0}, std::vector<double>(21, 50.0)}) {
        ToneControlPoints points;
        const CorrectionCurve correction =
            preciseCorrection(labL, MeasuredResponse(labL, std::nullopt), points);
        for (std::size_t k = 0; k < levelCount; ++k) {
            EXPECT_NEAR((*correction.positions)[k], static_cast<double>(k) * levelStepPercent, 1e-9)
                << labL.size() << " patches, level " << k;
        }
    }
}

}  // namespace
}  // namespace sg
