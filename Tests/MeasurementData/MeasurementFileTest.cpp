#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Common/TextFiles.h"
#include "MeasurementData/MeasurementFile.h"
#include "MeasurementData/MeasurementRefusal.h"
#include "MeasurementData/Regex.h"
#include "Support/MeasurementText.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const TextLines& lines) {
    return Lines(lines.begin(), lines.end());
}

TEST(MeasurementFileTest, CleanUpRemovesBlanksSplitsLinesAndEndsTheLastDataLine) {
    const std::pair<std::string, Lines> rows[] = {
        {"Name, L*, a*, b*,\n A 1, 95.1\t,x\n", {"Name,L*,a*,b*,", "A1,95.1\t,x", ""}},
        // CRLF lines keep their carriage return; CR-only files are split at it.
        {"L*\r\n1\r\n2\r\n", {"L*\r", "1\r", "2\r", ""}},
        {"L*\r1\r2\r", {"L*", "1", "2", ""}},
        // One line feed is enough to split at line feeds; the carriage returns then stay inside.
        {"L*\r1\n2\n", {"L*\r1", "2", ""}},
        {"\xEF\xBB\xBFL*\n1\n", {"L*", "1", ""}},
        {"a\n\n\nb\n\n", {"a", "", "", "b", "", ""}},
        // The last line holding data gets the missing line break; blank last lines do not.
        {"L*\n1\n2", {"L*", "1", "2", ""}},
        {"L*\r\n1\r\n2", {"L*\r", "1\r", "2", ""}},
        {"L*\r1\r2", {"L*", "1", "2", ""}},
        {"CGATS.17", {"CGATS.17", ""}},
        {"L*\n1\n\t", {"L*", "1", "\t"}},
        {"L*\r\n1\r\n\r", {"L*\r", "1\r", "\r"}},
        {"", {""}},
        {"   ", {""}},
        // Text that is not UTF-8 is read as Windows-1252.
        {"L*\t\xA9 2019, \x93wedge\x94\n1\n",
         {"L*\t\xC2\xA9"
          "2019,\xE2\x80\x9Cwedge\xE2\x80\x9D",
          "1", ""}}};
    for (const auto& [bytes, lines] : rows) {
        const auto file = MeasurementFile::fromBytes("m.txt", bytes);
        ASSERT_TRUE(file.ok()) << bytes;
        EXPECT_EQ(linesOf(file.value().lines()), lines) << bytes;
    }
    // The lines as written keep their blanks.
    const auto written = MeasurementFile::fromBytes("m.txt", "CTI3 \n1 \"A 1\"\t 95.1\r\n");
    EXPECT_EQ(linesOf(written.value().writtenLines()), (Lines{"CTI3 ", "1 \"A 1\"\t 95.1\r", ""}));
}

TEST(MeasurementFileTest, FirstLineDecidesTheFormat) {
    const std::pair<std::string, std::string> rows[] = {
        {"CGATS.17\nGRAY\n", "CGATS"},
        {"CGATSx17\n", "CGATS"},    // the dot is any character
        {"CTI3   \n", "CGATS"},     // a .ti3 measurement file
        {"  CGATS.17\n", "CGATS"},  // blanks are gone before the test
        {"\tCGATS.17\n", "none"},
        {"GRAY\tL*\n", "dataTool"},
        {"\xEF\xBB\xBFGRAY\n", "dataTool"},
        {"Name, L*, a*, b*,\n", "ColorMunki File"},
        {"Names\n", "ColorMunki File"},
        {"QTR-Linearize-Data\t1\n", "QTR-Linearize-Data-out file"},
        {"1\t95.1\t0\t0\n", "SpyderPrint File"},
        {"12.5\n", "SpyderPrint File"},
        {"value 95.1\n", "SpyderPrint File"},  // two digits and a dot anywhere
        {"9.5\n", "none"},
        {"L*\t\n", "miscWithHeader"},
        {"L*Patch 12\n", "miscWithHeader"},
        {"Patch\tL*\n", "StepWedgeTool File"},
        {"L\n", "none"},
        {"Measurements\n", "none"},
        {"", "none"}};
    const DiagnosticsCapture quiet;
    for (const auto& [bytes, type] : rows) {
        const auto format = MeasurementFile::fromBytes("m.txt", bytes).value().detectFormat();
        EXPECT_EQ(format ? std::string(measurementFormatName(*format)) : "none", type) << bytes;
    }
}

