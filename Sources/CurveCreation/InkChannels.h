#pragma once

#include <string>
#include <vector>

#include "CurveCreation/SingleInkRamp.h"
#include "QuadFiles/InkSettings.h"
#include "QuadFiles/QuadCurve.h"

namespace sg {

// One curve channel from a balanced ramp: every entry v becomes v * inkLimit / grayValue *
// 655.35 (percent to ink units), and the ramp, read as evenly spaced, is resampled ("Linear")
// to 256 levels. A ramp that reaches its gray value reaches the ink limit; values are not
// clamped. An entry that leaves no number (a gray value of 0) gives 0.
std::vector<double> quadInkChannel(const std::vector<double>& balancedRamp, double inkLimit,
                                   double grayValue);

// The limit an ink is printed to: its ink limit as a share of the printer's hardware limit
// for it, hardwareLimit / 100 * inkLimit (the ink limit itself at a hardware limit of 100).
double effectiveInkLimit(const InkSettings& ink);

// The 256-level channel of every ink, in slot order (the darkest ink first): the gray ramp
// partitioned among the inks, balanced, and each ramp scaled to its effective limit.
// Requires at least one ink.
QuadCurve inkChannels(const std::vector<InkSettings>& inks, RampShape shape);

// The ink names in slot order.
std::vector<std::string> inkNamesOf(const std::vector<InkSettings>& inks);

}  // namespace sg
