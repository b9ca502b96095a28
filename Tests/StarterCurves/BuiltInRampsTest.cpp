#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Common/Numbers.h"
#include "StarterCurves/BlackTables.h"
#include "StarterCurves/TonerBaseCurves.h"
#include "Support/GoldenFile.h"

// Every value of the built-in ramps to the last bit, and the shape every ramp must have to
// print as a plausible ink ramp.
namespace sg {
namespace {

enum class Precision { whole, singleTwoDecimals, fractions };

struct Ramp {
    std::string name;
    const LevelValues& values;
    Precision precision = Precision::whole;
};

using enum BlackTableName;
const TonerBaseCurves& toner = tonerBaseCurves();

const std::vector<Ramp> ramps = {
    {"k8Gloss K", blackTable(k8Gloss).black},
    {"k8Gloss LK", blackTable(k8Gloss).lightBlack},
    {"k8Gloss LLK", blackTable(k8Gloss).lightLightBlack},
    {"k10Gloss K", blackTable(k10Gloss).black},
    {"k10Gloss LK", blackTable(k10Gloss).lightBlack},
    {"k10Gloss LLK", blackTable(k10Gloss).lightLightBlack},
    {"k8Matte K", blackTable(k8Matte).black, Precision::singleTwoDecimals},
    {"k8Matte LK", blackTable(k8Matte).lightBlack, Precision::singleTwoDecimals},
    {"k8Matte LLK", blackTable(k8Matte).lightLightBlack, Precision::singleTwoDecimals},
    {"k10Matte K", blackTable(k10Matte).black},
    {"k10Matte LK", blackTable(k10Matte).lightBlack},
    {"k10Matte LLK", blackTable(k10Matte).lightLightBlack},
    {"x880Gloss K", blackTable(x880Gloss).black},
    {"x880Gloss LK", blackTable(x880Gloss).lightBlack},
    {"x880Gloss LLK", blackTable(x880Gloss).lightLightBlack},
    {"gravure K", blackTable(gravure).black},
    {"gravure LK", blackTable(gravure).lightBlack},
    {"gravure LLK", blackTable(gravure).lightLightBlack},
    {"dtpGravure K", blackTable(dtpGravure).black},
    {"dtpGravure LK", blackTable(dtpGravure).lightBlack},
    {"dtpGravure LLK", blackTable(dtpGravure).lightLightBlack},
    {"cyan", toner.cyan},
    {"light cyan", toner.lightCyan},
    {"magenta", toner.magenta},
    {"light magenta", toner.lightMagenta},
    {"yellow", toner.yellow, Precision::fractions},
};

// One block per ramp: its name, then its value at every level.
TEST(BuiltInRamps, KeepEveryValue) {
    std::string text;
    for (const Ramp& ramp : ramps) {
        text += "# " + ramp.name + "\n";
        for (const double value : ramp.values) {
            text += formatShortest(value) + "\n";
        }
    }
    EXPECT_TRUE(testing::matchesGoldenFile(text, "starter/built-in-ramps.txt"));
}

// Smooth: the slope changes by at most half a percent of the peak from one level to the next,
// so a mistyped value, a jump or a kink shows up at once.
constexpr double largestSecondDifference = 0.005;

TEST(BuiltInRamps, HaveTheShapeOfAnInkRamp) {
    for (const Ramp& ramp : ramps) {
        SCOPED_TRACE(ramp.name);
        const LevelValues& v = ramp.values;
        const auto peakLevel =
            static_cast<std::size_t>(std::max_element(v.begin(), v.end()) - v.begin());
        const double peak = v[peakLevel];
        EXPECT_EQ(v[0], 0.0);
        for (std::size_t level = 0; level < levelCount; ++level) {
            const double value = v[level];
            // One peak: rising up to it, falling after it.
            if (level < peakLevel) {
                EXPECT_LE(value, v[level + 1]) << "level " << level;
            } else if (level > peakLevel) {
                EXPECT_LT(value, peak) << "level " << level;
                EXPECT_LE(value, v[level - 1]) << "level " << level;
            }
            EXPECT_GE(value, 0.0) << "level " << level;
            if (ramp.precision == Precision::whole) {
                EXPECT_EQ(value, std::floor(value)) << "level " << level;
            } else if (ramp.precision == Precision::singleTwoDecimals) {
                EXPECT_EQ(value, static_cast<float>(value)) << "level " << level;
            }
            if (level > 0 && level < lastLevel) {
                EXPECT_LE(std::abs(v[level - 1] - 2.0 * value + v[level + 1]),
                          largestSecondDifference * peak)
                    << "level " << level;
            }
        }
    }
}

// The toner compensation divides by the three blacks' sum at every level but the first.
TEST(BuiltInRamps, BlackTablesCarryInkAtEveryLevelButTheFirst) {
    for (const BlackTableName name :
         {k8Gloss, k10Gloss, k8Matte, k10Matte, x880Gloss, gravure, dtpGravure}) {
        const BlackTable& t = blackTable(name);
        for (std::size_t level = 1; level < levelCount; ++level) {
            EXPECT_GT(t.black[level] + t.lightBlack[level] + t.lightLightBlack[level], 0.0)
                << static_cast<int>(name) << " level " << level;
        }
    }
}

}  // namespace
}  // namespace sg
