#include "App/LinearizationMeasurementChart.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace sg {
namespace {

QList<QPointF> pointsOf(const std::vector<double>& values) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        points.append(QPointF(static_cast<double>(i), values[i]));
    }
    return points;
}

}  // namespace

LinearizationMeasurementChart::LinearizationMeasurementChart(const QString& placeholderText,
                                                             QWidget* parent)
    // Built with its chart: a view made without one creates a default chart that setChart()
    // would leave behind.
    : QChartView(new QChart, parent), xAxis_(new QValueAxis), yAxis_(new QValueAxis) {
    QChart* chart = this->chart();
    chart->setTitle(QString());
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // 0, 51, ... 255: every fifth of the input range.
    xAxis_->setRange(0.0, 255.0);
    xAxis_->setTickCount(6);
    xAxis_->setLabelFormat(QStringLiteral("%d"));
    xAxis_->setTitleText(tr("Input level"));
    yAxis_->setRange(0.0, 100.0);
    yAxis_->setTickCount(11);
    yAxis_->setLabelFormat(QStringLiteral("%d"));
    yAxis_->setTitleText(tr("L*"));
    chart->addAxis(xAxis_, Qt::AlignBottom);
    chart->addAxis(yAxis_, Qt::AlignLeft);
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 300);

    // The straight line goes under the target, which lies on it until a control point moves,
    // so the target is dashed to let both show.
    measured_ = addLine(tr("Measured Lab L*"), QPen(QColor(190, 40, 40), 2.0));
    smoothed_ = addLine(tr("Smoothed Lab L*"), QPen(QColor(30, 90, 200), 2.0));
    linear_ = addLine(tr("Linear Lab L*"), QPen(QColor(170, 170, 170), 3.5));
    target_ = addLine(tr("Target Lab L*"), QPen(QBrush(QColor(20, 140, 70)), 2.0, Qt::DashLine));
    range_ = addLine(QString(), QPen(Qt::transparent));
    for (QLegendMarker* marker : chart->legend()->markers(range_)) {
        marker->setVisible(false);
    }

    placeholder_ = new QGraphicsSimpleTextItem(placeholderText, chart);
    QFont font = placeholder_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    placeholder_->setFont(font);
    placeholder_->setBrush(QColor(110, 110, 110));
    connect(chart, &QChart::plotAreaChanged, this, [this] { placePlaceholder(); });
    clearSeries();
}

QLineSeries* LinearizationMeasurementChart::addLine(const QString& name, const QPen& pen) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(pen);
    line->setPointsVisible(false);
    line->setPointLabelsVisible(false);
    chart()->addSeries(line);
    line->attachAxis(xAxis_);
    line->attachAxis(yAxis_);
    return line;
}

void LinearizationMeasurementChart::setSeries(const std::vector<double>& measured,
                                              const std::vector<double>& smoothed,
                                              const std::vector<double>& linear,
                                              const std::vector<double>& target) {
    measured_->replace(pointsOf(measured));
    smoothed_->replace(pointsOf(smoothed));
    linear_->replace(pointsOf(linear));
    target_->replace(pointsOf(target));
    if (range_->count() != 1) {
        range_->replace(QList<QPointF>{QPointF(0.0, 100.0)});
    }
    placeholder_->setVisible(false);
}

void LinearizationMeasurementChart::clearSeries() {
    for (QLineSeries* line : {measured_, smoothed_, linear_, target_, range_}) {
        line->clear();
    }
    placeholder_->setVisible(true);
    placePlaceholder();
}

bool LinearizationMeasurementChart::isShowingPlaceholder() const {
    return placeholder_->isVisible();
}

QString LinearizationMeasurementChart::placeholderText() const {
    return placeholder_->text();
}

void LinearizationMeasurementChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placePlaceholder();
}

void LinearizationMeasurementChart::placePlaceholder() {
    const QRectF area = chart()->plotArea();
    const QRectF text = placeholder_->boundingRect();
    placeholder_->setPos(area.center() - QPointF(text.width() / 2.0, text.height() / 2.0));
}

}  // namespace sg
