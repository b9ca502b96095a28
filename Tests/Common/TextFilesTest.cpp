#include "Common/TextFiles.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Common/PendingFile.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

namespace fs = std::filesystem;
using testing::TemporaryFolder;

TEST(DecodeText, KeepsUtf8DropsTheByteOrderMarkAndRefusesNul) {
    EXPECT_EQ(decodeText("L*\t95.2\n").value(), "L*\t95.2\n");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "CGATS.17\n")
                  .value(),
              "CGATS.17\n");
    EXPECT_EQ(decodeText("caf\xC3\xA9").value(), "caf\xC3\xA9");
    // Only a leading mark is dropped.
    EXPECT_EQ(decodeText("a\xEF\xBB\xBF").value(), "a\xEF\xBB\xBF");
    EXPECT_EQ(
        decodeText(std::string_view("0\n\0\n1", 5)).refusal(),
        (Alert{"Failed to Read File", "The file holds a NUL byte, so it is not a text file."}));
}

// Text that is not UTF-8 is read in the code page whose reading is the more plausible.
TEST(DecodeText, ChoosesBetweenWindows1252AndMacRoman) {
    const std::pair<std::string, std::string> rows[] = {
        // A brand name with a Mac "(R)" byte; on Windows it would be a diaeresis.
        {"Pictorico\xA8 Pro", "Pictorico\xC2\xAE Pro"},
        {"Copyright \xA9 2009\nPictorico\xA8", "Copyright \xC2\xA9 2009\nPictorico\xC2\xAE"},
        // Windows "(R)" standing alone; on a Mac it would be a letter outside any word.
        {"# \xA9 2009 \xAE\n0", "# \xC2\xA9 2009 \xC2\xAE\n0"},
        // The same word from each side: no upper-case letter after a lower-case one.
        {"caf\x8E au lait", "caf\xC3\xA9 au lait"},
        {"caf\xE9 au lait", "caf\xC3\xA9 au lait"},
        {"\xD2Paper\xD3", "\xE2\x80\x9CPaper\xE2\x80\x9D"},
        // An upper-case word: on a Mac the byte would be a quotation mark.
        {"M\xDCNCHEN", "M\xC3\x9CNCHEN"},
        // A tie goes to Windows-1252: both read as two plausible characters here.
        {"\x80\x99", "\xE2\x82\xAC\xE2\x84\xA2"},
        // Not UTF-8: a truncated sequence at the end.
        {"x\xE2\x82", "x\xC3\xA2\xE2\x80\x9A"},
    };
    for (const auto& [bytes, text] : rows) {
        EXPECT_EQ(decodeText(bytes).value(), text) << bytes;
    }
}

// A named pipe nobody writes to would hang an open or a read: each is refused before that.
TEST(ReadFileBytes, ReadsOnlyRegularFiles) {
    const TemporaryFolder folder;
    const fs::path pipe = folder.path() / "wedge.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path large = folder.write("large.txt", "");
    fs::resize_file(large, maximumTextFileSize + 1);

    const std::pair<fs::path, std::string> rows[] = {
        {pipe, "\"wedge.txt\" is not a regular file but a named pipe."},
        {folder.path(),
         "\"" + folder.path().filename().string() + "\" is not a regular file but a folder."},
        {"/dev/zero", "\"zero\" is not a regular file but a device."},
        {folder.path() / "missing.quad", "The file could not be read: No such file or directory."},
        {large, "The file is larger than 64 MiB."},
    };
    for (const auto& [path, text] : rows) {
        EXPECT_EQ(readFileBytes(path).refusal(), (Alert{"Failed to Read File", text}));
    }

    // A file whose size the system does not know is read to its end.
    const Result<std::string> status = readFileBytes("/proc/self/status");
    ASSERT_TRUE(status.ok());
    EXPECT_NE(status.value().find("\nPid:"), std::string::npos);
    // Exactly 64 MiB is allowed.
    fs::resize_file(large, maximumTextFileSize);
    EXPECT_EQ(readFileBytes(large).value().size(), maximumTextFileSize);
}

TEST(ReadTextFile, DecodesLikeDecodeText) {
    const TemporaryFolder folder;
    for (const std::string bytes : {"\xEF\xBB\xBFL*\n95\n", "Pictorico\xA8\n", "a\nb"}) {
        EXPECT_EQ(readTextFile(folder.write("text.txt", bytes)).value(), decodeText(bytes).value());
    }
    EXPECT_EQ(readTextFile(folder.write("nul.txt", std::string("a\0", 2))).refusal(),
              decodeText(std::string("a\0", 2)).refusal());
}

