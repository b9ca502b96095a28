#include "MeasurementData/MiscDataFileWHeader.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

MiscDataFileWHeader::MiscDataFileWHeader(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n < 4 || !lines.front().starts_with("L*")) {
        return;
    }
    readColumn(lines, 2, n - 1, 0, '\t', allLabL);
}

}  // namespace sg
