#include <CLI/CLI.hpp>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "Common/Diagnostics.h"
#include "Common/Version.h"

int main(int argc, char** argv) {
    // The core's diagnostic lines would mix with a file written to the standard output.
    const sg::DiagnosticsCapture quiet;

    CLI::App app{"Silvergrain: make, linearize, blend and rescale QuadToneRIP .quad curve files",
                 "silvergrain-cli"};
    app.set_version_flag("--version", "silvergrain-cli " + std::string(sg::silvergrainVersion));
    app.require_subcommand(1);

    int exitCode = sg::cli::exitSuccess;
    sg::cli::registerBlendCommand(app, exitCode);
    sg::cli::registerCreateCommand(app, exitCode);
    sg::cli::registerGutenprintCommand(app, exitCode);
    sg::cli::registerLevelsCommand(app, exitCode);
    sg::cli::registerLinearizeCommand(app, exitCode);
    sg::cli::registerMeasurementsCommand(app, exitCode);
    sg::cli::registerStarterCommand(app, exitCode);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);  // --help and --version
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return sg::cli::exitUsage;
    }
    return exitCode;
}
