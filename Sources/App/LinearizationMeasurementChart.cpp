#include "App/LinearizationMeasurementChart.h"

#include <QChart>
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
    : CurveChartView(placeholderText, parent),
      // 0, 51, ... 255: every fifth of the input range.
      xAxis_(addAxis(tr("Input level"), 255.0, 6, Qt::AlignBottom)),
      yAxis_(addAxis(tr("L*"), 100.0, 11, Qt::AlignLeft)),
      measured_(addNamedLine(tr("Measured Lab L*"), QPen(QColor(190, 40, 40), 2.0))),
      smoothed_(addNamedLine(tr("Smoothed Lab L*"), QPen(QColor(30, 90, 200), 2.0))),
      // The straight line goes under the target, which lies on it until a control point
      // moves, so the line is wide and the target dashed to let both show.
      linear_(addNamedLine(tr("Linear Lab L*"), QPen(QColor(170, 170, 170), 3.5))),
      target_(
          addNamedLine(tr("Target Lab L*"), QPen(QBrush(QColor(20, 140, 70)), 2.0, Qt::DashLine))),
      range_(addNamedLine(QString(), QPen(Qt::transparent))) {
    chart()->legend()->setAlignment(Qt::AlignRight);
    for (QLegendMarker* marker : chart()->legend()->markers(range_)) {
        marker->setVisible(false);
    }
    clearSeries();
}

QLineSeries* LinearizationMeasurementChart::addNamedLine(const QString& name, const QPen& pen) {
    QLineSeries* line = addLine(xAxis_, yAxis_);
    line->setName(name);
    line->setPen(pen);
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
    setPlaceholderVisible(false);
}

void LinearizationMeasurementChart::clearSeries() {
    for (QLineSeries* line : {measured_, smoothed_, linear_, target_, range_}) {
        line->clear();
    }
    setPlaceholderVisible(true);
}

}  // namespace sg
