#include <array>
#include <memory>
#include <string>
#include <utility>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "CurveTools/CurveBlend.h"

namespace sg::cli {
namespace {

struct BlendOptions {
    std::string curve1;
    std::string curve2;
    // Curve 1's share per zone, whites to blacks, in percent.
    std::array<double, blendZoneCount> percents = {100.0, 100.0, 100.0, 100.0, 100.0};
    std::string output;
    std::string gutenprintFolder;
};

// The same actions in the same order as a user of the Curve Blending tab: load curve 1, load
// curve 2, move the five zone sliders, save, then the Gutenprint export of the save row. Curves
// whose channel counts differ are refused at the load, where the tab first shows the alert.
int runBlend(const BlendOptions& options) {
    CurveBlend blend;
    if (const Outcome loaded = blend.loadCurve1(options.curve1); loaded.isRefused()) {
        return refuse(*loaded.alert(), options.curve1);
    }
    if (const Outcome loaded = blend.loadCurve2(options.curve2); !loaded.isDone()) {
        return refuse(*loaded.alert(), loaded.isRefused() ? options.curve2 : std::string());
    }
    // Refused before anything is written.
    if (const Outcome checked = checkGutenprintFolder(options.gutenprintFolder);
        checked.isRefused()) {
        return refuse(*checked.alert());
    }

    for (std::size_t zone = 0; zone < blendZoneCount; ++zone) {
        blend.setCurve1Percent(static_cast<BlendZone>(zone), options.percents[zone]);
    }

    const Outcome saved =
        blend.saveBlend([&](std::string_view text) { return writeOutput(text, options.output); });
    if (saved.isRefused()) {
        return refuse(*saved.alert());
    }
    return exportGutenprintIfAsked(options.gutenprintFolder, [&](const auto& folder) {
        return blend.exportGutenprintXml(folder);
    });
}

}  // namespace

void registerBlendCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<BlendOptions>();
    CLI::App* command = app.add_subcommand(
        "blend",
        "Blend two .quad curves zone by zone, as the Curve Blending sliders do, and save the "
        "result with curve 1's header");
    command->add_option("CURVE1", options->curve1, "The first .quad curve file")->required();
    command
        ->add_option("CURVE2", options->curve2,
                     "The second .quad curve file, with as many channels as the first")
        ->required();
    constexpr std::array<std::pair<const char*, const char*>, blendZoneCount> zones = {{
        {"--whites", "Curve 1's share of the whites (0 % of the input), in percent"},
        {"--lights", "Curve 1's share of the lights (25 % of the input), in percent"},
        {"--mids", "Curve 1's share of the mids (50 % of the input), in percent"},
        {"--darks", "Curve 1's share of the darks (75 % of the input), in percent"},
        {"--blacks", "Curve 1's share of the blacks (100 % of the input), in percent"},
    }};
    for (std::size_t zone = 0; zone < blendZoneCount; ++zone) {
        command
            ->add_option(zones[zone].first, options->percents[zone],
                         std::string(zones[zone].second) + "; curve 2 gets the rest")
            ->capture_default_str()
            ->check(decimalBetween(0.0, 100.0));
    }
    command->add_option("--output,-o", options->output,
                        "Where to write the .quad file; \"-\" or none for the standard output");
    command->add_option("--gutenprint", options->gutenprintFolder,
                        "Also export the blend as Gutenprint XML, one file per channel, into "
                        "this existing folder");
    command->callback([options, &exitCode] { exitCode = runBlend(*options); });
}

}  // namespace sg::cli
