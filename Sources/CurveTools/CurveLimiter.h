#pragma once

#include "QuadFiles/QuadCurve.h"

namespace sg {

// Trims a curve on its input axis like a levels control: every channel is replaced by its part
// between the input levels mainLowLimit and mainHighLimit, stretched over 256 levels with the
// "Linear" resampling (output level k reads input position low + k/256 * (high - low)).
class CurveLimiter {
public:
    // The built-in curve shown before any file is loaded: a straight ramp i * 256 on the first
    // of eight channels, the other seven at 0; limits 0 and 255.
    CurveLimiter();
    CurveLimiter(QuadCurve curve, int low, int high);

    // Recomputes the result for new limits. high is capped at 255 and low kept within
    // 0..high. With low == high the one level's value is repeated over all 256 entries.
    void setLimits(int low, int high);

    // From the range slider's selection fractions (0..1) to the limits: the start is scaled
    // by 255 and the end by 256, each truncated (a full selection gives 0 and 255).
    static int lowLimitForSelection(double start);
    static int highLimitForSelection(double end);

    static QuadCurve builtInRampCurve();

    QuadCurve inputCurve;
    int mainHighLimit = 255;
    int mainLowLimit = 0;
    QuadCurve outputLimitCurve;
    std::vector<double> limitXValues;
    QuadCurve limitedCurves;
};

}  // namespace sg
