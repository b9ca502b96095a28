#pragma once

#include <string_view>

#include <gtest/gtest.h>

namespace sg::testing {

// Whether `actual` equals the golden file Tests/Data/golden/<name> byte for byte; on a
// difference the message names the first line that differs. With the environment variable
// SILVERGRAIN_UPDATE_GOLDEN=1 the golden file is written from `actual` instead (review the
// diff before committing it).
::testing::AssertionResult matchesGoldenFile(std::string_view actual, std::string_view name);

}  // namespace sg::testing
