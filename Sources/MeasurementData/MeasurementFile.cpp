#include "MeasurementData/MeasurementFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "MeasurementData/CgatsFile.h"
#include "MeasurementData/ColorMunkiFile.h"
#include "MeasurementData/DataToolFile.h"
#include "MeasurementData/LightnessColumnFile.h"
#include "MeasurementData/MeasurementRefusal.h"
#include "MeasurementData/QtrLinearizeDataFile.h"
#include "MeasurementData/Regex.h"
#include "MeasurementData/SpyderPrintFile.h"
#include "MeasurementData/StepWedgeToolFile.h"

namespace sg {
namespace {

struct FormatTest {
    Regex regex;
    MeasurementFormat format;
    std::string_view name;
};

// In the order they are tried.
const std::array<FormatTest, 8>& formatTests() {
    static const std::array<FormatTest, 8> tests{{
        {Regex("^CGATS.17"), MeasurementFormat::cgats, "CGATS"},
        {Regex("^CTI3"), MeasurementFormat::cgats, "CGATS"},
        {Regex("^GRAY"), MeasurementFormat::dataTool, "dataTool"},
        {Regex("^Name"), MeasurementFormat::colorMunki, "ColorMunki File"},
        {Regex("^QTR-Linearize-Data"), MeasurementFormat::qtrLinearizeData,
         "QTR-Linearize-Data-out file"},
        {Regex("^1|([0-9]{2})\\.([0-9]{0,2})"), MeasurementFormat::spyderPrint, "SpyderPrint File"},
        {Regex("^L\\*"), MeasurementFormat::lightnessColumn, "miscWithHeader"},
        {Regex("^Patch"), MeasurementFormat::stepWedgeTool, "StepWedgeTool File"},
    }};
    return tests;
}

Result<std::vector<double>> parsed(MeasurementFormat format, const MeasurementFile& file) {
    const TextLines lines = file.lines();
    switch (format) {
        case MeasurementFormat::cgats:
            return readCgatsLightness(file, RepeatedPatches::averaged);
        case MeasurementFormat::dataTool:
            diag("dataTool Lab L found");
            return readDataToolLightness(lines);
        case MeasurementFormat::colorMunki:
            return readColorMunkiLightness(lines);
        case MeasurementFormat::qtrLinearizeData:
            return readQtrLinearizeDataLightness(lines);
        case MeasurementFormat::spyderPrint:
            return readSpyderPrintLightness(lines);
        case MeasurementFormat::lightnessColumn:
            return readLightnessColumn(lines);
        case MeasurementFormat::stepWedgeTool:
            return readStepWedgeToolLightness(lines);
    }
    return std::vector<double>();
}

// A series the pipeline can use, or why not.
Result<std::vector<double>> usable(Result<std::vector<double>> series) {
    if (!series) {
        return series;
    }
    const std::vector<double>& values = series.value();
    if (values.empty()) {
        return measurementRefusal("The file holds no measurement lines.");
    }
    // One value gives a correction that sets every channel to 0.
    if (values.size() < 2) {
        return measurementRefusal("The file holds one measurement; a curve needs at least two.");
    }
    // Averaging or the density conversion can overflow numbers that each read fine (1e308,
    // a density of -400).
    if (!std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); })) {
        return measurementRefusal("The values are too large to be L* values.");
    }
    return series;
}

Alert unrecognisedFormat() {
    return measurementRefusal(
        "the first line is none of the known formats (CGATS.17, CTI3, ColorMunki, SpyderPrint, "
        "StepWedgeTool, QTR-Linearize-Data, GRAY, L*).",
        1);
}

}  // namespace

std::string_view measurementFormatName(MeasurementFormat format) {
    for (const FormatTest& test : formatTests()) {
        if (test.format == format) {
            return test.name;
        }
    }
    return {};
}

Result<MeasurementFile> MeasurementFile::load(const std::filesystem::path& path) {
    Result<std::string> text = readTextFile(path);
    if (!text) {
        return measurementReadFailure(text.refusal().text);
    }
    return fromText(fileNameOf(path), std::move(text).value());
}

Result<MeasurementFile> MeasurementFile::fromBytes(std::string fileName, std::string_view bytes) {
    if (bytes.size() > maximumTextFileSize) {
        return measurementReadFailure("The file is larger than 64 MiB.");
    }
    Result<std::string> text = decodeText(bytes);
    if (!text) {
        return measurementReadFailure(text.refusal().text);
    }
    return fromText(std::move(fileName), std::move(text).value());
}

MeasurementFile MeasurementFile::fromText(std::string fileName, std::string text) {
    MeasurementFile file;
    file.fileName_ = std::move(fileName);
    file.separator_ = text.find('\n') == std::string::npos ? '\r' : '\n';
    const std::size_t lastLineStart = text.rfind(file.separator_);
    const std::string_view lastLine =
        std::string_view(text).substr(lastLineStart == std::string::npos ? 0 : lastLineStart + 1);
    if (lastLine.find_first_not_of(" \t\r") != std::string_view::npos) {
        text += file.separator_;
    }
    // Most files hold no blank: their lines need no second copy.
    if (text.find(' ') != std::string::npos) {
        file.withoutBlanks_ = removeCharacters(text, " ");
    }
    file.text_ = std::move(text);
    return file;
}

std::optional<MeasurementFormat> MeasurementFile::detectFormat() const {
    const std::string_view firstLine = lines().front();
    for (const FormatTest& test : formatTests()) {
        if (test.regex.matches(firstLine)) {
            if (test.format == MeasurementFormat::colorMunki) {
                diag("It is a ColorMunkiFile");
            }
            return test.format;
        }
    }
    return std::nullopt;
}

Result<std::vector<double>> readLinearizationSeries(const MeasurementFile& file) {
    const std::optional<MeasurementFormat> format = file.detectFormat();
    if (!format) {
        return unrecognisedFormat();
    }
    return usable(parsed(*format, file));
}

Result<std::vector<double>> readSeparationChartSeries(const MeasurementFile& file) {
    const std::optional<MeasurementFormat> format = file.detectFormat();
    if (!format) {
        return unrecognisedFormat();
    }
    if (*format != MeasurementFormat::cgats) {
        return Alert{std::string(measurementLoadFailureTitle),
                     "Automatic curve creation reads CGATS files only."};
    }
    return usable(readCgatsLightness(file, RepeatedPatches::kept));
}

}  // namespace sg
