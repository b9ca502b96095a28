#include <vector>

#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "App/InkCurveChart.h"
#include "App/InkCurveColors.h"

using sg::InkCurveChart;

namespace {

using Curve = std::vector<std::vector<double>>;

Curve flatCurve(std::size_t channels, double value) {
    return Curve(channels, std::vector<double>(256, value));
}

QStringList seriesNames(const InkCurveChart& chart) {
    QStringList names;
    for (const QLineSeries* series : chart.curveSeries()) {
        names << series->name();
    }
    return names;
}

}  // namespace

class InkCurveChartTest : public QObject {
    Q_OBJECT

private slots:
    void percentAxesOnBothSidesAndThePlaceholderWhenEmpty() {
        InkCurveChart chart(QStringLiteral("Load .quad file to show ink graphs."));
        for (QValueAxis* axis : {chart.xAxis(), chart.leftAxis(), chart.rightAxis()}) {
            QCOMPARE(axis->min(), 0.0);
            QCOMPARE(axis->max(), 100.0);
            QCOMPARE(axis->tickCount(), 11);
        }
        QCOMPARE(chart.rightAxis()->alignment(), Qt::AlignRight);

        QVERIFY(chart.isShowingPlaceholder());
        chart.setCurve(flatCurve(8, 100.0));
        QVERIFY(!chart.isShowingPlaceholder());
        chart.clearCurve();
        QVERIFY(chart.isShowingPlaceholder());
        QVERIFY(chart.chart()->series().isEmpty());
        QCOMPARE(chart.chart()->axes().size(), 3);  // the axes stay when the lines go
    }

    void pointsInPercentAndColoursFromTheChannelTable() {
        InkCurveChart chart{QString()};
        Curve curve = flatCurve(4, 0.0);
        curve[0][255] = 65535.0;
        curve[0][51] = 32767.5;
        chart.setCurve(curve);
        QLineSeries* black = chart.curveSeries().at(0);
        QCOMPARE(black->count(), 256);
        QCOMPARE(black->at(0), QPointF(0.0, 0.0));
        QCOMPARE(black->at(51), QPointF(20.0, 50.0));
        QCOMPARE(black->at(255), QPointF(100.0, 100.0));
        QCOMPARE(black->pen().widthF(), 2.0);
        QVERIFY(!black->pointsVisible());
        QCOMPARE(black->attachedAxes(), (QList<QAbstractAxis*>{chart.xAxis(), chart.leftAxis()}));
        QCOMPARE(seriesNames(chart), (QStringList{"K Curve", "C Curve", "M Curve", "Y Curve"}));

        chart.setCurve(flatCurve(10, 1.0));
        QCOMPARE(seriesNames(chart).mid(7), (QStringList{"LLK Curve", "OR Curve", "GR Curve"}));
        QCOMPARE(chart.curveSeries().at(4)->pen().color(),
                 QColor::fromRgbF(0.71f, 1.0f, 1.0f, 0.75f));
    }

    void updatesInPlaceAndRebuildsOnlyOnANewChannelCount() {
        InkCurveChart chart{QString()};
        chart.setCurve(flatCurve(8, 655.35));
        const QList<QLineSeries*> before = chart.curveSeries();
        chart.setCurve(flatCurve(8, 6553.5));
        QCOMPARE(chart.curveSeries(), before);
        QCOMPARE(chart.curveSeries().at(3)->at(100).y(), 10.0);
        chart.setCurve(flatCurve(6, 0.0));
        QCOMPARE(chart.curveSeries(), before.mid(0, 6));
        QCOMPARE(chart.chart()->series().size(), 6);
    }

    void showFlagsFlattenOnlyTheirChannel() {
        InkCurveChart chart{QString()};
        chart.setCurve(flatCurve(8, 32767.5));
        chart.setShowFlags({true, false, true});
        QCOMPARE(chart.curveSeries().at(0)->at(10).y(), 50.0);
        QCOMPARE(chart.curveSeries().at(1)->count(), 256);
        for (const QPointF& point : chart.curveSeries().at(1)->points()) {
            QCOMPARE(point.y(), 0.0);
        }
        QCOMPARE(chart.curveSeries().at(7)->at(10).y(), 50.0);  // no flag: shown
        chart.setCurve(flatCurve(8, 65535.0));                  // flags stay for the next curve
        QCOMPARE(chart.curveSeries().at(1)->at(10).y(), 0.0);
        chart.setShowFlags({});
        QCOMPARE(chart.curveSeries().at(1)->at(10).y(), 100.0);
    }

    void callerStylesAndTheInkColourTable() {
        InkCurveChart chart{QString()};
        chart.setCurve(flatCurve(3, 0.0),
                       {{QStringLiteral("# K Curve"), sg::inkColorForPosition(0)},
                        {QStringLiteral("Light Cyan"), sg::inkColorForName("Light Cyan")}});
        QCOMPARE(seriesNames(chart), (QStringList{"# K Curve", "Light Cyan", "M Curve"}));
        QCOMPARE(chart.curveSeries().at(1)->pen().color(), QColor::fromRgbF(0.6f, 1.0f, 1.0f));
        QCOMPARE(sg::inkColorForName("Orange"), QColor::fromRgbF(1.0f, 0.65f, 0.0f));
        QCOMPARE(sg::inkColorForName("light cyan"), QColor(Qt::black));  // names are exact
        QCOMPARE(sg::inkColorForPosition(12), QColor(Qt::black));
    }
};

QTEST_MAIN(InkCurveChartTest)
#include "InkCurveChartTest.moc"
