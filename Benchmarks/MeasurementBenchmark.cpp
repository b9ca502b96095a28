// Measurement loading as the tools do it: the file read from disk, its format found and its
// lightness series read. A 129-patch CGATS file is what a large wedge gives; a file of the same
// layout with 1,000,000 lines shows that loading stays linear in the lines (the counter "lines"
// lets the performance table compare the time per line).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "MeasurementData/MeasurementFile.h"
#include "Support/TemporaryFolder.h"

namespace {

constexpr long headerLines = 7;  // up to BEGIN_DATA
constexpr long footerLines = 1;  // END_DATA

// A CGATS file of the layout measuring software writes: tab-separated, the values padded.
std::string cgatsFile(long patches) {
    std::string text =
        "CGATS.17\nNUMBER_OF_FIELDS\t4\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\tLAB_A\tLAB_B\t\n"
        "END_DATA_FORMAT\nNUMBER_OF_SETS\t" +
        std::to_string(patches) + "\nBEGIN_DATA\n";
    for (long i = 0; i < patches; ++i) {
        const double lightness =
            96.0 - 94.0 * static_cast<double>(i) / static_cast<double>(patches);
        text += std::to_string(i + 1) + "\t   " + sg::formatFixed(lightness, 2) +
                "\t    0.12\t   -0.34\t\n";
    }
    return text + "END_DATA\n";
}

void BM_LoadMeasurements(benchmark::State& state, long patches) {
    const sg::testing::TemporaryFolder folder;
    const std::string text = cgatsFile(patches);
    const auto path = folder.write("measurements.txt", text);
    const sg::DiagnosticsCapture quiet;
    for (auto _ : state) {
        const auto file = sg::MeasurementFile::load(path);
        auto series = file ? sg::readLinearizationSeries(file.value()) : file.refusal();
        if (!series || series.value().size() != static_cast<std::size_t>(patches)) {
            state.SkipWithError("the measurement file did not load");
            break;
        }
        benchmark::DoNotOptimize(series);
    }
    state.counters["lines"] = static_cast<double>(std::count(text.begin(), text.end(), '\n'));
}

BENCHMARK_CAPTURE(BM_LoadMeasurements, cgats_129_patches, 129L)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadMeasurements, cgats_1000000_lines, 1000000L - headerLines - footerLines)
    ->Unit(benchmark::kMillisecond);

}  // namespace
