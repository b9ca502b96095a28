#include "Linearization/LinearizationTool.h"

#include <cmath>
#include <utility>

#include "Common/Diagnostics.h"
#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "MeasurementData/MeasurementDataFile.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {
namespace {

Alert controlPointAlert(double shadow, double mid, double highlight) {
    return Alert{"Invalid Control Point",
                 "The control inputs must rise from shadow to midtone to highlight, each from 1 "
                 "to 99: shadow " +
                     formatShortest(shadow) + ", midtone " + formatShortest(mid) + ", highlight " +
                     formatShortest(highlight) + "."};
}

}  // namespace

double LinearizationTool::splineSmoothingArgument(double splineControl) {
    return std::abs(0.32 * splineControl - 0.32);
}

Outcome LinearizationTool::loadMeasurements(const std::filesystem::path& path) {
    const Result<MeasurementDataFile> file = MeasurementDataFile::load(path);
    if (!file) {
        return file.error();
    }
    bool loadingError = measurementDataLoadingError_;
    Result<std::vector<double>> series = loadMeasurementSeries(file.value(), loadingError);
    if (!series) {
        return series.error();
    }

    measurementDataLoadingError_ = loadingError;
    measurementFileName_ = fileNameOf(path);
    linearity_ = LinearityReadout::fromSeries(series.value());
    measuredValues_.measuredLabL = std::move(series).value();
    // The smoothing follows the controls as they stand (at their start values: window 0 and
    // spline argument 0), and a curve loaded before is linearized again: saving right away must
    // not write a curve corrected with the previous measurement or other smoothing.
    smoothingUpdate();
    return std::nullopt;
}

void LinearizationTool::setMovingAverageWindow(int windowSize) {
    avgWindowSize_ = windowSize;
    if (!hasCorrectionCurve()) {
        diag("No Correction Curve loaded, can not smooth with average");
        return;
    }
    smoothingUpdate();
}

void LinearizationTool::setSplineSmoothingPercentage(double splineControl) {
    splinePercentLabel_ = splineControl;
    if (!hasCorrectionCurve()) {
        diag("No Correction Curve loaded, can not smooth with spline");
        return;
    }
    smoothingUpdate();
}

Outcome LinearizationTool::setControlPoint(ControlPoint which, double input, double sliderValue) {
    ManualCurveControl& control = manualCurveControl_;
    double shadow = control.shadowInput;
    double mid = control.midInput;
    double highlight = control.highlightInput;
    switch (which) {
        case ControlPoint::shadow:
            shadow = input;
            break;
        case ControlPoint::midtone:
            mid = input;
            break;
        case ControlPoint::highlight:
            highlight = input;
            break;
    }
    if (!ManualCurveControl::inputsAreOrdered(shadow, mid, highlight)) {
        return controlPointAlert(shadow, mid, highlight);
    }
    if (!hasCorrectionCurve()) {
        return std::nullopt;
    }
    switch (which) {
        case ControlPoint::shadow:
            control.shadowInput = input;
            control.shadowControlValue = -sliderValue;
            break;
        case ControlPoint::midtone:
            control.midInput = input;
            control.midControlValue = -sliderValue;
            break;
        case ControlPoint::highlight:
            control.highlightInput = input;
            control.highlightControlValue = -sliderValue;
            break;
    }
    refresh();
    return std::nullopt;
}

void LinearizationTool::resetOutputCurvePoints() {
    ManualCurveControl& control = manualCurveControl_;
    control.shadowInput = ManualCurveControl::defaultShadowInput;
    control.shadowControlValue = 0.0;
    control.midInput = ManualCurveControl::defaultMidInput;
    control.midControlValue = 0.0;
    control.highlightInput = ManualCurveControl::defaultHighlightInput;
    control.highlightControlValue = 0.0;
    control.updateControlYs();
    control.splinedCurvePoints = control.controlCurvePoints();
    if (!hasCorrectionCurve()) {
        return;
    }
    refresh();
}

Outcome LinearizationTool::loadQuadFile(const std::filesystem::path& path) {
    Result<QuadDataFile> loaded = QuadDataFile::load(path);
    if (!loaded) {
        return loaded.error();
    }
    currentQuadFile_ = std::move(loaded).value();
    if (!hasCorrectionCurve()) {
        return failedToLinearizeAlert();
    }
    relinearize();
    return std::nullopt;
}

Result<std::string> LinearizationTool::linearizedQuadFileText(const std::string& notes) const {
    if (!canSaveLinearizedCurve()) {
        return Result<std::string>::failure(failedToLinearizeAlert());
    }
    QuadDataFile file = *currentQuadFile_;
    file.processNotes = notes;
    std::optional<std::string> text =
        file.quadFileText(currentLinearization_->linearizedQuadCurve2DArray);
    if (!text) {
        return Result<std::string>::failure(failedToLinearizeAlert());
    }
    return std::move(*text);
}

Outcome LinearizationTool::saveLinearizedCurveFile(const std::filesystem::path& path,
                                                   const std::string& notes) {
    const Result<std::string> text = linearizedQuadFileText(notes);
    if (!text) {
        return text.error();
    }
    if (Outcome failure = saveTextFile(path, text.value())) {
        return failure;
    }
    currentQuadFile_->processNotes = notes;
    return std::nullopt;
}

Outcome LinearizationTool::exportGutenprintXML(const std::filesystem::path& folder) const {
    if (!canSaveLinearizedCurve()) {
        return failedToLinearizeAlert();
    }
    return ::sg::exportGutenprintXML(currentLinearization_->linearizedQuadCurve2DArray,
                                     currentQuadFile_->inkList, folder);
}

void LinearizationTool::smoothingUpdate() {
    correctionCurve_.runCorrectionPipeline(measuredValues_, manualCurveControl_, avgWindowSize_,
                                           splineSmoothingArgument(splinePercentLabel_));
    relinearize();
}

void LinearizationTool::refresh() {
    correctionCurve_.makeFinalTarget(manualCurveControl_);
    correctionCurve_.correctionCurveArray = correctionCurve_.makeCorrectionCurve();
    relinearize();
}

void LinearizationTool::relinearize() {
    if (!currentQuadFile_ || !hasCorrectionCurve()) {
        return;
    }
    Linearization linearization;
    linearization.targetArray = *correctionCurve_.correctionCurveArray;
    linearization.linearize(currentQuadFile_->inputQuadCurveArray, currentQuadFile_->quadHeaders);
    currentLinearization_ = std::move(linearization);
}

}  // namespace sg
