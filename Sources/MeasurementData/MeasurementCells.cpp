#include "MeasurementData/MeasurementCells.h"

#include "Common/Numbers.h"
#include "Common/Strings.h"

namespace sg {

std::vector<std::string_view> cellsOf(std::string_view line, char separator) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return splitStringViews(line, separator);
}

bool readColumn(const std::vector<std::string>& lines, std::size_t first, std::size_t end,
                std::size_t column, char separator, std::vector<double>& values) {
    for (std::size_t row = first; row < end && row < lines.size(); ++row) {
        const std::vector<std::string_view> cells = cellsOf(lines[row], separator);
        if (column >= cells.size()) {
            return false;
        }
        const std::optional<double> value = parseDecimal(cells[column]);
        if (!value) {
            return false;
        }
        values.push_back(*value);
    }
    return true;
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
