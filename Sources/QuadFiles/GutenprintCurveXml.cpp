#include "QuadFiles/GutenprintCurveXml.h"

#include <algorithm>
#include <array>

#include "Common/InkScale.h"
#include "Common/Numbers.h"

namespace sg {
namespace {

struct NamedInk {
    std::string_view key;
    std::string_view fileName;
};

// Identifiers first, so that MK, PK, R, B and GL get names of their own instead of falling
// to a prefix ("# MK" would otherwise be Magenta's and overwrite its file).
constexpr std::array<NamedInk, 15> fileNamesByIdentifier = {{
    {"K", "Black.xml"},
    {"C", "Cyan.xml"},
    {"M", "Magenta.xml"},
    {"Y", "Yellow.xml"},
    {"LC", "LightCyan.xml"},
    {"LM", "LightMagenta.xml"},
    {"LK", "LightBlack.xml"},
    {"LLK", "LightLightBlack.xml"},
    {"OR", "Orange.xml"},
    {"GR", "Green.xml"},
    {"MK", "MatteBlack.xml"},
    {"PK", "PhotoBlack.xml"},
    {"R", "Red.xml"},
    {"B", "Blue.xml"},
    {"GL", "GlossOptimizer.xml"},
}};

// The first prefix that matches wins.
constexpr std::array<NamedInk, 10> fileNamesByPrefix = {{
    {"# K", "Black.xml"},
    {"# C", "Cyan.xml"},
    {"# M", "Magenta.xml"},
    {"# Y", "Yellow.xml"},
    {"# LC", "LightCyan.xml"},
    {"# LM", "LightMagenta.xml"},
    {"# LK", "LightBlack.xml"},
    {"# LLK", "LightLightBlack.xml"},
    {"# OR", "Orange.xml"},
    {"# GR", "Green.xml"},
}};

// A folder name may hold "--", which would end the comment early and make the file unreadable
// as XML: such runs get a blank between their dashes. Anything else is fine in a comment.
std::string xmlCommentText(std::string_view text) {
    std::string comment;
    for (const char c : text) {
        if (c == '-' && !comment.empty() && comment.back() == '-') {
            comment += ' ';
        }
        comment += c;
    }
    return comment;
}

// Element text with the markup characters escaped; ordinary labels pass unchanged.
std::string xmlElementText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::string gutenprintFileName(std::string_view channelLabel) {
    if (channelLabel.starts_with("# ")) {
        std::string_view identifier = channelLabel.substr(2);
        identifier = identifier.substr(0, identifier.find(' '));
        for (const NamedInk& ink : fileNamesByIdentifier) {
            if (ink.key == identifier) {
                return std::string(ink.fileName);
            }
        }
    }
    for (const NamedInk& ink : fileNamesByPrefix) {
        if (channelLabel.starts_with(ink.key)) {
            return std::string(ink.fileName);
        }
    }
    return {};
}

std::string gutenprintCurveXml(const std::vector<double>& values, std::string_view channelLabel,
                               std::string_view paperName) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<!-- " + xmlCommentText(paperName) + " -->\n";
    text += "<channelname>\n" + xmlElementText(channelLabel) + "\n</channelname>\n";
    text += "<gutenprint>\n";
    text += "<curve wrap=\"nowrap\" type=\"spline\" gamma=\"0\">\n";
    // The count stays 256 whatever the number of values.
    text += "<sequence count=\"256\" lower-bound=\"0\" upper-bound=\"65535\">\n";
    for (const double value : values) {
        // Within the declared bounds, like the .quad writer; NaN gives 0. Then "%.0f": the
        // nearest integer, halves to even.
        text += formatFixed(value >= 0.0 ? std::min(value, largestInkValue) : 0.0, 0);
        text += '\n';
    }
    text += "</sequence>\n</curve>\n</gutenprint>";
    return text;
}

}  // namespace sg
