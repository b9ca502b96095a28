#include "MeasurementData/ColorMunkiFile.h"

#include <algorithm>
#include <functional>

#include "Common/Diagnostics.h"
#include "MeasurementData/MeasurementCells.h"

namespace sg {

ColorMunkiFile::ColorMunkiFile(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n == 0 || !lines.front().starts_with("Name,L*,a*,b*,")) {
        return;
    }
    hasBadRow = !readColumn(lines, 1, n - 1, 1, ',', allLabL);
    if (hasBadRow) {
        allLabL.clear();
        return;
    }
    std::sort(allLabL.begin(), allLabL.end(), std::greater<>());
    diag(numbersLine(allLabL));
}

}  // namespace sg
