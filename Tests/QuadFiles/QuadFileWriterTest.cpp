#include <algorithm>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Common/Strings.h"
#include "QuadFiles/FinalQuadFile.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadChannelBlock.h"
#include "QuadFiles/QuadDataFile.h"
#include "QuadTestText.h"

namespace sg {
namespace {

using quadtest::joined;
using quadtest::numberedCurve;
using quadtest::quadLines;

TEST(QuadValueText, TruncatesAndNeverLeavesTheInkRange) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> rows[] = {
        {0.0, "0"},           {0.4, "0"},         {1234.9, "1234"},    {65535.0, "65535"},
        {65535.999, "65535"}, {-0.5, "0"},        {-0.0, "0"},         {65534.999, "65534"},
        {1.0, "1"},           {70000.0, "65535"}, {1e300, "65535"},    {-1e300, "0"},
        {nan, "0"},           {-nan, "0"},        {infinity, "65535"}, {-infinity, "0"},
        {1e-300, "0"},        {42.0, "42"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(quadValueText(value), text) << value;
    }
}

TEST(FinalQuadFile, WritesTheSixInkCurveByteForByte) {
    QuadCurve curve = numberedCurve(6);
    for (auto& channel : curve) {
        for (double& value : channel) {
            value += 0.75;
        }
    }
    FinalQuadFile file;
    file.setHeader(static_cast<int>(InkList::inkListfor6Ink.size()));
    file.inkList = InkList::inkListfor6Ink;
    const std::optional<std::string> text = file.saveFinalQuad(curve);
    ASSERT_TRUE(text.has_value());

    std::string expected =
        "## QuadToneRIP K,C,M,Y,LC,LM\n# Silvergrain-CurveCreation for macOS v0.1";
    const char* labels[] = {"# K Curve", "# C Curve",  "# M Curve",
                            "# Y Curve", "# LC Curve", "# LM Curve"};
    for (int c = 0; c < 6; ++c) {
        expected += std::string("\n") + labels[c];
        for (int level = 0; level < 256; ++level) {
            expected += "\n" + std::to_string(c * 1000 + level);
        }
    }
    EXPECT_EQ(*text, expected);
    EXPECT_EQ(splitString(*text, '\n').size(), 1544u);
    EXPECT_TRUE(text->ends_with("\n5255"));
}

TEST(FinalQuadFile, ChoosesTheHeaderByCountAndWritesOnlyWhatItHasLabelsFor) {
    const std::pair<int, const std::string*> rows[] = {
        {6, &FinalQuadFile::headerInfoFor6Inks}, {10, &FinalQuadFile::headerInfoFor10Inks},
        {8, &FinalQuadFile::headerInfoFor8Inks}, {4, &FinalQuadFile::headerInfoFor8Inks},
        {7, &FinalQuadFile::headerInfoFor8Inks}, {0, &FinalQuadFile::headerInfoFor8Inks},
    };
    for (const auto& [count, header] : rows) {
        FinalQuadFile file;
        file.setHeader(count);
        EXPECT_EQ(file.headerInfo, *header) << count;
    }
    EXPECT_EQ(FinalQuadFile::headerInfoFor10Inks,
              "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR\n"
              "# Silvergrain-CurveCreation for macOS v0.1");

    FinalQuadFile empty;
    empty.setHeader(8);
    EXPECT_EQ(empty.saveFinalQuad(numberedCurve(8)), std::nullopt);

    // Two labels over a curve with extra channels and 300 values: 2 x 256 values written.
    FinalQuadFile two;
    two.setHeader(8);
    two.inkList = {"# K Curve", "# C Curve"};
    QuadCurve wide = numberedCurve(4);
    for (auto& channel : wide) {
        channel.resize(300, 60000.0);
    }
    const auto lines = splitString(*two.saveFinalQuad(wide), '\n');
    ASSERT_EQ(lines.size(), 2u + 2u * 257u);
    EXPECT_EQ(lines[2 + 257], "# C Curve");
    EXPECT_EQ(lines.back(), "1255");
    // A channel that is missing is written as zeros rather than leaving the file short.
    two.inkList.push_back("# M Curve");
    const auto padded = splitString(*two.saveFinalQuad(numberedCurve(2)), '\n');
    ASSERT_EQ(padded.size(), 2u + 3u * 257u);
    EXPECT_EQ(padded.back(), "0");
}

QuadDataFile loadedFile(const std::vector<std::string>& notes) {
    auto result = QuadDataFile::fromBytes(
        "in.quad", joined(quadLines("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", notes,
                                    InkList::inkListfor8Ink, numberedCurve(8))));
    EXPECT_TRUE(result.ok());
    return result ? std::move(result).value() : QuadDataFile{};
}

// Lines 2.. of the written file up to the first label.
std::vector<std::string> writtenNotes(const QuadDataFile& file) {
    const auto lines = splitString(file.quadFileText(numberedCurve(8)).value(), '\n');
    const auto label = std::find(lines.begin(), lines.end(), file.inkList.front());
    return {lines.begin() + 1, label};
}

TEST(QuadDataFileWriter, PutsTheToolLineFirstExactlyOnce) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(writtenNotes(loadedFile({})), (Lines{"# Halidewerk Silvergrain v2", "# "}));
    EXPECT_EQ(writtenNotes(loadedFile({"# Halidewerk Silvergrain v2", "# Baryta"})),
              (Lines{"# Halidewerk Silvergrain v2", "# Baryta"}));
    EXPECT_EQ(writtenNotes(loadedFile({"# Silvergrain for macOS v1"})),
              (Lines{"# Halidewerk Silvergrain v2", "# Silvergrain for macOS v1"}));
    EXPECT_EQ(writtenNotes(loadedFile({"# Silvergrain-CurveCreation for macOS v0.1"})),
              (Lines{"# Halidewerk Silvergrain v2", "# Silvergrain-CurveCreation for macOS v0.1"}));

