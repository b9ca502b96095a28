#pragma once

#include <array>
#include <cstddef>

#include "StarterCurves/LevelValues.h"
#include "StarterCurves/StarterCatalogue.h"

namespace sg {

// The user's own mix for the "Custom" toner: the factor of the full and the light ink of each
// colour. Used unchanged, 0 and values above 1 included.
struct CustomTonerFactors {
    double cyan = 0.0;
    double magenta = 0.0;
    double yellow = 0.0;

    friend bool operator==(const CustomTonerFactors&, const CustomTonerFactors&) = default;
};

// The colour inks that tint a starter curve: each base curve times the toner's recipe factor,
// then times the saturation.
class TonerInk {
public:
    // In the order they stand in a curve after K: C, M, Y, LC, LM.
    static constexpr std::size_t channelCount = 5;
    using Channels = std::array<LevelValues, channelCount>;

    TonerInk(Toner toner, const CustomTonerFactors& custom, double saturation);

    const Channels& channels() const { return channels_; }

private:
    Channels channels_;
};

}  // namespace sg
