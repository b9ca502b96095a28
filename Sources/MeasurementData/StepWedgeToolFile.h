#pragma once

#include <string>
#include <vector>

namespace sg {

// A StepWedgeTool export: tab-separated under a "Patch" header, L* in column 2. The row right
// after the header is not a patch of the wedge; reading stops at the first unreadable row.
class StepWedgeToolFile {
public:
    explicit StepWedgeToolFile(const std::vector<std::string>& lines);

    std::vector<double> allLabL;
};

}  // namespace sg
