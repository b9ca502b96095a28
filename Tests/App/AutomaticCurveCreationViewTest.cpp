#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "App/AutomaticCurveCreationViewController.h"
#include "App/InkCurveChart.h"
#include "App/InkLimitChart.h"
#include "ViewSupport/CreationViewSupport.h"
#include "ViewSupport/ViewFixture.h"

using sg::AutomaticCurveCreationViewController;
using namespace sg::testing;

class AutomaticCurveCreationViewTest : public QObject,
                                       ViewFixture<AutomaticCurveCreationViewController> {
    Q_OBJECT

    const sg::InkSlotTable::Row& row(std::size_t slot) const { return view->inkTable()->row(slot); }

    const QString chart3 = examplePath("separation-chart-3-inks.txt");

    // The ink limit graph and the measured gray values are the tool's.
    void verifyInks() const {
        const std::vector<sg::InkGraphSeries> graph = view->tool().inkLimitGraph();
        const QList<QLineSeries*> lines = view->inkLimitChart()->lines();
        QCOMPARE(lines.size(), qsizetype(graph.size()));
        for (std::size_t i = 0; i < graph.size(); ++i) {
            QCOMPARE(lines[qsizetype(i)]->at(99).y(), graph[i].values[99]);
            QCOMPARE(row(i).measuredGrayValue->text(),
                     QString::number(view->tool().inks()[i].grayValue, 'f', 1) + " %");
        }
        QCOMPARE(inkTableMismatch(*view->inkTable(), view->tool()), QString());
    }

private slots:
    void init() { QVERIFY(setUp()); }
    void cleanup() { QVERIFY(scriptFinished()); }

    void chartAndSlotControlsReachTheTool() {
        verifyInks();
        openWith(chart3, view->loadChartButton());
        QCOMPARE(ui->openRequests.back().kind, sg::FileKind::measurements);
        QCOMPARE(view->documentNames(), QStringList{"separation-chart-3-inks.txt"});
        QCOMPARE(view->inkCountLabel()->text(), QStringLiteral("3 inks"));
        verifyInks();

        view->printerModelBox()->setCurrentText(QStringLiteral("P800"));
        row(1).ink->setCurrentText(QStringLiteral("Light Black"));
        row(0).hardwareLimit->setValue(90);
        QCOMPARE(view->tool().inks()[1].inkName, std::string("Light Black"));
        QCOMPARE(view->tool().inks()[0].hardwareLimit, 90.0);
        const double grayBefore = view->tool().inks()[2].grayValue;
        const QList<QLineSeries*> lines = view->inkLimitChart()->lines();
        row(2).inkLimit->setSliderDown(true);
        row(2).inkLimit->setSliderPosition(70);
        QCOMPARE(view->tool().inks()[2].inkLimit, 70.0);
        QVERIFY(view->tool().inks()[2].grayValue != grayBefore);
        QCOMPARE(view->inkLimitChart()->lines(), lines);
        verifyInks();
        QVERIFY(ui->alerts.empty());
    }

    void refusalsLeaveTheViewAsItWas() {
        openWith(chart3, view->loadChartButton());
        view->printerModelBox()->setCurrentText(QStringLiteral("P800"));
        const QStringList before = shownBy(*view);

        // A recognised measurement file, but not CGATS.
        openWith(testDataPath("measurements/datatool-wedge21.txt"), view->loadChartButton());
        QCOMPARE(ui->alerts.size(), 1u);
        QCOMPARE(shownBy(*view), before);
        QCOMPARE(view->documentNames(), QStringList{"separation-chart-3-inks.txt"});

        // Black cut at 5 % stays lighter than the next ink's darkest tone: no crossover.
        row(0).inkLimit->setValue(5);
        QCOMPARE(ui->alerts.size(), 2u);
        QCOMPARE(shownBy(*view), before);
    }
};

QTEST_MAIN(AutomaticCurveCreationViewTest)
#include "AutomaticCurveCreationViewTest.moc"
