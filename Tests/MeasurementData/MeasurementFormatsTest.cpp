#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "MeasurementData/MeasurementFile.h"
#include "MeasurementData/MeasurementRefusal.h"
#include "MeasurementData/SpyderPrintFile.h"
#include "Support/MeasurementText.h"

namespace sg {
namespace {

using testing::measurementFixtureBytes;
using testing::wedge21;
using Values = std::vector<double>;

struct Loaded {
    std::string type;
    Result<Values> series = Alert{};
};

Loaded loadBytes(std::string_view bytes, bool automatic = false) {
    Loaded loaded;
    const DiagnosticsCapture quiet;
    const auto file = MeasurementFile::fromBytes("m.txt", bytes);
    if (!file) {
        loaded.series = file.refusal();
        return loaded;
    }
    const auto format = file.value().detectFormat();
    loaded.type = format ? std::string(measurementFormatName(*format)) : "none";
    loaded.series =
        automatic ? readSeparationChartSeries(file.value()) : readLinearizationSeries(file.value());
    return loaded;
}

Loaded loadFixture(const std::string& name, bool automatic = false) {
    return loadBytes(measurementFixtureBytes(name), automatic);
}

Values seriesOf(const Loaded& loaded) {
    EXPECT_TRUE(loaded.series.ok()) << (loaded.series ? "" : loaded.series.refusal().text);
    return loaded.series ? loaded.series.value() : Values{};
}

void expectNearWedge(const Values& actual) {
    ASSERT_EQ(actual.size(), wedge21.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], wedge21[i], 1e-9) << i;
    }
}

TEST(MeasurementFormatsTest, EachFormatYieldsTheWedge) {
    const std::pair<const char*, const char*> rows[] = {
        {"cgats-wedge21.txt", "CGATS"},
        {"cgats-wedge21-crlf-bom.txt", "CGATS"},
        {"cgats-wedge21-cr.txt", "CGATS"},
        {"datatool-wedge21.txt", "dataTool"},
        {"qtr-linearize-data-wedge21.txt", "QTR-Linearize-Data-out file"},
        {"colormunki-dark-to-light-crlf.txt", "ColorMunki File"},
        {"stepwedgetool-wedge21.txt", "StepWedgeTool File"},
        {"misc-lstar-wedge21-cr.txt", "miscWithHeader"},
        {"misc-lstar-wedge21-no-final-break.txt", "miscWithHeader"},
        {"spyderprint-rowindex-decimal-commas.txt", "SpyderPrint File"},
        {"spyderprint-values.txt", "SpyderPrint File"}};
    for (const auto& [fixture, type] : rows) {
        SCOPED_TRACE(fixture);
        const Loaded loaded = loadFixture(fixture);
        EXPECT_EQ(loaded.type, type);
        EXPECT_EQ(seriesOf(loaded), wedge21);
    }
}

// CGATS as instruments and other programs write it: separated by blanks, quoted names with
// blanks, a tab followed by blanks; XYZ without LAB_L; a .ti3 file. L* from XYZ_Y by hand:
// 116 * cbrt(Y / 100) - 16, so Y = 72.9, 34.3, 12.5, 6.4 and 2.7 give 88.4, 65.2, 42, 30.4 and
// 18.8; Y = 0.8 lies below 100 * 216/24389 and gives 24389/27 * 0.008.
TEST(MeasurementFormatsTest, InstrumentWrittenCgatsGivesTheHandComputedSeries) {
    const Values fromLuminance = {88.4, 65.2, 42, 30.4, 18.8, 24389.0 / 27.0 * 0.008};
    const std::pair<const char*, Values> rows[] = {
        {"cgats-blank-separated-quoted.txt", {95.12, 71.61, 48.07, 24.51, 2.35}},
        {"cgats-xyz-only.txt", fromLuminance},
        {"wedge-6-steps.ti3", fromLuminance},
    };
    for (const auto& [fixture, expected] : rows) {
        SCOPED_TRACE(fixture);
        for (const bool automatic : {false, true}) {
            const Loaded loaded = loadFixture(fixture, automatic);
            EXPECT_EQ(loaded.type, "CGATS");
            const Values series = seriesOf(loaded);
            ASSERT_EQ(series.size(), expected.size());
            for (std::size_t i = 0; i < series.size(); ++i) {
                EXPECT_NEAR(series[i], expected[i], 1e-12) << i;
            }
        }
    }
}

TEST(MeasurementFormatsTest, LineEndsAndByteOrderMarkDoNotChangeTheSeries) {
    for (const std::string name :
         {"cgats-wedge21.txt", "cgats-wedge21x3-interleaved.txt",
          "cgats-blank-separated-quoted.txt", "wedge-6-steps.ti3", "datatool-wedge21.txt",
          "qtr-linearize-data-wedge21.txt", "stepwedgetool-wedge21.txt",
          "spyderprint-rowindex-decimal-commas.txt", "spyderprint-densities.txt",
          "spyderprint-wedge21x3-interleaved.txt"}) {
        SCOPED_TRACE(name);
        const std::string lf = measurementFixtureBytes(name);
        const std::string unended = lf.substr(0, lf.size() - 1);
        const Values expected = seriesOf(loadFixture(name));
        for (const std::string& variant :
             {replaceAll(lf, "\n", "\r\n"), replaceAll(lf, "\n", "\r"), "\xEF\xBB\xBF" + lf,
              unended, replaceAll(unended, "\n", "\r\n")}) {
            EXPECT_EQ(seriesOf(loadBytes(variant)), expected);
        }
    }
}

