#include "App/InkLimitChart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace sg {

InkLimitChart::InkLimitChart(UiServices& ui, const QString& placeholderText, QWidget* parent)
    : CurveChartView(ui, placeholderText, parent),
      xAxis_(addAxis(tr("Ink, up to its limit (%)"), 100.0, 11, Qt::AlignBottom)),
      lightnessAxis_(addAxis(tr("L*"), 100.0, 11, Qt::AlignLeft)) {
    // The ink table of the tab is the key.
    chart()->legend()->hide();
    setReadoutUnits(tr("Ink"), QStringLiteral(" %"), QString());
    setPlaceholderVisible(true);
}

void InkLimitChart::setLines(const std::vector<Line>& lines) {
    while (lines_.size() > static_cast<qsizetype>(lines.size())) {
        QLineSeries* extra = lines_.takeLast();
        chart()->removeSeries(extra);
        delete extra;
    }
    while (lines_.size() < static_cast<qsizetype>(lines.size())) {
        lines_.append(addLine(xAxis_, lightnessAxis_));
    }
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const Line& line = lines[index];
        QLineSeries* series = lines_[static_cast<qsizetype>(index)];
        series->setName(line.style.label);
        series->setPen(QPen(QBrush(readableOnWhite(line.style.color)), 2.0, line.style.penStyle));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.lightness.size()));
        for (std::size_t j = 0; j < line.lightness.size(); ++j) {
            points.append(QPointF(static_cast<double>(j), line.lightness[j]));
        }
        series->replace(points);
    }
    setPlaceholderVisible(lines.empty());
}

}  // namespace sg
