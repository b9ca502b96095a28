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

using quadtest::numberedCurve;
using Lines = std::vector<std::string>;

TEST(QuadValueText, TruncatesAndNeverLeavesTheInkRange) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> rows[] = {
        {0.4, "0"},  {1234.9, "1234"}, {65534.999, "65534"}, {65535.999, "65535"},
        {-0.5, "0"}, {-0.0, "0"},      {70000.0, "65535"},   {-1e300, "0"},
        {nan, "0"},  {-nan, "0"},      {infinity, "65535"},  {-infinity, "0"},
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
    file.setHeader(6);
    file.inkList = InkList::inkListfor6Ink;
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
    EXPECT_EQ(file.saveFinalQuad(curve), expected);
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

    FinalQuadFile two;
    two.setHeader(8);
    EXPECT_EQ(two.saveFinalQuad(numberedCurve(8)), std::nullopt);  // no labels

    // Two labels over a curve with extra channels and 300 values: 2 x 256 values written.
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

QuadDataFile loadedFile(const Lines& notes) {
    auto result = QuadDataFile::fromBytes(
        "in.quad", joinStrings(quadtest::quadLines("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", notes,
                                                   InkList::inkListfor8Ink, numberedCurve(8)),
                               "\n"));
    EXPECT_TRUE(result.ok());
    return result ? std::move(result).value() : QuadDataFile{};
}

// Lines 2.. of the written file up to the first label.
Lines writtenNotes(const QuadDataFile& file) {
    const auto lines = splitString(file.quadFileText(numberedCurve(8)).value(), '\n');
    return {lines.begin() + 1, std::find(lines.begin(), lines.end(), file.inkList.front())};
}

TEST(QuadDataFileWriter, PutsTheToolLineFirstExactlyOnce) {
    const std::string tool = "# Halidewerk Silvergrain v2";
    const std::pair<Lines, Lines> rows[] = {
        {{}, {tool, "# "}},
        {{tool, "# Baryta"}, {tool, "# Baryta"}},
        {{"# Silvergrain for macOS v1"}, {tool, "# Silvergrain for macOS v1"}},
        {{"# # K Curve", "K curve"}, {tool, "#  K Curve", "#  K curve"}},
    };
    for (const auto& [notes, written] : rows) {
        EXPECT_EQ(writtenNotes(loadedFile(notes)), written);
    }

    // The linearization tool replaces the notes with its notes field before saving.
    QuadDataFile replaced = loadedFile({"# old"});
    replaced.processNotes = "Linearized from Baryta 300\nSmoothing 3";
    EXPECT_EQ(writtenNotes(replaced),
              (Lines{tool, "# Linearized from Baryta 300", "# Smoothing 3"}));
    replaced.processNotes = "Halidewerk Silvergrain v2\nagain";
    EXPECT_EQ(writtenNotes(replaced), (Lines{tool, "# again"}));
    replaced.processNotes.reset();
    EXPECT_EQ(writtenNotes(replaced), Lines{tool});

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
    EXPECT_EQ(again.value().inkList, file.inkList);
    EXPECT_EQ(again.value().printerInfo, file.printerInfo);
    // Writing what was read changes nothing any more.
    EXPECT_EQ(again.value().quadFileText(again.value().inputQuadCurveArray), text);
}

// Inputs that once loaded but whose written text was refused: a 52nd comment line (the tool line
// put before 51 notes) was taken as the first label, and so was a note that the "# " removal
// turned into a label.
TEST(QuadDataFileWriter, NotesAlwaysReadBackAsNotes) {
    Lines fiftyOne;
    for (int i = 1; i <= 51; ++i) {
        fiftyOne.push_back("# note " + std::to_string(i));
    }
    for (const Lines& notes :
         {fiftyOne, Lines{"# # K Curve"}, Lines{"K Curve", "# note"}, Lines{"# MK # CURVE"}}) {
        SCOPED_TRACE(notes.front());
        const QuadDataFile file = loadedFile(notes);
        const std::string text = file.quadFileText(file.inputQuadCurveArray).value();
        auto again = QuadDataFile::fromBytes("again.quad", text);
        ASSERT_TRUE(again.ok()) << again.error().informativeText;
        EXPECT_EQ(again.value().inkList, file.inkList);
        EXPECT_EQ(again.value().inputQuadCurveArray, file.inputQuadCurveArray);
        EXPECT_EQ(again.value().quadFileText(again.value().inputQuadCurveArray), text);
    }

    // A long notes field keeps all its text within 51 comment lines; the 51st carries the rest.
    const Lines written = writtenNotes(loadedFile(fiftyOne));
    ASSERT_EQ(written.size(), 51u);
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
