#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// The input level each patch of a step wedge was printed at, paper white first. An 8-bit
// wedge target prints patch i of n at the whole level nearest 255 i / (n - 1), halves rounded
// up (patch 2 of 21 at 26, not at 25.5); one patch prints at level 0. Placing a patch at the
// fraction instead misreads a steep response by up to half a level.
std::vector<double> wedgePatchLevels(std::size_t patchCount);

}  // namespace sg
