#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include "App/InkCurveChart.h"
#include "App/LinearizationMeasurementChart.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using namespace sg::testing;

namespace {

const QString placeholder = QStringLiteral("Load measurement data to show graphs.");

std::unique_ptr<sg::CurveChartView> makeChart(const QString& kind, sg::UiServices& ui) {
    if (kind == QStringLiteral("ink")) {
        return std::make_unique<sg::InkCurveChart>(ui, placeholder);
    }
    return std::make_unique<sg::LinearizationMeasurementChart>(ui, placeholder);
}

// Lines from (0 %, 0) to (100 %, 100).
void fill(sg::CurveChartView& chart) {
    std::vector<double> ramp;
    for (int level = 0; level < 256; ++level) {
        ramp.push_back(level / 2.55);
    }
    if (auto* ink = dynamic_cast<sg::InkCurveChart*>(&chart)) {
        std::vector<double> values;
        for (const double percent : ramp) {
            values.push_back(percent * 655.35);
        }
        ink->setCurve({values});
    } else if (auto* measurement = dynamic_cast<sg::LinearizationMeasurementChart*>(&chart)) {
        measurement->setSeries(ramp, ramp, ramp, ramp, {100.0, 0.0});
    }
}

// Where the placeholder text is drawn, in chart coordinates.
QRectF placeholderRect(const sg::CurveChartView& chart) {
    for (QGraphicsItem* item : chart.scene()->items()) {
        const auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text != nullptr && text->toPlainText() == placeholder) {
            return chart.chart()->mapFromScene(text->sceneBoundingRect()).boundingRect();
        }
    }
    return {};
}

}  // namespace

class CurveChartViewTest : public QObject {
    Q_OBJECT

private:
    TestFolder folder;

private slots:
    void init() { QVERIFY(folder.reset()); }

    void placeholderStaysInsideThePlotArea_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("ink curve chart") << "ink";
        QTest::newRow("measurement chart") << "measurement";
    }

    // Inside the plot area it covers neither an axis label nor the legend, however narrow.
    void placeholderStaysInsideThePlotArea() {
        QFETCH(QString, kind);
        ScriptedUiServices ui;
        const auto chart = makeChart(kind, ui);
        for (const QSize size : {QSize(900, 420), QSize(320, 220)}) {
            chart->resize(size);
            chart->show();
            QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
            QVERIFY(chart->isShowingPlaceholder());
            const QRectF text = placeholderRect(*chart);
            QVERIFY(!text.isEmpty());
            QVERIFY2(chart->chart()->plotArea().contains(text),
                     qPrintable(QString::number(size.width())));
        }
        fill(*chart);
        QVERIFY(!chart->isShowingPlaceholder());
    }

    void graphSavesAtTwiceItsSizeAndCopiesItsData_data() {
        placeholderStaysInsideThePlotArea_data();
    }

    void graphSavesAtTwiceItsSizeAndCopiesItsData() {
        QFETCH(QString, kind);
        ScriptedUiServices ui;
        const auto chart = makeChart(kind, ui);
        chart->setCaption(QStringLiteral("Linearized curve"));
        chart->resize(500, 340);
        chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
        fill(*chart);

        ui.answerSave(folder.filePath("graph"));
        chart->saveGraphImage();
        QCOMPARE(ui.saveRequests.back().kind, sg::FileKind::image);
        QCOMPARE(ui.saveRequests.back().suggestion, QStringLiteral("Linearized curve.png"));
        const QImage saved(folder.filePath("graph.png"));
        QCOMPARE(saved.size(), QSize(1000, 680));
        QVERIFY(ui.alerts.empty());

        const QStringList lines = chart->csvText().split('\n');
        QCOMPARE(lines.first().section(',', 0, 0), QStringLiteral("Input (%)"));
        QCOMPARE(lines.size(), 1 + 256 + 1);  // header, 256 rows, the final line feed
        QVERIFY(lines.at(256).startsWith("100.000,100.000"));
        chart->copyDataAsCsv();
        QCOMPARE(QApplication::clipboard()->text(), chart->csvText());
    }

    void hoverReadsOutTheValuesUnderTheMouse() {
        ScriptedUiServices ui;
        sg::InkCurveChart chart(ui, placeholder);
        chart.resize(600, 400);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        fill(chart);
        // Input level 102 sits at 40 %.
        const QPointF point = chart.chart()->mapToPosition(QPointF(40.0, 40.0));
        QTest::mouseMove(chart.viewport(), chart.mapFromScene(chart.chart()->mapToScene(point)));
        QCOMPARE(chart.readoutText(), QStringLiteral("Input 40.0 %   K Curve 40.0 %"));
        chart.showReadoutAt(QPoint(1, 1));  // outside the plot area
        QVERIFY(chart.readoutText().isEmpty());
    }

    // Lines replaced again right after a paint are drawn quickly, then smooth once they rest.
    void linesChangingAsADragGoesAreSmoothedWhenTheyRest() {
        ScriptedUiServices ui;
        sg::InkCurveChart chart(ui, placeholder);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QTest::qWait(200);
        fill(chart);  // a change after a rest, as a file load
        QVERIFY(chart.renderHints().testFlag(QPainter::Antialiasing));
        chart.viewport()->repaint();
        fill(chart);
        QVERIFY(!chart.renderHints().testFlag(QPainter::Antialiasing));
        QTRY_VERIFY(chart.renderHints().testFlag(QPainter::Antialiasing));
    }
};

QTEST_MAIN(CurveChartViewTest)
#include "CurveChartViewTest.moc"
