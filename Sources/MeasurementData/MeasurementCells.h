#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sg {

// The cells of one measurement line. A carriage return at the end of the line (a CRLF file)
// is not part of its last cell, so CRLF files read like LF files.
std::vector<std::string_view> cellsOf(std::string_view line, char separator);

// Appends column `column` of the rows first <= row < end as numbers (decimal text with a dot,
// the whole cell). Returns false at the first row that is too short or whose cell is not a
// number; the values before it stay appended.
bool readColumn(const std::vector<std::string>& lines, std::size_t first, std::size_t end,
                std::size_t column, char separator, std::vector<double>& values);

// The values on one diagnostic line, separated by ", ".
std::string numbersLine(const std::vector<double>& values);

}  // namespace sg
