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

#include "App/InkCurveChart.h"
#include "App/ManualCurveCreationViewController.h"
#include "App/SaveRow.h"
#include "ViewSupport/CreationViewSupport.h"
#include "ViewSupport/ViewFixture.h"

using sg::ManualCurveCreationViewController;
using namespace sg::testing;

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
};

QTEST_MAIN(ManualCurveCreationViewTest)
#include "ManualCurveCreationViewTest.moc"
