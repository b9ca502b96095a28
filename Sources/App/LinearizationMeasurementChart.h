#pragma once

#include <vector>

#include "App/CurveChartView.h"

class QPen;
class QScatterSeries;

namespace sg {

// The measurement graph of the Linearization tab: lightness (L*, 0..100) over the input in
// percent, as the ink graph beside it, for the measured response, its smoothed form, the
// straight line between its lightest and darkest value and the target the correction aims for,
// with the measured patches marked. The lines are created once and their points replaced on
// every redraw.
class LinearizationMeasurementChart : public CurveChartView {
    Q_OBJECT

public:
    LinearizationMeasurementChart(UiServices& ui, const QString& placeholderText,
                                  QWidget* parent = nullptr);

    // Each line's entry i is drawn at input i / 2.55 %; the patches, paper white first, are
    // spread evenly over the input from 0 to 100 %.
    void setSeries(const std::vector<double>& measured, const std::vector<double>& smoothed,
                   const std::vector<double>& linear, const std::vector<double>& target,
                   const std::vector<double>& patches);
    // No measurement: empty lines and the placeholder text.
    void clearSeries();

    QLineSeries* measuredSeries() const { return measured_; }
    QLineSeries* smoothedSeries() const { return smoothed_; }
    QLineSeries* linearSeries() const { return linear_; }
    QLineSeries* targetSeries() const { return target_; }
    QScatterSeries* patchSeries() const { return patches_; }
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
    QScatterSeries* patches_;
};

}  // namespace sg
