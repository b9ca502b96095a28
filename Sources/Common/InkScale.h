#pragma once

#include <cstddef>

namespace sg {

// The scales every curve shares. A channel holds one ink value per input level; input level i
// stands at i / 2.55 percent of the input and ink value v at v / 655.35 percent of full ink.
inline constexpr std::size_t levelCount = 256;
inline constexpr std::size_t lastLevel = levelCount - 1;
// 100/255: the input position of one level in percent, as a double.
inline constexpr double levelStepPercent = 0.39215686274509803;
inline constexpr double levelsPerPercent = 2.55;
inline constexpr double largestInkValue = 65535.0;
inline constexpr double inkValuePerPercent = 655.35;

}  // namespace sg
