#include "MeasurementData/QtrLinearizeDataFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

Result<std::vector<double>> readQtrLinearizeDataLightness(const std::vector<std::string>& lines) {
    if (lines.size() < 10) {
        return std::vector<double>();
    }
    ColumnReading reading = readColumn(lines, 3, lines.size() - 6, 2, '\t');
    if (reading.unreadableRow) {
        return std::move(*reading.unreadableRow);
    }
    return std::move(reading.values);
}

}  // namespace sg
