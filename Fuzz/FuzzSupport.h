#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "Common/Diagnostics.h"

namespace sg::fuzz {

// Keeps sg::diag off the terminal. The capture keeps everything it is given, so it is replaced
// now and then: a long run must not grow until the fuzzer reports running out of memory.
inline void silenceDiagnostics() {
    constexpr int inputsPerCapture = 4096;
    static std::optional<DiagnosticsCapture> capture;
    static int inputs = 0;
    if (inputs++ % inputsPerCapture == 0) {
        capture.reset();
        capture.emplace();
    }
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise: abort() so that libFuzzer keeps the input as a crash.
inline void require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "Broken promise: %s\n", promise);
        std::abort();
    }
}

}  // namespace sg::fuzz
