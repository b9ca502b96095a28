#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Support/GoldenFile.h"
#include "Support/TestData.h"

namespace sg::testing {

std::filesystem::path testData(std::string_view relativePath) {
    return std::filesystem::path(SILVERGRAIN_TEST_DATA_DIR) / relativePath;
}

std::string testDataBytes(std::string_view relativePath) {
    std::ifstream stream(testData(relativePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

std::filesystem::path example(std::string_view name) {
    return std::filesystem::path(SILVERGRAIN_EXAMPLES_DIR) / name;
}

::testing::AssertionResult matchesGoldenFile(std::string_view actual, std::string_view name) {
    const std::filesystem::path golden = testData("golden") / name;
    const char* update = std::getenv("SILVERGRAIN_UPDATE_GOLDEN");
    if (update != nullptr && std::string_view(update) == "1") {
        std::filesystem::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "wrote " << golden;
    }
    if (!std::filesystem::exists(golden)) {
        return ::testing::AssertionFailure()
               << golden << " does not exist (SILVERGRAIN_UPDATE_GOLDEN=1 writes it)";
    }
    const std::string expected = testDataBytes("golden/" + std::string(name));
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    std::istringstream actualLines{std::string(actual)};
    std::istringstream expectedLines(expected);
    std::string actualLine;
    std::string expectedLine;
    for (int line = 1;; ++line) {
        const bool moreActual = static_cast<bool>(std::getline(actualLines, actualLine));
        const bool moreExpected = static_cast<bool>(std::getline(expectedLines, expectedLine));
        if (!moreActual || !moreExpected || actualLine != expectedLine) {
            return ::testing::AssertionFailure()
                   << name << " differs at line " << line << ": expected \""
                   << (moreExpected ? expectedLine : "<end>") << "\", got \""
                   << (moreActual ? actualLine : "<end>") << "\" (" << actual.size() << " bytes, "
                   << expected.size() << " expected)";
        }
    }
}

}  // namespace sg::testing
