#pragma once

#include <string>
#include <vector>

namespace sg {

// QuadToneRIP's "QTR-Linearize-Data" output: tab-separated, L* in column 2; the first three
// rows and the last six are not measurements. A row without a readable L* makes the whole
// file unreadable.
class LinearizeDataOutFile {
public:
    explicit LinearizeDataOutFile(const std::vector<std::string>& lines);

    std::vector<double> allLabL;
    bool hasBadRow = false;
};

}  // namespace sg
