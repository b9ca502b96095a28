#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Common/Alert.h"

namespace sg {

inline constexpr std::string_view measurementLoadFailureTitle = "Failed to Load Measurement Data";
inline constexpr std::string_view measurementLoadFailureText =
    "Please check the measurement data format and load data again.\n\nIf this problem "
    "continues send the measurement data file using the send feedback form in the help menu.";

// The load-failure alert: its agreed text, then the reason. With a line (counted from 1) the
// reason is given as "Line <n>: <reason>".
Alert measurementRefusal(std::string_view reason, std::optional<std::size_t> line = std::nullopt);

// The refusal of a file that could not be read as text at all: the load-failure title and the
// reason alone, since checking the format would not help.
Alert measurementReadFailure(std::string reason);

// The line number (counted from 1) of a line index, as the refusals name it.
inline std::size_t lineNumber(std::size_t index) {
    return index + 1;
}

// A cell or line as a refusal quotes it: long ones shortened.
std::string quoted(std::string_view text);

}  // namespace sg
