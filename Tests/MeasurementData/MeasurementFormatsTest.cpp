#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "MeasurementData/AutomaticCurveCreationCgatsFile.h"
#include "MeasurementData/CgatsFile.h"
#include "MeasurementData/MeasurementDataFile.h"
#include "MeasurementData/SpyderPrintFile.h"
#include "MeasurementFixtures.h"

namespace sg {
namespace {

using testing::measurementFixtureBytes;
using testing::wedge21;
using Values = std::vector<double>;

struct Loaded {
    std::string type;
    Result<Values> series = Result<Values>::failure({});
    bool loadingError = true;
    std::string diagnostics;
};

Loaded loadBytes(std::string_view bytes, bool automatic = false, bool loadingError = true) {
    Loaded loaded;
    loaded.loadingError = loadingError;
    const DiagnosticsCapture capture;
    const auto file = MeasurementDataFile::fromBytes("m.txt", bytes);
    if (!file) {
        loaded.series = Result<Values>::failure(file.error());
        return loaded;
    }
    loaded.type = file.value().detectFileType();
    loaded.series = automatic ? loadAutomaticMeasurementSeries(file.value(), loaded.loadingError)
                              : loadMeasurementSeries(file.value(), loaded.loadingError);
    loaded.diagnostics = capture.text();
    return loaded;
}

Loaded loadFixture(const std::string& name, bool automatic = false) {
    return loadBytes(measurementFixtureBytes(name), automatic);
}

Values seriesOf(const Loaded& loaded) {
    EXPECT_TRUE(loaded.series.ok()) << loaded.diagnostics;
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
        EXPECT_FALSE(loaded.loadingError);
        EXPECT_TRUE(loaded.diagnostics.ends_with("Loading error :false\n"));
    }
}

TEST(MeasurementFormatsTest, LineEndsAndByteOrderMarkDoNotChangeTheSeries) {
    for (const std::string name :
         {"cgats-wedge21.txt", "cgats-wedge21x3-interleaved.txt", "datatool-wedge21.txt",
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
    EXPECT_NE(loadFixture("cgats-wedge21x3-interleaved.txt").diagnostics.find("need sorting"),
              std::string::npos);
    EXPECT_NE(
        loadFixture("spyderprint-wedge21x3-interleaved.txt").diagnostics.find("needs averaging\n"),
        std::string::npos);

    // 256 values pass the repeat test (256 / 128) but hold one sample per patch: kept as read.
    Values descending;
    std::string values256;
    for (int i = 0; i < 256; ++i) {
        descending.push_back(96.0 - 0.25 * i);
        values256 += std::to_string(descending.back()) + "\n";
    }
    EXPECT_EQ(seriesOf(loadBytes(testing::cgatsBytes(descending))), descending);
    EXPECT_EQ(seriesOf(loadBytes(values256)), descending);

    // The automatic tool takes every CGATS value in file order and refuses other formats.
    const Loaded automatic = loadFixture("cgats-wedge21x3-interleaved.txt", true);
    const Values all = seriesOf(automatic);
    ASSERT_EQ(all.size(), 63u);
    EXPECT_DOUBLE_EQ(all[0], wedge21[0] + 0.3);
    EXPECT_DOUBLE_EQ(all[21], wedge21[0] - 0.1);
    EXPECT_DOUBLE_EQ(all[62], wedge21[20] - 0.2);
    EXPECT_FALSE(automatic.loadingError);
    const Loaded dataTool = loadFixture("datatool-wedge21.txt", true);
    EXPECT_EQ(dataTool.series.error(), (Alert{"Failed to Load Measurement Data",
                                              "Automatic curve creation reads CGATS files only."}));
    EXPECT_EQ(dataTool.series.error(), automaticCgatsOnlyRefusal());
    EXPECT_TRUE(dataTool.loadingError);
    for (const std::string name : {"unknown-format.txt", "cgats-patchset-nolab.txt"}) {
        const Loaded refused = loadFixture(name, true);
        EXPECT_EQ(refused.series.error(), measurementLoadFailure()) << name;
        EXPECT_TRUE(refused.loadingError) << name;
    }
}

TEST(MeasurementFormatsTest, EachParserReadsOnlyItsOwnRows) {
    const std::string cgatsHead =
        "CGATS.17\nNUMBER_OF_FIELDS\t2\nBEGIN_DATA_FORMAT\nSAMPLE_ID\tLAB_L\nEND_DATA_FORMAT\n";
    const std::pair<std::string, Values> rows[] = {
        // CGATS: NUMBER_OF_SETS rows only, END_DATA not needed, the count after tabs or a blank.
        {cgatsHead + "NUMBER_OF_SETS\t2\n\t BEGIN_DATA\n1\t90\n2\t10\n3\tx\n", {90, 10}},
        {cgatsHead + "NUMBER_OF_SETS\t\t2\nBEGIN_DATA\n1\t90\n2\t10", {90, 10}},
        {cgatsHead + "NUMBER_OF_SETS 2\nBEGIN_DATA\n1\t90\n2\t10", {90, 10}},
        {cgatsHead + "NUMBER_OF_SETS\t1\nBEGIN_DATA\n1\t   90.5\t\n", {90.5}},
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
    const SpyderPrintFile parser(
        std::vector<std::string>{"1\t95,5\t0,1\t-0,2", "2\t5,25\t0\t0", ""});
    EXPECT_EQ(parser.numColumns, 4);
    EXPECT_EQ(parser.labLIndex, 1);
    EXPECT_EQ(parser.averagedLabL, (Values{95.5, 5.25}));
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
    EXPECT_NE(loaded.diagnostics.find("DensityToLabL\n"), std::string::npos);
    // Nearly flat L* (within 4) is taken for densities too: 10^-52 is black.
    EXPECT_NEAR(seriesOf(loadBytes("52.0\n50.0\n48.0\n\n"))[0], 0.0, 1e-9);
}

TEST(MeasurementFormatsTest, FilesWithoutAUsableSeriesAreRefusedAndChangeNothing) {
    const std::string cgats = measurementFixtureBytes("cgats-wedge21.txt");
    const auto without = [&](std::string_view part, std::string_view by = "") {
        return replaceAll(cgats, part, by);
    };
    std::string shortRow = cgats;
    const std::size_t rowStart = shortRow.find("\n11\tA11\t") + 1;
    shortRow.replace(rowStart, shortRow.find('\n', rowStart) - rowStart, "11\tA11");
    const std::pair<std::string, std::string> rows[] = {
        {"unknown format", measurementFixtureBytes("unknown-format.txt")},
        {"patch set without LAB_L", measurementFixtureBytes("cgats-patchset-nolab.txt")},
        {"dataTool bad row", measurementFixtureBytes("datatool-bad-row.txt")},
        {"ColorMunki bad row", measurementFixtureBytes("colormunki-bad-row.txt")},
        {"QTR data too short", measurementFixtureBytes("qtr-linearize-data-short.txt")},
        {"no NUMBER_OF_FIELDS", without("NUMBER_OF_FIELDS\t8\n")},
        {"no BEGIN_DATA_FORMAT", without("BEGIN_DATA_FORMAT\n")},
        {"no LAB_L", without("LAB_L", "LAB_X")},
        {"lower-case lab_l", without("LAB_L", "lab_l")},
        {"no NUMBER_OF_SETS", without("NUMBER_OF_SETS\t21\n")},
        {"zero sets", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t0")},
        {"negative sets", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t-21")},
        {"sets not a number", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t21a")},
        {"too few data lines", without("NUMBER_OF_SETS\t21", "NUMBER_OF_SETS\t30")},
        {"no BEGIN_DATA", without("BEGIN_DATA\n1\t", "1\t")},
        {"unreadable L*", without("   57.50", "   57,50")},
        {"short row", shortRow},
        {"ColorMunki without its header", "Name\nA,50\nB,40\n"},
        {"StepWedgeTool without values", "Patch\tL*\n0\t0\t100\nx\n"},
        {"misc with only a header", "L*\n100\n"},
        {"SpyderPrint without a value", "12.5.\n"},
        {"empty file", ""}};
    for (const auto& [what, bytes] : rows) {
        for (const bool startsWithError : {true, false}) {
            SCOPED_TRACE(what);
            const Loaded loaded = loadBytes(bytes, false, startsWithError);
            ASSERT_FALSE(loaded.series.ok());
            EXPECT_EQ(loaded.series.error(), measurementLoadFailure());
            EXPECT_EQ(loaded.loadingError, startsWithError);
            EXPECT_TRUE(loaded.diagnostics.ends_with(startsWithError ? "Loading error :true\n"
                                                                     : "Loading error :false\n"));
        }
    }
}

TEST(MeasurementFormatsTest, DispatcherReportsWhatItDid) {
    EXPECT_EQ(loadFixture("datatool-wedge21.txt").diagnostics,
              "dataTool Lab L found\nLoading error :false\n");
    EXPECT_EQ(loadBytes("Name,L*,a*,b*,\nA,50,0,0\nB,95,0,0\n").diagnostics,
              "It is a ColorMunkiFile\n"  // detection in the test helper
              "It is a ColorMunkiFile\n95, 50\nLoading error :false\n");
    EXPECT_EQ(loadBytes("12.5\n90\n\n").diagnostics,
              "DensityToLabL\n12.5, 90\nLoading error :false\n");

    // A file without lines reaches no parser and leaves the flag alone.
    bool loadingError = false;
    const DiagnosticsCapture capture;
    EXPECT_EQ(loadMeasurementSeries(MeasurementDataFile(), loadingError).error(),
              measurementLoadFailure());
    EXPECT_FALSE(loadAutomaticMeasurementSeries(MeasurementDataFile(), loadingError).ok());
    EXPECT_FALSE(loadingError);
    EXPECT_EQ(capture.text(),
              "Could not read opened measurement data\nCould not read opened measurement data\n");
}

TEST(MeasurementFormatsTest, DamagedFilesLoadOrAreRefusedButNeverCrash) {
    for (const auto& entry : std::filesystem::directory_iterator(testing::measurementFixture(""))) {
        const std::string bytes = measurementFixtureBytes(entry.path().filename().string());
        for (std::size_t cut = 0; cut <= bytes.size(); cut += 7) {
            std::string damaged = bytes.substr(0, cut);
            if (cut % 2 == 1 && cut < bytes.size()) {
                damaged += "\t\r\t,";  // a row cut short and run into separators
            }
            const Loaded loaded = loadBytes(damaged, cut % 3 == 0);
            if (loaded.series) {
                EXPECT_FALSE(loaded.series.value().empty());
            } else {
                EXPECT_EQ(loaded.series.error().messageText, "Failed to Load Measurement Data");
            }
        }
    }
}

}  // namespace
}  // namespace sg
