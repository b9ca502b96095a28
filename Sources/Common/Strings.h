#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sg {

// Splits at every separator; empty parts stay, so "a\n" gives "a" and "".
std::vector<std::string> splitString(std::string_view text, char separator);

// splitString without copies: the parts view into the text.
std::vector<std::string_view> splitStringViews(std::string_view text, char separator);

// The text without the given characters at either end.
std::string_view trim(std::string_view text, std::string_view characters = " \t");

// The text with every occurrence of `from` replaced by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// The text with every occurrence of any of the characters removed.
std::string removeCharacters(std::string_view text, std::string_view characters);

// The lines joined with the separator between them.
std::string joinStrings(const std::vector<std::string>& parts, std::string_view separator);

}  // namespace sg
