#include "MeasurementData/MeasurementDataFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "MeasurementData/AutomaticCurveCreationCgatsFile.h"
#include "MeasurementData/CgatsFile.h"
#include "MeasurementData/ColorMunkiFile.h"
#include "MeasurementData/DataToolFile.h"
#include "MeasurementData/LinearizeDataOutFile.h"
#include "MeasurementData/MiscDataFileWHeader.h"
#include "MeasurementData/Regex.h"
#include "MeasurementData/SpyderPrintFile.h"
#include "MeasurementData/StepWedgeToolFile.h"

namespace sg {
namespace {

constexpr std::string_view couldNotLoadFile = "Could not load file";

using Series = Result<std::vector<double>>;

std::vector<std::string> cleanedLines(std::string_view text) {
    const std::string withoutBlanks = removeCharacters(text, " ");
    std::vector<std::string> lines = splitString(withoutBlanks, '\n');
    if (lines.size() < 2) {
        lines = splitString(withoutBlanks, '\r');
    }
    if (!trim(lines.back(), "\t\r").empty()) {
        lines.emplace_back();
    }
    return lines;
}

struct FormatTest {
    Regex regex;
    std::string_view typeName;
};

const std::array<FormatTest, 7>& formatTests() {
    static const std::array<FormatTest, 7> tests{{
        {Regex("^CGATS.17"), "CGATS"},
        {Regex("^GRAY"), "dataTool"},
        {Regex("^Name"), "ColorMunki File"},
        {Regex("^QTR-Linearize-Data"), "QTR-Linearize-Data-out file"},
        {Regex("^1|([0-9]{2})\\.([0-9]{0,2})"), "SpyderPrint File"},
        {Regex("^L\\*"), "miscWithHeader"},
        {Regex("^Patch"), "StepWedgeTool File"},
    }};
    return tests;
}

// The parser's series for a recognised type; nullopt when the file yields no usable series.
std::optional<std::vector<double>> parsedSeries(std::string_view type,
                                                const std::vector<std::string>& lines) {
    std::vector<double> series;
    if (type == "dataTool") {
        diag("dataTool Lab L found");
        DataToolFile parser(lines);
        if (parser.hasBadRow) {
            return std::nullopt;
        }
        series = std::move(parser.allLabL);
    } else if (type == "CGATS") {
        CgatsFile parser;
        parser.measurements = lines;
        std::optional<std::vector<double>> values = parser.parseCGATSLabL();
        if (!values) {
            return std::nullopt;
        }
        series = std::move(*values);
    } else if (type == "QTR-Linearize-Data-out file") {
        LinearizeDataOutFile parser(lines);
        if (parser.hasBadRow) {
            return std::nullopt;
        }
        series = std::move(parser.allLabL);
    } else if (type == "ColorMunki File") {
        ColorMunkiFile parser(lines);
        if (parser.hasBadRow) {
            return std::nullopt;
        }
        series = std::move(parser.allLabL);
    } else if (type == "SpyderPrint File") {
        series = SpyderPrintFile(lines).averagedLabL;
    } else if (type == "miscWithHeader") {
        series = MiscDataFileWHeader(lines).allLabL;
    } else if (type == "StepWedgeTool File") {
        series = StepWedgeToolFile(lines).allLabL;
    }
    // Averaging or the density conversion can overflow numbers that each read fine (1e308,
    // a density of -400): no L* series.
    if (series.empty() ||
        !std::all_of(series.begin(), series.end(), [](double v) { return std::isfinite(v); })) {
        return std::nullopt;
    }
    return series;
}

}  // namespace

Alert measurementLoadFailure() {
    return Alert{"Failed to Load Measurement Data",
                 "Please check the measurement data format and load data again.\n\nIf this "
                 "problem continues send the measurement data file using the send feedback "
                 "form in the help menu."};
}

Alert automaticCgatsOnlyRefusal() {
    return Alert{"Failed to Load Measurement Data",
                 "Automatic curve creation reads CGATS files only."};
}

Result<MeasurementDataFile> MeasurementDataFile::load(const std::filesystem::path& path) {
    const Result<std::string, std::string> bytes = readFileBytes(path);
    if (!bytes) {
        diag(bytes.error());
        return Result<MeasurementDataFile>::failure(measurementLoadFailure());
    }
    return fromBytes(fileNameOf(path), bytes.value());
}

Result<MeasurementDataFile> MeasurementDataFile::fromBytes(std::string fileName,
                                                           std::string_view bytes) {
    if (bytes.size() > maximumTextFileSize) {
        diag("The file is larger than 64 MiB.");
        return Result<MeasurementDataFile>::failure(measurementLoadFailure());
    }
    const Result<std::string, std::string> text = decodeText(bytes);
    if (!text) {
        diag(text.error());
        return Result<MeasurementDataFile>::failure(measurementLoadFailure());
    }
    MeasurementDataFile file;
    file.filename = std::move(fileName);
    file.measurementData = cleanedLines(text.value());
    return file;
}

std::string MeasurementDataFile::detectFileType() const {
    if (measurementData.empty()) {
        return std::string(couldNotLoadFile);
    }
    const std::string& firstLine = measurementData.front();
    for (const FormatTest& test : formatTests()) {
        if (test.regex.matches(firstLine)) {
            if (test.typeName == "ColorMunki File") {
                diag("It is a ColorMunkiFile");
            }
            return std::string(test.typeName);
        }
    }
    return std::string(couldNotLoadFile);
}

Result<std::vector<double>> loadMeasurementSeries(const MeasurementDataFile& file,
                                                  bool& measurementDataLoadingError) {
    if (file.measurementData.empty()) {
        diag("Could not read opened measurement data");
        return Series::failure(measurementLoadFailure());
    }
    std::optional<std::vector<double>> series =
        parsedSeries(file.detectFileType(), file.measurementData);
    if (series) {
        measurementDataLoadingError = false;
    }
    diag(std::string("Loading error :") + (measurementDataLoadingError ? "true" : "false"));
    if (!series) {
        return Series::failure(measurementLoadFailure());
    }
    return std::move(*series);
}

Result<std::vector<double>> loadAutomaticMeasurementSeries(
    const AutomaticCurveCreationMeasurementDataFile& file, bool& measurementDataLoadingError) {
    if (file.measurementData.empty()) {
        diag("Could not read opened measurement data");
        return Series::failure(measurementLoadFailure());
    }
    const std::string type = file.detectFileType();
    if (type == couldNotLoadFile) {
        return Series::failure(measurementLoadFailure());
    }
    if (type != "CGATS") {
        return Series::failure(automaticCgatsOnlyRefusal());
    }
    AutomaticCurveCreationCgatsFile parser;
    parser.measurements = file.measurementData;
    std::optional<std::vector<double>> values = parser.parseCGATSLabL();
    if (!values || values->empty()) {
        return Series::failure(measurementLoadFailure());
    }
    measurementDataLoadingError = false;
    return std::move(*values);
}

}  // namespace sg
