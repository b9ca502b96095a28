#include "MeasurementData/LightnessColumnFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

Result<std::vector<double>> readLightnessColumn(const TextLines& lines) {
    ColumnReading reading = readColumn(lines, 2, lines.size() - 1, 0, '\t');
    if (reading.values.empty() && reading.unreadableRow) {
        return std::move(*reading.unreadableRow);
    }
    return std::move(reading.values);
}

}  // namespace sg
