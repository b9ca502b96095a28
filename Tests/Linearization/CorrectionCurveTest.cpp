#include "Linearization/CorrectionCurve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Linearization/PositiveCorrectionCurve.h"

namespace sg {
namespace {

// A print that is far from linear: light tones fall slowly, dark tones fast.
std::vector<double> curvedWedge(std::size_t n) {
    std::vector<double> values;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(n - 1);
        values.push_back(96.0 - 88.0 * std::pow(x, 0.6));
    }
    return values;
}

bool nonIncreasing(const std::vector<double>& values, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i) {
        if (values[i] > values[i - 1]) {
            return false;
        }
    }
    return true;
}

TEST(CorrectionCurveTest, MeasuredDmaxIsTheDensityOfTheDarkestPatch) {
    EXPECT_NEAR(densityFromLightness(50.0), 0.7347, 5e-5);
    EXPECT_NEAR(densityFromLightness(5.0), 2.2569, 5e-5);
    // Both branches of the inverse meet at L* 8.
    EXPECT_NEAR(densityFromLightness(8.0), densityFromLightness(7.9999999), 1e-6);
}

TEST(CorrectionCurveTest, ResponseEqualToTheTargetGivesTheIdentity) {
    CorrectionCurve curve;
    curve.smoothedResponse = curve.makeLinearTarget(curvedWedge(256));
    EXPECT_EQ(curve.smoothedResponse.back(), curvedWedge(256).back());  // exactly
    ToneControlPoints control;
    curve.retarget(control);
    const std::vector<double> correction = *curve.positions;
    ASSERT_EQ(correction.size(), 257u);
    EXPECT_EQ(correction.front(), 0.0);
    EXPECT_EQ(correction.back(), 100.0);
    for (std::size_t k = 0; k < 256; ++k) {
        EXPECT_NEAR(correction[k], static_cast<double>(k) * 100.0 / 255.0, 1e-9) << k;
    }
}

// The order of operations is fixed: target value i = i * (100 / (n - 1)) * slope + intercept,
// and a position is i * s + (t - lower) * s / (upper - lower). Any other order of the same
// operations changes the last digits of the values below.
TEST(CorrectionCurveTest, TargetAndPositionsAreExactToTheLastBit) {
    CorrectionCurve curve;
    const std::vector<double> target =
        curve.makeLinearTarget({93.93, 60.0, 30.0, 16.26, 50.0, 70.1, 22.2});
    EXPECT_EQ(curve.intercept, 93.93);
    EXPECT_EQ(curve.slope, -0.7767000000000001);
    EXPECT_EQ(target, (std::vector<double>{93.93, 80.985, 68.04, 55.095000000000006, 42.15, 29.205,
                                           16.26}));

    EXPECT_EQ(
        correctionPositions({95.0, 71.3, 48.9, 20.2}, {95, 21.16, 25.48, 27.88, 0}),
        (std::vector<double>{0, 98.88501742160278, 93.86759581881533, 91.08013937282232, 100}));

    // A target equal to a response value is bracketed with the level before it, not (as the
    // linearization brackets its levels) with the one after: 49 s + s, not 50 s.
    std::vector<double> response;
    for (int k = 0; k < 256; ++k) {
        response.push_back(k <= 49 ? 47.23 + (49 - k) * 0.2 : 45.53 - (k - 50) * 0.17);
    }
    EXPECT_EQ(correctionPositions(response, {95.0, 45.53, 0.0})[1], 19.6078431372549);

    // Five steps of 20 percent.
    EXPECT_EQ(correctionPositions({100, 80, 60, 40, 20, 0}, {100, 75, 60, 45, 30, 10, 0}),
              (std::vector<double>{0, 25, 40, 55, 70, 90, 100}));
}

