#pragma once

#include <filesystem>
#include <functional>
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

// The exit status of an action: exitSuccess, or exitRefused after printing its refusal.
int exitStatus(const Outcome& outcome, std::string_view fileName = {});

// Writes the text to the standard output as it stands; refused, saying why, when that fails (a
// full disk, a closed pipe).
Outcome writeStandardOutput(std::string_view text);

// Whether an --output value means the standard output: "-" or none.
bool isStandardOutput(const std::string& output);

// Writes the file text to `output`, or to the standard output.
Outcome writeOutput(std::string_view text, const std::string& output);

// Option checks: a decimal number (no "nan" or "inf") or a whole number within the bounds; any
// other value is a usage error.
CLI::Validator decimalBetween(double lowest, double highest);
CLI::Validator wholeNumberBetween(long long lowest, long long highest);

// The refusal of a Gutenprint export folder that is not an existing folder; done when no folder
// was given. The export says nothing about a folder that is gone (a dialog just showed it); a
// script has nobody to notice, so the commands check it before anything is written.
Outcome checkGutenprintFolder(const std::string& folder);

// The export the save row's check box adds to a save, when a folder was given: the exit status.
int exportGutenprintIfAsked(
    const std::string& folder,
    const std::function<Outcome(const std::filesystem::path&)>& exportGutenprintXml);

}  // namespace sg::cli
