// Feeds arbitrary bytes to the .quad reader. A file that loads must also survive the writer:
// its own curve written under its own header reads back with the same channels, labels and
// values as the writer clamps them.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "QuadFiles/QuadFile.h"

namespace {

// The value a written file holds for `value`: truncated, then limited to 0..65535.
double writtenValue(double value) {
    if (!(value > 0.0)) {
        return 0.0;
    }
    return value >= 65535.0 ? 65535.0 : std::trunc(value);
}

void checkLoaded(const sg::QuadFile& file) {
    using sg::fuzz::require;
    const std::size_t channels = file.channelCount();
    require(channels > 0, "a loaded file names its channels");
    require(file.curve().size() == channels && file.labels().size() == channels,
            "a loaded file holds one label and one curve per channel");
    for (const auto& channel : file.curve()) {
        require(channel.size() == 256, "every channel holds 256 values");
    }

    const std::string text = file.textWith(file.curve());
    const sg::Result<sg::QuadFile> reread = sg::QuadFile::fromBytes("reread.quad", text);
    require(reread.ok(), "a written file loads again");
    const sg::QuadFile& again = reread.value();
    require(again.channelCount() == channels, "a written file keeps its channel count");
    require(again.labels() == file.labels(), "a written file keeps its labels");
    for (std::size_t c = 0; c < channels; ++c) {
        for (std::size_t level = 0; level < 256; ++level) {
            require(again.curve()[c][level] == writtenValue(file.curve()[c][level]),
                    "a written file keeps every value, truncated and limited to 0..65535");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sg::fuzz::silenceDiagnostics();
    const sg::Result<sg::QuadFile> loaded =
        sg::QuadFile::fromBytes("fuzz.quad", sg::fuzz::bytesOf(data, size));
    if (loaded.ok()) {
        checkLoaded(loaded.value());
    } else {
        sg::fuzz::require(loaded.refusal().title == sg::QuadFile::loadFailureTitle,
                          "a refused file gets the load-failure alert");
    }
    return 0;
}