    // The linearization tool replaces the notes with its notes field before saving.
    QuadDataFile replaced = loadedFile({"# old"});
    replaced.processNotes = "Linearized from Baryta 300\nSmoothing 3";
    EXPECT_EQ(writtenNotes(replaced), (Lines{"# Halidewerk Silvergrain v2",
                                             "# Linearized from Baryta 300", "# Smoothing 3"}));
    replaced.processNotes = "Halidewerk Silvergrain v2\nagain";
    EXPECT_EQ(writtenNotes(replaced), (Lines{"# Halidewerk Silvergrain v2", "# again"}));
    replaced.processNotes.reset();
    EXPECT_EQ(writtenNotes(replaced), (Lines{"# Halidewerk Silvergrain v2"}));

    EXPECT_EQ(QuadDataFile{}.quadFileText(numberedCurve(8)), std::nullopt);
}

TEST(QuadDataFileWriter, WrittenFilesReadBackTruncatedAndStable) {
    const QuadDataFile file = loadedFile({"# Halidewerk Silvergrain v2", "# note"});
    QuadCurve curve = numberedCurve(8);
    curve[0][0] = -12.5;
    curve[0][1] = 0.999;
    curve[3][255] = 65535.5;
    curve[7][100] = 99999.0;
    curve[7][101] = std::numeric_limits<double>::quiet_NaN();
    curve[7][102] = 7100.9999;

    const std::string text = file.quadFileText(curve).value();
    EXPECT_FALSE(text.ends_with("\n"));
    EXPECT_EQ(text.find('\r'), std::string::npos);
    auto again = QuadDataFile::fromBytes("again.quad", text);
    ASSERT_TRUE(again.ok());
    QuadCurve expected = curve;
    for (auto& channel : expected) {
        for (double& value : channel) {
            value = std::stod(quadValueText(value));
        }
    }
    EXPECT_EQ(again.value().inputQuadCurveArray, expected);
    EXPECT_EQ(again.value().inputQuadCurveArray[7][102], 7100.0);
    EXPECT_EQ(again.value().inkList, file.inkList);
    EXPECT_EQ(again.value().printerInfo, file.printerInfo);
    // Writing what was read changes nothing any more.
    EXPECT_EQ(again.value().quadFileText(again.value().inputQuadCurveArray), text);
}

// Inputs that once loaded but whose written text was refused: a 52nd comment line (the tool line
// put before 51 notes) was taken as the first label, and so was a note that the "# " removal
// turned into a label.
TEST(QuadDataFileWriter, NotesAlwaysReadBackAsNotes) {
    std::vector<std::string> fiftyOne;
    for (int i = 1; i <= 51; ++i) {
        fiftyOne.push_back("# note " + std::to_string(i));
    }
    const std::vector<std::vector<std::string>> noteSets = {
        fiftyOne, {"# # K Curve"}, {"K Curve", "# note"}, {"# MK # CURVE"}};
    for (const auto& notes : noteSets) {
        const QuadDataFile file = loadedFile(notes);
        const std::string text = file.quadFileText(file.inputQuadCurveArray).value();
        auto again = QuadDataFile::fromBytes("again.quad", text);
        ASSERT_TRUE(again.ok()) << notes.front() << ": " << again.error().informativeText;
        EXPECT_EQ(again.value().inkList, file.inkList) << notes.front();
        EXPECT_EQ(again.value().inputQuadCurveArray, file.inputQuadCurveArray) << notes.front();
        EXPECT_EQ(again.value().quadFileText(again.value().inputQuadCurveArray), text);
    }

    using Lines = std::vector<std::string>;
    EXPECT_EQ(writtenNotes(loadedFile({"# # K Curve", "K curve"})),
              (Lines{"# Halidewerk Silvergrain v2", "#  K Curve", "#  K curve"}));

    // A long notes field keeps all its text within 51 comment lines; the 51st carries the rest.
    const Lines written = writtenNotes(loadedFile(fiftyOne));
    ASSERT_EQ(written.size(), 51u);
    EXPECT_EQ(written[0], "# Halidewerk Silvergrain v2");
    EXPECT_EQ(written[49], "# note 49");
    EXPECT_EQ(written[50], "# note 50 note 51");
    QuadDataFile longNotes = loadedFile({});
    longNotes.processNotes = "first";
    for (int i = 2; i <= 60; ++i) {
        *longNotes.processNotes += "\nline " + std::to_string(i);
    }
    const Lines sixty = writtenNotes(longNotes);
    ASSERT_EQ(sixty.size(), 51u);
    EXPECT_EQ(sixty[1], "# first");
    EXPECT_EQ(sixty[50],
              "# line 50 line 51 line 52 line 53 line 54 line 55 line 56 line 57 "
              "line 58 line 59 line 60");
}

}  // namespace
}  // namespace sg
