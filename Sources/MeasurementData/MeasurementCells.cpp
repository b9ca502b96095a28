#include "MeasurementData/MeasurementCells.h"

#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "MeasurementData/MeasurementRefusal.h"

namespace sg {

std::vector<std::string_view> cellsOf(std::string_view line, char separator) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return splitStringViews(line, separator);
}

Alert unreadableCell(const std::vector<std::string_view>& cells, std::size_t column,
                     std::size_t lineIndex) {
    const std::string columnName = "column " + std::to_string(column + 1);
    if (column >= cells.size()) {
        return measurementRefusal("the row has no " + columnName + ".", lineNumber(lineIndex));
    }
    return measurementRefusal(quoted(cells[column]) + " in " + columnName + " is not a number.",
                              lineNumber(lineIndex));
}

ColumnReading readColumn(const std::vector<std::string>& lines, std::size_t first, std::size_t end,
                         std::size_t column, char separator) {
    ColumnReading reading;
    for (std::size_t row = first; row < end && row < lines.size(); ++row) {
        const std::vector<std::string_view> cells = cellsOf(lines[row], separator);
        const std::optional<double> value =
            column < cells.size() ? parseDecimal(cells[column]) : std::nullopt;
        if (!value) {
            reading.unreadableRow = unreadableCell(cells, column, row);
            return reading;
        }
        reading.values.push_back(*value);
    }
    return reading;
}

std::string numbersLine(const std::vector<double>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            line += ", ";
        }
        line += formatShortest(values[i]);
    }
    return line;
}

}  // namespace sg
