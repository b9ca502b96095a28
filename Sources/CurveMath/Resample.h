#pragma once

#include <vector>

#include "CurveMath/KeyframeSequence.h"

namespace sg {

// An x/y series resampled to `steps` values at equal steps across its x range: the x values
// are normalised to 0..1 between their smallest and largest, and the samples lie at
// t = k * (1 / steps) for k = 0, 1, ... while t < 1, so the largest x is never sampled itself
// (256 steps of a curve given at x = 0..255 read level 255 at 255/256 of the way). Every tool
// relies on exactly this sampling. Spline samples below zero, and non-numbers, become 0;
// linear samples are taken as they come. No keys, or no positive number of steps, give no
// samples; a count that is not whole gives the next whole number of samples.
std::vector<double> resample(const std::vector<double>& xs, const std::vector<double>& ys,
                             Interpolation mode, double steps);

// The values taken as evenly spaced (x = 0, 1, 2, ... by index) and resampled.
std::vector<double> resampleByIndex(const std::vector<double>& values, Interpolation mode,
                                    double steps);

// The sample times k * step for k = 0, 1, ... while below 1.0, each computed as a product;
// none for a step that is not a positive finite number.
std::vector<double> unitSampleTimes(double step);

// The values normalised to 0..1 between their smallest and largest; all 0 when they coincide.
std::vector<double> normalisedToUnitRange(const std::vector<double>& values);

}  // namespace sg
