#pragma once

#include <string_view>
#include <vector>

#include "QuadFiles/InkChannel.h"

namespace sg {

// One QuadToneRIP header line and the channels it names, in file order.
struct InkChannelSet {
    std::string_view headerLine;
    std::vector<InkChannel> channels;
};

// The seven recognised sets, 4-ink first, the two MK sets last.
const std::vector<InkChannelSet>& inkChannelSets();

// The channel count of a header line; 0 unless the whole line equals one of the seven
// (case, blanks and trailing characters count).
int channelCountOfHeaderLine(std::string_view line);

}  // namespace sg
