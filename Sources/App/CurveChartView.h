#pragma once

#include <QChartView>
#include <QString>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace sg {

// What the app's line graphs share: a chart of its own without title, animation, zoom or
// rounded corners, a white plot area, value axes with whole-number labels, lines without point
// markers, and a placeholder text centred on the plot area for when there is nothing to show.
class CurveChartView : public QChartView {
    Q_OBJECT

public:
    void setPlaceholderText(const QString& text);
    QString placeholderText() const;
    bool isShowingPlaceholder() const;

protected:
    explicit CurveChartView(const QString& placeholderText, QWidget* parent = nullptr);

    // An axis from 0 to `maximum` with `tickCount` labels, added to the chart at `alignment`.
    QValueAxis* addAxis(const QString& title, double maximum, int tickCount,
                        Qt::Alignment alignment);
    // A new line in the chart, on the two axes.
    QLineSeries* addLine(QValueAxis* xAxis, QValueAxis* yAxis);
    void setPlaceholderVisible(bool visible);

private:
    void placePlaceholder();

    QGraphicsRectItem* placeholderBox_;
    QGraphicsSimpleTextItem* placeholder_;
};

}  // namespace sg
