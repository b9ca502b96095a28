#include "StarterCurves/StarterCurve.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "StarterCurves/BlackBoost.h"
#include "StarterCurves/TonerBaseCurves.h"
#include "Support/GoldenFile.h"

namespace sg {
namespace {

std::vector<double> channelOf(const LevelValues& values) {
    return {values.begin(), values.end()};
}

TEST(StarterCatalogue, MenusMapByPositionAndByTitle) {
    const std::vector<std::pair<int, PrinterModel>> printers = {
        {-1, PrinterModel::x800}, {0, PrinterModel::p600}, {1, PrinterModel::p800},
        {2, PrinterModel::x800},  {3, PrinterModel::x900}, {4, PrinterModel::p8000},
        {5, PrinterModel::p9000}, {6, PrinterModel::x800}};
    for (const auto& [position, printer] : printers) {
        EXPECT_EQ(printerForMenuPosition(position), printer) << "position " << position;
    }
    EXPECT_EQ(printerMenuTitles()[4], "P4000-P6000-P8000");
    EXPECT_EQ(printerMenuTitles()[5], "P5000-P7000-P9000");

    const std::vector<std::pair<int, Toner>> toners = {
        {-1, Toner::k3},    {0, Toner::k3},    {1, Toner::neutral},  {2, Toner::warmNeutral},
        {3, Toner::warm},   {4, Toner::sepia}, {5, Toner::selenium}, {6, Toner::cool},
        {7, Toner::custom}, {8, Toner::k3}};
    for (const auto& [position, toner] : toners) {
        EXPECT_EQ(tonerForMenuPosition(position), toner) << "position " << position;
    }
    EXPECT_EQ(tonerMenuTitles()[2], "Warm Neutral");

    const std::vector<std::pair<std::string, Paper>> papers = {
        {"Gloss", Paper::gloss},
        {"Matte", Paper::matte},
        {"Gravure Positive", Paper::gravure},
        {"DTP Polymergravure (MK)", Paper::dtpGravure},
        {"matte", Paper::gloss},
        {"Gravure", Paper::gloss},
        {"", Paper::gloss}};
    for (const auto& [title, paper] : papers) {
        EXPECT_EQ(paperForMenuTitle(title), paper) << title;
    }
}

// Every printer and paper chooses its family and table; every toner's colour inks come out of
// the blacks, so at every level all channels add up to the table's own black total.
TEST(StarterCurve, TableByPrinterAndPaperAndTonerInksReplaceTheirAmountOfBlack) {
    using enum PrinterModel;
    using enum BlackTableName;
    struct Printer {
        PrinterModel printer;
        bool tenInks;
        BlackTableName gloss;
        BlackTableName matte;
    };
    const Printer printers[] = {
        {p600, false, k8Gloss, k8Matte},   {p800, false, k8Gloss, k8Matte},
        {p4000, false, k8Gloss, k8Matte},  {p6000, false, k8Gloss, k8Matte},
        {p8000, false, k8Gloss, k8Matte},  {x800, false, x880Gloss, k8Matte},
        {x880, false, x880Gloss, k8Matte}, {p5000, true, k10Gloss, k10Matte},
        {p7000, true, k10Gloss, k10Matte}, {p9000, true, k10Gloss, k10Matte},
        {x900, true, k10Gloss, k10Matte}};
    struct Factors {
        Toner toner;
        double cyan, lightCyan, magenta, lightMagenta, yellow;
    };
    const Factors toners[] = {{Toner::k3, 0, 0, 0, 0, 0},
                              {Toner::warm, 0, 0, 0.15, 0.15, 0.1},
                              {Toner::warmNeutral, 0.1, 0.1, 0.175, 0.175, 0},
                              {Toner::neutral, 0.3, 0.3, 0.35, 0.35, 0},
                              {Toner::cool, 0.4, 0.5, 0.4, 0.5, 0},
                              {Toner::selenium, 0.35, 0.35, 0.5, 0.5, 0},
                              {Toner::sepia, 0, 0, 0.25, 0.25, 0.3},
                              {Toner::custom, 0.12, 0.12, 0.34, 0.34, 0.56}};
    const TonerBaseCurves& base = tonerBaseCurves();
    for (const Printer& row : printers) {
        for (const auto& [paper, name] : {std::pair{Paper::gloss, row.gloss},
                                          {Paper::matte, row.matte},
                                          {Paper::gravure, gravure},
                                          {Paper::dtpGravure, dtpGravure}}) {
            const BlackTable& table = blackTable(name);
            for (const Factors& f : toners) {
                SCOPED_TRACE(static_cast<int>(f.toner) * 100 + static_cast<int>(row.printer) * 10 +
                             static_cast<int>(paper));
                const StarterCurve starter({.printer = row.printer,
                                            .paper = paper,
                                            .toner = f.toner,
                                            .saturation = 0.7,
                                            .custom = {0.12, 0.34, 0.56},
                                            .boost = 0.0});
                EXPECT_EQ(starter.blackTableName(), name);
                EXPECT_EQ(starter.headerLines(), row.tenInks ? StarterCurve::headerFor10Inks
                                                             : StarterCurve::headerFor8Inks);
                EXPECT_EQ(starter.labels(), row.tenInks ? StarterCurve::labelsFor10Inks
                                                        : StarterCurve::labelsFor8Inks);
                const QuadCurve& curve = starter.curve();
                ASSERT_EQ(curve.size(), row.tenInks ? 10u : 8u);
                EXPECT_EQ(curve[1][255], base.cyan[255] * f.cyan * 0.7);
                EXPECT_EQ(curve[2][255], base.magenta[255] * f.magenta * 0.7);
                EXPECT_EQ(curve[3][255], base.yellow[255] * f.yellow * 0.7);
                EXPECT_EQ(curve[4][255], base.lightCyan[255] * f.lightCyan * 0.7);
                EXPECT_EQ(curve[5][255], base.lightMagenta[255] * f.lightMagenta * 0.7);
                for (std::size_t level = 0; level < 256; ++level) {
                    double sum = 0.0;
                    for (const std::vector<double>& channel : curve) {
                        sum += channel[level];
                    }
                    const double total =
                        table.black[level] + table.lightBlack[level] + table.lightLightBlack[level];
                    EXPECT_NEAR(sum, total, 1e-9 * total) << "level " << level;
                }
                // K3, no boost: the table's blacks as they stand, and no other ink.
                if (f.toner == Toner::k3) {
                    EXPECT_EQ(curve[0], channelOf(table.black));
                    EXPECT_EQ(curve[6], channelOf(table.lightBlack));
                    EXPECT_EQ(curve[7], channelOf(table.lightLightBlack));
                    for (const std::size_t channel : {1, 2, 3, 4, 5, 8, 9}) {
                        EXPECT_TRUE(channel >= curve.size() ||
                                    curve[channel] == std::vector<double>(256, 0.0))
                            << channel;
                    }
                }
            }
        }
    }
}

// The given key values fix each built-in ramp only in part: the files pin every value, each table
// as it stands (K3, no boost) and every toner curve at full strength, where no value is lost to
// truncation. (The other tables are in the tool's and the command's golden files.)
TEST(StarterCurve, EveryTableAndTonerCurveWritesItsFile) {
    using enum PrinterModel;
    StarterSettings tonerCurves;
    tonerCurves.printer = p9000;
    tonerCurves.paper = Paper::gravure;
    tonerCurves.toner = Toner::custom;
    tonerCurves.saturation = 2.0;
    tonerCurves.custom = {1.0, 1.0, 1.0};
    std::vector<std::pair<StarterSettings, std::string>> rows = {{tonerCurves, "toner-curves"}};
    for (const auto& [printer, paper, golden] : {std::tuple{p600, Paper::gloss, "k8-gloss"},
                                                 {x800, Paper::gloss, "x880-gloss"},
                                                 {p9000, Paper::gloss, "k10-gloss"},
                                                 {x900, Paper::matte, "k10-matte"},
                                                 {p600, Paper::dtpGravure, "dtp-gravure"}}) {
        StarterSettings table;
        table.printer = printer;
        table.paper = paper;
        rows.emplace_back(table, golden);
    }
    for (const auto& [settings, golden] : rows) {
        EXPECT_TRUE(testing::matchesGoldenFile(StarterCurve(settings).fileText(),
                                               "starter/" + golden + ".quad"));
    }
}

TEST(BlackBoost, FactorsGrowTowardsTheDarkEndAndTouchOnlyTheBlacks) {
    struct Row {
        double amount;
        std::vector<std::pair<std::size_t, double>> factors;
    };
    const std::vector<Row> rows = {
        {0, {{0, 0}, {128, 0}, {255, 0}}},
        {10,
         {{0, 0}, {64, 0.003089}, {128, 0.013631}, {192, 0.035414}, {254, 0.091583}, {255, 0.1}}},
        {20, {{128, 0.025306}, {255, 0.2}}},
        {50, {{128, 0.052038}, {255, 0.5}}}};
    for (const Row& row : rows) {
        const BlackBoost boost(row.amount);
        for (const auto& [level, factor] : row.factors) {
            EXPECT_NEAR(boost.factors()[level], factor, 5e-7)
                << "boost " << row.amount << " level " << level;
        }
    }

    QuadCurve curve(10);
    for (std::size_t channel = 0; channel < curve.size(); ++channel) {
        curve[channel].assign(256, 44853.0);
    }
    EXPECT_EQ(BlackBoost(0).boosted(curve), curve);
    const QuadCurve boosted = BlackBoost(10).boosted(curve);
    for (std::size_t channel = 0; channel < curve.size(); ++channel) {
        const bool black = channel == 0 || channel == 6 || channel == 7;
        EXPECT_EQ(boosted[channel][0], 44853.0);
        EXPECT_NEAR(boosted[channel][255], black ? 49338.3 : 44853.0, 1e-9) << channel;
    }
}

}  // namespace
}  // namespace sg
