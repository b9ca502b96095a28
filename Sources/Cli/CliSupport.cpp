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

int printText(const std::string& text) {
    // Written directly, so that a failure comes with its reason.
    std::cout.flush();
    std::string_view remaining = text;
    while (!remaining.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, remaining.data(), remaining.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return refuse(
                Alert{"Failed to Write Output", "The standard output could not be written: " +
                                                    std::string(std::strerror(errno)) + "."});
        }
        remaining.remove_prefix(static_cast<std::size_t>(written));
    }
    return exitSuccess;
}

int emitFile(const std::string& text, const std::string& output) {
    if (output.empty() || output == "-") {
        return printText(text);
    }
    const Outcome saved = saveTextFile(output, text);
    if (saved.isRefused()) {
        return refuse(*saved.alert());
    }
    return exitSuccess;
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
    if (std::filesystem::is_directory(folder, error)) {
        return {};
    }
    const bool exists = std::filesystem::exists(folder, error);
    return Outcome::refused(
        Alert{"Failed to Export Gutenprint XML",
              "\"" + folder + "\" " + (exists ? "is not a folder." : "does not exist.")});
}

}  // namespace sg::cli
