#include <vector>

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QValueAxis>

#include "App/InkCurveChart.h"
#include "App/LinearizationMeasurementChart.h"
#include "App/LinearizationViewController.h"
#include "Common/Diagnostics.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::ControlPoint;
using sg::LinearizationViewController;
using sg::testing::bytesOf;
using sg::testing::ScriptedUiServices;
using sg::testing::TestFolder;

namespace {

const QString examples = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/../../examples");
const QString data = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/LinearizationView");
const QString wedge21 = examples + QStringLiteral("/wedge-21-steps.txt");
const QString wedge51 = examples + QStringLiteral("/wedge-51-steps.txt");
const QString curve8 = examples + QStringLiteral("/example-curve.quad");
const QString curve6 = data + QStringLiteral("/six-channels.quad");
const QString brokenCurve = data + QStringLiteral("/missing-value.quad");
const QString lighterPatch = data + QStringLiteral("/wedge21-patch7-lighter.txt");
const QString notMeasurements = data + QStringLiteral("/not-a-measurement.txt");

const sg::Alert failedToLinearize{
    "Failed to Linearize",
    "Please load a valid quad curve file and measurement data file and try again"};

QList<double> ysOf(const QLineSeries* series) {
    QList<double> ys;
    for (const QPointF& point : series->points()) {
        ys << point.y();
    }
    return ys;
}

QList<QPointF> indexed(const std::vector<double>& values, double scale = 1.0) {
    QList<QPointF> points;
    for (std::size_t i = 0; i < values.size(); ++i) {
        points << QPointF(double(i) / scale, values[i]);
    }
    return points;
}

// Everything the tab shows, to prove that a refused action changed nothing.
struct Shown {
    QStringList texts;
    QList<QList<QPointF>> series;
    QList<bool> enabled;

    friend bool operator==(const Shown&, const Shown&) = default;
};

Shown shownBy(const LinearizationViewController& view) {
    Shown shown;
    shown.texts << view.measurementFileLabel()->text() << view.dmaxLabel()->text()
                << view.linearityLabel()->text() << view.patchOrderWarning()->text()
                << view.curveFileLabel()->text() << view.notesEdit()->toPlainText()
                << view.originalCurvesButton()->text() << view.averagingWindowBox()->text()
                << view.splineSettingBox()->text() << view.controlPointMessage()->text();
    for (const ControlPoint which :
         {ControlPoint::shadow, ControlPoint::midtone, ControlPoint::highlight}) {
        shown.texts << view.inputBox(which)->text() << view.outputLabel(which)->text()
                    << QString::number(view.slider(which)->value());
    }
    const sg::LinearizationMeasurementChart* chart = view.measurementChart();
    for (const QLineSeries* line : {chart->measuredSeries(), chart->smoothedSeries(),
                                    chart->linearSeries(), chart->targetSeries()}) {
        shown.series << line->points();
    }
    for (const QLineSeries* line : view.inkChart()->curveSeries()) {
        shown.series << line->points();
    }
    shown.enabled << view.controlPointsBox()->isEnabled()
                  << view.originalCurvesButton()->isEnabled() << view.saveButton()->isEnabled()
                  << view.originalCurvesButton()->isChecked();
    return shown;
}

}  // namespace

class LinearizationViewTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;
    ScriptedUiServices* ui = nullptr;
    LinearizationViewController* view = nullptr;

    void loadMeasurements(const QString& path) {
        ui->answerOpen(path);
        view->loadMeasurements();
    }
    void loadCurve(const QString& path) {
        ui->answerOpen(path);
        view->loadCurve();
    }
    // Saves through the dialog and returns the file's bytes (empty when nothing was written).
    QByteArray save(const QString& name) {
        ui->answerSave(folder.filePath(name));
        view->saveLinearizedCurve();
        return bytesOf(folder.filePath(name));
    }
    void loadBoth(const QString& measurements = wedge21, const QString& curve = curve8) {
        loadMeasurements(measurements);
        loadCurve(curve);
    }
    // A second tab that loads the files in the other order and saves.
    QByteArray savedByAnotherView(const QString& measurements, int window = 0,
                                  double spline = 1.0) {
        ScriptedUiServices otherUi;
        LinearizationViewController other(otherUi);
        otherUi.answerOpen(measurements);
        other.loadMeasurements();
        other.averagingWindowBox()->setValue(window);
        other.splineSettingBox()->setValue(spline);
        otherUi.answerOpen(curve8);
        other.loadCurve();
        otherUi.answerSave(folder.filePath("other.quad"));
        other.saveLinearizedCurve();
        return otherUi.alerts.empty() ? bytesOf(folder.filePath("other.quad")) : QByteArray();
    }
    QList<QLineSeries*> inkSeries() const { return view->inkChart()->curveSeries(); }

