#include "App/LinearizationMeasurementChart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "Common/InkScale.h"

namespace sg {
namespace {

QList<QPointF> pointsOf(const std::vector<double>& values) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        points.append(QPointF(static_cast<double>(i) / levelsPerPercent, values[i]));
    }
    return points;
}

QList<QPointF> patchPointsOf(const std::vector<double>& patches) {
    QList<QPointF> points;
    const double last = patches.size() > 1 ? static_cast<double>(patches.size() - 1) : 1.0;
    for (std::size_t k = 0; k < patches.size(); ++k) {
        points.append(QPointF(100.0 * static_cast<double>(k) / last, patches[k]));
    }
    return points;
}

}  // namespace

LinearizationMeasurementChart::LinearizationMeasurementChart(UiServices& ui,
                                                             const QString& placeholderText,
                                                             QWidget* parent)
    : CurveChartView(ui, placeholderText, parent),
      xAxis_(addAxis(tr("Input (%)"), 100.0, 11, Qt::AlignBottom)),
      yAxis_(addAxis(tr("L*"), 100.0, 11, Qt::AlignLeft)),
      measured_(addNamedLine(tr("Measured Lab L*"), QPen(QColor(190, 40, 40), 2.0))),
      smoothed_(addNamedLine(tr("Smoothed Lab L*"), QPen(QColor(30, 90, 200), 2.0))),
      // The straight line goes under the target, which lies on it until a control point
      // moves, so the line is wide and the target dashed to let both show.
      linear_(addNamedLine(tr("Linear Lab L*"), QPen(QColor(170, 170, 170), 3.5))),
      target_(
          addNamedLine(tr("Target Lab L*"), QPen(QBrush(QColor(20, 140, 70)), 2.0, Qt::DashLine))),
      patches_(new QScatterSeries) {
    patches_->setName(tr("Measured patches"));
    patches_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    patches_->setMarkerSize(7.0);
    patches_->setColor(QColor(190, 40, 40));
    patches_->setBorderColor(Qt::white);
    chart()->addSeries(patches_);
    patches_->attachAxis(xAxis_);
    patches_->attachAxis(yAxis_);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    // The dots on the measured line speak for themselves; the legend keeps its room.
    for (QLegendMarker* marker : chart()->legend()->markers(patches_)) {
        marker->setVisible(false);
    }
    setReadoutUnits(tr("Input"), QStringLiteral(" %"), QString());
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
                                              const std::vector<double>& target,
                                              const std::vector<double>& patches) {
    measured_->replace(pointsOf(measured));
    smoothed_->replace(pointsOf(smoothed));
    linear_->replace(pointsOf(linear));
    target_->replace(pointsOf(target));
    patches_->replace(patchPointsOf(patches));
    setPlaceholderVisible(false);
}

void LinearizationMeasurementChart::clearSeries() {
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{measured_, smoothed_, linear_, target_, patches_}) {
        series->clear();
    }
    setPlaceholderVisible(true);
}

}  // namespace sg