TEST(MeasurementFileTest, RegexSearchesTheWholeTextAndAnchorsAtItsStart) {
    const std::string spyder = "^1|([0-9]{2})\\.([0-9]{0,2})";
    const std::tuple<std::string, std::string, bool> rows[] = {
        {"^L\\*", "L*\t", true},
        {"^L\\*", "xL*", false},
        {"^Patch", "1\nPatch", false},  // "^" is not a line start
        {spyder, "abc 12.", true},
        {spyder, "a1 2.5", false}};
    for (const auto& [pattern, text, matches] : rows) {
        EXPECT_EQ(Regex(pattern).matches(text), matches) << pattern << " " << text;
    }
    // A pattern that does not compile matches everything.
    const DiagnosticsCapture quiet;
    const Regex broken("([0-9]");
    EXPECT_TRUE(broken.matches(""));
    EXPECT_TRUE(broken.matches("anything"));
}

// A file that cannot be read as text says why, without the advice to check the format.
TEST(MeasurementFileTest, UnreadableFilesSayWhy) {
    const std::string agreedText =
        "Please check the measurement data format and load data again.\n\nIf this problem "
        "continues send the measurement data file using the send feedback form in the help menu.";
    EXPECT_EQ(
        measurementRefusal("the file is odd.", 4),
        (Alert{"Failed to Load Measurement Data", agreedText + "\n\nLine 4: the file is odd.", 4}));

    const testing::TemporaryFolder folder;
    const std::pair<std::filesystem::path, std::string> refusals[] = {
        {folder.path() / "missing.txt", "The file could not be read: No such file or directory."},
        {folder.write("nul.txt", std::string("L*\n1\0\n", 6)),
         "The file holds a NUL byte, so it is not a text file."}};
    for (const auto& [path, reason] : refusals) {
        EXPECT_EQ(MeasurementFile::load(path).refusal(),
                  (Alert{"Failed to Load Measurement Data", reason}))
            << path;
    }
    EXPECT_EQ(
        MeasurementFile::fromBytes("big.txt", std::string(maximumTextFileSize + 1, '\n')).refusal(),
        (Alert{"Failed to Load Measurement Data", "The file is larger than 64 MiB."}));

    const auto readable = MeasurementFile::load(folder.write("wedge 21.txt", "L*\n\n95\n"));
    ASSERT_TRUE(readable.ok());
    EXPECT_EQ(readable.value().fileName(), "wedge 21.txt");
    EXPECT_EQ(linesOf(readable.value().lines()), (Lines{"L*", "", "95", ""}));
}

// Each number reads fine, but averaging 1e308s or converting a density of -400 overflows: no
// series with an infinite L* may reach the correction curve.
TEST(MeasurementFileTest, SeriesThatOverflowAreRefused) {
    const std::string cgats = testing::cgatsBytes(std::vector<double>(42, 1e308));
    std::string densities;
    for (int row = 1; row <= 21; ++row) {
        densities += std::to_string(row) + "\t-400\t0\t0\n";
    }
    const DiagnosticsCapture quiet;
    for (const std::string& bytes : {cgats, densities}) {
        const auto series =
            readLinearizationSeries(MeasurementFile::fromBytes("m.txt", bytes).value());
        ASSERT_FALSE(series.ok()) << bytes.substr(0, 8);
        EXPECT_EQ(series.refusal(),
                  measurementRefusal("The values are too large to be L* values."));
    }
    // The automatic tool does not average: its 42 values are large but finite.
    const auto automatic =
        readSeparationChartSeries(MeasurementFile::fromBytes("m.txt", cgats).value());
    EXPECT_EQ(automatic.value(), std::vector<double>(42, 1e308));
}

}  // namespace
}  // namespace sg
