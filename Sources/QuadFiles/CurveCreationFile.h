#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "QuadFiles/QuadCurve.h"

namespace sg {

// The files of curves made from ink settings: a fixed two-line header chosen by the channel
// count, then the channel block.
struct CurveCreationFile {
    static constexpr std::string_view headerFor6Inks =
        "## QuadToneRIP K,C,M,Y,LC,LM\n# Silvergrain-CurveCreation for macOS v0.1";
    static constexpr std::string_view headerFor8Inks =
        "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n# Silvergrain-CurveCreation for macOS v0.1";
    static constexpr std::string_view headerFor10Inks =
        "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR\n# Silvergrain-CurveCreation for macOS v0.1";

    // 10 and 6 choose their own header; every other count, 4 and 7 included, the 8-ink one.
    static std::string_view headerFor(std::size_t channelCount);

    // The file text: the header for the number of labels, then the channel block; lines
    // joined by "\n", no final line feed.
    static std::string text(const std::vector<std::string>& labels, const QuadCurve& curve);
};

}  // namespace sg
