#include "MeasurementData/Regex.h"

#include "Common/Diagnostics.h"

namespace sg {
namespace {

std::regex compiled(const std::string& pattern) {
    try {
        return std::regex(pattern, std::regex::ECMAScript);
    } catch (const std::regex_error&) {
        diag("Failed to parse " + pattern + " as a regular expression");
        return std::regex(".*", std::regex::ECMAScript);
    }
}

}  // namespace

Regex::Regex(const std::string& pattern)
    : expression(compiled(pattern)),
      anchored_(pattern.starts_with('^') && pattern.find('|') == std::string::npos) {}

bool Regex::matches(std::string_view text) const {
    const auto flags =
        anchored_ ? std::regex_constants::match_continuous : std::regex_constants::match_default;
    return std::regex_search(text.begin(), text.end(), expression, flags);
}

}  // namespace sg
