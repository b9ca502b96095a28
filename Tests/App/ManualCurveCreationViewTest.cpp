#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "App/AutomaticCurveCreationViewController.h"
#include "App/InkCurveChart.h"
#include "App/ManualCurveCreationViewController.h"
#include "App/SaveRow.h"
#include "ViewSupport/CliComparison.h"
#include "ViewSupport/CreationViewSupport.h"
#include "ViewSupport/ViewFixture.h"

using sg::ManualCurveCreationViewController;
using namespace sg::testing;

namespace {

struct Creation {
    QString printer;
    QString chart;  // none for the manual tool
    QList<InkSlotSetting> inks;
};

QStringList cliArguments(const Creation& creation) {
    QStringList arguments{"create", "--printer", creation.printer};
    if (!creation.chart.isEmpty()) {
        arguments << "--chart" << creation.chart;
    }
    for (const InkSlotSetting& ink : creation.inks) {
        QString option = ink.ink;
        const auto add = [&option](const char* key, int value, double scale = 1.0) {
            if (value >= 0) {
                option += QStringLiteral(",%1=%2").arg(key).arg(value / scale);
            }
        };
        add("limit", ink.limit);
        add("gray", ink.gray);
        add("start", ink.startPercent, 100.0);
        add("end", ink.endPercent, 100.0);
        add("hardware", ink.hardware);
        arguments << "--ink" << option;
    }
    return arguments;
}

// The tab set up as the command line is, in the command's order: the printer model, the
// chart, then slot by slot the ink and its settings.
template <typename View>
ComparisonRow created(const Creation& creation, const char* golden) {
    return viewRow<View>(cliArguments(creation), golden, false, [creation](auto& ui, auto& view) {
        view.printerModelBox()->setCurrentText(creation.printer);
        if constexpr (std::is_same_v<View, sg::AutomaticCurveCreationViewController>) {
            ui.answerOpen(creation.chart);
            view.loadChart();
        }
        setInkSlots(view, creation.inks);
    });
}

}  // namespace

class ManualCurveCreationViewTest : public QObject, ViewFixture<ManualCurveCreationViewController> {
    Q_OBJECT

    const sg::InkSlotTable::Row& row(std::size_t slot) const { return view->inkTable()->row(slot); }

    // The curve graph draws what the tool's graph holds, line by line.
    void verifyCurveGraph() const {
        const std::vector<sg::InkGraphSeries> graph = view->tool().curveGraph();
        const QList<QLineSeries*> lines = view->curveChart()->curveSeries();
        QCOMPARE(lines.size(), qsizetype(graph.size()));
        for (std::size_t i = 0; i < graph.size(); ++i) {
            QCOMPARE(lines[qsizetype(i)]->name().toStdString(), graph[i].label);
            QVERIFY(drawsInkValues(lines[qsizetype(i)], graph[i].values));
        }
    }

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { QVERIFY(scriptFinished() && ui->alerts.empty()); }

    void beforeAPrinterModelOnlyTheHintShows() {
        QVERIFY(view->curveChart()->isShowingPlaceholder());
        QCOMPARE(view->curveChart()->placeholderText(),
                 QStringLiteral("Choose a printer model to build the curve."));
        QCOMPARE(inkTableMismatch(*view->inkTable(), view->tool()), QString());
        QVERIFY(!view->canSave() && !view->saveRow()->saveButton()->isEnabled());
        view->saveCurve();
        QVERIFY(ui->saveRequests.empty());
    }

    void controlsReachTheToolAndTheTableFollowsIt() {
        view->printerModelBox()->setCurrentText(QStringLiteral("x900"));
        QCOMPARE(view->tool().printer().model(), std::optional<std::string>("x900"));
        QCOMPARE(view->channelsLabel()->text(), QStringLiteral("The curve file gets 10 channels."));
        QCOMPARE(row(1).ink->count(), 10);
        QVERIFY(!view->curveChart()->isShowingPlaceholder());
        QVERIFY(view->saveRow()->saveButton()->isEnabled() && view->hasUnsavedResult());

        row(1).ink->setCurrentText(QStringLiteral("Light Black"));
        row(1).role->setCurrentText(QStringLiteral("Toner Curve 1"));
        row(1).grayValue->setValue(40.0);
        row(1).startingOverlap->setValue(25);
        row(1).endingOverlap->setValue(5);
        const sg::InkSettings lightBlack{"Light Black", 100, 100, 0.25, 0.05, 40};
        QCOMPARE(view->tool().inks().at(1), lightBlack);
        QCOMPARE(inkTableMismatch(*view->inkTable(), view->tool()), QString());
        verifyCurveGraph();

        // The graph follows the slider while it is dragged, line by line in place.
        const QList<QLineSeries*> lines = view->curveChart()->curveSeries();
        row(1).inkLimit->setSliderDown(true);
        row(1).inkLimit->setSliderPosition(65);
        QCOMPARE(view->tool().inks().at(1).inkLimit, 65.0);
        QCOMPARE(row(1).inkLimitValue->text(), QStringLiteral("65 %"));
        QCOMPARE(view->curveChart()->curveSeries(), lines);
        verifyCurveGraph();
        row(1).inkLimit->setSliderDown(false);

        // "Not Used" in the last slot takes its ink away, and its role with it.
        row(1).ink->setCurrentText(QStringLiteral("Not Used"));
        QCOMPARE(view->tool().inks().size(), 1u);
        QCOMPARE(row(1).role->currentIndex(), 0);
        QCOMPARE(inkTableMismatch(*view->inkTable(), view->tool()), QString());
        verifyCurveGraph();
    }

