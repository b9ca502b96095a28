#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sg {

// One channel of a curve as a Gutenprint XML curve file. The paper name (the export folder's
// name) is written as a comment, the channel label as the channel name, and every value as the
// nearest whole number (halves to even) within the bounds the file declares, 0..65535 (below 0
// and NaN give 0).
std::string gutenprintCurveXml(const std::vector<double>& values, std::string_view channelLabel,
                               std::string_view paperName);

// The file name for a channel label: by the identifier after "# " ("K" -> "Black.xml", "MK"
// -> "MatteBlack.xml", "GL" -> "GlossOptimizer.xml", ...), else by the label's prefix ("# K",
// "# C", ...); empty when neither knows it.
std::string gutenprintFileName(std::string_view channelLabel);

}  // namespace sg
