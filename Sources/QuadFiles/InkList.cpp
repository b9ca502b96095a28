#include "QuadFiles/InkList.h"

namespace sg {

const std::vector<std::string>& displayNamesForPrinterModel(std::string_view printerModel) {
    if (printerModel == "1400-1430") {
        return InkList::namesFor6Inks;
    }
    if (printerModel == "P5000-P7000-P9000") {
        return InkList::namesFor10Inks;
    }
    // The x900 drives ten channels, but its orange and green are not offered for gray inks.
    return InkList::namesFor8Inks;
}

const std::vector<std::string>& channelLabelsForPrinterModel(std::string_view printerModel) {
    if (printerModel == "1400-1430") {
        return InkList::labelsFor6Inks;
    }
    if (printerModel == "x900" || printerModel == "P5000-P7000-P9000") {
        return InkList::labelsFor10Inks;
    }
    return InkList::labelsFor8Inks;
}

std::optional<std::size_t> channelPositionForInkName(std::string_view inkName) {
    const std::vector<std::string>& names = InkList::namesFor10Inks;
    // Between the "Select Ink" placeholder and "Not Used", the names stand in channel order.
    for (std::size_t position = 1; position + 1 < names.size(); ++position) {
        if (names[position] == inkName) {
            return position - 1;
        }
    }
    return std::nullopt;
}

}  // namespace sg
