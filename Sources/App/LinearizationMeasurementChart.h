#pragma once

#include <vector>

#include "App/CurveChartView.h"

class QPen;

namespace sg {

// The measurement graph of the Linearization tab: lightness (L*, 0..100) over the input level
// (0..255) for the measured response, its smoothed form, the straight line between its
// lightest and darkest value and the target the correction aims for. The lines are created
// once and their points replaced on every redraw.
class LinearizationMeasurementChart : public CurveChartView {
    Q_OBJECT

public:
    explicit LinearizationMeasurementChart(const QString& placeholderText,
                                           QWidget* parent = nullptr);

    // Each series is drawn at x = its index.
    void setSeries(const std::vector<double>& measured, const std::vector<double>& smoothed,
                   const std::vector<double>& linear, const std::vector<double>& target);
    // No measurement: empty lines and the placeholder text.
    void clearSeries();

    QLineSeries* measuredSeries() const { return measured_; }
    QLineSeries* smoothedSeries() const { return smoothed_; }
    QLineSeries* linearSeries() const { return linear_; }
    QLineSeries* targetSeries() const { return target_; }
    // The single point (0, 100), kept out of the legend.
    QLineSeries* rangeSeries() const { return range_; }
    QValueAxis* xAxis() const { return xAxis_; }
    QValueAxis* yAxis() const { return yAxis_; }

private:
    QLineSeries* addNamedLine(const QString& name, const QPen& pen);

    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
    QLineSeries* measured_;
    QLineSeries* smoothed_;
    QLineSeries* linear_;
    QLineSeries* target_;
    QLineSeries* range_;
};

}  // namespace sg
