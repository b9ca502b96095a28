#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

namespace sg {

// A plain column of L* values under an "L*" header, tab-separated, L* in column 1. The row
// right after the header is not a patch of the wedge; reading stops at the first unreadable
// row.
Result<std::vector<double>> readLightnessColumn(const TextLines& lines);

}  // namespace sg
