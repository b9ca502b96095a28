#include "StarterCurves/StarterCurveTool.h"

#include <algorithm>
#include <cmath>

#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "QuadFiles/GutenprintExport.h"

namespace sg {
namespace {

// While black reads above full ink, the boost in use is lowered by this much.
constexpr int blackLimitPercent = 100;
constexpr double boostLoopStep = 1.5;

double withinRange(double value, double minimum, double maximum) {
    if (std::isnan(value)) {
        return minimum;
    }
    return std::clamp(value, minimum, maximum);
}

}  // namespace

void StarterCurveTool::choosePrinter(int menuPosition) {
    StarterSettings settings = settings_;
    settings.printer = printerForMenuPosition(menuPosition);
    apply(settings);
}

void StarterCurveTool::choosePaper(std::string_view menuTitle) {
    StarterSettings settings = settings_;
    settings.paper = paperForMenuTitle(menuTitle);
    settings.saturation = tonerSaturationOnChoice;
    apply(settings);
}

void StarterCurveTool::chooseToner(int menuPosition) {
    StarterSettings settings = settings_;
    settings.toner = tonerForMenuPosition(menuPosition);
    settings.saturation = tonerSaturationOnChoice;
    apply(settings);
}

void StarterCurveTool::setSaturation(double saturation) {
    StarterSettings settings = settings_;
    settings.saturation = withinRange(saturation, StarterControlRanges::saturationMinimum,
                                      StarterControlRanges::saturationMaximum);
    apply(settings);
}

void StarterCurveTool::setCustomCyan(double factor) {
    setCustomFactor(&CustomTonerFactors::cyan, factor);
}

void StarterCurveTool::setCustomMagenta(double factor) {
    setCustomFactor(&CustomTonerFactors::magenta, factor);
}

void StarterCurveTool::setCustomYellow(double factor) {
    setCustomFactor(&CustomTonerFactors::yellow, factor);
}

void StarterCurveTool::setCustomFactor(double CustomTonerFactors::*which, double factor) {
    StarterSettings settings = settings_;
    settings.custom.*which = withinRange(factor, StarterControlRanges::customFactorMinimum,
                                         StarterControlRanges::customFactorMaximum);
    // The number the label shows, as the user reads it ("%.2f" always reads back).
    settings.saturation = parseDecimal(saturationLabel()).value_or(0.0) / 50.0;
    apply(settings);
}

void StarterCurveTool::setBoost(double boost) {
    boostSlider_ =
        withinRange(boost, StarterControlRanges::boostMinimum, StarterControlRanges::boostMaximum);
    StarterSettings settings = settings_;
    settings.boost = boostSlider_;
    apply(settings);
    // Without boost no table reaches full ink, so the loop ends.
    while (blackLimit() > blackLimitPercent && settings.boost > 0.0) {
        settings.boost -= boostLoopStep;
        apply(settings);
    }
}

void StarterCurveTool::apply(const StarterSettings& settings) {
    curve_ = StarterCurve(settings);
    settings_ = settings;
}

int StarterCurveTool::limitReadout(std::size_t channel) const {
    const double last = curve_.curve()[channel][lastLevel];
    return static_cast<int>(std::round(std::max(last, 0.0) / inkValuePerPercent));
}

std::string StarterCurveTool::saturationLabel() const {
    return formatFixed(settings_.saturation * 50.0, 2);
}

Outcome StarterCurveTool::saveCurve(const std::filesystem::path& path) const {
    return saveTextFile(path, fileText());
}

Outcome StarterCurveTool::exportGutenprintXml(const std::filesystem::path& folder) const {
    return ::sg::exportGutenprintXml(curve_.curve(), curve_.labels(), folder);
}

}  // namespace sg
