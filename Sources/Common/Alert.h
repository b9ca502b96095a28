#pragma once

#include <optional>
#include <string>

namespace sg {

// What a view shows in a warning alert with one "OK" button.
struct Alert {
    std::string messageText;
    std::string informativeText;

    friend bool operator==(const Alert&, const Alert&) = default;
};

// The outcome of an action that can be refused: the alert to show, or nothing on success.
using Outcome = std::optional<Alert>;

}  // namespace sg
