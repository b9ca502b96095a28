#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace sg {

// Reduces repeated measurements to one L* per patch. The number of patches and of samples per
// patch come from the length of the list alone; a list that holds the whole wedge once per
// printed copy is regrouped so each patch's samples are consecutive before averaging.
class MeasurementAverager {
public:
    // How a list of values divides into patches.
    struct WedgeLayout {
        int patchCount = 0;
        int samplesPerPatch = 1;
    };

    // The parsers' test for repeats: of count/128, /101, /86, /51 and /21 (in that priority)
    // the first whole number, else 0. Above 1 the list is handed to the averager.
    static double repeatCount(std::size_t count);

    // The layout the averager reads from a list's length: the first of 21, 51, 86, 101 and
    // 128 (128 values only), 129 and 256 patches that divides it; none when no size fits.
    static std::optional<WedgeLayout> layoutFor(std::size_t count);

    // Whether the repeats of each patch are next to each other, judged from the window of
    // samplesPerPatch values in the middle of the list: true when their mean lies within 1 L*
    // of the window's first value.
    static bool isGroupedByPatch(const std::vector<double>& values, int samplesPerPatch);

    // One mean per patch; empty when the length fits no layout or holds one sample per patch.
    static std::vector<double> averaged(const std::vector<double>& values);

    // What the parsers keep: the means per patch when repeatCount says the list repeats and
    // the averager finds repeats, else the values as they are.
    static std::vector<double> averagedIfRepeated(std::vector<double> values);
};

}  // namespace sg
