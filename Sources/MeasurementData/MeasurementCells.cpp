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

std::vector<std::string_view> blankSeparatedCells(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    std::vector<std::string_view> cells;
    bool quoted = false;
    std::size_t start = std::string_view::npos;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool separator = i == line.size() || (!quoted && (line[i] == ' ' || line[i] == '\t'));
        if (separator) {
            if (start != std::string_view::npos) {
                cells.push_back(line.substr(start, i - start));
                start = std::string_view::npos;
            }
            continue;
        }
        if (start == std::string_view::npos) {
            start = i;
        }
        if (line[i] == '"') {
            quoted = !quoted;
        }
    }
    return cells;
}

TextLines::Iterator lineAt(const TextLines& lines, std::size_t index) {
    TextLines::Iterator line = lines.begin();
    while (line != lines.end() && line.index() < index) {
        ++line;
    }
    return line;
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

ColumnReading readColumn(const TextLines& lines, std::size_t first, std::size_t end,
                         std::size_t column, char separator) {
    ColumnReading reading;
    for (auto row = lineAt(lines, first); row != lines.end() && row.index() < end; ++row) {
        const std::vector<std::string_view> cells = cellsOf(*row, separator);
        const std::optional<double> value =
            column < cells.size() ? parseDecimal(cells[column]) : std::nullopt;
        if (!value) {
            reading.unreadableRow = unreadableCell(cells, column, row.index());
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
