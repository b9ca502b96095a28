#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Common/Diagnostics.h"
#include "Common/Strings.h"
#include "Common/TextFiles.h"
#include "MeasurementData/MeasurementFile.h"
#include "Support/TestData.h"

namespace sg {
namespace {

// Real i1Profiler exports (MIT licensed, see Tests/Data/real-measurements/LICENSE.md).
std::filesystem::path realSample(const std::string& name) {
    return testing::testData("real-measurements") / name;
}

struct Expected {
    std::string name;
    std::size_t count;
    double first, last, lightest, darkest;
};

TEST(RealMeasurementsTest, ProfilingChartExportsLoadTheirWholeDataBlock) {
    const Expected samples[] = {
        {"abw_i1Profiler_9800_Darkest_PM_M2.txt", 260, 36.87, 92.94, 94.83, 2.69},
        {"abw_i1Profiler_9800_Neutral_ABW52x5_M2.txt", 260, 34.59, 92.96, 94.79, 2.37},
        {"abw_i1Profiler_BandW_256x3_P1000M_M2.txt", 957, 18.83, 46.06, 93.13, 18.39}};
    for (const Expected& sample : samples) {
        SCOPED_TRACE(sample.name);
        const std::filesystem::path path = realSample(sample.name);
        const DiagnosticsCapture quiet;
        const auto file = MeasurementFile::load(path);
        ASSERT_TRUE(file.ok());
        EXPECT_EQ(file.value().detectFormat(), MeasurementFormat::cgats);
        const auto series = readLinearizationSeries(file.value());
        ASSERT_TRUE(series.ok());
        const std::vector<double>& values = series.value();
        // 260 and 957 pass no repeat test: shuffled charts stay as measured, in chart order.
        ASSERT_EQ(values.size(), sample.count);
        EXPECT_EQ(values.front(), sample.first);
        EXPECT_EQ(values.back(), sample.last);
        EXPECT_EQ(*std::max_element(values.begin(), values.end()), sample.lightest);
        EXPECT_EQ(*std::min_element(values.begin(), values.end()), sample.darkest);
        EXPECT_EQ(readSeparationChartSeries(file.value()).value(), values);

        // Without LAB_L, L* comes from XYZ_Y (written as fractions of the white here) and
        // matches the export's own L*, within the rounding of Y to five decimals and of L* to
        // two.
        const auto noLab = MeasurementFile::fromBytes(
            sample.name, replaceAll(readFileBytes(path).value(), "LAB_L", "LAB_X"));
        const std::vector<double> fromLuminance = readLinearizationSeries(noLab.value()).value();
        ASSERT_EQ(fromLuminance.size(), values.size());
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_NEAR(fromLuminance[i], values[i], 0.01) << i;
        }
    }
}

}  // namespace
}  // namespace sg
