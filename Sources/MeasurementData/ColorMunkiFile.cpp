#include "MeasurementData/ColorMunkiFile.h"

#include <algorithm>
#include <functional>

#include "Common/Diagnostics.h"
#include "MeasurementData/MeasurementCells.h"
#include "MeasurementData/MeasurementRefusal.h"

namespace sg {

Result<std::vector<double>> readColorMunkiLightness(const TextLines& lines) {
    constexpr std::string_view header = "Name,L*,a*,b*,";
    if (!lines.front().starts_with(header)) {
        return measurementRefusal("the header does not begin with \"" + std::string(header) + "\".",
                                  1);
    }
    ColumnReading reading = readColumn(lines, 1, lines.size() - 1, 1, ',');
    if (reading.unreadableRow) {
        return std::move(*reading.unreadableRow);
    }
    std::sort(reading.values.begin(), reading.values.end(), std::greater<>());
    diag(numbersLine(reading.values));
    return std::move(reading.values);
}

}  // namespace sg
