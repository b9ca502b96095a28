// Feeds arbitrary bytes to the measurement file reader, the format detection and both tools'
// loaders. A loader either returns a series worth storing or refuses with an alert, and it
// clears the loading-error flag on success only.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "MeasurementData/MeasurementDataFile.h"

namespace {

using sg::fuzz::require;

constexpr std::array<std::string_view, 8> fileTypes = {"CGATS",
                                                       "dataTool",
                                                       "ColorMunki File",
                                                       "QTR-Linearize-Data-out file",
                                                       "SpyderPrint File",
                                                       "miscWithHeader",
                                                       "StepWedgeTool File",
                                                       "Could not load file"};

void checkCleanedLines(const sg::MeasurementDataFile& file) {
    require(!file.measurementData.empty(), "an opened file holds at least one line");
    for (const std::string& line : file.measurementData) {
        require(line.find(' ') == std::string::npos, "an opened file holds no blank");
    }
    const std::string& last = file.measurementData.back();
    require(last.find_first_not_of("\t\r") == std::string::npos,
            "an opened file ends with a line holding no data");
}

void checkSeriesOutcome(const sg::Result<std::vector<double>>& series, bool loadingError,
                        const char* finiteness) {
    if (series.ok()) {
        require(!series.value().empty(), "a returned series is not empty");
        require(std::all_of(series.value().begin(), series.value().end(),
                            [](double value) { return std::isfinite(value); }),
                finiteness);
        require(!loadingError, "a returned series clears the loading-error flag");
    } else {
        require(series.error().messageText == "Failed to Load Measurement Data",
                "a refused file gets the load-failure alert");
        require(loadingError, "a refusal leaves the loading-error flag set");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sg::fuzz::silenceDiagnostics();
    const sg::Result<sg::MeasurementDataFile> opened =
        sg::MeasurementDataFile::fromBytes("fuzz.txt", sg::fuzz::bytesOf(data, size));
    if (!opened.ok()) {
        require(opened.error().messageText == "Failed to Load Measurement Data",
                "an unreadable file gets the load-failure alert");
        return 0;
    }
    const sg::MeasurementDataFile& file = opened.value();
    checkCleanedLines(file);

    const std::string type = file.detectFileType();
    require(std::find(fileTypes.begin(), fileTypes.end(), type) != fileTypes.end(),
            "the detected type is one of the known names");

    bool loadingError = true;
    const auto series = sg::loadMeasurementSeries(file, loadingError);
    checkSeriesOutcome(series, loadingError, "a returned series holds finite L* values");
    if (type == "Could not load file") {
        require(!series.ok(), "an unrecognised file yields no series");
    }

    loadingError = true;
    const auto automatic = sg::loadAutomaticMeasurementSeries(file, loadingError);
    checkSeriesOutcome(automatic, loadingError,
                       "a returned automatic series holds finite L* values");
    if (type != "CGATS") {
        require(!automatic.ok(), "the automatic tool takes CGATS files only");
    }
    return 0;
}
