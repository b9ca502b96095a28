#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Common/Alert.h"
#include "Common/Result.h"
#include "Linearization/CorrectionCurve.h"
#include "Linearization/LinearityReadout.h"
#include "Linearization/Linearization.h"
#include "Linearization/ManualCurveControl.h"
#include "Linearization/MeasuredValues.h"
#include "QuadFiles/QuadDataFile.h"

namespace sg {

enum class ControlPoint { shadow, midtone, highlight };

// The ranges and start values of the tool's controls. The untouched spline control (1.00)
// smooths exactly as the first measurement load does.
struct LinearizationControlRanges {
    static constexpr int windowMinimum = 0;
    static constexpr int windowMaximum = 50;
    static constexpr int windowStart = 0;
    static constexpr double splineMinimum = 0.0;
    static constexpr double splineMaximum = 2.0;
    static constexpr double splineStep = 0.01;
    static constexpr double splineStart = 1.0;
    static constexpr int sliderMinimum = -50;
    static constexpr int sliderMaximum = 50;
    static constexpr int sliderStart = 0;
};

// The linearization tool without its view: the current measurement, correction curve, control
// points, curve file and linearization, and one method per action of the tool. A refused
// action returns its alert and leaves the state as it was (except where noted).
class LinearizationTool {
public:
    // Loads a measurement file. On success the correction pipeline runs with the current
    // smoothing settings and a loaded curve is linearized again with the new correction.
    Outcome loadMeasurements(const std::filesystem::path& path);
    // Store the setting; with a correction present, run the smoothing update.
    void setMovingAverageWindow(int windowSize);
    void setSplineSmoothingPercentage(double splineControl);
    // Sets the point's input and its slider (the control value is the slider with its sign
    // inverted). Inputs that would coincide or cross, or leave 1..99, are refused. Without a
    // correction nothing happens.
    Outcome setControlPoint(ControlPoint which, double input, double sliderValue);
    void resetOutputCurvePoints();
    // Loads a curve file and linearizes it. Without a correction the file still becomes the
    // current one and "Failed to Linearize" comes back.
    Outcome loadQuadFile(const std::filesystem::path& path);
    // The linearized curve as .quad text with the given notes (the notes view's text).
    Result<std::string> linearizedQuadFileText(const std::string& notes) const;
    // Writes that text; the notes become the current file's notes only after a good write.
    Outcome saveLinearizedCurveFile(const std::filesystem::path& path, const std::string& notes);
    // One Gutenprint XML file per channel of the linearized curve, named by the file's labels.
    Outcome exportGutenprintXML(const std::filesystem::path& folder) const;

    // The argument the spline smoother gets for a spline control value: |0.32 s - 0.32|.
    static double splineSmoothingArgument(double splineControl);

    bool hasCorrectionCurve() const { return correctionCurve_.correctionCurveArray.has_value(); }
    // A correction, a curve file and its linearization: what saving and exporting need.
    bool canSaveLinearizedCurve() const {
        return hasCorrectionCurve() && currentQuadFile_ && currentLinearization_;
    }
    bool measurementDataLoadingError() const { return measurementDataLoadingError_; }
    const MeasuredValues& measuredValues() const { return measuredValues_; }
    const CorrectionCurve& correctionCurve() const { return correctionCurve_; }
    const ManualCurveControl& manualCurveControl() const { return manualCurveControl_; }
    double measuredDmax() const { return correctionCurve_.measuredDmax; }
    // Present once a measurement is loaded.
    const std::optional<LinearityReadout>& linearity() const { return linearity_; }
    const std::optional<std::string>& measurementFileName() const { return measurementFileName_; }
    int movingAverageWindow() const { return avgWindowSize_; }
    double splineSmoothingControl() const { return splinePercentLabel_; }
    const std::optional<QuadDataFile>& currentQuadFile() const { return currentQuadFile_; }
    const std::optional<Linearization>& currentLinearization() const {
        return currentLinearization_;
    }

private:
    // The pipeline again from the measurement with the current smoothing, then relinearize.
    void smoothingUpdate();
    // The target again from the control points, then the correction and the linearization.
    void refresh();
    // The current curve read anew at the current correction, when both exist.
    void relinearize();

    MeasuredValues measuredValues_;
    CorrectionCurve correctionCurve_;
    ManualCurveControl manualCurveControl_;
    bool measurementDataLoadingError_ = true;
    std::optional<std::string> measurementFileName_;
    std::optional<LinearityReadout> linearity_;
    int avgWindowSize_ = LinearizationControlRanges::windowStart;
    double splinePercentLabel_ = LinearizationControlRanges::splineStart;
    std::optional<QuadDataFile> currentQuadFile_;
    std::optional<Linearization> currentLinearization_;
};

}  // namespace sg
