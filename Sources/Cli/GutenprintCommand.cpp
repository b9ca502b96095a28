#include <memory>
#include <string>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "QuadFiles/GutenprintExport.h"
#include "QuadFiles/QuadFile.h"

namespace sg::cli {
namespace {

struct GutenprintOptions {
    std::string input;
    std::string folder;
};

int runGutenprint(const GutenprintOptions& options) {
    const Result<QuadFile> file = QuadFile::load(options.input);
    if (!file) {
        return refuse(file.refusal(), options.input);
    }
    if (const Outcome checked = checkGutenprintFolder(options.folder); checked.isRefused()) {
        return refuse(*checked.alert());
    }
    const Outcome exported =
        exportGutenprintXml(file.value().curve(), file.value().labels(), options.folder);
    if (exported.isRefused()) {
        return refuse(*exported.alert());
    }
    return exitSuccess;
}

}  // namespace

void registerGutenprintCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<GutenprintOptions>();
    CLI::App* command = app.add_subcommand(
        "gutenprint", "Write one Gutenprint XML curve file per channel of a .quad file");
    command->add_option("IN", options->input, "The .quad curve file")->required();
    command
        ->add_option("--dir", options->folder,
                     "The folder to write into; its name is written into every file as the "
                     "paper name")
        ->required()
        ->check(CLI::Validator(
            [](const std::string& folder) {
                return folder.empty() ? std::string("must name a folder") : std::string();
            },
            "FOLDER"));
    command->callback([options, &exitCode] { exitCode = runGutenprint(*options); });
}

}  // namespace sg::cli
