#include "App/BlendShareChart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include "Common/InkScale.h"

namespace sg {
namespace {

const QColor shareColor(40, 90, 170);
// Where the zones stand on the input axis, in percent: whites, lights, mids, darks, blacks.
constexpr double zoneSpacing = 100.0 / (blendZoneCount - 1);

}  // namespace

BlendShareChart::BlendShareChart(UiServices& ui, QWidget* parent)
    : CurveChartView(ui, QString(), parent),
      xAxis_(addAxis(tr("Input (%)"), 100.0, 11, Qt::AlignBottom)),
      shareAxis_(addAxis(tr("Curve 1 (%)"), 100.0, 6, Qt::AlignLeft)),
      share_(addLine(xAxis_, shareAxis_)),
      zones_(new QScatterSeries) {
    share_->setName(tr("Curve 1"));
    share_->setPen(QPen(shareColor, 2.0));
    zones_->setName(tr("Zones"));
    zones_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    zones_->setMarkerSize(9.0);
    zones_->setColor(shareColor);
    zones_->setBorderColor(Qt::white);
    chart()->addSeries(zones_);
    zones_->attachAxis(xAxis_);
    zones_->attachAxis(shareAxis_);
    // The caption says what the one line is.
    chart()->legend()->hide();
    // A little room beyond 0 and 100 so that the dots of zones at the ends are drawn whole;
    // the labels stay at the tens.
    for (QValueAxis* axis : {xAxis_, shareAxis_}) {
        const double pad = axis == xAxis_ ? 1.5 : 4.0;
        axis->setRange(-pad, 100.0 + pad);
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0.0);
        axis->setTickInterval(axis == xAxis_ ? 10.0 : 20.0);
    }
    setReadoutUnits(tr("Input"), QStringLiteral(" %"), QStringLiteral(" %"));
    setPlaceholderVisible(false);
}

void BlendShareChart::setShares(const std::vector<double>& shareCurve,
                                const std::array<double, blendZoneCount>& zoneShares) {
    QList<QPointF> line;
    line.reserve(static_cast<qsizetype>(shareCurve.size()));
    for (std::size_t level = 0; level < shareCurve.size(); ++level) {
        line.append(
            QPointF(static_cast<double>(level) / levelsPerPercent, shareCurve[level] * 100.0));
    }
    share_->replace(line);
    QList<QPointF> dots;
    for (std::size_t zone = 0; zone < blendZoneCount; ++zone) {
        dots.append(QPointF(static_cast<double>(zone) * zoneSpacing, zoneShares[zone] * 100.0));
    }
    zones_->replace(dots);
}

}  // namespace sg
