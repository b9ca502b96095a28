#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "App/LinearizationViewController.h"
#include "ViewSupport/CliRun.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::ControlPoint;
using sg::LinearizationViewController;
using sg::testing::bytesOf;
using sg::testing::CliRun;
using sg::testing::runCli;
using sg::testing::ScriptedUiServices;
using sg::testing::TestFolder;

namespace {

const QString examples = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/../../examples");
const QString data = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/LinearizationView");

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
    double spline = 1.0;
    // In an order in which no input crosses another on the way.
    QList<PointSetting> points;
    QString notesFile;
    bool gutenprint = false;  // also export, into a folder named like a paper
};

Settings settingsFor(const QString& measurements, const QString& curve, int window = 0,
                     double spline = 1.0, const QList<PointSetting>& points = {},
                     const QString& notesFile = QString()) {
    return Settings{measurements, curve, window, spline, points, notesFile};
}

const char* optionOf(ControlPoint which) {
    switch (which) {
        case ControlPoint::shadow:
            return "--shadow";
        case ControlPoint::midtone:
            return "--midtone";
        case ControlPoint::highlight:
            return "--highlight";
    }
    return "";
}

QStringList cliArguments(const Settings& settings) {
    QStringList arguments{"linearize", "--measurements", settings.measurements, "--quad",
                          settings.curve};
    if (settings.window != 0) {
        arguments << "--window" << QString::number(settings.window);
    }
    if (settings.spline != 1.0) {
        arguments << "--spline" << QString::number(settings.spline, 'f', 2);
    }
    for (const PointSetting& point : settings.points) {
        arguments << optionOf(point.which)
                  << QString::number(point.input) + ":" + QString::number(point.slider);
    }
    if (!settings.notesFile.isEmpty()) {
        arguments << "--notes-file" << settings.notesFile;
    }
    return arguments;
}

// Drives the tab through the settings and saves; with `xmlFolder` the export follows.
QByteArray savedByTheView(const Settings& settings, const QString& target,
                          const QString& xmlFolder = QString()) {
    ScriptedUiServices ui;
    LinearizationViewController view(ui);
    ui.answerOpen(settings.measurements);
    view.loadMeasurements();
    view.averagingWindowBox()->setValue(settings.window);
    view.splineSettingBox()->setValue(settings.spline);
    for (const PointSetting& point : settings.points) {
        view.inputBox(point.which)->setValue(point.input);
        view.slider(point.which)->setValue(point.slider);
    }
    ui.answerOpen(settings.curve);
    view.loadCurve();
    if (!settings.notesFile.isEmpty()) {
        view.notesEdit()->setPlainText(QString::fromUtf8(bytesOf(settings.notesFile)));
    }
    if (!xmlFolder.isEmpty()) {
        view.exportXmlCheck()->setChecked(true);
        ui.answerFolder(xmlFolder);
    }
    ui.answerSave(target);
    view.saveLinearizedCurve();
    if (!ui.alerts.empty() || !ui.scriptFinished() ||
        !view.controlPointMessage()->text().isEmpty()) {
        return {};
    }
    return bytesOf(target);
}

}  // namespace

Q_DECLARE_METATYPE(Settings)

class LinearizationViewCommandTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;

private slots:
    void init() { QVERIFY(folder.reset()); }

    void cliWritesWhatTheViewSaves_data() {
        QTest::addColumn<Settings>("settings");
        const QString wedge21 = examples + "/wedge-21-steps.txt";
        const QString wedge51 = examples + "/wedge-51-steps.txt";
        const QString curve8 = examples + "/example-curve.quad";
        const QString curve6 = data + "/six-channels.quad";
        const QString notes = data + "/notes.txt";
        using enum ControlPoint;

        QTest::newRow("21 steps, untouched") << settingsFor(wedge21, curve8);
        QTest::newRow("51 steps, untouched") << settingsFor(wedge51, curve8);
        QTest::newRow("window") << settingsFor(wedge21, curve8, 9);
        QTest::newRow("spline below 1") << settingsFor(wedge51, curve8, 0, 0.35);
        QTest::newRow("spline above 1, window") << settingsFor(wedge21, curve8, 20, 1.62);
        QTest::newRow("spline at the ends") << settingsFor(wedge51, curve8, 50, 2.0);
        const QList<PointSetting> slidersOnly{{shadow, 25, 15}, {highlight, 75, -20}};
        QTest::newRow("sliders only") << settingsFor(wedge21, curve8, 0, 1.0, slidersOnly);
        const QList<PointSetting> moved{{shadow, 30, 12}, {midtone, 55, -10}, {highlight, 80, 5}};
        QTest::newRow("moved points") << settingsFor(wedge51, curve8, 0, 1.0, moved);
        // The highlight has to move first to make room, in the tab as on the command line.
        const QList<PointSetting> movedUp{{highlight, 90, -30}, {midtone, 70, 0}, {shadow, 60, 25}};
        QTest::newRow("points moved up") << settingsFor(wedge21, curve8, 0, 1.0, movedUp);
        const QList<PointSetting> extremes{
            {shadow, 12.5, 50}, {midtone, 47.5, -50}, {highlight, 98, 50}};
        QTest::newRow("decimal inputs, extreme sliders")
            << settingsFor(wedge51, curve8, 4, 0.8, extremes);
        const QList<PointSetting> shadowOnly{{shadow, 20, -25}};
        QTest::newRow("notes file") << settingsFor(wedge21, curve8, 6, 1.3, shadowOnly, notes);
        QTest::newRow("six channels") << settingsFor(wedge51, curve6, 3, 0.5, {}, notes);
        Settings withXml = settingsFor(wedge51, curve8, 8, 0.9, {{midtone, 45, 10}});
        withXml.gutenprint = true;
        QTest::newRow("Gutenprint export") << withXml;
    }

    void cliWritesWhatTheViewSaves() {
        QFETCH(Settings, settings);
        const QString paper = QStringLiteral("/Warm Baryta");
        if (settings.gutenprint) {
            QVERIFY(QDir().mkpath(folder.filePath("view") + paper) &&
                    QDir().mkpath(folder.filePath("cli") + paper));
        }
        const QByteArray viewBytes =
            savedByTheView(settings, folder.filePath("view.quad"),
                           settings.gutenprint ? folder.filePath("view") + paper : QString());
        QVERIFY(!viewBytes.isEmpty());

        QStringList arguments = cliArguments(settings);
        const CliRun toStdout = runCli(arguments);
        QCOMPARE(toStdout.exitCode, 0);
        QCOMPARE(toStdout.out, viewBytes);
        if (settings.gutenprint) {
            arguments << "--gutenprint" << folder.filePath("cli") + paper;
        }
        const CliRun toFile =
            runCli(arguments + QStringList{"--output", folder.filePath("cli.quad")});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QCOMPARE(bytesOf(folder.filePath("cli.quad")), viewBytes);

        if (settings.gutenprint) {
            const QStringList files = QDir(folder.filePath("view") + paper).entryList(QDir::Files);
            QCOMPARE(files.size(), 8);
            QCOMPARE(QDir(folder.filePath("cli") + paper).entryList(QDir::Files), files);
            for (const QString& name : files) {
                QCOMPARE(bytesOf(folder.filePath("cli") + paper + "/" + name),
                         bytesOf(folder.filePath("view") + paper + "/" + name));
            }
        }
    }
};

QTEST_MAIN(LinearizationViewCommandTest)
#include "LinearizationViewCommandTest.moc"
