#include "Common/TextLines.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace sg {
namespace {

TEST(TextLines, SplitsAtEverySeparatorAndKeepsEmptyLines) {
    const std::tuple<std::string, char, std::vector<std::string>> rows[] = {
        {"", '\n', {""}},
        {"a", '\n', {"a"}},
        {"a\n", '\n', {"a", ""}},
        {"\n\na\n\nb", '\n', {"", "", "a", "", "b"}},
        {"a\r\nb\r\n", '\n', {"a\r", "b\r", ""}},
        {"a\rb\r", '\r', {"a", "b", ""}},
    };
    for (const auto& [text, separator, expected] : rows) {
        const TextLines lines(text, separator);
        std::vector<std::string> seen;
        for (auto line = lines.begin(); line != lines.end(); ++line) {
            EXPECT_EQ(line.index(), seen.size());
            seen.emplace_back(*line);
        }
        EXPECT_EQ(seen, expected) << text;
        EXPECT_EQ(lines.size(), expected.size()) << text;
        EXPECT_EQ(lines.front(), expected.front());
    }
}

}  // namespace
}  // namespace sg
