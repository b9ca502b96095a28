#include "CurveCreation/PrinterChoice.h"

#include <gtest/gtest.h>

#include "Common/InkScale.h"
#include "QuadFiles/CurveCreationFile.h"

namespace sg {
namespace {

// Slot s's channel holds s + 1 everywhere, so every placed channel tells where it came from.
QuadCurve slotChannels(std::size_t count) {
    QuadCurve channels;
    for (std::size_t slot = 0; slot < count; ++slot) {
        channels.emplace_back(levelCount, static_cast<double>(slot + 1));
    }
    return channels;
}

// What each channel of the placed curve holds: the slot number + 1, or 0.
std::vector<double> origins(const QuadCurve& placed) {
    std::vector<double> firstValues;
    for (const std::vector<double>& channel : placed) {
        EXPECT_EQ(channel.size(), levelCount);
        firstValues.push_back(channel.front());
    }
    return firstValues;
}

TEST(PrinterChoiceTest, ChoosingAModelSetsItsInksAndLabels) {
    PrinterChoice printer;
    EXPECT_FALSE(printer.isChosen());
    EXPECT_TRUE(printer.inkNames().empty());
    EXPECT_EQ(printer.fileText(slotChannels(8)).refusal(),
              (Alert{"No Printer Model", "Choose a printer model to build the curve."}));

    const Outcome unknown = printer.choose("x800-x880");  // the starter curve tool's name
    ASSERT_TRUE(unknown.isRefused());
    EXPECT_EQ(unknown.alert()->text, "\"x800-x880\" is not a printer model.");
    EXPECT_FALSE(printer.isChosen());

    ASSERT_TRUE(printer.choose("x900").isDone());
    EXPECT_EQ(printer.model(), "x900");
    EXPECT_EQ(printer.inkNames(), InkList::namesFor8Inks);
    EXPECT_EQ(printer.channelLabels(), InkList::labelsFor10Inks);
    EXPECT_TRUE(printer.offersInk("Light Light Black"));
    EXPECT_FALSE(printer.offersInk("Orange"));
    EXPECT_FALSE(printer.offersInk("Not Used"));
    EXPECT_FALSE(printer.offersInk("Select Ink"));
    EXPECT_EQ(printer.fileText(slotChannels(10)).value(),
              CurveCreationFile::text(InkList::labelsFor10Inks, slotChannels(10)));
}

TEST(PrinterChoiceTest, ChannelsArePlacedByInkName) {
    struct Row {
        const char* name;
        const char* model;
        std::vector<std::string> slotNames;
        std::vector<double> origins;
    };
    const Row rows[] = {
        {"darkest in K, light black in LK",
         "P800",
         {"Black", "Light Black"},
         {1, 0, 0, 0, 0, 0, 2, 0}},
        {"any slot order",
         "P800",
         {"Light Light Black", "Cyan", "Black", "Light Black"},
         {3, 2, 0, 0, 0, 0, 4, 1}},
        // Two inks of one name: the darker (earlier) slot's channel is written.
        {"namesakes", "P800", {"Light Black", "Light Black", "Black"}, {3, 0, 0, 0, 0, 0, 1, 0}},
        // No channel for a placeholder, an unknown name or a channel the model lacks.
        {"nowhere to go",
         "1400-1430",
         {"Black", "Light Black", "Not Used", "Sepia"},
         {1, 0, 0, 0, 0, 0}},
        {"ten channels", "P5000-P7000-P9000", {"Black", "Green"}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PrinterChoice printer;
        ASSERT_TRUE(printer.choose(row.model).isDone());
        EXPECT_EQ(
            origins(printer.placedByInkName(row.slotNames, slotChannels(row.slotNames.size()))),
            row.origins);
    }
    EXPECT_TRUE(PrinterChoice().placedByInkName({"Black"}, slotChannels(1)).empty());
}

TEST(PrinterChoiceTest, TheCurveGraphShowsThePlacedInksInChannelOrder) {
    PrinterChoice printer;
    ASSERT_TRUE(printer.choose("P800").isDone());
    const std::vector<std::string> names = {"Light Black", "Black", "Not Used", "Black"};
    const QuadCurve placed = printer.placedByInkName(names, slotChannels(4));
    const std::vector<InkGraphSeries> graph = printer.curveGraph(names, placed);
    ASSERT_EQ(graph.size(), 2u);
    EXPECT_EQ(graph[0], (InkGraphSeries{"Ink: Black", 0, placed[0]}));
    EXPECT_EQ(graph[1], (InkGraphSeries{"Ink: Light Black", 6, placed[6]}));
}

}  // namespace
}  // namespace sg
