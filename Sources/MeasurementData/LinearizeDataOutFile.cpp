#include "MeasurementData/LinearizeDataOutFile.h"

#include <utility>

#include "MeasurementData/MeasurementCells.h"

namespace sg {

LinearizeDataOutFile::LinearizeDataOutFile(std::vector<std::string> lines)
    : measurements(std::move(lines)) {
    const std::size_t n = measurements.size();
    if (n < 10) {
        return;
    }
    hasBadRow = !readColumn(measurements, 3, n - 6, 2, '\t', allLabL);
}

}  // namespace sg
