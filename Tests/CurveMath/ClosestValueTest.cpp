#include "CurveMath/ClosestValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace sg {
namespace {

// The bisection finds what the scan finds, also where rounding makes neighbours equally close
// (levels k x 0.3921568627 hold such pairs) and for targets on, between and beyond the values.
TEST(ClosestValue, BisectionOfRisingValuesFindsWhatTheScanFinds) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::vector<double>> risings = {
        {5.0}, {1.0, 2.0}, {0.1, 0.2, 0.3, 1e16, 1e16 + 2}, {1e16, 1e16 + 2, 1e16 + 4}};
    std::vector<std::vector<double>> all = risings;
    all.emplace_back();
    for (int k = 0; k < 256; ++k) {
        all.back().push_back(k * 0.3921568627);
    }
    for (const std::vector<double>& rising : all) {
        std::vector<double> targets = {-inf, inf, std::nan(""), -1.0, 1e300, 1e16 + 1, 1e16 + 3};
        for (const double value : rising) {
            targets.insert(targets.end(), {value, std::nextafter(value, -inf),
                                           std::nextafter(value, inf), value + 0.19607843135});
        }
        for (const double target : targets) {
            EXPECT_EQ(indexOfClosestRisingValue(rising, target),
                      indexOfClosestValue(rising, target))
                << target << " among " << rising.size();
        }
    }
}

}  // namespace
}  // namespace sg
