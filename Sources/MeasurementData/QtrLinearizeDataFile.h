#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

namespace sg {

// QuadToneRIP's "QTR-Linearize-Data" output: tab-separated, L* in column 3 of the rows after
// the first three and before the last six. A row without a readable L* refuses the file.
Result<std::vector<double>> readQtrLinearizeDataLightness(const TextLines& lines);

}  // namespace sg
