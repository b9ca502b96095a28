#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "App/LinearizationViewController.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::ControlPoint;
using sg::CorrectionMethod;
using sg::LinearizationControlRanges;
using sg::LinearizationViewController;
using namespace sg::testing;

namespace {

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

bool saveWithView(const Settings& settings, const QString& target, const QString& xmlFolder) {
    ScriptedUiServices ui;
    LinearizationViewController view(ui);
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
    return saveThroughRow(ui, *view.saveRow(), target, xmlFolder,
                          [&view] { view.saveLinearizedCurve(); });
}

ComparisonRow row(const Settings& settings, const char* golden, bool gutenprint = false) {
    return {cliArguments(settings), golden, gutenprint,
            [settings](const QString& target, const QString& xmlFolder) {
                return saveWithView(settings, target, xmlFolder);
            }};
}

}  // namespace

class LinearizationViewCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cliWritesWhatTheViewSaves() {
        const QString wedge21 = examplePath("wedge-21-steps.txt");
        const QString wedge51 = examplePath("wedge-51-steps.txt");
        const QString curve8 = examplePath("example-curve.quad");
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
        const QString wedge = testDataPath("LinearizationView/wedge21-patch7-lighter.txt");
        const QString curve8 = examplePath("example-curve.quad");
        const CliRun warned = runCli({"linearize", "--measurements", wedge, "--quad", curve8});
        QCOMPARE(warned.exitCode, 0);
        QVERIFY(warned.out.startsWith("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK\n"));
        QCOMPARE(warned.err, wedge.toUtf8() +
                                 ": Warning: Patch 7 is lighter than patch 6 by 3.4 L*: check the "
                                 "patch order.\n");

        const QTemporaryDir folder;
        const CliRun reported =
            runCli({"linearize", "--measurements", examplePath("wedge-21-steps.txt"), "--quad",
                    curve8, "--method", "precise", "--report", "-o", folder.filePath("out.quad")});
        QCOMPARE(reported.exitCode, 0);
        QCOMPARE(reported.err, QByteArray("Measured wedge: max |dL*| 22.0, mean 11.0\nPredicted "
                                          "after the precise correction: max |dL*| 0.00, mean "
                                          "0.00\n"));

        const CliRun help = runCli({"linearize", "--help"});
        QVERIFY(help.out.contains("strength from 0 (none, the default) to 1 (most)"));
    }
};

QTEST_MAIN(LinearizationViewCommandTest)
#include "LinearizationViewCommandTest.moc"
