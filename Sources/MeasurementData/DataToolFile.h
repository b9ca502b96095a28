#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

namespace sg {

// A "GRAY" data-tool export: tab-separated, L* in column 2 of every row between the header and
// the last line. A row without a readable L* refuses the whole file.
Result<std::vector<double>> readDataToolLightness(const TextLines& lines);

}  // namespace sg
