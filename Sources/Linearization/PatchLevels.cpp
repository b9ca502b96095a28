#include "Linearization/PatchLevels.h"

#include <cmath>

#include "Common/InkScale.h"

namespace sg {

std::vector<double> wedgePatchLevels(std::size_t patchCount) {
    std::vector<double> levels;
    levels.reserve(patchCount);
    for (std::size_t i = 0; i < patchCount; ++i) {
        // One rounding, of exact whole numbers, so a half stays exactly a half.
        const double level = patchCount > 1 ? static_cast<double>(lastLevel * i) /
                                                  static_cast<double>(patchCount - 1)
                                            : 0.0;
        levels.push_back(std::round(level));
    }
    return levels;
}

}  // namespace sg
