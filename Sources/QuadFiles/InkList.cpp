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

}  // namespace sg
