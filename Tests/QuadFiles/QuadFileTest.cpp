#include "QuadFiles/QuadFile.h"

#include <algorithm>
#include <regex>

#include <gtest/gtest.h>

#include "Common/Strings.h"
#include "QuadFiles/InkList.h"
#include "Support/GoldenFile.h"
#include "Support/QuadText.h"

namespace sg {
namespace {

using quadtest::fixtureBytes;
using quadtest::numberedCurve;
using quadtest::quadLines;
using Lines = std::vector<std::string>;

const std::string sixInkHeader = "## QuadToneRIP K,C,M,Y,LC,LM";
const std::string fourInkHeader = "## QuadToneRIP K,C,M,Y";

std::string joined(const Lines& lines) {
    return joinStrings(lines, "\n");
}

QuadFile loaded(std::string_view text) {
    auto result = QuadFile::fromBytes("test.quad", text);
    if (!result) {
        ADD_FAILURE() << result.refusal().text;
        return QuadFile::fromBytes("empty.quad", "## QuadToneRIP K,C,M,Y").value();
    }
    return std::move(result).value();
}

// The refusal's text; its title must be the reader's and its line the one the text names.
std::string refusalText(std::string_view text) {
    const auto result = QuadFile::fromBytes("test.quad", text);
    if (result) {
        ADD_FAILURE() << "the file loaded";
        return {};
    }
    const Alert& refusal = result.refusal();
    std::smatch named;
    const bool namesALine = std::regex_search(refusal.text, named, std::regex("[Ll]ine (\\d+)"));
    EXPECT_EQ(refusal.line, namesALine ? std::optional(std::stoul(named[1])) : std::nullopt)
        << refusal.text;
    EXPECT_EQ(refusal.title, "Failed to Load Quad File");
    return refusal.text;
}

std::string sixInkText(const Lines& notes) {
    return joined(quadLines(sixInkHeader, notes, InkList::labelsFor6Inks, numberedCurve(6)));
}

TEST(QuadFileReader, ReadsHeaderNotesLabelsAndValues) {
    const auto file = loaded(sixInkText({"# alpha", "# beta"}));
    EXPECT_EQ(file.fileName(), "test.quad");
    EXPECT_EQ(file.channelCount(), 6u);
    EXPECT_EQ(file.headerBlock(), (Lines{sixInkHeader, "# alpha", "# beta"}));
    EXPECT_EQ(QuadFile::notesAsComments(file.notes()), "# alpha\n# beta");
    EXPECT_EQ(file.labels(), InkList::labelsFor6Inks);
    EXPECT_EQ(file.curve(), numberedCurve(6));

    // Other channel sets; the first label is found in any of its spellings whatever the header.
    const std::pair<std::string, std::string> sets[] = {
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK", "# K curve"},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", "# K CURVE"},
        {"## QuadToneRIP MK,C,M,Y,R,B,PK,GL", "# MK CURVE"},
        {fourInkHeader, "# MK Curve"},
    };
    for (const auto& [header, firstLabel] : sets) {
        SCOPED_TRACE(header + " / " + firstLabel);
        const auto channels =
            static_cast<std::size_t>(std::count(header.begin(), header.end(), ',') + 1);
        Lines labels = {firstLabel};
        for (std::size_t c = 1; c < channels; ++c) {
            labels.push_back("# X" + std::to_string(c) + " any text");
        }
        const auto other =
            loaded(joined(quadLines(header, {"# note"}, labels, numberedCurve(channels))));
        EXPECT_EQ(other.channelCount(), channels);
        EXPECT_EQ(other.labels(), labels);
        EXPECT_EQ(other.curve(), numberedCurve(channels));
    }
}

TEST(QuadFileReader, NotesLoseEveryHashBlankAndComeBackAsCommentLines) {
    const auto noComments = loaded(sixInkText({}));
    EXPECT_EQ(noComments.headerBlock(), Lines{sixInkHeader});
    EXPECT_EQ(noComments.notes(), "");
    EXPECT_EQ(QuadFile::notesAsComments(noComments.notes()), "# ");

    const auto odd = loaded(sixInkText({"## Warm tone", "#Bare", "a # b", ""}));
    EXPECT_EQ(odd.notes(), "#Warm tone\n#Bare\na b\n");
    EXPECT_EQ(QuadFile::notesAsComments(odd.notes()), "# #Warm tone\n# #Bare\n# a b\n# ");
}

TEST(QuadFileReader, TakesLaterLabelsByPositionAndKeepsValuesAsWritten) {
    Lines labels = InkList::labelsFor6Inks;
    labels[1] = "# LK Curve";
    labels[5] = "#";
    Lines lines = quadLines(sixInkHeader, {}, labels, numberedCurve(6));
    // Trailing lines are ignored, even a value too many on the last channel.
    lines.insert(lines.end(), {"777", "", "# appended by another program", "not a number", ""});
    const auto file = loaded(joined(lines));
    EXPECT_EQ(file.labels(), labels);
    EXPECT_EQ(file.curve(), numberedCurve(6));
    // An empty line right before a channel's values is its label, as such files always read.
    labels[2] = "";
    EXPECT_EQ(loaded(joined(quadLines(sixInkHeader, {}, labels, numberedCurve(6)))).labels(),
              labels);

    // No clamping or rounding.
    Lines values = quadLines(fourInkHeader, {}, InkList::labelsFor4Inks, numberedCurve(4));
    const Lines written = {"0", "65535", "1234.5", "-3", "7e2", "+5", "70000", ".5", "1."};
    std::copy(written.begin(), written.end(), values.begin() + 2);
    const std::vector<double> k = loaded(joined(values)).curve().at(0);
    EXPECT_EQ(std::vector<double>(k.begin(), k.begin() + 9),
              (std::vector<double>{0, 65535, 1234.5, -3, 700, 5, 70000, 0.5, 1}));
}

TEST(QuadFileReader, CommentBlockEndsAfterFiftyOneLines) {
    Lines notes(51, "# comment");
    const auto full =
        loaded(joined(quadLines(fourInkHeader, notes, InkList::labelsFor4Inks, numberedCurve(4))));
    EXPECT_EQ(full.headerBlock().size(), 52u);
    EXPECT_EQ(full.curve(), numberedCurve(4));

    // A 52nd comment line is taken as the first label, and the real label as a value.
    notes.push_back("# one too many");
    EXPECT_EQ(refusalText(joined(
                  quadLines(fourInkHeader, notes, InkList::labelsFor4Inks, numberedCurve(4)))),
              "Line 54: \"# K Curve\" is not a number; it should be value 1 of channel 1 "
              "(\"# one too many\").");
}

TEST(QuadFileReader, LoadReadsTheFileOrSaysWhyNot) {
    const auto file = QuadFile::load(quadtest::fixturePath("base.quad"));
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value().fileName(), "base.quad");
    EXPECT_EQ(QuadFile::load(quadtest::fixturePath("no-such-file.quad")).refusal(),
              (Alert{"Failed to Load Quad File",
                     "The file could not be read: No such file or directory."}));
}

// Real files differ in line ends, blank lines, byte-order marks and end-of-file markers but
// hold the same curve: each loads to the same object and writes back byte for byte as the plain
// LF file.
TEST(QuadFileFixtures, LineEndVariantsLoadAndWriteBackAsTheSameFile) {
    const std::string plain = fixtureBytes("base.quad");
    const auto base = loaded(plain);
    ASSERT_EQ(base.channelCount(), 6u);
    // base.quad: the K label on line 5, the C label on line 262. Blank lines between a label
    // and its values, between values and between channels.
    Lines spaced = splitString(plain, '\n');
    spaced.insert(spaced.begin() + 263, {"", "\t"});
    spaced.insert(spaced.begin() + 261, "");
    spaced.insert(spaced.begin() + 105, " ");
    spaced.insert(spaced.begin() + 5, "");
    for (const std::string& bytes :
         {fixtureBytes("crlf.quad"), fixtureBytes("mixed-line-ends.quad"),
          fixtureBytes("ctrl-z.quad"), fixtureBytes("trailing-empty-lines.quad"),
          plain + "\x1A\r\n", plain + "\n\x1A", "\xEF\xBB\xBF" + plain, "\n \n" + joined(spaced)}) {
        const auto file = loaded(bytes);
        EXPECT_EQ(file.curve(), base.curve());
        EXPECT_EQ(file.headerBlock(), base.headerBlock());
        EXPECT_EQ(file.labels(), base.labels());
        EXPECT_EQ(file.textWith(file.curve()), plain);
    }
    // Carriage returns go wherever they are.
    Lines withCr = splitString(plain, '\n');
    withCr[1] = "# Halidewerk Silver\rgrain v2";
    withCr[5] = "1\r2";
    const auto stripped = loaded(joined(withCr));
    EXPECT_EQ(stripped.headerBlock()[1], "# Halidewerk Silvergrain v2");
    EXPECT_EQ(stripped.curve()[0][0], 12.0);
}

TEST(QuadFileFixtures, QuirkyButCompleteFilesLoadAndKeepTheirValues) {
    const auto mixedCase = loaded(fixtureBytes("mixed-label-case.quad"));
    EXPECT_EQ(mixedCase.labels(), (Lines{"# K curve", "# C Curve", "# M CURVE", "# Y curve",
                                         "# LC Curve", "# LM CURVE", "# LK curve", "# LLK Curve"}));
    // Written by another of our writers: our notes line goes in front, the rest stays, and
    // "## Warm tone" comes back as "# #Warm tone".
    EXPECT_TRUE(testing::matchesGoldenFile(mixedCase.textWith(mixedCase.curve()),
                                           "quad/mixed-label-case.quad"));

    const auto mk = loaded(fixtureBytes("mk-set.quad"));
    EXPECT_EQ(mk.channelCount(), 8u);
    EXPECT_EQ(mk.labels().front(), "# MK curve");
    EXPECT_EQ(mk.curve()[7], std::vector<double>(256, 15000.0));
    const auto mkAgain = loaded(mk.textWith(mk.curve()));
    EXPECT_EQ(mkAgain.curve(), mk.curve());
    EXPECT_EQ(mkAgain.headerBlock(),
              (Lines{"## QuadToneRIP MK,C,M,Y,R,OR,PK,GL", "# Halidewerk Silvergrain v2", "# "}));
}

// The layouts of Tests/Data/quad/variants: each line "<256 values>" stands for the next
// channel of numberedCurve.
std::string variantText(const std::string& name) {
    Lines lines = splitString(fixtureBytes("variants/" + name), '\n');
    Lines expanded;
    const QuadCurve curve = numberedCurve(10);
    std::size_t channel = 0;
    for (const std::string& line : lines) {
        if (line != "<256 values>") {
            expanded.push_back(line);
            continue;
        }
        for (const double value : curve[channel]) {
            expanded.push_back(std::to_string(static_cast<long>(value)));
        }
        ++channel;
    }
    return joined(expanded);
}

// Notes of a merged file: the merge line, then per channel its file, curve and limit lines.
std::string mergedNotes(const std::string& mergeLine, const Lines& files,
                        const std::vector<std::string>& limits) {
    std::string notes = mergeLine;
    for (std::size_t c = 0; c < files.size(); ++c) {
        notes += "\nfile /tmp/QTRtemp." + files[c] + "\ncurve 0 0 100 100\nlimit " + limits[c];
    }
    return notes;
}

// Older and merged layouts, blank lines and legacy bytes load to the generated values and are
// written back in the labelled layout, which reads back the same.
TEST(QuadFileFixtures, LayoutVariantsLoadAndWriteBackLabelled) {
    const Lines sevenLabels = {"# K Curve",  "# C Curve",  "# M Curve", "# Y Curve",
                               "# LC Curve", "# LM Curve", "# LK Curve"};
    Lines sevenLowerLabels = sevenLabels;
    for (std::string& label : sevenLowerLabels) {
        label.replace(label.size() - 5, 5, "curve");
    }
    struct Variant {
        std::string name;
        Lines labels;
        std::string notes;
    };
    const Variant variants[] = {
        {"kcmycmk-labelled.quad", sevenLowerLabels,
         "Older seven-ink header: lower case for the light inks"},
        {"kcmycmk-merged.quad", sevenLabels,
         mergedNotes("merge - 7 curves", {"K2", "C2", "M2", "Y2", "c2", "m2", "k2"},
                     std::vector<std::string>(7, "95.0"))},
        {"merged-8.quad", InkList::labelsFor8Inks,
         mergedNotes("merge - 8 curves from QTRtemp",
                     {"K2", "C2", "M2", "Y2", "c2", "m2", "k2", "kk2"},
                     {"95.0", "60.0", "60.0", "60.0", "60.0", "60.0", "60.0", "60.0"})},
        {"leading-empty-lines.quad", InkList::labelsFor6Inks, "Warm Baryta 300"},
        {"blank-line-after-label.quad", InkList::labelsFor6Inks, "Baryta 300"},
        // Mac OS Roman bytes: 0xA9 is the copyright sign, 0xA8 the registered sign.
        {"mac-roman-comments.quad", InkList::labelsFor6Inks,
         "Copyright \xC2\xA9 2009 Example Imaging\nPictorico\xC2\xAE Pro Hi-Gloss White Film"},
    };
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        const QuadFile file = loaded(variantText(variant.name));
        EXPECT_EQ(file.labels(), variant.labels);
        EXPECT_EQ(file.notes(), variant.notes);
        EXPECT_EQ(file.curve(), numberedCurve(variant.labels.size()));

        const std::string written = file.textWith(file.curve());
        EXPECT_TRUE(testing::matchesGoldenFile(written, "quad/" + variant.name));
        const QuadFile again = loaded(written);
        EXPECT_EQ(again.labels(), variant.labels);
        EXPECT_EQ(again.notes(), "Halidewerk Silvergrain v2\n" + variant.notes);
        EXPECT_EQ(again.curve(), file.curve());
    }
}

