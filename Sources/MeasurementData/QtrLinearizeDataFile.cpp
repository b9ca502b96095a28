#include "MeasurementData/QtrLinearizeDataFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

Result<std::vector<double>> readQtrLinearizeDataLightness(const TextLines& lines) {
    const std::size_t lineCount = lines.size();
    if (lineCount < 10) {
        return std::vector<double>();
    }
    ColumnReading reading = readColumn(lines, 3, lineCount - 6, 2, '\t');
    if (reading.unreadableRow) {
        return std::move(*reading.unreadableRow);
    }
    return std::move(reading.values);
}

}  // namespace sg
