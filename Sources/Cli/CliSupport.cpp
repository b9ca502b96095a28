#include "Cli/CliSupport.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "Common/TextFiles.h"

namespace sg::cli {

int refuse(const Alert& alert) {
    std::cerr << alert.messageText << ": " << alert.informativeText << '\n';
    return exitRefused;
}

int printText(const std::string& text) {
    std::cout << text << std::flush;
    return std::cout ? exitSuccess : exitRefused;
}

int emitFile(const std::string& text, const std::string& output) {
    if (output.empty() || output == "-") {
        return printText(text);
    }
    if (const Outcome failure = saveTextFile(output, text)) {
        return refuse(*failure);
    }
    return exitSuccess;
}

Outcome gutenprintFolderRefusal(const std::string& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) {
        return std::nullopt;
    }
    const bool exists = std::filesystem::exists(folder, error);
    return Alert{"Failed to Export Gutenprint XML",
                 "\"" + folder + "\" " + (exists ? "is not a folder." : "does not exist.")};
}

}  // namespace sg::cli
