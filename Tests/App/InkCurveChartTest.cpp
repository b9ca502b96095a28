#include <vector>

#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "App/InkCurveChart.h"
#include "App/InkCurveColors.h"
#include "ViewSupport/ScriptedUiServices.h"

using sg::InkCurveChart;

namespace {

using Curve = std::vector<std::vector<double>>;

Curve flatCurve(std::size_t channels, double value) {
    return Curve(channels, std::vector<double>(256, value));
}

// The labels of the legend markers on screen.
QStringList legendLabels(const InkCurveChart& chart) {
    QCoreApplication::processEvents();  // the legend follows its series when laid out
    QStringList labels;
    for (const QLegendMarker* marker : chart.chart()->legend()->markers()) {
        if (marker->isVisible()) {
            labels << marker->label();
        }
    }
    return labels;
}

}  // namespace

class InkCurveChartTest : public QObject {
    Q_OBJECT

private:
    sg::testing::ScriptedUiServices ui;

private slots:
    void pointsInPercentOnOneInkAxis() {
        InkCurveChart chart(ui, QString());
        Curve curve = flatCurve(4, 0.0);
        curve[0][255] = 65535.0;
        curve[0][51] = 32767.5;
        chart.setCurve(curve);
        QLineSeries* black = chart.curveSeries().at(0);
        QCOMPARE(black->count(), 256);
        QCOMPARE(black->at(0), QPointF(0.0, 0.0));
        QCOMPARE(black->at(51), QPointF(20.0, 50.0));
        QCOMPARE(black->at(255), QPointF(100.0, 100.0));
        QCOMPARE(black->attachedAxes(), (QList<QAbstractAxis*>{chart.xAxis(), chart.inkAxis()}));
        QCOMPARE(chart.chart()->axes(Qt::Vertical).size(), 1);
        for (QValueAxis* axis : {chart.xAxis(), chart.inkAxis()}) {
            QCOMPARE(axis->max(), 100.0);
        }
    }

    // Channels of zeros and channels switched off are neither drawn nor listed.
    void onlyChannelsWithInkThatAreShownAreDrawnAndListed() {
        InkCurveChart chart(ui, QString());
        chart.resize(600, 400);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        Curve curve = flatCurve(8, 0.0);
        for (const std::size_t inked : {0, 6, 7}) {
            curve[inked][100] = 1000.0;
        }
        chart.setCurve(curve);
        QCOMPARE(legendLabels(chart), (QStringList{"K Curve", "LK Curve", "LLK Curve"}));
        chart.setShowFlags({true, true, true, true, true, true, false});
        QCOMPARE(legendLabels(chart), (QStringList{"K Curve", "LLK Curve"}));
        QVERIFY(!chart.curveSeries().at(6)->isVisible());
        chart.setCurve(flatCurve(8, 1.0));  // the flags stay for the next curve
        QCOMPARE(legendLabels(chart).size(), 7);
        chart.setShowFlags({});
        QCOMPARE(legendLabels(chart).size(), 8);
    }

    void redrawsInPlaceAndTakesTheCallersStyles() {
        InkCurveChart chart(ui, QString());
        chart.setCurve(flatCurve(8, 655.35));
        const QList<QLineSeries*> before = chart.curveSeries();
        chart.setCurve(flatCurve(8, 6553.5));
        QCOMPARE(chart.curveSeries(), before);
        QCOMPARE(chart.curveSeries().at(3)->at(100).y(), 10.0);
        chart.setCurve(flatCurve(6, 1.0));
        QCOMPARE(chart.curveSeries(), before.mid(0, 6));

        chart.setCurve(flatCurve(3, 1.0), {sg::inkSeriesStyle("# K Curve", "Black"),
                                           sg::inkSeriesStyle("Light Cyan", "Light Cyan")});
        QCOMPARE(chart.curveSeries().at(0)->name(), QStringLiteral("# K Curve"));
        QCOMPARE(chart.curveSeries().at(1)->pen().style(), Qt::DashLine);
        QCOMPARE(chart.curveSeries().at(1)->pen().color(),
                 sg::readableOnWhite(sg::inkColorForName("Light Cyan")));
        QCOMPARE(chart.curveSeries().at(2)->name(), QStringLiteral("M Curve"));

        chart.clearCurve();
        QVERIFY(chart.isShowingPlaceholder());
        QVERIFY(chart.chart()->series().isEmpty());
    }
};

QTEST_MAIN(InkCurveChartTest)
#include "InkCurveChartTest.moc"
