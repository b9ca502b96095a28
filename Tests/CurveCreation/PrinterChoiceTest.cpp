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

TEST(PrinterChoiceTest, ChoosingAModelSetsItsInksAndLabels) {
    PrinterChoice printer;
    EXPECT_EQ(printer.fileText(slotChannels(8)).refusal(),
              (Alert{"No Printer Model", "Choose a printer model to build the curve."}));
    EXPECT_TRUE(printer.placedByInkName({"Black"}, slotChannels(1)).empty());
    // The starter curve tool's name for the x-series is not one of these.
    EXPECT_EQ(printer.choose("x800-x880").alert()->text, "\"x800-x880\" is not a printer model.");
    EXPECT_FALSE(printer.isChosen());

    ASSERT_TRUE(printer.choose("x900").isDone());
    EXPECT_EQ(printer.inkNames(), InkList::namesFor8Inks);
    EXPECT_EQ(printer.channelLabels(), InkList::labelsFor10Inks);
    EXPECT_TRUE(printer.offersInk("Light Light Black"));
    EXPECT_FALSE(printer.offersInk("Orange") || printer.offersInk("Not Used") ||
                 printer.offersInk("Select Ink"));
    EXPECT_EQ(printer.fileText(slotChannels(10)).value(),
              CurveCreationFile::text(InkList::labelsFor10Inks, slotChannels(10)));
}

TEST(PrinterChoiceTest, ChannelsArePlacedByInkNameAndDrawnInChannelOrder) {
    struct Row {
        const char* model;
        std::vector<std::string> slotNames;
        std::vector<double> origins;  // the slot + 1 of each channel, 0 for none
    };
    const Row rows[] = {
        {"P800", {"Black", "Light Black"}, {1, 0, 0, 0, 0, 0, 2, 0}},
        {"P800", {"Light Light Black", "Cyan", "Black", "Light Black"}, {3, 2, 0, 0, 0, 0, 4, 1}},
        // Of two namesakes the darker (earlier) slot's channel is written.
        {"P800", {"Light Black", "Light Black", "Black"}, {3, 0, 0, 0, 0, 0, 1, 0}},
        // No channel for a placeholder, an unknown name or a channel the model lacks.
        {"1400-1430", {"Black", "Light Black", "Not Used", "Sepia"}, {1, 0, 0, 0, 0, 0}},
        {"P5000-P7000-P9000", {"Black", "Green"}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 2}},
    };
    for (const Row& row : rows) {
        PrinterChoice printer;
        ASSERT_TRUE(printer.choose(row.model).isDone());
        const QuadCurve placed =
            printer.placedByInkName(row.slotNames, slotChannels(row.slotNames.size()));
        ASSERT_EQ(placed.size(), row.origins.size());
        for (std::size_t channel = 0; channel < placed.size(); ++channel) {
            EXPECT_EQ(placed[channel], std::vector<double>(levelCount, row.origins[channel]))
                << row.slotNames.front() << " ... channel " << channel;
        }
    }

    PrinterChoice printer;
    ASSERT_TRUE(printer.choose("P800").isDone());
    const std::vector<std::string> names = {"Light Black", "Black", "Not Used", "Black"};
    const QuadCurve placed = printer.placedByInkName(names, slotChannels(4));
    EXPECT_EQ(printer.curveGraph(names, placed),
              (std::vector<InkGraphSeries>{{"Ink: Black", 0, placed[0]},
                                           {"Ink: Light Black", 6, placed[6]}}));
}

}  // namespace
}  // namespace sg
