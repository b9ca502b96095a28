#include <algorithm>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Common/Strings.h"
#include "QuadFiles/CurveCreationFile.h"
#include "QuadFiles/InkList.h"
#include "QuadFiles/QuadChannelBlock.h"
#include "QuadFiles/QuadFile.h"
#include "Support/GoldenFile.h"
#include "Support/QuadText.h"

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

TEST(CurveCreationFile, WritesTheSixInkCurveByteForByte) {
    QuadCurve curve = numberedCurve(6);
    for (auto& channel : curve) {
        for (double& value : channel) {
            value += 0.75;
        }
    }
    EXPECT_TRUE(testing::matchesGoldenFile(CurveCreationFile::text(InkList::labelsFor6Inks, curve),
                                           "quad/curve-creation-6-inks.quad"));
}

TEST(CurveCreationFile, ChoosesTheHeaderByCountAndWritesOnlyWhatItHasLabelsFor) {
    const std::pair<std::size_t, std::string_view> rows[] = {
        {6, CurveCreationFile::headerFor6Inks}, {10, CurveCreationFile::headerFor10Inks},
        {8, CurveCreationFile::headerFor8Inks}, {4, CurveCreationFile::headerFor8Inks},
        {7, CurveCreationFile::headerFor8Inks}, {0, CurveCreationFile::headerFor8Inks},
    };
    for (const auto& [count, header] : rows) {
        EXPECT_EQ(CurveCreationFile::headerFor(count), header) << count;
    }
    EXPECT_EQ(CurveCreationFile::headerFor10Inks,
              "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR\n"
              "# Silvergrain-CurveCreation for macOS v0.1");

    // Two labels over a curve with extra channels and 300 values: 2 x 256 values written.
    Lines labels = {"# K Curve", "# C Curve"};
    QuadCurve wide = numberedCurve(4);
    for (auto& channel : wide) {
        channel.resize(300, 60000.0);
    }
    const auto lines = splitString(CurveCreationFile::text(labels, wide), '\n');
    ASSERT_EQ(lines.size(), 2u + 2u * 257u);
    EXPECT_EQ(lines[2 + 257], "# C Curve");
    EXPECT_EQ(lines.back(), "1255");
    // A channel that is missing is written as zeros rather than leaving the file short.
    labels.push_back("# M Curve");
    const auto padded = splitString(CurveCreationFile::text(labels, numberedCurve(2)), '\n');
    ASSERT_EQ(padded.size(), 2u + 3u * 257u);
    EXPECT_EQ(padded.back(), "0");
}

QuadFile loadedFile(const Lines& notes) {
    auto result = QuadFile::fromBytes(
        "in.quad", joinStrings(quadtest::quadLines("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", notes,
                                                   InkList::labelsFor8Inks, numberedCurve(8)),
                               "\n"));
    return std::move(result).value();
}

// Lines 2.. of the written text up to the first label.
Lines notesOf(const std::string& text, const QuadFile& file) {
    const auto lines = splitString(text, '\n');
    return {lines.begin() + 1, std::find(lines.begin(), lines.end(), file.labels().front())};
}

Lines writtenNotes(const QuadFile& file) {
    return notesOf(file.textWith(numberedCurve(8)), file);
}

TEST(QuadFileWriter, PutsTheToolLineFirstExactlyOnce) {
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
    const QuadFile replaced = loadedFile({"# old"});
    EXPECT_EQ(
        notesOf(replaced.textWith(numberedCurve(8), "Linearized from Baryta 300\nSmoothing 3"),
                replaced),
        (Lines{tool, "# Linearized from Baryta 300", "# Smoothing 3"}));
    EXPECT_EQ(
        notesOf(replaced.textWith(numberedCurve(8), "Halidewerk Silvergrain v2\nagain"), replaced),
        (Lines{tool, "# again"}));
}

TEST(QuadFileWriter, WrittenFilesReadBackTruncatedAndStable) {
    const QuadFile file = loadedFile({"# Halidewerk Silvergrain v2", "# note"});
    QuadCurve curve = numberedCurve(8);
    curve[0][0] = -12.5;
    curve[0][1] = 0.999;
    curve[3][255] = 65535.5;
    curve[7][100] = 99999.0;
    curve[7][101] = std::numeric_limits<double>::quiet_NaN();
    curve[7][102] = 7100.9999;

    const std::string text = file.textWith(curve);
    auto again = QuadFile::fromBytes("again.quad", text);
    ASSERT_TRUE(again.ok());
    QuadCurve expected = curve;
    for (auto& channel : expected) {
        for (double& value : channel) {
            value = std::stod(quadValueText(value));
        }
    }
    EXPECT_EQ(again.value().curve(), expected);
    EXPECT_EQ(again.value().labels(), file.labels());
    EXPECT_EQ(again.value().headerBlock(), file.headerBlock());
    // Writing what was read changes nothing any more.
    EXPECT_EQ(again.value().textWith(again.value().curve()), text);
}

// Inputs that once loaded but whose written text was refused: a 52nd comment line (the tool line
// put before 51 notes) was taken as the first label, and so was a note that the "# " removal
// turned into a label.
TEST(QuadFileWriter, NotesAlwaysReadBackAsNotes) {
    Lines fiftyOne;
    for (int i = 1; i <= 51; ++i) {
        fiftyOne.push_back("# note " + std::to_string(i));
    }
    for (const Lines& notes :
         {fiftyOne, Lines{"# # K Curve"}, Lines{"K Curve", "# note"}, Lines{"# MK # CURVE"}}) {
        SCOPED_TRACE(notes.front());
        const QuadFile file = loadedFile(notes);
        const std::string text = file.textWith(file.curve());
        auto again = QuadFile::fromBytes("again.quad", text);
        ASSERT_TRUE(again.ok()) << again.refusal().text;
        EXPECT_EQ(again.value().labels(), file.labels());
        EXPECT_EQ(again.value().curve(), file.curve());
        EXPECT_EQ(again.value().textWith(again.value().curve()), text);
    }

    // A long notes field keeps all its text within 51 comment lines; the 51st carries the rest.
    const Lines written = writtenNotes(loadedFile(fiftyOne));
    ASSERT_EQ(written.size(), 51u);
    EXPECT_EQ(written[49], "# note 49");
    EXPECT_EQ(written[50], "# note 50 note 51");
    const QuadFile longNotes = loadedFile({});
    std::string sixtyLines = "first";
    for (int i = 2; i <= 60; ++i) {
        sixtyLines += "\nline " + std::to_string(i);
    }
    const Lines sixty = notesOf(longNotes.textWith(numberedCurve(8), sixtyLines), longNotes);
    ASSERT_EQ(sixty.size(), 51u);
    EXPECT_EQ(sixty[1], "# first");
    EXPECT_EQ(sixty[50],
              "# line 50 line 51 line 52 line 53 line 54 line 55 line 56 line 57 "
              "line 58 line 59 line 60");
}

}  // namespace
}  // namespace sg
