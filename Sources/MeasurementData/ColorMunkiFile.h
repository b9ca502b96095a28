#pragma once

#include <string>
#include <vector>

namespace sg {

// A ColorMunki export: comma-separated under the header "Name,L*,a*,b*,". The patches may be
// listed in any order; the series is sorted from the highest L* (paper white) to the lowest.
// A row without a readable L* makes the whole file unreadable.
class ColorMunkiFile {
public:
    explicit ColorMunkiFile(const std::vector<std::string>& lines);

    std::vector<double> allLabL;
    bool hasBadRow = false;
};

}  // namespace sg
