#pragma once

#include <string>
#include <vector>

namespace sg {

// The roles manual curve creation offers for each selected ink.
struct InkType {
    static inline const std::vector<std::string> roles = {"Gray Curve 1", "Gray Curve 2",
                                                          "Toner Curve 1", "Toner Curve 2"};
};

}  // namespace sg
