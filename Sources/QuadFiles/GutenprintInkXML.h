#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sg {

// One channel of a curve as a Gutenprint XML curve file: its text and its file name.
class GutenprintInkXML {
public:
    GutenprintInkXML(std::vector<double> quadArray, std::string channelName, std::string paperName);

    std::string channelName;  // the channel label, e.g. "# K Curve", written unchanged
    std::vector<double> quadArray;
    std::string lut;              // the whole file text
    std::string channelFileName;  // "Black.xml", ...; empty when the label names no known ink
    std::string paperName;        // written as a comment: the folder's name names the paper
};

// The file name for a channel label: by the identifier after "# " ("K" -> "Black.xml", "MK"
// -> "MatteBlack.xml", "GL" -> "GlossOptimizer.xml", ...), else by the label's prefix ("# K",
// "# C", ...); empty when neither knows it.
std::string gutenprintChannelFileName(std::string_view channelName);

}  // namespace sg
