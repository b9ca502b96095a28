#pragma once

#include <array>
#include <vector>

#include "App/CurveChartView.h"
#include "CurveTools/CurveBlend.h"

class QScatterSeries;

namespace sg {

// The share graph of the Curve Blending tab: curve 1's share of the blend, in percent, over the
// input in percent (entry i at i / 2.55), with a dot at each zone where its slider sets it.
// Curve 2 has the rest. The line and the dots are created once and their points replaced.
class BlendShareChart : public CurveChartView {
    Q_OBJECT

public:
    explicit BlendShareChart(UiServices& ui, QWidget* parent = nullptr);

    // `shareCurve` holds a fraction 0..1 per input level, `zoneShares` one per zone.
    void setShares(const std::vector<double>& shareCurve,
                   const std::array<double, blendZoneCount>& zoneShares);

    QLineSeries* shareSeries() const { return share_; }
    QScatterSeries* zoneSeries() const { return zones_; }

private:
    QValueAxis* xAxis_;
    QValueAxis* shareAxis_;
    QLineSeries* share_;
    QScatterSeries* zones_;
};

}  // namespace sg
