// silvergrain-cli linearize: the Linearization tool driven from a script.
//
// The file it writes is byte-identical to the tool's save for the same settings because it
// calls the same LinearizationTool methods a user's actions reach, in this order:
//   1. loadMeasurements(--measurements)
//   2. setCorrectionMethod(--method, default standard)
//   3. setAveragingWindow(--window, default 0)
//   4. setSplineStrength(--spline, default 0)
//   5. setControlPoint(shadow, then midtone, then highlight) for each point given; a point
//      whose new input would cross a point not yet moved waits until that one has moved, as
//      a user would move them
//   6. loadQuadFile(--quad)
//   7. saveLinearizedCurve(--output, notes), or linearizedFileText(notes) for the
//      standard output; the notes are the curve file's own, or the text of --notes-file as
//      it stands
//   8. exportGutenprintXml(--gutenprint) when given
// With --report the measured linearity of the wedge and the result the chosen method predicts
// go to the standard error, which the curve never does, so the curve can still be piped.
// The result depends only on the settings reached, not on the order they were made in: each
// action recomputes the correction and the linearization from scratch.

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "Common/Numbers.h"
#include "Common/TextFiles.h"
#include "Linearization/LinearizationTool.h"

namespace sg::cli {
namespace {

struct ControlPointSetting {
    ControlPoint which;
    double input = 0.0;
    int slider = 0;
};

struct LinearizeOptions {
    std::string measurements;
    std::string quad;
    int window = LinearizationControlRanges::windowStart;
    double spline = LinearizationControlRanges::splineStart;
    std::string shadow;
    std::string midtone;
    std::string highlight;
    std::string notesFile;
    std::string output;
    std::string gutenprint;
    std::string method = "standard";
    bool report = false;
};

const std::map<std::string, CorrectionMethod> methodNames = {
    {"standard", CorrectionMethod::standard}, {"precise", CorrectionMethod::precise}};

// E.g. "Measured wedge: max |dL*| 17.3, mean 9.1" and "Predicted after the precise correction:
// max |dL*| 0.08, mean 0.02".
void printReport(const LinearizationTool& tool, const std::string& methodName) {
    const LinearityReadout& measured = *tool.linearity();
    const PredictedLinearity& predicted = *tool.predictedLinearity();
    std::cerr << "Measured wedge: max |dL*| " << measured.maximumDeviationText() << ", mean "
              << measured.meanDeviationText() << "\nPredicted after the " << methodName
              << " correction: max |dL*| " << predicted.maximumDeviationText() << ", mean "
              << predicted.meanDeviationText() << "\n";
}

// "INPUT:SLIDER": the input entry's value and the slider's position.
std::optional<ControlPointSetting> parseControlPoint(ControlPoint which, const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<double> input = parseDecimal(text.substr(0, colon));
    const std::optional<long long> slider = parseInteger(text.substr(colon + 1));
    if (!input || !slider || *slider < LinearizationControlRanges::sliderMinimum ||
        *slider > LinearizationControlRanges::sliderMaximum) {
        return std::nullopt;
    }
    return ControlPointSetting{which, *input, static_cast<int>(*slider)};
}

std::string checkControlPoint(const std::string& text) {
    if (parseControlPoint(ControlPoint::shadow, text)) {
        return {};
    }
    return "expected INPUT:SLIDER, a number and a whole number from " +
           std::to_string(LinearizationControlRanges::sliderMinimum) + " to " +
           std::to_string(LinearizationControlRanges::sliderMaximum) + ", e.g. 25:-10";
}

// Moves the given points; a point refused now is tried again after the others have moved.
Outcome setControlPoints(LinearizationTool& tool, std::vector<ControlPointSetting> pending) {
    Outcome refusal;
    while (!pending.empty()) {
        std::vector<ControlPointSetting> waiting;
        for (const ControlPointSetting& point : pending) {
            Outcome outcome = tool.setControlPoint(point.which, point.input, point.slider);
            if (outcome.isRefused()) {
                refusal = std::move(outcome);
                waiting.push_back(point);
            }
        }
        if (waiting.size() == pending.size()) {
            return refusal;
        }
        pending = std::move(waiting);
    }
    return {};
}

// The strengths the tool's control offers, as the option's help lists them.
std::string splineHelp() {
    std::string strengths;
    for (const double strength : LinearizationControlRanges::splineStrengths) {
        strengths += (strengths.empty() ? "" : ", ") + formatShortest(strength);
    }
    return "Spline smoothing strength from 0 (none, the default) to 1 (most), as the tool's "
           "control; it offers " +
           strengths +
           ", each a different smoothing. Past 0.93 the spline thins no further, and from "
           "0.94 on it runs through every level and smooths least. For the precise method 0 "
           "lets the data choose the strength, and any other value sets it";
}

int runLinearize(const LinearizeOptions& options) {
    // Everything that can be checked before the work starts is, so a refusal writes nothing.
    if (const Outcome checked = checkGutenprintFolder(options.gutenprint); checked.isRefused()) {
        return refuse(*checked.alert());
    }
    std::optional<std::string> notesText;
    if (!options.notesFile.empty()) {
        Result<std::string> text = readTextFile(options.notesFile);
        if (!text) {
            return refuse(text.refusal(), options.notesFile);
        }
        notesText = std::move(text).value();
    }
    std::vector<ControlPointSetting> points;
    const std::pair<ControlPoint, const std::string*> given[] = {
        {ControlPoint::shadow, &options.shadow},
        {ControlPoint::midtone, &options.midtone},
        {ControlPoint::highlight, &options.highlight}};
    for (const auto& [which, text] : given) {
        if (!text->empty()) {
            points.push_back(*parseControlPoint(which, *text));
        }
    }

    LinearizationTool tool;
    if (const Outcome loaded = tool.loadMeasurements(options.measurements); loaded.isRefused()) {
        return refuse(*loaded.alert(), options.measurements);
    }
    tool.setCorrectionMethod(methodNames.at(options.method));
    // The warning the tool shows before a save; a script gets it and the curve.
    if (const std::string warning = tool.linearity()->warningText(); !warning.empty()) {
        warn(warning, options.measurements);
    }
    tool.setAveragingWindow(options.window);
    tool.setSplineStrength(options.spline);
    if (const Outcome moved = setControlPoints(tool, points); moved.isRefused()) {
        return refuse(*moved.alert());
    }
    if (const Outcome loaded = tool.loadQuadFile(options.quad); !loaded.isDone()) {
        return refuse(*loaded.alert(), options.quad);
    }
    const std::string notes = notesText.value_or(tool.curveFile()->notes());
    if (options.report) {
        printReport(tool, options.method);
    }

    if (isStandardOutput(options.output)) {
        const Result<std::string> text = tool.linearizedFileText(notes);
        if (!text) {
            return refuse(text.refusal());
        }
        if (const Outcome written = writeStandardOutput(text.value()); written.isRefused()) {
            return refuse(*written.alert());
        }
    } else if (const Outcome saved = tool.saveLinearizedCurve(options.output, notes);
               saved.isRefused()) {
        return refuse(*saved.alert());
    }
    return exportGutenprintIfAsked(
        options.gutenprint, [&](const auto& folder) { return tool.exportGutenprintXml(folder); });
}

}  // namespace

void registerLinearizeCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<LinearizeOptions>();
    CLI::App* command = app.add_subcommand(
        "linearize",
        "Linearize a .quad curve from the measurements of a wedge it printed, as the "
        "Linearization tool does");
    command
        ->add_option("--measurements", options->measurements,
                     "The measurement file of the printed wedge")
        ->required();
    command->add_option("--quad", options->quad, "The .quad curve that printed the wedge")
        ->required();
    command
        ->add_option("--window", options->window,
                     "Moving-average window (default 0: none; the precise method does not use it)")
        ->check(wholeNumberBetween(LinearizationControlRanges::windowMinimum,
                                   LinearizationControlRanges::windowMaximum));
    command->add_option("--spline", options->spline, splineHelp())
        ->check(decimalBetween(LinearizationControlRanges::splineMinimum,
                               LinearizationControlRanges::splineMaximum));
    command
        ->add_option("--method", options->method,
                     "Correction method: standard (default, the tool's original) or precise "
                     "(each patch at its printed level, smoothing chosen from the data, exact "
                     "inversion)")
        ->check(CLI::IsMember(methodNames));
    command->add_flag("--report", options->report,
                      "Print the measured linearity and the one the method predicts for the "
                      "next print on the standard error");
    const auto controlPoint = CLI::Validator(checkControlPoint, "INPUT:SLIDER");
    command
        ->add_option("--shadow", options->shadow,
                     "Shadow point: its input (default 25) and slider position (-50..50)")
        ->check(controlPoint);
    command
        ->add_option("--midtone", options->midtone,
                     "Midtone point: its input (default 50) and slider position (-50..50)")
        ->check(controlPoint);
    command
        ->add_option("--highlight", options->highlight,
                     "Highlight point: its input (default 75) and slider position (-50..50)")
        ->check(controlPoint);
    command->add_option("--notes-file", options->notesFile,
                        "A text file whose text replaces the curve's notes, as it stands");
    command->add_option("--output,-o", options->output,
                        "The .quad file to write (default, or \"-\": the standard output)");
    command->add_option("--gutenprint", options->gutenprint,
                        "Also write one Gutenprint XML file per channel into this folder");
    command->callback([options, &exitCode] { exitCode = runLinearize(*options); });
}

}  // namespace sg::cli
