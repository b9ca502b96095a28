#pragma once

#include <regex>
#include <string>
#include <string_view>

namespace sg {

// One compiled format test. ECMAScript syntax, no options: "^" anchors at the start of the
// text only. A pattern that does not compile is reported and replaced by ".*".
class Regex {
public:
    explicit Regex(const std::string& pattern);

    // True when the pattern matches anywhere in the text.
    bool matches(std::string_view text) const;

    std::regex expression;

private:
    // A pattern that starts with "^" and has no alternation can only match at the start, so
    // the search need not try every position of a long line.
    bool anchored_ = false;
};

}  // namespace sg
