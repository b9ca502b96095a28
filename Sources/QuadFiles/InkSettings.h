#pragma once

#include <string>

namespace sg {

// One ink slot of the creation tools. Limits, overlaps and gray value are percent.
struct InkSettings {
    std::string inkName;  // a display name such as "Light Black"
    double inkLimit = 0.0;
    double hardwareLimit = 0.0;
    double startingOverlap = 0.0;  // a fraction
    double endingOverlap = 0.0;
    double grayValue = 0.0;  // the gray level the ink stands for

    friend bool operator==(const InkSettings&, const InkSettings&) = default;
};

}  // namespace sg
