#include "MeasurementData/SpyderPrintFile.h"

#include <cmath>
#include <optional>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "MeasurementData/Lightness.h"
#include "MeasurementData/MeasurementAverager.h"
#include "MeasurementData/MeasurementCells.h"
#include "MeasurementData/Regex.h"

namespace sg {
namespace {

std::vector<std::string> cellsWithoutBlanks(std::string_view line) {
    return splitString(removeCharacters(line, " \r"), '\t');
}

// The column that holds L*: the second of rows of row number, L*, a* and b*, else the first.
// A first line without a row number but with an L* value holds single values, one per line.
std::size_t lightnessColumn(std::string_view firstLine) {
    static const Regex singleValue("([0-9]{2})\\.([0-9]{0,2})");
    if (!firstLine.starts_with('1') && singleValue.matches(firstLine)) {
        return 0;
    }
    return cellsWithoutBlanks(firstLine).size() == 4 ? 1 : 0;
}

}  // namespace

Result<std::vector<double>> readSpyderPrintLightness(const TextLines& lines) {
    const std::size_t column = lightnessColumn(lines.front());
    std::vector<double> values;
    std::optional<Alert> unreadableRow;
    const std::size_t lastLine = lines.size() - 1;
    for (auto row = lines.begin(); row.index() < lastLine; ++row) {
        const std::vector<std::string> cells = cellsWithoutBlanks(*row);
        const std::optional<double> value = column < cells.size()
                                                ? parseDecimal(replaceAll(cells[column], ",", "."))
                                                : std::nullopt;
        if (!value) {
            unreadableRow = unreadableCell(
                std::vector<std::string_view>(cells.begin(), cells.end()), column, row.index());
            break;
        }
        values.push_back(*value);
    }
    if (values.empty() && unreadableRow) {
        return std::move(*unreadableRow);
    }

    if (MeasurementAverager::repeatCount(values.size()) > 1.0) {
        diag("needs averaging");
    }
    values = MeasurementAverager::averagedIfRepeated(std::move(values));
    if (values.empty()) {
        return values;
    }
    // A wedge of L* values spans far more than 4 from paper white to black; densities do not.
    if (!(std::abs(values.front() - values.back()) > 4.0)) {
        for (double& value : values) {
            value = lightnessFromLuminance(std::pow(10.0, -value));
        }
    }
    diag("DensityToLabL");
    diag(numbersLine(values));
    return values;
}

}  // namespace sg
