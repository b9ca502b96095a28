#include "Common/TextFiles.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace sg {
namespace {

TEST(DecodeText, KeepsUtf8AndDropsByteOrderMark) {
    EXPECT_EQ(decodeText("L*\t95.2\n").value(), "L*\t95.2\n");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "CGATS.17\n")
                  .value(),
              "CGATS.17\n");
    EXPECT_EQ(decodeText("caf\xC3\xA9").value(), "caf\xC3\xA9");
    // Only a leading mark is dropped.
    EXPECT_EQ(decodeText("a\xEF\xBB\xBF").value(), "a\xEF\xBB\xBF");
}

TEST(DecodeText, ReadsInvalidUtf8AsWindows1252) {
    // Older curve makers wrote the copyright and registered signs as single bytes.
    EXPECT_EQ(decodeText("# \xA9 2009 \xAE\n0").value(), "# \xC2\xA9 2009 \xC2\xAE\n0");
    EXPECT_EQ(decodeText("\x80\x99").value(), "\xE2\x82\xAC\xE2\x84\xA2");
    // Overlong and surrogate sequences are not UTF-8.
    EXPECT_EQ(decodeText("\xC0\xAF").value(), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(decodeText("\xED\xA0\x80").value(), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    // A truncated sequence at the end.
    EXPECT_EQ(decodeText("x\xE2\x82").value(), "x\xC3\xA2\xE2\x80\x9A");
}

TEST(DecodeText, RefusesNulBytes) {
    const auto result = decodeText(std::string_view("0\n\0\n1", 5));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.refusal().text, "The file holds a NUL byte, so it is not a text file.");
}

class TemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("silvergrain-test-" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

using AtomicWrite = TemporaryFolder;

TEST_F(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
    const auto target = folder / "curve.quad";
    std::ofstream(target) << "an older and much longer content";
    EXPECT_TRUE(saveTextFile(target, "## new\n0").isDone());
    EXPECT_EQ(readFileBytes(target).value(), "## new\n0");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(AtomicWrite, FailureLeavesTheTargetAndNoTemporary) {
    // A folder in the way of the target: the rename fails, even for root.
    const auto target = folder / "curve.quad";
    std::filesystem::create_directory(target);
    std::ofstream(target / "kept") << "old";
    const Outcome failure = saveTextFile(target, "new");
    ASSERT_TRUE(failure.isRefused());
    EXPECT_EQ(failure.alert()->title, "Failed to Save");
    EXPECT_EQ(failure.alert()->text, "\"curve.quad\" could not be written: Is a directory.");
    EXPECT_EQ(readFileBytes(target / "kept").value(), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(AtomicWrite, MissingFolderIsAFailure) {
    const Outcome failure = saveTextFile(folder / "no such folder" / "a.quad", "x");
    ASSERT_TRUE(failure.isRefused());
    EXPECT_EQ(failure.alert()->text, "\"a.quad\" could not be written: No such file or directory.");
}

TEST_F(TemporaryFolder, ReadingRefusesFoldersMissingAndOversizedFiles) {
    EXPECT_EQ(readFileBytes(folder).refusal().text, "The file could not be read: it is a folder.");
    EXPECT_EQ(readFileBytes(folder / "missing.quad").refusal().text,
              "The file could not be read: No such file or directory.");
    const auto large = folder / "large.txt";
    std::filesystem::resize_file((std::ofstream(large), large), maximumTextFileSize + 1);
    EXPECT_EQ(readFileBytes(large).refusal().text, "The file is larger than 64 MiB.");
}

}  // namespace
}  // namespace sg
