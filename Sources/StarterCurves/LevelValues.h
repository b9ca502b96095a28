#pragma once

#include <array>

#include "Common/InkScale.h"

namespace sg {

// One ink amount (0..65535) per input level 0..255, for the built-in ramps.
using LevelValues = std::array<double, levelCount>;

}  // namespace sg
