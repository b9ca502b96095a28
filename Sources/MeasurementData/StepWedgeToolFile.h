#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

namespace sg {

// A StepWedgeTool export: tab-separated under a "Patch" header, L* in column 3. The row right
// after the header is not a patch of the wedge; reading stops at the first unreadable row.
Result<std::vector<double>> readStepWedgeToolLightness(const TextLines& lines);

}  // namespace sg
