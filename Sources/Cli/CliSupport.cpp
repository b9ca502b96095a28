#include "Cli/CliSupport.h"

#include <filesystem>
#include <iostream>
#include <system_error>

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
    std::cout << text << std::flush;
    return std::cout ? exitSuccess : exitRefused;
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
