#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProcess>
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
#include "QuadFiles/QuadFile.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ViewFixture.h"

using sg::ControlPoint;
using sg::CorrectionMethod;
using sg::LinearizationControlRanges;
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

// One control point as the user sets it: the input typed, then the slider moved.
struct PointSetting {
    ControlPoint which;
    double input;
    int slider;
};

// The settings a user reaches in the tab, and the same settings as command-line options.
struct Settings {
    QString measurements;
    QString curve;
    int window = 0;
    int splinePosition = 0;
    QList<PointSetting> points = {};  // in an order in which no input crosses another
    QString notesFile = {};
    CorrectionMethod method = CorrectionMethod::standard;
};

QStringList cliArguments(const Settings& settings) {
    QStringList arguments{
        "linearize",    "--measurements", settings.measurements,           "--quad",
        settings.curve, "--window",       QString::number(settings.window)};
    arguments << "--spline"
              << QString::number(LinearizationControlRanges::splineStrengths.at(
                     std::size_t(settings.splinePosition)));
    const char* const options[] = {"--shadow", "--midtone", "--highlight"};
    for (const PointSetting& point : settings.points) {
        arguments << options[int(point.which)]
                  << QString::number(point.input) + ":" + QString::number(point.slider);
    }
    if (!settings.notesFile.isEmpty()) {
        arguments << "--notes-file" << settings.notesFile;
    }
    if (settings.method == CorrectionMethod::precise) {
        arguments << "--method"
                  << "precise";
    }
    return arguments;
}

ComparisonRow row(const Settings& settings, const char* golden, bool gutenprint = false) {
    return viewRow<LinearizationViewController>(
        cliArguments(settings), golden, gutenprint, [settings](auto& ui, auto& view) {
            ui.answerOpen(settings.measurements);
            view.loadMeasurements();
            view.methodButton(settings.method)->setChecked(true);
            view.averagingWindowBox()->setValue(settings.window);
            view.splineSlider()->setValue(settings.splinePosition);
            for (const PointSetting& point : settings.points) {
                view.inputBox(point.which)->setValue(point.input);
                view.slider(point.which)->setValue(point.slider);
            }
            ui.answerOpen(settings.curve);
            view.loadCurve();
            if (!settings.notesFile.isEmpty()) {
                view.notesEdit()->setPlainText(QString::fromUtf8(bytesOf(settings.notesFile)));
            }
        });
}

constexpr auto loadMeasurements = &LinearizationViewController::loadMeasurements;
constexpr auto loadCurve = &LinearizationViewController::loadCurve;
const QString ti3 = testDataPath("measurements/wedge-6-steps.ti3");
const QString curve4 = testDataPath("linearization/curve4.quad");

}  // namespace

class LinearizationViewTest : public QObject, ViewFixture<LinearizationViewController> {
    Q_OBJECT

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
        openWith(wedge21, loadMeasurements);
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

