#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Result.h"

namespace sg {

// The measurement export formats, recognised by the first line of a file.
enum class MeasurementFormat {
    cgats,
    dataTool,
    colorMunki,
    qtrLinearizeData,
    spyderPrint,
    lightnessColumn,
    stepWedgeTool,
};

// The name a format goes by: "CGATS", "dataTool", "ColorMunki File",
// "QTR-Linearize-Data-out file", "SpyderPrint File", "miscWithHeader", "StepWedgeTool File".
std::string_view measurementFormatName(MeasurementFormat format);

// One opened measurement file, cleaned up for the parsers: every blank removed, split into
// lines at line feeds (at carriage returns when there are none). Lines keep the carriage
// return of a CRLF file; the parsers ignore it. A last line holding data gets the empty line
// that a final line break would have given, so no parser drops the last patch.
class MeasurementFile {
public:
    // Refused with the load-failure alert when the file cannot be read, is larger than 64 MiB
    // or holds a NUL byte. Text that is not UTF-8 is read as Windows-1252.
    static Result<MeasurementFile> load(const std::filesystem::path& path);
    static Result<MeasurementFile> fromBytes(std::string fileName, std::string_view bytes);

    const std::string& fileName() const { return fileName_; }
    const std::vector<std::string>& lines() const { return lines_; }

    // The format whose test the first line passes first; none when no test matches.
    std::optional<MeasurementFormat> detectFormat() const;

private:
    std::string fileName_;
    std::vector<std::string> lines_;
};

// The series the linearization tool reads from a file of any format: L* per patch, repeated
// patches averaged. Refused with the load-failure alert and the reason when the format is not
// recognised or the file yields no usable series.
Result<std::vector<double>> readLinearizationSeries(const MeasurementFile& file);

// The series automatic curve creation reads from an ink separation chart: CGATS files only,
// every value unaveraged in file order. A recognised file of another format is refused with
// "Automatic curve creation reads CGATS files only.".
Result<std::vector<double>> readSeparationChartSeries(const MeasurementFile& file);

}  // namespace sg
