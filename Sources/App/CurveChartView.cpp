#include "App/CurveChartView.h"

#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>

namespace sg {

// The chart is given to the base class's constructor: setChart() would leave the view's
// default chart behind without an owner.
CurveChartView::CurveChartView(const QString& placeholderText, QWidget* parent)
    : QChartView(new QChart, parent) {
    QChart* chart = this->chart();
    chart->setTitle(QString());
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing);
    // Nothing in a graph reacts to keys, so it takes no place in the tab order.
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(420, 300);

    // The text sits on a white box above the grid, so that no grid line runs through it.
    placeholderBox_ = new QGraphicsRectItem(chart);
    placeholderBox_->setBrush(Qt::white);
    placeholderBox_->setPen(Qt::NoPen);
    placeholderBox_->setZValue(100.0);
    placeholder_ = new QGraphicsSimpleTextItem(placeholderText, placeholderBox_);
    QFont font = placeholder_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    placeholder_->setFont(font);
    placeholder_->setBrush(QColor(110, 110, 110));
    connect(chart, &QChart::plotAreaChanged, this, &CurveChartView::placePlaceholder);
    placePlaceholder();
}

void CurveChartView::setPlaceholderText(const QString& text) {
    placeholder_->setText(text);
    placePlaceholder();
}

QString CurveChartView::placeholderText() const {
    return placeholder_->text();
}

bool CurveChartView::isShowingPlaceholder() const {
    return placeholderBox_->isVisible();
}

QValueAxis* CurveChartView::addAxis(const QString& title, double maximum, int tickCount,
                                    Qt::Alignment alignment) {
    auto* axis = new QValueAxis;
    axis->setRange(0.0, maximum);
    axis->setTickCount(tickCount);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    chart()->addAxis(axis, alignment);
    return axis;
}

QLineSeries* CurveChartView::addLine(QValueAxis* xAxis, QValueAxis* yAxis) {
    auto* line = new QLineSeries;
    line->setPointsVisible(false);
    line->setPointLabelsVisible(false);
    chart()->addSeries(line);
    line->attachAxis(xAxis);
    line->attachAxis(yAxis);
    return line;
}

void CurveChartView::setPlaceholderVisible(bool visible) {
    placeholderBox_->setVisible(visible);
}

void CurveChartView::placePlaceholder() {
    const QRectF box = placeholder_->boundingRect().adjusted(-10.0, -6.0, 10.0, 6.0);
    placeholderBox_->setRect(box);
    placeholderBox_->setPos(chart()->plotArea().center() - box.center());
}

}  // namespace sg
