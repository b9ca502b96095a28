#include "Common/Numbers.h"

#include <cmath>

#include <gtest/gtest.h>

namespace sg {
namespace {

TEST(ParseDecimal, AcceptsTheCLocaleGrammarAsAWhole) {
    EXPECT_EQ(parseDecimal("0"), 0.0);
    EXPECT_EQ(parseDecimal("65535"), 65535.0);
    EXPECT_EQ(parseDecimal("1234.5"), 1234.5);
    EXPECT_EQ(parseDecimal("-3"), -3.0);
    EXPECT_EQ(parseDecimal("+3"), 3.0);
    EXPECT_EQ(parseDecimal("7e2"), 700.0);
    EXPECT_EQ(parseDecimal("7E+2"), 700.0);
    EXPECT_EQ(parseDecimal(".5"), 0.5);
    EXPECT_EQ(parseDecimal("5."), 5.0);
}

TEST(ParseDecimal, RefusesAnythingElse) {
    for (const char* text : {"", " 1", "1 ", "1\r", "+", "-", ".", "e5", "1e", "1e+", "inf", "nan",
                             "-inf", "0x10", "1,5", "#DIV/0!", "+-1", "1e400"}) {
        EXPECT_EQ(parseDecimal(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ParseInteger, WholeTextOnly) {
    EXPECT_EQ(parseInteger("21"), 21);
    EXPECT_EQ(parseInteger("+21"), 21);
    EXPECT_EQ(parseInteger("-4"), -4);
    for (const char* text : {"", "21.0", "2 1", "+-2", "x", "99999999999999999999"}) {
        EXPECT_EQ(parseInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(FormatNumbers, ShortestReadsBackAndFixedRounds) {
    EXPECT_EQ(formatShortest(0.1), "0.1");
    EXPECT_EQ(formatShortest(99.609375), "99.609375");
    EXPECT_EQ(formatShortest(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(formatShortest(-0.0), "-0");
    EXPECT_EQ(formatFixed(0.73470, 2), "0.73");
    EXPECT_EQ(formatFixed(2.25690, 4), "2.2569");
    // Texts longer than any fixed buffer come out whole.
    EXPECT_EQ(formatFixed(-1e300, 0).size(), 302u);
    EXPECT_EQ(formatFixed(1.0, 600), "1." + std::string(600, '0'));
}

TEST(ClampedFraction, KeepsZeroToOneAndSendsNonNumbersToZero) {
    EXPECT_EQ(clampedFraction(0.0), 0.0);
    EXPECT_EQ(clampedFraction(0.25), 0.25);
    EXPECT_EQ(clampedFraction(1.0), 1.0);
    EXPECT_EQ(clampedFraction(std::nextafter(1.0, 2.0)), 1.0);
    EXPECT_EQ(clampedFraction(-1e-300), 0.0);
    EXPECT_EQ(clampedFraction(HUGE_VAL), 1.0);
    EXPECT_EQ(clampedFraction(-HUGE_VAL), 0.0);
    EXPECT_EQ(clampedFraction(std::nan("")), 0.0);
}

}  // namespace
}  // namespace sg
