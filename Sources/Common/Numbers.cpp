#include "Common/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace sg {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits at position i.
std::size_t digitsAt(std::string_view text, std::size_t i) {
    std::size_t end = i;
    while (end < text.size() && isDigit(text[end])) {
        ++end;
    }
    return end - i;
}

bool matchesDecimalGrammar(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t integerDigits = digitsAt(text, i);
    i += integerDigits;
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        fractionDigits = digitsAt(text, i);
        i += fractionDigits;
    }
    if (integerDigits + fractionDigits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t exponentDigits = digitsAt(text, i);
        if (exponentDigits == 0) {
            return false;
        }
        i += exponentDigits;
    }
    return i == text.size();
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
    if (!matchesDecimalGrammar(text)) {
        return std::nullopt;
    }
    // from_chars rejects a leading "+"; the grammar above has already accepted it.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (error != std::errc()) {
        // Magnitudes beyond a double's range are no ink amount or L* value.
        return std::nullopt;
    }
    return value;
}

std::optional<long long> parseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string formatShortest(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), end);
}

double clampedFraction(double fraction) {
    // NaN fails the comparison and gives 0.
    return fraction >= 0.0 ? std::min(fraction, 1.0) : 0.0;
}

std::string formatFixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    if (length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    if (text.size() < buffer.size()) {
        text.assign(buffer.data(), text.size());
    } else {
        // Huge values or many decimals: print again into a buffer of the full length.
        std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    }
    return text;
}

}  // namespace sg
