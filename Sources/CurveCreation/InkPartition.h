#pragma once

#include <vector>

#include "CurveCreation/SingleInkRamp.h"
#include "QuadFiles/InkSettings.h"

namespace sg {

// The gray ramp shared among the inks of a curve. The ink settings come in slot order, the
// darkest ink first; bands and ramps come the other way round, the lightest ink first.

// The band of every ink on the ladder 0, lightest gray value, ..., darkest gray value: each
// ink between its two neighbours on the ladder, the darkest ink its own darker neighbour. The
// ladder is not sorted: gray values that do not fall from slot to slot give crossing bands.
// Requires at least one ink.
std::vector<InkBand> inkBands(const std::vector<InkSettings>& inks);

// The raw ramp of every ink, lightest first.
std::vector<std::vector<double>> partitionedInkRamps(const std::vector<InkSettings>& inks,
                                                     RampShape shape);

// Every ramp scaled at each entry j so that the inks together add up to j: v * j / sum, written
// v + v / sum * (j - sum). An entry where the sum leaves no number (every ink 0 there) gives 0.
// A single ink comes back as it is.
std::vector<std::vector<double>> stepBalancedRamps(const std::vector<std::vector<double>>& ramps);

// The balanced ramps the tools use: step-balanced, then each smoothed over three entries (a
// single ink neither balanced nor smoothed). At least one ramp.
std::vector<std::vector<double>> balancedInkRamps(const std::vector<std::vector<double>>& ramps);

}  // namespace sg
