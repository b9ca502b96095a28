#include "MeasurementData/CgatsFile.h"

#include <optional>
#include <string_view>
#include <utility>

#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "MeasurementData/MeasurementAverager.h"
#include "MeasurementData/MeasurementCells.h"
#include "MeasurementData/MeasurementRefusal.h"

namespace sg {
namespace {

constexpr std::string_view numberOfFieldsKeyword = "NUMBER_OF_FIELDS";
constexpr std::string_view numberOfSetsKeyword = "NUMBER_OF_SETS";
constexpr std::string_view dataFormatKeyword = "BEGIN_DATA_FORMAT";
constexpr std::string_view dataKeyword = "BEGIN_DATA";
constexpr std::string_view lightnessField = "LAB_L";

std::optional<std::size_t> firstLineStartingWith(const std::vector<std::string>& lines,
                                                 std::string_view keyword, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].starts_with(keyword)) {
            return i;
        }
    }
    return std::nullopt;
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

// The index of the line that opens the data block. The line after BEGIN_DATA_FORMAT holds the
// field names and is tested as it stands; every other line with blanks and tabs trimmed.
std::optional<std::size_t> dataBlockOpening(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with(dataFormatKeyword)) {
            ++i;
            if (i < lines.size() && lines[i].starts_with(dataKeyword)) {
                return i;
            }
        } else if (trim(lines[i], " \t").starts_with(dataKeyword)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

Result<std::vector<double>> readCgatsLightness(const std::vector<std::string>& lines,
                                               RepeatedPatches repeats) {
    // The field count steers nothing, but a file without it is no CGATS file to read.
    const auto fieldsLine = firstLineStartingWith(lines, numberOfFieldsKeyword, 1);
    if (!fieldsLine || !keywordValue(lines[*fieldsLine], numberOfFieldsKeyword)) {
        return missingKeyword(numberOfFieldsKeyword);
    }

    const auto formatLine = firstLineStartingWith(lines, dataFormatKeyword, 0);
    if (!formatLine || *formatLine + 1 >= lines.size()) {
        return missingKeyword(dataFormatKeyword);
    }
    const std::size_t namesLine = *formatLine + 1;
    const std::vector<std::string_view> names = cellsOf(lines[namesLine], '\t');
    std::optional<std::size_t> column;
    for (std::size_t i = 0; i < names.size() && !column; ++i) {
        if (names[i] == lightnessField) {
            column = i;
        }
    }
    if (!column) {
        return measurementRefusal("the data format has no LAB_L column.", lineNumber(namesLine));
    }

    const auto setsLine = firstLineStartingWith(lines, numberOfSetsKeyword, 0);
    const auto setsValue =
        setsLine ? keywordValue(lines[*setsLine], numberOfSetsKeyword) : std::nullopt;
    if (!setsValue) {
        return missingKeyword(numberOfSetsKeyword);
    }
    const std::string setsText = removeCharacters(*setsValue, " \r");
    const std::optional<long long> count = parseInteger(trim(setsText, " \t"));
    if (!count || *count < 1) {
        return measurementRefusal(
            "NUMBER_OF_SETS is " + quoted(setsText) + ", not a whole number of at least 1.",
            lineNumber(*setsLine));
    }

    const std::optional<std::size_t> opening = dataBlockOpening(lines);
    if (!opening) {
        return missingKeyword(dataKeyword);
    }
    const std::size_t first = *opening + 1;
    const auto rows = static_cast<unsigned long long>(*count);
    if (lines.size() - first < rows) {
        return measurementRefusal(
            "NUMBER_OF_SETS announces " + std::to_string(rows) + " data lines, but only " +
                std::to_string(lines.size() - first) + " lines follow BEGIN_DATA.",
            lineNumber(lines.size() - 1));
    }

    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(rows));
    for (std::size_t row = first; row < first + rows; ++row) {
        const std::vector<std::string_view> cells = cellsOf(lines[row], '\t');
        const std::optional<double> value =
            *column < cells.size() ? parseDecimal(trim(cells[*column], " \t")) : std::nullopt;
        if (!value) {
            return *column < cells.size()
                       ? measurementRefusal(
                             quoted(cells[*column]) + " in the LAB_L column is not a number.",
                             lineNumber(row))
                       : measurementRefusal("the data line has no LAB_L value.", lineNumber(row));
        }
        values.push_back(*value);
    }
    if (repeats == RepeatedPatches::averaged) {
        values = MeasurementAverager::averagedIfRepeated(std::move(values));
    }
    return values;
}

}  // namespace sg
