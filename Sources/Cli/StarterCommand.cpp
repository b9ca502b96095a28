// silvergrain-cli starter: the Starter Curve tool driven from a script.
//
// The file is byte-identical to the tool's save for the same choices because the command calls
// the StarterCurveTool methods a user's actions reach, in this order:
//   1. choosePrinter, choosePaper, chooseToner (by their menu titles)
//   2. setSaturation(--saturation), when given; otherwise the 0.5 the choices set
//   3. setCustomCyan, setCustomMagenta, setCustomYellow, each when given
//   4. setBoost(--boost), when given, with its black-limit loop
//   5. the save: fileText() written to --output, or to the standard output
//   6. exportGutenprintXml(--gutenprint) when given, as "also export Gutenprint XML" does

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "StarterCurves/StarterCurveTool.h"

namespace sg::cli {
namespace {

struct StarterOptions {
    bool list = false;
    std::string printer;
    std::string paper;
    std::string toner;
    std::optional<double> saturation;
    std::optional<double> customCyan;
    std::optional<double> customMagenta;
    std::optional<double> customYellow;
    std::optional<double> boost;
    std::string output;
    std::string gutenprint;
};

std::string quotedList(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    }
    return text;
}

int menuPosition(const std::vector<std::string>& titles, const std::string& title) {
    return static_cast<int>(std::find(titles.begin(), titles.end(), title) - titles.begin());
}

// A menu title, exactly as the menu shows it.
CLI::Validator menuEntry(const std::vector<std::string>& titles) {
    return CLI::Validator(
        [&titles](std::string& text) -> std::string {
            if (std::find(titles.begin(), titles.end(), text) != titles.end()) {
                return {};
            }
            return "\"" + text + "\" is not one of " + quotedList(titles);
        },
        "NAME");
}

int printLists() {
    std::string text;
    const std::pair<const char*, const std::vector<std::string>*> lists[] = {
        {"Printers", &printerMenuTitles()},
        {"Papers", &paperMenuTitles()},
        {"Toners", &tonerMenuTitles()}};
    for (const auto& [heading, titles] : lists) {
        text += std::string(heading) + ":\n";
        for (const std::string& title : *titles) {
            text += "  " + title + "\n";
        }
    }
    return exitStatus(writeStandardOutput(text));
}

int runStarter(const StarterOptions& options) {
    if (const Outcome checked = checkGutenprintFolder(options.gutenprint); checked.isRefused()) {
        return refuse(*checked.alert());
    }

    StarterCurveTool tool;
    tool.choosePrinter(menuPosition(printerMenuTitles(), options.printer));
    tool.choosePaper(options.paper);
    tool.chooseToner(menuPosition(tonerMenuTitles(), options.toner));
    if (options.saturation) {
        tool.setSaturation(*options.saturation);
    }
    if (options.customCyan) {
        tool.setCustomCyan(*options.customCyan);
    }
    if (options.customMagenta) {
        tool.setCustomMagenta(*options.customMagenta);
    }
    if (options.customYellow) {
        tool.setCustomYellow(*options.customYellow);
    }
    if (options.boost) {
        tool.setBoost(*options.boost);
    }

    if (const Outcome written = writeOutput(tool.fileText(), options.output); written.isRefused()) {
        return refuse(*written.alert());
    }
    return exportGutenprintIfAsked(
        options.gutenprint, [&](const auto& folder) { return tool.exportGutenprintXml(folder); });
}

}  // namespace

void registerStarterCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<StarterOptions>();
    CLI::App* command = app.add_subcommand(
        "starter",
        "Make a complete .quad curve from the built-in black tables for a printer, paper and "
        "toning, as the Starter Curve tool does");
    command->add_flag("--list", options->list,
                      "Print the printers, papers and toners the other options accept");
    command->add_option("--printer", options->printer, "Printer, as the tool's menu names it")
        ->check(menuEntry(printerMenuTitles()));
    command->add_option("--paper", options->paper, "Paper, as the tool's menu names it")
        ->check(menuEntry(paperMenuTitles()));
    command->add_option("--toner", options->toner, "Toning, as the tool's menu names it")
        ->check(menuEntry(tonerMenuTitles()));
    using Ranges = StarterControlRanges;
    command
        ->add_option("--saturation", options->saturation,
                     "Toner saturation slider (default 0.5, where the toner choice sets it; the "
                     "label shows it x 50)")
        ->check(decimalBetween(Ranges::saturationMinimum, Ranges::saturationMaximum));
    const std::pair<const char*, std::optional<double>*> customs[] = {
        {"--custom-c", &options->customCyan},
        {"--custom-m", &options->customMagenta},
        {"--custom-y", &options->customYellow}};
    for (const auto& [name, value] : customs) {
        command
            ->add_option(name, *value,
                         "Custom toner factor of this colour's full and light ink (acts with "
                         "--toner Custom)")
            ->check(decimalBetween(Ranges::customFactorMinimum, Ranges::customFactorMaximum));
    }
    command
        ->add_option("--boost", options->boost,
                     "Black boost slider (default 0); lowered in steps of 1.5 while black reads "
                     "above 100 %")
        ->check(decimalBetween(Ranges::boostMinimum, Ranges::boostMaximum));
    command->add_option("--output,-o", options->output,
                        "The .quad file to write (default, or \"-\": the standard output)");
    command->add_option("--gutenprint", options->gutenprint,
                        "Also write one Gutenprint XML file per channel into this folder");
    command->callback([options, &exitCode] {
        if (options->list) {
            exitCode = printLists();
            return;
        }
        if (options->printer.empty() || options->paper.empty() || options->toner.empty()) {
            std::cerr << "--printer, --paper and --toner are required (--list names them)\n"
                         "Run with --help for more information.\n";
            exitCode = exitUsage;
            return;
        }
        exitCode = runStarter(*options);
    });
}

}  // namespace sg::cli
