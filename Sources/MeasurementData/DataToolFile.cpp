#include "MeasurementData/DataToolFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

Result<std::vector<double>> readDataToolLightness(const TextLines& lines) {
    ColumnReading reading = readColumn(lines, 1, lines.size() - 1, 1, '\t');
    if (reading.unreadableRow) {
        return std::move(*reading.unreadableRow);
    }
    return std::move(reading.values);
}

}  // namespace sg
