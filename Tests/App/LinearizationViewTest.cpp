#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/LinearizationMeasurementChart.h"
#include "App/LinearizationViewController.h"
#include "App/SaveRow.h"
#include "ViewSupport/ViewFixture.h"

using sg::ControlPoint;
using sg::LinearizationViewController;
using namespace sg::testing;

namespace {

const QString wedge21 = examplePath("wedge-21-steps.txt");
const QString curve8 = examplePath("example-curve.quad");
const QString lighterPatch = testDataPath("LinearizationView/wedge21-patch7-lighter.txt");

QList<double> ysOf(const QXYSeries* series) {
    QList<double> ys;
    for (const QPointF& point : series->points()) {
        ys << point.y();
    }
    return ys;
}

}  // namespace

class LinearizationViewTest : public QObject, ViewFixture<LinearizationViewController> {
    Q_OBJECT

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

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { QVERIFY(scriptFinished()); }

    void measurementsReachTheReadoutsAndTheGraph() {
        QVERIFY(view->measurementChart()->isShowingPlaceholder());
        QVERIFY(!view->inputBox(ControlPoint::shadow)->isEnabled());
        loadMeasurements(wedge21);
        QCOMPARE(ui->openRequests.back().kind, sg::FileKind::measurements);
        QCOMPARE(view->measurementFileLabel()->text(), QStringLiteral("wedge-21-steps.txt"));
        QCOMPARE(view->dmaxLabel()->text(), QStringLiteral("1.67"));
        QVERIFY(view->inputBox(ControlPoint::shadow)->isEnabled());

        // The tool's series, over the same input percent as the ink graph; the patches marked.
        const sg::LinearizationMeasurementChart* chart = view->measurementChart();
        QVERIFY(!chart->isShowingPlaceholder());
        QCOMPARE(ysOf(chart->smoothedSeries()),
                 QList<double>(view->tool().correction().smoothedResponse.begin(),
                               view->tool().correction().smoothedResponse.end()));
        QCOMPARE(chart->smoothedSeries()->at(255).x(), 100.0);
        QCOMPARE(chart->patchSeries()->count(), 21);
        QCOMPARE(chart->patchSeries()->at(20), QPointF(100.0, view->tool().lightness()->back()));
        QVERIFY(view->patchOrderWarning()->isHidden());

        loadMeasurements(lighterPatch);
        QCOMPARE(view->patchOrderWarning()->text(),
                 QStringLiteral("Patch 7 is lighter than patch 6 by 3.4 L*: check the patch "
                                "order."));
        QVERIFY(!view->patchOrderWarning()->isHidden());
        QVERIFY(ui->alerts.empty());
    }

    void curveBeforeMeasurementsWaitsAndCannotBeSaved() {
        loadCurve(curve8);
        QCOMPARE(ui->openRequests.back().kind, sg::FileKind::curve);
        QCOMPARE(ui->alerts.size(), 1u);
        QCOMPARE(ui->alerts[0].title, std::string("Failed to Linearize"));
        QCOMPARE(view->curveBox()->fileLabel()->text(),
                 QStringLiteral("example-curve.quad (8 channels)"));
        QVERIFY(view->notesEdit()->toPlainText().startsWith("Example curve"));
        QCOMPARE(view->inkChart()->placeholderText(),
                 QStringLiteral("Load measurement data to linearize this curve."));
        QVERIFY(!view->saveRow()->saveButton()->isEnabled() && !view->hasUnsavedResult());

        view->saveLinearizedCurve();  // refused before any dialog
        QCOMPARE(ui->alerts.size(), 2u);
        QVERIFY(ui->saveRequests.empty());

        loadMeasurements(wedge21);
        QCOMPARE(ui->alerts.size(), 2u);
        QCOMPARE(view->inkChart()->caption(), QStringLiteral("Linearized curve"));
        QVERIFY(view->saveRow()->saveButton()->isEnabled() && view->hasUnsavedResult());
    }

