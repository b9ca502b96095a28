#include "MeasurementData/MiscDataFileWHeader.h"

#include <utility>

#include "MeasurementData/MeasurementCells.h"

namespace sg {

MiscDataFileWHeader::MiscDataFileWHeader(std::vector<std::string> lines)
    : measurementDataArray(std::move(lines)) {
    const std::size_t n = measurementDataArray.size();
    if (n < 4 || !measurementDataArray.front().starts_with("L*")) {
        return;
    }
    readColumn(measurementDataArray, 2, n - 1, 0, '\t', allLabL);
}

}  // namespace sg
