#pragma once

#include <string>
#include <vector>

namespace sg {

// A SpyderPrint export: tab-separated rows of either a single L* or a row number, L*, a* and
// b*. Decimal commas are accepted, repeated measurements are averaged, and a nearly flat
// series (first and last within 4) is taken as optical densities and converted to L*.
// Reading stops at the first unreadable row.
class SpyderPrintFile {
public:
    explicit SpyderPrintFile(const std::vector<std::string>& lines);

    std::vector<double> allLabL;
    std::vector<double> averagedLabL;  // the series
    int numColumns = 1;                // cells of the first line; 0 for single values
    int labLIndex = 0;                 // 1 for rows of row number, L*, a* and b*
};

}  // namespace sg
