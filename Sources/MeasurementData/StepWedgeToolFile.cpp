#include "MeasurementData/StepWedgeToolFile.h"

#include "MeasurementData/MeasurementCells.h"

namespace sg {

Result<std::vector<double>> readStepWedgeToolLightness(const TextLines& lines) {
    ColumnReading reading = readColumn(lines, 2, lines.size() - 1, 2, '\t');
    if (reading.values.empty() && reading.unreadableRow) {
        return std::move(*reading.unreadableRow);
    }
    return std::move(reading.values);
}

}  // namespace sg
