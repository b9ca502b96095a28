#include "CurveCreation/SingleInkRamp.h"

#include <algorithm>

#include "CurveMath/BezierRamp.h"
#include "CurveMath/Resample.h"

namespace sg {
namespace {

struct KeyPoints {
    std::vector<double> xs;
    std::vector<double> ys;
    double steps = 0.0;  // how many samples the curve through them gives
};

// The ink rises from `start`, peaks at its gray value and falls to 0 past its darker
// neighbour. The lightest ink (no lighter neighbour) rises from 0 at a fifth of its gray value.
KeyPoints lighterInkKeys(const InkBand& band, double start, RampShape shape) {
    const double g = band.grayValue;
    const double nl = band.nextLighter;
    const double nd = band.nextDarker;
    const double end = nd + band.endingOverlap * nd;
    const double rise = nl == 0.0 ? 0.2 * g : 1.2 * nl;
    if (shape == RampShape::bezier) {
        const std::vector<double> xs = {start, rise, g, 0.6 * nd, end};
        return {xs, {0.0, 0.2 * g, g, 0.4 * g, 0.0}, xs.back() - xs.front()};
    }
    // Not the span of the keys: the count runs on from the end by nl * (1 - 2 so), so the
    // spline is not sampled once per percent and its tail may be cut off.
    return {{start, rise, g, 0.7 * nd, end},
            {0.0, 0.2 * g, g, 0.3 * g, 0.0},
            end - band.startingOverlap * nl};
}

// The darkest ink climbs to 100 at its gray value. The Bezier chain carries on past that point
// to 1.75 g; only what fits in the ramp is kept.
KeyPoints darkestInkKeys(const InkBand& band, double start, RampShape shape) {
    const double g = band.grayValue;
    const double nl = band.nextLighter;
    if (shape == RampShape::bezier) {
        return {{start, 1.1 * nl, 0.75 * g, g, 1.75 * g},
                {0.0, 0.1 * g, 0.75 * g, 100.0, 1.75 * g},
                1.75 * g - start};
    }
    return {{start, 1.1 * nl, 0.75 * g, g}, {0.0, 0.1 * g, 0.75 * g, 100.0}, 100.0};
}

// The whole entries before `start`, truncated; none before 1, and never more than the ramp.
std::size_t leadingZeroCount(double start) {
    if (!(start >= 1.0)) {
        return 0;
    }
    return static_cast<std::size_t>(std::min(start, static_cast<double>(rampLength)));
}

}  // namespace

std::vector<double> singleInkRamp(const InkBand& band, RampShape shape) {
    const double start = band.nextLighter - band.startingOverlap * band.nextLighter;
    const bool darkest = band.grayValue == band.nextDarker;
    const KeyPoints keys =
        darkest ? darkestInkKeys(band, start, shape) : lighterInkKeys(band, start, shape);
    const std::vector<double> curve =
        shape == RampShape::bezier ? bezierRamp(keys.xs, keys.ys, keys.steps)
                                   : resample(keys.xs, keys.ys, Interpolation::spline, keys.steps);

    std::vector<double> ramp(leadingZeroCount(start), 0.0);
    ramp.insert(ramp.end(), curve.begin(), curve.end());
    ramp.resize(rampLength, 0.0);
    if (shape == RampShape::spline && !darkest) {
        return threePointSmoothed(ramp);
    }
    return ramp;
}

std::vector<double> threePointSmoothed(const std::vector<double>& values) {
    std::vector<double> smoothed = values;
    for (std::size_t i = 1; i + 1 < values.size(); ++i) {
        const double mean = (values[i - 1] + values[i] + values[i + 1]) / 3.0;
        smoothed[i] = mean > 0.0 ? mean : 0.0;
    }
    return smoothed;
}

}  // namespace sg
