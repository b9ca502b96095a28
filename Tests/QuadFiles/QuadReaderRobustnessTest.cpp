#include <gtest/gtest.h>

#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadFile.h"
#include "Support/QuadText.h"

namespace sg {
namespace {

// Whatever the prefix, a load either gives a complete curve or a refusal that says something.
// Returns whether it loaded.
bool expectCompleteOrRefused(std::string_view bytes) {
    const auto result = QuadFile::fromBytes("prefix.quad", bytes);
    if (!result) {
        EXPECT_EQ(result.refusal().title, "Failed to Load Quad File");
        EXPECT_FALSE(result.refusal().text.empty());
        return false;
    }
    const QuadFile& file = result.value();
    EXPECT_GT(file.channelCount(), 0u);
    EXPECT_EQ(file.curve().size(), file.labels().size());
    for (const auto& channel : file.curve()) {
        EXPECT_EQ(channel.size(), 256u);
    }
    EXPECT_FALSE(file.headerBlock().empty());
    return true;
}

// Single-digit values keep the file small enough to try every prefix.
std::string smallFile(std::string_view lineEnd) {
    QuadCurve curve(4);
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t level = 0; level < 256; ++level) {
            curve[c].push_back(static_cast<double>(level * (c + 3) % 10));
        }
    }
    return joinStrings(quadtest::quadLines("## QuadToneRIP K,C,M,Y", {"# a", "## b"},
                                           InkList::labelsFor4Inks, curve),
                       lineEnd);
}

TEST(QuadReaderRobustness, EveryPrefixLoadsCompletelyOrIsRefused) {
    const std::string text = smallFile("\n");
    std::size_t loadedCount = 0;
    for (std::size_t length = 0; length <= text.size() && !HasFailure(); ++length) {
        SCOPED_TRACE(length);
        loadedCount += expectCompleteOrRefused(std::string_view(text.data(), length)) ? 1 : 0;
    }
    EXPECT_EQ(loadedCount, 1u);  // only the whole file
}

}  // namespace
}  // namespace sg
