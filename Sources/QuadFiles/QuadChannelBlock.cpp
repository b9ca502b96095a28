#include "QuadFiles/QuadChannelBlock.h"

#include "Common/InkScale.h"

namespace sg {

std::string quadValueText(double value) {
    // The negated comparison also sends NaN to 0.
    if (!(value >= 0.0)) {
        return "0";
    }
    if (value >= largestInkValue) {
        return "65535";
    }
    return std::to_string(static_cast<long>(value));
}

void appendChannelBlock(std::vector<std::string>& lines, const std::vector<std::string>& labels,
                        const QuadCurve& curve) {
    lines.reserve(lines.size() + labels.size() * (levelCount + 1));
    for (std::size_t channel = 0; channel < labels.size(); ++channel) {
        lines.push_back(labels[channel]);
        const std::vector<double>* values = channel < curve.size() ? &curve[channel] : nullptr;
        for (std::size_t level = 0; level < levelCount; ++level) {
            const bool present = values != nullptr && level < values->size();
            lines.push_back(present ? quadValueText((*values)[level]) : "0");
        }
    }
}

}  // namespace sg