private slots:
    void init() {
        QVERIFY(folder.reset());
        ui = new ScriptedUiServices;
        view = new LinearizationViewController(*ui);
    }

    void cleanup() {
        QVERIFY(ui->scriptFinished());
        delete view;
        delete ui;
    }

    void startsEmptyWithEverythingThatNeedsAMeasurementOff() {
        const double starts[] = {25.0, 50.0, 75.0};
        for (const ControlPoint which :
             {ControlPoint::shadow, ControlPoint::midtone, ControlPoint::highlight}) {
            QCOMPARE(view->slider(which)->value(), 0);
            QCOMPARE(view->inputBox(which)->value(), starts[int(which)]);
            QCOMPARE(view->outputLabel(which)->text(), QStringLiteral("-"));
        }
        QVERIFY(!view->controlPointsBox()->isEnabled());
        QCOMPARE(view->showFlags(), std::vector<bool>(10, true));
        QVERIFY(!view->originalCurvesButton()->isEnabled());
        QCOMPARE(view->originalCurvesButton()->text(), QStringLiteral("Show Original Curves"));
        QVERIFY(!view->canSave() && !view->saveButton()->isEnabled());

        const sg::LinearizationMeasurementChart* chart = view->measurementChart();
        QVERIFY(chart->isShowingPlaceholder());
        QCOMPARE(chart->placeholderText(), QStringLiteral("Load measurement data to show graphs."));
        QCOMPARE(chart->xAxis()->max(), 255.0);
        QCOMPARE(chart->yAxis()->max(), 100.0);
        QVERIFY(view->inkChart()->isShowingPlaceholder());
        QCOMPARE(view->inkChart()->placeholderText(),
                 QStringLiteral("Load .quad file to show ink graphs."));
    }

    void measurementLoadDrawsTheGraphAndTheReadouts() {
        loadMeasurements(wedge21);
        QVERIFY(ui->alerts.empty());
        QCOMPARE(ui->openRequests.back().fileTypes, (QStringList{"txt", "csv"}));
        QCOMPARE(view->measurementFileLabel()->text(), QStringLiteral("wedge-21-steps.txt"));
        // Last patch L* 16.26: -log10(((16.26 + 16) / 116)^3) = 1.667.
        QCOMPARE(view->dmaxLabel()->text(), QStringLiteral("1.67"));
        QCOMPARE(view->linearityLabel()->text(), QStringLiteral("max 22.0 L*, mean 11.0 L*"));
        QVERIFY(view->patchOrderWarning()->text().isEmpty());

        const sg::LinearizationMeasurementChart* chart = view->measurementChart();
        QVERIFY(!chart->isShowingPlaceholder());
        const sg::LinearizationTool& tool = view->tool();
        QCOMPARE(chart->measuredSeries()->points(), indexed(tool.correction().resampledLightness));
        QCOMPARE(chart->smoothedSeries()->points(), indexed(tool.correction().smoothedResponse));
        // The straight line, not the smoothed response, from the lightest patch down.
        QCOMPARE(chart->linearSeries()->points(), indexed(tool.correction().linearTarget));
        QCOMPARE(chart->linearSeries()->at(0), QPointF(0.0, 93.93));
        // The target's pinned 256th and 257th samples are left out.
        QCOMPARE(chart->targetSeries()->count(), 255);
        QCOMPARE(chart->rangeSeries()->points(), (QList<QPointF>{QPointF(0.0, 100.0)}));
        QCOMPARE(chart->chart()->series().size(), 5);
        // The legend is laid out once the graph is on screen.
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QStringList legend;
        for (QLegendMarker* marker : chart->chart()->legend()->markers()) {
            if (marker->isVisible()) {
                legend << marker->label();
            }
        }
        QCOMPARE(legend, (QStringList{"Measured Lab L*", "Smoothed Lab L*", "Linear Lab L*",
                                      "Target Lab L*"}));

        QVERIFY(view->controlPointsBox()->isEnabled());
        QCOMPARE(view->midtoneOutputLabel()->text(), QStringLiteral("50.00 %"));
        QVERIFY(!view->canSave());

        // Patches out of order are reported under the graph, and nothing is refused.
        loadMeasurements(lighterPatch);
        QVERIFY(ui->alerts.empty());
        QCOMPARE(view->measurementFileLabel()->text(),
                 QStringLiteral("wedge21-patch7-lighter.txt"));
        QCOMPARE(view->patchOrderWarning()->text(),
                 QStringLiteral("Patch 7 is lighter than patch 6 by 3.4 L*: check the patch "
                                "order."));
        QCOMPARE(view->dmaxLabel()->text(), QStringLiteral("1.69"));
        QCOMPARE(view->linearityLabel()->text(), QStringLiteral("max 16.3 L*, mean 8.9 L*"));
        QCOMPARE(chart->linearSeries()->at(0), QPointF(0.0, 95.10));
    }

    void curveBeforeMeasurementsFailsToLinearize() {
        loadCurve(curve8);
        QCOMPARE(ui->openRequests.back().fileTypes, QStringList{"quad"});
        QCOMPARE(ui->alerts.size(), 1u);
        QVERIFY(ui->alerts[0] == failedToLinearize);
        // The file is taken, waiting for a correction.
        QCOMPARE(view->curveFileLabel()->text(), QStringLiteral("example-curve.quad (8 channels)"));
        QCOMPARE(view->notesEdit()->toPlainText(),
                 QStringLiteral("Example curve for the Linearization tool\nMade by "
                                "examples/make-examples.py on a simulated printer: not "
                                "linearized yet"));
        QVERIFY(view->inkChart()->isShowingPlaceholder());
        QCOMPARE(view->inkChart()->placeholderText(),
                 QStringLiteral("Load measurement data to linearize this curve."));
        QVERIFY(!view->originalCurvesButton()->isEnabled());
        QVERIFY(!view->canSave());

        // Saving now is refused before any dialog opens.
        view->saveLinearizedCurve();
        QCOMPARE(ui->alerts.size(), 2u);
        QVERIFY(ui->alerts[1] == failedToLinearize);
        QVERIFY(ui->saveRequests.empty());

        // The measurement linearizes the waiting curve.
        loadMeasurements(wedge21);
        QCOMPARE(ui->alerts.size(), 2u);
        QVERIFY(!view->inkChart()->isShowingPlaceholder());
        QCOMPARE(inkSeries().size(), 8);
        QCOMPARE(inkSeries()[0]->name(), QStringLiteral("K Curve"));
        QVERIFY(view->originalCurvesButton()->isEnabled());
        QVERIFY(view->canSave() && view->saveButton()->isEnabled());
        QVERIFY(save("linearized.quad").startsWith("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n"));
        QCOMPARE(ui->saveRequests, std::vector<QString>{QStringLiteral("quad")});
    }

    void refusedLoadsLeaveEverythingAsItWas() {
        loadBoth();
        view->notesEdit()->setPlainText(QStringLiteral("edited notes"));
        view->channelToggle(2)->setChecked(false);
        QVERIFY(ui->alerts.empty());
        const Shown before = shownBy(*view);
        const QByteArray savedBefore = save("before.quad");
        QVERIFY(!savedBefore.isEmpty());

        loadMeasurements(notMeasurements);
        QCOMPARE(ui->alerts.size(), 1u);
        QCOMPARE(ui->alerts[0].title, std::string("Failed to Load Measurement Data"));
        QVERIFY(shownBy(*view) == before);
        QCOMPARE(view->measurementFileLabel()->text(), QStringLiteral("wedge-21-steps.txt"));

        loadMeasurements(folder.filePath("no such file.txt"));
        QCOMPARE(ui->alerts.size(), 2u);
        QVERIFY(shownBy(*view) == before);

        loadCurve(brokenCurve);
        QCOMPARE(ui->alerts.size(), 3u);
        QCOMPARE(ui->alerts[2].title, std::string("Failed to Load Quad File"));
        QVERIFY(shownBy(*view) == before);

        // Cancelled dialogs do nothing at all.
        ui->cancelOpen();
        view->loadMeasurements();
        ui->cancelOpen();
        view->loadCurve();
        ui->cancelSave();
        view->saveLinearizedCurve();
        QCOMPARE(ui->alerts.size(), 3u);
        QVERIFY(shownBy(*view) == before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"before.quad"});

        QCOMPARE(save("after.quad"), savedBefore);
    }

    void aNewMeasurementRelinearizesTheLoadedCurve() {
        loadBoth();
        const QList<QLineSeries*> lines = inkSeries();
        const QList<double> kBefore = ysOf(lines[0]);
        view->originalCurvesButton()->setChecked(true);
        const QByteArray with21 = save("21.quad");

        loadMeasurements(wedge51);
        QCOMPARE(view->measurementFileLabel()->text(), QStringLiteral("wedge-51-steps.txt"));
        // Redrawn in place, back on the linearized curves.
        QCOMPARE(inkSeries(), lines);
        QVERIFY(!view->originalCurvesButton()->isChecked());
        QVERIFY(ysOf(lines[0]) != kBefore);
        const QByteArray with51 = save("51.quad");
        QVERIFY(with51 != with21);

        // The same as loading the 51-step wedge before the curve.
        QCOMPARE(savedByAnotherView(wedge51), with51);
    }

    void controlPointSlidersBendTheTargetInPlace() {
        loadBoth();
        const sg::LinearizationMeasurementChart* chart = view->measurementChart();
        const QList<QLineSeries*> lines = inkSeries();
        const QList<double> targetBefore = ysOf(chart->targetSeries());
        const QList<QPointF> linearBefore = chart->linearSeries()->points();
        const QList<double> kBefore = ysOf(lines[0]);
        const QByteArray straight = save("straight.quad");
        view->originalCurvesButton()->setChecked(true);

        view->shadowSlider()->setValue(20);
        // +20 on the slider is a control value of -20: 0.8 x 25.
        QCOMPARE(view->tool().controlPoints().shadow.adjustment, -20.0);
        QCOMPARE(view->shadowOutputLabel()->text(), QStringLiteral("20.00 %"));
        QCOMPARE(view->shadowInputBox()->value(), 25.0);
        QCOMPARE(chart->linearSeries()->points(), linearBefore);
        QVERIFY(ysOf(chart->targetSeries()) != targetBefore);
        QCOMPARE(chart->targetSeries()->count(), 255);
        QCOMPARE(inkSeries(), lines);
        QVERIFY(ysOf(lines[0]) != kBefore);
        QVERIFY(!view->originalCurvesButton()->isChecked());
        QCOMPARE(view->originalCurvesButton()->text(), QStringLiteral("Show Original Curves"));

        view->midtoneSlider()->setValue(-50);
        QCOMPARE(view->midtoneOutputLabel()->text(), QStringLiteral("75.00 %"));
        view->highlightSlider()->setValue(8);
        QCOMPARE(view->highlightOutputLabel()->text(), QStringLiteral("69.00 %"));
        QCOMPARE(view->tool().controlPoints().highlight.adjustment, -8.0);
        QVERIFY(save("bent.quad") != straight);

        // Reset puts the points and the sliders back and gives the straight target again.
        view->shadowInputBox()->setValue(30.0);
        QCOMPARE(view->tool().controlPoints().shadow.input, 30.0);
        view->resetButton()->click();
        for (const ControlPoint which :
             {ControlPoint::shadow, ControlPoint::midtone, ControlPoint::highlight}) {
            QCOMPARE(view->slider(which)->value(), 0);
        }
        QCOMPARE(view->shadowInputBox()->value(), 25.0);
        QCOMPARE(view->midtoneInputBox()->value(), 50.0);
        QCOMPARE(view->highlightInputBox()->value(), 75.0);
        QCOMPARE(view->shadowOutputLabel()->text(), QStringLiteral("25.00 %"));
        QCOMPARE(view->highlightOutputLabel()->text(), QStringLiteral("75.00 %"));
        QCOMPARE(ysOf(chart->targetSeries()), targetBefore);
        QCOMPARE(ysOf(lines[0]), kBefore);
        QCOMPARE(save("reset.quad"), straight);
        QVERIFY(ui->alerts.empty());
    }

    void crossingInputsAreRefusedAndTheEntryReverts() {
        loadBoth();
        view->shadowSlider()->setValue(10);
        const QByteArray before = save("before.quad");
        const Shown shown = shownBy(*view);

        // Past the midtone.
        view->shadowInputBox()->setValue(60.0);
        QCOMPARE(view->shadowInputBox()->value(), 25.0);
        QCOMPARE(view->tool().controlPoints().shadow.input, 25.0);
        QCOMPARE(view->controlPointMessage()->text(),
                 QStringLiteral("Invalid Control Point: The control inputs must rise from shadow "
                                "to midtone to highlight, each from 1 to 99: shadow 60, midtone "
                                "50, highlight 75."));
        // On the highlight.
        view->midtoneInputBox()->setValue(75.0);
        QCOMPARE(view->midtoneInputBox()->value(), 50.0);
        QVERIFY(view->controlPointMessage()->text().contains("midtone 75, highlight 75"));
        view->highlightInputBox()->setValue(50.0);
        QCOMPARE(view->highlightInputBox()->value(), 75.0);
        QVERIFY(ui->alerts.empty());
        QCOMPARE(save("after.quad"), before);

        // Typed digits count once the entry is done: "6" alone would have been taken.
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        view->shadowInputBox()->setFocus();
        view->shadowInputBox()->selectAll();
        QTest::keyClicks(view->shadowInputBox(), QStringLiteral("60"));
        QCOMPARE(view->tool().controlPoints().shadow.input, 25.0);
        QTest::keyClick(view->shadowInputBox(), Qt::Key_Return);
        QCOMPARE(view->shadowInputBox()->value(), 25.0);
        QCOMPARE(view->tool().controlPoints().shadow.input, 25.0);

        // A good input clears the message and moves the point, keeping its slider.
        view->shadowInputBox()->setValue(40.0);
        QVERIFY(view->controlPointMessage()->text().isEmpty());
        QCOMPARE(view->tool().controlPoints().shadow.input, 40.0);
        QCOMPARE(view->tool().controlPoints().shadow.adjustment, -10.0);
        QCOMPARE(view->shadowOutputLabel()->text(), QStringLiteral("36.00 %"));
        QVERIFY(shownBy(*view) != shown);
    }

    void smoothingControlsActOnTheMeasurement() {
        // Before a measurement the settings are kept and the tool says why nothing happened.
        sg::DiagnosticsCapture capture;
        view->averagingWindowBox()->setValue(12);
        view->splineSettingBox()->setValue(0.4);
        QCOMPARE(capture.text(),
                 std::string("No Correction Curve loaded, can not smooth with average\n"
                             "No Correction Curve loaded, can not smooth with spline\n"));
        QCOMPARE(view->tool().averagingWindow(), 12);
        QCOMPARE(view->tool().splineSetting(), 0.4);
        QVERIFY(view->measurementChart()->isShowingPlaceholder());

        // The measurement is smoothed with the settings shown, as if they were set after it.
        loadBoth();
        QCOMPARE(view->averagingWindowBox()->value(), 12);
        QCOMPARE(view->splineSettingBox()->value(), 0.4);
        const sg::LinearizationMeasurementChart* chart = view->measurementChart();
        QLineSeries* smoothedLine = chart->smoothedSeries();
        const QList<QPointF> smoothed = smoothedLine->points();
        const QList<QPointF> measured = chart->measuredSeries()->points();
        QCOMPARE(save("smoothed.quad"), savedByAnotherView(wedge21, 12, 0.4));

        // Redrawn in place; the measured series stays as it is.
        view->averagingWindowBox()->setValue(0);
        view->splineSettingBox()->setValue(1.0);
        QCOMPARE(chart->smoothedSeries(), smoothedLine);
        QVERIFY(smoothedLine->points() != smoothed);
        QCOMPARE(chart->measuredSeries()->points(), measured);
        QCOMPARE(save("unsmoothed.quad"), savedByAnotherView(wedge21));
    }

    void togglesChangeTheGraphButNeverTheFile() {
        loadBoth();
        const QByteArray saved = save("all.quad");
        const QList<QLineSeries*> lines = inkSeries();
        const QList<double> lk = ysOf(lines[6]);
        const QList<double> llk = ysOf(lines[7]);
        QVERIFY(*std::max_element(lk.begin(), lk.end()) > 10.0);

        view->channelToggle(6)->setChecked(false);
        QCOMPARE(view->showFlags()[6], false);
        QCOMPARE(inkSeries(), lines);
        QCOMPARE(ysOf(lines[6]), QList<double>(256, 0.0));
        QCOMPARE(ysOf(lines[7]), llk);
        QCOMPARE(save("hidden.quad"), saved);

        // The original curve, as read, in percent; hidden channels stay hidden there too.
        view->originalCurvesButton()->setChecked(true);
        QCOMPARE(view->originalCurvesButton()->text(), QStringLiteral("Show Linearized Curves"));
        const sg::QuadCurve& original = view->tool().curveFile()->curve();
        QList<QPointF> expected;
        for (std::size_t i = 0; i < 256; ++i) {
            expected << QPointF(double(i) / 2.55, original[7][i] / 655.35);
        }
        QCOMPARE(lines[7]->points(), expected);
        QCOMPARE(ysOf(lines[6]), QList<double>(256, 0.0));
        QCOMPARE(save("original shown.quad"), saved);

        view->originalCurvesButton()->setChecked(false);
        QCOMPARE(view->originalCurvesButton()->text(), QStringLiteral("Show Original Curves"));
        QCOMPARE(ysOf(lines[7]), llk);
        view->channelToggle(6)->setChecked(true);
        QCOMPARE(ysOf(lines[6]), lk);

        // Only the channels the curve has can be toggled.
        loadCurve(curve6);
        QCOMPARE(inkSeries().size(), 6);
        for (int channel = 0; channel < 10; ++channel) {
            QCOMPARE(view->channelToggle(channel)->isEnabled(), channel < 6);
        }
        QCOMPARE(view->notesEdit()->toPlainText(),
                 QStringLiteral("Six-channel curve for the view tests\nsecond note line"));
        QVERIFY(ui->alerts.empty());
    }

    void saveWritesTheNotesAndTheGutenprintFiles() {
        loadMeasurements(wedge21);
        loadCurve(curve6);
        const QByteArray asLoaded = save("as loaded.quad");
        QCOMPARE(asLoaded.split('\n').mid(0, 5),
                 (QList<QByteArray>{"## QuadToneRIP K,C,M,Y,LC,LM", "# Halidewerk Silvergrain v2",
                                    "# Six-channel curve for the view tests", "# second note line",
                                    "# K Curve"}));
        QCOMPARE(asLoaded.split('\n').size(), 4 + 6 * 257);
        QVERIFY(!asLoaded.endsWith('\n'));

        view->notesEdit()->setPlainText(QStringLiteral("Baryta 310 g/m\u00b2\n\nsecond pass"));
        const QByteArray edited = save("edited.quad");
        QCOMPARE(
            edited.split('\n').mid(0, 6),
            (QList<QByteArray>{"## QuadToneRIP K,C,M,Y,LC,LM", "# Halidewerk Silvergrain v2",
                               "# Baryta 310 g/m\xc2\xb2", "# ", "# second pass", "# K Curve"}));
        // Only the header block differs.
        QCOMPARE(edited.split('\n').mid(6), asLoaded.split('\n').mid(5));

        // With the XML option the folder dialog follows the save: one file per channel.
        view->exportXmlCheck()->setChecked(true);
        QVERIFY(QDir().mkpath(folder.filePath("xml")));
        ui->answerFolder(folder.filePath("xml"));
        save("with xml.quad");
        QCOMPARE(ui->folderRequests, 1);
        QCOMPARE(QDir(folder.filePath("xml")).entryList(QDir::Files).size(), 6);

        // A failed write says so, writes nothing and asks for no folder.
        view->notesEdit()->setPlainText(QStringLiteral("lost"));
        ui->answerSave(folder.filePath("missing folder/out.quad"));
        view->saveLinearizedCurve();
        QCOMPARE(ui->alerts.size(), 1u);
        QCOMPARE(ui->alerts[0].title, std::string("Failed to Save"));
        QCOMPARE(ui->folderRequests, 1);
        QVERIFY(!QFile::exists(folder.filePath("missing folder/out.quad")));
        // The file's own notes are still those of the last good save.
        QCOMPARE(view->tool().curveFile()->notes(),
                 std::string("Baryta 310 g/m\xc2\xb2\n\nsecond pass"));

        // A cancelled folder dialog keeps the saved curve and writes no XML.
        ui->answerSave(folder.filePath("no xml.quad"));
        ui->cancelFolder();
        view->saveLinearizedCurve();
        QVERIFY(QFile::exists(folder.filePath("no xml.quad")));
        QCOMPARE(QDir(folder.filePath("xml")).entryList(QDir::Files).size(), 6);
        QCOMPARE(ui->alerts.size(), 1u);
    }

    void dropsReachTheRightLoader() {
        for (const char* taken : {"/a/curve.quad", "/a/CURVE.QUAD", "/a/w.txt", "/a/w.CSV"}) {
            QVERIFY2(view->takesDroppedFile(QLatin1String(taken)), taken);
        }
        QVERIFY(!view->takesDroppedFile(QStringLiteral("/a/wedge.ti3")));
        QVERIFY(!view->takesDroppedFile(QStringLiteral("/a/quad")));
        view->openDroppedFile(wedge21);
        QCOMPARE(view->measurementFileLabel()->text(), QStringLiteral("wedge-21-steps.txt"));
        view->openDroppedFile(curve6);
        QCOMPARE(view->curveFileLabel()->text(), QStringLiteral("six-channels.quad (6 channels)"));
        QVERIFY(ui->openRequests.empty());
        QVERIFY(ui->alerts.empty());
    }
};

QTEST_MAIN(LinearizationViewTest)
#include "LinearizationViewTest.moc"
