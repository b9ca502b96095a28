#pragma once

#include "QuadFiles/QuadCurve.h"
#include "StarterCurves/LevelValues.h"

namespace sg {

// More black ink towards the dark end: at level i the three black inks are multiplied by
// 1 + f[i], where f grows slowly through the mid-tones and steeply near the end, from f[0] = 0
// to f[255] = amount / 100. Amounts above -100 only (the exponent below stays positive); the
// tool offers 0 to 100.
class BlackBoost {
public:
    explicit BlackBoost(double amount);

    // f[i] = |(1 - i/255)^c - 1| * amount * (100 i / 255) * 0.0001, with c = 1 / (2 + amount/50).
    const LevelValues& factors() const { return factors_; }

    // The curve with K, LK and LLK (channels 0, 6 and 7) boosted; the colour inks and any
    // channel after the eighth stay as they are.
    QuadCurve boosted(QuadCurve curve) const;

private:
    LevelValues factors_{};
};

}  // namespace sg
