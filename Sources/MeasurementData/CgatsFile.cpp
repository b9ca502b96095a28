#include "MeasurementData/CgatsFile.h"

#include <string_view>
#include <utility>

#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "MeasurementData/MeasurementAverager.h"
#include "MeasurementData/MeasurementCells.h"

namespace sg {
namespace {

constexpr std::string_view numberOfFieldsKeyword = "NUMBER_OF_FIELDS";
constexpr std::string_view numberOfSetsKeyword = "NUMBER_OF_SETS";
constexpr std::string_view dataFormatKeyword = "BEGIN_DATA_FORMAT";
constexpr std::string_view dataKeyword = "BEGIN_DATA";

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
std::optional<std::string> keywordValue(std::string_view line, std::string_view keyword) {
    const std::vector<std::string_view> parts = cellsOf(line, '\t');
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (!parts[i].empty()) {
            return std::string(parts[i]);
        }
    }
    const std::string_view rest = parts.front().substr(keyword.size());
    if (!rest.empty()) {
        return std::string(rest);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CgatsFile::numberOfFieldsValue() const {
    const auto line = firstLineStartingWith(measurements, numberOfFieldsKeyword, 1);
    if (!line) {
        return std::nullopt;
    }
    return keywordValue(measurements[*line], numberOfFieldsKeyword);
}

std::optional<std::string> CgatsFile::numberOfSetsValue() const {
    const auto line = firstLineStartingWith(measurements, numberOfSetsKeyword, 0);
    if (!line) {
        return std::nullopt;
    }
    const auto value = keywordValue(measurements[*line], numberOfSetsKeyword);
    if (!value) {
        return std::nullopt;
    }
    return removeCharacters(*value, " \r");
}

std::optional<int> CgatsFile::labColumn() const {
    const auto format = firstLineStartingWith(measurements, dataFormatKeyword, 0);
    if (!format || *format + 1 >= measurements.size()) {
        return std::nullopt;
    }
    const std::vector<std::string_view> names = cellsOf(measurements[*format + 1], '\t');
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == "LAB_L") {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> CgatsFile::dataLines() const {
    const std::optional<long long> count = parseInteger(trim(totalSamples, " \t"));
    if (!count || *count < 1) {
        return std::nullopt;
    }
    std::optional<std::size_t> opening;
    for (std::size_t i = 0; i < measurements.size() && !opening; ++i) {
        if (measurements[i].starts_with(dataFormatKeyword)) {
            // The field names follow; they are tested as they stand.
            ++i;
            if (i < measurements.size() && measurements[i].starts_with(dataKeyword)) {
                opening = i;
            }
        } else if (trim(measurements[i], " \t").starts_with(dataKeyword)) {
            opening = i;
        }
    }
    if (!opening) {
        return std::nullopt;
    }
    const std::size_t first = *opening + 1;
    if (measurements.size() - first < static_cast<unsigned long long>(*count)) {
        return std::nullopt;
    }
    const auto end = first + static_cast<std::size_t>(*count);
    return std::vector<std::string>(measurements.begin() + static_cast<std::ptrdiff_t>(first),
                                    measurements.begin() + static_cast<std::ptrdiff_t>(end));
}

std::optional<std::vector<double>> CgatsFile::parseCGATSLabL() {
    CGATSLabL.clear();
    // The field count steers nothing, but a file without it is no CGATS file to read.
    if (!numberOfFieldsValue()) {
        return std::nullopt;
    }
    const std::optional<int> column = labColumn();
    if (!column) {
        return std::nullopt;
    }
    labLoc = *column;
    const std::optional<std::string> sets = numberOfSetsValue();
    if (!sets) {
        return std::nullopt;
    }
    totalSamples = *sets;
    const std::optional<std::vector<std::string>> rows = dataLines();
    if (!rows) {
        return std::nullopt;
    }

    std::vector<double> values;
    values.reserve(rows->size());
    for (const std::string& row : *rows) {
        const std::vector<std::string_view> cells = cellsOf(row, '\t');
        if (static_cast<std::size_t>(labLoc) >= cells.size()) {
            return std::nullopt;
        }
        const std::optional<double> value =
            parseDecimal(trim(cells[static_cast<std::size_t>(labLoc)], " \t"));
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
    }

    if (averagesRepeats_) {
        values = MeasurementAverager::averagedIfRepeated(std::move(values));
    }
    CGATSLabL = values;
    return values;
}

}  // namespace sg
