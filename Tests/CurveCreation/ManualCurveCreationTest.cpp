#include "CurveCreation/ManualCurveCreation.h"

#include <gtest/gtest.h>

#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "CurveCreation/InkChannels.h"
#include "Support/GoldenFile.h"
#include "Support/TemporaryFolder.h"

namespace sg {
namespace {

using testing::TemporaryFolder;

InkSettings added(const char* name, double grayValue) {
    return {name, 100, 100, 0.1, 0.1, grayValue};
}

// Every value line of a curve file is a whole number from 0 to 65535.
void expectValuesInRange(const std::string& text) {
    std::size_t values = 0;
    for (const std::string& line : splitString(text, '\n')) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::optional<long long> value = parseInteger(line);
        ASSERT_TRUE(value.has_value()) << line;
        EXPECT_GE(*value, 0);
        EXPECT_LE(*value, 65535);
        ++values;
    }
    EXPECT_GT(values, 0u);
}

TEST(ManualCurveCreationTest, SlotsFillInOrderAndEmptyFromTheEnd) {
    ManualCurveCreation tool;
    const std::vector<InkSettings> one = {added("Black", 100)};
    const std::vector<InkSettings> two = {added("Black", 100), added("Light Black", 50)};
    const std::vector<InkSettings> three = {added("Black", 100), added("Light Black", 50),
                                            added("Light Light Black", 25)};
    const std::vector<InkSettings> renamed = {added("Black", 100), added("Light Black", 50),
                                              added("Light Cyan", 25)};
    EXPECT_EQ(tool.inks(), one);
    // Before a printer model there are no inks to choose from.
    EXPECT_TRUE(tool.selectInk(1, "Light Black").isRefused());
    EXPECT_EQ(tool.inks(), one);
    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());

    struct Step {
        const char* name;
        std::size_t slot;
        const char* ink;
        bool refused;
        const std::vector<InkSettings>& inks;
    };
    const Step steps[] = {
        {"a gap", 2, "Light Black", true, one},
        {"add slot 2", 1, "Light Black", false, two},
        {"add slot 3", 2, "Light Light Black", false, three},
        {"not the printer's ink", 1, "Orange", true, three},
        {"remove from the middle", 1, "Not Used", true, three},
        {"placeholder", 1, "Select Ink", false, three},
        {"rename", 2, "Light Cyan", false, renamed},
        {"remove the last", 2, "Not Used", false, two},
        {"already unused", 4, "Not Used", false, two},
        {"remove", 1, "Not Used", false, one},
        {"slot 1 stays", 0, "Not Used", true, one},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const Outcome outcome = tool.selectInk(step.slot, step.ink);
        EXPECT_EQ(outcome.isRefused(), step.refused);
        EXPECT_EQ(tool.inks(), step.inks);
        EXPECT_EQ(tool.slotChannels(), inkChannels(tool.inks(), RampShape::bezier));
    }

    // All eight slots: no ninth.
    for (std::size_t slot = 1; slot < 8; ++slot) {
        ASSERT_TRUE(tool.selectInk(slot, "Cyan").isDone());
    }
    EXPECT_TRUE(tool.selectInk(8, "Cyan").isRefused());
    EXPECT_EQ(tool.inks().size(), 8u);
}

TEST(ManualCurveCreationTest, SlotStatesFollowTheInksInUse) {
    ManualCurveCreation tool;
    EXPECT_EQ(tool.slotState(0), (InkSlotState{"Black", false, true, false}));
    EXPECT_EQ(tool.slotState(1), (InkSlotState{"Select Ink", false, false, false}));
    ASSERT_TRUE(tool.choosePrinterModel("P600").isDone());
    ASSERT_TRUE(tool.selectInk(1, "Light Black").isDone());
    EXPECT_EQ(tool.slotState(0), (InkSlotState{"Black", true, true, false}));
    EXPECT_EQ(tool.slotState(1), (InkSlotState{"Light Black", true, true, true}));
    EXPECT_EQ(tool.slotState(2), (InkSlotState{"Select Ink", true, false, false}));
    EXPECT_EQ(tool.slotState(3), (InkSlotState{"Not Used", false, false, false}));
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
    EXPECT_TRUE(tool.setEndingOverlap(5, 0.2).isRefused());
    EXPECT_EQ(tool.inks(), expected);
}

TEST(ManualCurveCreationTest, WithoutAPrinterModelThereIsOnlyTheHint) {
    ManualCurveCreation tool;
    TemporaryFolder folder;
    EXPECT_EQ(tool.graphHint(), "Choose a printer model to build the curve.");
    EXPECT_TRUE(tool.curveGraph().empty());
    EXPECT_FALSE(tool.canSave());
    EXPECT_TRUE(tool.saveCurve(folder.path() / "curve.quad").isRefused());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "curve.quad"));

    ASSERT_TRUE(tool.choosePrinterModel("P800").isDone());
    EXPECT_FALSE(tool.graphHint().has_value());
    EXPECT_TRUE(tool.canSave());
    EXPECT_EQ(tool.curveGraph(),
              (std::vector<InkGraphSeries>{{"Ink: Black", 0, tool.slotChannels()[0]}}));
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

    const QuadCurve& curve = tool.curve();
    ASSERT_EQ(curve.size(), 8u);
    const QuadCurve& built = tool.slotChannels();
    const QuadCurve zero(1, std::vector<double>(256, 0.0));
    EXPECT_EQ(curve, (QuadCurve{built[0], zero[0], zero[0], built[3], zero[0], zero[0], built[1],
                                built[2]}));
    ASSERT_EQ(tool.curveGraph().size(), 4u);
    EXPECT_EQ(tool.curveGraph()[1].label, "Ink: Yellow");

    TemporaryFolder folder;
    ASSERT_TRUE(tool.saveCurve(folder.path() / "four-inks.quad").isDone());
    const std::string saved = folder.read("four-inks.quad");
    EXPECT_EQ(saved, tool.curveFileText().value());
    EXPECT_TRUE(testing::matchesGoldenFile(saved, "curve-creation/manual-four-inks.quad"));
    expectValuesInRange(saved);
}

}  // namespace
}  // namespace sg
