#include "QuadFiles/FinalQuadFile.h"

#include "Common/Strings.h"
#include "QuadFiles/QuadChannelBlock.h"

namespace sg {

void FinalQuadFile::setHeader(int numberOfInks) {
    switch (numberOfInks) {
        case 10:
            headerInfo = headerInfoFor10Inks;
            break;
        case 6:
            headerInfo = headerInfoFor6Inks;
            break;
        default:
            headerInfo = headerInfoFor8Inks;
            break;
    }
}

std::optional<std::string> FinalQuadFile::saveFinalQuad(const QuadCurve& quad) const {
    if (inkList.empty()) {
        return std::nullopt;
    }
    std::vector<std::string> lines = {headerInfo};
    appendQuadChannelBlock(lines, inkList, quad);
    return joinStrings(lines, "\n");
}

}  // namespace sg
