// silvergrain-cli create: the two curve creation tools driven from a script.
//
// The file it writes is byte-identical to the tool's save for the same settings because it
// calls the same model methods a user's actions reach, in this order. Without --chart, the
// manual tool (ManualCurveCreation):
//   1. choosePrinterModel(--printer)
//   2. for each --ink, slot 1 first: selectInk (in slot 1 it replaces "Black", in every further
//      slot it adds the ink), then setInkLimit, setGrayValue, setStartingOverlap and
//      setEndingOverlap for the fields given
//   3. saveCurve(--output), or curveFileText() for the standard output
// With --chart, the automatic tool (AutomaticCurveCreation):
//   1. choosePrinterModel(--printer)
//   2. loadChart(--chart): one slot per ink of the chart, with the load's defaults
//   3. for each --ink, slot 1 first: selectInk, then setHardwareLimit, setInkLimit,
//      setStartingOverlap and setEndingOverlap for the fields given
//   4. as 3. above
// A field the tool has no control for (a hardware limit in the manual tool, a gray value in
// the automatic one, which takes them from the chart) is a usage error, as is a limit that is
// not whole percent in the automatic tool.

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "Common/Numbers.h"
#include "Common/Strings.h"
#include "CurveCreation/AutomaticCurveCreation.h"
#include "CurveCreation/ManualCurveCreation.h"
#include "QuadFiles/InkList.h"

namespace sg::cli {
namespace {

// One --ink: NAME[,limit=L][,gray=G][,start=S][,end=E][,hardware=H].
struct InkOption {
    std::string name;
    std::optional<double> limit;
    std::optional<double> gray;
    std::optional<double> start;
    std::optional<double> end;
    std::optional<double> hardware;
};

struct CreateOptions {
    std::string printer;
    std::string chart;
    std::vector<std::string> inks;
    std::string output;
};

std::optional<double>* fieldOf(InkOption& ink, const std::string& key) {
    if (key == "limit") {
        return &ink.limit;
    }
    if (key == "gray") {
        return &ink.gray;
    }
    if (key == "start") {
        return &ink.start;
    }
    if (key == "end") {
        return &ink.end;
    }
    if (key == "hardware") {
        return &ink.hardware;
    }
    return nullptr;
}

// The ink, or why the text is none.
Result<InkOption> parseInkOption(const std::string& text) {
    const std::vector<std::string> parts = splitString(text, ',');
    InkOption ink;
    ink.name = parts.front();
    if (!channelPositionForInkName(ink.name)) {
        return Alert{"", "\"" + ink.name + "\" is not an ink name such as \"Black\" or " +
                             "\"Light Black\""};
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::size_t equals = parts[i].find('=');
        const std::string key = parts[i].substr(0, equals);
        std::optional<double>* field = fieldOf(ink, key);
        if (equals == std::string::npos || field == nullptr) {
            return Alert{"",
                         "\"" + parts[i] + "\" is none of limit=, gray=, start=, end=, hardware="};
        }
        if (field->has_value()) {
            return Alert{"", key + "= is given twice"};
        }
        *field = parseDecimal(parts[i].substr(equals + 1));
        if (!field->has_value()) {
            return Alert{"", "\"" + parts[i].substr(equals + 1) + "\" is not a number"};
        }
    }
    return ink;
}

CLI::Validator inkValidator() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const Result<InkOption> ink = parseInkOption(text);
            return ink ? std::string() : ink.refusal().text;
        },
        "NAME[,limit=L][,gray=G][,start=S][,end=E][,hardware=H]");
}

// The ink options of one tool; a field that tool has no control for is a usage error.
std::vector<InkOption> inkOptionsFor(const CreateOptions& options) {
    const bool automatic = !options.chart.empty();
    std::vector<InkOption> inks;
    for (const std::string& text : options.inks) {
        InkOption ink = parseInkOption(text).value();
        if (!automatic && ink.hardware) {
            throw CLI::ValidationError(
                "--ink", "hardware= is set in the automatic tool only (" + text + ")");
        }
        if (automatic && ink.gray) {
            throw CLI::ValidationError(
                "--ink", "gray= comes from the chart in the automatic tool (" + text + ")");
        }
        for (const std::optional<double>* limit : {&ink.limit, &ink.hardware}) {
            if (automatic && *limit && std::trunc(**limit) != **limit) {
                throw CLI::ValidationError(
                    "--ink", "limits are whole percent in the automatic tool (" + text + ")");
            }
        }
        inks.push_back(std::move(ink));
    }
    if (inks.empty() && !automatic) {
        throw CLI::ValidationError("--ink", "the manual tool needs at least one --ink");
    }
    if (inks.size() > InkSlotRanges::slotCount) {
        throw CLI::ValidationError("--ink", "there are 8 ink slots");
    }
    return inks;
}

