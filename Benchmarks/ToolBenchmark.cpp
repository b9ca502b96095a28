// What each tool model recomputes when a control moves, on the files a photographer uses: the
// 8-channel example curve, the example wedges and separation chart. Each step alternates the
// control between two values, so every step does the whole work. Also the .quad file a tool
// loads and saves.

#include <benchmark/benchmark.h>

#include <string>

#include "Common/Diagnostics.h"
#include "Common/TextFiles.h"
#include "CurveCreation/AutomaticCurveCreation.h"
#include "CurveCreation/ManualCurveCreation.h"
#include "CurveTools/CurveBlend.h"
#include "CurveTools/CurveEditor.h"
#include "CurveTools/QuadLevelsTool.h"
#include "Linearization/LinearizationTool.h"
#include "QuadFiles/QuadFile.h"
#include "StarterCurves/StarterCurveTool.h"
#include "Support/TemporaryFolder.h"
#include "Support/TestData.h"

namespace {

using sg::testing::example;
using sg::testing::testData;

// The correction pipeline run again from the measured series with the controls as they start
// (smoothing, correction curve, predicted linearity) and the 8-channel curve linearized with it.
void BM_LinearizationRecompute(benchmark::State& state, sg::CorrectionMethod method,
                               const char* wedge) {
    const sg::DiagnosticsCapture quiet;
    sg::LinearizationTool tool;
    tool.setCorrectionMethod(method);
    (void)tool.loadMeasurements(example(wedge));
    (void)tool.loadQuadFile(example("example-curve.quad"));
    if (!tool.canSave() || tool.linearizedCurve()->size() != 8) {
        state.SkipWithError("the example wedge and curve did not load");
        return;
    }
    for (auto _ : state) {
        tool.setCorrectionMethod(method);
        benchmark::DoNotOptimize(tool.linearizedCurve());
    }
}
BENCHMARK_CAPTURE(BM_LinearizationRecompute, standard_21_patches, sg::CorrectionMethod::standard,
                  "wedge-21-steps.txt")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LinearizationRecompute, precise_21_patches, sg::CorrectionMethod::precise,
                  "wedge-21-steps.txt")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LinearizationRecompute, standard_51_patches, sg::CorrectionMethod::standard,
                  "wedge-51-steps.txt")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LinearizationRecompute, precise_51_patches, sg::CorrectionMethod::precise,
                  "wedge-51-steps.txt")
    ->Unit(benchmark::kMicrosecond);

void BM_QuadLoad(benchmark::State& state) {
    const auto path = example("example-curve.quad");
    for (auto _ : state) {
        auto loaded = sg::QuadFile::load(path);
        if (!loaded) {
            state.SkipWithError("the example curve did not load");
            break;
        }
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_QuadLoad)->Unit(benchmark::kMicrosecond);

// The text of the 8-channel curve under its own header, as every tool's save writes it.
void BM_QuadText(benchmark::State& state) {
    const sg::QuadFile file = sg::QuadFile::load(example("example-curve.quad")).value();
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.textWith(file.curve()));
    }
}
BENCHMARK(BM_QuadText)->Unit(benchmark::kMicrosecond);

// The text, then the atomic write into the temporary folder: a new file flushed to the disk
// and renamed over the last one. The flush is the disk's time, not the program's: the table
// shows it without a target.
void BM_QuadSave(benchmark::State& state) {
    state.counters["flushed_to_disk"] = 1;
    const sg::QuadFile file = sg::QuadFile::load(example("example-curve.quad")).value();
    const sg::testing::TemporaryFolder folder;
    const auto path = folder.path() / "saved.quad";
    for (auto _ : state) {
        if (sg::saveTextFile(path, file.textWith(file.curve())).isRefused()) {
            state.SkipWithError("the curve could not be saved");
            break;
        }
    }
}
BENCHMARK(BM_QuadSave)->Unit(benchmark::kMicrosecond);

