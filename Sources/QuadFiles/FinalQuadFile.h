#pragma once

#include <optional>
#include <string>
#include <vector>

#include "QuadFiles/QuadCurve.h"

namespace sg {

// The writer of curves made from ink settings: a fixed two-line header chosen by the
// channel count, then the channel block. Made for one save and dropped after it.
class FinalQuadFile {
public:
    static inline const std::string headerInfoFor6Inks =
        "## QuadToneRIP K,C,M,Y,LC,LM\n# Silvergrain-CurveCreation for macOS v0.1";
    static inline const std::string headerInfoFor8Inks =
        "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n# Silvergrain-CurveCreation for macOS v0.1";
    static inline const std::string headerInfoFor10Inks =
        "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR\n# Silvergrain-CurveCreation for macOS v0.1";

    // 10 and 6 choose their own header; every other count, 4 and 7 included, the 8-ink one.
    void setHeader(int numberOfInks);

    // The file text: headerInfo, then the channel block under inkList; lines joined by "\n",
    // no final line feed. Nothing when inkList is empty.
    std::optional<std::string> saveFinalQuad(const QuadCurve& quad) const;

    std::string headerInfo;
    std::vector<std::string> inkList;
};

}  // namespace sg
