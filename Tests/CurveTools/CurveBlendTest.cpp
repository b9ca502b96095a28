#include "CurveTools/CurveBlend.h"

#include <gtest/gtest.h>

#include "Common/Strings.h"
#include "QuadFiles/InkList.h"
#include "Support/GoldenFile.h"
#include "Support/QuadText.h"
#include "Support/TemporaryFolder.h"
#include "Support/TestData.h"

namespace sg {
namespace {

using testing::testData;

// Curve 1 carries the quirks a saved blend must keep: CRLF, a Latin-1 comment byte, a "##"
// comment line and labels in mixed case. Curve 2 has the same eight channels, LF.
const std::filesystem::path glossy = testData("CurveTools/GlossyNeutral8Crlf.quad");
const std::filesystem::path warm = testData("CurveTools/WarmBaryta8.quad");
const std::filesystem::path sixChannels = testData("CurveTools/Matte6Crlf.quad");

void setZones(CurveBlend& blend, std::array<double, blendZoneCount> percents) {
    for (std::size_t zone = 0; zone < blendZoneCount; ++zone) {
        blend.setCurve1Percent(static_cast<BlendZone>(zone), percents[zone]);
    }
}

CurveBlend loadedBlend() {
    CurveBlend blend;
    EXPECT_TRUE(blend.loadCurve1(glossy).isDone());
    EXPECT_TRUE(blend.loadCurve2(warm).isDone());
    return blend;
}

TEST(CurveBlend, ZoneSharesMixTheCurvesLevelByLevel) {
    CurveBlend blend = loadedBlend();
    const QuadCurve& first = blend.curve1()->curve();
    const QuadCurve& second = blend.curve2()->curve();
    EXPECT_EQ(blend.blendedCurve(), first);  // every zone starts at 100
    setZones(blend, {0, 0, 0, 0, 0});
    EXPECT_EQ(blend.blendedCurve(), second);

    setZones(blend, {100, 100, 50, 0, 0});
    for (std::size_t c = 0; c < first.size(); ++c) {
        EXPECT_EQ(blend.blendedCurve()[c][0], first[c][0]) << c;
        EXPECT_EQ(blend.blendedCurve()[c][128], (first[c][128] + second[c][128]) / 2.0) << c;
        EXPECT_EQ(blend.blendedCurve()[c][255], second[c][255]) << c;
    }
}

TEST(CurveBlend, NotesRecordTheFilesAndTheSharesOfEveryZone) {
    CurveBlend blend;
    EXPECT_EQ(blend.blendNotesText(),
              "# Blend of Curve 1 and Curve 2 \n# W: 100.00 : 0.00, L: 100.00 : 0.00, "
              "M: 100.00 : 0.00, D: 100.00 : 0.00, B: 100.00 : 0.00");
    ASSERT_TRUE(blend.loadCurve2(warm).isDone());
    // Shares are kept within 0..100.
    setZones(blend, {150, 75, 33.333, 12.5, -5});
    EXPECT_EQ(blend.blendNotesText(),
              "# Blend of Curve 1 and WarmBaryta8.quad \n# W: 100.00 : 0.00, L: 75.00 : 25.00, "
              "M: 33.33 : 66.67, D: 12.50 : 87.50, B: 0.00 : 100.00");
}

TEST(CurveBlend, SavedBlendKeepsCurve1sHeaderAndLabels) {
    CurveBlend blend = loadedBlend();
    setZones(blend, {100, 80, 50, 20, 0});
    const testing::TemporaryFolder folder;
    ASSERT_TRUE(blend.saveBlend(folder.path() / "blend.quad").isDone());
    EXPECT_TRUE(testing::matchesGoldenFile(folder.read("blend.quad"), "blend-glossy-warm.quad"));

    ASSERT_TRUE(blend.exportGutenprintXml(folder.path()).isDone());
    // The blend's export carries curve 1's labels.
    EXPECT_NE(folder.read("Black.xml").find("<channelname>\n# K curve\n</channelname>"),
              std::string::npos);
}

// Curve 1 with 51 comment lines: with the two note lines the header would run past what the
// reader takes, so the notes join the last comment line and the blend still loads.
TEST(CurveBlend, BlendOfACurveWithAFullHeaderLoadsBack) {
    std::vector<std::string> notes;
    for (int note = 1; note <= 51; ++note) {
        notes.push_back("# note " + std::to_string(note));
    }
    const std::string text =
        joinStrings(quadtest::quadLines("## QuadToneRIP K,C,M,Y", notes, InkList::labelsFor4Inks,
                                        quadtest::numberedCurve(4)),
                    "\n");
    const testing::TemporaryFolder folder;
    CurveBlend blend;
    ASSERT_TRUE(blend.loadCurve1(folder.write("full.quad", text)).isDone());
    ASSERT_TRUE(blend.loadCurve2(folder.write("also.quad", text)).isDone());
    const Result<QuadFile> reloaded = QuadFile::fromBytes("blend.quad", blend.blendFileText());
    ASSERT_TRUE(reloaded) << reloaded.refusal().text;
    EXPECT_EQ(reloaded.value().headerBlock().size(), 52u);
    EXPECT_EQ(reloaded.value().headerBlock().back(),
              "# note 51 Blend of full.quad and also.quad  W: 100.00 : 0.00, L: 100.00 : 0.00, "
              "M: 100.00 : 0.00, D: 100.00 : 0.00, B: 100.00 : 0.00");
    EXPECT_EQ(reloaded.value().curve(), blend.blendedCurve());
}

TEST(CurveBlend, DifferentChannelCountsAlertOnLoadAndOnSave) {
    CurveBlend blend = loadedBlend();
    setZones(blend, {100, 100, 50, 0, 0});
    const QuadCurve blended = blend.blendedCurve();

    // A file that does not load changes nothing.
    EXPECT_TRUE(blend.loadCurve2(testData("CurveTools/DivZeroExport.quad")).isRefused());
    EXPECT_EQ(blend.curve2()->fileName(), "WarmBaryta8.quad");

    // The curve is taken; the blend stays as it was, also when a zone moves.
    const Outcome loaded = blend.loadCurve2(sixChannels);
    ASSERT_EQ(loaded.kind(), Outcome::Kind::takenNotComputed);
    EXPECT_EQ(loaded.alert()->title, "Can not blend curves");
    EXPECT_EQ(loaded.alert()->text,
              "Please load .quad curve files from the same printer model or with equal number "
              "ink channels.");
    EXPECT_EQ(blend.curve2()->channelCount(), 6u);
    blend.setCurve1Percent(BlendZone::mids, 0);
    EXPECT_EQ(blend.blendedCurve(), blended);

    // The save says so again, writes nothing and drops the stale blend.
    bool written = false;
    const Outcome saved = blend.saveBlend([&](std::string_view) {
        written = true;
        return Outcome();
    });
    EXPECT_EQ(saved.alert(), loaded.alert());
    EXPECT_FALSE(written);
    EXPECT_TRUE(blend.blendedCurve().empty());

    const testing::TemporaryFolder folder;
    EXPECT_TRUE(blend.exportGutenprintXml(folder.path()).isDone());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    // Curve 1 alike, and an equal count blends again.
    EXPECT_EQ(blend.loadCurve1(warm).kind(), Outcome::Kind::takenNotComputed);
    EXPECT_TRUE(blend.loadCurve1(sixChannels).isDone());
    EXPECT_EQ(blend.blendedCurve().size(), 6u);
}

}  // namespace
}  // namespace sg
