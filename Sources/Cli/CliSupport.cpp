#include "Cli/CliSupport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include <unistd.h>

#include "Common/Numbers.h"
#include "Common/TextFiles.h"

namespace sg::cli {

int refuse(const Alert& alert, std::string_view fileName) {
    if (!fileName.empty()) {
        std::cerr << fileName << ": ";
    }
    std::cerr << alert.title << ": " << alert.text << '\n';
    return exitRefused;
}

void warn(std::string_view text, std::string_view fileName) {
    std::cerr << fileName << ": Warning: " << text << '\n';
}

int exitStatus(const Outcome& outcome, std::string_view fileName) {
    return outcome.isRefused() ? refuse(*outcome.alert(), fileName) : exitSuccess;
}

Outcome writeStandardOutput(std::string_view text) {
    // Written directly, so that a failure comes with its reason.
    std::cout.flush();
    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Outcome::refused(
                Alert{"Failed to Write Output", "The standard output could not be written: " +
                                                    std::string(std::strerror(errno)) + "."});
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

bool isStandardOutput(const std::string& output) {
    return output.empty() || output == "-";
}

Outcome writeOutput(std::string_view text, const std::string& output) {
    return isStandardOutput(output) ? writeStandardOutput(text) : saveTextFile(output, text);
}

CLI::Validator decimalBetween(double lowest, double highest) {
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const std::optional<double> value = parseDecimal(text);
            if (!value || *value < lowest || *value > highest) {
                return "must be a number from " + formatShortest(lowest) + " to " +
                       formatShortest(highest) + ", not \"" + text + "\"";
            }
            return {};
        },
        "NUMBER " + formatShortest(lowest) + ".." + formatShortest(highest));
}

CLI::Validator wholeNumberBetween(long long lowest, long long highest) {
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            const std::optional<long long> value = parseInteger(text);
            if (!value || *value < lowest || *value > highest) {
                return "must be a whole number from " + std::to_string(lowest) + " to " +
                       std::to_string(highest) + ", not \"" + text + "\"";
            }
            return {};
        },
        "INTEGER " + std::to_string(lowest) + ".." + std::to_string(highest));
}

Outcome checkGutenprintFolder(const std::string& folder) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) {
        return {};
    }
    const bool exists = std::filesystem::exists(folder, error);
    return Outcome::refused(
        Alert{"Failed to Export Gutenprint XML",
              "\"" + folder + "\" " + (exists ? "is not a folder." : "does not exist.")});
}

int exportGutenprintIfAsked(
    const std::string& folder,
    const std::function<Outcome(const std::filesystem::path&)>& exportGutenprintXml) {
    return folder.empty() ? exitSuccess : exitStatus(exportGutenprintXml(folder));
}

}  // namespace sg::cli
