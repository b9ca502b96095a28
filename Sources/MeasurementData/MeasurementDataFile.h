#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Alert.h"
#include "Common/Result.h"

namespace sg {

// One opened measurement file, cleaned up for the parsers: every blank removed, split into
// lines at line feeds (at carriage returns when there are none). Lines keep the carriage
// return of a CRLF file; the parsers ignore it. A last line holding data gets the empty line
// that a final line break would have given, so no parser drops the last patch.
class MeasurementDataFile {
public:
    MeasurementDataFile() = default;

    // Refused with the load-failure alert when the file cannot be read, is larger than 64 MiB
    // or holds a NUL byte. Text that is not UTF-8 is read as Windows-1252.
    static Result<MeasurementDataFile> load(const std::filesystem::path& path);
    static Result<MeasurementDataFile> fromBytes(std::string fileName, std::string_view bytes);

    // The format of the first line: "CGATS", "dataTool", "ColorMunki File",
    // "QTR-Linearize-Data-out file", "SpyderPrint File", "miscWithHeader",
    // "StepWedgeTool File", or "Could not load file" when none matches.
    std::string detectFileType() const;

    std::optional<std::string> filename;
    std::vector<std::string> measurementData;
};

// The automatic curve creation tool opens its files the same way.
using AutomaticCurveCreationMeasurementDataFile = MeasurementDataFile;

// "Failed to Load Measurement Data" with its informative text.
Alert measurementLoadFailure();

// The automatic tool's refusal of a recognised file that is not CGATS.
Alert automaticCgatsOnlyRefusal();

// The linearization tool's loader: the series to store, or the alert to show. Clears the
// loading-error flag on success only and writes "Loading error :" with the flag.
Result<std::vector<double>> loadMeasurementSeries(const MeasurementDataFile& file,
                                                  bool& measurementDataLoadingError);

// The automatic curve creation tool's loader: CGATS files only, every value unaveraged in
// file order. Clears the loading-error flag on success only.
Result<std::vector<double>> loadAutomaticMeasurementSeries(
    const AutomaticCurveCreationMeasurementDataFile& file, bool& measurementDataLoadingError);

}  // namespace sg
