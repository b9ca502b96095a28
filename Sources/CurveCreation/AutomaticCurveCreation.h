#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CurveCreation/CurveCreationTool.h"

namespace sg {

// Automatic curve creation: a measured ink separation chart gives every ink's lightness curve;
// each curve is cut at its ink limit, the crossovers of the cut curves give the gray values,
// the gray ramp is shared among the inks along spline ramps, and the channels are linearized
// with the darkest ink's cut curve. The number of inks is the chart's; the tool starts from a
// built-in chart of one ink.
class AutomaticCurveCreation : public CurveCreationTool {
public:
    AutomaticCurveCreation();

    // Loads a CGATS chart (every value, unaveraged). The slots start over with the chart's
    // inks named "Black", "Cyan", "Magenta", ... in channel order, limits and hardware limits
    // 100, overlaps 0.1, gray values from the crossovers. Refused, keeping the current chart,
    // for a file of another format, fewer than 21 values, more inks than slots, or inks
    // without a crossover.
    Outcome loadChart(const std::filesystem::path& path);
    // One of the printer model's inks; the "Select Ink" placeholder changes nothing. Refused
    // for a slot without an ink of the chart and for "Not Used".
    Outcome selectInk(std::size_t slot, std::string_view inkName);
    // Whole percent, kept within 1..100. The ink's curve is cut anew and the gray values
    // follow the crossovers; refused, as it was, when an ink loses its crossover.
    Outcome setInkLimit(std::size_t slot, int percent);
    // Whole percent, kept within 1..100: the ink is printed to hardwareLimit / 100 of its
    // ink limit.
    Outcome setHardwareLimit(std::size_t slot, int percent);

    InkSlotState slotState(std::size_t slot) const;
    std::size_t inkCount() const { return inks_.size(); }
    // The last chart loaded; none while the built-in chart is in use.
    const std::optional<std::string>& chartFileName() const { return chartFileName_; }
    // Every ink's lightness curve, 101 entries from 0 % to 100 % of the ink, in slot order.
    const std::vector<std::vector<double>>& inkCurves() const { return inkCurves_; }
    // Those curves cut at the ink limits, 100 entries each.
    const std::vector<std::vector<double>>& limitedInkCurves() const { return limitedCurves_; }
    // The ink limit graph: every limited curve, labelled "Ink " and the ink's name, coloured
    // by the ink's name.
    std::vector<InkGraphSeries> inkLimitGraph() const;

private:
    // The chart's inks named after the channels in order, so that each has a channel of its
    // own; their gray values wait for the crossovers.
    static std::vector<InkSettings> chartInks(std::size_t count);
    QuadCurve builtChannels() const override;
    // Cuts the curves at the inks' limits and takes the crossovers as gray values; commits
    // everything and rebuilds only when every ink has one.
    Outcome adopt(std::vector<std::vector<double>> inkCurves, std::vector<InkSettings> inks);

    std::vector<std::vector<double>> inkCurves_;
    std::vector<std::vector<double>> limitedCurves_;
    std::optional<std::string> chartFileName_;
};

}  // namespace sg
