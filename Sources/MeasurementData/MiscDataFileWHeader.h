#pragma once

#include <string>
#include <vector>

namespace sg {

// A plain column of L* values under an "L*" header, tab-separated, L* in column 0. The row
// right after the header is not a patch of the wedge; reading stops at the first unreadable
// row.
class MiscDataFileWHeader {
public:
    explicit MiscDataFileWHeader(const std::vector<std::string>& lines);

    std::vector<double> allLabL;
};

}  // namespace sg
