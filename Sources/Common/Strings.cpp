#include "Common/Strings.h"

#include <algorithm>

namespace sg {

std::vector<std::string_view> splitStringViews(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::vector<std::string> splitString(std::string_view text, char separator) {
    const std::vector<std::string_view> views = splitStringViews(text, separator);
    return std::vector<std::string>(views.begin(), views.end());
}

std::string_view trim(std::string_view text, std::string_view characters) {
    const std::size_t first = text.find_first_not_of(characters);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t found = from.empty() ? std::string_view::npos : text.find(from, start);
        if (found == std::string_view::npos) {
            result.append(text.substr(start));
            return result;
        }
        result.append(text.substr(start, found - start));
        result.append(to);
        start = found + from.size();
    }
}

std::string removeCharacters(std::string_view text, std::string_view characters) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t found = std::min(text.find_first_of(characters, start), text.size());
        result.append(text.substr(start, found - start));
        start = found + 1;
    }
    return result;
}

std::string joinStrings(const std::vector<std::string>& parts, std::string_view separator) {
    std::string result;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            result.append(separator);
        }
        result.append(parts[i]);
    }
    return result;
}

}  // namespace sg
