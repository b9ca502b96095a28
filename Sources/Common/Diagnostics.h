#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

namespace sg {

// Lines of no consequence to the user. They go to the standard output unless captured.
void diag(std::string_view line);

// Redirects diag() into a string while it lives; for tests and for the command line.
class DiagnosticsCapture {
public:
    DiagnosticsCapture();
    ~DiagnosticsCapture();
    DiagnosticsCapture(const DiagnosticsCapture&) = delete;
    DiagnosticsCapture& operator=(const DiagnosticsCapture&) = delete;

    std::string text() const { return captured_.str(); }

private:
    std::ostringstream captured_;
    std::ostream* previous_;
};

}  // namespace sg
