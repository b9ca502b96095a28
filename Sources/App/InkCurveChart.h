#pragma once

#include <vector>

#include <QList>

#include "App/CurveChartView.h"
#include "App/InkCurveColors.h"

namespace sg {

// The line graph of a quad curve that every tool shows: one line per ink channel, x the input
// in percent (entry i at i / 2.55), y the ink in percent of 65535 (value / 655.35), axes 0..100
// with 11 ticks on the left and the right. The legend is a column on the right, where all ten
// channel labels fit even when the graph has half a window's width. Redrawing replaces the
// points of the existing lines; lines are only added or removed when the channel count
// changes, so dragging a control never rebuilds the chart.
class InkCurveChart : public CurveChartView {
    Q_OBJECT

public:
    explicit InkCurveChart(const QString& placeholderText, QWidget* parent = nullptr);

    // Draws the curve (channels of values 0..65535) with the channel series table.
    void setCurve(const std::vector<std::vector<double>>& curve);

    // Draws the curve with the caller's label and colour for each channel, for graphs that use
    // the ink colour table; channels without a style fall back to the channel series table.
    void setCurve(const std::vector<std::vector<double>>& curve,
                  const std::vector<InkSeriesStyle>& styles);

    // One flag per channel; a channel switched off stays in the graph as a flat line at 0.
    // Channels without a flag are shown.
    void setShowFlags(const std::vector<bool>& showFlags);

    // No curve: the graph is empty and shows the placeholder text.
    void clearCurve();

    QList<QLineSeries*> curveSeries() const { return series_; }
    QValueAxis* xAxis() const { return xAxis_; }
    QValueAxis* leftAxis() const { return leftAxis_; }
    QValueAxis* rightAxis() const { return rightAxis_; }

private:
    void redraw();

    std::vector<std::vector<double>> curve_;
    std::vector<InkSeriesStyle> styles_;
    std::vector<bool> showFlags_;
    QList<QLineSeries*> series_;
    QValueAxis* xAxis_;
    QValueAxis* leftAxis_;
    QValueAxis* rightAxis_;
};

}  // namespace sg
