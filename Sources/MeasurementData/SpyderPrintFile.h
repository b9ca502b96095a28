#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

namespace sg {

// A SpyderPrint export: tab-separated rows of either a single L* or a row number, L*, a* and
// b*. Decimal commas are accepted, repeated measurements are averaged, and a nearly flat
// series (first and last within 4) is taken as optical densities and converted to L*.
// Reading stops at the first unreadable row.
Result<std::vector<double>> readSpyderPrintLightness(const TextLines& lines);

}  // namespace sg
