#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Result.h"
#include "Common/TextLines.h"

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

// One opened measurement file: its text as written, and the lines the format readers see.
class MeasurementFile {
public:
    // A file that cannot be read as text (missing, not a regular file, larger than 64 MiB,
    // holding a NUL byte) is refused with the load-failure title and the reason alone: the
    // advice to check the format would not help. Text that is not UTF-8 is decoded as
    // decodeText does.
    static Result<MeasurementFile> load(const std::filesystem::path& path);
    static Result<MeasurementFile> fromBytes(std::string fileName, std::string_view bytes);

    const std::string& fileName() const { return fileName_; }

    // The lines as the format readers see them: every blank removed, split at line feeds (at
    // carriage returns when there are none). Lines keep the carriage return of a CRLF file;
    // the readers ignore it. A last line holding data gets the empty line that a final line
    // break would have given, so no reader drops the last patch.
    TextLines lines() const {
        return TextLines(withoutBlanks_ ? *withoutBlanks_ : text_, separator_);
    }
    // The same lines as written, blanks kept, for reading CGATS written with blanks. They end
    // with the same empty line.
    TextLines writtenLines() const { return TextLines(text_, separator_); }

    // The format whose test the first line passes first; none when no test matches. A first
    // line "CTI3" (a .ti3 measurement file) is CGATS.
    std::optional<MeasurementFormat> detectFormat() const;

private:
    static MeasurementFile fromText(std::string fileName, std::string text);

    std::string fileName_;
    std::string text_;
    std::optional<std::string> withoutBlanks_;  // none when the text holds no blank
    char separator_ = '\n';
};

// The series the linearization tool reads from a file of any format: L* per patch, repeated
// patches averaged. Refused with the load-failure alert and the reason when the format is not
// recognised or the file yields no usable series (fewer than two values cannot make a curve).
Result<std::vector<double>> readLinearizationSeries(const MeasurementFile& file);

// The series automatic curve creation reads from an ink separation chart: CGATS files only,
// every value unaveraged in file order. A recognised file of another format is refused with
// "Automatic curve creation reads CGATS files only.".
Result<std::vector<double>> readSeparationChartSeries(const MeasurementFile& file);

}  // namespace sg