TEST(CorrectionCurveTest, DegenerateBracketsStayInsideTheRange) {
    const double step = 20.0;
    // A plateau: a target just darker than it lies at the plateau's first level.
    EXPECT_EQ(correctionPositions({100, 80, 60, 60, 40, 0}, {100, 59, 0})[1], 2 * step);
    // Targets beyond either end of the response: the ends, never infinities.
    EXPECT_EQ(correctionPositions({90, 70, 50, 30, 20, 10}, {95, 95, 5, 0})[1], 0.0);
    EXPECT_EQ(correctionPositions({90, 70, 50, 30, 20, 10}, {95, 5, 5, 0})[1], 100.0);
    // A response that rises at first would give a position below 0: limited.
    EXPECT_EQ(correctionPositions({50, 60, 40, 30, 20, 10}, {95, 40, 0})[1], 40.0);
    EXPECT_EQ(correctionPositions({50, 60, 40, 30, 20, 10}, {95, 49, 0})[1], 0.0);
    // Not a number in the target or the response: still a position inside the range.
    for (const double position :
         correctionPositions({90, NAN, 50, 30, 20, 10}, {95, NAN, 70, 40, INFINITY, 0})) {
        EXPECT_TRUE(std::isfinite(position));
        EXPECT_GE(position, 0.0);
        EXPECT_LE(position, 100.0);
    }
}

TEST(CorrectionCurveTest, PipelineWorksFromTheMeasurement) {
    ToneControlPoints control;
    CorrectionCurve curve;
    curve.run(curvedWedge(21), control, 0, 0.0);

    ASSERT_EQ(curve.resampledLightness.size(), 256u);
    EXPECT_EQ(curve.resampledLightness.back(), 8.0);
    EXPECT_EQ(curve.maximumDensity, densityFromLightness(8.0));
    // The target ends where the resampled series does, at 255/256 of the wedge: lighter than
    // the last patch.
    EXPECT_GT(curve.linearTarget.back(), 8.0);
    ASSERT_EQ(curve.positions->size(), 257u);
    // Light tones darken fast on this print, so the correction holds them back.
    EXPECT_LT((*curve.positions)[64], 64 * 100.0 / 255.0);
}

TEST(CorrectionCurveTest, CorrectionIsMonotoneWheneverTheResponseAndTargetAre) {
    std::vector<double> labL = curvedWedge(51);
    labL[10] += 1.5;  // a misread patch
    int checked = 0;
    for (const int window : {0, 2, 5, 10, 50}) {
        for (const double spline : {0.0, 0.1, 0.25, 0.31}) {
            for (const double slider : {-50.0, 0.0, 30.0}) {
                ToneControlPoints control;
                control.midtone.adjustment = slider;
                CorrectionCurve curve;
                curve.run(labL, control, window, spline);
                const std::vector<double>& correction = *curve.positions;
                EXPECT_EQ(correction.front(), 0.0);
                EXPECT_EQ(correction.back(), 100.0);
                if (window >= 2) {
                    EXPECT_TRUE(nonIncreasing(curve.smoothedResponse, 256))
                        << window << " " << spline;
                }
                if (nonIncreasing(curve.smoothedResponse, 256) &&
                    nonIncreasing(curve.target, 257)) {
                    ++checked;
                    for (std::size_t k = 1; k < correction.size(); ++k) {
                        ASSERT_GE(correction[k], correction[k - 1])
                            << "window " << window << " spline " << spline << " slider " << slider
                            << " at " << k;
                    }
                }
            }
        }
    }
    EXPECT_GE(checked, 36);
}

TEST(CorrectionCurveTest, PositiveCorrectionReadsTheResponseAgainstItsOwnEnds) {
    PositiveCorrectionCurve curve;
    curve.recompute();
    EXPECT_FALSE(curve.positions.has_value());

    // A response that falls twice as fast in its first half.
    curve.measuredResponse = {100, 80, 60, 50, 40, 30, 20};
    curve.recompute();
    ASSERT_EQ(curve.target.size(), 256u);
    EXPECT_EQ(curve.target.front(), 100.0);
    EXPECT_NEAR(curve.target.back(), 20.0 + 10.0 * 6.0 / 256.0, 1e-9);
    const std::vector<double>& correction = *curve.positions;
    ASSERT_EQ(correction.size(), 256u);
    EXPECT_EQ(correction.back(), 100.0);
    EXPECT_LT(correction[85], 100.0 / 3.0);
}

}  // namespace
}  // namespace sg
