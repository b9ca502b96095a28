#include "QuadFiles/CurveCreationFile.h"

#include "Common/Strings.h"
#include "QuadFiles/QuadChannelBlock.h"

namespace sg {

std::string_view CurveCreationFile::headerFor(std::size_t channelCount) {
    switch (channelCount) {
        case 10:
            return headerFor10Inks;
        case 6:
            return headerFor6Inks;
        default:
            return headerFor8Inks;
    }
}

std::string CurveCreationFile::text(const std::vector<std::string>& labels,
                                    const QuadCurve& curve) {
    std::vector<std::string> lines = {std::string(headerFor(labels.size()))};
    appendChannelBlock(lines, labels, curve);
    return joinStrings(lines, "\n");
}

}  // namespace sg
