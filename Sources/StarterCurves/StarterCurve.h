#pragma once

#include <string>
#include <vector>

#include "QuadFiles/QuadCurve.h"
#include "StarterCurves/BlackTables.h"
#include "StarterCurves/StarterCatalogue.h"
#include "StarterCurves/TonerInk.h"

namespace sg {

// The toner saturation every paper or toner choice sets.
inline constexpr double tonerSaturationOnChoice = 0.5;

// Everything a starter curve is made from. The defaults are the first entry of each menu with
// no boost: the curve the starter curve tool opens with.
struct StarterSettings {
    PrinterModel printer = PrinterModel::p600;
    Paper paper = Paper::gloss;
    Toner toner = Toner::k3;
    // The factor on all colour inks.
    double saturation = tonerSaturationOnChoice;
    CustomTonerFactors custom;
    double boost = 0.0;

    friend bool operator==(const StarterSettings&, const StarterSettings&) = default;
};

// A complete curve made without any measurement: the black table for the printer family and
// paper, the toner's colour inks, the same amount of ink taken out of the blacks in proportion
// to each black's share (so at every level all inks add up to the table's own black total),
// then the black boost. Channels K, C, M, Y, LC, LM, LK, LLK, and OR, GR (empty) for the
// 10-ink family.
class StarterCurve {
public:
    explicit StarterCurve(const StarterSettings& settings = {});

    static inline const std::vector<std::string> headerFor8Inks = {
        "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", "# Silvergrain for macOS v1"};
    static inline const std::vector<std::string> headerFor10Inks = {
        "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", "# Silvergrain for macOS v1"};
    // The starter files carry their own label spellings.
    static inline const std::vector<std::string> labelsFor8Inks = {
        "# K curve",  "# C curve",  "# M curve",  "# Y curve",
        "# LC curve", "# LM curve", "# LK curve", "# LLK curve"};
    static inline const std::vector<std::string> labelsFor10Inks = {
        "# K CURVE",  "# C CURVE",  "# M CURVE",   "# Y CURVE",  "# LC CURVE",
        "# LM CURVE", "# LK CURVE", "# LLK CURVE", "# OR CURVE", "# GR CURVE"};

    BlackTableName blackTableName() const { return blackTableName_; }
    const QuadCurve& curve() const { return curve_; }
    const std::vector<std::string>& headerLines() const;
    const std::vector<std::string>& labels() const;

    // The .quad text: the header lines, then each label with its 256 values; lines joined by
    // "\n", no final line feed.
    std::string fileText() const;

private:
    BlackTableName blackTableName_;
    bool tenInks_;
    QuadCurve curve_;
};

}  // namespace sg
