// screenshot_tour: the pictures of docs/screenshots. Every tool is set up as a photographer
// would leave it (the examples loaded, a few controls moved) and the window is drawn offscreen
// at 1280x800 and 1024x700. Run by scripts/screenshots; a new tool is one entry in `tours`.

#include <cstdio>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "App/AutomaticCurveCreationViewController.h"
#include "App/CurveBlendingViewController.h"
#include "App/CurveEditorView.h"
#include "App/CurveEditorViewController.h"
#include "App/MainWindow.h"
#include "App/ManualCurveCreationViewController.h"
#include "App/StarterCurveViewController.h"
#include "ViewSupport/CreationViewSupport.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

namespace {

struct Tour {
    const char* tool;  // the tab title
    const char* name;  // the picture's file name
    // Sets the tool up in the window, which shows it.
    std::function<void(sg::MainWindow&)> setUp;
};

// A creation tab set up in a photographer's order: the printer model, then the slots.
void setUpCreation(const sg::CurveCreationView& view, const char* printer,
                   const QList<sg::testing::InkSlotSetting>& settings) {
    view.printerModelBox()->setCurrentText(QString::fromUtf8(printer));
    sg::testing::setInkSlots(view, settings);
}

const Tour tours[] = {
    {"Starter Curve", "starter-curve",
     [](sg::MainWindow& window) {
         auto* view = static_cast<sg::StarterCurveViewController*>(window.currentTool());
         view->printerMenu()->setCurrentText(QStringLiteral("P800"));
         view->tonerMenu()->setCurrentText(QStringLiteral("Warm Neutral"));
         view->boostSlider()->setValue(15);
     }},
    {"Linearization", "linearization",
     [](sg::MainWindow& window) {
         window.openFiles({sg::testing::examplePath("wedge-21-steps.txt"),
                           sg::testing::examplePath("example-curve.quad")});
     }},
    {"Manual Curve Creation", "manual-curve-creation",
     [](sg::MainWindow& window) {
         setUpCreation(*static_cast<sg::CurveCreationView*>(window.currentTool()), "P800",
                       {{"Black", 70},
                        {"Light Black", 60, 55},
                        {"Light Light Black", 45, 24, 20},
                        {"Yellow", 12, -1, -1, 30, -1, "Toner Curve 1"}});
     }},
    {"Automatic Curve Creation", "automatic-curve-creation",
     [](sg::MainWindow& window) {
         window.openFiles({sg::testing::examplePath("separation-chart-4-inks.txt")});
         setUpCreation(
             *static_cast<sg::CurveCreationView*>(window.currentTool()), "P800",
             {{"Black"}, {"Light Black"}, {"Light Light Black", 80}, {"Yellow", 60, -1, -1, 30}});
     }},
    // Warm highlights and lights, neutral shadows.
    {"Curve Blending", "curve-blending",
     [](sg::MainWindow& window) {
         window.openFiles({sg::testing::testDataPath("CurveTools/GlossyNeutral8Crlf.quad"),
                           sg::testing::testDataPath("CurveTools/WarmBaryta8.quad")});
         auto* view = static_cast<sg::CurveBlendingViewController*>(window.currentTool());
         const std::pair<sg::BlendZone, int> zones[] = {
             {sg::BlendZone::whites, 0}, {sg::BlendZone::lights, 20}, {sg::BlendZone::mids, 60}};
         for (const auto& [zone, percent] : zones) {
             view->zoneSlider(zone)->setValue(percent);
         }
     }},
    {"Quad Levels", "quad-levels",
     [](sg::MainWindow& window) {
         window.openFiles({sg::testing::examplePath("example-curve.quad")});
     }},
    // The light black channel chosen, a point of its hump dragged up and accepted.
    {"Curve Editor", "curve-editor",
     [](sg::MainWindow& window) {
         window.openFiles({sg::testing::examplePath("example-curve.quad")});
         QApplication::processEvents();
         auto* view = static_cast<sg::CurveEditorViewController*>(window.currentTool());
         view->chooseChannel(6);
         sg::CurveEditorView* editor = view->editorView();
         const QPointF from = editor->widgetPosition(view->editor().editPoints().at(8));
         const QPoint to = (from + QPointF(0, -60)).toPoint();
         QTest::mousePress(editor, Qt::LeftButton, {}, from.toPoint());
         QTest::mouseMove(editor, to);
         QTest::mouseRelease(editor, Qt::LeftButton, {}, to);
         view->acceptEdit();
     }},
};

bool takePicture(sg::MainWindow& window, QSize size, const QString& file) {
    window.resize(size);
    // Laid out and painted at the new size before it is drawn into the picture.
    QApplication::processEvents();
    QApplication::processEvents();
    // Graphs changed by the set-up are drawn smooth once they rest.
    QTest::qWait(300);
    const bool saved = window.grab().save(file, "PNG");
    std::printf("%s\n", qPrintable(file));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    // The user's remembered folders, recent files and window stay out of the pictures.
    const sg::testing::TemporarySettings settings;

    bool allSaved = true;
    for (const Tour& tour : tours) {
        sg::testing::ScriptedUiServices ui;
        sg::MainWindow window(ui);
        window.show();
        if (!window.showTool(QString::fromUtf8(tour.tool))) {
            std::fprintf(stderr, "screenshot_tour: no tool is called \"%s\"\n", tour.tool);
            return 1;
        }
        tour.setUp(window);
        for (const QSize size : {QSize(1280, 800), QSize(1024, 700)}) {
            const QString file = QStringLiteral("%1/%2-%3x%4.png")
                                     .arg(folder, QString::fromUtf8(tour.name))
                                     .arg(size.width())
                                     .arg(size.height());
            allSaved = takePicture(window, size, file) && allSaved;
        }
        if (!ui.alerts.empty()) {
            std::fprintf(stderr, "screenshot_tour: %s showed an alert\n", tour.tool);
            allSaved = false;
        }
    }
    return allSaved ? 0 : 1;
}
