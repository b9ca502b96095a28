#include "MeasurementData/ColorMunkiFile.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "Common/Diagnostics.h"
#include "MeasurementData/MeasurementCells.h"

namespace sg {

ColorMunkiFile::ColorMunkiFile(std::vector<std::string> lines)
    : measurementDataArray(std::move(lines)) {
    const std::size_t n = measurementDataArray.size();
    if (n == 0 || !measurementDataArray.front().starts_with("Name,L*,a*,b*,")) {
        return;
    }
    hasBadRow = !readColumn(measurementDataArray, 1, n - 1, 1, ',', allLabL);
    if (hasBadRow) {
        allLabL.clear();
        return;
    }
    std::sort(allLabL.begin(), allLabL.end(), std::greater<>());
    diag(numbersLine(allLabL));
}

}  // namespace sg
