#include "Linearization/LinearizationTool.h"

#include <utility>

#include "Common/Diagnostics.h"
#include "Common/InkScale.h"
#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "Linearization/CurveLinearization.h"
#include "Linearization/PreciseCorrection.h"
#include "MeasurementData/MeasurementFile.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {
namespace {

Alert controlPointAlert(double shadow, double midtone, double highlight) {
    return Alert{"Invalid Control Point",
                 "The control inputs must rise from shadow to midtone to highlight, each from 1 "
                 "to 99: shadow " +
                     formatShortest(shadow) + ", midtone " + formatShortest(midtone) +
                     ", highlight " + formatShortest(highlight) + "."};
}

ToneControlPoint& pointOf(ToneControlPoints& points, ControlPoint which) {
    switch (which) {
        case ControlPoint::shadow:
            return points.shadow;
        case ControlPoint::midtone:
            return points.midtone;
        case ControlPoint::highlight:
            break;
    }
    return points.highlight;
}

}  // namespace

Alert failedToLinearizeAlert() {
    return Alert{"Failed to Linearize",
                 "Please load a valid quad curve file and measurement data file and try again"};
}

double LinearizationTool::splineSmoothingArgument(double strength) {
    return 0.32 * strength;
}

std::optional<double> LinearizationTool::preciseSmoothingStrength(double strength) {
    if (strength == LinearizationControlRanges::splineStart) {
        return std::nullopt;
    }
    return clampedFraction(strength);
}

Outcome LinearizationTool::loadMeasurements(const std::filesystem::path& path) {
    const Result<MeasurementFile> file = MeasurementFile::load(path);
    if (!file) {
        return Outcome::refused(file.refusal());
    }
    Result<std::vector<double>> series = readLinearizationSeries(file.value());
    if (!series) {
        return Outcome::refused(series.refusal());
    }
    measurementFileName_ = fileNameOf(path);
    linearity_ = LinearityReadout::fromSeries(series.value());
    lightness_ = std::move(series).value();
    // The smoothing follows the controls as they stand, and a curve loaded before is
    // linearized again: saving right away must not write a curve corrected with the previous
    // measurement or other smoothing.
    smooth();
    return {};
}

void LinearizationTool::setAveragingWindow(int windowSize) {
    averagingWindow_ = windowSize;
    if (!hasCorrection()) {
        diag("No Correction Curve loaded, can not smooth with average");
        return;
    }
    smooth();
}

void LinearizationTool::setSplineStrength(double strength) {
    splineStrength_ = strength;
    if (!hasCorrection()) {
        diag("No Correction Curve loaded, can not smooth with spline");
        return;
    }
    smooth();
}

void LinearizationTool::setCorrectionMethod(CorrectionMethod method) {
    method_ = method;
    if (hasCorrection()) {
        smooth();
    }
}

Outcome LinearizationTool::setControlPoint(ControlPoint which, double input, double sliderValue) {
    ToneControlPoints moved = controlPoints_;
    pointOf(moved, which).input = input;
    if (!ToneControlPoints::inputsAreOrdered(moved.shadow.input, moved.midtone.input,
                                             moved.highlight.input)) {
        return Outcome::refused(
            controlPointAlert(moved.shadow.input, moved.midtone.input, moved.highlight.input));
    }
    if (!hasCorrection()) {
        return {};
    }
    pointOf(moved, which).adjustment = -sliderValue;
    controlPoints_ = std::move(moved);
    retarget();
    return {};
}

void LinearizationTool::resetControlPoints() {
    controlPoints_.shadow = {ToneControlPoints::defaultShadowInput};
    controlPoints_.midtone = {ToneControlPoints::defaultMidtoneInput};
    controlPoints_.highlight = {ToneControlPoints::defaultHighlightInput};
    controlPoints_.updateKeys();
    if (!hasCorrection()) {
        return;
    }
    retarget();
}

Outcome LinearizationTool::loadQuadFile(const std::filesystem::path& path) {
    Result<QuadFile> loaded = QuadFile::load(path);
    if (!loaded) {
        return Outcome::refused(loaded.refusal());
    }
    curveFile_ = std::move(loaded).value();
    linearizedCurve_.reset();
    if (!hasCorrection()) {
        return Outcome::takenNotComputed(failedToLinearizeAlert());
    }
    relinearize();
    return {};
}

Result<std::string> LinearizationTool::linearizedFileText(std::string_view notes) const {
    if (!canSave()) {
        return failedToLinearizeAlert();
    }
    return curveFile_->textWith(*linearizedCurve_, notes);
}

Outcome LinearizationTool::saveLinearizedCurve(const std::filesystem::path& path,
                                               const std::string& notes) {
    const Result<std::string> text = linearizedFileText(notes);
    if (!text) {
        return Outcome::refused(text.refusal());
    }
    const Outcome saved = saveTextFile(path, text.value());
    if (saved.isRefused()) {
        return saved;
    }
    curveFile_->setNotes(notes);
    return {};
}

Outcome LinearizationTool::exportGutenprintXml(const std::filesystem::path& folder) const {
    if (!canSave()) {
        return Outcome::refused(failedToLinearizeAlert());
    }
    return ::sg::exportGutenprintXml(*linearizedCurve_, curveFile_->labels(), folder);
}

void LinearizationTool::smooth() {
    if (method_ == CorrectionMethod::precise) {
        response_.emplace(*lightness_, preciseSmoothingStrength(splineStrength_));
        correction_ = preciseCorrection(*lightness_, *response_, controlPoints_);
    } else {
        response_.emplace(*lightness_, std::nullopt);
        correction_.run(*lightness_, controlPoints_, averagingWindow_,
                        splineSmoothingArgument(splineStrength_));
    }
    finishCorrection();
}

void LinearizationTool::retarget() {
    if (method_ == CorrectionMethod::precise) {
        retargetPrecisely(correction_, *response_, controlPoints_);
    } else {
        correction_.retarget(controlPoints_);
    }
    finishCorrection();
}

void LinearizationTool::finishCorrection() {
    predicted_ = PredictedLinearity::of(*response_, correction_);
    relinearize();
}

void LinearizationTool::relinearize() {
    if (!curveFile_ || !hasCorrection()) {
        return;
    }
    linearizedCurve_ =
        ::sg::linearizedCurve(curveFile_->curve(), *correction_.positions,
                              levelPositions(levelStepPercent), NonNumbers::reported);
}

}  // namespace sg
