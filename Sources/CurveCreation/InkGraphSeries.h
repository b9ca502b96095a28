#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sg {

// One line of a creation tool's graph, as the view draws it.
struct InkGraphSeries {
    std::string label;
    // The row of the ink colour table: the channel position of the ink.
    std::size_t colorPosition = 0;
    // The curve graph: the 256 ink values of a channel. The ink limit graph: the 100 L* values
    // of a limited ink curve.
    std::vector<double> values;

    friend bool operator==(const InkGraphSeries&, const InkGraphSeries&) = default;
};

}  // namespace sg
