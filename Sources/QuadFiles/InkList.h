#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// The channel labels and ink display names of the creation tools. Each tool keeps its own
// copy and sets the two current lists when the user picks a printer model.
struct InkList {
    std::vector<std::string> currentNames;
    std::vector<std::string> currentLabels;

    static inline const std::vector<std::string> labelsFor4Inks = {"# K Curve", "# C Curve",
                                                                   "# M Curve", "# Y Curve"};
    static inline const std::vector<std::string> labelsFor6Inks = {
        "# K Curve", "# C Curve", "# M Curve", "# Y Curve", "# LC Curve", "# LM Curve"};
    static inline const std::vector<std::string> labelsFor8Inks = {
        "# K Curve",  "# C Curve",  "# M Curve",  "# Y Curve",
        "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"};
    static inline const std::vector<std::string> labelsFor10Inks = {
        "# K Curve",  "# C Curve",  "# M Curve",   "# Y Curve",  "# LC Curve",
        "# LM Curve", "# LK Curve", "# LLK Curve", "# OR Curve", "# GR Curve"};

    // "Select Ink", one display name per channel of the label list of the same size,
    // "Not Used".
    static inline const std::vector<std::string> namesFor4Inks = {
        "Select Ink", "Black", "Cyan", "Magenta", "Yellow", "Not Used"};
    static inline const std::vector<std::string> namesFor6Inks = {
        "Select Ink", "Black",      "Cyan",          "Magenta",
        "Yellow",     "Light Cyan", "Light Magenta", "Not Used"};
    static inline const std::vector<std::string> namesFor8Inks = {
        "Select Ink", "Black",         "Cyan",        "Magenta",           "Yellow",
        "Light Cyan", "Light Magenta", "Light Black", "Light Light Black", "Not Used"};
    static inline const std::vector<std::string> namesFor10Inks = {
        "Select Ink", "Black",         "Cyan",        "Magenta",           "Yellow",
        "Light Cyan", "Light Magenta", "Light Black", "Light Light Black", "Orange",
        "Green",      "Not Used"};

    friend bool operator==(const InkList&, const InkList&) = default;
};

// The printer models the curve creation tools offer, in menu order; not the starter curve
// tool's list, which names the x-series "x800-x880".
inline const std::vector<std::string> curveCreationPrinterModels = {
    "1400-1430",         "P400", "P600",      "P800", "P4000-P6000-P8000",
    "P5000-P7000-P9000", "x600", "x800-x890", "x900"};

// The display-name list for a printer model as the catalogue names it ("P800", "x900", ...);
// the 8-ink list for any model it does not know.
const std::vector<std::string>& displayNamesForPrinterModel(std::string_view printerModel);

// The channel-label list for a printer model; the 8-ink list for any model it does not know.
const std::vector<std::string>& channelLabelsForPrinterModel(std::string_view printerModel);

// The channel position an ink display name stands for ("Black" 0, "Cyan" 1, ... "Light Black"
// 6, "Light Light Black" 7, "Orange" 8, "Green" 9); none for "Select Ink", "Not Used" and any
// other text.
std::optional<std::size_t> channelPositionForInkName(std::string_view inkName);

}  // namespace sg
