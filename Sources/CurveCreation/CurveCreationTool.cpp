#include "CurveCreation/CurveCreationTool.h"

#include <algorithm>

#include "Common/Numbers.h"
#include "CurveCreation/InkChannels.h"
#include "QuadFiles/InkList.h"

namespace sg {

Outcome CurveCreationTool::choosePrinterModel(std::string_view model) {
    Outcome chosen = printer_.choose(model);
    if (chosen.isDone()) {
        place();
    }
    return chosen;
}

Outcome CurveCreationTool::setStartingOverlap(std::size_t slot, double fraction) {
    return changeInk(
        slot, [fraction](InkSettings& ink) { ink.startingOverlap = clampedFraction(fraction); });
}

Outcome CurveCreationTool::setEndingOverlap(std::size_t slot, double fraction) {
    return changeInk(
        slot, [fraction](InkSettings& ink) { ink.endingOverlap = clampedFraction(fraction); });
}

Result<std::string> CurveCreationTool::curveFileText() const {
    return printer_.fileText(curve_);
}

Outcome CurveCreationTool::saveCurve(const std::filesystem::path& path) const {
    return printer_.save(path, curve_);
}

Outcome CurveCreationTool::exportGutenprintXml(const std::filesystem::path& folder) const {
    return printer_.exportGutenprintXml(folder, curve_);
}

std::vector<InkGraphSeries> CurveCreationTool::curveGraph() const {
    return printer_.curveGraph(inkNamesOf(inks_), curve_);
}

std::optional<std::string_view> CurveCreationTool::graphHint() const {
    if (printer_.isChosen()) {
        return std::nullopt;
    }
    return choosePrinterModelHint;
}

void CurveCreationTool::rebuild() {
    slotChannels_ = builtChannels();
    place();
}

void CurveCreationTool::place() {
    curve_ = printer_.placedByInkName(inkNamesOf(inks_), slotChannels_);
}

Outcome CurveCreationTool::changeInk(std::size_t slot,
                                     const std::function<void(InkSettings&)>& change) {
    if (slot >= inks_.size()) {
        return Outcome::refused(noInkAlert(slot));
    }
    change(inks_[slot]);
    rebuild();
    return {};
}

std::optional<Alert> CurveCreationTool::unofferedInkRefusal(std::string_view inkName) const {
    if (printer_.offersInk(inkName)) {
        return std::nullopt;
    }
    if (!printer_.isChosen()) {
        return slotAlert(std::string(choosePrinterModelHint));
    }
    return slotAlert("\"" + std::string(inkName) + "\" is not an ink of the " + *printer_.model() +
                     ".");
}

InkSettings CurveCreationTool::defaultInk(std::string inkName, double grayValue) {
    return {
        std::move(inkName),          InkSlotRanges::percentMaximum, InkSlotRanges::percentMaximum,
        InkSlotRanges::overlapStart, InkSlotRanges::overlapStart,   grayValue};
}

const std::string& CurveCreationTool::placeholderName() {
    return InkList::namesFor10Inks.front();
}

const std::string& CurveCreationTool::notUsedName() {
    return InkList::namesFor10Inks.back();
}

double CurveCreationTool::clampedPercent(double percent) {
    // A non-number goes to the bottom of the range, as clampedFraction does.
    if (!(percent >= InkSlotRanges::percentMinimum)) {
        return InkSlotRanges::percentMinimum;
    }
    return std::min(percent, InkSlotRanges::percentMaximum);
}

Alert CurveCreationTool::noInkAlert(std::size_t slot) {
    return slotAlert("Slot " + std::to_string(slot + 1) + " holds no ink.");
}

Alert CurveCreationTool::slotAlert(std::string text) {
    return {"Failed to Change Ink", std::move(text)};
}

}  // namespace sg
