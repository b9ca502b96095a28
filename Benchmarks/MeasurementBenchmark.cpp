#include <benchmark/benchmark.h>

#include <string>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "MeasurementData/MeasurementFile.h"

namespace {

double lightnessAt(long i, long count) {
    return 96.0 - 94.0 * static_cast<double>(i) / static_cast<double>(count);
}

std::string lightnessColumn(long count) {
    std::string text = "L*\n100\n";
    for (long i = 0; i < count; ++i) {
        text += sg::formatFixed(lightnessAt(i, count), 2);
        text += '\n';
    }
    return text;
}

std::string cgatsFile(long count) {
    std::string text =
        "CGATS.17\nNUMBER_OF_FIELDS\t4\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\tLAB_A\tLAB_B\t\n"
        "END_DATA_FORMAT\nNUMBER_OF_SETS\t" +
        std::to_string(count) + "\nBEGIN_DATA\n";
    for (long i = 0; i < count; ++i) {
        text += std::to_string(i + 1) + "\t   " + sg::formatFixed(lightnessAt(i, count), 2) +
                "\t    0.12\t   -0.34\t\n";
    }
    text += "END_DATA\n";
    return text;
}

void loadSeries(benchmark::State& state, const std::string& text) {
    const sg::DiagnosticsCapture quiet;
    for (auto _ : state) {
        const auto file = sg::MeasurementFile::fromBytes("bench.txt", text);
        auto series = sg::readLinearizationSeries(file.value());
        benchmark::DoNotOptimize(series);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}

// Doubling the line count should double the time: nothing in the loading is quadratic.
void BM_LoadLightnessColumn(benchmark::State& state) {
    loadSeries(state, lightnessColumn(state.range(0)));
}
BENCHMARK(BM_LoadLightnessColumn)
    ->RangeMultiplier(4)
    ->Range(15625, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_LoadCgats(benchmark::State& state) {
    loadSeries(state, cgatsFile(state.range(0)));
}
BENCHMARK(BM_LoadCgats)
    ->RangeMultiplier(4)
    ->Range(15625, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
