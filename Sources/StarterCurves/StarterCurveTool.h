#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "Common/Outcome.h"
#include "StarterCurves/StarterCurve.h"

namespace sg {

// The ranges of the tool's controls. The saturation label shows saturation x 50, so the
// saturation range reads 0 to 100 there; the custom factors go up to twice the strongest
// recipe factor.
struct StarterControlRanges {
    static constexpr double boostMinimum = 0.0;
    static constexpr double boostMaximum = 100.0;
    static constexpr double saturationMinimum = 0.0;
    static constexpr double saturationMaximum = 2.0;
    static constexpr double customFactorMinimum = 0.0;
    static constexpr double customFactorMaximum = 1.0;
};

// The starter curve tool without its view: the user's choices, the curve they make, the
// read-outs, and one method per action. Every action makes the curve anew from the settings.
// Values outside a control's range are taken as the nearest end of it (a number that is not
// a number as the lower end).
class StarterCurveTool {
public:
    // The first entry of each menu, no boost.
    StarterCurveTool() = default;

    // Menu positions and titles as StarterCatalogue.h maps them. The printer keeps the
    // saturation; a paper or toner choice sets it to 0.5.
    void choosePrinter(int menuPosition);
    void choosePaper(std::string_view menuTitle);
    void chooseToner(int menuPosition);
    void setSaturation(double saturation);
    // The custom factors act while the toner is "Custom". Each also takes the saturation as
    // the saturation label shows it, to two decimals of saturation x 50.
    void setCustomCyan(double factor);
    void setCustomMagenta(double factor);
    void setCustomYellow(double factor);
    // The boost slider. While the black read-out is above 100 the boost in use is lowered in
    // steps of 1.5; the slider keeps the position the user gave it.
    void setBoost(double boost);

    // The boost in settings() is the one in use.
    const StarterSettings& settings() const { return settings_; }
    double boostSliderValue() const { return boostSlider_; }
    const StarterCurve& curve() const { return curve_; }

    // Read-outs: the channel's value at level 255 as a whole percent of full ink, rounded half
    // away from zero; a channel below 0 is written as 0 and reads 0.
    int blackLimit() const { return limitReadout(0); }
    int cyanLimit() const { return limitReadout(1); }
    int magentaLimit() const { return limitReadout(2); }
    int yellowLimit() const { return limitReadout(3); }
    // saturation x 50, "%.2f".
    std::string saturationLabel() const;

    std::string fileText() const { return curve_.fileText(); }
    Outcome saveCurve(const std::filesystem::path& path) const;
    // One Gutenprint XML file per channel of the curve, named by its labels.
    Outcome exportGutenprintXml(const std::filesystem::path& folder) const;

private:
    int limitReadout(std::size_t channel) const;
    void setCustomFactor(double CustomTonerFactors::*which, double factor);
    void apply(const StarterSettings& settings);

    StarterSettings settings_;
    double boostSlider_ = 0.0;
    StarterCurve curve_;
};

}  // namespace sg
