#pragma once

#include <cstddef>
#include <string_view>

#include "CurveCreation/CurveCreationTool.h"

namespace sg {

// Manual curve creation: the photographer says which ink stands for which gray value, with its
// limit and overlaps, and the gray ramp is shared among the inks along Bezier ramps.
//
// Slot 1 always holds an ink ("Black", gray value 100 to start). Choosing an ink in the first
// slot without one adds it (limit 100, overlaps 0.1, half the gray value of the slot above);
// choosing "Not Used" in the last slot in use removes it. The slots in use are always the
// first ones, so the settings stay in slot order without gaps.
class ManualCurveCreation : public CurveCreationTool {
public:
    ManualCurveCreation();

    // An ink of the printer model, "Not Used" to remove the last ink, or the "Select Ink"
    // placeholder, which changes nothing. Refused for a slot past the first one without an
    // ink, "Not Used" anywhere but in the last slot in use (or slot 1), and an ink the printer
    // model does not offer.
    Outcome selectInk(std::size_t slot, std::string_view inkName);
    // Percent, kept within 1..100.
    Outcome setInkLimit(std::size_t slot, double percent);
    // Percent, kept within 1..100. Refused for slot 1, which stands for full black.
    Outcome setGrayValue(std::size_t slot, double percent);

    InkSlotState slotState(std::size_t slot) const;

private:
    QuadCurve builtChannels() const override;
    Outcome removeLastInk(std::size_t slot);
};

}  // namespace sg
