#pragma once

#include <string>
#include <vector>

namespace sg {

// A "GRAY" data-tool export: tab-separated, L* in column 1 of every row between the header and
// the last line. A row without a readable L* makes the whole file unreadable.
class DataToolFile {
public:
    explicit DataToolFile(const std::vector<std::string>& lines);

    std::vector<double> allLabL;
    bool hasBadRow = false;
};

}  // namespace sg
