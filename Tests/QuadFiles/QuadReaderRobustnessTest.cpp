#include <random>

#include <gtest/gtest.h>

#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadDataFile.h"
#include "QuadTestText.h"

namespace sg {
namespace {

// Whatever the bytes, a load either gives a complete curve or a refusal that says something.
// Returns whether it loaded.
bool expectCompleteOrRefused(std::string_view bytes) {
    const auto result = QuadDataFile::fromBytes("mutant.quad", bytes);
    if (!result) {
        EXPECT_EQ(result.error().messageText, "Failed to Load Quad File");
        EXPECT_FALSE(result.error().informativeText.empty());
        return false;
    }
    const QuadDataFile& file = result.value();
    EXPECT_GT(file.numInks, 0);
    EXPECT_EQ(file.inkList.size(), static_cast<std::size_t>(file.numInks));
    EXPECT_EQ(file.quadHeaders, file.inkList);
    EXPECT_EQ(file.inputQuadCurveArray.size(), file.inkList.size());
    for (const auto& channel : file.inputQuadCurveArray) {
        EXPECT_EQ(channel.size(), 256u);
    }
    EXPECT_FALSE(file.printerInfo.empty());
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
                                           InkList::inkListfor4Ink, curve),
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

TEST(QuadReaderRobustness, MutatedFilesNeverCrash) {
    const std::string original = smallFile("\r\n");
    // Bytes that matter to the reader: NUL, end-of-file marker, line ends, number syntax,
    // Latin-1 and invalid UTF-8.
    using namespace std::string_literals;
    const std::string bytes = "\0\x1A\r\n#-+.eE 019\x80\xA9\xFF,"s;
    std::mt19937 random(20240611u);
    const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    for (int round = 0; round < 1000 && !HasFailure(); ++round) {
        SCOPED_TRACE(round);
        std::string mutant = original;
        for (std::size_t flip = 1 + below(8); flip > 0 && !mutant.empty(); --flip) {
            const std::size_t at = below(mutant.size());
            switch (below(4)) {
                case 0:
                    mutant[at] = bytes[below(bytes.size())];
                    break;
                case 1:
                    mutant[at] = static_cast<char>(mutant[at] ^ (1 << (at % 8)));
                    break;
                case 2:
                    mutant.erase(at, 1 + at % 300);
                    break;
                default:
                    mutant.insert(at, 1, bytes[below(bytes.size())]);
            }
        }
        expectCompleteOrRefused(mutant);
    }
}

}  // namespace
}  // namespace sg
