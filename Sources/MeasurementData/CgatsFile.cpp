#include "MeasurementData/CgatsFile.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "MeasurementData/Lightness.h"
#include "MeasurementData/MeasurementAverager.h"
#include "MeasurementData/MeasurementCells.h"
#include "MeasurementData/MeasurementFile.h"
#include "MeasurementData/MeasurementRefusal.h"

namespace sg {
namespace {

constexpr std::string_view numberOfFieldsKeyword = "NUMBER_OF_FIELDS";
constexpr std::string_view numberOfSetsKeyword = "NUMBER_OF_SETS";
constexpr std::string_view dataFormatKeyword = "BEGIN_DATA_FORMAT";
constexpr std::string_view dataKeyword = "BEGIN_DATA";
constexpr std::string_view lightnessField = "LAB_L";
constexpr std::string_view luminanceField = "XYZ_Y";

using Line = TextLines::Iterator;

Line firstLineStartingWith(const TextLines& lines, std::string_view keyword, std::size_t from) {
    Line line = lineAt(lines, from);
    while (line != lines.end() && !line->starts_with(keyword)) {
        ++line;
    }
    return line;
}

// The value of a keyword line: its first non-empty tab-separated part after the keyword.
// Writers also separate it with two tabs or with a blank (gone with the clean-up, so the
// value then follows the keyword directly).
std::optional<std::string_view> keywordValue(std::string_view line, std::string_view keyword) {
    const std::vector<std::string_view> parts = cellsOf(line, '\t');
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].empty()) {
            return parts[i];
        }
    }
    const std::string_view rest = parts.front().substr(keyword.size());
    if (!rest.empty()) {
        return rest;
    }
    return std::nullopt;
}

Alert missingKeyword(std::string_view keyword) {
    return measurementRefusal("The file has no " + std::string(keyword) + " line.");
}

// The line that opens the data block. The line after BEGIN_DATA_FORMAT holds the field names
// and is tested as it stands; every other line with blanks and tabs trimmed.
Line dataBlockOpening(const TextLines& lines) {
    for (Line line = lines.begin(); line != lines.end(); ++line) {
        if (line->starts_with(dataFormatKeyword)) {
            if (++line == lines.end()) {
                break;
            }
            if (line->starts_with(dataKeyword)) {
                return line;
            }
        } else if (trim(*line, " \t").starts_with(dataKeyword)) {
            return line;
        }
    }
    return lines.end();
}

std::optional<std::size_t> indexOf(const std::vector<std::string_view>& names,
                                   std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

// Where each row's L* is.
struct LightnessColumn {
    std::size_t index = 0;
    std::string_view name = lightnessField;
    // Split the lines as written at blanks and tabs, not the cleaned lines at tabs.
    bool blankSeparated = false;
};

std::optional<LightnessColumn> lightnessColumn(const MeasurementFile& file, Line names) {
    if (auto index = indexOf(cellsOf(*names, '\t'), lightnessField)) {
        return LightnessColumn{*index};
    }
    const std::vector<std::string_view> written =
        blankSeparatedCells(*lineAt(file.writtenLines(), names.index()));
    for (const std::string_view field : {lightnessField, luminanceField}) {
        if (auto index = indexOf(written, field)) {
            return LightnessColumn{*index, field, true};
        }
    }
    return std::nullopt;
}

// L* from luminance: white is Y = 100, or Y = 1 for files that write fractions (none above 1).
void convertLuminance(std::vector<double>& values) {
    const double white = *std::max_element(values.begin(), values.end()) <= 1.0 ? 1.0 : 100.0;
    for (double& value : values) {
        value = lightnessFromLuminance(value / white);
    }
}

}  // namespace

Result<std::vector<double>> readCgatsLightness(const MeasurementFile& file,
                                               RepeatedPatches repeats) {
    const TextLines lines = file.lines();
    // The field count steers nothing, but a file without it is no CGATS file to read.
    const Line fieldsLine = firstLineStartingWith(lines, numberOfFieldsKeyword, 1);
    if (fieldsLine == lines.end() || !keywordValue(*fieldsLine, numberOfFieldsKeyword)) {
        return missingKeyword(numberOfFieldsKeyword);
    }

    Line names = firstLineStartingWith(lines, dataFormatKeyword, 0);
    if (names == lines.end() || ++names == lines.end()) {
        return missingKeyword(dataFormatKeyword);
    }
    const std::optional<LightnessColumn> column = lightnessColumn(file, names);
    if (!column) {
        return measurementRefusal("the data format has no LAB_L or XYZ_Y column.",
                                  lineNumber(names.index()));
    }

    const Line setsLine = firstLineStartingWith(lines, numberOfSetsKeyword, 0);
    const auto setsValue =
        setsLine != lines.end() ? keywordValue(*setsLine, numberOfSetsKeyword) : std::nullopt;
    if (!setsValue) {
        return missingKeyword(numberOfSetsKeyword);
    }
    const std::string setsText = removeCharacters(*setsValue, " \r");
    const std::optional<long long> count = parseInteger(trim(setsText, " \t"));
    if (!count || *count < 1) {
        return measurementRefusal(
            "NUMBER_OF_SETS is " + sg::quoted(setsText) + ", not a whole number of at least 1.",
            lineNumber(setsLine.index()));
    }

    const Line opening = dataBlockOpening(lines);
    if (opening == lines.end()) {
        return missingKeyword(dataKeyword);
    }
    const std::size_t first = opening.index() + 1;
    const std::size_t lineCount = lines.size();
    const auto rows = static_cast<unsigned long long>(*count);
    if (lineCount - first < rows) {
        return measurementRefusal("NUMBER_OF_SETS announces " + std::to_string(rows) +
                                      " data lines, but only " + std::to_string(lineCount - first) +
                                      " lines follow BEGIN_DATA.",
                                  lineNumber(lineCount - 1));
    }

    const TextLines rowLines = column->blankSeparated ? file.writtenLines() : lines;
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(rows));
    Line row = column->blankSeparated ? lineAt(rowLines, first) : std::next(opening);
    for (std::size_t index = first; index < first + rows; ++index) {
        const std::vector<std::string_view> cells =
            column->blankSeparated ? blankSeparatedCells(*row) : cellsOf(*row, '\t');
        if (column->index >= cells.size()) {
            return measurementRefusal(
                "the data line has no " + std::string(column->name) + " value.", lineNumber(index));
        }
        const std::optional<double> value = parseDecimal(trim(cells[column->index], " \t"));
        if (!value) {
            return measurementRefusal(quoted(cells[column->index]) + " in the " +
                                          std::string(column->name) + " column is not a number.",
                                      lineNumber(index));
        }
        values.push_back(*value);
        ++row;
    }
    if (column->name == luminanceField) {
        convertLuminance(values);
    }
    if (repeats == RepeatedPatches::averaged) {
        values = MeasurementAverager::averagedIfRepeated(std::move(values));
    }
    return values;
}

}  // namespace sg
