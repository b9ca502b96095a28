#include <memory>
#include <string>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "QuadFiles/GutenprintExport.h"
#include "QuadFiles/QuadDataFile.h"

namespace sg::cli {
namespace {

struct GutenprintOptions {
    std::string input;
    std::string folder;
};

int runGutenprint(const GutenprintOptions& options) {
    const auto file = QuadDataFile::load(options.input);
    if (!file) {
        return refuse(file.error());
    }
    if (const Outcome refused = gutenprintFolderRefusal(options.folder)) {
        return refuse(*refused);
    }
    if (const Outcome failure = exportGutenprintXML(file.value().inputQuadCurveArray,
                                                    file.value().inkList, options.folder)) {
        return refuse(*failure);
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
        ->required();
    command->callback([options, &exitCode] { exitCode = runGutenprint(*options); });
}

}  // namespace sg::cli
