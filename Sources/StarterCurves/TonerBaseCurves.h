#pragma once

#include "StarterCurves/LevelValues.h"

namespace sg {

// The colour ink amounts a toner recipe scales: full strength of each ink, 0 at level 0.
struct TonerBaseCurves {
    LevelValues cyan;
    LevelValues lightCyan;
    LevelValues magenta;
    LevelValues lightMagenta;
    LevelValues yellow;
};

const TonerBaseCurves& tonerBaseCurves();

}  // namespace sg
