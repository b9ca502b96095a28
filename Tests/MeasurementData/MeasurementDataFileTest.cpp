#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Common/TextFiles.h"
#include "MeasurementData/MeasurementDataFile.h"
#include "MeasurementData/Regex.h"

namespace sg {
namespace {

using Lines = std::vector<std::string>;

Lines linesOf(std::string_view bytes) {
    const auto file = MeasurementDataFile::fromBytes("m.txt", bytes);
    EXPECT_TRUE(file.ok());
    return file ? file.value().measurementData : Lines{};
}

std::string typeOf(std::string_view bytes) {
    const DiagnosticsCapture quiet;
    const auto file = MeasurementDataFile::fromBytes("m.txt", bytes);
    return file ? file.value().detectFileType() : "refused";
}

TEST(MeasurementDataFileTest, CleanUpRemovesBlanksAndSplitsLines) {
    EXPECT_EQ(linesOf("Name, L*, a*, b*,\n A 1, 95.1\t,x\n"),
              (Lines{"Name,L*,a*,b*,", "A1,95.1\t,x", ""}));
    // CRLF lines keep their carriage return; CR-only files are split at it.
    EXPECT_EQ(linesOf("L*\r\n1\r\n2\r\n"), (Lines{"L*\r", "1\r", "2\r", ""}));
    EXPECT_EQ(linesOf("L*\r1\r2\r"), (Lines{"L*", "1", "2", ""}));
    // One line feed is enough to split at line feeds; the carriage returns then stay inside.
    EXPECT_EQ(linesOf("L*\r1\n2\n"), (Lines{"L*\r1", "2", ""}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBFL*\n1\n"), (Lines{"L*", "1", ""}));
    // Empty lines stay where they are.
    EXPECT_EQ(linesOf("a\n\n\nb\n\n"), (Lines{"a", "", "", "b", "", ""}));
}

TEST(MeasurementDataFileTest, LastLineHoldingDataGetsTheMissingLineBreak) {
    EXPECT_EQ(linesOf("L*\n1\n2"), (Lines{"L*", "1", "2", ""}));
    EXPECT_EQ(linesOf("L*\r\n1\r\n2"), (Lines{"L*\r", "1\r", "2", ""}));
    EXPECT_EQ(linesOf("L*\r1\r2"), (Lines{"L*", "1", "2", ""}));
    EXPECT_EQ(linesOf("CGATS.17"), (Lines{"CGATS.17", ""}));
    // Blank last lines hold no data: nothing is added.
    EXPECT_EQ(linesOf("L*\n1\n\t"), (Lines{"L*", "1", "\t"}));
    EXPECT_EQ(linesOf("L*\r\n1\r\n\r"), (Lines{"L*\r", "1\r", "\r"}));
    EXPECT_EQ(linesOf(""), (Lines{""}));
    EXPECT_EQ(linesOf("   "), (Lines{""}));
}

TEST(MeasurementDataFileTest, TextThatIsNotUtf8IsReadAsWindows1252) {
    const Lines lines = linesOf("L*\t\xA9 2019, \x93wedge\x94\n1\n");
    EXPECT_EQ(lines, (Lines{"L*\t\xC2\xA9"
                            "2019,\xE2\x80\x9Cwedge\xE2\x80\x9D",
                            "1", ""}));
}

TEST(MeasurementDataFileTest, FirstLineDecidesTheFormat) {
    struct Row {
        std::string firstLines;
        std::string type;
    };
    const std::vector<Row> rows = {
        {"CGATS.17\nGRAY\n", "CGATS"},
        {"CGATSx17\n", "CGATS"},    // the dot is any character
        {"  CGATS.17\n", "CGATS"},  // blanks are gone before the test
        {"\tCGATS.17\n", "Could not load file"},
        {"GRAY\tL*\n", "dataTool"},
        {"Name, L*, a*, b*,\n", "ColorMunki File"},
        {"Names\n", "ColorMunki File"},
        {"QTR-Linearize-Data\t1\n", "QTR-Linearize-Data-out file"},
        {"1\t95.1\t0\t0\n", "SpyderPrint File"},
        {"12.5\n", "SpyderPrint File"},
        {"value 95.1\n", "SpyderPrint File"},  // two digits and a dot anywhere
        {"9.5\n", "Could not load file"},
        {"L*\t\n", "miscWithHeader"},
        {"L*Patch 12\n", "miscWithHeader"},
        {"Patch\tL*\n", "StepWedgeTool File"},
        {"L\n", "Could not load file"},
        {"Measurements\n", "Could not load file"},
        {"\xEF\xBB\xBF"
         "GRAY\n",
         "dataTool"},
        {"", "Could not load file"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(typeOf(row.firstLines), row.type) << row.firstLines;
    }
    EXPECT_EQ(MeasurementDataFile().detectFileType(), "Could not load file");
}

TEST(MeasurementDataFileTest, RegexSearchesTheWholeTextAndAnchorsAtItsStart) {
    EXPECT_TRUE(Regex("^L\\*").matches("L*\t"));
    EXPECT_FALSE(Regex("^L\\*").matches("xL*"));
    EXPECT_FALSE(Regex("^Patch").matches("1\nPatch"));  // "^" is not a line start
    EXPECT_TRUE(Regex("^1|([0-9]{2})\\.([0-9]{0,2})").matches("abc 12."));
    EXPECT_FALSE(Regex("^1|([0-9]{2})\\.([0-9]{0,2})").matches("a1 2.5"));

    const DiagnosticsCapture capture;
    const Regex broken("([0-9]");
    EXPECT_EQ(capture.text(), "Failed to parse ([0-9] as a regular expression\n");
    EXPECT_TRUE(broken.matches(""));
    EXPECT_TRUE(broken.matches("anything"));
}

TEST(MeasurementDataFileTest, ColorMunkiDetectionIsReported) {
    const auto file = MeasurementDataFile::fromBytes("m.txt", "Name,L*,a*,b*,\n");
    ASSERT_TRUE(file.ok());
    const DiagnosticsCapture capture;
    EXPECT_EQ(file.value().detectFileType(), "ColorMunki File");
    EXPECT_EQ(capture.text(), "It is a ColorMunkiFile\n");
}

TEST(MeasurementDataFileTest, UnreadableFilesAreRefusedWithTheLoadFailure) {
    const Alert failure = measurementLoadFailure();
    EXPECT_EQ(failure.messageText, "Failed to Load Measurement Data");
    EXPECT_EQ(failure.informativeText,
              "Please check the measurement data format and load data again.\n\nIf this problem "
              "continues send the measurement data file using the send feedback form in the help "
              "menu.");

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "silvergrain-measurement-file-test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path withNul = folder / "nul.txt";
    std::ofstream(withNul, std::ios::binary) << std::string("L*\n1\0\n", 6);
    std::ofstream(folder / "wedge 21.txt", std::ios::binary) << "L*\n\n95\n";

    const DiagnosticsCapture capture;
    for (const std::filesystem::path& path : {folder / "missing.txt", folder, withNul}) {
        const auto file = MeasurementDataFile::load(path);
        ASSERT_FALSE(file.ok()) << path;
        EXPECT_EQ(file.error(), failure) << path;
    }
    EXPECT_NE(capture.text().find("NUL"), std::string::npos);

    const auto readable = MeasurementDataFile::load(folder / "wedge 21.txt");
    ASSERT_TRUE(readable.ok());
    EXPECT_EQ(readable.value().filename, "wedge 21.txt");
    EXPECT_EQ(readable.value().measurementData, (Lines{"L*", "", "95", ""}));

    const std::string tooLarge(maximumTextFileSize + 1, '\n');
    EXPECT_FALSE(MeasurementDataFile::fromBytes("big.txt", tooLarge).ok());
    std::filesystem::remove_all(folder);
}

// Each number reads fine, but averaging 1e308s or converting a density of -400 overflows: no
// series with an infinite L* may reach the correction curve.
TEST(MeasurementDataFileTest, SeriesThatOverflowAreRefused) {
    std::string cgats =
        "CGATS.17\nNUMBER_OF_FIELDS\t2\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\n"
        "END_DATA_FORMAT\nNUMBER_OF_SETS\t42\nBEGIN_DATA\n";
    for (int row = 1; row <= 42; ++row) {
        cgats += std::to_string(row) + "\t1e308\n";
    }
    cgats += "END_DATA\n";
    std::string densities;
    for (int row = 1; row <= 21; ++row) {
        densities += std::to_string(row) + "\t-400\t0\t0\n";
    }

    const DiagnosticsCapture quiet;
    for (const std::string& bytes : {cgats, densities}) {
        const auto file = MeasurementDataFile::fromBytes("m.txt", bytes);
        ASSERT_TRUE(file.ok());
        bool loadingError = true;
        const auto series = loadMeasurementSeries(file.value(), loadingError);
        ASSERT_FALSE(series.ok()) << bytes.substr(0, 8);
        EXPECT_EQ(series.error(), measurementLoadFailure());
        EXPECT_TRUE(loadingError);
    }
    // The automatic tool does not average: its 42 values are large but finite.
    bool loadingError = true;
    const auto automatic = loadAutomaticMeasurementSeries(
        MeasurementDataFile::fromBytes("m.txt", cgats).value(), loadingError);
    ASSERT_TRUE(automatic.ok());
    EXPECT_EQ(automatic.value(), std::vector<double>(42, 1e308));
    EXPECT_FALSE(loadingError);
}

}  // namespace
}  // namespace sg
