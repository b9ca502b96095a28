#include "MeasurementData/DataToolFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

DataToolFile::DataToolFile(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n < 3) {
        return;
    }
    hasBadRow = !readColumn(lines, 1, n - 1, 1, '\t', allLabL);
}

}  // namespace sg
