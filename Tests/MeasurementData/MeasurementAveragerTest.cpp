#include <gtest/gtest.h>

#include <vector>

#include "Common/Diagnostics.h"
#include "MeasurementData/MeasurementAverager.h"

namespace sg {
namespace {

// Patch k of print r: distinct per patch, close between prints.
double sample(std::size_t k, std::size_t r) {
    return 100.0 - 3.0 * static_cast<double>(k) + 0.1 * static_cast<double>(r);
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

// Three prints of a 21-step wedge, listed print after print or patch by patch: the same means,
// each summed in print order.
TEST(MeasurementAveragerTest, RepeatsAreAveragedPerPatchInEitherOrder) {
    std::vector<double> byPrint;
    std::vector<double> byPatch;
    for (std::size_t i = 0; i < 63; ++i) {
        byPrint.push_back(sample(i % 21, i / 21));
        byPatch.push_back(sample(i / 3, i % 3));
    }
    const DiagnosticsCapture quiet;
    // The middle window (indices 30..32) of the prints holds patches 9..11 of the second.
    EXPECT_FALSE(MeasurementAverager::isGroupedByPatch(byPrint, 3));
    EXPECT_TRUE(MeasurementAverager::isGroupedByPatch(byPatch, 3));
    for (const std::vector<double>& values : {byPrint, byPatch}) {
        const std::vector<double> means = MeasurementAverager::averaged(values);
        ASSERT_EQ(means.size(), 21u);
        for (std::size_t k = 0; k < 21; ++k) {
            EXPECT_EQ(means[k], (sample(k, 0) + sample(k, 1) + sample(k, 2)) / 3) << k;
        }
        EXPECT_EQ(MeasurementAverager::averagedIfRepeated(values), means);
    }
}

TEST(MeasurementAveragerTest, ParsersAverageOnlyWhatRepeats) {
    // 256 counts from 128, before 21 or 51.
    const std::pair<std::size_t, double> rows[] = {{21, 1},   {42, 2},  {63, 3},  {102, 2},
                                                   {252, 12}, {256, 2}, {128, 1}, {129, 0},
                                                   {260, 0},  {957, 0}, {0, 0}};
    for (const auto& [count, repeats] : rows) {
        EXPECT_EQ(MeasurementAverager::repeatCount(count), repeats) << count;
    }
    // 21 values repeat nothing; 256 and 384 pass the repeat test, but the averager finds one
    // sample per patch in them.
    const DiagnosticsCapture quiet;
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
