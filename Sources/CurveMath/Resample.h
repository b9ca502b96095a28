#pragma once

#include <vector>

#include "CurveMath/KeyframeSequence.h"

namespace sg {

// An x/y series resampled to `steps` values at equal steps across its x range: the x values
// are normalised to 0..1 between their smallest and largest, and the samples lie at
// t = k * (1 / steps) for k = 0, 1, ... while t < 1, so the largest x is never sampled itself
// (256 steps of a curve given at x = 0..255 read level 255 at 255/256 of the way). Every tool
// relies on exactly this sampling. Spline samples below zero, and non-numbers, become 0;
// linear samples are taken as they come. No keys give no samples.
std::vector<double> resample(const std::vector<double>& xs, const std::vector<double>& ys,
                             Interpolation mode, double steps);

// The sample times k * step for k = 0, 1, ... while below 1.0, each computed as a product.
std::vector<double> unitSampleTimes(double step);

// The values normalised to 0..1 between their smallest and largest; all 0 when they coincide.
std::vector<double> normalisedToUnitRange(const std::vector<double>& values);

}  // namespace sg
