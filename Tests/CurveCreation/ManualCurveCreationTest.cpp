#include "CurveCreation/ManualCurveCreation.h"

#include <gtest/gtest.h>

#include "CurveCreation/InkChannels.h"
#include "Support/GoldenFile.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

using testing::TemporaryFolder;

InkSettings added(const char* name, double grayValue) {
    return {name, 100, 100, 0.1, 0.1, grayValue};
}

TEST(ManualCurveCreationTest, SlotsFillInOrderAndEmptyFromTheEnd) {
    const std::vector<InkSettings> three = {added("Black", 100), added("Light Black", 50),
                                            added("Light Light Black", 25)};
    const std::vector<InkSettings> one(three.begin(), three.begin() + 1);
    const std::vector<InkSettings> two(three.begin(), three.begin() + 2);
    std::vector<InkSettings> renamed = three;
    renamed[2].inkName = "Light Cyan";
    ManualCurveCreation tool;
    EXPECT_EQ(tool.inks(), one);
    // Before a printer model there are no inks to choose from.
    EXPECT_TRUE(tool.selectInk(1, "Light Black").isRefused());
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    struct Step {
        std::size_t slot;
        const char* ink;
        bool refused;
        const std::vector<InkSettings>& inks;
    };
    const Step steps[] = {
        {2, "Light Black", true, one},   // a gap
        {1, "Light Black", false, two},  // added at half the gray value above
        {2, "Light Light Black", false, three},
        {1, "Orange", true, three},       // not the printer's
        {1, "Not Used", true, three},     // not the last
        {1, "Select Ink", false, three},  // the placeholder changes nothing
        {2, "Light Cyan", false, renamed},
        {2, "Not Used", false, two},
        {4, "Not Used", false, two},  // unused already
        {1, "Not Used", false, one},
        {0, "Not Used", true, one},  // slot 1 always holds an ink
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "slot " << step.slot << " " << step.ink);
        EXPECT_EQ(tool.selectInk(step.slot, step.ink).isRefused(), step.refused);
        EXPECT_EQ(tool.inks(), step.inks);
        EXPECT_EQ(tool.slotChannels(), inkChannels(tool.inks(), RampShape::bezier));
    }
    for (std::size_t slot = 1; slot < 8; ++slot) {
        ASSERT_TRUE(tool.selectInk(slot, "Cyan").isDone());
    }
    EXPECT_TRUE(tool.selectInk(8, "Cyan").isRefused());  // no ninth slot
}

TEST(ManualCurveCreationTest, SlotStatesAndTheGraphFollowThePrinterAndTheInks) {
    ManualCurveCreation tool;
    EXPECT_EQ(tool.slotState(0), (InkSlotState{"Black", false, true, false}));
    EXPECT_EQ(tool.slotState(1), (InkSlotState{"Select Ink", false, false, false}));
    EXPECT_EQ(tool.graphHint(), "Choose a printer model to build the curve.");
    EXPECT_FALSE(tool.canSave());
    EXPECT_EQ(tool.saveCurve("never-written.quad").alert()->title, "No Printer Model");

    ASSERT_TRUE(tool.choosePrinterModel("P600").isDone());
    ASSERT_TRUE(tool.selectInk(1, "Light Black").isDone());
    EXPECT_EQ(tool.slotState(0), (InkSlotState{"Black", true, true, false}));
    EXPECT_EQ(tool.slotState(1), (InkSlotState{"Light Black", true, true, true}));
    EXPECT_EQ(tool.slotState(2), (InkSlotState{"Select Ink", true, false, false}));
    EXPECT_EQ(tool.slotState(3), (InkSlotState{"Not Used", false, false, false}));
    EXPECT_FALSE(tool.graphHint().has_value());
    EXPECT_TRUE(tool.canSave());
    EXPECT_EQ(tool.curveGraph().size(), 2u);
}

TEST(ManualCurveCreationTest, SettingsReachTheirSlotWithinTheirRanges) {
    ManualCurveCreation tool;
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    ASSERT_TRUE(tool.selectInk(1, "Light Black").isDone());
    ASSERT_TRUE(tool.setInkLimit(0, 80).isDone());
    ASSERT_TRUE(tool.setGrayValue(1, 140).isDone());
    ASSERT_TRUE(tool.setStartingOverlap(1, -0.5).isDone());
    ASSERT_TRUE(tool.setEndingOverlap(1, 0.35).isDone());
    ASSERT_TRUE(tool.setInkLimit(1, 0).isDone());
    const std::vector<InkSettings> expected = {{"Black", 80, 100, 0.1, 0.1, 100},
                                               {"Light Black", 1, 100, 0, 0.35, 100}};
    EXPECT_EQ(tool.inks(), expected);
    EXPECT_EQ(tool.slotChannels(), inkChannels(expected, RampShape::bezier));
    // Slot 1 stands for full black; slots without an ink have nothing to set.
    EXPECT_TRUE(tool.setGrayValue(0, 90).isRefused());
    EXPECT_TRUE(tool.setInkLimit(2, 50).isRefused());
    EXPECT_EQ(tool.inks(), expected);
}

TEST(ManualCurveCreationTest, SavesFourInksPlacedByName) {
    ManualCurveCreation tool;
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    ASSERT_TRUE(tool.setInkLimit(0, 70).isDone());
    ASSERT_TRUE(tool.selectInk(1, "Light Black").isDone());
    ASSERT_TRUE(tool.setGrayValue(1, 55).isDone());
    ASSERT_TRUE(tool.setInkLimit(1, 60).isDone());
    ASSERT_TRUE(tool.selectInk(2, "Light Light Black").isDone());
    ASSERT_TRUE(tool.setGrayValue(2, 24).isDone());
    ASSERT_TRUE(tool.setInkLimit(2, 45).isDone());
    ASSERT_TRUE(tool.setStartingOverlap(2, 0.2).isDone());
    ASSERT_TRUE(tool.selectInk(3, "Yellow").isDone());
    ASSERT_TRUE(tool.setInkLimit(3, 12).isDone());
    ASSERT_TRUE(tool.setEndingOverlap(3, 0.3).isDone());

    TemporaryFolder folder;
    ASSERT_TRUE(tool.saveCurve(folder.path() / "four-inks.quad").isDone());
    EXPECT_TRUE(testing::matchesGoldenFile(folder.read("four-inks.quad"),
                                           "curve-creation/manual-four-inks.quad"));
}

}  // namespace
}  // namespace sg
