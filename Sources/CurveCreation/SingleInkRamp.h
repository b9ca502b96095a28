#pragma once

#include <cstddef>
#include <vector>

namespace sg {

// An ink ramp holds one entry per percent of input (entry k for input k %), in percent of ink.
inline constexpr std::size_t rampLength = 100;

// Where one ink sits on the gray ramp, all in percent of input except the two overlaps, which
// are fractions. The ink rises from where its lighter neighbour peaks (earlier by the starting
// overlap), peaks at its own gray value and falls back to zero where its darker neighbour
// peaks (later by the ending overlap). The darkest ink is the one whose darker neighbour is
// itself (nextDarker == grayValue): it rises and stays up to the end of the ramp.
struct InkBand {
    double nextLighter = 0.0;  // 0 for the lightest ink
    double grayValue = 0.0;
    double nextDarker = 0.0;
    double startingOverlap = 0.0;
    double endingOverlap = 0.0;

    friend bool operator==(const InkBand&, const InkBand&) = default;
};

// How a ramp is drawn through its key points: the manual tool's Bezier chain, or the
// automatic tool's monotone spline (never below 0, smoothed once for the lighter inks).
enum class RampShape { bezier, spline };

// The raw ramp of one ink, before the inks are balanced against each other: zeros up to where
// the band starts, the curve through the band's key points, cut or padded with zeros to
// rampLength entries. Key points that repeat or fall back in x are taken as the curve drawing
// takes them (the Bezier chain in the given order, the spline stable-sorted by x).
std::vector<double> singleInkRamp(const InkBand& band, RampShape shape);

// The ends kept, every inner entry the mean of itself and its two neighbours, a mean of 0 or
// below set to 0. Fewer than three entries come back unchanged.
std::vector<double> threePointSmoothed(const std::vector<double>& values);

}  // namespace sg
