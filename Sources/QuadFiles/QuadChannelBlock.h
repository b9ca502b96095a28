#pragma once

#include <string>
#include <vector>

#include "QuadFiles/QuadCurve.h"

namespace sg {

// One value line of a curve file. A file never receives anything outside 0..65535: a value
// below 0 or not a number gives "0", 65535 and above "65535", anything else its integer part
// (truncated, never rounded).
std::string quadValueText(double value);

// Appends, for each label, the label line and the 256 value lines of the channel at the same
// position. Values past 255 and channels past the labels are not written; channels or values
// missing from `curve` are written as 0 so the file keeps its shape (callers pass enough).
void appendChannelBlock(std::vector<std::string>& lines, const std::vector<std::string>& labels,
                        const QuadCurve& curve);

}  // namespace sg
