#include "QuadFiles/QuadDataFile.h"

#include <gtest/gtest.h>

#include "Common/Strings.h"
#include "QuadFiles/InkList.h"
#include "QuadTestText.h"

namespace sg {
namespace {

using quadtest::joined;
using quadtest::numberedCurve;
using quadtest::quadLines;

const std::string sixInkHeader = "## QuadToneRIP K,C,M,Y,LC,LM";
const std::string eightInkHeader = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK";

QuadDataFile loaded(std::string_view text) {
    auto result = QuadDataFile::fromBytes("test.quad", text);
    if (!result) {
        ADD_FAILURE() << result.error().informativeText;
        return {};
    }
    return std::move(result).value();
}

std::string refusalText(std::string_view text) {
    const auto result = QuadDataFile::fromBytes("test.quad", text);
    if (result) {
        ADD_FAILURE() << "the file loaded";
        return {};
    }
    EXPECT_EQ(result.error().messageText, "Failed to Load Quad File");
    return result.error().informativeText;
}

TEST(QuadDataFileReader, ReadsHeaderNotesLabelsAndValues) {
    const QuadCurve curve = numberedCurve(6);
    const auto file = loaded(
        joined(quadLines(sixInkHeader, {"# alpha", "# beta"}, InkList::inkListfor6Ink, curve)));
    EXPECT_EQ(file.quadCurveFileName, "test.quad");
    EXPECT_TRUE(file.checkIfQuad());
    EXPECT_EQ(file.numInks, 6);
    EXPECT_EQ(file.printerInfo, (std::vector<std::string>{sixInkHeader, "# alpha", "# beta"}));
    EXPECT_EQ(file.processNotes, "alpha\nbeta");
    EXPECT_EQ(file.addProcessNotesToFinalQuadHeader(), "# alpha\n# beta");
    EXPECT_EQ(file.inkList, InkList::inkListfor6Ink);
    EXPECT_EQ(file.quadHeaders, file.inkList);
    EXPECT_EQ(file.inputQuadCurveArray, curve);
    EXPECT_EQ(file.rawQuadData.size(), 3u + 6u * 257u);
}

TEST(QuadDataFileReader, ReadsEveryChannelSetAndFirstLabelSpelling) {
    struct Row {
        std::string header;
        std::string firstLabel;
        int channels;
    };
    const Row rows[] = {
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK", "# K curve", 7},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", "# K CURVE", 10},
        {"## QuadToneRIP MK,C,M,Y,R,B,PK,GL", "# MK CURVE", 8},
        // The first label is searched for in its six spellings, whatever the header says.
        {"## QuadToneRIP K,C,M,Y", "# MK Curve", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.header + " / " + row.firstLabel);
        std::vector<std::string> labels = {row.firstLabel};
        for (int c = 1; c < row.channels; ++c) {
            labels.push_back("# X" + std::to_string(c) + " any text");
        }
        const QuadCurve curve = numberedCurve(static_cast<std::size_t>(row.channels));
        const auto file = loaded(joined(quadLines(row.header, {"# note"}, labels, curve)));
        EXPECT_EQ(file.numInks, row.channels);
        EXPECT_EQ(file.inkList, labels);
        EXPECT_EQ(file.inputQuadCurveArray, curve);
    }
}

TEST(QuadDataFileReader, NotesLoseEveryHashBlankAndComeBackAsCommentLines) {
    const auto noComments =
        loaded(joined(quadLines(sixInkHeader, {}, InkList::inkListfor6Ink, numberedCurve(6))));
    EXPECT_EQ(noComments.printerInfo, std::vector<std::string>{sixInkHeader});
    EXPECT_EQ(noComments.processNotes, "");
    EXPECT_EQ(noComments.addProcessNotesToFinalQuadHeader(), "# ");

    const auto odd = loaded(joined(quadLines(sixInkHeader, {"## Warm tone", "#Bare", "a # b", ""},
                                             InkList::inkListfor6Ink, numberedCurve(6))));
    EXPECT_EQ(odd.processNotes, "#Warm tone\n#Bare\na b\n");
    EXPECT_EQ(odd.addProcessNotesToFinalQuadHeader(), "# #Warm tone\n# #Bare\n# a b\n# ");

    const QuadDataFile neverLoaded;
    EXPECT_EQ(neverLoaded.addProcessNotesToFinalQuadHeader(), "# Halidewerk Silvergrain v2");
    EXPECT_FALSE(neverLoaded.checkIfQuad());
    EXPECT_EQ(neverLoaded.numberOfInks(), 0);
}

TEST(QuadDataFileReader, TakesLaterLabelsByPositionAndIgnoresTrailingLines) {
    std::vector<std::string> labels = InkList::inkListfor6Ink;
    labels[1] = "# LK Curve";
    labels[5] = "#";
    std::vector<std::string> lines = quadLines(sixInkHeader, {}, labels, numberedCurve(6));
    lines.insert(lines.end(), {"", "# appended by another program", "not a number", ""});
    const auto file = loaded(joined(lines));
    EXPECT_EQ(file.inkList, labels);
    EXPECT_EQ(file.inputQuadCurveArray, numberedCurve(6));

    // A channel that is one value too long loads when it is the last one.
    std::vector<std::string> longLast = quadLines(sixInkHeader, {}, labels, numberedCurve(6));
    longLast.push_back("777");
    EXPECT_EQ(loaded(joined(longLast)).inputQuadCurveArray, numberedCurve(6));
}

TEST(QuadDataFileReader, KeepsValuesAsWrittenWithoutClampingOrRounding) {
    std::vector<std::string> lines =
        quadLines("## QuadToneRIP K,C,M,Y", {}, InkList::inkListfor4Ink, numberedCurve(4));
    const std::vector<std::string> written = {"0",  "65535", "1234.5", "-3", "7e2",
                                              "+5", "70000", ".5",     "1."};
    const std::vector<double> expected = {0, 65535, 1234.5, -3, 700, 5, 70000, 0.5, 1};
    std::copy(written.begin(), written.end(), lines.begin() + 2);
    const auto file = loaded(joined(lines));
    const std::vector<double>& k = file.inputQuadCurveArray[0];
    EXPECT_EQ(std::vector<double>(k.begin(), k.begin() + 9), expected);
}

TEST(QuadDataFileReader, CommentBlockEndsAfterFiftyOneLines) {
    const QuadCurve curve = numberedCurve(4);
    std::vector<std::string> notes(51, "# comment");
    const auto full =
        loaded(joined(quadLines("## QuadToneRIP K,C,M,Y", notes, InkList::inkListfor4Ink, curve)));
    EXPECT_EQ(full.printerInfo.size(), 52u);
    EXPECT_EQ(full.inputQuadCurveArray, curve);

    // A 52nd comment line is taken as the first label, and the real label as a value.
    notes.push_back("# one too many");
    EXPECT_EQ(refusalText(joined(
                  quadLines("## QuadToneRIP K,C,M,Y", notes, InkList::inkListfor4Ink, curve))),
              "Line 54: \"# K Curve\" is not a number; it should be value 1 of channel 1 "
              "(\"# one too many\").");
}

TEST(QuadDataFileReader, LineEndsAndEndOfFileMarkerDoNotMatter) {
    const std::vector<std::string> lines =
        quadLines(sixInkHeader, {"# notes"}, InkList::inkListfor6Ink, numberedCurve(6));
    const auto plain = loaded(joined(lines));
    // The line-end fixtures show the common cases; these are the rarer endings.
    for (const std::string& text : {joined(lines) + "\x1A\r\n", joined(lines) + "\n\x1A",
                                    "\xEF\xBB\xBF" + joined(lines, "\r\n")}) {
        const auto file = loaded(text);
        EXPECT_EQ(file.inputQuadCurveArray, plain.inputQuadCurveArray);
        EXPECT_EQ(file.printerInfo, plain.printerInfo);
    }
    // Carriage returns go wherever they are.
    std::vector<std::string> withCr = lines;
    withCr[1] = "# no\rtes";
    withCr[3] = "1\r2";
    const auto stripped = loaded(joined(withCr));
    EXPECT_EQ(stripped.processNotes, "notes");
    EXPECT_EQ(stripped.inputQuadCurveArray[0][0], 12.0);
    // A marker that is not at the very end is part of a line.
    std::vector<std::string> markedValue = lines;
    markedValue[3] += "\x1A";
    EXPECT_EQ(refusalText(joined(markedValue)),
              "Line 4: \"0\x1A\" is not a number; it should be value 1 of channel 1 "
              "(\"# K Curve\").");
}

TEST(QuadDataFileReader, RefusesWhatIsNotACompleteCurveFile) {
    const std::vector<std::string> good =
        quadLines(eightInkHeader, {"# n"}, InkList::inkListfor8Ink, numberedCurve(8));
    const auto changed = [&](std::size_t index, std::string line) {
        std::vector<std::string> lines = good;
        lines[index] = std::move(line);
        return joined(lines);
    };
    const auto cut = [&](std::size_t lineCount) {
        return joined(std::vector<std::string>(good.begin(), good.begin() + lineCount));
    };
    EXPECT_EQ(refusalText(changed(0, eightInkHeader + " ")),
              "Line 1 is not a QuadToneRIP header line such as \"## QuadToneRIP "
              "K,C,M,Y,LC,LM,LK,LLK\".");
    EXPECT_EQ(refusalText(std::string("## QuadToneRIP K,C,M,Y\n\0", 24)),
              "The file holds a NUL byte, so it is not a text file.");

    // Channel 5's label is line 2 + 4 * 257 + 1 = 1031; its 256th value would be line 1287.
    EXPECT_EQ(refusalText(cut(1286)),
              "The file ends at line 1286, before the 256th value of channel 5 "
              "(\"# LC Curve\").");
    EXPECT_EQ(refusalText(cut(1286) + "\n\n\n"),
              "The file ends at line 1286, before the 256th value of channel 5 "
              "(\"# LC Curve\").");
    EXPECT_EQ(refusalText(cut(1030)), "The file ends at line 1030, before the label of channel 5.");
    EXPECT_EQ(refusalText(cut(2) + "\n"),
              "The file ends at line 2, before the first channel label.");

    EXPECT_EQ(refusalText(changed(300, "")),
              "Line 301 is empty where value 41 of channel 2 (\"# C Curve\") should be.");
    for (const char* blanks : {" 12", "12 ", "1,5", "0x10", "inf", "-"}) {
        EXPECT_EQ(refusalText(changed(3, blanks)),
                  "Line 4: \"" + std::string(blanks) +
                      "\" is not a number; it should be value 1 of channel 1 (\"# K Curve\").");
    }
    EXPECT_EQ(refusalText(changed(3, std::string(60, '9') + "x")),
              "Line 4: \"" + std::string(40, '9') +
                  "...\" is not a number; it should be value 1 of channel 1 (\"# K Curve\").");
}

TEST(QuadDataFileReader, LoadReadsTheFileOrSaysWhyNot) {
    const auto file = QuadDataFile::load(quadtest::fixturePath("base.quad"));
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value().quadCurveFileName, "base.quad");
    EXPECT_EQ(file.value().numInks, 6);

