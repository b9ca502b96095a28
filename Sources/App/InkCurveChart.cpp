#include "App/InkCurveChart.h"

#include <algorithm>

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "Common/InkScale.h"

namespace sg {

InkCurveChart::InkCurveChart(UiServices& ui, const QString& placeholderText, QWidget* parent)
    : CurveChartView(ui, placeholderText, parent),
      xAxis_(addAxis(tr("Input (%)"), 100.0, 11, Qt::AlignBottom)),
      inkAxis_(addAxis(tr("Ink (%)"), 100.0, 11, Qt::AlignLeft)) {
    chart()->legend()->setAlignment(Qt::AlignBottom);
    setReadoutUnits(tr("Input"), QStringLiteral(" %"), QStringLiteral(" %"));
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

bool InkCurveChart::hasInk(const std::vector<double>& channel) {
    return std::any_of(channel.begin(), channel.end(), [](double value) { return value != 0.0; });
}

void InkCurveChart::redraw() {
    while (series_.size() > static_cast<qsizetype>(curve_.size())) {
        QLineSeries* extra = series_.takeLast();
        chart()->removeSeries(extra);
        delete extra;
    }
    while (series_.size() < static_cast<qsizetype>(curve_.size())) {
        series_.append(addLine(xAxis_, inkAxis_));
    }

    for (std::size_t channel = 0; channel < curve_.size(); ++channel) {
        QLineSeries* line = series_[static_cast<qsizetype>(channel)];
        const InkSeriesStyle style =
            channel < styles_.size() ? styles_[channel] : channelSeriesStyle(channel);
        line->setName(style.label);
        line->setPen(QPen(QBrush(readableOnWhite(style.color)), 2.0, style.penStyle));

        const std::vector<double>& values = curve_[channel];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i) {
            points.append(
                QPointF(static_cast<double>(i) / levelsPerPercent, values[i] / inkValuePerPercent));
        }
        line->replace(points);
        const bool shown = channel >= showFlags_.size() || showFlags_[channel];
        line->setVisible(shown && hasInk(values));
    }
    setPlaceholderVisible(curve_.empty());
}

}  // namespace sg
