#pragma once

#include "QuadFiles/QuadCurve.h"

namespace sg {

// Trims a curve on its input axis like a levels control: every channel is replaced by its part
// between the input levels lowLevel and highLevel, stretched over 256 levels. Output level k
// reads the channel linearly at input position low + k/255 * (high - low); a position on a
// whole level gives that level's value exactly, so the full range leaves a curve untouched.
class CurveLimiter {
public:
    // The built-in curve shown before any file is loaded: a straight ramp i * 256 on the first
    // of eight channels, the other seven at 0; limits 0 and 255.
    CurveLimiter();
    CurveLimiter(QuadCurve curve, int lowLevel, int highLevel);

    // Recomputes the result for new limits. high is capped at 255 and low kept within
    // 0..high. With low == high the one level's value is repeated over all 256 entries.
    void setLimits(int lowLevel, int highLevel);

    // From the range slider's selection fractions (0..1) to the limits: the start is scaled
    // by 255 and the end by 256, each truncated (a full selection gives 0 and 255).
    static int lowLevelForSelection(double start);
    static int highLevelForSelection(double end);

    static QuadCurve builtInRampCurve();

    const QuadCurve& curve() const { return curve_; }
    int lowLevel() const { return lowLevel_; }
    int highLevel() const { return highLevel_; }
    const QuadCurve& trimmedCurve() const { return trimmedCurve_; }
    // The stored result with the first value of every channel set to 0.
    void zeroFirstValues();

private:
    QuadCurve curve_;
    int lowLevel_ = 0;
    int highLevel_ = 255;
    QuadCurve trimmedCurve_;
};

}  // namespace sg
