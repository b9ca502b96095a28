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

int MeasurementAverager::findSamplesPerStep() {
    const auto n = static_cast<double>(inputMeasurements.size());
    for (const int patches : {21, 51, 86, 101}) {
        if (isWhole(n / patches)) {
            targetSize = patches;
            return static_cast<int>(n / patches);
        }
    }
    // 128 values only, not their multiples.
    if (n * 0.0078125 == 1.0) {
        targetSize = 128;
        return 1;
    }
    if (isWhole(n / 129)) {
        targetSize = 129;
        return static_cast<int>(n / 129);
    }
    if (isWhole(n * 0.00390625)) {
        targetSize = 256;
        return static_cast<int>(n * 0.00390625);
    }
    diag("1.0");
    return 1;
}

bool MeasurementAverager::isGroupedByPatch(const std::vector<double>& values) const {
    const auto s = static_cast<std::size_t>(samplesPerStep);
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

std::vector<double> MeasurementAverager::averagedIfRepeated(std::vector<double> values) {
    if (!(repeatCount(values.size()) > 1.0)) {
        return values;
    }
    MeasurementAverager averager;
    averager.inputMeasurements = std::move(values);
    averager.averageMeasurements();
    // Lengths such as 256 pass the test but hold one sample per patch: keep the values.
    if (averager.averagedMeasurements.empty()) {
        return std::move(averager.inputMeasurements);
    }
    return std::move(averager.averagedMeasurements);
}

void MeasurementAverager::averageMeasurements() {
    samplesPerStep = findSamplesPerStep();
    if (samplesPerStep < 2) {
        return;
    }
    if (isGroupedByPatch(inputMeasurements)) {
        sortedInputMeasurements = inputMeasurements;
    } else {
        diag("need sorting into array before averaging");
        sortedInputMeasurements.clear();
        sortedInputMeasurements.reserve(inputMeasurements.size());
        for (int k = 0; k < targetSize; ++k) {
            for (int r = 0; r < samplesPerStep; ++r) {
                sortedInputMeasurements.push_back(
                    inputMeasurements[static_cast<std::size_t>(k + r * targetSize)]);
            }
        }
    }
    averageGroups();
}

void MeasurementAverager::averageGroups() {
    const auto samples = static_cast<std::size_t>(samplesPerStep);
    std::size_t next = 0;
    for (int k = 0; k < targetSize && next + samples <= sortedInputMeasurements.size(); ++k) {
        double sum = 0.0;
        for (std::size_t taken = 0; taken < samples; ++taken) {
            sum += sortedInputMeasurements[next];
            ++next;
        }
        averagedMeasurements.push_back(sum / samplesPerStep);
    }
}

}  // namespace sg