    void refusalShowsAnAlertAndLeavesTheViewAsItWas() {
        view->printerModelBox()->setCurrentText(QStringLiteral("P800"));
        row(1).ink->setCurrentText(QStringLiteral("Light Black"));
        row(2).ink->setCurrentText(QStringLiteral("Light Light Black"));
        const std::vector<sg::InkSettings> inks = view->tool().inks();
        const QStringList shown = shownBy(*view);

        for (const std::size_t slot : {0u, 1u}) {
            row(slot).ink->setCurrentText(QStringLiteral("Not Used"));
            QCOMPARE(ui->alerts.size(), 1u);
            QCOMPARE(ui->alerts.back().title, std::string("Failed to Change Ink"));
            QCOMPARE(view->tool().inks(), inks);
            QCOMPARE(shownBy(*view), shown);
            ui->alerts.clear();
        }
    }

    void saveWritesThroughTheScriptedDialogs() {
        view->printerModelBox()->setCurrentText(QStringLiteral("P800"));
        row(1).ink->setCurrentText(QStringLiteral("Light Black"));
        view->saveRow()->exportXmlCheck()->setChecked(true);
        const QString paper = folder.filePath("Baryta 300");
        QVERIFY(QDir().mkpath(paper));
        ui->answerSave(folder.filePath("created"));
        ui->answerFolder(paper);

        view->saveRow()->saveButton()->click();
        QCOMPARE(ui->saveRequests.back().suggestion, QStringLiteral("P800-manual.quad"));
        QCOMPARE(QDir(paper).entryList(QDir::Files).size(), 8);
        QVERIFY(!view->hasUnsavedResult());
    }

    // The create command serves both creation tabs; it is compared with each here.
    void manualToolWritesWhatTheViewSaves() {
        using View = sg::ManualCurveCreationViewController;
        const QString differences = compareCliWithView({
            created<View>({"P800",
                           {},
                           {{"Black", 70},
                            {"Light Black", 60, 55},
                            {"Light Light Black", 45, 24, 20},
                            {"Yellow", 12, -1, -1, 30}}},
                          "curve-creation/manual-four-inks.quad"),
            created<View>({"x900", {}, {{"Black", 85}, {"Light Black", -1, 40, 30}}},
                          "curve-creation/manual-x900.quad"),
            // No black: the ink in slot 1 stands for full black, and the K channel stays empty.
            created<View>(
                {"1400-1430",
                 {},
                 {{"Cyan", 90}, {"Light Cyan", -1, 60}, {"Light Magenta", 50, 30, -1, 25}}},
                "curve-creation/manual-six-channels.quad"),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }

    void automaticToolWritesWhatTheViewSaves() {
        using View = sg::AutomaticCurveCreationViewController;
        const QString chart3 = examplePath("separation-chart-3-inks.txt");
        const QString chart4 = examplePath("separation-chart-4-inks.txt");
        const QString differences = compareCliWithView({
            created<View>(
                {"P800",
                 chart3,
                 {{"Black", -1, -1, -1, -1, 90}, {"Light Black"}, {"Light Light Black", 80}}},
                "curve-creation/automatic-example.quad"),
            created<View>({"P800",
                           chart4,
                           {{"Black"},
                            {"Light Black", 90},
                            {"Light Light Black", 80, -1, 20},
                            {"Yellow", 60, -1, -1, 30, 80}}},
                          "curve-creation/automatic-four-inks.quad"),
            // The chart's own names, ten channels.
            created<View>({"P5000-P7000-P9000", chart3, {}},
                          "curve-creation/automatic-chart-names.quad"),
        });
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(ManualCurveCreationViewTest)
#include "ManualCurveCreationViewTest.moc"
