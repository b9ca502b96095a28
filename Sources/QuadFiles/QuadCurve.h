#pragma once

#include <vector>

namespace sg {

// A curve: one array per ink channel, each holding the ink amounts (0..65535) for the input
// levels 0..255. Values stay doubles until a file is written.
using QuadCurve = std::vector<std::vector<double>>;

}  // namespace sg