// Runs the actions in order until one is refused.
Outcome firstRefusal(std::initializer_list<std::function<Outcome()>> actions) {
    for (const std::function<Outcome()>& action : actions) {
        Outcome outcome = action();
        if (outcome.isRefused()) {
            return outcome;
        }
    }
    return {};
}

// The whole percent of a limit that passed inkOptionsFor, within the tool's range.
int wholePercent(double limit) {
    return static_cast<int>(
        std::clamp(limit, InkSlotRanges::percentMinimum, InkSlotRanges::percentMaximum));
}

Outcome applyInk(ManualCurveCreation& tool, std::size_t slot, const InkOption& ink) {
    return firstRefusal({
        [&] { return tool.selectInk(slot, ink.name); },
        [&] { return ink.limit ? tool.setInkLimit(slot, *ink.limit) : Outcome(); },
        [&] { return ink.gray ? tool.setGrayValue(slot, *ink.gray) : Outcome(); },
        [&] { return ink.start ? tool.setStartingOverlap(slot, *ink.start) : Outcome(); },
        [&] { return ink.end ? tool.setEndingOverlap(slot, *ink.end) : Outcome(); },
    });
}

Outcome applyInk(AutomaticCurveCreation& tool, std::size_t slot, const InkOption& ink) {
    return firstRefusal({
        [&] { return tool.selectInk(slot, ink.name); },
        [&] {
            return ink.hardware ? tool.setHardwareLimit(slot, wholePercent(*ink.hardware))
                                : Outcome();
        },
        [&] { return ink.limit ? tool.setInkLimit(slot, wholePercent(*ink.limit)) : Outcome(); },
        [&] { return ink.start ? tool.setStartingOverlap(slot, *ink.start) : Outcome(); },
        [&] { return ink.end ? tool.setEndingOverlap(slot, *ink.end) : Outcome(); },
    });
}

template <typename Tool>
int createWith(Tool& tool, const std::vector<InkOption>& inks, const std::string& output) {
    for (std::size_t slot = 0; slot < inks.size(); ++slot) {
        if (const Outcome applied = applyInk(tool, slot, inks[slot]); applied.isRefused()) {
            return refuse(*applied.alert());
        }
    }
    if (isStandardOutput(output)) {
        const Result<std::string> text = tool.curveFileText();
        return text ? exitStatus(writeStandardOutput(text.value())) : refuse(text.refusal());
    }
    return exitStatus(tool.saveCurve(output));
}

int runCreate(const CreateOptions& options) {
    const std::vector<InkOption> inks = inkOptionsFor(options);
    if (options.chart.empty()) {
        ManualCurveCreation tool;
        if (const Outcome chosen = tool.choosePrinterModel(options.printer); chosen.isRefused()) {
            return refuse(*chosen.alert());
        }
        return createWith(tool, inks, options.output);
    }
    AutomaticCurveCreation tool;
    if (const Outcome chosen = tool.choosePrinterModel(options.printer); chosen.isRefused()) {
        return refuse(*chosen.alert());
    }
    if (const Outcome loaded = tool.loadChart(options.chart); loaded.isRefused()) {
        return refuse(*loaded.alert(), options.chart);
    }
    return createWith(tool, inks, options.output);
}

}  // namespace

void registerCreateCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<CreateOptions>();
    CLI::App* command = app.add_subcommand(
        "create",
        "Create a .quad curve from ink settings, as the Manual Curve Creation tool does, or "
        "from a measured ink separation chart (--chart), as the Automatic Curve Creation tool "
        "does");
    command->add_option("--printer", options->printer, "The printer model")
        ->required()
        ->check(CLI::IsMember(curveCreationPrinterModels));
    command->add_option("--chart", options->chart,
                        "The CGATS measurements of an ink separation chart (automatic)");
    command
        ->add_option("--ink", options->inks,
                     "One ink slot, slot 1 (the darkest ink) first: an ink name such as "
                     "\"Light Black\", then any of limit= (percent), gray= (percent, manual), "
                     "start= and end= (overlaps, 0..1), hardware= (percent, automatic)")
        ->allow_extra_args(false)
        ->check(inkValidator());
    command->add_option("--output,-o", options->output,
                        "The .quad file to write (default, or \"-\": the standard output)");
    command->callback([options, &exitCode] { exitCode = runCreate(*options); });
}

}  // namespace sg::cli
