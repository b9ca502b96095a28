#pragma once

#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "Common/Alert.h"
#include "Common/Outcome.h"

namespace sg::cli {

// Exit statuses of every subcommand.
inline constexpr int exitSuccess = 0;
inline constexpr int exitRefused = 1;
inline constexpr int exitUsage = 2;

// Prints the alert as "<title>: <text>" on the standard error, after "<file>: " when the
// refusal is about a file the user named; returns exitRefused.
int refuse(const Alert& alert, std::string_view fileName = {});

// Prints "<file>: Warning: <text>" on the standard error; the command goes on.
void warn(std::string_view text, std::string_view fileName);

// Writes the text to the standard output as it stands; exitRefused, after saying why on the
// standard error, when that fails (a full disk, a closed pipe).
int printText(const std::string& text);

// Writes the file text to `output`, or to the standard output when it is "-" or empty.
// Returns exitSuccess, or exitRefused after printing the alert of a failed write.
int emitFile(const std::string& text, const std::string& output);

// Option checks: a decimal number (no "nan" or "inf") or a whole number within the bounds; any
// other value is a usage error.
CLI::Validator decimalBetween(double lowest, double highest);
CLI::Validator wholeNumberBetween(long long lowest, long long highest);

// The refusal of a Gutenprint export folder that is not an existing folder. The export says
// nothing about a folder that is gone (a dialog just showed it); a script has nobody to notice,
// so the commands check it before anything is written.
Outcome checkGutenprintFolder(const std::string& folder);

}  // namespace sg::cli
