#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Common/TextFiles.h"

namespace sg::testing {

// The 21-step wedge that the fixtures in Tests/Data/measurements hold, paper white first.
inline const std::vector<double> wedge21 = {95.12, 90.47, 85.83, 81.02, 76.38, 71.61, 66.95,
                                            62.24, 57.5,  52.81, 48.07, 43.36, 38.62, 33.95,
                                            29.2,  24.51, 19.83, 15.1,  10.44, 5.72,  2.35};

inline std::filesystem::path measurementFixture(const std::string& name) {
    return std::filesystem::path(SILVERGRAIN_TEST_DATA_DIR) / "measurements" / name;
}

inline std::string measurementFixtureBytes(const std::string& name) {
    auto bytes = readFileBytes(measurementFixture(name));
    return bytes ? bytes.value() : std::string();
}

}  // namespace sg::testing