    void refusedLoadsLeaveTheViewAsItWas() {
        loadMeasurements(wedge21);
        loadCurve(curve8);
        view->notesEdit()->setPlainText(QStringLiteral("edited notes"));
        const QStringList before = shownBy(*view);
        QSignalSpy refused(view, &sg::ToolView::fileRefused);

        loadMeasurements(testDataPath("LinearizationView/not-a-measurement.txt"));
        loadMeasurements(folder.filePath("no such file.txt"));
        loadCurve(testDataPath("LinearizationView/missing-value.quad"));
        QCOMPARE(ui->alerts.size(), 3u);
        QCOMPARE(ui->alerts[0].title, std::string("Failed to Load Measurement Data"));
        QCOMPARE(ui->alerts[2].title, std::string("Failed to Load Quad File"));
        QCOMPARE(refused.size(), 3);
        QCOMPARE(refused.last().at(0).toString(),
                 testDataPath("LinearizationView/missing-value.quad"));
        QCOMPARE(shownBy(*view), before);

        ui->cancelOpen();
        view->loadMeasurements();
        ui->cancelSave();
        view->saveLinearizedCurve();
        QCOMPARE(shownBy(*view), before);
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void controlsReachTheTool() {
        loadMeasurements(wedge21);
        loadCurve(curve8);
        const QList<double> kBefore = ysOf(view->inkChart()->curveSeries().at(0));

        view->averagingWindowBox()->setValue(12);
        QCOMPARE(view->tool().averagingWindow(), 12);
        view->splineSlider()->setValue(7);
        QCOMPARE(view->tool().splineStrength(), 0.85);
        QCOMPARE(view->splineStrengthLabel()->text(), QStringLiteral("0.85"));
        view->splineSlider()->setValue(view->splineSlider()->maximum());
        QCOMPARE(view->splineStrengthLabel()->text(), QStringLiteral("0.93 (most)"));

        // +20 on the slider is an adjustment of -20: the tone prints lighter.
        view->slider(ControlPoint::shadow)->setValue(20);
        QCOMPARE(view->tool().controlPoints().shadow.adjustment, -20.0);
        QCOMPARE(view->sliderValueLabel(ControlPoint::shadow)->text(), QStringLiteral("+20"));
        QCOMPARE(view->outputLabel(ControlPoint::shadow)->text(), QStringLiteral("20.00 %"));
        QVERIFY(ysOf(view->inkChart()->curveSeries().at(0)) != kBefore);

        // A crossing input is refused under the points and the entry goes back.
        view->inputBox(ControlPoint::shadow)->setValue(60.0);
        QCOMPARE(view->inputBox(ControlPoint::shadow)->value(), 25.0);
        QVERIFY(view->controlPointMessage()->text().startsWith("Invalid Control Point: "));
        QVERIFY(!view->controlPointMessage()->isHidden());

        view->resetButton()->click();
        QCOMPARE(view->slider(ControlPoint::shadow)->value(), 0);
        QCOMPARE(view->tool().controlPoints().shadow.adjustment, 0.0);
        QVERIFY(view->controlPointMessage()->isHidden());
        QVERIFY(ui->alerts.empty());
    }

    // The method reaches the tool; the next print's read-out follows it, beside the measured one.
    void methodReachesTheToolAndThePredictionFollows() {
        using sg::CorrectionMethod;
        QRadioButton* precise = view->methodButton(CorrectionMethod::precise);
        QCOMPARE(precise->toolTip().toStdString(), std::string(sg::preciseMethodDescription));
        loadMeasurements(wedge21);
        loadCurve(curve8);
        save("standard.quad");
        const QString measured = view->linearityLabel()->text();
        const QString standard = view->predictedLinearityLabel()->text();
        QCOMPARE(standard, QStringLiteral("largest 0.99 L*, mean 0.64 L*"));

        precise->click();
        QCOMPARE(view->predictedLinearityLabel()->text(),
                 QStringLiteral("largest 0.00 L*, mean 0.00 L*"));
        QCOMPARE(view->linearityLabel()->text(), measured);
        QVERIFY(view->hasUnsavedResult());
        // It does not average, and starts from the strength the data choose.
        QVERIFY(!view->averagingWindowBox()->isEnabled());
        QVERIFY(view->splineStrengthLabel()->text().endsWith(" (auto)"));
        view->methodButton(CorrectionMethod::standard)->click();
        QCOMPARE(view->predictedLinearityLabel()->text(), standard);
        QVERIFY(view->averagingWindowBox()->isEnabled());
    }

    void togglesAndOriginalCurvesChangeTheGraphNotTheFile() {
        loadMeasurements(wedge21);
        loadCurve(curve8);
        const QByteArray saved = save("all.quad");
        QLineSeries* lk = view->inkChart()->curveSeries().at(6);
        const QList<double> linearized = ysOf(lk);

        view->curveBox()->channelToggle(6)->setChecked(false);
        QVERIFY(!lk->isVisible());
        view->originalCurvesButton()->setChecked(true);
        QCOMPARE(view->inkChart()->caption(), QStringLiteral("Original curve"));
        QCOMPARE(view->originalCurvesButton()->text(), QStringLiteral("Show Linearized Curves"));
        QVERIFY(drawsInkValues(lk, view->tool().curveFile()->curve()[6]));
        QCOMPARE(save("hidden.quad"), saved);

        // A changed correction shows the linearized curves again.
        view->averagingWindowBox()->setValue(8);
        QVERIFY(!view->originalCurvesButton()->isChecked());
        QCOMPARE(view->inkChart()->caption(), QStringLiteral("Linearized curve"));
        view->curveBox()->channelToggle(6)->setChecked(true);
        QVERIFY(lk->isVisible() && ysOf(lk) != linearized);
    }

    void saveSuggestsANameNextToTheCurveAndMarksTheResultSaved() {
        loadMeasurements(wedge21);
        loadCurve(curve8);
        QVERIFY(view->hasUnsavedResult());
        view->notesEdit()->setPlainText(QStringLiteral("Baryta 310 g/m\u00b2"));
        const QByteArray saved = save("out.quad");
        QCOMPARE(ui->saveRequests.back().suggestion, examplePath("example-curve-linearized.quad"));
        QVERIFY(saved.contains("\n# Baryta 310 g/m\xc2\xb2\n# K Curve\n"));
        QVERIFY(!view->hasUnsavedResult());

        view->notesEdit()->appendPlainText(QStringLiteral("second pass"));
        QVERIFY(view->hasUnsavedResult());
        QCOMPARE(view->documentNames(), (QStringList{"example-curve.quad", "wedge-21-steps.txt"}));
    }

    void outOfOrderPatchesAskBeforeSaving() {
        loadMeasurements(lighterPatch);
        loadCurve(curve8);
        ui->answerConfirm(false);
        view->saveLinearizedCurve();
        QCOMPARE(ui->confirmations.size(), 1u);
        QVERIFY(ui->confirmations[0].text.startsWith("Patch 7 is lighter than patch 6"));
        QCOMPARE(ui->confirmations[0].acceptLabel, QStringLiteral("Save Anyway"));
        QVERIFY(ui->saveRequests.empty());

        ui->answerConfirm(true);
        QVERIFY(!save("anyway.quad").isEmpty());
        QCOMPARE(ui->confirmations.size(), 2u);
    }
};

QTEST_MAIN(LinearizationViewTest)
#include "LinearizationViewTest.moc"
