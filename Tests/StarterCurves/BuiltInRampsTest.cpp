#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "StarterCurves/BlackTables.h"
#include "StarterCurves/TonerBaseCurves.h"

// The built-in ramps are authored from a few key values each; these are the values, and
// the shape every ramp must have to print as a plausible ink ramp.
namespace sg {
namespace {

enum class Precision { whole, singleTwoDecimals, fractions };

struct Ramp {
    std::string name;
    const LevelValues& values;
    Precision precision;
    std::size_t firstInked;
    std::size_t peakLevel;
    double peak;
    std::array<double, 8> columns;     // the values at levels 32, 64, ..., 224 and 255
    std::vector<double> leading = {};  // the values of levels 0, 1, ...
};

constexpr std::array<std::size_t, 8> columnLevels = {32, 64, 96, 128, 160, 192, 224, 255};

const BlackTable& table(BlackTableName name) {
    return blackTable(name);
}

using enum BlackTableName;
using enum Precision;
const TonerBaseCurves& toner = tonerBaseCurves();

// clang-format off
const std::vector<Ramp> ramps = {
    {"k8Gloss K", table(k8Gloss).black, whole, 166, 255, 44853,
     {0, 0, 0, 0, 0, 1018, 6236, 44853}},
    {"k8Gloss LK", table(k8Gloss).lightBlack, whole, 13, 219, 34664,
     {366, 821, 3265, 8862, 18313, 29534, 34487, 4719}},
    {"k8Gloss LLK", table(k8Gloss).lightLightBlack, whole, 1, 114, 31020,
     {8657, 20088, 29758, 30499, 24533, 13850, 3859, 145}},
    {"k10Gloss K", table(k10Gloss).black, whole, 181, 255, 51434,
     {0, 0, 0, 0, 0, 1094, 8948, 51434}},
    {"k10Gloss LK", table(k10Gloss).lightBlack, whole, 41, 207, 31729,
     {0, 712, 3170, 9096, 19472, 30506, 29497, 8433}},
    {"k10Gloss LLK", table(k10Gloss).lightLightBlack, whole, 1, 117, 27311,
     {8320, 17367, 24975, 26620, 20014, 10543, 4875, 0}},
    {"k8Matte K", table(k8Matte).black, singleTwoDecimals, 169, 255, 50881.20,
     {0, 0, 0, 0, 0, 459.59, 8654.04, 50881.20}},
    {"k8Matte LK", table(k8Matte).lightBlack, singleTwoDecimals, 1, 206, 36594.91,
     {334.51, 958.18, 2253.07, 8616.81, 21485.01, 34403.32, 32372.66, 2717.66}},
    {"k8Matte LLK", table(k8Matte).lightLightBlack, singleTwoDecimals, 1, 114, 27684.85,
     {7326.49, 16406.94, 26005.86, 26797.94, 17561.79, 5662.13, 550.76, 2.17}},
    {"k10Matte K", table(k10Matte).black, whole, 160, 255, 52188,
     {0, 0, 0, 0, 1, 509, 9192, 52188}},
    {"k10Matte LK", table(k10Matte).lightBlack, whole, 1, 205, 36600,
     {337, 964, 2291, 8767, 21763, 34595, 31923, 1846}},
    {"k10Matte LLK", table(k10Matte).lightLightBlack, whole, 1, 114, 27685,
     {7358, 16485, 26077, 26732, 17323, 5448, 498, 0}},
    {"x880Gloss K", table(x880Gloss).black, whole, 153, 255, 46399,
     {0, 0, 0, 0, 375, 6800, 20629, 46399}},
    {"x880Gloss LK", table(x880Gloss).lightBlack, whole, 14, 184, 30189,
     {19, 500, 4603, 13535, 25545, 29818, 21841, 5450}},
    {"x880Gloss LLK", table(x880Gloss).lightLightBlack, whole, 1, 96, 30410,
     {10903, 24081, 30410, 26876, 17091, 4505, 1581, 87}},
    {"gravure K", table(gravure).black, whole, 109, 255, 39203,
     {0, 0, 0, 17, 181, 1159, 8964, 39203}},
    {"gravure LK", table(gravure).lightBlack, whole, 1, 209, 33958,
     {5443, 11960, 17480, 22751, 27910, 32657, 32232, 12969}},
    {"gravure LLK", table(gravure).lightLightBlack, whole, 1, 77, 33574,
     {20218, 32509, 32314, 26992, 19744, 11763, 4619, 144}},
    {"dtpGravure K", table(dtpGravure).black, whole, 115, 255, 10376,
     {0, 0, 0, 208, 895, 2205, 4332, 10376}},
    {"dtpGravure LK", table(dtpGravure).lightBlack, whole, 1, 157, 28494,
     {5483, 13343, 22951, 27430, 28480, 25060, 16334, 4216}},
    {"dtpGravure LLK", table(dtpGravure).lightLightBlack, whole, 1, 33, 31255,
     {31253, 21846, 9101, 6985, 5600, 3824, 1811, 0}},
    {"cyan", toner.cyan, whole, 5, 255, 25196,
     {6, 21, 71, 232, 676, 2545, 8541, 25196}, {0, 0, 0, 0, 0, 1, 1, 1}},
    {"light cyan", toner.lightCyan, whole, 1, 201, 13572,
     {1531, 3082, 5024, 7421, 10507, 13287, 10815, 2221}, {0, 56, 112, 168, 224, 280, 331, 382}},
    {"magenta", toner.magenta, whole, 1, 255, 30166,
     {28, 64, 196, 757, 2164, 5912, 15190, 30166}, {0, 1, 2, 2, 3, 4, 5, 6}},
    {"light magenta", toner.lightMagenta, whole, 1, 184, 20018,
     {2433, 5220, 9199, 14968, 18486, 19743, 11174, 3282}, {0, 79, 159, 239, 318, 396, 472, 548}},
    {"yellow", toner.yellow, fractions, 1, 255, 19455.703125,
     {1021.68, 1738.73, 2487.77, 3305.58, 4535.43, 6042.26, 8610.34, 19455.703125},
     {0, 107.4543076303494}},
};
// clang-format on

// The stored form of a given value: the single-precision number for the matte 8-ink table.
double stored(double given, Precision precision) {
    return precision == singleTwoDecimals ? static_cast<double>(static_cast<float>(given)) : given;
}

// Smooth: the slope changes by at most half a percent of the peak from one level to the next,
// so a mistyped value, a jump or a kink shows up at once.
constexpr double largestSecondDifference = 0.005;

TEST(BuiltInRamps, KeepTheirKeyValuesAndTheShapeOfAnInkRamp) {
    for (const Ramp& ramp : ramps) {
        SCOPED_TRACE(ramp.name);
        const LevelValues& v = ramp.values;
        const double peak = stored(ramp.peak, ramp.precision);
        for (std::size_t column = 0; column < columnLevels.size(); ++column) {
            EXPECT_EQ(v[columnLevels[column]], stored(ramp.columns[column], ramp.precision))
                << "level " << columnLevels[column];
        }
        for (std::size_t level = 0; level < ramp.leading.size(); ++level) {
            EXPECT_EQ(v[level], ramp.leading[level]) << "level " << level;
        }
        EXPECT_EQ(v[ramp.peakLevel], peak);
        EXPECT_GT(v[ramp.firstInked], 0.0);
        for (std::size_t level = 0; level < levelCount; ++level) {
            const double value = v[level];
            if (level < ramp.firstInked) {
                EXPECT_EQ(value, 0.0) << "level " << level;
            }
            // One peak: rising up to it, falling after it.
            if (level < ramp.peakLevel) {
                EXPECT_LE(value, v[level + 1]) << "level " << level;
            } else if (level > ramp.peakLevel) {
                EXPECT_LE(value, v[level - 1]) << "level " << level;
            }
            EXPECT_TRUE(level == ramp.peakLevel || value < peak) << "level " << level;
            EXPECT_GE(value, 0.0) << "level " << level;
            if (ramp.precision == whole) {
                EXPECT_EQ(value, std::floor(value)) << "level " << level;
            } else if (ramp.precision == singleTwoDecimals) {
                EXPECT_EQ(value, stored(value, singleTwoDecimals)) << "level " << level;
            }
            if (level > 0 && level < lastLevel) {
                EXPECT_LE(std::abs(v[level - 1] - 2.0 * value + v[level + 1]),
                          largestSecondDifference * peak)
                    << "level " << level;
            }
        }
    }
}

}  // namespace
}  // namespace sg
