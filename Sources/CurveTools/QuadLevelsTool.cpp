#include "CurveTools/QuadLevelsTool.h"

#include <algorithm>
#include <utility>

#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {
namespace {

QuadCurve withFirstValuesZeroed(QuadCurve curve) {
    for (std::vector<double>& channel : curve) {
        if (!channel.empty()) {
            channel.front() = 0.0;
        }
    }
    return curve;
}

}  // namespace

Outcome QuadLevelsTool::loadQuadFile(const std::filesystem::path& path) {
    Result<QuadDataFile> loaded = QuadDataFile::load(path);
    if (!loaded) {
        return loaded.error();
    }
    QuadDataFile file = std::move(loaded).value();
    CurveLimiter limiter(file.inputQuadCurveArray,
                         CurveLimiter::lowLimitForSelection(selectionStart_),
                         CurveLimiter::highLimitForSelection(selectionEnd_));
    curveLimiter_ = std::move(limiter);
    currentFile_ = std::move(file);
    return std::nullopt;
}

void QuadLevelsTool::setSelection(double start, double end) {
    selectionStart_ = clampedFraction(start);
    selectionEnd_ = std::max(selectionStart_, clampedFraction(end));
    curveLimiter_.setLimits(CurveLimiter::lowLimitForSelection(selectionStart_),
                            CurveLimiter::highLimitForSelection(selectionEnd_));
}

LevelLabels QuadLevelsTool::levelLabels(bool displayAsPigment) const {
    if (displayAsPigment) {
        return {selectionStart_ * 100.0, selectionEnd_ * 100.0};
    }
    return {(1.0 - selectionStart_) * 255.0, (1.0 - selectionEnd_) * 255.0};
}

std::optional<std::string> QuadLevelsTool::quadFileText(bool zeroFirst) const {
    if (!hasFileToSave()) {
        return std::nullopt;
    }
    const QuadCurve& result = curveLimiter_.limitedCurves;
    return currentFile_->quadFileText(zeroFirst ? withFirstValuesZeroed(result) : result);
}

Outcome QuadLevelsTool::saveQuadFile(const std::function<Outcome(std::string_view)>& writeText,
                                     bool zeroFirst) {
    const std::optional<std::string> text = quadFileText(zeroFirst);
    if (!text) {
        return std::nullopt;
    }
    if (Outcome failure = writeText(*text)) {
        return failure;
    }
    if (zeroFirst) {
        curveLimiter_.limitedCurves = withFirstValuesZeroed(std::move(curveLimiter_.limitedCurves));
    }
    return std::nullopt;
}

Outcome QuadLevelsTool::saveQuadFile(const std::filesystem::path& path, bool zeroFirst) {
    return saveQuadFile([&path](std::string_view text) { return saveTextFile(path, text); },
                        zeroFirst);
}

Outcome QuadLevelsTool::exportGutenprint(const std::filesystem::path& folder) const {
    if (!hasFileToSave()) {
        return std::nullopt;
    }
    return exportGutenprintXML(curveLimiter_.limitedCurves, currentFile_->inkList, folder);
}

}  // namespace sg
