#include "MeasurementData/StepWedgeToolFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

StepWedgeToolFile::StepWedgeToolFile(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n < 4 || !lines.front().starts_with("Patch")) {
        return;
    }
    readColumn(lines, 2, n - 1, 2, '\t', allLabL);
}

}  // namespace sg