    const auto missing = QuadDataFile::load(quadtest::fixturePath("no-such-file.quad"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), (Alert{"Failed to Load Quad File",
                                      "The file could not be read: No such file or directory."}));
    const auto folder = QuadDataFile::load(quadtest::fixturePath(""));
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.error().informativeText, "The file could not be read: it is a folder.");
}

// Real files differ in line ends and endings but hold the same curve: each loads to the same
// object and writes back byte for byte as the plain LF file.
TEST(QuadDataFileFixtures, LineEndVariantsLoadAndWriteBackAsTheSameFile) {
    const std::string plain = quadtest::fixtureBytes("base.quad");
    const auto base = loaded(plain);
    ASSERT_EQ(base.numInks, 6);
    EXPECT_EQ(base.quadFileText(base.inputQuadCurveArray), plain);
    for (const char* name :
         {"crlf.quad", "mixed-line-ends.quad", "ctrl-z.quad", "trailing-empty-lines.quad"}) {
        SCOPED_TRACE(name);
        const auto file = loaded(quadtest::fixtureBytes(name));
        EXPECT_EQ(file.inputQuadCurveArray, base.inputQuadCurveArray);
        EXPECT_EQ(file.inkList, base.inkList);
        EXPECT_EQ(file.processNotes, base.processNotes);
        EXPECT_EQ(file.quadFileText(file.inputQuadCurveArray), plain);
    }
}