TEST(QuadFileReader, RefusesWhatIsNotACompleteCurveFileAndSaysWhere) {
    const std::string eightInkHeader = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK";
    const Lines good =
        quadLines(eightInkHeader, {"# n"}, InkList::labelsFor8Inks, numberedCurve(8));
    const auto changed = [&](std::size_t index, std::string line) {
        Lines lines = good;
        lines[index] = std::move(line);
        return joined(lines);
    };
    const auto cut = [&](std::size_t lineCount) {
        return joined(Lines(good.begin(), good.begin() + static_cast<long>(lineCount)));
    };
    const auto notANumber = [](const std::string& text) {
        return "Line 4: \"" + text +
               "\" is not a number; it should be value 1 of channel 1 (\"# K Curve\").";
    };
    Lines mergedLines = splitString(variantText("kcmycmk-merged.quad"), '\n');
    mergedLines.pop_back();  // the empty line after the final line feed
    const std::string merged = joined(mergedLines);
    Lines shortChannel = mergedLines;
    shortChannel.erase(shortChannel.begin() + 264);  // a value of channel 2
    // Channel 5's label is line 2 + 4 * 257 + 1 = 1031; its 256th value would be line 1287.
    const std::string endsBeforeValue =
        "The file ends at line 1286, before the 256th value of channel 5 (\"# LC Curve\").";
    const std::pair<std::string, std::string> rows[] = {
        {changed(0, eightInkHeader + " "),
         "Line 1 is not a QuadToneRIP header line such as \"" + eightInkHeader + "\"."},
        {"\n\n# K Curve\n" + cut(2),
         "Line 3 is not a QuadToneRIP header line such as \"" + eightInkHeader + "\"."},
        {"\n \n", "The file is empty; it must begin with a QuadToneRIP header line such as \"" +
                      eightInkHeader + "\"."},
        {std::string("## QuadToneRIP K,C,M,Y\n\0", 24),
         "The file holds a NUL byte, so it is not a text file."},
        {cut(1286), endsBeforeValue},
        {cut(1286) + "\n\n \n", endsBeforeValue},
        {cut(1030), "The file ends at line 1030, before the label of channel 5."},
        {cut(2) + "\n", "The file ends at line 2, before the first channel label."},
        // An empty value line is skipped, so the channel is one short.
        {changed(300, ""),
         "Line 517: \"# M Curve\" is not a number; channel 2 (\"# C Curve\") has only 255 "
         "values."},
        {changed(3, "0\x1A"), notANumber("0\x1A")},  // a marker not at the very end
        // Lines longer than 40 bytes are quoted shortened, never inside a character.
        {changed(3, std::string(39, '9') + "x"), notANumber(std::string(39, '9') + "x")},
        {changed(3, std::string(60, '9') + "x"), notANumber(std::string(40, '9') + "...")},
        {changed(3, std::string(39, '9') + "\xC3\xA9"), notANumber(std::string(39, '9') + "...")},
        // Broken exports and merged files.
        {fixtureBytes("channel-255-values.quad"),
         "Line 775: \"# Y Curve\" is not a number; channel 3 (\"# M Curve\") has only 255 values."},
        {fixtureBytes("channel-257-values.quad"),
         "Line 519 holds the value \"0\" where the label of channel 3 should be; channel 2 "
         "(\"# C Curve\") has more than 256 values."},
        {fixtureBytes("div0.quad"),
         "Line 5: \"#DIV/0!\" is not a number; it should be value 2 of "
         "channel 1 (\"# K Curve\")."},
        // kcmycmk-merged.quad: channel c (from 0) has its comment lines at 3 + 259c .. 5 + 259c
        // and its values at 6 + 259c .. 261 + 259c.
        {merged + "\n# file /tmp/QTRtemp.kk2\n\n7",
         "Line 1818 holds the value \"7\", but the header line names only 7 channels."},
        {merged + "\n8",
         "Line 1816 holds the value \"8\", but the header line names only 7 channels."},
        {joined(shortChannel),
         "Line 520: \"# file /tmp/QTRtemp.M2\" is not a number; it should be value 256 of "
         "channel 2 (\"# C Curve\")."},
        {joined(Lines(mergedLines.begin(), mergedLines.begin() + 3 * 259 + 5)),
         "The file ends at line 782, before the first value of channel 4 (\"# Y Curve\")."},
    };
    for (const auto& [bytes, text] : rows) {
        EXPECT_EQ(refusalText(bytes), text);
    }
}

}  // namespace
}  // namespace sg
