#pragma once

#include <vector>

#include "Common/Result.h"

namespace sg {

class MeasurementFile;

// What a reader does with repeated measurements of the same patches.
enum class RepeatedPatches { averaged, kept };

// The L* of a CGATS.17 file (or of a CTI3 file, which is CGATS too), one value per data row in
// file order, with repeated measurements averaged or kept. Only the keywords NUMBER_OF_FIELDS,
// BEGIN_DATA_FORMAT, NUMBER_OF_SETS and BEGIN_DATA and one column are read.
//
// Files are read as tab-separated first. When that gives no LAB_L column, the lines as written
// are split at runs of blanks and tabs outside quotes, as instruments and other programs write
// them, and the column is LAB_L or, without it, XYZ_Y: L* then comes from the luminance with the
// white at Y = 100 (at Y = 1 when no value exceeds 1, as some exports scale it). A file missing
// a keyword, the column, enough data lines or a readable number is refused with the reason and,
// where there is one, its line.
Result<std::vector<double>> readCgatsLightness(const MeasurementFile& file,
                                               RepeatedPatches repeats);

}  // namespace sg
