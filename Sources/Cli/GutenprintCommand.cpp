#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

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
    // The export itself stays silent about a missing folder (a dialog just showed it); a
    // script has nobody to notice, so it is refused here.
    std::error_code error;
    if (!std::filesystem::is_directory(options.folder, error)) {
        const bool exists = std::filesystem::exists(options.folder, error);
        return refuse(Alert{
            "Failed to Export Gutenprint XML",
            "\"" + options.folder + "\" " + (exists ? "is not a folder." : "does not exist.")});
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
