#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "Support/TestData.h"

namespace sg::testing {

// The 21-step wedge that the fixtures in Tests/Data/measurements hold, paper white first.
inline const std::vector<double> wedge21 = {95.12, 90.47, 85.83, 81.02, 76.38, 71.61, 66.95,
                                            62.24, 57.5,  52.81, 48.07, 43.36, 38.62, 33.95,
                                            29.2,  24.51, 19.83, 15.1,  10.44, 5.72,  2.35};

inline std::filesystem::path measurementFixture(const std::string& name) {
    return testData("measurements") / name;
}

inline std::string measurementFixtureBytes(const std::string& name) {
    auto bytes = readFileBytes(measurementFixture(name));
    return bytes ? bytes.value() : std::string();
}

// A minimal CGATS file holding the given L* values.
inline std::string cgatsBytes(const std::vector<double>& labL) {
    std::string text =
        "CGATS.17\nNUMBER_OF_FIELDS\t2\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\nEND_DATA_FORMAT\n"
        "NUMBER_OF_SETS\t" +
        std::to_string(labL.size()) + "\nBEGIN_DATA\n";
    for (std::size_t i = 0; i < labL.size(); ++i) {
        text += std::to_string(i + 1) + "\t" + formatShortest(labL[i]) + "\n";
    }
    return text + "END_DATA\n";
}

}  // namespace sg::testing
