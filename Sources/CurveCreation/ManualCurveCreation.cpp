#include "CurveCreation/ManualCurveCreation.h"

#include <string>

#include "CurveCreation/InkChannels.h"

namespace sg {

ManualCurveCreation::ManualCurveCreation()
    : CurveCreationTool({defaultInk("Black", InkSlotRanges::percentMaximum)}) {
    rebuild();
}

Outcome ManualCurveCreation::selectInk(std::size_t slot, std::string_view inkName) {
    if (inkName == placeholderName()) {
        return {};
    }
    if (inkName == notUsedName()) {
        return removeLastInk(slot);
    }
    if (slot >= InkSlotRanges::slotCount) {
        return Outcome::refused(slotAlert("The tool has 8 ink slots."));
    }
    if (slot > inks_.size()) {
        return Outcome::refused(
            slotAlert("Choose an ink in slot " + std::to_string(inks_.size() + 1) + " first."));
    }
    if (const std::optional<Alert> refusal = unofferedInkRefusal(inkName)) {
        return Outcome::refused(*refusal);
    }
    if (slot == inks_.size()) {
        inks_.push_back(
            defaultInk(std::string(inkName), clampedPercent(inks_.back().grayValue / 2.0)));
    } else {
        inks_[slot].inkName = std::string(inkName);
    }
    rebuild();
    return {};
}

Outcome ManualCurveCreation::removeLastInk(std::size_t slot) {
    if (slot >= inks_.size()) {
        return {};
    }
    if (slot == 0) {
        return Outcome::refused(slotAlert("Slot 1 always holds an ink."));
    }
    if (slot + 1 != inks_.size()) {
        return Outcome::refused(slotAlert("Only the last ink can be removed: set slot " +
                                          std::to_string(inks_.size()) +
                                          " to \"Not Used\" first."));
    }
    inks_.pop_back();
    rebuild();
    return {};
}

Outcome ManualCurveCreation::setInkLimit(std::size_t slot, double percent) {
    return changeInk(slot, [percent](InkSettings& ink) { ink.inkLimit = clampedPercent(percent); });
}

Outcome ManualCurveCreation::setGrayValue(std::size_t slot, double percent) {
    if (slot == 0) {
        return Outcome::refused(
            slotAlert("The gray value of slot 1 stays at 100: its ink stands for full black."));
    }
    return changeInk(slot,
                     [percent](InkSettings& ink) { ink.grayValue = clampedPercent(percent); });
}

InkSlotState ManualCurveCreation::slotState(std::size_t slot) const {
    if (slot < inks_.size()) {
        return {inks_[slot].inkName, printer_.isChosen(), true, slot > 0};
    }
    if (slot == inks_.size() && slot < InkSlotRanges::slotCount) {
        return {placeholderName(), printer_.isChosen(), false, false};
    }
    return {notUsedName(), false, false, false};
}

QuadCurve ManualCurveCreation::builtChannels() const {
    return inkChannels(inks_, RampShape::bezier);
}

}  // namespace sg
