#include "QuadFiles/GutenprintExport.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "Common/TextFiles.h"
#include "QuadFiles/GutenprintCurveXml.h"
#include "QuadFiles/InkList.h"
#include "Support/GoldenFile.h"
#include "Support/QuadText.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

namespace fs = std::filesystem;

TEST(GutenprintCurveXml, WritesTheCurveFileExactly) {
    EXPECT_TRUE(testing::matchesGoldenFile(
        gutenprintCurveXml({1234.4, 1234.5, 1235.5, 65535.0, 2.5, 0.0}, "# K Curve", "Baryta 300"),
        "gutenprint/Black.xml"));

    // Values stay within the bounds the file declares, as in a .quad file.
    const std::pair<double, const char*> values[] = {
        {-0.6, "0"},        {-0.4, "0"},        {-1e300, "0"},      {std::nan(""), "0"},
        {65534.4, "65534"}, {65534.6, "65535"}, {65535.5, "65535"}, {70000.0, "65535"},
        {1e308, "65535"},   {HUGE_VAL, "65535"}};
    for (const auto& [value, text] : values) {
        const std::string xml = gutenprintCurveXml({value}, "# K Curve", "");
        EXPECT_NE(xml.find("upper-bound=\"65535\">\n" + std::string(text) + "\n</sequence>"),
                  std::string::npos)
            << value;
    }

    // 256 values: 256 value lines between the sequence tags; the count stays 256 whatever the
    // number of values.
    const std::string full =
        gutenprintCurveXml(std::vector<double>(256, 70000.0), "# LLK Curve", "");
    EXPECT_EQ(std::count(full.begin(), full.end(), '\n'), 256 + 10);

    // Names that would break the XML: "--" ends a comment, markup characters in element text.
    const std::string awkward =
        gutenprintCurveXml({0.0}, "# K <Curve> & more", "Rag---Matte & <Co>-");
    EXPECT_NE(awkward.find("\n<!-- Rag- - -Matte & <Co>- -->\n"), std::string::npos);
    EXPECT_NE(awkward.find("\n# K &lt;Curve&gt; &amp; more\n"), std::string::npos);
}

TEST(GutenprintCurveXml, NamesFilesByChannelIdentifierThenByPrefix) {
    // Unknown identifiers fall back to the prefixes, the first match winning.
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {
        {"# K Curve", "Black.xml"},         {"# K CURVE", "Black.xml"},
        {"# LK Curve", "LightBlack.xml"},   {"# LLK Curve", "LightLightBlack.xml"},
        {"# OR curve", "Orange.xml"},       {"# GR CURVE", "Green.xml"},
        {"# MK curve", "MatteBlack.xml"},   {"# PK Curve", "PhotoBlack.xml"},
        {"# R Curve", "Red.xml"},           {"# B Curve", "Blue.xml"},
        {"# GL curve", "GlossOptimizer.xml"},
        {"# Kx Curve", "Black.xml"},        {"# MKX", "Magenta.xml"},
        {"# LLKK", "LightLightBlack.xml"},  {"# LCM", "LightCyan.xml"},
        {"# k curve", ""}, {"# Z Curve", ""}, {"#K Curve", ""}, {"", ""}};
    // clang-format on
    for (const auto& [label, fileName] : rows) {
        EXPECT_EQ(gutenprintFileName(label), fileName) << label;
    }
}

class GutenprintExportFolder : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder); }

    std::vector<std::string> filesIn(const fs::path& where) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(where)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string contentOf(const fs::path& file) { return readFileBytes(file).value(); }

    const testing::TemporaryFolder temporary;
    const fs::path root = temporary.path();
    const fs::path folder = root / "Baryta 300";
};

TEST_F(GutenprintExportFolder, WritesOneFilePerChannelNamedAfterItsInk) {
    const QuadCurve curve = quadtest::numberedCurve(8);
    // The trailing separator must not take the paper name away.
    EXPECT_TRUE(
        exportGutenprintXml(curve, InkList::labelsFor8Inks, folder.string() + "/").isDone());
    EXPECT_EQ(filesIn(folder),
              (std::vector<std::string>{"Black.xml", "Cyan.xml", "LightBlack.xml", "LightCyan.xml",
                                        "LightLightBlack.xml", "LightMagenta.xml", "Magenta.xml",
                                        "Yellow.xml"}));
    EXPECT_EQ(contentOf(folder / "LightBlack.xml"),
              gutenprintCurveXml(curve[6], "# LK Curve", "Baryta 300"));

    // Exporting again replaces the files; unknown and repeated labels get numbered names.
    const QuadCurve zeros(5, std::vector<double>(256, 0.0));
    EXPECT_TRUE(
        exportGutenprintXml(zeros, {"# K Curve", "# K curve", "# Z Curve", "", "# C Curve"}, folder)
            .isDone());
    EXPECT_EQ(filesIn(folder).size(), 11u);
    EXPECT_EQ(contentOf(folder / "Black.xml"),
              gutenprintCurveXml(zeros[0], "# K Curve", "Baryta 300"));
    EXPECT_EQ(contentOf(folder / "Channel2.xml"),
              gutenprintCurveXml(zeros[1], "# K curve", "Baryta 300"));
    for (const char* name : {"Channel3.xml", "Channel4.xml"}) {
        EXPECT_TRUE(fs::is_regular_file(folder / name)) << name;
    }
}

// A failure replaces no file, and the alert says so.
TEST_F(GutenprintExportFolder, WritesAllFilesOrNone) {
    std::ofstream(folder / "Cyan.xml") << "old";
    fs::create_directory(folder / "Black.xml");
    fs::create_directory(folder / "Magenta.xml");
    const Outcome outcome =
        exportGutenprintXml(quadtest::numberedCurve(4), InkList::labelsFor4Inks, folder);
    EXPECT_EQ(outcome.alert(), (Alert{"Failed to Export Gutenprint XML",
                                      "\"Black.xml\" could not be written: Is a directory.\n"
                                      "\"Magenta.xml\" could not be written: Is a directory.\n"
                                      "No file was written."}));
    EXPECT_EQ(contentOf(folder / "Cyan.xml"), "old");
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"Black.xml", "Cyan.xml", "Magenta.xml"}));

    // A folder that is gone is not made: nothing is written.
    EXPECT_TRUE(
        exportGutenprintXml(quadtest::numberedCurve(1), {"# K Curve"}, root / "gone").isDone());
    EXPECT_EQ(filesIn(root), std::vector<std::string>{"Baryta 300"});

    // A file where the folder should be: every channel fails, and says so.
    std::ofstream(root / "plain") << "x";
    const Outcome notAFolder =
        exportGutenprintXml(quadtest::numberedCurve(2), {"# K Curve", "# C Curve"}, root / "plain");
    ASSERT_TRUE(notAFolder.isRefused());
    EXPECT_EQ(notAFolder.alert()->text,
              "\"Black.xml\" could not be written: Not a directory.\n"
              "\"Cyan.xml\" could not be written: Not a directory.\n"
              "No file was written.");
}

TEST(GutenprintPaperName, IsTheFoldersOwnName) {
    for (const char* folder : {"/papers/Baryta 300", "/papers/Baryta 300/",
                               "/papers/./Baryta 300//", "/papers/Baryta 300/."}) {
        EXPECT_EQ(gutenprintPaperName(folder), "Baryta 300") << folder;
    }
    EXPECT_EQ(gutenprintPaperName("."), fs::current_path().filename().string());
}

}  // namespace
}  // namespace sg