TEST(QuadDataFileFixtures, QuirkyButCompleteFilesLoadAndKeepTheirValues) {
    const auto base = loaded(quadtest::fixtureBytes("base.quad"));

    const auto latin = loaded(quadtest::fixtureBytes("latin1-comments.quad"));
    EXPECT_EQ(latin.processNotes,
              "Copyright \xC2\xA9 2009 Example Imaging\nPictorico\xC2\xA8 Pro Hi-Gloss White Film");
    EXPECT_EQ(latin.inputQuadCurveArray, base.inputQuadCurveArray);

    const auto mixedCase = loaded(quadtest::fixtureBytes("mixed-label-case.quad"));
    EXPECT_EQ(mixedCase.inkList,
              (std::vector<std::string>{"# K curve", "# C Curve", "# M CURVE", "# Y curve",
                                        "# LC Curve", "# LM CURVE", "# LK curve", "# LLK Curve"}));
    // Written by another of our writers: our notes line goes in front, the rest stays.
    const std::string mixedText = quadtest::fixtureBytes("mixed-label-case.quad");
    const std::size_t firstLineEnd = mixedText.find('\n');
    // "## Warm tone" lost its inner hash-and-blank in the notes and comes back as "# #...".
    EXPECT_EQ(mixedCase.quadFileText(mixedCase.inputQuadCurveArray),
              replaceAll(mixedText.substr(0, firstLineEnd) + "\n# Halidewerk Silvergrain v2" +
                             mixedText.substr(firstLineEnd),
                         "\n## Warm tone", "\n# #Warm tone"));

    const auto mk = loaded(quadtest::fixtureBytes("mk-set.quad"));
    EXPECT_EQ(mk.numInks, 8);
    EXPECT_EQ(mk.inkList.front(), "# MK curve");
    EXPECT_EQ(mk.inputQuadCurveArray[7], std::vector<double>(256, 15000.0));
    const auto mkAgain = loaded(*mk.quadFileText(mk.inputQuadCurveArray));
    EXPECT_EQ(mkAgain.inputQuadCurveArray, mk.inputQuadCurveArray);
    EXPECT_EQ(mkAgain.printerInfo, (std::vector<std::string>{"## QuadToneRIP MK,C,M,Y,R,OR,PK,GL",
                                                             "# Halidewerk Silvergrain v2", "# "}));
}

