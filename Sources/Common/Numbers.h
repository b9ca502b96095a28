#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sg {

// A decimal number in C-locale notation, the whole text and nothing else: optional sign,
// digits with an optional decimal point and fraction, optional exponent. No blanks, no
// "inf" or "nan", no hexadecimal.
std::optional<double> parseDecimal(std::string_view text);

// A base-10 integer with an optional sign, the whole text and nothing else.
std::optional<long long> parseInteger(std::string_view text);

// The value kept within 0..1; NaN gives 0. For selection fractions from a slider or a user.
double clampedFraction(double fraction);

// The shortest text that reads back to the same double, for machines.
std::string formatShortest(double value);

// Fixed notation with the given number of decimals ("%.2f"), for people.
std::string formatFixed(double value, int decimals);

}  // namespace sg
