#pragma once

#include <vector>

#include <QList>

#include "App/CurveChartView.h"
#include "App/InkCurveColors.h"

namespace sg {

// The ink limit graph of the Automatic Curve Creation tab: the lightness (L*, 0..100) of every
// ink of the separation chart from no ink up to its limit, one line per ink in the ink's
// colour. Entry j of a line is drawn at j, the percent of the way to the ink's limit, so that
// every ink's curve spans the graph and their ends can be compared. There is no legend: the
// tab's ink table is the key. Lines are created when the number of inks changes and their
// points replaced otherwise.
class InkLimitChart : public CurveChartView {
    Q_OBJECT

public:
    InkLimitChart(UiServices& ui, const QString& placeholderText, QWidget* parent = nullptr);

    struct Line {
        InkSeriesStyle style;
        std::vector<double> lightness;
    };
    void setLines(const std::vector<Line>& lines);

    QList<QLineSeries*> lines() const { return lines_; }
    QValueAxis* xAxis() const { return xAxis_; }
    QValueAxis* lightnessAxis() const { return lightnessAxis_; }

private:
    QList<QLineSeries*> lines_;
    QValueAxis* xAxis_;
    QValueAxis* lightnessAxis_;
};

}  // namespace sg
