// Feeds arbitrary bytes to the measurement file reader, the format detection and both tools'
// loaders. A loader either returns a series worth storing or refuses with the load-failure alert.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "MeasurementData/MeasurementFile.h"
#include "MeasurementData/MeasurementRefusal.h"

namespace {

using sg::fuzz::require;

void checkCleanedLines(const sg::MeasurementFile& file) {
    std::string_view last;
    for (const std::string_view line : file.lines()) {
        require(line.find(' ') == std::string_view::npos, "an opened file holds no blank");
        last = line;
    }
    require(last.find_first_not_of("\t\r") == std::string_view::npos,
            "an opened file ends with a line holding no data");
    require(file.lines().size() == file.writtenLines().size(),
            "the lines read are the lines as written");
}

void checkSeriesOutcome(const sg::Result<std::vector<double>>& series, const char* finiteness) {
    if (series.ok()) {
        require(!series.value().empty(), "a returned series is not empty");
        require(std::all_of(series.value().begin(), series.value().end(),
                            [](double value) { return std::isfinite(value); }),
                finiteness);
    } else {
        require(series.refusal().title == sg::measurementLoadFailureTitle,
                "a refused file gets the load-failure alert");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sg::fuzz::silenceDiagnostics();
    const sg::Result<sg::MeasurementFile> opened =
        sg::MeasurementFile::fromBytes("fuzz.txt", sg::fuzz::bytesOf(data, size));
    if (!opened.ok()) {
        require(opened.refusal().title == sg::measurementLoadFailureTitle,
                "an unreadable file gets the load-failure alert");
        return 0;
    }
    const sg::MeasurementFile& file = opened.value();
    checkCleanedLines(file);

    const auto format = file.detectFormat();
    const auto series = sg::readLinearizationSeries(file);
    checkSeriesOutcome(series, "a returned series holds finite L* values");
    if (!format) {
        require(!series.ok(), "an unrecognised file yields no series");
    }

    const auto automatic = sg::readSeparationChartSeries(file);
    checkSeriesOutcome(automatic, "a returned automatic series holds finite L* values");
    if (format != sg::MeasurementFormat::cgats) {
        require(!automatic.ok(), "the automatic tool takes CGATS files only");
    }
    return 0;
}
