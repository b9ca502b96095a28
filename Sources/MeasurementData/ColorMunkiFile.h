#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

namespace sg {

// A ColorMunki export: comma-separated under the header "Name,L*,a*,b*,". The patches may be
// listed in any order; the series is sorted from the highest L* (paper white) to the lowest.
// A row without a readable L* refuses the whole file.
Result<std::vector<double>> readColorMunkiLightness(const TextLines& lines);

}  // namespace sg
