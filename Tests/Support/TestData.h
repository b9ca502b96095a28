#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sg::testing {

// A file or folder under Tests/Data, e.g. testData("quad/base.quad").
std::filesystem::path testData(std::string_view relativePath);

// The bytes of a file under Tests/Data; empty when it cannot be read.
std::string testDataBytes(std::string_view relativePath);

// A file of the examples/ folder a newcomer opens first.
std::filesystem::path example(std::string_view name);

}  // namespace sg::testing
