#pragma once

// A simulated inkjet printer for the linearization round trips: ink amounts go through dot
// gain to density and on to L*. Smooth and monotone, but far from linear, as real papers are.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "Common/Numbers.h"

namespace sg::testing {

using Curve = std::vector<std::vector<double>>;

// The strength of each ink of the 4-channel example curve (K, C, M, Y): black, and two
// diluted blacks loaded into the C and M positions, as a B&W ink set would use them.
inline const std::vector<double>& inkStrengths() {
    static const std::vector<double> strengths{1.0, 0.38, 0.14, 0.0};
    return strengths;
}

// L* of a patch printed with the given ink amounts (0..65535 per channel).
inline double printedLightness(const std::vector<double>& inkAmounts) {
    double coverage = 0.0;
    for (std::size_t ch = 0; ch < inkAmounts.size() && ch < inkStrengths().size(); ++ch) {
        const double amount = std::clamp(inkAmounts[ch] / 65535.0, 0.0, 1.0);
        const double gained = 1.0 - std::pow(1.0 - amount, 1.4);  // dot gain
        coverage += inkStrengths()[ch] * gained;
    }
    const double density = 0.07 + 2.2 * (1.0 - std::exp(-1.7 * coverage));
    const double luminance = std::pow(10.0, -density);
    return luminance > 216.0 / 24389.0 ? 116.0 * std::cbrt(luminance) - 16.0
                                       : luminance * 24389.0 / 27.0;
}

// The curve at a fractional input level, read between its two neighbouring levels: the wedge
// is printed at exact positions, so no rounding of the patch levels enters the data.
inline std::vector<double> inkAmountsAt(const Curve& curve, double level) {
    const double clamped = std::clamp(level, 0.0, 255.0);
    const auto lower = static_cast<std::size_t>(std::min(std::floor(clamped), 254.0));
    const double fraction = clamped - static_cast<double>(lower);
    std::vector<double> amounts;
    for (const std::vector<double>& channel : curve) {
        amounts.push_back(channel[lower] + (channel[lower + 1] - channel[lower]) * fraction);
    }
    return amounts;
}

// The L* of each patch of an n-step wedge, paper white first.
inline std::vector<double> printWedge(const Curve& curve, std::size_t patches) {
    std::vector<double> labL;
    for (std::size_t k = 0; k < patches; ++k) {
        const double level = 255.0 * static_cast<double>(k) / static_cast<double>(patches - 1);
        labL.push_back(printedLightness(inkAmountsAt(curve, level)));
    }
    return labL;
}

// The curve that printed the wedges: a black ramp from level 90 on and two diluted blacks as
// humps that hand over to each other, in whole ink amounts. Far from linear in L*.
inline Curve exampleCurve() {
    Curve curve(4, std::vector<double>(256, 0.0));
    const auto hump = [](double level, double start, double peak, double end, double height) {
        if (level <= start || level >= end) {
            return 0.0;
        }
        const double x =
            level < peak ? (level - start) / (peak - start) : (end - level) / (end - peak);
        return height * x * x * (3.0 - 2.0 * x);
    };
    for (int level = 0; level < 256; ++level) {
        const double l = level;
        curve[2][level] = hump(l, 0.0, 70.0, 175.0, 30000.0);
        curve[1][level] = hump(l, 35.0, 150.0, 256.0, 36000.0);
        curve[0][level] = l <= 90.0 ? 0.0 : 42000.0 * std::pow((l - 90.0) / 165.0, 1.4);
        for (std::vector<double>& channel : curve) {
            channel[level] = std::floor(channel[level]);  // as a .quad file holds them
        }
    }
    return curve;
}

inline std::string cgatsText(const std::vector<double>& labL) {
    std::string text =
        "CGATS.17\nORIGINATOR\t\"Silvergrain tests\"\nNUMBER_OF_FIELDS\t4\nBEGIN_DATA_FORMAT\n"
        "SAMPLE_ID\tLAB_L\tLAB_A\tLAB_B\nEND_DATA_FORMAT\nNUMBER_OF_SETS\t" +
        std::to_string(labL.size()) + "\nBEGIN_DATA\n";
    for (std::size_t i = 0; i < labL.size(); ++i) {
        text += std::to_string(i + 1) + "\t" + formatShortest(labL[i]) + "\t0\t0\n";
    }
    return text + "END_DATA\n";
}

inline std::string quadText(const Curve& curve, const std::string& notesLines) {
    static const std::vector<std::string> labels{"# K Curve", "# C Curve", "# M Curve",
                                                 "# Y Curve"};
    std::string text = "## QuadToneRIP K,C,M,Y\n" + notesLines;
    for (std::size_t ch = 0; ch < curve.size(); ++ch) {
        text += labels[ch];
        for (const double value : curve[ch]) {
            text += "\n" + std::to_string(static_cast<long long>(value));
        }
        if (ch + 1 < curve.size()) {
            text += "\n";
        }
    }
    return text;
}

}  // namespace sg::testing
