#pragma once

#include <vector>

#include <QList>

#include "App/CurveChartView.h"
#include "App/InkCurveColors.h"

namespace sg {

// The line graph of a quad curve that every tool shows: one line per ink channel, x the input in
// percent (entry i at i / 2.55), y the ink in percent of 65535 (value / 655.35), both axes 0..100
// with 11 ticks. Only channels that hold ink and are shown are drawn and listed in the legend,
// which sits below the plot. Colours come from the channel series table, or from the caller's
// styles (the ink colour table), darkened where they would not read on white.
//
// Redrawing replaces the points of the existing lines; lines are only added or removed when the
// channel count changes, so dragging a control never rebuilds the chart.
class InkCurveChart : public CurveChartView {
    Q_OBJECT

public:
    InkCurveChart(UiServices& ui, const QString& placeholderText, QWidget* parent = nullptr);

    // Draws the curve (channels of values 0..65535) with the channel series table.
    void setCurve(const std::vector<std::vector<double>>& curve);

    // Draws the curve with the caller's style for each channel, for graphs that use the ink
    // colour table (see inkSeriesStyle); channels without a style take the channel series table.
    void setCurve(const std::vector<std::vector<double>>& curve,
                  const std::vector<InkSeriesStyle>& styles);

    // One flag per channel; a channel switched off is neither drawn nor listed. Channels without
    // a flag are shown. The flags stay for the next curve.
    void setShowFlags(const std::vector<bool>& showFlags);

    // No curve: the graph is empty and shows the placeholder text.
    void clearCurve();

    // Whether a channel holds any ink; a channel of zeros is not drawn.
    static bool hasInk(const std::vector<double>& channel);

    // One line per channel of the curve, drawn or not.
    QList<QLineSeries*> curveSeries() const { return series_; }
    QValueAxis* xAxis() const { return xAxis_; }
    QValueAxis* inkAxis() const { return inkAxis_; }

private:
    void redraw();

    std::vector<std::vector<double>> curve_;
    std::vector<InkSeriesStyle> styles_;
    std::vector<bool> showFlags_;
    QList<QLineSeries*> series_;
    QValueAxis* xAxis_;
    QValueAxis* inkAxis_;
};

}  // namespace sg
