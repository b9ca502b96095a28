#include "MeasurementData/LinearizeDataOutFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

LinearizeDataOutFile::LinearizeDataOutFile(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n < 10) {
        return;
    }
    hasBadRow = !readColumn(lines, 3, n - 6, 2, '\t', allLabL);
}

}  // namespace sg
