#include "Common/Diagnostics.h"

#include <iostream>

namespace sg {
namespace {

// The one process-wide sink; the core never writes to the standard streams otherwise.
std::ostream*& sink() {
    static std::ostream* stream = &std::cout;
    return stream;
}

}  // namespace

void diag(std::string_view line) {
    *sink() << line << '\n';
}

DiagnosticsCapture::DiagnosticsCapture() : previous_(sink()) {
    sink() = &captured_;
}

DiagnosticsCapture::~DiagnosticsCapture() {
    sink() = previous_;
}

}  // namespace sg
