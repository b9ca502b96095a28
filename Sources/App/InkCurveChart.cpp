#include "App/InkCurveChart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace sg {
namespace {

constexpr double inputPercentPerLevel = 2.55;
constexpr double inkValuePerPercent = 655.35;

}  // namespace

InkCurveChart::InkCurveChart(const QString& placeholderText, QWidget* parent)
    : CurveChartView(placeholderText, parent),
      xAxis_(addAxis(tr("Input (%)"), 100.0, 11, Qt::AlignBottom)),
      leftAxis_(addAxis(tr("Ink (%)"), 100.0, 11, Qt::AlignLeft)),
      rightAxis_(addAxis(tr("Ink (%)"), 100.0, 11, Qt::AlignRight)) {
    chart()->legend()->setAlignment(Qt::AlignRight);
}

void InkCurveChart::setCurve(const std::vector<std::vector<double>>& curve) {
    setCurve(curve, {});
}

void InkCurveChart::setCurve(const std::vector<std::vector<double>>& curve,
                             const std::vector<InkSeriesStyle>& styles) {
    curve_ = curve;
    styles_ = styles;
    redraw();
}

void InkCurveChart::setShowFlags(const std::vector<bool>& showFlags) {
    showFlags_ = showFlags;
    redraw();
}

void InkCurveChart::clearCurve() {
    curve_.clear();
    styles_.clear();
    redraw();
}

void InkCurveChart::redraw() {
    while (series_.size() > static_cast<qsizetype>(curve_.size())) {
        QLineSeries* extra = series_.takeLast();
        chart()->removeSeries(extra);
        delete extra;
    }
    while (series_.size() < static_cast<qsizetype>(curve_.size())) {
        series_.append(addLine(xAxis_, leftAxis_));
    }

    for (std::size_t channel = 0; channel < curve_.size(); ++channel) {
        QLineSeries* line = series_[static_cast<qsizetype>(channel)];
        const InkSeriesStyle style =
            channel < styles_.size() ? styles_[channel] : channelSeriesStyle(channel);
        line->setName(style.label);
        line->setPen(QPen(style.color, 2.0));

        const bool shown = channel >= showFlags_.size() || showFlags_[channel];
        const std::vector<double>& values = curve_[channel];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i) {
            points.append(QPointF(static_cast<double>(i) / inputPercentPerLevel,
                                  shown ? values[i] / inkValuePerPercent : 0.0));
        }
        line->replace(points);
    }
    setPlaceholderVisible(curve_.empty());
}

}  // namespace sg
