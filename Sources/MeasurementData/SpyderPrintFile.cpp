#include "MeasurementData/SpyderPrintFile.h"

#include <cmath>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "MeasurementData/CIELab.h"
#include "MeasurementData/MeasurementAverager.h"
#include "MeasurementData/MeasurementCells.h"
#include "MeasurementData/Regex.h"

namespace sg {
namespace {

std::vector<std::string> cellsWithoutBlanks(const std::string& line) {
    return splitString(removeCharacters(line, " \r"), '\t');
}

}  // namespace

SpyderPrintFile::SpyderPrintFile(const std::vector<std::string>& lines) {
    const std::size_t n = lines.size();
    if (n == 0) {
        return;
    }

    numColumns = static_cast<int>(cellsWithoutBlanks(lines.front()).size());
    // A first line without a row number but with an L* value: single values, one per line.
    static const Regex singleValue("([0-9]{2})\\.([0-9]{0,2})");
    if (!lines.front().starts_with('1') && singleValue.matches(lines.front())) {
        numColumns = 0;
    }
    labLIndex = numColumns == 4 ? 1 : 0;

    const auto column = static_cast<std::size_t>(labLIndex);
    for (std::size_t row = 0; row + 1 < n; ++row) {
        const std::vector<std::string> cells = cellsWithoutBlanks(lines[row]);
        if (column >= cells.size()) {
            break;
        }
        const std::optional<double> value = parseDecimal(replaceAll(cells[column], ",", "."));
        if (!value) {
            break;
        }
        allLabL.push_back(*value);
    }

    if (MeasurementAverager::repeatCount(allLabL.size()) > 1.0) {
        diag("needs averaging");
    }
    averagedLabL = MeasurementAverager::averagedIfRepeated(allLabL);
    if (averagedLabL.empty()) {
        return;
    }

    // A wedge of L* values spans far more than 4 from paper white to black; densities do not.
    if (!(std::abs(averagedLabL.front() - averagedLabL.back()) > 4.0)) {
        for (double& value : averagedLabL) {
            value = CIELab::lightnessFromLuminance(std::pow(10.0, -value));
        }
    }
    diag("DensityToLabL");
    diag(numbersLine(averagedLabL));
}

}  // namespace sg
