#include <memory>
#include <string>

#include "Cli/CliSupport.h"
#include "Cli/Commands.h"
#include "Common/Numbers.h"
#include "MeasurementData/MeasurementFile.h"

namespace sg::cli {
namespace {

struct MeasurementsOptions {
    std::string input;
    bool automatic = false;
};

int runMeasurements(const MeasurementsOptions& options) {
    const Result<MeasurementFile> file = MeasurementFile::load(options.input);
    if (!file) {
        return refuse(file.refusal(), options.input);
    }
    const Result<std::vector<double>> series = options.automatic
                                                   ? readSeparationChartSeries(file.value())
                                                   : readLinearizationSeries(file.value());
    if (!series) {
        return refuse(series.refusal(), options.input);
    }
    // A series always comes from a recognised format.
    std::string text = std::string(measurementFormatName(*file.value().detectFormat())) + '\n';
    for (const double value : series.value()) {
        text += formatShortest(value);
        text += '\n';
    }
    return exitStatus(writeStandardOutput(text));
}

}  // namespace

void registerMeasurementsCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<MeasurementsOptions>();
    CLI::App* command = app.add_subcommand(
        "measurements",
        "Print the format of a measurement file and the L* series the linearization tool "
        "would store, one value per line");
    command->add_option("FILE", options->input, "The measurement file")->required();
    command->add_flag("--automatic", options->automatic,
                      "Read it as the automatic curve creation tool does: CGATS only, every "
                      "value unaveraged");
    command->callback([options, &exitCode] { exitCode = runMeasurements(*options); });
}

}  // namespace sg::cli
