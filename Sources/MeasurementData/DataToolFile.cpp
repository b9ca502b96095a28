#include "MeasurementData/DataToolFile.h"

#include <utility>

#include "MeasurementData/MeasurementCells.h"

namespace sg {

DataToolFile::DataToolFile(std::vector<std::string> lines) : measurements(std::move(lines)) {
    const std::size_t n = measurements.size();
    if (n < 3) {
        return;
    }
    hasBadRow = !readColumn(measurements, 1, n - 1, 1, '\t', allLabL);
}

}  // namespace sg
