#pragma once

#include <string>

#include "Common/Alert.h"

namespace sg::cli {

// Exit statuses of every subcommand.
inline constexpr int exitSuccess = 0;
inline constexpr int exitRefused = 1;
inline constexpr int exitUsage = 2;

// Prints the alert as "<title>: <informative text>" on the standard error; returns exitRefused.
int refuse(const Alert& alert);

// Writes the file text to `output`, or to the standard output when it is "-" or empty.
// Returns exitSuccess, or exitRefused after printing the alert of a failed write.
int emitFile(const std::string& text, const std::string& output);

}  // namespace sg::cli