TEST(MeasurementFormatsTest, RepeatedMeasurementsAreAveragedForLinearizationOnly) {
    for (const std::string name : {"cgats-wedge21x3-interleaved.txt", "cgats-wedge21x3-grouped.txt",
                                   "spyderprint-wedge21x3-interleaved.txt"}) {
        SCOPED_TRACE(name);
        expectNearWedge(seriesOf(loadFixture(name)));
    }

    // The automatic tool takes every CGATS value in file order and refuses other formats.
    const Loaded automatic = loadFixture("cgats-wedge21x3-interleaved.txt", true);
    const Values all = seriesOf(automatic);
    ASSERT_EQ(all.size(), 63u);
    EXPECT_DOUBLE_EQ(all[0], wedge21[0] + 0.3);
    EXPECT_DOUBLE_EQ(all[21], wedge21[0] - 0.1);
    EXPECT_DOUBLE_EQ(all[62], wedge21[20] - 0.2);
    const Loaded dataTool = loadFixture("datatool-wedge21.txt", true);
    EXPECT_EQ(dataTool.series.refusal(),
              (Alert{"Failed to Load Measurement Data",
                     "Automatic curve creation reads CGATS files only."}));
}

TEST(MeasurementFormatsTest, EachParserReadsOnlyItsOwnRows) {
    const std::string cgatsHead =
        "CGATS.17\nNUMBER_OF_FIELDS\t2\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\nEND_DATA_FORMAT\n";
    const std::pair<std::string, Values> rows[] = {
        // CGATS: NUMBER_OF_SETS rows only, END_DATA not needed, the count after tabs or a blank.
        {cgatsHead + "NUMBER_OF_SETS\t2\n\t BEGIN_DATA\n1\t90\n2\t10\n3\tx\n", {90, 10}},
        {cgatsHead + "NUMBER_OF_SETS\t\t2\nBEGIN_DATA\n1\t90\n2\t10", {90, 10}},
        {cgatsHead + "NUMBER_OF_SETS 2\nBEGIN_DATA\n1\t90\n2\t10", {90, 10}},
        {cgatsHead + "NUMBER_OF_SETS\t2\nBEGIN_DATA\n1\t   90.5\t\n2\t10\n", {90.5, 10}},
        // The row after a StepWedgeTool or misc header is not a patch; the last line never is.
        {"L*\n100\n90\n50\n10\n", {90, 50, 10}},
        {"Patch\tD\tL*\n0\t0\t100\n1\t0\t90\n2\t1\t10\n", {90, 10}},
        // Reading stops at the first bad row and keeps what came before.
        {"L*\n100\n90\n50\nn/a\n10\n", {90, 50}},
        {"95.5\n90\n\n10\n", {95.5, 90}},
        // SpyderPrint: a first line starting with 1 but with two cells reads the row numbers.
        {"1\t95.5\n2\t80\n3\t60\n4\t40\n5\t20\n6\t5\n", {1, 2, 3, 4, 5, 6}},
        // ColorMunki sorts from the highest L*.
        {"Name,L*,a*,b*,\nA,50,0,0\nB,95,0,0\nC,5,0,0\nD,70,0,0\n", {95, 70, 50, 5}},
        // QuadToneRIP data: rows 3 to n - 7 only.
        {"QTR-Linearize-Data\nx\nx\n1\t0\t90\n2\t1\t10\nx\nx\nx\nx\nx\n", {90, 10}},
        // More than 4 L* apart: not taken for densities.
        {"52.0\n50.0\n47.99\n\n", {52, 50, 47.99}}};
    for (const auto& [bytes, expected] : rows) {
        EXPECT_EQ(seriesOf(loadBytes(bytes)), expected) << bytes;
    }

    const DiagnosticsCapture quiet;
    EXPECT_EQ(readSpyderPrintLightness(TextLines("1\t95,5\t0,1\t-0,2\n2\t5,25\t0\t0\n")).value(),
              (Values{95.5, 5.25}));
}

TEST(MeasurementFormatsTest, SpyderPrintDensitiesBecomeLightness) {
    const Loaded loaded = loadFixture("spyderprint-densities.txt");
    const Values series = seriesOf(loaded);
    ASSERT_EQ(series.size(), 21u);
    EXPECT_NEAR(series.front(), 95.6, 0.05);  // density 0.05
    // Density 2.30: Y = 0.00501 lies below 216/24389, on the straight segment; the cube root
    // would give 3.86.
    EXPECT_NEAR(series.back(), 4.527, 0.001);
    EXPECT_TRUE(std::is_sorted(series.rbegin(), series.rend()));
    // Nearly flat L* (within 4) is taken for densities too: 10^-52 is black.
    EXPECT_NEAR(seriesOf(loadBytes("52.0\n50.0\n48.0\n\n"))[0], 0.0, 1e-9);
}

