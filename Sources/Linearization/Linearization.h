#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Common/Alert.h"

namespace sg {

// The alert of a linearization or save asked for before both a correction and a curve exist.
Alert failedToLinearizeAlert();

// The two levels of the step array around a target position: the level closest to the target
// and its neighbour on the target's side. The upper level is limited to the last level and the
// lower to level 0, so a target at or beyond either end brackets that end with itself.
std::pair<std::size_t, std::size_t> bracketStepsIn(const std::vector<double>& stepArray,
                                                   double target);

// One channel read at the corrected positions: levels 0..254 interpolated between their
// bracketing levels, level 255 the channel's own last value, and level 1 the mean of levels 0
// and 2. A zero-width bracket takes the channel's value at that level. A result that is not a
// finite number becomes 0 (with a diagnostic line when reportNonNumbers is set).
std::vector<double> linearizedChannel(const std::vector<double>& channel,
                                      const std::vector<double>& targets,
                                      const std::vector<double>& stepArray, bool reportNonNumbers);

// Reads every channel of a curve at the positions of a correction curve, so equal input steps
// print as equal steps of lightness while the ink balance between channels is kept.
class Linearization {
public:
    static constexpr double levelStep = 0.39215686274509803;  // 100/255

    Linearization();

    int stepIndexForLin = 1;
    std::vector<double> targetArray;  // the correction curve, percent per level
    std::vector<std::vector<double>> linearizedQuadCurve2DArray;
    std::vector<double> stepArray;  // level k at k * 100/255 percent

    std::pair<std::size_t, std::size_t> bracketSteps(double target) const;
    // One result channel per channel name (the names only count the channels); each channel
    // of the curve needs 256 values and the correction at least 255.
    void linearize(const std::vector<std::vector<double>>& quad,
                   const std::vector<std::string>& channelNames);
};

}  // namespace sg
