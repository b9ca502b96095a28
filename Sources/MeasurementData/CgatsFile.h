#pragma once

#include <string>
#include <vector>

#include "Common/Result.h"

namespace sg {

// What a reader does with repeated measurements of the same patches.
enum class RepeatedPatches { averaged, kept };

// The L* column of a tab-separated CGATS.17 file, one value per data row in file order, with
// repeated measurements averaged or kept. Only the keywords NUMBER_OF_FIELDS,
// BEGIN_DATA_FORMAT, NUMBER_OF_SETS, BEGIN_DATA and the field LAB_L are read; a file missing
// one of them, the LAB_L column, enough data lines or a readable number is refused with the
// reason and, where there is one, its line.
Result<std::vector<double>> readCgatsLightness(const std::vector<std::string>& lines,
                                               RepeatedPatches repeats);

}  // namespace sg
