#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Alert.h"
#include "Common/Outcome.h"
#include "Common/Result.h"
#include "Linearization/CorrectionCurve.h"
#include "Linearization/LinearityReadout.h"
#include "Linearization/MeasuredResponse.h"
#include "Linearization/PredictedLinearity.h"
#include "Linearization/ToneControlPoints.h"
#include "QuadFiles/QuadCurve.h"
#include "QuadFiles/QuadFile.h"

namespace sg {

enum class ControlPoint { shadow, midtone, highlight };

// How the correction is computed from a measurement. Standard is the tool's original method;
// precise places each patch at the level it was printed at, smooths the response with a
// strength the data choose and inverts it exactly.
enum class CorrectionMethod { standard, precise };

// What the precise method does differently, in one line for the method control's tooltip.
inline constexpr std::string_view preciseMethodDescription =
    "Precise reads each patch at the level it was printed at, smooths with a strength chosen "
    "from the data (the spline control overrides it; the averaging window is not used) and "
    "inverts the response exactly, for a reprint within a few tenths of an L* unit.";

// The ranges and start values of the tool's controls.
struct LinearizationControlRanges {
    static constexpr int windowMinimum = 0;
    static constexpr int windowMaximum = 50;
    static constexpr int windowStart = 0;
    // The spline smoothing strength: 0, where the tool starts, adds nothing to the smoother's
    // finest thinning (a key every 3 levels); more strength spreads the keys further apart.
    static constexpr double splineMinimum = 0.0;
    static constexpr double splineMaximum = 1.0;
    static constexpr double splineStart = 0.0;
    // The strengths the control offers: each gives the smoother a different key step (3, 4, 5,
    // 6, 7, 10, 15, 20, 31, 39 and 44 levels), so each is a different result, rising in
    // smoothing. Between them the result would repeat a neighbour's; past 0.93 the keys thin no
    // further, and from about 0.939 on the spline runs through every level and smooths least.
    static constexpr std::array<double, 11> splineStrengths{0.0, 0.25, 0.4, 0.5,  0.6, 0.7,
                                                            0.8, 0.85, 0.9, 0.92, 0.93};
    static constexpr int sliderMinimum = -50;
    static constexpr int sliderMaximum = 50;
    static constexpr int sliderStart = 0;
};

// The alert of a linearization or save asked for before both a correction and a curve exist.
Alert failedToLinearizeAlert();

// The linearization tool without its view: the current measurement, correction curve, control
// points, curve file and linearization, and one method per action of the tool. A refused
// action returns its alert and leaves the state as it was.
class LinearizationTool {
public:
    // Loads a measurement file. The correction runs with the current smoothing settings and a
    // loaded curve is linearized again with it.
    Outcome loadMeasurements(const std::filesystem::path& path);
    // Store the setting; with a correction present, smooth and linearize again.
    void setAveragingWindow(int windowSize);
    void setSplineStrength(double strength);
    // With a correction present, correct and linearize again with the method.
    void setCorrectionMethod(CorrectionMethod method);
    // Sets the point's input and its slider (the adjustment is the slider with its sign
    // inverted). Inputs that would coincide or cross, or leave 1..99, are refused. Without a
    // correction the point is not moved.
    Outcome setControlPoint(ControlPoint which, double input, double sliderValue);
    void resetControlPoints();
    // Loads a curve file and linearizes it. Without a correction the file is taken and waits
    // for one: "Failed to Linearize" as a pending outcome.
    Outcome loadQuadFile(const std::filesystem::path& path);
    // The linearized curve as .quad text with the given notes (the notes view's text).
    Result<std::string> linearizedFileText(std::string_view notes) const;
    // Writes that text; the notes become the current file's notes only after a good write.
    Outcome saveLinearizedCurve(const std::filesystem::path& path, const std::string& notes);
    // One Gutenprint XML file per channel of the linearized curve, named by the file's labels.
    Outcome exportGutenprintXml(const std::filesystem::path& folder) const;

    // The argument the spline smoother gets for a strength s: 0.32 s.
    static double splineSmoothingArgument(double strength);
    // The precise method's smoothing strength for a spline strength: none (chosen from the
    // data) at the control's start, else the strength itself, 0..1 (a non-number 0).
    static std::optional<double> preciseSmoothingStrength(double strength);

    bool hasCorrection() const { return correction_.positions.has_value(); }
    // A correction, a curve file and its linearization: what saving and exporting need.
    bool canSave() const { return hasCorrection() && curveFile_ && linearizedCurve_; }
    // The measured series, paper white first; none before a measurement is loaded.
    const std::optional<std::vector<double>>& lightness() const { return lightness_; }
    const CorrectionCurve& correction() const { return correction_; }
    const ToneControlPoints& controlPoints() const { return controlPoints_; }
    // Present once a measurement is loaded.
    const std::optional<LinearityReadout>& linearity() const { return linearity_; }
    // The printer's response as the precise method smooths it (with the strength the data
    // choose when the standard method is chosen), and the result the chosen method is expected
    // to print from it. Present once a measurement is loaded.
    const std::optional<MeasuredResponse>& measuredResponse() const { return response_; }
    const std::optional<PredictedLinearity>& predictedLinearity() const { return predicted_; }
    CorrectionMethod correctionMethod() const { return method_; }
    const std::optional<std::string>& measurementFileName() const { return measurementFileName_; }
    int averagingWindow() const { return averagingWindow_; }
    double splineStrength() const { return splineStrength_; }
    const std::optional<QuadFile>& curveFile() const { return curveFile_; }
    const std::optional<QuadCurve>& linearizedCurve() const { return linearizedCurve_; }

private:
    // The correction again from the measurement with the current smoothing, then relinearize.
    void smooth();
    // The target and correction again after the control points moved, then relinearize.
    void retarget();
    // The predicted linearity, then the linearization.
    void finishCorrection();
    // The current curve read anew at the current correction, when both exist.
    void relinearize();

    std::optional<std::vector<double>> lightness_;
    CorrectionCurve correction_;
    ToneControlPoints controlPoints_;
    std::optional<std::string> measurementFileName_;
    std::optional<LinearityReadout> linearity_;
    CorrectionMethod method_ = CorrectionMethod::standard;
    std::optional<MeasuredResponse> response_;
    std::optional<PredictedLinearity> predicted_;
    int averagingWindow_ = LinearizationControlRanges::windowStart;
    double splineStrength_ = LinearizationControlRanges::splineStart;
    std::optional<QuadFile> curveFile_;
    std::optional<QuadCurve> linearizedCurve_;
};

}  // namespace sg
