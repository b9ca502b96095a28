#include <memory>

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QTest>

#include "App/InkCurveChart.h"
#include "App/LinearizationMeasurementChart.h"

namespace {

const QString placeholder = QStringLiteral("Nothing loaded yet.");

std::unique_ptr<sg::CurveChartView> makeChart(const QString& kind) {
    if (kind == QStringLiteral("ink")) {
        return std::make_unique<sg::InkCurveChart>(placeholder);
    }
    return std::make_unique<sg::LinearizationMeasurementChart>(placeholder);
}

// Where the placeholder text is drawn, in viewport pixels.
QRect placeholderTextRect(const sg::CurveChartView& chart) {
    for (QGraphicsItem* item : chart.scene()->items()) {
        const auto* text = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item);
        if (text != nullptr && text->text() == placeholder) {
            return chart.mapFromScene(text->sceneBoundingRect()).boundingRect();
        }
    }
    return {};
}

// True when the pixels in a band a few pixels wide beside the text, across its whole height,
// are all white.
bool whiteBesideText(const QImage& image, const QRect& text) {
    for (int y = text.top(); y <= text.bottom(); ++y) {
        for (int offset = 2; offset <= 8; ++offset) {
            if (image.pixelColor(text.left() - offset, y) != QColor(Qt::white) ||
                image.pixelColor(text.right() + offset, y) != QColor(Qt::white)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class CurveChartViewTest : public QObject {
    Q_OBJECT

private slots:
    void framedAlikeAndOutOfTheTabOrder_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("ink curve chart") << "ink";
        QTest::newRow("measurement chart") << "measurement";
    }

    void framedAlikeAndOutOfTheTabOrder() {
        QFETCH(QString, kind);
        const auto chart = makeChart(kind);
        QCOMPARE(chart->rubberBand(), QChartView::NoRubberBand);
        QCOMPARE(chart->chart()->plotAreaBackgroundBrush().color(), QColor(Qt::white));
        QVERIFY(chart->chart()->isPlotAreaBackgroundVisible());
        QVERIFY(chart->chart()->title().isEmpty());
        QCOMPARE(chart->focusPolicy(), Qt::NoFocus);
    }

    void placeholderHidesTheGridAndStaysCentred_data() { framedAlikeAndOutOfTheTabOrder_data(); }

    void placeholderHidesTheGridAndStaysCentred() {
        QFETCH(QString, kind);
        const auto chart = makeChart(kind);
        for (const QSize size : {QSize(620, 460), QSize(900, 380)}) {
            chart->resize(size);
            chart->show();
            QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
            QVERIFY(chart->isShowingPlaceholder());
            const QRect text = placeholderTextRect(*chart);
            QVERIFY(!text.isEmpty());
            // The grid line at half height runs through the middle of the plot area.
            const QPointF offCentre =
                QPointF(text.center()) - chart->mapFromScene(chart->chart()->plotArea().center());
            QVERIFY2(offCentre.manhattanLength() <= 2.0, qPrintable(QString::number(size.width())));
            QVERIFY(whiteBesideText(chart->viewport()->grab().toImage(), text));
        }
    }
};

QTEST_MAIN(CurveChartViewTest)
#include "CurveChartViewTest.moc"
