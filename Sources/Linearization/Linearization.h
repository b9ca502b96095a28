#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "Common/Alert.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// The alert of a linearization or save asked for before both a correction and a curve exist.
Alert failedToLinearizeAlert();

// The input position of each of the 256 levels in percent: level k at k * levelStep.
std::vector<double> levelPositions(double levelStep);

// The two levels of the step array around a target position: the level closest to the target
// and its neighbour on the target's side (a target on a level brackets it with the next one).
// The upper level is limited to the last level and the lower to level 0, so a target at or
// beyond either end brackets that end with itself.
std::pair<std::size_t, std::size_t> bracketStepsIn(const std::vector<double>& stepArray,
                                                   double target);

// The first `channelCount` channels of a curve read at the corrected positions `targets`
// (percent per level, at least 255). In each channel levels 0..254 are interpolated between
// their bracketing levels, level 255 keeps the channel's own last value, and level 1 becomes
// the mean of levels 0 and 2. A zero-width bracket takes the channel's value at that level, and
// a result that is not a finite number becomes 0 (with a diagnostic line when
// reportNonNumbers is set). A channel of fewer than 256 values cannot be read that way and
// comes back unchanged, so every channel stays at its own position. Too few targets give no
// channels at all.
QuadCurve linearizedCurve(const QuadCurve& quad, std::size_t channelCount,
                          const std::vector<double>& targets, const std::vector<double>& stepArray,
                          bool reportNonNumbers);

// Reads every channel of a curve at the positions of a correction curve, so equal input steps
// print as equal steps of lightness while the ink balance between channels is kept.
class Linearization {
public:
    static constexpr double levelStep = 0.39215686274509803;  // 100/255

    std::vector<double> targetArray;  // the correction curve, percent per level
    QuadCurve linearizedQuadCurve2DArray;
    std::vector<double> stepArray = levelPositions(levelStep);  // 0.0 .. 100.0

    std::pair<std::size_t, std::size_t> bracketSteps(double target) const;
    // One result channel per channel name (the names only count the channels).
    void linearize(const QuadCurve& quad, const std::vector<std::string>& channelNames);
};

}  // namespace sg
