// A photographer's whole linearization with arbitrary files: a measurement file and a curve
// file loaded into the tool, the controls set, the result saved and read back. Whatever the
// files hold, a measurement and a curve that both load give a curve to save, and the saved file
// loads again with the curve's channels and only whole ink values in 0..65535.
//
// Input: the measurement file's bytes, a NUL (no text file holds one), three control bytes
// (method and spline strength, averaging window, midtone slider), then the curve file's bytes.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "FuzzSupport.h"
#include "Linearization/LinearizationTool.h"
#include "QuadFiles/QuadFile.h"
#include "Support/TemporaryFolder.h"

namespace {

using sg::fuzz::require;

struct Input {
    std::string_view measurements;
    std::uint8_t methodAndStrength = 0;
    std::uint8_t window = 0;
    std::uint8_t midtoneSlider = 0;
    std::string_view curve;
};

constexpr std::size_t controlBytes = 3;

std::optional<Input> split(std::string_view bytes) {
    const std::size_t separator = bytes.find('\0');
    if (separator == std::string_view::npos || bytes.size() - separator - 1 < controlBytes) {
        return std::nullopt;
    }
    const auto control = [&](std::size_t k) {
        return static_cast<std::uint8_t>(bytes[separator + 1 + k]);
    };
    return Input{bytes.substr(0, separator), control(0), control(1), control(2),
                 bytes.substr(separator + 1 + controlBytes)};
}

// One folder for the whole run, in the temporary folder the run is given; the files of one
// input overwrite those of the last.
const sg::testing::TemporaryFolder& scratch() {
    static const sg::testing::TemporaryFolder folder;
    return folder;
}

void setControls(sg::LinearizationTool& tool, const Input& input) {
    using Ranges = sg::LinearizationControlRanges;
    tool.setCorrectionMethod((input.methodAndStrength & 1) != 0 ? sg::CorrectionMethod::precise
                                                                : sg::CorrectionMethod::standard);
    tool.setSplineStrength(
        Ranges::splineStrengths[(input.methodAndStrength >> 1) % Ranges::splineStrengths.size()]);
    tool.setAveragingWindow(input.window % (Ranges::windowMaximum + 1));
}

void checkSaved(const sg::LinearizationTool& tool, const std::filesystem::path& saved) {
    const sg::Result<sg::QuadFile> reread = sg::QuadFile::load(saved);
    require(reread.ok(), "a saved curve loads again");
    const sg::QuadFile& loaded = *tool.curveFile();
    require(reread.value().labels() == loaded.labels(), "a saved curve keeps the curve's channels");
    for (const auto& channel : reread.value().curve()) {
        require(std::all_of(channel.begin(), channel.end(),
                            [](double value) {
                                return value >= 0.0 && value <= 65535.0 &&
                                       value == std::trunc(value);
                            }),
                "a saved curve holds whole ink values in 0..65535");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sg::fuzz::silenceDiagnostics();
    const std::optional<Input> input = split(sg::fuzz::bytesOf(data, size));
    if (!input) {
        return 0;
    }
    sg::LinearizationTool tool;
    setControls(tool, *input);
    const bool measured =
        tool.loadMeasurements(scratch().write("wedge.txt", input->measurements)).isDone();
    const bool curveTaken =
        !tool.loadQuadFile(scratch().write("curve.quad", input->curve)).isRefused();
    if (!measured || !curveTaken) {
        return 0;
    }
    require(tool.canSave(), "a loaded measurement and a loaded curve give a curve to save");
    // The midtone slider, -50..50, moved after the loads: the target is bent anew.
    const double slider = static_cast<double>(input->midtoneSlider % 101) - 50.0;
    (void)tool.setControlPoint(sg::ControlPoint::midtone,
                               sg::ToneControlPoints::defaultMidtoneInput, slider);

    const std::filesystem::path saved = scratch().path() / "linearized.quad";
    require(!tool.saveLinearizedCurve(saved, tool.curveFile()->notes()).isRefused(),
            "a linearized curve saves into a writable folder");
    checkSaved(tool, saved);
    return 0;
}