mode_t permissionsOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SaveTextFile, ReplacesTheWholeFileKeepingItsPermissions) {
    const TemporaryFolder folder;
    const fs::path target = folder.write("curve.quad", "an older and much longer content");
    ::chmod(target.c_str(), 0600);
    EXPECT_TRUE(saveTextFile(target, "## new\n0").isDone());
    EXPECT_EQ(folder.read("curve.quad"), "## new\n0");
    EXPECT_EQ(permissionsOf(target), 0600u);

    // A new file gets the ordinary permissions.
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(saveTextFile(folder.path() / "new.quad", "x").isDone());
    ::umask(mask);
    EXPECT_EQ(permissionsOf(folder.path() / "new.quad"), 0644u);
    EXPECT_EQ(entriesIn(folder.path()), 2u);  // no temporary left
}

// Saving over a symbolic link replaces the file it points to and keeps the link.
TEST(SaveTextFile, FollowsSymbolicLinks) {
    const TemporaryFolder folder;
    fs::create_directory(folder.path() / "curves");
    const fs::path real = folder.write("curves/real.quad", "old");
    ::chmod(real.c_str(), 0600);
    fs::create_symlink("curves/real.quad", folder.path() / "link.quad");
    fs::create_symlink(folder.path() / "link.quad", folder.path() / "link-to-link.quad");
    fs::create_symlink("curves/later.quad", folder.path() / "dangling.quad");

    EXPECT_TRUE(saveTextFile(folder.path() / "link-to-link.quad", "new").isDone());
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.quad"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link-to-link.quad"));
    EXPECT_EQ(folder.read("curves/real.quad"), "new");
    EXPECT_EQ(permissionsOf(real), 0600u);
    // A link to nothing yet: the file it names is made.
    EXPECT_TRUE(saveTextFile(folder.path() / "dangling.quad", "made").isDone());
    EXPECT_TRUE(fs::is_symlink(folder.path() / "dangling.quad"));
    EXPECT_EQ(folder.read("curves/later.quad"), "made");
    EXPECT_EQ(entriesIn(folder.path() / "curves"), 2u);

    fs::create_symlink("loop-b.quad", folder.path() / "loop-a.quad");
    fs::create_symlink("loop-a.quad", folder.path() / "loop-b.quad");
    EXPECT_EQ(saveTextFile(folder.path() / "loop-a.quad", "x").alert(),
              (Alert{"Failed to Save",
                     "\"loop-a.quad\" could not be written: Too many levels of symbolic links."}));
}

TEST(SaveTextFile, FailureLeavesTheTargetAndNoTemporary) {
    const TemporaryFolder folder;
    // A folder in the way of the target is found before anything is written.
    fs::create_directory(folder.path() / "curve.quad");
    folder.write("curve.quad/kept", "old");
    const std::pair<fs::path, std::string> rows[] = {
        {folder.path() / "curve.quad", "\"curve.quad\" could not be written: Is a directory."},
        {folder.path() / "no such folder" / "a.quad",
         "\"a.quad\" could not be written: No such file or directory."},
    };
    for (const auto& [path, text] : rows) {
        EXPECT_EQ(saveTextFile(path, "new").alert(), (Alert{"Failed to Save", text}));
    }
    EXPECT_EQ(folder.read("curve.quad/kept"), "old");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(PendingFile, ReplacesNothingUntilCommitted) {
    const TemporaryFolder folder;
    const fs::path target = folder.write("Black.xml", "old");
    {
        Result<PendingFile> pending = PendingFile::write(target, "new");
        ASSERT_TRUE(pending.ok());
        EXPECT_EQ(folder.read("Black.xml"), "old");
        EXPECT_EQ(entriesIn(folder.path()), 2u);
    }
    // Dropped uncommitted: the temporary went, the target stayed.
    EXPECT_EQ(folder.read("Black.xml"), "old");
    EXPECT_EQ(entriesIn(folder.path()), 1u);

    Result<PendingFile> pending = PendingFile::write(target, "new");
    ASSERT_TRUE(pending.ok());
    EXPECT_TRUE(pending.value().commit().isDone());
    EXPECT_EQ(folder.read("Black.xml"), "new");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

}  // namespace
}  // namespace sg
