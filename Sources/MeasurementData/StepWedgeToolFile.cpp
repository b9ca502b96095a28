#include "MeasurementData/StepWedgeToolFile.h"

#include <utility>

#include "MeasurementData/MeasurementCells.h"

namespace sg {

StepWedgeToolFile::StepWedgeToolFile(std::vector<std::string> lines)
    : measurementDataArray(std::move(lines)) {
    const std::size_t n = measurementDataArray.size();
    if (n < 4 || !measurementDataArray.front().starts_with("Patch")) {
        return;
    }
    readColumn(measurementDataArray, 2, n - 1, 2, '\t', allLabL);
}

}  // namespace sg
