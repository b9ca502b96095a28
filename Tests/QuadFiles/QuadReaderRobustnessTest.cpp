#include <random>

#include <gtest/gtest.h>

#include "Common/Strings.h"

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
    EXPECT_EQ(file.inputQuadCurveArray.size(), file.inkList.size());
    for (const auto& channel : file.inputQuadCurveArray) {
        EXPECT_EQ(channel.size(), 256u);
    }
    EXPECT_EQ(file.quadHeaders, file.inkList);
    EXPECT_TRUE(file.processNotes.has_value());
    if (file.printerInfo.empty()) {
        ADD_FAILURE() << "no header block";
        return true;
    }
    EXPECT_EQ(file.printerInfo.front(), file.rawQuadData.front());
    return true;
}

// Single-digit values keep the file small enough to try every prefix.
std::string smallFile(std::string_view lineEnd) {
    QuadCurve curve(4);
    for (std::size_t c = 0; c < 4; ++c) {
        for (int level = 0; level < 256; ++level) {
            curve[c].push_back(static_cast<double>((level * static_cast<int>(c + 3)) % 10));
        }
    }
    return quadtest::joined(quadtest::quadLines("## QuadToneRIP K,C,M,Y", {"# a", "## b"},
                                                InkList::inkListfor4Ink, curve),
                            lineEnd);
}

TEST(QuadReaderRobustness, EveryPrefixLoadsCompletelyOrIsRefused) {
    const std::string text = smallFile("\n");
    std::size_t loadedCount = 0;
    for (std::size_t length = 0; length <= text.size(); ++length) {
        const std::string_view prefix(text.data(), length);
        loadedCount += expectCompleteOrRefused(prefix) ? 1 : 0;
        if (::testing::Test::HasFailure()) {
            FAIL() << "prefix of " << length << " bytes";
        }
    }
    // Only the whole file loads.
    EXPECT_EQ(loadedCount, 1u);
}

TEST(QuadReaderRobustness, MutatedFilesNeverCrash) {
    const std::string original = smallFile("\r\n");
    // Bytes that matter to the reader: NUL, end-of-file marker, line ends, number syntax,
    // Latin-1 and invalid UTF-8.
    using namespace std::string_literals;
    const std::string bytes = "\0\x1A\r\n#-+.eE 019\x80\xA9\xFF,"s;
    std::mt19937 random(20240611u);
    std::uniform_int_distribution<std::size_t> position(0, original.size() - 1);
    std::uniform_int_distribution<std::size_t> pick(0, bytes.size() - 1);
    std::uniform_int_distribution<int> flips(1, 8);
    std::uniform_int_distribution<int> action(0, 3);
    for (int round = 0; round < 1000; ++round) {
        std::string mutant = original;
        for (int flip = flips(random); flip > 0 && !mutant.empty(); --flip) {
            const std::size_t at = position(random) % mutant.size();
            switch (action(random)) {
                case 0:
                    mutant[at] = bytes[pick(random)];
                    break;
                case 1:
                    mutant[at] = static_cast<char>(mutant[at] ^ (1 << (at % 8)));
                    break;
                case 2:
                    mutant.erase(at, 1 + at % 300);
                    break;
                default:
                    mutant.insert(at, 1, bytes[pick(random)]);
                    break;
            }
        }
        expectCompleteOrRefused(mutant);
        if (::testing::Test::HasFailure()) {
            FAIL() << "round " << round;
        }
    }
}

}  // namespace
}  // namespace sg
