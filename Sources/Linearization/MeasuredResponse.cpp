#include "Linearization/MeasuredResponse.h"

#include <cstddef>

#include "Linearization/PatchLevels.h"
#include "MeasurementData/MonotoneSmoothing.h"

namespace sg {
namespace {

struct LevelMeans {
    std::vector<double> levels;
    std::vector<double> means;
    std::vector<double> counts;
};

// Wedges of more than 256 patches print some levels twice.
LevelMeans meansPerLevel(const std::vector<double>& lightness) {
    const std::vector<double> patchLevels = wedgePatchLevels(lightness.size());
    LevelMeans result;
    for (std::size_t i = 0; i < lightness.size(); ++i) {
        if (!result.levels.empty() && result.levels.back() == patchLevels[i]) {
            result.means.back() += lightness[i];
            result.counts.back() += 1.0;
            continue;
        }
        result.levels.push_back(patchLevels[i]);
        result.means.push_back(lightness[i]);
        result.counts.push_back(1.0);
    }
    for (std::size_t i = 0; i < result.means.size(); ++i) {
        result.means[i] /= result.counts[i];
    }
    return result;
}

}  // namespace

MeasuredResponse::MeasuredResponse(const std::vector<double>& lightness,
                                   std::optional<double> strength)
    : spline_({}, {}, Interpolation::spline) {
    LevelMeans perLevel = meansPerLevel(lightness);
    MonotoneSmoothing smoothing =
        monotoneSmoothing(perLevel.levels, perLevel.means, perLevel.counts, strength);
    levels_ = std::move(perLevel.levels);
    measured_ = std::move(perLevel.means);
    smoothed_ = std::move(smoothing.values);
    strength_ = smoothing.strength;
    spline_ = KeyframeSequence(levels_, smoothed_, Interpolation::spline);
}

double MeasuredResponse::lightnessAt(double level) const {
    return spline_.sampleAtTime(level);
}

double MeasuredResponse::levelReaching(double lightness) const {
    std::size_t reached = 0;
    while (reached < smoothed_.size() && smoothed_[reached] > lightness) {
        ++reached;
    }
    if (reached == 0) {
        return levels_.front();
    }
    if (reached == smoothed_.size()) {
        return levels_.back();
    }
    // The spline never leaves the range of its neighbouring keys, so the crossing lies between
    // these two levels, the spline's keys; halve the interval until it cannot shrink.
    const std::size_t segment = reached - 1;
    double lighter = levels_[reached - 1];
    double reaching = levels_[reached];
    for (;;) {
        const double middle = lighter + (reaching - lighter) / 2.0;
        if (middle <= lighter || middle >= reaching) {
            return reaching;
        }
        if (spline_.sampleInSegment(segment, middle) > lightness) {
            lighter = middle;
        } else {
            reaching = middle;
        }
    }
}

}  // namespace sg
