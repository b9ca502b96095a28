// Feeds arbitrary bytes to the .quad reader. A file that loads must also survive the writer:
// its own curve written under its own header reads back with the same channels, labels and
// values as the writer clamps them.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "QuadFiles/QuadDataFile.h"

namespace {

// The value a written file holds for `value`: truncated, then limited to 0..65535.
double writtenValue(double value) {
    if (!(value > 0.0)) {
        return 0.0;
    }
    return value >= 65535.0 ? 65535.0 : std::trunc(value);
}

void checkLoaded(const sg::QuadDataFile& file) {
    using sg::fuzz::require;
    const auto channels = static_cast<std::size_t>(file.numInks);
    require(file.numInks > 0, "a loaded file names its channels");
    require(file.inputQuadCurveArray.size() == channels && file.inkList.size() == channels &&
                file.quadHeaders == file.inkList,
            "a loaded file holds one label and one curve per channel");
    for (const auto& channel : file.inputQuadCurveArray) {
        require(channel.size() == 256, "every channel holds 256 values");
    }

    const std::optional<std::string> text = file.quadFileText(file.inputQuadCurveArray);
    require(text.has_value(), "a loaded file can be written");
    const sg::Result<sg::QuadDataFile> reread = sg::QuadDataFile::fromBytes("reread.quad", *text);
    require(reread.ok(), "a written file loads again");
    const sg::QuadDataFile& again = reread.value();
    require(again.numInks == file.numInks, "a written file keeps its channel count");
    require(again.inkList == file.inkList, "a written file keeps its labels");
    for (std::size_t c = 0; c < channels; ++c) {
        for (std::size_t level = 0; level < 256; ++level) {
            require(again.inputQuadCurveArray[c][level] ==
                        writtenValue(file.inputQuadCurveArray[c][level]),
                    "a written file keeps every value, truncated and limited to 0..65535");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sg::fuzz::silenceDiagnostics();
    const sg::Result<sg::QuadDataFile> loaded =
        sg::QuadDataFile::fromBytes("fuzz.quad", sg::fuzz::bytesOf(data, size));
    if (loaded.ok()) {
        checkLoaded(loaded.value());
    } else {
        sg::fuzz::require(loaded.error().messageText == sg::QuadDataFile::loadFailureTitle,
                          "a refused file gets the load-failure alert");
    }
    return 0;
}
