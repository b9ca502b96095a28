// How close one and two passes of print, measure and linearize come to a linear print, with
// each correction method, on the simulated printers of the round-trip tests. Prints a Markdown
// table: the largest and the mean |dL*| of all 256 levels of the reprint from the straight
// line between its ends, noise-free and, with Gaussian measurement noise, the median of 20
// seeds. Accuracy, not speed: run it by hand after changing the correction.
//
//     build/Benchmarks/linearization_accuracy

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "Linearization/LinearizationTool.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadFile.h"
#include "Support/MeasurementText.h"
#include "Support/QuadText.h"
#include "Support/SimulatedPrinter.h"
#include "Support/TemporaryFolder.h"

namespace {

using sg::testing::Deviation;
using sg::testing::SimulatedPrinter;

constexpr int seeds = 20;
constexpr double noise = 0.3;

struct Method {
    const char* name;
    sg::CorrectionMethod method;
    double splineStrength;
};

// The precise method with (next to) no smoothing is isotonic regression followed by the
// monotone spline; at the spline control's start the data choose the Whittaker-Eilers strength.
const Method methods[] = {
    {"standard", sg::CorrectionMethod::standard, sg::LinearizationControlRanges::splineStart},
    {"precise, isotonic+spline", sg::CorrectionMethod::precise, 1e-12},
    {"precise", sg::CorrectionMethod::precise, sg::LinearizationControlRanges::splineStart},
};

struct Pass {
    sg::QuadCurve curve;
    sg::PredictedLinearity predicted;
};

// One pass through the tool, as a photographer makes it: the wedge's measurement file and the
// curve that printed it loaded, the saved curve read back.
Pass linearized(const sg::QuadCurve& curve, const std::vector<double>& wedge,
                const Method& method) {
    const sg::testing::TemporaryFolder folder;
    sg::LinearizationTool tool;
    tool.setCorrectionMethod(method.method);
    tool.setSplineStrength(method.splineStrength);
    (void)tool.loadMeasurements(folder.write("wedge.txt", sg::testing::cgatsBytes(wedge)));
    const std::string quad = sg::joinStrings(
        sg::quadtest::quadLines("## QuadToneRIP K,C,M,Y", {}, sg::InkList::labelsFor4Inks, curve),
        "\n");
    (void)tool.loadQuadFile(folder.write("curve.quad", quad));
    const std::string text = tool.linearizedFileText("").value();
    return {sg::QuadFile::fromBytes("linearized.quad", text).value().curve(),
            *tool.predictedLinearity()};
}

struct Passes {
    sg::PredictedLinearity predicted;
    Deviation first;
    Deviation second;
};

Passes twoPasses(const SimulatedPrinter& printer, std::size_t steps, const Method& method,
                 std::mt19937* random) {
    std::normal_distribution<double> measurementNoise(0.0, noise);
    const auto measure = [&](const sg::QuadCurve& curve) {
        std::vector<double> wedge = printer.printWedge(curve, steps);
        if (random != nullptr) {
            for (double& value : wedge) {
                value += measurementNoise(*random);
            }
        }
        return wedge;
    };
    const Pass once = linearized(printer.curve, measure(printer.curve), method);
    const Pass twice = linearized(once.curve, measure(once.curve), method);
    return {once.predicted, printer.deviationFromStraightLine(once.curve),
            printer.deviationFromStraightLine(twice.curve)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half] : (values[half - 1] + values[half]) / 2.0;
}

// The columns after the printer, wedge, noise and method: medians over the seeds.
const char* const resultColumns[] = {"Predicted max", "Predicted mean", "Pass 1 max",
                                     "Pass 1 mean",   "Pass 2 max",     "Pass 2 mean"};

void printHeader() {
    std::printf("| Printer    | Patches | Noise | Method                   |");
    for (const char* column : resultColumns) {
        std::printf(" %s |", column);
    }
    std::printf("\n|------------|--------:|------:|--------------------------|");
    for (const char* column : resultColumns) {
        std::printf("%s:|", std::string(std::strlen(column) + 1, '-').c_str());
    }
    std::printf("\n");
}

void printRow(const SimulatedPrinter& printer, std::size_t steps, bool noisy,
              const Method& method) {
    std::vector<double> columns[std::size(resultColumns)];
    const int runs = noisy ? seeds : 1;
    for (int seed = 0; seed < runs; ++seed) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed + 1));
        const Passes passes = twoPasses(printer, steps, method, noisy ? &random : nullptr);
        const double values[] = {passes.predicted.maximumDeviation,
                                 passes.predicted.meanDeviation,
                                 passes.first.maximum,
                                 passes.first.mean,
                                 passes.second.maximum,
                                 passes.second.mean};
        for (std::size_t c = 0; c < std::size(values); ++c) {
            columns[c].push_back(values[c]);
        }
    }
    std::printf("| %-10s | %7zu | %5.1f | %-24s |", printer.name.c_str(), steps,
                noisy ? noise : 0.0, method.name);
    for (std::size_t c = 0; c < std::size(resultColumns); ++c) {
        std::printf(" %*.2f |", static_cast<int>(std::strlen(resultColumns[c])),
                    median(columns[c]));
    }
    std::printf("\n");
}

}  // namespace

int main() {
    const sg::DiagnosticsCapture quiet;
    printHeader();
    for (const SimulatedPrinter& printer :
         {sg::testing::smoothPrinter(), sg::testing::unbalancedPrinter()}) {
        for (const std::size_t steps : {21, 51, 129}) {
            for (const bool noisy : {false, true}) {
                for (const Method& method : methods) {
                    printRow(printer, steps, noisy, method);
                }
            }
        }
    }
    return 0;
}
