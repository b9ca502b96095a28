#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "Linearization/PatchLevels.h"
#include "QuadFiles/QuadCurve.h"

namespace sg::testing {

// |dL*| of a print from the straight line between its first and last level.
struct Deviation {
    double maximum = 0.0;
    double mean = 0.0;
};

// A simulated inkjet printer for round trips: each channel's ink amount goes through dot gain
// to a coverage weighted by the ink's strength, the coverages add up to a density that
// saturates towards the maximum black, and the density gives L*. Smooth and monotone, but far
// from linear, as real papers are. It comes with the never-linearized curve that prints its
// first wedge, four channels (K, C, M, Y) in whole ink amounts as a .quad file holds them.
struct SimulatedPrinter {
    std::string name;
    std::vector<double> inkStrengths;  // per channel; the rest print nothing
    double saturation = 1.7;
    QuadCurve curve;

    double lightness(const std::vector<double>& inkAmounts) const {
        double coverage = 0.0;
        for (std::size_t ch = 0; ch < inkAmounts.size() && ch < inkStrengths.size(); ++ch) {
            const double amount = std::clamp(inkAmounts[ch] / 65535.0, 0.0, 1.0);
            coverage += inkStrengths[ch] * (1.0 - std::pow(1.0 - amount, 1.4));  // dot gain
        }
        const double density = 0.07 + 2.2 * (1.0 - std::exp(-saturation * coverage));
        const double luminance = std::pow(10.0, -density);
        return luminance > 216.0 / 24389.0 ? 116.0 * std::cbrt(luminance) - 16.0
                                           : luminance * 24389.0 / 27.0;
    }

    // The L* of each patch of an n-step wedge printed through the curve, paper white first,
    // each patch at the level an 8-bit wedge target prints it at.
    std::vector<double> printWedge(const QuadCurve& printed, std::size_t patches) const {
        std::vector<double> labL;
        for (const double level : wedgePatchLevels(patches)) {
            std::vector<double> amounts;
            for (const std::vector<double>& channel : printed) {
                amounts.push_back(channel[static_cast<std::size_t>(level)]);
            }
            labL.push_back(lightness(amounts));
        }
        return labL;
    }

    // Every one of the 256 levels printed through the curve, compared with the straight line
    // between the first and the last.
    Deviation deviationFromStraightLine(const QuadCurve& printed) const {
        const std::vector<double> labL = printWedge(printed, 256);
        Deviation deviation;
        for (std::size_t level = 0; level < 256; ++level) {
            const double line =
                labL[0] + (labL[255] - labL[0]) * static_cast<double>(level) / 255.0;
            const double d = std::abs(labL[level] - line);
            deviation.maximum = std::max(deviation.maximum, d);
            deviation.mean += d / 256.0;
        }
        return deviation;
    }
};

// A smooth rise from start to peak and fall to end, 0 outside, in whole ink amounts.
inline double inkHump(double level, double start, double peak, double end, double height) {
    if (level <= start || level >= end) {
        return 0.0;
    }
    const double x = level < peak ? (level - start) / (peak - start) : (end - level) / (end - peak);
    return std::floor(height * x * x * (3.0 - 2.0 * x));
}

// A black ramp from level `blackStart` on, in whole ink amounts.
inline double inkRamp(double level, double blackStart, double height, double power) {
    return level <= blackStart
               ? 0.0
               : std::floor(height * std::pow((level - blackStart) / (255.0 - blackStart), power));
}

// K is black; C and M hold two diluted blacks, as a B&W ink set would use them, as humps that
// hand over smoothly to each other and to a black ramp from level 90 on.
inline SimulatedPrinter smoothPrinter() {
    SimulatedPrinter printer{
        "smooth", {1.0, 0.38, 0.14}, 1.7, QuadCurve(4, std::vector<double>(256))};
    for (std::size_t level = 0; level < 256; ++level) {
        const auto l = static_cast<double>(level);
        printer.curve[0][level] = inkRamp(l, 90.0, 42000.0, 1.4);
        printer.curve[1][level] = inkHump(l, 35.0, 150.0, 256.0, 36000.0);
        printer.curve[2][level] = inkHump(l, 0.0, 70.0, 175.0, 30000.0);
    }
    return printer;
}

// Three inks of unbalanced densities: the light black levels off just as the medium black
// starts, so the response's slope dips to a tenth of its neighbours' around level 81; the
// black sets in abruptly at level 117, nearly doubling the slope within three levels; and a
// density that saturates early leaves a shoulder, a quarter of the average slope, over the
// last hundred levels.
inline SimulatedPrinter unbalancedPrinter() {
    SimulatedPrinter printer{
        "unbalanced", {1.0, 0.4, 0.14}, 2.2, QuadCurve(4, std::vector<double>(256))};
    for (std::size_t level = 0; level < 256; ++level) {
        const auto l = static_cast<double>(level);
        printer.curve[0][level] = inkRamp(l, 117.0, 56000.0, 1.2);
        printer.curve[1][level] = inkHump(l, 82.0, 147.0, 245.0, 22000.0);
        printer.curve[2][level] = inkHump(l, 0.0, 84.0, 210.0, 22000.0);
    }
    return printer;
}

}  // namespace sg::testing
