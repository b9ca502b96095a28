// Curve and measurement files padded with empty lines to just under 64 MiB, the largest file
// the readers take, loaded from disk the way the tools load them. Loading is linear in the size
// and needs no memory per line. The performance table runs each case in a process of its own
// and gives that process's peak memory beside the time.

#include <benchmark/benchmark.h>

#include <algorithm>
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

// The text with empty lines after `marker` (at the end when it is empty) that bring it to 64 MiB
// less a byte, written once per run into the temporary folder and removed at exit. The padding
// goes straight to the file, so that no 64 MiB string is ever held and the peak memory of the
// process is that of the loading.
class PaddedFile {
public:
    PaddedFile(const std::string& name, std::string_view text, std::string_view marker)
        : path_(std::filesystem::temp_directory_path() / ("silvergrain-benchmark-" + name)) {
        const std::size_t at = marker.empty() ? text.size() : text.find(marker) + marker.size();
        std::ofstream file(path_, std::ios::binary);
        file << text.substr(0, at);
        const std::string block(std::size_t{1} << 20, '\n');
        for (std::size_t padding = sg::maximumTextFileSize - 1 - text.size(); padding > 0;) {
            const std::size_t part = std::min(padding, block.size());
            file.write(block.data(), static_cast<std::streamsize>(part));
            padding -= part;
        }
        file << text.substr(at);
    }
    ~PaddedFile() { std::filesystem::remove(path_); }
    PaddedFile(const PaddedFile&) = delete;
    PaddedFile& operator=(const PaddedFile&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The file size, for the performance table's memory column.
void countFileBytes(benchmark::State& state, const PaddedFile& file) {
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file.path()));
}

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
    const PaddedFile file("curve.quad", curveText(), marker);
    for (auto _ : state) {
        auto loaded = sg::QuadFile::load(file.path());
        if (!loaded) {
            state.SkipWithError(loaded.refusal().text.c_str());
            break;
        }
        benchmark::DoNotOptimize(loaded);
    }
    countFileBytes(state, file);
}
BENCHMARK_CAPTURE(BM_LoadPaddedCurve, end, std::string_view())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadPaddedCurve, after_first_label, std::string_view("# K Curve\n"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_LoadPaddedMeasurements(benchmark::State& state, char separator, std::string_view marker) {
    const PaddedFile file("measurements.txt", cgatsText(separator), marker);
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
    countFileBytes(state, file);
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
