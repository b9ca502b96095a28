#include "MeasurementData/MeasurementAverager.h"

#include <cmath>
#include <string>
#include <utility>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "MeasurementData/MeasurementCells.h"

namespace sg {
namespace {

bool isWhole(double value) {
    return value == std::floor(value);
}

}  // namespace

double MeasurementAverager::repeatCount(std::size_t count) {
    const auto n = static_cast<double>(count);
    for (const double patches : {128.0, 101.0, 86.0, 51.0, 21.0}) {
        if (isWhole(n / patches)) {
            return n / patches;
        }
    }
    return 0.0;
}

std::optional<MeasurementAverager::WedgeLayout> MeasurementAverager::layoutFor(std::size_t count) {
    const auto n = static_cast<double>(count);
    for (const int patches : {21, 51, 86, 101}) {
        if (isWhole(n / patches)) {
            return WedgeLayout{patches, static_cast<int>(n / patches)};
        }
    }
    // 128 values only, not their multiples.
    if (n * 0.0078125 == 1.0) {
        return WedgeLayout{128, 1};
    }
    if (isWhole(n / 129)) {
        return WedgeLayout{129, static_cast<int>(n / 129)};
    }
    if (isWhole(n * 0.00390625)) {
        return WedgeLayout{256, static_cast<int>(n * 0.00390625)};
    }
    diag("1.0");
    return std::nullopt;
}

bool MeasurementAverager::isGroupedByPatch(const std::vector<double>& values, int samplesPerPatch) {
    const auto s = static_cast<std::size_t>(samplesPerPatch);
    const std::size_t m = values.size() / 2 - s / 2;
    const std::vector<double> window(values.begin() + static_cast<std::ptrdiff_t>(m),
                                     values.begin() + static_cast<std::ptrdiff_t>(m + s));
    diag("midpoint labL " + formatShortest(values[m]));
    diag("local samples for sorting: " + numbersLine(window));
    double sum = 0.0;
    for (const double value : window) {
        sum += value;
    }
    const double deviation = std::abs(sum / static_cast<double>(s) - window.front());
    diag(formatShortest(deviation));
    return deviation < 1.0;
}

std::vector<double> MeasurementAverager::averaged(const std::vector<double>& values) {
    const std::optional<WedgeLayout> layout = layoutFor(values.size());
    if (!layout || layout->samplesPerPatch < 2) {
        return {};
    }
    const auto patches = static_cast<std::size_t>(layout->patchCount);
    const auto samples = static_cast<std::size_t>(layout->samplesPerPatch);
    // A list of whole wedges, one after the other, holds sample r of patch k at k + r * patches.
    const bool grouped = isGroupedByPatch(values, layout->samplesPerPatch);
    if (!grouped) {
        diag("need sorting into array before averaging");
    }
    std::vector<double> means;
    means.reserve(patches);
    for (std::size_t k = 0; k < patches; ++k) {
        double sum = 0.0;
        for (std::size_t r = 0; r < samples; ++r) {
            sum += grouped ? values[k * samples + r] : values[k + r * patches];
        }
        means.push_back(sum / static_cast<double>(samples));
    }
    return means;
}

std::vector<double> MeasurementAverager::averagedIfRepeated(std::vector<double> values) {
    if (!(repeatCount(values.size()) > 1.0)) {
        return values;
    }
    std::vector<double> means = averaged(values);
    // Lengths such as 256 pass the test but hold one sample per patch: keep the values.
    return means.empty() ? values : means;
}

}  // namespace sg
