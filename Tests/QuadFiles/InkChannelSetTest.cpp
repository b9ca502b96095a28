#include "QuadFiles/InkChannelSet.h"

#include <gtest/gtest.h>

#include "QuadFiles/InkChannel.h"
#include "QuadFiles/InkList.h"

namespace sg {
namespace {

TEST(InkChannelSet, RecognisesOnlyItsHeaderLinesExactly) {
    // clang-format off
    const std::pair<const char*, std::size_t> rows[] = {
        {"## QuadToneRIP K,C,M,Y", 4}, {"## QuadToneRIP K,C,M,Y,LC,LM", 6},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK", 7}, {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", 8},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", 10},
        {"## QuadToneRIP MK,C,M,Y,R,B,PK,GL", 8}, {"## QuadToneRIP MK,C,M,Y,R,OR,PK,GL", 8},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK ", 0}, {" ## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", 0},
        {"## quadtonerip k,c,m,y", 0}, {"## QuadToneRIP KCMYcmk", 7},
        {"## QuadToneRIP KCMYCMK", 0}, {"", 0}};
    // clang-format on
    for (const auto& [line, count] : rows) {
        const InkChannelSet* set = inkChannelSetOf(line);
        EXPECT_EQ(set != nullptr ? set->channels.size() : 0u, count) << line;
    }
    using enum InkChannel;
    EXPECT_EQ(inkChannelSetOf("## QuadToneRIP KCMYcmk")->channels,
              (std::vector<InkChannel>{K, C, M, Y, LC, LM, LK}));
}

// Display name p of a list names channel p - 1 of the label list of the same size.
TEST(InkList, DisplayNamesAndLabelsDescribeTheSameChannels) {
    using enum InkChannel;
    const std::vector<InkChannel> order = {K, C, M, Y, LC, LM, LK, LLK, OR, GR};
    const std::vector<std::pair<const std::vector<std::string>*, const std::vector<std::string>*>>
        lists = {{&InkList::labelsFor4Inks, &InkList::namesFor4Inks},
                 {&InkList::labelsFor6Inks, &InkList::namesFor6Inks},
                 {&InkList::labelsFor8Inks, &InkList::namesFor8Inks},
                 {&InkList::labelsFor10Inks, &InkList::namesFor10Inks}};
    for (const auto& [labels, names] : lists) {
        ASSERT_EQ(names->size(), labels->size() + 2);
        EXPECT_EQ(names->front(), "Select Ink");
        EXPECT_EQ(names->back(), "Not Used");
        for (std::size_t c = 0; c < labels->size(); ++c) {
            EXPECT_EQ((*labels)[c], "# " + std::string(channelIdentifier(order[c])) + " Curve");
            EXPECT_EQ((*names)[c + 1], inkDisplayName(order[c]).value());
        }
    }
    EXPECT_EQ(InkList::namesFor10Inks[8], "Light Light Black");
}

TEST(InkList, PrinterModelsChooseTheirLists) {
    struct Row {
        const char* model;
        const std::vector<std::string>* names;
        const std::vector<std::string>* labels;
    };
    const Row rows[] = {{"1400-1430", &InkList::namesFor6Inks, &InkList::labelsFor6Inks},
                        {"P800", &InkList::namesFor8Inks, &InkList::labelsFor8Inks},
                        {"x800-x890", &InkList::namesFor8Inks, &InkList::labelsFor8Inks},
                        // Ten channels, but only the eight gray-capable inks to choose from.
                        {"x900", &InkList::namesFor8Inks, &InkList::labelsFor10Inks},
                        {"P5000-P7000-P9000", &InkList::namesFor10Inks, &InkList::labelsFor10Inks},
                        {"x600", &InkList::namesFor8Inks, &InkList::labelsFor8Inks},
                        {"X900", &InkList::namesFor8Inks, &InkList::labelsFor8Inks}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.model);
        EXPECT_EQ(&displayNamesForPrinterModel(row.model), row.names);
        EXPECT_EQ(&channelLabelsForPrinterModel(row.model), row.labels);
    }
}

}  // namespace
}  // namespace sg
