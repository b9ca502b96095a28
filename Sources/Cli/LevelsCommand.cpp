#include <iostream>
#include <memory>
#include <string>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "Common/Numbers.h"
#include "CurveTools/QuadLevelsTool.h"

namespace sg::cli {
namespace {

struct LevelsOptions {
    std::string input;
    double start = 0.0;
    double end = 1.0;
    bool zeroFirst = false;
    std::string output;
    std::string gutenprintFolder;
};

// The same actions in the same order as a user of the Quad Levels tab: load the file, move the
// range slider, save (with "Set first value to 0" when --zero-first), then press the export
// button. So the file is byte-identical to the tab's save, and the exported curves carry the
// zeroed first values exactly when they would there.
int runLevels(const LevelsOptions& options) {
    QuadLevelsTool tool;
    if (const Outcome loaded = tool.loadQuadFile(options.input); loaded.isRefused()) {
        return refuse(*loaded.alert(), options.input);
    }
    // Refused before anything is written.
    if (const Outcome checked = checkGutenprintFolder(options.gutenprintFolder);
        checked.isRefused()) {
        return refuse(*checked.alert());
    }

    tool.setSelection(options.start, options.end);

    const Outcome saved = tool.saveTrimmedCurve(
        [&](std::string_view text) { return writeOutput(text, options.output); },
        options.zeroFirst);
    if (saved.isRefused()) {
        return refuse(*saved.alert());
    }
    return exportGutenprintIfAsked(options.gutenprintFolder, [&](const auto& folder) {
        return tool.exportGutenprintXml(folder);
    });
}

}  // namespace

void registerLevelsCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<LevelsOptions>();
    CLI::App* command = app.add_subcommand(
        "levels",
        "Trim a .quad curve on its input axis, as the Quad Levels range slider does, and save "
        "the result with the file's header");
    command->add_option("IN", options->input, "The .quad curve file")->required();
    command
        ->add_option("--start", options->start,
                     "Start of the selection as a fraction of the slider bar (0 = white end); "
                     "input level = start x 255, truncated")
        ->required()
        ->check(decimalBetween(0.0, 1.0));
    command
        ->add_option("--end", options->end,
                     "End of the selection as a fraction of the slider bar (1 = black end); "
                     "input level = end x 256, truncated, at most 255")
        ->required()
        ->check(decimalBetween(0.0, 1.0));
    command->add_flag("--zero-first", options->zeroFirst,
                      "Save with the first value of every channel set to 0 (paper white gets "
                      "no ink)");
    command->add_option("--output,-o", options->output,
                        "Where to write the .quad file; \"-\" or none for the standard output");
    command->add_option("--gutenprint", options->gutenprintFolder,
                        "Also export the result as Gutenprint XML, one file per channel, into "
                        "this existing folder");
    command->callback([options, &exitCode] {
        if (options->start > options->end) {
            std::cerr << "--start (" << options->start << ") must not be after --end ("
                      << options->end << ")\nRun with --help for more information.\n";
            exitCode = exitUsage;
            return;
        }
        exitCode = runLevels(*options);
    });
}

}  // namespace sg::cli
