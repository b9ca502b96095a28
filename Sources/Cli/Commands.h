#pragma once

#include <CLI/CLI.hpp>

namespace sg::cli {

// Each subcommand registers itself on the application and stores its exit status in
// `exitCode` when it runs.

void registerBlendCommand(CLI::App& app, int& exitCode);
void registerCreateCommand(CLI::App& app, int& exitCode);
void registerGutenprintCommand(CLI::App& app, int& exitCode);
void registerLevelsCommand(CLI::App& app, int& exitCode);
void registerLinearizeCommand(CLI::App& app, int& exitCode);
void registerMeasurementsCommand(CLI::App& app, int& exitCode);
void registerStarterCommand(CLI::App& app, int& exitCode);

}  // namespace sg::cli