TEST(QuadDataFileFixtures, BrokenFilesAreRefusedWithTheirProblem) {
    const std::pair<const char*, std::string> rows[] = {
        {"labelless-merge.quad",
         "Line 5 holds the value \"0\" before any channel label; each channel must begin with "
         "a label line such as \"# K Curve\"."},
        {"kcmycmk-header.quad",
         "Line 1 is not a QuadToneRIP header line such as \"## QuadToneRIP "
         "K,C,M,Y,LC,LM,LK,LLK\"."},
        {"leading-empty-line.quad",
         "Line 1 is empty; the file must begin with a QuadToneRIP header line such as "
         "\"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\"."},
        {"channel-255-values.quad",
         "Line 775: \"# Y Curve\" is not a number; channel 3 (\"# M Curve\") has only 255 "
         "values."},
        {"channel-257-values.quad",
         "Line 519 holds the value \"0\" where the label of channel 3 should be; channel 2 "
         "(\"# C Curve\") has more than 256 values."},
        {"div0.quad",
         "Line 5: \"#DIV/0!\" is not a number; it should be value 2 of channel 1 "
         "(\"# K Curve\")."},
    };
    for (const auto& [name, text] : rows) {
        SCOPED_TRACE(name);
        const auto result = QuadDataFile::load(quadtest::fixturePath(name));
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().messageText, "Failed to Load Quad File");
        EXPECT_EQ(result.error().informativeText, text);
    }
}

}  // namespace
}  // namespace sg
