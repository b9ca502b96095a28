#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace sg {

// Why something was refused, as a view shows it: a warning alert with a title, an informative
// text and one "OK" button. A refusal of a file names the line it is about, where there is one
// (counted from 1); the text already says it in words.
struct Alert {
    std::string title;
    std::string text;
    std::optional<std::size_t> line = std::nullopt;

    friend bool operator==(const Alert&, const Alert&) = default;
};

}  // namespace sg
