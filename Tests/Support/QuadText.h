#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "QuadFiles/QuadCurve.h"
#include "Support/TestData.h"

namespace sg::quadtest {

// Channel c holds c * 1000 + level, so every value tells where it came from.
inline QuadCurve numberedCurve(std::size_t channels) {
    QuadCurve curve(channels);
    for (std::size_t c = 0; c < channels; ++c) {
        for (std::size_t level = 0; level < 256; ++level) {
            curve[c].push_back(static_cast<double>(c * 1000 + level));
        }
    }
    return curve;
}

inline std::vector<std::string> quadLines(std::string_view header,
                                          const std::vector<std::string>& notes,
                                          const std::vector<std::string>& labels,
                                          const QuadCurve& curve) {
    std::vector<std::string> lines = {std::string(header)};
    lines.insert(lines.end(), notes.begin(), notes.end());
    for (std::size_t c = 0; c < labels.size(); ++c) {
        lines.push_back(labels[c]);
        for (const double value : curve[c]) {
            lines.push_back(std::to_string(static_cast<long>(value)));
        }
    }
    return lines;
}

inline std::filesystem::path fixturePath(std::string_view name) {
    return testing::testData("quad") / name;
}

inline std::string fixtureBytes(std::string_view name) {
    return readFileBytes(fixturePath(name)).value();
}

}  // namespace sg::quadtest
