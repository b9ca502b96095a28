#include "QuadFiles/InkList.h"

namespace sg {

const std::vector<std::string>& inkNamesForPrinterModel(std::string_view printerModel) {
    if (printerModel == "1400-1430") {
        return InkList::inkNamesfor6Ink;
    }
    if (printerModel == "P5000-P7000-P9000") {
        return InkList::inkNamesFor10Ink;
    }
    // The x900 drives ten channels, but its orange and green are not offered for gray inks.
    return InkList::inkNamesFor8Ink;
}

const std::vector<std::string>& inkChannelsForPrinterModel(std::string_view printerModel) {
    if (printerModel == "1400-1430") {
        return InkList::inkListfor6Ink;
    }
    if (printerModel == "x900" || printerModel == "P5000-P7000-P9000") {
        return InkList::inkListfor10Ink;
    }
    return InkList::inkListfor8Ink;
}

}  // namespace sg
