#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "MeasurementData/MeasurementAverager.h"

namespace sg {
namespace {

// Patch k of print r: distinct per patch, close between prints.
double sample(int k, int r) {
    return 100.0 - 3.0 * k + 0.1 * r;
}

TEST(MeasurementAveragerTest, PatchCountTableDecidesPatchesAndSamples) {
    struct Row {
        int count;
        int patchCount;
        int samplesPerPatch;
    };
    // 357 fits 21 and 51, 258 fits 86 and 129: the earlier row wins. 128 alone is row five;
    // its multiples are not.
    const Row rows[] = {{21, 21, 1},   {42, 21, 2},   {63, 21, 3},   {357, 21, 17}, {51, 51, 1},
                        {102, 51, 2},  {86, 86, 1},   {258, 86, 3},  {101, 101, 1}, {202, 101, 2},
                        {128, 128, 1}, {129, 129, 1}, {387, 129, 3}, {256, 256, 1}, {512, 256, 2},
                        {768, 256, 3}, {384, 0, 1},   {640, 0, 1},   {100, 0, 1}};
    const DiagnosticsCapture quiet;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.count);
        const auto layout = MeasurementAverager::layoutFor(static_cast<std::size_t>(row.count));
        EXPECT_EQ(layout ? layout->patchCount : 0, row.patchCount);
        EXPECT_EQ(layout ? layout->samplesPerPatch : 1, row.samplesPerPatch);
        if (row.samplesPerPatch == 1) {  // single samples are not averaged
            EXPECT_TRUE(MeasurementAverager::averaged(
                            std::vector<double>(static_cast<std::size_t>(row.count), 50.0))
                            .empty());
        }
    }
}

TEST(MeasurementAveragerTest, PrintsListedOneAfterAnotherAreRegrouped) {
    std::vector<double> values;
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 21; ++k) {
            values.push_back(sample(k, r));
        }
    }
    const DiagnosticsCapture quiet;
    // The middle window (indices 30..32) holds patches 9..11 of the second print.
    EXPECT_FALSE(MeasurementAverager::isGroupedByPatch(values, 3));
    const std::vector<double> means = MeasurementAverager::averaged(values);
    ASSERT_EQ(means.size(), 21u);
    EXPECT_EQ(means[0], (values[0] + values[21] + values[42]) / 3);
    for (int k = 0; k < 21; ++k) {
        EXPECT_DOUBLE_EQ(means[static_cast<std::size_t>(k)], sample(k, 1));
    }
}

TEST(MeasurementAveragerTest, RepeatsNextToEachOtherAreAveragedInPlace) {
    std::vector<double> values;
    for (int k = 0; k < 21; ++k) {
        for (int r = 0; r < 3; ++r) {
            values.push_back(sample(k, r));
        }
    }
    const DiagnosticsCapture quiet;
    EXPECT_TRUE(MeasurementAverager::isGroupedByPatch(values, 3));
    const std::vector<double> means = MeasurementAverager::averaged(values);
    ASSERT_EQ(means.size(), 21u);
    for (std::size_t k = 0; k < 21; ++k) {
        EXPECT_EQ(means[k], (values[3 * k] + values[3 * k + 1] + values[3 * k + 2]) / 3);
    }
}

TEST(MeasurementAveragerTest, RepeatTestOfTheParsersPrefersLargeWedges) {
    // 256 counts from 128, before 21 or 51.
    const std::pair<std::size_t, double> rows[] = {{21, 1},   {42, 2},  {63, 3},  {102, 2},
                                                   {252, 12}, {256, 2}, {128, 1}, {129, 0},
                                                   {260, 0},  {957, 0}, {0, 0}};
    for (const auto& [count, repeats] : rows) {
        EXPECT_EQ(MeasurementAverager::repeatCount(count), repeats) << count;
    }
}

TEST(MeasurementAveragerTest, ParsersKeepTheMeansOrTheValuesAsTheyAre) {
    std::vector<double> threePrints;
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 21; ++k) {
            threePrints.push_back(sample(k, r));
        }
    }
    const DiagnosticsCapture quiet;
    EXPECT_EQ(MeasurementAverager::averagedIfRepeated(threePrints),
              MeasurementAverager::averaged(threePrints));

    // 21 values repeat nothing; 256 and 384 pass the repeat test, but the averager finds one
    // sample per patch in them.
    for (const std::size_t count : {21u, 256u, 384u}) {
        std::vector<double> values;
        for (std::size_t i = 0; i < count; ++i) {
            values.push_back(100.0 - 0.25 * static_cast<double>(i));
        }
        EXPECT_EQ(MeasurementAverager::averagedIfRepeated(values), values) << count;
    }
}

}  // namespace
}  // namespace sg
