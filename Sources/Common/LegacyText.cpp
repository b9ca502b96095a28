#include "Common/LegacyText.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "Common/CodePages.h"

namespace sg {
namespace {

using CodePage = char32_t (*)(unsigned char);

constexpr std::array<char32_t, 36> commonSymbols = {
    0x00A9, 0x00AE, 0x2122, 0x00B0, 0x00B1, 0x00A3, 0x20AC, 0x00A5, 0x00A2, 0x00A7, 0x00B6, 0x2022,
    0x00B7, 0x2026, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x00AB, 0x00BB,
    0x2039, 0x203A, 0x00BF, 0x00A1, 0x00B5, 0x00D7, 0x00F7, 0x00BD, 0x00BC, 0x00BE, 0x00B2, 0x00B3};

bool isUpperCase(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) || c == 0x0152 ||
           c == 0x0160 || c == 0x017D || c == 0x0178;
}

bool isLowerCase(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 0x00DF && c <= 0x00FF && c != 0x00F7) || c == 0x0153 ||
           c == 0x0161 || c == 0x017E;
}

bool isLetter(char32_t c) {
    return isUpperCase(c) || isLowerCase(c);
}

// How many bytes above 0x7F read as plausible text in the code page.
std::size_t plausibleBytes(std::string_view bytes, CodePage codePage) {
    const auto at = [&](std::size_t i) { return codePage(static_cast<unsigned char>(bytes[i])); };
    std::size_t count = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            continue;
        }
        const char32_t c = at(i);
        const char32_t before = i > 0 ? at(i - 1) : U' ';
        const char32_t after = i + 1 < bytes.size() ? at(i + 1) : U' ';
        const bool symbol =
            std::find(commonSymbols.begin(), commonSymbols.end(), c) != commonSymbols.end();
        const bool letterInWord = isLetter(c) && (isLetter(before) || isLetter(after)) &&
                                  !(isUpperCase(c) && isLowerCase(before));
        count += symbol || letterInWord ? 1 : 0;
    }
    return count;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string decodeLegacyText(std::string_view bytes) {
    const CodePage codePage =
        plausibleBytes(bytes, macRomanCodePoint) > plausibleBytes(bytes, windows1252CodePoint)
            ? macRomanCodePoint
            : windows1252CodePoint;
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            text.append(bytes.substr(start, i - start));
            appendUtf8(text, codePage(byte));
            start = i + 1;
        }
    }
    text.append(bytes.substr(start));
    return text;
}

}  // namespace sg
