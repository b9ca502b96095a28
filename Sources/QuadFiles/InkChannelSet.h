#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "QuadFiles/InkChannel.h"

namespace sg {

// One QuadToneRIP header line and the channels it names, in file order.
struct InkChannelSet {
    std::string_view headerLine;
    std::vector<InkChannel> channels;
};

// The recognised sets: the seven of today's header lines, 4-ink first and the two MK sets
// after them, then the older seven-ink form "## QuadToneRIP KCMYcmk" (lower case for the light
// inks: K, C, M, Y, LC, LM, LK).
const std::vector<InkChannelSet>& inkChannelSets();

// The set whose header line the whole line is (case, blanks and trailing characters count);
// none for any other line.
const InkChannelSet* inkChannelSetOf(std::string_view headerLine);

// The label a channel of the set goes by when a file gives none: "# K Curve", "# LLK Curve".
std::string channelLabel(InkChannel channel);

}  // namespace sg
