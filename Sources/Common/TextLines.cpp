#include "Common/TextLines.h"

#include <algorithm>

namespace sg {

std::size_t TextLines::size() const {
    return static_cast<std::size_t>(std::count(text_.begin(), text_.end(), separator_)) + 1;
}

}  // namespace sg
