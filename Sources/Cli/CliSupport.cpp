#include "Cli/CliSupport.h"

#include <iostream>

#include "Common/TextFiles.h"

namespace sg::cli {

int refuse(const Alert& alert) {
    std::cerr << alert.messageText << ": " << alert.informativeText << '\n';
    return exitRefused;
}

int emitFile(const std::string& text, const std::string& output) {
    if (output.empty() || output == "-") {
        std::cout << text << std::flush;
        return std::cout ? exitSuccess : exitRefused;
    }
    if (const Outcome failure = saveTextFile(output, text)) {
        return refuse(*failure);
    }
    return exitSuccess;
}

}  // namespace sg::cli