        openWith(lighterPatch, loadMeasurements);
        QVERIFY(view->patchOrderWarning()->text().startsWith("Patch 7 is lighter than patch 6"));
        QVERIFY(!view->patchOrderWarning()->isHidden());
        QVERIFY(ui->alerts.empty());
    }

    void curveBeforeMeasurementsWaitsAndCannotBeSaved() {
        openWith(curve8, loadCurve);
        QCOMPARE(ui->openRequests.back().kind, sg::FileKind::curve);
        QCOMPARE(ui->alerts.size(), 1u);
        QVERIFY(view->notesEdit()->toPlainText().startsWith("Example curve"));
        QCOMPARE(view->inkChart()->placeholderText(),
                 QStringLiteral("Load measurement data to linearize this curve."));
        QVERIFY(!view->saveRow()->saveButton()->isEnabled() && !view->hasUnsavedResult());

        view->saveLinearizedCurve();  // refused before any dialog
        QCOMPARE(ui->alerts.size(), 2u);
        QVERIFY(ui->saveRequests.empty());

        openWith(wedge21, loadMeasurements);
        QCOMPARE(ui->alerts.size(), 2u);
        QCOMPARE(view->inkChart()->caption(), QStringLiteral("Linearized curve"));
        QVERIFY(view->saveRow()->saveButton()->isEnabled() && view->hasUnsavedResult());
    }

    void refusedLoadsLeaveTheViewAsItWas() {
        view->openFilesAt({wedge21, curve8});
        view->notesEdit()->setPlainText(QStringLiteral("edited notes"));
        const QStringList before = shownBy(*view);
        QSignalSpy refused(view, &sg::ToolView::fileRefused);

        openWith(testDataPath("LinearizationView/not-a-measurement.txt"), loadMeasurements);
        openWith(folder.filePath("no such file.txt"), loadMeasurements);
        openWith(testDataPath("LinearizationView/missing-value.quad"), loadCurve);
        QCOMPARE(ui->alerts.size(), 3u);
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
        view->openFilesAt({wedge21, curve8});
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
        QRadioButton* precise = view->methodButton(CorrectionMethod::precise);
        QCOMPARE(precise->toolTip().toStdString(), std::string(sg::preciseMethodDescription));
        view->openFilesAt({wedge21, curve8});
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
        view->openFilesAt({wedge21, curve8});
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
        view->openFilesAt({wedge21, curve8});
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
        view->openFilesAt({lighterPatch, curve8});
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

    void cliWritesWhatTheViewSaves() {
        const QString wedge51 = examplePath("wedge-51-steps.txt");
        using enum ControlPoint;
        const QString differences = compareCliWithView({
            // Strength 0.7 smooths as the spline control's old setting 0.3 did.
            row({wedge51, curve8, 9, 5, {{shadow, 30, 12}, {midtone, 55, -10}, {highlight, 80, 5}}},
                "linearize-smoothed-bent.quad"),
            row({wedge51,
                 testDataPath("LinearizationView/six-channels.quad"),
                 3,
                 0,
                 {},
                 testDataPath("LinearizationView/notes.txt")},
                "linearize-six-channels-notes.quad"),
            row({wedge21, curve8, 0, 2, {{midtone, 45, 10}}}, "linearize-gutenprint.quad", true),
            row({wedge51, curve8, 0, 0, {{midtone, 50, 8}}, {}, CorrectionMethod::precise},
                "linearize-precise.quad"),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }

    // What the GUI asks about before saving (out-of-order patches) and what it shows beside the
    // controls (the read-outs) go to the standard error; the curve goes out as usual.
    void warningsAndReportGoToStandardError() {
        const CliRun warned =
            runCli({"linearize", "--measurements", lighterPatch, "--quad", curve8});
        QCOMPARE(warned.exitCode, 0);
        QVERIFY(warned.out.startsWith("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n"));
        QCOMPARE(warned.err, lighterPatch.toUtf8() +
                                 ": Warning: Patch 7 is lighter than patch 6 by 3.4 L*: check the "
                                 "patch order.\n");

        const CliRun reported =
            runCli({"linearize", "--measurements", wedge21, "--quad", curve8, "--method", "precise",
                    "--report", "-o", folder.filePath("out.quad")});
        QCOMPARE(reported.exitCode, 0);
        QCOMPARE(reported.err, QByteArray("Measured wedge: max |dL*| 22.0, mean 11.0\nPredicted "
                                          "after the precise correction: max |dL*| 0.00, mean "
                                          "0.00\n"));

        const CliRun help = runCli({"linearize", "--help"});
        QVERIFY(help.out.contains("strength from 0 (none, the default) to 1 (most)"));
    }

    // What the command line makes of awkward input: the readers' own rules are tested in the
    // core tests; these check that the commands pass them on. The same command without a bad
    // value reads the .ti3 file, and so does the measurements command.
    void optionValuesThatAreNotNumbersAreUsageErrorsAndBothCommandsReadTi3Files() {
        const QStringList linearize{"linearize", "--measurements",           ti3, "--quad", curve4,
                                    "--output",  folder.filePath("out.quad")};
        const QList<QStringList> options{
            {"--spline", "nan"}, {"--spline", "inf"}, {"--spline", "1e999"}, {"--spline", "0x1"},
            {"--window", "nan"}, {"--window", "2.5"}, {"--shadow", "nan:0"}};
        for (const QStringList& option : options) {
            const CliRun run = runCli(linearize + option);
            QVERIFY2(run.exitCode == 2, qPrintable(option.join(' ')));
            QVERIFY(!run.err.isEmpty());
        }
        QVERIFY(QDir(folder.path()).isEmpty());
        QCOMPARE(runCli(linearize).exitCode, 0);
        QVERIFY(sg::QuadFile::load(folder.filePath("out.quad").toStdString()).ok());
        const CliRun series = runCli({"measurements", ti3});
        QCOMPARE(series.exitCode, 0);
        QVERIFY(series.out.startsWith("CGATS\n88.4"));
    }

    void aFailedWriteToTheStandardOutputSaysWhy() {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(SILVERGRAIN_CLI_PATH), {"measurements", ti3});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("Failed to Write Output: The standard output could not be written: No "
                            "space left on device.\n"));
    }
};

QTEST_MAIN(LinearizationViewTest)
#include "LinearizationViewTest.moc"