TEST(MeasurementFormatsTest, FilesWithoutAUsableSeriesAreRefusedWithTheReason) {
    const std::string cgats = measurementFixtureBytes("cgats-wedge21.txt");
    const auto without = [&](std::string_view part, std::string_view by = "") {
        return replaceAll(cgats, part, by);
    };
    std::string shortRow = cgats;
    const std::size_t rowStart = shortRow.find("\n11\tA11\t") + 1;
    shortRow.replace(rowStart, shortRow.find('\n', rowStart) - rowStart, "11\tA11");
    const std::string unrecognised =
        "the first line is none of the known formats (CGATS.17, CTI3, ColorMunki, SpyderPrint, "
        "StepWedgeTool, QTR-Linearize-Data, GRAY, L*).";
    const std::string noLines = "The file holds no measurement lines.";
    struct Row {
        std::string what;
        std::string bytes;
        std::string reason;
        std::optional<std::size_t> line;
    };
    const Row rows[] = {
        {"unknown format", measurementFixtureBytes("unknown-format.txt"), unrecognised, 1},
        {"patch set without LAB_L", measurementFixtureBytes("cgats-patchset-nolab.txt"),
         "the data format has no LAB_L or XYZ_Y column.", 4},
        {"dataTool bad row", measurementFixtureBytes("datatool-bad-row.txt"),
         "\"-\" in column 2 is not a number.", 9},
        {"ColorMunki bad row", measurementFixtureBytes("colormunki-bad-row.txt"),
         "the row has no column 2.", 6},
        {"QTR data too short", measurementFixtureBytes("qtr-linearize-data-short.txt"), noLines,
         std::nullopt},
        {"no NUMBER_OF_FIELDS", without("NUMBER_OF_FIELDS\t8\n"),
         "The file has no NUMBER_OF_FIELDS line.", std::nullopt},
        {"no BEGIN_DATA_FORMAT", without("BEGIN_DATA_FORMAT\n"),
         "The file has no BEGIN_DATA_FORMAT line.", std::nullopt},
        {"no LAB_L or XYZ_Y", replaceAll(without("LAB_L", "lab_l"), "XYZ_Y", "XYZ_y"),
         "the data format has no LAB_L or XYZ_Y column.", 12},
        {"one patch", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t1"),
         "The file holds one measurement; a curve needs at least two.", std::nullopt},
        {"blank-separated row too short",
         replaceAll(measurementFixtureBytes("cgats-blank-separated-quoted.txt"),
                    "\"Step 4\"   24.51   0.22   1.31", "\"Step 4\""),
         "the data line has no LAB_L value.", 14},
        {"luminance not a number",
         replaceAll(measurementFixtureBytes("cgats-xyz-only.txt"), "\t12.5\t", "\t12,5\t"),
         "\"12,5\" in the XYZ_Y column is not a number.", 12},
        {"no NUMBER_OF_SETS", without("NUMBER_OF_SETS\t21\n"),
         "The file has no NUMBER_OF_SETS line.", std::nullopt},
        {"zero sets", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t0"),
         "NUMBER_OF_SETS is \"0\", not a whole number of at least 1.", 15},
        {"sets not a number", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t21a"),
         "NUMBER_OF_SETS is \"21a\", not a whole number of at least 1.", 15},
        {"too few data lines", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t30"),
         "NUMBER_OF_SETS announces 30 data lines, but only 23 lines follow BEGIN_DATA.", 39},
        {"no BEGIN_DATA", without("BEGIN_DATA\n1\t", "1\t"), "The file has no BEGIN_DATA line.",
         std::nullopt},
        {"unreadable L*", without("   57.50", "   57,50"),
         "\"57,50\" in the LAB_L column is not a number.", 25},
        {"short row", shortRow, "the data line has no LAB_L value.", 27},
        {"ColorMunki without its header", "Name\nA,50\nB,40\n",
         "the header does not begin with \"Name,L*,a*,b*,\".", 1},
        {"StepWedgeTool without values", "Patch\tL*\n0\t0\t100\nx\n", "the row has no column 3.",
         3},
        {"misc with only a header", "L*\n100\n", noLines, std::nullopt},
        {"SpyderPrint without a value", "12.5.\n", "\"12.5.\" in column 1 is not a number.", 1},
        {"empty file", "", unrecognised, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Loaded loaded = loadBytes(row.bytes);
        ASSERT_FALSE(loaded.series.ok());
        EXPECT_EQ(loaded.series.refusal(), measurementRefusal(row.reason, row.line));
    }
}

}  // namespace
}  // namespace sg
