#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QSlider>
#include <QSpinBox>

#include "App/AutomaticCurveCreationViewController.h"
#include "App/CurveBlendingViewController.h"
#include "App/CurveEditorView.h"
#include "App/CurveEditorViewController.h"
#include "App/InkCurveChart.h"
#include "App/LinearizationViewController.h"
#include "App/ManualCurveCreationViewController.h"
#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "App/StarterCurveViewController.h"
#include "App/UiServices.h"
#include "Common/Diagnostics.h"

namespace {

const QString examples = QStringLiteral(SILVERGRAIN_EXAMPLES_DIR);

// Files come in as drops, so no dialog is ever asked for; an alert means a broken set-up.
class NoDialogs final : public sg::UiServices {
public:
    std::optional<QString> chooseFileToOpen(sg::FileKind, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFileToSave(sg::FileKind, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(sg::FileKind, const QString&) override {
        return std::nullopt;
    }
    void showAlert(const sg::Alert& alert) override { failure = alert.title; }
    sg::UnsavedResultAnswer askAboutUnsavedResult(const QString&) override {
        return sg::UnsavedResultAnswer::discard;
    }
    bool confirm(const sg::Confirmation&) override { return true; }

    std::string failure;
};

// A tool view on screen at about the size it has in a 1280 x 800 window, its files loaded.
template <typename View>
struct ShownView {
    explicit ShownView(const QStringList& files) {
        view.resize(1280, 740);
        view.show();
        for (const QString& file : files) {
            view.openFileAt(examples + QStringLiteral("/") + file);
        }
        QCoreApplication::processEvents();
    }

    sg::DiagnosticsCapture quiet;
    NoDialogs ui;
    View view{ui};
};

// With the argument "painted" set, each step also lays out and paints the view, as the screen
// does before the next mouse move; without it, a step ends when the graphs hold the new points.
void finishStep(const benchmark::State& state) {
    if (state.range(0) != 0) {
        QCoreApplication::processEvents();
    }
}

// The start handle of the range slider walks over the lower half of the bar, one level a
// step, on the 8-channel example curve: the tool trims every channel and the graph's lines
// are replaced.
void BM_QuadLevelsRangeSliderMove(benchmark::State& state) {
    ShownView<sg::QuadLevelsViewController> shown({QStringLiteral("example-curve.quad")});
    if (!shown.ui.failure.empty() || shown.view.tool().trimmedCurve().size() != 8) {
        state.SkipWithError("the 8-channel example curve did not load");
        return;
    }
    sg::RangeSlider* slider = shown.view.rangeSlider();
    int level = 0;
    for (auto _ : state) {
        level = (level + 1) % 128;
        slider->setSelection({level / 255.0, 1.0});
        finishStep(state);
    }
}
BENCHMARK(BM_QuadLevelsRangeSliderMove)->ArgName("painted")->Arg(0)->Arg(1);

// The Linearization tab with the example wedge and curve: a smoothing control changes, the
// correction and the linearization run again and both graphs are redrawn.
template <typename Control, typename Value>
void smoothingChange(benchmark::State& state,
                     Control* (sg::LinearizationViewController::*control)() const, Value first,
                     Value second) {
    ShownView<sg::LinearizationViewController> shown(
        {QStringLiteral("wedge-21-steps.txt"), QStringLiteral("example-curve.quad")});
    if (!shown.ui.failure.empty() || !shown.view.canSave()) {
        state.SkipWithError("the example wedge and curve did not load");
        return;
    }
    Control* box = (shown.view.*control)();
    bool useFirst = true;
    for (auto _ : state) {
        box->setValue(useFirst ? first : second);
        useFirst = !useFirst;
        finishStep(state);
    }
}

void BM_LinearizationSplineChange(benchmark::State& state) {
    smoothingChange(state, &sg::LinearizationViewController::splineSlider, 3, 7);
}
BENCHMARK(BM_LinearizationSplineChange)->ArgName("painted")->Arg(0)->Arg(1);

void BM_LinearizationWindowChange(benchmark::State& state) {
    smoothingChange(state, &sg::LinearizationViewController::averagingWindowBox, 8, 16);
}
BENCHMARK(BM_LinearizationWindowChange)->ArgName("painted")->Arg(0)->Arg(1);

// A creation tab set up through its controls: the P800 and the given inks, slot 1 first.
void chooseInks(const sg::CurveCreationView& view, const QStringList& inks) {
    view.printerModelBox()->setCurrentText(QStringLiteral("P800"));
    for (qsizetype slot = 0; slot < inks.size(); ++slot) {
        view.inkTable()->row(std::size_t(slot)).ink->setCurrentText(inks[slot]);
    }
}

// The ink limit slider of a creation tab walks between 70 and 100 %, one percent a step: the
// tool builds the channels again and the graphs' lines are replaced.
void inkLimitWalk(benchmark::State& state, const sg::CurveCreationView& view,
                  const std::string& failure) {
    if (!failure.empty() || view.curveChart()->curveSeries().size() != 4) {
        state.SkipWithError("the four inks did not come up");
        return;
    }
    QSlider* slider = view.inkTable()->row(2).inkLimit;
    int limit = 70;
    for (auto _ : state) {
        limit = limit == 100 ? 70 : limit + 1;
        slider->setValue(limit);
        finishStep(state);
    }
    if (!failure.empty()) {
        state.SkipWithError("a limit was refused");
    }
}

const QStringList fourInks{QStringLiteral("Black"), QStringLiteral("Light Black"),
                           QStringLiteral("Light Light Black"), QStringLiteral("Yellow")};

// Manual creation with four inks: the Bezier ramps and the curve graph.
void BM_ManualCreationInkLimitMove(benchmark::State& state) {
    ShownView<sg::ManualCurveCreationViewController> shown({});
    chooseInks(shown.view, fourInks);
    inkLimitWalk(state, shown.view, shown.ui.failure);
}
BENCHMARK(BM_ManualCreationInkLimitMove)->ArgName("painted")->Arg(0)->Arg(1);

// Automatic creation from the four-ink example chart: the limited curve, the crossovers, the
// spline ramps, the linearization and both graphs.
void BM_AutomaticCreationInkLimitMove(benchmark::State& state) {
    ShownView<sg::AutomaticCurveCreationViewController> shown(
        {QStringLiteral("separation-chart-4-inks.txt")});
    chooseInks(shown.view, fourInks);
    inkLimitWalk(state, shown.view, shown.ui.failure);
}
BENCHMARK(BM_AutomaticCreationInkLimitMove)->ArgName("painted")->Arg(0)->Arg(1);

// The mids slider of Curve Blending walks over its upper half, one percent a step, with the
// 8-channel example curve as both curves: the share curve and every channel of the blend are
// made again, and the lines of both graphs replaced.
void BM_CurveBlendingZoneSliderMove(benchmark::State& state) {
    ShownView<sg::CurveBlendingViewController> shown(
        {QStringLiteral("example-curve.quad"), QStringLiteral("example-curve.quad")});
    if (!shown.ui.failure.empty() || !shown.view.tool().channelCountsMatch()) {
        state.SkipWithError("the example curve did not load twice");
        return;
    }
    QSlider* slider = shown.view.zoneSlider(sg::BlendZone::mids);
    int percent = 50;
    for (auto _ : state) {
        percent = percent == 100 ? 50 : percent + 1;
        slider->setValue(percent);
        finishStep(state);
    }
}
BENCHMARK(BM_CurveBlendingZoneSliderMove)->ArgName("painted")->Arg(0)->Arg(1);

// A point of the example curve's light black channel is dragged up and down, one pixel a mouse
// move: the editor moves it, and the editing area draws the Bezier chain through the 23
// points and the gray reference again.
void BM_CurveEditorDragStep(benchmark::State& state) {
    ShownView<sg::CurveEditorViewController> shown({QStringLiteral("example-curve.quad")});
    if (!shown.ui.failure.empty() || !shown.view.editor().curveFile()) {
        state.SkipWithError("the example curve did not load");
        return;
    }
    shown.view.chooseChannel(6);
    sg::CurveEditorView* area = shown.view.editorView();
    const QPointF start = area->widgetPosition(shown.view.editor().editPoints().at(8));
    const auto send = [area](QEvent::Type type, const QPointF& at, Qt::MouseButton button) {
        QMouseEvent event(type, at, area->mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    int offset = 0;
    for (auto _ : state) {
        offset = (offset + 1) % 60;
        send(QEvent::MouseMove, start - QPointF(0.0, offset), Qt::NoButton);
        finishStep(state);
    }
    send(QEvent::MouseButtonRelease, start, Qt::LeftButton);
}
BENCHMARK(BM_CurveEditorDragStep)->ArgName("painted")->Arg(0)->Arg(1);

// The Starter Curve tab with a warm toning: the boost slider walks over its range, one step a
// move; the tool makes the curve anew (with the black-limit loop past full black) and the
// graph's lines are replaced.
void BM_StarterBoostSliderMove(benchmark::State& state) {
    ShownView<sg::StarterCurveViewController> shown({});
    shown.view.tonerMenu()->setCurrentText(QStringLiteral("Warm"));
    if (shown.view.tool().settings().toner != sg::Toner::warm) {
        state.SkipWithError("the toning did not reach the tool");
        return;
    }
    QSlider* slider = shown.view.boostSlider();
    int boost = 0;
    for (auto _ : state) {
        boost = (boost + 1) % (slider->maximum() + 1);
        slider->setValue(boost);
        finishStep(state);
    }
}
BENCHMARK(BM_StarterBoostSliderMove)->ArgName("painted")->Arg(0)->Arg(1);

QtMessageHandler standardMessageHandler = nullptr;

// The offscreen platform warns on every window shown, which would break up the table.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QStringLiteral("propagateSizeHints"))) {
        standardMessageHandler(type, context, text);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Runs without a display unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    standardMessageHandler = qInstallMessageHandler(dropPlatformNoise);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
