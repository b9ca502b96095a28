#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Alert.h"
#include "Common/TextLines.h"

namespace sg {

// The cells of one measurement line. A carriage return at the end of the line (a CRLF file)
// is not part of its last cell, so CRLF files read like LF files.
std::vector<std::string_view> cellsOf(std::string_view line, char separator);

// The cells of a line written with blanks, as instruments and programs also write CGATS:
// split at runs of blanks and tabs outside double quotes, so a quoted "A 1" stays one cell.
// A carriage return at the end is not part of the last cell.
std::vector<std::string_view> blankSeparatedCells(std::string_view line);

// The line at `index` (counted from 0), or the end when there are fewer lines.
TextLines::Iterator lineAt(const TextLines& lines, std::size_t index);

// The numbers of one column, read row by row until a row has none there.
struct ColumnReading {
    std::vector<double> values;
    // The first row that stopped the reading (too short, or its cell not a number), as a
    // load refusal that names its line; none when every row was read.
    std::optional<Alert> unreadableRow;
};

// Column `column` (counted from 0) of the rows first <= row < end, each cell decimal text with
// a dot and nothing else.
ColumnReading readColumn(const TextLines& lines, std::size_t first, std::size_t end,
                         std::size_t column, char separator);

// The refusal of a row whose cell `column` is missing or is not a number.
Alert unreadableCell(const std::vector<std::string_view>& cells, std::size_t column,
                     std::size_t lineIndex);

// The values on one diagnostic line, separated by ", ".
std::string numbersLine(const std::vector<double>& values);

}  // namespace sg
