#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sg {

// The L* column of a tab-separated CGATS.17 file, one value per data row in file order, with
// repeated measurements of the same patches averaged. Only the keywords NUMBER_OF_FIELDS,
// BEGIN_DATA_FORMAT, NUMBER_OF_SETS, BEGIN_DATA and the field LAB_L are read.
class CgatsFile {
public:
    CgatsFile() = default;

    std::vector<std::string> measurements;  // the file's lines
    int labLoc = 0;
    std::string totalSamples;
    std::vector<double> CGATSLabL;

    // The series, or nullopt when a keyword, the LAB_L column, enough data lines or a
    // readable number is missing (CGATSLabL is then left empty).
    std::optional<std::vector<double>> parseCGATSLabL();

    std::optional<std::string> numberOfFieldsValue() const;
    std::optional<std::string> numberOfSetsValue() const;
    std::optional<std::vector<std::string>> dataLines() const;

protected:
    explicit CgatsFile(bool averagesRepeats) : averagesRepeats_(averagesRepeats) {}

private:
    std::optional<int> labColumn() const;

    bool averagesRepeats_ = true;
};

}  // namespace sg
