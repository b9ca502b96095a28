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
    explicit SpyderPrintFile(std::vector<std::string> measurementDataArray);

    std::vector<double> allLabL;
    std::vector<double> averagedLabL;  // the series
    std::vector<std::string> measurementDataArray;
    int numColumns = 1;
    bool hasRowIndex = false;
    int labLIndex = 0;
};

}  // namespace sg