// The range slider's start handle: every channel of the 8-channel curve trimmed anew.
void BM_QuadLevelsRecompute(benchmark::State& state) {
    sg::QuadLevelsTool tool;
    if (!tool.loadQuadFile(example("example-curve.quad")).isDone()) {
        state.SkipWithError("the example curve did not load");
        return;
    }
    bool low = true;
    for (auto _ : state) {
        tool.setSelection(low ? 0.1 : 0.2, 1.0);
        low = !low;
        benchmark::DoNotOptimize(tool.trimmedCurve());
    }
}
BENCHMARK(BM_QuadLevelsRecompute)->Unit(benchmark::kMicrosecond);

// The boost slider: the starter curve made anew from the settings.
void BM_StarterCurveRecompute(benchmark::State& state) {
    sg::StarterCurveTool tool;
    bool low = true;
    for (auto _ : state) {
        tool.setBoost(low ? 10.0 : 20.0);
        low = !low;
        benchmark::DoNotOptimize(tool.curve());
    }
}
BENCHMARK(BM_StarterCurveRecompute)->Unit(benchmark::kMicrosecond);

// Three inks of an 8-channel printer; the first ink's limit moves.
void BM_ManualCreationRecompute(benchmark::State& state) {
    sg::ManualCurveCreation tool;
    if (!tool.choosePrinterModel("P800").isDone() || !tool.selectInk(1, "Light Black").isDone() ||
        !tool.selectInk(2, "Light Light Black").isDone()) {
        state.SkipWithError("the inks could not be chosen");
        return;
    }
    bool low = true;
    for (auto _ : state) {
        (void)tool.setInkLimit(0, low ? 90.0 : 95.0);
        low = !low;
        benchmark::DoNotOptimize(tool.curve());
    }
}
BENCHMARK(BM_ManualCreationRecompute)->Unit(benchmark::kMicrosecond);

// The example separation chart of three inks; the lightest ink's limit moves, so the curves are
// cut anew, the crossovers found, the ramps shared and the channels linearized.
void BM_AutomaticCreationRecompute(benchmark::State& state) {
    sg::AutomaticCurveCreation tool;
    if (!tool.loadChart(example("separation-chart-3-inks.txt")).isDone() ||
        !tool.choosePrinterModel("P800").isDone() || !tool.selectInk(1, "Light Black").isDone() ||
        !tool.selectInk(2, "Light Light Black").isDone()) {
        state.SkipWithError("the example chart did not load");
        return;
    }
    bool low = true;
    for (auto _ : state) {
        if (tool.setInkLimit(2, low ? 80 : 85).isRefused()) {
            state.SkipWithError("the ink limit was refused");
            break;
        }
        low = !low;
        benchmark::DoNotOptimize(tool.curve());
    }
}
BENCHMARK(BM_AutomaticCreationRecompute)->Unit(benchmark::kMicrosecond);

// Two 8-channel curves; the midtone zone's slider moves.
void BM_CurveBlendRecompute(benchmark::State& state) {
    sg::CurveBlend blend;
    if (!blend.loadCurve1(testData("CurveTools/GlossyNeutral8Crlf.quad")).isDone() ||
        !blend.loadCurve2(testData("CurveTools/WarmBaryta8.quad")).isDone()) {
        state.SkipWithError("the curves did not load");
        return;
    }
    bool low = true;
    for (auto _ : state) {
        blend.setCurve1Percent(sg::BlendZone::mids, low ? 30.0 : 70.0);
        low = !low;
        benchmark::DoNotOptimize(blend.blendedCurve());
    }
}
BENCHMARK(BM_CurveBlendRecompute)->Unit(benchmark::kMicrosecond);

// An arrow key moves a point of the black channel and the edit is accepted: the points become
// the channel's 256 ink values.
void BM_CurveEditorAccept(benchmark::State& state) {
    sg::CurveEditor editor(760.0, 500.0);
    if (!editor.loadQuadFile(example("example-curve.quad")).isDone()) {
        state.SkipWithError("the example curve did not load");
        return;
    }
    editor.press(editor.editPoints()[10]);
    bool up = true;
    for (auto _ : state) {
        editor.nudge(up ? sg::ArrowKey::up : sg::ArrowKey::down, false);
        editor.acceptEdit();
        up = !up;
        benchmark::DoNotOptimize(editor.state());
    }
}
BENCHMARK(BM_CurveEditorAccept)->Unit(benchmark::kMicrosecond);

}  // namespace
