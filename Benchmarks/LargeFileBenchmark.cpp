// Curve and measurement files padded with empty lines to just under 64 MiB, the largest file
// the readers take, loaded from disk the way the tools load them. Loading is linear in the size
// and needs no memory per line. For the peak memory of one case, run it alone under
// /usr/bin/time -v, e.g. core_benchmarks --benchmark_filter='BM_LoadPaddedCurve/end'.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "Common/Diagnostics.h"
#include "Common/TextFiles.h"
#include "MeasurementData/MeasurementFile.h"
#include "QuadFiles/CurveCreationFile.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadFile.h"

namespace {

// Empty lines after `marker` (at the end when it is empty) bring the text to 64 MiB less a
// byte.
std::string padded(std::string text, std::string_view marker) {
    const std::size_t padding = sg::maximumTextFileSize - 1 - text.size();
    const std::size_t at = marker.empty() ? text.size() : text.find(marker) + marker.size();
    text.insert(at, padding, '\n');
    return text;
}

// The file, written once per run into the temporary folder and removed at exit.
class PaddedFile {
public:
    PaddedFile(const std::string& name, const std::string& text)
        : path_(std::filesystem::temp_directory_path() / ("silvergrain-benchmark-" + name)) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~PaddedFile() { std::filesystem::remove(path_); }
    PaddedFile(const PaddedFile&) = delete;
    PaddedFile& operator=(const PaddedFile&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string curveText() {
    sg::QuadCurve curve(8, std::vector<double>(256));
    for (std::size_t level = 0; level < 256; ++level) {
        curve[0][level] = static_cast<double>(level) * 256.0;
    }
    return sg::CurveCreationFile::text(sg::InkList::labelsFor8Inks, curve) + "\n";
}

std::string cgatsText(char separator) {
    const std::string s(1, separator);
    std::string text = "CGATS.17\nNUMBER_OF_FIELDS" + s + "3\nBEGIN_DATA_FORMAT\nSAMPLE_ID" + s +
                       "SAMPLE_NAME" + s + "LAB_L\nEND_DATA_FORMAT\nNUMBER_OF_SETS" + s +
                       "21\nBEGIN_DATA\n";
    for (int patch = 0; patch < 21; ++patch) {
        text += std::to_string(patch + 1) + s + "\"Step " + std::to_string(patch + 1) + "\"" + s +
                std::to_string(95.0 - 4.5 * patch) + "\n";
    }
    return text + "END_DATA\n";
}

void BM_LoadPaddedCurve(benchmark::State& state, std::string_view marker) {
    const PaddedFile file("curve.quad", padded(curveText(), marker));
    for (auto _ : state) {
        auto loaded = sg::QuadFile::load(file.path());
        if (!loaded) {
            state.SkipWithError(loaded.refusal().text.c_str());
            break;
        }
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK_CAPTURE(BM_LoadPaddedCurve, end, std::string_view())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadPaddedCurve, after_first_label, std::string_view("# K Curve\n"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_LoadPaddedMeasurements(benchmark::State& state, char separator, std::string_view marker) {
    const PaddedFile file("measurements.txt", padded(cgatsText(separator), marker));
    const sg::DiagnosticsCapture quiet;
    for (auto _ : state) {
        const auto loaded = sg::MeasurementFile::load(file.path());
        auto series = loaded ? sg::readLinearizationSeries(loaded.value()) : loaded.refusal();
        if (!series) {
            state.SkipWithError(series.refusal().text.c_str());
            break;
        }
        benchmark::DoNotOptimize(series);
    }
}
BENCHMARK_CAPTURE(BM_LoadPaddedMeasurements, tabs_end, '\t', std::string_view())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadPaddedMeasurements, tabs_in_header, '\t',
                  std::string_view("NUMBER_OF_SETS\t21\n"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadPaddedMeasurements, blanks_end, ' ', std::string_view())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadPaddedMeasurements, blanks_in_header, ' ',
                  std::string_view("NUMBER_OF_SETS 21\n"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
