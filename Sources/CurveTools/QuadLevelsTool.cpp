#include "CurveTools/QuadLevelsTool.h"

#include <algorithm>
#include <utility>

#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {

Outcome QuadLevelsTool::loadQuadFile(const std::filesystem::path& path) {
    Result<QuadFile> loaded = QuadFile::load(path);
    if (!loaded) {
        return Outcome::refused(loaded.refusal());
    }
    QuadFile file = std::move(loaded).value();
    limiter_ = CurveLimiter(file.curve(), CurveLimiter::lowLevelForSelection(selectionStart_),
                            CurveLimiter::highLevelForSelection(selectionEnd_));
    curveFile_ = std::move(file);
    return {};
}

void QuadLevelsTool::setSelection(double start, double end) {
    selectionStart_ = clampedFraction(start);
    selectionEnd_ = std::max(selectionStart_, clampedFraction(end));
    limiter_.setLimits(CurveLimiter::lowLevelForSelection(selectionStart_),
                       CurveLimiter::highLevelForSelection(selectionEnd_));
}

std::string QuadLevelsTool::trimmedFileText(bool zeroFirst) const {
    if (!zeroFirst) {
        return curveFile_->textWith(limiter_.trimmedCurve());
    }
    CurveLimiter zeroed = limiter_;
    zeroed.zeroFirstValues();
    return curveFile_->textWith(zeroed.trimmedCurve());
}

Outcome QuadLevelsTool::saveTrimmedCurve(const std::function<Outcome(std::string_view)>& write,
                                         bool zeroFirst) {
    if (!canSave()) {
        return {};
    }
    const Outcome written = write(trimmedFileText(zeroFirst));
    if (written.isRefused()) {
        return written;
    }
    if (zeroFirst) {
        limiter_.zeroFirstValues();
    }
    return {};
}

Outcome QuadLevelsTool::saveTrimmedCurve(const std::filesystem::path& path, bool zeroFirst) {
    return saveTrimmedCurve([&path](std::string_view text) { return saveTextFile(path, text); },
                            zeroFirst);
}

Outcome QuadLevelsTool::exportGutenprintXml(const std::filesystem::path& folder) const {
    if (!canSave()) {
        return {};
    }
    return ::sg::exportGutenprintXml(limiter_.trimmedCurve(), curveFile_->labels(), folder);
}

}  // namespace sg
